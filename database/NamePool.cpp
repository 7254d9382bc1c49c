#include "database/NamePool.h"

#include <cstdint>
#include <iterator>
#include <tuple>
#include <vector>

#include "core/FileMessages.h"
#include "core/Random.h"
#include "database/NameFile.h"
#include "platform/Platform.h"

namespace {
constexpr const char16_t* PoolFiles[CNamePool::PoolCount] = {
    u"database\\MaleNames.txt",
    u"database\\FemaleNames.txt",
    u"database\\Surnames.txt",
};

bool IsPool(int pool)
{
    return pool >= 0 && pool < CNamePool::PoolCount;
}
}  // namespace

bool CNamePool::Load()
{
    bool complete = true;
    for (int pool = 0; pool < PoolCount; ++pool) {
        pools_[pool].clear();
        std::vector<std::uint8_t> bytes;
        if (!platform::ReadWholeFile(PoolFiles[pool], bytes)) {
            ShowFileNotFound(PoolFiles[pool]);
            complete = false;
            continue;
        }
        LoadBytes(pool, bytes);
    }
    return complete;
}

void CNamePool::LoadBytes(int pool, std::span<const std::uint8_t> bytes)
{
    if (!IsPool(pool)) return;
    pools_[pool].clear();
    for (TNameFileLine& line : ReadNameFileLines(bytes, MaxLineBytes)) {
        pools_[pool].emplace_hint(pools_[pool].end(), line.key, std::move(line.text));
    }
}

std::u16string CNamePool::PickRandomName(int pool, int key) const
{
    if (!IsPool(pool)) return {};
    const auto& names = pools_[pool];
    auto [first, last] = names.equal_range(key);
    if (first == last) std::tie(first, last) = names.equal_range(0);
    const auto count = static_cast<std::int64_t>(std::distance(first, last));
    if (count == 0) return {};
    std::int64_t index = CrtRand() * count / CrtRandMax;
    if (index >= count) index = count - 1;
    std::advance(first, index);
    return first->second;
}

int CNamePool::GetCount(int pool, int key) const
{
    return IsPool(pool) ? static_cast<int>(pools_[pool].count(key)) : 0;
}

CNamePool& GetNamePool()
{
    static CNamePool pool = [] {
        CNamePool loaded;
        loaded.Load();
        return loaded;
    }();
    return pool;
}
