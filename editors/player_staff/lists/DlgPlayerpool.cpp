#include "editors/player_staff/lists/DlgPlayerpool.h"

#include "database/world/CompleteWorld.h"
#include "database/world/EnumTexts.h"
#include "database/person/PoolPlayer.h"
#include "database/world/WorldList.h"
#include "editors/player_staff/lists/DlgPlayerpoolChange.h"
#include "editors/player_staff/ListRowSelection.h"
#include "editors/player_staff/model/RowAfterRemoval.h"
#include "resources/NationalPoolIds.h"

CDlgPlayerpool::CDlgPlayerpool(HWND parent)
    : CCountryListEditPage(IDD_PLAYER_POOL, parent, {IDC_POOL_LIST, IDC_POOL_NEW, IDC_POOL_EDIT, IDC_POOL_DELETE})
{
}

std::unique_ptr<CDlgPlayerpool> CreatePlayerpoolPage(HWND frame)
{
    auto page = std::make_unique<CDlgPlayerpool>(frame);
    if (!page->Create(frame)) return nullptr;
    return page;
}

BOOL CDlgPlayerpool::OnInitDialog()
{
    const BOOL result = CDialogB::OnInitDialog();
    list_.Attach(GetItem(IDC_POOL_LIST));
    list_.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    list_.InsertColumn(0, GetText(u"Common.Name"_tk), LVCFMT_LEFT, 160, 0);
    list_.InsertColumn(1, GetText(u"Player.Nationality1"_tk), LVCFMT_LEFT, 120, 1);
    list_.InsertColumn(2, GetText(u"Skills"_tk), LVCFMT_LEFT, 140, 2);
    list_.InsertColumn(3, GetText(u"TeamPart"_tk), LVCFMT_LEFT, 100, 3);
    list_.InsertColumn(4, GetText(u"Common.Club"_tk), LVCFMT_LEFT, 120, 4);
    return result;
}

void CDlgPlayerpool::FillList(TCountry* country)
{
    const TPoolPlayer* selected = SelectedEntry();
    pool_.SetCountry(country);
    ShowRows(selected);
}

void CDlgPlayerpool::ShowRows(const TPoolPlayer* selected)
{
    if (!list_) return;
    const CEnumTexts& names = GetEnumTexts();
    list_.SetRedraw(false);
    list_.DeleteAllItems();
    const std::vector<TPoolPlayer*>& rows = pool_.GetRows();
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const TPoolPlayer& entry = *rows[row];
        list_.InsertItem(row, entry.GetShortName().c_str());
        const int nationality = entry.GetNationality();
        list_.SetItemText(row, 1, nationality >= 1 && nationality <= 206 ? GetWorld()->GetCountry(nationality)->GetName() : u"");
        list_.SetItemText(row, 2, names.GetAbilityName(entry.GetAbilityIndex()));
        list_.SetItemText(row, 3, names.GetTeamPartName(entry.GetTeamPart()));
        const TClub* club = pool_.GetPreferredClub(entry);
        if (club != nullptr) {
            list_.SetItemText(row, 4, club->GetName());
        } else if (entry.GetPreferredClub() == TPoolPlayer::CreateClub) {
            list_.SetItemText(row, 4, GetText(u"Dialog.Country.Playerpool.CreateAClub"_tk));
        }
        list_.SetItemData(row, reinterpret_cast<LPARAM>(rows[row]));
    }
    const int row = pool_.FindRow(selected);
    if (row >= 0) SelectFocusShow(list_, row);
    list_.SetRedraw(true);
    list_.Invalidate();
}

TPoolPlayer* CDlgPlayerpool::SelectedEntry() const
{
    if (!list_) return nullptr;
    const int row = static_cast<int>(list_.Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    return row >= 0 && row < static_cast<int>(pool_.GetRows().size()) ? pool_.GetRows()[row] : nullptr;
}

bool CDlgPlayerpool::RunEntryDialog(TPoolPlayer& entry)
{
    TCountry* country = pool_.GetCountry();
    if (country == nullptr) return false;
    CDlgPlayerpoolChange dialog(entry, *country, Handle());
    return dialog.DoModal() == IDOK;
}

void CDlgPlayerpool::NewEntry()
{
    TPoolPlayer* entry = pool_.NewEntry();
    if (entry == nullptr) return;
    if (RunEntryDialog(*entry)) pool_.Fill();
    ShowRows(entry);
}

void CDlgPlayerpool::EditSelected()
{
    TPoolPlayer* entry = SelectedEntry();
    if (entry == nullptr) return;
    if (RunEntryDialog(*entry)) pool_.Fill();
    ShowRows(entry);
}

void CDlgPlayerpool::DeleteSelected()
{
    const std::vector<int> rows = GetSelectedRows(list_);
    if (rows.empty()) return;
    const int focused = GetFocusedRow(list_);
    pool_.Delete(rows);
    ShowRows(nullptr);
    SelectFocusShow(list_, RowAfterRemoval(focused, rows, list_.GetItemCount()));
}

void CDlgPlayerpool::SortByColumn(int column)
{
    pool_.ClickHeader(column);
    ShowRows(SelectedEntry());
}

bool CDlgPlayerpool::HasSelection() const
{
    return SelectedEntry() != nullptr;
}
