#include "ui/MySliderControl.h"

#include "ui/DialogB.h"
#include "win/Gdi.h"

bool CMySliderControl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_ERASEBKGND) {
        result = TRUE;
        return true;
    }
    return win::CSliderCtrl::OnMessage(message, wParam, lParam, result);
}

bool CMySliderControl::OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message != WM_NOTIFY) return false;
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header->code != static_cast<UINT>(NM_CUSTOMDRAW)) return false;
    result = OnCustomDraw(*reinterpret_cast<const NMCUSTOMDRAW*>(lParam));
    return true;
}

LRESULT CMySliderControl::OnCustomDraw(const NMCUSTOMDRAW& draw)
{
    if (draw.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
    if (draw.dwDrawStage != CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;
    switch (draw.dwItemSpec) {
    case TBCD_TICS:
        CDialogB::PaintBackgroundUnder(Handle(), draw.hdc);
        break;
    case TBCD_CHANNEL:
        channel_ = draw.rc;
        channel_.top += 1;
        break;
    case TBCD_THUMB:
        PaintSkinKeepingChannel(draw.hdc);
        break;
    default:
        break;
    }
    return CDRF_DODEFAULT;
}

void CMySliderControl::PaintSkinKeepingChannel(HDC dc)
{
    int width = channel_.right - channel_.left;
    int height = channel_.bottom - channel_.top;
    if (width <= 0 || height <= 0) {
        CDialogB::PaintBackgroundUnder(Handle(), dc);
        return;
    }
    win::CMemoryDC saved(dc);
    win::CBitmap copy(::CreateCompatibleBitmap(dc, width, height));
    win::CSelectObject select(saved.Get(), copy.Get());
    ::BitBlt(saved.Get(), 0, 0, width, height, dc, channel_.left, channel_.top, SRCCOPY);
    CDialogB::PaintBackgroundUnder(Handle(), dc);
    ::BitBlt(dc, channel_.left, channel_.top, width, height, saved.Get(), 0, 0, SRCCOPY);
}
