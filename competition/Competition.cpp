#include "competition/Competition.h"

#include <algorithm>

#include "competition/CompetitionId.h"
#include "competition/Keywords.h"
#include "competition/TeamRules.h"
#include "core/text/Format.h"
#include "core/files/IndexTextFile.h"
#include "core/text/TextManager.h"
#include "core/text/TextTools.h"
#include "database/world/DatabaseVersion.h"
#include "database/world/FileDamage.h"
#include "database/export/MasterWriter.h"

namespace {

bool ValidSeason(int season) { return season == 0 || season == 1; }
bool ValidDay(int day) { return day >= 0 && day < SeasonDays; }

// An integer alone, signed as a read takes it, blanks around it allowed.
bool HoldsNumber(std::u16string_view line)
{
    const std::size_t first = line.find_first_not_of(u" \t");
    if (first != std::u16string_view::npos && (line[first] == u'-' || line[first] == u'+')) line.remove_prefix(first + 1);
    return ParseStrictDecimal(line, 0xFFFFFFFF).has_value();
}

// How many of the next value lines hold a number, up to the first that
// does not, counting at most most; comment lines are passed over as a read
// passes them, and the position is left as it was.
int CountNumberLines(CIndexTextFile& file, int most)
{
    const std::size_t at = file.GetLinePosition();
    int count = 0;
    while (count < most && file.NextLine() && HoldsNumber(file.GetCurrentLineView())) ++count;
    file.SetLinePosition(at);
    return count;
}

// Up to ten references, each from a "{" to the next "}".
void ParseReferenceList(std::u16string_view line, std::uint8_t ownCountry, std::array<std::uint32_t, LinkSlots>& ids)
{
    ids = {};
    int count = 0;
    for (std::size_t at = line.find(u'{'); at != std::u16string_view::npos && count < LinkSlots;
         at = line.find(u'{', at + 1)) {
        const std::size_t close = line.find(u'}', at);
        ids[count++] = ParseCompetitionId(line.substr(at, close == std::u16string_view::npos ? close : close - at),
                                          ownCountry);
    }
}

std::u16string FormatReferenceList(const std::array<std::uint32_t, LinkSlots>& ids, std::int32_t countryOverride)
{
    std::u16string line;
    for (std::uint32_t id : ids) {
        if (id == 0) break;
        if (!line.empty()) line += u',';
        line += FormatCompetitionRef(id, countryOverride);
    }
    return line.empty() ? std::u16string(u"0") : line;
}

int LinkCount(const std::array<std::uint32_t, LinkSlots>& ids)
{
    return static_cast<int>(std::find(ids.begin(), ids.end(), 0u) - ids.begin());
}

void RemoveLink(std::array<std::uint32_t, LinkSlots>& ids, std::uint32_t id)
{
    const auto end = std::remove(ids.begin(), ids.end(), id);
    std::fill(end, ids.end(), 0u);
}

}  // namespace

CDBCompetition::CDBCompetition(std::uint32_t id, int classKind, std::uint32_t ownerId, TCompetitionRegistry& registry)
    : id_(id), classKind_(classKind), ownerId_(ownerId), registry_(registry)
{
    const char16_t* name = CTextManager::Instance()->GetText(u"Common.Competition"_tk);
    for (int language = 0; language < 6; ++language) SetName(language, name);
}

const char16_t* CDBCompetition::GetNameInLanguage(int language) const
{
    return names_[language >= 0 && language < 6 ? language : 0];
}

void CDBCompetition::SetName(int language, const char16_t* text)
{
    if (text == nullptr || language < 0 || language >= 6) return;
    CopyTextNoQuotes(names_[language], text, NameCapacity);
}

CDBCompetition* CDBCompetition::Resolve(std::uint32_t id) const
{
    return id == 0 ? nullptr : dynamic_cast<CDBCompetition*>(registry_.Get(id));
}

std::u16string CDBCompetition::GetMatchdayName(int matchday) const { return Format(u"%d", matchday); }

int CDBCompetition::AddSource(std::uint32_t id, bool link)
{
    if (CDBCompetition* source = link ? Resolve(id) : nullptr) source->AddFollower(id_, false);
    const int slot = LinkCount(sources_);
    if (slot < LinkSlots) sources_[slot] = id;
    return slot;
}

