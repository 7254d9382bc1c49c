#pragma once
// Printing a report list: a title line with the page number, bold column
// headings, then the rows, as many pages as they need. The page layout is a
// function of the measured sizes alone, so it can be checked without a
// printer.

#include <vector>

#include "win/ListCtrl.h"

struct TPrintSettings {
    const char16_t* title = nullptr;
    int fontHeight = 70;  // tenths of a point
    const char16_t* fontName = u"Arial";
    double marginInchesX = 0.75;
    double marginInchesY = 1.0;
};

// Sizes in device units as the printer reports them.
struct TPrintMetrics {
    int pageWidth = 0;
    int pageHeight = 0;
    int dpiX = 0;
    int dpiY = 0;
    int lineHeight = 0;
};

struct TPrintLayout {
    int marginX = 0;
    int marginY = 0;
    int columnGap = 0;
    int linePitch = 1;
    int boldShift = 0;
    std::vector<int> columnStarts;
    std::vector<int> columnWidths;
    int rowsPerPage = 1;
    int pageCount = 1;
};

// widths: each column's widest text (heading or cell) in device units.
TPrintLayout LayoutPrintPages(const TPrintMetrics& metrics, std::vector<int> widths, int rowCount,
                              const TPrintSettings& settings);
// Asks for the printer and prints; false on cancel or a failed job.
bool PrintListCtrl(const win::CListCtrl& list, const TPrintSettings& settings);
