#pragma once
#include <windows.h>

// Repaints the part of a window's parent that lies under it, so that a
// control drawn on the skin shows the right background after a change.
inline void RepaintParentUnder(HWND window)
{
    HWND parent = ::GetParent(window);
    if (parent == nullptr) return;
    RECT area{};
    ::GetWindowRect(window, &area);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
    ::InvalidateRect(parent, &area, TRUE);
    ::UpdateWindow(parent);
}
