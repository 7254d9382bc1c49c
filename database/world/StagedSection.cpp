#include "database/world/StagedSection.h"

#include "core/files/IndexTextFile.h"
#include "platform/TextCodec.h"

#include <map>
#include <span>

// The record's reader reads past a broken begin line of a section nested
// in it, so the lines are kept whole through one: the section runs to its
// own end line, which a nested section left open does not hide. An end
// line that closes no section, and a section left open at the end, are
// damage noted on the file. The lines stay as read for the record's reader
// (the end line of a section whose begin line is missing). Written, lines
// that needed mending leave such an end line out, close the sections left
// open and give every section line the key it was paired by, so that they
// pair up by their keys when read again; so are lines that would pair
// otherwise under the key they are written with.
TStagedSection::ReadResult TStagedSection::Read(CIndexTextFile& file, std::u16string_view key)
{
    Clear();
    if (!file.FindNestedSection(key)) return ReadResult::Missing;
    const std::size_t first = file.GetLinePosition();
    const CIndexTextFile::TKeptSection kept = file.PairKeptSection(first, key);
    file.SetLinePosition(kept.end.line + 1);
    if (!kept.end.found) return ReadResult::Unterminated;
    file.CopyLinesInFileForm(first, kept.end.line, lines_);
    if (kept.strays.empty() && kept.unclosed.empty() && kept.paired.empty()) return ReadResult::Read;
    repaired_ = !kept.strays.empty() || !kept.unclosed.empty();
    const bool strayFirst = kept.unclosed.empty() || (!kept.strays.empty() && kept.strays.front() < kept.unclosed.front());
    if (repaired_ && strayFirst) {
        file.NoteLineOutOfPlace(kept.strays.front());
    } else if (repaired_) {
        file.NoteSectionNotClosed(kept.unclosed.front());
    }
    // The lines to leave out (no text) or to write otherwise, by place.
    std::map<std::size_t, std::u16string> changed(kept.paired.begin(), kept.paired.end());
    for (const std::size_t stray : kept.strays) changed[stray].clear();
    std::size_t from = first;
    for (const auto& [line, text] : changed) {
        file.CopyLinesInFileForm(from, line, pairedLines_);
        if (!text.empty()) pairedLines_ += platform::Utf16ToUtf8(text) + "\r\n";
        from = line + 1;
    }
    file.CopyLinesInFileForm(from, kept.end.line, pairedLines_);
    for (auto open = kept.unclosed.rbegin(); open != kept.unclosed.rend(); ++open) {
        std::string beginLine;
        file.CopyLinesInFileForm(*open, *open + 1, beginLine);
        pairedLines_ += "%INDEXEND%" + beginLine.substr(CIndexTextFile::SectionBeginPrefix.size());
    }
    return ReadResult::Read;
}

bool TStagedSection::Write(CIndexTextFile& file, std::u16string_view key) const
{
    const bool asRead = pairedLines_.empty() || (!repaired_ && PairsWhole(lines_, key));
    const std::string& lines = asRead ? lines_ : pairedLines_;
    return file.WriteSectionBegin(key) && file.WriteFileForm(lines) && file.WriteSectionEnd(key);
}

// Whether lines written under key pair up to the end line written after
// them, as they did under the key they were read with.
bool TStagedSection::PairsWhole(const std::string& lines, std::u16string_view key)
{
    const std::string bytes = "\xEF\xBB\xBF" + lines + "%INDEXEND%" + platform::Utf16ToUtf8(key) + "\r\n";
    CIndexTextFile probe;
    probe.OpenFromBytes(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), key);
    const CIndexTextFile::TKeptSection kept = probe.PairKeptSection(0, key);
    return kept.end.found && kept.strays.empty() && kept.unclosed.empty() && probe.IsLastLine(kept.end.line);
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
