#include "competition/TeamRules.h"

#include <string>

#include "competition/CompetitionId.h"
#include "competition/Keywords.h"
#include "core/text/Format.h"
#include "core/files/IndexTextFile.h"
#include "database/export/MasterWriter.h"

namespace {

// The command a line begins with, the longest name winning; -1 for none.
int CommandOfLine(std::u16string_view line)
{
    int best = -1;
    std::size_t length = 0;
    for (int command = 0; command < static_cast<int>(RuleCommandCount); ++command) {
        const std::u16string_view name = RuleCommandNames[command];
        if (name.size() > length && line.starts_with(name)) {
            best = command;
            length = name.size();
        }
    }
    return best;
}

std::int32_t IntAfterComma(std::u16string_view text, int commas)
{
    std::size_t at = 0;
    for (int i = 0; i < commas; ++i) {
        at = text.find(u',', at);
        if (at == std::u16string_view::npos) return 0;
        ++at;
    }
    return ParseLeadingInt(text.substr(at));
}

std::int32_t ReadLineInt(CIndexTextFile& file)
{
    std::int32_t value = 0;
    file.ReadInt32(value);
    return value;
}

bool IsLevelCommand(std::uint32_t command)
{
    return command == RuleGetTabLevelXToY || command == RuleGetTabLevelStart || command == RuleGetTabLevelIndoor;
}

TRuleEntry ParseRule(int command, std::u16string_view line, CIndexTextFile& file, std::uint8_t defaultCountry)
{
    TRuleEntry e;
    e.command = static_cast<std::uint32_t>(command);
    const std::size_t comma = line.find(u',');
    const std::u16string_view args = comma == std::u16string_view::npos ? std::u16string_view() : line.substr(comma);
    const auto a = [&](int n) { return IntAfterComma(args, n); };
    const auto ref = [&] { e.word1 = ParseCompetitionId(args, defaultCountry); };
    const auto xy = [&] {
        e.argX = static_cast<std::uint8_t>(ReadLineInt(file));
        e.argY = static_cast<std::uint8_t>(ReadLineInt(file));
    };
    switch (command) {
    case 1: case 6: case 7: case 15: case 16: ref(); xy(); break;
    case 2:
        e.arg16 = static_cast<std::uint16_t>(a(1));
        e.argX = static_cast<std::uint8_t>(a(2));
        e.argY = static_cast<std::uint8_t>(a(2) >> 8);
        break;
    case 3: case 13: case 14: case 27: case 29: case 31: ref(); break;
    case 4:
        e.arg16 = static_cast<std::uint16_t>(a(1));
        e.argX = static_cast<std::uint8_t>(a(2));
        e.argY = static_cast<std::uint8_t>(a(3));
        break;
    case 8:
        ref();
        e.arg16 = static_cast<std::uint16_t>((ReadLineInt(file) & 0xFF) | ((ReadLineInt(file) & 0xFF) << 8));
        e.argX = static_cast<std::uint8_t>(ReadLineInt(file));
        break;
    case 9: case 11: case 26:
        e.arg16 = static_cast<std::uint16_t>(ReadLineInt(file));
        xy();
        break;
    case 12: e.arg16 = static_cast<std::uint16_t>(a(1)); break;
    case 24: ref(); e.arg16 = static_cast<std::uint16_t>(ReadLineInt(file)); xy(); break;
    case 25: ref(); e.argY = static_cast<std::uint8_t>(ReadLineInt(file)); break;
    case 28: {
        e.word1 = (static_cast<std::uint32_t>(a(1)) << 24) + 0x10000;
        const auto b = static_cast<std::uint32_t>(a(2));
        e.arg16 = static_cast<std::uint16_t>(b);
        e.argX = static_cast<std::uint8_t>(b >> 16);
        e.argY = static_cast<std::uint8_t>(b >> 24);
        break;
    }
    case 32: e.argX = static_cast<std::uint8_t>(a(1)); e.argY = static_cast<std::uint8_t>(a(2) == 0 ? 1 : a(2)); break;
    case 33: case 34: e.argY = static_cast<std::uint8_t>(a(1)); break;
    default: break;
    }
    return e;
}

std::u16string RefText(std::u16string_view name, std::uint32_t id, char16_t close)
{
    return Format(u"%s, {%d, %s, %d%c", name, CountryOfId(id), GetKeywordName(TypeOfId(id), CompetitionTypeTable),
                  IndexOfId(id), close);
}

bool WriteRule(const TRuleEntry& e, CIndexTextFile& file)
{
    const std::u16string_view name = RuleCommandNames[e.command];
    const auto i8 = [](std::uint32_t v) { return static_cast<std::int32_t>(static_cast<std::int8_t>(v)); };
    const auto i16 = [](std::uint32_t v) { return static_cast<std::int32_t>(static_cast<std::int16_t>(v)); };
    const std::uint32_t high16 = e.argX | (e.argY << 8);
    switch (e.command) {
    case 2: return file.WriteFormat(u"%s, %d, %d", name, i16(e.arg16), i16(high16));
    case 4: return file.WriteFormat(u"%s, %d, %d, %d", name, i16(e.arg16), i8(e.argX), i8(e.argY));
    case 12: return file.WriteFormat(u"%s, %d", name, i16(e.arg16));
    case 33: case 34: return file.WriteFormat(u"%s, %d", name, e.argY);
    case 28: return file.WriteFormat(u"%s, %d, %d", name, CountryOfId(e.word1), e.arg16 | (high16 << 16));
    case 32: return file.WriteFormat(u"%s, %d, %d", name, e.argX, e.argY);
    case 3: case 13: case 14: case 27: case 29: case 31: return file.WriteLine(RefText(name, e.word1, u'}'));
    case 8:
        return file.WriteLine(RefText(name, e.word1, u'}')) && file.WriteInt32(i8(e.arg16)) &&
               file.WriteInt32(i8(e.arg16 >> 8)) && file.WriteInt32(i8(e.argX));
    case 9: case 11: case 26:
        return file.WriteLine(name) && file.WriteInt32(i16(e.arg16)) && file.WriteInt32(e.argX) && file.WriteInt32(e.argY);
    case 15: case 1: case 6: case 7: case 16:
        return file.WriteLine(RefText(name, e.word1, u'}')) && file.WriteInt32(e.argX) && file.WriteInt32(e.argY);
    case 24:
        return file.WriteLine(RefText(name, e.word1, u')')) && file.WriteInt32(i16(e.arg16)) &&
               file.WriteInt32(e.argX) && file.WriteInt32(e.argY);
    case 25: return file.WriteLine(RefText(name, e.word1, u'}')) && file.WriteInt32(e.argY);
    default: return file.WriteLine(name);
    }
}

}  // namespace

