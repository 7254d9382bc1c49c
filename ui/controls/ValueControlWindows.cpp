#include "ui/controls/ValueControlWindows.h"

#include <commctrl.h>

#include "win/Window.h"

namespace Halvane::MFC {

TValueRect ChildRect(HWND window)
{
    const RECT rect = win::RectIn(window, ::GetParent(window));
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

HWND CreateCompanion(HWND parent, const wchar_t* className, DWORD style, DWORD exStyle, int id,
                     const TValueRect& rect, const wchar_t* text)
{
    auto* instance = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(parent, GWLP_HINSTANCE));
    return ::CreateWindowExW(exStyle, className, text, style | WS_CHILD, rect.left, rect.top, rect.width, rect.height,
                             parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

HWND CreateBuddySpin(HWND edit, int id)
{
    const DWORD visible = (::GetWindowLongW(edit, GWL_STYLE) & WS_VISIBLE) != 0 ? WS_VISIBLE : 0;
    HWND spin = CreateCompanion(::GetParent(edit), UPDOWN_CLASSW, UDS_ALIGNRIGHT | UDS_ARROWKEYS | visible, 0, id,
                                {0, 0, 0, 0});
    if (spin != nullptr) ::SendMessageW(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
    return spin;
}

void PlaceAfter(HWND window, HWND after)
{
    ::SetWindowPos(window, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace Halvane::MFC
