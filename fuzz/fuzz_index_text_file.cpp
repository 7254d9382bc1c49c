// Feeds arbitrary bytes to the tagged text stream as a file's contents and
// drives every reader over them: nothing may read or write out of bounds,
// whatever the encoding mark, line breaks, numbers or sections hold.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/files/IndexTextFile.h"

namespace {

void ReadOneRound(CIndexTextFile& stream)
{
    stream.FindSection(u"A");
    std::int32_t number = 0;
    stream.ReadInt32(number);
    std::uint8_t list[4];
    stream.ReadInt8List(list, 4);
    char16_t names[CIndexTextFile::QuotedStringCount][5];
    stream.ReadQuotedStrings(&names[0][0], 5);
    char16_t text[4];
    stream.ReadString(text, 4);
    std::int16_t shorts[3];
    stream.ReadInt16Array(shorts, 3);
    std::u16string whole;
    stream.ReadCString(whole);
    std::uint8_t flag = 0;
    stream.ReadBool(flag);
    stream.PeekLine();
}

// A begin line names a key; seeking that key's end line crosses nested
// sections.
void SeekEndOfCurrentSection(CIndexTextFile& stream)
{
    const char16_t* line = stream.GetCurrentLine();
    if (!line) return;
    const std::u16string_view current(line);
    if (current.starts_with(CIndexTextFile::SectionBeginPrefix))
        stream.FindSectionEnd(current.substr(CIndexTextFile::SectionBeginPrefix.size()));
}

void SplitQuotedLine(const char16_t* line)
{
    if (!line) return;
    std::u16string copy(line);
    char16_t* cursor = copy.data();
    char16_t text[8];
    for (int i = 0; i < 3; ++i) CIndexTextFile::ExtractQuoted(cursor, text, u'"', 8);
    CIndexTextFile::SkipToComma(cursor);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CIndexTextFile stream;
    stream.OpenFromBytes(std::span<const std::uint8_t>(data, size), u"fuzz.sav");
    while (!stream.IsAtEnd()) {
        ReadOneRound(stream);
        SeekEndOfCurrentSection(stream);
        SplitQuotedLine(stream.GetCurrentLine());
    }
    stream.Close();
    return 0;
}
