#include <gtest/gtest.h>

#include "core/files/IndexTextFile.h"
#include "database/world/StagedSection.h"
#include "tests/database/DatabaseTestSupport.h"

namespace {

TStagedSection::ReadResult Stage(const std::string& text, TStagedSection& section, CIndexTextFile& file)
{
    EXPECT_TRUE(file.OpenFromBytes(testing_support::Bytes(text), u"staged"));
    return section.Read(file, u"CLUB1");
}

}  // namespace

TEST(StagedSection, KeepsNestedSectionsOfTheSameKeyAndComments)
{
    CIndexTextFile file;
    TStagedSection section;
    ASSERT_EQ(Stage("%INDEX%CLUB1\r\n;note\r\n%INDEX%CLUB1\r\n1\r\n%INDEXEND%CLUB1\r\n;\r\n\r\n%INDEXEND%CLUB1\r\nafter\r\n",
                    section, file),
              TStagedSection::ReadResult::Read);
    EXPECT_EQ(section.GetText(), u";note\n%INDEX%CLUB1\n1\n%INDEXEND%CLUB1\n;\n\n");
    std::u16string next;
    file.ReadCString(next);
    EXPECT_EQ(next, u"after");
    EXPECT_EQ(database_testing::WrittenText([&](CIndexTextFile& out) { return section.Write(out, u"CLUB7"); }),
              "%INDEX%CLUB7\r\n;note\r\n%INDEX%CLUB1\r\n1\r\n%INDEXEND%CLUB1\r\n;\r\n\r\n%INDEXEND%CLUB7\r\n");
}

// Lines come back as the stream reads them (fix-ups applied, broken UTF-8
// replaced, every line break ended by CR LF) whatever the file's encoding.
TEST(StagedSection, KeepsWhatTheStreamReadsAndWritesItBack)
{
    const struct {
        std::string text;
        std::u16string kept;
        std::string written;
    } cases[] = {
        {"\xEF\xBB\xBF%INDEX%CLUB1\r\nO`Neil \xC3\xA9\r\xF0\x9F\x98\x80\n\xE2\x82\r\n%INDEXEND%CLUB1\r\n",
         u"O'Neil \u00E9\n\U0001F600\n\uFFFD\n", "O'Neil \xC3\xA9\r\n\xF0\x9F\x98\x80\r\n\xEF\xBF\xBD\r\n"},
        {"%INDEX%CLUB1\n\x80\x01\r\n\n%INDEXEND%CLUB1", u"\u20AC\u0105\n\n", "\xE2\x82\xAC\xC4\x85\r\n\r\n"},
        {"%INDEX%CLUB1\r\n%INDEXEND%CLUB1\r\n", u"", ""},
        // Clean UTF-8 is copied as it stands.
        {"\xEF\xBB\xBF;\r\n%INDEX%CLUB1\r\n\xC3\xA9\r\n\r\n%INDEX%X\r\n\xF0\x9F\x98\x80\r\n%INDEXEND%X\r\n%INDEXEND%CLUB1",
         u"\u00E9\n\n%INDEX%X\n\U0001F600\n%INDEXEND%X\n",
         "\xC3\xA9\r\n\r\n%INDEX%X\r\n\xF0\x9F\x98\x80\r\n%INDEXEND%X\r\n"},
    };
    for (const auto& [text, kept, written] : cases) {
        CIndexTextFile file;
        TStagedSection section;
        ASSERT_EQ(Stage(text, section, file), TStagedSection::ReadResult::Read);
        EXPECT_EQ(section.GetText(), kept);
        EXPECT_EQ(section.IsEmpty(), kept.empty());
        EXPECT_EQ(database_testing::WrittenText([&](CIndexTextFile& out) { return section.Write(out, u"CLUB2"); }),
                  "%INDEX%CLUB2\r\n" + written + "%INDEXEND%CLUB2\r\n");
    }
}

TEST(StagedSection, TextOfTheFirstLines)
{
    CIndexTextFile file;
    TStagedSection section;
    ASSERT_EQ(Stage("%INDEX%CLUB1\r\na\r\n\r\nc\r\n%INDEXEND%CLUB1\r\n", section, file), TStagedSection::ReadResult::Read);
    EXPECT_EQ(section.GetText(0), u"");
    EXPECT_EQ(section.GetText(2), u"a\n\n");
    EXPECT_EQ(section.GetText(5), u"a\n\nc\n");
}

TEST(StagedSection, MissingAndUnterminatedSections)
{
    CIndexTextFile file;
    TStagedSection section;
    EXPECT_EQ(Stage("%INDEX%CLUB2\r\n%INDEXEND%CLUB2\r\n", section, file), TStagedSection::ReadResult::Missing);
    EXPECT_TRUE(section.IsEmpty());
    EXPECT_EQ(Stage("%INDEX%CLUB1\r\n1\r\n%INDEXEND%CLUBS\r\n", section, file),
              TStagedSection::ReadResult::Unterminated);
    EXPECT_EQ(Stage("%INDEX%CLUB1\r\n%INDEX%HIST\r\n1\r\n", section, file), TStagedSection::ReadResult::Unterminated);
}

