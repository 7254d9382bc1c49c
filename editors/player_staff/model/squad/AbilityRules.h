#pragma once
// The abilities page's arithmetic: the rating a new random set of
// abilities aims at and its draw, the percent buttons and the colour band
// of an ability's weight.

#include <cstdint>

class TClub;
class TCountry;
class TPerson;

class AbilityRules {
public:
    static constexpr double DefaultTarget = 70.0;
    static constexpr int BandCount = 5;

    // The target before the league levels: the country's average scaled by
    // talent and a draw of 0..10, lowered for the young and the old, kept
    // within 20..90; then lowered by a fifth (not below 20) per step.
    static double TargetRating(double countryAverage, int talent, int draw, int age, int levelSteps);
    // How many times the league level rises, from the country's first
    // league on, up to and including the league that holds the team.
    static int LeagueLevelSteps(TCountry& country, std::uint32_t teamId);
    // The target for the player at the club, drawing the 0..10; 70 without
    // a club or its country.
    static double TargetRating(const TPerson& person, const TClub* club);

    // One value under a percent button: 0 stays; a result equal to the
    // value moves one further; cap is the drawn 80..85.
    static int PercentChange(int value, int percent, int cap);
    // Every ability of the person, a cap drawn for each non-zero value.
    static void ApplyPercent(TPerson& person, int percent);
    // The percent of each button, 0 for another id.
    static int PercentOfButton(int controlId);

    // A new random set of abilities for the main position, scaled so that
    // its rating comes within 2.5 of the target.
    static void DrawRandomAbilities(TPerson& person, double target);

    // Colour band 0..4 of a weight 0..1.
    static int Band(double weight);
};
