// The country editor's frame and general page over the sample database.
#include <gtest/gtest.h>

#include "CountryEditorTestSupport.h"
#include "app/MainWindowLaunchers.h"
#include "core/text/TextManager.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "editors/country_club/country/CountryEditorLaunchers.h"
#include "editors/country_club/country/DlgLandParent.h"
#include "resources/CountryEditorIds.h"
#include "tests/ui/GuiTestSupport.h"

using namespace country_editor_testing;

namespace {

constexpr int Sample = 21;

std::u16string Number(int value)
{
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

// The frame opened modeless, as the modal run would show it.
class CountryFrameTest : public SampleCountryTest {
protected:
    void Open(TCountry& country)
    {
        frame_ = std::make_unique<CDlgLandParent>(&country, nullptr);
        ASSERT_TRUE(frame_->Create(nullptr));
    }
    void TearDown() override
    {
        frame_.reset();
        SampleCountryTest::TearDown();
    }
    HWND Frame() const { return frame_->Handle(); }
    // The page shown on the tab control.
    HWND Page() const
    {
        HWND tabs = ::GetDlgItem(Frame(), IDC_COUNTRY_TABS);
        for (HWND child = ::GetWindow(tabs, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
            if (::GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE) return child;
        }
        return nullptr;
    }
    void Ok() { ::SendMessageW(Frame(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); }

    std::unique_ptr<CDlgLandParent> frame_;
};

TEST_F(CountryFrameTest, OpensOnTheGeneralPageFilledFromTheCountry)
{
    TCountry& country = Country(Sample);
    Open(country);
    EXPECT_EQ(frame_->GetCurrentTab(), 0);
    EXPECT_EQ(frame_->GetPageCode(0), CDlgLandParent::General);
    HWND page = Page();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(::GetDlgCtrlID(page), 0) << "pages are dialogs without an id";
    EXPECT_EQ(Text(page, IDC_COUNTRY_FEDERATION), std::u16string(country.GetFederationName()).substr(0, 9));
    EXPECT_EQ(Text(page, IDC_COUNTRY_AVERAGE_RATING), Number(country.GetAverageRating()));
    EXPECT_EQ(SelectedData(page, IDC_COUNTRY_LANGUAGE_1), country.GetLanguage(0));
    EXPECT_EQ(SelectedData(page, IDC_COUNTRY_TERRITORY), country.GetPreferredTerritory() < 12 ? country.GetPreferredTerritory() : -1);
}

TEST_F(CountryFrameTest, OkOnTheFirstTabWritesTheGeneralPage)
{
    TCountry& country = Country(Sample);
    Open(country);
    Type(Page(), IDC_COUNTRY_FEDERATION, u"NEW");
    EXPECT_NE(std::u16string(country.GetFederationName()), u"NEW") << "nothing is written before OK";
    Ok();
    EXPECT_EQ(std::u16string(country.GetFederationName()), u"NEW");
    EXPECT_FALSE(::IsWindowVisible(Frame()));
}

TEST_F(CountryFrameTest, CancelWritesNothing)
{
    TCountry& country = Country(Sample);
    const std::u16string before = country.GetFederationName();
    Open(country);
    Type(Page(), IDC_COUNTRY_FEDERATION, u"NEW");
    ::SendMessageW(Frame(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_EQ(std::u16string(country.GetFederationName()), before);
}

TEST_F(CountryFrameTest, TheFederationNameTakesNineCharacters)
{
    TCountry& country = Country(Sample);
    Open(country);
    Type(Page(), IDC_COUNTRY_FEDERATION, u"ABCDEFGHIJ");
    EXPECT_EQ(Text(Page(), IDC_COUNTRY_FEDERATION), u"ABCDEFGHI");
    Ok();
    EXPECT_EQ(std::u16string(country.GetFederationName()), u"ABCDEFGHI");
}

TEST_F(CountryFrameTest, NaturalisationZeroReadsNeverAndStaysZero)
{
    TCountry& country = Country(Sample);
    country.SetNaturalisationYears(0);
    Open(country);
    EXPECT_EQ(Text(Page(), IDC_COUNTRY_NATURALISATION), CTextManager::Instance()->GetText(u"Never"));
    Ok();
    EXPECT_EQ(country.GetNaturalisationYears(), 0);
}

// Every page of the frame in each language, "Never" in the naturalisation
// edit among the texts shown.
TEST_F(CountryFrameTest, EveryPageShowsEveryTextWholeInEachLanguage)
{
    TCountry& country = Country(Sample);
    country.SetNaturalisationYears(0);
    gui_test::InEachLanguage([&] {
        Open(country);
        const int tabs = static_cast<int>(::SendDlgItemMessageW(Frame(), IDC_COUNTRY_TABS, TCM_GETITEMCOUNT, 0, 0));
        for (int tab = 0; tab < tabs; ++tab) {
            SwitchTab(Frame(), IDC_COUNTRY_TABS, tab);
            gui_test::ExpectWholeLayout(Frame(), "tab " + std::to_string(tab));
        }
        ::SendMessageW(Frame(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        frame_.reset();
    });
}

TEST_F(CountryFrameTest, TerritoryTenShowsOceania)
{
    TCountry& country = Country(Sample);
    country.SetPreferredTerritory(10);
    Open(country);
    HWND combo = ::GetDlgItem(Page(), IDC_COUNTRY_TERRITORY);
    const LRESULT index = ::SendMessageW(combo, CB_GETCURSEL, 0, 0);
    ASSERT_GE(index, 0);
    wchar_t text[128] = {};
    ::SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(text)), CTextManager::Instance()->GetText(u"Country.Territory.19"));
}

TEST_F(CountryFrameTest, TerritoryTwelveShowsNoSelectionAndStays)
{
    TCountry& country = Country(Sample);
    country.SetPreferredTerritory(12);
    Open(country);
    EXPECT_EQ(SelectedData(Page(), IDC_COUNTRY_TERRITORY), -1);
    Ok();
    EXPECT_EQ(country.GetPreferredTerritory(), 12);
}

TEST_F(CountryFrameTest, SharesOverOneHundredAreCappedAtOnce)
{
    TCountry& country = Country(Sample);
    Open(country);
    HWND page = Page();
    SetSpin(page, IDC_COUNTRY_SHARE_1, 40);
    SetSpin(page, IDC_COUNTRY_SHARE_2, 30);
    SetSpin(page, IDC_COUNTRY_SHARE_3, 20);
    SetSpin(page, IDC_COUNTRY_SHARE_4, 30);
    EXPECT_EQ(Text(page, IDC_COUNTRY_SHARE_4), u"10");
    EXPECT_EQ(Text(page, IDC_COUNTRY_SHARE_SUM), u"100");
}

TEST_F(CountryFrameTest, LanguagesAndSharesAreStoredCompacted)
{
    TCountry& country = Country(Sample);
    Open(country);
    HWND page = Page();
    ChooseByData(page, IDC_COUNTRY_LANGUAGE_1, 5);
    ChooseByData(page, IDC_COUNTRY_LANGUAGE_2, 5);
    ChooseByData(page, IDC_COUNTRY_LANGUAGE_3, 0);
    ChooseByData(page, IDC_COUNTRY_LANGUAGE_4, 7);
    SetSpin(page, IDC_COUNTRY_SHARE_1, 40);
    SetSpin(page, IDC_COUNTRY_SHARE_2, 20);
    SetSpin(page, IDC_COUNTRY_SHARE_3, 0);
    SetSpin(page, IDC_COUNTRY_SHARE_4, 10);
    Ok();
    EXPECT_EQ(country.GetLanguage(0), 5);
    EXPECT_EQ(country.GetLanguage(1), 7);
    EXPECT_EQ(country.GetLanguageShare(0), 90);
    EXPECT_EQ(country.GetLanguageShare(1), 10);
}

TEST_F(CountryFrameTest, ALowerAverageLowersTheLevelRatings)
{
    TCountry& country = Country(Sample);
    country.SetAverageRating(80);
    country.SetLeagueRating(1, 70);
    Open(country);
    SetSpin(Page(), IDC_COUNTRY_AVERAGE_RATING, 60);
    Ok();
    EXPECT_EQ(country.GetAverageRating(), 60);
    EXPECT_EQ(country.GetLeagueRating(1), 60);
}

// The rating dialog over the country, driven from inside its modal loop.
TEST_F(CountryFrameTest, RatingDialogListsNamedLevelsAndWritesAtOnce)
{
    TCountry& country = Country(Sample);
    for (int language = 0; language < TCountry::LanguageCount; ++language) country.SetLeagueLevelName(language, 5, u"");
    country.SetAverageRating(80);
    Open(country);
    int rows = -1;
    bool disabledAtFirst = false;
    bool enabledAfterChoice = false;
    gui_test::ModalDriver driver([&] {
        HWND dialog = app_test::FindDialogWith(IDC_RATING_LEVELS);
        if (dialog == nullptr) return false;
        HWND list = ::GetDlgItem(dialog, IDC_RATING_LEVELS);
        rows = static_cast<int>(::SendMessageW(list, LB_GETCOUNT, 0, 0));
        disabledAtFirst = !::IsWindowEnabled(::GetDlgItem(dialog, IDC_RATING_VALUE));
        ::SendMessageW(list, LB_SETCURSEL, 0, 0);
        ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_RATING_LEVELS, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
        enabledAfterChoice = ::IsWindowEnabled(::GetDlgItem(dialog, IDC_RATING_VALUE)) != FALSE;
        SetSpin(dialog, IDC_RATING_VALUE, 55);
        ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        return true;
    });
    Click(Page(), IDC_COUNTRY_MODIFY_RATING);
    EXPECT_FALSE(driver.TimedOut());
    int named = 0;
    for (int level = 0; level < TCountry::LevelCount; ++level) named += country.GetLeagueLevelName(level)[0] != 0;
    EXPECT_EQ(rows, named);
    EXPECT_TRUE(disabledAtFirst);
    EXPECT_TRUE(enabledAfterChoice);
    EXPECT_EQ(country.GetLeagueRating(0), 55);
    EXPECT_EQ(Text(Page(), IDC_COUNTRY_AVERAGE_RATING), u"55") << "level 0's rating is the average";
}

TEST_F(CountryFrameTest, ARatingAboveTheSpinsRangeIsShownClampedAndKept)
{
    TCountry& country = Country(Sample);
    for (int language = 0; language < TCountry::LanguageCount; ++language) country.SetLeagueLevelName(language, 1, u"Second level");
    country.SetLeagueRating(1, 120);
    Open(country);
    std::u16string shown;
    gui_test::ModalDriver driver([&] {
        HWND dialog = app_test::FindDialogWith(IDC_RATING_LEVELS);
        if (dialog == nullptr) return false;
        HWND list = ::GetDlgItem(dialog, IDC_RATING_LEVELS);
        const int rows = static_cast<int>(::SendMessageW(list, LB_GETCOUNT, 0, 0));
        for (int row = 0; row < rows; ++row) {
            if (::SendMessageW(list, LB_GETITEMDATA, static_cast<WPARAM>(row), 0) == 1) ::SendMessageW(list, LB_SETCURSEL, row, 0);
        }
        ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_RATING_LEVELS, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
        shown = Text(dialog, IDC_RATING_VALUE);
        ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return true;
    });
    Click(Page(), IDC_COUNTRY_MODIFY_RATING);
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_EQ(shown, u"99");
    EXPECT_EQ(country.GetLeagueRating(1), 120);
}

TEST_F(CountryFrameTest, TheRatingButtonShowsTheStoredSharesAgainWithoutCappingThem)
{
    TCountry& country = Country(Sample);
    const std::uint8_t languages[] = {5, 0, 7, 0};
    const std::uint8_t shares[] = {70, 0, 30, 0};
    for (int slot = 0; slot < 4; ++slot) {
        country.SetLanguage(slot, languages[slot]);
        country.SetLanguageShare(slot, shares[slot]);
    }
    Open(country);
    SetSpin(Page(), IDC_COUNTRY_SHARE_3, 25);
    gui_test::ModalDriver driver([&] {
        HWND dialog = app_test::FindDialogWith(IDC_RATING_LEVELS);
        if (dialog == nullptr) return false;
        ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return true;
    });
    // The page is stored (the languages compacted, the shares made 100)
    // and shown again.
    Click(Page(), IDC_COUNTRY_MODIFY_RATING);
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_EQ(Text(Page(), IDC_COUNTRY_SHARE_1), u"75");
    EXPECT_EQ(Text(Page(), IDC_COUNTRY_SHARE_2), u"25");
    EXPECT_EQ(Text(Page(), IDC_COUNTRY_SHARE_3), u"0");
    EXPECT_EQ(Text(Page(), IDC_COUNTRY_SHARE_SUM), u"100");
    Ok();
    EXPECT_EQ(country.GetLanguage(1), 7);
    EXPECT_EQ(country.GetLanguageShare(0), 75);
    EXPECT_EQ(country.GetLanguageShare(1), 25);
}

TEST_F(CountryFrameTest, TheLauncherRunsTheFrameModally)
{
    TMainWindowLaunchers launchers;
    RegisterCountryEditor(launchers);
    ASSERT_TRUE(launchers.countryEditor);
    TCountry& country = Country(Sample);
    gui_test::ModalDriver driver([&] {
        HWND frame = app_test::FindDialogWith(IDC_COUNTRY_TABS);
        if (frame == nullptr) return false;
        HWND tabs = ::GetDlgItem(frame, IDC_COUNTRY_TABS);
        HWND page = ::GetWindow(tabs, GW_CHILD);
        Type(page, IDC_COUNTRY_FEDERATION, u"VIA");
        ::SendMessageW(frame, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        return true;
    });
    EXPECT_EQ(launchers.countryEditor(nullptr, country), IDOK);
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_EQ(std::u16string(country.GetFederationName()), u"VIA");
}

}  // namespace
