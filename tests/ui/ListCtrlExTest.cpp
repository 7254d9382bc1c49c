#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/ui/GalleryIds.h"
#include "tests/ui/GuiTestSupport.h"
#include "ui/DragCtrl.h"
#include "ui/ListCtrlEx.h"

namespace {

class ClickRecorder : public gui_test::TestDialog {
public:
    ClickRecorder() : TestDialog(IDD_GALLERY) {}
    std::vector<std::pair<int, int>> clicks;

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override
    {
        if (message == CListCtrlEx::CellClicked) {
            clicks.emplace_back(static_cast<int>(wParam), static_cast<int>(lParam));
            return true;
        }
        return TestDialog::OnMessage(message, wParam, lParam, result);
    }
};

class ListCtrlExTest : public testing::Test {
protected:
    void SetUp() override
    {
        gui_test::LoadTestTexts();
        ASSERT_TRUE(dialog_.Create(nullptr));
        ::SetWindowPos(dialog_.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
        ASSERT_TRUE(list_.SubclassDlgItem(IDC_GALLERY_DRAGLIST, dialog_));
        ASSERT_TRUE(list_.AddColumn(u"Name", 0, LVCFMT_LEFT));
        ASSERT_TRUE(list_.AddColumn(u"Points", 1, LVCFMT_RIGHT));
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

    ClickRecorder dialog_;
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
    ASSERT_EQ(dialog_.clicks.size(), 2u);
    EXPECT_EQ(dialog_.clicks[0].first, -1);
    EXPECT_EQ(dialog_.clicks[0].second, -1);
    EXPECT_EQ(dialog_.clicks[1], std::make_pair(1, 1));
}

TEST_F(ListCtrlExTest, DraggedRowMovesWithAllItsCells)
{
    list_.SetClickMode(CListCtrlEx::ClickDrag);
    // Downward: row 1 dropped on row 3 lands before it.
    Press(WM_LBUTTONDOWN, RowPoint(1));
    ASSERT_TRUE(list_.IsDragging());
    Press(WM_MOUSEMOVE, RowPoint(3));
    Press(WM_LBUTTONUP, RowPoint(3));
    EXPECT_FALSE(list_.IsDragging());
    EXPECT_EQ(Order(), (std::vector<LPARAM>{100, 102, 101, 103, 104}));
    // Upward: row 4 dropped on row 0 lands before it.
    Press(WM_LBUTTONDOWN, RowPoint(4));
    Press(WM_MOUSEMOVE, RowPoint(0));
    Press(WM_LBUTTONUP, RowPoint(0));
    EXPECT_EQ(Order(), (std::vector<LPARAM>{104, 100, 102, 101, 103}));
}

TEST_F(ListCtrlExTest, DropBelowTheRowsMovesToTheEnd)
{
    list_.SetClickMode(CListCtrlEx::ClickDrag);
    RECT client = list_.GetClientRect();
    Press(WM_LBUTTONDOWN, RowPoint(0));
    Press(WM_MOUSEMOVE, POINT{5, client.bottom - 3});
    Press(WM_LBUTTONUP, POINT{5, client.bottom - 3});
    EXPECT_EQ(Order(), (std::vector<LPARAM>{101, 102, 103, 104, 100}));
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
    ASSERT_TRUE(label.Create(dialog_.Handle(), 80, 16));
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
    ::ScreenToClient(dialog_.Handle(), &cursor);
    RECT place = label.GetWindowRect();
    ::MapWindowPoints(nullptr, dialog_.Handle(), reinterpret_cast<POINT*>(&place), 2);
    EXPECT_EQ(place.left, cursor.x);
    EXPECT_EQ(place.bottom, cursor.y);
    label.Show(nullptr);
    EXPECT_EQ(label.GetText(), u"");
    label.Hide();
    EXPECT_EQ(label.GetStyle() & WS_VISIBLE, 0u);
}

}  // namespace
