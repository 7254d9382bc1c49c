#include "ui/skin/MyDragStatic.h"

#include "win/Gdi.h"

bool CMyDragStatic::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message != WM_PAINT) return win::CStatic::OnMessage(message, wParam, lParam, result);
    win::CPaintDC paint(Handle());
    RECT client = GetClientRect();
    ::DrawTextW(paint.Get(), L"Hallo", -1, &client, DT_SINGLELINE | DT_NOPREFIX);
    result = 0;
    return true;
}
