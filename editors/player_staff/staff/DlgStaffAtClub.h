#pragma once
// The level of a staff member at his club on a five-step scale, embedded
// in the person common page. Only a level the user chose is written back:
// a stored level the scale cannot show stays while the page shows none.

#include "ui/base/DialogB.h"
#include "ui/base/UserChanges.h"

class TPerson;

class CDlgStaffAtClub : public CDialogB {
public:
    explicit CDlgStaffAtClub(HWND parent = nullptr);
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.Staff.Abilities"; }

    // Null forgets the person, so that a later store writes nobody.
    void SetPerson(TPerson* person);
    // Staff only: a player's record is left alone.
    void ApplyToPerson();

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    TPerson* person_ = nullptr;
    CUserChanges changes_;
};
