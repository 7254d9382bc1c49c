#include "win/ProgressCtrl.h"

#include <gtest/gtest.h>

namespace {

// Ranges beyond 16 bits, as a save over thousands of files needs.
TEST(ProgressCtrl, KeepsThirtyTwoBitRangesAndPositions)
{
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_PROGRESS_CLASS};
    ASSERT_TRUE(::InitCommonControlsEx(&controls));
    HWND window = ::CreateWindowExW(0, PROGRESS_CLASSW, L"", WS_POPUP, 0, 0, 200, 20, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    win::CProgressCtrl progress;
    progress.Attach(window);
    progress.SetRange(-5, 1000000);
    progress.SetPos(700000);
    EXPECT_EQ(progress.GetLow(), -5);
    EXPECT_EQ(progress.GetHigh(), 1000000);
    EXPECT_EQ(progress.GetPos(), 700000);
    progress.Detach();
    ::DestroyWindow(window);
}

}  // namespace
