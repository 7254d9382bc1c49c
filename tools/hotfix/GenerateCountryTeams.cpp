#include "tools/hotfix/GenerateCountryTeams.h"

#include "competition/CompetitionId.h"
#include "competition/CountryCups.h"
#include "competition/League.h"
#include "competition/LeagueStructure.h"
#include "core/text/Format.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "tools/report/ReportModel.h"

namespace {
constexpr char16_t FixName[] = u"Fill Spain with teams and leagues";
constexpr std::uint32_t FixVersion = 1;
constexpr std::uint32_t FixFlags = CBaseHotfix::FlagExtendedMode;
constexpr int LeagueIndexes = 32;
constexpr int NationalCupType = 4;
constexpr int NationalCupLanguages = 5;
constexpr char16_t NationalCupName[] = u"Spain FA Cup";
constexpr int FirstCupDay = 200;
constexpr int CupDayStep = 4;
constexpr int CupMatchdays = 12;

// The pairs' arrangement turned one step: the first place stays, all other
// places move one along the circle.
void Rotate(std::vector<CGenerateCountryTeams::TMatch>& pairs)
{
    const std::size_t last = pairs.size() - 1;
    const int secondOfFirst = pairs[0].second;
    if (last == 0) return;
    pairs[0].second = pairs[1].first;
    for (std::size_t k = 1; k < last; ++k) pairs[k].first = pairs[k + 1].first;
    pairs[last].first = pairs[last].second;
    for (std::size_t k = last; k > 1; --k) pairs[k].second = pairs[k - 1].second;
    pairs[1].second = secondOfFirst;
}
}  // namespace

CGenerateCountryTeams::CGenerateCountryTeams() : CBaseHotfix(FixName, FixVersion, FixFlags) {}

CGenerateCountryTeams::CGenerateCountryTeams(CHotfixManager& manager)
    : CBaseHotfix(FixName, FixVersion, FixFlags, manager)
{
}

CGenerateCountryTeams::TSchedule CGenerateCountryTeams::MakeSchedule(int teamCount)
{
    if (teamCount < 2) return {};
    const int positions = teamCount + teamCount % 2;
    const int rounds = positions - 1;
    std::vector<TMatch> pairs;
    for (int k = 0; k < positions / 2; ++k) pairs.emplace_back(2 * k + 1, 2 * k + 2);
    TSchedule schedule(static_cast<std::size_t>(2 * rounds));
    for (int r = 0; r < rounds; ++r) {
        auto& first = schedule[static_cast<std::size_t>(r)];
        auto& second = schedule[static_cast<std::size_t>(r + rounds)];
        for (const TMatch& pair : pairs) {
            if (pair.first > teamCount || pair.second > teamCount) continue;
            const TMatch turned(pair.second, pair.first);
            first.push_back(r % 2 == 0 ? pair : turned);
            second.push_back(r % 2 == 0 ? turned : pair);
        }
        Rotate(pairs);
    }
    return schedule;
}

void CGenerateCountryTeams::RemoveClubs(TCountry& country)
{
    std::vector<TClub*> clubs;
    for (int index = 0; index < country.GetClubCount(); ++index) {
        TClub* club = country.GetClubByIndex(index);
        if (club != nullptr && !IsNationalTeamId(club->GetId())) clubs.push_back(club);
    }
    for (TClub* club : clubs) country.RemoveClub(club, true, true);
}

void CGenerateCountryTeams::FillLeague(TCountry& country, CDBLeague& league)
{
    const int teams = league.GetTeamCount();
    for (int t = 1; t <= teams; ++t) {
        const TTeamId club = country.CreateClub(Format(u"%s T%02d", league.GetName(), t).c_str());
        if (club != 0) league.AddTeam(club);
    }
    CDBFixturelist& fixtures = league.GetFixturelist();
    if (fixtures.GetMatchdayCount() == 0) fixtures.Allocate(league.GetMatchesPerMatchday(), league.GetMatchdayCount());
    const TSchedule schedule = MakeSchedule(teams);
    for (std::size_t day = 0; day < schedule.size(); ++day) {
        for (std::size_t slot = 0; slot < schedule[day].size(); ++slot) {
            const TMatch match = schedule[day][slot];
            fixtures.SetMatch(static_cast<int>(day), static_cast<int>(slot), static_cast<std::uint8_t>(match.first),
                              static_cast<std::uint8_t>(match.second));
        }
    }
}

void CGenerateCountryTeams::SetUpNationalCup(TCountry& country)
{
    SetNationalCupSettings(country, NationalCupType, SettingsBlock{});
    auto* cup = dynamic_cast<CDBCompetition*>(
        country.GetCompetitionRegistry().Get(MakeCompetitionId(CountryId, TypeFaCup, 0)));
    if (cup == nullptr) return;
    for (int language = 0; language < NationalCupLanguages; ++language) cup->SetName(language, NationalCupName);
    for (int season = 0; season < 2; ++season) {
        for (int day = 0; day < CupMatchdays; ++day) cup->AddMatchday(season, FirstCupDay + day * CupDayStep);
    }
}

void CGenerateCountryTeams::Apply(TCompleteWorld* world, CHotfixFile*, CReportModel& report)
{
    if (world == nullptr) return;
    TCountry* country = world->GetCountry(CountryId);
    if (country == nullptr) {
        report.AddEntry(0, ReportType::Error, Format(u"Country %d not found", CountryId));
        return;
    }
    RemoveClubs(*country);
    ClearCompetitions(*country);
    ResetCompetitions(*country, true);
    SetLeagueSystem(*country, CountryId, TLevelBytes{}, TLevelBytes{});
    for (int index = 0; index < LeagueIndexes; ++index) {
        auto* league = dynamic_cast<CDBLeague*>(country->GetCompetitionRegistry().Get(country->GetLeagueId(index)));
        if (league != nullptr && league->GetKind() == KindLeague) FillLeague(*country, *league);
    }
    SetUpNationalCup(*country);
}
