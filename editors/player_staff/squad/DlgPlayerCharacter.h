#pragma once
// The "TabCharacter" page: the player's character traits (at most four,
// never both of an exclusive pair), his player type among those his
// positions allow, and free notes.

#include "editors/player_staff/squad/PersonPage.h"

class CDlgPlayerCharacter : public CPersonPage {
public:
    explicit CDlgPlayerCharacter(HWND parent = nullptr);
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.Player.Character"; }

    void SetPerson(TPerson* person, TClub* club) override;
    void ApplyToPerson() override;

protected:
    bool OnCommand(int id, int code, HWND control) override;

private:
    void FillTypes();
    void EnableTraitBoxes();
    static int TraitOfControl(int id);

    TPerson* person_ = nullptr;
    bool showing_ = false;
};
