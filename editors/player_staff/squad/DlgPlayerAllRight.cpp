#include "editors/player_staff/squad/DlgPlayerAllRight.h"

#include "app/LedraApp.h"
#include "core/text/Format.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/person/Person.h"
#include "database/world/WorldList.h"
#include "editors/player_staff/PlayerStaffIds.h"
#include "editors/player_staff/model/squad/PersonCommonRules.h"
#include "ui/skin/RepaintUnder.h"

namespace {

constexpr int PlayerBoxes[] = {IDC_COMMON_NATURALISED, IDC_COMMON_BASQUE, IDC_COMMON_REAL_PERSON, IDC_COMMON_YOUTH};
// The club file keeps a staff member's first and last names only, so his
// other two names are offered for players alone.
constexpr int PlayerNames[] = {IDC_COMMON_NICKNAME, IDC_COMMON_PSEUDONYM};
// Sub-pages stand below the person's fields, in dialog units.
constexpr POINT SubPageOrigin{2, 118};

bool IsChecked(HWND dialog, int id)
{
    return ::IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

void Check(HWND dialog, int id, bool on)
{
    ::CheckDlgButton(dialog, id, on ? BST_CHECKED : BST_UNCHECKED);
}

int CountryLanguage(int countryId)
{
    const TCompleteWorld* world = GetWorld();
    const TCountry* country = world ? world->GetCountry(countryId) : nullptr;
    return country ? country->GetLanguage(0) : 0;
}

}  // namespace

CDlgPlayerAllRight::CDlgPlayerAllRight(HWND parent) : CPersonCommonPage(IDD_PLAYER_ALL_RIGHT, parent) {}

BOOL CDlgPlayerAllRight::OnInitDialog()
{
    CPersonCommonPage::OnInitDialog();
    InitCommonControls({PersonCommonRules::FirstNameLimit, PersonCommonRules::LowestBirthDate(false),
                        PersonCommonRules::HighestBirthDate(), SubPageOrigin});
    groupCaption_ = ItemText(IDC_COMMON_GROUP);
    return TRUE;
}

void CDlgPlayerAllRight::ShowOwnFields()
{
    if (person_ == nullptr) {
        ClearFlags();
    } else {
        ShowFlags();
        EnableYouthBox(person_->GetBirthDate());
    }
    ShowCaption();
}

void CDlgPlayerAllRight::ShowCaption()
{
    // Administrators see which person they edit.
    const std::u16string caption = person_ != nullptr && IsAdminMode()
                                       ? Format(u"%s (ID: %d)", groupCaption_, person_->GetId())
                                       : groupCaption_;
    if (caption != ItemText(IDC_COMMON_GROUP)) SetButtonCaption(GetItem(IDC_COMMON_GROUP), caption);
}

void CDlgPlayerAllRight::ShowFlags()
{
    Check(Handle(), IDC_COMMON_NATURALISED, person_->IsNaturalised());
    Check(Handle(), IDC_COMMON_BASQUE, person_->IsBasque());
    Check(Handle(), IDC_COMMON_REAL_PERSON, person_->IsRealPerson());
    Check(Handle(), IDC_COMMON_YOUTH, person_->IsYouthPlayer());
    for (int id : PlayerBoxes) ::ShowWindow(GetItem(id), person_->IsPlayer() ? SW_SHOW : SW_HIDE);
    for (int id : PlayerNames) ::EnableWindow(GetItem(id), person_->IsPlayer());
}

void CDlgPlayerAllRight::EnableYouthBox(TDate birthDate)
{
    ::EnableWindow(GetItem(IDC_COMMON_YOUTH), PersonCommonRules::IsYouthBoxEnabled(birthDate));
}

void CDlgPlayerAllRight::ClearFlags()
{
    for (int id : PlayerBoxes) {
        Check(Handle(), id, false);
        ::ShowWindow(GetItem(id), SW_HIDE);
    }
}

void CDlgPlayerAllRight::OnBirthDateEdited() { EnableYouthBox(ShownBirthDate()); }

void CDlgPlayerAllRight::ApplyToPerson()
{
    if (person_ == nullptr) return;
    ApplyTypedNames();
    PersonCommonRules::TView view = PersonCommonRules::Show(*person_);
    view.birthDateEdited = IsBirthDateEdited();
    view.birthDate = ShownBirthDate();
    if (person_->IsPlayer()) {
        view.naturalised = IsChecked(Handle(), IDC_COMMON_NATURALISED);
        view.basque = IsChecked(Handle(), IDC_COMMON_BASQUE);
        view.realPerson = IsChecked(Handle(), IDC_COMMON_REAL_PERSON);
        view.youthChecked = IsChecked(Handle(), IDC_COMMON_YOUTH) && ::IsWindowEnabled(GetItem(IDC_COMMON_YOUTH));
    }
    PersonCommonRules::Store(view, *person_);
    changes_.Clear();
    ApplySubPage();
}

void CDlgPlayerAllRight::OnNationalityChosen()
{
    const std::uint8_t nationality = SelectedCountry(IDC_COMMON_NATIONALITY);
    const std::uint8_t second = SelectedCountry(IDC_COMMON_SECOND_NATIONALITY);
    person_->SetNationality(nationality);
    person_->SetSecondNationality(second);
    PersonCommonRules::SetSpokenLanguages(*person_, CountryLanguage(nationality), second != 0 ? CountryLanguage(second) : 0,
                                          clubLanguage_);
}

void CDlgPlayerAllRight::OnYouthClicked()
{
    const TDate lowest = PersonCommonRules::LowestBirthDate(IsChecked(Handle(), IDC_COMMON_YOUTH));
    birthDate_.SetMinDate(lowest.GetYear(), lowest.GetMonth(), lowest.GetDay());
    RequestStore();
    RequestListUpdate();
}

void CDlgPlayerAllRight::OnNameEdited() { RequestListUpdate(); }

bool CDlgPlayerAllRight::OnOwnCommand(int id, int code)
{
    if (id != IDC_COMMON_YOUTH || code != BN_CLICKED) return false;
    OnYouthClicked();
    return true;
}
