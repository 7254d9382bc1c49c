#pragma once
// The value lines of one small record section (a referee, a sponsor, a
// stadium, the country's manager). A damaged file may hold a section with
// fewer lines than its record has fields; reading on would take the end
// line and the following records as values and shift everything after it.
// So this reader never takes a section line as a value: a field whose line
// is missing keeps the value it had.

#include <cstddef>
#include <cstdint>
#include <string_view>

class CIndexTextFile;

enum class TSectionRead { Read, Missing, Unterminated };

class CRecordSectionReader {
public:
    // Finds the begin line of key as the stream's next section line, or
    // reads past it when it is broken (CIndexTextFile::FindNestedSection).
    CRecordSectionReader(CIndexTextFile& file, std::u16string_view key);

    bool Found() const { return found_; }
    void Text(char16_t* dest, std::size_t capacity);
    void Number(std::int32_t& value);
    void Number(std::uint8_t& value);
    // Passes over one line whose value is not kept.
    void Skip();
    // Moves past the section's end line, passing over lines this program
    // does not know.
    TSectionRead Finish();

private:
    bool HasValue();

    CIndexTextFile& file_;
    std::u16string_view key_;
    bool found_;
};
