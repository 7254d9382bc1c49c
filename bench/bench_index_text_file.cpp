// Reading and writing a database-sized tagged text file (about 60 MB, five
// million lines) compared with moving the same bytes to and from disk raw.
// The counter "vs_raw" is the stream's time divided by the raw time.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "core/files/IndexTextFile.h"
#include "core/Random.h"
#include "platform/Platform.h"

namespace {

constexpr int RecordCount = 210000;
constexpr std::size_t NameStride = 32;

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

std::u16string FilePath(std::u16string_view name)
{
    return platform::JoinPath(platform::TemporaryFolder(), name);
}

// One record shaped like a person section: six quoted names, a byte list,
// a run of single values and a nested date section.
void WriteRecord(CIndexTextFile& stream, int index, const char16_t (&names)[6][NameStride])
{
    stream.WriteSectionBegin(u"PLAYER");
    stream.WriteQuotedStrings(&names[0][0], 6, NameStride);
    stream.WriteInt32(index);
    std::uint8_t skills[12];
    for (std::uint8_t& skill : skills) skill = RandomByteInRange(20, 99);
    stream.WriteUInt8List(skills, 12);
    for (int field = 0; field < 16; ++field) stream.WriteInt32(RandomInt(100000) - 1000);
    stream.WriteHex32(static_cast<std::uint32_t>(RandomNext()));
    stream.WriteSectionBegin(u"DATE");
    stream.WriteInt32(2450000 + RandomInt(20000));
    stream.WriteSectionEnd(u"DATE");
    stream.WriteSectionEnd(u"PLAYER");
}

bool WriteDatabase(const std::u16string& path)
{
    static const char16_t names[6][NameStride] = {u"M\u00FCller", u"Miller", u"Meunier",
                                                  u"Molinero", u"Mugnaio", u"M\u0142ynarz"};
    SeedRandom(1234, 5678);
    CIndexTextFile stream;
    if (!stream.OpenWrite(path)) return false;
    for (int i = 0; i < RecordCount; ++i) WriteRecord(stream, i, names);
    return stream.Close();
}

// Reads every record the way the record readers do.
std::int64_t ReadDatabase(const std::u16string& path)
{
    CIndexTextFile stream;
    if (!stream.OpenRead(path)) return -1;
    std::int64_t sum = 0;
    char16_t names[6][NameStride];
    while (stream.FindSection(u"PLAYER")) {
        stream.ReadQuotedStrings(&names[0][0], NameStride);
        std::uint8_t skills[12];
        stream.ReadInt8List(skills, 12);
        std::int32_t values[18];
        stream.ReadInt32Array(values, 18);
        for (std::int32_t value : values) sum += value;
        if (stream.FindSection(u"DATE")) {
            std::uint32_t day = 0;
            stream.ReadInt32(day);
            sum += day;
            stream.FindSectionEnd(u"DATE");
        }
        stream.FindSectionEnd(u"PLAYER");
    }
    return sum;
}

void BM_ReadTaggedVsRaw(benchmark::State& state)
{
    const std::u16string path = FilePath(u"bench_index_text_file_read.sav");
    if (!WriteDatabase(path)) {
        state.SkipWithError("cannot write the test file");
        return;
    }
    double streamSeconds = 0;
    double rawSeconds = 0;
    std::vector<std::uint8_t> bytes;
    for (auto _ : state) {
        Clock::time_point start = Clock::now();
        platform::ReadWholeFile(path, bytes);
        benchmark::DoNotOptimize(bytes.data());
        rawSeconds += SecondsSince(start);

        start = Clock::now();
        benchmark::DoNotOptimize(ReadDatabase(path));
        const double seconds = SecondsSince(start);
        streamSeconds += seconds;
        state.SetIterationTime(seconds);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
    state.counters["MB"] = static_cast<double>(bytes.size()) / 1e6;
    state.counters["vs_raw"] = streamSeconds / rawSeconds;
    platform::RemoveFile(path);
}

void BM_WriteTaggedVsRaw(benchmark::State& state)
{
    const std::u16string path = FilePath(u"bench_index_text_file_write.sav");
    const std::u16string rawPath = FilePath(u"bench_index_text_file_raw.sav");
    double streamSeconds = 0;
    double rawSeconds = 0;
    std::vector<std::uint8_t> bytes;
    for (auto _ : state) {
        Clock::time_point start = Clock::now();
        if (!WriteDatabase(path)) {
            state.SkipWithError("cannot write the test file");
            break;
        }
        const double seconds = SecondsSince(start);
        streamSeconds += seconds;
        state.SetIterationTime(seconds);

        state.PauseTiming();
        platform::ReadWholeFile(path, bytes);
        state.ResumeTiming();
        start = Clock::now();
        platform::WriteFileAtomic(rawPath, bytes);
        rawSeconds += SecondsSince(start);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
    if (rawSeconds > 0) state.counters["vs_raw"] = streamSeconds / rawSeconds;
    platform::RemoveFile(path);
    platform::RemoveFile(rawPath);
}

}  // namespace

BENCHMARK(BM_ReadTaggedVsRaw)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_WriteTaggedVsRaw)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

BENCHMARK_MAIN();
