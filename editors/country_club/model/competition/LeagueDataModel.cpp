#include "editors/country_club/model/competition/LeagueDataModel.h"

#include <algorithm>

#include "competition/League.h"
#include "editors/country_club/model/country/LeagueSystemModel.h"

namespace {

using F = TLeagueNumberField;

}  // namespace

const std::array<TLeagueNumberCombo, LeagueNumberComboCount> LeagueNumberCombos = {{
    {2030, F::DayGroup, 0, 8, false},
    {2027, F::DataBWide, 0, 31, true},
    {2028, F::DataBWide, 1, 31, true},
    {2029, F::DataBWide, 2, 31, true},
    {2000, F::DataA, 0, 16, true},
    {2016, F::DataA, 1, 16, true},
    {2017, F::DataA, 2, 16, true},
    {2018, F::DataA, 3, 16, true},
    {2019, F::DataA, 4, 16, true},
    {2020, F::DataA, 5, 16, true},
    {2021, F::DataA, 6, 16, true},
    {2022, F::DataA, 7, 16, true},
    {2023, F::DataB, 0, 16, true},
    {2024, F::DataB, 1, 16, true},
    {2025, F::DataB, 2, 16, true},
    {2026, F::DataB, 3, 16, true},
}};

namespace {

int ReadNumber(const CDBLeague& league, const TLeagueNumberCombo& combo)
{
    switch (combo.field) {
    case F::DayGroup: return league.GetDayGroup();
    case F::DataA: return league.GetLeagueDataAField(combo.index);
    case F::DataB: return league.GetLeagueDataBField(combo.index);
    case F::DataBWide: return league.GetLeagueDataBWideField(combo.index);
    }
    return 0;
}

void WriteNumber(CDBLeague& league, const TLeagueNumberCombo& combo, int value)
{
    switch (combo.field) {
    case F::DayGroup: league.SetDayGroup(static_cast<std::uint8_t>(value)); break;
    case F::DataA: league.SetLeagueDataAField(combo.index, value); break;
    case F::DataB: league.SetLeagueDataBField(combo.index, value); break;
    case F::DataBWide: league.SetLeagueDataBWideField(combo.index, value); break;
    }
}

int Listed(int value, int count) { return value >= 0 && value < count ? value : -1; }

int ListedSortRule(int value)
{
    return std::find(LeagueSortRules.begin(), LeagueSortRules.end(), value) != LeagueSortRules.end() ? value : -1;
}

int ListedRelegationRule(int value, const TLeagueDataContext& context)
{
    const std::vector<int> offered = OfferedRelegationRules(context.system, context.level);
    return std::find(offered.begin(), offered.end(), value) != offered.end() ? value : -1;
}

double ShownMultiplier(std::uint8_t percent) { return std::min(percent * 0.01, LeagueMultiplierMax); }

std::int32_t ShownMoney(std::int32_t value) { return std::clamp(value, 0, LeagueMoneyMax); }

constexpr int MoneySettings[3] = {3, 1, 2};

// An edited combo without a selection leaves what came in.
int Chosen(int edited, int input) { return edited >= 0 ? edited : input; }

void StoreSizeAndRounds(const TLeagueDataView& edited, CDBLeague& league, const TLeagueDataContext& context)
{
    // A league script's leagues keep their size, rounds and fixtures.
    if (context.scriptCountry || edited.size < 0) return;
    league.SetTeamsAndRounds(edited.size, std::clamp(edited.rounds, 2, 4));
}

void StoreMultipliers(const TLeagueDataView& edited, const TLeagueDataView& shown, CDBLeague& league)
{
    if (MultiplierByte(edited.attendance) != MultiplierByte(shown.attendance)) {
        league.SetAttendanceMultiplier(MultiplierByte(edited.attendance));
    }
    if (MultiplierByte(edited.transfer) != MultiplierByte(shown.transfer)) {
        league.SetTransferMultiplier(MultiplierByte(edited.transfer));
    }
}

void StoreNumbers(const TLeagueDataView& edited, const TLeagueDataView& shown, CDBLeague& league)
{
    for (int i = 0; i < LeagueNumberComboCount; ++i) {
        const int value = edited.numbers[static_cast<std::size_t>(i)];
        if (value >= 0 && value != shown.numbers[static_cast<std::size_t>(i)]) {
            WriteNumber(league, LeagueNumberCombos[static_cast<std::size_t>(i)], value);
        }
    }
    if (edited.maxNonEuSignings != shown.maxNonEuSignings) {
        league.SetLeagueValue1(static_cast<std::int8_t>(edited.maxNonEuSignings));
    }
    if (edited.maxNonEuSigningAge != shown.maxNonEuSigningAge) {
        league.SetLeagueValue2(static_cast<std::int8_t>(edited.maxNonEuSigningAge));
    }
}

void StoreMoneyAndFlags(const TLeagueDataView& edited, const TLeagueDataView& shown, CDBLeague& league)
{
    for (std::size_t i = 0; i < edited.money.size(); ++i) {
        if (edited.money[i] != shown.money[i]) league.SetSetting(MoneySettings[i], ShownMoney(edited.money[i]));
    }
    std::uint8_t flags = league.GetLeagueFlags();
    for (int bit = 0; bit < 3; ++bit) {
        const std::uint8_t mask = static_cast<std::uint8_t>(1 << bit);
        flags = static_cast<std::uint8_t>(edited.flags[static_cast<std::size_t>(bit)] ? flags | mask : flags & ~mask);
    }
    if (edited.flags != shown.flags) league.SetLeagueFlags(flags);
}

}  // namespace

