#include "competition/LeagueStructure.h"

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

#include "competition/CompetitionFactory.h"
#include "competition/CompetitionId.h"
#include "competition/FixtureTemplate.h"
#include "competition/League.h"
#include "competition/Pool.h"
#include "core/text/Format.h"
#include "core/text/TextTools.h"
#include "database/country/Country.h"
#include "database/world/DatabaseVersion.h"
#include "platform/Platform.h"

namespace {

constexpr int Levels = 16;
constexpr int MaxLeagues = 32;

constexpr int SystemTable[][Levels] = {
    {},           {1},          {1, 1},       {1, 2},       {1, 3},       {1, 4},          {1, 1, 1},
    {1, 1, 2},    {1, 1, 3},    {1, 1, 4},    {1, 1, 4, 16}, {1, 1, 5},   {1, 2, 2},       {1, 2, 4},
    {1, 2, 8},    {1, 4, 4},    {1, 1, 1, 1}, {1, 1, 1, 2}, {1, 1, 1, 3}, {1, 1, 1, 4},    {1, 1, 2, 2},
    {1, 1, 2, 3}, {1, 1, 2, 4}, {1, 1, 2, 8}, {1, 1, 2, 10}, {1, 1, 3, 3}, {1, 1, 3, 6},   {1, 1, 3, 9},
    {1, 1, 4, 4}, {1, 1, 1, 1, 1}, {1, 1, 1, 1, 2}, {1, 1, 1, 1, 4}, {1, 1, 1, 2, 4}, {1, 1, 1, 3, 3},
    {1, 1, 1, 4, 4}, {1, 1, 2, 3, 9}, {1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 2}};
constexpr int SystemCount = static_cast<int>(std::size(SystemTable));

// Bits of the relegation rules a level admits, by how many leagues of the
// next level follow each of its leagues.
int LinkMaskOf(int leagues, int nextLeagues)
{
    if (nextLeagues == 0) return 63;
    if (leagues == 2 && nextLeagues == 3) return 9;
    switch (nextLeagues / leagues) {
    case 1: return 63;
    case 2: return 21;
    case 3: return 9;
    case 4: return 17;
    case 5: return 33;
    default: return 0;
    }
}

CDBCompetition* Find(TCompetitionRegistry& registry, std::uint32_t id)
{
    return dynamic_cast<CDBCompetition*>(registry.Get(id));
}

CDBLeague* FindLeague(TCountry& country, int index)
{
    return dynamic_cast<CDBLeague*>(country.GetCompetitionRegistry().Get(country.GetLeagueId(index)));
}

std::uint32_t CountryByte(const TCountry& country) { return static_cast<std::uint32_t>(country.GetId()); }

std::uint32_t RootId(const TCountry& country) { return MakeCompetitionId(CountryByte(country), TypeRoot, 0); }

bool HasRoot(TCountry& country) { return country.GetCompetitionRegistry().Get(RootId(country)) != nullptr; }

// Leagues per level as the country holds them now.
TLevelBytes CurrentLeaguesPerLevel(TCountry& country)
{
    TLevelBytes counts{};
    const std::vector<TLeagueLevel> levels = country.GetLeagueLevels();
    for (std::size_t level = 0; level < levels.size() && level < counts.size(); ++level) {
        counts[level] = static_cast<std::uint8_t>(levels[level].count);
    }
    return counts;
}

bool LevelsDiffer(const TLevelBytes& current, const TLevelBytes& wanted)
{
    if (current[0] != wanted[0]) return true;
    for (int level = 0; level + 1 < Levels; ++level) {
        if (current[level] != 0 && current[level + 1] != wanted[level + 1]) return true;
    }
    return false;
}

void RebuildWhenLevelsDiffer(TCountry& country, const TLevelBytes& leagues, const TLevelBytes& rules)
{
    if (!LevelsDiffer(CurrentLeaguesPerLevel(country), leagues)) return;
    RebuildLeagues(country, leagues, rules);
    country.RefreshLevelNames();
}

// League scripts are written in the oldest layouts; the version of the
// file being read is put back afterwards.
void LoadLeagueScript(TCountry& country, int scriptId)
{
    const std::uint32_t version = TDatabaseVersion::GetFileVersion();
    TDatabaseVersion::SetFileVersion(0);
    std::vector<std::u16string> problems;
    const std::u16string path = platform::JoinPath(u"Script", Format(u"Lg%d.txt", scriptId));
    LoadCompetitionFile(path, u"LG", RootId(country), country.GetCompetitionRegistry(), problems);
    TDatabaseVersion::SetFileVersion(version);
    ReportRepairedRecords(problems, path);
}

using OldLevels = std::vector<std::vector<std::unique_ptr<CDBCompetitionBase>>>;

// The leagues row by row as GetLeagueLevels sees them, taken out of the
// registry and every link.
OldLevels TakeOldLeagues(TCountry& country)
{
    OldLevels old;
    int deepest = -1;
    for (int index = 0; index < MaxLeagues; ++index) {
        CDBLeague* league = FindLeague(country, index);
        if (league == nullptr) continue;
        if (league->GetLevel() > deepest || old.empty()) {
            deepest = std::max<int>(deepest, league->GetLevel());
            old.emplace_back();
        }
        UnlinkCompetition(*league);
        old.back().push_back(country.GetCompetitionRegistry().Take(league));
    }
    return old;
}

const CDBLeague* OldLeague(const OldLevels& old, int level, int slot)
{
    if (level >= static_cast<int>(old.size()) || slot >= static_cast<int>(old[static_cast<std::size_t>(level)].size())) {
        return nullptr;
    }
    return dynamic_cast<const CDBLeague*>(old[static_cast<std::size_t>(level)][static_cast<std::size_t>(slot)].get());
}

void ShapeNewLeague(CDBLeague& league, const OldLevels& old, int level, int slot)
{
    if (const CDBLeague* same = OldLeague(old, level, slot)) {
        league.CopyFrom(*same);
    } else if (const CDBLeague* first = OldLeague(old, level, 0); first != nullptr && slot > 0) {
        league.CopyLeagueSettings(*first);
        league.ResetFixtureTable();
        FillFixturelistFromTemplate(league.GetFixturelist(), league.GetTeamCount(), league.GetRounds());
    }
}

CDBPool* PoolOfLevel(TCountry& country, int level)
{
    return dynamic_cast<CDBPool*>(
        country.GetCompetitionRegistry().Get(MakeCompetitionId(CountryByte(country), TypePool, static_cast<std::uint32_t>(level))));
}

void CreatePools(TCountry& country, const std::vector<TLeagueLevel>& levels)
{
    TCompetitionRegistry& registry = country.GetCompetitionRegistry();
    for (std::uint32_t index = 0; index < MaxLeagues; ++index) {
        DeleteCompetition(Find(registry, MakeCompetitionId(CountryByte(country), TypePool, index)));
    }
    for (std::size_t level = 0; level < levels.size() && level < Levels; ++level) {
        auto pool = std::make_unique<CDBPool>(MakeCompetitionId(CountryByte(country), TypePool, static_cast<std::uint32_t>(level)),
                                              RootId(country), registry);
        pool->SetLevel(static_cast<std::int8_t>(level));
        pool->SetReserveTeams(country.AreReserveTeamsAllowed(static_cast<int>(level)));
        registry.Register(std::move(pool));
    }
}

// Enters a level's leagues into its pool; returns how many teams they send
// down to the next level.
int LinkLevel(TCountry& country, const std::vector<TLeagueLevel>& levels, int level, int share)
{
    CDBPool* pool = PoolOfLevel(country, level);
    CDBPool* above = level > 0 ? PoolOfLevel(country, level - 1) : nullptr;
    const bool nextHasLeagues = level + 1 < Levels && level + 1 < static_cast<int>(levels.size());
    CDBPool* below = nextHasLeagues ? PoolOfLevel(country, level + 1) : nullptr;
    const int relegated = country.GetLevelRelegationRule(level);
    if (pool == nullptr) return 0;
    int down = 0;
    int teams = 0;
    for (int i = 0; i < levels[static_cast<std::size_t>(level)].count; ++i) {
        CDBLeague* league = FindLeague(country, levels[static_cast<std::size_t>(level)].firstLeague + i);
        if (league == nullptr) continue;
        league->SetLevel(static_cast<std::int8_t>(level));
        league->SetPoolRules(pool, teams);
        if (league->GetRelegationRule() >= 19 && league->GetRelegationRule() <= 26) league->SetRelegationRule(3);
        league->ClearFollowers();
        teams += league->GetTeamCount();
        pool->AddToTeamCount(league->GetTeamCount());
        if (above != nullptr) {
            pool->AddCheckedCompetition(above->GetId());
            above->AddTopTeams(share, *league);
        }
        if (below != nullptr) {
            below->AddBottomTeams(relegated, *league);
            down += relegated;
        }
        pool->AddTableRange(share, relegated, *league);
    }
    return down;
}

}  // namespace

