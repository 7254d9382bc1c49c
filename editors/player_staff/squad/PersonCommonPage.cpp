#include "editors/player_staff/squad/PersonCommonPage.h"

#include <algorithm>
#include <iterator>

#include "core/text/TextManager.h"
#include "database/person/Person.h"
#include "editors/country_club/club/DlgChairman.h"
#include "editors/player_staff/staff/DlgManagerAllRight.h"
#include "editors/player_staff/squad/DlgPlayerAllRightSmall.h"
#include "editors/player_staff/staff/DlgStaffAtClub.h"
#include "editors/player_staff/PlayerStaffIds.h"
#include "editors/player_staff/model/squad/PersonCommonRules.h"
#include "resources/ClubEditorIds.h"
#include "ui/base/PageWidening.h"
#include "win/ComboBox.h"
#include "win/WideText.h"

namespace {

constexpr int NameIds[] = {IDC_COMMON_FIRST_NAME, IDC_COMMON_LAST_NAME, IDC_COMMON_NICKNAME, IDC_COMMON_PSEUDONYM};

// The staff sub-pages are laid out for the narrow host of the country
// editor; a wider host gives their frames, names and tactic the extra width.
constexpr int ManagerGrowing[] = {IDC_MANAGER_GROUP, IDC_MANAGER_FAVOURITE_CLUB, IDC_MANAGER_DISLIKED_CLUB,
                                  IDC_MANAGER_FAVOURITE_PLAYER, IDC_MANAGER_TACTIC};
constexpr int ManagerMoving[] = {IDC_MANAGER_CHOOSE_FAVOURITE_CLUB, IDC_MANAGER_CHOOSE_DISLIKED_CLUB,
                                 IDC_MANAGER_CHOOSE_FAVOURITE_PLAYER};
constexpr int StaffGrowing[] = {IDC_STAFF_GROUP};
constexpr int ChairmanGrowing[] = {IDC_CHAIRMAN_GROUP, IDC_CHAIRMAN_VALUE};

bool IsNameId(int id)
{
    return std::find(std::begin(NameIds), std::end(NameIds), id) != std::end(NameIds);
}

void SelectByData(HWND combo, LPARAM data)
{
    win::CComboBox box;
    box.Attach(combo);
    box.SetCurSel(box.FindItemData(data));
    box.Detach();
}

}  // namespace

CPersonCommonPage::CPersonCommonPage(UINT templateId, HWND parent) : CPersonPage(templateId, parent) {}

CPersonCommonPage::~CPersonCommonPage() = default;

void CPersonCommonPage::SetPerson(TPerson* person, TClub*)
{
    person_ = person;
    changes_.BeginShowing();
    Enable(person != nullptr);
    // With only the page disabled its edits look open to typing, and one may
    // keep the keyboard focus; with nobody shown a typed name has no person
    // to go to.
    for (int id : NameIds) ::EnableWindow(GetItem(id), person != nullptr);
    if (person == nullptr) {
        ClearNames();
    } else {
        ShowNames();
        ShowAge(person->GetBirthDate());
    }
    ShowSubPages();
    ShowOwnFields();
    changes_.EndShowing();
}

bool CPersonCommonPage::OnCommand(int id, int code, HWND)
{
    if (person_ == nullptr || changes_.IsShowing() || IsExchanging()) return false;
    if (IsNameId(id) && code == EN_CHANGE) changes_.Note(GetItem(id));
    if ((id == IDC_COMMON_LAST_NAME || id == IDC_COMMON_FIRST_NAME) && code == EN_CHANGE) {
        OnNameEdited();
        return true;
    }
    if ((id == IDC_COMMON_NATIONALITY || id == IDC_COMMON_SECOND_NATIONALITY) && code == CBN_SELCHANGE) {
        OnNationalityChosen();
        return true;
    }
    return OnOwnCommand(id, code);
}

void CPersonCommonPage::InitCommonControls(const TLayout& layout)
{
    const int limits[] = {layout.firstNameLimit, PersonCommonRules::NameLimit, PersonCommonRules::NameLimit,
                          PersonCommonRules::NameLimit};
    for (int i = 0; i < 4; ++i) ::SendDlgItemMessageW(Handle(), NameIds[i], EM_LIMITTEXT, limits[i], 0);
    birthDate_.SubclassDlgItem(IDC_COMMON_BIRTH_DATE, *this);
    birthDate_.SetNotify(this);
    birthDate_.SetMinDate(layout.lowestBirthDate.GetYear(), layout.lowestBirthDate.GetMonth(), layout.lowestBirthDate.GetDay());
    birthDate_.SetMaxDate(layout.highestBirthDate.GetYear(), layout.highestBirthDate.GetMonth(),
                          layout.highestBirthDate.GetDay());
    win::CComboBox combo;
    combo.Attach(GetItem(IDC_COMMON_NATIONALITY));
    FillCountryCombo(combo, 0, 0);
    combo.Detach();
    combo.Attach(GetItem(IDC_COMMON_SECOND_NATIONALITY));
    FillCountryCombo(combo, 0, 1);
    combo.Detach();

    RECT area{layout.subPageOrigin.x, layout.subPageOrigin.y, layout.subPageOrigin.x, layout.subPageOrigin.y};
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
    WidenSubPages(layout.subPageOrigin.x);
}

