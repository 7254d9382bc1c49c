#pragma once
// Column widths of a report list that show every text whole: each column
// gets its share of the width by its weight, a column whose heading or
// widest cell needs more than its share gets what it needs, and the other
// columns share what is left. A list whose texts need more than its width
// scrolls sideways rather than cutting them.

#include <vector>

#include "win/ListCtrl.h"

void FitListColumns(const win::CListCtrl& list, const std::vector<int>& weights, int width);
