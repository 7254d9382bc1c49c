#pragma once
// Report-view list control.

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "win/Window.h"

namespace win {

class CListCtrl : public CWindow {
public:
    int GetItemCount() const { return static_cast<int>(Send(LVM_GETITEMCOUNT)); }
    int GetColumnCount() const;
    HWND GetHeader() const { return reinterpret_cast<HWND>(Send(LVM_GETHEADER)); }
    int InsertColumn(int index, const char16_t* heading, int format, int width, int subItem) const;
    bool SetColumnText(int index, const char16_t* heading) const;
    // The column's heading, at most HeadingCapacity - 1 characters.
    std::u16string GetColumnText(int index) const;
    static constexpr int HeadingCapacity = 256;
    // The column's LVCFMT_ alignment bits.
    int GetColumnFormat(int index) const;
    int GetColumnWidth(int index) const { return static_cast<int>(Send(LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(index))); }
    bool SetColumnWidth(int index, int width) const;
    int InsertItem(int index, const char16_t* text) const;
    bool SetItemText(int row, int column, const char16_t* text) const;
    std::u16string GetItemText(int row, int column, int capacity = 1024) const;
    bool SetItemData(int row, LPARAM data) const;
    LPARAM GetItemData(int row) const;
    bool DeleteItem(int row) const { return Send(LVM_DELETEITEM, static_cast<WPARAM>(row)) != FALSE; }
    bool DeleteAllItems() const { return Send(LVM_DELETEALLITEMS) != FALSE; }
    UINT GetItemState(int row, UINT mask) const;
    bool SetItemState(int row, UINT state, UINT mask) const;
    bool EnsureVisible(int row) const { return Send(LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE) != FALSE; }
    // Scrolls a report view sideways by pixels.
    bool ScrollSideways(int dx) const { return Send(LVM_SCROLL, static_cast<WPARAM>(dx), 0) != FALSE; }
    int GetStringWidth(const char16_t* text) const;
    bool SortItems(PFNLVCOMPARE compare, LPARAM parameter) const;
    // Row and column under a client point; row -1 when no row is hit.
    int SubItemHitTest(POINT client, int* column) const;
    int HitTest(POINT client, UINT* flags) const;
    bool GetSubItemRect(int row, int column, RECT& rect) const;
    COLORREF GetBkColor() const { return static_cast<COLORREF>(Send(LVM_GETBKCOLOR)); }
    void SetExtendedStyle(DWORD style) const { Send(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, static_cast<LPARAM>(style)); }
};

}  // namespace win
