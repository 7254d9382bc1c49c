#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/text/TextManager.h"
#include "tests/common/TestSupport.h"
#include "tests/ui/GuiTestSupport.h"
#include "ui/lists/HVListCtrl.h"

using Halvane::MFC::CHVListCtrl;

namespace {

enum SortType { ByName = 1, ByPoints = 2, ById = 3 };

struct Club {
    std::u16string name;
    int points;
    int id;
};

class ClubSorter : public CHVListCtrl::ISortTypeCompare {
public:
    explicit ClubSorter(const std::vector<Club>& clubs) : clubs_(clubs) {}
    int Compare(int sortType, LPARAM item1, LPARAM item2) override
    {
        const Club& a = clubs_[static_cast<std::size_t>(item1)];
        const Club& b = clubs_[static_cast<std::size_t>(item2)];
        ++calls;
        switch (sortType) {
        case ByName: return a.name.compare(b.name);
        case ByPoints: return a.points - b.points;
        case ById: return a.id - b.id;
        default: return 0;
        }
    }
    int calls = 0;

private:
    const std::vector<Club>& clubs_;
};

class SortableListTest : public gui_test::GalleryTest {
protected:
    void SetUp() override
    {
        GalleryTest::SetUp();
        ASSERT_TRUE(list_.SubclassDlgItem(IDC_GALLERY_SORTLIST, gallery_));
        ASSERT_EQ(list_.AddColumn(u"Name", LVCFMT_LEFT, 1), 0);
        ASSERT_EQ(list_.AddColumn(u"Points", LVCFMT_RIGHT, 1), 1);
        ASSERT_EQ(list_.AddColumn(u"Unsorted", LVCFMT_LEFT, 2), 2);
        list_.SetColumnSortTypes(0, ByName, ByPoints, -1);
        list_.SetColumnSortTypes(1, ByPoints, ByName, ById);
        list_.SetSortHandler(&sorter_);
        for (std::size_t i = 0; i < clubs_.size(); ++i) {
            int row = list_.InsertItem(clubs_[i].name.c_str(), static_cast<LPARAM>(i));
            list_.SetItemInt(row, 1, clubs_[i].points);
        }
    }

    // The ids of the rows from top to bottom.
    std::vector<int> Order() const
    {
        std::vector<int> ids;
        for (int row = 0; row < list_.GetItemCount(); ++row)
            ids.push_back(clubs_[static_cast<std::size_t>(list_.GetItemData(row))].id);
        return ids;
    }

    // What the header sends its list when a column is clicked.
    void ClickHeader(int column)
    {
        NMHEADERW click{};
        click.hdr.hwndFrom = list_.GetHeader();
        click.hdr.idFrom = 0;
        click.hdr.code = HDN_ITEMCLICKW;
        click.iItem = column;
        list_.Send(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&click));
    }

    std::vector<Club> clubs_{{u"Delta", 10, 1}, {u"Alpha", 30, 2}, {u"Delta", 5, 3}, {u"Bravo", 10, 4}, {u"Alpha", 30, 5}};
    ClubSorter sorter_{clubs_};
    CHVListCtrl list_;
};

TEST_F(SortableListTest, HeaderClickSortsAscendingThenToggles)
{
    EXPECT_EQ(list_.GetSortColumn(), -1);
    struct Click {
        int column;
        bool ascending;
        std::vector<int> order;
    };
    // Equal names are ordered by points, the second sort key; descending
    // reverses the tie-break too; another column always starts ascending.
    const Click clicks[] = {{0, true, {2, 5, 4, 3, 1}}, {0, false, {1, 3, 4, 2, 5}}, {1, true, {3, 4, 1, 2, 5}}};
    for (const Click& click : clicks) {
        ClickHeader(click.column);
        EXPECT_EQ(list_.GetSortColumn(), click.column);
        EXPECT_EQ(list_.IsSortAscending(), click.ascending);
        EXPECT_EQ(Order(), click.order);
    }
    EXPECT_EQ(list_.GetCurrentSortType(0), ByPoints);
    EXPECT_EQ(list_.GetCurrentSortType(7), ById);
    // The third sort key breaks the remaining ties (Alpha 30 twice: the id
    // decides, reversed with the rest).
    list_.Sort(1, false);
    EXPECT_EQ(Order(), (std::vector<int>{5, 2, 1, 4, 3}));
}

