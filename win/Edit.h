#pragma once
#include "win/Window.h"

namespace win {

class CEdit : public CWindow {
public:
    void SetLimitText(int limit) const { Send(EM_SETLIMITTEXT, static_cast<WPARAM>(limit)); }
    void SetSel(int start, int end) const { Send(EM_SETSEL, static_cast<WPARAM>(start), end); }
    void ScrollCaret() const { Send(EM_SCROLLCARET); }
};

}  // namespace win
