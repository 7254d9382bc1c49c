// The cup page over the sample database, driven by its control ids.
#include <gtest/gtest.h>

#include <string>

#include "CountryEditorTestSupport.h"
#include "app/LedraApp.h"
#include "competition/CompetitionId.h"
#include "competition/CountryCups.h"
#include "competition/CupAlloc.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/world/WorldList.h"
#include "editors/country_club/country/DlgLandParent.h"
#include "resources/CountryCupIds.h"
#include "resources/CountryEditorIds.h"
#include "tests/ui/GuiTestSupport.h"

using namespace country_editor_testing;

namespace {

constexpr int SampleCountry = 21;
constexpr LPARAM GermanCup = 1;
constexpr LPARAM EnglishCup = 2;
constexpr LPARAM GermanLeagueCup = 7;

class CountryCupTest : public SampleCountryTest {
protected:
    void TearDown() override
    {
        frame_.reset();
        SampleCountryTest::TearDown();
    }
    TCountry& Sample()
    {
        TCountry& country = Country(SampleCountry);
        SetNationalCupSettings(country, static_cast<int>(GermanCup), SettingsBlock{});
        NationalCup(country)->SetName(Language(), u"Pokal");
        return country;
    }
    HWND Open(TCountry& country)
    {
        frame_ = std::make_unique<CDlgLandParent>(&country, nullptr);
        EXPECT_TRUE(frame_->Create(nullptr));
        SwitchTab(frame_->Handle(), IDC_COUNTRY_TABS, TabWithCode(*frame_, CDlgLandParent::Cup));
        return ShownPage(frame_->Handle());
    }
    void Ok() { ::SendMessageW(frame_->Handle(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); }
    static int Language() { return GetWorld()->GetDatabaseLanguage(); }
    static CDBCompetition* NationalCup(TCountry& country)
    {
        const auto id = MakeCompetitionId(static_cast<std::uint32_t>(country.GetId()), TypeFaCup, 0);
        return dynamic_cast<CDBCompetition*>(country.GetCompetitionRegistry().Get(id));
    }
    static std::vector<LPARAM> BonusCups(HWND page)
    {
        std::vector<LPARAM> cups;
        const auto count = ::SendDlgItemMessageW(page, IDC_CUP_BONUS_CUP, CB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) cups.push_back(::SendDlgItemMessageW(page, IDC_CUP_BONUS_CUP, CB_GETITEMDATA, i, 0));
        return cups;
    }

    std::unique_ptr<CDlgLandParent> frame_;
};

TEST_F(CountryCupTest, TypeCombosOfferTheirKindsAfterNoCup)
{
    TCountry& country = Sample();
    HWND page = Open(country);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(SelectedData(page, IDC_CUP_NATIONAL_TYPE), GermanCup);
    EXPECT_EQ(::SendDlgItemMessageW(page, IDC_CUP_NATIONAL_TYPE, CB_GETCOUNT, 0, 0), 7) << "no cup and six national cups";
    EXPECT_EQ(::SendDlgItemMessageW(page, IDC_CUP_SUPER_TYPE, CB_GETITEMDATA, 0, 0), 0);
    EXPECT_EQ(::SendDlgItemMessageW(page, IDC_CUP_SUPER_TYPE, CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(::SendDlgItemMessageW(page, IDC_CUP_LEAGUE_TYPE, CB_GETCOUNT, 0, 0), 7);
    EXPECT_EQ(Text(page, IDC_CUP_NATIONAL_NAME), u"Pokal");
}

TEST_F(CountryCupTest, ATypeChangeRemakesTheCupAndKeepsItsName)
{
    TCountry& country = Sample();
    // A mark the new cup does not carry.
    NationalCup(country)->SetDayGroup(6);
    HWND page = Open(country);
    ChooseByData(page, IDC_CUP_NATIONAL_TYPE, EnglishCup);
    Ok();
    EXPECT_EQ(country.GetNationalCupType(), EnglishCup);
    ASSERT_NE(NationalCup(country), nullptr);
    EXPECT_NE(NationalCup(country)->GetDayGroup(), 6);
    EXPECT_EQ(std::u16string(NationalCup(country)->GetNameInLanguage(Language())), u"Pokal");
}

TEST_F(CountryCupTest, NoCupLeavesTheBonusComboAndATypeAddsACupAtOnce)
{
    TCountry& country = Sample();
    for (int cup = 0; cup < 4; ++cup) CreateCupCompetition(country, TypeLeagueCup, 0, static_cast<std::uint32_t>(cup));
    for (int cup = 0; cup < 4; ++cup) country.SetLeagueCupType(cup, 0);
    SetSuperCupSettings(country, 0, SettingsBlock{});
    HWND page = Open(country);
    EXPECT_EQ(BonusCups(page), (std::vector<LPARAM>{0}));
    ChooseByData(page, IDC_CUP_LOWER_2_TYPE, GermanLeagueCup);
    EXPECT_EQ(BonusCups(page), (std::vector<LPARAM>{0, 3}));
    ChooseByData(page, IDC_CUP_NATIONAL_TYPE, 0);
    EXPECT_EQ(BonusCups(page), (std::vector<LPARAM>{3}));
    Ok();
    EXPECT_EQ(NationalCup(country), nullptr);
    EXPECT_EQ(country.GetNationalCupType(), 0);
    EXPECT_EQ(country.GetLeagueCupType(2), GermanLeagueCup);
}

TEST_F(CountryCupTest, AmountsAreKeptPerCupAndTypeAndEditingANameKeepsTheCup)
{
    TCountry& country = Sample();
    SetSuperCupSettings(country, 13, SettingsBlock{});
    HWND page = Open(country);
    SetSpin(page, IDC_CUP_ROUND_FINAL, 5000);
    Click(page, IDC_CUP_BONUS_TYPE_TV);
    SetSpin(page, IDC_CUP_ROUND_3, 70);
    ChooseByData(page, IDC_CUP_BONUS_CUP, 5);
    SetSpin(page, IDC_CUP_ROUND_SEMI, 12345);
    SetText(page, IDC_CUP_NATIONAL_NAME, u"Landespokal");  // the edit tells the page
    EXPECT_EQ(SelectedData(page, IDC_CUP_BONUS_CUP), 5) << "a name edit keeps the current cup";
    Click(page, IDC_CUP_BONUS_TYPE_BONUS);
    Click(page, IDC_CUP_BONUS_TYPE_TV);
    Ok();
    SettingsBlock national{};
    GetNationalCupSettings(country, national);
    EXPECT_EQ(national[15], 5000) << "bonus, final";
    EXPECT_EQ(national[2], 70) << "television, round 3";
    SettingsBlock super{};
    GetSuperCupSettings(country, super);
    EXPECT_EQ(super[6], 12345) << "television, semi-final";
    EXPECT_EQ(std::u16string(NationalCup(country)->GetNameInLanguage(Language())), u"Landespokal");
}

TEST_F(CountryCupTest, OnlyTheRoundsTheCupKeepsAreOffered)
{
    TCountry& country = Sample();
    SetSuperCupSettings(country, 13, SettingsBlock{});
    HWND page = Open(country);
    const int rounds[] = {IDC_CUP_ROUND_1, IDC_CUP_ROUND_2, IDC_CUP_ROUND_3, IDC_CUP_ROUND_4,
                          IDC_CUP_ROUND_5, IDC_CUP_ROUND_QUARTER, IDC_CUP_ROUND_SEMI, IDC_CUP_ROUND_FINAL};
    // The German cup plays six rounds, the super cup one.
    for (int round = 0; round < 8; ++round) {
        EXPECT_EQ(::IsWindowEnabled(::GetDlgItem(page, rounds[round])) != FALSE, round >= 2) << round;
    }
    ChooseByData(page, IDC_CUP_BONUS_CUP, 5);
    for (int round = 0; round < 8; ++round) {
        EXPECT_EQ(::IsWindowEnabled(::GetDlgItem(page, rounds[round])) != FALSE, round == 7) << round;
    }
    ChooseByData(page, IDC_CUP_SUPER_TYPE, 14);
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(page, IDC_CUP_ROUND_FINAL)));
    ChooseByData(page, IDC_CUP_BONUS_CUP, 0);
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(page, IDC_CUP_ROUND_3)));
    ChooseByData(page, IDC_CUP_NATIONAL_TYPE, 4);
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(page, IDC_CUP_ROUND_1))) << "seven rounds from round 2 of the page";
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(page, IDC_CUP_ROUND_2)));
}

