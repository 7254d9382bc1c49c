#pragma once
// Proposes one random player for a club: names, birth date, position,
// shirt number, level, talent and nationality, each to be changed or drawn
// again. OK makes the given person that player; Cancel leaves him as he was.
// A person the caller placed in the reserve team is offered, and wears, a
// number of the reserve team.

#include "ui/controls/DateCtrl.h"
#include "ui/base/DialogB.h"
#include "ui/controls/SpinEditCtrl.h"

class TClub;
class TPerson;

class CDlgPlayerGenerator : public CDialogB {
public:
    static constexpr int ShirtNumbers = 100;

    CDlgPlayerGenerator(TClub* club, TPerson* person, HWND parent = nullptr);
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.Player.Generate"; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnChange(void* sender) override;

private:
    void FillCombos();
    void ShowProposal();
    void DrawName(bool lastName);
    void DrawBirthDate();
    void DrawTalent();
    void ShowAge();
    int SelectedNationality() const;
    int Selected(int id, int fallback) const;
    void SelectRow(int id, int row) const;
    TDate ShownBirthDate();
    std::u16string ItemText(int id) const;

    TClub* club_;
    TPerson* person_;
    bool reserveTeam_ = false;
    int shirtNumber_ = 1;
    int shirtCounts_[ShirtNumbers] = {};
    bool changingNumber_ = false;
    Halvane::MFC::CDateCtrl birthDate_;
    Halvane::MFC::CSpinEditCtrl shirt_;
    Halvane::MFC::CSpinEditCtrl level_;
};
