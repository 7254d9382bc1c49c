#include "competition/Cup.h"

#include <algorithm>

#include "competition/CompetitionId.h"
#include "competition/CupAlloc.h"
#include "competition/Keywords.h"
#include "competition/TeamRules.h"
#include "core/files/IndexTextFile.h"
#include "core/text/TextManager.h"
#include "database/world/DatabaseVersion.h"
#include "database/world/EnumTexts.h"
#include "database/export/MasterWriter.h"

namespace {

bool TwoMatches(std::uint32_t flags) { return (flags & 0x6) != 0; }

constexpr int CupColumns = 8;

// A cup's rounds are the table's last columns. A shape of nine or ten
// rounds reaches before the first column: those columns are written as 0
// and not kept, so that the records keep one column per round.
int FirstCupColumn(int rounds) { return CupColumns - rounds; }

// The lines after the names of a cup of no shape as kept: the kind in place
// of its line where that is left out, and the value lines at valuesAt.
std::string KeptLines(CIndexTextFile& file, const CIndexTextFile::TKeptSection& kept, std::size_t afterNames,
                      std::size_t valuesAt, const std::string& kind, const std::string& values)
{
    std::string lines = kept.LeavesOut(afterNames) ? kind : std::string();
    const std::size_t end = file.GetLineCount();
    const std::size_t split = std::clamp(valuesAt, afterNames, end);
    file.CopyLinesPaired(afterNames, split, kept, lines);
    if (valuesAt == split) lines += values;
    file.CopyLinesPaired(split, end, kept, lines);
    file.AppendClosings(kept, lines);
    return lines;
}

}  // namespace

std::pair<int, int> CDBRound::MatchDays(int season) const
{
    int first = 0;
    for (int d = 1; d < SeasonDays; ++d) {
        if (GetCalendarEntry(season, d) == 0) continue;
        if (first != 0) return {first, d};
        first = d;
    }
    return {first, 0};
}

void CDBRound::ScheduleDay(int season, std::int32_t day, std::int8_t entry)
{
    if (day >= 1 && day <= 364) SetCalendarEntry(season, day, entry);
}

void CDBRound::Read(CIndexTextFile& file)
{
    // The team count, then the round kind.
    ReadNames(file, FileHasShortNames(1), 1);
    file.ReadInt32(teamCount_);
    roundKind_ = static_cast<std::int8_t>(LookupKeyword(ReadValueText(file), RoundKindTable));
    std::int32_t days[4] = {};
    if (TDatabaseVersion::GetFileMajor() >= 0x2006) {
        for (std::int32_t& day : days) file.ReadInt32(day);
        legFlags_ = ParseKeywordFlags(ReadValueText(file), LegFlagTable);
        legFlags2_ = ParseKeywordFlags(ReadValueText(file), LegFlagTable);
    } else {
        file.ReadInt32(days[0]);
        file.ReadInt32(days[2]);
        legFlags_ = ParseKeywordFlags(ReadValueText(file), LegFlagTable);
        file.ReadInt32(days[1]);
        file.ReadInt32(days[3]);
        legFlags2_ = ParseKeywordFlags(ReadValueText(file), LegFlagTable);
    }
    ClearCalendar();
    for (int season = 0; season < 2; ++season) {
        ScheduleDay(season, days[2 * season], 1);
        ScheduleDay(season, days[2 * season + 1], 2);
    }
    for (std::int32_t& setting : settings_) file.ReadInt32(setting);
    ReadCommon(file);
}

bool CDBRound::Write(CIndexTextFile& file, std::int32_t countryOverride) const
{
    bool ok = file.WriteLine(u"; --------------------------------------") && file.WriteLine(u"DB_ROUND") &&
              file.WriteLine(FormatCompetitionRef(id_, countryOverride)) && WriteNames(file) &&
              file.WriteInt32(teamCount_) && file.WriteLine(GetKeywordName(static_cast<std::uint32_t>(roundKind_), RoundKindTable));
    for (int season = 0; season < 2; ++season) {
        const auto [first, second] = MatchDays(season);
        ok &= file.WriteInt32(first) && file.WriteInt32(second);
    }
    ok &= file.WriteLine(FormatLegFlags(legFlags_)) && file.WriteLine(FormatLegFlags(legFlags2_));
    for (std::int32_t setting : settings_) ok &= file.WriteInt32(setting);
    return ok && WriteCommon(file, countryOverride);
}

void CDBRound::WriteBlock(CMasterWriter& writer) const
{
    WriteHeadBlock(writer, KindRound);
    writer.WriteU32(static_cast<std::uint32_t>(teamCount_));
    for (int season = 0; season < 2; ++season) {
        const auto [first, second] = MatchDays(season);
        writer.WriteU16(static_cast<std::uint16_t>(first));
        writer.WriteU16(static_cast<std::uint16_t>(second));
    }
    writer.WriteU32(legFlags_);
    writer.WriteU32(legFlags2_);
    for (std::int32_t setting : settings_) writer.WriteU32(static_cast<std::uint32_t>(setting));
    WriteCommonBlock(writer);
}