void CDBCompetition::AddFollower(std::uint32_t id, bool link)
{
    if (CDBCompetition* follower = link ? Resolve(id) : nullptr) follower->AddSource(id_, false);
    const int slot = LinkCount(followers_);
    if (slot < LinkSlots) followers_[slot] = id;
}

void CDBCompetition::RemoveSource(std::uint32_t id) { RemoveLink(sources_, id); }
void CDBCompetition::RemoveFollower(std::uint32_t id) { RemoveLink(followers_, id); }
CDBCompetition* CDBCompetition::GetSource(int i) const { return Resolve(GetSourceId(i)); }
CDBCompetition* CDBCompetition::GetFollower(int i) const { return Resolve(GetFollowerId(i)); }

void CDBCompetition::CopyLinks(const CDBCompetition& other)
{
    sources_ = other.sources_;
    followers_ = other.followers_;
    ruleListIndex_ = other.ruleListIndex_;
}

std::int8_t CDBCompetition::GetCalendarEntry(int season, int day) const
{
    return ValidSeason(season) && ValidDay(day) ? calendar_[season][day] : 0;
}

void CDBCompetition::SetCalendarEntry(int season, int day, std::int8_t entry)
{
    if (ValidSeason(season) && ValidDay(day)) calendar_[season][day] = entry;
}

std::array<std::int8_t, SeasonDays> CDBCompetition::GetSeasonCalendar(int season) const
{
    return ValidSeason(season) ? calendar_[season] : std::array<std::int8_t, SeasonDays>{};
}

void CDBCompetition::SetSeasonCalendar(int season, const std::array<std::int8_t, SeasonDays>& days)
{
    if (ValidSeason(season)) calendar_[season] = days;
}

int CDBCompetition::GetPreviousMatchday(int season, int day) const
{
    for (int d = std::min(day, SeasonDays) - 1; d >= 0; --d) {
        if (GetCalendarEntry(season, d) != 0) return GetCalendarEntry(season, d);
    }
    return -1;
}

bool CDBCompetition::HasMatchNear(int season, int day) const
{
    return (day > 0 && GetCalendarEntry(season, day - 1) != 0) || GetCalendarEntry(season, day) != 0 ||
           (day < SeasonDays - 1 && GetCalendarEntry(season, day + 1) != 0);
}

bool CDBCompetition::FollowsOwnLevel(const CDBCompetition& follower) const
{
    return follower.level_ < 0 || follower.level_ == level_;
}

bool CDBCompetition::HasMatchOnDay(int season, int day) const
{
    Visited visited;
    return HasMatchOnDay(season, day, visited);
}

bool CDBCompetition::HasMatchOnDay(int season, int day, Visited& visited) const
{
    if (!visited.insert(this).second) return false;
    if (GetCalendarEntry(season, day) != 0) return true;
    for (int i = 0; i < LinkSlots; ++i) {
        const CDBCompetition* follower = GetFollower(i);
        if (follower != nullptr && follower->HasMatchOnDay(season, day, visited)) return true;
    }
    return false;
}

std::int8_t CDBCompetition::GetMatchdayOnDay(int season, int day) const
{
    Visited visited;
    return GetMatchdayOnDay(season, day, visited);
}

std::int8_t CDBCompetition::GetMatchdayOnDay(int season, int day, Visited& visited) const
{
    if (!visited.insert(this).second) return 0;
    if (GetCalendarEntry(season, day) != 0) return GetCalendarEntry(season, day);
    for (int i = 0; i < LinkSlots; ++i) {
        const CDBCompetition* follower = GetFollower(i);
        if (follower != nullptr && FollowsOwnLevel(*follower)) return follower->GetMatchdayOnDay(season, day, visited);
    }
    return 0;
}

void CDBCompetition::AddMatchday(int season, int day)
{
    Visited visited;
    AddMatchday(season, day, visited);
}

