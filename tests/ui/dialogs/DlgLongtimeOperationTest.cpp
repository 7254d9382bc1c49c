#include "ui/dialogs/DlgLongtimeOperation.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <stdexcept>

#include "core/text/TextManager.h"
#include "resources/ResourceIds.h"
#include "tests/common/TestSupport.h"
#include "tests/ui/GalleryIds.h"
#include "tests/ui/GuiTestSupport.h"

namespace {

using gui_test::ItemText;

bool WaitFor(const std::function<bool()>& condition)
{
    for (DWORD start = ::GetTickCount(); !condition(); ::Sleep(5))
        if (::GetTickCount() - start > 5000) return false;
    return true;
}

class Job : public CLongtimeOperation {
public:
    using Work = std::function<bool(ILongtimeProgress&)>;
    // Without a dialog: the installed one.
    Job(std::unique_ptr<CDlgLongtimeOperation> dialog, Work work)
        : CLongtimeOperation(std::move(dialog)), work_(std::move(work))
    {
    }
    CDlgLongtimeOperation& Dialog() { return dynamic_cast<CDlgLongtimeOperation&>(Progress()); }
    HWND Window() { return Dialog().Handle(); }
    std::atomic<int> runs{0};

protected:
    bool Run() override
    {
        ++runs;
        return work_(Progress());
    }

private:
    Work work_;
};

class DlgLongtimeOperationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CTextManager::Instance()->LoadFile(
            testing_support::SourcePath(u"data\\trdata\\DatabaseEditor.txt").c_str()));
        CTextManager::Instance()->SetLanguage(CTextManager::English);
    }
};

TEST_F(DlgLongtimeOperationTest, PostedProgressReachesTheInstalledDialogShownOrHidden)
{
    gui_test::TestDialog owner(IDD_TEST_HOST);
    ASSERT_TRUE(owner.Create(nullptr));
    InstallLongtimeProgressDialog([&owner] { return owner.Handle(); });
    for (const bool visible : {true, false}) {
        std::atomic<bool> seen{false};
        Job job(nullptr, [&](ILongtimeProgress& progress) {
            progress.SetCaption(u"Saving");
            progress.SetLine1(u"Country 3");
            progress.SetLine2(u"Country3.sav");
            progress.SetRange(0, 10);
            progress.SetPos(10);
            return WaitFor([&] { return seen.load(); });
        });
        job.Dialog().SetVisible(visible);
        gui_test::ModalDriver driver([&] {
            HWND window = job.Window();
            seen = window && gui_test::WindowText(window) == u"Saving" &&
                   ItemText(window, IDC_LONGTIME_LINE1) == u"Country 3" &&
                   ItemText(window, IDC_LONGTIME_LINE2) == u"Country3.sav" &&
                   ::SendDlgItemMessageW(window, IDC_LONGTIME_PROGRESS, PBM_GETPOS, 0, 0) == 10 &&
                   ::IsWindowVisible(window) == visible && !::IsWindowEnabled(owner.Handle());
            return seen.load();
        });
        EXPECT_TRUE(job.Execute()) << visible;
        EXPECT_TRUE(::IsWindowEnabled(owner.Handle()));
    }
    SetLongtimeProgressFactory({});
}

TEST_F(DlgLongtimeOperationTest, TimeLineEstimatesTheTotalFromTheFirstStepOnAcrossTheTickWrap)
{
    struct Step {
        std::uint32_t now;
        int position;
        const char16_t* line;
    };
    // A range whose product with the elapsed time leaves 32 bits.
    const Step steps[] = {
        {0xFFFFFC18u, 100000, u""},  // the first step past the minimum starts the clock
        {0xFFFFFFFFu, 500000, u""},  // nothing during the first second
        {3000, 250000, u"Elapsed time: 0:00:04 / estimated total time: 0:00:16"},
        {3000, 1000000, u"Elapsed time: 0:00:04 / estimated total time: 0:00:04"},
    };
    std::atomic<std::uint32_t> now{0};
    std::atomic<int> clockReads{0};
    std::vector<std::u16string> lines;
    Job job(std::make_unique<CDlgLongtimeOperation>(), [&](ILongtimeProgress& progress) {
        progress.SetRange(0, 1000000);
        for (const Step& step : steps) {
            now = step.now;
            const int reads = clockReads;
            progress.SetPos(step.position);
            WaitFor([&] { return clockReads > reads; });
            ::Sleep(30);
            lines.push_back(ItemText(job.Window(), IDC_LONGTIME_TIME));
        }
        return true;
    });
    job.Dialog().SetClock([&] { return ++clockReads, now.load(); });
    EXPECT_TRUE(job.Execute());
    ASSERT_EQ(lines.size(), std::size(steps));
    for (std::size_t k = 0; k < lines.size(); ++k) EXPECT_EQ(lines[k], steps[k].line) << k;
}

