#pragma once
// A multi-line push button wraps its text at its full width, so a line
// may end on its frame; the text is given its line breaks here instead.

#include <windows.h>

#include <string>

// Sets the button's text with a line break wherever the next word would
// not end clear of the button's frame.
void SetWrappedButtonText(HWND button, const std::u16string& text);
