#include "ui/render/RenderManager.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/Platform.h"
#include "tests/common/TestSupport.h"
#include "tests/ui/GalleryIds.h"
#include "tests/ui/GuiTestSupport.h"
#include "tests/ui/renderer/StandInStatistics.h"
#include "win/WideText.h"
#include "win/Window.h"

namespace {

using testing_support::TempFolder;

using stand_in::Statistics;

class RenderManagerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host_.Create(nullptr));
        panel_ = ::CreateWindowExW(0, L"Static", L"", WS_CHILD, 10, 10, 300, 200, host_.Handle(), 0, 0, 0);
        control_ = ::CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE, 20, 30, 120, 90, panel_, 0, 0, 0);
        ::ShowWindow(panel_, SW_SHOW);
        ::ShowWindow(host_.Handle(), SW_SHOW);
    }
    void TearDown() override { platform::SetBaseFolder(previousBase_); }

    // A working folder with the game files but one, and a library (a built
    // one by its name, else a file holding the name).
    void LayOut(const char16_t* library, const std::u16string& leftOut = u"")
    {
        base_ = std::make_unique<TempFolder>();
        platform::SetBaseFolder(base_->Path());
        ASSERT_TRUE(platform::CreateFolders(base_->File(u"Data")));
        for (std::u16string name : {u"mireloglrm.big", u"GenKits.big", u"qaro.fat", u"zdata_01.big"})
            if (name != leftOut) testing_support::WriteBytes(base_->File(u"Data\\" + name), std::string("game"));
        const std::u16string built = testing_support::BinaryPath(u"tests\\ui\\" + std::u16string(library ? library : u""));
        if (library != nullptr)
            testing_support::WriteBytes(base_->File(u"Renderer.dll"), platform::FileExists(built)
                                                                          ? testing_support::ReadBytes(built)
                                                                          : testing_support::Bytes("MZ damaged"));
    }
    const Statistics* Loaded()
    {
        return stand_in::StatisticsOf(::GetModuleHandleW(win::W(platform::MakeAbsolute(base_->File(u"Renderer.dll")))));
    }

    gui_test::TestDialog host_{IDD_TEST_HOST};
    HWND panel_ = nullptr, control_ = nullptr;
    bool external_ = false;
    const CRenderManager::Environment environment_{
        [this] { return host_.Handle(); }, [this] { return external_; }, [this] { external_ = true; }};
    std::unique_ptr<TempFolder> base_;
    const std::u16string previousBase_ = platform::GetBaseFolder();
};

TEST_F(RenderManagerTest, WithoutAUsableRendererNothingLoadsAndTheUserIsToldOnce)
{
    struct Case {
        const char* what;
        const char16_t* library;
        const char16_t* leftOut;
        bool external;
        const char16_t* box;  // only a library that fails to start is reported
    };
    const Case cases[] = {
        {"no game file", u"renderer_working.dll", u"qaro.fat", false, nullptr},
        {"no library", nullptr, u"", false, nullptr},
        {"32-bit library", u"renderer_32bit.dll", u"", false, nullptr},
        {"damaged library", u"damaged", u"", false, nullptr},
        {"no entry", u"renderer_no_entry.dll", u"", false, nullptr},
        {"external mode", u"renderer_working.dll", u"", true, nullptr},
        {"failing start", u"renderer_fail_load.dll", u"", false,
         u"Renderer.dll\".\r\nError Number\"1114\"\r\nError Message \""},
    };
    for (const Case& c : cases) {
        LayOut(c.library, c.leftOut);
        external_ = c.external;
        std::vector<std::u16string> boxes;
        gui_test::ModalDriver answerBoxes(
            [&boxes] {
                if (HWND box = gui_test::FindThreadDialog()) {
                    boxes.push_back(gui_test::WindowText(box) + u"|" + gui_test::ItemText(box, 0xFFFF));
                    ::PostMessageW(box, WM_COMMAND, IDOK, 0);
                }
                return false;
            },
            60000);
        testing_support::MessageCapture messages;
        CRenderManager manager(environment_);
        EXPECT_EQ(manager.GetPlugin(), nullptr) << c.what;
        EXPECT_EQ(Loaded(), nullptr) << c.what;
        manager.WarnIfUnavailable(u"No 3D previews");
        manager.WarnIfUnavailable(u"No 3D previews");
        EXPECT_EQ(messages.Messages().size(), c.external ? 0u : 1u) << c.what;
        EXPECT_TRUE(external_) << c.what;
        ASSERT_EQ(boxes.size(), c.box ? 1u : 0u) << c.what;
        if (!c.box) continue;
        EXPECT_EQ(boxes[0].rfind(u"Error Loading DLL|Could not load the DLL \"", 0), 0u);
        EXPECT_NE(boxes[0].find(c.box), std::u16string::npos) << testing_support::Narrow(boxes[0]);
    }
}

