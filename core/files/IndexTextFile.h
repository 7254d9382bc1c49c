#pragma once
// The tagged text stream under every text file of the database: one value per
// line, groups framed by "%INDEX%"+key and "%INDEXEND%"+key lines.
//
// Reading loads the whole file and, in one pass, decodes it, applies the
// read fix-ups, splits it into lines and notes where each line starts, so
// a read hands out pointers into one buffer and a step to the next line
// costs no scan (a full database is tens of megabytes of text). Writing
// collects the file's UTF-8 bytes in memory; Close writes them, after a
// byte-order mark, through a temporary file that replaces the old file only
// when every write succeeded, so a failed save never damages the file it
// was meant to replace.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/files/BufferRecycler.h"
#include "core/text/Format.h"
#include "platform/Platform.h"

class CIndexTextFile {
public:
    static constexpr std::u16string_view SectionBeginPrefix = u"%INDEX%";
    static constexpr std::u16string_view SectionEndPrefix = u"%INDEXEND%";
    // Longest line WriteFormat produces.
    static constexpr std::size_t MaxFormattedLine = 1023;
    // Longest error text SetError keeps.
    static constexpr std::size_t MaxErrorText = 2047;
    static constexpr int QuotedStringCount = 6;

    CIndexTextFile() = default;
    // A stream still open for writing discards its lines: the old file
    // stays. Opening another file does the same; only Close saves.
    ~CIndexTextFile() = default;
    CIndexTextFile(const CIndexTextFile&) = delete;
    CIndexTextFile& operator=(const CIndexTextFile&) = delete;

