// Growing a BIG archive: importing 1,000 to 8,000 new entries of 100 bytes
// into a new archive (closing included). The counter "us_per_entry" should
// stay about the same for every count: an import must not cost more the
// more entries the archive holds.

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "archive/MireloBig.h"
#include "core/text/Format.h"

namespace {

void ImportEntries(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "trellan_bench_archive";
    std::filesystem::create_directories(folder);
    std::u16string path = (folder / "grow.big").u16string();
    for (auto& c : path) if (c == u'/') c = u'\\';
    std::vector<std::u16string> names;
    for (int k = 0; k < count; ++k) names.push_back(Format(u"badges\\%07d.tga", k));
    const std::vector<std::uint8_t> data(100, 0x5A);
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        CMireloBig big;
        big.silent = true;
        if (!big.Create(path)) state.SkipWithError("cannot create the archive");
        for (const auto& name : names) big.ImportData(name, data, false);
        if (!big.Close()) state.SkipWithError("cannot close the archive");
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(elapsed.count());
        state.counters["us_per_entry"] = elapsed.count() * 1e6 / count;
    }
    std::filesystem::remove_all(folder);
}

}  // namespace

BENCHMARK(ImportEntries)->Arg(1000)->Arg(2000)->Arg(4000)->Arg(8000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_MAIN();
