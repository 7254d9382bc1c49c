#include "win/TabCtrl.h"

#include "win/WideText.h"

namespace win {

int CTabCtrl::InsertItem(int index, const char16_t* text, LPARAM data) const
{
    TCITEMW item{};
    item.mask = TCIF_TEXT | TCIF_PARAM;
    item.pszText = const_cast<wchar_t*>(W(text != nullptr ? text : u""));
    item.lParam = data;
    return static_cast<int>(Send(TCM_INSERTITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)));
}

LPARAM CTabCtrl::GetItemData(int index) const
{
    TCITEMW item{};
    item.mask = TCIF_PARAM;
    if (Send(TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)) == FALSE) return 0;
    return item.lParam;
}

}  // namespace win
