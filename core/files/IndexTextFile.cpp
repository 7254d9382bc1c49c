#include "core/files/IndexTextFile.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cstring>
#include <map>
#include <set>
#include <span>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include <emmintrin.h>

#include "core/text/TextTools.h"
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

bool IsUtf8(std::span<const std::uint8_t> bytes)
{
    return StartsWith(bytes, {0xEF, 0xBB, 0xBF});
}

// Files without the UTF-8 mark; those are rare and decoded before the split.
std::u16string Decode(std::span<const std::uint8_t> bytes)
{
    if (StartsWith(bytes, {0xFF, 0xFE})) return platform::Utf16LeToUtf16(UpToZeroUnit(bytes.subspan(2)));
    if (StartsWith(bytes, {0xFE, 0xFF})) return platform::Utf16BeToUtf16(UpToZeroUnit(bytes.subspan(2)));
    return platform::SystemCodePageToUtf16(UpToZeroByte(bytes));
}

// Old files carry stand-ins for a few characters: accents typed as
// apostrophes, an en dash, and control codes for Polish letters. A table
// for the first 256 units keeps the per-character work of a large file to
// one look-up; it also turns a line break into its line's terminator.
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
    table[u'\r'] = 0;
    table[u'\n'] = 0;
    return table;
}

constexpr std::array<char16_t, 256> FixUpTable = MakeFixUpTable();

char16_t FixUp(char32_t c)
{
    if (c < FixUpTable.size()) return FixUpTable[c];
    return c == u'\x2013' ? u'-' : static_cast<char16_t>(c);
}

// Sixteen bytes at a time: most of a database file is short ASCII lines
// ended by CR LF, and a block that holds nothing else is widened with one
// pair of stores and its line ends are taken from a bit mask.
constexpr std::size_t Block = 16;

struct BlockMasks {
    // One bit per byte that needs a look of its own: a control code, a
    // grave accent or a non-ASCII byte.
    unsigned special;
    unsigned cr;
    unsigned lf;

    // Nothing but plain ASCII and CR LF pairs, neither half of a pair
    // outside the block.
    bool OnlyPlainAndPairs() const { return special == (cr | lf) && (cr << 1) == lf; }
};

BlockMasks MasksOf(__m128i block)
{
    // Signed, so that bytes from 0x80 up count as below ' '.
    const __m128i controlOrHigh = _mm_cmplt_epi8(block, _mm_set1_epi8(' '));
    const __m128i grave = _mm_cmpeq_epi8(block, _mm_set1_epi8('`'));
    return {static_cast<unsigned>(_mm_movemask_epi8(_mm_or_si128(controlOrHigh, grave))),
            static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, _mm_set1_epi8('\r')))),
            static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, _mm_set1_epi8('\n'))))};
}

// The block's bytes as sixteen units, each CR and LF as a zero unit.
void StoreWidened(__m128i block, char16_t* out)
{
    const __m128i breaks = _mm_or_si128(_mm_cmpeq_epi8(block, _mm_set1_epi8('\r')),
                                        _mm_cmpeq_epi8(block, _mm_set1_epi8('\n')));
    const __m128i kept = _mm_andnot_si128(breaks, block);
    const __m128i zero = _mm_setzero_si128();
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_unpacklo_epi8(kept, zero));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 8), _mm_unpackhi_epi8(kept, zero));
}

constexpr std::size_t FirstOutputCapacity = 64 * 1024;

// Where each line starts in the text, grown as lines arrive; the first
// guess holds the lines of a database file.
constexpr std::size_t AverageLineBytes = 4;

struct LineStarts {
    LineStarts(CBufferRecycler* recycler, std::size_t capacity)
        : text(CBufferRecycler::Take<std::uint32_t>(recycler, capacity)), capacity(capacity), recycler(recycler)
    {
        text[0] = 0;
    }

    // Room for more starts behind the first used ones, and for the line
    // after the last one too, which a last line without a line break needs.
    void Reserve(std::size_t used, std::size_t more)
    {
        if (used + more < capacity) return;
        capacity = 2 * capacity + more;
        auto grown = CBufferRecycler::Take<std::uint32_t>(recycler, capacity);
        std::copy(text.get(), text.get() + used, grown.get());
        text = std::move(grown);
    }

    CBufferRecycler::TBuffer<std::uint32_t> text;
    std::size_t capacity;
    CBufferRecycler* recycler;
};

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
    Reset();
    platform::File file;
    if (path.empty() || !file.Open(path, platform::File::Mode::Read)) return false;
    const std::int64_t size = file.Size();
    if (size < 0 || size >= std::int64_t{UINT32_MAX}) return false;
    auto bytes = CBufferRecycler::Take<std::uint8_t>(recycler_.get(), static_cast<std::size_t>(size));
    if (!file.Read(bytes.get(), static_cast<std::size_t>(size))) return false;
    return OpenOwned(std::move(bytes), static_cast<std::size_t>(size), path);
}

