#include "AllPlayersFilter.h"

#include <algorithm>

#include "core/text/Format.h"
#include "core/text/TextTools.h"
#include "database/country/CompetitionRegistry.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/country/CountryCompetitions.h"
#include "database/world/EnumTexts.h"
#include "database/person/Person.h"

namespace {

constexpr int Goalkeeper = 1;
constexpr std::size_t TalentTextCapacity = 63;
const char16_t* const NotAvailable = u"(n/a)";

const char16_t* const PositionKeys[] = {
    u"Player.Position.Goalkeeper",    u"Player.Position.RightBack",       u"Player.Position.LeftBack",
    u"Player.Position.CentralDef",    u"Player.Position.Sweeper",         u"Player.Position.RightWingBack",
    u"Player.Position.LeftWingBack",  u"Player.Position.Anchor",          u"Player.Position.DefMidfield",
    u"Player.Position.RightMidfield", u"Player.Position.LeftMidfield",    u"Player.Position.CentralMidfield",
    u"Player.Position.RightWing",     u"Player.Position.LeftWing",        u"Player.Position.AttMidfield",
    u"Player.Position.CentralForward", u"Player.Position.Striker",
};

bool LeagueMatches(std::uint32_t choice, int leagueIndex, int level)
{
    if ((choice & AllPlayersFilter::LeagueChoice) != 0) {
        return static_cast<int>(choice & 0xFFFF) == leagueIndex;
    }
    return static_cast<int>(choice & 0xFFFF) == level;
}

// The pyramid level of each league index, as the level combo numbers them.
std::vector<int> LevelOfLeagues(TCountry& country)
{
    std::vector<int> levels;
    const std::vector<TLeagueLevel> pyramid = country.GetLeagueLevels();
    for (std::size_t level = 0; level < pyramid.size(); ++level) {
        for (int i = 0; i < pyramid[level].count; ++i) {
            const auto index = static_cast<std::size_t>(pyramid[level].firstLeague + i);
            if (levels.size() <= index) levels.resize(index + 1, -1);
            levels[index] = static_cast<int>(level);
        }
    }
    return levels;
}

TTeamId LeagueEntryOf(const TClub& club, const TCompetitionRegistry& registry, const TCountry& country,
                      const std::vector<int>& levels, std::uint32_t choice)
{
    for (int index = 0; index < 32; ++index) {
        const CDBCompetitionBase* league = registry.Get(country.GetLeagueId(index));
        if (league == nullptr) break;
        TTeamId entry = club.GetId();
        if (TeamIndexInCompetition(*league, entry) < 0) {
            entry |= ReserveTeamBit;
            if (TeamIndexInCompetition(*league, entry) < 0) continue;
        }
        const int level = static_cast<std::size_t>(index) < levels.size() ? levels[index] : -1;
        if (LeagueMatches(choice, index, level)) return entry;
    }
    return 0;
}

const char16_t* NationalityOf(const TCompleteWorld& world, const TPerson& person)
{
    const TCountry* country = world.GetCountry(person.GetNationality());
    return country != nullptr ? country->GetAbbreviation() : u"";
}

std::u16string NonNull(const char16_t* text)
{
    return text != nullptr ? text : u"";
}

int Sign(int value)
{
    return (value > 0) - (value < 0);
}

}  // namespace

std::vector<AllPlayersFilter::TComboRow> AllPlayersFilter::CountryRows(const TCompleteWorld& world,
                                                                     std::uint32_t continent)
{
    std::vector<TComboRow> rows;
    const TFilters filters{continent, All, All, All};
    for (int id = FirstCountry; id <= LastCountry; ++id) {
        const TCountry* country = world.GetCountry(id);
        if (CountryPasses(country, filters)) rows.push_back({country->GetName(), static_cast<std::uint32_t>(id)});
    }
    std::stable_sort(rows.begin(), rows.end(),
                     [](const TComboRow& a, const TComboRow& b) { return CompareCollated(a.text.c_str(), b.text.c_str()) < 0; });
    return rows;
}

