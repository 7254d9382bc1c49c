// Drives the fixture list editor's logic over a league of any size and any
// fixture bytes with every operation: nothing may read or write outside the
// table, and the check must name only positions the league can have.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "competition/CompetitionFactory.h"
#include "competition/CompetitionId.h"
#include "competition/League.h"
#include "database/country/Country.h"
#include "editors/country_club/model/competition/FixtureListModel.h"
#include "fuzz/FuzzBytes.h"

namespace {

using fuzz_support::FuzzBytes;
using fuzz_support::Require;

constexpr std::uint32_t CountryId = 5;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzBytes in(data, size);
    InstallCompetitionFactory();
    TCountry country;
    country.SetId(static_cast<std::int32_t>(CountryId));
    auto& registry = country.GetCompetitionRegistry();
    registry.Register(std::make_unique<CDBRoot>(MakeCompetitionId(CountryId, TypeRoot, 0), 0, registry));
    auto owned = std::make_unique<CDBLeague>(country.GetLeagueId(0), MakeCompetitionId(CountryId, TypeRoot, 0), registry);
    CDBLeague& league = *owned;
    registry.Register(std::move(owned));
    league.SetTeamsAndRounds(in.U8() % 129, in.U8() % 7);
    const int entered = in.U8() % 129;
    for (int team = 0; team < entered; ++team) league.SetTeamIdAt(team, (CountryId << 16) | static_cast<std::uint32_t>(team + 1));
    CDBFixturelist& table = league.GetFixturelist();
    for (int day = 0; day < table.GetMatchdayCount(); ++day) {
        for (int slot = 0; slot < table.GetMatchesPerMatchday(); ++slot) table.SetMatch(day, slot, in.U8(), in.U8());
    }
    FixtureListModel model(country);
    model.SelectLeague(in.U8() & 1 ? country.GetLeagueId(0) : country.GetLeagueId(1));
    const TFixtureErrorTexts texts{u"_DAY", u"_MATCHDAY _TEAM1 _TEAM2 _CLASHDAY"};
    while (!in.Empty()) {
        const std::uint8_t operation = in.U8();
        const int value = static_cast<signed char>(in.U8());
        switch (operation % 9) {
        case 0: model.SetMatchday(value); break;
        case 1: model.PlaceTeam(value); break;
        case 2: model.FreeSide(value, in.U8() % 4); break;
        case 3: model.ClearMatchday(); break;
        case 4: model.ClearAll(); break;
        case 5: model.FillFromTemplate(); break;
        case 6: model.SecondLegLikeFirst(); break;
        case 7: model.SelectLeague(country.GetLeagueId(value & 1)); break;
        default:
            for (const TFixtureError& error : model.Check()) {
                Require(error.day >= 0 && error.day < model.GetMatchdayCount());
                Require(error.clashDay >= 0 && error.clashDay <= error.day);
                model.ErrorText(error, texts);
            }
        }
        Require(model.GetMatchday() >= 0 && model.GetMatchday() <= std::max(0, model.GetMatchdayCount() - 1));
        Require(static_cast<int>(model.GetCells().size()) == model.GetMatchesPerMatchday());
        for (const TFixtureTeamItem& team : model.GetFreeTeams()) Require(team.position >= 0 && team.position < entered);
    }
    return 0;
}