bool CIndexTextFile::OpenFromBytes(std::span<const std::uint8_t> bytes, std::u16string_view name)
{
    auto copy = CBufferRecycler::Take<std::uint8_t>(recycler_.get(), bytes.size());
    std::copy(bytes.begin(), bytes.end(), copy.get());
    return OpenOwned(std::move(copy), bytes.size(), name);
}

bool CIndexTextFile::OpenOwned(CBufferRecycler::TBuffer<std::uint8_t> bytes, std::size_t size, std::u16string_view name)
{
    Reset();
    // Lines are found by 32-bit offsets into the text.
    if (size >= UINT32_MAX) return false;
    if (DecodeAndSplit({bytes.get(), size})) {
        bytes_ = std::move(bytes);
        utf8_ = reinterpret_cast<const char*>(bytes_.get()) + Utf8Mark.size();
    } else {
        byteShifts_.clear();
    }
    fileName_ = name;
    mode_ = Mode::Reading;
    return true;
}

bool CIndexTextFile::DecodeAndSplit(std::span<const std::uint8_t> bytes)
{
    if (IsUtf8(bytes)) return SplitUtf8(UpToZeroByte(bytes.subspan(Utf8Mark.size())));
    SplitUnits(Decode(bytes));
    return false;
}

// Decoding, fix-ups and line splitting in one pass. A line break (CR LF,
// CR or LF) becomes two zero units, the line's terminator and a filler, so
// lines need no copies of their own and a block of plain lines keeps one
// unit per byte. Only a lone CR or LF gives more units than bytes, and the
// text grows for it; most files have none. A character of several bytes
// gives fewer units: where the text and the bytes part is noted, so that a
// line's place in the bytes follows from its place in the text.
bool CIndexTextFile::SplitUtf8(std::string_view bytes)
{
    const std::size_t size = bytes.size();
    // A unit per byte, the break of a last line without one, and room for
    // a block's stores beyond the last unit.
    std::size_t textCapacity = size + BreakUnits + Block;
    text_ = CBufferRecycler::Take<char16_t>(recycler_.get(), textCapacity);
    char16_t* text = text_.get();
    LineStarts starts(recycler_.get(), size / AverageLineBytes + Block);
    // The loop keeps the arrays in locals, so that they stay in registers;
    // only a growth goes through the holders.
    std::uint32_t* textStarts = starts.text.get();
    std::size_t lines = 0;
    std::uint32_t bytesOverUnits = 0;
    bool changed = false;
    char16_t* out = text;
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto reserveLines = [&](std::size_t more) {
        starts.Reserve(lines + 1, more);
        textStarts = starts.text.get();
    };
    const auto endLine = [&] {
        out[0] = out[1] = 0;
        out += BreakUnits;
        reserveLines(1);
        ++lines;
        textStarts[lines] = static_cast<std::uint32_t>(out - text);
    };
    std::size_t i = 0;
    while (i < size) {
        if (size - i >= Block) {
            const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i));
            const BlockMasks masks = MasksOf(block);
            StoreWidened(block, out);
            if (masks.OnlyPlainAndPairs()) {
                // A block holds at most eight CR LF pairs, mostly two to
                // four: four starts are written whether they exist or not,
                // so that the loop has no branch that depends on the text.
                reserveLines(Block / 2);
                const auto blockText = static_cast<std::uint32_t>(out - text);
                unsigned ends = masks.lf;
                const auto putStart = [&] {
                    textStarts[lines + 1] = blockText + static_cast<std::uint32_t>(std::countr_zero(ends) + 1);
                    lines += ends != 0 ? 1 : 0;
                    ends &= ends - 1;
                };
                putStart();
                putStart();
                putStart();
                putStart();
                while (ends != 0) putStart();
                out += Block;
                i += Block;
                continue;
            }
            const auto plain = static_cast<std::size_t>(std::countr_zero(masks.special));
            out += plain;
            i += plain;
        }
        const unsigned byte = in[i];
        if (byte >= 0x80) {
            // The position goes to the decoder through a copy, so that the loop's own stays in a register.
            std::size_t next = i;
            const char32_t c = platform::DecodeUtf8Sequence(bytes, next);
            const char16_t unit = FixUp(c);
            changed = changed || c == 0xFFFD || (c < 0x10000 && unit != c);
            char16_t* const after = c < 0x10000 ? (*out = unit, out + 1) : platform::PutCodePoint(c, out);
            bytesOverUnits += static_cast<std::uint32_t>((next - i) - static_cast<std::size_t>(after - out));
            out = after;
            i = next;
            byteShifts_.push_back({static_cast<std::uint32_t>(out - text), bytesOverUnits});
        } else if (byte == '\r' || byte == '\n') {
            const bool pair = byte == '\r' && i + 1 < size && in[i + 1] == '\n';
            if (!pair) {
                changed = true;
                const auto used = static_cast<std::size_t>(out - text);
                if (used + (size - i) + 1 + BreakUnits + Block > textCapacity) {
                    textCapacity *= 2;
                    auto grown = CBufferRecycler::Take<char16_t>(recycler_.get(), textCapacity);
                    std::copy(text, out, grown.get());
                    text_ = std::move(grown);
                    text = text_.get();
                    out = text + used;
                }
            }
            i += pair ? 2 : 1;
            endLine();
        } else {
            *out = FixUpTable[byte];
            changed = changed || *out != byte;
            ++out;
            ++i;
        }
    }
    lineStarts_ = std::move(starts.text);
    EndSplit(out, lines);
    return !changed;
}

