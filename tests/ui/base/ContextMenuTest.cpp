#include <gtest/gtest.h>

#include "tests/ui/GuiTestSupport.h"
#include "win/Menu.h"

namespace {

class ContextMenuTest : public gui_test::GalleryTest {
protected:
    void SetUp() override
    {
        GalleryTest::SetUp();
        ASSERT_TRUE(list_.Attach(gallery_.GetItem(IDC_GALLERY_SORTLIST)));
        ASSERT_TRUE(box_.Attach(gallery_.GetItem(IDC_GALLERY_COLUMNLIST)));
        list_.InsertColumn(0, u"Name", LVCFMT_LEFT, 100, 0);
        for (const char16_t* row : {u"First", u"Second", u"Third"}) list_.InsertItem(list_.GetItemCount(), row);
        for (const char16_t* row : {u"One", u"Two", u"Three"}) box_.AddString(row);
    }

    // Puts the cursor on a point of a window's client area.
    static void PointAt(HWND window, POINT client)
    {
        ::ClientToScreen(window, &client);
        ::SetCursorPos(client.x, client.y);
    }

    win::CListCtrl list_;
    win::CListBox box_;
};

// One test: the cursor is shared by every program on the desktop.
TEST_F(ContextMenuTest, MenusSelectTheRowUnderTheCursor)
{
    RECT row{};
    row.left = LVIR_BOUNDS;
    list_.Send(LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row));
    PointAt(list_.Handle(), POINT{row.left + 5, row.top + 4});
    HMENU menu = gallery_.GetListCtrlContextMenu(list_, IDM_TEST_CONTEXT, 0);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(win::CMenu::ItemText(menu, 0), u"Menu.Open");
    EXPECT_NE(list_.GetItemState(1, LVIS_SELECTED), 0u);
    EXPECT_EQ(gallery_.GetListCtrlContextMenu(list_, IDM_TEST_CONTEXT, 1), nullptr);
    EXPECT_EQ(gallery_.GetListCtrlContextMenu(list_, 4242, 0), nullptr);

    PointAt(gallery_.Handle(), POINT{1, 1});
    EXPECT_EQ(gallery_.GetListCtrlContextMenu(list_, IDM_TEST_CONTEXT, 0), nullptr);

    // The list box variant translates its menu.
    box_.Send(LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&row));
    PointAt(box_.Handle(), POINT{row.left + 5, row.top + 2});
    menu = gallery_.GetListBoxContextMenu(box_, IDM_TEST_CONTEXT, 0);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(win::CMenu::ItemText(menu, 0), u"Open\tCtrl+O");
    EXPECT_EQ(box_.GetCurSel(), 2);
    gallery_.TrackContextMenu(nullptr);
}

}  // namespace
