#include "win/ListCtrl.h"

#include "win/WideText.h"

namespace win {

int CListCtrl::GetColumnCount() const
{
    HWND header = GetHeader();
    return header != nullptr ? static_cast<int>(::SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

int CListCtrl::InsertColumn(int index, const char16_t* heading, int format, int width, int subItem) const
{
    LVCOLUMNW column{};
    column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.fmt = format;
    column.cx = width;
    column.iSubItem = subItem;
    column.pszText = const_cast<wchar_t*>(W(heading != nullptr ? heading : u""));
    return static_cast<int>(Send(LVM_INSERTCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column)));
}

bool CListCtrl::SetColumnText(int index, const char16_t* heading) const
{
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT;
    column.pszText = const_cast<wchar_t*>(W(heading != nullptr ? heading : u""));
    return Send(LVM_SETCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column)) != FALSE;
}

std::u16string CListCtrl::GetColumnText(int index) const
{
    wchar_t text[HeadingCapacity] = {};
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT;
    column.pszText = text;
    column.cchTextMax = HeadingCapacity;
    Send(LVM_GETCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
    return U(text);
}

int CListCtrl::GetColumnFormat(int index) const
{
    LVCOLUMNW column{};
    column.mask = LVCF_FMT;
    if (Send(LVM_GETCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column)) == FALSE) return LVCFMT_LEFT;
    return column.fmt & LVCFMT_JUSTIFYMASK;
}

bool CListCtrl::SetColumnWidth(int index, int width) const
{
    return Send(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(index), MAKELPARAM(width, 0)) != FALSE;
}

int CListCtrl::InsertItem(int index, const char16_t* text) const
{
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = index;
    item.pszText = const_cast<wchar_t*>(W(text != nullptr ? text : u""));
    return static_cast<int>(Send(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

bool CListCtrl::SetItemText(int row, int column, const char16_t* text) const
{
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = const_cast<wchar_t*>(W(text != nullptr ? text : u""));
    return Send(LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)) != FALSE;
}

std::u16string CListCtrl::GetItemText(int row, int column, int capacity) const
{
    std::u16string text(static_cast<std::size_t>(capacity), u'\0');
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = W(text.data());
    item.cchTextMax = capacity;
    LRESULT copied = Send(LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}

bool CListCtrl::SetItemData(int row, LPARAM data) const
{
    LVITEMW item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    item.lParam = data;
    return Send(LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item)) != FALSE;
}

LPARAM CListCtrl::GetItemData(int row) const
{
    LVITEMW item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    if (Send(LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)) == FALSE) return 0;
    return item.lParam;
}

UINT CListCtrl::GetItemState(int row, UINT mask) const
{
    return static_cast<UINT>(Send(LVM_GETITEMSTATE, static_cast<WPARAM>(row), static_cast<LPARAM>(mask)));
}

bool CListCtrl::SetItemState(int row, UINT state, UINT mask) const
{
    LVITEMW item{};
    item.state = state;
    item.stateMask = mask;
    return Send(LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)) != FALSE;
}

int CListCtrl::GetStringWidth(const char16_t* text) const
{
    return static_cast<int>(Send(LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(W(text != nullptr ? text : u""))));
}

bool CListCtrl::SortItems(PFNLVCOMPARE compare, LPARAM parameter) const
{
    return Send(LVM_SORTITEMS, static_cast<WPARAM>(parameter), reinterpret_cast<LPARAM>(compare)) != FALSE;
}

int CListCtrl::SubItemHitTest(POINT client, int* column) const
{
    LVHITTESTINFO info{};
    info.pt = client;
    Send(LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&info));
    if (column != nullptr) *column = info.iItem >= 0 ? info.iSubItem : -1;
    return info.iItem;
}

int CListCtrl::HitTest(POINT client, UINT* flags) const
{
    LVHITTESTINFO info{};
    info.pt = client;
    int row = static_cast<int>(Send(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&info)));
    if (flags != nullptr) *flags = info.flags;
    return row;
}

bool CListCtrl::GetSubItemRect(int row, int column, RECT& rect) const
{
    rect = RECT{};
    rect.top = column;
    rect.left = LVIR_BOUNDS;
    return Send(LVM_GETSUBITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect)) != FALSE;
}

}  // namespace win
