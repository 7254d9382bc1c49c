#include "tools/enumscripts/TabTableWriter.h"

#include <cstdio>
#include <vector>

namespace {
constexpr std::u16string_view LineEnd = u"\r\n";
constexpr std::uint8_t ByteOrderMark[] = {0xFF, 0xFE};

std::u16string Ascii(const std::string& text)
{
    return std::u16string(text.begin(), text.end());
}

// The C runtime's integer-to-text: signed only in radix 10, lower-case
// letters above 9.
std::u16string Digits(std::int32_t value, int radix)
{
    if (radix == 10 || radix < 2 || radix > 36) return Ascii(std::to_string(value));
    auto rest = static_cast<std::uint32_t>(value);
    std::string digits;
    do {
        digits.insert(digits.begin(), "0123456789abcdefghijklmnopqrstuvwxyz"[rest % static_cast<std::uint32_t>(radix)]);
        rest /= static_cast<std::uint32_t>(radix);
    } while (rest != 0);
    return Ascii(digits);
}
}  // namespace

void CTabTableWriter::Open(std::u16string_view path)
{
    if (opened_) {
        EndRow();
        columns_ = 0;
        return;
    }
    opened_ = true;
    rows_ = 0;
    columns_ = 0;
    failed_ = !file_.Open(path) || !file_.Write(ByteOrderMark, sizeof ByteOrderMark);
}

void CTabTableWriter::AddColumn(std::u16string_view name, std::u16string_view value)
{
    if (rows_ == 0) {
        if (columns_ != 0) header_ += u'\t';
        header_ += name;
    }
    if (columns_ != 0) line_ += u'\t';
    line_ += value;
    ++columns_;
}

void CTabTableWriter::AddNumberColumn(std::u16string_view name, std::int32_t value, int radix)
{
    if (radix != 16) {
        AddColumn(name, Digits(value, radix));
        return;
    }
    char hex[9];
    std::snprintf(hex, sizeof hex, "%08X", static_cast<std::uint32_t>(value));
    AddColumn(name, Ascii(hex));
}

void CTabTableWriter::EndRow()
{
    if (!line_.empty() && opened_ && !failed_) {
        if (rows_ == 0 && !header_.empty()) Write(header_ + std::u16string(LineEnd));
        Write(line_ + std::u16string(LineEnd));
    }
    if (!line_.empty()) ++rows_;
    header_.clear();
    line_.clear();
    columns_ = 0;
}

bool CTabTableWriter::Finish()
{
    EndRow();
    const bool wasOpen = opened_;
    bool written = !failed_;
    if (opened_ && !failed_) {
        written = file_.Commit();
    } else {
        file_.Discard();
    }
    opened_ = false;
    failed_ = false;
    rows_ = 0;
    columns_ = 0;
    return !wasOpen || written;
}

void CTabTableWriter::Write(std::u16string_view text)
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(text.size() * 2);
    for (char16_t c : text) {
        bytes.push_back(static_cast<std::uint8_t>(c & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(c >> 8));
    }
    if (!file_.Write(bytes.data(), bytes.size())) failed_ = true;
}
