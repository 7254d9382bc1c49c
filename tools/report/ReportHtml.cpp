#include "tools/report/ReportHtml.h"

#include <algorithm>

#include "core/AppMessage.h"
#include "core/files/FileMessages.h"
#include "core/text/TextManager.h"
#include "core/text/TextTools.h"
#include "platform/Platform.h"
#include "tools/report/ReportModel.h"

namespace {

constexpr std::u16string_view OpeningMarkers[] = {u"<%HEAD%>", u"<%CATEGORYSTART%>", u"<%ENTRY%>",
                                                  u"<%CATEGORYEND%>", u"<%FOOT%>"};
constexpr std::u16string_view ClosingMarkers[] = {u"<%/HEAD%>", u"<%/CATEGORYSTART%>", u"<%/ENTRY%>",
                                                  u"<%/CATEGORYEND%>", u"<%/FOOT%>"};
constexpr std::u16string_view TypeNames[] = {u"RITYPE_CATEGORY", u"RITYPE_INFO", u"RITYPE_SUCCESS",
                                             u"RITYPE_WARNING", u"RITYPE_ERROR"};

std::u16string DescriptionHtml(std::u16string_view text)
{
    std::u16string html;
    for (char16_t c : EscapeMarkup(text)) {
        if (c == u'\r') continue;
        if (c == u'\n') {
            html += u"<br />\r\n";
        } else {
            html += c;
        }
    }
    return html;
}

std::u16string Level(int level)
{
    return CTextManager::Instance()->FormatInt(level);
}

struct Field {
    std::u16string_view marker;
    std::u16string value;
};

// Copies the section, writing a field's value wherever its marker begins.
void WriteSection(std::u16string& out, std::u16string_view section, std::initializer_list<Field> fields)
{
    for (std::size_t i = 0; i < section.size();) {
        const auto field = section[i] != u'<'
                               ? fields.end()
                               : std::find_if(fields.begin(), fields.end(), [&](const Field& f) {
                                     return section.substr(i).starts_with(f.marker);
                                 });
        if (field != fields.end()) {
            out += field->value;
            i += field->marker.size();
        } else {
            out += section[i++];
        }
    }
}

class CHtmlWalk {
public:
    CHtmlWalk(const CReportTemplate& reportTemplate, const CReportModel& report, std::u16string& out)
        : template_(reportTemplate), report_(report), out_(out)
    {
    }

    void Level(const std::vector<ReportEntryHandle>& children, int depth)
    {
        for (ReportEntryHandle child : children) Item(child, depth);
    }

    void CategoryEnd(int level)
    {
        WriteSection(out_, template_.Text(CReportTemplate::CategoryEnd), {{u"<%=LEVEL%>", ::Level(level)}});
    }

private:
    void Item(ReportEntryHandle handle, int depth)
    {
        const ReportEntry entry = report_.Entry(handle);
        const bool category = entry.type == ReportType::Category;
        const int level = category ? depth + 1 : depth;
        if (category) {
            WriteSection(out_, template_.Text(CReportTemplate::CategoryStart),
                         {{u"<%=TITLE%>", EscapeMarkup(report_.Label(handle))}, {u"<%=LEVEL%>", ::Level(level)}});
        } else {
            WriteSection(out_, template_.Text(CReportTemplate::Entry),
                         {{u"<%=TYPE%>", std::u16string(TypeNames[entry.type])},
                          {u"<%=TITLE%>", EscapeMarkup(entry.title)},
                          {u"<%=DESCRIPTION%>", DescriptionHtml(entry.description)},
                          {u"<%=LEVEL%>", ::Level(level)}});
        }
        const auto children = depth + 1 < MaxReportHtmlDepth ? report_.Children(handle) : std::vector<ReportEntryHandle>{};
        const bool walkChildren = !children.empty();
        if (walkChildren) Level(children, depth + 1);
        // Every category is closed, an empty one too, so the page stays balanced.
        if (category || walkChildren) CategoryEnd(level);
    }

    const CReportTemplate& template_;
    const CReportModel& report_;
    std::u16string& out_;
};

}  // namespace

bool CReportTemplate::LoadFromBytes(std::string_view bytes)
{
    bytes = bytes.substr(0, MaxTemplateBytes);
    if (bytes.empty()) return false;
    const std::u16string text = platform::SystemCodePageToUtf16(bytes);
    if (text.empty()) return false;
    Parse(text);
    return true;
}

void CReportTemplate::Parse(std::u16string_view text)
{
    for (auto& section : sections_) section.clear();
    std::size_t from = 0;
    for (int section = 0; section < SectionCount; ++section) {
        const std::size_t open = text.find(OpeningMarkers[section], from);
        if (open == std::u16string_view::npos) return;
        const std::size_t begin = open + OpeningMarkers[section].size();
        const std::size_t close = text.find(ClosingMarkers[section], begin);
        if (close == std::u16string_view::npos) return;
        sections_[section] = text.substr(begin, std::min(close - begin, MaxSectionLength));
        from = close;
    }
}

bool LoadReportTemplate(const std::u16string& path, CReportTemplate& reportTemplate)
{
    platform::File file;
    std::string bytes;
    bool loaded = false;
    if (file.Open(path, platform::File::Mode::Read)) {
        const std::int64_t size = std::min<std::int64_t>(file.Size(), CReportTemplate::MaxTemplateBytes);
        bytes.resize(size > 0 ? static_cast<std::size_t>(size) : 0);
        loaded = size > 0 && file.Read(bytes.data(), bytes.size()) && reportTemplate.LoadFromBytes(bytes);
    }
    if (!loaded) ShowFileNotFound(path.c_str());
    return loaded;
}

std::u16string WriteReportHtml(const CReportTemplate& reportTemplate, const CReportModel& report)
{
    std::u16string out;
    const std::u16string title = EscapeMarkup(report.Title());
    WriteSection(out, reportTemplate.Text(CReportTemplate::Head), {{u"<%=REPORT%>", title}});
    CHtmlWalk walk(reportTemplate, report, out);
    const auto topLevel = report.Children(0);
    walk.Level(topLevel, 0);
    if (!topLevel.empty()) walk.CategoryEnd(0);
    WriteSection(out, reportTemplate.Text(CReportTemplate::Foot), {{u"<%=REPORT%>", title}});
    return out;
}

std::vector<std::uint8_t> ReportHtmlBytes(const CReportTemplate& reportTemplate, const CReportModel& report)
{
    const std::u16string text = WriteReportHtml(reportTemplate, report);
    std::vector<std::uint8_t> bytes{0xFF, 0xFE};
    bytes.reserve(2 + text.size() * 2);
    for (char16_t c : text) {
        bytes.push_back(static_cast<std::uint8_t>(c & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(c >> 8));
    }
    return bytes;
}

bool SaveReportHtml(const std::u16string& path, const CReportTemplate& reportTemplate, const CReportModel& report)
{
    if (platform::WriteFileAtomic(path, ReportHtmlBytes(reportTemplate, report))) return true;
    ShowAppMessageBox(CTextManager::Instance()->GetText(u"Dialog.CommonReport.FileError"_tk),
                      AppMessage::IconError);
    return false;
}
