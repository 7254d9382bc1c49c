#pragma once
// The list of every club player of the database: the filters of its combo
// boxes, the league team list, the rows with their clubs and the texts and
// order of its columns.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "database/club/Club.h"

class TCompleteWorld;
class TCountry;
class TPerson;

class AllPlayersFilter {
public:
    static constexpr std::uint32_t All = 0xFF000000;
    static constexpr std::uint32_t GroupFilter = 0x1000000;
    static constexpr std::uint32_t PositionFilter = 0x2000000;
    static constexpr std::uint32_t NoGoalkeepers = 0x4000000;
    static constexpr std::uint32_t LevelChoice = 0x1000000;
    static constexpr std::uint32_t LeagueChoice = 0x2000000;
    static constexpr std::uint32_t AbilityValue = 0x1000000;
    static constexpr std::size_t MaxLeagueTeams = 512;
    static constexpr std::size_t ReservedRows = 16386;
    static constexpr int FirstCountry = 1;
    static constexpr int LastCountry = 206;
    static constexpr std::size_t MaxLevels = 16;

    enum ValueMode { Level = 0, Talent = 1, Nationality = 2, Age = 3, Ability = 4 };

    struct TItem {
        std::u16string key;
        std::uint32_t value;
    };

    struct TFilters {
        std::uint32_t continent = All;
        std::uint32_t country = All;
        std::uint32_t league = All;
        std::uint32_t position = All;
    };

    struct TRow {
        std::uint32_t personId;
        TTeamId clubId;
    };

    struct TComboRow {
        std::u16string text;
        std::uint32_t value;
    };

    // The countries 1..206 of the continent (every continent for "all")
    // that have clubs besides the national team, by name.
    static std::vector<TComboRow> CountryRows(const TCompleteWorld& world, std::uint32_t continent);
    // Each level with leagues as "level name allText" (level | 0x1000000)
    // and, when it has more than one, each league as "level name - league
    // name" (league index | 0x2000000), in the language given.
    static std::vector<TComboRow> LeagueRows(TCountry& country, int language, std::u16string_view allText);

    // "FilterAll", the three position groups, the 17 positions, "FilterNoGoalies".
    static std::vector<TItem> PositionFilterItems();
    static bool PassesPosition(const TPerson& person, std::uint32_t filter);
    // Level, talent, nationality and age; the abilities follow in the combo.
    static std::vector<TItem> ValueItems();

    // The club ids of the country (at most 512) whose first team (plain id)
    // or reserve team (id with bit 24) plays in a league of the chosen level
    // or in the chosen league; empty for "all".
    static std::vector<TTeamId> BuildLeagueTeams(TCountry& country, std::uint32_t leagueChoice);

    // The rows in listing order; the person-to-club table is kept sorted by
    // person for ClubOf.
    void Fill(const TCompleteWorld& world, const TFilters& filters, const std::vector<TTeamId>& leagueTeams);
    const std::vector<TRow>& Rows() const { return rows_; }
    // The listed club of a person; 0 when he is not listed.
    TTeamId ClubOf(std::uint32_t personId) const;
    // The club as the frame is told: bit 24 set for a reserve-team player.
    TTeamId ReportedClub(const TPerson& person) const;

    // Name, main position and value column; "(n/a)" thrice for a person
    // the world no longer holds.
    static std::array<std::u16string, 3> RowTexts(const TCompleteWorld& world, std::uint32_t personId, int mode,
                                                  int ability);
    // Sort type 0 names, 1 main position, 2 the value column; a minus b.
    static int Compare(const TCompleteWorld& world, int sortType, const TPerson& a, const TPerson& b, int mode,
                       int ability);

private:
    static bool CountryPasses(const TCountry* country, const TFilters& filters);
    void AddClub(const TClub& club, const TFilters& filters, const std::vector<TTeamId>& leagueTeams);

    std::vector<TRow> rows_;
    std::vector<TRow> byPerson_;
};
