// The packed-data codec against zlib (levels 9 and 1) on the sample
// database's files, 15 MiB of generated database text, 4 MiB of noise and
// 15 MiB of zeros: pack and unpack throughput (bytes_per_second) and the
// packed size relative to the input (counter "ratio"). The last two
// benchmarks take a database snapshot of the sample files and restore it.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "archive/PackedData.h"
#include "core/AppMessage.h"
#include "database/world/DatabaseSnapshot.h"
#include "platform/Platform.h"

#ifdef TR_HAVE_ZLIB
#include <zlib.h>
#endif

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using Corpus = std::vector<Bytes>;

const fs::path DataFolder = fs::path(__FILE__).parent_path().parent_path() / "data";

// The core takes paths and entry names with backslashes.
std::u16string CorePath(const fs::path& path)
{
    std::u16string text = path.u16string();
    for (auto& c : text) if (c == u'/') c = u'\\';
    return text;
}

std::vector<fs::path> SampleFiles()
{
    std::vector<fs::path> files;
    for (const char* folder : {"Database", "Script"}) {
        for (const auto& entry : fs::directory_iterator(DataFolder / folder)) {
            if (entry.is_regular_file()) files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

const Corpus& SampleDatabase()
{
    static const Corpus corpus = [] {
        Corpus files;
        for (const fs::path& file : SampleFiles()) {
            Bytes bytes;
            if (platform::ReadWholeFile(CorePath(file), bytes) && !bytes.empty()) files.push_back(bytes);
        }
        return files;
    }();
    return corpus;
}

const Corpus& GeneratedText()
{
    static const Corpus corpus = [] {
        static const char* const words[] = {"%INDEX%PLAYER", "FirstName=", "LastName=", "Birth=", "Position=",
                                            "Ability=",      "\r\n",       "%INDEXEND%PLAYER", "Club=",  "Salary="};
        std::mt19937 random(7);
        std::string text;
        while (text.size() < 15 * 1048576) {
            text += words[random() % 10];
            text += std::to_string(random() % (random() % 2 ? 100 : 1000000));
            text += "\r\n";
        }
        text.resize(15 * 1048576 - 1);
        return Corpus{Bytes(text.begin(), text.end())};
    }();
    return corpus;
}

const Corpus& Noise()
{
    static const Corpus corpus = [] {
        std::mt19937 random(11);
        Bytes bytes(4 * 1048576);
        for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
        if (IsPacked(bytes)) bytes[0] = 0;
        return Corpus{bytes};
    }();
    return corpus;
}

const Corpus& Zeros()
{
    static const Corpus corpus{Bytes(15 * 1048576 - 1, 0)};
    return corpus;
}

std::size_t TotalSize(const Corpus& corpus)
{
    std::size_t total = 0;
    for (const Bytes& b : corpus) total += b.size();
    return total;
}

// ------------------------------------------------------------------ codecs

struct Codec {
    std::function<Bytes(const Bytes&)> pack;
    std::function<Bytes(const Bytes&, std::size_t)> unpack;
};

Codec Ours()
{
    return {[](const Bytes& in) {
                Bytes out;
                Pack(in, out);
                return out;
            },
            [](const Bytes& in, std::size_t) {
                Bytes out;
                Unpack(in, out);
                return out;
            }};
}

#ifdef TR_HAVE_ZLIB
Codec Zlib(int level)
{
    return {[level](const Bytes& in) {
                uLongf size = compressBound(in.size());
                Bytes out(size);
                compress2(out.data(), &size, in.data(), in.size(), level);
                out.resize(size);
                return out;
            },
            [](const Bytes& in, std::size_t original) {
                uLongf size = original;
                Bytes out(original);
                uncompress(out.data(), &size, in.data(), in.size());
                return out;
            }};
}
#endif

void PackBenchmark(benchmark::State& state, const Corpus& (*data)(), Codec codec)
{
    const Corpus& corpus = data();
    std::size_t packed = 0;
    for (auto _ : state) {
        packed = 0;
        for (const Bytes& input : corpus) packed += codec.pack(input).size();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * TotalSize(corpus)));
    state.counters["ratio"] = static_cast<double>(packed) / static_cast<double>(TotalSize(corpus));
}

void UnpackBenchmark(benchmark::State& state, const Corpus& (*data)(), Codec codec)
{
    const Corpus& corpus = data();
    Corpus packed;
    for (const Bytes& input : corpus) packed.push_back(codec.pack(input));
    for (auto _ : state) {
        for (std::size_t k = 0; k < packed.size(); ++k) {
            benchmark::DoNotOptimize(codec.unpack(packed[k], corpus[k].size()).data());
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * TotalSize(corpus)));
}

// --------------------------------------------------------------- snapshots

int Silent(const char16_t*, unsigned, void*) { return AppMessage::IdOk; }

// A base folder holding a copy of the sample's "Database" and "Script".
const fs::path& ScratchFolder()
{
    static const fs::path folder = [] {
        const fs::path path = fs::temp_directory_path() / "bench_packed_data";
        fs::remove_all(path);
        fs::create_directories(path / "base");
        for (const char* sub : {"Database", "Script"}) fs::copy(DataFolder / sub, path / "base" / sub);
        fs::create_directories(path / "restored");
        SetAppMessageSink({Silent, nullptr});
        return path;
    }();
    return folder;
}

// The world's save step is left out: only the archive work is measured.
bool TakeSnapshot(const fs::path& archive)
{
    platform::SetBaseFolder(CorePath(ScratchFolder() / "base"));
    CDatabaseSnapshot snapshot(nullptr, {});
    snapshot.Create(CorePath(archive));
    return snapshot.HasSucceeded();
}

void SnapshotCreate(benchmark::State& state)
{
    const fs::path archive = ScratchFolder() / "snapshot.dbs";
    for (auto _ : state) benchmark::DoNotOptimize(TakeSnapshot(archive));
    state.counters["archive_kb"] = static_cast<double>(fs::file_size(archive)) / 1024.0;
}

void SnapshotRestore(benchmark::State& state)
{
    const fs::path archive = ScratchFolder() / "snapshot.dbs";
    TakeSnapshot(archive);
    platform::SetBaseFolder(CorePath(ScratchFolder() / "restored"));
    for (auto _ : state) {
        CDatabaseSnapshot snapshot(nullptr, {});
        snapshot.Restore(CorePath(archive));
        benchmark::DoNotOptimize(snapshot.HasSucceeded());
    }
}

void RegisterAll()
{
    const std::pair<const char*, const Corpus& (*)()> data[] = {
        {"sample_database", SampleDatabase}, {"text_15MiB", GeneratedText}, {"random_4MiB", Noise}, {"zeros_15MiB", Zeros}};
    std::vector<std::pair<std::string, Codec>> codecs = {{"ours", Ours()}};
#ifdef TR_HAVE_ZLIB
    codecs.push_back({"zlib9", Zlib(9)});
    codecs.push_back({"zlib1", Zlib(1)});
#endif
    for (const auto& [dataName, source] : data) {
        for (const auto& [codecName, codec] : codecs) {
            benchmark::RegisterBenchmark(("Pack/" + codecName + "/" + dataName).c_str(), PackBenchmark, source, codec)
                ->Unit(benchmark::kMillisecond)
                ->MinTime(0.5);
            benchmark::RegisterBenchmark(("Unpack/" + codecName + "/" + dataName).c_str(), UnpackBenchmark, source,
                                         codec)
                ->Unit(benchmark::kMillisecond)
                ->MinTime(0.5);
        }
    }
    benchmark::RegisterBenchmark("Snapshot/create_sample", SnapshotCreate)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Snapshot/restore_sample", SnapshotRestore)->Unit(benchmark::kMillisecond);
}

}  // namespace

int main(int argc, char** argv)
{
    RegisterAll();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
