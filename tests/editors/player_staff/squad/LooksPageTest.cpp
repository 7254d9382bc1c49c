// The squad window's appearance page, driven by its control ids.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include "tests/editors/player_staff/SquadWindowFixture.h"
#include "app/LedraApp.h"
#include "database/world/EnumTexts.h"
#include "editors/player_staff/squad/DlgPlayerlistClub.h"
#include "editors/player_staff/squad/PersonPage.h"
#include "editors/player_staff/PlayerStaffIds.h"
#include "resources/StaffPagesIds.h"
#include "tests/database/DatabaseTestSupport.h"
#include "tests/ui/GuiTestSupport.h"
#include "ui/base/CountryDirectory.h"
#include "ui/base/WorldCountryDirectory.h"

namespace {

constexpr int England = 14;
constexpr int AppearanceTab = 4;

class LooksPageTest : public database_testing::CurrentWorldTest {
protected:
    void SetUp() override
    {
        CurrentWorldTest::SetUp();
        SetCountryDirectory(&directory_);
        TCountry& england = *world_->GetCountry(England);
        club_ = england.GetClubByUniqueId(england.CreateClub(u"Looks"));
        player_ = world_->CreatePerson(world_->GetFreePersonId(), false);
        player_->SetFirstName(u"Jo");
        player_->SetLastName(u"Looked");
        player_->SetNationality(England);
        player_->SetPosition(0, 16);
        player_->SetHeightWeight(230, 80);
        player_->SetEmpicsId(4711);
        club_->AddPlayer(player_);
    }
    void TearDown() override
    {
        SetAdminMode(GetAdminModeFlag(), false);
        SetCountryDirectory(nullptr);
        CurrentWorldTest::TearDown();
    }

    // Runs the window on the appearance page; step acts on the page.
    void Run(const std::function<void(HWND page)>& step)
    {
        CDlgPlayerlistClub window(CDlgPlayerlistClub::ClubSquad);
        window.SetClub(club_);
        window.SetProblemBox([](HWND, const std::u16string&) { return INT_PTR{2}; });
        gui_test::ModalDriver driver([&] {
            if (window.Handle() == nullptr) return false;
            squad_window_testing::SelectPageTab(window, AppearanceTab);
            step(window.GetPage(CDlgPlayerlistClub::AppearancePage)->Handle());
            ::SendMessageW(window.Handle(), WM_COMMAND, IDOK, 0);
            return true;
        });
        window.DoModal();
        EXPECT_FALSE(driver.TimedOut());
    }

    // The control's own state: whether its parents are shown yet plays no part.
    static bool HasVisibleStyle(HWND control) { return (::GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE) != 0; }

    static void TypeNumber(HWND page, int id, int value)
    {
        // A spin edit takes its typed text when the edit loses the focus.
        HWND edit = ::GetDlgItem(page, id);
        ::SetWindowTextW(edit, std::to_wstring(value).c_str());
        ::SendMessageW(page, WM_COMMAND, MAKEWPARAM(id, EN_KILLFOCUS), reinterpret_cast<LPARAM>(edit));
    }