void CIndexTextFile::SplitUnits(std::u16string_view units)
{
    units = units.substr(0, units.find(u'\0'));
    const auto breaks = static_cast<std::size_t>(std::count(units.begin(), units.end(), u'\r') +
                                                 std::count(units.begin(), units.end(), u'\n'));
    text_ = CBufferRecycler::Take<char16_t>(recycler_.get(), units.size() + breaks + BreakUnits);
    lineStarts_ = CBufferRecycler::Take<std::uint32_t>(recycler_.get(), breaks + 2);
    char16_t* const text = text_.get();
    lineStarts_[0] = 0;
    std::size_t lines = 0;
    char16_t* out = text;
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char16_t c = units[i];
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < units.size() && units[i + 1] == u'\n') ++i;
            out[0] = out[1] = 0;
            out += BreakUnits;
            lineStarts_[++lines] = static_cast<std::uint32_t>(out - text);
        } else {
            *out++ = FixUp(c);
        }
    }
    EndSplit(out, lines);
}

// A last line without a line break gets its two zero units; a final line
// break does not start a further empty line.
void CIndexTextFile::EndSplit(char16_t* end, std::size_t lineCount)
{
    const auto length = static_cast<std::uint32_t>(end - text_.get());
    if (length != lineStarts_[lineCount]) {
        end[0] = end[1] = 0;
        lineStarts_[++lineCount] = length + BreakUnits;
    }
    lineCount_ = lineCount;
}

bool CIndexTextFile::OpenWrite(std::u16string_view path, Create create)
{
    Reset();
    if (path.empty() || (create == Create::Now && !writer_.Open(path))) return false;
    fileName_ = path;
    mode_ = Mode::Writing;
    // A file is saved at about the size it was read at.
    const std::int64_t previous = platform::FileSize(path);
    GrowOutput(previous > 0 ? static_cast<std::size_t>(previous + previous / 8) : FirstOutputCapacity);
    AppendBytes(Utf8Mark);
    return true;
}

bool CIndexTextFile::Close()
{
    const bool saved = mode_ != Mode::Writing || (WriterOpen() && writer_.Write(output_.get(), outputSize_) &&
                                                  writer_.Commit());
    Reset();
    return saved;
}

bool CIndexTextFile::CloseInto(platform::AtomicFileSet& files)
{
    const bool saved = mode_ == Mode::Writing && WriterOpen() && writer_.Write(output_.get(), outputSize_) &&
                       files.Add(std::move(writer_));
    Reset();
    return saved;
}

bool CIndexTextFile::WriterOpen()
{
    return writer_.IsOpen() || writer_.Open(fileName_);
}

void CIndexTextFile::Reset()
{
    writer_.Discard();
    mode_ = Mode::Closed;
    fileName_.clear();
    sectionsWritten_.clear();
    sectionStarts_.clear();
    error_ = {};
    hasError_ = false;
    text_.reset();
    lineStarts_.reset();
    lineCount_ = next_ = 0;
    brokenSectionLine_ = 0;
    brokenSectionKey_.clear();
    bytes_.reset();
    utf8_ = nullptr;
    byteShifts_.clear();
    fileForm_.reset();
    fileFormCapacity_ = 0;
    output_.reset();
    outputSize_ = outputCapacity_ = 0;
    scratch_ = {};
}

// Lines are counted from 1; the current line is the last one stepped to.
std::size_t CIndexTextFile::GetLineNumber() const
{
    return mode_ == Mode::Reading ? next_ : 0;
}

