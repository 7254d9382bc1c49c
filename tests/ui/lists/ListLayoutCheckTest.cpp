// The layout check's measure of lists: a header or a cell made of texts of
// the localisation file must fit its column less the margins the list draws
// it with; a name out of the database is measured only when asked for.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/ui/GuiTestSupport.h"
#include "ui/controls/MyListBox.h"
#include "win/ListCtrl.h"

namespace {

class ListLayoutCheck : public gui_test::GalleryTest {
protected:
    // The columns of the control that the check finds cut.
    std::vector<int> CutColumns(int id, gui_test::TMeasured measured = gui_test::TMeasured::LocalisedTexts)
    {
        const std::string control = "control " + std::to_string(id) + " ";
        std::vector<int> columns;
        for (const std::string& fault : gui_test::LayoutFaults(gallery_.Handle(), measured)) {
            const std::size_t at = fault.find(control + "\"\" column ");
            if (at != std::string::npos) columns.push_back(std::stoi(fault.substr(at + control.size() + 10)));
        }
        return columns;
    }
};

// Each column shows "Context", a text of the test texts, with a room just
// wide enough or a pixel short: the first column keeps 7 pixels for its
// label's margins, a left- or right-aligned column 5, a centred one none.
TEST_F(ListLayoutCheck, AReportListCellFitsItsColumnLessTheMarginsWineDrawsItWith)
{
    win::CListCtrl list;
    ASSERT_TRUE(list.Attach(::GetDlgItem(gallery_.Handle(), IDC_GALLERY_SORTLIST)));
    const int text = list.GetStringWidth(u"Context");
    struct TColumn {
        int format;
        int width;
        const char16_t* cell;
    };
    const TColumn columns[] = {
        {LVCFMT_LEFT, text + 7, u"Context"},           {LVCFMT_LEFT, text + 5, u"Context"},
        {LVCFMT_LEFT, text + 4, u"Context"},           {LVCFMT_RIGHT, text + 5, u"Context"},
        {LVCFMT_RIGHT, text + 4, u"Context"},          {LVCFMT_CENTER, text, u"Context"},
        {LVCFMT_CENTER, text - 1, u"Context"},         {LVCFMT_LEFT, 10, u"A club's name out of the database"},
        {LVCFMT_CENTER, text, u"Context 01/07"},
    };
    for (int column = 0; column < static_cast<int>(std::size(columns)); ++column)
        list.InsertColumn(column, u"", columns[column].format, columns[column].width, column);
    const int row = list.InsertItem(0, columns[0].cell);
    for (int column = 1; column < static_cast<int>(std::size(columns)); ++column) list.SetItemText(row, column, columns[column].cell);
    EXPECT_EQ(CutColumns(IDC_GALLERY_SORTLIST), (std::vector<int>{2, 4, 6, 8}));
    EXPECT_EQ(CutColumns(IDC_GALLERY_SORTLIST, gui_test::TMeasured::NamesToo), (std::vector<int>{2, 4, 6, 7, 8}));
    list.SetColumnWidth(0, text + 6);
    list.SetColumnText(5, u"Cancel");
    EXPECT_EQ(CutColumns(IDC_GALLERY_SORTLIST), (std::vector<int>{0, 2, 4, 5, 6, 8})) << "a header keeps margins too";
    list.Detach();
}

// The list box with columns measures each localised cell in its own box,
// which the list's right edge narrows.
TEST_F(ListLayoutCheck, AColumnListBoxCellFitsItsBox)
{
    CMyListBox list;
    ASSERT_TRUE(list.SubclassDlgItem(IDC_GALLERY_COLUMNLIST, gallery_));
    const std::uint16_t positions[] = {0, 60, 70, 140};
    const std::uint16_t widths[] = {60, 10, 70, 200};
    list.SetColumns(4, positions, widths);
    list.AddString(u"Context\tContext\tA club's name out of the database\tContext");
    EXPECT_EQ(CutColumns(IDC_GALLERY_COLUMNLIST), (std::vector<int>{1, 3}));
    EXPECT_EQ(CutColumns(IDC_GALLERY_COLUMNLIST, gui_test::TMeasured::NamesToo), (std::vector<int>{1, 2, 3}));
}

}  // namespace
