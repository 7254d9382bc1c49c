#include "tools/DatabaseProblemTool.h"

#include <array>
#include <string_view>
#include <vector>

#include "competition/Competition.h"
#include "competition/CompetitionId.h"
#include "core/text/Format.h"
#include "core/text/TextManager.h"
#include "core/text/TextTools.h"
#include "database/club/Club.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/person/Person.h"

namespace {

constexpr int FirstCountryId = 1;
constexpr int LastVisitedCountryId = 206;
constexpr int LeagueSlots = 32;
constexpr int FaCupSlots = 4;
constexpr int LanguageCount = 6;
constexpr std::size_t LeagueLineCapacity = 256;
constexpr int MinimumNameLength = 3;
constexpr std::uint32_t ClubIdMask = 0xFEFFFFFF;

const char16_t* Text(TextKey key) { return CTextManager::Instance()->GetText(key); }

bool IsShorterThan(const char16_t* text, int length)
{
    return std::u16string_view(text).size() < static_cast<std::size_t>(length);
}

template <typename Get>
bool AnyLanguage(Get get)
{
    for (int language = 0; language < LanguageCount; ++language) {
        if (get(language)) return true;
    }
    return false;
}

bool SameAppearance(const TPerson& a, const TPerson& b)
{
    return a.GetFace() == b.GetFace() && a.GetHairColour() == b.GetHairColour() &&
           a.GetHairstyle() == b.GetHairstyle() && a.GetFacialHair() == b.GetFacialHair() &&
           a.GetFaceId() == b.GetFaceId();
}

bool StartsWithAny(std::u16string_view text, std::initializer_list<std::u16string_view> prefixes)
{
    for (std::u16string_view prefix : prefixes) {
        if (text.starts_with(prefix)) return true;
    }
    return false;
}

bool IsPlaceholderName(const TPerson& person)
{
    return StartsWithAny(person.GetLastName(), {u"Nachname", u"Last", u"Nom", u"Cognome", u"Apellido"}) &&
           StartsWithAny(person.GetFirstName(), {u"Vorname", u"Pr\u00e9nom", u"Nome", u"Nombre", u"First"});
}

bool HasUnsupportedName(const TPerson& person)
{
    return !IsGameCodepageText(person.GetFirstName()) || !IsGameCodepageText(person.GetLastName()) ||
           !IsGameCodepageText(person.GetPseudonym()) || !IsGameCodepageText(person.GetNickname());
}

std::vector<const TPerson*> SquadPlayers(const TClub& club)
{
    std::vector<const TPerson*> players;
    for (int slot = 0; slot < club.GetSquadCount(); ++slot) {
        const TPerson* person = club.GetSquadPerson(slot);
        if (person != nullptr && person->IsPlayer()) players.push_back(person);
    }
    return players;
}

void CheckPositionGroups(const std::vector<const TPerson*>& players, ProblemEntry& entry)
{
    std::array<int, 5> groups{};
    for (const TPerson* person : players) {
        const int group = person->GetPositionGroup();
        if (group >= 1 && group <= 4) ++groups[static_cast<std::size_t>(group)];
    }
    if (groups[1] < 2) AppendProblemText(entry, ReportType::Warning, Text(u"DatabaseProblemTool.LessTwoGoalie"_tk));
    if (groups[2] < 3) AppendProblemText(entry, ReportType::Warning, Text(u"DatabaseProblemTool.LessThreeDefender"_tk));
    if (groups[3] < 3) AppendProblemText(entry, ReportType::Warning, Text(u"DatabaseProblemTool.LessThreeMidfield"_tk));
    if (groups[4] < 3) AppendProblemText(entry, ReportType::Warning, Text(u"DatabaseProblemTool.LessThreeAttacker"_tk));
}

void CheckAppearances(const std::vector<const TPerson*>& players, ProblemEntry& entry)
{
    for (std::size_t i = 0; i < players.size(); ++i) {
        for (std::size_t j = i + 1; j < players.size(); ++j) {
            if (!SameAppearance(*players[i], *players[j])) continue;
            const std::u16string line = ReplaceTokens(Text(u"DatabaseProblemTool.SameAppearance"_tk),
                                                      {{u"_PLAYER_NAME1", TPerson::GetShortName(players[i])},
                                                       {u"_PLAYER_NAME2", TPerson::GetShortName(players[j])}});
            AppendProblemText(entry, ReportType::Warning, line.c_str());
        }
    }
}

bool HasNoAppearanceChoice(const TCountry& country)
{
    const std::uint32_t* face = country.GetFaceMask();
    const std::uint32_t* hairstyle = country.GetHairstyleMask();
    return (face[0] | face[1] | face[2] | face[3]) == 0 || (hairstyle[0] | hairstyle[1]) == 0 ||
           country.GetFacialHairMask() == 0 || country.GetHairColourMask() == 0;
}

std::vector<const CDBCompetitionBase*> NamedCompetitions(const TCompetitionRegistry& registry, std::uint32_t country)
{
    std::vector<const CDBCompetitionBase*> competitions;
    auto take = [&](std::uint32_t type, int slots) {
        for (int slot = 0; slot < slots; ++slot) {
            const CDBCompetitionBase* competition =
                registry.Get(MakeCompetitionId(country, type, static_cast<std::uint32_t>(slot)));
            if (competition != nullptr) competitions.push_back(competition);
        }
    };
    take(TypeLeague, LeagueSlots);
    take(TypeFaCup, FaCupSlots);
    take(TypeSuperCup, 1);
    return competitions;
}

std::u16string SeasonText(int season)
{
    return Format(u"%04d/%04d", 2007 + season, 2008 + season);
}

}  // namespace

