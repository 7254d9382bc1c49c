// Loading, saving and exporting a full-size database (the generator's "full" output,
// about 65 MB of country files; built by the target tr_full_database),
// each measured against merely moving the same bytes: a load against
// reading the files and converting them to UTF-16 with our codec, a save
// against writing the same bytes through a temporary file and a rename.
// Falls back to the shipped sample when the full database was not
// generated. Prints medians of several runs (the first argument, default 5)
// and the codecs' throughput next to a small tight reference codec.

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "bench/BenchDatabase.h"
#include "competition/CompetitionFactory.h"
#include "core/AppMessage.h"
#include "database/world/CompleteWorld.h"
#include "database/export/GameExport.h"
#include "database/world/WorldList.h"
#include "platform/Platform.h"
#include "platform/TextCodec.h"

namespace {

double PeakRssBytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) * 1024.0;
}

void LoadFreshWorld()
{
    GetWorldList().CreateCompleteWorld()->LoadWorld(u"Database");
}

struct CountryFile {
    std::u16string path;
    std::vector<std::uint8_t> bytes;
};

std::vector<CountryFile> CountryFiles()
{
    std::vector<CountryFile> files;
    for (int id = 1; id <= TCompleteWorld::LastCountryId; ++id) {
        CountryFile file{platform::JoinPath(u"Database", u"Country" + platform::Utf8ToUtf16(std::to_string(id)) + u".sav"),
                         {}};
        if (platform::ReadWholeFile(file.path, file.bytes)) files.push_back(std::move(file));
    }
    return files;
}

