#include "core/LongtimeDisplay.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <thread>
#include <utility>

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// Plays the dialog: a std::thread as worker and a loop that waits for the
// worker's requests the way the dialog's message loop does.
class ThreadedDisplay : public CLongtimeDisplay {
public:
    bool failToStart = false;
    // Called from the loop; returns a result to end the display with, or 0.
    std::function<int(ThreadedDisplay&)> user;
    std::atomic<int> applyRequests{0};
    State lastApplied;

    using CLongtimeDisplay::DisplayOpened;
    using CLongtimeDisplay::RequestCancel;
    using CLongtimeDisplay::TakeStateForApply;

protected:
    bool StartWorker(CLongtimeWorker& worker) override
    {
        thread_ = std::thread([&worker] { worker.ThreadMain(); });
        return true;
    }
    int RunDisplay() override
    {
        if (failToStart) return -1;
        DisplayOpened();
        for (;;) {
            bool apply = false, finish = false;
            {
                // Released before the display's own lock is taken, as the
                // message queue is.
                std::unique_lock lock(mutex_);
                wake_.wait_for(lock, milliseconds(2));
                apply = std::exchange(applyPending_, false);
                finish = finishPending_;
            }
            if (apply) lastApplied = TakeStateForApply();
            if (finish) return 1;
            if (const int result = user ? user(*this) : 0) return result;
        }
    }
    void JoinWorker() override { thread_.join(); }
    void RequestApply() override
    {
        ++applyRequests;
        Signal(applyPending_);
    }
    void RequestFinish() override { Signal(finishPending_); }

private:
    void Signal(bool& flag)
    {
        {
            std::lock_guard lock(mutex_);
            flag = true;
        }
        wake_.notify_all();
    }

    std::thread thread_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool applyPending_ = false;
    bool finishPending_ = false;
};

class Job : public CLongtimeOperation {
public:
    explicit Job(std::unique_ptr<ThreadedDisplay> display, std::function<bool(Job&)> work)
        : CLongtimeOperation(std::move(display)), work_(std::move(work))
    {
    }
    ILongtimeProgress& Shown() { return Progress(); }
    std::atomic<int> runs{0};

protected:
    bool Run() override
    {
        ++runs;
        return work_(*this);
    }

private:
    std::function<bool(Job&)> work_;
};

long ElapsedMs(Clock::time_point since)
{
    return static_cast<long>(std::chrono::duration_cast<milliseconds>(Clock::now() - since).count());
}

TEST(LongtimeDisplay, AJobReturningAtOnceEndsAfterTheSettlingPauseWithItsStatus)
{
    for (const bool status : {true, false}) {
        auto display = std::make_unique<ThreadedDisplay>();
        ThreadedDisplay& shown = *display;
        Job job(std::move(display), [status](Job& self) {
            self.Shown().SetCaption(u"Saving");
            self.Shown().SetPos(40);
            return status;
        });
        const auto start = Clock::now();
        EXPECT_EQ(job.Execute(), status);
        EXPECT_GE(ElapsedMs(start), static_cast<long>(CLongtimeWorker::SettleMs));
        EXPECT_EQ(job.runs, 1);
        EXPECT_TRUE(job.IsDone());
        EXPECT_EQ(shown.GetState().caption, u"Saving");
        EXPECT_EQ(shown.GetState().position, 40);
    }
}

TEST(LongtimeDisplay, CancelWhileTheWorkRunsReturnsOnlyAfterTheWorkerEnded)
{
    auto display = std::make_unique<ThreadedDisplay>();
    std::atomic<bool> working{false};
    display->user = [&working](ThreadedDisplay& self) {
        if (!working) return 0;
        self.RequestCancel();
        return 2;
    };
    auto workEnded = std::make_unique<std::atomic<bool>>(false);
    Job job(std::move(display), [&](Job& self) {
        self.Shown().SetCancelAllowed(true);
        working = true;
        while (!self.Shown().IsCancelRequested()) std::this_thread::sleep_for(milliseconds(1));
        std::this_thread::sleep_for(milliseconds(100));
        *workEnded = true;
        return true;
    });
    EXPECT_FALSE(job.Execute());
    EXPECT_TRUE(*workEnded);
    workEnded.reset();  // a worker still running would now write freed memory
}

TEST(LongtimeDisplay, ADisplayThatCannotStartRunsNothingAndFailsAtOnce)
{
    auto display = std::make_unique<ThreadedDisplay>();
    display->failToStart = true;
    Job job(std::move(display), [](Job&) { return true; });
    const auto start = Clock::now();
    EXPECT_FALSE(job.Execute());
    EXPECT_LT(ElapsedMs(start), 1000);
    EXPECT_EQ(job.runs, 0);
}

TEST(LongtimeDisplay, OnlyChangesAskForAnUpdateAndOnlyOneIsPendingAtATime)
{
    ThreadedDisplay display;
    display.SetPos(5);
    EXPECT_EQ(display.applyRequests, 0);  // nothing is shown yet
    display.DisplayOpened();
    display.SetPos(7);
    display.SetPos(7);
    display.SetLine1(u"second change, same request");
    EXPECT_EQ(display.applyRequests, 1);
    display.TakeStateForApply();
    display.SetPos(7);
    display.SetRange(0, 100);
    EXPECT_EQ(display.applyRequests, 1);
    display.SetPos(8);
    EXPECT_EQ(display.applyRequests, 2);
}

TEST(LongtimeDisplay, CutsCaptionAndLinesToWhatTheDialogHolds)
{
    ThreadedDisplay display;
    display.SetCaption(std::u16string(300, u'c'));
    display.SetLine1(std::u16string(300, u'a'));
    display.SetLine2(std::u16string(300, u'b'));
    const auto state = display.GetState();
    EXPECT_EQ(state.caption.size(), 128u);
    EXPECT_EQ(state.line1.size(), 255u);
    EXPECT_EQ(state.line2.size(), 255u);
}

}  // namespace
