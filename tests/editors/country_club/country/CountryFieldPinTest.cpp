// Every value control of the country editor's general, cup and appearance
// pages and of the league data dialog is set to a value of its own through the window; each
// field then holds the value of its own control, so two controls that swap
// their fields are caught.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "CountryEditorTestSupport.h"
#include "competition/CountryCups.h"
#include "competition/League.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "editors/country_club/country/DlgLandParent.h"
#include "editors/country_club/model/country/LeagueSystemModel.h"
#include "resources/CountryCupIds.h"
#include "resources/CountryEditorIds.h"
#include "tests/editors/country_club/FieldPins.h"
#include "tests/ui/GuiTestSupport.h"

using namespace country_editor_testing;

namespace {

constexpr int Pinned = 21;

using field_pins::Input;
template <typename Record>
using TPin = field_pins::TPin<Record>;

template <typename Record>
void Enter(HWND window, const TPin<Record>& pin)
{
    switch (pin.input) {
    case Input::Spin: SetSpin(window, pin.control, pin.value); break;
    case Input::Typed:
        SetText(window, pin.control, pin.text);
        Command(window, pin.control, EN_KILLFOCUS);
        break;
    case Input::Combo: ChooseByData(window, pin.control, pin.value); break;
    case Input::Check: Click(window, pin.control); break;
    case Input::Text: SetText(window, pin.control, pin.text); break;
    }
}

using TCountryPin = TPin<TCountry>;

class CountryFieldPinTest : public SampleCountryTest {};

std::vector<TCountryPin> GeneralPagePins()
{
    std::vector<TCountryPin> pins = {
        {IDC_COUNTRY_RANKING, Input::Spin, 1234, nullptr, [](const TCountry& c) { return c.GetQaroRanking(); }, 1234},
        {IDC_COUNTRY_FOREIGN_TRANSFERS, Input::Spin, 37, nullptr,
         [](const TCountry& c) { return c.GetForeignTransferProbability(); }, 37},
        {IDC_COUNTRY_NATURALISATION, Input::Spin, 7, nullptr, [](const TCountry& c) { return c.GetNaturalisationYears(); }, 7},
        {IDC_COUNTRY_CONTINENTAL_TITLES, Input::Spin, 11, nullptr, [](const TCountry& c) { return c.GetContinentalTitles(); }, 11},
        {IDC_COUNTRY_CONTINENTAL_FINALS, Input::Spin, 12, nullptr, [](const TCountry& c) { return c.GetContinentalFinals(); }, 12},
        {IDC_COUNTRY_WORLD_CUP_TITLES, Input::Spin, 13, nullptr, [](const TCountry& c) { return c.GetWorldCupTitles(); }, 13},
        {IDC_COUNTRY_WORLD_CUP_FINALS, Input::Spin, 14, nullptr, [](const TCountry& c) { return c.GetWorldCupFinals(); }, 14},
        {IDC_COUNTRY_AVERAGE_RATING, Input::Spin, 66, nullptr, [](const TCountry& c) { return c.GetAverageRating(); }, 66},
        {IDC_COUNTRY_CLIMATE, Input::Combo, 3, nullptr, [](const TCountry& c) { return c.GetClimate(); }, 3},
        {IDC_COUNTRY_AMATEUR_RULE, Input::Combo, 2, nullptr, [](const TCountry& c) { return c.GetAmateurRule(); }, 2},
        {IDC_COUNTRY_TERRITORY, Input::Combo, 8, nullptr, [](const TCountry& c) { return c.GetPreferredTerritory(); }, 8},
        {IDC_COUNTRY_NO_TERRACES, Input::Check, 0, nullptr, [](const TCountry& c) { return c.HasNoTerraces(); }, 0},
        {IDC_COUNTRY_GENERATE_NAMES, Input::Check, 0, nullptr, [](const TCountry& c) { return c.GetGenerateNames(); }, 0},
        {IDC_COUNTRY_FEDERATION, Input::Text, 0, u"ABCDEFG",
         [](const TCountry& c) { return std::u16string(c.GetFederationName()) == u"ABCDEFG"; }, 1},
    };
    // The languages in the order of their slots, and shares that add up to
    // 100, so that the store keeps every slot where it is.
    constexpr int LanguageIds[] = {IDC_COUNTRY_LANGUAGE_1, IDC_COUNTRY_LANGUAGE_2, IDC_COUNTRY_LANGUAGE_3,
                                   IDC_COUNTRY_LANGUAGE_4};
    constexpr int Languages[] = {3, 5, 7, 9};
    constexpr int Shares[] = {41, 29, 18, 12};
    for (int slot = 0; slot < 4; ++slot) {
        pins.push_back({LanguageIds[slot], Input::Combo, Languages[slot], nullptr,
                        [slot](const TCountry& c) { return c.GetLanguage(slot); }, Languages[slot]});
        pins.push_back({IDC_COUNTRY_SHARE_1 + slot, Input::Spin, Shares[slot], nullptr,
                        [slot](const TCountry& c) { return c.GetLanguageShare(slot); }, Shares[slot]});
    }
    return pins;
}

TEST_F(CountryFieldPinTest, EveryControlOfTheGeneralPageWritesItsOwnField)
{
    TCountry& country = Country(Pinned);
    country.SetNotes(u"");
    field_pins::RunPasses<TCountry>(country, GeneralPagePins(), [&](const std::vector<TCountryPin>& pins) {
        CDlgLandParent frame(&country, nullptr);
        ASSERT_TRUE(frame.Create(nullptr));
        const HWND page = ShownPage(frame.Handle());
        for (const TCountryPin& pin : pins) Enter(page, pin);
        SetText(page, IDC_COUNTRY_NOTES, u"Pinned notes");
        ::SendMessageW(frame.Handle(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    EXPECT_EQ(country.GetNotes(), u"Pinned notes");
}

std::vector<TCountryPin> CupPagePins(const TCountry& country)
{
    const auto checked = [](std::function<bool(const TCountry&)> get, int control, const TCountry&) {
        return TCountryPin{control, Input::Check, 0, nullptr, [get](TCountry& r) { return get(r); }, 0};
    };
    std::vector<TCountryPin> pins = {
        checked([](const TCountry& c) { return c.GetHomeAdvantageLowerLeague(); }, IDC_CUP_HOME_ADVANTAGE, country),
        checked([](const TCountry& c) { return c.GetPlayerCupTied(); }, IDC_CUP_TIED, country),
        checked([](const TCountry& c) { return c.GetYellowAfterYellowRedLeague(); }, IDC_CUP_YELLOW_LEAGUE_AFTER_RED, country),
        checked([](const TCountry& c) { return c.GetYellowAfterYellowRedCup(); }, IDC_CUP_YELLOW_CUP_AFTER_RED, country),
        checked([](const TCountry& c) { return c.GetBanForAllCompetitions(0); }, IDC_CUP_YELLOW_ALL, country),
        checked([](const TCountry& c) { return c.GetBanForAllCompetitions(1); }, IDC_CUP_YELLOW_RED_ALL, country),
        checked([](const TCountry& c) { return c.GetBanForAllCompetitions(2); }, IDC_CUP_RED_ALL, country),
        {IDC_CUP_YELLOW_LEAGUE_RULE, Input::Combo, country.GetYellowCardLeagueRule() == 4 ? 3 : 4, nullptr,
         [](TCountry& c) { return c.GetYellowCardLeagueRule(); }, country.GetYellowCardLeagueRule() == 4 ? 3 : 4},
        {IDC_CUP_YELLOW_CUP_RULE, Input::Combo, country.GetYellowCardCupRule() == 2 ? 1 : 2, nullptr,
         [](TCountry& c) { return c.GetYellowCardCupRule(); }, country.GetYellowCardCupRule() == 2 ? 1 : 2},
        {IDC_CUP_RED_RULE, Input::Combo, country.GetRedCardRule() == 0 ? 1 : 0, nullptr,
         [](TCountry& c) { return c.GetRedCardRule(); }, country.GetRedCardRule() == 0 ? 1 : 0},
    };
    constexpr int Bans[] = {IDC_CUP_YELLOW_RED_BAN_1, IDC_CUP_YELLOW_RED_BAN_2, IDC_CUP_YELLOW_RED_BAN_3,
                            IDC_CUP_YELLOW_RED_BAN_4, IDC_CUP_YELLOW_RED_BAN_5};
    for (int league = 0; league < 5; ++league) {
        pins.push_back(checked([league](const TCountry& c) { return c.GetYellowRedBanLeague(league); }, Bans[league], country));
    }
    // The national cup's bonus by round, shown first: amount type 1 holds
    // the table's second eight values.
    constexpr int Rounds[] = {IDC_CUP_ROUND_1, IDC_CUP_ROUND_2, IDC_CUP_ROUND_3, IDC_CUP_ROUND_4,
                              IDC_CUP_ROUND_5, IDC_CUP_ROUND_QUARTER, IDC_CUP_ROUND_SEMI, IDC_CUP_ROUND_FINAL};
    for (int round = 0; round < 8; ++round) {
        pins.push_back({Rounds[round], Input::Spin, 1001 + round, nullptr,
                        [round](TCountry& c) {
                            SettingsBlock prizes{};
                            GetNationalCupSettings(c, prizes);
                            return prizes[static_cast<std::size_t>(8 + round)];
                        },
                        1001 + round});
    }
    return pins;
}

TEST_F(CountryFieldPinTest, EveryControlOfTheCupPageWritesItsOwnField)
{
    TCountry& country = Country(Pinned);
    field_pins::RunPasses<TCountry>(country, CupPagePins(country), [&](const std::vector<TCountryPin>& pins) {
        CDlgLandParent frame(&country, nullptr);
        ASSERT_TRUE(frame.Create(nullptr));
        SwitchTab(frame.Handle(), IDC_COUNTRY_TABS, TabWithCode(frame, CDlgLandParent::Cup));
        const HWND page = ShownPage(frame.Handle());
        // A national cup, whose amounts the bonus combo then shows.
        if (SelectedData(page, IDC_CUP_NATIONAL_TYPE) <= 0) ChooseByData(page, IDC_CUP_NATIONAL_TYPE, 1);
        ASSERT_EQ(SelectedData(page, IDC_CUP_BONUS_CUP), 0);
        for (const TCountryPin& pin : pins) Enter(page, pin);
        ::SendMessageW(frame.Handle(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
}

TEST_F(CountryFieldPinTest, TheHeightAndWeightOfTheAppearancePageWriteTheirOwnFields)
{
    TCountry& country = Country(Pinned);
    const std::vector<TCountryPin> pins = {
        {IDC_APPEARANCE_HEIGHT, Input::Spin, 187, nullptr, [](const TCountry& c) { return c.GetAverageHeight(); }, 187},
        {IDC_APPEARANCE_WEIGHT, Input::Spin, 83, nullptr, [](const TCountry& c) { return c.GetAverageWeight(); }, 83},
    };
    field_pins::RunPasses<TCountry>(country, pins, [&](const std::vector<TCountryPin>& entered) {
        CDlgLandParent frame(&country, nullptr);
        ASSERT_TRUE(frame.Create(nullptr));
        SwitchTab(frame.Handle(), IDC_COUNTRY_TABS, TabWithCode(frame, CDlgLandParent::Appearance));
        for (const TCountryPin& pin : entered) Enter(ShownPage(frame.Handle()), pin);
        ::SendMessageW(frame.Handle(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
}

using TLeaguePin = TPin<CDBLeague>;

std::vector<TLeaguePin> LeagueDataPins()
{
    const auto flag = [](int bit) { return [bit](const CDBLeague& l) { return (l.GetLeagueFlags() >> bit) & 1; }; };
    return {
        {IDC_LEAGUE_TV_BONUS, Input::Spin, 1111111, nullptr, [](const CDBLeague& l) { return l.GetSetting(3); }, 1111111},
        {IDC_LEAGUE_CHAMPION_BONUS, Input::Spin, 2222222, nullptr, [](const CDBLeague& l) { return l.GetSetting(1); }, 2222222},
        {IDC_LEAGUE_PLACE_DEDUCTION, Input::Spin, 3333333, nullptr, [](const CDBLeague& l) { return l.GetSetting(2); }, 3333333},
        {IDC_LEAGUE_MAX_NON_EU, Input::Spin, 7, nullptr, [](const CDBLeague& l) { return l.GetLeagueValue1(); }, 7},
        {IDC_LEAGUE_MAX_NON_EU_AGE, Input::Spin, 25, nullptr, [](const CDBLeague& l) { return l.GetLeagueValue2(); }, 25},
        {IDC_LEAGUE_ATTENDANCE, Input::Typed, 0, u"1.23", [](const CDBLeague& l) { return l.GetAttendanceMultiplier(); }, 123},
        {IDC_LEAGUE_TRANSFER, Input::Typed, 0, u"0.87", [](const CDBLeague& l) { return l.GetTransferMultiplier(); }, 87},
        {IDC_LEAGUE_LOCAL_FREE_AGENTS, Input::Check, 0, nullptr, flag(0), 0},
        {IDC_LEAGUE_FOREIGN_FREE_AGENTS, Input::Check, 0, nullptr, flag(1), 0},
        {IDC_LEAGUE_LOAN_CANCEL, Input::Check, 0, nullptr, flag(2), 0},
    };
}

TEST_F(CountryFieldPinTest, EveryValueControlOfTheLeagueDataDialogWritesItsOwnField)
{
    TCountry& country = Country(Pinned);
    CDlgLandParent frame(&country, nullptr);
    ASSERT_TRUE(frame.Create(nullptr));
    SwitchTab(frame.Handle(), IDC_COUNTRY_TABS, TabWithCode(frame, CDlgLandParent::LeagueSystem));
    const HWND page = ShownPage(frame.Handle());
    const HWND tree = ::GetDlgItem(page, IDC_LEAGUES_TREE);
    int row = 0;
    while (IsLevelHeading(static_cast<std::uint32_t>(::SendMessageW(tree, LB_GETITEMDATA, row, 0)))) ++row;
    const auto id = static_cast<std::uint32_t>(::SendMessageW(tree, LB_GETITEMDATA, row, 0));
    auto* league = dynamic_cast<CDBLeague*>(country.GetCompetitionRegistry().Get(id));
    ASSERT_NE(league, nullptr);
    field_pins::RunPasses<CDBLeague>(*league, LeagueDataPins(), [&](const std::vector<TLeaguePin>& pins) {
        gui_test::ModalDriver driver([&] {
            const HWND dialog = app_test::FindDialogWith(IDC_LEAGUE_ATTENDANCE);
            if (dialog == nullptr) return false;
            for (const TLeaguePin& pin : pins) Enter(dialog, pin);
            ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            return true;
        });
        ::SendMessageW(tree, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
        ::SendMessageW(page, WM_COMMAND, MAKEWPARAM(IDC_LEAGUES_TREE, LBN_SELCHANGE), reinterpret_cast<LPARAM>(tree));
        EXPECT_FALSE(driver.TimedOut());
    });
}

}  // namespace
