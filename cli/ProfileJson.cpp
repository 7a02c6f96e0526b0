#include "ProfileJson.h"

#include <cmath>
#include <limits>
#include <set>
#include <stdexcept>
#include <string_view>
#include <utility>

namespace cashvane::cli {

namespace {

std::string utf8(const QString& text) { return text.toStdString(); }

Json amountToJson(float value)
{
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value > 0 ? "Infinity" : "-Infinity";
    return value;
}

Json entryToJson(const RecurringEntry& entry)
{
    return {
        {"title", utf8(entry.title)},
        {"useCustom", entry.useCustom},
        {"customTitle", utf8(entry.customTitle)},
        {"frequency", static_cast<std::int32_t>(entry.frequency)},
        {"startDay", entry.startDay},
        {"startMonth", entry.startMonth},
        {"startYear", entry.startYear},
        {"endDay", entry.endDay},
        {"endMonth", entry.endMonth},
        {"endYear", entry.endYear},
        {"noEndDate", entry.noEndDate},
        {"bankIndex", entry.bankIndex},
        {"paidInCash", entry.paidInCash},
        {"amount", amountToJson(entry.amount)},
    };
}

Json accountToJson(const BankAccount& account)
{
    return {
        {"accountName", utf8(account.accountName)},
        {"accountType", account.accountType},
        {"bankName", utf8(account.bankName)},
        {"balance", amountToJson(account.balance)},
        {"overdraftLimit", amountToJson(account.overdraftLimit)},
    };
}

template <typename Record, typename ToJson>
Json listToJson(const RecordList<Record>& list, ToJson toJson)
{
    Json array = Json::array();
    for (const Record& record : list)
        array.push_back(toJson(record));
    return array;
}

// Thrown inside the reader only; profileFromJson turns it into a reason.
struct InvalidJson : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Reads the members of one JSON object, each named by its place in the
// document ("expenses[2].amount") when it is refused.
class ObjectReader {
public:
    ObjectReader(const Json& json, std::string place, std::initializer_list<std::string_view> keys)
        : json_(json), place_(std::move(place))
    {
        if (!json_.is_object())
            fail(place_, "is not an object");
        const std::set<std::string_view> known(keys);
        for (const auto& [key, value] : json_.items()) {
            if (!known.contains(key))
                fail(place_, "has no member \"" + key + "\"");
        }
    }

    QString text(const char* key) const
    {
        const Json* value = member(key);
        if (!value)
            return {};
        if (!value->is_string())
            fail(where(key), "is not a text");
        const auto& text = value->get_ref<const std::string&>();
        if (text.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos)
            fail(where(key), "holds a line break or a NUL character, which no text of a profile can hold");
        return QString::fromStdString(text);
    }

    std::int32_t integer(const char* key) const
    {
        const Json* value = member(key);
        if (!value)
            return 0;
        if (!value->is_number_integer())
            fail(where(key), "is not a whole number");
        const bool fits = value->is_number_unsigned()
            ? value->get<std::uint64_t>() <= std::uint64_t{std::numeric_limits<std::int32_t>::max()}
            : std::in_range<std::int32_t>(value->get<std::int64_t>());
        if (!fits)
            fail(where(key), "does not fit in 32 bits");
        return static_cast<std::int32_t>(value->get<std::int64_t>());
    }

    float amount(const char* key) const
    {
        const Json* value = member(key);
        if (!value)
            return 0.0f;
        if (value->is_string()) {
            const auto& name = value->get_ref<const std::string&>();
            if (name == "NaN")
                return std::numeric_limits<float>::quiet_NaN();
            if (name == "Infinity")
                return std::numeric_limits<float>::infinity();
            if (name == "-Infinity")
                return -std::numeric_limits<float>::infinity();
        }
        if (!value->is_number())
            fail(where(key), "is not a number, \"NaN\", \"Infinity\" or \"-Infinity\"");
        // The parser refuses a number beyond single precision, so no
        // infinity can come from a plain number.
        return value->get<float>();
    }

    // The members of an array, at most `limit` of them; none when the key is missing.
    std::vector<const Json*> array(const char* key, std::size_t limit) const
    {
        const Json* value = member(key);
        if (!value)
            return {};
        if (!value->is_array())
            fail(where(key), "is not a list");
        if (value->size() > limit)
            fail(where(key), "holds " + std::to_string(value->size()) + " items; it can hold at most "
                                 + std::to_string(limit));
        std::vector<const Json*> items;
        for (const Json& item : *value)
            items.push_back(&item);
        return items;
    }

