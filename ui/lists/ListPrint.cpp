#include "ui/lists/ListPrint.h"

#include <commdlg.h>

#include <algorithm>
#include <numeric>
#include <string>

#include "core/text/Format.h"
#include "core/text/TextTools.h"
#include "win/Gdi.h"
#include "win/WideText.h"

namespace {

constexpr int CellCapacity = 1024;
constexpr const char16_t* LineSample = u"qIP\u00C4g";

void ShrinkToFit(std::vector<int>& widths, int available)
{
    long long total = std::accumulate(widths.begin(), widths.end(), 0LL);
    while (total > available && !widths.empty()) {
        auto widest = std::max_element(widths.begin(), widths.end());
        if (*widest <= 0) break;
        --*widest;
        --total;
    }
}

UINT CellAlignment(int format)
{
    if ((format & LVCFMT_JUSTIFYMASK) == LVCFMT_RIGHT) return DT_RIGHT;
    if ((format & LVCFMT_JUSTIFYMASK) == LVCFMT_CENTER) return DT_CENTER;
    return DT_LEFT;
}

int TextWidth(HDC dc, const std::u16string& text)
{
    SIZE size{};
    ::GetTextExtentPoint32W(dc, win::W(text), static_cast<int>(text.size()), &size);
    return size.cx;
}

class ListPrinter {
public:
    ListPrinter(const win::CListCtrl& list, const TPrintSettings& settings, HDC dc)
        : list_(list), settings_(settings), dc_(dc)
    {
    }
    bool Print();

private:
    void Measure();
    void PrintPage(int page);
    void DrawCell(const std::u16string& text, int column, int top, int shift);

    const win::CListCtrl& list_;
    const TPrintSettings& settings_;
    HDC dc_;
    TPrintMetrics metrics_;
    TPrintLayout layout_;
    int columns_ = 0;
    int rows_ = 0;
};

void ListPrinter::Measure()
{
    metrics_.pageWidth = ::GetDeviceCaps(dc_, PHYSICALWIDTH);
    metrics_.pageHeight = ::GetDeviceCaps(dc_, PHYSICALHEIGHT);
    metrics_.dpiX = ::GetDeviceCaps(dc_, LOGPIXELSX);
    metrics_.dpiY = ::GetDeviceCaps(dc_, LOGPIXELSY);
    SIZE sample{};
    ::GetTextExtentPoint32W(dc_, win::W(LineSample), static_cast<int>(TextLength(LineSample)), &sample);
    metrics_.lineHeight = sample.cy;
    columns_ = list_.GetColumnCount();
    rows_ = list_.GetItemCount();
    std::vector<int> widths;
    for (int column = 0; column < columns_; ++column) {
        int width = TextWidth(dc_, list_.GetColumnText(column));
        for (int row = 0; row < rows_; ++row) width = std::max(width, TextWidth(dc_, list_.GetItemText(row, column, CellCapacity)));
        widths.push_back(width);
    }
    layout_ = LayoutPrintPages(metrics_, std::move(widths), rows_, settings_);
}

void ListPrinter::DrawCell(const std::u16string& text, int column, int top, int shift)
{
    auto index = static_cast<std::size_t>(column);
    RECT cell{layout_.columnStarts[index] + shift, top, layout_.columnStarts[index] + layout_.columnWidths[index] + shift,
              top + layout_.linePitch};
    ::DrawTextW(dc_, win::W(text), -1, &cell,
                DT_SINGLELINE | DT_NOPREFIX | CellAlignment(list_.GetColumnFormat(column)));
}

void ListPrinter::PrintPage(int page)
{
    ::StartPage(dc_);
    int top = layout_.marginY;
    RECT line{layout_.marginX, top, metrics_.pageWidth - layout_.marginX, top + layout_.linePitch};
    std::u16string pageText = Format(u"%i / %i", page + 1, layout_.pageCount);
    ::DrawTextW(dc_, win::W(pageText), -1, &line, DT_SINGLELINE | DT_RIGHT | DT_NOPREFIX);
    std::u16string title(settings_.title != nullptr ? settings_.title : u"");
    ::DrawTextW(dc_, win::W(title), -1, &line, DT_SINGLELINE | DT_CENTER | DT_NOPREFIX);
    top += layout_.linePitch;
    for (int column = 0; column < columns_; ++column) {
        std::u16string heading = list_.GetColumnText(column);
        for (int pass = 0; pass < 3; ++pass) DrawCell(heading, column, top, pass * layout_.boldShift);
    }
    int first = page * layout_.rowsPerPage;
    int last = std::min(rows_, first + layout_.rowsPerPage);
    for (int row = first; row < last; ++row) {
        top += layout_.linePitch;
        for (int column = 0; column < columns_; ++column) DrawCell(list_.GetItemText(row, column, CellCapacity), column, top, 0);
    }
    ::EndPage(dc_);
}

bool ListPrinter::Print()
{
    win::CFont font;
    LOGFONTW logFont{};
    logFont.lfHeight = -::MulDiv(settings_.fontHeight, ::GetDeviceCaps(dc_, LOGPIXELSY), 720);
    CopyText(win::U(logFont.lfFaceName), settings_.fontName, LF_FACESIZE);
    font.Reset(::CreateFontIndirectW(&logFont));
    win::CSelectObject selected(dc_, font.Get());
    DOCINFOW document{};
    document.cbSize = sizeof(document);
    document.lpszDocName = win::W(settings_.title != nullptr ? settings_.title : u"");
    if (::StartDocW(dc_, &document) <= 0) return false;
    ::SetBkMode(dc_, TRANSPARENT);
    Measure();
    for (int page = 0; page < layout_.pageCount; ++page) PrintPage(page);
    ::EndDoc(dc_);
    return true;
}

}  // namespace

TPrintLayout LayoutPrintPages(const TPrintMetrics& metrics, std::vector<int> widths, int rowCount,
                              const TPrintSettings& settings)
{
    TPrintLayout layout;
    layout.marginX = static_cast<int>(metrics.dpiX * settings.marginInchesX);
    layout.marginY = static_cast<int>(metrics.dpiY * settings.marginInchesY);
    layout.columnGap = metrics.dpiX / 10;
    layout.linePitch = std::max(1, metrics.lineHeight + metrics.dpiY / 200);
    layout.boldShift = metrics.dpiY / 250;
    ShrinkToFit(widths, metrics.pageWidth - 2 * layout.marginX);
    int start = layout.marginX;
    for (int width : widths) {
        layout.columnStarts.push_back(start);
        start += width + layout.columnGap;
    }
    layout.columnWidths = std::move(widths);
    // A page always holds at least one row, and an empty list still prints
    // one page with its headings.
    layout.rowsPerPage = std::max(1, (metrics.pageHeight - 2 * layout.marginY) / layout.linePitch - 2);
    layout.pageCount = std::max(1, (rowCount + layout.rowsPerPage - 1) / layout.rowsPerPage);
    return layout;
}

bool PrintListCtrl(const win::CListCtrl& list, const TPrintSettings& settings)
{
    PRINTDLGW request{};
    request.lStructSize = sizeof(request);
    request.hwndOwner = ::GetAncestor(list.Handle(), GA_ROOT);
    request.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_USEDEVMODECOPIESANDCOLLATE;
    if (!::PrintDlgW(&request) || request.hDC == nullptr) return false;
    bool printed = ListPrinter(list, settings, request.hDC).Print();
    ::DeleteDC(request.hDC);
    if (request.hDevMode != nullptr) ::GlobalFree(request.hDevMode);
    if (request.hDevNames != nullptr) ::GlobalFree(request.hDevNames);
    return printed;
}
