#include "editors/country_club/model/competition/FixtureListModel.h"

#include <algorithm>
#include <map>
#include <utility>

#include "competition/CompetitionId.h"
#include "competition/FixtureTemplate.h"
#include "competition/League.h"
#include "core/text/Format.h"
#include "core/text/TextTools.h"
#include "database/country/Country.h"

namespace {

std::u16string Number(int value)
{
    return Format(u"%d", value);
}

}  // namespace

FixtureListModel::FixtureListModel(TCountry& country) : country_(country) {}

std::vector<std::uint32_t> FixtureListModel::GetLeagueIds() const
{
    std::vector<std::uint32_t> ids;
    const int count = country_.GetLeagueCount();
    for (int index = 0; index < count; ++index) ids.push_back(country_.GetLeagueId(index));
    return ids;
}

std::u16string FixtureListModel::GetLeagueName(std::uint32_t id) const
{
    return GetCompetitionNameById(country_.GetCompetitionRegistry(), id);
}

void FixtureListModel::SelectLeague(std::uint32_t id)
{
    league_ = dynamic_cast<CDBLeague*>(country_.GetCompetitionRegistry().Get(id));
    SetMatchday(matchday_);
}

int FixtureListModel::GetMatchdayCount() const
{
    return league_ ? league_->GetFixturelist().GetMatchdayCount() : 0;
}

int FixtureListModel::GetMatchesPerMatchday() const
{
    return league_ ? league_->GetFixturelist().GetMatchesPerMatchday() : 0;
}

void FixtureListModel::SetMatchday(int matchday)
{
    matchday_ = std::clamp(matchday, 0, std::max(0, GetMatchdayCount() - 1));
}

CDBFixturelist* FixtureListModel::Table() const
{
    return league_ ? &league_->GetFixturelist() : nullptr;
}

void FixtureListModel::Read(int day, int slot, int& home, int& away) const
{
    std::uint8_t h = 0;
    std::uint8_t a = 0;
    league_->GetFixturelist().GetMatch(day, slot, h, a);
    home = h;
    away = a;
}

std::u16string FixtureListModel::TeamAt(int position) const
{
    return country_.GetTeamNameByUniqueId(league_->GetTeamIdAt(position - 1));
}

std::vector<TFixtureCell> FixtureListModel::GetCells() const
{
    std::vector<TFixtureCell> cells;
    if (!league_) return cells;
    const int entered = league_->GetAssignedTeamCount();
    const auto shown = [&](int position) { return position >= 1 && position <= entered ? TeamAt(position) : u""; };
    for (int slot = 0; slot < GetMatchesPerMatchday(); ++slot) {
        int home = 0;
        int away = 0;
        Read(matchday_, slot, home, away);
        cells.push_back({shown(home), shown(away)});
    }
    return cells;
}

std::vector<TFixtureTeamItem> FixtureListModel::GetFreeTeams() const
{
    std::vector<TFixtureTeamItem> items;
    if (!league_) return items;
    const int entered = league_->GetAssignedTeamCount();
    std::vector<bool> placed(static_cast<std::size_t>(entered) + 1, false);
    for (int slot = 0; slot < GetMatchesPerMatchday(); ++slot) {
        int home = 0;
        int away = 0;
        Read(matchday_, slot, home, away);
        if (home >= 1 && home <= entered) placed[home] = true;
        if (away >= 1 && away <= entered) placed[away] = true;
    }
    for (int position = 1; position <= entered; ++position) {
        if (!placed[position]) items.push_back({TeamAt(position), position - 1});
    }
    return items;
}

void FixtureListModel::PlaceTeam(int position)
{
    if (!league_ || position < 0 || position >= league_->GetAssignedTeamCount()) return;
    const auto team = static_cast<std::uint8_t>(position + 1);
    for (int slot = 0; slot < GetMatchesPerMatchday(); ++slot) {
        int home = 0;
        int away = 0;
        Read(matchday_, slot, home, away);
        if (home == 0) return Table()->SetMatch(matchday_, slot, team, static_cast<std::uint8_t>(away));
        if (away == 0) return Table()->SetMatch(matchday_, slot, static_cast<std::uint8_t>(home), team);
    }
}

