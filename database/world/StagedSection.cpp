#include "database/world/StagedSection.h"

#include "core/files/IndexTextFile.h"
#include "platform/TextCodec.h"

namespace {

bool IsBeginLine(std::u16string_view line)
{
    return line.starts_with(CIndexTextFile::SectionBeginPrefix);
}

bool IsEndLine(std::u16string_view line)
{
    return line.starts_with(CIndexTextFile::SectionEndPrefix);
}

}  // namespace

TStagedSection::ReadResult TStagedSection::Read(CIndexTextFile& file, std::u16string_view key)
{
    lines_.clear();
    if (!file.FindSection(key)) return ReadResult::Missing;
    const std::size_t first = file.GetLinePosition();
    int depth = 0;
    while (file.NextLine()) {
        const std::u16string_view line = file.GetCurrentLineView();
        if (line.empty() || line[0] != u'%') continue;
        if (IsEndLine(line)) {
            if (depth == 0) {
                const bool ownEnd = line.substr(CIndexTextFile::SectionEndPrefix.size()) == key;
                if (ownEnd) file.CopyLinesInFileForm(first, file.GetLinePosition() - 1, lines_);
                return ownEnd ? ReadResult::Read : ReadResult::Unterminated;
            }
            --depth;
        } else if (IsBeginLine(line)) {
            ++depth;
        }
    }
    return ReadResult::Unterminated;
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