TEST_F(CountryCupTest, RedCardRadiosSetAndClearTheFixedBitOnly)
{
    TCountry& country = Sample();
    country.SetCardFlags(0x21);
    HWND page = Open(country);
    EXPECT_EQ(::IsDlgButtonChecked(page, IDC_CUP_RED_VARIABLE), BST_CHECKED);
    Click(page, IDC_CUP_RED_FIXED);
    Ok();
    EXPECT_EQ(country.GetCardFlags(), 0x31);
    frame_.reset();
    page = Open(country);
    EXPECT_EQ(::IsDlgButtonChecked(page, IDC_CUP_RED_FIXED), BST_CHECKED);
    Click(page, IDC_CUP_RED_VARIABLE);
    Ok();
    EXPECT_EQ(country.GetCardFlags(), 0x21);
}

TEST_F(CountryCupTest, ACupWhoseTypeHasNoEntrySurvivesAVisit)
{
    TCountry& country = Sample();
    SetLeagueCupSettings(country, 0, 40, SettingsBlock{});
    country.SetYellowCardCupRule(9);
    HWND page = Open(country);
    EXPECT_EQ(SelectedData(page, IDC_CUP_LEAGUE_TYPE), 40);
    EXPECT_EQ(SelectedData(page, IDC_CUP_YELLOW_CUP_RULE), -1);
    Ok();
    EXPECT_EQ(country.GetLeagueCupType(0), 40);
    EXPECT_EQ(country.GetYellowCardCupRule(), 9);
}

// The cup table names its cup types in the language the program starts in,
// so the table is read again after each language is chosen, as a start in
// that language reads it. Read so, each name is the localisation file's
// text of that language, which the layout check measures as any other (a
// name the table keeps as its file writes it is not); every type must then
// show whole in its box and in its drop-down list.
TEST_F(CountryCupTest, EveryCupTypeShowsWholeInTheLanguageTheTableIsReadIn)
{
    TCountry& country = Sample();
    gui_test::InEachLanguage([&] {
        LoadCupAllocation(GetCupAllocTable(), globals_->App().GetScriptFolder());
        HWND page = Open(country);
        gui_test::ExpectWholeLayout(page, "cup page");
        frame_.reset();
    });
}

}  // namespace
