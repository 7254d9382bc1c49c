#include "editors/player_staff/lists/DlgPlayerWithoutClub.h"

#include <algorithm>

#include "core/text/TextManager.h"
#include "database/world/CompleteWorld.h"
#include "database/world/EnumTexts.h"
#include "database/world/WorldList.h"
#include "editors/player_staff/ListRowSelection.h"
#include "editors/player_staff/model/RowAfterRemoval.h"
#include "resources/NationalPoolIds.h"

namespace {
CDlgPlayerWithoutClub::ClubChooser& Chooser()
{
    static CDlgPlayerWithoutClub::ClubChooser chooser;
    return chooser;
}
}  // namespace

CDlgPlayerWithoutClub::CDlgPlayerWithoutClub(HWND parent) : CDialogB(IDD_PLAYERS_WITHOUT_CLUB, parent), agents_(*GetWorld()) {}

void CDlgPlayerWithoutClub::SetClubChooser(ClubChooser chooser) { Chooser() = std::move(chooser); }

BOOL CDlgPlayerWithoutClub::OnInitDialog()
{
    const BOOL result = CDialogB::OnInitDialog();
    list_.Attach(GetItem(IDC_FREE_AGENTS_LIST));
    list_.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    list_.InsertColumn(0, GetText(u"Common.Name"_tk), LVCFMT_LEFT, 140, 0);
    list_.InsertColumn(1, GetText(u"Player.Nationality1"_tk), LVCFMT_LEFT, 113, 1);
    list_.InsertColumn(2, GetText(u"Player.Position"_tk), LVCFMT_LEFT, 63, 2);
    list_.InsertColumn(3, GetText(u"Player.Level"_tk), LVCFMT_RIGHT, 56, 3);
    ::EnableWindow(GetItem(IDC_FREE_AGENTS_SIGN), Chooser() ? TRUE : FALSE);
    agents_.Fill();
    ShowRows();
    return result;
}

void CDlgPlayerWithoutClub::ShowRows()
{
    CTextManager* texts = CTextManager::Instance();
    const CEnumTexts& names = GetEnumTexts();
    list_.SetRedraw(false);
    list_.DeleteAllItems();
    const std::vector<TPerson*>& rows = agents_.GetRows();
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const TPerson& person = *rows[row];
        list_.InsertItem(row, TPerson::GetShortName(&person).c_str());
        list_.SetItemData(row, reinterpret_cast<LPARAM>(rows[row]));
        if (!person.IsPlayer()) {
            list_.SetItemText(row, 2, names.GetPersonTypeName(person.GetType()));
            continue;
        }
        list_.SetItemText(row, 1, agents_.GetNationalityText(person));
        list_.SetItemText(row, 2, names.GetPositionShortName(person.GetPosition(0)));
        list_.SetItemText(row, 3, texts->FormatInt(person.GetLevel()));
    }
    list_.SetRedraw(true);
    list_.Invalidate();
}

bool CDlgPlayerWithoutClub::OnCommand(int id, int code, HWND control)
{
    if (code != BN_CLICKED) return CDialogB::OnCommand(id, code, control);
    if (id == IDC_FREE_AGENTS_SIGN) {
        SignSelected();
        return true;
    }
    if (id == IDC_FREE_AGENTS_DELETE) {
        DeleteSelected();
        return true;
    }
    return CDialogB::OnCommand(id, code, control);
}

bool CDlgPlayerWithoutClub::OnNotify(const NMHDR& header, LRESULT& result)
{
    if (header.idFrom != IDC_FREE_AGENTS_LIST) return CDialogB::OnNotify(header, result);
    if (header.code == LVN_COLUMNCLICK) {
        agents_.ClickHeader(reinterpret_cast<const NMLISTVIEW&>(header).iSubItem);
        ShowRows();
        return true;
    }
    if (header.code == NM_RCLICK) {
        ShowListMenu();
        return true;
    }
    return CDialogB::OnNotify(header, result);
}

void CDlgPlayerWithoutClub::SignSelected()
{
    const std::vector<int> rows = GetSelectedRows(list_);
    std::uint32_t teamId = 0;
    if (rows.empty() || !Chooser() || !Chooser()(Handle(), teamId)) return;
    const int focused = GetFocusedRow(list_);
    // Rows the club took are gone from the refilled list.
    std::vector<TPerson*> before = agents_.GetRows();
    agents_.SignToClub(rows, teamId);
    std::vector<int> signedRows;
    for (int row : rows) {
        const std::vector<TPerson*>& after = agents_.GetRows();
        if (std::find(after.begin(), after.end(), before[row]) == after.end()) signedRows.push_back(row);
    }
    ShowRows();
    SelectFocusShow(list_, RowAfterRemoval(focused, signedRows, list_.GetItemCount()));
}

void CDlgPlayerWithoutClub::DeleteSelected()
{
    const std::vector<int> rows = GetSelectedRows(list_);
    if (rows.empty()) return;
    const int focused = GetFocusedRow(list_);
    agents_.Delete(rows);
    ShowRows();
    SelectFocusShow(list_, RowAfterRemoval(focused, rows, list_.GetItemCount()));
}

void CDlgPlayerWithoutClub::ShowListMenu()
{
    if (list_.Send(LVM_GETSELECTIONMARK) < 0) return;
    HMENU menu = ::CreatePopupMenu();
    if (menu == nullptr) return;
    AppendControlToMenu(menu, IDC_FREE_AGENTS_SIGN, ::IsWindowEnabled(GetItem(IDC_FREE_AGENTS_SIGN)) != FALSE);
    AppendControlToMenu(menu, IDC_FREE_AGENTS_DELETE, true);
    TrackListMenu(menu);
    ::DestroyMenu(menu);
}
