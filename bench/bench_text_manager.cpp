// The text store under the load of a full localisation file: loading a
// generated file of 2,500 keys, 1,000,000 lookups and 1,000,000 integer
// formats (a list view formats every cell this way).

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/text/Format.h"
#include "core/text/TextManager.h"
#include "platform/Platform.h"
#include "platform/TextCodec.h"

namespace {

constexpr int KeyCount = 2500;
constexpr int Operations = 1000000;

std::u16string KeyName(int index) { return Format(u"Dialog.Generated.Group%02d.Key%04d", index % 40, index); }

// Keys and six texts of typical length, plus the locale texts.
std::u16string GeneratedFile()
{
    std::u16string text = u"\uFEFF# generated\r\n"
                          u"Internal.Number.Thousand|,|\u00A0|.|.|.|\u00A0\r\n"
                          u"Internal.Number.Decimal|.|,|,|,|,|,\r\n"
                          u"Internal.Number.Negative|-|-|-|-|-|-\r\n";
    for (int i = 0; i < KeyCount; ++i)
        text += KeyName(i) + Format(u"|Text %d in English|Texte %d|Text %d auf Deutsch|Testo %d|Texto %d|Tekst %d\r\n",
                                    i, i, i, i, i, i);
    return text;
}

const std::u16string& FilePath()
{
    static const std::u16string path = [] {
        const std::u16string target = platform::JoinPath(platform::TemporaryFolder(), u"bench_text_manager.txt");
        const std::string bytes = platform::Utf16ToUtf8(GeneratedFile());
        platform::WriteFileAtomic(target, std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
        return target;
    }();
    return path;
}

void LoadFile(benchmark::State& state)
{
    CTextManager store;
    for (auto _ : state) benchmark::DoNotOptimize(store.LoadFile(FilePath().c_str()));
    state.counters["keys"] = KeyCount;
}
BENCHMARK(LoadFile)->Unit(benchmark::kMillisecond);

void GetText(benchmark::State& state)
{
    CTextManager store;
    store.LoadFile(FilePath().c_str());
    std::vector<std::u16string> keys;
    for (int i = 0; i < KeyCount; ++i) keys.push_back(KeyName(i));
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.GetText(keys[next].c_str()));
        next = next + 1 == keys.size() ? 0 : next + 1;
    }
}
BENCHMARK(GetText)->Iterations(Operations);

void GetTextWithLiteralKey(benchmark::State& state)
{
    CTextManager store;
    store.LoadFile(FilePath().c_str());
    for (auto _ : state) benchmark::DoNotOptimize(store.GetText(u"Dialog.Generated.Group07.Key1207"_tk));
}
BENCHMARK(GetTextWithLiteralKey)->Iterations(Operations);

void FormatInt(benchmark::State& state)
{
    CTextManager store;
    store.LoadFile(FilePath().c_str());
    std::int32_t value = -500000000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.FormatInt(value));
        value += 997;
    }
}
BENCHMARK(FormatInt)->Iterations(Operations);

}  // namespace

BENCHMARK_MAIN();
