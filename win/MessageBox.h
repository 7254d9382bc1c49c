#pragma once
// The system message box. It is modal on whatever thread calls it; an owner
// that belongs to another thread is disabled for the time it runs.

#include <windows.h>

namespace win {

int ShowMessageBox(HWND owner, const char16_t* text, const char16_t* caption, UINT flags);

}  // namespace win
