#include "SessionReader.h"

#include "SessionFormat.h"
#include "TextCodec.h"

#include <array>
#include <bit>

namespace cashvane {

namespace {

using namespace session;

class FieldReader {
public:
    explicit FieldReader(QByteArrayView bytes) : bytes_(bytes) {}

    // A text ends at CR, LF, NUL or the end of the bytes. The byte after a CR
    // is taken into the line end only when it is an LF, so CR LF, a lone LF and
    // a lone CR each end one line.
    QString text()
    {
        const qsizetype start = position_;
        while (position_ < bytes_.size() && !isLineEnd(bytes_[position_]))
            ++position_;
        const QByteArrayView line = bytes_.sliced(start, position_ - start);
        if (position_ < bytes_.size() && bytes_[position_++] == kCarriageReturn
            && position_ < bytes_.size() && bytes_[position_] == kLineFeed)
            ++position_;
        return decodeSessionText(line);
    }

    std::int32_t integer() { return static_cast<std::int32_t>(word()); }
    float real() { return std::bit_cast<float>(word()); }

private:
    static bool isLineEnd(char byte)
    {
        return byte == kCarriageReturn || byte == kLineFeed || byte == kNul;
    }

    // Four bytes, little-endian. Bytes past the end read as 0, so a number cut
    // short keeps what is there as its low-order bytes.
    std::uint32_t word()
    {
        std::uint32_t value = 0;
        for (int i = 0; i < kNumberBytes && position_ < bytes_.size(); ++i, ++position_)
            value |= std::uint32_t{static_cast<unsigned char>(bytes_[position_])} << (8 * i);
        return value;
    }

    QByteArrayView bytes_;
    qsizetype position_ = 0;
};

RecurringEntry readEntry(FieldReader& in)
{
    RecurringEntry entry;
    entry.title = in.text();
    entry.customTitle = in.text();
    entry.useCustom = in.integer();
    entry.frequency = static_cast<FrequencyCode>(in.integer());
    entry.startDay = in.integer();
    entry.startMonth = in.integer();
    entry.startYear = in.integer();
    entry.noEndDate = in.integer();
    entry.bankIndex = in.integer();
    entry.paidInCash = in.integer();
    entry.amount = in.real();
    entry.endDay = in.integer();
    entry.endMonth = in.integer();
    entry.endYear = in.integer();
    return entry;
}

BankAccount readAccount(FieldReader& in)
{
    BankAccount account;
    account.accountName = in.text();
    account.accountType = in.integer();
    account.bankName = in.text();
    account.balance = in.real();
    account.overdraftLimit = in.real();
    return account;
}

template <typename Record, typename ReadRecord>
void readList(FieldReader& in, std::int32_t count, RecordList<Record>& list, ReadRecord readRecord)
{
    for (std::int32_t k = 1; k <= count; ++k)
        list.append(readRecord(in));
}

QString countOutOfRange(std::int32_t count, const char* what)
{
    return QStringLiteral("it claims %1 %2, where a profile holds 0 to %3")
        .arg(count)
        .arg(QLatin1String(what))
        .arg(kMaxRecordsPerList);
}

} // namespace

SessionReadResult readSession(QByteArrayView bytes)
{
    FieldReader in(bytes);
    Profile profile;
    profile.profileName = in.text();
    const std::int32_t incomeCount = in.integer();
    const std::int32_t expenseCount = in.integer();
    const std::int32_t bankCount = in.integer();

    const std::array<std::pair<std::int32_t, const char*>, 3> counts = {{
        {incomeCount, "income sources"},
        {expenseCount, "expenses"},
        {bankCount, "bank accounts"},
    }};
    for (const auto& [count, what] : counts) {
        if (count < 0 || count > kMaxRecordsPerList)
            return {std::nullopt, countOutOfRange(count, what)};
    }

    readList(in, incomeCount, profile.incomes, readEntry);
    readList(in, expenseCount, profile.expenses, readEntry);
    readList(in, bankCount, profile.accounts, readAccount);
    for (int k = 1; k <= kHistoryEntries; ++k) {
        HistoryEntry& entry = profile.history.entry(k);
        entry.dateText = in.text();
        entry.actionText = in.text();
    }
    return {std::move(profile), {}};
}

} // namespace cashvane
