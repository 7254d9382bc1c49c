#pragma once
// One tab-separated list file of the enumeration scripts: UTF-16LE with a
// byte-order mark, a header line of the first row's column names, then a
// line per row. The file replaces its target only when every write
// succeeded; a file that cannot be created skips every later write.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Platform.h"

class CTabTableWriter {
public:
    // With a file open: ends the current row and keeps the file. Otherwise
    // starts the file anew.
    void Open(std::u16string_view path);
    void AddColumn(std::u16string_view name, std::u16string_view value);
    // "%08X" for radix 16; else the value's digits in that radix.
    void AddNumberColumn(std::u16string_view name, std::int32_t value, int radix);
    // Writes the row (the header line before the first); the row is
    // counted even without a file.
    void EndRow();
    bool IsFirstRow() const { return rows_ == 0; }
    std::uint32_t GetRowCount() const { return rows_; }
    std::uint32_t GetColumnCount() const { return columns_; }
    // Ends the row and puts the file in place; false when it was opened
    // and could not be written.
    bool Finish();

private:
    void Write(std::u16string_view text);

    std::u16string header_;
    std::u16string line_;
    platform::AtomicFileWriter file_;
    bool opened_ = false;
    bool failed_ = false;
    std::uint32_t columns_ = 0;
    std::uint32_t rows_ = 0;
};