    // Opening and positioning.
    // The large buffers of the files read from now on come from recycler
    // and go back to it, which this stream keeps alive until they do.
    void UseBufferRecycler(std::shared_ptr<CBufferRecycler> recycler) { recycler_ = std::move(recycler); }
    bool OpenRead(std::u16string_view path);
    // Reads file contents already in memory; name is what GetFileName shows.
    bool OpenFromBytes(std::span<const std::uint8_t> bytes, std::u16string_view name);
    // Fails when the file cannot be created in its folder; the old file is
    // left as it is until Close. A save that closes its files on another
    // thread has them created there too (creating files is much of the
    // file system's work): with OnClose the temporary file is made by Close
    // or CloseInto, which fail when it cannot be.
    enum class Create { Now, OnClose };
    bool OpenWrite(std::u16string_view path, Create create = Create::Now);
    // False only when the written file could not be saved; the old file is
    // then unchanged.
    bool Close();
    // Writes the lines to the temporary file and flushes it to the disk, but
    // leaves the old file in place until files commits: a save of many files
    // replaces all of them or none. False when the file could not be written.
    bool CloseInto(platform::AtomicFileSet& files);
    // Steps to the next line, passing over comment lines (first character
    // ';'); false at the end of the text.
    bool NextLine()
    {
        while (next_ < lineCount_) {
            if (text_[lineStarts_[next_++]] != u';') return true;
        }
        return false;
    }
    // The line last stepped to by NextLine or a section seek; null when none.
    const char16_t* GetCurrentLine() const { return next_ > 0 ? LineAt(next_ - 1) : nullptr; }
    // The same line with its length; empty when none.
    std::u16string_view GetCurrentLineView() const
    {
        if (next_ == 0) return {};
        return {LineAt(next_ - 1), LineLength(next_ - 1)};
    }
    // The line after the current one, comments included; null at the end.
    const char16_t* PeekLine() const { return next_ < lineCount_ ? LineAt(next_) : nullptr; }
    // Whether line (a position) is the last line of the text.
    bool IsLastLine(std::size_t line) const { return line + 1 == lineCount_; }
    std::size_t GetLineCount() const { return lineCount_; }
    // The line at position (below GetLineCount) without its line break.
    std::u16string_view GetLineView(std::size_t position) const { return {LineAt(position), LineLength(position)}; }
    // The number of lines stepped over so far, comments included: a
    // position for CopyLinesInFileForm.
    std::size_t GetLinePosition() const { return next_; }
    // Returns to a position GetLinePosition gave; beyond the last line
    // means at the end.
    void SetLinePosition(std::size_t position) { next_ = position < lineCount_ ? position : lineCount_; }
    // Appends the lines from position from up to position to as they are
    // written to a file: UTF-8, each line ended by CR LF. WriteFileForm
    // writes them back unchanged.
    void CopyLinesInFileForm(std::size_t from, std::size_t to, std::string& out);
    // True when no further value line can be read.
    bool IsAtEnd() const;
    // Every line that is exactly one of texts, comments included, in file
    // order: its position (where it is the next line) and which text it is.
    // Reading only first units until one matches, it passes over a file
    // much quicker than stepping through it.
    struct TFoundLine {
        std::size_t position;
        std::size_t text;
    };
    std::vector<TFoundLine> FindLines(std::span<const std::u16string_view> texts) const;
    // Finds the begin line of key only when no other section line comes
    // first, so an absent optional section leaves the position unchanged
    // for the next reader. On success the begin line is the current line.
    // In a sound file the sought line is the very next one; the readers
    // seek several sections per record, so that case costs one comparison.
    bool FindSection(std::u16string_view key)
    {
        return StepToMarker(SectionBeginPrefix, key) || SeekMarker(SectionBeginPrefix, key, true);
    }
    // Moves over the rest of a section, nested sections' begin lines
    // included, but stops at another key's end line.
    bool FindSectionEnd(std::u16string_view key)
    {
        return StepToMarker(SectionEndPrefix, key) || SeekMarker(SectionEndPrefix, key, false);
    }
    // FindSection for a section that a block of values holds at this
    // point. A begin line that is missing, misspelt or doubled is read
    // past when the section's own end line shows where the section stands
    // (after its values and the nested sections it holds, which pair up):
    // the read goes on with its values, and the first such line is noted
    // for the file's reader to name.
    bool FindNestedSection(std::u16string_view key);
    // The number (from 1) of the first line the reads found broken, 0 for
    // none, with what was wrong there and its key: a begin line
    // FindNestedSection read past (the key it sought), a section line out
    // of place, read as a value or closing no section (the whole line), or
    // the place of a section's missing end line (the section's key).
    enum class TBroken { BeginLine, OutOfPlace, NotClosed };
    std::size_t GetBrokenSectionLine() const { return brokenSectionLine_; }
    const std::u16string& GetBrokenSectionKey() const { return brokenSectionKey_; }
    TBroken GetBrokenSectionKind() const { return brokenSectionKind_; }
    // A line that is no section line but for a misspelling: it begins with
    // the markers' first unit and holds it again ("%INDX%TEAMS"). Any other
    // line of that first unit ("%0") is a value.
    static bool IsMisspeltSectionLine(std::u16string_view line)
    {
        return line.starts_with(u'%') && line.find(u'%', 1) != std::u16string_view::npos &&
               !line.starts_with(SectionBeginPrefix) && !line.starts_with(SectionEndPrefix);
    }
    // Whether the line at position is a section's begin or end line.
    bool IsSectionLine(std::size_t line) const;
    // Notes the line at position as out of place.
    void NoteLineOutOfPlace(std::size_t position);
    // Notes the first section line from the position on, for lines a
    // reader left behind: values there are what a newer writer adds at a
    // section's end, passed over as a seek for its end line passes them.
    void NoteSectionLineLeft();
    // Notes that the section whose begin line stands at position has no
    // end line.
    void NoteSectionNotClosed(std::size_t position);
    // Forgets a broken line noted from position on: for a reader that
    // keeps those lines as they stand after all.
    void ForgetBrokenLinesFrom(std::size_t position)
    {
        if (brokenSectionLine_ > position) {
            brokenSectionLine_ = 0;
            brokenSectionKey_.clear();
        }
    }
    // Where the section key whose lines start at from ends: the line of its
    // end line, nested sections passed over by their keys, which must pair
    // up. Not found: line is the first end line that could not be
    // followed, a begin line of key outside the nested sections, or the
    // line count.
    struct TSectionEnd {
        bool found;
        std::size_t line;
    };
    TSectionEnd FindEndLine(std::size_t from, std::u16string_view key) const;
    // FindEndLine for lines kept whole, whose reader reads past broken
    // begin lines later: a nested section left open because its begin line
    // was doubled ends with the section; an end line that closes none
    // pairs with a misspelt begin line before it (IsMisspeltSectionLine),
    // else closes the innermost section open (as a count of the depth
    // would); with none open it closes nothing and is one of strays, which
    // the section is read past. Without key, the lines run to the end of
    // the text, and unclosed holds the sections left open there.
    // The section's own end line ends it also where sections are left open
    // that lack their end lines: unclosed holds their begin lines, outermost
    // first. paired gives the section lines paired other than by their keys,
    // each with the line that would pair it by its key: a misspelt begin
    // line, an end line that closed the innermost section; a misspelt begin
    // line left unpaired comes with an end line of its own after it.
    // doubled holds the begin lines left open whose keys were closed: the
    // doubled ones, whose sections end with the section.
    struct TKeptSection {
        TSectionEnd end;
        std::vector<std::size_t> strays;
        std::vector<std::size_t> unclosed;
        std::vector<std::pair<std::size_t, std::u16string>> paired;
        std::vector<std::size_t> doubled;
        // Whether the lines pair other than by their keys alone.
        bool PairsOtherwise() const { return !strays.empty() || !unclosed.empty() || !paired.empty() || !doubled.empty(); }
        // Whether the line is left out where the lines are written so that
        // they pair by their keys.
        bool LeavesOut(std::size_t line) const;
    };
    TKeptSection PairKeptSection(std::size_t from, std::u16string_view key) const;
    // Appends the kept lines from position from up to position to (in the
    // form CopyLinesInFileForm gives) so that they pair by their keys alone,
    // under whatever key they are written: without the end lines that closed
    // no section and the doubled begin lines, with each line paired other
    // than by its key replaced by the one that pairs it by its key.
    void CopyLinesPaired(std::size_t from, std::size_t to, const TKeptSection& kept, std::string& out);
    // Appends the end lines of the sections left open, innermost first.
    void AppendClosings(const TKeptSection& kept, std::string& out);
    // Whether lines written under key pair up, by PairKeptSection, to the
    // end line written after them and to none before.
    static bool PairsWhole(const std::string& lines, std::u16string_view key);
    bool WriteSectionBegin(std::u16string_view key);
    bool WriteSectionEnd(std::u16string_view key);
    // The key of the innermost section begun and not yet ended in writing;
    // empty outside any.
    std::u16string_view GetSectionWritten() const
    {
        return sectionStarts_.empty() ? std::u16string_view() : std::u16string_view(sectionsWritten_).substr(sectionStarts_.back());
    }