    CWorldCountryDirectory directory_;
    TClub* club_ = nullptr;
    TPerson* player_ = nullptr;
};

TEST_F(LooksPageTest, AFaceChosenReachesThePersonAtOnce)
{
    const int wanted = CEnumTexts::GetFaceValue(7);
    int faceBeforeStore = -1;
    Run([&](HWND page) {
        HWND combo = ::GetDlgItem(page, IDC_LOOK_FACE);
        ::SendMessageW(combo, CB_SETCURSEL, 7, 0);
        ::SendMessageW(page, WM_COMMAND, MAKEWPARAM(IDC_LOOK_FACE, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
        faceBeforeStore = player_->GetFace();
    });
    EXPECT_EQ(faceBeforeStore, wanted);
    EXPECT_EQ(player_->GetFace(), wanted);
}

TEST_F(LooksPageTest, AStoredHeightOf230ShowsAndStores220)
{
    std::u16string shown;
    Run([&](HWND page) { shown = gui_test::ItemText(page, IDC_LOOK_HEIGHT); });
    EXPECT_EQ(shown, u"220");
    EXPECT_EQ(player_->GetHeight(), 220);
    EXPECT_EQ(player_->GetWeight(), 80);
}

TEST_F(LooksPageTest, TheImperialReadOutsFollowTheSpins)
{
    std::u16string height, weight;
    Run([&](HWND page) {
        TypeNumber(page, IDC_LOOK_HEIGHT, 183);
        TypeNumber(page, IDC_LOOK_WEIGHT, 76);
        height = gui_test::ItemText(page, IDC_LOOK_HEIGHT_IMPERIAL);
        weight = gui_test::ItemText(page, IDC_LOOK_WEIGHT_IMPERIAL);
    });
    EXPECT_EQ(height, u"6' 0''");
    EXPECT_EQ(weight, u"11st 13lbs");
    EXPECT_EQ(player_->GetHeight(), 183);
    EXPECT_EQ(player_->GetWeight(), 76);
}

TEST_F(LooksPageTest, OutsideAdministrationThePictureIdIsHiddenAndKept)
{
    bool labelShown = true;
    bool editShown = true;
    Run([&](HWND page) {
        labelShown = HasVisibleStyle(::GetDlgItem(page, IDC_LOOK_PICTURE_ID_LABEL));
        editShown = HasVisibleStyle(::GetDlgItem(page, IDC_LOOK_PICTURE_ID));
        ::SetDlgItemTextW(page, IDC_LOOK_PICTURE_ID, L"99");
    });
    EXPECT_FALSE(labelShown);
    EXPECT_FALSE(editShown);
    EXPECT_EQ(player_->GetEmpicsId(), 4711u);
}

TEST_F(LooksPageTest, InAdministrationThePictureIdIsShownAndStored)
{
    SetAdminMode(GetAdminModeFlag(), true);
    bool labelShown = false;
    bool editShown = false;
    std::u16string shown;
    Run([&](HWND page) {
        labelShown = HasVisibleStyle(::GetDlgItem(page, IDC_LOOK_PICTURE_ID_LABEL));
        editShown = HasVisibleStyle(::GetDlgItem(page, IDC_LOOK_PICTURE_ID));
        shown = gui_test::ItemText(page, IDC_LOOK_PICTURE_ID);
        ::SetDlgItemTextW(page, IDC_LOOK_PICTURE_ID, L"99");
    });
    SetAdminMode(GetAdminModeFlag(), false);
    EXPECT_TRUE(labelShown);
    EXPECT_TRUE(editShown);
    EXPECT_EQ(shown, u"4711");
    EXPECT_EQ(player_->GetEmpicsId(), 99u);
}

TEST_F(LooksPageTest, LongSleevesAreStoredAsBitZero)
{
    player_->SetAppearanceBits(0x10);
    Run([&](HWND page) { ::SendDlgItemMessageW(page, IDC_LOOK_LONG_SLEEVES, BM_CLICK, 0, 0); });
    EXPECT_EQ(player_->GetAppearanceBits(), 0x11);
}

TEST_F(LooksPageTest, LooksTheListsLackSurviveAVisit)
{
    player_->SetAppearance(200, 201, 202, 203, 204);
    player_->SetFaceId(123456);
    Run([](HWND) {});
    EXPECT_EQ(player_->GetHairColour(), 200);
    EXPECT_EQ(player_->GetFace(), 201);
    EXPECT_EQ(player_->GetHairstyle(), 202);
    EXPECT_EQ(player_->GetFacialHair(), 203);
    EXPECT_EQ(player_->GetShoe(), 204);
    EXPECT_EQ(player_->GetFaceId(), 123456u);
}

}  // namespace
