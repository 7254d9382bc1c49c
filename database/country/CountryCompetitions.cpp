#include "database/country/CountryCompetitions.h"

#include <algorithm>
#include <iterator>

#include "database/club/Club.h"

namespace {

constexpr std::uint32_t Id(std::uint32_t country, std::uint32_t type, std::uint32_t index)
{
    return (((country << 8) + type) << 16) + index;
}

constexpr std::uint32_t League = 1;
constexpr std::uint32_t NationalCup = 3;
constexpr std::uint32_t LeagueCup = 4;
constexpr std::uint32_t SuperCup = 7;
constexpr std::uint32_t Relegation = 8;
constexpr std::uint32_t Pool = 24;
constexpr std::uint32_t Indexes = 32;

// The competitions a country file holds, in its order: each type with its
// indexes first..last.
struct TFileRange {
    std::uint32_t type;
    std::uint32_t first;
    std::uint32_t last;
};
constexpr TFileRange FileOrder[] = {{League, 0, Indexes - 1}, {Relegation, 0, Indexes - 1}, {Pool, 0, Indexes - 1},
                                    {NationalCup, 0, 0},      {LeagueCup, 0, 3},            {SuperCup, 0, 0}};

}  // namespace

std::vector<const CDBCompetitionBase*> CompetitionsInFileOrder(const TCompetitionRegistry& registry,
                                                               std::uint32_t country)
{
    std::vector<const CDBCompetitionBase*> list;
    for (const TFileRange& range : FileOrder) {
        for (std::uint32_t index = range.first; index <= range.last; ++index) {
            if (const CDBCompetitionBase* competition = registry.Get(Id(country, range.type, index))) list.push_back(competition);
        }
    }
    return list;
}

bool IsInFileOrder(std::uint32_t id, std::uint32_t country)
{
    const std::uint32_t type = (id >> 16) & 0xFF;
    const std::uint32_t index = id & 0xFFFF;
    return (id >> 24) == country && std::any_of(std::begin(FileOrder), std::end(FileOrder), [&](const TFileRange& range) {
               return range.type == type && index >= range.first && index <= range.last;
           });
}

int CountLeagueLevels(const TCompetitionRegistry& registry, std::uint32_t country)
{
    bool held[16] = {};
    for (std::uint32_t index = 0; index < Indexes; ++index) {
        const CDBCompetitionBase* league = registry.Get(Id(country, League, index));
        if (league != nullptr && league->GetLevel() >= 0 && league->GetLevel() < 16) held[league->GetLevel()] = true;
    }
    int levels = 0;
    while (levels < 16 && held[levels]) ++levels;
    return levels;
}

int TeamIndexInCompetition(const CDBCompetitionBase& competition, std::uint32_t team)
{
    for (int index = 0; index < competition.GetAssignedTeamCount(); ++index) {
        if (competition.GetTeamSlot(index) == team) return index;
    }
    return -1;
}

const CDBCompetitionBase* GetLeagueOfTeam(const TCompetitionRegistry& registry, std::uint32_t team)
{
    const std::uint32_t country = (team >> 16) & 0xFF;
    for (std::uint32_t index = 0; index < Indexes; ++index) {
        const CDBCompetitionBase* league = registry.Get(Id(country, League, index));
        if (league != nullptr && TeamIndexInCompetition(*league, team) >= 0) return league;
    }
    return nullptr;
}

const CDBCompetitionBase* GetLeagueOfTeamUpToGap(const TCompetitionRegistry& registry, std::uint32_t team)
{
    const std::uint32_t country = (team >> 16) & 0xFF;
    for (std::uint32_t index = 0; index < Indexes; ++index) {
        const CDBCompetitionBase* league = registry.Get(Id(country, League, index));
        if (league == nullptr) break;
        if (TeamIndexInCompetition(*league, team) >= 0) return league;
    }
    return nullptr;
}

std::vector<TLeagueLevel> GetLeagueLevels(const TCompetitionRegistry& registry, std::uint32_t country)
{
    std::vector<TLeagueLevel> levels;
    int deepest = -1;
    for (std::uint32_t index = 0; index < Indexes; ++index) {
        const CDBCompetitionBase* league = registry.Get(Id(country, League, index));
        if (league == nullptr) break;
        if (league->GetLevel() > deepest) {
            deepest = league->GetLevel();
            levels.push_back({static_cast<int>(index), 1});
        } else if (!levels.empty()) {
            ++levels.back().count;
        }
    }
    return levels;
}

int GetLeagueCount(const TCompetitionRegistry& registry, std::uint32_t country)
{
    int count = 0;
    while (count < static_cast<int>(Indexes) && registry.Get(Id(country, League, static_cast<std::uint32_t>(count)))) ++count;
    return count;
}

std::u16string ShortenLevelName(std::u16string_view leagueName)
{
    const std::size_t blank = leagueName.find(u' ');
    if (!leagueName.empty() && leagueName[0] >= u'0' && leagueName[0] <= u'9') {
        if (blank == std::u16string_view::npos || blank + 1 == leagueName.size()) return std::u16string(leagueName);
        return std::u16string(leagueName.substr(blank + 1));
    }
    return std::u16string(leagueName.substr(0, blank));
}

void RemoveTeamFromLeagues(TCompetitionRegistry& registry, std::uint32_t country, std::uint32_t team)
{
    for (std::uint32_t index = 0; index < Indexes; ++index) {
        CDBCompetitionBase* league = registry.Get(Id(country, League, index));
        if (league == nullptr) continue;
        league->RemoveTeam(WithoutReserveBit(team));
        league->RemoveTeam(team | ReserveTeamBit);
    }
}
