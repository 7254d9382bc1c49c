#pragma once
// Where the entries of a BIG archive lie, kept in offset order so that a
// block is placed without a scan over every entry. Empty entries have an
// offset but occupy nothing. The free gaps behind the blocks are found in
// one pass over the blocks and then kept up to date as blocks come and go.

#include <cstdint>
#include <map>
#include <set>
#include <vector>

#include "archive/BigEntry.h"

class BigBlockMap {
public:
    // Every entry that has a place (not a new entry without data yet).
    void Assign(const std::vector<BigEntry>& entries);
    void Add(std::int64_t offset, std::int64_t size);
    void Remove(std::int64_t offset, std::int64_t size);

    // Lowest and highest offset of any entry; -1 without entries.
    std::int64_t Lowest() const { return offsets_.empty() ? -1 : *offsets_.begin(); }
    std::int64_t Highest() const { return offsets_.empty() ? -1 : *offsets_.rbegin(); }
    // No block overlaps [begin, end).
    bool IsFree(std::int64_t begin, std::int64_t end) const;
    // The start of the first gap behind a block, in offset order, that holds
    // size bytes; -1 when there is none.
    std::int64_t FindGap(std::int64_t size);

private:
    using Blocks = std::multimap<std::int64_t, std::int64_t>;

    void FindGaps();
    void TakeFromGap(std::int64_t begin, std::int64_t end);
    void ReleaseBetween(Blocks::const_iterator removed);

    std::multiset<std::int64_t> offsets_;
    // Begin -> end of every block that holds data.
    Blocks blocks_;
    // Begin -> end of every free range between two blocks.
    std::map<std::int64_t, std::int64_t> gaps_;
    bool gapsKnown_ = false;
    // Blocks of foreign archives may overlap; then every change finds the
    // gaps again and IsFree looks at every block.
    bool disjoint_ = true;
};
