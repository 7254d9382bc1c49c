#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

#include "tests/ui/GuiTestSupport.h"
#include "ui/controls/ListBoxEditor.h"
#include "ui/controls/MyListBox.h"

namespace {

class MyListBoxTest : public gui_test::GalleryTest {
protected:
    void SetUp() override
    {
        GalleryTest::SetUp();
        gallery_.watched = {WM_RBUTTONDOWN, WM_LBUTTONDOWN};
        ASSERT_TRUE(list_.SubclassDlgItem(IDC_GALLERY_COLUMNLIST, gallery_));
        list_.AddString(u"One\tA\t1");
        list_.AddString(u"Two");
        list_.AddString(u"Three\tC\t3");
    }
    int Pixels(int units) const
    {
        RECT rect{units, 0, 0, 0};
        ::MapDialogRect(gallery_.Handle(), &rect);
        return rect.left;
    }

    CMyListBox list_;
};

TEST_F(MyListBoxTest, SetColumnsLaysOutDialogUnitsWithAlignment)
{
    const std::uint16_t positions[] = {4, 40, CMyListBox::RightAligned | 100};
    const std::uint16_t widths[] = {30, 0, 20};
    list_.SetColumns(3, positions, widths);
    const std::tuple<int, int, int> columns[] = {{Pixels(4) + 1, Pixels(4) + 1 + Pixels(30), DT_LEFT},
                                                 {Pixels(40), Pixels(100), DT_LEFT},
                                                 {Pixels(100), Pixels(100) + Pixels(20), DT_RIGHT}};
    for (int c = 0; c < 3; ++c)
        EXPECT_EQ(std::tuple(list_.GetColumnLeft(c), list_.GetColumnRight(c), list_.GetColumnAlignment(c)), columns[c]) << c;
}

TEST_F(MyListBoxTest, ZeroPositionAndWidthRunToTheRightEdge)
{
    const std::uint16_t positions[] = {CMyListBox::Centred | 10, 0};
    const std::uint16_t widths[] = {0, 0};
    list_.SetColumns(2, positions, widths);
    int edge = list_.GetClientRect().right;
    EXPECT_EQ(list_.GetColumnAlignment(0), DT_CENTER);
    EXPECT_EQ(list_.GetColumnLeft(1), edge);
    EXPECT_EQ(list_.GetColumnRight(0), edge);
    EXPECT_EQ(list_.GetColumnRight(1), edge);
}

TEST_F(MyListBoxTest, RightClickGoesToParentInParentCoordinatesWithoutSelecting)
{
    list_.SetCurSel(0);
    list_.Send(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 20));
    ASSERT_EQ(gallery_.received.size(), 1u);
    POINT expected{5, 20};
    ::MapWindowPoints(list_.Handle(), gallery_.Handle(), &expected, 1);
    EXPECT_EQ(gallery_.received[0].message, static_cast<UINT>(WM_RBUTTONDOWN));
    EXPECT_EQ(gallery_.received[0].wParam, static_cast<WPARAM>(MK_RBUTTON));
    EXPECT_EQ(gallery_.received[0].lParam, MAKELPARAM(expected.x, expected.y));
    EXPECT_EQ(list_.GetCurSel(), 0);
}

TEST_F(MyListBoxTest, LeftClicksAreForwardedOnlyWhenAsked)
{
    list_.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    EXPECT_TRUE(gallery_.received.empty());
    list_.SetForwardLButtonDown(true);
    list_.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    ASSERT_EQ(gallery_.received.size(), 1u);
    EXPECT_EQ(gallery_.received[0].message, static_cast<UINT>(WM_LBUTTONDOWN));
}

TEST_F(MyListBoxTest, DrawsRowsWithMissingColumnsEmpty)
{
    const std::uint16_t positions[] = {2, 40, 80};
    const std::uint16_t widths[] = {36, 36, 36};
    list_.SetColumns(3, positions, widths);
    // Subclassing keeps only notify, sort and the high styles, and draws the rows itself.
    EXPECT_EQ(CMyListBox::SubclassedStyle(WS_CHILD | LBS_NOTIFY | LBS_SORT | LBS_MULTIPLESEL),
              static_cast<DWORD>(WS_CHILD | LBS_NOTIFY | LBS_SORT | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS));
    EXPECT_NE(list_.GetStyle() & LBS_OWNERDRAWFIXED, 0u);
    Redraw(list_.Handle());
    // Row 1 ("Two") has nothing in columns 1 and 2: they keep the background.
    RECT row{};
    list_.Send(LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row));
    HDC dc = ::GetDC(list_.Handle());
    COLORREF background = ::GetPixel(dc, 3, row.top + 1);
    for (int x = list_.GetColumnLeft(1); x < list_.GetColumnRight(2); x += 3)
        for (int y = row.top + 1; y < row.bottom - 1; ++y) ASSERT_EQ(::GetPixel(dc, x, y), background) << x << "," << y;
    // Row 2 ("Three", "C", "3") does draw text in column 1.
    list_.Send(LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&row));
    int inked = 0;
    for (int x = list_.GetColumnLeft(1); x < list_.GetColumnRight(1); ++x)
        for (int y = row.top; y < row.bottom; ++y) inked += ::GetPixel(dc, x, y) != background;
    EXPECT_GT(inked, 0);
    ::ReleaseDC(list_.Handle(), dc);
}

