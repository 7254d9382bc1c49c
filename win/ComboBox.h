#pragma once
#include <string>

#include "win/Window.h"

namespace win {

class CComboBox : public CWindow {
public:
    int GetCount() const { return static_cast<int>(Send(CB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(Send(CB_GETCURSEL)); }
    int SetCurSel(int index) const { return static_cast<int>(Send(CB_SETCURSEL, static_cast<WPARAM>(index))); }
    void ResetContent() const { Send(CB_RESETCONTENT); }
    // Index of the new item, or a negative value when the box refused it.
    int AddString(const char16_t* text) const;
    int InsertString(int index, const char16_t* text) const;
    bool SetItemData(int index, LPARAM data) const { return Send(CB_SETITEMDATA, static_cast<WPARAM>(index), data) != CB_ERR; }
    LPARAM GetItemData(int index) const { return Send(CB_GETITEMDATA, static_cast<WPARAM>(index)); }
    std::u16string GetItemText(int index) const;
    // The first item whose data equals the value, or -1.
    int FindItemData(LPARAM data) const;
};

}  // namespace win
