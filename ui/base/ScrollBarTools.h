#pragma once
// Applies a scroll event (WM_HSCROLL / WM_VSCROLL code and thumb position)
// to a scroll-bar control, clamps the result to its range, sets it with
// redraw and returns it.

#include <windows.h>

int HandleScrollBar(int scrollCode, int thumbPosition, HWND scrollBar);
// For a bar whose scale runs the other way, the maximum at its top or left
// end: line up adds 1, page up adds the page, a thumb at the minimum gives
// the maximum, at the maximum the minimum. The value is returned clamped to
// the range; the bar holds its mirror, so a dropped thumb stays where it
// was dropped and the arrows move the thumb their own way.
int HandleInvertedScrollBar(int scrollCode, int thumbPosition, HWND scrollBar);
// Show and read a value on such a bar. A value outside the range shows at
// the nearer end.
void SetInvertedScrollValue(HWND scrollBar, int value);
int GetInvertedScrollValue(HWND scrollBar);
// Whether the window is a scroll-bar control; up-down controls send the same
// scroll messages but move themselves.
bool IsScrollBarControl(HWND window);
