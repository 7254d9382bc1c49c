#include "app/DlgEula.h"

#include <richedit.h>

#include <algorithm>
#include <cstring>

#include "app/LanguageChoice.h"
#include "platform/Platform.h"
#include "core/files/FileMessages.h"
#include "win/Registry.h"
#include "win/SystemPaths.h"

namespace {
constexpr char16_t acceptanceValue[] = u"EditorEula";
}

CDlgEula::CDlgEula() : CHVDialog(TemplateId) {}

std::u16string CDlgEula::GetEditionRegistryPath()
{
    const std::u16string value = language_choice::ReadLocaleIni(win::GetCurrentFolder(), 256);
    return std::u16string(u"Software\\Mirelo\\") + language_choice::EditionName(value);
}

bool CDlgEula::IsAcceptanceStored()
{
    win::CRegistryKey key;
    DWORD accepted = 0;
    return key.Open(HKEY_CURRENT_USER, GetEditionRegistryPath().c_str()) &&
           key.ReadDword(acceptanceValue, accepted) && accepted == 1;
}

INT_PTR CDlgEula::DoModal()
{
    if (IsAcceptanceStored()) return IDOK;
    return CHVDialog::DoModal();
}

BOOL CDlgEula::OnInitDialog()
{
    CHVDialog::OnInitDialog();
    const std::u16string path =
        std::u16string(u"trdata\\") + GetText(u"Common.LanguageFolder"_tk) + u"\\Tool-EULA.rtf";
    HWND control = GetItem(TextControlId);
    if (!platform::ReadWholeFile(path, text_)) {
        ShowFileNotFound(path.c_str());
        ::SetWindowTextW(control, L"");
        Post(WM_CLOSE);
        return TRUE;
    }
    readPosition_ = 0;
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(this), 0, StreamText};
    ::SendMessageW(control, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
    text_.clear();
    text_.shrink_to_fit();
    // The text is read, not edited: the focus goes to the answer.
    ::SetFocus(GetItem(IDOK));
    return FALSE;
}

DWORD CALLBACK CDlgEula::StreamText(DWORD_PTR dialog, LPBYTE buffer, LONG wanted, LONG* given)
{
    auto* self = reinterpret_cast<CDlgEula*>(dialog);
    const std::size_t left = self->text_.size() - self->readPosition_;
    const std::size_t count = std::min<std::size_t>(left, wanted > 0 ? static_cast<std::size_t>(wanted) : 0);
    if (count > 0) std::memcpy(buffer, self->text_.data() + self->readPosition_, count);
    self->readPosition_ += count;
    *given = static_cast<LONG>(count);
    return 0;
}

void CDlgEula::OnOK()
{
    win::CRegistryKey key;
    // A failed write only means the agreement is shown again next time.
    if (key.Create(HKEY_CURRENT_USER, GetEditionRegistryPath().c_str())) key.WriteDword(acceptanceValue, 1);
    CHVDialog::OnOK();
}
