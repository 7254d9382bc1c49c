#include "ui/controls/ListBoxEditor.h"

#include <string>

#include "win/Gdi.h"
#include "win/WideText.h"

LPARAM CListBoxEditor::PointInParent(LPARAM point) const
{
    POINT inParent{static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point))};
    ::MapWindowPoints(Handle(), GetParent(), &inParent, 1);
    return MAKELPARAM(inParent.x, inParent.y);
}

bool CListBoxEditor::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_LBUTTONDOWN:
        ::SendMessageW(GetParent(), WM_LBUTTONDOWN, static_cast<WPARAM>(GetId()), PointInParent(lParam));
        return false;
    case WM_RBUTTONDOWN:
        ::SendMessageW(GetParent(), WM_RBUTTONDOWN, static_cast<WPARAM>(GetId()) | RightClickTag,
                       reinterpret_cast<LPARAM>(Handle()));
        result = 0;
        return true;
    case WM_PAINT:
        Paint();
        result = 0;
        return true;
    default:
        return win::CListBox::OnMessage(message, wParam, lParam, result);
    }
}

void CListBoxEditor::Paint()
{
    win::CPaintDC paint(Handle());
    HDC dc = paint.Get();
    RECT client = GetClientRect();
    ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_WINDOW));
    ::SetBkMode(dc, TRANSPARENT);
    win::CSelectObject font(dc, GetFont());
    int top = GetTopIndex();
    for (int i = 0; i < VisibleRows && top + i < GetCount(); ++i) {
        std::u16string row = GetItemText(top + i);
        std::size_t start = 0;
        for (int column = 0; column < MaxColumns && start <= row.size(); ++column) {
            std::size_t tab = row.find(u'\t', start);
            std::u16string cell = row.substr(start, tab == std::u16string::npos ? std::u16string::npos : tab - start);
            RECT box{column * ColumnWidth, i * RowPitch, (column + 1) * ColumnWidth, i * RowPitch + TextHeight};
            ::DrawTextW(dc, win::W(cell), -1, &box, DT_SINGLELINE | DT_NOPREFIX);
            if (tab == std::u16string::npos) break;
            start = tab + 1;
        }
    }
}
