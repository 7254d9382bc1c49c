#include "ui/controls/MyEdit.h"

bool CMyEdit::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_CHAR && locked_) {
        result = 0;
        return true;
    }
    return win::CEdit::OnMessage(message, wParam, lParam, result);
}
