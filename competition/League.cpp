#include "competition/League.h"

#include <algorithm>
#include <cstring>

#include "competition/CompetitionId.h"
#include "competition/FixtureCreator.h"
#include "competition/Keywords.h"
#include "core/text/Format.h"
#include "core/files/IndexTextFile.h"
#include "database/world/DatabaseVersion.h"
#include "database/world/GameIdMaps.h"
#include "database/export/MasterWriter.h"

namespace {


bool SectionHasValue(CIndexTextFile& file)
{
    const char16_t* next = file.PeekLine();
    return next != nullptr && !std::u16string_view(next).starts_with(u"%INDEX");
}

std::uint32_t ParseHex(std::u16string_view text)
{
    std::uint32_t value = 0;
    for (char16_t c : text) {
        if (c >= u'0' && c <= u'9') value = value * 16 + (c - u'0');
        else if (c >= u'a' && c <= u'f') value = value * 16 + (c - u'a' + 10);
        else if (c >= u'A' && c <= u'F') value = value * 16 + (c - u'A' + 10);
    }
    return value;
}

}  // namespace

int MatchdayCountFormula(int teams, int rounds) { return (((teams + 1) & ~1) - 1) * rounds; }

void CDBFixturelist::Allocate(int matchesPerMatchday, int matchdays)
{
    perMatchday_ = std::max(matchesPerMatchday, 0);
    matchdays_ = std::max(matchdays, 0);
    cells_.assign(static_cast<std::size_t>(perMatchday_) * matchdays_ * 2, 0);
}

void CDBFixturelist::SetMatch(int matchday, int slot, std::uint8_t home, std::uint8_t away)
{
    if (matchday < 0 || matchday >= matchdays_ || slot < 0 || slot >= perMatchday_) return;
    const std::size_t at = (static_cast<std::size_t>(matchday) * perMatchday_ + slot) * 2;
    cells_[at] = home;
    cells_[at + 1] = away;
}

void CDBFixturelist::GetMatch(int matchday, int slot, std::uint8_t& home, std::uint8_t& away) const
{
    if (matchday < 0 || matchday >= matchdays_ || slot < 0 || slot >= perMatchday_) return;
    const std::size_t at = (static_cast<std::size_t>(matchday) * perMatchday_ + slot) * 2;
    home = cells_[at];
    away = cells_[at + 1];
}

bool CDBFixturelist::IsValid(int teamCount) const
{
    if (teamCount >= 1 && perMatchday_ == 0) return false;
    return std::all_of(cells_.begin(), cells_.end(), [teamCount](std::uint8_t p) { return p >= 1 && p <= teamCount; });
}

std::uint32_t CDBLeagueBase::GetTeamSlot(int index) const
{
    return index >= 0 && index < MaxTeams ? teamIds_[index] : 0;
}

int CDBLeagueBase::IndexOfTeam(std::uint32_t team) const
{
    const auto end = teamIds_ + enteredCount_;
    const auto found = std::find(teamIds_, end, team);
    return found == end ? -1 : static_cast<int>(found - teamIds_);
}

bool CDBLeagueBase::AddTeam(std::uint32_t team)
{
    if ((team & 0xFFFF) == 0 || enteredCount_ >= teamCount_ || enteredCount_ >= MaxTeams) return false;
    if (IndexOfTeam(team) == -1) teamIds_[enteredCount_++] = team;
    return true;
}

bool CDBLeagueBase::RemoveTeam(std::uint32_t team)
{
    const int at = IndexOfTeam(team);
    if (at < 0) return true;
    std::copy(teamIds_ + at + 1, teamIds_ + enteredCount_, teamIds_ + at);
    teamIds_[--enteredCount_] = 0;
    return true;
}

int CDBLeagueBase::GetReserveTeamCount() const
{
    return static_cast<int>(
        std::count_if(teamIds_, teamIds_ + enteredCount_, [](std::uint32_t id) { return (id & ReserveTeamBit) != 0; }));
}

