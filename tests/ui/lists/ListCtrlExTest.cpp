#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/ui/GuiTestSupport.h"
#include "ui/skin/DragCtrl.h"
#include "ui/lists/ListCtrlEx.h"

namespace {

class ListCtrlExTest : public gui_test::GalleryTest {
protected:
    void SetUp() override
    {
        GalleryTest::SetUp();
        gallery_.watched = {CListCtrlEx::CellClicked};
        ASSERT_TRUE(list_.SubclassDlgItem(IDC_GALLERY_DRAGLIST, gallery_));
        ASSERT_TRUE(list_.AddColumn(u"Name", 0, LVCFMT_LEFT));
        ASSERT_TRUE(list_.AddColumn(u"Points", 1, LVCFMT_RIGHT));
        Fill();
    }

    // Rows 100..104, each with its name in both columns.
    void Fill()
    {
        list_.DeleteAllItems();
        for (int i = 0; i < 5; ++i) {
            std::u16string name = u"Row" + std::u16string(1, static_cast<char16_t>(u'0' + i));
            int row = list_.AppendItem(name.c_str(), 100 + i);
            list_.SetItemText(row, 1, name.c_str());
        }
    }

    POINT RowPoint(int row) const
    {
        RECT bounds{};
        bounds.left = LVIR_LABEL;
        list_.Send(LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&bounds));
        return POINT{bounds.left + 4, (bounds.top + bounds.bottom) / 2};
    }

    void Press(UINT message, POINT point) { list_.Send(message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(point.x, point.y)); }

    // Item data of the rows from top to bottom, with column 1 checked to travel along.
    std::vector<LPARAM> Order() const
    {
        std::vector<LPARAM> order;
        for (int row = 0; row < list_.GetItemCount(); ++row) {
            EXPECT_EQ(list_.GetItemText(row, 0), list_.GetItemText(row, 1));
            order.push_back(list_.GetItemData(row));
        }
        return order;
    }

    CListCtrlEx list_;
};

TEST_F(ListCtrlExTest, ReportModeSendsRowAndColumnOrMinusOneBelowTheRows)
{
    list_.SetClickMode(CListCtrlEx::ClickReport);
    RECT client = list_.GetClientRect();
    // The list view follows a click until the button is up.
    ::PostMessageW(list_.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, client.bottom - 3));
    Press(WM_LBUTTONDOWN, POINT{5, client.bottom - 3});
    POINT second = RowPoint(1);
    second.x = list_.GetColumnWidth(0) + 3;
    ::PostMessageW(list_.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(second.x, second.y));
    Press(WM_LBUTTONDOWN, second);
    gui_test::PumpMessages();
    ASSERT_EQ(gallery_.received.size(), 2u);
    EXPECT_EQ(static_cast<int>(gallery_.received[0].wParam), -1);
    EXPECT_EQ(gallery_.received[0].lParam, -1);
    EXPECT_EQ(gallery_.received[1].wParam, 1u);
    EXPECT_EQ(gallery_.received[1].lParam, 1);
}

TEST_F(ListCtrlExTest, ADraggedRowLandsBeforeItsTargetOrAtTheEndWithAllItsCells)
{
    struct Case {
        int from;
        int onto;  // -1: below the rows
        std::vector<LPARAM> order;
    };
    const Case cases[] = {{1, 3, {100, 102, 101, 103, 104}},
                          {4, 0, {104, 100, 101, 102, 103}},
                          {0, -1, {101, 102, 103, 104, 100}}};
    list_.SetClickMode(CListCtrlEx::ClickDrag);
    RECT client = list_.GetClientRect();
    for (const Case& drag : cases) {
        Fill();
        POINT target = drag.onto < 0 ? POINT{5, client.bottom - 3} : RowPoint(drag.onto);
        Press(WM_LBUTTONDOWN, RowPoint(drag.from));
        ASSERT_TRUE(list_.IsDragging());
        Press(WM_MOUSEMOVE, target);
        Press(WM_LBUTTONUP, target);
        EXPECT_FALSE(list_.IsDragging());
        EXPECT_EQ(Order(), drag.order) << drag.from << " onto " << drag.onto;
    }
}

TEST(ListCtrlExRows, EverySeventhRowAndItsNeighbourAreDarker)
{
    COLORREF base = RGB(200, 100, 10);
    for (int row : {0, 6, 7, 13, 14}) EXPECT_EQ(CListCtrlEx::RowBackground(base, row), RGB(184, 84, 0)) << row;
    for (int row : {1, 2, 3, 4, 5, 8, 12}) EXPECT_EQ(CListCtrlEx::RowBackground(base, row), base) << row;
    EXPECT_EQ(CListCtrlEx::RowBackground(RGB(16, 17, 0), 0), RGB(0, 1, 0));
}

TEST_F(ListCtrlExTest, DragLabelSitsWithItsLowerLeftCornerAtTheCursor)
{
    CDragCtrl label;
    ASSERT_TRUE(label.Create(gallery_.Handle(), 80, 16));
    EXPECT_EQ(label.GetId(), CDragCtrl::ControlId);
    EXPECT_FALSE(label.IsVisible());
    std::u16string longText(300, u'x');
    // Other tests may move the shared cursor meanwhile: retry until it held still.
    POINT cursor{};
    for (int attempt = 0; attempt < 5; ++attempt) {
        POINT before{};
        ::GetCursorPos(&before);
        label.Show(longText.c_str());
        ::GetCursorPos(&cursor);
        if (before.x == cursor.x && before.y == cursor.y) break;
    }
    EXPECT_EQ(label.GetText().size(), 127u);
    ::ScreenToClient(gallery_.Handle(), &cursor);
    const RECT place = win::RectIn(label.Handle(), gallery_.Handle());
    EXPECT_EQ(place.left, cursor.x);
    EXPECT_EQ(place.bottom, cursor.y);
    label.Show(nullptr);
    EXPECT_EQ(label.GetText(), u"");
    label.Hide();
    EXPECT_EQ(label.GetStyle() & WS_VISIBLE, 0u);
}

}  // namespace