int GetLeagueSystemCount() { return SystemCount; }

int GetLeagueSystemLeagues(int system, int level)
{
    if (system < 0 || system >= SystemCount || level < 0 || level >= Levels) return 0;
    return SystemTable[system][level];
}

int GetLeagueSystemLinkMask(int system, int level)
{
    const int leagues = GetLeagueSystemLeagues(system, level);
    if (leagues == 0) return 0;
    return LinkMaskOf(leagues, GetLeagueSystemLeagues(system, level + 1));
}

void GetLeagueSystemText(int system, char16_t* buffer, std::size_t capacity)
{
    std::u16string text;
    for (int level = 0; level < Levels && GetLeagueSystemLeagues(system, level) > 0; ++level) {
        if (level > 0) text += u'-';
        text += Format(u"%d", GetLeagueSystemLeagues(system, level));
    }
    CopyText(buffer, text.empty() ? std::u16string_view(u"-") : std::u16string_view(text), capacity);
}

void SetLeagueSystem(TCountry& country, int scriptId, const TLevelBytes& leagues, const TLevelBytes& rules)
{
    if (!HasRoot(country)) return;
    const int stored = country.GetLeagueSystemId();
    if (stored < 1 && scriptId <= 0) {
        RebuildWhenLevelsDiffer(country, leagues, rules);
        return;
    }
    if (scriptId == stored) return;
    if (stored >= 1) {
        DeleteLeagueSystem(country.GetCompetitionRegistry(), CountryByte(country));
        country.SetLeagueSystemId(0);
    }
    if (scriptId < 1) {
        // Leaving a script for a generic system builds that system's
        // leagues, not an empty pyramid.
        country.SetLeagueSystemId(static_cast<std::int16_t>(scriptId));
        RebuildWhenLevelsDiffer(country, leagues, rules);
        ResetLeagueTeams(country);
        return;
    }
    DeleteLeagueSystem(country.GetCompetitionRegistry(), CountryByte(country));
    LoadLeagueScript(country, scriptId);
    country.RefreshLevelNames();
    country.SetLeagueSystemId(static_cast<std::int16_t>(scriptId));
    ResetLeagueTeams(country);
}

