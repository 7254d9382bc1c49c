#include "ui/skin/MyGroupBox.h"

#include <string>

#include "ui/base/DialogB.h"
#include "win/Gdi.h"
#include "win/WideText.h"

namespace {

void Line(HDC dc, int x1, int y1, int x2, int y2)
{
    ::MoveToEx(dc, x1, y1, nullptr);
    ::LineTo(dc, x2, y2);
}

// A frame whose top line leaves a gap for the caption.
void FrameWithGap(HDC dc, const RECT& box, int gapLeft, int gapRight)
{
    Line(dc, box.left, box.top, gapLeft, box.top);
    Line(dc, gapRight, box.top, box.right, box.top);
    Line(dc, box.right, box.top, box.right, box.bottom);
    Line(dc, box.right, box.bottom, box.left, box.bottom);
    Line(dc, box.left, box.bottom, box.left, box.top);
}

}  // namespace

bool CMyGroupBox::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_ERASEBKGND) {
        RECT strip = GetClientRect();
        strip.bottom = strip.top + CaptionHeight;
        CDialogB::PaintBackgroundRect(Handle(), reinterpret_cast<HDC>(wParam), strip);
        result = TRUE;
        return true;
    }
    if (message == WM_PAINT) {
        Paint();
        result = 0;
        return true;
    }
    if (message == WM_ENABLE) {
        Invalidate();
        return false;
    }
    return win::CButton::OnMessage(message, wParam, lParam, result);
}

bool CMyGroupBox::OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message != WM_CTLCOLORBTN && message != WM_CTLCOLORSTATIC) return false;
    ::SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
    result = reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH));
    return true;
}

void CMyGroupBox::Paint()
{
    win::CPaintDC paint(Handle());
    HDC dc = paint.Get();
    RECT client = GetClientRect();
    std::u16string caption = GetText();
    win::CSelectObject font(dc, reinterpret_cast<HFONT>(::SendMessageW(GetParent(), WM_GETFONT, 0, 0)));
    RECT text{CaptionLeft, 0, client.right, CaptionHeight};
    int gapLeft = CaptionLeft;
    int gapRight = CaptionLeft;
    if (!caption.empty()) {
        ::DrawTextW(dc, win::W(caption), -1, &text, DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, RGB(0, 0, 0));
        ::DrawTextW(dc, win::W(caption), -1, &text, DT_SINGLELINE | DT_NOPREFIX);
        gapRight = text.right + 2;
    }
    bool enabled = (GetStyle() & WS_DISABLED) == 0;
    win::CPen dark(::CreatePen(PS_SOLID, 1, enabled ? EnabledDark : DisabledDark));
    win::CPen light(::CreatePen(PS_SOLID, 1, enabled ? EnabledLight : DisabledLight));
    {
        win::CSelectObject pen(dc, dark.Get());
        FrameWithGap(dc, RECT{0, 6, client.right - 2, client.bottom - 2}, gapLeft, gapRight);
    }
    win::CSelectObject pen(dc, light.Get());
    FrameWithGap(dc, RECT{1, 7, client.right - 1, client.bottom - 1}, gapLeft, gapRight);
}
