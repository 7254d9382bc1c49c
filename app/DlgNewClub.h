#pragma once
// Asks for the name of a new club; the main window creates the club.

#include <string>

#include "ui/base/DialogB.h"

class CDlgNewClub : public CDialogB {
public:
    // The record keeps 29 characters of a name.
    static constexpr int NameLength = 29;

    explicit CDlgNewClub(HWND parent);
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.Club.New"; }
    const std::u16string& GetName() const { return name_; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(win::CDataExchange& exchange) override;

private:
    std::u16string name_;
};