TEST_F(RenderManagerTest, TheProgramsInstanceLoadsOnceCoversTheControlAndDrawsUntilShutdown)
{
    LayOut(u"renderer_working.dll");
    CRenderManager::SetEnvironment(environment_);
    CRenderManager& manager = *CRenderManager::GetInstance();
    ASSERT_EQ(CRenderManager::GetInstance(), &manager);
    ASSERT_TRUE(manager.IsAvailable());
    const Statistics* statistics = Loaded();
    HWND window = manager.GetRenderWindow();
    EXPECT_EQ(statistics->window, window);
    EXPECT_EQ(::GetParent(window), host_.Handle());
    EXPECT_EQ(::GetDlgCtrlID(window), CRenderManager::RenderWindowId);
    EXPECT_FALSE(::IsWindowVisible(window));

    manager.AttachTo(control_);
    RECT controlRect{}, windowRect{};
    ::GetWindowRect(control_, &controlRect);
    ::GetWindowRect(window, &windowRect);
    EXPECT_TRUE(manager.IsAttached() && ::IsWindowVisible(window) && !::IsWindowVisible(control_));
    EXPECT_EQ(::GetParent(window), panel_);
    EXPECT_TRUE(::EqualRect(&controlRect, &windowRect));

    const std::uint32_t kit[RendererKitBlockWords] = {0xFF00A000, 0xFFFFFFFF, 0xFF000000};
    const std::uint32_t options[RendererOptionBlockWords] = {};
    manager.GetPlugin()->SetBackground(0xFF102030);
    manager.GetPlugin()->RenderKit({237, 0, 550, 768}, kit, options);
    HDC dc = ::GetDC(window);
    EXPECT_EQ(::GetPixel(dc, 1, 1), RGB(0x10, 0x20, 0x30));
    ::ReleaseDC(window, dc);

    for (int twice = 0; twice < 2; ++twice) {
        manager.AttachTo(nullptr);
        EXPECT_FALSE(manager.IsAttached() || ::IsWindowVisible(window));
        EXPECT_EQ(::GetParent(window), host_.Handle());
    }
    testing_support::MessageCapture messages;
    manager.WarnIfUnavailable(u"No 3D previews");
    EXPECT_TRUE(messages.Messages().empty());

    // A window destroyed with the parent it stood in ends the 3D output.
    manager.AttachTo(control_);
    ::DestroyWindow(panel_);
    EXPECT_EQ(manager.GetPlugin(), nullptr);
    manager.Shutdown();
    manager.Shutdown();
    EXPECT_EQ(statistics->alive, 0);
    EXPECT_EQ(statistics->created, 1);
}

// A control that gives the render window back as it goes, as the kit and
// portrait controls do.
class DetachingControl : public win::CWindow {
public:
    explicit DetachingControl(CRenderManager& manager) : manager_(manager) {}

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override
    {
        if (message == WM_DESTROY) manager_.AttachTo(nullptr);
        return win::CWindow::OnMessage(message, wParam, lParam, result);
    }

private:
    CRenderManager& manager_;
};

// The parent sends WM_DESTROY to the render window (on top) before the
// control under it: the control's giving back still saves the window.
TEST_F(RenderManagerTest, AParentThatGoesWithAClientThatGivesTheWindowBackKeepsTheRenderer)
{
    LayOut(u"renderer_working.dll");
    CRenderManager manager(environment_);
    ASSERT_TRUE(manager.IsAvailable());
    DetachingControl client(manager);
    ASSERT_TRUE(client.Subclass(control_));
    const HWND window = manager.GetRenderWindow();
    manager.AttachTo(control_);
    ASSERT_EQ(::GetParent(window), panel_);
    ::DestroyWindow(panel_);
    EXPECT_TRUE(manager.IsAvailable());
    EXPECT_EQ(manager.GetRenderWindow(), window);
    EXPECT_EQ(::GetParent(window), host_.Handle());
    EXPECT_FALSE(manager.IsAttached() || ::IsWindowVisible(window));
    const Statistics* statistics = Loaded();
    ASSERT_NE(statistics, nullptr);
    EXPECT_EQ(statistics->alive, 1);
    manager.Shutdown();
    EXPECT_EQ(statistics->alive, 0);
}

}  // namespace