void CDBCompetition::AddMatchday(int season, int day, Visited& visited)
{
    if (!ValidSeason(season) || !ValidDay(day) || !visited.insert(this).second) return;
    const int count = GetMatchdayCount();
    const int previous = GetPreviousMatchday(season, day);
    if (previous < count && count != 0) {
        // A day already taken stays as it is. Linked competitions could
        // object by a linked or last day, but no class answers one.
        if (calendar_[season][day] != 0) return;
        calendar_[season][day] = static_cast<std::int8_t>(std::max(previous, 0) + 1);
        for (int d = day + 1; d < SeasonDays; ++d) {
            std::int8_t& entry = calendar_[season][d];
            if (entry != 0) entry = entry < count ? static_cast<std::int8_t>(entry + 1) : 0;
        }
        return;
    }
    for (int i = 0; i < LinkSlots; ++i) {
        CDBCompetition* follower = GetFollower(i);
        if (follower != nullptr && FollowsOwnLevel(*follower)) follower->AddMatchday(season, day, visited);
    }
}

void CDBCompetition::RemoveMatchday(int season, int day)
{
    Visited visited;
    RemoveMatchday(season, day, visited);
}

void CDBCompetition::RemoveMatchday(int season, int day, Visited& visited)
{
    if (!ValidSeason(season) || !ValidDay(day) || !visited.insert(this).second) return;
    if (calendar_[season][day] == 0) {
        for (int i = 0; i < LinkSlots; ++i) {
            CDBCompetition* follower = GetFollower(i);
            if (follower != nullptr && FollowsOwnLevel(*follower)) {
                follower->RemoveMatchday(season, day, visited);
                return;
            }
        }
        return;
    }
    calendar_[season][day] = 0;
    for (int d = day + 1; d < SeasonDays; ++d) {
        if (calendar_[season][d] != 0) --calendar_[season][d];
    }
}

std::uint32_t CDBCompetition::CheckConsistency(int season, int firstReserveTeamLevel) const
{
    return FollowerConsistency(season, firstReserveTeamLevel);
}

std::uint32_t CDBCompetition::FollowerConsistency(int season, int firstReserveTeamLevel) const
{
    // A follower chain that comes back here is answered once.
    static thread_local Visited walking;
    const CDBCompetition* follower = GetFollower(0);
    if (follower == nullptr || !walking.insert(follower).second) return 0;
    const std::uint32_t bits = follower->CheckConsistency(season, firstReserveTeamLevel);
    walking.erase(follower);
    return bits;
}

void CDBCompetition::FillDayCodes(int season, DayCodes& codes) const
{
    if (roundKind_ < 1 || !ValidSeason(season)) return;
    const std::uint32_t type = GetType();
    if (type == TypeQualiEc && season == 1) return;
    for (int d = 1; d < SeasonDays; ++d) {
        if (calendar_[season][d] == 0) continue;
        if (codes[d] == 34) codes[d] = 0;
        if (codes[d] != 0) continue;
        const auto kind = static_cast<std::uint32_t>(roundKind_);
        switch (type) {
        case TypeChampionsLeague: codes[d] = kind == 15 ? 31 : kind; break;
        case TypeUefaCup: codes[d] = kind == 15 ? 32 : kind; break;
        case TypeToyota: break;
        case TypeEuroSuperCup: codes[d] = 30; break;
        case TypeWorldClubChamp: codes[d] = 33; break;
        case TypeUic: codes[d] = 34; break;
        case TypeQualiWc: case TypeQualiEc: codes[d] = 29; break;
        case TypeWorldCup: case TypeEuroCup: if (season == 1) codes[d] = 29; break;
        default: codes[d] = kind; break;
        }
    }
}

std::uint32_t CDBCompetition::CheckInternationalClash(int season, const DayCodes& codes) const
{
    if (classKind_ != KindLeague || level_ > 0 || !ValidSeason(season)) return 0;
    for (int d = 1; d < SeasonDays; ++d) {
        if (codes[d] == 0 || codes[d] == 30) continue;
        if (HasMatchNear(season, d)) return ErrorInternationalClash;
    }
    return 0;
}

bool CDBCompetition::FileHasShortNames(std::uint32_t minorGate)
{
    return TDatabaseVersion::GetFileMajor() != 0 &&
           TDatabaseVersion::GetFileVersion() < MakeDatabaseVersion(0x2006, minorGate);
}

// A line where the short names belong may hold them unquoted, digits
// only, or be the record's first value, written without the short-names
// line. The record's shape tells the two apart: its values begin with
// leadingNumbers numbers and then a line that is none, so the line is the
// first value only when exactly that many numbers follow the names.
void CDBCompetition::ReadNames(CIndexTextFile& file, bool shortNamesLine, int leadingNumbers)
{
    file.ReadQuotedStrings(&names_[0][0], NameCapacity);
    if (shortNamesLine && CountNumberLines(file, leadingNumbers + 1) != leadingNumbers) ReadValueText(file);
}

