#pragma once
// Shared by the benchmarks over a whole database: the database to use (the
// generator's "full" output when it was built, else the shipped sample), a
// scratch base folder holding a copy of it, and medians of timed runs.

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "competition/CompetitionFactory.h"
#include "core/AppMessage.h"
#include "database/world/CompleteWorld.h"
#include "database/world/WorldList.h"
#include "platform/Platform.h"

namespace {

namespace fs = std::filesystem;

using Clock = std::chrono::steady_clock;

inline int Silent(const char16_t*, unsigned, void*)
{
    return AppMessage::IdOk;
}

const fs::path SampleDatabase = fs::path(TR_SOURCE_DIR) / "data" / "Database";

inline fs::path SourceDatabase()
{
    const fs::path executable = fs::read_symlink("/proc/self/exe");
    const fs::path full = executable.parent_path().parent_path() / "generated" / "full";
    return fs::exists(full / "Country1.sav") ? full : SampleDatabase;
}

// A scratch base folder whose "Database" holds a copy of the source, so
// that saving never touches the generated files.
inline fs::path MakeScratchBase()
{
    const fs::path folder = fs::temp_directory_path() / ("trellan_bench_" + std::to_string(getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    fs::copy(SourceDatabase(), folder / "Database");
    fs::copy(SampleDatabase.parent_path() / "Script", folder / "Script");
    // The generator takes the country list from the sample, not writing it.
    fs::copy(SampleDatabase / "Countries.sav", folder / "Database" / "Countries.sav", fs::copy_options::skip_existing);
    platform::SetBaseFolder(folder.u16string());
    SetAppMessageSink({Silent, nullptr});
    InstallCompetitionFactory();
    return folder;
}

// The source database loaded once, for benchmarks that only read it; the
// scratch base is gone again once it is loaded.
inline TCompleteWorld& LoadedWorld()
{
    static TCompleteWorld* world = [] {
        const fs::path folder = MakeScratchBase();
        TCompleteWorld* loaded = GetWorldList().CreateCompleteWorld();
        loaded->LoadWorld(u"Database");
        fs::remove_all(folder);
        return loaded;
    }();
    return *world;
}

inline double MedianSeconds(int runs, const std::function<void()>& work, const std::function<void()>& prepare = [] {})
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        prepare();
        const Clock::time_point start = Clock::now();
        work();
        times.push_back(std::chrono::duration<double>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace
