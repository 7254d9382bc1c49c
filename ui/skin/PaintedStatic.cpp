#include "ui/skin/PaintedStatic.h"

bool CPaintedStatic::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_PAINT) {
        Paint();
        result = 0;
        return true;
    }
    if (message == WM_ERASEBKGND) {
        result = TRUE;
        return true;
    }
    return win::CStatic::OnMessage(message, wParam, lParam, result);
}
