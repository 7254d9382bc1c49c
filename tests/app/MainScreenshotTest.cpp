// Pictures of the main window's commands for a person to look at: the
// new-club dialog, the club context menu and the Administration popup; and
// the splash in German, faded in.
// Menus are windows of their own that a capture of the main window leaves
// out, so make-main-screenshots.sh takes each picture of the whole screen:
// the test writes "<name>.ready" holding the area to keep, then waits with
// the window open until the script writes "<name>.taken".
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>

#include "app/DlgMainMenu.h"
#include "app/DlgSplash.h"
#include "app/GlobalObjects.h"
#include "app/LedraApp.h"
#include "app/MainWindowLaunchers.h"
#include "core/text/TextManager.h"
#include "platform/Platform.h"
#include "resources/ResourceIds.h"
#include "tests/app/AppTestSupport.h"
#include "tests/app/CheckedMainMenu.h"
#include "tests/common/TestSupport.h"
#include "tests/ui/GuiTestSupport.h"

namespace {

constexpr int ClubList = 2084;
constexpr unsigned ShotTimeoutMs = 60000;

bool RunByTheScript() { return ::GetEnvironmentVariableW(L"TR_SCREENSHOT_HANDSHAKE", nullptr, 0) != 0; }

std::u16string ShotFile(const std::u16string& name, const char16_t* ending)
{
    return testing_support::BinaryPath(u"tests\\app\\" + name + ending);
}

RECT Union(RECT a, const RECT& b)
{
    a.left = std::min(a.left, b.left);
    a.top = std::min(a.top, b.top);
    a.right = std::max(a.right, b.right);
    a.bottom = std::max(a.bottom, b.bottom);
    return a;
}

// One driver step of a shot: asks for it once, then true once it is taken.
class Shot {
public:
    explicit Shot(std::u16string name) : name_(std::move(name)) {}
    bool Step(const RECT& area)
    {
        if (!asked_) {
            const std::string text = std::to_string(area.right - area.left) + " " + std::to_string(area.bottom - area.top) +
                                     " " + std::to_string(area.left) + " " + std::to_string(area.top) + "\n";
            testing_support::WriteBytes(ShotFile(name_, u".ready"), text);
            asked_ = true;
            return false;
        }
        return platform::FileExists(ShotFile(name_, u".taken"));
    }

private:
    std::u16string name_;
    bool asked_ = false;
};

// The visible popup menu window of the process, or null.
HWND FindOpenMenu()
{
    HWND menu = ::FindWindowW(L"#32768", nullptr);
    return menu != nullptr && ::IsWindowVisible(menu) ? menu : nullptr;
}

RECT WindowRect(HWND window)
{
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return rect;
}

class ShotWindow : public app_test::CheckedMainMenu<ShotWindow> {
public:
    // A right click on the row, the cursor over it where the menu opens.
    void RightClickRow(int row)
    {
        HWND list = ::GetDlgItem(Handle(), ClubList);
        LVITEMW state{};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        ::SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
        RECT rect{LVIR_LABEL, 0, 0, 0};
        ::SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect));
        POINT point{rect.left + 20, (rect.top + rect.bottom) / 2};
        ::ClientToScreen(list, &point);
        ::SetCursorPos(point.x, point.y);
        NMITEMACTIVATE click{};
        click.hdr.hwndFrom = list;
        click.hdr.idFrom = ClubList;
        click.hdr.code = NM_RCLICK;
        click.iItem = row;
        ::SendMessageW(Handle(), WM_NOTIFY, ClubList, reinterpret_cast<LPARAM>(&click));
    }
};

