// Feeds the league data dialog's and the cup page's models arbitrary league
// values, level rules and cup types over a cup table with missing entries,
// and a country with arbitrary cups and card rules: loading and storing without
// an edit changes nothing, and no value reads outside its table.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "competition/CompetitionFactory.h"
#include "competition/CompetitionId.h"
#include "competition/CountryCups.h"
#include "competition/CupAlloc.h"
#include "competition/League.h"
#include "core/files/IndexTextFile.h"
#include "database/country/Country.h"
#include "editors/country_club/model/country/CountryCupView.h"
#include "editors/country_club/model/country/CupPageModel.h"
#include "editors/country_club/model/competition/LeagueDataModel.h"
#include "fuzz/FuzzBytes.h"

namespace {

using fuzz_support::FuzzBytes;

// Entry 2 of four is missing; 1 is a national cup, 3 a league cup.
constexpr char CupTable[] =
    "4\r\n%INDEX%CUP1\r\nFA\r\n ID_FACUP_ENGLAND\r\n0\r\n1\r\n{0, 1, 0, 2, 1, 0, ROUND_FINAL, 0}\r\n0\r\n%INDEXEND%CUP1\r\n"
    "%INDEX%CUP3\r\nLEAGUE\r\nLeague cup\r\n0\r\n1\r\n{0, 1, 0, 2, 1, 0, ROUND_FINAL, 0}\r\n0\r\n%INDEXEND%CUP3\r\n";

struct LeagueState {
    int teams, rounds, attendance, transfer, flags, value1, value2, dayGroup;
    std::uint32_t dataA, dataB;
    std::int32_t settings[4];
    std::u16string name;
    bool operator==(const LeagueState&) const = default;
};

LeagueState StateOf(const CDBLeague& league)
{
    return {league.GetTeamCount(), league.GetRounds(), league.GetAttendanceMultiplier(), league.GetTransferMultiplier(),
            league.GetLeagueFlags(), league.GetLeagueValue1(), league.GetLeagueValue2(), league.GetDayGroup(),
            league.GetLeagueDataA(), league.GetLeagueDataB(),
            {league.GetSetting(0), league.GetSetting(1), league.GetSetting(2), league.GetSetting(3)},
            league.GetNameInLanguage(0)};
}

void FillLeague(CDBLeague& league, FuzzBytes& bytes)
{
    league.SetTeamsAndRounds(bytes.U8() % 40, bytes.U8() % 6);
    league.SetAttendanceMultiplier(bytes.U8());
    league.SetTransferMultiplier(bytes.U8());
    league.SetLeagueFlags(bytes.U8());
    league.SetLeagueValue1(static_cast<std::int8_t>(bytes.U8()));
    league.SetLeagueValue2(static_cast<std::int8_t>(bytes.U8()));
    league.SetDayGroup(bytes.U8());
    for (int field = 0; field < CDBLeagueBase::DataAFieldCount; ++field) league.SetLeagueDataAField(field, bytes.U8());
    for (int field = 0; field < CDBLeagueBase::DataBFieldCount; ++field) league.SetLeagueDataBField(field, bytes.U8());
    for (int field = 0; field < CDBLeagueBase::DataBWideFieldCount; ++field) league.SetLeagueDataBWideField(field, bytes.U8());
    for (int i = 0; i < 4; ++i) league.SetSetting(i, bytes.I32());
    std::u16string name(bytes.U8() % 40, u'n');
    league.SetName(0, name.c_str());
}

void CheckLeague(FuzzBytes& bytes)
{
    TCompetitionRegistry registry;
    CDBLeague league(MakeCompetitionId(1, TypeLeague, 0), 0, registry);
    FillLeague(league, bytes);
    const TLeagueLevelRules rules{static_cast<std::int8_t>(bytes.U8()), static_cast<std::int8_t>(bytes.U8()),
                                  static_cast<std::int8_t>(bytes.U8()), (bytes.U8() & 1) != 0};
    const TLeagueDataContext context{static_cast<std::int8_t>(bytes.U8()) % 45, static_cast<std::int8_t>(bytes.U8()) % 20,
                                     true, 0};
    const LeagueState before = StateOf(league);
    const TLeagueLevelRules out = StoreLeagueData(LoadLeagueData(league, rules, context), league, rules, context);
    if (!(StateOf(league) == before)) std::abort();
    if (out.relegation != rules.relegation || out.foreigner != rules.foreigner || out.sort != rules.sort ||
        out.reserves != rules.reserves) {
        std::abort();
    }
}

void CheckCups(FuzzBytes& bytes)
{
    static TCupAllocTable table = [] {
        TCupAllocTable made;
        CIndexTextFile file;
        file.OpenFromBytes(std::span(reinterpret_cast<const std::uint8_t*>(CupTable), sizeof CupTable - 1), u"CupAlloc.txt");
        made.Read(file);
        return made;
    }();
    const int stored = bytes.I32();
    const std::vector<TCupComboItem> items = CupTypeItems(table, bytes.U8() % 4, stored, u"No cup");
    bool listed = false;
    for (const TCupComboItem& item : items) listed |= item.data == stored;
    if (!listed) std::abort();
    std::array<int, CupPageCups> types{};
    for (int& type : types) type = bytes.U8() % 3;
    const std::vector<TCupComboItem> bonus = BonusCupItems(types, {});
    const int selection = BonusCupSelection(bonus, bytes.U8() % 8);
    if (selection >= static_cast<int>(bonus.size())) std::abort();
    TCupPrizeTable prizes;
    TCupSettings settings{};
    for (std::uint32_t& word : settings) word = static_cast<std::uint32_t>(bytes.I32());
    const int cup = bytes.U8() % 8;
    prizes.SetCupSettings(cup, settings);
    prizes.ChooseCup(prizes.Shown(), cup);
    prizes.ChooseType(prizes.Shown(), bytes.U8() % 4);
    prizes.ChooseCup(prizes.Shown(), 0);
    if (cup < CupPageCups && prizes.GetCupSettings(cup) != settings) std::abort();
}

struct CountryCupState {
    std::array<std::uint8_t, 6> cardBytes;
    std::uint8_t cupOptions;
    std::int32_t nationalType, superType, stadium;
    std::array<int, 4> leagueCupTypes;
    std::array<const CDBCompetitionBase*, CupPageCups> cups;
    std::array<SettingsBlock, CupPageCups> settings;
    bool operator==(const CountryCupState&) const = default;
};

CountryCupState StateOf(TCountry& country)
{
    CountryCupState state{country.GetCardRuleBytes(), country.GetCupOptionsByte(), country.GetNationalCupType(),
                          country.GetSuperCupType(), country.GetCupFinalStadium(), {}, {}, {}};
    for (int index = 0; index < 4; ++index) state.leagueCupTypes[static_cast<std::size_t>(index)] = country.GetLeagueCupType(index);
    const std::uint32_t types[CupPageCups] = {TypeFaCup, TypeLeagueCup, TypeLeagueCup, TypeLeagueCup, TypeLeagueCup, TypeSuperCup};
    const std::uint32_t indexes[CupPageCups] = {0, 0, 1, 2, 3, 0};
    for (std::size_t cup = 0; cup < CupPageCups; ++cup) {
        state.cups[cup] = country.GetCompetitionRegistry().Get(MakeCompetitionId(1, types[cup], indexes[cup]));
    }
    GetNationalCupSettings(country, state.settings[0]);
    for (int index = 0; index < 4; ++index) GetLeagueCupSettings(country, index, state.settings[static_cast<std::size_t>(index) + 1]);
    GetSuperCupSettings(country, state.settings[5]);
    return state;
}

// A country with arbitrary card rules and cups, some of whose stored types
// have no competition: the page's values stored unedited change nothing.
void CheckCupView(FuzzBytes& bytes)
{
    InstallCompetitionFactory();
    TCountry country;
    country.SetId(1);
    ResetCompetitions(country, true);
    CreateCupCompetition(country, TypeFaCup, bytes.U8() % 5, 0);
    country.SetNationalCupType(bytes.U8() % 5);
    for (int index = 0; index < 4; ++index) {
        CreateCupCompetition(country, TypeLeagueCup, bytes.U8() % 5, static_cast<std::uint32_t>(index));
        country.SetLeagueCupType(index, bytes.U8());
    }
    CreateCupCompetition(country, TypeSuperCup, bytes.U8() % 5, 0);
    country.SetSuperCupType(bytes.I32());
    SettingsBlock settings{};
    for (std::int32_t& word : settings) word = bytes.I32();
    SetNationalCupSettings(country, country.GetNationalCupType(), settings);
    country.SetYellowCardLeagueRule(bytes.U8());
    country.SetYellowCardCupRule(bytes.U8());
    country.SetYellowAfterYellowRedLeague((bytes.U8() & 1) != 0);
    country.SetRedCardRule(bytes.U8());
    country.SetCardFlags(bytes.U8());
    for (int kind = 0; kind < 3; ++kind) country.SetBanForAllCompetitions(kind, (bytes.U8() & 1) != 0);
    for (int league = 0; league < 5; ++league) country.SetYellowRedBanLeague(league, (bytes.U8() & 1) != 0);
    country.SetHomeAdvantageLowerLeague((bytes.U8() & 1) != 0);
    country.SetCupFinalStadium(bytes.I32());
    const int language = bytes.U8() % TCountry::LanguageCount;
    const CountryCupState before = StateOf(country);
    StoreCountryCups(LoadCountryCups(country, language), country, language);
    if (!(StateOf(country) == before)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzBytes bytes(data, size);
    CheckLeague(bytes);
    CheckCups(bytes);
    CheckCupView(bytes);
    return 0;
}
