#pragma once
// The colour picker's 8 x 8 cells: 24 x 20 pixels at a pitch of 26 x 22,
// from 4 pixels off the top-left corner; index = row x 8 + column.

struct TGridCell {
    int left;
    int top;
    int right;
    int bottom;
};

inline constexpr int PickerColumns = 8;
inline constexpr int PickerRows = 8;
inline constexpr int PickerMargin = 4;
inline constexpr int PickerCellWidth = 24;
inline constexpr int PickerCellHeight = 20;
inline constexpr int PickerPitchX = 26;
inline constexpr int PickerPitchY = 22;

// The cell of a palette index (right and bottom exclusive).
TGridCell PickerCell(int index);
// The index under a client point, -1 in the margin, a gap or off the grid.
// A point one past a cell's width still counts as that cell, as the
// picker's clicks always did.
int PickerHitTest(int x, int y);
