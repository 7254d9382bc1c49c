// The country player list's rows over the generator's full database (built
// by the target tr_full_database), or the shipped sample when the full
// database was not generated: every club player unfiltered, and the
// players of the top league level of the country with the most clubs.

#include <benchmark/benchmark.h>

#include "BenchDatabase.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/world/WorldList.h"
#include "editors/player_staff/model/squad/AllPlayersFilter.h"

namespace {

TCountry& CountryWithMostClubs(TCompleteWorld& world)
{
    TCountry* best = world.GetCountry(AllPlayersFilter::FirstCountry);
    for (int id = AllPlayersFilter::FirstCountry; id <= AllPlayersFilter::LastCountry; ++id) {
        TCountry* country = world.GetCountry(id);
        if (country != nullptr && country->GetClubCount() > best->GetClubCount()) best = country;
    }
    return *best;
}

void AllPlayersUnfiltered(benchmark::State& state)
{
    TCompleteWorld& world = LoadedWorld();
    AllPlayersFilter rows;
    for (auto _ : state) {
        rows.Fill(world, {}, {});
        benchmark::DoNotOptimize(rows.Rows().data());
    }
    state.counters["rows"] = static_cast<double>(rows.Rows().size());
    state.SetLabel(SourceDatabase() == SampleDatabase ? "sample database" : "full database");
}
BENCHMARK(AllPlayersUnfiltered)->Unit(benchmark::kMillisecond);

void AllPlayersByLeagueLevel(benchmark::State& state)
{
    TCompleteWorld& world = LoadedWorld();
    TCountry& country = CountryWithMostClubs(world);
    const std::uint32_t topLevel = AllPlayersFilter::LevelChoice | 0;
    const AllPlayersFilter::TFilters filters{static_cast<std::uint32_t>(country.GetContinent()),
                                             static_cast<std::uint32_t>(country.GetId()), topLevel, AllPlayersFilter::All};
    AllPlayersFilter rows;
    for (auto _ : state) {
        const std::vector<TTeamId> teams = AllPlayersFilter::BuildLeagueTeams(country, topLevel);
        rows.Fill(world, filters, teams);
        benchmark::DoNotOptimize(rows.Rows().data());
    }
    state.counters["rows"] = static_cast<double>(rows.Rows().size());
    state.counters["clubs"] = static_cast<double>(country.GetClubCount());
}
BENCHMARK(AllPlayersByLeagueLevel)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
