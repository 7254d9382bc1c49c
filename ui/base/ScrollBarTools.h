#pragma once
// Applies a scroll event (WM_HSCROLL / WM_VSCROLL code and thumb position)
// to a scroll-bar control, clamps the result to its range, sets it with
// redraw and returns it.

#include <windows.h>

int HandleScrollBar(int scrollCode, int thumbPosition, HWND scrollBar);
// For a bar whose scale runs the other way: line up moves towards the
// maximum, and the thumb position counts from the maximum down (a thumb at
// the minimum gives the maximum, at the maximum the minimum).
int HandleInvertedScrollBar(int scrollCode, int thumbPosition, HWND scrollBar);
// Whether the window is a scroll-bar control; up-down controls send the same
// scroll messages but move themselves.
bool IsScrollBarControl(HWND window);
