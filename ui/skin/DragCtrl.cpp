#include "ui/skin/DragCtrl.h"

#include <string>

#include "win/Gdi.h"
#include "win/WideText.h"

CDragCtrl::~CDragCtrl()
{
    HWND window = Detach();
    if (window != nullptr) ::DestroyWindow(window);
}

bool CDragCtrl::Create(HWND parent, int width, int height)
{
    if (Handle() != nullptr || parent == nullptr) return false;
    HWND window = ::CreateWindowExW(0, L"Static", L"", WS_CHILD, 0, 0, width, height, parent,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId)),
                                    reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
    if (window == nullptr) return false;
    width_ = width;
    height_ = height;
    ::SendMessageW(window, WM_SETFONT, ::SendMessageW(parent, WM_GETFONT, 0, 0), FALSE);
    return Subclass(window);
}

void CDragCtrl::Show(const char16_t* text)
{
    if (Handle() == nullptr) return;
    std::u16string label(text != nullptr ? text : u"");
    if (label.size() > TextCapacity - 1) label.resize(TextCapacity - 1);
    SetText(label);
    ::SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    FollowCursor();
}

void CDragCtrl::FollowCursor()
{
    if (Handle() == nullptr) return;
    POINT cursor{};
    ::GetCursorPos(&cursor);
    ::ScreenToClient(GetParent(), &cursor);
    ::SetWindowPos(Handle(), nullptr, cursor.x, cursor.y - height_, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ::InvalidateRect(Handle(), nullptr, TRUE);
    ::UpdateWindow(Handle());
}

void CDragCtrl::Hide()
{
    if (Handle() != nullptr) win::CWindow::Show(false);
}

void CDragCtrl::Paint()
{
    win::CPaintDC paint(Handle());
    HDC dc = paint.Get();
    RECT client = GetClientRect();
    ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_HIGHLIGHT));
    win::CPen frame(::CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_HIGHLIGHTTEXT)));
    {
        win::CSelectObject pen(dc, frame.Get());
        win::CSelectObject brush(dc, ::GetStockObject(HOLLOW_BRUSH));
        ::Rectangle(dc, client.left, client.top, client.right, client.bottom);
    }
    win::CSelectObject font(dc, reinterpret_cast<HFONT>(::SendMessageW(GetParent(), WM_GETFONT, 0, 0)));
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, ::GetSysColor(COLOR_HIGHLIGHTTEXT));
    std::u16string text = GetText();
    ::DrawTextW(dc, win::W(text), -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}
