#pragma once
// The league data dialog's values without a window: a league and its level's
// rules turned into what the controls show, and the edited values written
// back. A value a control cannot show (a team count outside 8..24, a sort
// rule other than 0, 4 or 8, a 5-bit 31) shows as no selection, -1, and
// stays as it is unless the user chooses another; a field is written only
// when its shown value was changed.

#include <array>
#include <cstdint>
#include <string>

class CDBLeague;

// The sixteen small-number combos and the league value each one edits.
enum class TLeagueNumberField { DayGroup, DataA, DataB, DataBWide };
struct TLeagueNumberCombo {
    int controlId;
    TLeagueNumberField field;
    int index;
    // Items "0" .. and "-" for the last one where the list has it.
    int itemCount;
    bool hasDash;
};
constexpr int LeagueNumberComboCount = 16;
extern const std::array<TLeagueNumberCombo, LeagueNumberComboCount> LeagueNumberCombos;

constexpr int LeagueSizeMin = 8;
constexpr int LeagueSizeMax = 24;
constexpr int LeagueNameCapacity = 29;
constexpr std::int32_t LeagueMoneyMax = 99999999;
constexpr double LeagueMultiplierMax = 2.5;
constexpr std::array<int, 3> LeagueSortRules = {0, 4, 8};
constexpr int LeagueForeignerRuleCount = 8;

// The rules of the league's level in its country.
struct TLeagueLevelRules {
    int relegation = 0;
    int foreigner = 0;
    int sort = 0;
    bool reserves = false;
};

struct TLeagueDataView {
    std::u16string name;
    // Team count 8..24, -1 when the league has another.
    int size = -1;
    int rounds = 2;
    double attendance = 0;
    double transfer = 0;
    // Settings 3, 1 and 2: television bonus, champion bonus, place deduction.
    std::array<std::int32_t, 3> money{};
    // Per combo of LeagueNumberCombos: the value, -1 when not listed.
    std::array<int, LeagueNumberComboCount> numbers{};
    int maxNonEuSignings = 0;
    int maxNonEuSigningAge = 18;
    std::array<bool, 3> flags{};
    // The level's rules, -1 when the combo does not list the value.
    int relegation = -1;
    int foreigner = -1;
    int sort = -1;
    bool reserves = false;
    // A league script decides size, rounds, relegation, reserves and sort.
    bool fromScript = false;
};

struct TLeagueDataContext {
    int system = -1;
    int level = 0;
    bool scriptCountry = false;
    int language = 0;
};

TLeagueDataView LoadLeagueData(const CDBLeague& league, const TLeagueLevelRules& rules, const TLeagueDataContext& context);
// Writes the changed values into the league; returns the level's rules, an
// unlisted one as it came in.
TLeagueLevelRules StoreLeagueData(const TLeagueDataView& edited, CDBLeague& league, const TLeagueLevelRules& rules,
                                  const TLeagueDataContext& context);
// The stored per-cent byte of a multiplier shown with two decimals.
std::uint8_t MultiplierByte(double shown);