    const char16_t* GetFileName() const { return fileName_.c_str(); }
    // The number (from 1) of the current line in the file, comment lines
    // counted; 0 before the first step.
    std::size_t GetLineNumber() const;
    // Stores text for the caller to show; with both lists given, their
    // tokens are replaced by the values (lists end with a null entry).
    void SetError(const char16_t* text, const char16_t* const* tokens = nullptr,
                  const char16_t* const* values = nullptr);
    // Null when no error text is stored.
    const char16_t* GetError() const { return hasError_ ? error_.c_str() : nullptr; }

    // Typed readers: each consumes one line (arrays one line per element).
    // At the end of the text they store zeros or empty texts and return
    // false. Numbers are decimal, wrapping modulo 2^32; text that is not a
    // number reads as 0, trailing letters are ignored.
    bool ReadString(char16_t* dest, std::size_t capacity);
    bool ReadCString(std::u16string& dest);
    // The readers' loops call these for most lines of a file: inline.
    bool ReadInt32(std::int32_t& value) { return ReadInteger(value); }
    bool ReadInt32(std::uint32_t& value) { return ReadInteger(value); }
    bool ReadInt16(std::int16_t& value) { return ReadInteger(value); }
    bool ReadInt16(std::uint16_t& value) { return ReadInteger(value); }
    bool ReadInt8(std::int8_t& value) { return ReadInteger(value); }
    bool ReadInt8(std::uint8_t& value) { return ReadInteger(value); }
    bool ReadBool(bool& value);
    bool ReadBool(std::uint8_t& value);
    bool ReadBool32(std::int32_t& value);
    bool ReadBool32(std::uint32_t& value);
    // One line of comma-separated values; missing ones read as 0.
    bool ReadInt8List(std::uint8_t* dest, int count);
    bool ReadInt8List(std::int8_t* dest, int count);
    bool ReadInt8Array(std::uint8_t* dest, int count);
    bool ReadInt8Array(std::int8_t* dest, int count);
    bool ReadInt16Array(std::uint16_t* dest, int count);
    bool ReadInt16Array(std::int16_t* dest, int count);
    bool ReadInt32Array(std::int32_t* dest, int count);
    bool ReadInt32Array(std::uint32_t* dest, int count);
    // Six quoted texts into six consecutive buffers of capacity units each.
    bool ReadQuotedStrings(char16_t* dest, std::size_t capacity);

