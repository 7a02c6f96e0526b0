#pragma once

#include <cassert>
#include <utility>
#include <vector>

// One list of a profile: at most kCapacity records, numbered from 1 in the
// order they were added. A removal closes the gap, so records 1 to count()
// are always the live ones. The list does not know what its records mean.
namespace cashvane {

template <typename Record>
class RecordList {
public:
    static constexpr int kCapacity = 100;

    int count() const { return static_cast<int>(records_.size()); }
    bool isFull() const { return count() >= kCapacity; }

    // REQUIRES: 1 <= k <= count()
    const Record& record(int k) const
    {
        assert(k >= 1 && k <= count());
        return records_[static_cast<std::size_t>(k - 1)];
    }
    Record& record(int k)
    {
        assert(k >= 1 && k <= count());
        return records_[static_cast<std::size_t>(k - 1)];
    }

    // Adds the record as number count() + 1; a full list refuses it.
    bool append(Record record)
    {
        if (isFull())
            return false;
        records_.push_back(std::move(record));
        return true;
    }

    // REQUIRES: 1 <= k <= count(). The record keeps its number.
    void overwrite(int k, Record record) { this->record(k) = std::move(record); }

    // REQUIRES: 1 <= k <= count(). Later records move up one number.
    void remove(int k)
    {
        assert(k >= 1 && k <= count());
        records_.erase(records_.begin() + (k - 1));
    }

    void clear() { records_.clear(); }

    auto begin() const { return records_.begin(); }
    auto end() const { return records_.end(); }
    auto begin() { return records_.begin(); }
    auto end() { return records_.end(); }

    bool operator==(const RecordList&) const = default;

private:
    std::vector<Record> records_;
};

} // namespace cashvane
