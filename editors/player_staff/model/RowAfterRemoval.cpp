#include "editors/player_staff/model/RowAfterRemoval.h"

#include <algorithm>

int RowAfterRemoval(int formerRow, const std::vector<int>& removedRows, int newRowCount)
{
    if (newRowCount <= 0) return -1;
    const auto above = std::count_if(removedRows.begin(), removedRows.end(), [formerRow](int row) { return row <= formerRow; });
    return std::clamp(formerRow - static_cast<int>(above), 0, newRowCount - 1);
}
