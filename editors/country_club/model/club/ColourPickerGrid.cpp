#include "editors/country_club/model/club/ColourPickerGrid.h"

TGridCell PickerCell(int index)
{
    const int left = PickerMargin + (index % PickerColumns) * PickerPitchX;
    const int top = PickerMargin + (index / PickerColumns) * PickerPitchY;
    return {left, top, left + PickerCellWidth, top + PickerCellHeight};
}

int PickerHitTest(int x, int y)
{
    if (x < PickerMargin || y < PickerMargin) return -1;
    const int column = (x - PickerMargin) / PickerPitchX;
    const int row = (y - PickerMargin) / PickerPitchY;
    if ((x - PickerMargin) % PickerPitchX > PickerCellWidth) return -1;
    if ((y - PickerMargin) % PickerPitchY > PickerCellHeight) return -1;
    if (column >= PickerColumns || row >= PickerRows) return -1;
    return column + PickerColumns * row;
}
