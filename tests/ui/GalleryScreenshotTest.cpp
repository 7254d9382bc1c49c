#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <string>
#include <vector>

#include "tests/common/TestSupport.h"
#include "tests/ui/GalleryIds.h"
#include "tests/ui/GuiTestSupport.h"
#include "ui/lists/HVListCtrl.h"
#include "ui/render/ImageCtrl.h"
#include "ui/lists/ListCtrlEx.h"
#include "ui/skin/MyCheckBox.h"
#include "ui/controls/MyEdit.h"
#include "ui/skin/MyGroupBox.h"
#include "ui/controls/MyListBox.h"
#include "ui/skin/MySliderControl.h"
#include "ui/skin/MyStaticControl.h"
#include "ui/skin/MyTabCtrl.h"
#include "ui/controls/SelectColour.h"
#include "ui/skin/SkinBitmap.h"
#include "win/Gdi.h"

namespace {

class NoSorting : public Halvane::MFC::CHVListCtrl::ISortTypeCompare {
public:
    int Compare(int, LPARAM a, LPARAM b) override { return static_cast<int>(a - b); }
};

using GalleryScreenshot = gui_test::GalleryTest;

TEST_F(GalleryScreenshot, WritesTheGalleryAsBitmapForAPersonToLookAt)
{
    win::CDibSection skin;
    ASSERT_TRUE(skin.Create(800, 600));
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x)
            skin.Pixels()[y * 800 + x] = (static_cast<std::uint32_t>(190 + (x / 16) % 40) << 16) |
                                         (static_cast<std::uint32_t>(205 + (y / 12) % 30) << 8) | 225u;
    SetSkinBitmap(skin.Get());

    Halvane::MFC::CHVListCtrl sortList;
    CListCtrlEx dragList;
    CMyListBox columnList;
    CMyTabCtrl tabs;
    CMyGroupBox group;
    CMyStaticControl label;
    CMyStaticControl centred;
    CMyCheckBox check;
    CMySliderControl slider;
    CMyEdit edit;
    CSelectColour colours;
    CImageCtrl image;
    const std::pair<win::CWindow*, int> controls[] = {
        {&sortList, IDC_GALLERY_SORTLIST}, {&dragList, IDC_GALLERY_DRAGLIST}, {&columnList, IDC_GALLERY_COLUMNLIST},
        {&tabs, IDC_GALLERY_TAB},          {&group, IDC_GALLERY_GROUP},       {&label, IDC_GALLERY_STATIC},
        {&centred, IDC_GALLERY_CENTRED},   {&check, IDC_GALLERY_CHECK},       {&slider, IDC_GALLERY_SLIDER},
        {&edit, IDC_GALLERY_EDIT},         {&colours, IDC_GALLERY_COLOURS},   {&image, IDC_GALLERY_IMAGE}};
    for (auto [control, id] : controls) ASSERT_TRUE(control->SubclassDlgItem(id, gallery_)) << id;

    NoSorting sorter;
    sortList.AddColumn(u"Club", LVCFMT_LEFT, 3);
    sortList.AddColumn(u"Points", LVCFMT_RIGHT, 1);
    sortList.SetSortHandler(&sorter);
    sortList.AutoSizeColumns(true);
    const char16_t* clubs[] = {u"Albion", u"Borough", u"City", u"Dynamo", u"Eagles"};
    for (int i = 0; i < 5; ++i) sortList.SetItemInt(sortList.InsertItem(clubs[i], i), 1, 30 - 4 * i);
    dragList.AddColumn(u"Club", 0, LVCFMT_LEFT);
    dragList.AddColumn(u"Centred column", 1, LVCFMT_CENTER);
    for (int i = 0; i < 9; ++i) dragList.SetItemText(dragList.AppendItem(clubs[i % 5], i), 1, u"banded");
    dragList.SetColumnWidth(0, LVSCW_AUTOSIZE_USEHEADER);
    for (const char16_t* club : clubs)
        EXPECT_LE(dragList.GetStringWidth(club), dragList.GetColumnWidth(0)) << testing_support::Narrow(club);
    const std::uint16_t positions[] = {2, 60, CMyListBox::RightAligned | 90};
    const std::uint16_t widths[] = {56, 28, 50};
    columnList.SetColumns(3, positions, widths);
    for (const char16_t* row : {u"Goalkeeper\tGK\t1", u"Defender\tDF\t4", u"Forward\tFW\t9"}) columnList.AddString(row);
    tabs.InsertItem(0, u"General", 0);
    tabs.InsertItem(1, u"Squad", 0);
    slider.SetRange(0, 10);
    slider.SetPos(6);
    edit.SetText(u"Editable text");
    colours.FillFromRows({{1, u"Red", CSelectColour::FromRgb(0xC00000), 0, false},
                          {2, u"Blue and white", CSelectColour::FromRgb(0x0030C0), CSelectColour::FromRgb(0xFFFFFF), true}},
                         2);
    win::CDibSection badge;
    ASSERT_TRUE(badge.Create(64, 64));
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) badge.Pixels()[y * 64 + x] = ((x / 8 + y / 8) % 2) != 0 ? 0xC00000u : 0xFFFFFFu;
    image.SetBitmap(badge.Get());

    ::SetWindowPos(gallery_.Handle(), HWND_TOP, 10, 10, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    ::RedrawWindow(gallery_.Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    gui_test::PumpMessages();

    std::vector<std::uint8_t> bitmap = gui_test::CaptureWindow(gallery_.Handle());
    ASSERT_GT(bitmap.size(), 54u + 100u * 100u * 3u);
    testing_support::WriteBytes(testing_support::PicturePath(u"tests\\ui\\gallery.bmp"), bitmap);
    SetSkinBitmap(nullptr);
}

// ctest runs the screenshot cases on their own while a screenshot script
// runs them too: the script's pictures go to the folder it names, never
// where the cases run by ctest write theirs.
TEST(PicturePath, AScreenshotScriptsPicturesGoToItsOwnFolder)
{
    ASSERT_EQ(_putenv_s("TR_PICTURE_FOLDER", ""), 0);
    EXPECT_EQ(testing_support::PicturePath(u"tests\\ui\\gallery.bmp"), testing_support::BinaryPath(u"tests\\ui\\gallery.bmp"));
    ASSERT_EQ(_putenv_s("TR_PICTURE_FOLDER", "/build/tests/ui/screenshots"), 0);
    EXPECT_EQ(testing_support::PicturePath(u"tests\\ui\\gallery.bmp"), u"Z:\\build\\tests\\ui\\screenshots\\gallery.bmp");
    _putenv_s("TR_PICTURE_FOLDER", "");
}

}  // namespace
