#include "ui/lists/ListColumnFit.h"

#include <algorithm>
#include <cstddef>
#include <string>

namespace {

// The margins a list view draws a cell's text within, the first column's
// label margin included, with room to spare.
constexpr int CellPadding = 12;

// A header draws its text three edges in from either side of its item,
// whose own edges take two pixels more on either side.
int HeadingPadding()
{
    return 6 * ::GetSystemMetrics(SM_CXEDGE) + 4;
}

std::vector<long long> TextNeeds(const win::CListCtrl& list, std::size_t columns)
{
    std::vector<long long> needs(columns, 0);
    for (std::size_t column = 0; column < columns; ++column) {
        const int index = static_cast<int>(column);
        const std::u16string heading = list.GetColumnText(index);
        if (!heading.empty()) needs[column] = list.GetStringWidth(heading.c_str()) + HeadingPadding();
        for (int row = 0; row < list.GetItemCount(); ++row) {
            const std::u16string cell = list.GetItemText(row, index);
            if (!cell.empty()) needs[column] = std::max<long long>(needs[column], list.GetStringWidth(cell.c_str()) + CellPadding);
        }
    }
    return needs;
}

}  // namespace

void FitListColumns(const win::CListCtrl& list, const std::vector<int>& weights, int width)
{
    const std::size_t columns = std::min(static_cast<std::size_t>(std::max(list.GetColumnCount(), 0)), weights.size());
    const std::vector<long long> needs = TextNeeds(list, columns);
    // A column that needs more than its share takes what it needs, which
    // leaves less to share among the others; until no other needs more.
    std::vector<bool> takesNeed(columns, false);
    long long rest = width;
    long long restWeight = 0;
    for (bool changed = true; changed;) {
        changed = false;
        rest = width;
        restWeight = 0;
        for (std::size_t column = 0; column < columns; ++column) {
            if (takesNeed[column]) rest -= needs[column];
            else restWeight += weights[column];
        }
        for (std::size_t column = 0; column < columns; ++column) {
            if (takesNeed[column] || (restWeight > 0 && needs[column] <= weights[column] * rest / restWeight)) continue;
            takesNeed[column] = true;
            changed = true;
        }
    }
    for (std::size_t column = 0; column < columns; ++column) {
        const long long share = takesNeed[column] ? needs[column] : weights[column] * rest / restWeight;
        list.SetColumnWidth(static_cast<int>(column), static_cast<int>(share));
    }
}
