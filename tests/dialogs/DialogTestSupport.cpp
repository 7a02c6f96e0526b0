#include "DialogTestSupport.h"

#include "ui/dialogs/DialogControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace cashvane::test {

namespace {

template <typename Control> Control* as(const QWidget& window, int id)
{
    auto* typed = qobject_cast<Control*>(control(window, id));
    EXPECT_NE(typed, nullptr) << "control " << id << " is not a "
                              << Control::staticMetaObject.className();
    return typed;
}

} // namespace

QWidget* control(const QWidget& window, int id)
{
    auto* found = window.findChild<QWidget*>(controlName(id));
    EXPECT_NE(found, nullptr) << "no control " << id;
    return found;
}

QString shownText(const QWidget& window, int id)
{
    QWidget* widget = control(window, id);
    if (auto* box = qobject_cast<QGroupBox*>(widget))
        return box->title();
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text();
    if (auto* field = qobject_cast<QLineEdit*>(widget))
        return field->text();
    if (auto* list = qobject_cast<QComboBox*>(widget))
        return list->currentText();
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return button->text();
    return QStringLiteral("<none>");
}

int selectedPosition(const QWidget& window, int id)
{
    const QComboBox* list = as<QComboBox>(window, id);
    return list ? list->currentIndex() : -2;
}

bool isTicked(const QWidget& window, int id)
{
    const QCheckBox* box = as<QCheckBox>(window, id);
    return box && box->isChecked();
}

void setText(const QWidget& window, int id, const QString& text)
{
    if (QLineEdit* field = as<QLineEdit>(window, id))
        field->setText(text);
}

void selectPosition(const QWidget& window, int id, int position)
{
    if (QComboBox* list = as<QComboBox>(window, id))
        list->setCurrentIndex(position);
}

void tick(const QWidget& window, int id, bool ticked)
{
    if (QCheckBox* box = as<QCheckBox>(window, id))
        box->setChecked(ticked);
}

BankAccount namedAccount(const QString& name, const QString& bank)
{
    return { name, 2, bank, 100.0f, 50.0f };
}

Profile twoUnnamedAccounts()
{
    Profile profile;
    profile.accounts.append({});
    profile.accounts.append({});
    return profile;
}

} // namespace cashvane::test
