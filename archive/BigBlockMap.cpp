#include "archive/BigBlockMap.h"

#include <algorithm>
#include <iterator>

void BigBlockMap::Assign(const std::vector<BigEntry>& entries)
{
    offsets_.clear();
    blocks_.clear();
    gapsKnown_ = false;
    disjoint_ = true;
    for (const BigEntry& entry : entries) {
        if (entry.offset == 0 && entry.recordPosition == 0) continue;
        offsets_.insert(entry.offset);
        if (entry.size > 0) blocks_.emplace(entry.offset, static_cast<std::int64_t>(entry.offset) + entry.size);
    }
    std::int64_t reach = 0;
    for (const auto& [begin, end] : blocks_) {
        if (begin < reach) disjoint_ = false;
        reach = std::max(reach, end);
    }
}

bool BigBlockMap::IsFree(std::int64_t begin, std::int64_t end) const
{
    if (begin >= end) return true;
    if (!disjoint_) {
        return std::none_of(blocks_.begin(), blocks_.end(),
                            [&](const auto& block) { return block.first < end && begin < block.second; });
    }
    // Disjoint blocks end in the order they begin: only the last block that
    // begins before end can reach into the range.
    const auto after = blocks_.lower_bound(end);
    return after == blocks_.begin() || std::prev(after)->second <= begin;
}

void BigBlockMap::Add(std::int64_t offset, std::int64_t size)
{
    offsets_.insert(offset);
    if (size == 0) return;
    const std::int64_t end = offset + size;
    if (disjoint_ && !IsFree(offset, end)) disjoint_ = false;
    const auto added = blocks_.emplace(offset, end);
    if (!gapsKnown_) return;
    if (!disjoint_) {
        gapsKnown_ = false;
        return;
    }
    if (std::next(added) != blocks_.end()) {
        TakeFromGap(offset, end);
    } else if (added != blocks_.begin() && std::prev(added)->second < offset) {
        gaps_.emplace(std::prev(added)->second, offset);
    }
}

void BigBlockMap::Remove(std::int64_t offset, std::int64_t size)
{
    const auto at = offsets_.find(offset);
    if (at != offsets_.end()) offsets_.erase(at);
    if (size == 0) return;
    const std::int64_t end = offset + size;
    auto [first, last] = blocks_.equal_range(offset);
    const auto removed = std::find_if(first, last, [&](const auto& block) { return block.second == end; });
    if (removed == last) return;
    if (gapsKnown_ && disjoint_) ReleaseBetween(removed);
    else gapsKnown_ = false;
    blocks_.erase(removed);
}

// The gaps on both sides of a removed block merge with its space into one
// gap, when blocks remain on both sides; space in front of the first block
// or behind the last is no gap.
void BigBlockMap::ReleaseBetween(Blocks::const_iterator removed)
{
    const bool hasBefore = removed != blocks_.begin();
    const auto after = std::next(removed);
    const std::int64_t from = hasBefore ? std::prev(removed)->second : removed->first;
    if (hasBefore) gaps_.erase(from);
    gaps_.erase(removed->second);
    if (hasBefore && after != blocks_.end()) gaps_.emplace(from, after->first);
}

void BigBlockMap::TakeFromGap(std::int64_t begin, std::int64_t end)
{
    auto gap = gaps_.upper_bound(begin);
    if (gap == gaps_.begin() || std::prev(gap)->second < end) {
        gapsKnown_ = false;
        return;
    }
    --gap;
    const auto [gapBegin, gapEnd] = *gap;
    gaps_.erase(gap);
    if (gapBegin < begin) gaps_.emplace(gapBegin, begin);
    if (end < gapEnd) gaps_.emplace(end, gapEnd);
}

void BigBlockMap::FindGaps()
{
    gaps_.clear();
    std::int64_t reach = -1;
    for (const auto& [begin, end] : blocks_) {
        if (reach >= 0 && begin > reach) gaps_.emplace(reach, begin);
        reach = std::max(reach, end);
    }
    gapsKnown_ = true;
}

std::int64_t BigBlockMap::FindGap(std::int64_t size)
{
    if (!gapsKnown_) FindGaps();
    for (const auto& [begin, end] : gaps_) {
        if (end - begin >= size) return begin;
    }
    return -1;
}