// Most lines are short numbers: a line's length, from where it and the
// next one start, rules out nearly all of them before any text is read,
// four lines at a time.
std::vector<CIndexTextFile::TFoundLine> CIndexTextFile::FindLines(std::span<const std::u16string_view> texts) const
{
    std::vector<TFoundLine> found;
    if (texts.empty()) return found;
    std::size_t shortest = SIZE_MAX;
    std::size_t longest = 0;
    for (const std::u16string_view text : texts) {
        shortest = std::min(shortest, text.size());
        longest = std::max(longest, text.size());
    }
    shortest = std::max<std::size_t>(shortest, 1);
    if (shortest > longest) return found;
    const auto lookAt = [&](std::size_t line) {
        const std::u16string_view candidate(LineAt(line), LineLength(line));
        if (candidate.size() < shortest || candidate.size() > longest) return;
        for (std::size_t index = 0; index < texts.size(); ++index) {
            if (candidate == texts[index]) {
                found.push_back({line, index});
                return;
            }
        }
    };
    // Spans between starts hold a line and its two zero units; a span of
    // 2^31 units or more reads as negative and is passed over, rightly.
    constexpr std::size_t LongestSpan = INT32_MAX - 1;
    const __m128i belowShortest = _mm_set1_epi32(static_cast<std::int32_t>(std::min(shortest + BreakUnits, LongestSpan) - 1));
    const __m128i aboveLongest = _mm_set1_epi32(static_cast<std::int32_t>(std::min(longest + BreakUnits, LongestSpan) + 1));
    const std::uint32_t* const starts = lineStarts_.get();
    std::size_t line = 0;
    for (; line + 4 <= lineCount_; line += 4) {
        const __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i*>(starts + line));
        const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(starts + line + 1));
        const __m128i spans = _mm_sub_epi32(next, here);
        const __m128i fitting = _mm_and_si128(_mm_cmpgt_epi32(spans, belowShortest), _mm_cmplt_epi32(spans, aboveLongest));
        for (auto hits = static_cast<unsigned>(_mm_movemask_ps(_mm_castsi128_ps(fitting))); hits != 0; hits &= hits - 1) {
            lookAt(line + static_cast<std::size_t>(std::countr_zero(hits)));
        }
    }
    for (; line < lineCount_; ++line) lookAt(line);
    return found;
}

bool CIndexTextFile::IsAtEnd() const
{
    for (std::size_t line = next_; line < lineCount_; ++line) {
        if (*LineAt(line) != u';') return false;
    }
    return true;
}

// A clean file's text is its bytes, a unit for a byte, but for the
// characters of several bytes noted while it was split.
std::size_t CIndexTextFile::ByteStart(std::size_t line) const
{
    const std::uint32_t text = lineStarts_[line];
    const auto after = std::upper_bound(byteShifts_.begin(), byteShifts_.end(), text,
                                        [](std::uint32_t at, const TByteShift& shift) { return at < shift.text; });
    return text + (after == byteShifts_.begin() ? 0 : std::prev(after)->bytesOverUnits);
}

// The lines of a clean file are copied from its bytes. Otherwise they are
// one block of text in which each line ends in two zero units: the block is
// encoded at once, and each line's pair of zero bytes becomes its CR LF.
void CIndexTextFile::CopyLinesInFileForm(std::size_t from, std::size_t to, std::string& out)
{
    if (to > lineCount_ || from >= to) return;
    if (utf8_ && to < lineCount_) {
        const std::size_t begin = ByteStart(from);
        out.append(utf8_ + begin, ByteStart(to) - begin);
        return;
    }
    const std::u16string_view block(LineAt(from), lineStarts_[to] - lineStarts_[from]);
    const std::size_t capacity = block.size() * platform::MaxUtf8BytesPerUnit;
    if (fileFormCapacity_ < capacity) {
        fileForm_ = std::make_unique_for_overwrite<char[]>(capacity);
        fileFormCapacity_ = capacity;
    }
    char* const start = fileForm_.get();
    char* const end = start + platform::Utf16ToUtf8(block, start);
    bool terminator = true;
    for (char* byte = std::find(start, end, '\0'); byte != end; byte = std::find(byte + 1, end, '\0')) {
        *byte = terminator ? '\r' : '\n';
        terminator = !terminator;
    }
    out.append(start, static_cast<std::size_t>(end - start));
}

