#include <gtest/gtest.h>

#include "editors/player_staff/model/RowAfterRemoval.h"
#include "editors/player_staff/model/ListSortState.h"

namespace {

TEST(RowAfterRemoval, MovesUpForEachRemovedRowAtOrAboveAndClamps)
{
    struct Case {
        int former;
        std::vector<int> removed;
        int newCount;
        int expected;
    };
    for (const Case& c : {
             Case{5, {1, 2}, 8, 3},
             Case{5, {5}, 9, 4},
             Case{5, {6, 7}, 8, 5},
             Case{0, {0}, 3, 0},
             Case{9, {8, 9}, 8, 7},  // the last rows gone: the new last row
             Case{2, {0, 1, 2}, 0, -1},
             Case{-1, {}, 4, 0},
         }) {
        EXPECT_EQ(RowAfterRemoval(c.former, c.removed, c.newCount), c.expected) << c.former << " of " << c.newCount;
    }
}

TEST(ListSortState, SameColumnTogglesAnotherSortsAscending)
{
    ListSortState sort;
    sort.ClickHeader(0);
    EXPECT_FALSE(sort.ascending);
    EXPECT_EQ(sort.Directed(3), -3);
    sort.ClickHeader(2);
    EXPECT_EQ(sort.column, 2);
    EXPECT_TRUE(sort.ascending);
    EXPECT_EQ(sort.Directed(3), 3);
}

}  // namespace
