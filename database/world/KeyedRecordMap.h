#pragma once

#include <cstddef>
#include <map>
#include <utility>

// Records under keys 1..Limit; a new record takes the lowest free key.
template <typename RecordType, int Limit>
class TKeyedRecordMap {
public:
    using Record = RecordType;
    static constexpr int MaxCount = Limit;

    // The key given, or 0 (nothing stored) when the map is full.
    int Add(Record record)
    {
        if (static_cast<int>(records_.size()) >= Limit) return 0;
        int key = 1;
        for (const auto& entry : records_) {
            if (entry.first != key) break;
            ++key;
        }
        records_.emplace(key, std::move(record));
        return key;
    }
    bool Remove(int key) { return records_.erase(key) > 0; }
    Record* Find(int key)
    {
        auto found = records_.find(key);
        return found == records_.end() ? nullptr : &found->second;
    }
    int GetCount() const { return static_cast<int>(records_.size()); }
    void Clear() { records_.clear(); }
    auto begin() const { return records_.begin(); }
    auto end() const { return records_.end(); }

private:
    std::map<int, Record> records_;
};
