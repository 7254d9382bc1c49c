#include "editors/player_staff/lists/CountryListEditPage.h"

#include <commctrl.h>

CCountryListEditPage::CCountryListEditPage(UINT templateId, HWND parent, TControls controls)
    : CCountryListPage(templateId, parent), controls_(controls)
{
}

bool CCountryListEditPage::OnCommand(int id, int code, HWND control)
{
    if (code != BN_CLICKED) return CDialogB::OnCommand(id, code, control);
    if (id == controls_.newButton) {
        NewEntry();
    } else if (id == controls_.editButton) {
        EditSelected();
    } else if (id == controls_.deleteButton) {
        DeleteSelected();
    } else {
        return CDialogB::OnCommand(id, code, control);
    }
    return true;
}

bool CCountryListEditPage::OnNotify(const NMHDR& header, LRESULT& result)
{
    if (static_cast<int>(header.idFrom) != controls_.list) return CDialogB::OnNotify(header, result);
    switch (header.code) {
    case LVN_COLUMNCLICK:
        SortByColumn(reinterpret_cast<const NMLISTVIEW&>(header).iSubItem);
        return true;
    case NM_DBLCLK:
        EditSelected();
        return true;
    case NM_RCLICK:
        ShowListMenu();
        return true;
    default:
        return CDialogB::OnNotify(header, result);
    }
}

void CCountryListEditPage::ShowListMenu()
{
    HMENU menu = ::CreatePopupMenu();
    if (menu == nullptr) return;
    const bool selected = HasSelection();
    AppendControlToMenu(menu, controls_.newButton, true);
    ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendControlToMenu(menu, controls_.editButton, selected);
    AppendControlToMenu(menu, controls_.deleteButton, selected);
    TrackListMenu(menu);
    ::DestroyMenu(menu);
}
