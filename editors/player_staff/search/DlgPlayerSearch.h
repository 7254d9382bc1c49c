#pragma once
// Asks for the name patterns of the player search. The texts are kept for
// the whole run of the program and shown again at the next search.

#include "ui/base/DialogB.h"

class CDlgPlayerSearch : public CDialogB {
public:
    static constexpr int FirstNameLimit = 15;
    static constexpr int NameLimit = 19;

    explicit CDlgPlayerSearch(HWND parent = nullptr);
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.Player.Search"; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(win::CDataExchange& exchange) override;
};
