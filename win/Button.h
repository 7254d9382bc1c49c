#pragma once
#include "win/Window.h"

namespace win {

class CButton : public CWindow {
public:
    int GetCheck() const { return static_cast<int>(Send(BM_GETCHECK)); }
    void SetCheck(int state) const { Send(BM_SETCHECK, static_cast<WPARAM>(state)); }
    // The button type: the low four style bits (BS_CHECKBOX, BS_GROUPBOX, ...).
    UINT GetButtonType() const { return GetStyle() & BS_TYPEMASK; }
};

}  // namespace win
