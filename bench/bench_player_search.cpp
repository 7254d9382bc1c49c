// The player search's walk over every club with "*a*" and the duplicate
// finder's pairing, over the full-size database (the generator's "full"
// output, built by the target tr_full_database), or the shipped sample
// when that was not generated.

#include <atomic>
#include <string>

#include <benchmark/benchmark.h>

#include "bench/BenchDatabase.h"
#include "database/world/CompleteWorld.h"
#include "editors/player_staff/model/search/DuplicateFinder.h"
#include "editors/player_staff/model/search/PlayerSearch.h"

namespace {

void SearchWalk(benchmark::State& state)
{
    const TCompleteWorld& world = LoadedWorld();
    const PlayerSearch::TCriteria criteria = PlayerSearch::MakeCriteria(u"", u"*a*", u"");
    const std::atomic<bool> stop{false};
    std::size_t hits = 0;
    for (auto _ : state) {
        hits = PlayerSearch::Run(world, {}, criteria, stop).size();
        benchmark::DoNotOptimize(hits);
    }
    state.counters["persons"] = world.GetPersonCount();
    state.counters["hits"] = static_cast<double>(hits);
}

void DuplicatePairs(benchmark::State& state)
{
    const TCompleteWorld& world = LoadedWorld();
    std::size_t pairs = 0;
    for (auto _ : state) {
        pairs = DuplicateFinder::FindPairs(world, {}).size() / 2;
        benchmark::DoNotOptimize(pairs);
    }
    state.counters["persons"] = world.GetPersonCount();
    state.counters["pairs"] = static_cast<double>(pairs);
}

}  // namespace

BENCHMARK(SearchWalk)->Unit(benchmark::kMillisecond);
BENCHMARK(DuplicatePairs)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
