// What the layout check calls crowded, on the gallery's controls moved
// next to each other.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/ui/GuiTestSupport.h"
#include "win/Gdi.h"
#include "win/Window.h"
#include "win/WideText.h"

namespace {

class LayoutCheckTest : public gui_test::GalleryTest {
protected:
    std::vector<std::string> Faults(const char* kind) const
    {
        std::vector<std::string> found;
        for (const std::string& fault : gui_test::LayoutFaults(gallery_.Handle()))
            if (fault.find(kind) != std::string::npos) found.push_back(fault);
        return found;
    }
    HWND Item(int id) const { return ::GetDlgItem(gallery_.Handle(), id); }
    SIZE DialogUnits(int x, int y) const
    {
        RECT rect{0, 0, x, y};
        ::MapDialogRect(gallery_.Handle(), &rect);
        return {rect.right, rect.bottom};
    }
    void Place(int id, int left, int top, int width, int height) const
    {
        ::SetWindowPos(Item(id), nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // How wide the control's text is drawn in its font.
    int TextWidth(int id) const
    {
        HWND control = Item(id);
        win::CWindowDC dc(control);
        win::CSelectObject font(dc.Get(), reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0)));
        const std::u16string text = gui_test::WindowText(control);
        SIZE size{};
        ::GetTextExtentPoint32W(dc.Get(), win::W(text), static_cast<int>(text.size()), &size);
        return size.cx;
    }
};

// A label must end 3 dialog units before the control it names, measured
// from its text as drawn rather than from its box.
TEST_F(LayoutCheckTest, ALabelEndsThreeDialogUnitsBeforeTheNextControlOnItsLine)
{
    const RECT label = win::RectIn(Item(IDC_GALLERY_STATIC), gallery_.Handle());
    const int height = label.bottom - label.top;
    const int textEnd = label.left + TextWidth(IDC_GALLERY_STATIC);
    const int gap = DialogUnits(3, 0).cx;
    Place(IDC_GALLERY_STATIC, label.left, label.top, textEnd + 1 - label.left, height);
    Place(IDC_GALLERY_SLIDER, textEnd + gap, label.top, 40, height);
    EXPECT_EQ(Faults(" ends "), std::vector<std::string>{});
    Place(IDC_GALLERY_SLIDER, textEnd + gap - 1, label.top, 40, height);
    const std::vector<std::string> crowded = Faults(" ends ");
    ASSERT_EQ(crowded.size(), 1u);
    const std::string expected =
        "\"Skinned static\" ends " + std::to_string(gap - 1) + " before control " + std::to_string(IDC_GALLERY_SLIDER);
    EXPECT_NE(crowded[0].find(expected), std::string::npos) << crowded[0];
}

// A control in a group box keeps 2 dialog units clear of the box's
// bottom line.
TEST_F(LayoutCheckTest, AControlInAGroupBoxKeepsClearOfItsBottomLine)
{
    const RECT group = win::RectIn(Item(IDC_GALLERY_GROUP), gallery_.Handle());
    const RECT check = win::RectIn(Item(IDC_GALLERY_CHECK), gallery_.Handle());
    const int width = check.right - check.left;
    const int height = check.bottom - check.top;
    Place(IDC_GALLERY_CHECK, check.left, group.bottom - DialogUnits(0, 2).cy - height, width, height);
    EXPECT_EQ(Faults(" stands on "), std::vector<std::string>{});
    Place(IDC_GALLERY_CHECK, check.left, group.bottom - height, width, height);
    const std::vector<std::string> standing = Faults(" stands on ");
    ASSERT_EQ(standing.size(), 1u);
    const std::string expected = "\"Check box\" stands on the lines of control " + std::to_string(IDC_GALLERY_GROUP);
    EXPECT_NE(standing[0].find(expected), std::string::npos) << standing[0];
}

// Arrows stand beside what they step: an up-down on its buddy, arrows
// without one within 7 dialog units of the text on their line.
TEST_F(LayoutCheckTest, ArrowsStandBesideTheValueTheyStep)
{
    const RECT label = win::RectIn(Item(IDC_GALLERY_STATIC), gallery_.Handle());
    const int textEnd = label.left + TextWidth(IDC_GALLERY_STATIC);
    const int reach = DialogUnits(7, 0).cx;
    HWND bar = ::CreateWindowExW(0, L"ScrollBar", L"", WS_CHILD | WS_VISIBLE | SBS_VERT, textEnd + reach, label.top, 10,
                                 label.bottom - label.top, gallery_.Handle(), nullptr, nullptr, nullptr);
    EXPECT_EQ(Faults(" stands "), std::vector<std::string>{});
    ::SetWindowPos(bar, nullptr, textEnd + reach + 1, label.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    std::vector<std::string> stray = Faults(" stands ");
    ASSERT_EQ(stray.size(), 1u);
    const std::string fromLabel = " from control " + std::to_string(IDC_GALLERY_STATIC);
    EXPECT_NE(stray[0].find(" stands " + std::to_string(reach + 1) + fromLabel), std::string::npos) << stray[0];
    ::DestroyWindow(bar);

    HWND edit = Item(IDC_GALLERY_EDIT);
    HWND upDown = ::CreateWindowExW(0, UPDOWN_CLASSW, L"", WS_CHILD | WS_VISIBLE | UDS_ALIGNRIGHT, 0, 0, 0, 0,
                                    gallery_.Handle(), nullptr, nullptr, nullptr);
    ::SendMessageW(upDown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
    EXPECT_EQ(Faults(" stands "), std::vector<std::string>{});
    const RECT box = win::RectIn(edit, gallery_.Handle());
    ::SetWindowPos(upDown, nullptr, box.right + 1, box.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    stray = Faults(" stands ");
    ASSERT_EQ(stray.size(), 1u);
    const std::string buddy = " stands 1 from control " + std::to_string(IDC_GALLERY_EDIT);
    EXPECT_NE(stray[0].find(buddy), std::string::npos) << stray[0];
    ::DestroyWindow(upDown);
}

// Wine wraps a multi-line push button's text at the button's full width:
// a text that fits there stays on one line, and must then end clear of the
// frame and the pixel beside it on either side.
TEST_F(LayoutCheckTest, AMultiLineButtonsTextThatStaysOnOneLineKeepsClearOfTheFrame)
{
    constexpr int ButtonId = 9700;
    const std::u16string text = u"Proclaimed champions";
    HWND button = ::CreateWindowExW(0, L"Button", win::W(text), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON | BS_MULTILINE, 0, 0,
                                    10, 40, gallery_.Handle(), reinterpret_cast<HMENU>(ButtonId), nullptr, nullptr);
    ::SendMessageW(button, WM_SETFONT, ::SendMessageW(gallery_.Handle(), WM_GETFONT, 0, 0), FALSE);
    const int width = TextWidth(ButtonId);
    const std::string needs = "control " + std::to_string(ButtonId) + " \"Proclaimed champions\" needs";
    const auto faultsOfButton = [&](int buttonWidth) {
        ::SetWindowPos(button, nullptr, 0, 0, buttonWidth, 40, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        return Faults(needs.c_str()).size();
    };
    EXPECT_EQ(faultsOfButton(width + 6), 0u);
    EXPECT_EQ(faultsOfButton(width + 5), 1u) << "drawn on one line one pixel off the frame";
    EXPECT_EQ(faultsOfButton(width), 1u) << "drawn on one line on the frame";
    ::DestroyWindow(button);
}

}  // namespace
