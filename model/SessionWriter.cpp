#include "SessionWriter.h"

#include "SessionFormat.h"
#include "TextCodec.h"

#include <bit>

namespace cashvane {

namespace {

using namespace session;

class FieldWriter {
public:
    void text(const QString& text)
    {
        bytes_ += encodeSessionText(text);
        bytes_ += kCarriageReturn;
        bytes_ += kLineFeed;
    }

    void integer(std::int32_t value) { word(static_cast<std::uint32_t>(value)); }
    void real(float value) { word(std::bit_cast<std::uint32_t>(value)); }

    QByteArray take() { return std::move(bytes_); }

private:
    void word(std::uint32_t value)
    {
        for (int i = 0; i < kNumberBytes; ++i)
            bytes_ += static_cast<char>((value >> (8 * i)) & 0xFF);
    }

    QByteArray bytes_;
};

void writeEntry(FieldWriter& out, const RecurringEntry& entry)
{
    out.text(entry.title);
    out.text(entry.customTitle);
    out.integer(entry.useCustom);
    out.integer(static_cast<std::int32_t>(entry.frequency));
    out.integer(entry.startDay);
    out.integer(entry.startMonth);
    out.integer(entry.startYear);
    out.integer(entry.noEndDate);
    out.integer(entry.bankIndex);
    out.integer(entry.paidInCash);
    out.real(entry.amount);
    out.integer(entry.endDay);
    out.integer(entry.endMonth);
    out.integer(entry.endYear);
}

void writeAccount(FieldWriter& out, const BankAccount& account)
{
    out.text(account.accountName);
    out.integer(account.accountType);
    out.text(account.bankName);
    out.real(account.balance);
    out.real(account.overdraftLimit);
}

} // namespace

QByteArray writeSession(const Profile& profile)
{
    FieldWriter out;
    out.text(profile.profileName);
    out.integer(profile.incomeCount());
    out.integer(profile.expenseCount());
    out.integer(profile.bankCount());
    for (const RecurringEntry& entry : profile.incomes)
        writeEntry(out, entry);
    for (const RecurringEntry& entry : profile.expenses)
        writeEntry(out, entry);
    for (const BankAccount& account : profile.accounts)
        writeAccount(out, account);
    for (int k = 1; k <= kHistoryEntries; ++k) {
        out.text(profile.history.entry(k).dateText);
        out.text(profile.history.entry(k).actionText);
    }
    return out.take();
}

} // namespace cashvane
