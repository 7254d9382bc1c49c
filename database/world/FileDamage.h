#pragma once
// What a reader found wrong in a file it could still partly read: a count
// that is not a number or smaller than the sections present, a section that
// is missing or not closed, a version line that is not a version. A
// damaged record is loaded as far as it could be read, so that the user can
// look at it, and a save keeps its file unless the user agrees to replace
// it with what was read. Only the first damage is kept, with its line; a
// broken line after which the read went on gives way to a later stop.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/files/IndexTextFile.h"
#include "core/text/TextKey.h"


class TFileDamage {
public:
    bool IsDamaged() const { return !description_.empty(); }
    // "Line n: what is wrong", in the current language.
    const std::u16string& GetDescription() const { return description_; }
    void Clear()
    {
        description_.clear();
        keptBrokenLine_ = false;
    }

    // The text of key with _SECTION and _COUNT filled, at the stream's
    // current line. Later reports are dropped.
    void Report(const CIndexTextFile& file, TextKey key, std::u16string_view section, std::u16string_view count = {});
    // At the line after the current one, where the section was expected.
    void ReportMissingSection(const CIndexTextFile& file, std::u16string_view section);
    // The section has no end line and the read stopped in it: said at the
    // stream's current line, also in place of a broken line kept before.
    void ReportNotClosed(const CIndexTextFile& file, std::u16string_view section);
    // The count said fewer entries than the section holds.
    void ReportUncounted(const CIndexTextFile& file, std::u16string_view section, std::int32_t count);
    // A nested section whose begin line a reader found missing, misspelt
    // or doubled and read past (CIndexTextFile::FindNestedSection), or a
    // section line out of place, at that line; nothing when the file noted
    // none.
    void ReportBrokenSection(const CIndexTextFile& file);
    void ReportBrokenSection(std::size_t line, std::u16string_view section, CIndexTextFile::TBroken kind);
    // Damage that shows only once the whole database is read, at no line.
    void ReportFound(std::u16string_view message);

    // Reads a count line: decimal digits only (blanks around them allowed),
    // at most most. Anything else is reported and gives nothing.
    std::optional<std::int32_t> ReadCount(CIndexTextFile& file, std::u16string_view section, std::int32_t most);

private:
    void Keep(std::size_t line, std::u16string_view message);
    void ReportEarlierBrokenSection(const CIndexTextFile& file, std::size_t line);

    std::u16string description_;
    // Whether the damage kept is a broken line after which the read went
    // on (ReportBrokenSection).
    bool keptBrokenLine_ = false;
};

// The value of a line of decimal digits, blanks around them allowed;
// nothing for any other text or a value above most.
std::optional<std::uint32_t> ParseStrictDecimal(std::u16string_view line, std::uint32_t most);
