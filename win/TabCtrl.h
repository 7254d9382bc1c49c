#pragma once
#include <windows.h>
#include <commctrl.h>

#include "win/Window.h"

namespace win {

class CTabCtrl : public CWindow {
public:
    int GetItemCount() const { return static_cast<int>(Send(TCM_GETITEMCOUNT)); }
    int GetCurSel() const { return static_cast<int>(Send(TCM_GETCURSEL)); }
    int SetCurSel(int index) const { return static_cast<int>(Send(TCM_SETCURSEL, static_cast<WPARAM>(index))); }
    int InsertItem(int index, const char16_t* text, LPARAM data) const;
    // The item data, 0 for an index outside the tabs.
    LPARAM GetItemData(int index) const;
};

}  // namespace win
