#include "EntryDialog.h"

#include "DialogControls.h"
#include "model/Choices.h"
#include "model/Money.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <cassert>

namespace cashvane {

namespace {

constexpr int kIncomeFirstId = 30;
constexpr int kExpenseFirstId = 54;

QString titleFor(ListKind kind, DialogMode mode)
{
    if (kind == ListKind::Incomes)
        return mode == DialogMode::Add ? QStringLiteral("Add Income Source")
                                       : QStringLiteral("Edit Income Source");
    return mode == DialogMode::Add ? QStringLiteral("Add Expense") : QStringLiteral("Edit Expense");
}

std::int32_t flag(const QCheckBox& box)
{
    return box.isChecked() ? 1 : 0;
}

// Position p of a day or month list is p + 1; no selection gives 0.
std::int32_t ordinal(const QComboBox& list)
{
    return list.currentIndex() + 1;
}

// No selection gives the year before the list, 1919.
std::int32_t year(const QComboBox& list)
{
    return list.currentIndex() + kFirstYear;
}

} // namespace

EntryDialog::EntryDialog(
    ListKind kind, DialogMode mode, int record, const Profile& profile, CalendarDate today)
    : kind_(kind)
    , mode_(mode)
    , record_(mode == DialogMode::Add ? -1 : record)
{
    assert(kind == ListKind::Incomes || kind == ListKind::Expenses);
    setUpWindow(*this, kind == ListKind::Incomes ? 1 : 2, { 384, 392 }, titleFor(kind, mode));
    createControls(profile, today);
    if (mode == DialogMode::Edit) {
        const auto& list = kind == ListKind::Incomes ? profile.incomes : profile.expenses;
        fill(list.record(record));
    }
}

void EntryDialog::createControls(const Profile& profile, CalendarDate today)
{
    const int id = kind_ == ListKind::Incomes ? kIncomeFirstId : kExpenseFirstId;
    const bool income = kind_ == ListKind::Incomes;

    addGroupBox(*this, id, { 0, 0, 380, 80 }, income ? "Income Source" : "Expense Description");
    category_ = addChoiceList(*this, id + 1, { 10, 20, 360, 20 });
    category_->addItems(income ? incomeCategories() : expenseCategories());
    category_->setCurrentIndex(0);
    useCustom_ = addCheckBox(*this, id + 2, { 10, 50, 60, 20 }, "Custom");
    customTitle_ = addTextField(*this, id + 3, { 80, 50, 290, 20 }, "");

    addGroupBox(*this, id + 4, { 0, 80, 380, 140 }, "Recurrence");
    addLabel(*this, id + 5, { 10, 100, 80, 20 }, "Frequency");
    addLabel(*this, id + 6, { 10, 130, 80, 20 }, "Start Date");
    addLabel(*this, id + 7, { 10, 160, 80, 20 }, "End Date");
    frequency_ = addChoiceList(*this, id + 8, { 100, 100, 270, 20 });
    for (const FrequencyChoice& choice : frequencyChoices())
        frequency_->addItem(choice.text);
    frequency_->setCurrentIndex(positionOfFrequency(FrequencyCode::Monthly));
    startDay_ = addChoiceList(*this, id + 9, { 100, 130, 80, 20 });
    fillDayChoices(*startDay_, today);
    startMonth_ = addChoiceList(*this, id + 10, { 180, 130, 110, 20 });
    fillMonthChoices(*startMonth_, today);
    startYear_ = addChoiceList(*this, id + 11, { 290, 130, 80, 20 });
    fillYearChoices(*startYear_, today);
    endDay_ = addChoiceList(*this, id + 12, { 100, 160, 80, 20 });
    fillDayChoices(*endDay_, today);
    endMonth_ = addChoiceList(*this, id + 13, { 180, 160, 110, 20 });
    fillMonthChoices(*endMonth_, today);
    endYear_ = addChoiceList(*this, id + 14, { 290, 160, 80, 20 });
    fillYearChoices(*endYear_, today);
    noEndDate_ = addCheckBox(*this, id + 15, { 10, 190, 80, 20 }, "No End Date");

    addGroupBox(*this, id + 16, { 0, 220, 380, 80 }, "Payment Method");
    addLabel(*this, id + 17, { 10, 240, 80, 20 }, "Bank Account");
    account_ = addChoiceList(*this, id + 18, { 100, 240, 270, 20 });
    fillAccountChoices(*account_, profile);
    paidInCash_ = addCheckBox(*this, id + 19, { 10, 270, 80, 20 }, "Paid In Cash");

    addGroupBox(*this, id + 20, { 0, 300, 380, 50 }, "Amount");
    amount_ = addTextField(*this, id + 21, { 10, 320, 360, 20 }, "00.00");
    QPushButton* submit = addSubmitButton(*this, id + 22, { 290, 360, 90, 20 });
    addCancelButton(*this, id + 23, { 190, 360, 90, 20 });
    connect(submit, &QPushButton::clicked, this, [this] {
        emit submitted({ kind_, mode_, record_, entry() });
    });
}

void EntryDialog::fill(const RecurringEntry& entry)
{
    const int category
        = category_->findText(entry.title, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (category >= 0)
        category_->setCurrentIndex(category);
    useCustom_->setChecked(entry.useCustom == 1);
    customTitle_->setText(entry.customTitle);
    frequency_->setCurrentIndex(positionOfFrequency(entry.frequency));
    selectPosition(*startDay_, entry.startDay - 1);
    selectPosition(*startMonth_, entry.startMonth - 1);
    selectPosition(*startYear_, entry.startYear - kFirstYear);
    selectPosition(*endDay_, entry.endDay - 1);
    selectPosition(*endMonth_, entry.endMonth - 1);
    selectPosition(*endYear_, entry.endYear - kFirstYear);
    noEndDate_->setChecked(entry.noEndDate == 1);
    selectAccount(*account_, entry.bankIndex);
    paidInCash_->setChecked(entry.paidInCash == 1);
    amount_->setText(moneyText(entry.amount));
}

RecurringEntry EntryDialog::entry() const
{
    RecurringEntry e;
    e.title = category_->currentText();
    e.useCustom = flag(*useCustom_);
    e.customTitle = customTitle_->text();
    e.frequency = frequencyAtPosition(frequency_->currentIndex());
    e.startDay = ordinal(*startDay_);
    e.startMonth = ordinal(*startMonth_);
    e.startYear = year(*startYear_);
    e.endDay = ordinal(*endDay_);
    e.endMonth = ordinal(*endMonth_);
    e.endYear = year(*endYear_);
    e.noEndDate = flag(*noEndDate_);
    e.bankIndex = chosenAccount(*account_);
    e.paidInCash = flag(*paidInCash_);
    e.amount = parseAmount(amount_->text());
    return e;
}

void EntryDialog::followAccounts(const Profile& profile, int removedAccount)
{
    cashvane::followAccounts(*account_, profile, removedAccount);
}

} // namespace cashvane
