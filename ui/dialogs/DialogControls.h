#pragma once

#include "model/Calendar.h"
#include "model/Profile.h"

#include <QRect>
#include <QSize>
#include <QString>

class QCheckBox;
class QComboBox;
class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The building blocks of the entry dialogs. Every control is placed at a
// fixed position in its window and named "control-" followed by its id, and
// every window "window-" followed by its number, so that the window, tests
// and desktop tools can find each one.
namespace cashvane {

QString controlName(int id);

// A fixed-size window with a title bar but no close, minimise or maximise
// box, owned by no other window and centred on the screen.
void setUpWindow(QDialog& window, int windowNumber, QSize clientSize, const QString& title);

// Each adds a control to the window; the window owns it, and the order of
// the calls is the order Tab moves through the controls.
QGroupBox* addGroupBox(QDialog& window, int id, QRect geometry, const QString& caption);
QLabel* addLabel(QDialog& window, int id, QRect geometry, const QString& caption);
QLineEdit* addTextField(QDialog& window, int id, QRect geometry, const QString& text);
QComboBox* addChoiceList(QDialog& window, int id, QRect geometry);
QCheckBox* addCheckBox(QDialog& window, int id, QRect geometry, const QString& caption);
// The Submit button is the default one, so Enter submits; Escape cancels
// through the dialog itself.
QPushButton* addSubmitButton(QDialog& window, int id, QRect geometry);
QPushButton* addCancelButton(QDialog& window, int id, QRect geometry);

// Selects a position; one outside the list leaves it without selection.
void selectPosition(QComboBox& list, int position);

// The labels of every account, then "--", with the first item selected.
// Position p stands for account p + 1 and "--" for no account.
void fillAccountChoices(QComboBox& list, const Profile& profile);
// The account the selected item stands for; 0 for "--" or no selection.
int chosenAccount(const QComboBox& list);
// Selects account k, or "--" for any k that names no account.
void selectAccount(QComboBox& list, int k);
// Refills the list after the accounts changed, keeping the account that was
// chosen. removedAccount is the number of a removed account, or 0: its own
// choice becomes "--" and the accounts after it move down one number.
void followAccounts(QComboBox& list, const Profile& profile, int removedAccount);

void fillDayChoices(QComboBox& list, CalendarDate today);
void fillMonthChoices(QComboBox& list, CalendarDate today);
void fillYearChoices(QComboBox& list, CalendarDate today);

inline constexpr int kFirstYear = 1920;
inline constexpr int kLastYear = 2050;

} // namespace cashvane
