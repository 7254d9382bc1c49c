#include "ui/skin/MySliderControl.h"

#include "ui/base/DialogB.h"
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
    if (draw.dwDrawStage == CDDS_PREPAINT) {
        skinPainted_ = false;
        return CDRF_NOTIFYITEMDRAW;
    }
    // Trackbars differ in the order they draw ticks, channel and thumb: the
    // skin goes under whichever comes first, and all of them stand on it.
    if (draw.dwDrawStage == CDDS_ITEMPREPAINT && !skinPainted_) {
        CDialogB::PaintBackgroundUnder(Handle(), draw.hdc);
        skinPainted_ = true;
    }
    return CDRF_DODEFAULT;
}