// The search for an end line passes over the values no read took: a newer
// writer adds values at a section's end, and what follows the end line is
// read as it stands. A begin line it passes over is out of place: that
// section's end line is the one found, so one of the two sections has
// none. A begin line found behind values stands out of place too (a value
// of the section before it, or its own first one, on the wrong side of it).
bool CIndexTextFile::SeekMarker(std::u16string_view prefix, std::u16string_view key, bool stopAtBegin)
{
    if (mode_ != Mode::Reading || key.empty()) return false;
    // Only lines that begin with '%' matter, and those are never comments,
    // so the search looks at first units alone.
    bool passedValues = false;
    std::size_t passedBegin = lineCount_;
    for (std::size_t line = next_; line < lineCount_; ++line) {
        const char16_t first = text_[lineStarts_[line]];
        if (first != u'%') {
            passedValues |= first != u';';
            continue;
        }
        if (IsMarker(line, prefix, key)) {
            if (stopAtBegin && passedValues) NoteLineOutOfPlace(line);
            if (passedBegin < line) NoteLineOutOfPlace(passedBegin);
            next_ = line + 1;
            return true;
        }
        const std::u16string_view text(LineAt(line), LineLength(line));
        if (text.starts_with(SectionEndPrefix) || (stopAtBegin && text.starts_with(SectionBeginPrefix))) break;
        if (passedBegin == lineCount_ && text.starts_with(SectionBeginPrefix)) passedBegin = line;
    }
    return false;
}

std::size_t CIndexTextFile::SkipComments(std::size_t line) const
{
    while (line < lineCount_ && text_[lineStarts_[line]] == u';') ++line;
    return line;
}

bool CIndexTextFile::IsMarker(std::size_t line, std::u16string_view prefix, std::u16string_view key) const
{
    const std::u16string_view text(LineAt(line), LineLength(line));
    return text.size() == prefix.size() + key.size() && text.starts_with(prefix) && text.ends_with(key);
}

void CIndexTextFile::NoteBrokenSection(std::size_t line, std::u16string_view key, TBroken kind)
{
    if (brokenSectionLine_ != 0) return;
    brokenSectionLine_ = line + 1;
    brokenSectionKey_ = key;
    brokenSectionKind_ = kind;
}

// The begin line the values of a block expect: found, doubled (the second
// one is passed over), misspelt (any line of a marker's first unit but an
// end line in its place) or missing (the section's lines stand there at
// once, a nested section's begin line among them maybe); the last two only
// when the section's own end line closes what follows.
bool CIndexTextFile::FindNestedSection(std::u16string_view key)
{
    SkipDoubledEndLine();
    if (FindSection(key)) {
        const std::size_t second = SkipComments(next_);
        if (second < lineCount_ && text_[lineStarts_[second]] == u'%' && IsMarker(second, SectionBeginPrefix, key) &&
            !HoldsItsOwnKey(second, key)) {
            NoteBrokenSection(second, key);
            next_ = second + 1;
        }
        return true;
    }
    if (mode_ != Mode::Reading || key.empty()) return false;
    const std::size_t first = SkipComments(next_);
    if (first >= lineCount_ || std::u16string_view(LineAt(first)).starts_with(SectionEndPrefix)) return false;
    const bool misspelt = text_[lineStarts_[first]] == u'%' && FindEndLine(first + 1, key).found;
    if (!misspelt && !FindEndLine(first, key).found) return false;
    NoteBrokenSection(first, key);
    next_ = misspelt ? first + 1 : first;
    return true;
}

// An end line right after the same end line, where a section is sought,
// closes nothing: it is passed over and noted.
void CIndexTextFile::SkipDoubledEndLine()
{
    const std::size_t line = SkipComments(next_);
    if (line >= lineCount_ || text_[lineStarts_[line]] != u'%' || next_ == 0) return;
    std::size_t before = line - 1;
    while (before > 0 && text_[lineStarts_[before]] == u';') --before;
    const std::u16string_view text(LineAt(line), LineLength(line));
    if (!text.starts_with(SectionEndPrefix) || text != std::u16string_view(LineAt(before), LineLength(before))) return;
    NoteLineOutOfPlace(line);
    next_ = line + 1;
}

// A section may begin with one of its own key: two end lines follow then.
bool CIndexTextFile::HoldsItsOwnKey(std::size_t inner, std::u16string_view key) const
{
    const TSectionEnd innerEnd = FindEndLine(inner + 1, key);
    return innerEnd.found && FindEndLine(innerEnd.line + 1, key).found;
}

