#pragma once
// The "TabContract" page: salary, transfer value, contract end year and
// options, favourite places, and the state in which the player starts the
// season with the dates, club and amounts that state needs.

#include "editors/player_staff/model/squad/ContractPageModel.h"
#include "editors/player_staff/squad/PersonPage.h"
#include "ui/base/UserChanges.h"
#include "ui/controls/DateCtrl.h"
#include "ui/controls/SpinEditCtrl.h"

class CDlgPlayerContract : public CPersonPage {
public:
    explicit CDlgPlayerContract(HWND parent = nullptr);
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.Player.Contract"; }

    void SetPerson(TPerson* person, TClub* club) override;
    void ApplyToPerson() override;
    void OnChange(void* sender) override;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    int SelectedState() const;
    // A club button: the chosen club is stored at once and shown; false
    // for any other control.
    bool ChooseClub(int button);
    void ShowState(int state);
    void ShowFee(int state, std::int32_t fee, bool feeSet);
    void ShowYear();
    static void SetDate(Halvane::MFC::CDateCtrl& control, TDate date);
    static TDate DateOf(Halvane::MFC::CDateCtrl& control);

    Halvane::MFC::CSpinEditCtrl salary_;
    Halvane::MFC::CSpinEditCtrl value_;
    Halvane::MFC::CSpinEditCtrl fee_;
    Halvane::MFC::CSpinEditCtrl callOption_;
    Halvane::MFC::CSpinEditCtrl ban_;
    Halvane::MFC::CDateCtrl firstDate_;
    Halvane::MFC::CDateCtrl secondDate_;
    TPerson* person_ = nullptr;
    // The value controls the user changed since the person was shown.
    CUserChanges changes_;
};
