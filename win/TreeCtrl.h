#pragma once
// A tree view: items carry a number of the caller's (item data) and an
// image of the tree's image list.

#include <windows.h>
#include <commctrl.h>

#include "win/WideText.h"
#include "win/Window.h"

namespace win {

class CTreeCtrl : public CWindow {
public:
    // The new item as the last child of parent (TVI_ROOT for the top), or null.
    HTREEITEM InsertItem(HTREEITEM parent, const char16_t* text, int image, LPARAM data) const
    {
        TVINSERTSTRUCTW insert{};
        insert.hParent = parent;
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
        insert.item.pszText = const_cast<wchar_t*>(W(text));
        insert.item.iImage = image;
        insert.item.iSelectedImage = image;
        insert.item.lParam = data;
        return reinterpret_cast<HTREEITEM>(Send(TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
    }
    void SetItemText(HTREEITEM item, const char16_t* text) const
    {
        TVITEMW change{};
        change.mask = TVIF_TEXT;
        change.hItem = item;
        change.pszText = const_cast<wchar_t*>(W(text));
        Send(TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&change));
    }
    LPARAM GetItemData(HTREEITEM item) const
    {
        TVITEMW query{};
        query.mask = TVIF_PARAM;
        query.hItem = item;
        return Send(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&query)) ? query.lParam : 0;
    }
    bool DeleteItem(HTREEITEM item) const { return Send(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(item)) != 0; }
    HTREEITEM GetNextItem(HTREEITEM item, UINT code) const
    {
        return reinterpret_cast<HTREEITEM>(Send(TVM_GETNEXTITEM, code, reinterpret_cast<LPARAM>(item)));
    }
    HTREEITEM GetSelection() const { return GetNextItem(nullptr, TVGN_CARET); }
    bool SelectItem(HTREEITEM item) const { return Send(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item)) != 0; }
    // Orders the children of parent (TVI_ROOT for the top) by compare.
    void SortChildren(HTREEITEM parent, PFNTVCOMPARE compare, LPARAM context) const
    {
        TVSORTCB sort{parent, compare, context};
        Send(TVM_SORTCHILDRENCB, 0, reinterpret_cast<LPARAM>(&sort));
    }
    void SetImageList(HIMAGELIST images, int which) const
    {
        Send(TVM_SETIMAGELIST, static_cast<WPARAM>(which), reinterpret_cast<LPARAM>(images));
    }
    int GetCount() const { return static_cast<int>(Send(TVM_GETCOUNT)); }
};

}  // namespace win
