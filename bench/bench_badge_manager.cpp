// The badge manager's groups: 2,000 loose badges in 40 folders and a badge
// archive of 20,000 entries (5,000 badges in four sizes, in 50 folders),
// grouped, given their countries and turned into the group combo's items.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "archive/MireloBig.h"
#include "bench/BenchBigArchive.h"
#include "core/text/Format.h"
#include "editors/country_club/model/club/BadgeGroups.h"
#include "platform/Platform.h"

namespace {

const std::vector<std::uint8_t> Tga = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 0, 24, 0, 1, 2, 3};

std::u16string_view CountryName(int country, int language)
{
    static const std::vector<std::u16string> names = [] {
        std::vector<std::u16string> list;
        for (int id = 0; id <= 206; ++id) list.push_back(Format(u"Country %d", id));
        return list;
    }();
    return country >= 1 && country <= 206 ? std::u16string_view(names[static_cast<std::size_t>(country)]) : std::u16string_view();
}

class BadgeTree {
public:
    BadgeTree() : root_(platform::JoinPath(platform::TemporaryFolder(), u"bench_badge_manager"))
    {
        platform::RemoveTree(root_);
        for (int n = 0; n < 2000; ++n) {
            const std::u16string path = Format(u"%s\\Badges\\Country %d\\Badge256\\club%d.tga", root_, n % 40 + 1, n);
            platform::CreateFolders(platform::FolderOf(path));
            platform::WriteFileAtomic(path, Tga);
        }
        WriteArchive(platform::JoinPath(root_, u"badges.big"));
        archive_.Open(platform::JoinPath(root_, u"badges.big"), true);
    }
    ~BadgeTree() { platform::RemoveTree(root_); }

    // The archive laid out at once, so that setting up does not time its growth.
    static void WriteArchive(const std::u16string& path)
    {
        std::vector<std::string> names;
        for (int badge = 0; badge < 5000; ++badge) {
            for (const int size : {256, 128, 64, 32}) {
                names.push_back("Badges\\Country " + std::to_string(badge % 50 + 1) + "\\Badge" + std::to_string(size) +
                                "\\club" + std::to_string(badge) + ".tga");
            }
        }
        platform::WriteFileAtomic(path, LayOutBigArchive(names, Tga));
    }

    std::u16string root_;
    CMireloBig archive_;
};

void GroupsOf20000EntriesAnd2000Files(benchmark::State& state)
{
    static BadgeTree tree;
    if (tree.archive_.GetCount() != 20000) state.SkipWithError("the badge archive did not open");
    for (auto _ : state) {
        CBadgeGroups groups;
        groups.AddLooseFiles(platform::JoinPath(tree.root_, u"Badges"));
        groups.AddArchive(tree.archive_);
        groups.AssignCountries(CountryName);
        const TBadgeGroupItems items = MakeBadgeGroupItems(groups.Groups(), u"Country 7\\Badge%d\\club6.tga", CountryName, 1,
                                                           u"Generic", u"No badge");
        benchmark::DoNotOptimize(items.items.size());
    }
}
BENCHMARK(GroupsOf20000EntriesAnd2000Files)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