TLeagueDataView LoadLeagueData(const CDBLeague& league, const TLeagueLevelRules& rules, const TLeagueDataContext& context)
{
    TLeagueDataView view;
    view.name = std::u16string(league.GetNameInLanguage(context.language)).substr(0, LeagueNameCapacity);
    const int teams = league.GetTeamCount();
    view.size = teams >= LeagueSizeMin && teams <= LeagueSizeMax ? teams : -1;
    view.rounds = std::clamp(league.GetRounds(), 2, 4);
    view.attendance = ShownMultiplier(league.GetAttendanceMultiplier());
    view.transfer = ShownMultiplier(league.GetTransferMultiplier());
    for (std::size_t i = 0; i < view.money.size(); ++i) view.money[i] = ShownMoney(league.GetSetting(MoneySettings[i]));
    for (std::size_t i = 0; i < LeagueNumberCombos.size(); ++i) {
        view.numbers[i] = Listed(ReadNumber(league, LeagueNumberCombos[i]), LeagueNumberCombos[i].itemCount);
    }
    view.maxNonEuSignings = std::clamp<int>(league.GetLeagueValue1(), 0, 20);
    view.maxNonEuSigningAge = std::clamp<int>(league.GetLeagueValue2(), 18, 31);
    for (int bit = 0; bit < 3; ++bit) view.flags[static_cast<std::size_t>(bit)] = (league.GetLeagueFlags() >> bit) & 1;
    view.relegation = ListedRelegationRule(rules.relegation, context);
    view.foreigner = Listed(rules.foreigner, LeagueForeignerRuleCount);
    view.sort = ListedSortRule(rules.sort);
    view.reserves = rules.reserves;
    view.fromScript = context.scriptCountry;
    return view;
}

TLeagueLevelRules StoreLeagueData(const TLeagueDataView& edited, CDBLeague& league, const TLeagueLevelRules& rules,
                                  const TLeagueDataContext& context)
{
    const TLeagueDataView shown = LoadLeagueData(league, rules, context);
    if (edited.name != shown.name) league.SetName(context.language, edited.name.substr(0, LeagueNameCapacity).c_str());
    StoreSizeAndRounds(edited, league, context);
    StoreMultipliers(edited, shown, league);
    StoreNumbers(edited, shown, league);
    StoreMoneyAndFlags(edited, shown, league);
    TLeagueLevelRules result = rules;
    result.relegation = Chosen(edited.relegation, rules.relegation);
    result.foreigner = Chosen(edited.foreigner, rules.foreigner);
    result.sort = Chosen(edited.sort, rules.sort);
    result.reserves = edited.reserves;
    return result;
}

std::uint8_t MultiplierByte(double shown)
{
    return static_cast<std::uint8_t>(std::clamp(shown, 0.0, LeagueMultiplierMax) * 100 + 0.5);
}
