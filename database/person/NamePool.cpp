#include "database/person/NamePool.h"

#include <cstdint>
#include <vector>

#include "core/files/FileMessages.h"
#include "core/Random.h"
#include "database/person/NameFile.h"
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

const std::vector<std::u16string>* NamesOf(const std::map<int, std::vector<std::u16string>>& pool, int key)
{
    const auto found = pool.find(key);
    return found != pool.end() ? &found->second : nullptr;
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
        pools_[pool][line.key].push_back(std::move(line.text));
    }
}

const std::u16string& CNamePool::PickRandomName(int pool, int key) const
{
    static const std::u16string none;
    if (!IsPool(pool)) return none;
    const std::vector<std::u16string>* names = NamesOf(pools_[pool], key);
    if (names == nullptr || names->empty()) names = NamesOf(pools_[pool], 0);
    if (names == nullptr || names->empty()) return none;
    const auto count = static_cast<std::int64_t>(names->size());
    std::int64_t index = CrtRand() * count / CrtRandMax;
    if (index >= count) index = count - 1;
    return (*names)[static_cast<std::size_t>(index)];
}

int CNamePool::GetCount(int pool, int key) const
{
    const std::vector<std::u16string>* names = IsPool(pool) ? NamesOf(pools_[pool], key) : nullptr;
    return names != nullptr ? static_cast<int>(names->size()) : 0;
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