// The reader of the lines reads past a nested begin line that is doubled
// or missing, so the lines run to the section's own end line through it,
// which also ends a nested section left without its end line (named);
// without that end line the section stays unterminated where it did.
TEST(StagedSection, KeepsItsLinesWholeThroughABrokenNestedBeginLine)
{
    const struct {
        const char* text;
        TStagedSection::ReadResult result;
        const char16_t* kept;
        std::size_t lineAfter;
    } cases[] = {
        {"%INDEX%CLUB1\r\n%INDEX%T\r\n%INDEX%T\r\n1\r\n%INDEXEND%T\r\n%INDEXEND%CLUB1\r\nafter\r\n",
         TStagedSection::ReadResult::Read, u"%INDEX%T\n%INDEX%T\n1\n%INDEXEND%T\n", 6},
        {"%INDEX%CLUB1\r\n1\r\n%INDEXEND%T\r\n%INDEX%M\r\n2\r\n%INDEXEND%M\r\n%INDEXEND%CLUB1\r\nafter\r\n",
         TStagedSection::ReadResult::Read, u"1\n%INDEXEND%T\n%INDEX%M\n2\n%INDEXEND%M\n", 7},
        {"%INDEX%CLUB1\r\n%IDNEX%T\r\n1\r\n%INDEXEND%T\r\n%INDEX%M\r\n%INDEXEND%M\r\n%INDEXEND%CLUB1\r\n",
         TStagedSection::ReadResult::Read, u"%IDNEX%T\n1\n%INDEXEND%T\n%INDEX%M\n%INDEXEND%M\n", 7},
        {"%INDEX%CLUB1\r\n%INDEX%Z\r\n1\r\n%INDEXEND%CLUB1\r\n%INDEXEND%CLUBS\r\n", TStagedSection::ReadResult::Read,
         u"%INDEX%Z\n1\n", 4},
        {"%INDEX%CLUB1\r\n%INDEX%T\r\n1\r\n%INDEXEND%T\r\n%INDEXEND%CLUBS\r\n%INDEXEND%X\r\n",
         TStagedSection::ReadResult::Unterminated, u"", 5},
        {"%INDEX%CLUB1\r\n1\r\n%INDEXEND%T\r\n%INDEXEND%CLUBS\r\n", TStagedSection::ReadResult::Unterminated, u"", 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        CIndexTextFile file;
        TStagedSection section;
        EXPECT_EQ(Stage(c.text, section, file), c.result);
        EXPECT_EQ(section.GetText(), c.kept);
        EXPECT_EQ(file.GetLineNumber(), c.lineAfter) << "the line the stream stands on";
    }
    CIndexTextFile file;
    TStagedSection section;
    Stage(cases[3].text, section, file);
    EXPECT_EQ(file.GetBrokenSectionLine(), 2u);
    EXPECT_EQ(file.GetBrokenSectionKey(), u"Z");
    EXPECT_EQ(file.GetBrokenSectionKind(), CIndexTextFile::TBroken::NotClosed);
}

// Written, the lines pair up when read again: an end line that closed
// nothing is left out (so it is when it was all there was), and a doubled
// begin line of the key they are written under is left out, while under
// another key it stays as read.
TEST(StagedSection, WritesItsLinesSoThatTheyPairUpUnderTheKeyItIsWrittenWith)
{
    const char* const doubled = "%INDEX%CLUB1\r\n%INDEX%CLUB2\r\n1\r\n%INDEX%CLUB2\r\n%INDEXEND%CLUB2\r\n%INDEXEND%CLUB1\r\n";
    const struct {
        const char* text;
        const char16_t* key;
        const char* written;
    } cases[] = {
        {"%INDEX%CLUB1\r\n1\r\n%INDEXEND%T\r\n2\r\n%INDEXEND%CLUB1\r\n", u"CLUB2", "1\r\n2\r\n"},
        {"%INDEX%CLUB1\r\n%INDEXEND%\r\n%INDEXEND%CLUB1\r\n", u"CLUB2", ""},
        {doubled, u"CLUB3", "%INDEX%CLUB2\r\n1\r\n%INDEX%CLUB2\r\n%INDEXEND%CLUB2\r\n"},
        {doubled, u"CLUB2", "1\r\n%INDEX%CLUB2\r\n%INDEXEND%CLUB2\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        CIndexTextFile file;
        TStagedSection section;
        ASSERT_EQ(Stage(c.text, section, file), TStagedSection::ReadResult::Read);
        const std::u16string key(c.key);
        const std::string keyText(key.begin(), key.end());
        EXPECT_EQ(database_testing::WrittenText([&](CIndexTextFile& out) { return section.Write(out, key); }),
                  "%INDEX%" + keyText + "\r\n" + c.written + "%INDEXEND%" + keyText + "\r\n");
    }
}
