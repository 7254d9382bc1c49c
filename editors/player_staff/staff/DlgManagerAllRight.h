#pragma once
// The lower part of the common page for a manager or chairman: his
// favourite and disliked clubs, favourite player and favourite tactic.
// Each choice is written into the person at once.

#include "ui/base/DialogB.h"

class TPerson;

class CDlgManagerAllRight : public CDialogB {
public:
    explicit CDlgManagerAllRight(HWND parent = nullptr);
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.ManagerAllRight"; }

    // Null forgets the person, so that no later choice writes into him.
    void SetPerson(TPerson* person);

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    void ChooseFavouriteClub();
    void ChooseDislikedClub();
    void ChooseFavouritePlayer();
    void StoreTactic();

    TPerson* person_ = nullptr;
    // While the page fills its combo, its change messages are not the user's.
    bool showing_ = false;
};
