#pragma once
// A nested section that this program does not interpret yet (a club, a
// person, a competition, ...), kept as its raw lines so that a load
// followed by a save writes it back unchanged. The begin and end lines are
// not kept: the writer writes them with the key it is given, so a section
// can be renumbered.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

class CIndexTextFile;

class TStagedSection {
public:
    enum class ReadResult { Read, Missing, Unterminated };

    // Finds the section (CIndexTextFile::FindNestedSection) and keeps every
    // line up to its end line, comment lines included. Nested sections are
    // passed over by their keys (CIndexTextFile::PairKeptSection); when the
    // section's end line does not follow, it is unterminated. An end line
    // that closes no section, or a section left open, is noted on the file;
    // the lines are kept as read for a reader of them, and Write writes
    // them so that they pair up.
    ReadResult Read(CIndexTextFile& file, std::u16string_view key);
    // Whether the lines needed mending to pair up when written.
    bool IsRepaired() const { return repaired_; }
    bool Write(CIndexTextFile& file, std::u16string_view key) const;
    bool IsEmpty() const { return lines_.empty(); }
    // The first mostLines kept lines (all by default), each followed by '\n'.
    std::u16string GetText(std::size_t mostLines = std::u16string::npos) const;
    void Clear()
    {
        lines_.clear();
        pairedLines_.reset();
        repaired_ = false;
    }
    // The kept lines as the file holds them, for a reader that parses them.
    const std::string& GetFileForm() const { return lines_; }

private:
    // The kept lines as the file holds them (UTF-8, each ended by CR LF):
    // one block per section, copied once on reading and once on writing.
    std::string lines_;
    // The kept lines paired by their keys alone
    // (CIndexTextFile::CopyLinesPaired), with the end lines of the sections
    // left open; none when they were so paired as read.
    std::optional<std::string> pairedLines_;
    bool repaired_ = false;
};