// A begin line of key among the section's own lines opens a section after
// it, not in it: the search ends there, so that a run of sections of one
// key is never searched again for each of them.
CIndexTextFile::TSectionEnd CIndexTextFile::FindEndLine(std::size_t from, std::u16string_view key) const
{
    std::vector<std::u16string_view> open;
    for (std::size_t line = from; line < lineCount_; ++line) {
        if (text_[lineStarts_[line]] != u'%') continue;
        const std::u16string_view text(LineAt(line), LineLength(line));
        if (text.starts_with(SectionBeginPrefix)) {
            if (open.empty() && text.substr(SectionBeginPrefix.size()) == key) return {false, line};
            open.push_back(text.substr(SectionBeginPrefix.size()));
        } else if (text.starts_with(SectionEndPrefix)) {
            const std::u16string_view ended = text.substr(SectionEndPrefix.size());
            if (open.empty() || open.back() != ended) return {ended == key && open.empty(), line};
            open.pop_back();
        }
    }
    return {false, lineCount_};
}

namespace {

// The sections open while lines kept whole are paired, with the keys
// closed so far: a key still open that was closed was opened twice, its
// begin line doubled. Each step costs no more than a look-up: the open
// sections are indexed by key, and those not doubled by their place.
class COpenSections {
public:
    bool Empty() const { return open_.empty(); }
    std::size_t Size() const { return open_.size(); }
    std::u16string_view Innermost() const { return open_.back().key; }
    void Push(std::u16string_view key, std::size_t line)
    {
        const std::size_t at = open_.size();
        open_.push_back({key, line});
        byKey_[key].push_back(at);
        if (!closed_.contains(key)) undoubled_.insert(at);
    }
    // The deepest open section of key, or Size().
    std::size_t Find(std::u16string_view key) const
    {
        const auto found = byKey_.find(key);
        return found == byKey_.end() || found->second.empty() ? open_.size() : found->second.back();
    }
    bool AllDoubledFrom(std::size_t at) const { return undoubled_.lower_bound(at) == undoubled_.end(); }
    // The begin lines of the open sections whose keys were never closed.
    std::vector<std::size_t> UndoubledLines() const
    {
        std::vector<std::size_t> lines;
        for (const std::size_t at : undoubled_) lines.push_back(open_[at].line);
        return lines;
    }
    // The begin lines of the open sections whose keys were closed.
    std::vector<std::size_t> DoubledLines() const
    {
        std::vector<std::size_t> lines;
        for (std::size_t at = 0; at < open_.size(); ++at) {
            if (!undoubled_.contains(at)) lines.push_back(open_[at].line);
        }
        return lines;
    }
    // Closes the section at at with those above it, noting its key closed.
    void CloseFrom(std::size_t at)
    {
        if (closed_.insert(open_[at].key).second) {
            for (const std::size_t opened : byKey_[open_[at].key]) undoubled_.erase(opened);
        }
        Truncate(at);
    }
    void PopInnermost() { Truncate(open_.size() - 1); }

private:
    struct TOpen {
        std::u16string_view key;
        std::size_t line;
    };
    void Truncate(std::size_t size)
    {
        while (open_.size() > size) {
            byKey_[open_.back().key].pop_back();
            undoubled_.erase(open_.size() - 1);
            open_.pop_back();
        }
    }

    std::vector<TOpen> open_;
    std::unordered_map<std::u16string_view, std::vector<std::size_t>> byKey_;
    std::set<std::size_t> undoubled_;
    std::unordered_set<std::u16string_view> closed_;
};

}  // namespace

CIndexTextFile::TKeptSection CIndexTextFile::PairKeptSection(std::size_t from, std::u16string_view key) const
{
    TKeptSection kept{{false, lineCount_}, {}, {}, {}, {}};
    COpenSections open;
    // Lines of a marker's first unit that are no section lines, with the
    // depth they stand at: misspelt begin lines, if an end line needs one.
    std::vector<std::pair<std::size_t, std::size_t>> misspelt;
    for (std::size_t line = from; line < lineCount_; ++line) {
        if (text_[lineStarts_[line]] != u'%') continue;
        const std::u16string_view text(LineAt(line), LineLength(line));
        if (text.starts_with(SectionBeginPrefix)) {
            open.Push(text.substr(SectionBeginPrefix.size()), line);
            continue;
        }
        if (!text.starts_with(SectionEndPrefix)) {
            if (IsMisspeltSectionLine(text)) misspelt.emplace_back(line, open.Size());
            continue;
        }
        const std::u16string_view ended = text.substr(SectionEndPrefix.size());
        const std::size_t opened = open.Find(ended);
        if (opened < open.Size() && open.AllDoubledFrom(opened + 1)) {
            open.CloseFrom(opened);
        } else if (!key.empty() && ended == key) {
            // Sections left open that no doubled begin line explains lack
            // their end lines. A misspelt begin line no end line took pairs
            // with one of its own, so that closing those sections leaves it
            // no end line to take.
            kept.unclosed = open.UndoubledLines();
            kept.doubled = open.DoubledLines();
            for (const auto& [unpaired, depth] : misspelt) {
                const std::u16string_view misspeltLine(LineAt(unpaired), LineLength(unpaired));
                kept.paired.emplace_back(unpaired, std::u16string(misspeltLine) + u"\r\n" + std::u16string(SectionEndPrefix) +
                                                       std::u16string(misspeltLine.substr(1)));
            }
            kept.end = {true, line};
            return kept;
        } else if (!misspelt.empty() && misspelt.back().second == open.Size()) {
            kept.paired.emplace_back(misspelt.back().first, std::u16string(SectionBeginPrefix) + std::u16string(ended));
            misspelt.pop_back();
            continue;
        } else if (!open.Empty()) {
            // The innermost section, whose end line is misspelt or missing:
            // this line closes it, as a count of the depth would have it.
            kept.paired.emplace_back(line, std::u16string(SectionEndPrefix) + std::u16string(open.Innermost()));
            open.PopInnermost();
        } else {
            kept.strays.push_back(line);
            continue;
        }
        while (!misspelt.empty() && misspelt.back().second > open.Size()) misspelt.pop_back();
    }
    kept.end.line = kept.strays.empty() ? lineCount_ : kept.strays.front();
    kept.unclosed = open.UndoubledLines();
    kept.doubled = open.DoubledLines();
    return kept;
}

