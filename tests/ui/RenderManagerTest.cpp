#include "ui/RenderManager.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Platform.h"
#include "tests/common/TestSupport.h"
#include "tests/ui/GalleryIds.h"
#include "tests/ui/GuiTestSupport.h"
#include "win/WideText.h"

namespace {

using testing_support::TempFolder;

struct Statistics {
    LONG created;
    LONG alive;
    HWND window;
    LONG frames;
};

// Answers every message box of this thread with OK and keeps its texts.
class BoxRecorder {
public:
    BoxRecorder()
        : driver_(
              [this] {
                  HWND box = gui_test::FindThreadDialog();
                  if (box == nullptr) return false;
                  boxes.push_back(gui_test::WindowText(box) + u"|" + gui_test::ItemText(box, 0xFFFF));
                  ::PostMessageW(box, WM_COMMAND, IDOK, 0);
                  return false;
              },
              60000)
    {
    }
    std::vector<std::u16string> boxes;

private:
    gui_test::ModalDriver driver_;
};

class RenderManagerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        previousBase_ = platform::GetBaseFolder();
        ASSERT_TRUE(host_.Create(nullptr));
        panel_ = ::CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE, 10, 10, 300, 200, host_.Handle(),
                                   nullptr, nullptr, nullptr);
        control_ = ::CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE, 20, 30, 120, 90, panel_, nullptr,
                                     nullptr, nullptr);
        ::ShowWindow(host_.Handle(), SW_SHOW);
    }
    void TearDown() override { platform::SetBaseFolder(previousBase_); }

    // A working folder with the game files (but one) and a library.
    void LayOut(const TempFolder& base, const char16_t* library, const char16_t* leftOut = nullptr)
    {
        platform::SetBaseFolder(base.Path());
        ASSERT_TRUE(platform::CreateFolders(base.File(u"Data")));
        for (const char16_t* name : {u"mireloglrm.big", u"GenKits.big", u"qaro.fat", u"zdata_01.big"}) {
            if (leftOut == nullptr || std::u16string(leftOut) != name)
                testing_support::WriteBytes(base.File(u"Data\\" + std::u16string(name)), std::string("game"));
        }
        if (library == nullptr) return;
        const std::u16string built = testing_support::BinaryPath(u"tests\\ui\\" + std::u16string(library));
        if (platform::FileExists(built))
            testing_support::WriteBytes(base.File(u"Renderer.dll"), testing_support::ReadBytes(built));
        else
            testing_support::WriteBytes(base.File(u"Renderer.dll"), testing_support::Narrow(library));
    }
    CRenderManager::Environment Environment()
    {
        return {[this] { return host_.Handle(); }, [this] { return external_; }, [this] { external_ = true; }};
    }
    static const Statistics* Loaded(const TempFolder& base)
    {
        HMODULE module = ::GetModuleHandleW(win::W(platform::MakeAbsolute(base.File(u"Renderer.dll"))));
        if (module == nullptr) return nullptr;
        auto statistics = reinterpret_cast<const Statistics* (*)()>(
            reinterpret_cast<void (*)()>(::GetProcAddress(module, "StandInStatistics")));
        return statistics ? statistics() : nullptr;
    }

    gui_test::TestDialog host_{IDD_TEST_HOST};
    HWND panel_ = nullptr;
    HWND control_ = nullptr;
    bool external_ = false;
    std::u16string previousBase_;
};

TEST_F(RenderManagerTest, WithoutAUsableRendererNothingLoadsAndTheUserIsToldOnce)
{
    struct Case {
        const char* what;
        const char16_t* library;
        const char16_t* leftOut;
        bool external;
    };
    const Case cases[] = {
        {"no game file", u"renderer_working.dll", u"qaro.fat", false},
        {"no library", nullptr, nullptr, false},
        {"32-bit library", u"renderer_32bit.dll", nullptr, false},
        {"damaged library", u"not a library", nullptr, false},
        {"no entry", u"renderer_no_entry.dll", nullptr, false},
        {"external mode", u"renderer_working.dll", nullptr, true},
    };
    for (const Case& c : cases) {
        TempFolder base;
        LayOut(base, c.library, c.leftOut);
        external_ = c.external;
        BoxRecorder recorder;
        testing_support::MessageCapture messages;
        CRenderManager manager(Environment());
        EXPECT_FALSE(manager.IsAvailable()) << c.what;
        EXPECT_EQ(manager.GetPlugin(), nullptr) << c.what;
        EXPECT_EQ(Loaded(base), nullptr) << c.what;
        manager.WarnIfUnavailable(u"No 3D previews");
        manager.WarnIfUnavailable(u"No 3D previews");
        EXPECT_EQ(messages.Messages().size(), c.external ? 0u : 1u) << c.what;
        EXPECT_TRUE(external_) << c.what;
        EXPECT_TRUE(recorder.boxes.empty()) << c.what;
    }
}

