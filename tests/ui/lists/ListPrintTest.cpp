#include <gtest/gtest.h>

#include "ui/lists/ListPrint.h"

namespace {

TPrintMetrics Letter600()
{
    TPrintMetrics metrics;
    metrics.pageWidth = 5100;
    metrics.pageHeight = 6600;
    metrics.dpiX = 600;
    metrics.dpiY = 600;
    metrics.lineHeight = 60;
    return metrics;
}

TEST(ListPrintTest, MarginsGapsAndColumnStartsFollowTheResolution)
{
    TPrintLayout layout = LayoutPrintPages(Letter600(), {1000, 500, 700}, 10, TPrintSettings{});
    EXPECT_EQ(layout.marginX, 450);
    EXPECT_EQ(layout.marginY, 600);
    EXPECT_EQ(layout.columnGap, 60);
    EXPECT_EQ(layout.linePitch, 63);
    EXPECT_EQ(layout.boldShift, 2);
    EXPECT_EQ(layout.columnStarts, (std::vector<int>{450, 1510, 2070}));
    // (6600 - 1200) / 63 - 2 rows per page.
    EXPECT_EQ(layout.rowsPerPage, 83);
    EXPECT_EQ(layout.pageCount, 1);
}

TEST(ListPrintTest, WidestColumnShrinksUntilTheColumnsFit)
{
    // 4200 pixels between the margins; 4300 requested.
    TPrintLayout layout = LayoutPrintPages(Letter600(), {3000, 1000, 300}, 1, TPrintSettings{});
    EXPECT_EQ(layout.columnWidths, (std::vector<int>{2900, 1000, 300}));
    // Equal widths: the first one loses first.
    layout = LayoutPrintPages(Letter600(), {2101, 2101}, 1, TPrintSettings{});
    EXPECT_EQ(layout.columnWidths, (std::vector<int>{2100, 2100}));
    layout = LayoutPrintPages(Letter600(), {2102, 2101}, 1, TPrintSettings{});
    EXPECT_EQ(layout.columnWidths, (std::vector<int>{2100, 2101 - 1}));
}

TEST(ListPrintTest, PageCountRoundsUp)
{
    EXPECT_EQ(LayoutPrintPages(Letter600(), {100}, 83, TPrintSettings{}).pageCount, 1);
    EXPECT_EQ(LayoutPrintPages(Letter600(), {100}, 84, TPrintSettings{}).pageCount, 2);
    EXPECT_EQ(LayoutPrintPages(Letter600(), {100}, 167, TPrintSettings{}).pageCount, 3);
}

TEST(ListPrintTest, DegenerateDevicesNeverDivideByZero)
{
    TPrintLayout empty = LayoutPrintPages(Letter600(), {100}, 0, TPrintSettings{});
    EXPECT_EQ(empty.pageCount, 1);
    TPrintLayout zero = LayoutPrintPages(TPrintMetrics{}, {100, 200}, 50, TPrintSettings{});
    EXPECT_GE(zero.rowsPerPage, 1);
    EXPECT_GE(zero.linePitch, 1);
    EXPECT_EQ(zero.pageCount, 50);
    EXPECT_EQ(zero.columnWidths, (std::vector<int>{0, 0}));
}

}  // namespace
