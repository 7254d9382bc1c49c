#pragma once
// While one of the program's boxes is open, the progress dialogs of its
// long-running operations stand disabled behind it: the box of an operation
// is shown while the operation's dialog is still up, and a click on an
// enabled dialog would bring it over the box, which then waits unseen for
// an answer. They take input again once the box is closed.

#include <windows.h>

#include <vector>

class CProgressBehindBox {
public:
    CProgressBehindBox();
    ~CProgressBehindBox();
    CProgressBehindBox(const CProgressBehindBox&) = delete;
    CProgressBehindBox& operator=(const CProgressBehindBox&) = delete;

private:
    static BOOL CALLBACK DisableProgress(HWND window, LPARAM self);

    std::vector<HWND> disabled_;
};
