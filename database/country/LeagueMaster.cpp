#include "database/country/LeagueMaster.h"

#include <vector>

#include "database/country/CompetitionRegistry.h"
#include "platform/Platform.h"

namespace {

constexpr std::uint8_t Magic[4] = {'L', 'G', 'M', 'S'};
constexpr int Leagues = 32;
constexpr int Matchdays = 46;
constexpr int Days = 365;

bool ValidCountry(int id) { return id >= 0 && id < TLeagueMaster::Countries; }

const CDBCompetitionBase* League(const TCompetitionRegistry& registry, int countryId, int league)
{
    return registry.Get((static_cast<std::uint32_t>(countryId) << 24) | 0x10000 | static_cast<std::uint32_t>(league));
}

}  // namespace

bool TLeagueMaster::Load(std::u16string_view path)
{
    std::vector<std::uint8_t> bytes;
    if (!platform::ReadWholeFile(path, bytes) || bytes.size() < 8) return false;
    if (!std::equal(Magic, Magic + 4, bytes.begin())) return false;
    const std::uint32_t version = bytes[4] | bytes[5] << 8 | bytes[6] << 16 | static_cast<std::uint32_t>(bytes[7]) << 24;
    if (version >= 2) return false;
    // Read into a copy, so that a file ending early changes nothing.
    std::array<std::uint8_t, Countries> flags = flags_;
    std::array<std::unique_ptr<Table>, Countries> tables;
    std::size_t at = 8;
    for (int id = 0; id < Countries; ++id) {
        if (at >= bytes.size()) return false;
        flags[id] = bytes[at++];
        if (flags[id] == 0) continue;
        if (bytes.size() - at < 2 * Entries) return false;
        tables[id] = std::make_unique<Table>();
        for (std::uint16_t& entry : *tables[id]) {
            entry = static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
            at += 2;
        }
    }
    flags_ = flags;
    for (int id = 0; id < Countries; ++id) {
        if (tables[id]) tables_[id] = std::move(tables[id]);
    }
    return true;
}

bool TLeagueMaster::Save(std::u16string_view path) const
{
    std::vector<std::uint8_t> bytes(Magic, Magic + 4);
    bytes.insert(bytes.end(), {1, 0, 0, 0});
    for (int id = 0; id < Countries; ++id) {
        const bool stored = flags_[id] != 0 && tables_[id];
        bytes.push_back(stored ? flags_[id] : 0);
        if (!stored) continue;
        for (std::uint16_t entry : *tables_[id]) {
            bytes.push_back(static_cast<std::uint8_t>(entry));
            bytes.push_back(static_cast<std::uint8_t>(entry >> 8));
        }
    }
    return platform::WriteFileAtomic(path, bytes);
}

bool SaveLeagueMaster(const TLeagueMaster& master, std::u16string_view path) { return master.Save(path); }

std::uint16_t* TLeagueMaster::GetEntry(int countryId, int league, int matchday, int season)
{
    if (!ValidCountry(countryId) || !tables_[countryId] || league < 0 || league >= Leagues || matchday < 0 ||
        matchday > Matchdays || season < 0 || season > 1) {
        return nullptr;
    }
    const int index = (league * Matchdays + matchday) * 2 + season;
    return index < Entries ? &(*tables_[countryId])[static_cast<std::size_t>(index)] : nullptr;
}

const std::uint16_t* TLeagueMaster::GetEntry(int countryId, int league, int matchday, int season) const
{
    return const_cast<TLeagueMaster*>(this)->GetEntry(countryId, league, matchday, season);
}

bool TLeagueMaster::HasTable(int countryId) const
{
    return ValidCountry(countryId) && flags_[countryId] != 0 && tables_[countryId];
}

void TLeagueMaster::Build(const TCompetitionRegistry& registry, int countryId)
{
    if (!ValidCountry(countryId)) return;
    flags_[countryId] = 0;
    if (League(registry, countryId, 0) == nullptr) return;
    flags_[countryId] = 1;
    tables_[countryId] = std::make_unique<Table>();
    for (int l = 0; l < Leagues; ++l) {
        const CDBCompetitionBase* league = League(registry, countryId, l);
        if (league == nullptr) continue;
        for (int season = 0; season < 2; ++season) {
            for (int day = 0; day < Days; ++day) {
                const int m = league->GetCalendarEntry(season, day);
                if (m < 1 || m > Matchdays) continue;
                if (std::uint16_t* entry = GetEntry(countryId, l, m, season)) *entry = static_cast<std::uint16_t>(day);
            }
        }
    }
}

bool TLeagueMaster::Verify(const TCompetitionRegistry& registry, int countryId) const
{
    if (!ValidCountry(countryId)) return false;
    if (!HasTable(countryId)) return true;
    for (int l = 0; l < Leagues; ++l) {
        const CDBCompetitionBase* league = League(registry, countryId, l);
        if (league == nullptr) continue;
        for (int season = 0; season < 2; ++season) {
            int expected = 1;
            for (int day = 0; day < Days; ++day) {
                const int m = league->GetCalendarEntry(season, day);
                if (m < 1 || m > Matchdays) continue;
                const std::uint16_t* entry = GetEntry(countryId, l, m, season);
                if (m != expected || (entry != nullptr && *entry != day)) return false;
                ++expected;
            }
            const std::uint16_t* next = expected < Matchdays ? GetEntry(countryId, l, expected, season) : nullptr;
            if (next != nullptr && *next != 0) return false;
        }
    }
    return true;
}

void TLeagueMaster::Free()
{
    flags_ = {};
    for (auto& table : tables_) table.reset();
}
