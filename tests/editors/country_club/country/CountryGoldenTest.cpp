// A country edited through every page of the editor, as a user would, saves
// the file checked in beside this test, and reading that file back gives
// the values the user chose.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "CountryEditorTestSupport.h"
#include "competition/CompetitionId.h"
#include "competition/CountryCups.h"
#include "competition/League.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/world/WorldList.h"
#include "editors/country_club/country/DlgLandParent.h"
#include "resources/CountryCupIds.h"
#include "resources/CountryEditorIds.h"
#include "tests/common/TestSupport.h"
#include "tests/ui/GuiTestSupport.h"

using namespace country_editor_testing;

namespace {

constexpr int EditedCountry = 14;
constexpr int GermanCup = 1;
constexpr int SuperCupKind = 13;

class CountryGoldenTest : public SampleCountryTest {
protected:
    static void ChooseTreeRow(HWND page, int row)
    {
        HWND list = ::GetDlgItem(page, IDC_LEAGUES_TREE);
        ::SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
        ::SendMessageW(page, WM_COMMAND, MAKEWPARAM(IDC_LEAGUES_TREE, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    }
    static HWND ShowTab(CDlgLandParent& frame, int code)
    {
        SwitchTab(frame.Handle(), IDC_COUNTRY_TABS, TabWithCode(frame, code));
        return ShownPage(frame.Handle());
    }
    static void EditGeneralPage(HWND page)
    {
        ChooseByData(page, IDC_COUNTRY_LANGUAGE_2, 5);
        SetSpin(page, IDC_COUNTRY_SHARE_1, 70);
        SetSpin(page, IDC_COUNTRY_SHARE_2, 30);
    }
    static void EditCupPage(HWND page)
    {
        ChooseByData(page, IDC_CUP_NATIONAL_TYPE, GermanCup);
        SetText(page, IDC_CUP_NATIONAL_NAME, u"Landespokal");
        ChooseByData(page, IDC_CUP_SUPER_TYPE, SuperCupKind);
        SetText(page, IDC_CUP_SUPER_NAME, u"Supercup");
        ChooseByData(page, IDC_CUP_BONUS_CUP, 0);
        SetSpin(page, IDC_CUP_ROUND_FINAL, 5000);
        Click(page, IDC_CUP_BONUS_TYPE_TV);
        // The file keeps the rounds the cup plays only, the last six here.
        SetSpin(page, IDC_CUP_ROUND_SEMI, 70);
    }
    static void EditLeaguePage(HWND page)
    {
        gui_test::ModalDriver rename([] {
            HWND dialog = app_test::FindDialogWith(IDC_LEVEL_NAME);
            if (dialog == nullptr || ::GetDlgItem(dialog, IDC_LEAGUE_ATTENDANCE) != nullptr) return false;
            SetText(dialog, IDC_LEVEL_NAME, u"Top flight");
            ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            return true;
        });
        ChooseTreeRow(page, 0);
        EXPECT_FALSE(rename.TimedOut());
        gui_test::ModalDriver data([] {
            HWND dialog = app_test::FindDialogWith(IDC_LEAGUE_ATTENDANCE);
            if (dialog == nullptr) return false;
            SetText(dialog, IDC_LEAGUE_ATTENDANCE, u"1.23");
            ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_LEAGUE_ATTENDANCE, EN_KILLFOCUS),
                           reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDC_LEAGUE_ATTENDANCE)));
            ChooseByData(dialog, IDC_LEAGUE_LOANS_SAME_LEAGUE, 3);
            ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            return true;
        });
        ChooseTreeRow(page, 1);
        EXPECT_FALSE(data.TimedOut());
    }
    static CDBCompetition* Competition(TCountry& country, std::uint32_t type)
    {
        const auto id = MakeCompetitionId(static_cast<std::uint32_t>(country.GetId()), type, 0);
        return dynamic_cast<CDBCompetition*>(country.GetCompetitionRegistry().Get(id));
    }
};

TEST_F(CountryGoldenTest, EveryPageEditedSavesTheExpectedFile)
{
    TCountry& country = Country(EditedCountry);
    ASSERT_EQ(country.GetLeagueCount(), 1);
    {
        CDlgLandParent frame(&country, nullptr);
        ASSERT_TRUE(frame.Create(nullptr));
        EditGeneralPage(ShownPage(frame.Handle()));
        EditCupPage(ShowTab(frame, CDlgLandParent::Cup));
        EditLeaguePage(ShowTab(frame, CDlgLandParent::LeagueSystem));
        ShowTab(frame, CDlgLandParent::Appearance);
        ::SendMessageW(frame.Handle(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    }
    ASSERT_TRUE(GetWorld()->SaveWorld({}, TCompleteWorld::DamagedFiles::Keep).saved);
    const std::u16string file = folder_.Path() + u"\\Database\\Country14.sav";
    const std::u16string golden = testing_support::SourcePath(u"tests\\editors\\country_club\\country\\golden\\Country14.sav");
    const std::vector<std::uint8_t> saved = testing_support::ReadBytes(file);
    if (std::getenv("TR_WRITE_GOLDEN") != nullptr) testing_support::WriteBytes(golden, saved);
    EXPECT_TRUE(saved == testing_support::ReadBytes(golden)) << "the saved country differs from the golden file";

    // The file read back into a world of its own.
    TCompleteWorld* current = GetWorld();
    TCompleteWorld* reread = GetWorldList().CreateCompleteWorld();
    ASSERT_NE(reread, nullptr);
    ASSERT_TRUE(reread->LoadWorld(u"Database"));
    TCountry& back = *reread->GetCountry(EditedCountry);
    EXPECT_EQ(back.GetLanguage(1), 5);
    EXPECT_EQ(back.GetLanguageShare(0), 70);
    EXPECT_EQ(back.GetLanguageShare(1), 30);
    EXPECT_EQ(back.GetNationalCupType(), GermanCup);
    EXPECT_EQ(back.GetSuperCupType(), SuperCupKind);
    const int language = reread->GetDatabaseLanguage();
    ASSERT_NE(Competition(back, TypeFaCup), nullptr);
    EXPECT_EQ(std::u16string(Competition(back, TypeFaCup)->GetNameInLanguage(language)), u"Landespokal");
    EXPECT_EQ(std::u16string(Competition(back, TypeSuperCup)->GetNameInLanguage(language)), u"Supercup");
    SettingsBlock prizes{};
    GetNationalCupSettings(back, prizes);
    EXPECT_EQ(prizes[15], 5000) << "bonus, final";
    EXPECT_EQ(prizes[6], 70) << "television, semi-final";
    EXPECT_EQ(std::u16string(back.GetLeagueLevelName(0)), u"Top flight");
    const auto* league = dynamic_cast<const CDBLeagueBase*>(back.GetCompetitionRegistry().Get(back.GetLeagueId(0)));
    ASSERT_NE(league, nullptr);
    EXPECT_EQ(league->GetAttendanceMultiplier(), 123);
    EXPECT_EQ(league->GetLeagueDataBField(0), 3);
    GetWorldList().RemoveWorld(reread);
    GetWorldList().SetCurrentWorld(current);
}

}  // namespace
