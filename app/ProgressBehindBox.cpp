#include "app/ProgressBehindBox.h"

#include "ui/dialogs/DlgLongtimeOperation.h"

CProgressBehindBox::CProgressBehindBox() { ::EnumWindows(DisableProgress, reinterpret_cast<LPARAM>(this)); }

// A dialog that ended meanwhile is not touched: its handle may name another
// window by now.
CProgressBehindBox::~CProgressBehindBox()
{
    for (HWND window : disabled_) {
        if (CDlgLongtimeOperation::IsProgressWindow(window)) ::EnableWindow(window, TRUE);
    }
}

BOOL CALLBACK CProgressBehindBox::DisableProgress(HWND window, LPARAM self)
{
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    if (process != ::GetCurrentProcessId() || !CDlgLongtimeOperation::IsProgressWindow(window)) return TRUE;
    if (!::IsWindowEnabled(window)) return TRUE;
    ::EnableWindow(window, FALSE);
    reinterpret_cast<CProgressBehindBox*>(self)->disabled_.push_back(window);
    return TRUE;
}
