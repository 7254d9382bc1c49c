#pragma once
// Telling the kind of a control from its window class.

#include <windows.h>

namespace win {

// Whether the window's class has this name, letter case aside (the system's
// classes answer in whatever case they were registered); false for null.
bool HasClassName(HWND window, const wchar_t* name);

}  // namespace win
