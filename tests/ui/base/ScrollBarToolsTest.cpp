#include <gtest/gtest.h>

#include "ui/base/ScrollBarTools.h"

namespace {

// A real scroll-bar control with range 0..100 and page 10 at position 50.
class ScrollBarToolsTest : public testing::Test {
protected:
    void SetUp() override
    {
        bar_ = CreateWindowExW(0, L"SCROLLBAR", L"", WS_POPUP | SBS_HORZ, 0, 0, 200, 20, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(bar_, nullptr);
        SetRange(0, 100, 10, 50);
    }
    void TearDown() override { DestroyWindow(bar_); }
    void SetRange(int low, int high, UINT page, int position)
    {
        SCROLLINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        info.nMin = low;
        info.nMax = high;
        info.nPage = page;
        info.nPos = position;
        SetScrollInfo(bar_, SB_CTL, &info, FALSE);
    }
    int Position() const { return GetScrollPos(bar_, SB_CTL); }

    HWND bar_ = nullptr;
};

// Each step: the scroll code, the thumb position it comes with, the answer.
struct Step {
    int code;
    int thumb;
    int expected;
};

TEST_F(ScrollBarToolsTest, StandardScaleStepsPagesAndClamps)
{
    const Step steps[] = {{SB_LINEDOWN, 0, 51}, {SB_LINEUP, 0, 50},      {SB_PAGEDOWN, 0, 60},      {SB_PAGEUP, 0, 50},
                          {SB_THUMBTRACK, 33, 33}, {SB_TOP, 0, 0},       {SB_LINEUP, 0, 0},         {SB_ENDSCROLL, 0, 0},
                          {SB_THUMBPOSITION, 500, 100}};
    for (const Step& step : steps) {
        EXPECT_EQ(HandleScrollBar(step.code, step.thumb, bar_), step.expected) << step.code;
        if (step.code == SB_THUMBTRACK) {
            EXPECT_EQ(Position(), step.expected);
        }
    }
}

TEST_F(ScrollBarToolsTest, InvertedScaleRunsTheOtherWay)
{
    const Step steps[] = {{SB_LINEUP, 0, 51},  {SB_LINEDOWN, 0, 50}, {SB_PAGEUP, 0, 60},     {SB_PAGEDOWN, 0, 50},
                          {SB_THUMBTRACK, 30, 70}, {SB_TOP, 0, 100}, {SB_BOTTOM, 0, 0}};
    for (const Step& step : steps) EXPECT_EQ(HandleInvertedScrollBar(step.code, step.thumb, bar_), step.expected) << step.code;
    SetInvertedScrollValue(bar_, 85);
    EXPECT_EQ(HandleInvertedScrollBar(SB_PAGEUP, 0, bar_), 95);
    EXPECT_EQ(HandleInvertedScrollBar(SB_PAGEUP, 0, bar_), 100);
}

// Each move on a bar of years without a page, as the contract page has one:
// the value it gives, and where the thumb then stands.
struct InvertedMove {
    const char* what;
    int code;
    int thumb;
    int value;
    int position;
};

TEST_F(ScrollBarToolsTest, InvertedScaleKeepsTheThumbWhereItWasDroppedAndMovesItWithTheArrows)
{
    SetRange(2007, 2017, 0, 2007);
    SetInvertedScrollValue(bar_, 2010);
    EXPECT_EQ(Position(), 2014) << "the latest year at the top";
    const InvertedMove moves[] = {
        {"line up", SB_LINEUP, 0, 2011, 2013},          {"line down", SB_LINEDOWN, 0, 2010, 2014},
        {"page up", SB_PAGEUP, 0, 2010, 2014},          {"thumb track", SB_THUMBTRACK, 2009, 2015, 2009},
        {"end scroll", SB_ENDSCROLL, 0, 2015, 2009},    {"thumb drop", SB_THUMBPOSITION, 2016, 2008, 2016},
        {"top", SB_TOP, 0, 2017, 2007},                 {"line up at the top", SB_LINEUP, 0, 2017, 2007},
        {"bottom", SB_BOTTOM, 0, 2007, 2017},           {"line down at the bottom", SB_LINEDOWN, 0, 2007, 2017},
        {"thumb drop at the top", SB_THUMBPOSITION, 2007, 2017, 2007},
    };
    for (const InvertedMove& move : moves) {
        SCOPED_TRACE(move.what);
        EXPECT_EQ(HandleInvertedScrollBar(move.code, move.thumb, bar_), move.value);
        EXPECT_EQ(::SendMessageW(bar_, SBM_GETPOS, 0, 0), move.position);
        EXPECT_EQ(GetInvertedScrollValue(bar_), move.value);
    }
}

TEST_F(ScrollBarToolsTest, InvertedScaleTakesTheThumbFromTheOtherEndOfARangeThatDoesNotStartAtZero)
{
    SetRange(2007, 2017, 0, 2010);
    for (int thumb = 2007; thumb <= 2017; ++thumb) {
        for (int code : {SB_THUMBTRACK, SB_THUMBPOSITION}) {
            EXPECT_EQ(HandleInvertedScrollBar(code, thumb, bar_), 2007 + 2017 - thumb) << thumb;
            EXPECT_EQ(Position(), thumb) << "the thumb stays where it was dropped";
        }
    }
}

// A value is shown at its mirrored place and read back from there; one
// outside the range shows at the nearer end. The chairman's stability 0..4
// and the contract's years are such values.
TEST_F(ScrollBarToolsTest, AnInvertedBarShowsAValueAtTheMirroredPlaceAndReadsItBack)
{
    SetRange(0, 4, 0, 0);
    for (int value = 0; value <= 4; ++value) {
        SetInvertedScrollValue(bar_, value);
        EXPECT_EQ(::SendMessageW(bar_, SBM_GETPOS, 0, 0), 4 - value) << value;
        EXPECT_EQ(GetInvertedScrollValue(bar_), value);
    }
    SetInvertedScrollValue(bar_, 9);
    EXPECT_EQ(Position(), 0);
    EXPECT_EQ(GetInvertedScrollValue(bar_), 4);
    SetInvertedScrollValue(bar_, -3);
    EXPECT_EQ(Position(), 4);
    EXPECT_EQ(GetInvertedScrollValue(bar_), 0);
    // A position set below the range stays at its start, the highest value.
    ::SendMessageW(bar_, SBM_SETPOS, static_cast<WPARAM>(-3), FALSE);
    EXPECT_EQ(GetInvertedScrollValue(bar_), 4);
    SetRange(2007, 2017, 0, 2007);
    SetInvertedScrollValue(bar_, 2008);
    EXPECT_EQ(Position(), 2016);
    EXPECT_EQ(GetInvertedScrollValue(bar_), 2008);
}

TEST_F(ScrollBarToolsTest, OnlyAScrollBarIsOne)
{
    EXPECT_TRUE(IsScrollBarControl(bar_));
    HWND spin = CreateWindowExW(0, L"msctls_updown32", L"", WS_POPUP, 0, 0, 20, 20, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(spin, nullptr);
    EXPECT_FALSE(IsScrollBarControl(spin));
    DestroyWindow(spin);
    EXPECT_FALSE(IsScrollBarControl(nullptr));
}

}  // namespace
