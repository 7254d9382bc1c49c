// Writes the country editor's pages and dialogs as bitmaps for a person to
// look at; make-country-screenshots.sh turns them into PNG files.
#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <string>

#include "CountryEditorTestSupport.h"
#include "core/text/TextManager.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/world/WorldList.h"
#include "editors/country_club/competition/DlgCalender.h"
#include "editors/country_club/country/DlgLandParent.h"
#include "editors/country_club/model/country/LeagueSystemModel.h"
#include "resources/CountryEditorIds.h"
#include "resources/CountryStaffIds.h"
#include "resources/LeagueCompositionIds.h"
#include "resources/LeagueToolsIds.h"
#include "tests/common/TestSupport.h"
#include "tests/ui/GuiTestSupport.h"

using namespace country_editor_testing;

namespace {

std::u16string ShotPath(const char16_t* name)
{
    return testing_support::PicturePath(std::u16string(u"tests\\editors\\country_club\\country\\") + name + u".bmp");
}

void Write(HWND window, const char16_t* name)
{
    ::SetWindowPos(window, HWND_TOP, 10, 10, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
    ::RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    gui_test::PumpMessages();
    const std::vector<std::uint8_t> bitmap = gui_test::CaptureWindow(window);
    ASSERT_GT(bitmap.size(), 54u + 100u * 100u * 3u) << testing_support::Narrow(name);
    testing_support::WriteBytes(ShotPath(name), bitmap);
}

// Opens a modal dialog by the page's action, writes it and closes it with OK.
void WriteModal(int controlId, const char16_t* name, const std::function<void()>& open)
{
    gui_test::ModalDriver driver([&] {
        HWND dialog = app_test::FindDialogWith(controlId);
        if (dialog == nullptr) return false;
        Write(dialog, name);
        ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        return true;
    }, 30000);
    open();
    EXPECT_FALSE(driver.TimedOut()) << testing_support::Narrow(name);
}

// The child of the window's tab control that holds the control.
HWND PageWith(HWND window, int tabControl, int control)
{
    HWND tabs = ::GetDlgItem(window, tabControl);
    for (HWND child = ::GetWindow(tabs, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (::GetDlgItem(child, control) != nullptr) return child;
    }
    return nullptr;
}

// The staff tab shows its first manager, as a click on his row would.
void ChooseFirstManager(HWND staff)
{
    HWND page = PageWith(staff, IDC_FRAME_LIST_TABS, IDC_MANAGER_LIST);
    ASSERT_NE(page, nullptr);
    HWND list = ::GetDlgItem(page, IDC_MANAGER_LIST);
    ASSERT_GT(::SendMessageW(list, LB_GETCOUNT, 0, 0), 0);
    ::SendMessageW(list, LB_SETCURSEL, 0, 0);
    ::SendMessageW(page, WM_COMMAND, MAKEWPARAM(IDC_MANAGER_LIST, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

// The staff list's context menu, opened by a right click on the first row.
void WriteContextMenu(HWND staff, const char16_t* name)
{
    HWND list = ::GetDlgItem(PageWith(staff, IDC_FRAME_LIST_TABS, IDC_MANAGER_LIST), IDC_MANAGER_LIST);
    RECT row{};
    ::SendMessageW(list, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
    const POINT point{row.left + 20, (row.top + row.bottom) / 2};
    POINT screen = point;
    ::ClientToScreen(list, &screen);
    ::SetCursorPos(screen.x, screen.y);
    gui_test::ModalDriver driver([&] {
        HWND menu = ::FindWindowW(L"#32768", nullptr);
        if (menu == nullptr || !::IsWindowVisible(menu)) return false;
        const std::vector<std::uint8_t> bitmap = gui_test::CaptureWindow(menu);
        testing_support::WriteBytes(ShotPath(name), bitmap);
        ::EndMenu();
        return true;
    }, 30000);
    ::SendMessageW(list, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(point.x, point.y));
    EXPECT_FALSE(driver.TimedOut()) << testing_support::Narrow(name);
}

using CountryScreenshot = SampleCountryTest;

TEST_F(CountryScreenshot, WritesEveryPageAndDialog)
{
    TCountry& country = *GetWorld()->GetCountry(21);
    CDlgLandParent frame(&country, nullptr);
    ASSERT_TRUE(frame.Create(nullptr));
    const struct {
        int code;
        const char16_t* name;
    } pages[] = {{CDlgLandParent::General, u"country-general"},     {CDlgLandParent::LeagueSystem, u"country-leagues"},
                 {CDlgLandParent::Cup, u"country-cups"},            {CDlgLandParent::FreeAgent, u"country-pool"},
                 {CDlgLandParent::Referee, u"country-referees"},    {CDlgLandParent::Manager, u"country-staff"},
                 {CDlgLandParent::Appearance, u"country-appearance"}};
    HWND tabs = ::GetDlgItem(frame.Handle(), IDC_COUNTRY_TABS);
    for (const auto& page : pages) {
        const int tab = TabWithCode(frame, page.code);
        ASSERT_GE(tab, 0) << testing_support::Narrow(page.name);
        SwitchTab(frame.Handle(), IDC_COUNTRY_TABS, tab);
        if (page.code == CDlgLandParent::Manager) ChooseFirstManager(ShownPage(frame.Handle()));
        Write(frame.Handle(), page.name);
    }
    SwitchTab(frame.Handle(), IDC_COUNTRY_TABS, TabWithCode(frame, CDlgLandParent::Manager));
    SwitchTab(ShownPage(frame.Handle()), IDC_FRAME_PAGE_TABS, 1);
    Write(frame.Handle(), u"country-staff-abilities");
    SwitchTab(ShownPage(frame.Handle()), IDC_FRAME_PAGE_TABS, 0);
    WriteContextMenu(ShownPage(frame.Handle()), u"country-staff-menu");
    HWND page = nullptr;
    for (HWND child = ::GetWindow(tabs, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (::GetDlgItem(child, IDC_LEAGUES_TREE) != nullptr) page = child;
    }
    ASSERT_NE(page, nullptr);
    SwitchTab(frame.Handle(), IDC_COUNTRY_TABS, TabWithCode(frame, CDlgLandParent::LeagueSystem));
    auto choose = [page](int row) {
        HWND list = ::GetDlgItem(page, IDC_LEAGUES_TREE);
        ::SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
        ::SendMessageW(page, WM_COMMAND, MAKEWPARAM(IDC_LEAGUES_TREE, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    };
    WriteModal(IDC_LEVEL_NAME, u"level-name", [&] { choose(0); });
    WriteModal(IDC_COMPOSITION_CLUBS, u"league-composition", [&] { Click(page, IDC_LEAGUES_COMPOSITION); });
    SwitchTab(frame.Handle(), IDC_COUNTRY_TABS, TabWithCode(frame, CDlgLandParent::General));
    HWND general = nullptr;
    for (HWND child = ::GetWindow(tabs, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (::GetDlgItem(child, IDC_COUNTRY_MODIFY_RATING) != nullptr) general = child;
    }
    ASSERT_NE(general, nullptr);
    WriteModal(IDC_RATING_LEVELS, u"league-ratings", [&] { Click(general, IDC_COUNTRY_MODIFY_RATING); });
}

// The staff tab of a country without additional managers: both pages show
// nobody, the name edits disabled.
TEST_F(CountryScreenshot, WritesTheEmptyStaffTab)
{
    int id = 1;
    while (id < 206 && !GetWorld()->GetCountry(id)->GetAdditionalManagers().empty()) ++id;
    CDlgLandParent frame(GetWorld()->GetCountry(id), nullptr);
    ASSERT_TRUE(frame.Create(nullptr));
    SwitchTab(frame.Handle(), IDC_COUNTRY_TABS, TabWithCode(frame, CDlgLandParent::Manager));
    Write(frame.Handle(), u"country-staff-nobody");
}

// The season calendar in Polish, whose weekdays are the widest.
TEST_F(CountryScreenshot, WritesTheSeasonCalendarInPolish)
{
    CTextManager::Instance()->SetLanguage(CTextManager::Polish);
    CDlgCalender calendar(GetWorld()->GetCountry(21));
    gui_test::RunModal(calendar, [](HWND dialog) { Write(dialog, u"season-calendar-polish"); });
    CTextManager::Instance()->SetLanguage(CTextManager::English);
}

// The season calendar after Home and after End on its focused season bar.
TEST_F(CountryScreenshot, WritesTheSeasonCalendarAfterHomeAndEnd)
{
    CDlgCalender calendar(GetWorld()->GetCountry(21));
    gui_test::RunModal(calendar, [](HWND dialog) {
        HWND bar = ::GetDlgItem(dialog, IDC_CALENDAR_SEASON_BAR);
        ::SetFocus(bar);
        ::SendMessageW(bar, WM_KEYDOWN, VK_HOME, 0);
        Write(dialog, u"season-calendar-home");
        ::SendMessageW(bar, WM_KEYDOWN, VK_END, 0);
        Write(dialog, u"season-calendar-end");
    });
}

}  // namespace
