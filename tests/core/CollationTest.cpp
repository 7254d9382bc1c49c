#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/TextTools.h"

TEST(CompareCollatedTest, AccentsFoldCaseCounts)
{
    EXPECT_EQ(CompareCollated(u"\u00C9", u"E"), 0);
    EXPECT_EQ(CompareCollated(u"Mu\u00F1oz", u"Munoz"), 0);
    EXPECT_GT(CompareCollated(u"a", u"A"), 0);
    EXPECT_LT(CompareCollated(u"ab", u"abc"), 0);
    EXPECT_GT(CompareCollated(u"abc", u"ab"), 0);
    EXPECT_EQ(CompareCollated(u"", u""), 0);
}

TEST(CompareCollatedTest, LigaturesAndSharpSSortBeforeAscii)
{
    EXPECT_LT(CompareCollated(u"\u00C6ble", u"Able"), 0);
    EXPECT_LT(CompareCollated(u"Stra\u00DFe", u"Strasse"), 0);
    EXPECT_LT(CompareCollated(u"\u0152uvre", u"Able"), 0);
    // As signed bytes Œ (0x8C) comes before Æ (0xC6).
    EXPECT_LT(CompareCollated(u"\u0152uvre", u"\u00C6ble"), 0);
}

TEST(CompareCollatedTest, LatinExtendedALettersFoldToTheirBase)
{
    EXPECT_EQ(CompareCollated(u"\u0141\u00F3d\u017A", u"Lodz"), 0);
    EXPECT_EQ(CompareCollated(u"\u0160koda", u"Skoda"), 0);
    EXPECT_EQ(CompareCollated(u"\u0100", u"A"), 0);
    EXPECT_LT(CompareCollated(u"Lucas", u"\u0141ukasz"), 0);
    EXPECT_LT(CompareCollated(u"\u0141ukasz", u"Lutz"), 0);
}

TEST(CompareCollatedTest, TypographicQuotesFoldLikeTheirAsciiForms)
{
    EXPECT_EQ(CompareCollated(u"O\u2019Neill", u"O'Neill"), 0);
    EXPECT_EQ(CompareCollated(u"O\u00B4Neill", u"O'Neill"), 0);
    EXPECT_EQ(CompareCollated(u"a\u2013b", u"a-b"), 0);
}

TEST(CompareCollatedTest, OtherCharactersCompareInFullAfterAllLatinOnes)
{
    // U+0400 and U+0441 would end the comparison or pose as 'A' if only
    // their low byte counted.
    EXPECT_GT(CompareCollated(u"a\u0400b", u"a"), 0);
    EXPECT_GT(CompareCollated(u"\u0441", u"A"), 0);
    EXPECT_GT(CompareCollated(u"\u0441", u"\u00FF"), 0);
    EXPECT_LT(CompareCollated(u"\u0410", u"\u0411"), 0);
}

TEST(CompareCollatedTest, NullSortsLast)
{
    EXPECT_GT(CompareCollated(nullptr, u"a"), 0);
    EXPECT_LT(CompareCollated(u"a", nullptr), 0);
    EXPECT_EQ(CompareCollated(nullptr, nullptr), 0);
}

TEST(CompareCollatedTest, SortsANameList)
{
    std::vector<std::u16string> names = {u"Zo\u00EB", u"\u00C9lan", u"eve", u"Able", u"\u00C8ve", u"\u00C6ble"};
    std::sort(names.begin(), names.end(), [](const std::u16string& a, const std::u16string& b) {
        return CompareCollated(a.c_str(), b.c_str()) < 0;
    });
    const std::vector<std::u16string> expected = {u"\u00C6ble", u"Able", u"\u00C9lan", u"\u00C8ve", u"Zo\u00EB", u"eve"};
    EXPECT_EQ(names, expected);
}

TEST(MakeSortKeyTest, FoldsEachUnit)
{
    char16_t key[32];
    ASSERT_EQ(MakeSortKey(key, u"\u0141\u00F3d\u017A \u00C6r\u00F8 \u0416", 32), key);
    const std::u16string expected = {u'L', u'o', u'd', u'z', u' ', char16_t(0xFFC6), u'r', u'o', u' ', u'\u0416'};
    EXPECT_EQ(std::u16string(key), expected);
}

TEST(MakeSortKeyTest, KeepsWithinCapacity)
{
    char16_t key[4] = {u'x', u'x', u'x', u'x'};
    MakeSortKey(key, u"\u00C9mile", 3);
    EXPECT_EQ(std::u16string(key), u"Em");
    EXPECT_EQ(key[3], u'x');
    EXPECT_EQ(MakeSortKey(key, u"a", 1), key);
    EXPECT_EQ(key[0], 0);
    EXPECT_EQ(MakeSortKey(key, u"a", 0), nullptr);
    EXPECT_EQ(MakeSortKey(key, nullptr, 4), nullptr);
    EXPECT_EQ(MakeSortKey(nullptr, u"a", 4), nullptr);
}