std::uint32_t CDBLeagueBase::CheckConsistency(int season, int firstReserveTeamLevel) const
{
    const CDBCompetition* source = GetSource(0);
    const bool poolFills = source != nullptr && (source->GetKind() != KindPool || source->GetSource(0) != nullptr);
    if (!poolFills && teamCount_ != enteredCount_) return ErrorNotEnoughTeams;
    const std::uint32_t country = GetCountryId();
    if (country >= 2 && country <= 206 && level_ < firstReserveTeamLevel && GetReserveTeamCount() > 0) {
        return ErrorReserveTeamsInLeague;
    }
    return FollowerConsistency(season, firstReserveTeamLevel);
}

void CDBLeagueBase::ReadLeagueData(CIndexTextFile& file)
{
    file.ReadInt8(leagueFlags_);
    if (TDatabaseVersion::IsVersionAtLeast(0x2007, 14)) {
        file.ReadInt8(leagueValue1_);
        file.ReadInt8(leagueValue2_);
    }
    file.ReadInt32(leagueDataA_);
    file.ReadInt32(leagueDataB_);
}

bool CDBLeagueBase::WriteLeagueData(CIndexTextFile& file) const
{
    return file.WriteInt32(leagueFlags_) && file.WriteInt32(leagueValue1_) && file.WriteInt32(leagueValue2_) &&
           file.WriteInt32(static_cast<std::int32_t>(leagueDataA_)) &&
           file.WriteInt32(static_cast<std::int32_t>(leagueDataB_));
}

void CDBLeagueBase::WriteLeagueDataBlock(CMasterWriter& writer) const
{
    writer.WriteU8(leagueFlags_);
    writer.WriteI8(leagueValue1_);
    writer.WriteI8(leagueValue2_);
    writer.WriteU32(leagueDataA_);
    writer.WriteU32(leagueDataB_);
}

CDBLeague::CDBLeague(std::uint32_t id, std::uint32_t ownerId, TCompetitionRegistry& registry)
    : CDBLeagueBase(id, KindLeague, ownerId, registry)
{
    roundKind_ = 10;
    ResetFixtureTable();
}

int CDBLeague::GetMatchdayCount() const { return MatchdayCountFormula(teamCount_, rounds_); }

void CDBLeague::ResetFixtureTable() { fixtures_.Allocate(teamCount_ / 2, GetMatchdayCount()); }

void CDBLeague::SetTeamsAndRounds(int teams, int rounds)
{
    teams = std::clamp(teams, 0, MaxTeams);
    rounds = std::clamp(rounds, 1, 4);
    if (MatchdayCountFormula(teams, rounds) > 46) rounds = 2;
    if (MatchdayCountFormula(teams, rounds) > 127) rounds = 1;
    const bool changed = teams != teamCount_ || rounds != rounds_;
    rounds_ = static_cast<std::int8_t>(rounds);
    if (!changed) return;
    teamCount_ = teams;
    ResetFixtureTable();
}

std::uint32_t CDBLeague::CheckConsistency(int season, int firstReserveTeamLevel) const
{
    std::uint32_t bits = fixtures_.IsValid(PositionsInUse()) ? 0u : static_cast<std::uint32_t>(ErrorFixturelist);
    if (GetLastMatchday(season) != GetMatchdayCount()) bits |= ErrorMatchdays;
    return bits | CDBLeagueBase::CheckConsistency(season, firstReserveTeamLevel);
}

