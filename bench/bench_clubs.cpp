// Reading and writing 2,500 club sections with their squads, made from the
// clubs of the shipped sample. The counter "clubs_per_second" is the rate.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/AppMessage.h"
#include "core/files/IndexTextFile.h"
#include "database/world/CompleteWorld.h"
#include "database/world/WorldList.h"
#include "platform/Platform.h"

namespace {

namespace fs = std::filesystem;

constexpr std::uint32_t ClubCount = 2500;

int Silent(const char16_t*, unsigned, void*)
{
    return AppMessage::IdOk;
}

const fs::path SampleCountry = fs::path(__FILE__).parent_path().parent_path() / "data" / "Database" / "Country21.sav";

// Every repetition of a sample club gets persons of its own, as a real
// database has: the person id before each person section is moved on.
std::string WithPersonIdsOfRound(const std::string& section, int round)
{
    std::string result;
    std::size_t at = 0;
    while (at < section.size()) {
        const std::size_t end = section.find("\r\n", at) + 2;
        std::string line = section.substr(at, end - at);
        if (section.compare(end, 13, "%INDEX%PLAYER") == 0 || section.compare(end, 12, "%INDEX%STAFF") == 0) {
            line = std::to_string(std::stoul(line) + static_cast<unsigned long>(round) * 100000) + "\r\n";
        }
        result += line;
        at = end;
    }
    return result;
}

// The sample's club sections one after another, renumbered 1..2500.
std::vector<std::uint8_t> ClubSections()
{
    std::vector<std::uint8_t> bytes;
    platform::ReadWholeFile(SampleCountry.u16string(), bytes);
    const std::string text(bytes.begin() + 3, bytes.end());
    std::vector<std::string> sections;
    for (int n = 1;; ++n) {
        const std::string begin = "%INDEX%CLUB" + std::to_string(n) + "\r\n";
        const std::string end = "%INDEXEND%CLUB" + std::to_string(n) + "\r\n";
        const std::size_t from = text.find(begin);
        const std::size_t to = text.find(end);
        if (from == std::string::npos || to == std::string::npos) break;
        sections.push_back(text.substr(from + begin.size(), to - from - begin.size()));
    }
    std::string all = "\xEF\xBB\xBF";
    for (std::uint32_t n = 1; n <= ClubCount && !sections.empty(); ++n) {
        const std::string key = "CLUB" + std::to_string(n);
        const int round = static_cast<int>((n - 1) / sections.size());
        const std::string& section = sections[static_cast<std::size_t>(n - 1) % sections.size()];
        all += "%INDEX%" + key + "\r\n" + WithPersonIdsOfRound(section, round) + "%INDEXEND%" + key + "\r\n";
    }
    return std::vector<std::uint8_t>(all.begin(), all.end());
}

struct TBench {
    TCompleteWorld* world = nullptr;
    std::vector<std::unique_ptr<TClub>> clubs;
    std::vector<std::uint8_t> text;
};

TBench& Bench()
{
    static TBench bench = [] {
        SetAppMessageSink({Silent, nullptr});
        TBench made;
        made.world = GetWorldList().CreateCompleteWorld();
        made.text = ClubSections();
        for (std::uint32_t n = 1; n <= ClubCount; ++n) {
            made.clubs.push_back(std::make_unique<TClub>(0));
            made.clubs.back()->SetWorld(made.world);
            made.clubs.back()->SetId((21u << 16) | n);
        }
        return made;
    }();
    return bench;
}

bool ReadAll(TBench& bench)
{
    CIndexTextFile file;
    bool ok = file.OpenFromBytes(bench.text, u"clubs");
    for (std::uint32_t n = 1; n <= ClubCount; ++n) ok &= bench.clubs[n - 1]->ReadClubSection(file, n);
    return ok;
}

benchmark::Counter ClubRate(const benchmark::State& state)
{
    const double clubs = static_cast<double>(ClubCount) * static_cast<double>(state.iterations());
    return benchmark::Counter(clubs, benchmark::Counter::kIsRate);
}

void ClearSquads(TBench& bench)
{
    for (auto& club : bench.clubs) club->DeleteSquadPersons();
}

void ReadClubs(benchmark::State& state)
{
    TBench& bench = Bench();
    bool ok = true;
    for (auto _ : state) {
        ok &= ReadAll(bench);
        state.PauseTiming();
        ClearSquads(bench);
        state.ResumeTiming();
    }
    state.counters["failed"] = ok ? 0 : 1;
    state.counters["clubs_per_second"] = ClubRate(state);
}

void WriteClubs(benchmark::State& state)
{
    TBench& bench = Bench();
    ReadAll(bench);
    const std::u16string path = (fs::temp_directory_path() / "bench_clubs.txt").u16string();
    bool ok = true;
    for (auto _ : state) {
        CIndexTextFile file;
        ok &= file.OpenWrite(path);
        for (std::uint32_t n = 1; n <= ClubCount; ++n) ok &= bench.clubs[n - 1]->WriteClubSection(file, n);
        ok &= file.Close();
    }
    ClearSquads(bench);
    state.counters["failed"] = ok ? 0 : 1;
    state.counters["clubs_per_second"] = ClubRate(state);
}

}  // namespace

BENCHMARK(ReadClubs)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(WriteClubs)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_MAIN();
