#include "editors/player_staff/DlgPlayerAllRight.h"

#include "app/LedraApp.h"
#include "core/Format.h"
#include "core/TextManager.h"
#include "database/CompleteWorld.h"
#include "database/Country.h"
#include "database/Person.h"
#include "database/WorldList.h"
#include "editors/country_club/DlgChairman.h"
#include "editors/player_staff/DlgManagerAllRight.h"
#include "editors/player_staff/DlgPlayerAllRightSmall.h"
#include "editors/player_staff/DlgStaffAtClub.h"
#include "editors/player_staff/PlayerStaffIds.h"
#include "editors/player_staff/model/PersonCommonRules.h"
#include "win/ComboBox.h"
#include "win/WideText.h"

namespace {

constexpr int NameIds[] = {IDC_COMMON_FIRST_NAME, IDC_COMMON_LAST_NAME, IDC_COMMON_NICKNAME, IDC_COMMON_PSEUDONYM};
constexpr int PlayerBoxes[] = {IDC_COMMON_NATURALISED, IDC_COMMON_BASQUE, IDC_COMMON_REAL_PERSON, IDC_COMMON_YOUTH};
// Sub-pages stand below the person's fields, in dialog units.
constexpr RECT SubPageArea{2, 118, 406, 294};

// Setting an unchanged text would move the caret of the edit being typed in.
void SetTextIfChanged(HWND dialog, int id, const std::u16string& text)
{
    wchar_t current[64] = {};
    ::GetDlgItemTextW(dialog, id, current, 64);
    if (text != win::U(current)) ::SetDlgItemTextW(dialog, id, win::W(text));
}

std::u16string ItemText(HWND dialog, int id)
{
    wchar_t text[64] = {};
    ::GetDlgItemTextW(dialog, id, text, 64);
    return win::U(text);
}

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

CDlgPlayerAllRight::CDlgPlayerAllRight(HWND parent) : CPersonPage(IDD_PLAYER_ALL_RIGHT, parent) {}

CDlgPlayerAllRight::~CDlgPlayerAllRight() = default;

BOOL CDlgPlayerAllRight::OnInitDialog()
{
    CPersonPage::OnInitDialog();
    const int limits[] = {PersonCommonRules::FirstNameLimit, PersonCommonRules::NameLimit, PersonCommonRules::NameLimit,
                          PersonCommonRules::NameLimit};
    for (int i = 0; i < 4; ++i) ::SendDlgItemMessageW(Handle(), NameIds[i], EM_LIMITTEXT, limits[i], 0);
    groupCaption_ = ItemText(Handle(), IDC_COMMON_GROUP);
    birthDate_.SubclassDlgItem(IDC_COMMON_BIRTH_DATE, *this);
    birthDate_.SetNotify(this);
    const TDate lowest = PersonCommonRules::LowestBirthDate(false);
    const TDate highest = PersonCommonRules::HighestBirthDate();
    birthDate_.SetMinDate(lowest.GetYear(), lowest.GetMonth(), lowest.GetDay());
    birthDate_.SetMaxDate(highest.GetYear(), highest.GetMonth(), highest.GetDay());
    win::CComboBox combo;
    combo.Attach(GetItem(IDC_COMMON_NATIONALITY));
    FillCountryCombo(combo, 0, 0);
    combo.Detach();
    combo.Attach(GetItem(IDC_COMMON_SECOND_NATIONALITY));
    FillCountryCombo(combo, 0, 1);
    combo.Detach();

    RECT area = SubPageArea;
    ::MapDialogRect(Handle(), &area);
    summary_ = std::make_unique<CDlgPlayerAllRightSmall>(Handle());
    staffAtClub_ = std::make_unique<CDlgStaffAtClub>(Handle());
    manager_ = std::make_unique<CDlgManagerAllRight>(Handle());
    chairman_ = std::make_unique<CDlgChairman>(Handle());
    summary_->Create(Handle());
    staffAtClub_->Create(Handle());
    manager_->Create(Handle());
    chairman_->Create(Handle());
    for (HWND page : {summary_->Handle(), staffAtClub_->Handle(), manager_->Handle(), chairman_->Handle()}) {
        ::SetWindowPos(page, nullptr, area.left, area.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        ::ShowWindow(page, SW_HIDE);
    }
    return TRUE;
}

void CDlgPlayerAllRight::OnDestroy()
{
    if (summary_) summary_->Destroy();
    if (staffAtClub_) staffAtClub_->Destroy();
    if (manager_) manager_->Destroy();
    if (chairman_) chairman_->Destroy();
    CPersonPage::OnDestroy();
}

void CDlgPlayerAllRight::SetPerson(TPerson* person, TClub*)
{
    person_ = person;
    birthDateEdited_ = false;
    showing_ = true;
    Enable(person != nullptr);
    if (person == nullptr) {
        ClearPage();
    } else {
        ShowNames();
        ShowFlags();
        ShowAge();
    }
    ShowSubPages();
    ShowCaption();
    showing_ = false;
}

void CDlgPlayerAllRight::ShowCaption()
{
    // Administrators see which person they edit.
    const std::u16string caption = person_ != nullptr && IsAdminMode()
                                       ? Format(u"%s (ID: %d)", groupCaption_, person_->GetId())
                                       : groupCaption_;
    SetTextIfChanged(Handle(), IDC_COMMON_GROUP, caption);
}

void CDlgPlayerAllRight::ShowNames()
{
    const char16_t* names[] = {person_->GetFirstName(), person_->GetLastName(), person_->GetNickname(),
                               person_->GetPseudonym()};
    for (int i = 0; i < 4; ++i) SetTextIfChanged(Handle(), NameIds[i], names[i]);
    win::CComboBox combo;
    combo.Attach(GetItem(IDC_COMMON_NATIONALITY));
    combo.SetCurSel(combo.FindItemData(person_->GetNationality()));
    combo.Detach();
    combo.Attach(GetItem(IDC_COMMON_SECOND_NATIONALITY));
    combo.SetCurSel(combo.FindItemData(person_->GetSecondNationality()));
    combo.Detach();
    const TDate birth = person_->GetBirthDate();
    birthDate_.SetDate(birth.GetYear(), birth.GetMonth(), birth.GetDay());
}

void CDlgPlayerAllRight::ShowFlags()
{
    Check(Handle(), IDC_COMMON_NATURALISED, person_->IsNaturalised());
    Check(Handle(), IDC_COMMON_BASQUE, person_->IsBasque());
    Check(Handle(), IDC_COMMON_REAL_PERSON, person_->IsRealPerson());
    Check(Handle(), IDC_COMMON_YOUTH, person_->IsYouthPlayer());
    for (int id : PlayerBoxes) ::ShowWindow(GetItem(id), person_->IsPlayer() ? SW_SHOW : SW_HIDE);
}

void CDlgPlayerAllRight::ShowAge()
{
    const TDate birth(birthDate_.GetYear(), birthDate_.GetMonth(), birthDate_.GetDay());
    const TDate shown = birthDateEdited_ ? birth : person_->GetBirthDate();
    ::SetDlgItemTextW(Handle(), IDC_COMMON_AGE, win::W(CTextManager::Instance()->FormatInt(GetAgeToday(shown))));
    ::EnableWindow(GetItem(IDC_COMMON_YOUTH), PersonCommonRules::IsYouthBoxEnabled(shown));
}

void CDlgPlayerAllRight::ShowSubPages()
{
    // Every sub-page gets the current person, none included, so that none
    // keeps a person who may since have been deleted.
    const int type = person_ != nullptr ? person_->GetType() : -1;
    const bool player = type == PersonPlayer;
    const bool manager = type == PersonManager || type == PersonChairman;
    const bool chairman = type == PersonPresident;
    const bool staff = type > PersonPresident;
    summary_->SetPerson(player ? person_ : nullptr);
    manager_->SetPerson(manager ? person_ : nullptr);
    chairman_->SetPerson(chairman ? person_ : nullptr);
    staffAtClub_->SetPerson(staff ? person_ : nullptr);
    ::ShowWindow(summary_->Handle(), player ? SW_SHOW : SW_HIDE);
    ::ShowWindow(manager_->Handle(), manager ? SW_SHOW : SW_HIDE);
    ::ShowWindow(chairman_->Handle(), chairman ? SW_SHOW : SW_HIDE);
    ::ShowWindow(staffAtClub_->Handle(), staff ? SW_SHOW : SW_HIDE);
    staffAtClubShown_ = staff;
}

void CDlgPlayerAllRight::ClearPage()
{
    for (int id : NameIds) ::SetDlgItemTextW(Handle(), id, L"");
    for (int id : PlayerBoxes) {
        Check(Handle(), id, false);
        ::ShowWindow(GetItem(id), SW_HIDE);
    }
    ::SetDlgItemTextW(Handle(), IDC_COMMON_AGE, L"");
}

std::uint8_t CDlgPlayerAllRight::SelectedCountry(int comboId) const
{
    win::CComboBox combo;
    combo.Attach(GetItem(comboId));
    const LPARAM data = GetComboSelData(combo, -1);
    combo.Detach();
    return static_cast<std::uint8_t>(data);
}

void CDlgPlayerAllRight::ApplyToPerson()
{
    if (person_ == nullptr) return;
    PersonCommonRules::TView view = PersonCommonRules::Show(*person_);
    view.firstName = ItemText(Handle(), IDC_COMMON_FIRST_NAME);
    view.lastName = ItemText(Handle(), IDC_COMMON_LAST_NAME);
    view.nickname = ItemText(Handle(), IDC_COMMON_NICKNAME);
    view.pseudonym = ItemText(Handle(), IDC_COMMON_PSEUDONYM);
    view.birthDateEdited = birthDateEdited_;
    view.birthDate = TDate(birthDate_.GetYear(), birthDate_.GetMonth(), birthDate_.GetDay());
    if (person_->IsPlayer()) {
        view.naturalised = IsChecked(Handle(), IDC_COMMON_NATURALISED);
        view.basque = IsChecked(Handle(), IDC_COMMON_BASQUE);
        view.realPerson = IsChecked(Handle(), IDC_COMMON_REAL_PERSON);
        view.youthChecked = IsChecked(Handle(), IDC_COMMON_YOUTH) && ::IsWindowEnabled(GetItem(IDC_COMMON_YOUTH));
    }
    PersonCommonRules::Store(view, *person_);
    birthDateEdited_ = false;
    if (staffAtClubShown_) staffAtClub_->ApplyToPerson();
}

void CDlgPlayerAllRight::OnChange(void* sender)
{
    if (sender != &birthDate_ || showing_ || person_ == nullptr) return;
    birthDateEdited_ = true;
    ShowAge();
}

void CDlgPlayerAllRight::OnNationalityChanged()
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

bool CDlgPlayerAllRight::OnCommand(int id, int code, HWND control)
{
    if (person_ == nullptr || showing_ || IsExchanging()) return false;
    if ((id == IDC_COMMON_LAST_NAME || id == IDC_COMMON_FIRST_NAME) && code == EN_CHANGE) {
        RequestListUpdate();
        return true;
    }
    if ((id == IDC_COMMON_NATIONALITY || id == IDC_COMMON_SECOND_NATIONALITY) && code == CBN_SELCHANGE) {
        OnNationalityChanged();
        return true;
    }
    if (id == IDC_COMMON_YOUTH && code == BN_CLICKED) {
        OnYouthClicked();
        return true;
    }
    return false;
}
