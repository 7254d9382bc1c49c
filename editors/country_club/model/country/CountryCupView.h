#pragma once
// The national cup page's values without a window: the six cups' types,
// names and prize tables, the final stadium and the card rules. A stored
// value a combo cannot show reads back as -1 and is kept, and a field is
// written only when its shown value was changed, so that looking at a
// country changes nothing.

#include <array>
#include <cstdint>
#include <string>

#include "editors/country_club/model/country/CupPageModel.h"

class TCountry;
class TCupAllocTable;

// Cups 0 national cup, 1 league cup, 2..4 lower-league cups, 5 super cup.
constexpr int NationalCup = 0;
constexpr int SuperCup = 5;
constexpr int CupNameLength = 29;
constexpr int YellowCardRuleCount = 6;
constexpr int RedCardRuleCount = 2;
constexpr int YellowRedBanLeagues = 5;

struct TCountryCupView {
    std::array<int, CupPageCups> types{};
    std::array<std::u16string, CupPageCups> names;
    std::array<TCupSettings, CupPageCups> tables{};
    int finalStadium = 0;
    int yellowLeagueRule = -1;
    int yellowCupRule = -1;
    bool yellowAfterYellowRedLeague = false;
    bool yellowAfterYellowRedCup = false;
    bool homeAdvantageLowerLeague = false;
    bool playerCupTied = false;
    std::array<bool, YellowRedBanLeagues> yellowRedBans{};
    // Yellow, yellow-red and red bans valid in every competition.
    std::array<bool, 3> banForAll{};
    int redCardRule = -1;
    std::uint8_t cardFlags = 0;
};

// Names in the language; a cup that does not exist has an empty name and a
// zero table.
TCountryCupView LoadCountryCups(TCountry& country, int language);
// A cup whose type changed is made anew and gets its table and the name
// shown; a type of -1 keeps the stored one.
void StoreCountryCups(const TCountryCupView& edited, TCountry& country, int language);

// Whether a cup of the type keeps the amount of a round (0..7) in its file:
// a cup keeps its last rounds only, as many as its shape plays, and a type
// without a shape keeps none.
bool IsCupRoundKept(const TCupAllocTable& table, int type, int round);
