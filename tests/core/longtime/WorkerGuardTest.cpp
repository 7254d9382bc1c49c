#include "core/longtime/WorkerGuard.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <thread>

#include "core/text/TextManager.h"
#include "tests/common/TestSupport.h"

namespace {

class WorkerGuardTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CTextManager::Instance()->LoadFile(
            testing_support::SourcePath(u"data\\trdata\\DatabaseEditor.txt").c_str()));
        CTextManager::Instance()->SetLanguage(CTextManager::English);
    }
    void TearDown() override { CTextManager::Instance()->Clear(); }
    testing_support::MessageCapture capture;
};

struct Case {
    const char* name;
    std::function<void()> work;
    WorkerResult result;
    const char16_t* reason;  // null: no message
};

// Whatever the work throws stops at the thread's top: one message naming
// the reason, and the result tells the owner the work failed.
TEST_F(WorkerGuardTest, EveryExceptionIsReportedOnceAndEndsAsFailed)
{
    const Case cases[] = {
        {"returns", [] {}, WorkerResult::Completed, nullptr},
        {"no work", nullptr, WorkerResult::Completed, nullptr},
        {"standard exception", [] { throw std::runtime_error("disk gone"); }, WorkerResult::Failed, u"disk gone"},
        {"allocation", [] { throw std::bad_alloc(); }, WorkerResult::Failed, u"std::bad_alloc"},
        {"anything else", [] { throw 42; }, WorkerResult::Failed, u"unknown exception"},
    };
    for (const Case& test : cases) {
        capture.Clear();
        WorkerResult result = WorkerResult::Completed;
        std::thread worker([&] { result = RunWorkerGuarded(test.work); });
        worker.join();
        EXPECT_EQ(result, test.result) << test.name;
        if (test.reason == nullptr) {
            EXPECT_TRUE(capture.Messages().empty()) << test.name;
            continue;
        }
        ASSERT_EQ(capture.Messages().size(), 1u) << test.name;
        EXPECT_EQ(capture.Messages()[0], u"An unexpected error stopped the work in progress (" +
                                             std::u16string(test.reason) +
                                             u"). What it did until then is kept; the rest was not done.")
            << test.name;
        EXPECT_EQ(capture.Flags()[0], AppMessage::IconError) << test.name;
    }
}

}  // namespace
