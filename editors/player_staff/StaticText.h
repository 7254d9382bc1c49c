#pragma once
// A new text for a skinned static: it draws over the parent's background
// without erasing, so the parent repaints the area under it first.

#include "win/Window.h"

void ShowStaticText(const win::CWindow& control, const char16_t* text);
