#include "editors/player_staff/staff/DlgLandPlayerAllRight.h"

#include "database/person/Person.h"
#include "editors/player_staff/staff/StaffListPage.h"
#include "editors/player_staff/model/squad/PersonCommonRules.h"
#include "resources/CountryStaffIds.h"

namespace {

// Additional managers may be older than any player: their birth dates
// reach back to 1907.
constexpr TDate LowestBirthDate(1907, 1, 1);
// Sub-pages stand below the nationalities and the birth date, in dialog units.
constexpr POINT SubPageOrigin{0, 130};

}  // namespace

CDlgLandPlayerAllRight::CDlgLandPlayerAllRight(HWND parent) : CPersonCommonPage(IDD_LAND_PLAYER_ALL_RIGHT, parent) {}

BOOL CDlgLandPlayerAllRight::OnInitDialog()
{
    CPersonCommonPage::OnInitDialog();
    InitCommonControls({PersonCommonRules::FirstNameLimit, LowestBirthDate, PersonCommonRules::HighestBirthDate(), SubPageOrigin});
    return TRUE;
}

// A date the control shows clamped to its range is no choice of the user's
// and is not written back.
void CDlgLandPlayerAllRight::StoreBirthDate()
{
    if (IsBirthDateEdited()) person_->SetBirthDate(ShownBirthDate());
}

void CDlgLandPlayerAllRight::ApplyToPerson()
{
    if (person_ == nullptr) return;
    ApplyTypedNames();
    StoreBirthDate();
    if (person_->GetSecondNationality() == person_->GetNationality()) person_->SetSecondNationality(0);
    ApplySubPage();
    changes_.Clear();
}

void CDlgLandPlayerAllRight::OnBirthDateEdited() { StoreBirthDate(); }

void CDlgLandPlayerAllRight::OnNationalityChosen()
{
    person_->SetNationality(SelectedCountry(IDC_COMMON_NATIONALITY));
    person_->SetSecondNationality(SelectedCountry(IDC_COMMON_SECOND_NATIONALITY));
}

void CDlgLandPlayerAllRight::OnNameEdited()
{
    ApplyToPerson();
    ::SendMessageW(notify_, CStaffListPage::ListRefresh, 0, 0);
}
