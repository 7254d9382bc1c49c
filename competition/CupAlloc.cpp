#include "competition/CupAlloc.h"

#include <algorithm>
#include <string>

#include "competition/CompetitionId.h"
#include "competition/Keywords.h"
#include "competition/TeamRules.h"
#include "core/files/FileMessages.h"
#include "core/text/Format.h"
#include "core/files/IndexTextFile.h"
#include "core/text/TextManager.h"
#include "core/text/TextTools.h"
#include "database/country/CompetitionRegistry.h"
#include "database/export/MasterWriter.h"
#include "platform/Platform.h"

namespace {

TCupAllocRound ParseRound(std::u16string_view line)
{
    TCupAllocRound round;
    const std::size_t brace = line.find(u'{');
    if (brace == std::u16string_view::npos) return round;
    std::u16string_view rest = line.substr(brace + 1);
    std::int32_t numbers[6] = {};
    for (int i = 0; i < 6; ++i) {
        numbers[i] = ParseLeadingInt(rest);
        const std::size_t comma = rest.find(u',');
        if (comma == std::u16string_view::npos) return round;
        rest.remove_prefix(comma + 1);
    }
    round.a = static_cast<std::uint8_t>(numbers[0]);
    round.b = static_cast<std::uint8_t>(numbers[1]);
    round.c = static_cast<std::uint16_t>(numbers[2]);
    round.d = static_cast<std::uint16_t>(numbers[3]);
    round.e = static_cast<std::uint16_t>(numbers[4]);
    round.f = static_cast<std::uint16_t>(numbers[5]);
    round.kind = round.kind2 = static_cast<std::uint16_t>(LookupKeyword(rest, RoundKindTable));
    const std::size_t comma = rest.find(u',');
    if (comma != std::u16string_view::npos) {
        std::u16string flags(rest.substr(comma + 1));
        flags.erase(std::remove(flags.begin(), flags.end(), u'}'), flags.end());
        round.flags = ParseKeywordFlags(flags, LegFlagTable);
    }
    return round;
}

}  // namespace

int TCupAllocEntry::GetTeamTotal() const
{
    int total = 0;
    for (int r = 0; r < GetRoundCount(); ++r) total += rounds[r].d;
    return total;
}

bool TCupAllocEntry::Read(CIndexTextFile& file)
{
    group = static_cast<std::uint16_t>(LookupKeyword(ReadValueText(file), CupAllocGroupTable));
    const std::u16string line = ReadValueText(file);
    const std::uint32_t hash = line.empty() ? 0 : LookupKeyword(std::u16string_view(line).substr(1), CupModeTable);
    const char16_t* text = hash != 0 ? CTextManager::Instance()->GetTextByHash(hash) : nullptr;
    CopyText(name, text != nullptr ? std::u16string_view(text) : std::u16string_view(line), 64);
    file.ReadInt8(value2);
    std::int32_t count = 0;
    file.ReadInt32(count);
    std::int32_t lines = 0;
    for (; lines < count && lines < 4096; ++lines) {
        const char16_t* next = file.PeekLine();
        if (next == nullptr || std::u16string_view(next).starts_with(u"%INDEX")) break;
        const TCupAllocRound round = ParseRound(ReadValueText(file));
        if (lines < MaxRounds) rounds[lines] = round;
    }
    // The rounds beyond the tenth line have no place in the block; an
    // entry counting more rounds than it holds could not be exported.
    if (GetRoundCount() > MaxRounds) return false;
    ruleListIndex = ReadTeamRules(GetTeamRuleStore(), file, 0);
    return true;
}

void TCupAllocEntry::WriteBlock(CMasterWriter& writer) const
{
    const int count = GetRoundCount();
    writer.WriteU32(static_cast<std::uint32_t>(count) * 20);
    for (int r = 0; r < count; ++r) {
        const TCupAllocRound& round = rounds[r];
        writer.WriteU8(round.a);
        writer.WriteU8(round.b);
        writer.WriteU16(round.c);
        writer.WriteU16(round.d);
        writer.WriteU16(round.e);
        writer.WriteU16(round.f);
        writer.WriteU16(0);
        writer.WriteU32(round.flags);
        writer.WriteU16(round.kind);
        writer.WriteU16(round.kind2);
    }
    WriteRuleBlocks(GetTeamRuleStore(), ruleListIndex, writer);
}

const TCupAllocEntry* TCupAllocTable::GetEntry(int index) const
{
    return index >= 0 && index < GetCount() ? entries_[static_cast<std::size_t>(index)].get() : nullptr;
}

void TCupAllocTable::Read(CIndexTextFile& file, std::vector<std::u16string>* refused)
{
    std::int32_t count = 0;
    file.ReadInt32(count);
    entries_.clear();
    entries_.resize(static_cast<std::size_t>(std::clamp(count, 0, MaxEntries)));
    for (int i = 1; i < GetCount(); ++i) {
        const std::u16string key = Format(u"CUP%d", i);
        if (!file.FindSection(key)) continue;
        auto entry = std::make_unique<TCupAllocEntry>();
        if (entry->Read(file)) {
            entries_[static_cast<std::size_t>(i)] = std::move(entry);
        } else if (refused != nullptr) {
            refused->push_back(key);
        }
        file.FindSectionEnd(key);
    }
}

void TCupAllocTable::WriteBlock(CMasterWriter& writer) const
{
    writer.WriteU32(static_cast<std::uint32_t>(GetCount()));
    for (int i = 0; i < GetCount(); ++i) {
        if (const TCupAllocEntry* entry = GetEntry(i)) {
            writer.WriteU32(static_cast<std::uint32_t>(i));
            entry->WriteBlock(writer);
        }
    }
    writer.WriteU32(0xFFFFFFFF);
}

TCupAllocTable& GetCupAllocTable()
{
    static TCupAllocTable table;
    return table;
}

void LoadCupAllocation(TCupAllocTable& table, std::u16string_view scriptFolder)
{
    const std::u16string path = platform::JoinPath(scriptFolder, u"CupAlloc.txt");
    CIndexTextFile file;
    if (!file.OpenRead(path)) {
        ShowFileNotFound(platform::MakeAbsolute(path).c_str());
        return;
    }
    std::vector<std::u16string> refused;
    table.Read(file, &refused);
    ReportRepairedRecords(refused, path);
}