std::vector<AllPlayersFilter::TComboRow> AllPlayersFilter::LeagueRows(TCountry& country, int language,
                                                                     std::u16string_view allText)
{
    std::vector<TComboRow> rows;
    const TCompetitionRegistry& registry = country.GetCompetitionRegistry();
    const std::vector<TLeagueLevel> pyramid = country.GetLeagueLevels();
    for (std::size_t level = 0; level < pyramid.size() && level < MaxLevels; ++level) {
        if (pyramid[level].count <= 0) continue;
        const std::u16string levelName = NonNull(country.GetLeagueLevelNameInLanguage(language, static_cast<int>(level)));
        rows.push_back({levelName + u" " + std::u16string(allText), LevelChoice | static_cast<std::uint32_t>(level)});
        if (pyramid[level].count == 1) continue;
        for (int i = 0; i < pyramid[level].count; ++i) {
            const int index = pyramid[level].firstLeague + i;
            const CDBCompetitionBase* league = registry.Get(country.GetLeagueId(index));
            const std::u16string leagueName = league != nullptr ? NonNull(league->GetNameInLanguage(language)) : u"";
            rows.push_back({levelName + u" - " + leagueName, LeagueChoice | static_cast<std::uint32_t>(index)});
        }
    }
    return rows;
}

std::vector<AllPlayersFilter::TItem> AllPlayersFilter::PositionFilterItems()
{
    std::vector<TItem> items{{u"FilterAll", All}};
    for (std::uint32_t group = 2; group <= 4; ++group) {
        items.push_back({Format(u"Player.TeamPart.%d", group), GroupFilter | group});
    }
    std::uint32_t position = 1;
    for (const char16_t* key : PositionKeys) items.push_back({key, PositionFilter | position++});
    items.push_back({u"FilterNoGoalies", NoGoalkeepers});
    return items;
}

bool AllPlayersFilter::PassesPosition(const TPerson& person, std::uint32_t filter)
{
    const std::uint32_t group = static_cast<std::uint32_t>(person.GetPositionGroup());
    return filter == All || filter == (group | GroupFilter) ||
           (filter == NoGoalkeepers && person.GetPosition(0) != Goalkeeper) ||
           filter == (person.GetPosition(0) | PositionFilter);
}

std::vector<AllPlayersFilter::TItem> AllPlayersFilter::ValueItems()
{
    return {{u"Player.Level", Level}, {u"Player.Talent", Talent}, {u"Player.Nationality1", Nationality},
            {u"Player.Age", Age}};
}

std::vector<TTeamId> AllPlayersFilter::BuildLeagueTeams(TCountry& country, std::uint32_t leagueChoice)
{
    std::vector<TTeamId> teams;
    if (leagueChoice == All) return teams;
    const TCompetitionRegistry& registry = country.GetCompetitionRegistry();
    const std::vector<int> levels = LevelOfLeagues(country);
    for (int index = 0; index < country.GetClubCount() && teams.size() < MaxLeagueTeams; ++index) {
        const TClub* club = country.GetClubByIndex(index);
        if (club == nullptr) continue;
        if (const TTeamId entry = LeagueEntryOf(*club, registry, country, levels, leagueChoice)) {
            teams.push_back(entry);
        }
    }
    return teams;
}

bool AllPlayersFilter::CountryPasses(const TCountry* country, const TFilters& filters)
{
    if (country == nullptr || country->GetClubCountWithoutNationalTeam() == 0) return false;
    if (filters.continent != All && static_cast<std::uint32_t>(country->GetContinent()) != filters.continent) {
        return false;
    }
    return filters.country == All || static_cast<std::uint32_t>(country->GetId()) == filters.country;
}

