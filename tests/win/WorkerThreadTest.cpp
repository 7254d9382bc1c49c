#include <gtest/gtest.h>

#include <atomic>

#include "win/WorkerThread.h"

namespace {

unsigned RecordThread(void* argument)
{
    auto* seen = static_cast<std::atomic<DWORD>*>(argument);
    seen->store(::GetCurrentThreadId());
    return 42;
}

TEST(WorkerThread, RunsTheProcedureAndHandsOverAHandleEvenWithoutACopy)
{
    for (bool failCopy : {false, true}) {
        FailThreadHandleDuplication(failCopy);
        std::atomic<DWORD> seen{0};
        HANDLE thread = StartThread(RecordThread, &seen);
        FailThreadHandleDuplication(false);
        ASSERT_NE(thread, nullptr) << failCopy;
        ASSERT_EQ(::WaitForSingleObject(thread, 5000), WAIT_OBJECT_0) << failCopy;
        DWORD exitCode = 0;
        ASSERT_TRUE(::GetExitCodeThread(thread, &exitCode));
        EXPECT_EQ(exitCode, 42u);
        EXPECT_EQ(seen.load(), ::GetThreadId(thread));
        EXPECT_NE(seen.load(), ::GetCurrentThreadId());
        EXPECT_TRUE(::CloseHandle(thread));
    }
}

TEST(WorkerThread, RefusesNoProcedureAndResumesOnlySuspendedThreads)
{
    EXPECT_EQ(StartThread(nullptr, nullptr), nullptr);
    EXPECT_FALSE(ResumeOwnThread(nullptr));
    std::atomic<DWORD> seen{0};
    HANDLE thread = StartThread(RecordThread, &seen);
    ASSERT_NE(thread, nullptr);
    ::WaitForSingleObject(thread, 5000);
    EXPECT_FALSE(ResumeOwnThread(thread));
    ::CloseHandle(thread);
}

}  // namespace
