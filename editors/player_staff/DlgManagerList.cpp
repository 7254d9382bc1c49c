#include "editors/player_staff/DlgManagerList.h"

#include <algorithm>

#include "core/TextManager.h"
#include "database/Club.h"
#include "database/CompleteWorld.h"
#include "database/Person.h"
#include "editors/player_staff/ClubChooserHook.h"
#include "editors/player_staff/DlgPlayerSelect.h"
#include "editors/player_staff/model/PersonTypeTable.h"
#include "editors/player_staff/model/StaffListModel.h"
#include "resources/StaffPagesIds.h"
#include "ui/MyTabCtrl.h"
#include "win/WideText.h"

namespace {

constexpr std::uint16_t ColumnStarts[] = {0, 90};
constexpr std::uint16_t ColumnWidths[] = {90, 90};

}  // namespace

CDlgManagerList::CDlgManagerList(HWND parent) : CDialogB(IDD_MANAGER_LIST, parent) {}

BOOL CDlgManagerList::OnInitDialog()
{
    CDialogB::OnInitDialog();
    list_.SubclassDlgItem(IDC_MANAGER_LIST, *this);
    return TRUE;
}

void CDlgManagerList::Init(HWND frame, TClub* club, TPerson* person, int filter)
{
    frame_ = frame;
    club_ = club;
    person_ = person;
    filter_ = filter;
    countryId_ = club != nullptr ? club->GetCountryId() : 0;
}

void CDlgManagerList::RequestStore() const
{
    ::SendMessageW(GetParent(), CMyTabCtrl::PageLeaveRequest, 0, 0);
}

void CDlgManagerList::ReportPerson() const
{
    ::SendMessageW(frame_, PersonChosen, person_ != nullptr ? person_->GetId() : 0, 0);
}

void CDlgManagerList::FillList()
{
    const int top = static_cast<int>(list_.Send(LB_GETTOPINDEX));
    const std::uint32_t rememberedId = person_ != nullptr ? person_->GetId() : 0;
    list_.SetRedraw(false);
    list_.ResetContent();
    list_.SetColumns(2, ColumnStarts, ColumnWidths);
    int selected = -1;
    for (TPerson* member : StaffListModel::CollectStaff(club_)) {
        const char16_t* key = StaffListModel::RoleKey(*member);
        const char16_t* role = key != nullptr ? GetText(key) : nullptr;
        const int row = list_.AddString(StaffListModel::RowText(*member, role != nullptr ? role : u"").c_str());
        if (row < 0) continue;
        list_.SetItemData(row, static_cast<LPARAM>(member->GetId()));
        if (member->GetId() == rememberedId) selected = row;
    }
    list_.Send(LB_SETTOPINDEX, static_cast<WPARAM>(top));
    list_.SetRedraw(true);
    list_.Invalidate();
    if (selected < 0 && list_.GetCount() > 0) selected = 0;
    list_.SetCurSel(selected);
    const TCompleteWorld* world = club_ != nullptr ? club_->GetWorld() : nullptr;
    person_ = selected >= 0 && world != nullptr ? world->GetPerson(static_cast<std::uint32_t>(list_.GetItemData(selected)))
                                                : nullptr;
    ReportPerson();
    ::SetDlgItemTextW(Handle(), IDC_MANAGER_COUNT, win::W(CTextManager::Instance()->FormatInt(list_.GetCount())));
}

void CDlgManagerList::OnSelectionChange()
{
    const int row = list_.GetCurSel();
    if (row < 0 || club_ == nullptr) return;
    const auto id = static_cast<std::uint32_t>(list_.GetItemData(row));
    if (person_ != nullptr && person_->GetId() == id) return;
    if (person_ != nullptr) RequestStore();
    const TCompleteWorld* world = club_->GetWorld();
    person_ = world != nullptr ? world->GetPerson(id) : nullptr;
    ReportPerson();
    ::SendMessageW(frame_, ListRefresh, 0, 0);
}

