#include "ui/controls/SelectDatabase.h"

#include <string>

#include "win/WideText.h"

bool CSelectDatabase::OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message != WM_DRAWITEM) return false;
    DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    result = TRUE;
    return true;
}

void CSelectDatabase::DrawItem(const DRAWITEMSTRUCT& item) const
{
    int index = static_cast<int>(item.itemID);
    if (index < 0) return;
    bool selected = (item.itemState & ODS_SELECTED) != 0;
    ::FillRect(item.hDC, &item.rcItem, ::GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    int textLeft = item.rcItem.left + 2;
    if (images_ != nullptr) {
        int width = 0;
        int height = 0;
        ImageList_GetIconSize(images_, &width, &height);
        ImageList_Draw(images_, static_cast<int>(item.itemData), item.hDC, item.rcItem.left + 2, item.rcItem.top,
                       ILD_TRANSPARENT);
        textLeft += width + 4;
    }
    std::u16string text = GetItemText(index);
    RECT box{textLeft, item.rcItem.top, item.rcItem.right, item.rcItem.bottom};
    ::SetBkMode(item.hDC, TRANSPARENT);
    ::SetTextColor(item.hDC, ::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    ::DrawTextW(item.hDC, win::W(text), -1, &box, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}
