#include "editors/player_staff/squad/DlgPlayerContract.h"

#include <optional>
#include <string>

#include "database/person/Person.h"
#include "editors/player_staff/search/ClubChoice.h"
#include "editors/player_staff/PlayerStaffIds.h"
#include "ui/base/ScrollBarTools.h"
#include "win/ComboBox.h"
#include "win/WideText.h"

namespace {

using M = ContractPageModel;

constexpr int MaxAmount = 99999999;
constexpr int MaxBan = 20;

struct TGroupControls {
    unsigned group;
    int ids[3];
};
constexpr TGroupControls Groups[] = {
    {M::FirstDateGroup, {IDC_CONTRACT_FIRST_DATE_LABEL, IDC_CONTRACT_FIRST_DATE, 0}},
    {M::SecondDateGroup, {IDC_CONTRACT_SECOND_DATE_LABEL, IDC_CONTRACT_SECOND_DATE, 0}},
    {M::OtherClubGroup, {IDC_CONTRACT_STATE_LABEL, IDC_CONTRACT_OTHER_CLUB, IDC_CONTRACT_CHOOSE_OTHER}},
    {M::FeeGroup, {IDC_CONTRACT_FEE_LABEL, IDC_CONTRACT_FEE, 0}},
    {M::FeeBox, {IDC_CONTRACT_FEE_SET, 0, 0}},
    {M::BanGroup, {IDC_CONTRACT_BAN_LABEL, IDC_CONTRACT_BAN, 0}},
    {M::CallOptionGroup, {IDC_CONTRACT_CALL_OPTION_LABEL, IDC_CONTRACT_CALL_OPTION, 0}},
};

bool IsChecked(HWND dialog, int id)
{
    return ::IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

}  // namespace

CDlgPlayerContract::CDlgPlayerContract(HWND parent) : CPersonPage(IDD_PLAYER_CONTRACT, parent) {}

BOOL CDlgPlayerContract::OnInitDialog()
{
    CPersonPage::OnInitDialog();
    salary_.SubclassDlgItem(IDC_CONTRACT_SALARY, *this);
    value_.SubclassDlgItem(IDC_CONTRACT_VALUE, *this);
    fee_.SubclassDlgItem(IDC_CONTRACT_FEE, *this);
    callOption_.SubclassDlgItem(IDC_CONTRACT_CALL_OPTION, *this);
    ban_.SubclassDlgItem(IDC_CONTRACT_BAN, *this);
    for (auto* amount : {&salary_, &value_, &fee_, &callOption_}) amount->SetRange(0, MaxAmount);
    ban_.SetRange(0, MaxBan);
    for (auto* spin : {&salary_, &value_, &fee_, &callOption_, &ban_}) spin->SetNotify(this);
    callOption_.SetSpecialValue(0, GetText(u"Dialog.Player.Contract.GeneratedOption"_tk));
    firstDate_.SubclassDlgItem(IDC_CONTRACT_FIRST_DATE, *this);
    secondDate_.SubclassDlgItem(IDC_CONTRACT_SECOND_DATE, *this);
    firstDate_.SetMinDate(2002, 1, 1);
    firstDate_.SetMaxDate(2009, 12, 31);
    secondDate_.SetMinDate(2005, 1, 1);
    secondDate_.SetMaxDate(2012, 12, 31);
    firstDate_.SetNotify(this);
    secondDate_.SetNotify(this);
    win::CComboBox combo;
    combo.Attach(GetItem(IDC_CONTRACT_STATE));
    for (int state = 0; state < M::StateCount; ++state) AddComboItem(combo, GetText(M::StateKey(state)), state);
    combo.Detach();
    combo.Attach(GetItem(IDC_CONTRACT_FAVOURITE_COUNTRY));
    FillCountryCombo(combo, 0, 2);
    combo.Detach();
    ::SetScrollRange(GetItem(IDC_CONTRACT_YEAR_BAR), SB_CTL, M::FirstContractYear(), M::LastContractYear(), FALSE);
    return TRUE;
}

void CDlgPlayerContract::SetDate(Halvane::MFC::CDateCtrl& control, TDate date)
{
    control.SetDate(date.GetYear(), date.GetMonth(), date.GetDay());
}

TDate CDlgPlayerContract::DateOf(Halvane::MFC::CDateCtrl& control)
{
    return TDate(control.GetYear(), control.GetMonth(), control.GetDay());
}

void CDlgPlayerContract::SetPerson(TPerson* person, TClub*)
{
    person_ = person;
    changes_.BeginShowing();
    Enable(person != nullptr);
    if (person != nullptr) {
        const M::TView view = M::Show(*person);
        salary_.SetValue(static_cast<int>(std::min<std::uint32_t>(view.salary, MaxAmount)));
        value_.SetValue(static_cast<int>(std::min<std::uint32_t>(view.transferValue, MaxAmount)));
        ::CheckDlgButton(Handle(), IDC_CONTRACT_CLUB_OPTION, view.clubOption ? BST_CHECKED : BST_UNCHECKED);
        ::CheckDlgButton(Handle(), IDC_CONTRACT_PLAYER_OPTION, view.playerOption ? BST_CHECKED : BST_UNCHECKED);
        ::SetDlgItemTextW(Handle(), IDC_CONTRACT_FAVOURITE_CLUB, win::W(M::ClubName(person->GetFavouriteClub())));
        ::SetDlgItemTextW(Handle(), IDC_CONTRACT_DISLIKED_CLUB, win::W(M::ClubName(person->GetDislikedClub())));
        ::SetDlgItemTextW(Handle(), IDC_CONTRACT_OTHER_CLUB, win::W(M::ClubName(person->GetTransferClub())));
        win::CComboBox combo;
        combo.Attach(GetItem(IDC_CONTRACT_FAVOURITE_COUNTRY));
        combo.SetCurSel(combo.FindItemData(view.favouriteCountry));
        combo.Detach();
        combo.Attach(GetItem(IDC_CONTRACT_STATE));
        combo.SetCurSel(combo.FindItemData(view.state));
        combo.Detach();
        SetDate(firstDate_, view.firstDate);
        SetDate(secondDate_, view.secondDate);
        callOption_.SetValue(view.callOption);
        ban_.SetValue(view.banMatches);
        ShowFee(view.state, view.fee, view.feeChecked);
        ShowState(view.state);
        ShowYear();
    }
    changes_.EndShowing();
}

int CDlgPlayerContract::SelectedState() const
{
    win::CComboBox combo;
    combo.Attach(GetItem(IDC_CONTRACT_STATE));
    const LPARAM state = GetComboSelData(combo, person_ != nullptr ? person_->GetTransferState() : 0);
    combo.Detach();
    return static_cast<int>(state);
}

void CDlgPlayerContract::ShowState(int state)
{
    const unsigned shown = M::GroupsOf(state);
    for (const TGroupControls& group : Groups) {
        for (int id : group.ids) {
            if (id != 0) ::ShowWindow(GetItem(id), (shown & group.group) != 0 ? SW_SHOW : SW_HIDE);
        }
    }
    ::SetDlgItemTextW(Handle(), IDC_CONTRACT_STATE_LABEL, win::W(GetText(M::StateKey(state))));
    ::SetDlgItemTextW(Handle(), IDC_CONTRACT_FEE_LABEL, win::W(GetText(M::FeeLabelKey(state))));
}

void CDlgPlayerContract::ShowFee(int state, std::int32_t fee, bool feeSet)
{
    const bool loan = (M::GroupsOf(state) & M::FeeBox) != 0;
    if (loan) {
        fee_.SetSpecialValue(0, GetText(u"Dialog.Player.Contract.GeneratedOption"_tk));
        ::CheckDlgButton(Handle(), IDC_CONTRACT_FEE_SET, feeSet ? BST_CHECKED : BST_UNCHECKED);
        fee_.Enable(feeSet);
        if (feeSet) fee_.SetValue(M::ShownFee(fee));
        else ::SetWindowTextW(fee_.Handle(), L"");
        return;
    }
    fee_.ClearSpecialValue();
    fee_.Enable(true);
    fee_.SetValue(std::max(fee, 0));
}

void CDlgPlayerContract::ShowYear()
{
    const int year = person_->GetContractUntil();
    SetInvertedScrollValue(GetItem(IDC_CONTRACT_YEAR_BAR), year);
    const std::u16string text = M::IsRandomContractYear(year) ? GetText(u"Dialog.Player.Contract.RandomAtGameStart"_tk)
                                                             : win::U(std::to_wstring(year).c_str());
    ::SetDlgItemTextW(Handle(), IDC_CONTRACT_YEAR, win::W(text));
}

void CDlgPlayerContract::ApplyToPerson()
{
    if (person_ == nullptr) return;
    M::TView view;
    view.salary = static_cast<std::uint32_t>(changes_.ValueOr(salary_, person_->GetSalary()));
    view.transferValue = static_cast<std::uint32_t>(changes_.ValueOr(value_, person_->GetTransferValue()));
    view.clubOption = IsChecked(Handle(), IDC_CONTRACT_CLUB_OPTION);
    view.playerOption = IsChecked(Handle(), IDC_CONTRACT_PLAYER_OPTION);
    win::CComboBox combo;
    combo.Attach(GetItem(IDC_CONTRACT_FAVOURITE_COUNTRY));
    view.favouriteCountry = static_cast<std::uint8_t>(GetComboSelData(combo, person_->GetFavouriteCountry()));
    combo.Detach();
    view.state = SelectedState();
    view.firstDate = DateOf(firstDate_);
    view.secondDate = DateOf(secondDate_);
    view.firstDateEdited = changes_.Has(&firstDate_);
    view.secondDateEdited = changes_.Has(&secondDate_);
    view.feeChecked = IsChecked(Handle(), IDC_CONTRACT_FEE_SET);
    view.fee = static_cast<std::int32_t>(changes_.ValueOr(fee_, person_->GetTransferFee()));
    view.callOption = static_cast<std::int32_t>(changes_.ValueOr(callOption_, person_->GetCallOption()));
    view.banMatches = static_cast<int>(changes_.ValueOr(ban_, person_->GetBanLength()));
    M::Store(view, *person_);
    changes_.Clear();
}

void CDlgPlayerContract::OnChange(void* sender)
{
    changes_.Note(sender);
}

bool CDlgPlayerContract::ChooseClub(int button)
{
    struct TClubButton {
        int button;
        int shownIn;
        bool dashWithoutCountry;
        std::uint32_t (TPerson::*get)() const;
        void (TPerson::*set)(std::uint32_t);
    };
    static constexpr TClubButton Buttons[] = {
        {IDC_CONTRACT_CHOOSE_FAVOURITE, IDC_CONTRACT_FAVOURITE_CLUB, true, &TPerson::GetFavouriteClub,
         &TPerson::SetFavouriteClub},
        {IDC_CONTRACT_CHOOSE_DISLIKED, IDC_CONTRACT_DISLIKED_CLUB, true, &TPerson::GetDislikedClub,
         &TPerson::SetDislikedClub},
        {IDC_CONTRACT_CHOOSE_OTHER, IDC_CONTRACT_OTHER_CLUB, false, &TPerson::GetTransferClub,
         &TPerson::SetTransferClub}};
    for (const TClubButton& entry : Buttons) {
        if (entry.button != button) continue;
        // The picker's OK stores what it gives: no club clears the entry.
        const std::optional<std::uint32_t> chosen = PickClubFrom(Handle(), (person_->*entry.get)());
        if (!chosen) return true;
        (person_->*entry.set)(*chosen);
        ::SetDlgItemTextW(Handle(), entry.shownIn, win::W(M::PickedClubName(*chosen, entry.dashWithoutCountry)));
        return true;
    }
    return false;
}

bool CDlgPlayerContract::OnCommand(int id, int code, HWND control)
{
    if (person_ == nullptr || changes_.IsShowing()) return false;
    if (code == BN_CLICKED && ChooseClub(id)) return true;
    if (id == IDC_CONTRACT_STATE && code == CBN_SELCHANGE) {
        const int state = SelectedState();
        // The fee spin shows the stored fee again, as if the person were shown anew.
        ShowFee(state, person_->GetTransferFee(), person_->GetTransferFee() != 0);
        changes_.Forget(&fee_);
        ShowState(state);
        return true;
    }
    if (id == IDC_CONTRACT_FEE_SET && code == BN_CLICKED) {
        const bool set = IsChecked(Handle(), IDC_CONTRACT_FEE_SET);
        fee_.Enable(set);
        if (set) fee_.UpdateFromText();
        else ::SetWindowTextW(fee_.Handle(), L"");
        return true;
    }
    return false;
}

bool CDlgPlayerContract::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_VSCROLL && reinterpret_cast<HWND>(lParam) == GetItem(IDC_CONTRACT_YEAR_BAR) && person_ != nullptr) {
        const int year = HandleInvertedScrollBar(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        person_->SetContractUntil(static_cast<std::uint16_t>(year));
        ShowYear();
        result = 0;
        return true;
    }
    return CPersonPage::OnMessage(message, wParam, lParam, result);
}
