#include "DialogControls.h"

#include "model/Choices.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace cashvane {

namespace {

// A drop-down list opens to about 350 pixels.
constexpr int kVisibleChoices = 17;

template <typename Control> Control* place(QDialog& window, int id, QRect geometry)
{
    auto* control = new Control(&window);
    control->setObjectName(controlName(id));
    control->setGeometry(geometry);
    return control;
}

QPushButton* addPushButton(QDialog& window, int id, QRect geometry, const QString& caption)
{
    auto* button = place<QPushButton>(window, id, geometry);
    button->setText(caption);
    return button;
}

} // namespace

QString controlName(int id)
{
    return QStringLiteral("control-%1").arg(id);
}

void setUpWindow(QDialog& window, int windowNumber, QSize clientSize, const QString& title)
{
    window.setObjectName(QStringLiteral("window-%1").arg(windowNumber));
    window.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::MSWindowsFixedSizeDialogHint);
    window.setWindowTitle(title);
    window.setFixedSize(clientSize);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame({}, clientSize);
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
}

QGroupBox* addGroupBox(QDialog& window, int id, QRect geometry, const QString& caption)
{
    auto* box = place<QGroupBox>(window, id, geometry);
    box->setTitle(caption);
    return box;
}

QLabel* addLabel(QDialog& window, int id, QRect geometry, const QString& caption)
{
    auto* label = place<QLabel>(window, id, geometry);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setText(caption);
    return label;
}

QLineEdit* addTextField(QDialog& window, int id, QRect geometry, const QString& text)
{
    auto* field = place<QLineEdit>(window, id, geometry);
    field->setText(text);
    return field;
}

QComboBox* addChoiceList(QDialog& window, int id, QRect geometry)
{
    auto* list = place<QComboBox>(window, id, geometry);
    list->setEditable(false);
    list->setMaxVisibleItems(kVisibleChoices);
    return list;
}

QCheckBox* addCheckBox(QDialog& window, int id, QRect geometry, const QString& caption)
{
    auto* box = place<QCheckBox>(window, id, geometry);
    box->setText(caption);
    return box;
}

QPushButton* addSubmitButton(QDialog& window, int id, QRect geometry)
{
    auto* button = addPushButton(window, id, geometry, QStringLiteral("Submit"));
    button->setDefault(true);
    return button;
}

QPushButton* addCancelButton(QDialog& window, int id, QRect geometry)
{
    auto* button = addPushButton(window, id, geometry, QStringLiteral("Cancel"));
    QObject::connect(button, &QPushButton::clicked, &window, &QDialog::reject);
    return button;
}

void selectPosition(QComboBox& list, int position)
{
    list.setCurrentIndex(position >= 0 && position < list.count() ? position : -1);
}

void fillAccountChoices(QComboBox& list, const Profile& profile)
{
    list.clear();
    for (int k = 1; k <= profile.bankCount(); ++k)
        list.addItem(accountLabel(profile.accounts.record(k), k));
    list.addItem(QStringLiteral("--"));
    list.setCurrentIndex(0);
}

// "--" is always the last item, so the accounts are the items before it.
int chosenAccount(const QComboBox& list)
{
    const int position = list.currentIndex();
    return position >= 0 && position < list.count() - 1 ? position + 1 : 0;
}

void selectAccount(QComboBox& list, int k)
{
    const int accounts = list.count() - 1;
    list.setCurrentIndex(k >= 1 && k <= accounts ? k - 1 : accounts);
}

void followAccounts(QComboBox& list, const Profile& profile, int removedAccount)
{
    const bool noneSelected = list.currentIndex() < 0;
    int k = chosenAccount(list);
    if (removedAccount > 0 && k == removedAccount)
        k = 0;
    else if (removedAccount > 0 && k > removedAccount)
        --k;
    fillAccountChoices(list, profile);
    if (noneSelected)
        list.setCurrentIndex(-1);
    else
        selectAccount(list, k);
}

void fillDayChoices(QComboBox& list, CalendarDate today)
{
    for (int day = 1; day <= 31; ++day)
        list.addItem(QString::number(day));
    selectPosition(list, today.day - 1);
}

void fillMonthChoices(QComboBox& list, CalendarDate today)
{
    list.addItems(monthNames());
    selectPosition(list, today.month - 1);
}

void fillYearChoices(QComboBox& list, CalendarDate today)
{
    for (int year = kFirstYear; year <= kLastYear; ++year)
        list.addItem(QString::number(year));
    selectPosition(list, today.year - kFirstYear);
}

} // namespace cashvane
