#include <gtest/gtest.h>

#include <vector>

#include "tests/ui/GalleryIds.h"
#include "tests/ui/GuiTestSupport.h"
#include "ui/MyTabCtrl.h"

namespace {

// A frame that answers the page leave request as told and records the
// page changed messages.
class TabFrame : public gui_test::TestDialog {
public:
    TabFrame() : TestDialog(IDD_GALLERY) {}
    LRESULT leaveAnswer = 1;
    std::vector<WPARAM> leaveRequests;
    std::vector<WPARAM> changes;
    std::vector<LPARAM> senderIds;

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override
    {
        if (message == CMyTabCtrl::PageLeaveRequest) {
            leaveRequests.push_back(wParam);
            senderIds.push_back(lParam);
            result = leaveAnswer;
            return true;
        }
        if (message == CMyTabCtrl::PageChanged) {
            changes.push_back(wParam);
            senderIds.push_back(lParam);
            return true;
        }
        return TestDialog::OnMessage(message, wParam, lParam, result);
    }
};

class TabCtrlTest : public testing::Test {
protected:
    void SetUp() override
    {
        gui_test::LoadTestTexts();
        ASSERT_TRUE(frame_.Create(nullptr));
        ASSERT_TRUE(tab_.SubclassDlgItem(IDC_GALLERY_TAB, frame_));
        for (int i = 0; i < 2; ++i) {
            ASSERT_TRUE(pages_[i].Create(frame_.Handle()));
            tab_.InsertItem(i, i == 0 ? u"First" : u"Second", reinterpret_cast<LPARAM>(pages_[i].Handle()));
        }
        tab_.SetCurSel(0);
        tab_.ShowCurrentPage();
    }

    // What a click on a tab does: changing, the move, changed.
    void ClickTab(int index)
    {
        NMHDR header{tab_.Handle(), static_cast<UINT_PTR>(IDC_GALLERY_TAB), static_cast<UINT>(TCN_SELCHANGING)};
        LRESULT refused = frame_.Send(WM_NOTIFY, IDC_GALLERY_TAB, reinterpret_cast<LPARAM>(&header));
        if (refused != 0) return;
        tab_.SetCurSel(index);
        header.code = static_cast<UINT>(TCN_SELCHANGE);
        frame_.Send(WM_NOTIFY, IDC_GALLERY_TAB, reinterpret_cast<LPARAM>(&header));
    }

    bool IsShown(int page) const
    {
        return (pages_[page].GetStyle() & WS_VISIBLE) != 0 && pages_[page].IsEnabled();
    }

    TabFrame frame_;
    CMyTabCtrl tab_;
    gui_test::TestDialog pages_[2]{gui_test::TestDialog(IDD_TEST_PAGE), gui_test::TestDialog(IDD_TEST_PAGE)};
};

TEST_F(TabCtrlTest, ParentAnsweringZeroKeepsThePage)
{
    frame_.leaveAnswer = 0;
    ClickTab(1);
    EXPECT_EQ(frame_.leaveRequests, (std::vector<WPARAM>{0}));
    EXPECT_EQ(tab_.GetCurSel(), 0);
    EXPECT_EQ(tab_.GetCurrentPage(), 0);
    EXPECT_TRUE(IsShown(0));
    EXPECT_FALSE(IsShown(1));
    EXPECT_TRUE(frame_.changes.empty());
}

TEST_F(TabCtrlTest, AllowedChangeSwapsPagesAndSendsOneChangedMessage)
{
    ClickTab(1);
    EXPECT_FALSE(IsShown(0));
    EXPECT_TRUE(IsShown(1));
    EXPECT_EQ(frame_.changes, (std::vector<WPARAM>{1}));
    EXPECT_EQ(tab_.GetCurrentPage(), 1);
    for (LPARAM id : frame_.senderIds) EXPECT_EQ(id, IDC_GALLERY_TAB);

    // Leaving the second page asks with its index.
    frame_.leaveAnswer = 0;
    ClickTab(0);
    EXPECT_EQ(frame_.leaveRequests, (std::vector<WPARAM>{0, 1}));
    EXPECT_EQ(tab_.GetCurSel(), 1);
    EXPECT_EQ(frame_.changes.size(), 1u);
}

TEST_F(TabCtrlTest, RealClicksOnTheTabsFollowTheProtocol)
{
    auto click = [this](int index) {
        RECT item{};
        tab_.Send(TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
        LPARAM point = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
        tab_.Send(WM_LBUTTONDOWN, MK_LBUTTON, point);
        tab_.Send(WM_LBUTTONUP, 0, point);
    };
    frame_.leaveAnswer = 0;
    click(1);
    EXPECT_EQ(tab_.GetCurSel(), 0);
    EXPECT_TRUE(IsShown(0));
    EXPECT_TRUE(frame_.changes.empty());
    frame_.leaveAnswer = 1;
    click(1);
    EXPECT_EQ(tab_.GetCurSel(), 1);
    EXPECT_TRUE(IsShown(1));
    EXPECT_FALSE(IsShown(0));
    EXPECT_EQ(frame_.changes, (std::vector<WPARAM>{1}));
}

}  // namespace
