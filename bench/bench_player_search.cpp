// The player search's walk over every club with "*a*" and the duplicate
// finder's pairing, over the full-size database (the generator's "full"
// output, built by the target tr_full_database), or the shipped sample
// when that was not generated.

#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <string>

#include <benchmark/benchmark.h>

#include "competition/CompetitionFactory.h"
#include "core/AppMessage.h"
#include "database/CompleteWorld.h"
#include "database/WorldList.h"
#include "editors/player_staff/model/DuplicateFinder.h"
#include "editors/player_staff/model/PlayerSearch.h"
#include "platform/Platform.h"

namespace {

namespace fs = std::filesystem;

int Silent(const char16_t*, unsigned, void*)
{
    return AppMessage::IdOk;
}

const fs::path SampleDatabase = fs::path(TR_SOURCE_DIR) / "data" / "Database";

fs::path SourceDatabase()
{
    const fs::path executable = fs::read_symlink("/proc/self/exe");
    const fs::path full = executable.parent_path().parent_path() / "generated" / "full";
    return fs::exists(full / "Country1.sav") ? full : SampleDatabase;
}

// The world, loaded once from a scratch copy of the source.
TCompleteWorld& LoadedWorld()
{
    static TCompleteWorld* world = [] {
        const fs::path folder = fs::temp_directory_path() / ("bench_player_search_" + std::to_string(getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
        fs::copy(SourceDatabase(), folder / "Database");
        fs::copy(SampleDatabase.parent_path() / "Script", folder / "Script");
        fs::copy(SampleDatabase / "Countries.sav", folder / "Database" / "Countries.sav",
                 fs::copy_options::skip_existing);
        platform::SetBaseFolder(folder.u16string());
        SetAppMessageSink({Silent, nullptr});
        InstallCompetitionFactory();
        TCompleteWorld* loaded = GetWorldList().CreateCompleteWorld();
        loaded->LoadWorld(u"Database");
        fs::remove_all(folder);
        return loaded;
    }();
    return *world;
}

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
