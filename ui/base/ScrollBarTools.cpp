#include "ui/base/ScrollBarTools.h"

#include "win/ClassName.h"

namespace {

SCROLLINFO ReadScrollInfo(HWND scrollBar)
{
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    GetScrollInfo(scrollBar, SB_CTL, &info);
    return info;
}

int Clamped(const SCROLLINFO& info, int position)
{
    if (position < info.nMin) position = info.nMin;
    if (position > info.nMax) position = info.nMax;
    return position;
}

// Where a value stands on an inverted bar, and the value a position stands for.
int Mirrored(const SCROLLINFO& info, int position) { return info.nMin + info.nMax - position; }

int ClampAndSet(HWND scrollBar, const SCROLLINFO& info, int position)
{
    position = Clamped(info, position);
    SetScrollPos(scrollBar, SB_CTL, position, TRUE);
    return position;
}

// Sets the mirror of the clamped value, so the value reads back from the bar.
int ClampAndSetInverted(HWND scrollBar, const SCROLLINFO& info, int value)
{
    value = Clamped(info, value);
    SetScrollPos(scrollBar, SB_CTL, Mirrored(info, value), TRUE);
    return value;
}

}  // namespace

int HandleScrollBar(int scrollCode, int thumbPosition, HWND scrollBar)
{
    const SCROLLINFO info = ReadScrollInfo(scrollBar);
    const int page = static_cast<int>(info.nPage);
    int position = info.nPos;
    switch (scrollCode) {
    case SB_LINEUP: position -= 1; break;
    case SB_LINEDOWN: position += 1; break;
    case SB_PAGEUP: position -= page; break;
    case SB_PAGEDOWN: position += page; break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: position = thumbPosition; break;
    case SB_TOP: position = info.nMin; break;
    case SB_BOTTOM: position = info.nMax; break;
    default: break;
    }
    return ClampAndSet(scrollBar, info, position);
}

int HandleInvertedScrollBar(int scrollCode, int thumbPosition, HWND scrollBar)
{
    const SCROLLINFO info = ReadScrollInfo(scrollBar);
    const int page = static_cast<int>(info.nPage);
    int value = Mirrored(info, info.nPos);
    switch (scrollCode) {
    case SB_LINEUP: value += 1; break;
    case SB_LINEDOWN: value -= 1; break;
    case SB_PAGEUP: value += page; break;
    case SB_PAGEDOWN: value -= page; break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: value = Mirrored(info, thumbPosition); break;
    case SB_TOP: value = info.nMax; break;
    case SB_BOTTOM: value = info.nMin; break;
    default: break;
    }
    return ClampAndSetInverted(scrollBar, info, value);
}

void SetInvertedScrollValue(HWND scrollBar, int value) { ClampAndSetInverted(scrollBar, ReadScrollInfo(scrollBar), value); }

int GetInvertedScrollValue(HWND scrollBar)
{
    const SCROLLINFO info = ReadScrollInfo(scrollBar);
    return Mirrored(info, info.nPos);
}

bool IsScrollBarControl(HWND window) { return win::HasClassName(window, L"ScrollBar"); }
