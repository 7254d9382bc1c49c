#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "tests/ui/GuiTestSupport.h"
#include "ui/skin/MyTabCtrl.h"

namespace {

// The gallery acts as the frame: it answers the page leave request as told
// and records the page changed messages.
class TabCtrlTest : public gui_test::GalleryTest {
protected:
    void SetUp() override
    {
        GalleryTest::SetUp();
        gallery_.watched = {CMyTabCtrl::PageLeaveRequest, CMyTabCtrl::PageChanged};
        ASSERT_TRUE(tab_.SubclassDlgItem(IDC_GALLERY_TAB, gallery_));
        for (int i = 0; i < 2; ++i) {
            ASSERT_TRUE(pages_[i].Create(gallery_.Handle()));
            tab_.InsertItem(i, i == 0 ? u"First" : u"Second", reinterpret_cast<LPARAM>(pages_[i].Handle()));
        }
        tab_.SetCurSel(0);
        tab_.ShowCurrentPage();
    }

    // The page indexes of one kind of message, in the order received.
    std::vector<WPARAM> Pages(UINT message) const
    {
        std::vector<WPARAM> pages;
        for (const auto& received : gallery_.received) {
            EXPECT_EQ(received.lParam, IDC_GALLERY_TAB);
            if (received.message == message) pages.push_back(received.wParam);
        }
        return pages;
    }

    // A user's click on a tab.
    void ClickTab(int index)
    {
        RECT item{};
        tab_.Send(TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
        LPARAM point = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
        tab_.Send(WM_LBUTTONDOWN, MK_LBUTTON, point);
        tab_.Send(WM_LBUTTONUP, 0, point);
    }

    bool IsShown(int page) const
    {
        return (pages_[page].GetStyle() & WS_VISIBLE) != 0 && pages_[page].IsEnabled();
    }

    CMyTabCtrl tab_;
    gui_test::TestDialog pages_[2]{gui_test::TestDialog(IDD_TEST_PAGE), gui_test::TestDialog(IDD_TEST_PAGE)};
};

TEST_F(TabCtrlTest, AnAnswerOfZeroKeepsThePageAnOtherAnswerSwapsThem)
{
    gallery_.answer = 0;
    ClickTab(1);
    EXPECT_EQ(Pages(CMyTabCtrl::PageLeaveRequest), (std::vector<WPARAM>{0}));
    EXPECT_EQ(std::pair(tab_.GetCurSel(), tab_.GetCurrentPage()), std::pair(0, 0));
    EXPECT_EQ(std::pair(IsShown(0), IsShown(1)), std::pair(true, false));
    EXPECT_TRUE(Pages(CMyTabCtrl::PageChanged).empty());

    gallery_.answer = 1;
    ClickTab(1);
    EXPECT_EQ(std::pair(tab_.GetCurSel(), tab_.GetCurrentPage()), std::pair(1, 1));
    EXPECT_EQ(std::pair(IsShown(0), IsShown(1)), std::pair(false, true));
    EXPECT_EQ(Pages(CMyTabCtrl::PageChanged), (std::vector<WPARAM>{1}));

    // Leaving the second page asks with its index.
    gallery_.answer = 0;
    ClickTab(0);
    EXPECT_EQ(Pages(CMyTabCtrl::PageLeaveRequest), (std::vector<WPARAM>{0, 0, 1}));
    EXPECT_EQ(tab_.GetCurSel(), 1);
    EXPECT_EQ(Pages(CMyTabCtrl::PageChanged).size(), 1u);
}

}  // namespace
