#pragma once
#include <windows.h>
#include <commctrl.h>

#include "win/Window.h"

namespace win {

class CHeaderCtrl : public CWindow {
public:
    int GetItemCount() const { return static_cast<int>(Send(HDM_GETITEMCOUNT)); }
};

}  // namespace win
