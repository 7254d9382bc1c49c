// The kit page's preview with our stand-in renderer in the working folder:
// what the renderer is handed, and the colours it draws, against the
// palette entries of the club's kit.
#include <windows.h>

#include <gtest/gtest.h>

#include "ClubEditorTestSupport.h"
#include "database/club/Club.h"
#include "database/club/Kit.h"
#include "database/club/KitPalette.h"
#include "platform/Platform.h"
#include "resources/ClubEditorIds.h"
#include "tests/common/TestSupport.h"
#include "tests/ui/GuiTestSupport.h"
#include "tests/ui/renderer/StandInStatistics.h"
#include "ui/render/RenderManager.h"
#include "win/WideText.h"

namespace {

using club_test::Click;
using club_test::ClickTab;
using club_test::Page;

constexpr int KitTab = 2;

using stand_in::FromArgb;
using stand_in::Statistics;

class ClubKitPreview : public club_test::SampleClubTest {
protected:
    void SetUp() override
    {
        SampleClubTest::SetUp();
        ASSERT_TRUE(platform::CreateFolders(platform::JoinPath(folder_.Path(), u"Data")));
        for (const char16_t* name : {u"mireloglrm.big", u"GenKits.big", u"qaro.fat", u"zdata_01.big"}) {
            testing_support::WriteBytes(platform::JoinPath(folder_.Path(), u"Data\\" + std::u16string(name)), std::string());
        }
        testing_support::WriteBytes(platform::JoinPath(folder_.Path(), u"Renderer.dll"),
                                    testing_support::ReadBytes(testing_support::BinaryPath(u"tests\\ui\\renderer_working.dll")));
        // The renderer is loaded once per process: every test of this group
        // needs a process of its own, as ctest gives it.
        if (CRenderManager::GetStartedInstance() != nullptr) GTEST_SKIP() << "an earlier test of this process started the renderer";
        host_ = ::CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        CRenderManager::SetEnvironment({[this] { return host_; }, [] { return false; }, [] {}});
        ASSERT_TRUE(CRenderManager::GetInstance()->IsAvailable());
    }
    void TearDown() override
    {
        if (CRenderManager* manager = CRenderManager::GetStartedInstance()) manager->Shutdown();
        if (host_ != nullptr) ::DestroyWindow(host_);
        SampleClubTest::TearDown();
    }

    static const Statistics& Stand()
    {
        const Statistics* statistics = stand_in::StatisticsOf(::GetModuleHandleW(L"Renderer.dll"));
        static const Statistics none{};
        return statistics ? *statistics : none;
    }

    // The eight colours kit k of the club is drawn with.
    static std::vector<std::uint32_t> KitColours(const TClub& club, int k)
    {
        const TKitLook look = GetKitLook(*club.GetKit(), k);
        std::vector<std::uint32_t> colours;
        for (const std::uint8_t index : look.colours) colours.push_back(GetKitPaletteColourArgb(index));
        return colours;
    }

    // The middle of the picture the renderer draws over the preview: the
    // shirt, in the first colour of slot 0.
    static COLORREF ShirtPixel(HWND preview)
    {
        const HWND window = CRenderManager::GetInstance()->GetRenderWindow();
        CRenderManager::GetInstance()->AttachTo(preview);
        for (int frame = 0; frame < 10; ++frame) {
            gui_test::PumpMessages();
            ::Sleep(20);
        }
        RECT area{};
        ::GetClientRect(window, &area);
        HDC dc = ::GetDC(window);
        const COLORREF pixel = ::GetPixel(dc, area.right / 2, area.bottom / 2);
        ::ReleaseDC(window, dc);
        // The page hands its kits over without covering the control itself.
        CRenderManager::GetInstance()->AttachTo(nullptr);
        ::ShowWindow(preview, SW_SHOW);
        return pixel;
    }

    HWND host_ = nullptr;
};

TEST_F(ClubKitPreview, TheRendererGetsAndDrawsTheKitsPaletteColours)
{
    TClub& club = Club(0);
    // Two kits that differ, so the away preview cannot pass for the home one.
    club.GetKit()->SetColour(0, 0, 8, 7, 63);
    club.GetKit()->SetColour(1, 0, 26, 3, 1);
    RunFrame(club, ClubIds(), [&](HWND frame) {
        ::SetWindowPos(frame, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
        ClickTab(frame, KitTab);
        const HWND page = Page(frame, KitTab);
        const HWND preview = ::GetDlgItem(page, IDC_KIT_PREVIEW);
        for (const int k : {0, 1}) {
            Click(page, k == 0 ? IDC_KIT_PREVIEW_HOME : IDC_KIT_PREVIEW_AWAY);
            const std::vector<std::uint32_t> colours = KitColours(club, k);
            EXPECT_EQ(std::vector<std::uint32_t>(Stand().kit + 3, Stand().kit + 11), colours) << "kit " << k;
            EXPECT_EQ(ShirtPixel(preview), FromArgb(colours[0])) << "kit " << k;
        }
        Click(frame, IDOK);
    });
    EXPECT_GT(Stand().setKits, 0);
}

}  // namespace
