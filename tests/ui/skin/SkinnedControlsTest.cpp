#include <gtest/gtest.h>

#include "core/files/TabbedConfig.h"
#include "tests/ui/GuiTestSupport.h"
#include "ui/controls/MyEdit.h"
#include "ui/skin/MyGroupBox.h"
#include "ui/skin/MyStaticControl.h"
#include "ui/controls/SelectColour.h"
#include "win/Gdi.h"

namespace {

using SkinnedControlsTest = gui_test::GalleryTest;

TEST_F(SkinnedControlsTest, GroupBoxFrameDarkensWhenDisabled)
{
    CMyGroupBox group;
    ASSERT_TRUE(group.SubclassDlgItem(IDC_GALLERY_GROUP, gallery_));
    const bool states[] = {true, false, true};  // as created, then switched off and on
    for (int step = 0; step < 3; ++step) {
        if (step > 0) group.Enable(states[step]);
        Redraw(group.Handle());
        EXPECT_EQ(Pixel(group.Handle(), 0, 30), states[step] ? CMyGroupBox::EnabledDark : CMyGroupBox::DisabledDark) << step;
        EXPECT_EQ(Pixel(group.Handle(), 1, 30), states[step] ? CMyGroupBox::EnabledLight : CMyGroupBox::DisabledLight) << step;
    }
    // The top line leaves room for the caption.
    EXPECT_NE(Pixel(group.Handle(), CMyGroupBox::CaptionLeft + 3, 6), CMyGroupBox::EnabledDark);
    EXPECT_EQ(Pixel(group.Handle(), 3, 6), CMyGroupBox::EnabledDark);
}

TEST_F(SkinnedControlsTest, CentredStaticKeepsCentringWhenOwnerDrawn)
{
    CMyStaticControl label;
    ASSERT_TRUE(label.SubclassDlgItem(IDC_GALLERY_CENTRED, gallery_));
    EXPECT_EQ(label.GetStaticType(), static_cast<DWORD>(SS_CENTER));
    EXPECT_EQ(label.GetStyle() & SS_TYPEMASK, static_cast<DWORD>(SS_OWNERDRAW));
    Redraw(gallery_.Handle());
    RECT client = label.GetClientRect();
    COLORREF background = Pixel(label.Handle(), 0, 0);
    auto inkBetween = [&](int from, int to) {
        int ink = 0;
        for (int x = from; x < to; ++x)
            for (int y = 0; y < client.bottom; ++y) ink += Pixel(label.Handle(), x, y) != background;
        return ink;
    };
    int width = client.right;
    EXPECT_EQ(inkBetween(0, width / 8), 0);
    EXPECT_EQ(inkBetween(width - width / 8, width), 0);
    EXPECT_GT(inkBetween(width / 2 - 10, width / 2 + 10), 0);
}

TEST_F(SkinnedControlsTest, LockedEditIgnoresTypingButTakesSetText)
{
    CMyEdit edit;
    ASSERT_TRUE(edit.SubclassDlgItem(IDC_GALLERY_EDIT, gallery_));
    edit.Send(WM_CHAR, u'a', 0);
    EXPECT_EQ(edit.GetText(), u"a");
    edit.SetLocked(CMyEdit::Locked);
    edit.Send(WM_CHAR, u'b', 0);
    EXPECT_EQ(edit.GetText(), u"a");
    edit.SetText(u"set");
    EXPECT_EQ(edit.GetText(), u"set");
    edit.SetLocked(2);
    edit.Send(WM_CHAR, u'c', 0);
    EXPECT_NE(edit.GetText().find(u'c'), std::u16string::npos);
}

TEST_F(SkinnedControlsTest, ColourComboSelectsByValueAndNumbersItsRows)
{
    CSelectColour colours;
    ASSERT_TRUE(colours.SubclassDlgItem(IDC_GALLERY_COLOURS, gallery_));
    colours.SetShowNumbers(true);
    colours.FillFromRows({{7, u"Red", CSelectColour::FromRgb(0xFF0000), 0, false},
                          {9, u"Blue and white", CSelectColour::FromRgb(0x0000FF), CSelectColour::FromRgb(0xFFFFFF), true}},
                         9);
    EXPECT_EQ(colours.GetItemText(0), u"01 - Red");
    EXPECT_EQ(colours.GetItemText(1), u"02 - Blue and white");
    EXPECT_EQ(colours.GetSelectedValue(0), 9u);
    EXPECT_FALSE(colours.SelectByValue(42));
    EXPECT_EQ(colours.GetCurSel(), 1);
    EXPECT_TRUE(colours.SelectByValue(7));
    EXPECT_EQ(colours.GetCurSel(), 0);
    EXPECT_EQ(colours.GetItemValue(5), 0u);
    EXPECT_EQ(CSelectColour::FromRgb(0x123456), RGB(0x12, 0x34, 0x56));
    colours.Send(CB_DELETESTRING, 0);
    EXPECT_EQ(colours.GetItemValue(0), 9u);
    colours.SetCurSel(-1);
    EXPECT_EQ(colours.GetSelectedValue(77), 77u);
}

TEST_F(SkinnedControlsTest, ColourComboFillsFromATableWithHexColours)
{
    CSelectColour colours;
    ASSERT_TRUE(colours.SubclassDlgItem(IDC_GALLERY_COLOURS, gallery_));
    std::string file = "Id\t[English]\t[French]\t[German]\t[Italian]\t[Spanish]\t[Polish]\tFirst\tSecond\r\n"
                       "4\tRed\tRouge\tRot\tRosso\tRojo\tCzerwony\t#FF0000\t#00FF00\r\n"
                       "8\tBlue\tBleu\tBlau\tBlu\tAzul\tNiebieski\t0000FF\t#FFFFFF\r\n";
    CTabbedConfig table;
    ASSERT_TRUE(table.LoadFromBytes({reinterpret_cast<const std::uint8_t*>(file.data()), file.size()}));
    colours.FillFromTable(table, 8, 0, 1);
    ASSERT_EQ(colours.GetCount(), 2);
    EXPECT_EQ(colours.GetItemValue(0), 4u);
    EXPECT_EQ(colours.GetSelectedValue(0), 8u);
    EXPECT_FALSE(colours.SelectByValue(5));
    EXPECT_EQ(colours.GetCurSel(), 1);
}

}  // namespace
