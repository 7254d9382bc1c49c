// Reads arbitrary bytes through the competition factory: the first byte
// chooses a country file's COMPETITION run, a continental file, or the cup
// table. Every registered competition then writes its text and both passes
// of its game-database record, checks itself and has its calendar changed.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

#include "competition/CompetitionFactory.h"
#include "competition/CupAlloc.h"
#include "competition/TeamRules.h"
#include "core/AppMessage.h"
#include "core/files/IndexTextFile.h"
#include "database/world/DatabaseVersion.h"
#include "database/export/MasterWriter.h"
#include "platform/Platform.h"

namespace {

int Silent(const char16_t*, unsigned, void*)
{
    return AppMessage::IdOk;
}

constexpr char SmallCupTable[] =
    "3\r\n%INDEX%CUP1\r\nFA\r\n ID_FACUP_ENGLAND\r\n0\r\n2\r\n{0, 2, 0, 16, 0, 0, ROUND_1, BEG_WITH_2_LEG}\r\n"
    "{0, 0, 0, 8, 0, 0, ROUND_FINAL, 0}\r\n1\r\nGET_TAB_LEVEL_X_TO_Y\r\n65535\r\n1\r\n4\r\n%INDEXEND%CUP1\r\n";

void Exercise(TCompetitionRegistry& registry)
{
    for (const auto& [id, base] : registry.All()) {
        auto* competition = dynamic_cast<CDBCompetition*>(base.get());
        static const std::u16string path = platform::CreateUniqueFile(platform::TemporaryFolder(), u"fuzz_competitions");
        static const int removal = std::atexit([] { platform::RemoveFile(path); });
        (void)removal;
        CIndexTextFile text;
        // Written in full but never closed, so nothing reaches the disk.
        if (!text.OpenWrite(path) || !competition->Write(text, -1)) __builtin_trap();
        CMasterWriter writer;
        competition->WriteBlock(writer);
        competition->WriteBlock(writer);
        competition->CheckConsistency(0, 2);
        for (int season = 0; season < 2; ++season) {
            competition->AddMatchday(season, static_cast<int>(id % 365));
            competition->RemoveMatchday(season, static_cast<int>((id >> 3) % 365));
            DayCodes codes{};
            competition->FillDayCodes(season, codes);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    SetAppMessageSink({Silent, nullptr});
    if (size == 0) return 0;
    GetTeamRuleStore().Clear();
    CIndexTextFile cups;
    cups.OpenFromBytes(std::span(reinterpret_cast<const std::uint8_t*>(SmallCupTable), sizeof SmallCupTable - 1), u"CupAlloc.txt");
    GetCupAllocTable().Read(cups);
    CIndexTextFile file;
    file.OpenFromBytes(std::span(data + 1, size - 1), u"input.txt");
    const std::uint8_t mode = data[0] % 3;
    TCompetitionRegistry registry;
    std::vector<std::u16string> problems;
    SeasonDayCodes codes{};
    if (mode == 0) {
        TDatabaseVersion::SetFileVersion(TDatabaseVersion::ProgramVersion);
        ReadCompetitions(file, u"COMP", codes, 3u << 24, registry, problems);
    } else if (mode == 1) {
        TDatabaseVersion::SetFileVersion(0);
        ReadCompetitions(file, u"EURO", codes, 0xF9000000, registry, problems);
    } else {
        GetCupAllocTable().Read(file);
        CMasterWriter writer;
        GetCupAllocTable().WriteBlock(writer);
    }
    Exercise(registry);
    return 0;
}
