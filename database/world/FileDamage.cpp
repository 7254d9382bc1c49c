#include "database/world/FileDamage.h"

#include <algorithm>

#include "core/text/Format.h"
#include "core/files/IndexTextFile.h"
#include "core/text/TextManager.h"
#include "core/text/TextTools.h"

std::optional<std::uint32_t> ParseStrictDecimal(std::u16string_view line, std::uint32_t most)
{
    const std::size_t first = line.find_first_not_of(u" \t");
    if (first == std::u16string_view::npos) return std::nullopt;
    line = line.substr(first, line.find_last_not_of(u" \t") - first + 1);
    std::uint64_t value = 0;
    for (char16_t c : line) {
        if (c < u'0' || c > u'9') return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c - u'0');
        if (value > most) return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

void TFileDamage::Keep(std::size_t line, std::u16string_view message)
{
    if (IsDamaged()) return;
    description_ = ReplaceTokens(CTextManager::Instance()->GetText(u"Database.Error.AtLine"_tk),
                                 {{u"_LINE", Format(u"%d", static_cast<std::int64_t>(line))}, {u"_MESSAGE", message}});
}

// A line the stream found broken before the one reported comes first: what
// went wrong there follows from it.
void TFileDamage::ReportEarlierBrokenSection(const CIndexTextFile& file, std::size_t line)
{
    if (file.GetBrokenSectionLine() != 0 && file.GetBrokenSectionLine() < line) ReportBrokenSection(file);
}

void TFileDamage::Report(const CIndexTextFile& file, TextKey key, std::u16string_view section, std::u16string_view count)
{
    const std::size_t line = std::max<std::size_t>(file.GetLineNumber(), 1);
    ReportEarlierBrokenSection(file, line);
    if (IsDamaged()) return;
    const std::u16string message =
        ReplaceTokens(CTextManager::Instance()->GetText(key), {{u"_SECTION", section}, {u"_COUNT", count}});
    Keep(line, message);
}

void TFileDamage::ReportMissingSection(const CIndexTextFile& file, std::u16string_view section)
{
    ReportEarlierBrokenSection(file, file.GetLineNumber() + 1);
    if (IsDamaged()) return;
    const std::u16string message = ReplaceTokens(
        CTextManager::Instance()->GetText(u"Database.Error.SectionAbsent"_tk), {{u"_SECTION", section}});
    Keep(file.GetLineNumber() + 1, message);
}

// A broken line kept before told of a read that went on; the user must
// learn that this one stopped, and what a save of it would leave out.
void TFileDamage::ReportNotClosed(const CIndexTextFile& file, std::u16string_view section)
{
    if (IsDamaged() && !keptBrokenLine_) return;
    description_.clear();
    Keep(std::max<std::size_t>(file.GetLineNumber(), 1),
         ReplaceTokens(CTextManager::Instance()->GetText(u"Database.Error.ReadStoppedNotClosed"_tk), {{u"_SECTION", section}}));
    keptBrokenLine_ = false;
}

void TFileDamage::ReportBrokenSection(const CIndexTextFile& file)
{
    if (file.GetBrokenSectionLine() != 0) {
        ReportBrokenSection(file.GetBrokenSectionLine(), file.GetBrokenSectionKey(), file.GetBrokenSectionKind());
    }
}

void TFileDamage::ReportBrokenSection(std::size_t line, std::u16string_view section, CIndexTextFile::TBroken kind)
{
    if (IsDamaged()) return;
    const TextKey key = kind == CIndexTextFile::TBroken::OutOfPlace  ? u"Database.Error.SectionLineOutOfPlace"_tk
                        : kind == CIndexTextFile::TBroken::NotClosed ? u"Database.Error.SectionNotClosed"_tk
                                                                     : u"Database.Error.SectionBeginBroken"_tk;
    Keep(line, ReplaceTokens(CTextManager::Instance()->GetText(key), {{u"_SECTION", section}}));
    keptBrokenLine_ = true;
}

void TFileDamage::ReportFound(std::u16string_view message)
{
    if (!IsDamaged()) description_ = message;
}

void TFileDamage::ReportUncounted(const CIndexTextFile& file, std::u16string_view section, std::int32_t count)
{
    Report(file, u"Database.Error.SectionsNotCounted"_tk, section, Format(u"%d", count));
}

std::optional<std::int32_t> TFileDamage::ReadCount(CIndexTextFile& file, std::u16string_view section,
                                                     std::int32_t most)
{
    std::u16string line;
    file.ReadCString(line);
    const auto value = ParseStrictDecimal(line, static_cast<std::uint32_t>(most));
    if (!value) {
        Report(file, u"Database.Error.BadCount"_tk, section, line);
        return std::nullopt;
    }
    return static_cast<std::int32_t>(*value);
}
