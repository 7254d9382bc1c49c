#include "editors/player_staff/staff/DlgLandManagerList.h"

#include "core/AppMessage.h"
#include "core/text/TextTools.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/person/Person.h"
#include "editors/player_staff/search/ClubChooserHook.h"
#include "editors/player_staff/model/staff/AdditionalManagers.h"
#include "editors/player_staff/model/staff/PersonTypeTable.h"
#include "resources/CountryStaffIds.h"

namespace {

// The abbreviation's column is right-aligned behind the role.
constexpr std::uint16_t ColumnStarts[] = {0, 90, 130, CMyListBox::RightAligned | 150};
constexpr std::uint16_t ColumnWidths[] = {90, 40, 44, 20};

}  // namespace

CDlgLandManagerList::CDlgLandManagerList(HWND parent) : CStaffListPage(IDD_LAND_MANAGER_LIST, parent) {}

void CDlgLandManagerList::Init(HWND frame, TCountry* country)
{
    frame_ = frame;
    country_ = country;
    person_ = nullptr;
    if (country != nullptr) countryId_ = country->GetId();
}

TCompleteWorld* CDlgLandManagerList::World() const { return country_ != nullptr ? country_->GetWorld() : nullptr; }

UINT CDlgLandManagerList::ContextMenuId() const { return IDR_LAND_MANAGER_LIST_MENU; }

void CDlgLandManagerList::AddRows()
{
    list_.SetColumns(4, ColumnStarts, ColumnWidths);
    TCompleteWorld* world = World();
    if (world == nullptr) return;
    for (const AdditionalManagerRow& row : AdditionalManagers(*world, *country_).Rows()) {
        AddRow(row.personId, row.Text(RoleText(row.roleKey)));
    }
}

void CDlgLandManagerList::AddStaff(int type)
{
    RequestStore();
    if (TPerson* person = AdditionalManagers(*World(), *country_).Add(static_cast<std::uint8_t>(type))) ShowAdded(person);
}

void CDlgLandManagerList::DeleteStaff()
{
    if (person_ == nullptr) return;
    RequestStore();
    const std::uint32_t id = person_->GetId();
    person_ = nullptr;
    // The frame lets go of him before he is destroyed.
    ReportPerson();
    AdditionalManagers(*World(), *country_).Delete(id);
    FillList();
}

void CDlgLandManagerList::MoveToClub()
{
    if (person_ == nullptr) return;
    const std::uint32_t chosen = ChooseClubForMove(Handle(), countryId_);
    if (chosen == 0) return;
    RequestStore();
    // While the question is open the list may choose another person or lose
    // this one: the answer is about the person it names.
    const std::uint32_t asked = person_->GetId();
    if (AdditionalManagers::MoveDropsNames(*person_) && !ConfirmNamesDropped()) return;
    if (AdditionalManagers(*World(), *country_).MoveToClub(asked, chosen) == AdditionalManagers::MoveResult::Moved) {
        FillList();
        // His pages are disabled with him, the control that had the focus
        // among them: the list he left takes the keys, or none would.
        if (::GetFocus() == nullptr) ::SetFocus(list_.Handle());
    }
}

// No keeps him on the country's list with every name he has.
bool CDlgLandManagerList::ConfirmNamesDropped()
{
    const std::u16string text =
        ReplaceTokens(GetText(u"Dialog.Country.ManagerList.MoveDropsNames"_tk), {{u"_NAME", TPerson::GetShortName(person_)}});
    return ShowAppMessageBox(text.c_str(), AppMessage::YesNo | AppMessage::IconQuestion | AppMessage::DefaultSecond) ==
           AppMessage::IdYes;
}

// Every role of the table is added as the squad window's list adds it,
// though the country's menu offers only managers and chairmen; taking a
// person over from a club is no command of a country's list.
bool CDlgLandManagerList::OnMenuCommand(int id)
{
    if (World() == nullptr) return false;
    if (const PersonTypeTable::TRow* row = PersonTypeTable::FindByCommand(id); row != nullptr && row->type != 0) {
        AddStaff(row->type);
        return true;
    }
    switch (id) {
    case ID_MANAGER_DELETE: DeleteStaff(); return true;
    case ID_MANAGER_MOVE: MoveToClub(); return true;
    case ID_MANAGER_TAKE_OVER: return true;
    default: return false;
    }
}
