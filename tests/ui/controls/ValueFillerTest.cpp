#include <gtest/gtest.h>

#include "database/world/Date.h"
#include "database/club/ReferenceLists.h"
#include "database/club/Stadium.h"
#include "tests/common/TestSupport.h"
#include "tests/ui/GalleryIds.h"
#include "tests/ui/GuiTestSupport.h"
#include "ui/controls/DateCtrl.h"
#include "ui/controls/SelectColour.h"

namespace {

class ValueFillers : public testing::Test {
protected:
    void SetUp() override
    {
        gui_test::LoadTestTexts();
        ASSERT_TRUE(dialog.Create(nullptr));
        ASSERT_TRUE(colours.SubclassDlgItem(IDC_GALLERY_COLOURS, dialog));
        ASSERT_TRUE(combo.Attach(dialog.GetItem(IDC_GALLERY_COMBO)));
    }
    void TearDown() override { dialog.Destroy(); }
    const CSelectColour::ColourRecord& Record(int item) const
    {
        return *reinterpret_cast<const CSelectColour::ColourRecord*>(colours.GetItemData(item));
    }
    testing_support::TempFolder folder;
    gui_test::TestDialog dialog{IDD_GALLERY};
    CSelectColour colours;
    win::CComboBox combo;
};

}  // namespace

TEST_F(ValueFillers, ColourListGivesOneItemPerEntryValuedByIndex)
{
    const std::u16string path = folder.File(u"Colours.txt");
    testing_support::WriteBytes(path, "3\r\n0\r\nRed,1193046|255\r\n1\r\nBlue/Black,802453|0\r\n2\r\nPlain\r\n");
    CTeamColourTextFile list(10);
    list.Load(path);
    struct Case {
        bool twoColours;
        int mode;
    };
    for (const Case& c : {Case{false, 0}, Case{true, 1}}) {
        for (bool viaDialog : {true, false}) {
            if (viaDialog) CDialogB::FillColourCombo(colours, list, 1, c.twoColours);
            else colours.FillFromColourList(list, 1, c.mode);
            ASSERT_EQ(colours.GetCount(), 3);
            EXPECT_EQ(colours.GetCurSel(), 1);
            EXPECT_EQ(colours.GetItemText(0), u"Red");
            for (int i = 0; i < 3; ++i) EXPECT_EQ(colours.GetItemValue(i), static_cast<std::uint32_t>(i));
            EXPECT_EQ(Record(0).colour1, 0x563412u);
            EXPECT_EQ(Record(0).twoColours, c.twoColours);
            EXPECT_EQ(Record(0).colour2, c.twoColours ? 0xFF0000u : 0u);
        }
    }
    colours.FillFromColourList(list, 0, 2);
    EXPECT_FALSE(Record(0).twoColours);
}

TEST_F(ValueFillers, StadiumsFollowTheNotAvailableRow)
{
    testing_support::WriteBytes(folder.File(u"StadiumList.txt"), "2\r\nArena\r\n5\r\n7\r\nBowl\r\n0\r\n9\r\n");
    LoadStadiumList(folder.Path());
    dialog.FillStadiumListCombo(combo);
    ASSERT_EQ(combo.GetCount(), 3);
    EXPECT_EQ(combo.GetItemText(0), u"n/a");
    EXPECT_EQ(combo.GetItemData(0), 0);
    EXPECT_EQ(combo.GetItemText(1), u"Arena");
    EXPECT_EQ(combo.GetItemData(1), 7);
    EXPECT_EQ(combo.GetItemData(2), 9);
}

TEST(ValueFillerDates, DateControlRoundTripsAndShowsTheFallback)
{
    gui_test::LoadTestTexts();
    gui_test::TestDialog dialog(IDD_VALUE_GALLERY);
    ASSERT_TRUE(dialog.Create(nullptr));
    Halvane::MFC::CDateCtrl date;
    ASSERT_TRUE(date.SubclassDlgItem(IDC_VALUE_DATE, dialog));
    CDialogB::SetDateCtrlValue(date, TDate(2000, 2, 29), TDate(1980, 1, 1));
    EXPECT_EQ(CDialogB::GetDateCtrlValue(date), TDate(2000, 2, 29));
    CDialogB::SetDateCtrlValue(date, TDate(), TDate(1985, 6, 15));
    EXPECT_EQ(CDialogB::GetDateCtrlValue(date), TDate(1985, 6, 15));
    EXPECT_EQ(date.GetText(), u"15");
    dialog.Destroy();
}
