// The report template loader and the HTML writer over a fixed report tree:
// any template bytes give sections and a document, never a fault.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "tools/report/ReportHtml.h"
#include "tools/report/ReportModel.h"

namespace {

void Fill(CReportModel& model)
{
    model.Open();
    model.SetTitle(u"Fuzz <report> & \"title\"");
    ReportEntryHandle parent = 0;
    for (int level = 0; level < 3; ++level) {
        parent = model.AddCategory(parent, u"Category");
        for (int type = ReportType::Info; type <= ReportType::Error; ++type)
            model.AddEntry(parent, type, u"Entry <b>", u"first\r\nsecond\n");
    }
    model.AddCategory(0, u"Empty");
}

const CReportModel& FixedReport()
{
    static CReportModel report;
    static const bool filled = (Fill(report), true);
    (void)filled;
    return report;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CReportTemplate reportTemplate;
    if (!reportTemplate.LoadFromBytes(std::string_view(reinterpret_cast<const char*>(data), size))) return 0;
    for (int section = 0; section < CReportTemplate::SectionCount; ++section) {
        if (reportTemplate.Text(static_cast<CReportTemplate::Section>(section)).size() >
            CReportTemplate::MaxSectionLength)
            __builtin_trap();
    }
    const auto bytes = ReportHtmlBytes(reportTemplate, FixedReport());
    if (bytes.size() < 2 || bytes[0] != 0xFF || bytes[1] != 0xFE) __builtin_trap();
    return 0;
}
