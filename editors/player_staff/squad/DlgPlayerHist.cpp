#include "editors/player_staff/squad/DlgPlayerHist.h"

#include <algorithm>

#include "database/club/Club.h"
#include "database/person/Person.h"
#include "database/world/WorldList.h"
#include "editors/player_staff/search/ClubChoice.h"
#include "editors/player_staff/PlayerStaffIds.h"
#include "editors/player_staff/model/squad/HistoryPageModel.h"
#include "win/WideText.h"

namespace {

using Halvane::MFC::CHVListCtrl;

using Halvane::MFC::TListColumn;
constexpr int None = CHVListCtrl::NoSortType;
const TListColumn Columns[] = {
    {u"Common.Club"_tk, LVCFMT_LEFT, 7, {0, 1, None}},
    {u"Dialog.Player.History.EntryStart"_tk, LVCFMT_LEFT, 4, {1, 2, None}},
    {u"Dialog.Player.History.EntryEnd"_tk, LVCFMT_LEFT, 4, {2, 1, None}},
    {u"Dialog.Player.History.MatchCount"_tk, LVCFMT_RIGHT, 4, {3, 4, None}},
    {u"Dialog.Player.History.GoalCount"_tk, LVCFMT_RIGHT, 4, {4, 3, None}},
    {u"Dialog.Player.History.TransferFee"_tk, LVCFMT_RIGHT, 6, {5, 0, None}},
};
constexpr int CountIds[4] = {IDC_HISTORY_MATCHES, IDC_HISTORY_RESERVE_MATCHES, IDC_HISTORY_GOALS_FIRST,
                             IDC_HISTORY_GOALS_RESERVE};
constexpr int EntryControls[] = {IDC_HISTORY_CHOOSE_CLUB, IDC_HISTORY_START, IDC_HISTORY_END, IDC_HISTORY_OPEN,
                                 IDC_HISTORY_MATCHES, IDC_HISTORY_RESERVE_MATCHES, IDC_HISTORY_GOALS_FIRST,
                                 IDC_HISTORY_GOALS_RESERVE, IDC_HISTORY_LOAN, IDC_HISTORY_FEE};
constexpr int FirstJoinYear = 1980;
constexpr int MaxCount = 999;
constexpr int MaxFee = 999999999;

int ReferenceYear()
{
    return GetReferenceDay().GetYear();
}

void SetDate(Halvane::MFC::CDateCtrl& control, TDate date)
{
    control.SetDate(date.GetYear(), date.GetMonth(), date.GetDay());
}

TDate DateOf(Halvane::MFC::CDateCtrl& control)
{
    return TDate(control.GetYear(), control.GetMonth(), control.GetDay());
}

bool IsChecked(HWND dialog, int id)
{
    return ::IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

}  // namespace

CDlgPlayerHist::CDlgPlayerHist(HWND parent) : CPersonPage(IDD_PLAYER_HISTORY, parent) {}

BOOL CDlgPlayerHist::OnInitDialog()
{
    CPersonPage::OnInitDialog();
    joined_.SubclassDlgItem(IDC_HISTORY_JOINED, *this);
    joined_.SetFlags(Halvane::MFC::CSpinEditCtrl::PlainDigits);
    joined_.SetRange(FirstJoinYear, ReferenceYear());
    appearances_.SubclassDlgItem(IDC_HISTORY_APPEARANCES, *this);
    appearances_.SetRange(0, 255);
    goals_.SubclassDlgItem(IDC_HISTORY_GOALS, *this);
    goals_.SetRange(0, 255);
    for (int i = 0; i < 4; ++i) {
        counts_[i].SubclassDlgItem(CountIds[i], *this);
        counts_[i].SetRange(0, MaxCount);
    }
    fee_.SubclassDlgItem(IDC_HISTORY_FEE, *this);
    fee_.SetRange(0, MaxFee);
    fee_.SetAcceleration(10000, 25000, 50000);
    start_.SubclassDlgItem(IDC_HISTORY_START, *this);
    end_.SubclassDlgItem(IDC_HISTORY_END, *this);
    start_.SetMinDate(1980, 1, 1);
    start_.SetMaxDate(ReferenceYear() + 1, 1, 1);
    end_.SetMinDate(1980, 1, 1);
    end_.SetMaxDate(ReferenceYear() + 5, 1, 1);
    start_.SetNotify(this);
    end_.SetNotify(this);
    list_.SubclassDlgItem(IDC_HISTORY_LIST, *this);
    AddListColumns(list_, Columns);
    list_.SetSortHandler(this);
    list_.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    list_.AutoSizeColumns(true);
    list_.Sort(1, true);
    return TRUE;
}

void CDlgPlayerHist::SetPerson(TPerson* person, TClub*)
{
    person_ = person;
    entry_ = -1;
    showing_ = true;
    Enable(person != nullptr);
    if (person != nullptr) {
        joined_.SetValue(person->GetYearJoined());
        shownJoined_ = joined_.GetValue();
        appearances_.SetValue(person->GetNationalAppearances());
        goals_.SetValue(person->GetNationalGoals());
        ::CheckDlgButton(Handle(), IDC_HISTORY_IN_SQUAD, person->IsInNationalTeam() ? BST_CHECKED : BST_UNCHECKED);
        ::CheckDlgButton(Handle(), IDC_HISTORY_EXCLUDED,
                         person->IsExcludedFromNationalTeam() ? BST_CHECKED : BST_UNCHECKED);
    }
    Refill(-1);
    showing_ = false;
}

int CDlgPlayerHist::RowOfEntry(int entry) const
{
    for (int row = 0; row < list_.GetItemCount(); ++row) {
        if (list_.GetItemData(row) == entry) return row;
    }
    return -1;
}

void CDlgPlayerHist::Refill(int wanted)
{
    StoreEntry();
    entry_ = wanted;
    const bool wasShowing = showing_;
    showing_ = true;
    list_.SetRedraw(false);
    list_.DeleteAllItems();
    const int count = person_ != nullptr ? person_->GetHistoryCount() : 0;
    for (int entry = 0; entry < count; ++entry) {
        const int row = list_.InsertItem(u"", entry);
        if (row >= 0) WriteRow(row, entry);
    }
    list_.Resort();
    list_.SetRedraw(true);
    int row = RowOfEntry(entry_);
    if (row < 0) row = list_.GetItemCount() - 1;
    if (row >= 0) {
        // The selection change shows the entry.
        list_.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        list_.EnsureVisible(row);
        entry_ = static_cast<int>(list_.GetItemData(row));
    } else {
        entry_ = -1;
    }
    showing_ = wasShowing;
    ShowEntry();
    ShowTotals();
}

void CDlgPlayerHist::WriteRow(int row, int entry)
{
    const THistoryEntry& e = person_->GetHistoryEntry(entry);
    list_.SetItemText(row, 0, GetClubDisplayName(e.clubId).c_str());
    list_.SetItemText(row, 1, HistoryPageModel::DateText(e.start).c_str());
    list_.SetItemText(row, 2, HistoryPageModel::EndText(e).c_str());
    list_.SetItemText(row, 3, HistoryPageModel::MatchGoalText(e.matches, e.reserveMatches).c_str());
    list_.SetItemText(row, 4, HistoryPageModel::MatchGoalText(e.goals, e.reserveGoals).c_str());
    list_.SetItemText(row, 5, HistoryPageModel::FeeText(e).c_str());
}

void CDlgPlayerHist::ShowTotals()
{
    const HistoryPageModel::TTotals totals =
        person_ != nullptr ? HistoryPageModel::Totals(*person_) : HistoryPageModel::TTotals{};
    ::SetDlgItemInt(Handle(), IDC_HISTORY_TOTAL_MATCHES, static_cast<UINT>(totals.matches), FALSE);
    ::SetDlgItemInt(Handle(), IDC_HISTORY_TOTAL_GOALS, static_cast<UINT>(totals.goals), FALSE);
}

void CDlgPlayerHist::ShowEntry()
{
    const bool edited = person_ != nullptr && entry_ >= 0;
    for (int id : EntryControls) ::EnableWindow(GetItem(id), edited);
    startEdited_ = false;
    endEdited_ = false;
    if (!edited) {
        ::SetDlgItemTextW(Handle(), IDC_HISTORY_CLUB, L"");
        return;
    }
    const bool wasShowing = showing_;
    showing_ = true;
    const HistoryPageModel::TEntryView view = HistoryPageModel::ShowEntry(person_->GetHistoryEntry(entry_));
    ::SetDlgItemTextW(Handle(), IDC_HISTORY_CLUB, win::W(GetClubDisplayName(person_->GetHistoryEntry(entry_).clubId)));
    SetDate(start_, view.start);
    SetDate(end_, view.end);
    const int counts[4] = {view.matches, view.reserveMatches, view.goals, view.reserveGoals};
    for (int i = 0; i < 4; ++i) counts_[i].SetValue(counts[i]);
    ::CheckDlgButton(Handle(), IDC_HISTORY_LOAN, view.loan ? BST_CHECKED : BST_UNCHECKED);
    ::CheckDlgButton(Handle(), IDC_HISTORY_OPEN, view.open ? BST_CHECKED : BST_UNCHECKED);
    fee_.SetValue(static_cast<int>(std::min<std::uint32_t>(view.fee, MaxFee)));
    ::EnableWindow(GetItem(IDC_HISTORY_END), !view.open);
    showing_ = wasShowing;
}

void CDlgPlayerHist::StoreEntry()
{
    if (person_ == nullptr || entry_ < 0 || entry_ >= person_->GetHistoryCount()) return;
    THistoryEntry entry = person_->GetHistoryEntry(entry_);
    HistoryPageModel::TEntryView view = HistoryPageModel::ShowEntry(entry);
    view.start = DateOf(start_);
    view.end = DateOf(end_);
    view.startEdited = startEdited_;
    view.endEdited = endEdited_;
    // A count the spin shows clamped stays as stored.
    int* counts[4] = {&view.matches, &view.reserveMatches, &view.goals, &view.reserveGoals};
    for (int i = 0; i < 4; ++i) {
        if (*counts[i] <= MaxCount || counts_[i].GetValue() != MaxCount) *counts[i] = counts_[i].GetValue();
    }
    view.loan = IsChecked(Handle(), IDC_HISTORY_LOAN);
    view.open = IsChecked(Handle(), IDC_HISTORY_OPEN);
    if (view.fee <= MaxFee || fee_.GetValue() != MaxFee) view.fee = static_cast<std::uint32_t>(fee_.GetValue());
    HistoryPageModel::StoreEntry(view, entry);
    person_->SetHistoryEntry(entry_, entry);
    const int row = RowOfEntry(entry_);
    if (row >= 0) WriteRow(row, entry_);
    ShowTotals();
}

void CDlgPlayerHist::ApplyToPerson()
{
    if (person_ == nullptr) return;
    person_->SetExcludedFromNationalTeam(IsChecked(Handle(), IDC_HISTORY_EXCLUDED));
    person_->SetInNationalTeam(IsChecked(Handle(), IDC_HISTORY_IN_SQUAD));
    // A year the spin shows clamped stays as stored.
    if (joined_.GetValue() != shownJoined_) person_->SetYearJoined(static_cast<std::uint16_t>(joined_.GetValue()));
    person_->SetNationalTeamRecord(static_cast<std::uint8_t>(appearances_.GetValue()),
                                   static_cast<std::uint8_t>(goals_.GetValue()));
    HistoryPageModel::RaiseInternationalExperience(*person_);
    StoreEntry();
}

void CDlgPlayerHist::OnChange(void* sender)
{
    if (showing_) return;
    if (sender == &start_) startEdited_ = true;
    if (sender == &end_) endEdited_ = true;
}

int CDlgPlayerHist::Compare(int sortType, LPARAM item1, LPARAM item2)
{
    if (person_ == nullptr) return 0;
    return HistoryPageModel::Compare(GetWorld(), sortType, person_->GetHistoryEntry(static_cast<int>(item1)),
                                     person_->GetHistoryEntry(static_cast<int>(item2)));
}

void CDlgPlayerHist::AddEntry()
{
    if (person_ == nullptr) return;
    StoreEntry();
    entry_ = -1;
    const bool added = HistoryPageModel::AddNewEntry(*person_);
    Refill(added ? person_->GetHistoryCount() - 1 : -1);
}

void CDlgPlayerHist::DeleteSelectedEntry()
{
    const int row = static_cast<int>(list_.Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    if (person_ == nullptr || row < 0) return;
    StoreEntry();
    entry_ = -1;
    person_->RemoveHistoryEntry(static_cast<int>(list_.GetItemData(row)));
    Refill(-1);
}

void CDlgPlayerHist::ChooseEntryClub()
{
    if (person_ == nullptr || entry_ < 0 || entry_ >= person_->GetHistoryCount()) return;
    const std::uint32_t current = person_->GetHistoryEntry(entry_).clubId;
    const std::uint32_t chosen = ChooseClubFrom(Handle(), TeamCountry(current) != 0 ? current : 0, false);
    if (chosen == 0) return;
    // What was typed into the entry stays; the list may sort it elsewhere now.
    StoreEntry();
    THistoryEntry entry = person_->GetHistoryEntry(entry_);
    entry.clubId = chosen;
    person_->SetHistoryEntry(entry_, entry);
    Refill(entry_);
}

void CDlgPlayerHist::ShowContextMenu()
{
    HMENU menu = GetListCtrlContextMenu(list_, IDR_PLAYER_HISTORY_MENU, 0);
    if (menu == nullptr) return;
    TranslateMenu(menu);
    const bool selected = list_.Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED) >= 0;
    ::EnableMenuItem(menu, ID_HISTORY_DELETE_ENTRY, MF_BYCOMMAND | (selected ? MF_ENABLED : MF_GRAYED));
    TrackContextMenu(menu);
}

bool CDlgPlayerHist::OnCommand(int id, int code, HWND control)
{
    switch (id) {
    case ID_HISTORY_NEW_ENTRY:
        AddEntry();
        return true;
    case ID_HISTORY_DELETE_ENTRY:
        DeleteSelectedEntry();
        return true;
    case IDC_HISTORY_CHOOSE_CLUB:
        if (code == BN_CLICKED) ChooseEntryClub();
        return code == BN_CLICKED;
    case IDC_HISTORY_OPEN:
        if (code == BN_CLICKED) ::EnableWindow(GetItem(IDC_HISTORY_END), !IsChecked(Handle(), IDC_HISTORY_OPEN));
        return code == BN_CLICKED;
    default:
        return false;
    }
}

bool CDlgPlayerHist::OnNotify(const NMHDR& header, LRESULT& result)
{
    if (header.idFrom != IDC_HISTORY_LIST || header.code != LVN_ITEMCHANGED || showing_) return false;
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
    if ((change.uNewState & LVIS_SELECTED) == 0 || (change.uOldState & LVIS_SELECTED) != 0) return false;
    const int entry = static_cast<int>(list_.GetItemData(change.iItem));
    if (entry == entry_) return false;
    StoreEntry();
    entry_ = entry;
    ShowEntry();
    result = 0;
    return true;
}

bool CDlgPlayerHist::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_CONTEXTMENU && reinterpret_cast<HWND>(wParam) == list_.Handle()) {
        ShowContextMenu();
        result = 0;
        return true;
    }
    return CPersonPage::OnMessage(message, wParam, lParam, result);
}
