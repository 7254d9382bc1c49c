// Column widths that show every text whole: each column its share of the
// width by weight, unless its heading or a cell needs more.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/ui/GuiTestSupport.h"
#include "ui/lists/ListColumnFit.h"
#include "win/ListCtrl.h"

namespace {

class ListColumnFit : public gui_test::GalleryTest {
protected:
    void SetUp() override
    {
        GalleryTest::SetUp();
        ASSERT_TRUE(list_.Attach(::GetDlgItem(gallery_.Handle(), IDC_GALLERY_SORTLIST)));
        for (int column = 0; column < 3; ++column) list_.InsertColumn(column, u"", LVCFMT_LEFT, 10, column);
        row_ = list_.InsertItem(0, u"x");
    }
    void TearDown() override { list_.Detach(); }

    int Width(int column) const { return list_.GetColumnWidth(column); }
    // The list's texts the layout check finds cut.
    std::vector<std::string> CutTexts() const
    {
        const std::string control = "control " + std::to_string(IDC_GALLERY_SORTLIST) + " ";
        std::vector<std::string> cut;
        for (const std::string& fault : gui_test::LayoutFaults(gallery_.Handle(), gui_test::TMeasured::NamesToo))
            if (fault.starts_with(control)) cut.push_back(fault);
        return cut;
    }

    win::CListCtrl list_;
    int row_ = -1;
};

TEST_F(ListColumnFit, AWideTextTakesWhatItNeedsAndTheOthersShareTheRestByWeight)
{
    const std::u16string wide(30, u'W');
    list_.SetItemText(row_, 1, wide.c_str());
    FitListColumns(list_, {1, 1, 2}, 600);
    EXPECT_GT(Width(1), list_.GetStringWidth(wide.c_str()));
    EXPECT_EQ(Width(0) + Width(1) + Width(2), 600);
    EXPECT_NEAR(Width(2), 2 * Width(0), 1);
    EXPECT_EQ(CutTexts(), std::vector<std::string>{});
}

// Texts that need more than the width are shown whole all the same: the
// list scrolls sideways.
TEST_F(ListColumnFit, TextsWiderThanTheListAreKeptWhole)
{
    list_.SetColumnText(0, u"Context");
    list_.SetItemText(row_, 2, std::u16string(30, u'W').c_str());
    FitListColumns(list_, {1, 1, 1}, 60);
    EXPECT_GT(Width(0) + Width(1) + Width(2), 60);
    EXPECT_EQ(CutTexts(), std::vector<std::string>{});
}

}  // namespace