void CDBLeague::Read(CIndexTextFile& file)
{
    // The team count and the level, then the relegation rule.
    ReadNames(file, FileHasShortNames(1), 2);
    std::int32_t rounds = 0;
    file.ReadInt32(teamCount_);
    file.ReadInt8(level_);
    relegationRule_ = static_cast<std::uint8_t>(ParseKeywordFlags(ReadValueText(file), RelegationRuleTable));
    file.ReadInt8(leagueOption_);
    file.ReadInt32(rounds);
    roundKind_ = static_cast<std::int8_t>(LookupKeyword(ReadValueText(file), RoundKindTable));
    file.ReadInt8(attendanceMultiplier_);
    file.ReadInt8(transferMultiplier_);
    // Sizes beyond the team list or a calendar byte are brought into range.
    const int teams = std::clamp(teamCount_, 0, MaxTeams);
    int keptRounds = std::clamp(rounds, 1, 4);
    if (MatchdayCountFormula(teams, keptRounds) > 127) keptRounds = 1;
    repaired_ = teams != teamCount_ || keptRounds != rounds;
    teamCount_ = teams;
    rounds_ = static_cast<std::int8_t>(keptRounds);
    ResetFixtureTable();
    ReadTeams(file);
    ReadSeasonSections(file, GetMatchdayCount(), true);
    // The writer writes the section for every league, one without teams
    // too: it is read past whatever the matchday count.
    ReadFixtures(file);
    for (int i = 0; i < 4; ++i) file.ReadInt32(settings_[i]);
    ReadLeagueData(file);
    ReadCommon(file);
}

void CDBLeague::ReadTeams(CIndexTextFile& file)
{
    if (!file.FindNestedSection(u"TEAMS")) return;
    std::u16string line = SectionHasValue(file) ? ReadValueText(file) : std::u16string();
    if (line.find_first_not_of(u" \t") != std::u16string::npos) {
        enteredCount_ = 0;
        std::u16string_view rest = line;
        while (enteredCount_ < teamCount_) {
            const std::size_t comma = rest.find(u',');
            AddTeam(ParseHex(rest.substr(0, comma)));
            if (comma == std::u16string_view::npos) break;
            rest.remove_prefix(comma + 1);
        }
    } else if (fillEmptyTeams_) {
        enteredCount_ = 0;
        for (int n = 1; n <= teamCount_; ++n) AddTeam((GetCountryId() << 16) | static_cast<std::uint32_t>(n));
    }
    file.FindSectionEnd(u"TEAMS");
}

void CDBLeague::ReadFixtures(CIndexTextFile& file)
{
    if (!file.FindNestedSection(u"FIXTURE")) return;
    const int rows = fixtures_.GetMatchdayCount();
    const int slots = fixtures_.GetMatchesPerMatchday();
    int row = 0;
    for (; row < rows && SectionHasValue(file); ++row) {
        const std::u16string line = ReadValueText(file);
        // Numbers with whether a comma follows each.
        std::vector<std::pair<std::int32_t, bool>> numbers;
        for (std::u16string_view rest = line;;) {
            const std::size_t comma = rest.find(u',');
            if (rest.find_first_not_of(u" \t,") < comma) numbers.emplace_back(ParseLeadingInt(rest), comma != rest.npos);
            if (comma == rest.npos) break;
            rest.remove_prefix(comma + 1);
        }
        for (int slot = 0; slot < slots && 2 * static_cast<std::size_t>(slot) + 1 < numbers.size(); ++slot) {
            const auto& away = numbers[2 * static_cast<std::size_t>(slot) + 1];
            if (!away.second && slot + 1 < slots) break;
            fixtures_.SetMatch(row, slot, static_cast<std::uint8_t>(numbers[2 * static_cast<std::size_t>(slot)].first),
                               static_cast<std::uint8_t>(away.first));
        }
    }
    if (row < rows) FillFromCreator();
    file.FindSectionEnd(u"FIXTURE");
}

void CDBLeague::FillFromCreator()
{
    ResetFixtureTable();
    CFixtureCreator creator;
    creator.Create(teamCount_, rounds_);
    for (int day = 0; day < fixtures_.GetMatchdayCount(); ++day) {
        for (int slot = 0; slot < fixtures_.GetMatchesPerMatchday(); ++slot) {
            fixtures_.SetMatch(day, slot, static_cast<std::uint8_t>(creator.GetHome(day, slot) + 1),
                               static_cast<std::uint8_t>(creator.GetAway(day, slot) + 1));
        }
    }
}

