#include "core/files/IndexTextFile.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/TextCodec.h"
#include "tests/common/TestSupport.h"

namespace {

using testing_support::Bytes;
using testing_support::ReadBytes;
using testing_support::TempFolder;
using testing_support::WriteBytes;

// A byte string with its zero bytes, all but the literal's terminator.
template <std::size_t N>
std::string Raw(const char (&bytes)[N])
{
    return std::string(bytes, N - 1);
}

std::vector<std::u16string> AllLines(CIndexTextFile& stream)
{
    std::vector<std::u16string> lines;
    while (stream.NextLine()) {
        lines.emplace_back(stream.GetCurrentLine());
        EXPECT_EQ(stream.GetCurrentLineView(), lines.back());
    }
    return lines;
}

std::vector<std::u16string> LinesOf(std::string_view bytes)
{
    CIndexTextFile stream;
    EXPECT_TRUE(stream.OpenFromBytes(Bytes(bytes), u"memory"));
    return AllLines(stream);
}

void OpenText(CIndexTextFile& stream, std::string_view bytes)
{
    ASSERT_TRUE(stream.OpenFromBytes(Bytes(bytes), u"memory"));
}

// Reads one number, expecting the read to succeed.
std::int32_t NextInt32(CIndexTextFile& stream)
{
    std::int32_t value = 42;
    EXPECT_TRUE(stream.ReadInt32(value));
    return value;
}

// Writes lines through a fresh stream and returns the file's bytes.
template <typename WriteLines>
std::string WrittenBytes(WriteLines writeLines)
{
    TempFolder folder;
    const std::u16string path = folder.File(u"out.sav");
    CIndexTextFile stream;
    EXPECT_TRUE(stream.OpenWrite(path));
    writeLines(stream);
    EXPECT_TRUE(stream.Close());
    const std::vector<std::uint8_t> bytes = ReadBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

std::string AsFileLines(std::string_view lines)
{
    return "\xEF\xBB\xBF" + std::string(lines);
}

const std::vector<std::u16string> SectionA = {u"%INDEX%A", u"5", u"%INDEXEND%A"};

TEST(IndexTextFileEncoding, TheSameLinesReadFromEveryEncoding)
{
    const std::string utf16le = Raw("\xFF\xFE%\0I\0N\0D\0E\0X\0%\0A\0\r\0\n\0" "5\0\r\0\n\0"
                                    "%\0I\0N\0D\0E\0X\0E\0N\0D\0%\0A\0\r\0\n\0");
    const std::string utf16be = Raw("\xFE\xFF\0%\0I\0N\0D\0E\0X\0%\0A\0\r\0\n\0" "5\0\r\0\n"
                                    "\0%\0I\0N\0D\0E\0X\0E\0N\0D\0%\0A\0\r\0\n");
    const std::string encodings[] = {"\xEF\xBB\xBF%INDEX%A\r\n5\r\n%INDEXEND%A\r\n", utf16le, utf16be,
                                     "%INDEX%A\r\n5\r\n%INDEXEND%A\r\n"};
    TempFolder folder;
    for (const std::string& bytes : encodings) {
        const std::u16string path = folder.File(u"Country1.sav");
        WriteBytes(path, bytes);
        CIndexTextFile stream;
        ASSERT_TRUE(stream.OpenRead(path));
        EXPECT_EQ(std::u16string(stream.GetFileName()), path);
        EXPECT_EQ(AllLines(stream), SectionA) << testing::PrintToString(bytes);
    }
}

TEST(IndexTextFileEncoding, NonAsciiLettersDecodeByTheirMark)
{
    EXPECT_EQ(LinesOf("\xEF\xBB\xBFZo\xC3\xAB"), std::vector<std::u16string>{u"Zo\u00EB"});
    EXPECT_EQ(LinesOf("Zo\xEB"), std::vector<std::u16string>{u"Zo\u00EB"});
    EXPECT_EQ(LinesOf(Raw("\xFF\xFEZ\0\x42\x01")), std::vector<std::u16string>{u"Z\u0142"});
    EXPECT_EQ(LinesOf(Raw("\xFE\xFF\0Z\x01\x42")), std::vector<std::u16string>{u"Z\u0142"});
}

TEST(IndexTextFileEncoding, TextEndsAtTheFirstZero)
{
    EXPECT_EQ(LinesOf(Raw("\xEF\xBB\xBF" "a\r\nb\0c\r\nd")), (std::vector<std::u16string>{u"a", u"b"}));
    EXPECT_EQ(LinesOf(Raw("a\nb\0c")), (std::vector<std::u16string>{u"a", u"b"}));
    EXPECT_EQ(LinesOf(Raw("\xFF\xFE" "a\0\n\0\0\0b\0")), std::vector<std::u16string>{u"a"});
    // A zero byte inside a unit is not the end.
    EXPECT_EQ(LinesOf(Raw("\xFE\xFF\0a\0\n\0b")), (std::vector<std::u16string>{u"a", u"b"}));
}

TEST(IndexTextFileEncoding, BrokenInputReadsWithoutFailing)
{
    EXPECT_EQ(LinesOf("\xEF\xBB\xBF" "a\xC3\r\n\xFF" "5"), (std::vector<std::u16string>{u"a\uFFFD", u"\uFFFD5"}));
    EXPECT_EQ(LinesOf(Raw("\xFF\xFE" "a\0b")), std::vector<std::u16string>{u"a"});
    EXPECT_TRUE(LinesOf("").empty());
    EXPECT_TRUE(LinesOf("\xEF\xBB\xBF").empty());
    EXPECT_TRUE(LinesOf("\xFF\xFE").empty());
}

TEST(IndexTextFileEncoding, FixUpsReplaceStandInCharacters)
{
    // ` and the acute accent become apostrophes, the en dash a hyphen, and
    // the old control-code letters their Polish letters.
    EXPECT_EQ(LinesOf("\xEF\xBB\xBFO`Neil \xC2\xB4n \xE2\x80\x93 \x01\x04\x06\x13\x12"),
              std::vector<std::u16string>{u"O'Neil 'n - \u0105\u0142\u00F3\u015AO"});
    EXPECT_EQ(LinesOf("\x02\x05\x7F"), std::vector<std::u16string>{u"\x02\x05\x7F"});
}

TEST(IndexTextFileLines, EveryKindOfLineBreakEndsALine)
{
    const struct {
        std::string text;
        std::vector<std::u16string> lines;
    } cases[] = {
        {"a\r\n\r\nb", {u"a", u"", u"b"}},
        {"a\rb\nc", {u"a", u"b", u"c"}},
        {"a\r\n", {u"a"}},
        {"a\n\r", {u"a", u""}},
        {"\r\n", {u""}},
        {"\r\r\n\n", {u"", u"", u""}},
        {"\xE9\r\x80\n\x96\r\n", {u"\u00E9", u"\u20AC", u"-"}},
    };
    for (const auto& [text, lines] : cases) {
        EXPECT_EQ(LinesOf(text), lines) << testing::PrintToString(text);
    }
    // The same through the UTF-8 decoder, whose sequences may end at a line break.
    EXPECT_EQ(LinesOf("\xEF\xBB\xBF" "a\r\n\r\nb\rc\nd\n\r"), (std::vector<std::u16string>{u"a", u"", u"b", u"c", u"d", u""}));
    EXPECT_EQ(LinesOf("\xEF\xBB\xBF" "\xC3\xA9\r\n\xF0\x9F\x98\x80\r\xE2\x80\x93\n\xE2\x82\r\n"),
              (std::vector<std::u16string>{u"\u00E9", u"\U0001F600", u"-", u"\uFFFD"}));
}

// UTF-8 goes over plain ASCII sixteen bytes at a time: a character that
// needs a look of its own, at every offset of two blocks, reads as from
// UTF-16.
TEST(IndexTextFileLines, EveryCharacterAtEveryOffsetReadsAsFromUtf16)
{
    const std::u16string specials[] = {u"\r\n", u"\r", u"\n", u"`", u"\x01", u"\t", u"\x7F", u"\u00E9", u"\u2013", u"\u00B4"};
    for (const std::u16string& special : specials) {
        for (std::size_t before = 0; before < 34; ++before) {
            const std::u16string text = std::u16string(before, u'a') + special + u"bcdefghijklmnop\r\nq";
            const std::string utf8 = "\xEF\xBB\xBF" + platform::Utf16ToUtf8(text);
            std::string utf16 = "\xFF\xFE";
            platform::AppendUtf16Le(text, utf16);
            EXPECT_EQ(LinesOf(utf8), LinesOf(utf16)) << before << " " << testing::PrintToString(utf8);
        }
    }
}

// A file of lines shorter than the first guess at its line count: where
// each line starts, in the text and in the bytes, survives the growth.
TEST(IndexTextFileLines, ManyShortLinesKeepTheirTextAndFileForm)
{
    constexpr std::size_t ShortLines = 3000;
    std::string lines;
    for (std::size_t n = 0; n < ShortLines; ++n) lines += n % 3 == 0 ? "7\r\n" : "\r\n";
    CIndexTextFile stream;
    OpenText(stream, "\xEF\xBB\xBF" + lines + "end\r\n");
    const std::vector<std::u16string> read = AllLines(stream);
    ASSERT_EQ(read.size(), ShortLines + 1);
    for (std::size_t n = 0; n < ShortLines; ++n) EXPECT_EQ(read[n], n % 3 == 0 ? u"7" : u"") << n;
    EXPECT_EQ(read.back(), u"end");
    std::string fileForm;
    stream.CopyLinesInFileForm(0, ShortLines, fileForm);
    EXPECT_EQ(fileForm, lines);
}

// A lone CR or LF gives its line more units than it had bytes: a file of
// nothing else keeps every line, and its file form ends each with CR LF.
TEST(IndexTextFileLines, LoneLineBreaksKeepEveryLineAndTheirFileForm)
{
    constexpr std::size_t LineCount = 5000;
    for (const std::string lineBreak : {"\n", "\r"}) {
        std::string text = "\xEF\xBB\xBF";
        std::string fileForm;
        std::vector<std::u16string> expected;
        for (std::size_t n = 0; n < LineCount; ++n) {
            const std::string line = n % 7 == 0 ? "" : n % 5 == 0 ? "\xC3\xA9t\xC3\xA9" : std::to_string(n);
            text += line + lineBreak;
            fileForm += line + "\r\n";
            expected.push_back(platform::Utf8ToUtf16(line));
        }
        CIndexTextFile stream;
        OpenText(stream, text + "last");
        std::vector<std::u16string> read = AllLines(stream);
        ASSERT_EQ(read.size(), LineCount + 1);
        EXPECT_EQ(read.back(), u"last");
        read.pop_back();
        EXPECT_EQ(read, expected) << testing::PrintToString(lineBreak);
        std::string copied;
        stream.CopyLinesInFileForm(0, LineCount, copied);
        EXPECT_EQ(copied, fileForm);
    }
}

// A clean file's lines are copied from its bytes: every run of lines, after
// characters of two, three and four bytes, is exactly its slice of the file.
TEST(IndexTextFileLines, EveryRunOfLinesOfACleanFileIsItsSliceOfTheBytes)
{
    const std::vector<std::string> lines = {"plain", "Zo\xC3\xAB", "", "\xE2\x82\xAC 5", "\xF0\x9F\x98\x80\xF0\x9F\x98\x80",
                                            "after", "\xC3\xA9\xC3\xA9\xC3\xA9 and a longer line of plain text", "7"};
    std::string bytes;
    std::vector<std::size_t> starts;
    for (const std::string& line : lines) {
        starts.push_back(bytes.size());
        bytes += line + "\r\n";
    }
    starts.push_back(bytes.size());
    CIndexTextFile stream;
    OpenText(stream, "\xEF\xBB\xBF" + bytes + "end\r\n");
    for (std::size_t from = 0; from < lines.size(); ++from) {
        for (std::size_t to = from + 1; to <= lines.size(); ++to) {
            std::string copied;
            stream.CopyLinesInFileForm(from, to, copied);
            EXPECT_EQ(copied, bytes.substr(starts[from], starts[to] - starts[from])) << from << " " << to;
        }
    }
}

TEST(IndexTextFileLines, CommentLinesAreSkipped)
{
    CIndexTextFile stream;
    OpenText(stream, "1\r\n;note\r\n;more\r\n2\r\n;last");
    EXPECT_EQ(NextInt32(stream), 1);
    EXPECT_FALSE(stream.IsAtEnd());
    EXPECT_EQ(NextInt32(stream), 2);
    EXPECT_TRUE(stream.IsAtEnd());
    std::int32_t value = 7;
    EXPECT_FALSE(stream.ReadInt32(value));
    EXPECT_EQ(value, 0);
}

TEST(IndexTextFileLines, PeekShowsTheNextLineWithoutMoving)
{
    CIndexTextFile stream;
    OpenText(stream, "a\r\n;c\r\nb");
    EXPECT_EQ(stream.GetCurrentLine(), nullptr);
    EXPECT_EQ(std::u16string(stream.PeekLine()), u"a");
    ASSERT_TRUE(stream.NextLine());
    EXPECT_EQ(std::u16string(stream.PeekLine()), u";c");
    EXPECT_EQ(std::u16string(stream.GetCurrentLine()), u"a");
    ASSERT_TRUE(stream.NextLine());
    EXPECT_EQ(std::u16string(stream.GetCurrentLine()), u"b");
    EXPECT_EQ(stream.PeekLine(), nullptr);
}

TEST(IndexTextFileSections, FindSectionStopsAtAnotherSectionsLine)
{
    CIndexTextFile stream;
    OpenText(stream, "%INDEX%A\r\n1\r\n%INDEXEND%A\r\n%INDEX%B\r\n2\r\n%INDEXEND%B\r\n");
    EXPECT_FALSE(stream.FindSection(u"B"));
    EXPECT_EQ(stream.GetCurrentLine(), nullptr);
    EXPECT_EQ(std::u16string(stream.PeekLine()), u"%INDEX%A");

    ASSERT_TRUE(stream.FindSection(u"A"));
    EXPECT_EQ(NextInt32(stream), 1);
    // The next marker is A's end line.
    EXPECT_FALSE(stream.FindSection(u"B"));
    ASSERT_TRUE(stream.FindSectionEnd(u"A"));
    ASSERT_TRUE(stream.FindSection(u"B"));
    EXPECT_EQ(NextInt32(stream), 2);
}

// A nested section of a block of values is found past a misspelt, missing
// or doubled begin line when its own end line follows its values; the
// first such line is noted and the values read where they stand. Without
// that end line nothing is found, noted or passed.
TEST(IndexTextFileSections, FindNestedSectionReadsPastABrokenBeginLineAndNotesIt)
{
    const struct {
        const char* text;
        bool found;
        std::size_t brokenLine;
        std::int32_t value;
    } cases[] = {
        {"%INDEX%D\r\n5\r\n%INDEXEND%D\r\n", true, 0, 5},
        {"%INDEX%X\r\n5\r\n%INDEXEND%D\r\n", true, 1, 5},
        {"%INDEXEND%D\r\n5\r\n%INDEXEND%D\r\n", false, 0, 0},
        {"%IDNEX%D\r\n;c\r\n5\r\n%INDEXEND%D\r\n", true, 1, 5},
        {"5\r\n6\r\n%INDEXEND%D\r\n", true, 1, 5},
        {"%INDEX%D\r\n%INDEX%D\r\n5\r\n%INDEXEND%D\r\n", true, 2, 5},
        {"%INDEX%D\r\n;c\r\n%INDEX%D\r\n5\r\n%INDEXEND%D\r\n", true, 3, 5},
        {";c\r\n5\r\n%INDEXEND%D\r\n", true, 2, 5},
        {"5\r\n%INDEXEND%E\r\n", false, 0, 5},
        {"%INDEX%X\r\n5\r\n%INDEXEND%X\r\n", false, 0, 0},
        {"%INDEX%X\r\n5\r\n", false, 0, 0},
        // Sections nested in it pair up before its end line.
        {"%INDEX%X\r\n5\r\n%INDEX%N\r\n1\r\n%INDEXEND%N\r\n%INDEXEND%D\r\n", true, 1, 5},
        {"6\r\n%INDEX%N\r\n1\r\n%INDEXEND%N\r\n%INDEXEND%D\r\n", true, 1, 6},
        {"%INDEX%X\r\n5\r\n%INDEX%N\r\n%INDEXEND%D\r\n", false, 0, 0},
        {"6\r\n%INDEX%N\r\n%INDEXEND%M\r\n%INDEXEND%D\r\n", false, 0, 6},
        // A section that begins with one of its own key is no doubled line.
        {"%INDEX%D\r\n%INDEX%D\r\n5\r\n%INDEXEND%D\r\n%INDEXEND%D\r\n", true, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        CIndexTextFile stream;
        OpenText(stream, c.text);
        EXPECT_EQ(stream.FindNestedSection(u"D"), c.found);
        EXPECT_EQ(stream.GetBrokenSectionLine(), c.brokenLine);
        EXPECT_EQ(stream.GetBrokenSectionKey(), c.brokenLine != 0 ? u"D" : u"");
        EXPECT_EQ(NextInt32(stream), c.value) << "the value read next";
    }
    CIndexTextFile stream;
    OpenText(stream, "%INDEX%X\r\n1\r\n%INDEXEND%D\r\n%INDEX%Y\r\n2\r\n%INDEXEND%E\r\n");
    ASSERT_TRUE(stream.FindNestedSection(u"D"));
    ASSERT_TRUE(stream.FindSectionEnd(u"D"));
    ASSERT_TRUE(stream.FindNestedSection(u"E"));
    EXPECT_EQ(stream.GetBrokenSectionLine(), 1u) << "the first one stays";
    EXPECT_EQ(stream.GetBrokenSectionKey(), u"D");
    ASSERT_TRUE(stream.OpenFromBytes(Bytes("1\r\n"), u"memory"));
    EXPECT_EQ(stream.GetBrokenSectionLine(), 0u) << "a file opened anew has none";
}

TEST(IndexTextFileSections, FindSectionPassesValuesAndCommentsOnly)
{
    CIndexTextFile stream;
    OpenText(stream, "7\r\n;x\r\n%INDEX%AB\r\n%INDEX%A\r\n");
    EXPECT_FALSE(stream.FindSection(u"A"));  // stops at AB, which is another key
    EXPECT_TRUE(stream.FindSection(u"AB"));
    EXPECT_TRUE(stream.FindSection(u"A"));
    EXPECT_FALSE(stream.FindSection(u""));
    EXPECT_FALSE(stream.FindSection(u"Z"));
    EXPECT_EQ(std::u16string(stream.GetCurrentLine()), u"%INDEX%A");
}

TEST(IndexTextFileSections, TheNextLineMatchesOnlyAsTheWholeMarker)
{
    CIndexTextFile stream;
    OpenText(stream, "%INDEX%\r\n%INDEX%A\r\n%INDEX%ABC\r\n%INDEXEND%AB\r\n");
    EXPECT_FALSE(stream.FindSection(u""));
    EXPECT_EQ(stream.GetLineNumber(), 0u);
    ASSERT_TRUE(stream.NextLine());
    EXPECT_FALSE(stream.FindSection(u"AB"));  // a shorter line
    EXPECT_FALSE(stream.FindSectionEnd(u"A"));
    ASSERT_TRUE(stream.FindSection(u"A"));
    EXPECT_FALSE(stream.FindSection(u"AB"));  // a longer line, which stops the search
    EXPECT_EQ(stream.GetLineNumber(), 2u);
    ASSERT_TRUE(stream.FindSection(u"ABC"));
    ASSERT_TRUE(stream.FindSectionEnd(u"AB"));
    EXPECT_TRUE(stream.IsAtEnd());
}

// Whole lines only, comments counted in the positions, in file order, the
// first text listed winning; a clean file and one that needed fix-ups
// (a lone LF) alike, up to a last line without a break.
TEST(IndexTextFileSections, FindLinesGivesEveryWholeLineOfTheTextsInOrder)
{
    const std::u16string_view texts[] = {u"%INDEX%PLAYER", u"%INDEX%STAFF", u"%INDEX%PLAYER", u""};
    for (const char* lineEnd : {"\r\n", "\n"}) {
        SCOPED_TRACE(lineEnd);
        std::string bytes = "\xEF\xBB\xBF";
        for (const char* line : {"%INDEX%STAFF", "%INDEX%PLAYER ", ";%INDEX%PLAYER", "%INDEX%PLAYER", "", "5",
                                 "%INDEX%PLAYE", "%INDEX%PLAYERS", "%index%player", "%INDEX%STAFF"}) {
            bytes += std::string(line) + lineEnd;
        }
        bytes += "%INDEX%PLAYER";
        CIndexTextFile stream;
        OpenText(stream, bytes);
        std::vector<std::pair<std::size_t, std::size_t>> found;
        for (const CIndexTextFile::TFoundLine& line : stream.FindLines(texts)) found.emplace_back(line.position, line.text);
        const std::vector<std::pair<std::size_t, std::size_t>> expected = {{0, 1}, {3, 0}, {9, 1}, {10, 0}};
        EXPECT_EQ(found, expected);
        EXPECT_EQ(stream.GetLinePosition(), 0u);
    }
    CIndexTextFile empty;
    EXPECT_TRUE(empty.FindLines(texts).empty());
    // Lines are looked at four at a time, then one by one: a match at every
    // place among lines of every other length.
    for (std::size_t at = 0; at < 13; ++at) {
        std::string bytes = "\xEF\xBB\xBF";
        for (std::size_t line = 0; line < 13; ++line) {
            bytes += (line == at ? std::string("%INDEX%STAFF") : std::string(line, 'x')) + "\r\n";
        }
        CIndexTextFile stream;
        OpenText(stream, bytes);
        const std::vector<CIndexTextFile::TFoundLine> found = stream.FindLines(texts);
        ASSERT_EQ(found.size(), 1u) << at;
        EXPECT_EQ(found[0].position, at);
        EXPECT_EQ(found[0].text, 1u);
    }
}

TEST(IndexTextFileSections, NothingIsFoundInAStreamBeingWritten)
{
    TempFolder folder;
    CIndexTextFile stream;
    ASSERT_TRUE(stream.OpenWrite(folder.File(u"out.sav")));
    ASSERT_TRUE(stream.WriteSectionBegin(u"A"));
    EXPECT_FALSE(stream.FindSection(u"A"));
    EXPECT_FALSE(stream.FindSectionEnd(u"A"));
}

TEST(IndexTextFileSections, FindSectionEndPassesNestedBeginsButNotOtherEnds)
{
    CIndexTextFile stream;
    OpenText(stream, "%INDEX%A\r\n1\r\n%INDEX%B\r\n2\r\n%INDEXEND%B\r\n%INDEXEND%A\r\n");
    ASSERT_TRUE(stream.FindSection(u"A"));
    EXPECT_FALSE(stream.FindSectionEnd(u"A"));  // stops at B's end line
    EXPECT_EQ(std::u16string(stream.GetCurrentLine()), u"%INDEX%A");
    ASSERT_TRUE(stream.FindSectionEnd(u"B"));
    ASSERT_TRUE(stream.FindSectionEnd(u"A"));
    EXPECT_TRUE(stream.IsAtEnd());
}

TEST(IndexTextFileSections, FindSectionEndAtTheEndKeepsThePosition)
{
    CIndexTextFile stream;
    OpenText(stream, "%INDEX%A\r\n1\r\n");
    ASSERT_TRUE(stream.FindSection(u"A"));
    EXPECT_FALSE(stream.FindSectionEnd(u"A"));
    EXPECT_EQ(NextInt32(stream), 1);
}

TEST(IndexTextFileReaders, IntegersParseLeadingDigitsAndWrap)
{
    CIndexTextFile stream;
    OpenText(stream, "  -12abc\r\n\r\nxyz\r\n+7\r\n4294967297\r\n-2147483648\r\n99999999999999999999\r\n\t3 4");
    const std::int32_t expected[] = {-12, 0, 0, 7, 1, INT32_MIN, 1661992959, 3};
    for (std::int32_t value : expected) EXPECT_EQ(NextInt32(stream), value);
    std::int32_t read = 42;
    EXPECT_FALSE(stream.ReadInt32(read));
    EXPECT_EQ(read, 0);
}

TEST(IndexTextFileReaders, NarrowFieldsKeepTheLowBits)
{
    CIndexTextFile stream;
    OpenText(stream, "-1\r\n-1\r\n300\r\n-1\r\n70000\r\n-1\r\n2\r\n0\r\n256\r\n-5");
    std::uint32_t u32 = 0;
    std::uint16_t u16 = 0;
    std::int16_t i16 = 0;
    std::uint8_t u8 = 0;
    std::int8_t i8 = 0;
    bool flag = false;
    std::uint8_t byteFlag = 7;
    std::int32_t flag32 = 7;
    std::uint32_t uflag32 = 7;
    EXPECT_TRUE(stream.ReadInt32(u32));
    EXPECT_TRUE(stream.ReadInt16(u16));
    EXPECT_TRUE(stream.ReadInt8(u8));
    EXPECT_TRUE(stream.ReadInt8(i8));
    EXPECT_TRUE(stream.ReadInt16(i16));
    EXPECT_EQ(u32, 0xFFFFFFFFu);
    EXPECT_EQ(u16, 0xFFFF);
    EXPECT_EQ(u8, 44);
    EXPECT_EQ(i8, -1);
    EXPECT_EQ(i16, 4464);
    EXPECT_TRUE(stream.ReadBool(flag));
    EXPECT_TRUE(stream.ReadBool(byteFlag));
    EXPECT_TRUE(stream.ReadBool32(flag32));
    EXPECT_TRUE(stream.ReadBool32(uflag32));
    EXPECT_TRUE(flag);
    EXPECT_EQ(byteFlag, 1);
    EXPECT_EQ(flag32, 0);
    EXPECT_EQ(uflag32, 1u);  // a flag is the whole value, not its low byte
    EXPECT_TRUE(stream.ReadInt8(i8));
    EXPECT_EQ(i8, -5);
    EXPECT_FALSE(stream.ReadBool(flag));
    EXPECT_FALSE(flag);
    EXPECT_FALSE(stream.ReadInt16(u16));
    EXPECT_EQ(u16, 0);
}

TEST(IndexTextFileReaders, StringsAreCutToTheirCapacity)
{
    CIndexTextFile stream;
    OpenText(stream, "Berlin\r\nlong line\r\n");
    char16_t text[4] = {u'x', u'x', u'x', u'x'};
    EXPECT_TRUE(stream.ReadString(text, 4));
    EXPECT_EQ(std::u16string(text), u"Ber");
    std::u16string whole = u"old";
    EXPECT_TRUE(stream.ReadCString(whole));
    EXPECT_EQ(whole, u"long line");
    EXPECT_FALSE(stream.ReadString(text, 4));
    EXPECT_EQ(text[0], 0);
    EXPECT_FALSE(stream.ReadCString(whole));
    EXPECT_TRUE(whole.empty());
}

TEST(IndexTextFileReaders, Int8ListFillsMissingValuesWithZero)
{
    CIndexTextFile stream;
    OpenText(stream, "1,2\r\n5, 6,x7,8,9\r\n,3\r\n");
    std::uint8_t bytes[4] = {9, 9, 9, 9};
    EXPECT_TRUE(stream.ReadInt8List(bytes, 4));
    EXPECT_EQ(std::vector<std::uint8_t>(bytes, bytes + 4), (std::vector<std::uint8_t>{1, 2, 0, 0}));
    EXPECT_TRUE(stream.ReadInt8List(bytes, 4));
    EXPECT_EQ(std::vector<std::uint8_t>(bytes, bytes + 4), (std::vector<std::uint8_t>{5, 6, 0, 8}));
    std::int8_t signedBytes[2] = {9, 9};
    EXPECT_TRUE(stream.ReadInt8List(signedBytes, 2));
    EXPECT_EQ(signedBytes[0], 0);
    EXPECT_EQ(signedBytes[1], 3);
    EXPECT_TRUE(stream.ReadInt8List(bytes, 0));
    bytes[0] = 9;
    EXPECT_FALSE(stream.ReadInt8List(bytes, 4));
    EXPECT_EQ(std::vector<std::uint8_t>(bytes, bytes + 4), (std::vector<std::uint8_t>{0, 0, 0, 0}));
}

TEST(IndexTextFileReaders, ArraysZeroTheElementsPastTheEnd)
{
    CIndexTextFile stream;
    OpenText(stream, "1\r\n2\r\n-3\r\n4\r\n5");
    std::int16_t shorts[2] = {9, 9};
    EXPECT_TRUE(stream.ReadInt16Array(shorts, 0));
    EXPECT_TRUE(stream.ReadInt16Array(shorts, 2));
    EXPECT_EQ(shorts[0], 1);
    EXPECT_EQ(shorts[1], 2);
    std::uint32_t words[1] = {0};
    EXPECT_TRUE(stream.ReadInt32Array(words, 1));
    EXPECT_EQ(words[0], 0xFFFFFFFDu);
    std::uint8_t bytes[4] = {9, 9, 9, 9};
    EXPECT_FALSE(stream.ReadInt8Array(bytes, 4));
    EXPECT_EQ(std::vector<std::uint8_t>(bytes, bytes + 4), (std::vector<std::uint8_t>{4, 5, 0, 0}));
}

TEST(IndexTextFileReaders, QuotedStringsFillSixBuffers)
{
    CIndexTextFile stream;
    OpenText(stream, "\"Bayern\",\"Bavaria\",\"\",\"Baviera\",\"Bawaria\",\"Bayern M\"\r\n\"One\",\"Two\" tail\r\n");
    char16_t names[6][6];
    ASSERT_TRUE(stream.ReadQuotedStrings(&names[0][0], 6));
    const std::u16string full[] = {u"Bayer", u"Bavar", u"", u"Bavie", u"Bawar", u"Bayer"};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(std::u16string(names[i]), full[i]) << i;

    // Without a further pair every remaining buffer takes the rest of the line.
    char16_t wide[6][16];
    ASSERT_TRUE(stream.ReadQuotedStrings(&wide[0][0], 16));
    const std::u16string partial[] = {u"One", u"Two", u" tail", u" tail", u" tail", u" tail"};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(std::u16string(wide[i]), partial[i]) << i;

    EXPECT_FALSE(stream.ReadQuotedStrings(&wide[0][0], 16));
    for (int i = 0; i < 6; ++i) EXPECT_EQ(wide[i][0], 0) << i;
}

TEST(IndexTextFileReaders, ExtractQuotedCutsTheSourceAndMovesOn)
{
    char16_t line[] = u"x'ab',  'c' 'open";
    char16_t* cursor = line;
    char16_t text[8];
    EXPECT_TRUE(CIndexTextFile::ExtractQuoted(cursor, text, u'\'', 8));
    EXPECT_EQ(std::u16string(text), u"ab");
    EXPECT_EQ(line[4], 0);
    EXPECT_EQ(*CIndexTextFile::SkipToComma(cursor), u',');
    EXPECT_TRUE(CIndexTextFile::ExtractQuoted(cursor, text, u'\'', 2));
    EXPECT_EQ(std::u16string(text), u"c");
    char16_t* const before = cursor;
    EXPECT_FALSE(CIndexTextFile::ExtractQuoted(cursor, text, u'\'', 8));
    EXPECT_EQ(cursor, before);
    EXPECT_EQ(std::u16string(text), u" 'open");
    EXPECT_EQ(*CIndexTextFile::SkipToComma(cursor), 0);
    EXPECT_EQ(CIndexTextFile::SkipToComma(static_cast<const char16_t*>(nullptr)), nullptr);
    char16_t* none = nullptr;
    EXPECT_FALSE(CIndexTextFile::ExtractQuoted(none, text, u'\'', 8));
    EXPECT_EQ(text[0], 0);
}

TEST(IndexTextFileWriters, NumbersAreWrittenInTheirFieldWidth)
{
    const std::string bytes = WrittenBytes([](CIndexTextFile& stream) {
        stream.WriteInt8(-1);
        stream.WriteUInt8(255);
        stream.WriteInt8(0xFF);
        stream.WriteUInt8(-1);
        stream.WriteHex32(255);
        stream.WriteHex32(0xDEADBEEF);
        stream.WriteBool(0x100);
        stream.WriteBool(2);
        stream.WriteInt16(0xFFFF);
        stream.WriteUInt16(-1);
        stream.WriteInt32(0xFFFFFFFFu);
        stream.WriteInt32(INT32_MIN);
    });
    EXPECT_EQ(bytes, AsFileLines("-1\r\n255\r\n-1\r\n255\r\nff\r\ndeadbeef\r\n0\r\n1\r\n-1\r\n65535\r\n-1\r\n"
                                 "-2147483648\r\n"));
}

TEST(IndexTextFileWriters, ListsArraysAndQuotedTexts)
{
    const std::uint8_t bytes[] = {1, 0, 255};
    const std::uint16_t shorts[] = {65535, 2};
    const std::int32_t ints[] = {-7};
    const std::uint32_t words[] = {0x80000000u};
    const char16_t names[3][5] = {u"a\"b", u"long", u"c"};
    const std::string written = WrittenBytes([&](CIndexTextFile& stream) {
        EXPECT_TRUE(stream.WriteUInt8List(bytes, 3));
        EXPECT_TRUE(stream.WriteUInt8List(bytes, 0));
        EXPECT_TRUE(stream.WriteUInt8Array(bytes, 3));
        EXPECT_TRUE(stream.WriteUInt16Array(shorts, 2));
        EXPECT_TRUE(stream.WriteInt32Array(ints, 1));
        EXPECT_TRUE(stream.WriteInt32Array(words, 1));
        EXPECT_TRUE(stream.WriteQuotedStrings(&names[0][0], 2, 5));
        EXPECT_TRUE(stream.WriteQuotedStrings(&names[0][0], 0, 5));
    });
    EXPECT_EQ(written, AsFileLines("1,0,255\r\n\r\n1\r\n0\r\n255\r\n65535\r\n2\r\n-7\r\n-2147483648\r\n"
                                   "\"a'b\",\"long\"\r\n\r\n"));
}

TEST(IndexTextFileWriters, SectionsTextsAndFormattedLines)
{
    const std::string written = WrittenBytes([](CIndexTextFile& stream) {
        EXPECT_TRUE(stream.WriteSectionBegin(u"CLUB"));
        EXPECT_TRUE(stream.WriteLine(u"Z\u0142oty"));
        EXPECT_TRUE(stream.WriteCString(u""));
        EXPECT_TRUE(stream.WriteFormat(u"%s=%04d", u"year", 7));
        EXPECT_FALSE(stream.WriteLine(static_cast<const char16_t*>(nullptr)));
        EXPECT_TRUE(stream.WriteSectionEnd(u"CLUB"));
    });
    EXPECT_EQ(written, AsFileLines("%INDEX%CLUB\r\nZ\xC5\x82oty\r\n\r\nyear=0007\r\n%INDEXEND%CLUB\r\n"));
}

TEST(IndexTextFileWriters, ALineBreakInsideAValueCannotSplitIt)
{
    const char16_t names[2][8] = {u"a\r\nb", u"c\nd"};
    const std::string written = WrittenBytes([&](CIndexTextFile& stream) {
        stream.WriteLine(u"one\rtwo");
        stream.WriteCString(std::u16string(u"x\0y", 3));
        stream.WriteQuotedStrings(&names[0][0], 2, 8);
        stream.WriteCString(std::u16string(u"\u0142\rb\nc\0", 6));
    });
    EXPECT_EQ(written, AsFileLines("one two\r\nx y\r\n\"a  b\",\"c d\"\r\n\xC5\x82 b c \r\n"));
}

TEST(IndexTextFileWriters, FormattedLinesAreCutAt1023Characters)
{
    const std::u16string longText(1500, u'x');
    const std::string written =
        WrittenBytes([&](CIndexTextFile& stream) { stream.WriteFormat(u"%s", longText); });
    EXPECT_EQ(written, AsFileLines(std::string(1023, 'x') + "\r\n"));
}

TEST(IndexTextFileFiles, AWrittenFileReadsBackToTheSameValues)
{
    TempFolder folder;
    const std::u16string path = folder.File(u"Country3.sav");
    const char16_t names[6][12] = {u"K\u00F6ln", u"Cologne", u"Cologne", u"Colonia", u"Colonia", u"Kolonia"};
    const std::uint8_t slots[3] = {4, 0, 200};
    {
        CIndexTextFile stream;
        ASSERT_TRUE(stream.OpenWrite(path));
        stream.WriteSectionBegin(u"CLUB");
        stream.WriteQuotedStrings(&names[0][0], 6, 12);
        stream.WriteInt32(-123456);
        stream.WriteUInt8List(slots, 3);
        stream.WriteBool(1);
        stream.WriteLine(u"O`Neil");
        stream.WriteSectionEnd(u"CLUB");
        ASSERT_TRUE(stream.Close());
    }
    const std::vector<std::uint8_t> bytes = ReadBytes(path);
    ASSERT_GE(bytes.size(), 3u);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 3), (std::vector<std::uint8_t>{0xEF, 0xBB, 0xBF}));
    for (std::size_t i = 3; i < bytes.size(); ++i) {
        EXPECT_EQ(bytes[i] == '\n', bytes[i - 1] == '\r') << "line break at " << i;
    }
    EXPECT_EQ(bytes.back(), '\n');

    CIndexTextFile stream;
    ASSERT_TRUE(stream.OpenRead(path));
    ASSERT_TRUE(stream.FindSection(u"CLUB"));
    char16_t readNames[6][12];
    ASSERT_TRUE(stream.ReadQuotedStrings(&readNames[0][0], 12));
    for (int i = 0; i < 6; ++i) EXPECT_EQ(std::u16string(readNames[i]), std::u16string(names[i])) << i;
    EXPECT_EQ(NextInt32(stream), -123456);
    std::uint8_t readSlots[3] = {};
    EXPECT_TRUE(stream.ReadInt8List(readSlots, 3));
    EXPECT_EQ(std::vector<std::uint8_t>(readSlots, readSlots + 3), std::vector<std::uint8_t>(slots, slots + 3));
    bool flag = false;
    EXPECT_TRUE(stream.ReadBool(flag));
    EXPECT_TRUE(flag);
    std::u16string text;
    EXPECT_TRUE(stream.ReadCString(text));
    EXPECT_EQ(text, u"O'Neil");
    EXPECT_TRUE(stream.FindSectionEnd(u"CLUB"));
    EXPECT_TRUE(stream.IsAtEnd());
}

TEST(IndexTextFileFiles, AFailedWriteLeavesTheOldFileAsItWas)
{
    TempFolder folder;
    const std::u16string path = folder.File(u"Rules.sav");
    const std::string original = "\xEF\xBB\xBF" "old\r\n";
    WriteBytes(path, original);
    CIndexTextFile stream;
    ASSERT_TRUE(stream.OpenWrite(path));
    EXPECT_EQ(ReadBytes(path), Bytes(original));  // opening does not empty it
    stream.WriteLine(u"new");
    platform::FailWritesAfter(1);
    const bool saved = stream.Close();
    platform::FailWritesAfter(0);
    EXPECT_FALSE(saved);
    EXPECT_EQ(ReadBytes(path), Bytes(original));
    EXPECT_EQ(platform::ListFolder(folder.Path()).size(), 1u);  // no temporary file left behind
}

// An existing file and a path not yet written: unsaved output must touch neither.
class IndexTextFileUnsaved : public testing::Test {
protected:
    void SetUp() override { WriteBytes(existing, "old"); }
    void ExpectOnlyTheOldFile()
    {
        EXPECT_EQ(ReadBytes(existing), Bytes("old"));
        EXPECT_FALSE(platform::FileExists(fresh));
        EXPECT_EQ(platform::ListFolder(folder.Path()).size(), 1u);
    }
    TempFolder folder;
    const std::u16string existing = folder.File(u"Country1.sav");
    const std::u16string fresh = folder.File(u"Country2.sav");
};

TEST_F(IndexTextFileUnsaved, AStreamNeverClosedLeavesTheOldFile)
{
    {
        CIndexTextFile first;
        ASSERT_TRUE(first.OpenWrite(existing));
        first.WriteLine(u"one");
        first.WriteLine(u"two");
        CIndexTextFile second;
        ASSERT_TRUE(second.OpenWrite(fresh));
        second.WriteLine(u"one");
    }
    ExpectOnlyTheOldFile();
}

TEST(IndexTextFileFiles, AnEmptyWrittenFileHoldsTheMarkOnly)
{
    EXPECT_EQ(WrittenBytes([](CIndexTextFile&) {}), AsFileLines(""));
}

TEST(IndexTextFileFiles, OpenFailuresLeaveTheStreamClosed)
{
    TempFolder folder;
    CIndexTextFile stream;
    EXPECT_FALSE(stream.OpenRead(folder.File(u"missing.sav")));
    EXPECT_FALSE(stream.OpenRead(u""));
    EXPECT_FALSE(stream.OpenWrite(folder.File(u"no folder\\x.sav")));
    EXPECT_FALSE(stream.OpenWrite(u""));
    EXPECT_FALSE(platform::FolderExists(folder.File(u"no folder")));
    EXPECT_FALSE(stream.NextLine());
    EXPECT_TRUE(stream.IsAtEnd());
    EXPECT_FALSE(stream.WriteLine(u"x"));
    EXPECT_EQ(std::u16string(stream.GetFileName()), u"");
    EXPECT_TRUE(stream.Close());
}

// A stream whose file is made when it is closed touches the folder only
// then, and a folder that cannot take the file fails the close instead of
// the opening.
TEST(IndexTextFileFiles, AFileCreatedOnCloseAppearsOnlyWhenClosed)
{
    TempFolder folder;
    const std::u16string path = folder.File(u"Country1.sav");
    CIndexTextFile stream;
    ASSERT_TRUE(stream.OpenWrite(path, CIndexTextFile::Create::OnClose));
    stream.WriteLine(u"new");
    EXPECT_TRUE(platform::ListFolder(folder.Path()).empty());
    ASSERT_TRUE(stream.Close());
    EXPECT_EQ(ReadBytes(path), Bytes(AsFileLines("new\r\n")));
    EXPECT_EQ(platform::ListFolder(folder.Path()).size(), 1u);

    ASSERT_TRUE(stream.OpenWrite(folder.File(u"no folder\\x.sav"), CIndexTextFile::Create::OnClose));
    EXPECT_TRUE(stream.WriteLine(u"lost"));
    EXPECT_FALSE(stream.Close());
    EXPECT_FALSE(platform::FolderExists(folder.File(u"no folder")));
    platform::AtomicFileSet files;
    ASSERT_TRUE(stream.OpenWrite(folder.File(u"no folder\\x.sav"), CIndexTextFile::Create::OnClose));
    EXPECT_FALSE(stream.CloseInto(files));
    EXPECT_EQ(files.GetCount(), 0u);
}

TEST(IndexTextFileFiles, ReadersAndWritersKeepToTheirMode)
{
    TempFolder folder;
    const std::u16string path = folder.File(u"a.sav");
    CIndexTextFile stream;
    ASSERT_TRUE(stream.OpenWrite(path));
    std::int32_t value = 5;
    EXPECT_FALSE(stream.ReadInt32(value));
    EXPECT_EQ(value, 0);
    EXPECT_FALSE(stream.FindSection(u"A"));
    EXPECT_TRUE(stream.WriteInt32(1));
    WriteBytes(path, "7\r\n");
    ASSERT_TRUE(stream.OpenRead(path));
    EXPECT_FALSE(stream.WriteInt32(2));
    EXPECT_EQ(NextInt32(stream), 7);
    EXPECT_EQ(std::u16string(stream.GetFileName()), path);
}

// Reopening discards unsaved output as destroying does: only Close saves.
TEST_F(IndexTextFileUnsaved, ReopeningDiscardsWhatWasWritten)
{
    CIndexTextFile stream;
    ASSERT_TRUE(stream.OpenWrite(fresh));
    stream.WriteLine(u"lost");
    ASSERT_TRUE(stream.OpenWrite(existing));
    stream.WriteLine(u"lost too");
    ASSERT_TRUE(stream.OpenFromBytes(Bytes("1\r\n"), u"memory"));
    ExpectOnlyTheOldFile();
    ASSERT_TRUE(stream.OpenWrite(existing));
    stream.WriteLine(u"lost again");
    ASSERT_TRUE(stream.OpenRead(existing));
    EXPECT_EQ(AllLines(stream), std::vector<std::u16string>{u"old"});
    EXPECT_EQ(platform::ListFolder(folder.Path()).size(), 1u);
}

TEST(IndexTextFileErrors, ErrorTextIsACarrierClearedByClose)
{
    CIndexTextFile stream;
    EXPECT_EQ(stream.GetError(), nullptr);
    const char16_t* tokens[] = {u"_VERSION", nullptr};
    const char16_t* values[] = {u"0x2007001C", nullptr};
    stream.SetError(u"Version _VERSION is too new", tokens, values);
    EXPECT_EQ(std::u16string(stream.GetError()), u"Version 0x2007001C is too new");
    stream.SetError(u"Plain _VERSION", tokens, nullptr);
    EXPECT_EQ(std::u16string(stream.GetError()), u"Plain _VERSION");
    stream.SetError(std::u16string(3000, u'e').c_str());
    EXPECT_EQ(std::u16string(stream.GetError()).size(), CIndexTextFile::MaxErrorText);
    stream.SetError(nullptr);
    ASSERT_NE(stream.GetError(), nullptr);
    EXPECT_EQ(std::u16string(stream.GetError()), u"");
    stream.Close();
    EXPECT_EQ(stream.GetError(), nullptr);
}

}  // namespace
