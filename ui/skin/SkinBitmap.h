#pragma once
// The application's background bitmap, which every dialog paints behind its
// controls. The application sets it at start; without one the dialogs keep
// the system's face colour.

#include <windows.h>

void SetSkinBitmap(HBITMAP bitmap);
HBITMAP GetSkinBitmap();
