#include "win/FileDialog.h"

#include <commdlg.h>

#include "win/HandlerGuard.h"
#include "win/WideText.h"

namespace win {

CFileDialog::CFileDialog(bool open, const char16_t* defaultExtension, const char16_t* filter, DWORD flags, HWND owner)
    : open_(open),
      defaultExtension_(defaultExtension != nullptr ? defaultExtension : u""),
      filter_(FilterToNulList(filter)),
      flags_(flags),
      owner_(owner)
{
}

std::u16string CFileDialog::FilterToNulList(const char16_t* filter)
{
    std::u16string list(filter != nullptr ? filter : u"");
    for (char16_t& c : list)
        if (c == u'|') c = u'\0';
    // The list ends with two NULs whatever the text ended with.
    list.push_back(u'\0');
    list.push_back(u'\0');
    return list;
}

UINT_PTR CALLBACK CFileDialog::HookProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        ::SetWindowLongPtrW(dialog, GWLP_USERDATA, lParam);
        return 0;
    }
    if (message != WM_NOTIFY) return 0;
    auto* notify = reinterpret_cast<OFNOTIFYW*>(lParam);
    if (notify->hdr.code != CDN_TYPECHANGE) return 0;
    auto* self = reinterpret_cast<CFileDialog*>(notify->lpOFN->lCustData);
    if (self == nullptr || !self->typeChange_) return 0;
    RunGuarded([&] {
        self->defaultExtension_ = self->typeChange_(static_cast<int>(notify->lpOFN->nFilterIndex));
        return true;
    });
    ::SendMessageW(::GetParent(dialog), CDM_SETDEFEXT, 0, reinterpret_cast<LPARAM>(W(self->defaultExtension_)));
    return 0;
}

bool CFileDialog::Run()
{
    wchar_t file[MAX_PATH] = {};
    for (std::size_t i = 0; i < fileName_.size() && i + 1 < MAX_PATH; ++i) file[i] = static_cast<wchar_t>(fileName_[i]);
    OPENFILENAMEW request{};
    request.lStructSize = sizeof(request);
    request.hwndOwner = owner_ != nullptr && ::IsWindow(owner_) ? owner_ : nullptr;
    request.lpstrFilter = filter_.size() > 2 ? W(filter_) : nullptr;
    request.nFilterIndex = 1;
    request.lpstrFile = file;
    request.nMaxFile = MAX_PATH;
    request.lpstrDefExt = defaultExtension_.empty() ? nullptr : W(defaultExtension_);
    request.Flags = flags_ | OFN_EXPLORER | OFN_ENABLESIZING;
    request.lpstrTitle = title_.empty() ? nullptr : W(title_);
    if (typeChange_) {
        request.Flags |= OFN_ENABLEHOOK;
        request.lpfnHook = &CFileDialog::HookProc;
        request.lCustData = reinterpret_cast<LPARAM>(this);
    }
    BOOL chosen = open_ ? ::GetOpenFileNameW(&request) : ::GetSaveFileNameW(&request);
    if (!chosen) return false;
    path_ = U(file);
    filterIndex_ = static_cast<int>(request.nFilterIndex);
    return true;
}

}  // namespace win
