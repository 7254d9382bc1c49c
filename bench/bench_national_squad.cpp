// The national squad window's walk: every club of countries 1..206 and
// every squad person, for the country with the largest squad, over the
// generator's full database (built by the target tr_full_database), or
// the shipped sample when the full database was not generated.

#include <benchmark/benchmark.h>

#include <string>

#include "bench/BenchDatabase.h"
#include "database/world/CompleteWorld.h"
#include "editors/player_staff/model/lists/NationalSquadList.h"

namespace {

int LargestSquadCountry(TCompleteWorld& world)
{
    NationalSquadList squad(world);
    int best = 1;
    std::size_t bestSize = 0;
    for (int id = 1; id <= 206; ++id) {
        squad.Fill(id);
        if (squad.GetRows().size() > bestSize) {
            bestSize = squad.GetRows().size();
            best = id;
        }
    }
    return best;
}

void NationalSquadWalk(benchmark::State& state)
{
    TCompleteWorld& world = LoadedWorld();
    const int country = LargestSquadCountry(world);
    NationalSquadList squad(world);
    for (auto _ : state) {
        squad.Fill(country);
        benchmark::DoNotOptimize(squad.GetRows().data());
    }
    state.counters["rows"] = static_cast<double>(squad.GetRows().size());
    state.counters["persons"] = static_cast<double>(world.GetPersonCount());
    state.SetLabel(SourceDatabase() == SampleDatabase ? "sample database" : "full database");
}
BENCHMARK(NationalSquadWalk)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
