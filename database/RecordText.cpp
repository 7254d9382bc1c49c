#include "database/RecordText.h"

#include "core/IndexTextFile.h"
#include "core/TextTools.h"

namespace {

std::u16string_view WithoutLineMarks(std::u16string_view text)
{
    const std::size_t start = text.find_first_not_of(u";%");
    return start == std::u16string_view::npos ? std::u16string_view() : text.substr(start);
}

}  // namespace

std::u16string MakeRecordText(std::u16string_view text)
{
    std::u16string result(WithoutLineMarks(text));
    for (char16_t& c : result) {
        if (c == u'\r' || c == u'\n') c = u' ';
    }
    return result;
}

void SetRecordText(char16_t* dest, std::size_t capacity, const char16_t* text)
{
    if (dest == nullptr || capacity == 0) return;
    if (text == nullptr) {
        dest[0] = 0;
        return;
    }
    CopyText(dest, MakeRecordText(text), capacity);
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
