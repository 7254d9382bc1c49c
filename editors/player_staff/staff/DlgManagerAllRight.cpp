#include "editors/player_staff/staff/DlgManagerAllRight.h"

#include <optional>

#include "database/club/Club.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/person/Person.h"
#include "database/club/ReferenceLists.h"
#include "database/world/WorldList.h"
#include "editors/country_club/club/DlgClub.h"
#include "editors/player_staff/search/ClubChoice.h"
#include "editors/player_staff/search/DlgPlayerSelect.h"
#include "editors/player_staff/PlayerStaffIds.h"
#include "win/ComboBox.h"
#include "win/WideText.h"

namespace {

std::u16string TeamName(std::uint32_t teamId)
{
    const TCompleteWorld* world = GetWorld();
    const TCountry* country = world != nullptr && teamId != 0 ? world->GetCountry(TeamCountry(teamId)) : nullptr;
    return country != nullptr ? country->GetTeamNameByUniqueId(teamId) : std::u16string();
}

std::u16string PersonName(std::uint32_t personId)
{
    const TCompleteWorld* world = GetWorld();
    const TPerson* person = world != nullptr && personId != 0 ? world->GetPerson(personId) : nullptr;
    return person != nullptr ? TPerson::GetShortName(person) : std::u16string();
}

}  // namespace

CDlgManagerAllRight::CDlgManagerAllRight(HWND parent) : CDialogB(IDD_MANAGER_ALL_RIGHT, parent) {}

BOOL CDlgManagerAllRight::OnInitDialog()
{
    CDialogB::OnInitDialog();
    SetPerson(nullptr);
    return TRUE;
}

void CDlgManagerAllRight::SetPerson(TPerson* person)
{
    person_ = person;
    if (Handle() == nullptr) return;
    showing_ = true;
    const bool shown = person != nullptr;
    ::SetDlgItemTextW(Handle(), IDC_MANAGER_FAVOURITE_CLUB, win::W(shown ? TeamName(person->GetFavouriteClub()) : u""));
    ::SetDlgItemTextW(Handle(), IDC_MANAGER_DISLIKED_CLUB, win::W(shown ? TeamName(person->GetDislikedClub()) : u""));
    ::SetDlgItemTextW(Handle(), IDC_MANAGER_FAVOURITE_PLAYER,
                      win::W(shown ? PersonName(person->GetLinkedPersonId()) : u""));
    if (shown) {
        win::CComboBox tactics;
        tactics.Attach(GetItem(IDC_MANAGER_TACTIC));
        FillComboFromTextFile(tactics, GetFormationList(), person->GetFavouriteTactic());
        tactics.Detach();
    }
    showing_ = false;
}

// The picker's OK stores what it gives: no club clears the choice.
void CDlgManagerAllRight::ChooseFavouriteClub()
{
    const std::optional<std::uint32_t> chosen = PickClubFrom(Handle(), person_->GetFavouriteClub());
    if (!chosen) return;
    person_->SetFavouriteClub(*chosen);
    SetPerson(person_);
}

void CDlgManagerAllRight::ChooseDislikedClub()
{
    const std::optional<std::uint32_t> chosen = PickClubFrom(Handle(), 0);
    if (!chosen) return;
    person_->SetDislikedClub(*chosen);
    SetPerson(person_);
}

void CDlgManagerAllRight::ChooseFavouritePlayer()
{
    CDlgPlayerSelect picker(Handle());
    picker.SetClubId(person_->GetSecondClub());
    picker.SetSelectedPersonId(person_->GetLinkedPersonId());
    if (picker.DoModal() != IDOK) return;
    std::uint32_t club = 0;
    picker.GetClubId(club);
    person_->SetSecondClub(club);
    person_->SetLinkedPersonId(picker.GetSelectedPersonId());
    SetPerson(person_);
}

void CDlgManagerAllRight::StoreTactic()
{
    win::CComboBox tactics;
    tactics.Attach(GetItem(IDC_MANAGER_TACTIC));
    const LPARAM chosen = tactics.GetCurSel() >= 0 ? GetComboSelData(tactics, 0) : -1;
    tactics.Detach();
    if (chosen >= 0) person_->SetFavouriteTactic(static_cast<std::uint8_t>(chosen));
}

bool CDlgManagerAllRight::OnCommand(int id, int code, HWND control)
{
    if (person_ == nullptr || showing_) return false;
    switch (id) {
    case IDC_MANAGER_CHOOSE_FAVOURITE_CLUB:
        if (code == BN_CLICKED) ChooseFavouriteClub();
        return true;
    case IDC_MANAGER_CHOOSE_DISLIKED_CLUB:
        if (code == BN_CLICKED) ChooseDislikedClub();
        return true;
    case IDC_MANAGER_CHOOSE_FAVOURITE_PLAYER:
        if (code == BN_CLICKED) ChooseFavouritePlayer();
        return true;
    case IDC_MANAGER_TACTIC:
        if (code == CBN_SELCHANGE) StoreTactic();
        return true;
    default:
        return false;
    }
}