bool CIndexTextFile::TKeptSection::LeavesOut(std::size_t line) const
{
    return std::binary_search(strays.begin(), strays.end(), line) ||
           std::binary_search(doubled.begin(), doubled.end(), line);
}

void CIndexTextFile::CopyLinesPaired(std::size_t from, std::size_t to, const TKeptSection& kept, std::string& out)
{
    // The lines to leave out (no text) or to write otherwise, by place.
    std::map<std::size_t, std::u16string> changed;
    for (const auto& [line, text] : kept.paired) {
        if (line >= from && line < to) changed.emplace(line, text);
    }
    for (const std::vector<std::size_t>* leftOut : {&kept.strays, &kept.doubled}) {
        for (const std::size_t line : *leftOut) {
            if (line >= from && line < to) changed[line].clear();
        }
    }
    for (const auto& [line, text] : changed) {
        CopyLinesInFileForm(from, line, out);
        if (!text.empty()) out += platform::Utf16ToUtf8(text) + "\r\n";
        from = line + 1;
    }
    CopyLinesInFileForm(from, to, out);
}

void CIndexTextFile::AppendClosings(const TKeptSection& kept, std::string& out)
{
    for (auto open = kept.unclosed.rbegin(); open != kept.unclosed.rend(); ++open) {
        out += platform::Utf16ToUtf8(SectionEndPrefix) +
               platform::Utf16ToUtf8(GetLineView(*open).substr(SectionBeginPrefix.size())) + "\r\n";
    }
}

bool CIndexTextFile::IsSectionLine(std::size_t line) const
{
    const std::u16string_view text(LineAt(line), LineLength(line));
    return text.starts_with(SectionBeginPrefix) || text.starts_with(SectionEndPrefix);
}

void CIndexTextFile::NoteLineOutOfPlace(std::size_t position)
{
    if (position < lineCount_) {
        NoteBrokenSection(position, std::u16string_view(LineAt(position), LineLength(position)), TBroken::OutOfPlace);
    }
}

void CIndexTextFile::NoteSectionLineLeft()
{
    for (std::size_t line = next_; line < lineCount_; ++line) {
        if (text_[lineStarts_[line]] == u'%' && IsSectionLine(line)) {
            NoteLineOutOfPlace(line);
            return;
        }
    }
}

