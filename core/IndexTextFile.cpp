#include "core/IndexTextFile.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "core/TextTools.h"
#include "platform/TextCodec.h"

namespace {

constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";

bool StartsWith(std::span<const std::uint8_t> bytes, std::initializer_list<std::uint8_t> mark)
{
    return bytes.size() >= mark.size() && std::equal(mark.begin(), mark.end(), bytes.begin());
}

std::string_view UpToZeroByte(std::span<const std::uint8_t> bytes)
{
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return text.substr(0, text.find('\0'));
}

std::span<const std::uint8_t> UpToZeroUnit(std::span<const std::uint8_t> bytes)
{
    std::size_t size = 0;
    while (size + 1 < bytes.size() && (bytes[size] != 0 || bytes[size + 1] != 0)) size += 2;
    // An odd last byte stays for the decoder, which drops it.
    if (size + 1 == bytes.size()) ++size;
    return bytes.first(size);
}

std::u16string Decode(std::span<const std::uint8_t> bytes)
{
    if (StartsWith(bytes, {0xEF, 0xBB, 0xBF})) return platform::Utf8ToUtf16(UpToZeroByte(bytes.subspan(3)));
    if (StartsWith(bytes, {0xFF, 0xFE})) return platform::Utf16LeToUtf16(UpToZeroUnit(bytes.subspan(2)));
    if (StartsWith(bytes, {0xFE, 0xFF})) return platform::Utf16BeToUtf16(UpToZeroUnit(bytes.subspan(2)));
    return platform::SystemCodePageToUtf16(UpToZeroByte(bytes));
}

// Old files carry stand-ins for a few characters: accents typed as
// apostrophes, an en dash, and control codes for Polish letters. A table
// for the first 256 units keeps the per-character work of a large file to
// one look-up.
constexpr std::array<char16_t, 256> MakeFixUpTable()
{
    std::array<char16_t, 256> table{};
    for (std::size_t c = 0; c < table.size(); ++c) table[c] = static_cast<char16_t>(c);
    table[0x60] = u'\'';
    table[0xB4] = u'\'';
    table[0x01] = u'\x0105';
    table[0x04] = u'\x0142';
    table[0x06] = u'\x00F3';
    table[0x13] = u'\x015A';
    table[0x12] = u'O';
    return table;
}

constexpr std::array<char16_t, 256> FixUpTable = MakeFixUpTable();

char16_t FixUp(char16_t c)
{
    if (c < FixUpTable.size()) return FixUpTable[c];
    return c == u'\x2013' ? u'-' : c;
}

bool IsBlank(char16_t c)
{
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

// Leading blanks, an optional sign, then digits up to the first other
// character; wraps modulo 2^32. Leaves text behind the digits.
std::uint32_t ParseDecimalAt(const char16_t*& text)
{
    while (IsBlank(*text)) ++text;
    const bool negative = *text == u'-';
    if (*text == u'-' || *text == u'+') ++text;
    std::uint32_t value = 0;
    for (; *text >= u'0' && *text <= u'9'; ++text) value = value * 10u + static_cast<std::uint32_t>(*text - u'0');
    return negative ? 0u - value : value;
}

std::uint32_t ParseDecimal(const char16_t* text)
{
    return ParseDecimalAt(text);
}

const char16_t* FindChar(const char16_t* text, char16_t c)
{
    for (; *text; ++text)
        if (*text == c) return text;
    return nullptr;
}

void ClearText(char16_t* dest, std::size_t capacity)
{
    if (dest && capacity > 0) dest[0] = 0;
}

}  // namespace

bool CIndexTextFile::OpenRead(std::u16string_view path)
{
    Close();
    std::vector<std::uint8_t> bytes;
    if (path.empty() || !platform::ReadWholeFile(path, bytes)) return false;
    return OpenFromBytes(bytes, path);
}

bool CIndexTextFile::OpenFromBytes(std::span<const std::uint8_t> bytes, std::u16string_view name)
{
    Close();
    DecodeAndSplit(bytes);
    current_ = nullptr;
    next_ = text_.data();
    end_ = text_.data() + text_.size();
    fileName_ = name;
    mode_ = Mode::Reading;
    return true;
}

// Fix-ups and line splitting in one pass, in place: a line break (CR LF, CR
// or LF) becomes the line's terminator, so lines need no copies of their own.
void CIndexTextFile::DecodeAndSplit(std::span<const std::uint8_t> bytes)
{
    text_ = Decode(bytes);
    char16_t* out = text_.data();
    const char16_t* in = out;
    const char16_t* const stop = in + text_.size();
    while (in != stop && *in != 0) {
        const char16_t c = *in++;
        if (c == u'\r') {
            if (in != stop && *in == u'\n') ++in;
            *out++ = 0;
        } else if (c == u'\n') {
            *out++ = 0;
        } else {
            *out++ = FixUp(c);
        }
    }
    text_.resize(static_cast<std::size_t>(out - text_.data()));
}

bool CIndexTextFile::OpenWrite(std::u16string_view path)
{
    Close();
    if (path.empty() || !writer_.Open(path)) return false;
    fileName_ = path;
    mode_ = Mode::Writing;
    return true;
}

bool CIndexTextFile::Close()
{
    const bool saved = mode_ != Mode::Writing || (WriteOutput() && writer_.Commit());
    Reset();
    return saved;
}

bool CIndexTextFile::CloseInto(platform::AtomicFileSet& files)
{
    const bool saved = mode_ == Mode::Writing && WriteOutput() && files.Add(std::move(writer_));
    Reset();
    return saved;
}

// One write for the whole file: a save's writes are counted, and each is a
// point where it may fail.
bool CIndexTextFile::WriteOutput()
{
    std::string bytes(Utf8Mark);
    bytes += platform::Utf16ToUtf8(output_);
    return writer_.Write(bytes.data(), bytes.size());
}

void CIndexTextFile::Reset()
{
    writer_.Discard();
    mode_ = Mode::Closed;
    fileName_.clear();
    error_ = {};
    hasError_ = false;
    text_ = {};
    output_ = {};
    scratch_ = {};
    current_ = next_ = end_ = nullptr;
}

// Each line of the text ends with a zero unit; counting them costs a pass,
// which only a report of damage pays.
std::size_t CIndexTextFile::GetLineNumber() const
{
    if (mode_ != Mode::Reading || current_ == nullptr) return 0;
    return static_cast<std::size_t>(std::count(static_cast<const char16_t*>(text_.data()), current_, u'\0')) + 1;
}

bool CIndexTextFile::StepLine()
{
    if (mode_ != Mode::Reading || next_ == end_) return false;
    current_ = next_;
    const char16_t* terminator = current_ + std::char_traits<char16_t>::length(current_);
    next_ = terminator == end_ ? terminator : terminator + 1;
    return true;
}

bool CIndexTextFile::NextLine()
{
    do {
        if (!StepLine()) return false;
    } while (*current_ == u';');
    return true;
}

const char16_t* CIndexTextFile::GetCurrentLine() const
{
    return mode_ == Mode::Reading ? current_ : nullptr;
}

const char16_t* CIndexTextFile::PeekLine() const
{
    return mode_ == Mode::Reading && next_ != end_ ? next_ : nullptr;
}

bool CIndexTextFile::IsAtEnd() const
{
    if (mode_ != Mode::Reading) return true;
    for (const char16_t* line = next_; line != end_;) {
        if (*line != u';') return false;
        line += std::char_traits<char16_t>::length(line);
        if (line != end_) ++line;
    }
    return true;
}

bool CIndexTextFile::SeekMarker(std::u16string_view prefix, std::u16string_view key, bool stopAtBegin)
{
    if (mode_ != Mode::Reading || key.empty()) return false;
    const char16_t* const savedCurrent = current_;
    const char16_t* const savedNext = next_;
    while (NextLine()) {
        const std::u16string_view line(current_);
        if (line.size() == prefix.size() + key.size() && line.starts_with(prefix) && line.ends_with(key)) return true;
        if (line.starts_with(SectionEndPrefix) || (stopAtBegin && line.starts_with(SectionBeginPrefix))) break;
    }
    current_ = savedCurrent;
    next_ = savedNext;
    return false;
}

bool CIndexTextFile::FindSection(std::u16string_view key)
{
    return SeekMarker(SectionBeginPrefix, key, true);
}

bool CIndexTextFile::FindSectionEnd(std::u16string_view key)
{
    return SeekMarker(SectionEndPrefix, key, false);
}

void CIndexTextFile::SetError(const char16_t* text, const char16_t* const* tokens, const char16_t* const* values)
{
    hasError_ = true;
    if (!text) {
        error_.clear();
    } else if (tokens && values) {
        char16_t replaced[MaxErrorText + 1];
        ReplaceTokens(text, tokens, values, replaced, MaxErrorText + 1);
        error_ = replaced;
    } else {
        const std::u16string_view whole(text);
        error_ = whole.substr(0, MaxErrorText);
    }
}

const char16_t* CIndexTextFile::ReadValueLine()
{
    return NextLine() ? current_ : nullptr;
}

bool CIndexTextFile::ReadString(char16_t* dest, std::size_t capacity)
{
    const char16_t* line = ReadValueLine();
    if (!line) {
        ClearText(dest, capacity);
        return false;
    }
    if (dest && capacity > 0) CopyText(dest, line, capacity);
    return true;
}

bool CIndexTextFile::ReadCString(std::u16string& dest)
{
    const char16_t* line = ReadValueLine();
    dest = line ? line : u"";
    return line != nullptr;
}

template <typename T>
bool CIndexTextFile::ReadInteger(T& value)
{
    const char16_t* line = ReadValueLine();
    value = line ? static_cast<T>(ParseDecimal(line)) : T{0};
    return line != nullptr;
}

bool CIndexTextFile::ReadInt32(std::int32_t& value) { return ReadInteger(value); }
bool CIndexTextFile::ReadInt32(std::uint32_t& value) { return ReadInteger(value); }
bool CIndexTextFile::ReadInt16(std::int16_t& value) { return ReadInteger(value); }
bool CIndexTextFile::ReadInt16(std::uint16_t& value) { return ReadInteger(value); }
bool CIndexTextFile::ReadInt8(std::int8_t& value) { return ReadInteger(value); }
bool CIndexTextFile::ReadInt8(std::uint8_t& value) { return ReadInteger(value); }

bool CIndexTextFile::ReadBool(bool& value)
{
    std::uint32_t number;
    const bool read = ReadInteger(number);
    value = number != 0;
    return read;
}

bool CIndexTextFile::ReadBool(std::uint8_t& value)
{
    bool flag;
    const bool read = ReadBool(flag);
    value = flag ? 1 : 0;
    return read;
}

bool CIndexTextFile::ReadBool32(std::int32_t& value)
{
    bool flag;
    const bool read = ReadBool(flag);
    value = flag ? 1 : 0;
    return read;
}

bool CIndexTextFile::ReadBool32(std::uint32_t& value)
{
    bool flag;
    const bool read = ReadBool(flag);
    value = flag ? 1u : 0u;
    return read;
}

template <typename T>
bool CIndexTextFile::ReadList(T* dest, int count)
{
    if (count < 1) return true;
    const char16_t* cursor = ReadValueLine();
    if (!dest) return false;
    std::fill(dest, dest + count, T{0});
    if (!cursor) return false;
    for (int i = 0; i < count; ++i) {
        dest[i] = static_cast<T>(ParseDecimalAt(cursor));
        cursor = SkipToComma(cursor);
        if (*cursor != u',') break;
        ++cursor;
    }
    return true;
}

bool CIndexTextFile::ReadInt8List(std::uint8_t* dest, int count) { return ReadList(dest, count); }
bool CIndexTextFile::ReadInt8List(std::int8_t* dest, int count) { return ReadList(dest, count); }

template <typename T>
bool CIndexTextFile::ReadArray(T* dest, int count)
{
    if (count < 1) return true;
    if (!dest) return false;
    for (int i = 0; i < count; ++i) {
        if (!ReadInteger(dest[i])) {
            std::fill(dest + i, dest + count, T{0});
            return false;
        }
    }
    return true;
}

bool CIndexTextFile::ReadInt8Array(std::uint8_t* dest, int count) { return ReadArray(dest, count); }
bool CIndexTextFile::ReadInt8Array(std::int8_t* dest, int count) { return ReadArray(dest, count); }
bool CIndexTextFile::ReadInt16Array(std::uint16_t* dest, int count) { return ReadArray(dest, count); }
bool CIndexTextFile::ReadInt16Array(std::int16_t* dest, int count) { return ReadArray(dest, count); }
bool CIndexTextFile::ReadInt32Array(std::int32_t* dest, int count) { return ReadArray(dest, count); }
bool CIndexTextFile::ReadInt32Array(std::uint32_t* dest, int count) { return ReadArray(dest, count); }

// The whole line is searched, however long, so six long names still come
// back whole.
bool CIndexTextFile::ReadQuotedStrings(char16_t* dest, std::size_t capacity)
{
    const char16_t* cursor = ReadValueLine();
    if (!dest || capacity == 0) return false;
    for (int i = 0; i < QuotedStringCount; ++i) {
        char16_t* text = dest + i * capacity;
        if (!cursor) {
            text[0] = 0;
            continue;
        }
        const char16_t* open = FindChar(cursor, u'"');
        const char16_t* close = open ? FindChar(open + 1, u'"') : nullptr;
        if (close) {
            CopyText(text, std::u16string_view(open + 1, static_cast<std::size_t>(close - open - 1)), capacity);
            cursor = close + 1;
        } else {
            CopyText(text, cursor, capacity);
        }
    }
    return cursor != nullptr;
}

bool CIndexTextFile::ExtractQuoted(char16_t*& cursor, char16_t* dest, char16_t quote, std::size_t capacity)
{
    if (!cursor) {
        ClearText(dest, capacity);
        return false;
    }
    const char16_t* open = FindChar(cursor, quote);
    const char16_t* close = open ? FindChar(open + 1, quote) : nullptr;
    if (!close) {
        if (dest && capacity > 0) CopyText(dest, cursor, capacity);
        return false;
    }
    char16_t* closing = cursor + (close - cursor);
    *closing = 0;
    if (dest && capacity > 0) CopyText(dest, open + 1, capacity);
    cursor = closing + 1;
    return true;
}

const char16_t* CIndexTextFile::SkipToComma(const char16_t* text)
{
    if (!text) return nullptr;
    while (*text && *text != u',') ++text;
    return text;
}

char16_t* CIndexTextFile::SkipToComma(char16_t* text)
{
    return text ? text + (SkipToComma(static_cast<const char16_t*>(text)) - text) : nullptr;
}

void CIndexTextFile::AppendText(std::u16string_view text)
{
    if (text.find_first_of(std::u16string_view(u"\r\n\0", 3)) == std::u16string_view::npos) {
        output_.append(text);
        return;
    }
    for (const char16_t c : text) output_.push_back(c == u'\r' || c == u'\n' || c == 0 ? u' ' : c);
}

void CIndexTextFile::AppendDecimal(std::int32_t value)
{
    char16_t digits[16];
    const std::size_t length = FormatInto(digits, std::size(digits), u"%d", value);
    output_.append(digits, length);
}

void CIndexTextFile::EndLine()
{
    output_.append(u"\r\n");
}

bool CIndexTextFile::WriteLine(std::u16string_view text)
{
    if (!CanWrite()) return false;
    AppendText(text);
    EndLine();
    return true;
}

bool CIndexTextFile::WriteLine(const char16_t* text)
{
    return text && WriteLine(std::u16string_view(text));
}

bool CIndexTextFile::WriteSectionBegin(std::u16string_view key)
{
    if (!CanWrite()) return false;
    AppendText(SectionBeginPrefix);
    return WriteLine(key);
}

bool CIndexTextFile::WriteSectionEnd(std::u16string_view key)
{
    if (!CanWrite()) return false;
    AppendText(SectionEndPrefix);
    return WriteLine(key);
}

bool CIndexTextFile::WriteInt32(std::int64_t value) { return WriteFormat(u"%d", static_cast<std::int32_t>(value)); }
bool CIndexTextFile::WriteHex32(std::uint32_t value) { return WriteFormat(u"%x", value); }
bool CIndexTextFile::WriteInt16(std::int32_t value) { return WriteInt32(static_cast<std::int16_t>(value)); }
bool CIndexTextFile::WriteUInt16(std::int32_t value) { return WriteInt32(static_cast<std::uint16_t>(value)); }
bool CIndexTextFile::WriteInt8(std::int32_t value) { return WriteInt32(static_cast<std::int8_t>(value)); }
bool CIndexTextFile::WriteUInt8(std::int32_t value) { return WriteInt32(static_cast<std::uint8_t>(value)); }

bool CIndexTextFile::WriteBool(std::uint32_t flag)
{
    return WriteLine((flag & 0xFFu) != 0 ? u"1" : u"0");
}

bool CIndexTextFile::WriteUInt8List(const std::uint8_t* values, int count)
{
    if (!CanWrite() || (!values && count > 0)) return false;
    for (int i = 0; i < count; ++i) {
        if (i > 0) output_.push_back(u',');
        AppendDecimal(values[i]);
    }
    EndLine();
    return true;
}

template <typename T>
bool CIndexTextFile::WriteArray(const T* values, int count)
{
    if (!CanWrite() || (!values && count > 0)) return false;
    for (int i = 0; i < count; ++i)
        if (!WriteInt32(static_cast<std::int32_t>(values[i]))) return false;
    return true;
}

bool CIndexTextFile::WriteUInt8Array(const std::uint8_t* values, int count) { return WriteArray(values, count); }
bool CIndexTextFile::WriteUInt16Array(const std::uint16_t* values, int count) { return WriteArray(values, count); }
bool CIndexTextFile::WriteInt32Array(const std::int32_t* values, int count) { return WriteArray(values, count); }
bool CIndexTextFile::WriteInt32Array(const std::uint32_t* values, int count) { return WriteArray(values, count); }

bool CIndexTextFile::WriteQuotedStrings(const char16_t* texts, int count, std::size_t stride)
{
    if (!CanWrite() || !texts || stride == 0) return false;
    scratch_.resize(stride);
    for (int i = 0; i < count; ++i) {
        if (i > 0) output_.push_back(u',');
        CopyTextNoQuotes(scratch_.data(), texts + i * stride, stride);
        output_.push_back(u'"');
        AppendText(scratch_.c_str());
        output_.push_back(u'"');
    }
    EndLine();
    return true;
}
