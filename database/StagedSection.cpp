#include "database/StagedSection.h"

#include "core/IndexTextFile.h"

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
    int depth = 0;
    for (const char16_t* skipped = file.PeekLine(); file.NextLine(); skipped = file.PeekLine()) {
        KeepSkippedComments(skipped, file.GetCurrentLine());
        const std::u16string_view line(file.GetCurrentLine());
        if (IsEndLine(line)) {
            if (depth == 0) {
                const bool ownEnd = line.substr(CIndexTextFile::SectionEndPrefix.size()) == key;
                return ownEnd ? ReadResult::Read : ReadResult::Unterminated;
            }
            --depth;
        } else if (IsBeginLine(line)) {
            ++depth;
        }
        Keep(line);
    }
    return ReadResult::Unterminated;
}

void TStagedSection::Keep(std::u16string_view line)
{
    lines_.append(line);
    lines_.push_back(u'\n');
}

// The stream holds its lines one after another in one buffer, each ended by
// a zero unit, and its line step passes over comment lines. Those lie
// between the line peeked before the step and the line it arrived at.
void TStagedSection::KeepSkippedComments(const char16_t* from, const char16_t* to)
{
    for (const char16_t* line = from; line != nullptr && line < to; line += std::u16string_view(line).size() + 1) {
        Keep(line);
    }
}

bool TStagedSection::Write(CIndexTextFile& file, std::u16string_view key) const
{
    if (!file.WriteSectionBegin(key)) return false;
    std::u16string_view rest(lines_);
    while (!rest.empty()) {
        const std::size_t end = rest.find(u'\n');
        if (!file.WriteLine(rest.substr(0, end))) return false;
        rest.remove_prefix(end + 1);
    }
    return file.WriteSectionEnd(key);
}
