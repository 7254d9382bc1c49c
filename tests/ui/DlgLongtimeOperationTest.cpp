#include "ui/DlgLongtimeOperation.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <atomic>

#include "core/TextManager.h"
#include "resources/ResourceIds.h"
#include "tests/common/TestSupport.h"
#include "tests/ui/GalleryIds.h"
#include "tests/ui/GuiTestSupport.h"

namespace {

using gui_test::ItemText;

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs = 5000)
{
    const DWORD start = ::GetTickCount();
    while (!condition()) {
        if (::GetTickCount() - start > timeoutMs) return false;
        ::Sleep(5);
    }
    return true;
}

class Job : public CLongtimeOperation {
public:
    using Work = std::function<bool(ILongtimeProgress&)>;
    Job(std::unique_ptr<CDlgLongtimeOperation> dialog, Work work)
        : CLongtimeOperation(std::move(dialog)), work_(std::move(work))
    {
    }
    explicit Job(Work work) : work_(std::move(work)) {}
    CDlgLongtimeOperation& Dialog() { return dynamic_cast<CDlgLongtimeOperation&>(Progress()); }
    std::atomic<int> runs{0};
    std::atomic<DWORD> workerThread{0};

protected:
    bool Run() override
    {
        ++runs;
        workerThread = ::GetCurrentThreadId();
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
    HWND Window(Job& job) { return job.Dialog().Handle(); }
};

TEST_F(DlgLongtimeOperationTest, PostedProgressReachesTheWindowWhileTheOwnerIsDisabled)
{
    gui_test::TestDialog owner(IDD_TEST_HOST);
    ASSERT_TRUE(owner.Create(nullptr));
    std::atomic<bool> seen{false}, ownerDisabled{false};
    Job job(std::make_unique<CDlgLongtimeOperation>(owner.Handle()), [&](ILongtimeProgress& progress) {
        progress.SetCaption(u"Saving");
        progress.SetLine1(u"Country 3");
        progress.SetLine2(u"Country3.sav");
        progress.SetRange(0, 10);
        progress.SetPos(10);
        return WaitFor([&] { return seen.load(); });
    });
    gui_test::ModalDriver driver([&] {
        HWND window = Window(job);
        if (window == nullptr) return false;
        ownerDisabled = !::IsWindowEnabled(owner.Handle());
        seen = gui_test::WindowText(window) == u"Saving" && ItemText(window, IDC_LONGTIME_LINE1) == u"Country 3" &&
               ItemText(window, IDC_LONGTIME_LINE2) == u"Country3.sav" &&
               ::SendDlgItemMessageW(window, IDC_LONGTIME_PROGRESS, PBM_GETPOS, 0, 0) == 10 &&
               ::IsWindowVisible(window);
        return seen.load();
    });
    EXPECT_TRUE(job.Execute());
    EXPECT_TRUE(seen);
    EXPECT_TRUE(ownerDisabled);
    EXPECT_TRUE(::IsWindowEnabled(owner.Handle()));
    EXPECT_NE(job.workerThread, ::GetCurrentThreadId());
}

TEST_F(DlgLongtimeOperationTest, TimeLineEstimatesTheTotalFromTheFirstStepOnAcrossTheTickWrap)
{
    struct Step {
        std::uint32_t now;
        int position;
        const char16_t* line;
    };
    const Step steps[] = {
        {0xFFFFFC18u, 10, u""},  // the first step past the minimum starts the clock
        {0xFFFFFFFFu, 50, u""},  // nothing during the first second
        {3000, 25, u"Elapsed time: 0:00:04 / estimated total time: 0:00:16"},
        {3000, 100, u"Elapsed time: 0:00:04 / estimated total time: 0:00:04"},
    };
    std::atomic<std::uint32_t> now{0};
    std::atomic<int> clockReads{0};
    std::vector<std::u16string> lines;
    auto dialog = std::make_unique<CDlgLongtimeOperation>();
    dialog->SetClock([&] {
        ++clockReads;
        return now.load();
    });
    Job job(std::move(dialog), [&](ILongtimeProgress& progress) {
        progress.SetRange(0, 100);
        for (const Step& step : steps) {
            now = step.now;
            const int reads = clockReads;
            progress.SetPos(step.position);
            WaitFor([&] { return clockReads > reads; });
            ::Sleep(30);
            lines.push_back(ItemText(Window(job), IDC_LONGTIME_TIME));
        }
        return true;
    });
    EXPECT_TRUE(job.Execute());
    ASSERT_EQ(lines.size(), std::size(steps));
    for (std::size_t k = 0; k < lines.size(); ++k) EXPECT_EQ(lines[k], steps[k].line) << k;
}

TEST_F(DlgLongtimeOperationTest, HiddenOperationShowsNoWindowAndStillEnds)
{
    std::atomic<bool> seenHidden{false};
    Job job(std::make_unique<CDlgLongtimeOperation>(), [&](ILongtimeProgress& progress) {
        progress.SetRange(0, 10);
        progress.SetPos(5);
        return WaitFor([&] { return seenHidden.load(); });
    });
    job.Dialog().SetVisible(false);
    gui_test::ModalDriver driver([&] {
        HWND window = Window(job);
        if (window == nullptr || ::SendDlgItemMessageW(window, IDC_LONGTIME_PROGRESS, PBM_GETPOS, 0, 0) != 5)
            return false;
        seenHidden = !::IsWindowVisible(window);
        return true;
    });
    EXPECT_TRUE(job.Execute());
    EXPECT_TRUE(seenHidden);
}

// Sleeps in its initialisation, so the worker is done before the window shows.
class SlowDialog : public CDlgLongtimeOperation {
protected:
    BOOL OnInitDialog() override
    {
        const BOOL result = CDlgLongtimeOperation::OnInitDialog();
        ::Sleep(200);
        return result;
    }
};

TEST_F(DlgLongtimeOperationTest, AJobReturningAtOnceEndsAfterTheSettlingPauseWithItsStatus)
{
    for (const bool slow : {false, true}) {
        for (const bool status : {true, false}) {
            auto dialog = slow ? std::make_unique<SlowDialog>() : std::make_unique<CDlgLongtimeOperation>();
            Job job(std::move(dialog), [status](ILongtimeProgress&) { return status; });
            const DWORD start = ::GetTickCount();
            EXPECT_EQ(job.Execute(), status) << slow;
            EXPECT_GE(::GetTickCount() - start, CLongtimeWorker::SettleMs) << slow;
            EXPECT_EQ(job.runs, 1);
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
            ended = true;
            return true;
        });
        gui_test::ModalDriver driver([&] {
            HWND window = Window(job);
            if (window == nullptr || ::IsWindowEnabled(::GetDlgItem(window, IDCANCEL)) != allowed) return false;
            ::PostMessageW(window, WM_CLOSE, 0, 0);
            ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            pressed = true;
            return true;
        });
        EXPECT_EQ(job.Execute(), !allowed);
        EXPECT_TRUE(ended) << allowed;  // Execute never returns before the worker
    }
}

