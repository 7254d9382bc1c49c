#pragma once
// HTML export of a report through the user-editable template
// "trdata\ReportTemplate.html": five marked sections (head, category start,
// entry, category end, foot) whose field markers are filled per entry.
// Field values are escaped; the template's own text is copied as it is.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class CReportModel;

class CReportTemplate {
public:
    enum Section { Head, CategoryStart, Entry, CategoryEnd, Foot, SectionCount };
    static constexpr std::size_t MaxTemplateBytes = 32767;
    static constexpr std::size_t MaxSectionLength = 4094;

    // From the file's bytes in the system code page; false when nothing
    // usable is there (empty, or the conversion refused).
    bool LoadFromBytes(std::string_view bytes);
    // Sections are searched in order, each behind the previous closing
    // marker; a missing marker leaves that section and every later one empty.
    void Parse(std::u16string_view text);
    const std::u16string& Text(Section section) const { return sections_[section]; }

private:
    std::array<std::u16string, SectionCount> sections_;
};

// Loads the template file; a missing, empty or unreadable one is reported
// with "Dialog.FileNotFound" and its full path, and gives false.
bool LoadReportTemplate(const std::u16string& path, CReportTemplate& reportTemplate);

// The whole document as text, and as the file's bytes (UTF-16LE with BOM).
std::u16string WriteReportHtml(const CReportTemplate& reportTemplate, const CReportModel& report);
std::vector<std::uint8_t> ReportHtmlBytes(const CReportTemplate& reportTemplate, const CReportModel& report);

// Writes the export through a temporary file; on failure shows "FileError"
// and leaves nothing behind.
bool SaveReportHtml(const std::u16string& path, const CReportTemplate& reportTemplate, const CReportModel& report);

// Entries deeper than this many levels are left out of the export.
inline constexpr int MaxReportHtmlDepth = 63;
