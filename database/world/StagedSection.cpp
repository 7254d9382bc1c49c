#include "database/world/StagedSection.h"

#include "core/files/IndexTextFile.h"
#include "platform/TextCodec.h"

// The record's reader reads past a broken begin line of a section nested
// in it, so the lines are kept whole through one: the section runs to its
// own end line, which a nested section left open or an end line that
// closes nothing does not hide.
TStagedSection::ReadResult TStagedSection::Read(CIndexTextFile& file, std::u16string_view key)
{
    lines_.clear();
    if (!file.FindNestedSection(key)) return ReadResult::Missing;
    const std::size_t first = file.GetLinePosition();
    const CIndexTextFile::TSectionEnd end = file.FindEndLine(first, key, true);
    file.SetLinePosition(end.line + 1);
    if (!end.found) return ReadResult::Unterminated;
    file.CopyLinesInFileForm(first, end.line, lines_);
    return ReadResult::Read;
}

bool TStagedSection::Write(CIndexTextFile& file, std::u16string_view key) const
{
    return file.WriteSectionBegin(key) && file.WriteFileForm(lines_) && file.WriteSectionEnd(key);
}

// Every CR LF in the kept lines is a line end: a line never holds a line
// break of its own.
std::u16string TStagedSection::GetText(std::size_t mostLines) const
{
    std::size_t end = 0;
    for (std::size_t line = 0; line < mostLines && end < lines_.size(); ++line) end = lines_.find("\r\n", end) + 2;
    std::u16string text = platform::Utf8ToUtf16(std::string_view(lines_).substr(0, end));
    std::erase(text, u'\r');
    return text;
}
