#include "ui/base/PageWidening.h"

#include "ui/controls/ValueControlWindows.h"
#include "win/ClassName.h"

namespace {

// A combo box's window reaches down over its dropped list, which its shown
// rectangle leaves out.
int WindowHeight(HWND control, int shownHeight)
{
    RECT dropped{};
    if (!win::HasClassName(control, L"ComboBox") ||
        ::SendMessageW(control, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped)) == 0)
        return shownHeight;
    return dropped.bottom - dropped.top;
}

void Widen(HWND control, int extra)
{
    const TValueRect place = Halvane::MFC::ChildRect(control);
    ::SetWindowPos(control, nullptr, 0, 0, place.width + extra, WindowHeight(control, place.height),
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MoveRight(HWND control, int extra)
{
    const TValueRect place = Halvane::MFC::ChildRect(control);
    ::SetWindowPos(control, nullptr, place.left + extra, place.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void WidenPage(HWND page, int width, const TPageWidening& widening)
{
    RECT bounds{};
    ::GetWindowRect(page, &bounds);
    const int extra = width - (bounds.right - bounds.left);
    if (extra <= 0) return;
    ::SetWindowPos(page, nullptr, 0, 0, width, bounds.bottom - bounds.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (const int id : widening.growing) Widen(::GetDlgItem(page, id), extra);
    for (const int id : widening.moving) MoveRight(::GetDlgItem(page, id), extra);
}
