#include "ui/skin/MyCheckBox.h"

#include "ui/skin/RepaintUnder.h"

bool CMyCheckBox::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_ENABLE && IsVisible()) {
        result = DefaultProc(message, wParam, lParam);
        RepaintParentUnder(Handle());
        return true;
    }
    return win::CButton::OnMessage(message, wParam, lParam, result);
}
