#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/text/TextTools.h"

// Pairs and the sign of their comparison.
TEST(CompareCollatedTest, ComparesPairs)
{
    const struct {
        const char16_t* a;
        const char16_t* b;
        int sign;
    } cases[] = {
        {u"\u00C9", u"E", 0},  {u"Mu\u00F1oz", u"Munoz", 0}, {u"a", u"A", 1}, {u"ab", u"abc", -1},
        {u"abc", u"ab", 1},     {u"", u"", 0},
        // Ligatures and sharp s sort before ASCII; as signed bytes Œ (0x8C) before Æ (0xC6).
        {u"\u00C6ble", u"Able", -1}, {u"Stra\u00DFe", u"Strasse", -1}, {u"\u0152uvre", u"Able", -1},
        {u"\u0152uvre", u"\u00C6ble", -1},
        // Typographic quotes and dashes fold like their ASCII forms.
        {u"O\u2019Neill", u"O'Neill", 0}, {u"O\u00B4Neill", u"O'Neill", 0}, {u"a\u2013b", u"a-b", 0},
        // Other characters compare in full after all Latin ones: by their low
        // byte U+0400 would end the text and U+0441 pose as 'A'.
        {u"a\u0400b", u"a", 1}, {u"\u0441", u"A", 1}, {u"\u0441", u"\u00FF", 1}, {u"\u0410", u"\u0411", -1},
        {nullptr, u"a", 1}, {u"a", nullptr, -1}, {nullptr, nullptr, 0},
    };
    for (std::size_t k = 0; k < std::size(cases); ++k) {
        const int result = CompareCollated(cases[k].a, cases[k].b);
        EXPECT_EQ((result > 0) - (result < 0), cases[k].sign) << "case " << k;
    }
}

// The same order with case folded too: small and capital letters meet,
// those without a base letter (æ, œ, þ, ð) included; accents stay ignored.
TEST(CompareCollatedTest, NoCaseFoldsLetterCaseAndAccents)
{
    const struct {
        const char16_t* a;
        const char16_t* b;
        int sign;
    } cases[] = {
        {u"de Jong", u"Dijk", -1}, {u"Dijk", u"de Jong", 1}, {u"a", u"A", 0}, {u"\u00E9mile", u"Emile", 0},
        {u"\u00E6ble", u"\u00C6BLE", 0}, {u"\u0153uvre", u"\u0152uvre", 0}, {u"\u00FEor", u"\u00DEor", 0},
        {u"\u00F0or", u"Dor", 0}, {u"\u00C6ble", u"able", -1}, {u"ab", u"ABC", -1},
        {nullptr, u"a", 1}, {u"a", nullptr, -1},
    };
    for (std::size_t k = 0; k < std::size(cases); ++k) {
        const int result = CompareCollatedNoCase(cases[k].a, cases[k].b);
        EXPECT_EQ((result > 0) - (result < 0), cases[k].sign) << "case " << k;
    }
}

// Every letter of Latin Extended-A and its fold, row by row; '.' marks the
// letters without a base letter, shown below.
TEST(CompareCollatedTest, LatinExtendedALettersFoldToTheirBase)
{
    const std::pair<std::u16string_view, std::u16string_view> rows[] = {
        {u"ĀāĂăĄąĆćĈĉĊċČčĎď", u"AaAaAaCcCcCcCcDd"}, {u"ĐđĒēĔĕĖėĘęĚěĜĝĞğ", u"DdEeEeEeEeEeGgGg"},
        {u"ĠġĢģĤĥĦħĨĩĪīĬĭĮį", u"GgGgHhHhIiIiIiIi"}, {u"İıĲĳĴĵĶķĸĹĺĻļĽľĿ", u"Ii..JjKk.LlLlLlL"},
        {u"ŀŁłŃńŅņŇňŉŊŋŌōŎŏ", u"lLlNnNnNnn..OoOo"}, {u"ŐőŒœŔŕŖŗŘřŚśŜŝŞş", u"Oo..RrRrRrSsSsSs"},
        {u"ŠšŢţŤťŦŧŨũŪūŬŭŮů", u"SsTtTtTtUuUuUuUu"}, {u"ŰűŲųŴŵŶŷŸŹźŻżŽžſ", u"UuUuWwYyYZzZzZzs"},
    };
    char16_t first = 0x100;
    for (const auto& [letters, folds] : rows) {
        ASSERT_EQ(letters.size(), 16u);
        for (std::size_t k = 0; k < 16; ++k) {
            ASSERT_EQ(letters[k], first++);
            const char16_t letter[] = {letters[k], 0};
            char16_t key[2];
            MakeSortKey(key, letter, 2);
            const bool asciiLetter = (key[0] | 0x20) >= u'a' && (key[0] | 0x20) <= u'z';
            if (folds[k] != u'.') {
                EXPECT_EQ(key[0], folds[k]) << std::hex << int(letters[k]);
            } else {
                EXPECT_FALSE(asciiLetter) << std::hex << int(letters[k]);
            }
        }
    }
    // Œ and œ are ligatures like Æ and sort before ASCII; Ĳ, ĳ, ĸ, Ŋ, ŋ after it.
    EXPECT_LT(CompareCollated(u"Œ", u"A"), 0);
    EXPECT_LT(CompareCollated(u"œ", u"A"), 0);
    for (const char16_t* letter : {u"Ĳ", u"ĳ", u"ĸ", u"Ŋ", u"ŋ"}) EXPECT_GT(CompareCollated(letter, u"z"), 0);
    EXPECT_EQ(CompareCollated(u"Ŀuka", u"Luka"), 0);
    EXPECT_LT(CompareCollated(u"Lucas", u"Łukasz"), 0);
    EXPECT_LT(CompareCollated(u"Łukasz", u"Lutz"), 0);
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
