// What the layout check calls crowded, on the gallery's controls moved
// next to each other.
#include <windows.h>

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
    int DialogUnits(int units) const
    {
        RECT rect{0, 0, units, 0};
        ::MapDialogRect(gallery_.Handle(), &rect);
        return rect.right;
    }
    void Place(int id, int left, const RECT& line, int width) const
    {
        ::SetWindowPos(Item(id), nullptr, left, line.top, width, line.bottom - line.top, SWP_NOZORDER | SWP_NOACTIVATE);
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
    const int textEnd = label.left + TextWidth(IDC_GALLERY_STATIC);
    Place(IDC_GALLERY_STATIC, label.left, label, textEnd + 1 - label.left);
    Place(IDC_GALLERY_SLIDER, textEnd + DialogUnits(3), label, 40);
    EXPECT_EQ(Faults(" ends "), std::vector<std::string>{});
    Place(IDC_GALLERY_SLIDER, textEnd + DialogUnits(3) - 1, label, 40);
    const std::vector<std::string> crowded = Faults(" ends ");
    ASSERT_EQ(crowded.size(), 1u);
    EXPECT_NE(crowded[0].find("\"Skinned static\" ends " + std::to_string(DialogUnits(3) - 1) + " before control " +
                              std::to_string(IDC_GALLERY_SLIDER)),
              std::string::npos)
        << crowded[0];
}

}  // namespace
