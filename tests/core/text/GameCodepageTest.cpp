#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/text/TextTools.h"

namespace {

std::vector<std::uint8_t> GameBytes(const char16_t* text, std::size_t capacity = 64)
{
    std::vector<std::uint8_t> dest(capacity + 1, 0xEE);
    ToGameCodepage(text, dest.data(), capacity);
    EXPECT_EQ(dest[capacity], 0xEE) << "wrote past the capacity";
    std::vector<std::uint8_t> result;
    for (std::size_t i = 0; i < capacity && dest[i] != 0; ++i) result.push_back(dest[i]);
    return result;
}

using Bytes = std::vector<std::uint8_t>;

}  // namespace

TEST(ToGameCodepageTest, PolishLettersUseTheGameTable)
{
    EXPECT_EQ(GameBytes(u"\u0141\u00F3d\u017A"), (Bytes{0xAF, 0xF3, 0x64, 0xA6}));
    const char16_t* table = u"\u0105\u0107\u0119\u0142\u0144\u015B\u017C\u017A"
                            u"\u0104\u0106\u0118\u0141\u0143\u015A\u017B\u0179\u2019\u2013";
    EXPECT_EQ(GameBytes(table), (Bytes{0x85, 0x86, 0x87, 0x89, 0x8B, 0xA2, 0xA4, 0xA6, 0xA8, 0xAB, 0xAC, 0xAF, 0xB1,
                                       0xB7, 0xB8, 0xBB, 0x27, 0x2D}));
}

TEST(ToGameCodepageTest, LatinOneIsKeptByteForByte)
{
    EXPECT_EQ(GameBytes(u"M\u00FCller \u00A9\u00FF\u0080"), (Bytes{'M', 0xFC, 'l', 'l', 'e', 'r', ' ', 0xA9, 0xFF, 0x80}));
}

TEST(ToGameCodepageTest, OtherCharactersGoThroughWindows1252)
{
    EXPECT_EQ(GameBytes(u"\u0160\u20AC\u201C"), (Bytes{0x8A, 0x80, 0x93}));
    EXPECT_EQ(GameBytes(u"\u010Cech"), (Bytes{'C', 'e', 'c', 'h'}));
    EXPECT_EQ(GameBytes(u"\u0416x"), (Bytes{'?', 'x'}));
    EXPECT_EQ(GameBytes(u"a\U0001F600b"), (Bytes{'a', '?', '?', 'b'})) << "one byte per UTF-16 unit";
}

TEST(ToGameCodepageTest, CapacityCountsTheTerminator)
{
    std::uint8_t dest[4] = {0xEE, 0xEE, 0xEE, 0xEE};
    ToGameCodepage(u"abcdef", dest, 3);
    EXPECT_EQ(dest[0], 'a');
    EXPECT_EQ(dest[1], 'b');
    EXPECT_EQ(dest[2], 0);
    EXPECT_EQ(dest[3], 0xEE);

    ToGameCodepage(u"abc", dest, 1);
    EXPECT_EQ(dest[0], 0);
    EXPECT_EQ(dest[1], 'b');
    ToGameCodepage(u"abc", dest, 0);
    EXPECT_EQ(dest[0], 0);
    ToGameCodepage(u"abc", nullptr, 4);
}

TEST(ToGameCodepageTest, EmptyOrNullSourceGivesEmptyText)
{
    std::uint8_t dest[2] = {0xEE, 0xEE};
    ToGameCodepage(u"", dest, 2);
    EXPECT_EQ(dest[0], 0);
    dest[0] = 0xEE;
    ToGameCodepage(nullptr, dest, 2);
    EXPECT_EQ(dest[0], 0);
}

TEST(IsGameCodepageTextTest, AcceptsWhatTheGameCanShow)
{
    EXPECT_TRUE(IsGameCodepageText(u"Wis\u0142a Krak\u00F3w"));
    EXPECT_TRUE(IsGameCodepageText(u"\u0160koda \u20AC O\u2019Neill"));
    EXPECT_TRUE(IsGameCodepageText(u""));
    EXPECT_TRUE(IsGameCodepageText(nullptr));
}

TEST(IsGameCodepageTextTest, RejectsCharactersWithoutAnExactByte)
{
    EXPECT_FALSE(IsGameCodepageText(u"\u0416"));
    EXPECT_FALSE(IsGameCodepageText(u"\u0160koda \u0416"));
    EXPECT_FALSE(IsGameCodepageText(u"\u010Cech"));
    EXPECT_FALSE(IsGameCodepageText(u"a\U0001F600"));
}