void CPersonCommonPage::WidenSubPages(int originX)
{
    // As wide as the page leaves them, with the origin's margin on either
    // side, reckoned in dialog units as the page's own fields are.
    RECT unit{0, 0, 4, 8};
    ::MapDialogRect(Handle(), &unit);
    RECT span{originX, 0, ::MulDiv(GetClientRect().right, 4, unit.right) - originX, 0};
    ::MapDialogRect(Handle(), &span);
    const int width = span.right - span.left;
    WidenPage(manager_->Handle(), width, {ManagerGrowing, ManagerMoving});
    WidenPage(staffAtClub_->Handle(), width, {StaffGrowing, {}});
    WidenPage(chairman_->Handle(), width, {ChairmanGrowing, {}});
}

void CPersonCommonPage::OnDestroy()
{
    if (summary_) summary_->Destroy();
    if (staffAtClub_) staffAtClub_->Destroy();
    if (manager_) manager_->Destroy();
    if (chairman_) chairman_->Destroy();
    CPersonPage::OnDestroy();
}

void CPersonCommonPage::ShowNames()
{
    const char16_t* names[] = {person_->GetFirstName(), person_->GetLastName(), person_->GetNickname(),
                               person_->GetPseudonym()};
    for (int i = 0; i < 4; ++i) SetTextIfChanged(NameIds[i], names[i]);
    SelectByData(GetItem(IDC_COMMON_NATIONALITY), person_->GetNationality());
    SelectByData(GetItem(IDC_COMMON_SECOND_NATIONALITY), person_->GetSecondNationality());
    const TDate birth = person_->GetBirthDate();
    birthDate_.SetDate(birth.GetYear(), birth.GetMonth(), birth.GetDay());
}

void CPersonCommonPage::ShowAge(TDate birthDate)
{
    ::SetDlgItemTextW(Handle(), IDC_COMMON_AGE, win::W(CTextManager::Instance()->FormatInt(GetAgeToday(birthDate))));
}

void CPersonCommonPage::ShowSubPages()
{
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

void CPersonCommonPage::ClearNames()
{
    for (int id : NameIds) ::SetDlgItemTextW(Handle(), id, L"");
    ::SetDlgItemTextW(Handle(), IDC_COMMON_AGE, L"");
}

std::u16string CPersonCommonPage::ItemText(int id) const
{
    wchar_t text[64] = {};
    ::GetDlgItemTextW(Handle(), id, text, 64);
    return win::U(text);
}

void CPersonCommonPage::SetTextIfChanged(int id, const std::u16string& text)
{
    // Setting an unchanged text would move the caret of the edit being typed in.
    if (text != ItemText(id)) ::SetDlgItemTextW(Handle(), id, win::W(text));
}

TDate CPersonCommonPage::ShownBirthDate()
{
    return TDate(birthDate_.GetYear(), birthDate_.GetMonth(), birthDate_.GetDay());
}

std::uint8_t CPersonCommonPage::SelectedCountry(int comboId) const
{
    win::CComboBox combo;
    combo.Attach(GetItem(comboId));
    const LPARAM data = GetComboSelData(combo, -1);
    combo.Detach();
    return static_cast<std::uint8_t>(data);
}

void CPersonCommonPage::ApplyTypedNames()
{
    using Setter = void (TPerson::*)(const char16_t*);
    const Setter setters[] = {&TPerson::SetFirstName, &TPerson::SetLastName, &TPerson::SetNickname,
                              &TPerson::SetPseudonym};
    for (int i = 0; i < 4; ++i) {
        const HWND edit = GetItem(NameIds[i]);
        if (changes_.Has(edit) && ::IsWindowEnabled(edit)) (person_->*setters[i])(ItemText(NameIds[i]).c_str());
    }
}

void CPersonCommonPage::ApplySubPage()
{
    if (staffAtClubShown_) staffAtClub_->ApplyToPerson();
}

void CPersonCommonPage::OnChange(void* sender)
{
    if (sender != &birthDate_ || changes_.IsShowing() || person_ == nullptr) return;
    changes_.Note(&birthDate_);
    ShowAge(ShownBirthDate());
    OnBirthDateEdited();
}
