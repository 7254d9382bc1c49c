// The national squad window's walk: every club of countries 1..206 and
// every squad person, for the country with the largest squad, over the
// generator's full database (built by the target tr_full_database), or
// the shipped sample when the full database was not generated.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include <unistd.h>

#include "competition/CompetitionFactory.h"
#include "core/AppMessage.h"
#include "database/CompleteWorld.h"
#include "database/WorldList.h"
#include "editors/player_staff/model/NationalSquadList.h"
#include "platform/Platform.h"

namespace {

namespace fs = std::filesystem;

const fs::path SampleDatabase = fs::path(TR_SOURCE_DIR) / "data" / "Database";

int Silent(const char16_t*, unsigned, void*)
{
    return AppMessage::IdOk;
}

fs::path SourceDatabase()
{
    const fs::path executable = fs::read_symlink("/proc/self/exe");
    const fs::path full = executable.parent_path().parent_path() / "generated" / "full";
    return fs::exists(full / "Country1.sav") ? full : SampleDatabase;
}

TCompleteWorld& LoadedWorld()
{
    static TCompleteWorld* world = [] {
        const fs::path folder = fs::temp_directory_path() / ("bench_national_squad_" + std::to_string(getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
        fs::copy(SourceDatabase(), folder / "Database");
        fs::copy(SampleDatabase / "Countries.sav", folder / "Database" / "Countries.sav", fs::copy_options::skip_existing);
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