    std::string where(const char* key) const { return place_.empty() ? key : place_ + "." + key; }

private:
    const Json* member(const char* key) const
    {
        const auto found = json_.find(key);
        return found == json_.end() ? nullptr : &*found;
    }

    [[noreturn]] static void fail(const std::string& place, const std::string& what)
    {
        throw InvalidJson((place.empty() ? std::string("the profile") : place) + " " + what);
    }

    const Json& json_;
    std::string place_;
};

RecurringEntry entryFromJson(const Json& json, const std::string& place)
{
    const ObjectReader in(json, place,
                          {"title", "useCustom", "customTitle", "frequency", "startDay",
                           "startMonth", "startYear", "endDay", "endMonth", "endYear",
                           "noEndDate", "bankIndex", "paidInCash", "amount"});
    RecurringEntry entry;
    entry.title = in.text("title");
    entry.useCustom = in.integer("useCustom");
    entry.customTitle = in.text("customTitle");
    entry.frequency = static_cast<FrequencyCode>(in.integer("frequency"));
    entry.startDay = in.integer("startDay");
    entry.startMonth = in.integer("startMonth");
    entry.startYear = in.integer("startYear");
    entry.endDay = in.integer("endDay");
    entry.endMonth = in.integer("endMonth");
    entry.endYear = in.integer("endYear");
    entry.noEndDate = in.integer("noEndDate");
    entry.bankIndex = in.integer("bankIndex");
    entry.paidInCash = in.integer("paidInCash");
    entry.amount = in.amount("amount");
    return entry;
}

BankAccount accountFromJson(const Json& json, const std::string& place)
{
    const ObjectReader in(json, place,
                          {"accountName", "accountType", "bankName", "balance", "overdraftLimit"});
    BankAccount account;
    account.accountName = in.text("accountName");
    account.accountType = in.integer("accountType");
    account.bankName = in.text("bankName");
    account.balance = in.amount("balance");
    account.overdraftLimit = in.amount("overdraftLimit");
    return account;
}

HistoryEntry historyEntryFromJson(const Json& json, const std::string& place)
{
    const ObjectReader in(json, place, {"dateText", "actionText"});
    return {in.text("dateText"), in.text("actionText")};
}

template <typename Record, typename FromJson>
void readList(const ObjectReader& root, const char* key, RecordList<Record>& list, FromJson fromJson)
{
    const auto items = root.array(key, RecordList<Record>::kCapacity);
    for (std::size_t i = 0; i < items.size(); ++i)
        list.append(fromJson(*items[i], root.where(key) + "[" + std::to_string(i) + "]"));
}

} // namespace

Json profileToJson(const Profile& profile)
{
    Json history = Json::array();
    for (int k = 1; k <= HistoryLog::kEntries; ++k) {
        const HistoryEntry& entry = profile.history.entry(k);
        history.push_back({{"dateText", utf8(entry.dateText)}, {"actionText", utf8(entry.actionText)}});
    }
    return {
        {"profileName", utf8(profile.profileName)},
        {"incomes", listToJson(profile.incomes, entryToJson)},
        {"expenses", listToJson(profile.expenses, entryToJson)},
        {"accounts", listToJson(profile.accounts, accountToJson)},
        {"history", std::move(history)},
    };
}

ProfileFromJson profileFromJson(const Json& json)
{
    try {
        const ObjectReader root(json, "", {"profileName", "incomes", "expenses", "accounts", "history"});
        Profile profile;
        profile.profileName = root.text("profileName");
        readList(root, "incomes", profile.incomes, entryFromJson);
        readList(root, "expenses", profile.expenses, entryFromJson);
        readList(root, "accounts", profile.accounts, accountFromJson);
        const auto history = root.array("history", HistoryLog::kEntries);
        for (std::size_t i = 0; i < history.size(); ++i) {
            profile.history.entry(static_cast<int>(i) + 1) =
                historyEntryFromJson(*history[i], "history[" + std::to_string(i) + "]");
        }
        return {std::move(profile), {}};
    } catch (const InvalidJson& error) {
        return {std::nullopt, QString::fromStdString(error.what())};
    }
}

} // namespace cashvane::cli