void FixtureListModel::FreeSide(int slot, int column)
{
    if (!league_ || (column != FixtureHomeColumn && column != FixtureAwayColumn)) return;
    int home = 0;
    int away = 0;
    Read(matchday_, slot, home, away);
    if (column == FixtureHomeColumn) home = 0;
    else away = 0;
    Table()->SetMatch(matchday_, slot, static_cast<std::uint8_t>(home), static_cast<std::uint8_t>(away));
}

void FixtureListModel::ClearMatchday()
{
    if (league_) Table()->ClearMatchday(matchday_);
}

void FixtureListModel::ClearAll()
{
    if (league_) Table()->ClearAll();
}

bool FixtureListModel::CanFillFromTemplate() const
{
    return league_ && league_->GetRounds() >= 1 && league_->GetTeamCount() >= FixtureTemplateFirstCount &&
           league_->GetTeamCount() <= FixtureTemplateLastCount;
}

void FixtureListModel::FillFromTemplate()
{
    if (CanFillFromTemplate()) FillFixturelistFromTemplate(*Table(), league_->GetTeamCount(), league_->GetRounds());
}

void FixtureListModel::SecondLegLikeFirst()
{
    const int days = GetMatchdayCount();
    if (days < 2) return;
    const int half = days / 2;
    for (int day = 0; day < half; ++day) {
        for (int slot = 0; slot < GetMatchesPerMatchday(); ++slot) {
            int home = 0;
            int away = 0;
            Read(day, slot, home, away);
            Table()->SetMatch(day + half, slot, static_cast<std::uint8_t>(away), static_cast<std::uint8_t>(home));
        }
    }
}

std::vector<TFixtureError> FixtureListModel::Check() const
{
    std::vector<TFixtureError> errors;
    if (!league_) return errors;
    const int teams = league_->GetTeamCount();
    const int limit = (league_->GetRounds() + 1) / 2;
    struct PairUse {
        int count = 0;
        std::vector<int> firstDays;
    };
    std::map<std::pair<int, int>, PairUse> uses;
    for (int day = 0; day < GetMatchdayCount(); ++day) {
        for (int slot = 0; slot < GetMatchesPerMatchday(); ++slot) {
            int home = 0;
            int away = 0;
            Read(day, slot, home, away);
            if (home < 1 || home > teams || away < 1 || away > teams) {
                errors.push_back({TFixtureError::Kind::IncompleteDay, day, 0, 0, 0});
                break;
            }
            PairUse& use = uses[{home, away}];
            if (use.count < limit) use.firstDays.push_back(day);
            if (++use.count > limit) {
                const int clashDay = use.firstDays.empty() ? day : use.firstDays.front();
                errors.push_back({TFixtureError::Kind::Clash, day, clashDay, home, away});
            }
        }
    }
    return errors;
}

std::u16string FixtureListModel::NameForCheck(int position) const
{
    if (position > league_->GetAssignedTeamCount()) return Number(position);
    return TeamAt(position);
}

std::u16string FixtureListModel::ErrorText(const TFixtureError& error, const TFixtureErrorTexts& texts) const
{
    if (error.kind == TFixtureError::Kind::IncompleteDay) {
        return ReplaceTokens(texts.incompleteDay, {{u"_DAY", Number(error.day + 1)}});
    }
    if (!league_) return {};
    const std::u16string text = ReplaceTokens(texts.clash, {{u"_MATCHDAY", Number(error.day + 1)},
                                                            {u"_TEAM1", NameForCheck(error.home)},
                                                            {u"_TEAM2", NameForCheck(error.away)},
                                                            {u"_CLASHDAY", Number(error.clashDay + 1)}});
    return text.substr(0, 255);
}
