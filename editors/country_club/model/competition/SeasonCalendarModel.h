#pragma once
// The season calendar dialog without a window: the grid's competition
// columns of one country, the first day of either season's grid, the cells,
// match days placed and removed by clicks in the three edit modes, and the
// check of both seasons. Clicks change the competitions at once.

#include <cstdint>
#include <string>
#include <vector>

#include "database/world/Date.h"

class CDBCompetition;
class TCountry;

enum class TCalendarEditMode { OneCompetition = 0, AllLeagues = 1, SameLevel = 2 };

// The texts of the check, as the text store gives them.
struct TCalendarCheckTexts {
    std::u16string fixturelist;
    std::u16string matchdays;
    std::u16string notEnoughTeams;
    std::u16string reserveTeams;
    std::u16string internationalClash;
};

struct TCalendarCheck {
    // Every line ends with "\r\n".
    std::u16string body;
    int count = 0;
    bool errorSeen = false;
};

class SeasonCalendarModel {
public:
    static constexpr int MaxColumns = 50;
    static constexpr int DateColumn = 0;
    static constexpr int InternationalColumn = 1;
    static constexpr int FirstLeagueColumn = 2;
    static constexpr int Rows = 360;
    static constexpr int LeagueSlots = 32;
    static constexpr int LeagueCupSlots = 4;

    explicit SeasonCalendarModel(TCountry& country);

    // Competition ids per grid column; 0 for the date and international
    // columns. The last column compares with a country, first this one.
    const std::vector<std::uint32_t>& GetColumnIds() const { return columns_; }
    int GetColumnCount() const { return static_cast<int>(columns_.size()); }
    int GetCompareColumn() const { return GetColumnCount() - 1; }
    // -1 when the country has no league.
    int GetLastLeagueColumn() const { return lastLeague_; }
    // Takes the other country's first league when it resolves.
    bool SetCompareCountry(int countryId);
    // The resolved competition of a column, null for none.
    CDBCompetition* GetColumnCompetition(int column) const;

    // Sunday on or after 1 July of the season's first year.
    static TDate GridStart(int season);
    static std::u16string SeasonText(int season);

    void SetSeason(int season) { season_ = season & 1; }
    int GetSeason() const { return season_; }
    void SetEditMode(TCalendarEditMode mode) { mode_ = mode; }

    // "-" or the match day's name; empty for a column without competition.
    std::u16string CellText(int day, int column) const;
    // True when some competition was changed.
    bool Click(int day, int column);

    TCalendarCheck CheckCalendar(const TCalendarCheckTexts& texts) const;

private:
    void BuildColumns();
    void AddColumnIfPresent(std::uint32_t type, std::uint32_t index);
    std::vector<CDBCompetition*> Targets(CDBCompetition& clicked) const;

    TCountry& country_;
    std::vector<std::uint32_t> columns_;
    int lastLeague_ = -1;
    int season_ = 0;
    TCalendarEditMode mode_ = TCalendarEditMode::OneCompetition;
};
