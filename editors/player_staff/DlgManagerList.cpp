#include "editors/player_staff/DlgManagerList.h"

#include <algorithm>

#include "core/TextManager.h"
#include "database/Club.h"
#include "database/CompleteWorld.h"
#include "database/Country.h"
#include "database/Person.h"
#include "editors/player_staff/ClubChooserHook.h"
#include "editors/player_staff/DlgPlayerSelect.h"
#include "editors/player_staff/model/AdditionalManagers.h"
#include "editors/player_staff/model/PersonTypeTable.h"
#include "editors/player_staff/model/StaffListModel.h"
#include "resources/StaffPagesIds.h"
#include "ui/MyTabCtrl.h"
#include "win/WideText.h"

namespace {

constexpr std::uint16_t ColumnStarts[] = {0, 90};
constexpr std::uint16_t ColumnWidths[] = {90, 90};
constexpr std::uint16_t CountryColumnStarts[] = {0, 90, 130};
constexpr std::uint16_t CountryColumnWidths[] = {90, 40, 44};

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

void CDlgManagerList::InitCountry(HWND frame, TCountry* country)
{
    frame_ = frame;
    club_ = nullptr;
    country_ = country;
    person_ = nullptr;
    countryId_ = country != nullptr ? country->GetId() : 0;
}

TCompleteWorld* CDlgManagerList::World() const
{
    if (club_ != nullptr) return club_->GetWorld();
    return country_ != nullptr ? country_->GetWorld() : nullptr;
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
    int selected = -1;
    AddRows(rememberedId, selected);
    list_.Send(LB_SETTOPINDEX, static_cast<WPARAM>(top));
    list_.SetRedraw(true);
    list_.Invalidate();
    if (selected < 0 && list_.GetCount() > 0) selected = 0;
    list_.SetCurSel(selected);
    const TCompleteWorld* world = World();
    person_ = selected >= 0 && world != nullptr ? world->GetPerson(static_cast<std::uint32_t>(list_.GetItemData(selected)))
                                                : nullptr;
    ReportPerson();
    ::SetDlgItemTextW(Handle(), IDC_MANAGER_COUNT, win::W(CTextManager::Instance()->FormatInt(list_.GetCount())));
}

void CDlgManagerList::AddRows(std::uint32_t rememberedId, int& selected)
{
    const auto add = [&](std::uint32_t id, const std::u16string& text) {
        const int row = list_.AddString(text.c_str());
        if (row < 0) return;
        list_.SetItemData(row, static_cast<LPARAM>(id));
        if (id == rememberedId) selected = row;
    };
    const auto role = [this](const char16_t* key) {
        const char16_t* text = key != nullptr ? GetText(key) : nullptr;
        return text != nullptr ? text : u"";
    };
    if (country_ != nullptr) {
        list_.SetColumns(3, CountryColumnStarts, CountryColumnWidths);
        if (TCompleteWorld* world = World()) {
            for (const AdditionalManagerRow& row : AdditionalManagers(*world, *country_).Rows()) add(row.personId, row.Text(role(row.roleKey)));
        }
        return;
    }
    list_.SetColumns(2, ColumnStarts, ColumnWidths);
    for (TPerson* member : StaffListModel::CollectStaff(club_)) add(member->GetId(), StaffListModel::RowText(*member, role(StaffListModel::RoleKey(*member))));
}

void CDlgManagerList::OnSelectionChange()
{
    const int row = list_.GetCurSel();
    if (row < 0 || !IsBound()) return;
    const auto id = static_cast<std::uint32_t>(list_.GetItemData(row));
    if (person_ != nullptr && person_->GetId() == id) return;
    if (person_ != nullptr) RequestStore();
    const TCompleteWorld* world = World();
    person_ = world != nullptr ? world->GetPerson(id) : nullptr;
    ReportPerson();
    ::SendMessageW(frame_, ListRefresh, 0, 0);
}

bool CDlgManagerList::IsGrayed(int command) const
{
    if (!IsBound()) return true;
    if (command == ID_MANAGER_MOVE) return !HasClubChooser() || person_ == nullptr;
    if (command == ID_MANAGER_DELETE) return person_ == nullptr;
    if (club_ == nullptr) return false;
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
    if (!IsBound()) return;
    RequestStore();
    TCompleteWorld* world = World();
    TPerson* person = nullptr;
    if (club_ != nullptr) person = StaffListModel::AddStaff(*club_, type);
    else if (world != nullptr) person = AdditionalManagers(*world, *country_).Add(static_cast<std::uint8_t>(type));
    if (person == nullptr) return;
    person_ = person;
    ReportPerson();
    FillList();
}

void CDlgManagerList::DeleteStaff()
{
    if (!IsBound() || person_ == nullptr) return;
    RequestStore();
    TPerson* person = person_;
    person_ = nullptr;
    // The frame lets go of him before he is destroyed.
    ReportPerson();
    TCompleteWorld* world = World();
    if (club_ != nullptr) StaffListModel::DeleteStaff(*club_, *person);
    else if (world != nullptr) AdditionalManagers(*world, *country_).Delete(person->GetId());
    FillList();
}

void CDlgManagerList::MoveStaff()
{
    if (!IsBound() || person_ == nullptr) return;
    const std::uint32_t chosen = ChooseClubForMove(Handle(), countryId_);
    TCompleteWorld* world = World();
    if (country_ != nullptr && world != nullptr) {
        RequestStore();
        if (AdditionalManagers(*world, *country_).MoveToClub(person_->GetId(), chosen) == AdditionalManagers::MoveResult::Moved) FillList();
        return;
    }
    TClub* target = world != nullptr ? world->GetClub(WithoutReserveBit(chosen)) : nullptr;
    if (target == nullptr) return;
    RequestStore();
    if (StaffListModel::MoveStaff(*club_, *person_, *target)) FillList();
}

void CDlgManagerList::TakeOverStaff()
{
    if (club_ == nullptr) return;  // a country's list takes no one over
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
