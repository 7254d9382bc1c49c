#include <gtest/gtest.h>

#include <string>

#include "core/TextTools.h"

TEST(WildcardMatchTest, MatchesTheWholeText)
{
    EXPECT_TRUE(WildcardMatch(u"abc", u"a*c"));
    EXPECT_TRUE(WildcardMatch(u"abc", u"a?c"));
    EXPECT_TRUE(WildcardMatch(u"abc", u"abc"));
    EXPECT_FALSE(WildcardMatch(u"abc", u"a"));
    EXPECT_FALSE(WildcardMatch(u"abc", u"*d"));
    EXPECT_FALSE(WildcardMatch(u"abc", u"ab?d"));
    EXPECT_FALSE(WildcardMatch(u"ab", u"ab?"));
    EXPECT_FALSE(WildcardMatch(u"abc", u"ABC"));
}

TEST(WildcardMatchTest, StarsMatchAnyRunIncludingNone)
{
    EXPECT_TRUE(WildcardMatch(u"", u"*"));
    EXPECT_TRUE(WildcardMatch(u"", u"***"));
    EXPECT_TRUE(WildcardMatch(u"abc", u"*"));
    EXPECT_TRUE(WildcardMatch(u"abc", u"abc*"));
    EXPECT_TRUE(WildcardMatch(u"Country12.sav", u"Country*.sav"));
    EXPECT_TRUE(WildcardMatch(u"aXbXc", u"*X*c"));
    EXPECT_TRUE(WildcardMatch(u"mississippi", u"*sip*"));
    EXPECT_FALSE(WildcardMatch(u"Country12.txt", u"Country*.sav"));
    EXPECT_FALSE(WildcardMatch(u"abc", u"*b"));
}

TEST(WildcardMatchTest, EmptyAndNullPatterns)
{
    EXPECT_TRUE(WildcardMatch(u"", u""));
    EXPECT_FALSE(WildcardMatch(u"a", u""));
    EXPECT_FALSE(WildcardMatch(u"a", nullptr));
    EXPECT_TRUE(WildcardMatch(nullptr, u"*"));
}

TEST(WildcardMatchTest, ManyStarsFinishAtOnce)
{
    const std::u16string text(60, u'a');
    const std::u16string stars(30, u'*');
    EXPECT_TRUE(WildcardMatch(text.c_str(), stars.c_str()));
    EXPECT_FALSE(WildcardMatch(text.c_str(), (stars + u"b").c_str()));
    std::u16string alternating;
    for (int i = 0; i < 30; ++i) alternating += u"*a";
    EXPECT_FALSE(WildcardMatch(text.c_str(), (alternating + u"b").c_str()));
}

TEST(FindTextNoCaseTest, FindsTheFirstOccurrenceIgnoringAsciiCase)
{
    const char16_t* text = u"Borussia Dortmund";
    EXPECT_EQ(FindTextNoCase(text, u"DORT"), text + 9);
    EXPECT_EQ(FindTextNoCase(text, u"s"), text + 4);
    EXPECT_EQ(FindTextNoCase(text, u"xyz"), nullptr);
}

TEST(FindTextNoCaseTest, FindsAnOccurrenceAtTheVeryEnd)
{
    const char16_t* text = u"Borussia Dortmund";
    EXPECT_EQ(FindTextNoCase(text, u"MUND"), text + 13);
    const char16_t* same = u"Ab";
    EXPECT_EQ(FindTextNoCase(same, u"aB"), same);
    EXPECT_EQ(FindTextNoCase(u"ab", u"abc"), nullptr);
}

TEST(FindTextNoCaseTest, NullOrEmptyInputFindsNothing)
{
    EXPECT_EQ(FindTextNoCase(nullptr, u"a"), nullptr);
    EXPECT_EQ(FindTextNoCase(u"a", nullptr), nullptr);
    EXPECT_EQ(FindTextNoCase(u"", u"a"), nullptr);
    EXPECT_EQ(FindTextNoCase(u"a", u""), nullptr);
}

TEST(NormalisePathForCompareTest, LowersAndTurnsBackslashes)
{
    std::u16string path = u"C:\\Spiele\\\u00C4RGER\u00D6\u00DC\\Database\\Country1.SAV";
    NormalisePathForCompare(path.data());
    EXPECT_EQ(path, u"c:/spiele/\u00E4rger\u00F6\u00FC/database/country1.sav");

    std::u16string accented = u"\u00C9T\u00C9";
    NormalisePathForCompare(accented.data());
    EXPECT_EQ(accented, u"\u00C9t\u00C9");
}

TEST(NormalisePathForCompareTest, DriveRootLosesItsSlash)
{
    std::u16string root = u"D:\\";
    NormalisePathForCompare(root.data());
    EXPECT_EQ(std::u16string(root.c_str()), u"d:");

    std::u16string folder = u"D:\\x";
    NormalisePathForCompare(folder.data());
    EXPECT_EQ(std::u16string(folder.c_str()), u"d:/x");

    std::u16string notDrive = u"1:\\";
    NormalisePathForCompare(notDrive.data());
    EXPECT_EQ(std::u16string(notDrive.c_str()), u"1:/");
    NormalisePathForCompare(nullptr);
}
