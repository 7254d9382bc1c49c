#include "database/RecordText.h"

#include <algorithm>

#include "core/IndexTextFile.h"
#include "core/TextTools.h"

namespace {

std::u16string_view WithoutLineMarks(std::u16string_view text)
{
    const std::size_t start = text.find_first_not_of(u";%");
    return start == std::u16string_view::npos ? std::u16string_view() : text.substr(start);
}

char16_t WithoutLineBreak(char16_t c)
{
    return c == u'\r' || c == u'\n' ? u' ' : c;
}

}  // namespace

std::u16string MakeRecordText(std::u16string_view text)
{
    std::u16string result(WithoutLineMarks(text));
    std::transform(result.begin(), result.end(), result.begin(), WithoutLineBreak);
    return result;
}

// Straight into the slot: every person a load creates gets two names.
void SetRecordText(char16_t* dest, std::size_t capacity, const char16_t* text)
{
    if (dest == nullptr || capacity == 0) return;
    const std::u16string_view kept = text != nullptr ? WithoutLineMarks(text) : std::u16string_view();
    const std::size_t length = std::min(kept.size(), capacity - 1);
    // In order from the front, so that a text inside the slot itself
    // moves down whole.
    for (std::size_t i = 0; i < length; ++i) dest[i] = WithoutLineBreak(kept[i]);
    dest[length] = 0;
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