std::uint32_t TTeamRuleStore::Append(const TRuleEntry& entry)
{
    entries_.push_back(entry);
    return GetCount() - 1;
}

TRuleEntry TTeamRuleStore::GetEntry(std::uint32_t index) const
{
    return index < entries_.size() ? entries_[index] : TRuleEntry();
}

std::vector<TRuleEntry> TTeamRuleStore::GetList(std::uint32_t first) const
{
    std::vector<TRuleEntry> list;
    for (std::uint32_t i = first; i < entries_.size(); ++i) {
        list.push_back(entries_[i]);
        if (entries_[i].command == RuleEnd) return list;
    }
    list.emplace_back();
    return list;
}

std::uint32_t TTeamRuleStore::AppendList(const std::vector<TRuleEntry>& list)
{
    const std::uint32_t start = GetCount();
    for (const TRuleEntry& e : list) entries_.push_back(e);
    if (list.empty() || list.back().command != RuleEnd) entries_.emplace_back();
    return start;
}

std::uint32_t TTeamRuleStore::CopyCupRules(std::uint32_t first, std::uint8_t country, int level)
{
    std::vector<TRuleEntry> list = GetList(first);
    for (TRuleEntry& e : list) {
        if (e.command == RuleEnd || e.command == 35) continue;
        e.word1 |= static_cast<std::uint32_t>(country) << 24;
        if (!IsLevelCommand(e.command)) continue;
        if (e.arg16 == 65535) e.arg16 = static_cast<std::uint16_t>(level);
        else if (e.arg16 == 65534) e.arg16 = static_cast<std::uint16_t>(level + 1);
    }
    return AppendList(list);
}

void TTeamRuleStore::Clear()
{
    entries_.assign(1, TRuleEntry());
}

TTeamRuleStore& GetTeamRuleStore()
{
    static TTeamRuleStore store;
    return store;
}

std::uint32_t ReadTeamRules(TTeamRuleStore& store, CIndexTextFile& file, std::uint8_t defaultCountry)
{
    std::int32_t count = 0;
    file.ReadInt32(count);
    std::vector<TRuleEntry> list;
    for (std::int32_t n = 0; n < count && n < 4096; ++n) {
        const char16_t* next = file.PeekLine();
        if (next == nullptr || std::u16string_view(next).starts_with(CIndexTextFile::SectionEndPrefix)) break;
        char16_t line[128];
        file.ReadString(line, 128);
        const int command = CommandOfLine(line);
        if (command == static_cast<int>(RuleEnd)) break;
        if (command > 0) list.push_back(ParseRule(command, line, file, defaultCountry));
    }
    return store.AppendList(list);
}

bool WriteTeamRules(const TTeamRuleStore& store, std::uint32_t first, CIndexTextFile& file)
{
    const std::vector<TRuleEntry> list = store.GetList(first);
    bool ok = file.WriteInt32(static_cast<std::int64_t>(list.size()) - 1);
    for (std::size_t i = 0; i + 1 < list.size(); ++i) {
        if (list[i].command < RuleCommandCount) ok &= WriteRule(list[i], file);
    }
    return ok;
}

void WriteRuleBlocks(const TTeamRuleStore& store, std::uint32_t first, CMasterWriter& writer)
{
    for (const TRuleEntry& e : store.GetList(first)) {
        writer.WriteU32(12);
        writer.WriteU32(e.command);
        writer.WriteU32(e.word1);
        writer.WriteU16(e.arg16);
        writer.WriteU8(e.argX);
        writer.WriteU8(e.argY);
    }
}
