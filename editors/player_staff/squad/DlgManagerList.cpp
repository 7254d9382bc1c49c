#include "editors/player_staff/squad/DlgManagerList.h"

#include <algorithm>

#include "database/club/Club.h"
#include "database/world/CompleteWorld.h"
#include "database/person/Person.h"
#include "editors/player_staff/search/ClubChooserHook.h"
#include "editors/player_staff/search/DlgPlayerSelect.h"
#include "editors/player_staff/model/staff/PersonTypeTable.h"
#include "editors/player_staff/model/staff/StaffListModel.h"
#include "resources/StaffPagesIds.h"

namespace {

constexpr std::uint16_t ColumnStarts[] = {0, 90};
constexpr std::uint16_t ColumnWidths[] = {90, 90};

}  // namespace

CDlgManagerList::CDlgManagerList(HWND parent) : CStaffListPage(IDD_MANAGER_LIST, parent) {}

void CDlgManagerList::Init(HWND frame, TClub* club, TPerson* person, int filter)
{
    frame_ = frame;
    club_ = club;
    person_ = person;
    filter_ = filter;
    countryId_ = club != nullptr ? club->GetCountryId() : 0;
}

TCompleteWorld* CDlgManagerList::World() const { return club_ != nullptr ? club_->GetWorld() : nullptr; }

UINT CDlgManagerList::ContextMenuId() const { return IDR_MANAGER_LIST_MENU; }

void CDlgManagerList::AddRows()
{
    list_.SetColumns(2, ColumnStarts, ColumnWidths);
    for (TPerson* member : StaffListModel::CollectStaff(club_)) {
        AddRow(member->GetId(), StaffListModel::RowText(*member, RoleText(StaffListModel::RoleKey(*member))));
    }
}

bool CDlgManagerList::IsGrayed(int command) const
{
    if (club_ == nullptr) return true;
    if (command == ID_MANAGER_MOVE) return !HasClubChooser() || person_ == nullptr;
    if (command == ID_MANAGER_DELETE) return person_ == nullptr;
    const std::vector<std::uint16_t> grayed = PersonTypeTable::GrayedCommands(*club_);
    return std::find(grayed.begin(), grayed.end(), command) != grayed.end();
}

void CDlgManagerList::AddStaff(int type)
{
    RequestStore();
    if (TPerson* person = StaffListModel::AddStaff(*club_, type)) ShowAdded(person);
}

void CDlgManagerList::DeleteStaff()
{
    if (person_ == nullptr) return;
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
    if (person_ == nullptr) return;
    const std::uint32_t chosen = ChooseClubForMove(Handle(), countryId_);
    TCompleteWorld* world = World();
    TClub* target = world != nullptr ? world->GetClub(WithoutReserveBit(chosen)) : nullptr;
    if (target == nullptr) return;
    RequestStore();
    if (StaffListModel::MoveStaff(*club_, *person_, *target)) FillList();
}

void CDlgManagerList::TakeOverStaff()
{
    CDlgPlayerSelect select(Handle());
    select.SetFilter(false, true, false);
    select.SetCountry(countryId_);
    if (select.DoModal() != IDOK) return;
    std::uint32_t chosen = 0;
    select.GetClubId(chosen);
    TCompleteWorld* world = World();
    TClub* source = world != nullptr ? world->GetClub(chosen) : nullptr;
    if (source == nullptr) return;
    RequestStore();
    if (StaffListModel::TakeOver(*club_, *source, select.GetSelectedPersonId())) FillList();
}

bool CDlgManagerList::OnMenuCommand(int id)
{
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
