#include "core/longtime/LongtimeDisplay.h"

#include <gtest/gtest.h>

#include <chrono>
#include <stdexcept>
#include <thread>

#include "core/text/TextManager.h"
#include "tests/common/TestSupport.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// Plays the dialog: a std::thread as worker and a polling loop in place of
// the message loop; user() may end the display with a result.
class ThreadedDisplay : public CLongtimeDisplay {
public:
    bool failToStart = false;
    std::function<int(ThreadedDisplay&)> user;
    std::atomic<int> applyRequests{0};
    std::atomic<bool> finishRequested{false};
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
        for (;; std::this_thread::sleep_for(1ms)) {
            TakeStateForApply();
            if (finishRequested) return 1;
            if (const int result = user ? user(*this) : 0) return result;
        }
    }
    void JoinWorker() override { thread_.join(); }
    void RequestApply() override { ++applyRequests; }
    void RequestFinish() override { finishRequested = true; }

private:
    std::thread thread_;
};

class Job : public CLongtimeOperation {
public:
    Job(std::unique_ptr<ThreadedDisplay> display, std::function<bool(ILongtimeProgress&)> work)
        : CLongtimeOperation(std::move(display)), work_(std::move(work))
    {
    }
    std::atomic<int> runs{0};

protected:
    bool Run() override
    {
        ++runs;
        return work_(Progress());
    }

private:
    std::function<bool(ILongtimeProgress&)> work_;
};

// A job returning at once ends after the settling pause with its status; a
// display that cannot start runs nothing and fails at once.
TEST(LongtimeDisplay, AJobReturningAtOnceEndsWithItsStatusUnlessTheDisplayCannotStart)
{
    for (const bool failToStart : {false, true}) {
        for (const bool status : {true, false}) {
            auto display = std::make_unique<ThreadedDisplay>();
            display->failToStart = failToStart;
            Job job(std::move(display), [status](ILongtimeProgress&) { return status; });
            const auto start = Clock::now();
            EXPECT_EQ(job.Execute(), status && !failToStart);
            const auto elapsed = Clock::now() - start;
            EXPECT_EQ(job.runs, failToStart ? 0 : 1);
            if (failToStart) {
                EXPECT_LT(elapsed, 1s);
            } else {
                EXPECT_GE(elapsed, std::chrono::milliseconds(CLongtimeWorker::SettleMs));
            }
        }
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
    Job job(std::move(display), [&](ILongtimeProgress& progress) {
        working = true;
        while (!progress.IsCancelRequested()) std::this_thread::sleep_for(1ms);
        std::this_thread::sleep_for(100ms);
        *workEnded = true;
        return true;
    });
    EXPECT_FALSE(job.Execute());
    EXPECT_TRUE(*workEnded);
    workEnded.reset();  // a worker still running would now write freed memory
}

TEST(LongtimeDisplay, OnlyChangesAskForAnUpdateOneAtATimeAndTextsAreCut)
{
    ThreadedDisplay display;
    display.SetPos(5);
    EXPECT_EQ(display.applyRequests, 0);  // nothing is shown yet
    display.DisplayOpened();
    display.SetPos(7);
    display.SetLine1(std::u16string(300, u'a'));
    EXPECT_EQ(display.applyRequests, 1);  // one pending request covers both
    display.TakeStateForApply();
    display.SetPos(7);
    display.SetRange(0, 100);
    EXPECT_EQ(display.applyRequests, 1);
    display.SetCaption(std::u16string(300, u'c'));
    EXPECT_EQ(display.applyRequests, 2);
    EXPECT_EQ(display.GetState().caption.size(), 128u);
    EXPECT_EQ(display.GetState().line1.size(), 255u);
}

// Work that throws is reported once on its thread; the display is still
// told to finish, and the operation reports failure instead of ending the
// program.
TEST(LongtimeDisplay, WorkThatThrowsIsReportedOnceAndTheDisplayStillFinishes)
{
    ASSERT_TRUE(CTextManager::Instance()->LoadFile(
        testing_support::SourcePath(u"data\\trdata\\DatabaseEditor.txt").c_str()));
    testing_support::MessageCapture capture;
    auto display = std::make_unique<ThreadedDisplay>();
    ThreadedDisplay& shown = *display;
    Job job(std::move(display), [](ILongtimeProgress&) -> bool { throw std::runtime_error("no room left"); });
    EXPECT_FALSE(job.Execute());
    EXPECT_TRUE(job.IsDone());
    EXPECT_TRUE(shown.finishRequested);
    ASSERT_EQ(capture.Messages().size(), 1u);
    EXPECT_NE(capture.Messages()[0].find(u"(no room left)"), std::u16string::npos);
    CTextManager::Instance()->Clear();
}

}  // namespace