bool CDBCompetition::WriteNames(CIndexTextFile& file) const
{
    return file.WriteQuotedStrings(&names_[0][0], 6, NameCapacity);
}

void CDBCompetition::ReadCommon(CIndexTextFile& file)
{
    file.ReadInt8(dayGroup_);
    const std::uint16_t major = TDatabaseVersion::GetFileMajor();
    if (major < 0x2003 || major >= 0x2006) file.ReadInt8(level_);
    const auto own = static_cast<std::uint8_t>(GetCountryId());
    ParseReferenceList(ReadValueText(file), own, sources_);
    ParseReferenceList(ReadValueText(file), own, followers_);
    ruleListIndex_ = ReadTeamRules(GetTeamRuleStore(), file, own);
}

bool CDBCompetition::WriteCommon(CIndexTextFile& file, std::int32_t countryOverride) const
{
    return file.WriteInt32(dayGroup_) && file.WriteInt32(level_) &&
           file.WriteLine(FormatReferenceList(sources_, countryOverride)) &&
           file.WriteLine(FormatReferenceList(followers_, countryOverride)) &&
           WriteTeamRules(GetTeamRuleStore(), ruleListIndex_, file);
}

void CDBCompetition::Read(CIndexTextFile& file) { ReadCommon(file); }

bool CDBCompetition::Write(CIndexTextFile& file, std::int32_t countryOverride) const
{
    return WriteCommon(file, countryOverride);
}

void CDBCompetition::WriteHeadBlock(CMasterWriter& writer, std::uint16_t tag) const
{
    writer.WriteU32(id_);
    writer.WriteU16(tag);
    for (const auto& name : names_) writer.WriteString(name);
}

void CDBCompetition::WriteCommonBlock(CMasterWriter& writer) const
{
    writer.WriteU8(dayGroup_);
    writer.WriteI8(level_);
    for (const auto* ids : {&sources_, &followers_}) {
        const int count = LinkCount(*ids);
        writer.WriteU32(static_cast<std::uint32_t>(count));
        writer.WriteU32Array(ids->data(), static_cast<std::size_t>(count));
    }
    WriteRuleBlocks(GetTeamRuleStore(), ruleListIndex_, writer);
    writer.WriteU32(0x504D4F43);
}

void CDBCompetition::WriteBlock(CMasterWriter& writer) const
{
    WriteHeadBlock(writer, static_cast<std::uint16_t>(classKind_));
    WriteCommonBlock(writer);
}

std::u16string CDBCompetition::FormatDayList(int season) const
{
    std::u16string text;
    int scheduled = 0;
    for (int d = 0; d < SeasonDays; ++d) {
        if (calendar_[season][d] == 0) continue;
        text += Format(u"%d,", d);
        ++scheduled;
    }
    for (int m = scheduled; m < GetMatchdayCount(); ++m) text += u"0,";
    if (!text.empty()) text.pop_back();
    return text;
}

// The days a season holds already count: an older layout's season-1 line
// and a "MATCHDAYS2" section add to the same season, which a save writes
// on one line that is read with the same limit.
void CDBCompetition::ParseDayList(int season, std::u16string_view text, int maxCount)
{
    int given = static_cast<int>(std::count_if(calendar_[season].begin(), calendar_[season].end(),
                                               [](std::int8_t entry) { return entry != 0; }));
    while (!text.empty() && given < maxCount) {
        const std::int32_t day = ParseLeadingInt(text);
        if (day >= 1 && day <= 364) calendar_[season][day] = static_cast<std::int8_t>(++given);
        const std::size_t comma = text.find(u',');
        if (comma == std::u16string_view::npos) break;
        text.remove_prefix(comma + 1);
    }
}

void CDBCompetition::WriteDayBlock(CMasterWriter& writer) const
{
    const int count = GetMatchdayCount();
    for (int season = 0; season < 2; ++season) {
        int written = 0;
        for (int d = 0; d < SeasonDays && written < count; ++d) {
            if (calendar_[season][d] == 0) continue;
            writer.WriteU16(static_cast<std::uint16_t>(d));
            ++written;
        }
        for (; written < count; ++written) writer.WriteU16(0);
    }
}

