#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "tests/common/TestSupport.h"
#include "tests/ui/GalleryIds.h"
#include "tests/ui/GuiTestSupport.h"
#include "ui/controls/CheckGroupCtrl.h"
#include "ui/controls/ColorComboCtrl.h"
#include "ui/controls/DateCtrl.h"
#include "ui/controls/DomainCtrl.h"
#include "ui/controls/OptionGroupCtrl.h"
#include "ui/controls/SpinEditCtrl.h"
#include "win/WideText.h"

using namespace Halvane::MFC;

namespace {

struct TValueRecord {
    int count = 0;
    int money = 0;
    double factor = 0;
    int year = 0, month = 0, day = 0;
    int domain = -1;
    unsigned checks = 0;
    int option = -2;
    std::uint32_t colourValue = 0;
};

class ValueGallery : public gui_test::TestDialog {
public:
    ValueGallery() : TestDialog(IDD_VALUE_GALLERY) {}
    CSpinEditCtrl spin, money, factor;
    CDateCtrl date;
    CDomainCtrl domain;
    CCheckGroupCtrl checks;
    COptionGroupCtrl options;
    CColorComboCtrl colours;
    std::map<void*, int> changes;
    TValueRecord record;

    void OnChange(void* sender) override { ++changes[sender]; }

protected:
    BOOL OnInitDialog() override
    {
        TestDialog::OnInitDialog();
        spin.SubclassDlgItem(IDC_VALUE_SPIN, *this);
        money.SubclassDlgItem(IDC_VALUE_MONEY, *this);
        factor.SubclassDlgItem(IDC_VALUE_FLOAT, *this);
        date.SubclassDlgItem(IDC_VALUE_DATE, *this);
        domain.SubclassDlgItem(IDC_VALUE_DOMAIN, *this);
        checks.SubclassDlgItem(IDC_VALUE_CHECKS, *this);
        options.SubclassDlgItem(IDC_VALUE_OPTIONS, *this);
        colours.SubclassDlgItem(IDC_VALUE_COLOURS, *this);
        for (CSpinEditCtrl* control : {&spin, &money, &factor}) control->SetFlags(CSpinEditCtrl::PlainDigits);
        spin.SetRange(0, 100);
        money.SetRange(0, 50000000);
        money.SetFormat(u"_VALUE,- \u20AC");
        money.SetAcceleration(100000, 500000, 1000000);
        factor.SetRangeFloat(0.0f, 20.0f, 2);
        date.SetDate(1999, 2, 31);
        static const char16_t* const roles[] = {u"Keeper", u"Defender", u"Midfielder", nullptr};
        domain.SetTexts(roles);
        static const char16_t* const boxes[] = {u"Home", u"Away", u"Cup", u"League", u"Friendly"};
        checks.Create(boxes, 5, 2);
        static const char16_t* const feet[] = {u"Left", u"Right", u"Both"};
        options.Create(feet, 3, 3);
        colours.AddItem(u"Plain");
        colours.AddItem(u"Red", RGB(200, 0, 0));
        colours.SetItemValue(colours.AddItem(u"Blue and white", RGB(0, 48, 192), RGB(255, 255, 255)), 7);
        colours.AddItem(u"Tricolour", RGB(0, 140, 69), RGB(244, 245, 240), RGB(205, 33, 42));
        spin.SetNotify(this);
        factor.SetNotify(this);
        date.SetNotify(this);
        checks.SetNotify(this);
        options.SetNotify(this);
        return TRUE;
    }
    void OnOK() override
    {
        record = {spin.GetValue(), money.GetValue(), factor.GetValueFloat(), date.GetYear(), date.GetMonth(),
                  date.GetDay(), domain.GetValue(), checks.GetValue(), options.GetSelection(),
                  colours.GetItemValue(colours.GetCurSel())};
        TestDialog::OnOK();
    }
};

class ValueControls : public testing::Test {
protected:
    void SetUp() override
    {
        gui_test::LoadTestTexts();
        ASSERT_TRUE(gallery.Create(nullptr));
        ::SetWindowPos(gallery.Handle(), HWND_TOP, 10, 10, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
        ::SetForegroundWindow(gallery.Handle());
        gui_test::PumpMessages();
    }
    void TearDown() override { gallery.Destroy(); }
    HWND Item(int id) const { return ::GetDlgItem(gallery.Handle(), id); }
    // A left click on the upper or lower arrow of an up-down.
    static void ClickArrow(const win::CWindow& spin, bool up)
    {
        const RECT area = spin.GetClientRect();
        const LPARAM point = MAKELPARAM(area.right / 2, up ? area.bottom / 4 : area.bottom * 3 / 4);
        spin.Send(WM_LBUTTONDOWN, MK_LBUTTON, point);
        spin.Send(WM_LBUTTONUP, 0, point);
        gui_test::PumpMessages();
    }
    // Types into an edit and tabs away from it.
    void TypeAndLeave(HWND edit, const char16_t* text)
    {
        ::SetFocus(edit);
        ::SetWindowTextW(edit, win::W(text));
        ::SetFocus(::GetNextDlgTabItem(gallery.Handle(), edit, FALSE));
        gui_test::PumpMessages();
    }
    ValueGallery gallery;
};

}  // namespace

TEST_F(ValueControls, TypedSpinValueIsClampedOnLeavingAndNotifiedOnce)
{
    TypeAndLeave(gallery.spin.Handle(), u"250");
    EXPECT_EQ(gallery.spin.GetText(), u"100");
    EXPECT_EQ(gallery.spin.GetValue(), 100);
    EXPECT_EQ(gallery.changes[&gallery.spin], 1);
    TypeAndLeave(gallery.factor.Handle(), u"0.29");
    EXPECT_EQ(gallery.factor.GetValue(), 29);
    EXPECT_EQ(gallery.money.GetText(), u"0 \u20AC");
}

TEST_F(ValueControls, SpinArrowsStepAndStopAtTheEnds)
{
    gallery.spin.SetValue(99);
    gallery.changes.clear();
    for (int click = 0; click < 2; ++click) {
        ClickArrow(gallery.spin.GetSpin(), true);
        EXPECT_EQ(gallery.spin.GetValue(), 100) << click;
    }
    EXPECT_EQ(gallery.changes[&gallery.spin], 1);

    ClickArrow(gallery.domain.GetSpin(), false);
    EXPECT_EQ(gallery.domain.GetText(), u"Keeper");
    for (int i = 0; i < 4; ++i) ClickArrow(gallery.domain.GetSpin(), true);
    EXPECT_EQ(gallery.domain.GetText(), u"Midfielder");
    EXPECT_EQ(gallery.domain.GetValue(), 2);
    gallery.domain.SetValue(9);
    EXPECT_EQ(gallery.domain.GetValue(), 2);
    gallery.domain.SetValue(1);
    EXPECT_EQ(gallery.domain.GetText(), u"Defender");

    UDACCEL steps[3] = {};
    ASSERT_EQ(gallery.money.GetSpin().Send(UDM_GETACCEL, 3, reinterpret_cast<LPARAM>(steps)), 3);
    const UDACCEL expected[3] = {{0, 100000}, {3, 500000}, {6, 1000000}};
    for (int i = 0; i < 3; ++i) EXPECT_EQ(std::pair(steps[i].nSec, steps[i].nInc), std::pair(expected[i].nSec, expected[i].nInc));
}

TEST_F(ValueControls, DateFieldsClampFollowTheDayEditAndTabInOrder)
{
    EXPECT_EQ(gallery.date.GetDay(), 28);
    const HWND day = gallery.date.Handle();
    const HWND month = ::GetNextDlgTabItem(gallery.Handle(), day, FALSE);
    const HWND year = ::GetNextDlgTabItem(gallery.Handle(), month, FALSE);
    EXPECT_EQ(gui_test::WindowText(month) + u"." + gui_test::WindowText(year), u"2.1999");
    EXPECT_EQ(::GetNextDlgTabItem(gallery.Handle(), year, FALSE), Item(IDC_VALUE_AFTER_DATE));

    gallery.changes.clear();
    gallery.date.SetDate(2000, 2, 29);
    gallery.date.SetDate(2000, 2, 29);
    EXPECT_EQ(gallery.changes[&gallery.date], 1);
    TypeAndLeave(year, u"1900");
    EXPECT_EQ(gallery.date.GetDay(), 28);
    gallery.date.SetDate(2001, 1, 31);
    EXPECT_EQ(::GetDlgCtrlID(::GetWindow(day, GW_HWNDNEXT)), CDateCtrl::PartId);

    ::EnableWindow(day, FALSE);
    ::ShowWindow(day, SW_HIDE);
    for (HWND part : {month, year}) {
        EXPECT_FALSE(::IsWindowEnabled(part));
        EXPECT_FALSE(::IsWindowVisible(part));
    }
    ::EnableWindow(day, TRUE);
    ::ShowWindow(day, SW_SHOW);
    EXPECT_TRUE(::IsWindowEnabled(year) && ::IsWindowVisible(year));
}

TEST_F(ValueControls, DaySpinKeepsTheLastDayOfTheMonth)
{
    gallery.date.SetDate(2001, 1, 31);
    HWND daySpin = nullptr;
    for (HWND child = ::GetWindow(gallery.Handle(), GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (::GetDlgCtrlID(child) == CDateCtrl::SpinId && daySpin == nullptr) daySpin = child;
    }
    ASSERT_NE(daySpin, nullptr);
    win::CWindow* spin = win::CWindow::FromHandle(daySpin);
    ASSERT_NE(spin, nullptr);
    ClickArrow(*spin, true);
    EXPECT_EQ(gallery.date.GetDay(), 31);
    ClickArrow(*spin, false);
    EXPECT_EQ(gallery.date.GetDay(), 30);
}

TEST_F(ValueControls, GroupsNotifyOnClicksAndOkWritesTheRecord)
{
    EXPECT_EQ(gallery.checks.GetCount(), 5);
    std::vector<HWND> boxes;
    for (HWND w = ::GetNextDlgTabItem(gallery.Handle(), gallery.domain.Handle(), FALSE); boxes.size() < 8;
         w = ::GetNextDlgTabItem(gallery.Handle(), w, FALSE))
        boxes.push_back(w);
    ::SendMessageW(boxes[3], BM_CLICK, 0, 0);
    EXPECT_EQ(gallery.checks.GetValue(), 1u << 3);
    EXPECT_EQ(gallery.changes[&gallery.checks], 1);
    gallery.checks.SetCheck(3, true);
    EXPECT_EQ(gallery.changes[&gallery.checks], 1);
    gallery.checks.SetCheck(0, true);
    EXPECT_EQ(gallery.checks.GetValue(), 9u);

    ::SendMessageW(boxes[6], BM_CLICK, 0, 0);
    EXPECT_EQ(gallery.options.GetSelection(), 1);
    gallery.options.SetSelection(2);
    EXPECT_EQ(gallery.options.GetSelection(), 2);
    EXPECT_EQ(gallery.changes[&gallery.options], 2);

    EXPECT_EQ(gallery.colours.GetItemColourCount(0), 0);
    EXPECT_EQ(gallery.colours.GetItemColour(3, 2), RGB(205, 33, 42));
    EXPECT_EQ(gallery.colours.GetItemColour(3, 3), 0u);
    EXPECT_EQ(gallery.colours.AddItem(nullptr), -1);
    EXPECT_TRUE(gallery.colours.SelectColour(RGB(0, 48, 192)));
    EXPECT_FALSE(gallery.colours.SelectColour(RGB(1, 2, 3)));

    gallery.spin.SetValue(42);
    gallery.date.SetDate(2004, 2, 29);
    ::SendMessageW(gallery.Handle(), WM_COMMAND, IDOK, 0);
    const TValueRecord& r = gallery.record;
    EXPECT_EQ(std::tuple(r.count, r.year * 10000 + r.month * 100 + r.day, r.checks, r.option, r.colourValue),
              std::tuple(42, 20040229, 9u, 2, 7u));
}

TEST_F(ValueControls, GalleryScreenshotForAPersonToLookAt)
{
    gallery.spin.SetValue(75);
    gallery.money.SetValue(2500000);
    gallery.factor.SetValueFloat(1.25f);
    gallery.checks.SetCheck(1, true);
    gallery.options.SetSelection(0);
    gallery.colours.SetCurSel(3);
    ::RedrawWindow(gallery.Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    gui_test::PumpMessages();
    const auto bitmap = gui_test::CaptureWindow(gallery.Handle());
    ASSERT_GT(bitmap.size(), 54u + 100u * 100u * 3u);
    testing_support::WriteBytes(testing_support::PicturePath(u"tests\\ui\\value-gallery.bmp"), bitmap);
}

// Under the sort style the items stand in the collated order of their texts
// (an accented letter with its plain one), items without a record last, in
// the order they came; every index returned is the item's final place.
TEST_F(ValueControls, SortedColourComboCollatesTextsAndPutsItemsWithoutRecordLast)
{
    HWND window = ::CreateWindowExW(0, L"COMBOBOX", L"",
                                    WS_CHILD | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS |
                                        CBS_SORT,
                                    0, 0, 120, 100, gallery.Handle(), reinterpret_cast<HMENU>(4321), nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    CColorComboCtrl sorted;
    ASSERT_TRUE(sorted.Subclass(window));
    EXPECT_EQ(sorted.AddItem(u"Plain"), 0);
    EXPECT_EQ(sorted.AddItem(u"Zinc", RGB(120, 120, 120)), 0);
    EXPECT_EQ(sorted.AddItem(u"\u00C9meraude", RGB(0, 155, 119)), 0);
    EXPECT_EQ(sorted.AddItem(u"Also plain"), 3);
    EXPECT_EQ(sorted.AddItem(u"Ecru", RGB(194, 178, 128)), 0);
    EXPECT_EQ(sorted.AddItem(u"Eosin", RGB(224, 64, 128), RGB(255, 255, 255)), 2);
    const int bordeaux = sorted.AddItem(u"Bordeaux", RGB(128, 0, 32));
    EXPECT_EQ(bordeaux, 0);
    sorted.SetItemValue(bordeaux, 5);
    const std::vector<std::u16string> expected = {u"Bordeaux", u"Ecru", u"\u00C9meraude", u"Eosin",
                                                  u"Zinc",     u"Plain", u"Also plain"};
    ASSERT_EQ(sorted.GetCount(), static_cast<int>(expected.size()));
    for (int item = 0; item < sorted.GetCount(); ++item) EXPECT_EQ(sorted.GetItemText(item), expected[item]) << item;
    EXPECT_EQ(sorted.GetItemValue(0), 5u);
    EXPECT_EQ(sorted.GetItemColour(3, 1), RGB(255, 255, 255));
    EXPECT_EQ(sorted.GetItemColourCount(5), 0);
    ::DestroyWindow(window);
}
