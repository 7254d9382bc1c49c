#pragma once
// A page laid out for a narrow host, widened to the width a wider host
// gives it: some controls take the extra width, some move right by it, the
// others stay where the template put them.

#include <windows.h>

#include <span>

struct TPageWidening {
    std::span<const int> growing;
    std::span<const int> moving;
};

// Nothing changes for a width that is not above the page's own.
void WidenPage(HWND page, int width, const TPageWidening& widening);
