#include "EntryLists.h"

#include "model/Choices.h"
#include "model/Money.h"

namespace cashvane {

namespace {

QString lastTwo(const QString& text)
{
    return text.right(2);
}

// A one-off payment, or an entry whose frequency the list does not know, has
// no meaningful end, so its end date is not shown either.
QString endDateText(const RecurringEntry& entry)
{
    if (entry.noEndDate == 1 || positionOfFrequency(entry.frequency) == 0)
        return QStringLiteral("--");
    return shortDateText(entry.endDay, entry.endMonth, entry.endYear);
}

} // namespace

QString shortDateText(int day, int month, int year)
{
    // Each part keeps its last two characters, so a year of 5 gives "5" and a
    // day of -1 gives "-1": a stored date is never made to look real.
    return lastTwo(QStringLiteral("00") + QString::number(day)) + QStringLiteral(" / ")
        + lastTwo(QStringLiteral("00") + QString::number(month)) + QStringLiteral(" / ")
        + lastTwo(QString::number(year));
}

QString frequencyText(FrequencyCode frequency)
{
    // Position 0 of the choices is the one-off, which a list shows as "--",
    // as it does a code the choices do not hold.
    const int position = positionOfFrequency(frequency);
    if (position == 0)
        return QStringLiteral("--");
    return frequencyChoices()[static_cast<std::size_t>(position)].text;
}

Listing listEntries(const RecordList<RecurringEntry>& entries, const QString& branch)
{
    Listing listing;
    listing.treeItems.push_back({ 0, branch, std::nullopt });
    for (const RecurringEntry& entry : entries) {
        const QString name = entryName(entry);
        const QString amount = moneyText(entry.amount);
        const QString named = name + QStringLiteral(" (") + amount + u')';
        listing.treeItems.push_back({ 1, named, std::nullopt });
        listing.block += named + u'\n';
        listing.rows.push_back(
            { name, amount, shortDateText(entry.startDay, entry.startMonth, entry.startYear),
                endDateText(entry), frequencyText(entry.frequency) });
    }
    return listing;
}

} // namespace cashvane
