#include "editors/player_staff/ListRowSelection.h"

std::vector<int> GetSelectedRows(const win::CListCtrl& list)
{
    std::vector<int> rows;
    int row = -1;
    const auto next = [&list](int after) {
        return static_cast<int>(list.Send(LVM_GETNEXTITEM, static_cast<WPARAM>(after), LVNI_SELECTED));
    };
    while ((row = next(row)) >= 0) rows.push_back(row);
    return rows;
}

int GetFocusedRow(const win::CListCtrl& list)
{
    const int focused = static_cast<int>(list.Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
    if (focused >= 0) return focused;
    return static_cast<int>(list.Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void SelectFocusShow(const win::CListCtrl& list, int row)
{
    list.SetItemState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    if (row < 0 || row >= list.GetItemCount()) return;
    list.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    list.Send(LVM_SETSELECTIONMARK, 0, row);
    list.EnsureVisible(row);
}