std::uint32_t CDBRound::CheckConsistency(int season, int firstReserveTeamLevel) const
{
    const std::uint32_t bits = GetLastMatchday(season) == GetMatchdayCount() ? 0u : static_cast<std::uint32_t>(ErrorMatchdays);
    return bits | FollowerConsistency(season, firstReserveTeamLevel);
}

const TCupAllocEntry* CDBCup::GetEntry() const { return GetCupAllocTable().GetEntry(cupKind_ & 0xFF); }

int CDBCup::GetMatchdayCount() const
{
    const TCupAllocEntry* entry = GetEntry();
    if (entry == nullptr) return 0;
    int count = 0;
    for (int r = 0; r < entry->GetRoundCount(); ++r) count += TwoMatches(entry->rounds[r].flags) ? 2 : 1;
    return count;
}

void CDBCup::FindLegOfMatchday(int matchday, int& round, int& leg) const
{
    const TCupAllocEntry* entry = GetEntry();
    const int rounds = entry != nullptr ? entry->GetRoundCount() : 0;
    leg = 0;
    for (round = 0; round < rounds; ++round) {
        const int days = TwoMatches(entry->rounds[round].flags) ? 2 : 1;
        if (matchday >= 1 && matchday <= days) {
            leg = matchday - 1;
            return;
        }
        matchday -= days;
    }
}

std::u16string CDBCup::GetMatchdayName(int matchday) const
{
    int round = 0;
    int leg = 0;
    FindLegOfMatchday(matchday, round, leg);
    const TCupAllocEntry* entry = GetEntry();
    if (entry == nullptr || round >= entry->GetRoundCount()) return CDBCompetition::GetMatchdayName(matchday);
    return std::u16string(CEnumTexts().GetRoundName(entry->rounds[round].kind2)).substr(0, 127);
}

int CDBCup::GetSourceLeagueLevel() const
{
    const CDBCompetition* source = GetSource(0);
    return source != nullptr && source->GetKind() == KindLeague ? source->GetLevel() : 0;
}

void CDBCup::SetCupTableEntry(int i, int j, std::int32_t value)
{
    if (i >= 0 && i < 4 && j >= 0 && j < CupColumns) cupTable_[i][j] = value;
}

std::int32_t CDBCup::GetCupTableEntry(int i, int j) const
{
    return i >= 0 && i < 4 && j >= 0 && j < CupColumns ? cupTable_[i][j] : 0;
}

std::uint32_t CDBCup::CheckConsistency(int season, int firstReserveTeamLevel) const
{
    std::uint32_t bits = GetLastMatchday(season) == GetMatchdayCount() ? 0u : static_cast<std::uint32_t>(ErrorMatchdays);
    if (cupKind_ == 0) bits |= ErrorMatchdays;
    return bits | FollowerConsistency(season, firstReserveTeamLevel);
}

void CDBCup::Read(CIndexTextFile& file)
{
    // The kind, then the match days or the record's end.
    ReadNames(file, FileHasShortNames(0), 1);
    const std::size_t afterNames = file.GetLinePosition();
    file.ReadInt16(cupKind_);
    ReadExtra(file);
    const std::size_t afterExtra = file.GetLinePosition();
    const bool valueLines = TDatabaseVersion::GetFileMajor() >= 0x2006;
    if (valueLines) {
        file.ReadInt16(cupValue_);
        file.ReadInt32(cupNumber_);
    }
    const TCupAllocEntry* entry = GetEntry();
    if (entry == nullptr) {
        KeepUnreadLines(file, afterNames, valueLines ? std::string::npos : afterExtra);
        return;
    }
    const int rounds = entry->GetRoundCount();
    ReadSeasonSections(file, 2 * rounds, false);
    for (int j = FirstCupColumn(rounds); j < CupColumns; ++j) {
        for (int i = 0; i < 4; ++i) {
            std::int32_t value = 0;
            file.ReadInt32(value);
            SetCupTableEntry(i, j, value);
        }
    }
    ReadCommon(file);
    level_ = static_cast<std::int8_t>(GetSourceLeagueLevel());
    ruleListIndex_ = GetTeamRuleStore().CopyCupRules(entry->ruleListIndex, static_cast<std::uint8_t>(GetCountryId()), level_);
}

