#pragma once
// League composition without a window: which clubs play in which of a
// country's leagues, with their promotion and cup marks, the clubs and
// reserve teams in no league, and the check of every league on OK. Every
// change goes straight into the league and club records.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class CDBLeagueBase;
class TCountry;

struct TLeagueCompositionTexts {
    // "_LEAGUE_NAME" and "_CLUB_COUNT".
    std::u16string leagueListFormat;
    // Nothing, promoted, relegated.
    std::array<std::u16string, 3> promotionStates;
    // Nothing, winner, finalist.
    std::array<std::u16string, 3> cupStates;
    std::u16string notEnoughTeams;
    std::u16string reserveTeams;
};

struct TCompositionRow {
    std::u16string text;
    std::uint32_t data = 0;
};

// The commands of the club list's context menu.
enum class TSeasonMark { CupWinner, CupFinalist, Promoted, Relegated, Neither };

struct TCompositionCheck {
    // Per league with a problem: its name, then one line per problem.
    std::vector<std::u16string> lines;
    int errors = 0;
};

class TLeagueComposition {
public:
    TLeagueComposition(TCountry& country, TLeagueCompositionTexts texts);

    std::vector<TCompositionRow> LeagueRows() const;
    // False, leaving the current league, for an id that is no league.
    bool SetCurrentLeague(std::uint32_t id);
    CDBLeagueBase* GetCurrentLeague() const;
    // "%2d\t%s\t%s\t%s" per team of the current league, then an empty row.
    std::vector<TCompositionRow> ClubRows() const;
    // Clubs, and unless hidden their reserve teams, that no league holds.
    std::vector<TCompositionRow> FreeClubRows(bool hideReserves) const;
    // A team picked up from the current league leaves it at once.
    bool PickUp(std::uint32_t team);
    // Into the current league at a row; a row below the list appends.
    bool Drop(int row, std::uint32_t team);
    bool Append(std::uint32_t leagueId, std::uint32_t team);
    // Only for a team with a country byte.
    bool Mark(std::uint32_t team, TSeasonMark mark);
    void ClearCurrent();
    void ClearAll();
    TCompositionCheck Check() const;

private:
    CDBLeagueBase* League(int index) const;
    CDBLeagueBase* LeagueById(std::uint32_t id) const;
    int LeagueCount() const;
    std::u16string TeamName(std::uint32_t team) const;

    TCountry& country_;
    TLeagueCompositionTexts texts_;
    std::uint32_t currentId_ = 0;
};
