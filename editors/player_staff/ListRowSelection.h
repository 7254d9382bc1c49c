#pragma once
// Selected rows of report lists with several selectable rows, and the
// reselection after a refill.

#include <vector>

#include "win/ListCtrl.h"

std::vector<int> GetSelectedRows(const win::CListCtrl& list);
// The focused row, else the first selected one, else -1.
int GetFocusedRow(const win::CListCtrl& list);
// Selects, focuses and shows the row alone; -1 selects nothing.
void SelectFocusShow(const win::CListCtrl& list, int row);
