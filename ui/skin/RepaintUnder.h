#pragma once
#include <windows.h>

#include <string>

#include "win/Window.h"

// Repaints the part of a window's parent that lies under it, so that a
// control drawn on the skin shows the right background after a change.
inline void RepaintParentUnder(HWND window)
{
    HWND parent = ::GetParent(window);
    if (parent == nullptr) return;
    const RECT area = win::RectIn(window, parent);
    ::InvalidateRect(parent, &area, TRUE);
    ::UpdateWindow(parent);
}

// Gives a check box, radio button or group box a new caption while it may
// be shown. Such a button does not erase its old caption on the skin (a
// group box fills only the new caption's place), so the parent under it is
// drawn afresh, with the controls a group box holds.
inline void SetButtonCaption(HWND button, const std::u16string& caption)
{
    ::SetWindowTextW(button, reinterpret_cast<LPCWSTR>(caption.c_str()));
    HWND parent = ::GetParent(button);
    if (parent == nullptr || !::IsWindowVisible(button)) return;
    const RECT area = win::RectIn(button, parent);
    ::RedrawWindow(parent, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}
