// Applies arbitrary bytes as a hot-fix file: the first byte picks the
// amateur-rule, average-rating, badge-name or empics fix, the rest is the
// file, applied to a small world as the hot-fix menu would (a file whose
// header is not the fix's is not applied). Whatever the file holds, the
// world keeps rules the editors know, and an average-rating file that is
// not whole changes nothing.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "core/AppMessage.h"
#include "core/files/IndexTextFile.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/world/WorldList.h"
#include "platform/Platform.h"
#include "tools/hotfix/FixBadgeNames.h"
#include "tools/hotfix/FixEmpics.h"
#include "tools/hotfix/FixLeagueLevelIncreasement.h"
#include "tools/hotfix/HotfixAverageCountryRating.h"
#include "tools/hotfix/HotfixFile.h"
#include "tools/hotfix/HotfixManager.h"
#include "fuzz/FuzzWorld.h"

namespace {

const std::u16string& InputPath()
{
    // A file of this process's own, removed when the process ends.
    static const std::u16string path = platform::CreateUniqueFile(platform::TemporaryFolder(), u"fuzz_hotfix_file");
    static const int removal = std::atexit([] { platform::RemoveFile(path); });
    (void)removal;
    return path;
}

std::vector<TCountry::TRatingBlock> RatingBlocks(const TCompleteWorld& world)
{
    std::vector<TCountry::TRatingBlock> blocks;
    for (int id = 1; id <= TCompleteWorld::LastCountryId; ++id) blocks.push_back(world.GetCountry(id)->GetRatingBlock());
    return blocks;
}

void CheckWorld(const TCompleteWorld& world)
{
    for (int id = 1; id <= TCompleteWorld::LastCountryId; ++id) {
        const TCountry& country = *world.GetCountry(id);
        if (country.GetAmateurRule() > 3) __builtin_trap();
        for (int index = 0; index < country.GetClubCount(); ++index) {
            const char16_t* badge = country.GetClubByIndex(index)->GetBadgePath();
            if (std::u16string(badge).size() >= TClub::BadgePathCapacity) __builtin_trap();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    SetAppMessageSink({fuzz_support::AnswerYes, nullptr});
    TCompleteWorld* world = fuzz_support::MakeTwoClubsWorld();
    if (!platform::WriteFileAtomic(InputPath(), std::vector<std::uint8_t>(data + 1, data + size))) __builtin_trap();
    CHotfixManager manager;
    CFixLeagueLevelIncreasement amateurRule(manager);
    CHotfixAverageCountryRating averageRating(manager);
    CFixBadgeNames badgeNames(manager);
    CFixEmpics empics(manager);
    CBaseHotfix* const fixes[] = {&amateurRule, &averageRating, &badgeNames, &empics};
    CBaseHotfix& fix = *fixes[data[0] % 4];
    CHotfixFile file;
    if (!file.OpenRead(InputPath())) __builtin_trap();
    if (!fix.HasNoHeader() && !file.ReadHeader(fix.GetName(), fix.GetVersion())) return 0;
    const std::size_t dataBytes = file.GetRemainingBytes();
    const std::vector<TCountry::TRatingBlock> before = RatingBlocks(*world);
    CReportModel report;
    report.Open();
    fix.Apply(world, &file, report);
    if (&fix == &averageRating && dataBytes != CHotfixAverageCountryRating::DataSize && RatingBlocks(*world) != before) {
        __builtin_trap();
    }
    CheckWorld(*world);
    return 0;
}