void RebuildLeagues(TCountry& country, const TLevelBytes& leagues, const TLevelBytes& rules)
{
    if (!HasRoot(country)) return;
    TCompetitionRegistry& registry = country.GetCompetitionRegistry();
    OldLevels old = TakeOldLeagues(country);
    int running = 0;
    for (int level = 0; level < Levels; ++level) {
        country.SetLevelRelegationRule(level, rules[static_cast<std::size_t>(level)]);
        if (leagues[static_cast<std::size_t>(level)] == 0) break;
        for (int slot = 0; slot < leagues[static_cast<std::size_t>(level)] && running < MaxLeagues; ++slot) {
            auto league = std::make_unique<CDBLeague>(country.GetLeagueId(running++), RootId(country), registry);
            ShapeNewLeague(*league, old, level, slot);
            league->SetLevel(static_cast<std::int8_t>(level));
            league->SetRelegationRule(rules[static_cast<std::size_t>(level)]);
            registry.Register(std::move(league));
        }
    }
    // The new leagues took the old ids: the old objects only go.
    old.clear();
    BuildLeaguePools(country);
    ResetLeagueTeams(country);
}

void BuildLeaguePools(TCountry& country)
{
    const std::vector<TLeagueLevel> levels = country.GetLeagueLevels();
    if (levels.empty() || !HasRoot(country)) return;
    CreatePools(country, levels);
    int down = 0;
    int level = 0;
    for (; level < static_cast<int>(levels.size()) && level < Levels; ++level) {
        const int share = static_cast<std::uint8_t>(down) / levels[static_cast<std::size_t>(level)].count;
        down = LinkLevel(country, levels, level, share);
    }
    CDBPool* last = PoolOfLevel(country, level - 1);
    if (last == nullptr) return;
    const TLeagueLevel& bottom = levels[static_cast<std::size_t>(level - 1)];
    // The entry names the league after the bottom level's last; it is left
    // out while no such league exists, so that no rule names a missing one.
    if (FindLeague(country, bottom.firstLeague + bottom.count) != nullptr) {
        last->AddChampion(bottom.firstLeague + bottom.count);
    }
    last->AddSpareTeams();
    for (int made = 0; made < level; ++made) {
        if (CDBPool* pool = PoolOfLevel(country, made)) pool->CommitRules();
    }
}

void ResetLeagueTeams(TCountry& country)
{
    for (int index = 0; index < MaxLeagues; ++index) {
        if (CDBLeague* league = FindLeague(country, index)) league->ResetTeams();
    }
}
