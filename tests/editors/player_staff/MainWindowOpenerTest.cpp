// The national team, players without club, quick transfer and country
// player list windows opened by the main window's commands, with the main
// window's country.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "app/DlgMainMenu.h"
#include "app/GlobalObjects.h"
#include "app/LedraApp.h"
#include "app/MainWindowLaunchers.h"
#include "editors/player_staff/search/ClubChooserHook.h"
#include "editors/player_staff/lists/NationalPoolLaunchers.h"
#include "editors/player_staff/PlayerStaffIds.h"
#include "editors/player_staff/PlayerStaffLaunchers.h"
#include "resources/NationalPoolIds.h"
#include "resources/ResourceIds.h"
#include "resources/StaffPagesIds.h"
#include "tests/app/AppTestSupport.h"
#include "tests/app/CheckedMainMenu.h"
#include "tests/ui/GuiTestSupport.h"

namespace {

class OpeningMenu : public app_test::CheckedMainMenu<OpeningMenu> {};

class MainWindowOpener : public testing::Test {
protected:
    void SetUp() override
    {
        app_test::StoreAcceptance(true);
        ASSERT_TRUE(globals_->App().InitLanguageAndTexts());
        globals_->App().SetFoldersFromWorkingFolder();
        GetMainWindowLaunchers() = TMainWindowLaunchers{};
        RegisterNationalPoolEditors(GetMainWindowLaunchers());
    }
    void TearDown() override { GetMainWindowLaunchers() = TMainWindowLaunchers{}; }

    app_test::WorkingFolder folder_{u"opener", true};
    std::unique_ptr<CGlobalObjects> globals_ = std::make_unique<CGlobalObjects>();
};

TEST_F(MainWindowOpener, EachCommandOpensItsWindowWithTheCurrentCountry)
{
    struct Opened {
        int command;
        int controlId;
        int countryControl;
        bool opened = false;
        LPARAM country = -1;
    };
    std::vector<Opened> windows{{IDC_MAIN_NATIONAL_TEAM, IDC_NATIONAL_LIST, IDC_NATIONAL_COUNTRY},
                                {IDC_MAIN_PLAYERS_WITHOUT_CLUB, IDC_FREE_AGENTS_LIST, 0},
                                {IDC_MAIN_QUICK_TRANSFER, IDC_TRANSFER_NUMBERS, IDC_TRANSFER_SOURCE_COUNTRY}};
    int currentCountry = 0;
    OpeningMenu menu;
    menu.check = [&](OpeningMenu& window) {
        currentCountry = window.GetCurrentCountry();
        for (Opened& opened : windows) {
            // A button or, for the quick transfer, a menu item.
            if (HWND button = ::GetDlgItem(window.Handle(), opened.command)) {
                EXPECT_TRUE(::IsWindowEnabled(button)) << opened.command;
            } else {
                const UINT state = ::GetMenuState(::GetMenu(window.Handle()), static_cast<UINT>(opened.command), MF_BYCOMMAND);
                EXPECT_EQ(state & MF_GRAYED, 0u) << opened.command;
            }
            gui_test::ModalDriver driver([&] {
                HWND dialog = app_test::FindDialogWith(opened.controlId);
                if (dialog == nullptr) return false;
                opened.opened = true;
                if (opened.countryControl != 0) {
                    HWND combo = ::GetDlgItem(dialog, opened.countryControl);
                    const LRESULT row = ::SendMessageW(combo, CB_GETCURSEL, 0, 0);
                    opened.country = row >= 0 ? ::SendMessageW(combo, CB_GETITEMDATA, static_cast<WPARAM>(row), 0) : -1;
                }
                ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                return true;
            });
            window.Command(opened.command);
            EXPECT_FALSE(driver.TimedOut());
        }
    };
    menu.DoModal();
    ASSERT_NE(currentCountry, 0);
    for (const Opened& opened : windows) {
        EXPECT_TRUE(opened.opened) << opened.command;
        if (opened.countryControl != 0) {
            EXPECT_EQ(opened.country, currentCountry) << opened.command;
        }
    }
}

TEST_F(MainWindowOpener, TheCountryPlayerListOpensOnTheCurrentCountry)
{
    RegisterPlayerStaffEditors(GetMainWindowLaunchers());
    int currentCountry = 0;
    bool enabled = false;
    LPARAM shownCountry = -1;
    int rows = 0;
    bool buttonsHidden = false;
    std::u16string caption;
    OpeningMenu menu;
    menu.check = [&](OpeningMenu& window) {
        currentCountry = window.GetCurrentCountry();
        enabled = ::IsWindowEnabled(::GetDlgItem(window.Handle(), IDC_MAIN_COUNTRY_PLAYER_LIST)) != FALSE;
        gui_test::ModalDriver driver([&] {
            HWND frame = app_test::FindDialogWith(IDC_FRAME_LIST_TABS);
            if (frame == nullptr) return false;
            HWND page = ::FindWindowExW(::GetDlgItem(frame, IDC_FRAME_LIST_TABS), nullptr, L"#32770", nullptr);
            HWND countries = ::GetDlgItem(page, IDC_COMPLETE_COUNTRY);
            const LRESULT row = ::SendMessageW(countries, CB_GETCURSEL, 0, 0);
            shownCountry = ::SendMessageW(countries, CB_GETITEMDATA, static_cast<WPARAM>(row), 0);
            rows = static_cast<int>(::SendDlgItemMessageW(page, IDC_COMPLETE_LIST, LVM_GETITEMCOUNT, 0, 0));
            buttonsHidden = !::IsWindowVisible(::GetDlgItem(frame, IDC_FRAME_SEARCH)) &&
                            !::IsWindowVisible(::GetDlgItem(frame, IDC_FRAME_SHIRT_NUMBERS));
            caption = gui_test::WindowText(frame);
            ::SendMessageW(frame, WM_COMMAND, IDOK, 0);
            return true;
        });
        window.Command(IDC_MAIN_COUNTRY_PLAYER_LIST);
        EXPECT_FALSE(driver.TimedOut());
    };
    menu.DoModal();
    EXPECT_TRUE(HasClubChooser()) << "moves pick their club with the club editors' picker";
    SetClubChooser(nullptr);
    EXPECT_TRUE(enabled);
    ASSERT_NE(currentCountry, 0);
    EXPECT_EQ(shownCountry, currentCountry);
    EXPECT_GT(rows, 0);
    EXPECT_TRUE(buttonsHidden);
    EXPECT_EQ(caption, u"Trellan Editor -\u00A0Players of the country");
}

}  // namespace
