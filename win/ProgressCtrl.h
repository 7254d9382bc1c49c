#pragma once
#include <windows.h>
#include <commctrl.h>

#include "win/Window.h"

namespace win {

// A progress bar with the full 32-bit range.
class CProgressCtrl : public CWindow {
public:
    void SetRange(int low, int high) const { Send(PBM_SETRANGE32, static_cast<WPARAM>(low), high); }
    int GetLow() const { return static_cast<int>(Send(PBM_GETRANGE, TRUE, 0)); }
    int GetHigh() const { return static_cast<int>(Send(PBM_GETRANGE, FALSE, 0)); }
    void SetPos(int position) const { Send(PBM_SETPOS, static_cast<WPARAM>(position)); }
    int GetPos() const { return static_cast<int>(Send(PBM_GETPOS)); }
};

}  // namespace win