void CIndexTextFile::NoteSectionNotClosed(std::size_t position)
{
    if (position >= lineCount_) return;
    const std::u16string_view line(LineAt(position), LineLength(position));
    if (line.starts_with(SectionBeginPrefix)) {
        NoteBrokenSection(position, line.substr(SectionBeginPrefix.size()), TBroken::NotClosed);
    }
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

bool CIndexTextFile::ReadString(char16_t* dest, std::size_t capacity)
{
    if (!ReadValueLine()) {
        ClearText(dest, capacity);
        return false;
    }
    if (dest && capacity > 0) CopyText(dest, GetCurrentLineView(), capacity);
    return true;
}

bool CIndexTextFile::ReadCString(std::u16string& dest)
{
    const bool read = ReadValueLine() != nullptr;
    dest = read ? GetCurrentLineView() : std::u16string_view();
    return read;
}

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

char16_t CIndexTextFile::AsRead(char16_t unit)
{
    return unit == u'\r' || unit == u'\n' ? unit : FixUp(unit);
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

void CIndexTextFile::GrowOutput(std::size_t size)
{
    const std::size_t capacity = std::max({outputCapacity_ * 2, outputSize_ + size, FirstOutputCapacity});
    auto grown = std::make_unique_for_overwrite<char[]>(capacity);
    if (outputSize_ > 0) std::memcpy(grown.get(), output_.get(), outputSize_);
    output_ = std::move(grown);
    outputCapacity_ = capacity;
}

void CIndexTextFile::AppendBytes(std::string_view bytes)
{
    std::memcpy(OutputSpace(bytes.size()), bytes.data(), bytes.size());
    outputSize_ += bytes.size();
}

// Keys, names and numbers, most of a file's texts, are short and ASCII:
// they are copied unit by unit, which for a few units is much quicker than
// the general conversion, and only what follows the first other unit goes
// through it. CR, LF and NUL are single bytes in UTF-8 and no other
// character's bytes can be mistaken for them, so the encoded bytes are
// checked.
void CIndexTextFile::AppendText(std::u16string_view text)
{
    const auto blankBreak = [](char c) { return c == '\r' || c == '\n' || c == 0 ? ' ' : c; };
    char* const out = OutputSpace(text.size() * platform::MaxUtf8BytesPerUnit);
    std::size_t ascii = 0;
    for (; ascii < text.size() && text[ascii] < 0x80; ++ascii) out[ascii] = blankBreak(static_cast<char>(text[ascii]));
    std::size_t size = ascii;
    if (ascii < text.size()) {
        size += platform::Utf16ToUtf8(text.substr(ascii), out + ascii);
        for (std::size_t i = ascii; i < size; ++i) out[i] = blankBreak(out[i]);
    }
    outputSize_ += size;
}

// "-2147483648".
constexpr std::size_t MaxDecimalDigits = 11;

void CIndexTextFile::AppendDecimal(std::int32_t value)
{
    char* const out = OutputSpace(MaxDecimalDigits);
    outputSize_ += static_cast<std::size_t>(std::to_chars(out, out + MaxDecimalDigits, value).ptr - out);
}

void CIndexTextFile::EndLine()
{
    AppendBytes("\r\n");
}

bool CIndexTextFile::WriteFileForm(std::string_view lines)
{
    if (!CanWrite()) return false;
    AppendBytes(lines);
    return true;
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

bool CIndexTextFile::PairsWhole(const std::string& lines, std::u16string_view key)
{
    const std::string bytes = "\xEF\xBB\xBF" + lines + "%INDEXEND%" + platform::Utf16ToUtf8(key) + "\r\n";
    CIndexTextFile probe;
    probe.OpenFromBytes(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), key);
    const TKeptSection kept = probe.PairKeptSection(0, key);
    return kept.end.found && kept.strays.empty() && kept.unclosed.empty() && probe.IsLastLine(kept.end.line);
}

bool CIndexTextFile::WriteSectionBegin(std::u16string_view key)
{
    if (!CanWrite()) return false;
    AppendText(SectionBeginPrefix);
    sectionStarts_.push_back(sectionsWritten_.size());
    sectionsWritten_ += key;
    return WriteLine(key);
}

bool CIndexTextFile::WriteSectionEnd(std::u16string_view key)
{
    if (!CanWrite()) return false;
    AppendText(SectionEndPrefix);
    if (!sectionStarts_.empty() && GetSectionWritten() == key) {
        sectionsWritten_.resize(sectionStarts_.back());
        sectionStarts_.pop_back();
    }
    return WriteLine(key);
}

// Most lines of a file are numbers: the digits and the line end go in
// with one check for room.
bool CIndexTextFile::WriteInt32(std::int64_t value)
{
    if (!CanWrite()) return false;
    char* const out = OutputSpace(MaxDecimalDigits + 2);
    char* end = std::to_chars(out, out + MaxDecimalDigits, static_cast<std::int32_t>(value)).ptr;
    *end++ = '\r';
    *end++ = '\n';
    outputSize_ += static_cast<std::size_t>(end - out);
    return true;
}

bool CIndexTextFile::WriteHex32(std::uint32_t value)
{
    if (!CanWrite()) return false;
    constexpr std::size_t MaxDigits = 8;
    char* const out = OutputSpace(MaxDigits);
    outputSize_ += static_cast<std::size_t>(std::to_chars(out, out + MaxDigits, value, 16).ptr - out);
    EndLine();
    return true;
}
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
        if (i > 0) AppendBytes(",");
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
        if (i > 0) AppendBytes(",");
        CopyTextNoQuotes(scratch_.data(), texts + i * stride, stride);
        AppendBytes("\"");
        AppendText(scratch_.c_str());
        AppendBytes("\"");
    }
    EndLine();
    return true;
}
