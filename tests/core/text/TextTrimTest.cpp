#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/text/TextTools.h"

namespace {

TEST(TrimTextTest, DropsBlanksAtBothEndsButLineBreaksOnlyAtTheEnd)
{
    const std::pair<std::u16string, std::u16string> cases[] = {
        {u"\ta\r\n", u"a"}, {u" \u00A0 two words \u00A0\t", u"two words"}, {u" \t\u00A0 \r\n", u""}, {u"", u""},
        {u"\r\nx ", u"\r\nx"},
    };
    for (auto [text, expected] : cases) {
        EXPECT_EQ(TrimText(text.data()), text.data());
        EXPECT_EQ(std::u16string(text.c_str()), expected);
    }
    EXPECT_EQ(TrimText(nullptr), nullptr);
}

TEST(RemoveCharsTest, RemovesEveryCharacterOfTheSet)
{
    const struct {
        std::u16string text;
        const char16_t* set;
        std::u16string expected;
    } cases[] = {{u"a-b.c-d", u".-", u"abcd"}, {u"---", u"-", u""}, {u"abc", u"", u"abc"}, {u"abc", nullptr, u"abc"}};
    for (auto c : cases) {
        RemoveChars(c.text.data(), c.set);
        EXPECT_EQ(std::u16string(c.text.c_str()), c.expected);
    }
    RemoveChars(nullptr, u"a");
}

TEST(SplitTextTest, SplitsAtEverySeparatorUpToTheLimit)
{
    const struct {
        std::u16string text;
        char16_t separator;
        int max;
        std::vector<std::u16string> fields;
    } cases[] = {
        {u"a,b,c", u',', 2, {u"a", u"b,c"}},  // the last field keeps the rest
        {u";x;;y;", u';', 8, {u"", u"x", u"", u"y", u""}},
        {u"", u',', 2, {u""}},
    };
    for (auto c : cases) {
        char16_t* fields[8] = {};
        ASSERT_EQ(SplitText(c.text.data(), c.separator, fields, c.max), static_cast<int>(c.fields.size()));
        for (std::size_t k = 0; k < c.fields.size(); ++k) EXPECT_EQ(std::u16string(fields[k]), c.fields[k]);
    }
    std::u16string text;
    char16_t* fields[2] = {};
    EXPECT_EQ(SplitText(nullptr, u',', fields, 2), 0);
    EXPECT_EQ(SplitText(text.data(), 0, fields, 2), 0);
    EXPECT_EQ(SplitText(text.data(), u',', nullptr, 2), 0);
    EXPECT_EQ(SplitText(text.data(), u',', fields, 0), 0);
}

TEST(NormaliseWhitespaceTest, CollapsesRunsAndReportsChanges)
{
    const struct {
        std::u16string text;
        std::u16string expected;
        bool changed;
    } cases[] = {
        {u" \tone\r\n two  three\t", u"one two three", true}, {u"a\tb", u"a b", true}, {u"ab ", u"ab", true},
        {u"one two", u"one two", false}, {u"", u"", false},
    };
    for (auto c : cases) {
        EXPECT_EQ(NormaliseWhitespace(c.text.data()), c.changed);
        EXPECT_EQ(std::u16string(c.text.c_str()), c.expected);
    }
    EXPECT_FALSE(NormaliseWhitespace(nullptr));
}

}  // namespace
