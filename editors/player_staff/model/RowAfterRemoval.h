#pragma once
// The row a list with several selectable rows selects after some of its
// rows were removed and the list refilled.

#include <vector>

// The former position moved up by one for each removed row at or above it
// (index not greater), clamped to the refilled list; -1 when it is empty.
int RowAfterRemoval(int formerRow, const std::vector<int>& removedRows, int newRowCount);