    // Copies the text between the next two quote characters into dest,
    // terminates the source at the closing quote and moves the cursor past
    // it. Without a pair the rest is copied, the cursor stays and the
    // result is false.
    static bool ExtractQuoted(char16_t*& cursor, char16_t* dest, char16_t quote, std::size_t capacity);
    // The next ',' of a text or its terminator; null stays null.
    static const char16_t* SkipToComma(const char16_t* text);
    static char16_t* SkipToComma(char16_t* text);
    // The unit a read gives back for a unit of a line as written: old files'
    // stand-ins become the characters they stand for (a grave accent an
    // apostrophe, an en dash a hyphen, a few control codes Polish letters).
    static char16_t AsRead(char16_t unit);

    // Writers: each appends one line (arrays one line per element) and
    // returns false when no file is open for writing or the text is null.
    bool WriteLine(std::u16string_view text);
    bool WriteLine(const char16_t* text);
    bool WriteCString(const std::u16string& text) { return WriteLine(std::u16string_view(text)); }
    // Whole lines in the form CopyLinesInFileForm gives, appended as they are.
    bool WriteFileForm(std::string_view lines);
    template <typename... Args>
    bool WriteFormat(FormatFor<Args...> format, const Args&... args)
    {
        char16_t line[MaxFormattedLine + 1];
        FormatInto(line, sizeof line / sizeof line[0], format, args...);
        return WriteLine(line);
    }
    // The integer writers take a field of any type and narrow it to their
    // width first: WriteInt8(0xFF) writes -1, WriteUInt8(-1) writes 255.
    bool WriteInt32(std::int64_t value);
    bool WriteHex32(std::uint32_t value);
    bool WriteInt16(std::int32_t value);
    bool WriteUInt16(std::int32_t value);
    bool WriteInt8(std::int32_t value);
    bool WriteUInt8(std::int32_t value);
    // "1" when the low byte is not 0.
    bool WriteBool(std::uint32_t flag);
    bool WriteUInt8List(const std::uint8_t* values, int count);
    bool WriteUInt8Array(const std::uint8_t* values, int count);
    bool WriteUInt16Array(const std::uint16_t* values, int count);
    bool WriteInt32Array(const std::int32_t* values, int count);
    bool WriteInt32Array(const std::uint32_t* values, int count);
    // count texts from buffers stride units apart, quotes inside turned
    // into apostrophes, each in quotes, joined by ','.
    bool WriteQuotedStrings(const char16_t* texts, int count, std::size_t stride);

private:
    enum class Mode { Closed, Reading, Writing };

    // Every line of the text ends in two zero units: its terminator and a
    // filler that keeps a plain line break at one unit per byte.
    static constexpr std::size_t BreakUnits = 2;

    const char16_t* LineAt(std::size_t line) const { return text_.get() + lineStarts_[line]; }
    std::size_t LineLength(std::size_t line) const { return lineStarts_[line + 1] - lineStarts_[line] - BreakUnits; }

