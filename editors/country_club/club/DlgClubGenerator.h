#pragma once
// Asks for the mean age and the level of a club's new first or reserve team
// and has the club generate it; the team's old players leave the squad.

#include "ui/base/DialogB.h"
#include "ui/controls/SpinEditCtrl.h"

class TClub;

class CDlgClubGenerator : public CDialogB {
public:
    static constexpr int MinAge = 18;
    static constexpr int MaxAge = 65;
    static constexpr int FirstTeamAge = 26;
    static constexpr int ReserveTeamAge = 22;
    static constexpr int MinLevel = 1;
    static constexpr int MaxLevel = 99;
    static constexpr int StartLevel = 50;

    CDlgClubGenerator(TClub* club, bool firstTeam, HWND parent = nullptr);
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.Club.Generator"; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    TClub* club_;
    bool firstTeam_;
    Halvane::MFC::CSpinEditCtrl age_;
    Halvane::MFC::CSpinEditCtrl level_;
};
