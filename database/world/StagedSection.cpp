#include "database/world/StagedSection.h"

#include "core/files/IndexTextFile.h"
#include "platform/TextCodec.h"

// The record's reader reads past a broken begin line of a section nested
// in it, so the lines are kept whole through one: the section runs to its
// own end line, which a nested section left open does not hide. An end
// line that closes no section, and a section left open at the end, are
// damage noted on the file. The lines stay as read for the record's reader
// (the end line of a section whose begin line is missing). Written, lines
// that needed mending leave such an end line out, close the sections left
// open and give every section line the key it was paired by, so that they
// pair up by their keys when read again; so are lines that would pair
// otherwise under the key they are written with, a doubled begin line of
// that key among them.
TStagedSection::ReadResult TStagedSection::Read(CIndexTextFile& file, std::u16string_view key)
{
    Clear();
    if (!file.FindNestedSection(key)) return ReadResult::Missing;
    const std::size_t first = file.GetLinePosition();
    const CIndexTextFile::TKeptSection kept = file.PairKeptSection(first, key);
    file.SetLinePosition(kept.end.line + 1);
    if (!kept.end.found) return ReadResult::Unterminated;
    file.CopyLinesInFileForm(first, kept.end.line, lines_);
    if (!kept.PairsOtherwise()) return ReadResult::Read;
    repaired_ = !kept.strays.empty() || !kept.unclosed.empty();
    const bool strayFirst = kept.unclosed.empty() || (!kept.strays.empty() && kept.strays.front() < kept.unclosed.front());
    if (repaired_ && strayFirst) {
        file.NoteLineOutOfPlace(kept.strays.front());
    } else if (repaired_) {
        file.NoteSectionNotClosed(kept.unclosed.front());
    }
    pairedLines_.emplace();
    file.CopyLinesPaired(first, kept.end.line, kept, *pairedLines_);
    file.AppendClosings(kept, *pairedLines_);
    return ReadResult::Read;
}

bool TStagedSection::Write(CIndexTextFile& file, std::u16string_view key) const
{
    const bool asRead = !pairedLines_ || (!repaired_ && CIndexTextFile::PairsWhole(lines_, key));
    const std::string& lines = asRead ? lines_ : *pairedLines_;
    return file.WriteSectionBegin(key) && file.WriteFileForm(lines) && file.WriteSectionEnd(key);
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
