// Persons in bulk: reading and writing 50,000 PLAYER sections made from the
// players of the shipped sample, rating 50,000 persons at the 17 positions,
// sorting them by level and by name, and the export's 200,000 name-list
// lookups of their names.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/files/IndexTextFile.h"
#include "database/world/DatabaseVersion.h"
#include "database/person/NameList.h"
#include "database/person/Person.h"
#include "platform/Platform.h"

namespace {

namespace fs = std::filesystem;

constexpr int PersonCount = 50000;

const fs::path SampleCountry = fs::path(__FILE__).parent_path().parent_path() / "data" / "Database" / "Country21.sav";

// The sample's PLAYER sections repeated to 50,000.
std::vector<std::uint8_t> PlayerSections()
{
    std::vector<std::uint8_t> bytes;
    platform::ReadWholeFile(SampleCountry.u16string(), bytes);
    const std::string text(bytes.begin() + 3, bytes.end());
    std::vector<std::string> sections;
    const std::string begin = "%INDEX%PLAYER\r\n";
    const std::string end = "%INDEXEND%PLAYER\r\n";
    for (std::size_t at = text.find(begin); at != std::string::npos; at = text.find(begin, at + 1)) {
        sections.push_back(text.substr(at, text.find(end, at) + end.size() - at));
    }
    std::string all = "\xEF\xBB\xBF";
    for (int n = 0; n < PersonCount && !sections.empty(); ++n) all += sections[n % sections.size()];
    return std::vector<std::uint8_t>(all.begin(), all.end());
}

std::vector<std::unique_ptr<TPerson>> ReadPersons(const std::vector<std::uint8_t>& bytes)
{
    CIndexTextFile file;
    file.OpenFromBytes(bytes, u"persons");
    TDatabaseVersion::SetFileVersion(TDatabaseVersion::ProgramVersion);
    std::vector<std::unique_ptr<TPerson>> persons;
    for (;;) {
        auto person = std::make_unique<TPerson>(nullptr, static_cast<std::uint32_t>(persons.size() + 1));
        if (person->ReadPlayer(file) != TSectionRead::Read) break;
        persons.push_back(std::move(person));
    }
    return persons;
}

void ReadPlayers(benchmark::State& state)
{
    const std::vector<std::uint8_t> bytes = PlayerSections();
    for (auto _ : state) benchmark::DoNotOptimize(ReadPersons(bytes).size());
    state.counters["persons_per_second"] =
        benchmark::Counter(static_cast<double>(PersonCount), benchmark::Counter::kIsIterationInvariantRate);
}

void WritePlayers(benchmark::State& state)
{
    const auto persons = ReadPersons(PlayerSections());
    const std::u16string path = platform::JoinPath(platform::TemporaryFolder(), u"bench_persons.txt");
    for (auto _ : state) {
        CIndexTextFile file;
        file.OpenWrite(path);
        for (const auto& person : persons) person->WritePlayer(file);
        file.Close();
    }
    state.counters["persons_per_second"] =
        benchmark::Counter(static_cast<double>(persons.size()), benchmark::Counter::kIsIterationInvariantRate);
}

void RateAllPositions(benchmark::State& state)
{
    const auto persons = ReadPersons(PlayerSections());
    for (auto _ : state) {
        long sum = 0;
        for (const auto& person : persons) {
            person->SetTalent(person->GetTalent());
            for (int position = 1; position < TPerson::RatingCount; ++position) sum += person->GetPositionRating(position);
        }
        benchmark::DoNotOptimize(sum);
    }
    state.counters["persons_per_second"] =
        benchmark::Counter(static_cast<double>(persons.size()), benchmark::Counter::kIsIterationInvariantRate);
}

void SortPersons(benchmark::State& state, int mode)
{
    const auto persons = ReadPersons(PlayerSections());
    std::vector<const TPerson*> order;
    for (const auto& person : persons) order.push_back(person.get());
    for (auto _ : state) {
        std::vector<const TPerson*> sorted = order;
        std::stable_sort(sorted.begin(), sorted.end(),
                         [mode](const TPerson* a, const TPerson* b) { return TPerson::Compare(a, b, mode) < 0; });
        benchmark::DoNotOptimize(sorted.data());
    }
}

void SortByLevel(benchmark::State& state)
{
    SortPersons(state, 5);
}

void SortByName(benchmark::State& state)
{
    SortPersons(state, 1);
}

// The export's sizing pass over 50,000 persons: four names each, the last
// names all different so that one list grows to 50,000 entries; then the
// weights, the order and the writing pass's lookups.
void AddNames(benchmark::State& state)
{
    const auto persons = ReadPersons(PlayerSections());
    std::vector<std::u16string> lastNames;
    for (const auto& person : persons) {
        // Three letters make each of the 50,000 last names different.
        std::u16string suffix;
        for (std::size_t n = lastNames.size(), i = 0; i < 3; ++i, n /= 26) suffix += static_cast<char16_t>(u'a' + n % 26);
        lastNames.push_back(std::u16string(person->GetLastName()) + u" " + suffix);
    }
    CNameList lists;
    for (auto _ : state) {
        lists.Reset();
        for (std::size_t i = 0; i < persons.size(); ++i) {
            const TPerson& person = *persons[i];
            lists.AddName(14, NameKindMale, person.GetFirstName(), true);
            lists.AddName(14, NameKindSurname, lastNames[i], true);
            lists.AddName(14, NameKindNickname, person.GetNickname(), true);
            lists.AddName(14, NameKindPseudonym, person.GetPseudonym(), true);
        }
        lists.NormaliseAll();
        lists.SortAll();
        benchmark::DoNotOptimize(lists.GetList(14, NameKindSurname)->GetCount());
    }
    state.counters["names_per_second"] =
        benchmark::Counter(4.0 * static_cast<double>(persons.size()), benchmark::Counter::kIsIterationInvariantRate);
}

}  // namespace

BENCHMARK(AddNames)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadPlayers)->Unit(benchmark::kMillisecond);
BENCHMARK(WritePlayers)->Unit(benchmark::kMillisecond);
BENCHMARK(RateAllPositions)->Unit(benchmark::kMillisecond);
BENCHMARK(SortByLevel)->Unit(benchmark::kMillisecond);
BENCHMARK(SortByName)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
