#pragma once

#include "Submission.h"
#include "model/Calendar.h"
#include "model/Profile.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;

// The IncomeDialog (window 1) and the ExpenseDialog (window 2): one layout,
// different ids, caption and categories. Opened with defaults to add an
// entry, or filled from record `record` to edit it. It remembers the mode
// and record it was opened with and hands both on with what the user
// entered; it checks nothing and changes nothing itself.
namespace cashvane {

class EntryDialog : public QDialog {
    Q_OBJECT

public:
    // REQUIRES: kind is Incomes or Expenses; in Edit mode, record names an
    // entry of that list. `today` preselects the date lists.
    EntryDialog(
        ListKind kind, DialogMode mode, int record, const Profile& profile, CalendarDate today);

    ListKind kind() const { return kind_; }
    DialogMode mode() const { return mode_; }
    int record() const { return record_; }

    // The values of the controls, read as the commands store them.
    RecurringEntry entry() const;

    // Keeps the account list in step with the profile's accounts.
    void followAccounts(const Profile& profile, int removedAccount);

signals:
    void submitted(const cashvane::EntrySubmission& submission);

private:
    void createControls(const Profile& profile, CalendarDate today);
    void fill(const RecurringEntry& entry);

    ListKind kind_;
    DialogMode mode_;
    int record_;

    QComboBox* category_ = nullptr;
    QCheckBox* useCustom_ = nullptr;
    QLineEdit* customTitle_ = nullptr;
    QComboBox* frequency_ = nullptr;
    QComboBox* startDay_ = nullptr;
    QComboBox* startMonth_ = nullptr;
    QComboBox* startYear_ = nullptr;
    QComboBox* endDay_ = nullptr;
    QComboBox* endMonth_ = nullptr;
    QComboBox* endYear_ = nullptr;
    QCheckBox* noEndDate_ = nullptr;
    QComboBox* account_ = nullptr;
    QCheckBox* paidInCash_ = nullptr;
    QLineEdit* amount_ = nullptr;
};

} // namespace cashvane
