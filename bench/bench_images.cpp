// Image work of the badge pages and tools: decoding a 256 × 256 badge, the
// badge state of 5,000 clubs in four sizes against a badge archive of
// 20,000 entries, and the DCT encoder on a 1024 × 1024 picture.

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "archive/BadgeLookup.h"
#include "archive/DctEncoder.h"
#include "archive/MireloBig.h"
#include "archive/TgaDib.h"
#include "bench/BenchBigArchive.h"
#include "core/text/Format.h"
#include "database/club/Club.h"
#include "database/club/ClubBadge.h"
#include "platform/Platform.h"

namespace {

// A 256 × 256 32-bit run-length TGA with short runs and literal stretches.
std::vector<std::uint8_t> Badge256()
{
    std::vector<std::uint8_t> tga = {0, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 32, 8};
    std::mt19937 random(7);
    for (int pixels = 0; pixels < 256 * 256;) {
        const int count = 1 + static_cast<int>(random() % 16);
        if (random() % 2 == 0) {
            tga.push_back(static_cast<std::uint8_t>(0x80 | (count - 1)));
            for (int k = 0; k < 4; ++k) tga.push_back(static_cast<std::uint8_t>(random()));
        } else {
            tga.push_back(static_cast<std::uint8_t>(count - 1));
            for (int k = 0; k < 4 * count; ++k) tga.push_back(static_cast<std::uint8_t>(random()));
        }
        pixels += count;
    }
    return tga;
}

void DecodeBadge(benchmark::State& state)
{
    const auto tga = Badge256();
    for (auto _ : state) benchmark::DoNotOptimize(ConvertTgaToBmp24(tga.data(), tga.size()));
}
BENCHMARK(DecodeBadge)->Unit(benchmark::kMicrosecond);

// A Badges folder with every tenth club's files and an archive of 5,000
// badge paths in four sizes.
class BadgeWorld {
public:
    BadgeWorld() : root_(platform::JoinPath(platform::TemporaryFolder(), u"bench_badges"))
    {
        platform::RemoveTree(root_);
        platform::CreateFolders(root_);
        const std::vector<std::uint8_t> tga = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 0, 24, 0, 1, 2, 3};
        WriteArchive(platform::JoinPath(root_, u"badges.big"), tga);
        archive_.Open(platform::JoinPath(root_, u"badges.big"), true);
        for (std::uint32_t n = 0; n < 5000; ++n) {
            auto& club = clubs_.emplace_back(std::make_unique<TClub>(n));
            club->SetId((21u << 16) | n);
            const std::u16string name = Format(u"Club %d", n);
            club->SetNameForLanguage(0, name.c_str());
            club->SetBadgePath(Format(u"color\\Badge256\\club%d.tga", n).c_str());
            if (n % 10 != 0) continue;
            for (const int size : BadgeSizes) {
                const std::u16string path = Format(u"%s\\Badges\\DE\\Badge%d\\Club %d.tga", root_, size, n);
                platform::CreateFolders(platform::FolderOf(path));
                platform::WriteFileAtomic(path, tga);
            }
        }
    }
    ~BadgeWorld() { platform::RemoveTree(root_); }

    // The archive laid out at once: adding 20,000 entries one by one would
    // time the archive's growth, not the lookups.
    static void WriteArchive(const std::u16string& path, const std::vector<std::uint8_t>& tga)
    {
        std::vector<std::string> names;
        for (int club = 0; club < 5000; ++club) {
            for (const int size : BadgeSizes) {
                names.push_back("Badges\\color\\Badge" + std::to_string(size) + "\\club" + std::to_string(club) + ".tga");
            }
        }
        platform::WriteFileAtomic(path, LayOutBigArchive(names, tga));
    }

    std::u16string root_;
    CMireloBig archive_;
    std::vector<std::unique_ptr<TClub>> clubs_;
};

// A pass as the badge check makes it: the sources, with the archive's
// names indexed and the folder listed, are made once for the pass.
void BadgeStateOf5000Clubs(benchmark::State& state)
{
    static BadgeWorld world;
    if (world.archive_.GetCount() != 20000) state.SkipWithError("the badge archive did not open");
    for (auto _ : state) {
        const CBadgeSources sources(platform::JoinPath(world.root_, u"Badges"), &world.archive_,
                                    CBadgeSources::LooseFiles::Listed);
        unsigned present = 0;
        for (const auto& club : world.clubs_) {
            for (int size = 0; size < 4; ++size) present += GetClubBadgeState(club.get(), size, sources) == 7;
        }
        benchmark::DoNotOptimize(present);
    }
}
BENCHMARK(BadgeStateOf5000Clubs)->Unit(benchmark::kMillisecond)->Iterations(3);

void DctEncode1024(benchmark::State& state)
{
    std::vector<std::uint8_t> pixels(1024 * 1024 * 4);
    std::mt19937 random(3);
    for (std::size_t k = 0; k < pixels.size(); ++k) {
        pixels[k] = static_cast<std::uint8_t>((k / 4 % 1024 + k / 4096) / 8 + random() % 16);
    }
    std::size_t bytes = 0;
    for (auto _ : state) {
        const auto coded = EncodeDctImage(pixels, 1024, 1024, 4096,
                                          static_cast<unsigned>(state.range(0)));
        bytes = coded.size();
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(DctEncode1024)->Arg(0)->Arg(dct_flags::YCbCr | dct_flags::Alpha | dct_flags::ColourKey)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
