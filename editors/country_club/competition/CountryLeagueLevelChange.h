#pragma once
// Renames one level of a country's league pyramid.

#include <string>

#include "ui/base/DialogB.h"
#include "ui/skin/MyGroupBox.h"
#include "win/Edit.h"

class CCountryLeagueLevelChange : public CDialogB {
public:
    // Level names keep 28 characters.
    static constexpr int NameLength = 28;

    CCountryLeagueLevelChange(const char16_t* text, HWND parent);
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.CountryLeagueLevelChange"; }
    const std::u16string& GetText() const { return text_; }
    using CDialogB::GetText;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    std::u16string text_;
    CMyGroupBox group_;
    win::CEdit edit_;
};
