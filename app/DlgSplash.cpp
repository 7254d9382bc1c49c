#include "app/DlgSplash.h"

#include "core/text/TextManager.h"
#include "win/WorkerThread.h"

namespace {
constexpr int splashBitmaps[] = {5105, 5107, 5104, 5098, 5106, 5109};
}

CDlgSplash::CDlgSplash() : CHVDialog(TemplateId) {}

CDlgSplash::~CDlgSplash()
{
    stop_.store(true);
    WaitForFade();
}

BOOL CDlgSplash::OnInitDialog()
{
    CHVDialog::OnInitDialog();
    const int language = CTextManager::Instance()->GetLanguage();
    const int id = splashBitmaps[language >= 0 && language < 6 ? language : 0];
    bitmap_.Reset(static_cast<HBITMAP>(
        ::LoadImageW(GetResourceModule(), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    BITMAP info{};
    if (bitmap_ && ::GetObjectW(bitmap_.Get(), sizeof(info), &info) != 0) size_ = {info.bmWidth, info.bmHeight};
    const int left = (::GetSystemMetrics(SM_CXSCREEN) - size_.cx) / 2;
    const int top = (::GetSystemMetrics(SM_CYSCREEN) - size_.cy) / 2;
    ::SetWindowPos(Handle(), nullptr, left, top, size_.cx, size_.cy, SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    ::SetWindowLongPtrW(Handle(), GWL_EXSTYLE, GetExStyle() | WS_EX_LAYERED);
    return TRUE;
}

bool CDlgSplash::OnEraseBackground(HDC dc)
{
    if (!bitmap_) return false;
    win::CMemoryDC memory(dc);
    win::CSelectObject select(memory.Get(), bitmap_.Get());
    ::BitBlt(dc, 0, 0, size_.cx, size_.cy, memory.Get(), 0, 0, SRCCOPY);
    return true;
}

HBRUSH CDlgSplash::OnCtlColor(HDC dc, HWND, UINT)
{
    ::SetBkMode(dc, TRANSPARENT);
    return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

void CDlgSplash::FadeIn()
{
    std::lock_guard lock(fadeLock_);
    opacity_.store(0);
    step_.store(FadeStep);
    ::SetLayeredWindowAttributes(Handle(), 0, 1, LWA_ALPHA);
    Show(true);
    StartFadeLocked();
}

void CDlgSplash::FadeOut()
{
    std::lock_guard lock(fadeLock_);
    step_.store(-FadeStep);
    Show(true);
    ::SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    StartFadeLocked();
}

bool CDlgSplash::IsFading()
{
    std::lock_guard lock(fadeLock_);
    return fading_;
}

void CDlgSplash::StartFadeLocked()
{
    // A running fade simply follows the new step.
    if (fading_ || stop_.load()) return;
    if (thread_ != nullptr) {
        ::WaitForSingleObject(thread_, INFINITE);
        ::CloseHandle(thread_);
    }
    fading_ = true;
    thread_ = StartThread(FadeThread, this);
    if (thread_ == nullptr) fading_ = false;
}

void CDlgSplash::WaitForFade()
{
    HANDLE thread = nullptr;
    {
        std::lock_guard lock(fadeLock_);
        thread = thread_;
        thread_ = nullptr;
    }
    if (thread == nullptr) return;
    ::WaitForSingleObject(thread, INFINITE);
    ::CloseHandle(thread);
}

unsigned CDlgSplash::FadeThread(void* splash)
{
    static_cast<CDlgSplash*>(splash)->RunFade();
    return 0;
}

void CDlgSplash::RunFade()
{
    ApplyOpacity(opacity_.load());
    for (;;) {
        std::unique_lock lock(fadeLock_);
        const int next = opacity_.load() + step_.load();
        if (stop_.load() || next < 0 || next > 255) {
            // Decided under the lock, so a fade requested now starts anew.
            fading_ = false;
            lock.unlock();
            if (!stop_.load()) FinishFade(next);
            return;
        }
        opacity_.store(next);
        lock.unlock();
        ApplyOpacity(next);
        ::Sleep(10);
    }
}

void CDlgSplash::ApplyOpacity(int opacity) const
{
    ::SetLayeredWindowAttributes(Handle(), RGB(0, 0, 0), static_cast<BYTE>(opacity), LWA_COLORKEY | LWA_ALPHA);
}

void CDlgSplash::FinishFade(int opacity)
{
    if (opacity >= 255) {
        opacity_.store(255);
        ApplyOpacity(255);
        return;
    }
    opacity_.store(0);
    ApplyOpacity(0);
    // Asynchronous: the user-interface thread may be waiting for this one.
    ::ShowWindowAsync(Handle(), SW_HIDE);
    ::SetWindowPos(Handle(), HWND_NOTOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
}

void CDlgSplash::OnDestroy()
{
    stop_.store(true);
    WaitForFade();
}
