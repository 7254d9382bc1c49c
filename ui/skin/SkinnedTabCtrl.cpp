#include "ui/skin/SkinnedTabCtrl.h"

#include "ui/base/DialogB.h"
#include "win/Gdi.h"

bool CSkinnedTabCtrl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_ERASEBKGND) {
        HDC dc = reinterpret_cast<HDC>(wParam);
        win::CSelectObject brush(dc, ::GetStockObject(NULL_BRUSH));
        if (CDialogB::PaintBackgroundUnder(Handle(), dc)) {
            result = TRUE;
            return true;
        }
    }
    return win::CTabCtrl::OnMessage(message, wParam, lParam, result);
}