void CDBCompetition::ShiftOldSecondSeason()
{
    if (TDatabaseVersion::GetFileMajor() != 0x2007 || TDatabaseVersion::IsVersionAtLeast(0x2007, 12)) return;
    auto& days = calendar_[1];
    std::copy_backward(days.begin(), days.end() - 1, days.end());
    days[0] = 0;
}

void CDBCompetition::ReadSeasonSections(CIndexTextFile& file, int maxCount, bool scheduleEmpty)
{
    calendar_ = {};
    if (file.FindNestedSection(u"MATCHDAYS")) {
        const char16_t* next = file.PeekLine();
        if (next != nullptr && !std::u16string_view(next).starts_with(CIndexTextFile::SectionEndPrefix)) {
            ParseDayList(0, ReadValueText(file), maxCount);
            next = file.PeekLine();
            if (next != nullptr && ParseLeadingInt(next) > 0) {
                ParseDayList(1, ReadValueText(file), maxCount);
                ShiftOldSecondSeason();
            }
        } else if (scheduleEmpty) {
            for (int k = 1; k <= maxCount && 1 + 5 * (k - 1) < SeasonDays; ++k) {
                calendar_[0][1 + 5 * (k - 1)] = static_cast<std::int8_t>(k);
            }
        }
        file.FindSectionEnd(u"MATCHDAYS");
    }
    bool secondRead = false;
    if (file.FindNestedSection(u"MATCHDAYS2")) {
        const char16_t* next = file.PeekLine();
        if (next != nullptr && !std::u16string_view(next).starts_with(CIndexTextFile::SectionEndPrefix)) {
            ParseDayList(1, ReadValueText(file), maxCount);
            ShiftOldSecondSeason();
            secondRead = true;
        }
        file.FindSectionEnd(u"MATCHDAYS2");
    }
    if (!secondRead && std::all_of(calendar_[1].begin(), calendar_[1].end(), [](std::int8_t e) { return e == 0; })) {
        calendar_[1] = calendar_[0];
    }
}

bool CDBCompetition::WriteSeasonSections(CIndexTextFile& file) const
{
    return file.WriteSectionBegin(u"MATCHDAYS") && file.WriteLine(FormatDayList(0)) &&
           file.WriteSectionEnd(u"MATCHDAYS") && file.WriteSectionBegin(u"MATCHDAYS2") &&
           file.WriteLine(FormatDayList(1)) && file.WriteSectionEnd(u"MATCHDAYS2");
}

void UnlinkCompetition(CDBCompetition& competition)
{
    CDBCompetition* previous = competition.GetPrevious();
    CDBCompetition* next = competition.GetNext();
    if (previous != nullptr) previous->SetNext(next != nullptr ? next->GetId() : 0);
    if (next != nullptr) next->SetPrevious(previous != nullptr ? previous->GetId() : 0);
    competition.SetPrevious(0);
    competition.SetNext(0);
    for (int i = 0; i < LinkSlots; ++i) {
        CDBCompetition* source = competition.GetSource(i);
        if (source == nullptr) break;
        source->RemoveFollower(competition.GetId());
    }
    for (int i = 0; i < LinkSlots; ++i) {
        CDBCompetition* follower = competition.GetFollower(i);
        if (follower == nullptr) break;
        follower->RemoveSource(competition.GetId());
    }
}

void DeleteCompetition(CDBCompetition* competition)
{
    if (competition == nullptr) return;
    UnlinkCompetition(*competition);
    std::unique_ptr<CDBCompetitionBase> owned = competition->GetRegistry().Take(competition);
}

bool HasMatchNearInChain(const CDBCompetition* competition, int season, int day)
{
    std::set<const CDBCompetition*> visited;
    for (; competition != nullptr && visited.insert(competition).second; competition = competition->GetFollower(0)) {
        if (competition->HasMatchNear(season, day)) return true;
    }
    return false;
}

void CDBCompetition::SetSettings(const SettingsBlock& block)
{
    std::copy(block.begin() + 56, block.end(), settings_.begin());
}

void CDBCompetition::GetSettings(SettingsBlock& block) const
{
    std::copy(settings_.begin(), settings_.end(), block.begin() + 56);
}
