#pragma once
// Companion windows of the value controls: created beside their control,
// in its parent, placed in the tab order right after a given window.

#include <windows.h>

#include "tools/ValueText.h"

namespace Halvane::MFC {

// The window's rectangle in its parent's client coordinates.
TValueRect ChildRect(HWND window);
HWND CreateCompanion(HWND parent, const wchar_t* className, DWORD style, DWORD exStyle, int id,
                     const TValueRect& rect, const wchar_t* text = L"");
// An up-down control with the edit as buddy, aligned to its right.
HWND CreateBuddySpin(HWND edit, int id);
// Moves window into the tab order right behind after.
void PlaceAfter(HWND window, HWND after);

}  // namespace Halvane::MFC
