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

int ClampAndSet(HWND scrollBar, const SCROLLINFO& info, int position)
{
    if (position < info.nMin) position = info.nMin;
    if (position > info.nMax) position = info.nMax;
    SetScrollPos(scrollBar, SB_CTL, position, TRUE);
    return position;
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
    int position = info.nPos;
    switch (scrollCode) {
    case SB_LINEUP: position += 1; break;
    case SB_LINEDOWN: position -= 1; break;
    case SB_PAGEUP: position += page; break;
    case SB_PAGEDOWN: position -= page; break;
    case SB_THUMBPOSITION:
    // The thumb counts from the other end of the range, wherever it starts.
    case SB_THUMBTRACK: position = info.nMin + info.nMax - thumbPosition; break;
    case SB_TOP: position = info.nMax; break;
    case SB_BOTTOM: position = info.nMin; break;
    default: break;
    }
    return ClampAndSet(scrollBar, info, position);
}

bool IsScrollBarControl(HWND window) { return win::HasClassName(window, L"ScrollBar"); }
