#pragma once
#include <windows.h>
#include <commctrl.h>

#include "win/Window.h"

namespace win {

class CSliderCtrl : public CWindow {
public:
    int GetPos() const { return static_cast<int>(Send(TBM_GETPOS)); }
    void SetPos(int position) const { Send(TBM_SETPOS, TRUE, position); }
    void SetRange(int low, int high) const { Send(TBM_SETRANGEMIN, FALSE, low); Send(TBM_SETRANGEMAX, TRUE, high); }
};

}  // namespace win
