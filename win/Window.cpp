#include "win/Window.h"

#include <mutex>
#include <unordered_map>

#include "win/HandlerGuard.h"
#include "win/WideText.h"

namespace win {

namespace {

// Windows of every thread share the map; a window is only ever looked up by
// the thread that owns it or one it sends to, so a plain lock suffices.
std::mutex& MapLock()
{
    static std::mutex lock;
    return lock;
}

std::unordered_map<HWND, CWindow*>& HandleMap()
{
    static std::unordered_map<HWND, CWindow*> map;
    return map;
}

HWND ControlOfMessage(HWND parent, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return reinterpret_cast<HWND>(lParam);
    case WM_NOTIFY:
        return lParam != 0 ? reinterpret_cast<const NMHDR*>(lParam)->hwndFrom : nullptr;
    case WM_DRAWITEM:
        return lParam != 0 ? reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem : nullptr;
    case WM_DELETEITEM:
        return lParam != 0 ? reinterpret_cast<const DELETEITEMSTRUCT*>(lParam)->hwndItem : nullptr;
    case WM_MEASUREITEM:
        return wParam != 0 ? ::GetDlgItem(parent, static_cast<int>(wParam)) : nullptr;
    default:
        return nullptr;
    }
}

}  // namespace

CWindow::~CWindow()
{
    if (originalProc_ != nullptr) Unsubclass();
    UnbindHandle();
}

CWindow* CWindow::FromHandle(HWND hwnd)
{
    std::lock_guard lock(MapLock());
    auto found = HandleMap().find(hwnd);
    return found == HandleMap().end() ? nullptr : found->second;
}

void CWindow::BindHandle(HWND hwnd)
{
    hwnd_ = hwnd;
    // A window keeps the object that routes its messages: a second object
    // attached to it only wraps the handle.
    std::lock_guard lock(MapLock());
    HandleMap().try_emplace(hwnd, this);
}

void CWindow::UnbindHandle()
{
    if (hwnd_ == nullptr) return;
    {
        std::lock_guard lock(MapLock());
        auto found = HandleMap().find(hwnd_);
        if (found != HandleMap().end() && found->second == this) HandleMap().erase(found);
    }
    hwnd_ = nullptr;
}

bool CWindow::Attach(HWND hwnd)
{
    if (hwnd == nullptr || !::IsWindow(hwnd) || hwnd_ != nullptr) return false;
    BindHandle(hwnd);
    return true;
}

HWND CWindow::Detach()
{
    HWND hwnd = hwnd_;
    if (originalProc_ != nullptr) Unsubclass();
    UnbindHandle();
    return hwnd;
}

bool CWindow::Subclass(HWND hwnd)
{
    if (hwnd == nullptr || !::IsWindow(hwnd) || hwnd_ != nullptr || FromHandle(hwnd) != nullptr) return false;
    BindHandle(hwnd);
    PreSubclassWindow();
    originalProc_ = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWindow::SubclassProc)));
    return true;
}

bool CWindow::SubclassDlgItem(int id, HWND parent)
{
    return Subclass(::GetDlgItem(parent, id));
}

void CWindow::Unsubclass()
{
    if (hwnd_ != nullptr && ::IsWindow(hwnd_))
        ::SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(originalProc_));
    originalProc_ = nullptr;
}

LRESULT CALLBACK CWindow::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWindow* self = FromHandle(hwnd);
    if (self == nullptr) return ::DefWindowProcW(hwnd, message, wParam, lParam);
    LRESULT result = 0;
    const bool handled = RunGuarded([&] { return self->OnMessage(message, wParam, lParam, result); });
    if (message == WM_DESTROY || message == WM_NCDESTROY) {
        // The destroy handling was the object's last: the messages of the
        // window's remaining destruction go to its own procedure alone.
        WNDPROC original = self->originalProc_;
        self->Unsubclass();
        self->UnbindHandle();
        return ::CallWindowProcW(original, hwnd, message, wParam, lParam);
    }
    if (handled) return result;
    return self->DefaultProc(message, wParam, lParam);
}

LRESULT CWindow::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (originalProc_ != nullptr) return ::CallWindowProcW(originalProc_, hwnd_, message, wParam, lParam);
    return ::DefWindowProcW(hwnd_, message, wParam, lParam);
}

bool CWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    return ReflectToChild(hwnd_, message, wParam, lParam, result);
}

bool CWindow::ReflectToChild(HWND parent, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    HWND control = ControlOfMessage(parent, message, wParam, lParam);
    if (control == nullptr || control == parent) return false;
    CWindow* child = FromHandle(control);
    return child != nullptr && child->OnReflected(message, wParam, lParam, result);
}

LRESULT CWindow::Send(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessageW(hwnd_, message, wParam, lParam);
}

bool CWindow::Post(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::PostMessageW(hwnd_, message, wParam, lParam) != FALSE;
}

std::u16string CWindow::GetText() const
{
    int length = ::GetWindowTextLengthW(hwnd_);
    if (length <= 0) return {};
    std::u16string text(static_cast<std::size_t>(length) + 1, u'\0');
    int copied = ::GetWindowTextW(hwnd_, W(text.data()), length + 1);
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}

void CWindow::SetText(const char16_t* text) const
{
    ::SetWindowTextW(hwnd_, W(text != nullptr ? text : u""));
}

DWORD CWindow::GetStyle() const { return static_cast<DWORD>(::GetWindowLongPtrW(hwnd_, GWL_STYLE)); }
DWORD CWindow::GetExStyle() const { return static_cast<DWORD>(::GetWindowLongPtrW(hwnd_, GWL_EXSTYLE)); }
void CWindow::SetStyle(DWORD style) const { ::SetWindowLongPtrW(hwnd_, GWL_STYLE, static_cast<LONG_PTR>(style)); }
int CWindow::GetId() const { return ::GetDlgCtrlID(hwnd_); }
HWND CWindow::GetParent() const { return ::GetParent(hwnd_); }
HWND CWindow::GetItem(int id) const { return ::GetDlgItem(hwnd_, id); }

RECT CWindow::GetClientRect() const
{
    RECT rect{};
    ::GetClientRect(hwnd_, &rect);
    return rect;
}

RECT CWindow::GetWindowRect() const
{
    RECT rect{};
    ::GetWindowRect(hwnd_, &rect);
    return rect;
}

RECT RectIn(HWND window, HWND reference)
{
    RECT rect{};
    ::GetWindowRect(window, &rect);
    ::MapWindowPoints(nullptr, reference, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

bool CWindow::IsVisible() const { return ::IsWindowVisible(hwnd_) != FALSE; }
bool CWindow::IsEnabled() const { return ::IsWindowEnabled(hwnd_) != FALSE; }
void CWindow::Show(bool show) const { ::ShowWindow(hwnd_, show ? SW_SHOW : SW_HIDE); }
void CWindow::Enable(bool enable) const { ::EnableWindow(hwnd_, enable ? TRUE : FALSE); }
void CWindow::Invalidate(bool erase) const { ::InvalidateRect(hwnd_, nullptr, erase ? TRUE : FALSE); }
void CWindow::SetRedraw(bool redraw) const { Send(WM_SETREDRAW, redraw ? TRUE : FALSE); }
HFONT CWindow::GetFont() const { return reinterpret_cast<HFONT>(Send(WM_GETFONT)); }

}  // namespace win
