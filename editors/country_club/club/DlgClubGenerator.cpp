#include "editors/country_club/club/DlgClubGenerator.h"

#include "database/club/Club.h"
#include "resources/ClubEditorIds.h"

CDlgClubGenerator::CDlgClubGenerator(TClub* club, bool firstTeam, HWND parent)
    : CDialogB(IDD_CLUB_GENERATOR, parent), club_(club), firstTeam_(firstTeam)
{
}

BOOL CDlgClubGenerator::OnInitDialog()
{
    CDialogB::OnInitDialog();
    age_.SubclassDlgItem(IDC_CLUB_GENERATOR_AGE, *this);
    age_.SetFlags(Halvane::MFC::CSpinEditCtrl::PlainDigits);
    age_.SetRange(MinAge, MaxAge);
    age_.SetValue(firstTeam_ ? FirstTeamAge : ReserveTeamAge);
    level_.SubclassDlgItem(IDC_CLUB_GENERATOR_LEVEL, *this);
    level_.SetRange(MinLevel, MaxLevel);
    level_.SetValue(StartLevel);
    return TRUE;
}

void CDlgClubGenerator::OnOK()
{
    // A number typed just before OK counts, whichever control has the focus.
    age_.UpdateFromText();
    level_.UpdateFromText();
    if (club_ != nullptr) club_->GenerateTeam(firstTeam_, level_.GetValue(), age_.GetValue());
    CDialogB::OnOK();
}
