#pragma once
// The agreement the user accepts once before the editor starts. The
// acceptance is stored under HKEY_CURRENT_USER in the key of the edition
// that "locale.ini" names; once stored the dialog is never shown again.

#include <string>
#include <vector>

#include "ui/base/HVDialog.h"

class CDlgEula : public Halvane::MFC::CHVDialog {
public:
    static constexpr int TemplateId = 5096;
    static constexpr int TextControlId = 2092;

    CDlgEula();
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.EULA"; }

    // IDOK at once when the acceptance is stored, else the dialog's result.
    INT_PTR DoModal();

    // "Software\Mirelo\" and the edition name.
    static std::u16string GetEditionRegistryPath();
    static bool IsAcceptanceStored();

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    static DWORD CALLBACK StreamText(DWORD_PTR dialog, LPBYTE buffer, LONG wanted, LONG* given);

    std::vector<std::uint8_t> text_;
    std::size_t readPosition_ = 0;
};
