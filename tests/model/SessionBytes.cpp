#include "SessionBytes.h"

#include <limits>

namespace cashvane::test {

Profile richProfile()
{
    Profile profile;
    profile.profileName = QString::fromUtf8("Zoë's café £ € budget");

    RecurringEntry wages;
    wages.title = "Wages / Salary";
    wages.frequency = FrequencyCode::Monthly;
    wages.startDay = 1;
    wages.startMonth = 1;
    wages.startYear = 2010;
    wages.endDay = 31;
    wages.endMonth = 12;
    wages.endYear = 2050;
    wages.bankIndex = 1;
    wages.amount = 1500.25f;
    profile.incomes.append(wages);

    RecurringEntry odd = wages;
    odd.title = "Other..";
    odd.useCustom = 1;
    odd.customTitle = QString::fromUtf8("Prize – £50 «ok»");
    odd.frequency = static_cast<FrequencyCode>(3);
    odd.startYear = 1919;
    odd.endDay = 31;
    odd.endMonth = 2;
    odd.noEndDate = 1;
    odd.bankIndex = -1;
    odd.paidInCash = 1;
    odd.amount = std::numeric_limits<float>::quiet_NaN();
    profile.incomes.append(odd);

    const float amounts[] = {-20.5f, 0.1f, std::numeric_limits<float>::infinity(),
                             -std::numeric_limits<float>::infinity(), 3.4028235e38f, -0.0f};
    for (float amount : amounts) {
        RecurringEntry expense = wages;
        expense.title = "Utility Bill";
        expense.frequency = FrequencyCode::Yearly;
        expense.amount = amount;
        expense.bankIndex = 2;
        profile.expenses.append(expense);
    }

    profile.accounts.append({QString::fromUtf8("Main"), 1, QString::fromUtf8("Big Bank"), 1000.0f, 250.0f});
    profile.accounts.append({{}, -1, QString::fromUtf8("Crédit Été"), -12.34f,
                             std::numeric_limits<float>::quiet_NaN()});

    for (int k = 1; k <= 99; ++k) {
        if (k == 5)
            continue; // an empty entry in the middle keeps its place
        profile.history.entry(k) = {QStringLiteral("%1/03/2010").arg(k % 28 + 1, 2, 10, QChar(u'0')),
                                    QStringLiteral("Deposit: %1.00->Main").arg(k)};
    }
    return profile;
}

} // namespace cashvane::test