void AppendProblemText(ProblemEntry& entry, int severity, const char16_t* text)
{
    if (text == nullptr) return;
    if (!entry.text.empty()) entry.text += u"\r\n";
    entry.text += text;
    if (severity > entry.severity) entry.severity = severity;
}

void CDatabaseProblemTool::Run(CReportModel& report)
{
    report.SetTitle(Text(u"DatabaseProblemTool.Title"_tk));
    report.SetProgressRange(0, ProgressRange);
    report.SetProgressPos(0);
    if (!RunCountries(report) || !RunClubs(report) || !RunPlayers(report)) return;
    report.RemoveEmptyCategories();
    report.SortAlphabetically();
}

bool CDatabaseProblemTool::RunCountries(CReportModel& report)
{
    const ReportEntryHandle category = report.AddCategory(0, Text(u"Common.Country"_tk));
    ProblemEntry entry;
    for (int id = FirstCountryId; id <= LastVisitedCountryId; ++id) {
        report.StepProgress(1);
        if (TCountry* country = world_.GetCountry(id)) {
            entry.Reset();
            CheckCountryCompetitions(*country, entry);
            if (entry.severity != ReportType::Success)
                report.AddEntry(category, entry.severity, country->GetName(), entry.text);
        }
        if (report.IsCloseRequested()) return false;
    }
    return true;
}

bool CDatabaseProblemTool::RunClubs(CReportModel& report)
{
    const ReportEntryHandle root = report.AddCategory(0, Text(u"Common.Club"_tk));
    ProblemEntry entry;
    for (int id = FirstCountryId; id <= LastVisitedCountryId; ++id) {
        report.StepProgress(1);
        const TCountry* country = world_.GetCountry(id);
        if (country == nullptr) continue;
        const ReportEntryHandle category = report.AddCategory(root, country->GetName());
        for (int index = 0; index < country->GetClubCount(); ++index) {
            if (const TClub* club = country->GetClubByIndex(index)) {
                entry.Reset();
                CheckClub(*club, entry);
                if (entry.severity != ReportType::Success)
                    report.AddEntry(category, entry.severity, club->GetName(), entry.text);
            }
            if (report.IsCloseRequested()) return false;
        }
    }
    return true;
}

bool CDatabaseProblemTool::RunPlayers(CReportModel& report)
{
    const ReportEntryHandle root = report.AddCategory(0, Text(u"Player.Type.Player"_tk));
    ProblemEntry entry;
    for (int id = FirstCountryId; id <= LastVisitedCountryId; ++id) {
        report.StepProgress(1);
        const TCountry* country = world_.GetCountry(id);
        if (country == nullptr) continue;
        const ReportEntryHandle countryCategory = report.AddCategory(root, country->GetName());
        for (int index = 0; index < country->GetClubCount(); ++index) {
            const TClub* club = country->GetClubByIndex(index);
            if (club == nullptr) continue;
            const ReportEntryHandle category = report.AddCategory(countryCategory, club->GetName());
            for (int slot = 0; slot < club->GetSquadCount(); ++slot) {
                const TPerson* person = club->GetSquadPerson(slot);
                if (person == nullptr) continue;
                entry.Reset();
                CheckPlayer(*club, *person, entry);
                if (entry.severity != ReportType::Success)
                    report.AddEntry(category, entry.severity, TPerson::GetShortName(person), entry.text);
            }
            if (report.IsCloseRequested()) return false;
        }
    }
    return true;
}

