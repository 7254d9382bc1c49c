#pragma once
// The random player the generator dialog proposes: names from the name
// pool, a birth date, position, talent and level drawn with the runtime's
// rand in the dialog's order, and the stepping of the shirt number over the
// numbers worn in the team the player joins, the first or the reserve team.

#include <string>

#include "database/world/Date.h"

class TClub;
class TCompleteWorld;
class TPerson;

class PlayerGeneratorProposal {
public:
    static constexpr int ShirtNumbers = 100;
    static constexpr int PositionCount = 17;
    static constexpr int TalentCount = 5;
    static constexpr int LowestLevel = 40;
    static constexpr int LevelSpread = 20;

    struct TProposal {
        int talent = 0;
        int position = 1;
        int shirtNumber = 1;
        std::u16string lastName;
        std::u16string firstName;
        TDate birthDate;
        int level = LowestLevel;
    };

    // The whole proposal in the dialog's order: talent row, position row,
    // the free number for the position in the club's first or reserve team,
    // last name, first name, birth date, a new talent and the level. The
    // names are of the first language of the nationality's country (the
    // club's country for 0).
    static TProposal Propose(const TClub& club, int nationality, bool youth, bool reserveTeam);
    // The generated player, whom the person generator makes a first-team
    // player wearing number, joins the team he was generated for: in the
    // reserve team he wears number there and no first-team number yet.
    static void JoinTeam(TPerson& person, bool reserveTeam, int number);

    // Day 1..30 (28 in February), month 1..12, year 1989 - r(16), for a
    // youth player 1995 - r(6).
    static TDate DrawBirthDate(bool youth);
    // Surnames (lastName) or male first names of the country's first language.
    static std::u16string DrawName(const TCompleteWorld& world, int countryId, bool lastName);

    // The number shown after the user changed it from previous to wanted:
    // clamped to 1..99, then moved one by one in the direction of the
    // change to the first number the team does not wear; previous when the
    // search leaves 1..99. counts[0] counts as worn.
    static int StepShirtNumber(const int (&counts)[ShirtNumbers], int previous, int wanted);
};
