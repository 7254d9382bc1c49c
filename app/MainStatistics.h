#pragma once
// The figures of one statistics panel of the main window: leagues, clubs and
// players, with the players' average best-position rating and level, their
// talent classes and their position groups.

#include <array>

class TClub;

struct MainStatistics {
    static constexpr int TalentClasses = 5;
    static constexpr int PositionGroups = 4;

    int leagues = 0;
    int clubs = 0;
    int players = 0;
    std::array<int, TalentClasses> talents{};
    // Goalkeepers, defenders, midfielders and forwards (groups 1 to 4).
    std::array<int, PositionGroups> positionGroups{};
    double levelSum = 0;
    double bestRatingSum = 0;
    int bestRatingCount = 0;

    // Counts the players (person type 0) of the club's squad; only
    // first-team players who are no youth players count for the rating.
    void AddSquad(const TClub& club);
    // Both 0 when nothing was counted.
    double AverageBestRating() const;
    double AverageLevel() const;
};
