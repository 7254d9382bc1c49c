#pragma once
// A thin owner of one HWND. Objects are found from their handle through a
// process-wide map; a subclassed window routes every message through
// OnMessage, and a parent hands the notifications of its children (commands,
// notifies, colour and owner-draw requests, scrolls) to the child's object
// first, so that controls can handle what they send themselves. An exception
// thrown by a handler is reported and ends at the window procedure; WM_DESTROY
// is the last message an object sees of its window.

#include <windows.h>

#include <string>

namespace win {

class CWindow {
public:
    CWindow() = default;
    virtual ~CWindow();
    CWindow(const CWindow&) = delete;
    CWindow& operator=(const CWindow&) = delete;

    HWND Handle() const { return hwnd_; }
    explicit operator bool() const { return hwnd_ != nullptr; }
    static CWindow* FromHandle(HWND hwnd);

    // Binds the object to an existing window without touching its procedure;
    // a window whose messages another object handles keeps that object.
    bool Attach(HWND hwnd);
    HWND Detach();
    // Binds the object and routes the window's messages through OnMessage.
    bool Subclass(HWND hwnd);
    bool SubclassDlgItem(int id, HWND parent);
    bool SubclassDlgItem(int id, const CWindow& parent) { return SubclassDlgItem(id, parent.Handle()); }

    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    bool Post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

    std::u16string GetText() const;
    void SetText(const char16_t* text) const;
    void SetText(const std::u16string& text) const { SetText(text.c_str()); }
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    void SetStyle(DWORD style) const;
    int GetId() const;
    HWND GetParent() const;
    HWND GetItem(int id) const;
    RECT GetClientRect() const;
    RECT GetWindowRect() const;
    bool IsVisible() const;
    bool IsEnabled() const;
    void Show(bool show) const;
    void Enable(bool enable) const;
    void Invalidate(bool erase = true) const;
    void SetRedraw(bool redraw) const;
    HFONT GetFont() const;

protected:
    // Called for every message of a subclassed window (and of dialogs);
    // true when handled, with the answer in result.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // A notification this window sent to its parent, handed back to it.
    virtual bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) { return false; }
    // Runs once the window is bound by Subclass, before any message arrives.
    virtual void PreSubclassWindow() {}
    // The window procedure's own handling for messages OnMessage left.
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Hands a child's notification to the child's object; true when taken.
    static bool ReflectToChild(HWND parent, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void BindHandle(HWND hwnd);
    void UnbindHandle();

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Unsubclass();

    HWND hwnd_ = nullptr;
    WNDPROC originalProc_ = nullptr;
};

// A window's rectangle in the client coordinates of another window.
RECT RectIn(HWND window, HWND reference);

}  // namespace win
