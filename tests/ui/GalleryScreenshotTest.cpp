#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/common/TestSupport.h"
#include "tests/ui/GalleryIds.h"
#include "tests/ui/GuiTestSupport.h"
#include "ui/HVListCtrl.h"
#include "ui/ImageCtrl.h"
#include "ui/ListCtrlEx.h"
#include "ui/MyCheckBox.h"
#include "ui/MyEdit.h"
#include "ui/MyGroupBox.h"
#include "ui/MyListBox.h"
#include "ui/MySliderControl.h"
#include "ui/MyStaticControl.h"
#include "ui/MyTabCtrl.h"
#include "ui/SelectColour.h"
#include "ui/SkinBitmap.h"
#include "win/Gdi.h"

namespace {

class NoSorting : public Halvane::MFC::CHVListCtrl::ISortTypeCompare {
public:
    int Compare(int, LPARAM a, LPARAM b) override { return static_cast<int>(a - b); }
};

TEST(GalleryScreenshot, WritesTheGalleryAsBitmapForAPersonToLookAt)
{
    gui_test::LoadTestTexts();
    win::CDibSection skin;
    ASSERT_TRUE(skin.Create(800, 600));
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x)
            skin.Pixels()[y * 800 + x] = (static_cast<std::uint32_t>(190 + (x / 16) % 40) << 16) |
                                         (static_cast<std::uint32_t>(205 + (y / 12) % 30) << 8) | 225u;
    SetSkinBitmap(skin.Get());

    gui_test::TestDialog gallery(IDD_GALLERY);
    ASSERT_TRUE(gallery.Create(nullptr));
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
    ASSERT_TRUE(sortList.SubclassDlgItem(IDC_GALLERY_SORTLIST, gallery));
    ASSERT_TRUE(dragList.SubclassDlgItem(IDC_GALLERY_DRAGLIST, gallery));
    ASSERT_TRUE(columnList.SubclassDlgItem(IDC_GALLERY_COLUMNLIST, gallery));
    ASSERT_TRUE(tabs.SubclassDlgItem(IDC_GALLERY_TAB, gallery));
    ASSERT_TRUE(group.SubclassDlgItem(IDC_GALLERY_GROUP, gallery));
    ASSERT_TRUE(label.SubclassDlgItem(IDC_GALLERY_STATIC, gallery));
    ASSERT_TRUE(centred.SubclassDlgItem(IDC_GALLERY_CENTRED, gallery));
    ASSERT_TRUE(check.SubclassDlgItem(IDC_GALLERY_CHECK, gallery));
    ASSERT_TRUE(slider.SubclassDlgItem(IDC_GALLERY_SLIDER, gallery));
    ASSERT_TRUE(edit.SubclassDlgItem(IDC_GALLERY_EDIT, gallery));
    ASSERT_TRUE(colours.SubclassDlgItem(IDC_GALLERY_COLOURS, gallery));
    ASSERT_TRUE(image.SubclassDlgItem(IDC_GALLERY_IMAGE, gallery));

    NoSorting sorter;
    sortList.AddColumn(u"Club", LVCFMT_LEFT, 3);
    sortList.AddColumn(u"Points", LVCFMT_RIGHT, 1);
    sortList.SetSortHandler(&sorter);
    sortList.AutoSizeColumns(true);
    const char16_t* clubs[] = {u"Albion", u"Borough", u"City", u"Dynamo", u"Eagles"};
    for (int i = 0; i < 5; ++i) sortList.SetItemInt(sortList.InsertItem(clubs[i], i), 1, 30 - 4 * i);
    dragList.AddColumn(u"Row", 0, LVCFMT_LEFT);
    dragList.AddColumn(u"Centred column", 1, LVCFMT_CENTER);
    for (int i = 0; i < 9; ++i) dragList.SetItemText(dragList.AppendItem(clubs[i % 5], i), 1, u"banded");
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

    ::SetWindowPos(gallery.Handle(), HWND_TOP, 10, 10, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    ::RedrawWindow(gallery.Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    gui_test::PumpMessages();

    std::vector<std::uint8_t> bitmap = gui_test::CaptureWindow(gallery.Handle());
    ASSERT_GT(bitmap.size(), 54u + 100u * 100u * 3u);
    testing_support::WriteBytes(testing_support::BinaryPath(u"tests\\ui\\gallery.bmp"), bitmap);
    SetSkinBitmap(nullptr);
}

}  // namespace