void AllPlayersFilter::Fill(const TCompleteWorld& world, const TFilters& filters,
                            const std::vector<TTeamId>& leagueTeams)
{
    rows_.clear();
    rows_.reserve(ReservedRows);
    for (int id = FirstCountry; id <= LastCountry; ++id) {
        const TCountry* country = world.GetCountry(id);
        if (!CountryPasses(country, filters)) continue;
        for (int index = 0; index < country->GetClubCount(); ++index) {
            const TClub* club = country->GetClubByIndex(index);
            if (club != nullptr && !IsNationalTeamId(club->GetId())) AddClub(*club, filters, leagueTeams);
        }
    }
    byPerson_ = rows_;
    std::sort(byPerson_.begin(), byPerson_.end(),
              [](const TRow& a, const TRow& b) { return a.personId < b.personId; });
}

void AllPlayersFilter::AddClub(const TClub& club, const TFilters& filters, const std::vector<TTeamId>& leagueTeams)
{
    const bool byLeague = filters.league != All;
    bool reserveEntry = false;
    if (byLeague) {
        const auto entry = std::find_if(leagueTeams.begin(), leagueTeams.end(),
                                        [&](TTeamId team) { return WithoutReserveBit(team) == club.GetId(); });
        if (entry == leagueTeams.end()) return;
        reserveEntry = (*entry & ReserveTeamBit) != 0;
    }
    for (int slot = 0; slot < club.GetSquadCount(); ++slot) {
        const TPerson* person = club.GetSquadPerson(slot);
        if (person == nullptr || person->GetType() != 0 || !PassesPosition(*person, filters.position)) continue;
        if (byLeague && (person->IsYouthPlayer() || person->IsReserveTeam() != reserveEntry)) continue;
        rows_.push_back({person->GetId(), club.GetId()});
    }
}

TTeamId AllPlayersFilter::ClubOf(std::uint32_t personId) const
{
    const auto found = std::lower_bound(byPerson_.begin(), byPerson_.end(), personId,
                                        [](const TRow& row, std::uint32_t id) { return row.personId < id; });
    return found != byPerson_.end() && found->personId == personId ? found->clubId : 0;
}

TTeamId AllPlayersFilter::ReportedClub(const TPerson& person) const
{
    const TTeamId club = ClubOf(person.GetId());
    if (club == 0) return 0;
    return person.IsReserveTeam() ? club | ReserveTeamBit : WithoutReserveBit(club);
}

std::array<std::u16string, 3> AllPlayersFilter::RowTexts(const TCompleteWorld& world, std::uint32_t personId,
                                                         int mode, int ability)
{
    const TPerson* person = world.GetPerson(personId);
    if (person == nullptr) return {NotAvailable, NotAvailable, NotAvailable};
    const CEnumTexts& names = GetEnumTexts();
    std::u16string value;
    switch (mode) {
    case Level: value = Format(u"%d", person->GetLevel()); break;
    case Talent: value = std::u16string(names.GetTalentName(person->GetTalent())).substr(0, TalentTextCapacity); break;
    case Nationality: value = NationalityOf(world, *person); break;
    case Age: value = Format(u"%d", person->GetAge()); break;
    default: value = Format(u"%d", int{person->GetAbility(ability)}); break;
    }
    return {TPerson::GetShortName(person), names.GetPositionShortName(person->GetPosition(0)), value};
}

int AllPlayersFilter::Compare(const TCompleteWorld& world, int sortType, const TPerson& a, const TPerson& b,
                              int mode, int ability)
{
    if (sortType == 0) {
        const int byLast = CompareCollated(a.GetLastName(), b.GetLastName());
        return byLast != 0 ? byLast : CompareCollated(a.GetFirstName(), b.GetFirstName());
    }
    if (sortType == 1) return a.GetPosition(0) - b.GetPosition(0);
    switch (mode) {
    case Level: return a.GetLevel() - b.GetLevel();
    case Talent: return a.GetTalent() - b.GetTalent();
    case Nationality: return Sign(std::u16string_view(NationalityOf(world, a)).compare(NationalityOf(world, b)));
    case Age: return a.GetAge() - b.GetAge();
    default: return a.GetAbility(ability) - b.GetAbility(ability);
    }
}
