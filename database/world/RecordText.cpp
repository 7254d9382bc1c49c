#include "database/world/RecordText.h"

#include <algorithm>

#include "core/files/IndexTextFile.h"
#include "core/text/TextTools.h"
#include "platform/TextCodec.h"

namespace {

bool IsLineMark(char16_t c)
{
    return c == u';' || c == u'%';
}

// What the readers that trim a value take off its front.
bool IsBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\u00A0';
}

// The blanks a mark leaves in front go with it: a reader that trims its
// value would take them off, and the next save would then write a value
// that differs from the first save's. A zero-terminated text may give no
// length: its terminator ends the marks.
std::size_t LineMarkLength(const char16_t* text, std::size_t length = std::u16string_view::npos)
{
    if (length == 0 || !IsLineMark(text[0])) return 0;
    std::size_t end = 0;
    while (end < length && (IsLineMark(text[end]) || IsBlank(text[end]))) ++end;
    return end;
}

std::u16string_view WithoutLineMarks(std::u16string_view text)
{
    return text.substr(LineMarkLength(text.data(), text.size()));
}

char16_t WithoutLineBreak(char16_t c)
{
    return c == u'\r' || c == u'\n' ? u' ' : c;
}

// Each unit as a save and a reload give it back; true when one changed.
bool KeepUnitsAsRead(char16_t* text)
{
    bool changed = false;
    for (char16_t* c = text; *c != 0; ++c) {
        const bool pair = platform::IsHighSurrogate(c[0]) && platform::IsLowSurrogate(c[1]);
        const bool lone = !pair && (platform::IsHighSurrogate(*c) || platform::IsLowSurrogate(*c));
        const char16_t kept = lone ? u'\uFFFD' : CIndexTextFile::AsRead(*c);
        changed = changed || kept != *c;
        *c = kept;
        if (pair) ++c;
    }
    return changed;
}

bool TrimEnds(char16_t* text)
{
    const std::size_t length = TextLength(text);
    return TextLength(TrimText(text)) != length;
}

}  // namespace

std::u16string MakeRecordText(std::u16string_view text)
{
    std::u16string result(WithoutLineMarks(text));
    std::transform(result.begin(), result.end(), result.begin(), WithoutLineBreak);
    return result;
}

// Straight into the slot in one pass: every person a load creates gets
// two names. In order from the front, so that a text inside the slot
// itself moves down whole.
void SetRecordText(char16_t* dest, std::size_t capacity, const char16_t* text)
{
    if (dest == nullptr || capacity == 0) return;
    std::size_t length = 0;
    if (text != nullptr) {
        text += LineMarkLength(text);
        for (; length + 1 < capacity && text[length] != 0; ++length) dest[length] = WithoutLineBreak(text[length]);
    }
    dest[length] = 0;
}

void SetKeptName(char16_t* dest, std::size_t capacity, const char16_t* text)
{
    SetRecordText(dest, capacity, text);
    if (dest == nullptr || capacity == 0) return;
    for (bool changed = true; changed;) {
        changed = KeepUnitsAsRead(dest);
        changed = NormaliseWhitespace(dest) || changed;
        changed = TrimEnds(dest) || changed;
        if (LineMarkLength(dest) != 0) {
            SetRecordText(dest, capacity, dest);
            changed = true;
        }
    }
}

bool WriteRecordText(CIndexTextFile& file, std::u16string_view text)
{
    return file.WriteLine(MakeRecordText(text));
}

std::u16string NotesToLine(std::u16string_view notes)
{
    std::u16string line;
    line.reserve(notes.size());
    for (char16_t c : WithoutLineMarks(notes)) {
        if (c == u'\r') continue;
        line.push_back(c == u'\n' ? u'\t' : c);
    }
    return line;
}

std::u16string LineToNotes(std::u16string_view line)
{
    std::u16string notes;
    notes.reserve(line.size());
    for (char16_t c : line) {
        if (c == u'\t') {
            notes += u"\r\n";
        } else {
            notes.push_back(c);
        }
    }
    return notes;
}
