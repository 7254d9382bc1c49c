#pragma once
// Edits one referee's names and type on a working copy; the caller copies
// the copy back after OK.

#include <string>

#include "database/club/Referee.h"
#include "ui/base/DialogB.h"

class CDlgRefereeChange : public CDialogB {
public:
    static constexpr int FirstNameLength = 15;
    static constexpr int LastNameLength = 19;

    explicit CDlgRefereeChange(HWND parent);
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.Country.RefereeChange"; }
    TReferee& GetReferee() { return referee_; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(win::CDataExchange& exchange) override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnOK() override;

private:
    std::u16string firstName_;
    std::u16string lastName_;
    TReferee referee_;
};