bool CDlgManagerList::IsGrayed(int command) const
{
    if (club_ == nullptr) return true;
    if (command == ID_MANAGER_MOVE) return !HasClubChooser() || person_ == nullptr;
    if (command == ID_MANAGER_DELETE) return person_ == nullptr;
    const std::vector<std::uint16_t> grayed = PersonTypeTable::GrayedCommands(*club_);
    return std::find(grayed.begin(), grayed.end(), command) != grayed.end();
}

void CDlgManagerList::ShowContextMenu()
{
    HMENU menu = GetListBoxContextMenu(list_, IDR_MANAGER_LIST_MENU, 0);
    if (menu == nullptr) return;
    OnSelectionChange();
    for (int index = 0, count = ::GetMenuItemCount(menu); index < count; ++index) {
        const UINT command = ::GetMenuItemID(menu, index);
        if (command != 0 && command != static_cast<UINT>(-1) && IsGrayed(static_cast<int>(command))) {
            ::EnableMenuItem(menu, index, MF_BYPOSITION | MF_GRAYED);
        }
    }
    TrackContextMenu(menu);
}

void CDlgManagerList::AddStaff(int type)
{
    if (club_ == nullptr) return;
    RequestStore();
    TPerson* person = StaffListModel::AddStaff(*club_, type);
    if (person == nullptr) return;
    person_ = person;
    ReportPerson();
    FillList();
}

void CDlgManagerList::DeleteStaff()
{
    if (club_ == nullptr || person_ == nullptr) return;
    RequestStore();
    TPerson* person = person_;
    person_ = nullptr;
    // The frame lets go of him before he is destroyed.
    ReportPerson();
    StaffListModel::DeleteStaff(*club_, *person);
    FillList();
}

void CDlgManagerList::MoveStaff()
{
    if (club_ == nullptr || person_ == nullptr) return;
    const std::uint32_t chosen = ChooseClubForMove(Handle(), countryId_);
    TCompleteWorld* world = club_->GetWorld();
    TClub* target = world != nullptr ? world->GetClub(WithoutReserveBit(chosen)) : nullptr;
    if (target == nullptr) return;
    RequestStore();
    if (StaffListModel::MoveStaff(*club_, *person_, *target)) FillList();
}

void CDlgManagerList::TakeOverStaff()
{
    if (club_ == nullptr) return;
    CDlgPlayerSelect select(Handle());
    select.SetFilter(false, true, false);
    select.SetCountry(countryId_);
    if (select.DoModal() != IDOK) return;
    std::uint32_t chosen = 0;
    select.GetClubId(chosen);
    TCompleteWorld* world = club_->GetWorld();
    TClub* source = world != nullptr ? world->GetClub(chosen) : nullptr;
    if (source == nullptr) return;
    RequestStore();
    if (StaffListModel::TakeOver(*club_, *source, select.GetSelectedPersonId())) FillList();
}

bool CDlgManagerList::OnCommand(int id, int code, HWND control)
{
    if (id == IDC_MANAGER_LIST) {
        if (code == LBN_SELCHANGE) OnSelectionChange();
        return true;
    }
    if (control != nullptr) return false;
    // A held role stays grayed, whichever way the command arrives.
    const bool ours = id == ID_MANAGER_MOVE || id == ID_MANAGER_DELETE || PersonTypeTable::FindByCommand(id) != nullptr;
    if (IsGrayed(id)) return ours;
    if (const PersonTypeTable::TRow* row = PersonTypeTable::FindByCommand(id); row != nullptr && row->type != 0) {
        AddStaff(row->type);
        return true;
    }
    switch (id) {
    case ID_MANAGER_DELETE: DeleteStaff(); return true;
    case ID_MANAGER_MOVE: MoveStaff(); return true;
    case ID_MANAGER_TAKE_OVER: TakeOverStaff(); return true;
    default: return false;
    }
}

bool CDlgManagerList::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_RBUTTONUP || message == WM_CONTEXTMENU) {
        ShowContextMenu();
        result = 0;
        return true;
    }
    return CDialogB::OnMessage(message, wParam, lParam, result);
}