TEST_F(DlgLongtimeOperationTest, ADialogThatCannotStartRunsNothingAndFails)
{
    const HINSTANCE resources = win::CDialog::GetResourceModule();
    win::CDialog::SetResourceModule(::GetModuleHandleW(L"kernel32.dll"));
    Job job(std::make_unique<CDlgLongtimeOperation>(), [](ILongtimeProgress&) { return true; });
    const DWORD start = ::GetTickCount();
    const bool result = job.Execute();
    win::CDialog::SetResourceModule(resources);
    EXPECT_FALSE(result);
    EXPECT_LT(::GetTickCount() - start, 2000u);
    EXPECT_EQ(job.runs, 0);
    EXPECT_TRUE(job.IsDone());
}

TEST_F(DlgLongtimeOperationTest, TheInstalledFactoryRunsEveryOperationBehindTheDialog)
{
    gui_test::TestDialog owner(IDD_TEST_HOST);
    ASSERT_TRUE(owner.Create(nullptr));
    InstallLongtimeProgressDialog([&owner] { return owner.Handle(); });
    std::atomic<bool> ownerDisabled{false};
    Job job([&](ILongtimeProgress&) {
        ownerDisabled = !::IsWindowEnabled(owner.Handle());
        return true;
    });
    const bool result = job.Execute();
    SetLongtimeProgressFactory({});
    EXPECT_TRUE(result);
    EXPECT_TRUE(ownerDisabled);
    EXPECT_NE(job.workerThread, ::GetCurrentThreadId());
}

}  // namespace