TEST_F(RenderManagerTest, ALibraryThatFailsToStartIsReportedWithTheSystemError)
{
    TempFolder base;
    LayOut(base, u"renderer_fail_load.dll");
    BoxRecorder recorder;
    CRenderManager manager(Environment());
    EXPECT_FALSE(manager.IsAvailable());
    ASSERT_EQ(recorder.boxes.size(), 1u);
    const std::u16string& box = recorder.boxes[0];
    EXPECT_EQ(box.rfind(u"Error Loading DLL|Could not load the DLL \"", 0), 0u) << testing_support::Narrow(box);
    EXPECT_NE(box.find(u"Renderer.dll\".\r\nError Number\"1114\"\r\nError Message \""), std::u16string::npos);
}

TEST_F(RenderManagerTest, TheRenderWindowCoversTheControlAndDrawsUntilShutdown)
{
    TempFolder base;
    LayOut(base, u"renderer_working.dll");
    CRenderManager manager(Environment());
    ASSERT_TRUE(manager.IsAvailable());
    const Statistics* statistics = Loaded(base);
    ASSERT_NE(statistics, nullptr);
    HWND window = manager.GetRenderWindow();
    EXPECT_EQ(statistics->created, 1);
    EXPECT_EQ(statistics->window, window);
    EXPECT_EQ(::GetParent(window), host_.Handle());
    EXPECT_EQ(::GetDlgCtrlID(window), CRenderManager::RenderWindowId);
    EXPECT_FALSE(::IsWindowVisible(window));

    manager.AttachTo(control_);
    RECT controlRect{}, windowRect{};
    ::GetWindowRect(control_, &controlRect);
    ::GetWindowRect(window, &windowRect);
    EXPECT_TRUE(manager.IsAttached());
    EXPECT_EQ(::GetParent(window), panel_);
    EXPECT_TRUE(::EqualRect(&controlRect, &windowRect));
    EXPECT_FALSE(::IsWindowVisible(control_));
    EXPECT_TRUE(::IsWindowVisible(window));

    const std::uint32_t kit[RendererKitBlockWords] = {0xFF00A000, 0xFFFFFFFF, 0xFF000000};
    const std::uint32_t options[RendererOptionBlockWords] = {};
    manager.GetPlugin()->SetBackground(0xFF102030);
    manager.GetPlugin()->RenderKit({237, 0, 550, 768}, kit, options);
    manager.GetPlugin()->RenderFrame();
    EXPECT_EQ(statistics->frames, 1);
    HDC dc = ::GetDC(window);
    EXPECT_EQ(::GetPixel(dc, 1, 1), RGB(0x10, 0x20, 0x30));
    ::ReleaseDC(window, dc);

    for (int twice = 0; twice < 2; ++twice) {
        manager.AttachTo(nullptr);
        EXPECT_FALSE(manager.IsAttached());
        EXPECT_FALSE(::IsWindowVisible(window));
        EXPECT_EQ(::GetParent(window), host_.Handle());
    }

    // A window destroyed with the parent it stood in ends the 3D output.
    manager.AttachTo(control_);
    ::DestroyWindow(panel_);
    EXPECT_FALSE(manager.IsAvailable());
    EXPECT_EQ(manager.GetPlugin(), nullptr);
    manager.Shutdown();
    manager.Shutdown();
    EXPECT_EQ(statistics->alive, 0);
}

TEST_F(RenderManagerTest, TheProgramsInstanceLoadsOnceAndReleasesAtShutdown)
{
    TempFolder base;
    LayOut(base, u"renderer_working.dll");
    CRenderManager::SetEnvironment(Environment());
    CRenderManager* instance = CRenderManager::GetInstance();
    EXPECT_EQ(CRenderManager::GetInstance(), instance);
    ASSERT_TRUE(instance->IsAvailable());
    testing_support::MessageCapture messages;
    instance->WarnIfUnavailable(u"No 3D previews");
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ(Loaded(base)->created, 1);
    instance->Shutdown();
    EXPECT_FALSE(instance->IsAvailable());
    EXPECT_EQ(Loaded(base)->alive, 0);
}

}  // namespace
