#include "ui/lists/ListExport.h"

#include <algorithm>
#include <vector>

#include "core/AppMessage.h"
#include "core/text/TextManager.h"
#include "core/text/TextTools.h"
#include "platform/Platform.h"
#include "platform/TextCodec.h"
#include "ui/lists/ListCtrlFileDialog.h"

namespace {

constexpr int CellCapacity = 1024;
constexpr int MeasureCapacity = 1023;
constexpr std::size_t FilterCapacity = 256;

using Table = std::vector<std::vector<std::u16string>>;

Table ReadCells(const win::CListCtrl& list, int capacity)
{
    int columns = list.GetColumnCount();
    Table rows;
    for (int row = 0; row < list.GetItemCount(); ++row) {
        std::vector<std::u16string> cells;
        for (int column = 0; column < columns; ++column) cells.push_back(list.GetItemText(row, column, capacity));
        rows.push_back(std::move(cells));
    }
    return rows;
}

std::u16string TitleLine(const char16_t* title)
{
    return std::u16string(title != nullptr ? title : u"") + u"\r\n";
}

std::u16string TabSeparated(const Table& rows, const char16_t* title)
{
    std::u16string text = TitleLine(title);
    for (const auto& cells : rows) {
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i > 0) text.push_back(u'\t');
            text += cells[i];
        }
        text += u"\r\n";
    }
    return text;
}

std::u16string AlignedColumns(const win::CListCtrl& list, const Table& rows, const char16_t* title)
{
    std::vector<std::size_t> widths(static_cast<std::size_t>(list.GetColumnCount()), 0);
    for (const auto& cells : ReadCells(list, MeasureCapacity))
        for (std::size_t i = 0; i < cells.size(); ++i) widths[i] = std::max(widths[i], cells[i].size());
    std::u16string text = TitleLine(title);
    for (const auto& cells : rows) {
        for (std::size_t i = 0; i < cells.size(); ++i) {
            text += cells[i];
            std::size_t used = cells[i].size();
            if (used <= widths[i]) text.append(widths[i] + 1 - used, u' ');
        }
        text += u"\r\n";
    }
    return text;
}

std::u16string XmlDocument(const Table& rows, const char16_t* title)
{
    std::u16string text = u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<list>\r\n";
    text += u"\t<title>" + EscapeMarkup(title != nullptr ? title : u"") + u"</title>\r\n";
    for (const auto& cells : rows) {
        text += u"\t<row>\r\n";
        for (const auto& cell : cells) text += u"\t\t<col>" + EscapeMarkup(cell) + u"</col>\r\n";
        text += u"\t</row>\r\n";
    }
    text += u"\t</list>\r\n";
    return text;
}

void ReportWriteFailure(const std::u16string& path)
{
    const char16_t* message = CTextManager::Instance()->GetText(u"Dialog.ListCtrl.ExportError"_tk);
    ShowAppMessageBox(ReplaceTokens(message, {{u"_FILE_NAME", path}}).c_str(), AppMessage::IconError);
}

}  // namespace

std::string BuildListExport(const win::CListCtrl& list, const char16_t* title, int type)
{
    Table rows = ReadCells(list, CellCapacity);
    std::string bytes;
    switch (type) {
    case ListExportTabs: platform::AppendUtf16Le(TabSeparated(rows, title), bytes); break;
    case ListExportColumns: platform::AppendUtf16Le(AlignedColumns(list, rows, title), bytes); break;
    case ListExportXml: bytes = platform::Utf16ToUtf8(XmlDocument(rows, title)); break;
    default: break;
    }
    return bytes;
}

bool WriteListExport(const win::CListCtrl& list, const char16_t* title, int type, const std::u16string& path)
{
    std::string bytes = BuildListExport(list, title, type);
    bool written = !bytes.empty() &&
                   platform::WriteFileAtomic(path, {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
    if (!written) ReportWriteFailure(path);
    return written;
}

bool ExportListCtrlToFile(const win::CListCtrl& list, const char16_t* title)
{
    const char16_t* format = CTextManager::Instance()->GetText(u"Dialog.ListCtrl.SaveFormat"_tk);
    char16_t filter[FilterCapacity];
    CopyText(filter, format, FilterCapacity);
    for (char16_t* c = filter; *c != 0; ++c)
        if (*c == u'#') *c = u'|';
    CListCtrlFileDialog dialog(filter, ::GetAncestor(list.Handle(), GA_ROOT));
    if (!dialog.Run()) return false;
    return WriteListExport(list, title, dialog.GetFilterIndex(), dialog.GetPath());
}
