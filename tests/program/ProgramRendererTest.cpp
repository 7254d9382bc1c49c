// The program started whole in this process, as its entry starts it, with
// and without the game's renderer in its working folder: the stand-in
// renderer of tests/ui built as "Renderer.dll" beside the four game files.
// The renderer is loaded once per process, so each case needs a process of
// its own, as ctest gives it.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/DlgMainMenu.h"
#include "app/GlobalObjects.h"
#include "app/LedraApp.h"
#include "app/MainWindowLaunchers.h"
#include "app/ProgramParts.h"
#include "core/text/TextManager.h"
#include "database/club/Club.h"
#include "database/world/CompleteWorld.h"
#include "database/person/Person.h"
#include "database/person/PlayerPortrait.h"
#include "database/world/WorldList.h"
#include "editors/player_staff/PlayerStaffIds.h"
#include "platform/Platform.h"
#include "resources/ClubEditorIds.h"
#include "resources/ResourceIds.h"
#include "tests/app/AppTestSupport.h"
#include "tests/common/TestSupport.h"
#include "tests/ui/GuiTestSupport.h"
#include "tests/ui/renderer/StandInStatistics.h"
#include "ui/render/PlayerImageCtrl.h"
#include "ui/render/RenderManager.h"

namespace {

// The looks page's two previews (its ids clash with the club editor's).
constexpr int LooksHead = 1882;
constexpr int LooksPortrait = 2022;
constexpr int ClubKitTab = 2;
constexpr int SquadLooksTab = 4;
constexpr COLORREF PreviewBackground = RGB(0xC8, 0xC8, 0xD0);

using stand_in::FromArgb;
using stand_in::Statistics;

const Statistics* StandIn() { return stand_in::StatisticsOf(::GetModuleHandleW(L"Renderer.dll")); }

COLORREF CentrePixel(HWND window)
{
    RECT area{};
    ::GetClientRect(window, &area);
    HDC dc = ::GetDC(window);
    const COLORREF pixel = ::GetPixel(dc, area.right / 2, area.bottom / 2);
    ::ReleaseDC(window, dc);
    return pixel;
}

HWND FindDescendant(HWND root, int id)
{
    struct Search {
        int id;
        HWND found;
    } search{id, nullptr};
    ::EnumChildWindows(
        root,
        [](HWND window, LPARAM context) {
            auto* s = reinterpret_cast<Search*>(context);
            if (::GetDlgCtrlID(window) != s->id) return TRUE;
            s->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A user's click on a tab.
void ClickTab(HWND tabs, int index)
{
    RECT item{};
    ::SendMessageW(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    const LPARAM point = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    ::SendMessageW(tabs, WM_LBUTTONDOWN, MK_LBUTTON, point);
    ::SendMessageW(tabs, WM_LBUTTONUP, 0, point);
}

// A small red picture as a 24-bit TGA.
std::vector<std::uint8_t> RedPicture()
{
    std::vector<std::uint8_t> tga = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8, 0, 8, 0, 24, 0};
    for (int pixel = 0; pixel < 64; ++pixel) tga.insert(tga.end(), {0, 0, 0xFF});
    return tga;
}

class ProgramRenderer : public testing::Test {
protected:
    void SetUp() override
    {
        if (CRenderManager::GetStartedInstance() != nullptr) GTEST_SKIP() << "an earlier test of this process started the renderer";
        app_test::StoreAcceptance(true);
        RegisterProgramParts(GetMainWindowLaunchers());
    }
    void TearDown() override { GetMainWindowLaunchers() = TMainWindowLaunchers{}; }

    // The game's files (any content) and the stand-in as "Renderer.dll".
    void LayOutRenderer() const
    {
        ASSERT_TRUE(platform::CreateFolders(folder_.Path() + u"\\Data"));
        for (const char16_t* name : {u"mireloglrm.big", u"GenKits.big", u"qaro.fat", u"zdata_01.big"})
            testing_support::WriteBytes(folder_.Path() + u"\\Data\\" + name, std::string("game"));
        testing_support::WriteBytes(folder_.Path() + u"\\Renderer.dll",
                                    testing_support::ReadBytes(testing_support::BinaryPath(u"tests\\ui\\renderer_working.dll")));
    }

    // Starts the program; inMainWindow runs once its main window is up,
    // which is then closed as a user closes it.
    void Run(const char16_t* commandLine, const std::function<void(DlgMainMenu&)>& inMainWindow)
    {
        responder_.onMainWindow = [&] {
            HWND window = app_test::FindDialogWith(IDC_MAIN_CLUBS);
            auto* mainWindow = dynamic_cast<DlgMainMenu*>(win::CWindow::FromHandle(window));
            ASSERT_NE(mainWindow, nullptr);
            warningsBeforeTheWindow_ = Warnings();
            inMainWindow(*mainWindow);
            // The editors' drivers took the responder's turns: it answers the
            // close question again.
            answering_ = std::make_unique<gui_test::ModalDriver>([this] { return responder_.Step(); }, 30000);
        };
        {
            gui_test::ModalDriver driver([this] { return responder_.Step(); }, 60000);
            globals_->App().InitInstance(commandLine);
            globals_->App().ExitInstance();
            EXPECT_FALSE(driver.TimedOut());
        }
        answering_.reset();
    }

    // Opens an editor from the main window as its command does, shows the
    // tab and lets the preview turn a while; check runs then, before the
    // editor is closed with OK.
    static void RunEditor(DlgMainMenu& window, int command, int tabsId, int tab, const std::function<void(HWND)>& check)
    {
        int ticks = 0;
        bool checked = false;
        gui_test::ModalDriver driver(
            [&] {
                if (HWND box = app_test::FindDialogWith(0xFFFF)) {
                    app_test::AnswerBox(box, IDNO);
                    return false;
                }
                HWND frame = app_test::FindDialogWith(tabsId);
                if (frame == nullptr) return checked;
                if (checked) return false;
                if (ticks++ == 0) {
                    ::SetWindowPos(frame, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
                    ClickTab(::GetDlgItem(frame, tabsId), tab);
                    return false;
                }
                if (ticks < 15) return false;
                checked = true;
                check(frame);
                ::PostMessageW(frame, WM_COMMAND, IDOK, 0);
                return false;
            },
            30000);
        ::SendMessageW(window.Handle(), WM_COMMAND, MAKEWPARAM(command, 0), 0);
        EXPECT_FALSE(driver.TimedOut());
        EXPECT_TRUE(checked);
    }

    // RunEditor for the club editor's kit tab; check gets the kit page.
    static void RunKitPage(DlgMainMenu& window, const std::function<void(HWND)>& check)
    {
        RunEditor(window, IDC_MAIN_CLUB_SETTINGS, IDC_CLUB_TAB, ClubKitTab,
                  [&](HWND frame) { check(::GetParent(FindDescendant(frame, IDC_KIT_PREVIEW))); });
    }

    // A club of the current country (not its national team), selected.
    static TClub& SelectSomeClub(DlgMainMenu& window)
    {
        HWND list = ::GetDlgItem(window.Handle(), IDC_MAIN_CLUBS);
        LVITEMW item{};
        item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        item.state = LVIS_SELECTED | LVIS_FOCUSED;
        ::SendMessageW(list, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&item));
        return *window.GetSelectedClub();
    }

    // Every player of the club gets a user picture.
    void GivePictures(const TClub& club) const
    {
        const std::u16string folder = folder_.Path() + u"\\user\\picture";
        ASSERT_TRUE(platform::CreateFolders(folder));
        for (int slot = 0; slot < club.GetSquadCount(); ++slot) {
            if (const TPerson* person = club.GetSquadPerson(slot))
                testing_support::WriteBytes(folder + u"\\" + GetPlayerPortraitPath(PortraitOf(*person), false), RedPicture());
        }
    }

    int Warnings() const
    {
        const std::u16string warning = CTextManager::Instance()->GetText(u"Dialog.Main.ErrorLoadRenderer");
        int count = 0;
        for (const std::u16string& message : responder_.messages) count += message == warning;
        return count;
    }

    app_test::WorkingFolder folder_{u"program", true};
    std::unique_ptr<CGlobalObjects> globals_ = std::make_unique<CGlobalObjects>();
    app_test::Responder responder_;
    std::unique_ptr<gui_test::ModalDriver> answering_;
    int warningsBeforeTheWindow_ = -1;
};

TEST_F(ProgramRenderer, BesideTheProgramTheKitPageAndTheLooksPageDrawThroughIt)
{
    LayOutRenderer();
    HWND renderWindow = nullptr;
    Run(u"editor.exe", [&](DlgMainMenu& window) {
        CRenderManager* renderer = CRenderManager::GetStartedInstance();
        ASSERT_NE(renderer, nullptr);
        ASSERT_TRUE(renderer->IsAvailable());
        renderWindow = renderer->GetRenderWindow();
        EXPECT_EQ(::GetParent(renderWindow), window.Handle());
        EXPECT_EQ(::GetDlgCtrlID(renderWindow), CRenderManager::RenderWindowId);
        const Statistics& stand = *StandIn();
        EXPECT_EQ(stand.window, renderWindow);

        TClub& club = SelectSomeClub(window);
        RunKitPage(window, [&](HWND kitPage) {
            EXPECT_EQ(::GetParent(renderWindow), kitPage);
            EXPECT_TRUE(::IsWindowVisible(renderWindow));
            EXPECT_GE(stand.renderKits, 1);
            EXPECT_GT(stand.frames, 0);
            const COLORREF shirt = FromArgb(stand.kit[3]);
            EXPECT_NE(shirt, PreviewBackground);
            EXPECT_EQ(CentrePixel(renderWindow), shirt);
        });
        // Closing the editor hands the window back; the renderer stays.
        EXPECT_TRUE(renderer->IsAvailable());
        EXPECT_EQ(::GetParent(renderWindow), window.Handle());
        EXPECT_FALSE(::IsWindowVisible(renderWindow));

        GivePictures(club);
        RunEditor(window, IDC_MAIN_SQUAD, IDC_FRAME_PAGE_TABS, SquadLooksTab, [&](HWND frame) {
            const HWND head = FindDescendant(frame, LooksHead);
            EXPECT_EQ(::GetParent(renderWindow), ::GetParent(head));
            EXPECT_TRUE(::IsWindowVisible(renderWindow));
            EXPECT_GE(stand.renderHeads, 1);
            EXPECT_EQ(CentrePixel(renderWindow), FromArgb(stand.kit[3]));
            const auto* portrait =
                dynamic_cast<const CPlayerImageCtrl*>(win::CWindow::FromHandle(FindDescendant(frame, LooksPortrait)));
            ASSERT_NE(portrait, nullptr);
            EXPECT_TRUE(portrait->HasBitmapOfSize(8, 8));
        });
        EXPECT_TRUE(renderer->IsAvailable());
    });
    EXPECT_EQ(warningsBeforeTheWindow_, 0);
    EXPECT_EQ(Warnings(), 0);
    EXPECT_FALSE(globals_->App().IsExternalMode());
    // The main window shut the renderer down as it closed.
    const Statistics* stand = StandIn();
    ASSERT_NE(stand, nullptr);
    EXPECT_EQ(stand->created, 1);
    EXPECT_EQ(stand->alive, 0);
    EXPECT_FALSE(CRenderManager::GetStartedInstance()->IsAvailable());
    EXPECT_FALSE(::IsWindow(renderWindow));
}

TEST_F(ProgramRenderer, WithoutTheRendererTheWarningComesOnceAndEveryEditorWorks)
{
    int opened = 0;
    Run(u"editor.exe", [&](DlgMainMenu& window) {
        EXPECT_TRUE(globals_->App().IsExternalMode());
        CRenderManager* renderer = CRenderManager::GetStartedInstance();
        ASSERT_NE(renderer, nullptr);
        EXPECT_FALSE(renderer->IsAvailable());
        SelectSomeClub(window);
        RunKitPage(window, [&](HWND kitPage) {
            EXPECT_TRUE(::IsWindowVisible(kitPage));
            EXPECT_EQ(::GetDlgItem(kitPage, CRenderManager::RenderWindowId), nullptr);
            ++opened;
        });
        RunEditor(window, IDC_MAIN_SQUAD, IDC_FRAME_PAGE_TABS, SquadLooksTab, [&](HWND frame) {
            const HWND looksPage = ::GetParent(FindDescendant(frame, LooksHead));
            EXPECT_TRUE(::IsWindowVisible(looksPage));
            EXPECT_EQ(::GetDlgItem(looksPage, CRenderManager::RenderWindowId), nullptr);
            ++opened;
        });
        // The warning came while the window opened, and only then.
        window.RefreshFromWorld();
    });
    EXPECT_EQ(opened, 2);
    EXPECT_EQ(warningsBeforeTheWindow_, 1);
    EXPECT_EQ(Warnings(), 1);
    EXPECT_EQ(::GetModuleHandleW(L"Renderer.dll"), nullptr);
}

TEST_F(ProgramRenderer, ExternalModeLoadsNothingAndShowsNothing)
{
    LayOutRenderer();
    Run(u"editor.exe -external", [&](DlgMainMenu& window) {
        CRenderManager* renderer = CRenderManager::GetStartedInstance();
        ASSERT_NE(renderer, nullptr);
        EXPECT_FALSE(renderer->IsAvailable());
        SelectSomeClub(window);
        RunKitPage(window, [&](HWND kitPage) {
            EXPECT_EQ(::GetDlgItem(kitPage, CRenderManager::RenderWindowId), nullptr);
        });
    });
    EXPECT_EQ(Warnings(), 0);
    EXPECT_EQ(::GetModuleHandleW(L"Renderer.dll"), nullptr);
    EXPECT_EQ(StandIn(), nullptr);
}

}  // namespace