bool CDBLeague::WriteTeams(CIndexTextFile& file) const
{
    // A club saved as none is no team: a load would read none from it.
    std::u16string line;
    for (int i = 0; i < enteredCount_; ++i) {
        const std::uint32_t team = GetGameIdMaps().GetSaveClubId(teamIds_[i]);
        if ((team & 0xFFFF) != 0) line += Format(u"%x,", team);
    }
    if (!line.empty()) line.pop_back();
    return file.WriteSectionBegin(u"TEAMS") && file.WriteLine(line) && file.WriteSectionEnd(u"TEAMS");
}

bool CDBLeague::WriteFixtures(CIndexTextFile& file) const
{
    bool ok = file.WriteSectionBegin(u"FIXTURE");
    for (int row = 0; row < fixtures_.GetMatchdayCount(); ++row) {
        std::u16string line;
        for (int slot = 0; slot < fixtures_.GetMatchesPerMatchday(); ++slot) {
            std::uint8_t home = 0;
            std::uint8_t away = 0;
            fixtures_.GetMatch(row, slot, home, away);
            if (slot > 0) line += u',';
            line += Format(u"%d,%d", home, away);
        }
        ok &= file.WriteLine(line);
    }
    return ok && file.WriteSectionEnd(u"FIXTURE");
}

bool CDBLeague::Write(CIndexTextFile& file, std::int32_t countryOverride) const
{
    bool ok = file.WriteLine(u"DB_LEAGUE") && file.WriteLine(FormatCompetitionRef(id_, countryOverride));
    ok &= WriteNames(file) && file.WriteInt32(teamCount_) && file.WriteInt32(level_);
    ok &= file.WriteLine(FormatKeywordFlags(relegationRule_, RelegationRuleTable));
    ok &= file.WriteInt32(leagueOption_) && file.WriteInt32(rounds_) && file.WriteLine(u"ROUND_GROUP1");
    ok &= file.WriteInt32(attendanceMultiplier_) && file.WriteInt32(transferMultiplier_) && file.WriteLine(u";");
    ok &= WriteTeams(file) && file.WriteLine(u";") && WriteSeasonSections(file) && file.WriteLine(u";");
    ok &= WriteFixtures(file);
    for (std::int32_t setting : settings_) ok &= file.WriteInt32(setting);
    return ok && WriteLeagueData(file) && WriteCommon(file, countryOverride);
}

void CDBLeague::WriteBlock(CMasterWriter& writer) const
{
    WriteHeadBlock(writer, 1);
    writer.WriteU32(static_cast<std::uint32_t>(teamCount_));
    writer.WriteI8(level_);
    writer.WriteU8(relegationRule_);
    writer.WriteU8(leagueOption_);
    writer.WriteI8(rounds_);
    writer.WritePercentFactor(attendanceMultiplier_);
    writer.WritePercentFactor(transferMultiplier_);
    writer.WriteU32(static_cast<std::uint32_t>(enteredCount_));
    for (int i = 0; i < enteredCount_; ++i) writer.WriteU32(GetGameIdMaps().GetExportClubId(teamIds_[i]));
    WriteDayBlock(writer);
    for (int row = 0; row < fixtures_.GetMatchdayCount(); ++row) {
        for (int slot = 0; slot < fixtures_.GetMatchesPerMatchday(); ++slot) {
            std::uint8_t home = 0;
            std::uint8_t away = 0;
            fixtures_.GetMatch(row, slot, home, away);
            writer.WriteU8(home);
            writer.WriteU8(away);
        }
    }
    for (std::int32_t setting : settings_) writer.WriteU32(static_cast<std::uint32_t>(setting));
    WriteLeagueDataBlock(writer);
    WriteCommonBlock(writer);
}