// Without its shape the rest of the record cannot be read. Every line of it
// after the names is kept as it stands, the kind and value lines and comment
// lines too: a value line that is missing or holds a section line reads as
// 0, and writing the value instead would lose the line it was read from. An
// older layout holds no value lines; they are put where the newest layout
// has them (valuesAt, the position after the kind's lines). The stream holds
// the record alone, so its lines run to its end. They pair as lines kept
// whole do (CIndexTextFile::PairKeptSection): an end line that closes no
// section (a line before it was read as a value) would end the record's own
// section early when written, so it is left out and the record named; the
// sections left open are closed. The record is written under a key of its
// own: where the lines would pair otherwise under that key (a misspelt
// begin line paired with an end line of it, a doubled begin line of it),
// they are written paired by their keys alone.
void CDBCup::KeepUnreadLines(CIndexTextFile& file, std::size_t afterNames, std::size_t valuesAt)
{
    // What the reads found out of place is kept as it stands.
    file.ForgetBrokenLinesFrom(afterNames);
    const CIndexTextFile::TKeptSection kept = file.PairKeptSection(afterNames, {});
    const std::string kind = std::to_string(cupKind_) + "\r\n";
    const std::string values = std::to_string(cupValue_) + "\r\n" + std::to_string(cupNumber_) + "\r\n";
    // As read, but for what the lines need to pair up at all.
    CIndexTextFile::TKeptSection repairs = kept;
    repairs.paired.clear();
    repairs.doubled.clear();
    unreadLines_ = KeptLines(file, repairs, afterNames, valuesAt, kind, values);
    if (!kept.paired.empty() || !kept.doubled.empty()) {
        pairedLines_ = KeptLines(file, kept, afterNames, valuesAt, kind, values);
    }
    file.SetLinePosition(file.GetLineCount());
    // The record's lines change: it is named.
    if (!kept.strays.empty() || !kept.unclosed.empty()) repaired_ = true;
}

bool CDBCup::Write(CIndexTextFile& file, std::int32_t countryOverride) const
{
    bool ok = file.WriteLine(u"DB_CUP") && file.WriteLine(FormatCompetitionRef(id_, countryOverride)) &&
              WriteNames(file);
    const TCupAllocEntry* entry = GetEntry();
    if (entry == nullptr && !unreadLines_.empty()) {
        // Lines that pair otherwise under the key the record is written with
        // are written paired by their keys.
        const std::u16string_view key = file.GetSectionWritten();
        const bool asRead = !pairedLines_ || key.empty() || CIndexTextFile::PairsWhole(unreadLines_, key);
        return ok && file.WriteFileForm(asRead ? unreadLines_ : *pairedLines_);
    }
    ok &= file.WriteInt32(cupKind_) && WriteExtra(file) && file.WriteInt32(cupValue_) && file.WriteInt32(cupNumber_);
    if (cupKind_ == 0) return ok;
    // Without a shape there are no columns to write; the match days and the
    // common part are written all the same.
    ok &= WriteSeasonSections(file);
    for (int j = FirstCupColumn(entry != nullptr ? entry->GetRoundCount() : 0); j < CupColumns; ++j) {
        for (int i = 0; i < 4; ++i) ok &= file.WriteInt32(GetCupTableEntry(i, j));
    }
    return ok && WriteCommon(file, countryOverride);
}

void CDBCup::WriteBlock(CMasterWriter& writer) const
{
    WriteHeadBlock(writer, KindCup);
    writer.WriteU16(cupKind_);
    writer.WriteU16(cupValue_);
    writer.WriteU32(0);
    if (cupKind_ == 0) return;
    WriteDayBlock(writer);
    const TCupAllocEntry* entry = GetEntry();
    for (int j = FirstCupColumn(entry != nullptr ? entry->GetRoundCount() : 0); j < CupColumns; ++j) {
        for (int i = 0; i < 4; ++i) writer.WriteU32(static_cast<std::uint32_t>(GetCupTableEntry(i, j)));
    }
    WriteCommonBlock(writer);
}

void CDBRelSwitzerland::ReadExtra(CIndexTextFile& file) { file.ReadInt8(level_); }

bool CDBRelSwitzerland::WriteExtra(CIndexTextFile& file) const { return file.WriteInt32(level_); }

void CDBCup::SetSettings(const SettingsBlock& block)
{
    for (int i = 0; i < 4; ++i) std::copy_n(block.begin() + 8 * i, 8, cupTable_[i]);
}

void CDBCup::GetSettings(SettingsBlock& block) const
{
    for (int i = 0; i < 4; ++i) std::copy_n(cupTable_[i], 8, block.begin() + 8 * i);
}

void CDBCup::TakeKindRules()
{
    const TCupAllocEntry* entry = GetEntry();
    if (entry == nullptr) return;
    level_ = static_cast<std::int8_t>(GetSourceLeagueLevel());
    ruleListIndex_ = GetTeamRuleStore().CopyCupRules(entry->ruleListIndex, static_cast<std::uint8_t>(GetCountryId()), level_);
}
