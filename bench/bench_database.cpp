// Loading and saving a full-size database (the generator's "full" output,
// about 65 MB of country files; built by the target tr_full_database). Falls
// back to the shipped sample when the full database was not generated. The
// counter "peak_rss_mb" is the process's peak resident memory.

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <filesystem>
#include <string>
#include <vector>

#include "competition/CompetitionFactory.h"
#include "core/AppMessage.h"
#include "database/CompleteWorld.h"
#include "database/WorldList.h"
#include "platform/Platform.h"

namespace {

namespace fs = std::filesystem;

int Silent(const char16_t*, unsigned, void*)
{
    return AppMessage::IdOk;
}

const fs::path SampleDatabase = fs::path(__FILE__).parent_path().parent_path() / "data" / "Database";

fs::path SourceDatabase()
{
    const fs::path executable = fs::read_symlink("/proc/self/exe");
    const fs::path full = executable.parent_path().parent_path() / "generated" / "full";
    return fs::exists(full / "Country1.sav") ? full : SampleDatabase;
}

// A scratch base folder whose "Database" holds a copy of the source, so
// that saving never touches the generated files.
const fs::path& ScratchBase()
{
    static const fs::path base = [] {
        const fs::path folder = fs::temp_directory_path() / "bench_database";
        fs::remove_all(folder);
        fs::create_directories(folder);
        fs::copy(SourceDatabase(), folder / "Database");
        fs::copy(SampleDatabase.parent_path() / "Script", folder / "Script");
        // The generator takes the country list from the sample, not writing it.
        fs::copy(SampleDatabase / "Countries.sav", folder / "Database" / "Countries.sav",
                 fs::copy_options::skip_existing);
        platform::SetBaseFolder(folder.u16string());
        SetAppMessageSink({Silent, nullptr});
        InstallCompetitionFactory();
        return folder;
    }();
    return base;
}

double PeakRssMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

TCompleteWorld* LoadFreshWorld()
{
    GetWorldList().Clear();
    TCompleteWorld* world = GetWorldList().CreateCompleteWorld();
    world->LoadWorld(u"Database");
    return world;
}

void LoadWorld(benchmark::State& state)
{
    ScratchBase();
    for (auto _ : state) benchmark::DoNotOptimize(LoadFreshWorld());
    state.counters["peak_rss_mb"] = PeakRssMb();
    state.SetLabel(SourceDatabase().string());
}

void SaveWorld(benchmark::State& state)
{
    ScratchBase();
    TCompleteWorld* world = LoadFreshWorld();
    int failures = 0;
    for (auto _ : state) failures += world->SaveWorld();
    state.counters["failures"] = failures;
    state.counters["peak_rss_mb"] = PeakRssMb();
}

}  // namespace

BENCHMARK(LoadWorld)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(SaveWorld)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_MAIN();
