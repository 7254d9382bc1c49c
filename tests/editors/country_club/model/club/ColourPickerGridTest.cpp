#include "editors/country_club/model/club/ColourPickerGrid.h"

#include <gtest/gtest.h>

namespace {

struct THit {
    int x;
    int y;
    int index;
};

constexpr THit Hits[] = {
    {4, 4, 0},     {28, 4, 0},   {30, 4, 1},    {209, 177, 63}, {3, 4, -1},  {29, 4, -1},  {212, 4, -1},
    {4, 3, -1},    {4, 24, 0},   {4, 25, -1},   {4, 26, 8},     {186, 4, 7}, {4, 180, -1}, {-30, 4, -1},
    {4, -30, -1},  {56, 26, 10},
};

TEST(ColourPickerGrid, ClicksHitCellsAndMissMarginsGapsAndOutside)
{
    for (const THit& hit : Hits) EXPECT_EQ(PickerHitTest(hit.x, hit.y), hit.index) << hit.x << "," << hit.y;
}

TEST(ColourPickerGrid, EveryCellMapsBackToItsIndex)
{
    for (int index = 0; index < PickerColumns * PickerRows; ++index) {
        const TGridCell cell = PickerCell(index);
        EXPECT_EQ(cell.right - cell.left, PickerCellWidth);
        EXPECT_EQ(cell.bottom - cell.top, PickerCellHeight);
        EXPECT_EQ(PickerHitTest((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2), index);
        EXPECT_EQ(PickerHitTest(cell.left, cell.top), index);
        EXPECT_EQ(PickerHitTest(cell.right - 1, cell.bottom - 1), index);
    }
    EXPECT_EQ(PickerCell(9).left, 30);
    EXPECT_EQ(PickerCell(9).top, 26);
}

}  // namespace
