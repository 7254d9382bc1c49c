#include "tools/admin/ColourDump.h"

#include <vector>

#include "core/text/Format.h"
#include "core/files/TabbedConfig.h"
#include "core/files/TabbedConfigRecord.h"
#include "core/text/TextTools.h"
#include "core/text/TextTools.h"

namespace {

constexpr int ColourColumns = 5;

std::string Narrow(std::u16string_view text)
{
    std::vector<std::uint8_t> bytes(text.size() + 1);
    const std::u16string copy(text);
    ToGameCodepage(copy.c_str(), bytes.data(), bytes.size());
    return std::string(reinterpret_cast<const char*>(bytes.data()));
}

void Line(std::string& page, std::u16string_view piece)
{
    page += Narrow(piece);
    page += "\r\n";
}

std::u16string ColourCell(std::uint32_t colour, bool asBackground)
{
    const std::u16string hex = Format(u"#%06X", colour & 0xFFFFFF);
    if (asBackground) return Format(u"<td bgcolor=\"%s\">%s</td>", hex, hex);
    return Format(u"<td><font color=\"%s\">%s</font></td>", hex, hex);
}

}  // namespace

std::string WriteColourDump(const CTabbedConfig& colours)
{
    std::string page;
    Line(page, u"<html><head><title>GUI and Text colors</title>");
    Line(page, u"<style>td { font-family: Verdana; font-size: 8pt; font-weight: bold; }</style></head>");
    Line(page, u"<body bgcolor=\"#FFFFFF\"><table border=\"0\" cellspacing=\"0\" cellpadding=\"0\">");
    Line(page, u"<tr><td>Idx</td><td>Name</td><td>Foreground</td><td>Background</td><td>Text (prim.)</td>"
               u"<td>Text (alt.)</td><td>Editor Preview</td></tr>");
    for (int position = 0; position < colours.GetRecordCount(); ++position) {
        const TTabbedConfigRecord* record = colours.GetRecordAt(position);
        if (record == nullptr) continue;
        const char16_t* name = record->GetWorldText();
        std::u16string row = Format(u"<tr><td>%d</td><td>%s</td>", record->GetId(), EscapeMarkup(name != nullptr ? name : u""));
        for (int column = 0; column < ColourColumns; ++column)
            row += ColourCell(static_cast<std::uint32_t>(record->GetColumnInt(column, 16)), column < 2);
        Line(page, row + u"</tr>");
    }
    Line(page, u"</table></body></html>");
    return page;
}
