#include "editors/player_staff/staff/StaffListPage.h"

#include "core/text/TextManager.h"
#include "database/world/CompleteWorld.h"
#include "database/person/Person.h"
#include "resources/StaffPagesIds.h"
#include "ui/skin/MyTabCtrl.h"
#include "win/WideText.h"

CStaffListPage::CStaffListPage(UINT templateId, HWND parent) : CDialogB(templateId, parent) {}

BOOL CStaffListPage::OnInitDialog()
{
    CDialogB::OnInitDialog();
    list_.SubclassDlgItem(IDC_MANAGER_LIST, *this);
    return TRUE;
}

void CStaffListPage::RequestStore() const
{
    ::SendMessageW(GetParent(), CMyTabCtrl::PageLeaveRequest, 0, 0);
}

void CStaffListPage::ReportPerson() const
{
    ::SendMessageW(frame_, PersonChosen, person_ != nullptr ? person_->GetId() : 0, 0);
}

const char16_t* CStaffListPage::RoleText(const char16_t* key)
{
    const char16_t* text = key != nullptr ? GetText(key) : nullptr;
    return text != nullptr ? text : u"";
}

void CStaffListPage::AddRow(std::uint32_t personId, const std::u16string& text)
{
    const int row = list_.AddString(text.c_str());
    if (row < 0) return;
    list_.SetItemData(row, static_cast<LPARAM>(personId));
    if (personId == rememberedId_) selected_ = row;
}

void CStaffListPage::FillList()
{
    const int top = static_cast<int>(list_.Send(LB_GETTOPINDEX));
    rememberedId_ = person_ != nullptr ? person_->GetId() : 0;
    selected_ = -1;
    list_.SetRedraw(false);
    list_.ResetContent();
    AddRows();
    list_.Send(LB_SETTOPINDEX, static_cast<WPARAM>(top));
    list_.SetRedraw(true);
    list_.Invalidate();
    if (selected_ < 0 && list_.GetCount() > 0 && SelectsFirstRowWhenNone()) selected_ = 0;
    list_.SetCurSel(selected_);
    const TCompleteWorld* world = World();
    person_ = selected_ >= 0 && world != nullptr ? world->GetPerson(static_cast<std::uint32_t>(list_.GetItemData(selected_)))
                                                 : nullptr;
    ReportPerson();
    ::SetDlgItemTextW(Handle(), IDC_MANAGER_COUNT, win::W(CTextManager::Instance()->FormatInt(list_.GetCount())));
}

void CStaffListPage::ShowAdded(TPerson* person)
{
    person_ = person;
    ReportPerson();
    FillList();
}

void CStaffListPage::OnSelectionChange()
{
    const int row = list_.GetCurSel();
    const TCompleteWorld* world = World();
    if (row < 0 || world == nullptr) return;
    const auto id = static_cast<std::uint32_t>(list_.GetItemData(row));
    if (person_ != nullptr && person_->GetId() == id) return;
    if (person_ != nullptr) RequestStore();
    person_ = world->GetPerson(id);
    ReportPerson();
    ::SendMessageW(frame_, ListRefresh, 0, 0);
}

void CStaffListPage::ShowContextMenu()
{
    HMENU menu = GetListBoxContextMenu(list_, ContextMenuId(), 0);
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

bool CStaffListPage::OnCommand(int id, int code, HWND control)
{
    if (id == IDC_MANAGER_LIST) {
        if (code == LBN_SELCHANGE) OnSelectionChange();
        return true;
    }
    if (control != nullptr) return false;
    return OnMenuCommand(id);
}

bool CStaffListPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (OpensContextMenu(message)) {
        ShowContextMenu();
        result = 0;
        return true;
    }
    return CDialogB::OnMessage(message, wParam, lParam, result);
}