std::string_view AsText(const std::vector<std::uint8_t>& bytes)
{
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

// The tightest plain decoder of valid UTF-8 and encoder of valid UTF-16:
// no checks for broken input, one pass through a pointer.
std::size_t ReferenceDecode(std::string_view bytes, char16_t* out)
{
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = in + bytes.size();
    char16_t* const start = out;
    while (in < end) {
        const unsigned lead = *in;
        if (lead < 0x80) {
            *out++ = static_cast<char16_t>(lead);
            in += 1;
        } else if (lead < 0xE0) {
            *out++ = static_cast<char16_t>(((lead & 0x1F) << 6) | (in[1] & 0x3F));
            in += 2;
        } else if (lead < 0xF0) {
            *out++ = static_cast<char16_t>(((lead & 0x0F) << 12) | ((in[1] & 0x3F) << 6) | (in[2] & 0x3F));
            in += 3;
        } else {
            const unsigned cp = (((lead & 0x07) << 18) | ((in[1] & 0x3F) << 12) | ((in[2] & 0x3F) << 6) | (in[3] & 0x3F)) -
                                0x10000;
            *out++ = static_cast<char16_t>(0xD800 + (cp >> 10));
            *out++ = static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
            in += 4;
        }
    }
    return static_cast<std::size_t>(out - start);
}

std::size_t ReferenceEncode(std::u16string_view text, char* out)
{
    char* const start = out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        unsigned cp = text[i];
        if (cp < 0x80) {
            *out++ = static_cast<char>(cp);
        } else if (cp < 0x800) {
            *out++ = static_cast<char>(0xC0 | (cp >> 6));
            *out++ = static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0xD800 || cp > 0xDFFF) {
            *out++ = static_cast<char>(0xE0 | (cp >> 12));
            *out++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            *out++ = static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (text[++i] - 0xDC00);
            *out++ = static_cast<char>(0xF0 | (cp >> 18));
            *out++ = static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            *out++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            *out++ = static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return static_cast<std::size_t>(out - start);
}

void PrintCodec(const char* direction, double megabytes, double ours, double reference)
{
    std::printf("%-14s %8.0f MB/s   reference %8.0f MB/s   time ratio %.2f\n", direction, megabytes / ours,
                megabytes / reference, ours / reference);
}

// File by file, as a load converts them.
void MeasureCodecs(const std::vector<CountryFile>& files, int runs)
{
    std::vector<std::string_view> utf8;
    std::vector<std::u16string> utf16;
    double megabytes = 0;
    for (const CountryFile& file : files) {
        utf8.push_back(AsText(file.bytes).substr(3));
        utf16.push_back(platform::Utf8ToUtf16(utf8.back()));
        megabytes += static_cast<double>(utf8.back().size()) / 1e6;
    }
    std::size_t sink = 0;
    const double decode = MedianSeconds(runs, [&] {
        for (std::string_view text : utf8) sink += platform::Utf8ToUtf16(text).size();
    });
    const double decodeReference = MedianSeconds(runs, [&] {
        for (std::string_view text : utf8) {
            std::u16string out(text.size(), u'\0');
            out.resize(ReferenceDecode(text, out.data()));
            sink += out.size();
        }
    });
    const double encode = MedianSeconds(runs, [&] {
        for (const std::u16string& text : utf16) sink += platform::Utf16ToUtf8(text).size();
    });
    const double encodeReference = MedianSeconds(runs, [&] {
        for (const std::u16string& text : utf16) {
            std::string out(text.size() * 3, '\0');
            out.resize(ReferenceEncode(text, out.data()));
            sink += out.size();
        }
    });
    if (sink == 0) std::abort();
    PrintCodec("UTF-8 to 16", megabytes, decode, decodeReference);
    PrintCodec("UTF-16 to 8", megabytes, encode, encodeReference);
}

// Load, save and export against reading the same files' bytes, measured
// in one run with a warm cache; a ratio that grows with the database's size
// is a fault.
struct TRatios {
    double load = 0;
    double save = 0;
    double export_ = 0;
};

int CountClubs(const TCompleteWorld& world)
{
    int clubs = 0;
    for (int id = 1; id <= TCompleteWorld::LastCountryId; ++id) clubs += world.GetCountry(id)->GetClubCount();
    return clubs;
}

TRatios MeasureRatios(const char* label, int runs, int& failures)
{
    GetWorldList().Clear();
    const std::vector<CountryFile> files = CountryFiles();
    double textBytes = 0;
    for (const CountryFile& file : files) textBytes += static_cast<double>(file.bytes.size());
    const double read = MedianSeconds(runs, [&] {
        for (const CountryFile& file : files) {
            std::vector<std::uint8_t> bytes;
            if (!platform::ReadWholeFile(file.path, bytes)) std::abort();
        }
    });
    const double load = MedianSeconds(runs, LoadFreshWorld, [] { GetWorldList().Clear(); });
    TCompleteWorld* world = GetWorld();
    const double save = MedianSeconds(runs, [&] { failures += world->SaveWorld().saved ? 0 : 1; });
    const double exportTime = MedianSeconds(runs, [&] {
        failures += WriteDatabase(*world, nullptr) == ExportStatus::Written ? 0 : 1;
    });
    const int clubs = CountClubs(*world);
    std::printf("%-5s %8.1f MB in %zu files, %d CLUB blocks: read %.1f ms, load %.1f ms, save %.1f ms, export %.1f ms\n",
                label, textBytes / 1e6, files.size(), clubs, read * 1e3, load * 1e3, save * 1e3, exportTime * 1e3);
    std::printf("%-5s ratios to reading the bytes: load %.2f   save %.2f   export %.2f   (%.0f clubs/s exported)\n", label,
                load / read, save / read, exportTime / read, clubs / exportTime);
    return {load / read, save / read, exportTime / read};
}

// Half the database: every second country file removed from the scratch copy.
void HalveDatabase()
{
    for (int id = 2; id <= TCompleteWorld::LastCountryId; id += 2) {
        platform::RemoveFile(platform::JoinPath(u"Database", u"Country" + platform::Utf8ToUtf16(std::to_string(id)) + u".sav"));
    }
}

}  // namespace

int main(int argc, char** argv)
{
    const int runs = std::max(1, argc > 1 ? std::atoi(argv[1]) : 5);
    const fs::path scratch = MakeScratchBase();
    std::printf("database %s, medians of %d runs\n", SourceDatabase().string().c_str(), runs);

    // The load first, so that the peak memory is the world's and not the
    // comparison's buffers.
    const double load = MedianSeconds(runs, LoadFreshWorld, [] { GetWorldList().Clear(); });
    const double peak = PeakRssBytes();
    TCompleteWorld* world = GetWorld();
    int failures = 0;
    const double save = MedianSeconds(runs, [&] { failures += world->SaveWorld().saved ? 0 : 1; });

    const std::vector<CountryFile> files = CountryFiles();
    double textBytes = 0;
    for (const CountryFile& file : files) textBytes += static_cast<double>(file.bytes.size());
    const double readAndConvert = MedianSeconds(runs, [&] {
        for (const CountryFile& file : files) {
            std::vector<std::uint8_t> bytes;
            platform::ReadWholeFile(file.path, bytes);
            const std::u16string text = platform::Utf8ToUtf16(AsText(bytes).substr(3));
            if (text.empty()) std::abort();
        }
    });
    const double writeAndRename = MedianSeconds(runs, [&] {
        for (const CountryFile& file : files) failures += platform::WriteFileAtomic(file.path, file.bytes) ? 0 : 1;
    });

    std::printf("text           %8.1f MB in %zu country files\n", textBytes / 1e6, files.size());
    std::printf("load           %8.1f ms   read + convert %8.1f ms   ratio %.2f\n", load * 1e3, readAndConvert * 1e3,
                load / readAndConvert);
    std::printf("save           %8.1f ms   write + rename %8.1f ms   ratio %.2f\n", save * 1e3, writeAndRename * 1e3,
                save / writeAndRename);
    std::printf("peak memory    %8.1f MB   ratio to text %.2f\n", peak / 1e6, peak / textBytes);
    MeasureCodecs(files, runs);

    const TRatios full = MeasureRatios("full", runs, failures);
    HalveDatabase();
    const TRatios half = MeasureRatios("half", runs, failures);
    std::printf("growth from half to full size: load %.2f   save %.2f   export %.2f\n", full.load / half.load,
                full.save / half.save, full.export_ / half.export_);
    GetWorldList().Clear();
    fs::remove_all(scratch);
    if (failures > 0) std::printf("%d failed saves or exports\n", failures);
    return failures > 0 ? 1 : 0;
}
