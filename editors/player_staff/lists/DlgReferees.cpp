#include "editors/player_staff/lists/DlgReferees.h"

#include "database/country/Country.h"
#include "database/world/EnumTexts.h"
#include "editors/player_staff/lists/DlgRefereeChange.h"
#include "editors/player_staff/ListRowSelection.h"
#include "editors/player_staff/model/RowAfterRemoval.h"
#include "resources/NationalPoolIds.h"

CDlgReferees::CDlgReferees(HWND parent)
    : CCountryListEditPage(IDD_REFEREES, parent, {IDC_REFEREES_LIST, IDC_REFEREES_NEW, IDC_REFEREES_EDIT, IDC_REFEREES_DELETE})
{
}

std::unique_ptr<CDlgReferees> CreateRefereesPage(HWND frame)
{
    auto page = std::make_unique<CDlgReferees>(frame);
    if (!page->Create(frame)) return nullptr;
    return page;
}

BOOL CDlgReferees::OnInitDialog()
{
    const BOOL result = CDialogB::OnInitDialog();
    list_.Attach(GetItem(IDC_REFEREES_LIST));
    list_.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    list_.InsertColumn(0, GetText(u"Common.Name"_tk), LVCFMT_LEFT, 192, 0);
    list_.InsertColumn(1, GetText(u"RefereeType"_tk), LVCFMT_LEFT, 344, 1);
    return result;
}

void CDlgReferees::FillList(TCountry* country)
{
    const int selected = SelectedId();
    referees_.SetCountry(country);
    ShowRows(selected);
}

void CDlgReferees::ShowRows(int selectedId)
{
    if (!list_) return;
    const CEnumTexts& names = GetEnumTexts();
    list_.SetRedraw(false);
    list_.DeleteAllItems();
    const std::vector<RefereeRow>& rows = referees_.GetRows();
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        list_.InsertItem(row, rows[row].referee->GetShortName());
        list_.SetItemText(row, 1, names.GetRefereeTypeName(rows[row].referee->GetType()));
        list_.SetItemData(row, rows[row].id);
    }
    const int row = referees_.FindRow(selectedId);
    if (row >= 0) SelectFocusShow(list_, row);
    list_.SetRedraw(true);
    list_.Invalidate();
}

int CDlgReferees::SelectedId() const
{
    if (!list_) return 0;
    const int row = static_cast<int>(list_.Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    return row >= 0 ? static_cast<int>(list_.GetItemData(row)) : 0;
}

bool CDlgReferees::EditReferee(TReferee& copy)
{
    CDlgRefereeChange dialog(Handle());
    dialog.GetReferee() = copy;
    if (dialog.DoModal() != IDOK) return false;
    copy = dialog.GetReferee();
    return true;
}

void CDlgReferees::NewEntry()
{
    const int id = referees_.BeginNew();
    if (id == 0) return;
    TReferee copy;
    const bool confirmed = EditReferee(copy);
    referees_.FinishNew(id, confirmed ? &copy : nullptr);
    ShowRows(id);
}

void CDlgReferees::EditSelected()
{
    const int id = SelectedId();
    TCountry* country = referees_.GetCountry();
    TReferee* referee = country != nullptr ? country->GetReferees().Find(id) : nullptr;
    if (referee == nullptr) return;
    TReferee copy = *referee;
    if (!EditReferee(copy)) return;
    referees_.Edit(id, copy);
    ShowRows(id);
}

void CDlgReferees::DeleteSelected()
{
    const std::vector<int> rows = GetSelectedRows(list_);
    if (rows.empty()) return;
    const int focused = GetFocusedRow(list_);
    referees_.Delete(rows);
    ShowRows(0);
    SelectFocusShow(list_, RowAfterRemoval(focused, rows, list_.GetItemCount()));
}

void CDlgReferees::SortByColumn(int column)
{
    referees_.ClickHeader(column);
    ShowRows(SelectedId());
}

bool CDlgReferees::HasSelection() const
{
    return SelectedId() != 0;
}