    // Leaves the stream closed; unsaved output is discarded.
    void Reset();
    // Creates the temporary file where OpenWrite left it for the close.
    bool WriterOpen();
    bool OpenOwned(CBufferRecycler::TBuffer<std::uint8_t> bytes, std::size_t size, std::u16string_view name);
    // True when the text is clean UTF-8 whose lines are their file form.
    bool DecodeAndSplit(std::span<const std::uint8_t> bytes);
    bool SplitUtf8(std::string_view bytes);
    void SplitUnits(std::u16string_view units);
    void EndSplit(char16_t* end, std::size_t lineCount);
    // Where a line of a clean file starts in its bytes.
    std::size_t ByteStart(std::size_t line) const;
    // Seeks the line prefix+key, giving up at a line that begins with one
    // of the stop prefixes; the position is unchanged on failure.
    bool SeekMarker(std::u16string_view prefix, std::u16string_view key, bool stopAtBegin);
    // The first line from line on that is no comment; lineCount_ for none.
    std::size_t SkipComments(std::size_t line) const;
    bool IsMarker(std::size_t line, std::u16string_view prefix, std::u16string_view key) const;
    void NoteBrokenSection(std::size_t line, std::u16string_view key, TBroken kind = TBroken::BeginLine);
    // Whether the begin line of key at line inner, right after that of the
    // same key, opens a section inside it rather than doubling its line.
    bool HoldsItsOwnKey(std::size_t inner, std::u16string_view key) const;
    // Steps to the next line, comments included, when it is prefix+key.
    bool StepToMarker(std::u16string_view prefix, std::u16string_view key)
    {
        if (next_ >= lineCount_ || key.empty()) return false;
        const char16_t* line = LineAt(next_);
        if (!SkipMarkerPart(line, prefix) || !SkipMarkerPart(line, key) || *line != 0) return false;
        ++next_;
        return true;
    }
    // True when text begins with part, then moved past it. A line ends at
    // its zero unit, which no marker holds, so a shorter line stops the
    // comparison there.
    static bool SkipMarkerPart(const char16_t*& text, std::u16string_view part)
    {
        for (std::size_t i = 0; i < part.size(); ++i) {
            if (text[i] != part[i]) return false;
        }
        text += part.size();
        return true;
    }
    // The next value line for a typed reader, or null at the end. A section
    // line read as a value is out of place.
    const char16_t* ReadValueLine()
    {
        if (!NextLine()) return nullptr;
        const char16_t* line = GetCurrentLine();
        if (*line == u'%' && IsSectionLine(next_ - 1)) NoteLineOutOfPlace(next_ - 1);
        return line;
    }
    void SkipDoubledEndLine();
    // Leading blanks, an optional sign, then digits up to the first other
    // character; wraps modulo 2^32. Leaves text behind the digits.
    static std::uint32_t ParseDecimalAt(const char16_t*& text)
    {
        while (*text == u' ' || (*text >= u'\t' && *text <= u'\r')) ++text;
        const bool negative = *text == u'-';
        if (*text == u'-' || *text == u'+') ++text;
        std::uint32_t value = 0;
        for (; *text >= u'0' && *text <= u'9'; ++text) value = value * 10u + static_cast<std::uint32_t>(*text - u'0');
        return negative ? 0u - value : value;
    }
    template <typename T>
    bool ReadInteger(T& value)
    {
        const char16_t* line = ReadValueLine();
        value = line ? static_cast<T>(ParseDecimalAt(line)) : T{0};
        return line != nullptr;
    }
    template <typename T>
    bool ReadList(T* dest, int count);
    template <typename T>
    bool ReadArray(T* dest, int count);

    bool CanWrite() const { return mode_ == Mode::Writing; }
    template <typename T>
    bool WriteArray(const T* values, int count);
    // Room for at least size more bytes of output.
    char* OutputSpace(std::size_t size)
    {
        if (outputCapacity_ - outputSize_ < size) GrowOutput(size);
        return output_.get() + outputSize_;
    }
    void GrowOutput(std::size_t size);
    void AppendBytes(std::string_view bytes);
    // Appends to the line being built; line breaks inside the text become
    // blanks so that one value can never turn into two lines.
    void AppendText(std::u16string_view text);
    void AppendDecimal(std::int32_t value);
    void EndLine();

    Mode mode_ = Mode::Closed;
    std::u16string fileName_;
    // The keys of the sections begun and not yet ended in writing, one
    // after the other, and where each starts: no allocation a section.
    std::u16string sectionsWritten_;
    std::vector<std::size_t> sectionStarts_;
    std::u16string error_;
    bool hasError_ = false;

    // Before the buffers, so that it outlives them.
    std::shared_ptr<CBufferRecycler> recycler_;

    // Reading: the decoded text, each line ended by two zero units; where each
    // line starts, and after the last one where a further line would start;
    // next_ is the line the next step arrives at.
    CBufferRecycler::TBuffer<char16_t> text_;
    CBufferRecycler::TBuffer<std::uint32_t> lineStarts_;
    std::size_t lineCount_ = 0;
    std::size_t next_ = 0;
    std::size_t brokenSectionLine_ = 0;
    std::u16string brokenSectionKey_;
    TBroken brokenSectionKind_ = TBroken::BeginLine;
    // A file of clean UTF-8 (no fix-up applied, no broken sequence, every
    // line ended by CR LF) keeps its bytes: they are the lines' file form. Any other file's lines are
    // encoded into the scratch buffer.
    CBufferRecycler::TBuffer<std::uint8_t> bytes_;
    const char* utf8_ = nullptr;
    // After each character of several bytes: where the text goes on, and
    // by how many bytes the file is ahead of the text there.
    struct TByteShift {
        std::uint32_t text;
        std::uint32_t bytesOverUnits;
    };
    std::vector<TByteShift> byteShifts_;
    std::unique_ptr<char[]> fileForm_;
    std::size_t fileFormCapacity_ = 0;

    // Writing: the file's bytes so far, and the file that receives them on
    // Close.
    std::unique_ptr<char[]> output_;
    std::size_t outputSize_ = 0;
    std::size_t outputCapacity_ = 0;
    std::u16string scratch_;
    platform::AtomicFileWriter writer_;
};
