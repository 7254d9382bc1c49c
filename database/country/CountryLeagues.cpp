// The country's side of its league structure: level names, the season's
// international dates and the operations that the competition library
// carries out on the country's behalf.
#include "core/text/TextTools.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"

namespace {

constexpr std::uint32_t LeagueType = 1;
constexpr std::uint32_t IndoorType = 22;
constexpr std::uint32_t IndoorDayCode = 26;
constexpr int LeagueKind = 1;
constexpr int RoundKind = 4;
// The languages a league's name is taken in; the last keeps its own.
constexpr int RefreshedLanguages = 5;

constexpr std::uint32_t CompetitionId(std::uint32_t country, std::uint32_t type, std::uint32_t index)
{
    return (((country << 8) + type) << 16) + index;
}

}  // namespace

void TCountry::SetLeagueSystem(int scriptId, const TLevelBytes& leagues, const TLevelBytes& rules)
{
    if (const auto set = GetCompetitionReader().setLeagueSystem) set(*this, scriptId, leagues, rules);
}

void TCountry::RebuildLeagues(const TLevelBytes& leagues, const TLevelBytes& rules)
{
    if (const auto rebuild = GetCompetitionReader().rebuildLeagues) rebuild(*this, leagues, rules);
}

void TCountry::BuildLeaguePools()
{
    if (const auto build = GetCompetitionReader().buildLeaguePools) build(*this);
}

std::vector<TLeagueLevel> TCountry::GetLeagueLevels()
{
    const TCompetitionRegistry& registry = GetCompetitionRegistry();
    std::vector<TLeagueLevel> levels = ::GetLeagueLevels(registry, static_cast<std::uint32_t>(id_));
    // A level without leagues ends the pyramid: deeper ones are not counted.
    for (std::size_t level = 0; level < levels.size(); ++level) {
        if (registry.Get(GetLeagueId(levels[level].firstLeague))->GetLevel() != static_cast<int>(level)) {
            levels.resize(level);
            break;
        }
    }
    return levels;
}

int TCountry::GetLeagueCount()
{
    return ::GetLeagueCount(GetCompetitionRegistry(), static_cast<std::uint32_t>(id_));
}

std::uint32_t TCountry::GetLeagueId(int index) const
{
    return CompetitionId(static_cast<std::uint32_t>(id_), LeagueType, static_cast<std::uint32_t>(index));
}

void TCountry::RefreshLevelNames()
{
    const TCompetitionRegistry& registry = GetCompetitionRegistry();
    const std::vector<TLeagueLevel> levels = GetLeagueLevels();
    for (std::size_t level = 0; level < levels.size() && level < LevelCount; ++level) {
        const CDBCompetitionBase* first = registry.Get(GetLeagueId(levels[level].firstLeague));
        for (int language = 0; language < RefreshedLanguages; ++language) {
            const std::u16string_view name = first->GetNameInLanguage(language);
            CopyText(levelNames_[level][language], levels[level].count >= 2 ? ShortenLevelName(name) : std::u16string(name));
        }
    }
}

void TCountry::ClearLevelNames()
{
    for (auto& level : levelNames_) {
        for (auto& name : level) name[0] = 0;
    }
}

void TCountry::SetLeagueCupType(int index, std::uint8_t type)
{
    if (index < 0 || index >= 4) return;
    const int shift = 8 * index;
    leagueCupTypes_ = (leagueCupTypes_ & ~(0xFFu << shift)) | (static_cast<std::uint32_t>(type) << shift);
}

void TCountry::FillDefaultLevelNames()
{
    const TCompetitionRegistry& registry = GetCompetitionRegistry();
    const std::vector<TLeagueLevel> levels = GetLeagueLevels();
    for (std::size_t level = 0; level < levels.size() && level < LevelCount; ++level) {
        char16_t(&names)[LanguageCount][LevelNameCapacity] = levelNames_[level];
        const CDBCompetitionBase* first = registry.Get(GetLeagueId(levels[level].firstLeague));
        const bool named = names[0][0] != 0;
        for (int language = 0; language < LanguageCount; ++language) {
            if (named) {
                if (names[language][0] == 0) CopyText(names[language], std::u16string_view(names[0]));
            } else if (levels[level].count == 1) {
                CopyText(names[language], std::u16string_view(first->GetNameInLanguage(language)));
            } else if (const char16_t* division = DivisionDefaultName(static_cast<int>(level), language)) {
                CopyText(names[language], std::u16string_view(division));
            } else {
                // Deeper levels have no default text of their own.
                CopyText(names[language], ShortenLevelName(first->GetNameInLanguage(language)));
            }
        }
    }
}

void TCountry::GetSeasonCalendar(int season, TSeasonDayCodes& days)
{
    days.fill(0);
    if (const auto codes = GetCompetitionReader().continentalDayCodes) days = codes(GetContinent(), season);
    if (!HasIndoorSeason() || season < 0 || season > 1) return;
    const TCompetitionRegistry& registry = GetCompetitionRegistry();
    for (std::uint32_t index = 1; index <= 0xFFFF; ++index) {
        const CDBCompetitionBase* indoor = registry.Get(CompetitionId(0, IndoorType, index));
        if (indoor == nullptr) break;
        if (indoor->GetKind() != LeagueKind && indoor->GetKind() != RoundKind) continue;
        for (int day = 0; day < static_cast<int>(days.size()); ++day) {
            if (indoor->GetCalendarEntry(season, day) != 0) days[static_cast<std::size_t>(day)] = IndoorDayCode;
        }
    }
}

const CDBCompetitionBase* TCompleteWorld::GetLeagueOfClub(const TClub& club) const
{
    return GetLeagueOfTeam(competitions_, club.GetId());
}
