// Reads arbitrary bytes through the competition factory: the first byte
// chooses a country file's COMPETITION run, a continental file, or the cup
// table. Every registered competition then writes its text and both passes
// of its game-database record, checks itself and has its calendar changed.
// Each record of a country file's run is also read alone, as a load reads
// it, and saved twice: the second save must write the bytes of the first,
// and a cup of no shape whose record was not named as repaired, read from
// the lines it stood in, must keep every line after its names.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <span>
#include <string>
#include <vector>

#include "competition/CompetitionFactory.h"
#include "competition/Cup.h"
#include "competition/CupAlloc.h"
#include "competition/TeamRules.h"
#include "core/AppMessage.h"
#include "core/text/Format.h"
#include "core/files/IndexTextFile.h"
#include "database/world/DatabaseVersion.h"
#include "database/world/StagedSection.h"
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

// A file of this process's own: fuzzing runs in parallel.
const std::u16string& ScratchPath()
{
    static const std::u16string path = platform::CreateUniqueFile(platform::TemporaryFolder(), u"fuzz_competitions");
    static const int removal = std::atexit([] { platform::RemoveFile(path); });
    (void)removal;
    return path;
}

void OpenUtf8(CIndexTextFile& file, const std::string& text)
{
    const std::string bytes = "\xEF\xBB\xBF" + text;
    file.OpenFromBytes(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), u"record.txt");
}

void Exercise(TCompetitionRegistry& registry)
{
    for (const auto& [id, base] : registry.All()) {
        auto* competition = dynamic_cast<CDBCompetition*>(base.get());
        CIndexTextFile text;
        // Written in full but never closed, so nothing reaches the disk.
        if (!text.OpenWrite(ScratchPath()) || !competition->Write(text, -1)) __builtin_trap();
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

// The lines of a record after its class, reference and names lines, as a
// file holds them.
std::string LinesAfterNames(const std::string& record)
{
    CIndexTextFile file;
    OpenUtf8(file, record);
    std::u16string ignored;
    for (int line = 0; line < 3; ++line) file.ReadCString(ignored);
    const std::size_t from = file.GetLinePosition();
    file.SetLinePosition(std::numeric_limits<std::size_t>::max());
    std::string lines;
    file.CopyLinesInFileForm(from, file.GetLinePosition(), lines);
    return lines;
}

// Reads a record as the only section of a country file's run and writes it;
// its lines as written, empty when it reads as no competition.
std::string SaveRecord(const std::string& record, std::vector<std::u16string>& problems, bool& shapeless)
{
    CIndexTextFile file;
    OpenUtf8(file, "1\r\n%INDEX%COMP0\r\n" + record + "%INDEXEND%COMP0\r\n");
    TCompetitionRegistry registry;
    SeasonDayCodes codes{};
    ReadCompetitions(file, u"COMP", codes, 3u << 24, registry, problems);
    if (registry.All().empty()) return {};
    const auto* competition = dynamic_cast<const CDBCompetition*>(registry.All().begin()->second.get());
    const auto* cup = dynamic_cast<const CDBCup*>(competition);
    shapeless = cup != nullptr && cup->GetEntry() == nullptr;
    // Written as a save writes it, under the key of its section.
    CIndexTextFile out;
    if (!out.OpenWrite(ScratchPath()) || !out.WriteSectionBegin(u"COMP0") || !competition->Write(out, -1) ||
        !out.WriteSectionEnd(u"COMP0") || !out.Close()) {
        __builtin_trap();
    }
    std::vector<std::uint8_t> bytes;
    const std::string_view begin = "\xEF\xBB\xBF%INDEX%COMP0\r\n", end = "%INDEXEND%COMP0\r\n";
    if (!platform::ReadWholeFile(ScratchPath(), bytes) || bytes.size() < begin.size() + end.size()) __builtin_trap();
    return std::string(bytes.begin() + static_cast<std::ptrdiff_t>(begin.size()), bytes.end() - static_cast<std::ptrdiff_t>(end.size()));
}

// Whether a record's lines, as the only record of a run, are read as the
// same lines: a load reads them alone, and one that holds the end line of
// the key it is put under here ends there.
bool ReadsAloneAsItStood(const std::string& record)
{
    CIndexTextFile file;
    OpenUtf8(file, "%INDEX%COMP0\r\n" + record + "%INDEXEND%COMP0\r\n");
    TStagedSection staged;
    return staged.Read(file, u"COMP0") == TStagedSection::ReadResult::Read && staged.GetFileForm() == record;
}

void CheckRecordSavesAgain(const std::string& record)
{
    std::vector<std::u16string> problems;
    bool shapeless = false;
    const std::string first = SaveRecord(record, problems, shapeless);
    if (first.empty()) return;
    // A record that ends with its names has nothing to keep: its values
    // are written anew.
    const std::string kept = LinesAfterNames(record);
    if (shapeless && problems.empty() && !kept.empty() && ReadsAloneAsItStood(record) && LinesAfterNames(first) != kept) {
        __builtin_trap();
    }
    std::vector<std::u16string> ignoredProblems;
    bool ignoredShape = false;
    if (SaveRecord(first, ignoredProblems, ignoredShape) != first) __builtin_trap();
}

// The records of a run as ReadCompetitions finds them, at most as many as
// it reads.
void CheckRecordsSaveAgain(std::span<const std::uint8_t> bytes)
{
    constexpr std::int32_t MostRecords = 4096;
    CIndexTextFile file;
    file.OpenFromBytes(bytes, u"input.txt");
    std::int32_t count = 0;
    file.ReadInt32(count);
    for (std::int32_t i = 0; i < std::min(count, MostRecords); ++i) {
        TStagedSection record;
        const TStagedSection::ReadResult result = record.Read(file, Format(u"COMP%d", i));
        if (result == TStagedSection::ReadResult::Unterminated) return;
        if (result == TStagedSection::ReadResult::Read) CheckRecordSavesAgain(record.GetFileForm());
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
        CheckRecordsSaveAgain(std::span(data + 1, size - 1));
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
