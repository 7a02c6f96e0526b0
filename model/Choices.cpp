#include "Choices.h"

namespace cashvane {

const QStringList& incomeCategories()
{
    static const QStringList list = {
        QStringLiteral("Wages / Salary"), QStringLiteral("Business Income"),
        QStringLiteral("Interest Received"), QStringLiteral("Dividends"),
        QStringLiteral("Pension"), QStringLiteral("Benefits"), QStringLiteral("Other.."),
    };
    return list;
}

const QStringList& expenseCategories()
{
    static const QStringList list = {
        QStringLiteral("Rent/Mortgage"), QStringLiteral("Utility Bill"),
        QStringLiteral("Food/Shopping"), QStringLiteral("Personal Drawings"),
        QStringLiteral("Business Costs"), QStringLiteral("Insurance"),
        QStringLiteral("Vehicle"), QStringLiteral("Taxes"), QStringLiteral("Other.."),
    };
    return list;
}

const QStringList& accountTypes()
{
    static const QStringList list = {
        QStringLiteral("Basic Account"), QStringLiteral("Current Account"),
        QStringLiteral("Savings Account"), QStringLiteral("Business Account"),
        QStringLiteral("Post-Office Account"), QStringLiteral("Online Bank"),
        QStringLiteral("Other.."),
    };
    return list;
}

const QStringList& monthNames()
{
    static const QStringList list = {
        QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
        QStringLiteral("April"), QStringLiteral("May"), QStringLiteral("June"),
        QStringLiteral("July"), QStringLiteral("August"), QStringLiteral("September"),
        QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December"),
    };
    return list;
}

const std::vector<FrequencyChoice>& frequencyChoices()
{
    static const std::vector<FrequencyChoice> list = {
        {QStringLiteral("One-Off Payment"), FrequencyCode::OneOff},
        {QStringLiteral("Daily"), FrequencyCode::Daily},
        {QStringLiteral("Weekly"), FrequencyCode::Weekly},
        {QStringLiteral("Fortnightly"), FrequencyCode::Fortnightly},
        {QStringLiteral("Monthly"), FrequencyCode::Monthly},
        {QStringLiteral("Yearly"), FrequencyCode::Yearly},
    };
    return list;
}

FrequencyCode frequencyAtPosition(int position)
{
    const auto& choices = frequencyChoices();
    if (position < 1 || position >= static_cast<int>(choices.size()))
        return FrequencyCode::OneOff;
    return choices[static_cast<std::size_t>(position)].code;
}

int positionOfFrequency(FrequencyCode code)
{
    const auto& choices = frequencyChoices();
    for (std::size_t i = 1; i < choices.size(); ++i) {
        if (choices[i].code == code)
            return static_cast<int>(i);
    }
    return 0;
}

QString entryName(const RecurringEntry& entry)
{
    return entry.useCustom == 1 ? entry.customTitle : entry.title;
}

QString accountLabel(const BankAccount& account, int k)
{
    const bool hasName = !account.accountName.isEmpty();
    const bool hasBank = !account.bankName.isEmpty();
    if (hasName && hasBank)
        return account.accountName + u'(' + account.bankName + u')';
    if (hasName)
        return account.accountName;
    if (hasBank)
        return account.bankName;
    return QStringLiteral("Account #%1").arg(k);
}

} // namespace cashvane