void CDatabaseProblemTool::AddLeagueProblem(ProblemEntry& entry, std::u16string_view league,
                                            std::u16string_view season, const char16_t* errorText)
{
    const char16_t* pattern = season.empty() ? Text(u"DatabaseProblemTool.LeagueFormat"_tk)
                                             : Text(u"DatabaseProblemTool.LeagueSeasonFormat"_tk);
    std::u16string line =
        ReplaceTokens(pattern, {{u"_LEAGUE", league}, {u"_SEASON", season}, {u"_ERROR", errorText}});
    if (line.size() >= LeagueLineCapacity) line.resize(LeagueLineCapacity - 1);
    AppendProblemText(entry, ReportType::Error, line.c_str());
}

void CDatabaseProblemTool::CheckLeagueCalendars(TCountry& country, ProblemEntry& entry) const
{
    const TCompetitionRegistry& registry = world_.GetCompetitions();
    const std::uint32_t countryId = static_cast<std::uint32_t>(country.GetId());
    for (int slot = 0; slot < LeagueSlots; ++slot) {
        const auto* league = dynamic_cast<const CDBCompetition*>(
            registry.Get(MakeCompetitionId(countryId, TypeLeague, static_cast<std::uint32_t>(slot))));
        if (league == nullptr) continue;
        const std::u16string name = league->GetName();
        for (int season = 0; season <= 1; ++season) {
            TSeasonDayCodes days{};
            country.GetSeasonCalendar(season, days);
            const std::uint32_t bits = league->CheckConsistency(season, country.GetFirstReserveTeamLevel()) |
                                       league->CheckInternationalClash(season, days);
            const std::u16string seasonText = SeasonText(season);
            if (season == 0 && (bits & ErrorFixturelist) != 0)
                AddLeagueProblem(entry, name, {}, Text(u"Dialog.Calendar.ErrorFixturelist"_tk));
            if ((bits & ErrorMatchdays) != 0)
                AddLeagueProblem(entry, name, seasonText, Text(u"Dialog.Calendar.ErrorFixturelist"_tk));
            if (season == 0 && (bits & ErrorNotEnoughTeams) != 0)
                AddLeagueProblem(entry, name, {}, Text(u"Dialog.Calendar.ErrorNotEnoughTeams"_tk));
            if (season == 0 && (bits & ErrorReserveTeamsInLeague) != 0)
                AddLeagueProblem(entry, name, {}, Text(u"Dialog.Calendar.ErrorReserveTeamsInLeague"_tk));
            if ((bits & ErrorInternationalClash) != 0)
                AddLeagueProblem(entry, name, seasonText, Text(u"Dialog.Calendar.ErrorInternationalClash"_tk));
        }
    }
}

void CDatabaseProblemTool::CheckCountryCompetitions(TCountry& country, ProblemEntry& entry) const
{
    CheckLeagueCalendars(country, entry);
    if (HasNoAppearanceChoice(country))
        AppendProblemText(entry, ReportType::Error, Text(u"DatabaseProblemTool.NoYouthplayer"_tk));
    for (const CDBCompetitionBase* competition :
         NamedCompetitions(world_.GetCompetitions(), static_cast<std::uint32_t>(country.GetId()))) {
        if (!AnyLanguage([&](int language) { return !IsGameCodepageText(competition->GetNameInLanguage(language)); }))
            continue;
        const std::u16string line =
            ReplaceTokens(Text(u"DatabaseProblemTool.UnsupportedCharCompetition"_tk), {{u"_NAME", competition->GetName()}});
        AppendProblemText(entry, ReportType::Warning, line.c_str());
    }
}

bool CDatabaseProblemTool::IsDanglingClub(std::uint32_t id) const
{
    return TeamCountry(id) != 0 && world_.GetClub(id) == nullptr;
}

