#pragma once
#include <string>

#include "win/Window.h"

namespace win {

class CListBox : public CWindow {
public:
    int GetCount() const { return static_cast<int>(Send(LB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(Send(LB_GETCURSEL)); }
    int SetCurSel(int index) const { return static_cast<int>(Send(LB_SETCURSEL, static_cast<WPARAM>(index))); }
    int GetTopIndex() const { return static_cast<int>(Send(LB_GETTOPINDEX)); }
    void ResetContent() const { Send(LB_RESETCONTENT); }
    int AddString(const char16_t* text) const;
    bool SetItemData(int index, LPARAM data) const { return Send(LB_SETITEMDATA, static_cast<WPARAM>(index), data) != LB_ERR; }
    LPARAM GetItemData(int index) const { return Send(LB_GETITEMDATA, static_cast<WPARAM>(index)); }
    std::u16string GetItemText(int index) const;
    // The row under a client point, or -1 when the point is below the rows.
    int ItemFromPoint(POINT client) const;
};

}  // namespace win