// Sleeps in its initialisation, so the worker is done before the loop shows it.
class SlowDialog : public CDlgLongtimeOperation {
    BOOL OnInitDialog() override { return CDlgLongtimeOperation::OnInitDialog() && (::Sleep(200), true); }
};

// A job returning at once ends after the settling pause with its status; a
// dialog without its template runs nothing and fails at once.
TEST_F(DlgLongtimeOperationTest, AJobReturningAtOnceEndsWithItsStatusUnlessTheDialogCannotStart)
{
    enum Kind { Normal, Slow, NoTemplate };
    const HINSTANCE resources = win::CDialog::GetResourceModule();
    for (const Kind kind : {Normal, Slow, NoTemplate}) {
        for (const bool status : {true, false}) {
            Job job(kind == Slow ? std::make_unique<SlowDialog>() : std::make_unique<CDlgLongtimeOperation>(),
                    [status](ILongtimeProgress&) { return status; });
            if (kind == NoTemplate) win::CDialog::SetResourceModule(::GetModuleHandleW(L"kernel32.dll"));
            const DWORD start = ::GetTickCount();
            const bool result = job.Execute();
            const DWORD elapsed = ::GetTickCount() - start;
            win::CDialog::SetResourceModule(resources);
            EXPECT_EQ(result, status && kind != NoTemplate) << kind;
            EXPECT_EQ(job.runs, kind == NoTemplate ? 0 : 1);
            if (kind == NoTemplate) {
                EXPECT_LT(elapsed, 2000u);
            } else {
                EXPECT_GE(elapsed, CLongtimeWorker::SettleMs) << kind;
            }
        }
    }
}

TEST_F(DlgLongtimeOperationTest, CancelEndsOnlyAfterTheWorkerAndOnlyWhenAllowed)
{
    for (const bool allowed : {true, false}) {
        std::atomic<bool> pressed{false}, ended{false};
        Job job(std::make_unique<CDlgLongtimeOperation>(), [&](ILongtimeProgress& progress) {
            progress.SetCancelAllowed(allowed);
            WaitFor([&] { return pressed && (!allowed || progress.IsCancelRequested()); });
            ::Sleep(150);
            return ended = true;
        });
        gui_test::ModalDriver driver([&] {
            HWND window = job.Window();
            if (window == nullptr || ::IsWindowEnabled(::GetDlgItem(window, IDCANCEL)) != allowed) return false;
            ::PostMessageW(window, WM_CLOSE, 0, 0);  // the close box, and Escape through it
            return pressed = true;
        });
        EXPECT_EQ(job.Execute(), !allowed);
        EXPECT_TRUE(ended) << allowed;  // Execute never returns before the worker
    }
}

// The failure is told once, the dialog ends as for work that returned,
// and the operation reports that it did not succeed.
TEST_F(DlgLongtimeOperationTest, WorkThatThrowsIsReportedOnceAndTheDialogEnds)
{
    testing_support::MessageCapture messages;
    Job job(std::make_unique<CDlgLongtimeOperation>(),
            [](ILongtimeProgress&) -> bool { throw std::runtime_error("save broke"); });
    gui_test::ModalDriver driver([] { return false; });
    EXPECT_FALSE(job.Execute());
    EXPECT_EQ(job.runs, 1);
    EXPECT_EQ(job.Window(), nullptr);
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_NE(messages.Messages()[0].find(u"(save broke)"), std::u16string::npos);
    EXPECT_FALSE(driver.TimedOut());
}

// A quit message or the owner's end takes the window while the work runs;
// Execute still returns only once the work has ended.
TEST_F(DlgLongtimeOperationTest, QuitOrOwnerGoneMidWorkReturnsOnlyAfterTheWorkEnded)
{
    for (const bool quit : {true, false}) {
        gui_test::TestDialog owner(IDD_TEST_HOST);
        ASSERT_TRUE(owner.Create(nullptr));
        std::atomic<bool> started{false}, ended{false};
        Job job(std::make_unique<CDlgLongtimeOperation>(owner.Handle()), [&](ILongtimeProgress&) {
            started = true;
            ::Sleep(1000);
            return ended = true;
        });
        gui_test::ModalDriver driver([&] {
            if (job.Window() == nullptr || !started) return false;
            if (quit) {
                ::PostQuitMessage(0);
            } else {
                owner.Destroy();
            }
            return true;
        });
        job.Execute();
        EXPECT_TRUE(ended) << quit;
        EXPECT_EQ(job.Window(), nullptr) << quit;
        EXPECT_FALSE(driver.TimedOut()) << quit;
        MSG message;
        EXPECT_EQ(::PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE, quit) << quit;
        owner.Destroy();
    }
}

}  // namespace