// A text wider than its column is cut with an ellipsis inside the column:
// its last pixels are dots on the baseline, short of the column's end.
// Checked on the row's pixels between left and right; background is the
// colour of an empty place of the row.
void ExpectCutWithDotsBefore(HDC dc, const RECT& row, int left, int right, COLORREF background)
{
    const auto inked = [&](int x, int y) { return ::GetPixel(dc, x, y) != background; };
    int lastX = -1;
    int top = row.bottom;
    int bottom = row.top;
    for (int x = left; x < right; ++x) {
        for (int y = row.top + 1; y < row.bottom - 1; ++y) {
            if (!inked(x, y)) continue;
            lastX = x;
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    ASSERT_GT(lastX, left);
    EXPECT_LT(lastX, right - 1) << "the text runs to the column's end";
    // The last few columns of ink are the dots: nothing above the baseline's third.
    const int dotsTop = bottom - (bottom - top) / 3;
    for (int x = lastX - 5; x <= lastX; ++x)
        for (int y = top; y < dotsTop; ++y) EXPECT_FALSE(inked(x, y)) << x << "," << y;
}

TEST_F(MyListBoxTest, ATooLongCellEndsInDotsInsideItsColumn)
{
    const std::uint16_t positions[] = {2, 30};
    const std::uint16_t widths[] = {28, 28};
    list_.SetColumns(2, positions, widths);
    list_.ResetContent();
    list_.AddString(u"WWWWWWWWWWWWWWWWWWWWWWWW\tMMMMMMMMMMMMMMMMMMMMMMMM");
    Redraw(list_.Handle());
    RECT row{};
    list_.Send(LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
    HDC dc = ::GetDC(list_.Handle());
    const COLORREF background = ::GetPixel(dc, list_.GetColumnRight(1) + 4, row.top + 1);
    for (int column = 0; column < 2; ++column) {
        SCOPED_TRACE(column);
        ExpectCutWithDotsBefore(dc, row, list_.GetColumnLeft(column), list_.GetColumnRight(column), background);
    }
    ::ReleaseDC(list_.Handle(), dc);
}

// A column running to the list's edge ends where the rows end once a
// scroll bar has taken its place.
TEST_F(MyListBoxTest, ACellEndsBeforeAScrollBarThatCameLater)
{
    const std::uint16_t positions[] = {0};
    const std::uint16_t widths[] = {0};
    list_.ResetContent();
    list_.SetColumns(1, positions, widths);
    const int edgeWithoutBar = list_.GetClientRect().right;
    for (int n = 0; n < 40; ++n) list_.AddString(u"WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW");
    Redraw(list_.Handle());
    const int edge = list_.GetClientRect().right;
    ASSERT_LT(edge, edgeWithoutBar) << "no scroll bar came";
    RECT row{};
    list_.Send(LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row));
    HDC dc = ::GetDC(list_.Handle());
    // Row 0 may carry the focus frame; the selection is on none.
    const COLORREF background = ::GetPixel(dc, 0, row.top + 1);
    ExpectCutWithDotsBefore(dc, row, list_.GetColumnLeft(0), edge, background);
    ::ReleaseDC(list_.Handle(), dc);
}

TEST_F(MyListBoxTest, GridListBoxTagsRightClicksWithItsId)
{
    CListBoxEditor editor;
    list_.Detach();
    ASSERT_TRUE(editor.SubclassDlgItem(IDC_GALLERY_COLUMNLIST, gallery_));
    editor.Send(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(4, 4));
    ASSERT_EQ(gallery_.received.size(), 1u);
    EXPECT_EQ(gallery_.received[0].wParam, static_cast<WPARAM>(IDC_GALLERY_COLUMNLIST) | CListBoxEditor::RightClickTag);
}

}  // namespace
