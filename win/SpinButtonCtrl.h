#pragma once
#include <windows.h>
#include <commctrl.h>

#include "win/Window.h"

namespace win {

class CSpinButtonCtrl : public CWindow {
public:
    int GetPos32() const { return static_cast<int>(Send(UDM_GETPOS32)); }
    void SetPos32(int position) const { Send(UDM_SETPOS32, 0, position); }
    void SetRange32(int low, int high) const { Send(UDM_SETRANGE32, static_cast<WPARAM>(low), high); }
};

}  // namespace win
