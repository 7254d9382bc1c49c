#include "editors/player_staff/lists/DlgNationalteam.h"

#include "core/text/TextManager.h"
#include "database/world/CompleteWorld.h"
#include "database/world/EnumTexts.h"
#include "database/world/WorldList.h"
#include "editors/player_staff/ListRowSelection.h"
#include "resources/NationalPoolIds.h"

namespace {
struct Column {
    TextKey key;
    int format;
    int width;
};
constexpr Column Columns[] = {
    {u"Common.Name"_tk, LVCFMT_LEFT, 180},       {u"Common.Club"_tk, LVCFMT_LEFT, 180},
    {u"Player.PositionShort"_tk, LVCFMT_CENTER, 50}, {u"Player.Level"_tk, LVCFMT_RIGHT, 50},
    {u"Player.Age"_tk, LVCFMT_RIGHT, 50},        {u"Player.Talent"_tk, LVCFMT_CENTER, 100},
    {u"Player.NationalAppear"_tk, LVCFMT_RIGHT, 100},
};
}  // namespace

CDlgNationalteam::CDlgNationalteam(HWND parent) : CDialogB(IDD_NATIONAL_TEAM, parent), squad_(*GetWorld()) {}

BOOL CDlgNationalteam::OnInitDialog()
{
    const BOOL result = CDialogB::OnInitDialog();
    count_.SubclassDlgItem(IDC_NATIONAL_COUNT, *this);
    countryCombo_.Attach(GetItem(IDC_NATIONAL_COUNTRY));
    list_.Attach(GetItem(IDC_NATIONAL_LIST));
    list_.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    FillCountryCombo(countryCombo_, countryId_, 0);
    AddColumns();
    Fill();
    return result;
}

void CDlgNationalteam::AddColumns()
{
    int index = 0;
    for (const Column& column : Columns) {
        list_.InsertColumn(index, GetText(column.key), column.format, column.width, index);
        ++index;
    }
}

void CDlgNationalteam::Fill()
{
    squad_.Fill(countryId_);
    ShowRows();
}

void CDlgNationalteam::ShowRows()
{
    CTextManager* texts = CTextManager::Instance();
    const CEnumTexts& names = GetEnumTexts();
    list_.SetRedraw(false);
    list_.DeleteAllItems();
    const std::vector<NationalSquadRow>& rows = squad_.GetRows();
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const TPerson& person = *rows[row].person;
        list_.InsertItem(row, TPerson::GetShortName(&person).c_str());
        list_.SetItemText(row, 1, rows[row].club->GetName());
        list_.SetItemText(row, 2, names.GetPositionShortName(person.GetPosition(0)));
        list_.SetItemText(row, 3, texts->FormatInt(person.GetLevel()));
        list_.SetItemText(row, 4, texts->FormatInt(person.GetAge()));
        list_.SetItemText(row, 5, names.GetTalentName(person.GetTalent()));
        list_.SetItemText(row, 6, texts->FormatInt(person.GetNationalAppearances()));
        list_.SetItemData(row, row);
    }
    count_.SetText(texts->FormatInt(static_cast<int>(rows.size())));
    list_.SetRedraw(true);
    list_.Invalidate();
}

bool CDlgNationalteam::OnCommand(int id, int code, HWND control)
{
    if (id == IDC_NATIONAL_COUNTRY && code == CBN_SELCHANGE) {
        countryId_ = static_cast<int>(GetComboSelData(countryCombo_, countryId_));
        Fill();
        return true;
    }
    if (id == IDC_NATIONAL_REMOVE && code == BN_CLICKED) {
        RemoveSelected();
        return true;
    }
    return CDialogB::OnCommand(id, code, control);
}

bool CDlgNationalteam::OnNotify(const NMHDR& header, LRESULT& result)
{
    if (header.idFrom != IDC_NATIONAL_LIST) return CDialogB::OnNotify(header, result);
    if (header.code == LVN_COLUMNCLICK) {
        squad_.ClickHeader(reinterpret_cast<const NMLISTVIEW&>(header).iSubItem);
        ShowRows();
        return true;
    }
    if (header.code == NM_RCLICK) {
        ShowListMenu();
        return true;
    }
    return CDialogB::OnNotify(header, result);
}

void CDlgNationalteam::RemoveSelected()
{
    const std::vector<int> rows = GetSelectedRows(list_);
    if (rows.empty()) return;
    squad_.RemoveFromSquad(rows);
    ShowRows();
}

void CDlgNationalteam::ShowListMenu()
{
    HMENU menu = ::CreatePopupMenu();
    if (menu == nullptr) return;
    AppendControlToMenu(menu, IDC_NATIONAL_REMOVE, true);
    TrackListMenu(menu);
    ::DestroyMenu(menu);
}
