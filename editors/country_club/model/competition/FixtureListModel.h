#pragma once
// The fixture list editor without a window: one league of a country at a
// time, one match day of its fixture table shown as grid cells and the teams
// not yet placed that day; placing, freeing, clearing, the template fill,
// the second half copied from the first, and the OK check. Every edit
// changes the league's own table at once.

#include <cstdint>
#include <string>
#include <vector>

#include "database/club/Club.h"

class CDBLeague;
class CDBFixturelist;
class TCountry;

struct TFixtureCell {
    std::u16string home;
    std::u16string away;
};

struct TFixtureTeamItem {
    std::u16string name;
    // 0-based position in the league's team list.
    int position = 0;
};

struct TFixtureError {
    enum class Kind { IncompleteDay, Clash };
    Kind kind = Kind::IncompleteDay;
    // 0-based match days.
    int day = 0;
    int clashDay = 0;
    // 1-based positions of the repeated pair.
    int home = 0;
    int away = 0;
};

// The message templates of the OK check, as the text store gives them.
struct TFixtureErrorTexts {
    std::u16string incompleteDay;  // "_DAY"
    std::u16string clash;          // "_MATCHDAY", "_TEAM1", "_TEAM2", "_CLASHDAY"
};

// Grid columns of a match slot.
constexpr int FixtureHomeColumn = 0;
constexpr int FixtureVersusColumn = 1;
constexpr int FixtureAwayColumn = 2;

class FixtureListModel {
public:
    explicit FixtureListModel(TCountry& country);

    // The country's leagues in index order, named in the database language.
    std::vector<std::uint32_t> GetLeagueIds() const;
    std::u16string GetLeagueName(std::uint32_t id) const;

    // An id that does not resolve to a league leaves no league selected.
    // The current match day is kept, clamped to the new league's days.
    void SelectLeague(std::uint32_t id);
    bool HasLeague() const { return league_ != nullptr; }
    int GetMatchdayCount() const;
    int GetMatchesPerMatchday() const;
    int GetMatchday() const { return matchday_; }
    void SetMatchday(int matchday);

    // The current day's slots and the entered teams not placed on it.
    std::vector<TFixtureCell> GetCells() const;
    std::vector<TFixtureTeamItem> GetFreeTeams() const;

    // Into the first empty side of the first slot that has one.
    void PlaceTeam(int position);
    // Column 0 frees the home side, column 2 the away side.
    void FreeSide(int slot, int column);
    void ClearMatchday();
    void ClearAll();
    // The template covers 8..24 teams and needs at least one round.
    bool CanFillFromTemplate() const;
    void FillFromTemplate();
    // Days of the second half get the first half's pairs, sides swapped.
    void SecondLegLikeFirst();

    std::vector<TFixtureError> Check() const;
    std::u16string ErrorText(const TFixtureError& error, const TFixtureErrorTexts& texts) const;

private:
    CDBFixturelist* Table() const;
    void Read(int day, int slot, int& home, int& away) const;
    std::u16string TeamAt(int position) const;
    std::u16string NameForCheck(int position) const;

    TCountry& country_;
    CDBLeague* league_ = nullptr;
    int matchday_ = 0;
};
