#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

#include "core/text/Format.h"

namespace {

TEST(Format, IntegersFollowPrintf)
{
    EXPECT_EQ(Format(u"%d", 42), u"42");
    EXPECT_EQ(Format(u"%d", -7), u"-7");
    EXPECT_EQ(Format(u"%d", INT_MIN), u"-2147483648");
    EXPECT_EQ(Format(u"%04d/%04d", 7, 2007), u"0007/2007");
    EXPECT_EQ(Format(u"%08X", 0x2007001Cu), u"2007001C");
    EXPECT_EQ(Format(u"%08X", 0xABu), u"000000AB");
    EXPECT_EQ(Format(u"%x", 255), u"ff");
    EXPECT_EQ(Format(u"%i", 5), u"5");
    EXPECT_EQ(Format(u"%5d|%-5d|", 42, 42), u"   42|42   |");
    EXPECT_EQ(Format(u"%+d %+d", 3, -3), u"+3 -3");
    EXPECT_EQ(Format(u"%.3d", 7), u"007");
    EXPECT_EQ(Format(u"%lld", INT64_MIN), u"-9223372036854775808");
    EXPECT_EQ(Format(u"%I64u", UINT64_MAX), u"18446744073709551615");
}

TEST(Format, ReinterpretsBitsLikePrintf)
{
    EXPECT_EQ(Format(u"%x", -1), u"ffffffff");
    EXPECT_EQ(Format(u"%u", -1), u"4294967295");
    EXPECT_EQ(Format(u"%d", 0xFFFFFFFFu), u"-1");
    EXPECT_EQ(Format(u"%d", std::uint8_t{200}), u"200");
    EXPECT_EQ(Format(u"%d", std::int8_t{-1}), u"-1");
    EXPECT_EQ(Format(u"%hd", 70000), u"4464");
    EXPECT_EQ(Format(u"%hhu", 257), u"1");
}

TEST(Format, FloatsRoundTheBinaryValue)
{
    EXPECT_EQ(Format(u"%.2f", 3.14159), u"3.14");
    EXPECT_EQ(Format(u"%.2f", 2.675), u"2.67");
    EXPECT_EQ(Format(u"%.0f", 2.5), u"2");
    EXPECT_EQ(Format(u"%f", 1.5), u"1.500000");
    EXPECT_EQ(Format(u"%6.1f|", -0.25), u"  -0.2|");
    EXPECT_EQ(Format(u"%.1f", 7.0f), u"7.0");
}

TEST(Format, TextsAndCharacters)
{
    EXPECT_EQ(Format(u"Country%d.sav", 14), u"Country14.sav");
    EXPECT_EQ(Format(u"%s\\Script", u"C:\\Game"), u"C:\\Game\\Script");
    EXPECT_EQ(Format(u"[%5s][%-3s]", u"ab", u"x"), u"[   ab][x  ]");
    EXPECT_EQ(Format(u"%.2s", u"abcdef"), u"ab");
    EXPECT_EQ(Format(u"%c%c", u'Ł', u'x'), u"Łx");
    EXPECT_EQ(Format(u"100%%"), u"100%");
    const char16_t* nothing = nullptr;
    EXPECT_EQ(Format(u"<%s>", nothing), u"<>");
    // Percent signs inside an argument are text, never conversions.
    EXPECT_EQ(Format(u"%s", u"%d%s%n"), u"%d%s%n");
}

TEST(Format, IntoTruncatesAndTerminates)
{
    char16_t buffer[6];
    for (auto& c : buffer) c = u'#';
    EXPECT_EQ(FormatInto(buffer, 6, u"%d", 1234567), 5u);
    EXPECT_EQ(std::u16string(buffer), u"12345");
    EXPECT_EQ(FormatInto(buffer, 1, u"%d", 9), 0u);
    EXPECT_EQ(buffer[0], u'\0');
    EXPECT_EQ(buffer[1], u'2');
    EXPECT_EQ(FormatInto(nullptr, 10, u"%d", 9), 0u);
    EXPECT_EQ(FormatInto(buffer, 0, u"%d", 9), 0u);
    EXPECT_EQ(FormatInto(buffer, 6, u"%s", u"abc"), 3u);
    EXPECT_EQ(std::u16string(buffer), u"abc");
}

}  // namespace
