#include "ui/skin/MyStaticControl.h"

#include <string>

#include "ui/base/DialogB.h"
#include "ui/skin/RepaintUnder.h"
#include "win/Gdi.h"
#include "win/WideText.h"

void CMyStaticControl::PreSubclassWindow()
{
    DWORD style = GetStyle();
    staticType_ = style & 0xFF;
    SetStyle((style & ~static_cast<DWORD>(SS_TYPEMASK)) | SS_OWNERDRAW);
}

UINT CMyStaticControl::Alignment() const
{
    if (staticType_ == SS_CENTER) return DT_CENTER;
    if (staticType_ == SS_RIGHT) return DT_RIGHT;
    return DT_LEFT;
}

bool CMyStaticControl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_ERASEBKGND) {
        CDialogB::PaintBackgroundUnder(Handle(), reinterpret_cast<HDC>(wParam));
        result = TRUE;
        return true;
    }
    if (message == WM_ENABLE) {
        result = DefaultProc(message, wParam, lParam);
        RepaintParentUnder(Handle());
        return true;
    }
    return win::CStatic::OnMessage(message, wParam, lParam, result);
}

bool CMyStaticControl::OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message != WM_DRAWITEM) return false;
    Draw(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hDC);
    result = TRUE;
    return true;
}

void CMyStaticControl::Draw(HDC dc)
{
    CDialogB::PaintBackgroundUnder(Handle(), dc);
    RECT client = GetClientRect();
    std::u16string text = GetText();
    win::CSelectObject font(dc, GetFont());
    ::SetBkMode(dc, TRANSPARENT);
    UINT format = DT_WORDBREAK | DT_NOPREFIX | Alignment();
    if (IsEnabled()) {
        ::SetTextColor(dc, ::GetSysColor(COLOR_BTNTEXT));
        ::DrawTextW(dc, win::W(text), -1, &client, format);
        return;
    }
    RECT raised = client;
    ::OffsetRect(&raised, 1, 1);
    ::SetTextColor(dc, ::GetSysColor(COLOR_3DHILIGHT));
    ::DrawTextW(dc, win::W(text), -1, &raised, format);
    ::SetTextColor(dc, ::GetSysColor(COLOR_GRAYTEXT));
    ::DrawTextW(dc, win::W(text), -1, &client, format);
}