void CDatabaseProblemTool::CheckClub(const TClub& club, ProblemEntry& entry) const
{
    // Staff carry positions too, so only players make up the squad here.
    const std::vector<const TPerson*> players = SquadPlayers(club);
    const std::size_t count = players.size();
    if (count > 2 && count < 14) AppendProblemText(entry, ReportType::Warning, Text(u"DatabaseProblemTool.ClubLess14"_tk));
    if (count >= 11) CheckPositionGroups(players, entry);
    CheckAppearances(players, entry);
    for (int rival = 0; rival < 4; ++rival) {
        if (!IsDanglingClub(club.GetRival(rival))) continue;
        AppendProblemText(entry, ReportType::Warning, Text(u"DatabaseProblemTool.InvalidRival"_tk));
        break;
    }
    if (IsDanglingClub(club.GetPartnerClub()))
        AppendProblemText(entry, ReportType::Warning, Text(u"DatabaseProblemTool.InvalidFriendship"_tk));
    if (AnyLanguage([&](int language) { return IsShorterThan(club.GetNameForLanguage(language), MinimumNameLength); }))
        AppendProblemText(entry, ReportType::Error, Text(u"DatabaseProblemTool.InvalidClubLocale"_tk));
    if (!IsNationalTeamId(club.GetId()) &&
        AnyLanguage([&](int language) { return IsShorterThan(club.GetTownForLanguage(language), MinimumNameLength); }))
        AppendProblemText(entry, ReportType::Error, Text(u"DatabaseProblemTool.InvalidTown"_tk));
    if (AnyLanguage([&](int language) {
            return !IsGameCodepageText(club.GetNameForLanguage(language)) ||
                   !IsGameCodepageText(club.GetTownForLanguage(language));
        }))
        AppendProblemText(entry, ReportType::Warning, Text(u"DatabaseProblemTool.UnsupportedCharClub"_tk));
}

void CDatabaseProblemTool::CheckPlayer(const TClub& club, const TPerson& person, ProblemEntry& entry) const
{
    if (person.IsPlayer()) {
        const int state = person.GetTransferState();
        const bool badTransferClub = TeamCountry(person.GetTransferClub()) == 0 || world_.GetClub(person.GetTransferClub()) == nullptr;
        if ((state == 4 || state == 6) && badTransferClub)
            AppendProblemText(entry, ReportType::Error, Text(u"DatabaseProblemTool.InvalidLoanClub"_tk));
        if (state == 5 && badTransferClub)
            AppendProblemText(entry, ReportType::Error, Text(u"DatabaseProblemTool.InvalidSellClub"_tk));
        CheckHistory(club, person, entry);
        if (person.GetBirthDate() == TDate(1980, 1, 1))
            AppendProblemText(entry, ReportType::Warning, Text(u"DatabaseProblemTool.InvalidPlayerBirth"_tk));
        if (IsPlaceholderName(person))
            AppendProblemText(entry, ReportType::Warning, Text(u"DatabaseProblemTool.DefaultPlayerName"_tk));
    }
    if (HasUnsupportedName(person))
        AppendProblemText(entry, ReportType::Error, Text(u"DatabaseProblemTool.UnsupportedCharPlayer"_tk));
}

void CDatabaseProblemTool::CheckHistory(const TClub& club, const TPerson& person, ProblemEntry& entry) const
{
    int latest = -1;
    bool unknownClubSeen = false;
    for (int index = 0; index < person.GetHistoryCount(); ++index) {
        const THistoryEntry& station = person.GetHistoryEntry(index);
        if (!unknownClubSeen && station.clubId != 0 && world_.GetClub(station.clubId) == nullptr) {
            unknownClubSeen = true;
            AppendProblemText(entry, ReportType::Warning, Text(u"DatabaseProblemTool.InvalidHistoryClub"_tk));
        }
        if (latest < 0 || station.end > person.GetHistoryEntry(latest).end) latest = index;
    }
    if (latest < 0) return;
    const THistoryEntry& last = person.GetHistoryEntry(latest);
    if (last.end < TDate(2007, 6, 30) && !last.IsRunning())
        AppendProblemText(entry, ReportType::Warning, Text(u"DatabaseProblemTool.InvalidHistoryDate"_tk));
    if ((last.clubId & ClubIdMask) != (club.GetId() & ClubIdMask) && person.GetYearJoined() < 2007)
        AppendProblemText(entry, ReportType::Warning, Text(u"DatabaseProblemTool.HistoryNotSameClub"_tk));
}
