#include <gtest/gtest.h>

#include "ui/ScrollBarTools.h"

namespace {

// A real scroll-bar control with range 0..100 and page 10 at position 50.
class ScrollBarToolsTest : public testing::Test {
protected:
    void SetUp() override
    {
        bar_ = CreateWindowExW(0, L"SCROLLBAR", L"", WS_POPUP | SBS_HORZ, 0, 0, 200, 20, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(bar_, nullptr);
        SCROLLINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        info.nMin = 0;
        info.nMax = 100;
        info.nPage = 10;
        info.nPos = 50;
        SetScrollInfo(bar_, SB_CTL, &info, FALSE);
    }
    void TearDown() override { DestroyWindow(bar_); }
    int Position() const { return GetScrollPos(bar_, SB_CTL); }
    void MoveTo(int position) { SetScrollPos(bar_, SB_CTL, position, FALSE); }

    HWND bar_ = nullptr;
};

TEST_F(ScrollBarToolsTest, StandardScaleStepsPagesAndClamps)
{
    EXPECT_EQ(HandleScrollBar(SB_LINEDOWN, 0, bar_), 51);
    EXPECT_EQ(HandleScrollBar(SB_LINEUP, 0, bar_), 50);
    EXPECT_EQ(HandleScrollBar(SB_PAGEDOWN, 0, bar_), 60);
    EXPECT_EQ(HandleScrollBar(SB_PAGEUP, 0, bar_), 50);
    EXPECT_EQ(HandleScrollBar(SB_THUMBTRACK, 33, bar_), 33);
    EXPECT_EQ(Position(), 33);
    EXPECT_EQ(HandleScrollBar(SB_TOP, 0, bar_), 0);
    EXPECT_EQ(HandleScrollBar(SB_LINEUP, 0, bar_), 0);
    EXPECT_EQ(HandleScrollBar(SB_ENDSCROLL, 0, bar_), 0);
    EXPECT_EQ(HandleScrollBar(SB_THUMBPOSITION, 500, bar_), 100);
}

TEST_F(ScrollBarToolsTest, InvertedScaleRunsTheOtherWay)
{
    EXPECT_EQ(HandleInvertedScrollBar(SB_LINEUP, 0, bar_), 51);
    EXPECT_EQ(HandleInvertedScrollBar(SB_LINEDOWN, 0, bar_), 50);
    EXPECT_EQ(HandleInvertedScrollBar(SB_PAGEUP, 0, bar_), 60);
    EXPECT_EQ(HandleInvertedScrollBar(SB_PAGEDOWN, 0, bar_), 50);
    EXPECT_EQ(HandleInvertedScrollBar(SB_THUMBTRACK, 30, bar_), 70);
    EXPECT_EQ(HandleInvertedScrollBar(SB_TOP, 0, bar_), 100);
    EXPECT_EQ(HandleInvertedScrollBar(SB_BOTTOM, 0, bar_), 0);
    MoveTo(85);
    EXPECT_EQ(HandleInvertedScrollBar(SB_PAGEUP, 0, bar_), 95);
    EXPECT_EQ(HandleInvertedScrollBar(SB_PAGEUP, 0, bar_), 100);
}

}  // namespace
