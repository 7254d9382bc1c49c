#pragma once
// The common open and save dialogs. Filters are given in the "a|b|c|d||"
// form of the text store and turned into the NUL-separated list Win32 wants.

#include <windows.h>
#include <commdlg.h>

#include <functional>
#include <string>

namespace win {

class CFileDialog {
public:
    CFileDialog(bool open, const char16_t* defaultExtension, const char16_t* filter, DWORD flags, HWND owner);
    // True when the user chose a file.
    bool Run();
    const std::u16string& GetPath() const { return path_; }
    // The chosen filter, 1-based as Win32 counts it.
    int GetFilterIndex() const { return filterIndex_; }
    // Called with the new 1-based index when the user picks another type;
    // the answer becomes the default extension.
    void OnTypeChange(std::function<std::u16string(int)> handler) { typeChange_ = std::move(handler); }
    // The dialog's caption in place of the system's.
    void SetTitle(std::u16string title) { title_ = std::move(title); }
    // The name the dialog proposes; longer than a path it is cut.
    void SetFileName(std::u16string name) { fileName_ = std::move(name); }

    static std::u16string FilterToNulList(const char16_t* filter);

private:
    static UINT_PTR CALLBACK HookProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

    bool open_;
    std::u16string defaultExtension_;
    std::u16string filter_;
    DWORD flags_;
    HWND owner_;
    std::u16string path_;
    int filterIndex_ = 1;
    std::function<std::u16string(int)> typeChange_;
    std::u16string title_;
    std::u16string fileName_;
};

}  // namespace win
