// Feeds arbitrary bytes to the developers' input files of the hot-fixes:
// the first byte picks the sibling game's team and player mapping, the
// Polish club or competition lists, the screen image parameters or the kit
// pairs; the rest is that file, read by its script or fix over a small
// world. Nothing may crash, and every club keeps texts that fit its fields.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "core/AppMessage.h"
#include "core/files/IndexTextFile.h"
#include "core/files/ToolFiles.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/world/WorldList.h"
#include "platform/Platform.h"
#include "tools/hotfix/FixOrginalKitNames.h"
#include "tools/hotfix/FixVariousDataEnum.h"
#include "tools/hotfix/HotfixManager.h"
#include "fuzz/FuzzWorld.h"

namespace {

// A folder of this process's own for drives C and D, removed at its end.
const std::u16string& DriveFolder()
{
    static const std::u16string folder = [] {
        std::u16string path = platform::CreateUniqueFile(platform::TemporaryFolder(), u"fuzz_tool_inputs");
        platform::RemoveFile(path);
        platform::CreateFolders(path);
        return path;
    }();
    static const int removal = std::atexit([] { platform::RemoveFolder(folder); });
    (void)removal;
    return folder;
}

struct TInput {
    const char16_t* file;
    int script;  // -1: the kit and star head fix
};

constexpr TInput Inputs[] = {
    {u"Qaro-Team.txt", 2}, {u"ClubfixPL.csv", 18}, {u"CompetitionPL.csv", 19}, {u"ScreenImages.txt", 13},
    {u"Fix-Qaro2Team.txt", -1},
};

void CheckClubs(const TCompleteWorld& world)
{
    const TCountry& country = *world.GetCountry(3);
    for (int index = 0; index < country.GetClubCount(); ++index) {
        const TClub& club = *country.GetClubByIndex(index);
        for (int language = 0; language < TClub::LanguageCount; ++language) {
            if (std::u16string(club.GetNameForLanguage(language)).size() >= TClub::NameCapacity) __builtin_trap();
            if (std::u16string(club.GetTownForLanguage(language)).size() >= TClub::TownCapacity) __builtin_trap();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    SetAppMessageSink({fuzz_support::AnswerYes, nullptr});
    CToolFiles::SetFolder(u'C', DriveFolder());
    CToolFiles::SetFolder(u'D', DriveFolder());
    TCompleteWorld* world = fuzz_support::MakeTwoClubsWorld();
    const TInput& input = Inputs[data[0] % std::size(Inputs)];
    const std::vector<std::uint8_t> bytes(data + 1, data + size);
    if (!platform::WriteFileAtomic(platform::JoinPath(DriveFolder(), input.file), bytes)) __builtin_trap();
    if (input.script == 2 && !platform::WriteFileAtomic(platform::JoinPath(DriveFolder(), u"Qaro-Player.csv"), bytes)) {
        __builtin_trap();
    }
    CReportModel report;
    report.Open();
    if (input.script < 0) {
        CHotfixManager manager;
        CFixOrginalKitNames fix(manager);
        fix.Apply(world, nullptr, report);
    } else {
        CFixVariousDataEnum::RunScript(CFixVariousDataEnum::GetScripts()[input.script], *world, report);
    }
    CheckClubs(*world);
    return 0;
}