TEST_F(SortableListTest, RealHeaderClickReachesTheList)
{
    HWND header = list_.GetHeader();
    RECT item{};
    ::SendMessageW(header, HDM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
    LPARAM point = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    ::SendMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, point);
    ::SendMessageW(header, WM_LBUTTONUP, 0, point);
    EXPECT_EQ(list_.GetSortColumn(), 1);
    EXPECT_TRUE(list_.IsSortAscending());
}

TEST_F(SortableListTest, ColumnWithoutSortTypeKeepsOrderButBecomesSortColumn)
{
    ClickHeader(0);
    std::vector<int> before = Order();
    sorter_.calls = 0;
    ClickHeader(2);
    EXPECT_EQ(Order(), before);
    EXPECT_EQ(sorter_.calls, 0);
    EXPECT_EQ(list_.GetSortColumn(), 2);
    EXPECT_TRUE(list_.IsSortAscending());
    ClickHeader(2);
    EXPECT_FALSE(list_.IsSortAscending());
    EXPECT_EQ(list_.GetCurrentSortType(0), -1);
}

TEST_F(SortableListTest, ClicksOutsideTheColumnsOrWithoutHandlerDoNothing)
{
    ClickHeader(5);
    EXPECT_EQ(list_.GetSortColumn(), -1);
    list_.SetSortHandler(nullptr);
    ClickHeader(0);
    EXPECT_EQ(list_.GetSortColumn(), -1);
}

TEST_F(SortableListTest, AFailingComparisonIsReportedOnceAfterTheSort)
{
    struct Failing : CHVListCtrl::ISortTypeCompare {
        int Compare(int, LPARAM, LPARAM) override { throw std::runtime_error("no order"); }
    } failing;
    list_.SetSortHandler(&failing);
    testing_support::MessageCapture messages;
    ClickHeader(0);
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_NE(messages.Messages()[0].find(u"no order"), std::u16string::npos);
    EXPECT_EQ(list_.GetItemCount(), 5);
}

TEST_F(SortableListTest, AutoSizeColumnsSharesClientWidthByWeight)
{
    RECT window = list_.GetWindowRect();
    RECT client = list_.GetClientRect();
    int frame = (window.right - window.left) - client.right;
    ::SetWindowPos(list_.Handle(), nullptr, 0, 0, 400 + frame, window.bottom - window.top, SWP_NOMOVE | SWP_NOZORDER);
    ASSERT_EQ(list_.GetClientRect().right, 400);
    list_.AutoSizeColumns(false);
    EXPECT_EQ(std::tuple(list_.GetColumnWidth(0), list_.GetColumnWidth(1), list_.GetColumnWidth(2)), std::tuple(100, 100, 200));
    list_.AutoSizeColumns(true);
    int rest = 400 - ::GetSystemMetrics(SM_CXVSCROLL);
    EXPECT_EQ(std::pair(list_.GetColumnWidth(0), list_.GetColumnWidth(2)), std::pair(rest / 4, rest * 2 / 4));

    // Without any weight the columns keep their inserted widths.
    CHVListCtrl other;
    gui_test::TestDialog dialog(IDD_GALLERY);
    ASSERT_TRUE(dialog.Create(nullptr));
    ASSERT_TRUE(other.SubclassDlgItem(IDC_GALLERY_SORTLIST, dialog));
    other.AddColumn(u"A", LVCFMT_LEFT, 0);
    other.AutoSizeColumns(false);
    EXPECT_EQ(other.GetColumnWidth(0), 64);
}

TEST_F(SortableListTest, ThirtyThirdColumnIsRefused)
{
    for (int i = 3; i < CHVListCtrl::MaxColumns; ++i) ASSERT_EQ(list_.AddColumn(u"More", LVCFMT_LEFT, 0), i);
    EXPECT_EQ(list_.AddColumn(u"Too many", LVCFMT_LEFT, 1), -1);
    EXPECT_EQ(list_.GetColumnCount(), CHVListCtrl::MaxColumns);
    list_.SetColumnSortTypes(40, 1, 1, 1);  // ignored
}

TEST_F(SortableListTest, NumbersUseTheTextStoreFormatting)
{
    int row = list_.InsertItem(u"Big", 0);
    ASSERT_TRUE(list_.SetItemInt(row, 1, -1234567));
    EXPECT_EQ(list_.GetItemText(row, 1), CTextManager::Instance()->FormatInt(-1234567));
    ASSERT_TRUE(list_.SetItemFloat(row, 2, 2.5f, 2));
    EXPECT_EQ(list_.GetItemText(row, 2), CTextManager::Instance()->FormatFloat(2.5, 2));
}

}  // namespace