class MainScreenshots : public testing::Test {
protected:
    void SetUp() override
    {
        if (!RunByTheScript()) GTEST_SKIP() << "taken by make-main-screenshots.sh";
        app_test::StoreAcceptance(true);
        ASSERT_TRUE(globals_->App().InitLanguageAndTexts());
        globals_->App().SetFoldersFromWorkingFolder();
        GetMainWindowLaunchers() = TMainWindowLaunchers{};
    }
    void TearDown() override { SetAdminMode(GetAdminModeFlag(), false); }
    void Run(std::function<void(ShotWindow&)> shots)
    {
        ShotWindow window;
        window.check = [shots = std::move(shots)](ShotWindow& shown) {
            ::SetWindowPos(shown.Handle(), HWND_TOP, 20, 20, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
            gui_test::PumpMessages();
            shots(shown);
        };
        window.DoModal();
    }

    app_test::WorkingFolder folder_{u"shots", true};
    std::unique_ptr<CGlobalObjects> globals_ = std::make_unique<CGlobalObjects>();
};

TEST_F(MainScreenshots, NewClubDialog)
{
    Run([](ShotWindow& window) {
        Shot shot(u"new-club");
        bool typed = false;
        gui_test::ModalDriver driver([&] {
            HWND dialog = app_test::FindDialogWith(IDC_NEW_CLUB_NAME);
            if (dialog == nullptr) return false;
            if (!typed) {
                ::SetDlgItemTextW(dialog, IDC_NEW_CLUB_NAME, L"Harbourside Rovers");
                typed = true;
                return false;
            }
            if (!shot.Step(WindowRect(dialog))) return false;
            ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
            return true;
        }, ShotTimeoutMs);
        window.Command(ID_CLUB_NEW);
        EXPECT_FALSE(driver.TimedOut());
    });
}

TEST_F(MainScreenshots, ClubContextMenu)
{
    Run([](ShotWindow& window) {
        Shot shot(u"main-club-menu");
        gui_test::ModalDriver driver([&] {
            HWND menu = FindOpenMenu();
            if (menu == nullptr || !shot.Step(Union(WindowRect(window.Handle()), WindowRect(menu)))) return false;
            ::EndMenu();
            return true;
        }, ShotTimeoutMs);
        window.RightClickRow(3);
        EXPECT_FALSE(driver.TimedOut());
    });
}

// The popup opened by keyboard, as a user reaches it: menu mode, right to
// the third item, down to open it.
TEST_F(MainScreenshots, AdministrationPopup)
{
    SetAdminMode(GetAdminModeFlag(), true);
    Run([](ShotWindow& window) {
        Shot shot(u"main-administration");
        bool opened = false;
        gui_test::ModalDriver driver([&] {
            HWND menu = FindOpenMenu();
            if (menu == nullptr || !shot.Step(Union(WindowRect(window.Handle()), WindowRect(menu)))) return false;
            opened = true;
            ::EndMenu();
            return true;
        }, ShotTimeoutMs);
        ::PostMessageW(window.Handle(), WM_SYSCOMMAND, SC_KEYMENU, 0);
        for (UINT key : {VK_RIGHT, VK_RIGHT, VK_DOWN}) ::PostMessageW(window.Handle(), WM_KEYDOWN, key, 1);
        while (!driver.TimedOut() && !opened) {
            MSG message;
            if (::GetMessageW(&message, nullptr, 0, 0) <= 0) break;
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
        EXPECT_TRUE(opened);
    });
}

TEST_F(MainScreenshots, SplashInGerman)
{
    CTextManager::Instance()->SetLanguage(CTextManager::German);
    CDlgSplash splash;
    ASSERT_TRUE(splash.Create(nullptr));
    splash.FadeIn();
    splash.WaitForFade();
    Shot shot(u"splash-german");
    bool taken = false;
    gui_test::ModalDriver driver([&] { return taken = shot.Step(WindowRect(splash.Handle())); }, ShotTimeoutMs);
    MSG message;
    while (!taken && !driver.TimedOut() && ::GetMessageW(&message, nullptr, 0, 0) > 0) ::DispatchMessageW(&message);
    EXPECT_TRUE(taken);
    splash.Destroy();
    CTextManager::Instance()->SetLanguage(CTextManager::English);
}

}  // namespace
