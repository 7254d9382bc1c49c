#include "editors/country_club/model/competition/SeasonCalendarModel.h"

#include "competition/Competition.h"
#include "competition/CompetitionId.h"
#include "core/text/Format.h"
#include "database/country/Country.h"

namespace {

constexpr std::uint32_t FirstSeasonYear = 2007;
constexpr int Sunday = 6;
// Competition types after the league cups, in the order they join the grid.
constexpr std::uint32_t LateCupTypes[] = {6, 5, TypeSuperCup};

}  // namespace

SeasonCalendarModel::SeasonCalendarModel(TCountry& country) : country_(country)
{
    BuildColumns();
}

void SeasonCalendarModel::AddColumnIfPresent(std::uint32_t type, std::uint32_t index)
{
    const std::uint32_t id = MakeCompetitionId(static_cast<std::uint32_t>(country_.GetId()), type, index);
    if (GetColumnCount() < MaxColumns && country_.GetCompetitionRegistry().Get(id) != nullptr) columns_.push_back(id);
}

void SeasonCalendarModel::BuildColumns()
{
    columns_ = {0, 0};
    for (std::uint32_t index = 0; index < LeagueSlots; ++index) AddColumnIfPresent(TypeLeague, index);
    lastLeague_ = GetColumnCount() > FirstLeagueColumn ? GetColumnCount() - 1 : -1;
    AddColumnIfPresent(TypeFaCup, 0);
    for (std::uint32_t index = 0; index < LeagueCupSlots; ++index) AddColumnIfPresent(TypeLeagueCup, index);
    for (std::uint32_t type : LateCupTypes) AddColumnIfPresent(type, 0);
    columns_.push_back(MakeCompetitionId(static_cast<std::uint32_t>(country_.GetId()), TypeLeague, 0));
}

bool SeasonCalendarModel::SetCompareCountry(int countryId)
{
    const std::uint32_t id = MakeCompetitionId(static_cast<std::uint32_t>(countryId), TypeLeague, 0);
    if (GetCompetitionById(id) == nullptr) return false;
    columns_.back() = id;
    return true;
}

CDBCompetition* SeasonCalendarModel::GetColumnCompetition(int column) const
{
    if (column < 0 || column >= GetColumnCount() || columns_[static_cast<std::size_t>(column)] == 0) return nullptr;
    const std::uint32_t id = columns_[static_cast<std::size_t>(column)];
    if (CountryOfId(id) == static_cast<std::uint32_t>(country_.GetId())) {
        return dynamic_cast<CDBCompetition*>(country_.GetCompetitionRegistry().Get(id));
    }
    return GetCompetitionById(id);
}

TDate SeasonCalendarModel::GridStart(int season)
{
    TDate date(static_cast<int>(FirstSeasonYear) + season, 7, 1);
    while (date.GetWeekday() != Sunday) date += 1;
    return date;
}

std::u16string SeasonCalendarModel::SeasonText(int season)
{
    return Format(u"%04d/%04d", static_cast<int>(FirstSeasonYear) + season, static_cast<int>(FirstSeasonYear) + 1 + season);
}

std::u16string SeasonCalendarModel::CellText(int day, int column) const
{
    if (column < FirstLeagueColumn || column >= GetColumnCount() || columns_[static_cast<std::size_t>(column)] == 0) return {};
    const CDBCompetition* competition = GetColumnCompetition(column);
    if (competition == nullptr) return u"-";
    const int matchday = competition->GetMatchdayOnDay(season_, day);
    return matchday > 0 ? competition->GetMatchdayName(matchday).substr(0, 127) : u"-";
}

std::vector<CDBCompetition*> SeasonCalendarModel::Targets(CDBCompetition& clicked) const
{
    if (clicked.GetType() != TypeLeague || mode_ == TCalendarEditMode::OneCompetition || lastLeague_ < 0) return {&clicked};
    std::vector<CDBCompetition*> targets;
    for (int column = FirstLeagueColumn; column <= lastLeague_; ++column) {
        CDBCompetition* league = GetColumnCompetition(column);
        if (league == nullptr) continue;
        if (mode_ == TCalendarEditMode::SameLevel && league->GetLevel() != clicked.GetLevel()) continue;
        targets.push_back(league);
    }
    return targets;
}

bool SeasonCalendarModel::Click(int day, int column)
{
    if (day <= 0 || day >= Rows || column < FirstLeagueColumn || column >= GetCompareColumn()) return false;
    const std::uint32_t root = MakeCompetitionId(static_cast<std::uint32_t>(country_.GetId()), TypeRoot, 0);
    if (country_.GetCompetitionRegistry().Get(root) == nullptr) return false;
    CDBCompetition* clicked = GetColumnCompetition(column);
    if (clicked == nullptr) return false;
    const bool add = clicked->GetMatchdayOnDay(season_, day) == 0;
    for (CDBCompetition* target : Targets(*clicked)) {
        if (!add) target->RemoveMatchday(season_, day);
        else if (!HasMatchNearInChain(target, season_, day)) target->AddMatchday(season_, day);
    }
    return true;
}

TCalendarCheck SeasonCalendarModel::CheckCalendar(const TCalendarCheckTexts& texts) const
{
    TCalendarCheck check;
    const auto line = [&](const std::u16string& text) { check.body += text + u"\r\n"; };
    for (int season = 0; season < 2; ++season) {
        TSeasonDayCodes codes{};
        country_.GetSeasonCalendar(season, codes);
        bool headed = false;
        const std::uint32_t relevant = season == 0 ? (ErrorFixturelist | ErrorMatchdays | ErrorNotEnoughTeams |
                                                      ErrorReserveTeamsInLeague | ErrorInternationalClash)
                                                   : (ErrorMatchdays | ErrorInternationalClash);
        for (int column = InternationalColumn; column <= GetColumnCount() - 2; ++column) {
            const CDBCompetition* competition = GetColumnCompetition(column);
            if (competition == nullptr) continue;
            const std::uint32_t bits = (competition->CheckConsistency(season, country_.GetFirstReserveTeamLevel()) |
                                        competition->CheckInternationalClash(season, codes)) & relevant;
            if (bits == 0) continue;
            if (!headed) line(SeasonText(season));
            headed = true;
            line(competition->GetName());
            check.errorSeen = true;
            if (bits & ErrorFixturelist) line(texts.fixturelist);
            const std::pair<std::uint32_t, const std::u16string*> counted[] = {
                {ErrorMatchdays, &texts.matchdays}, {ErrorNotEnoughTeams, &texts.notEnoughTeams},
                {ErrorReserveTeamsInLeague, &texts.reserveTeams}, {ErrorInternationalClash, &texts.internationalClash}};
            for (const auto& [bit, text] : counted) {
                if (!(bits & bit)) continue;
                line(*text);
                ++check.count;
            }
        }
        if (season == 0 && check.count > 0) line(u"");
    }
    return check;
}
