#include <gtest/gtest.h>

#include <string>

#include "core/TextTools.h"

namespace {

std::u16string Trimmed(std::u16string text)
{
    TrimText(text.data());
    return text.c_str();
}

std::u16string WithoutChars(std::u16string text, const char16_t* set)
{
    RemoveChars(text.data(), set);
    return text.c_str();
}

}  // namespace

TEST(TrimTextTest, DropsBlanksAtBothEnds)
{
    EXPECT_EQ(Trimmed(u"\ta\r\n"), u"a");
    EXPECT_EQ(Trimmed(u" \u00A0 two words \u00A0\t"), u"two words");
    EXPECT_EQ(Trimmed(u" \t\u00A0 \r\n"), u"");
    EXPECT_EQ(Trimmed(u""), u"");
    EXPECT_EQ(TrimText(nullptr), nullptr);
}

TEST(TrimTextTest, KeepsLineBreaksAtTheStartAndReturnsTheText)
{
    std::u16string text = u"\r\nx ";
    EXPECT_EQ(TrimText(text.data()), text.data());
    EXPECT_EQ(std::u16string(text.c_str()), u"\r\nx");
}

TEST(RemoveCharsTest, RemovesEveryCharacterOfTheSet)
{
    EXPECT_EQ(WithoutChars(u"a-b.c-d", u".-"), u"abcd");
    EXPECT_EQ(WithoutChars(u"---", u"-"), u"");
    EXPECT_EQ(WithoutChars(u"abc", u""), u"abc");
    EXPECT_EQ(WithoutChars(u"abc", nullptr), u"abc");
    RemoveChars(nullptr, u"a");
}

TEST(SplitTextTest, LastFieldKeepsTheRestAtTheLimit)
{
    std::u16string text = u"a,b,c";
    char16_t* fields[2] = {};
    ASSERT_EQ(SplitText(text.data(), u',', fields, 2), 2);
    EXPECT_EQ(std::u16string(fields[0]), u"a");
    EXPECT_EQ(std::u16string(fields[1]), u"b,c");
}

TEST(SplitTextTest, SplitsAtEverySeparatorIncludingEmptyFields)
{
    std::u16string text = u";x;;y;";
    char16_t* fields[8] = {};
    ASSERT_EQ(SplitText(text.data(), u';', fields, 8), 5);
    EXPECT_EQ(std::u16string(fields[0]), u"");
    EXPECT_EQ(std::u16string(fields[1]), u"x");
    EXPECT_EQ(std::u16string(fields[2]), u"");
    EXPECT_EQ(std::u16string(fields[3]), u"y");
    EXPECT_EQ(std::u16string(fields[4]), u"");
}

TEST(SplitTextTest, EmptyTextIsOneFieldAndBadArgumentsNone)
{
    std::u16string text;
    char16_t* fields[2] = {};
    EXPECT_EQ(SplitText(text.data(), u',', fields, 2), 1);
    EXPECT_EQ(fields[0], text.data());
    EXPECT_EQ(SplitText(nullptr, u',', fields, 2), 0);
    EXPECT_EQ(SplitText(text.data(), 0, fields, 2), 0);
    EXPECT_EQ(SplitText(text.data(), u',', nullptr, 2), 0);
    EXPECT_EQ(SplitText(text.data(), u',', fields, 0), 0);
}

TEST(NormaliseWhitespaceTest, CollapsesRunsAndReportsChanges)
{
    std::u16string text = u" \tone\r\n two  three\t";
    EXPECT_TRUE(NormaliseWhitespace(text.data()));
    EXPECT_EQ(std::u16string(text.c_str()), u"one two three");

    std::u16string tab = u"a\tb";
    EXPECT_TRUE(NormaliseWhitespace(tab.data()));
    EXPECT_EQ(std::u16string(tab.c_str()), u"a b");

    std::u16string trailing = u"ab ";
    EXPECT_TRUE(NormaliseWhitespace(trailing.data()));
    EXPECT_EQ(std::u16string(trailing.c_str()), u"ab");
}

TEST(NormaliseWhitespaceTest, CleanTextIsUnchanged)
{
    std::u16string text = u"one two";
    EXPECT_FALSE(NormaliseWhitespace(text.data()));
    EXPECT_EQ(std::u16string(text.c_str()), u"one two");
    std::u16string empty;
    EXPECT_FALSE(NormaliseWhitespace(empty.data()));
    EXPECT_FALSE(NormaliseWhitespace(nullptr));
}
