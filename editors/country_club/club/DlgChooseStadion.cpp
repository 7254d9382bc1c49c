#include "editors/country_club/club/DlgChooseStadion.h"

#include "database/world/CompleteWorld.h"
#include "database/world/WorldList.h"
#include "editors/country_club/club/DlgChooseClub.h"
#include "resources/ClubEditorIds.h"

CDlgChooseStadion::CDlgChooseStadion(HWND parent) : CDialogB(IDD_CHOOSE_STADIUM, parent) {}

void CDlgChooseStadion::SetSelectedClubId(TTeamId id)
{
    selected_ = id;
    country_ = TeamCountry(id);
}

BOOL CDlgChooseStadion::OnInitDialog()
{
    CDialogB::OnInitDialog();
    countries_.SubclassDlgItem(IDC_PICK_COUNTRIES, *this);
    stadiums_.SubclassDlgItem(IDC_PICK_CLUBS, *this);
    if (GetWorld() != nullptr) FillPickerList(countries_, MakeStadiumCountryRows(*GetWorld(), country_));
    FillStadiums();
    return TRUE;
}

void CDlgChooseStadion::FillStadiums()
{
    if (GetWorld() == nullptr) return;
    FillPickerList(stadiums_, MakeStadiumRows(*GetWorld(), country_, selected_));
}

bool CDlgChooseStadion::OnCommand(int id, int code, HWND control)
{
    if (id == IDC_PICK_COUNTRIES && code == LBN_SELCHANGE) {
        const int item = countries_.GetCurSel();
        if (item >= 0) country_ = static_cast<int>(countries_.GetItemData(item));
        FillStadiums();
        return true;
    }
    if (id == IDC_PICK_CLUBS && code == LBN_SELCHANGE) {
        const int item = stadiums_.GetCurSel();
        if (item >= 0) selected_ = static_cast<TTeamId>(stadiums_.GetItemData(item));
        return true;
    }
    if (id == IDC_PICK_CLUBS && code == LBN_DBLCLK) {
        OnOK();
        return true;
    }
    return false;
}
