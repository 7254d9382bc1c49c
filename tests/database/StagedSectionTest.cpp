#include <gtest/gtest.h>

#include "core/IndexTextFile.h"
#include "database/StagedSection.h"
#include "../common/TestSupport.h"

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

    testing_support::TempFolder folder;
    CIndexTextFile out;
    ASSERT_TRUE(out.OpenWrite(folder.File(u"out.sav")));
    ASSERT_TRUE(section.Write(out, u"CLUB7"));
    ASSERT_TRUE(out.Close());
    EXPECT_EQ(testing_support::ReadBytes(folder.File(u"out.sav")),
              testing_support::Bytes("\xEF\xBB\xBF%INDEX%CLUB7\r\n;note\r\n%INDEX%CLUB1\r\n1\r\n%INDEXEND%CLUB1\r\n;\r\n\r\n"
                                     "%INDEXEND%CLUB7\r\n"));
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
