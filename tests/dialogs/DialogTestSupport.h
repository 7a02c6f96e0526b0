#pragma once

#include "model/Calendar.h"
#include "model/Profile.h"

#include <QString>
#include <QWidget>

// Finding and reading the controls of an entry dialog by id, as the window,
// the desktop tools and a person see them.
namespace cashvane::test {

QWidget* control(const QWidget& window, int id);

// What the control shows: a caption, a field's text, a list's selected item.
QString shownText(const QWidget& window, int id);

// The selected position of a choice list, -1 for none.
int selectedPosition(const QWidget& window, int id);

bool isTicked(const QWidget& window, int id);

void setText(const QWidget& window, int id, const QString& text);
void selectPosition(const QWidget& window, int id, int position);
void tick(const QWidget& window, int id, bool ticked);

inline const CalendarDate kThirtyFirstOfMarch { 2010, 3, 31 };

BankAccount namedAccount(const QString& name, const QString& bank);

// Two accounts without names, the way a user who skipped the fields has them.
Profile twoUnnamedAccounts();

} // namespace cashvane::test
