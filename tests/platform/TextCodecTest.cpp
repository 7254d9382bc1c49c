#include <gtest/gtest.h>

#include "platform/Platform.h"
#include "platform/TextCodec.h"

namespace {

using platform::Utf16ToUtf8;
using platform::Utf8ToUtf16;

TEST(Utf8, RoundTripsBmpAndSurrogatePairs)
{
    const std::u16string text = u"Łódź €1 \U0001F600 end";
    const std::string utf8 = Utf16ToUtf8(text);
    EXPECT_EQ(utf8, "\xC5\x81\xC3\xB3\x64\xC5\xBA \xE2\x82\xAC" "1 \xF0\x9F\x98\x80 end");
    EXPECT_EQ(Utf8ToUtf16(utf8), text);
}

TEST(Utf8, BrokenInputDecodesToReplacementCharacters)
{
    EXPECT_EQ(Utf8ToUtf16("a\xFF" "b"), u"a\uFFFDb");
    EXPECT_EQ(Utf8ToUtf16("\xC3"), u"\uFFFD");                       // truncated
    EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), u"\uFFFD\uFFFD");             // overlong
    EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");   // encoded surrogate
    EXPECT_EQ(Utf8ToUtf16("\xF4\x90\x80\x80"), u"\uFFFD\uFFFD\uFFFD\uFFFD");  // beyond U+10FFFF
    EXPECT_EQ(Utf8ToUtf16("\xE2\x82" "x"), u"\uFFFDx");
    EXPECT_FALSE(platform::IsValidUtf8("a\xFF"));
    EXPECT_TRUE(platform::IsValidUtf8("\xEF\xBF\xBD ok \xC5\x81"));
}

TEST(Utf8, LoneSurrogatesEncodeAsReplacement)
{
    const std::u16string lone = {u'a', char16_t(0xD800), u'b', char16_t(0xDC00)};
    EXPECT_EQ(Utf16ToUtf8(lone), "a\xEF\xBF\xBD" "b\xEF\xBF\xBD");
}

TEST(Utf16, BothByteOrdersAndOddLength)
{
    const std::uint8_t little[] = {0x41, 0x00, 0x41, 0x01, 0x3D, 0xD8, 0x00, 0xDE, 0x7A};
    EXPECT_EQ(platform::Utf16LeToUtf16(little), (std::u16string{u'A', u'\u0141', char16_t(0xD83D), char16_t(0xDE00)}));
    const std::uint8_t big[] = {0x00, 0x41, 0x01, 0x41};
    EXPECT_EQ(platform::Utf16BeToUtf16(big), u"AŁ");
    std::string out;
    platform::AppendUtf16Le(u"AŁ", out);
    EXPECT_EQ(out, std::string("\x41\x00\x41\x01", 4));
}

TEST(Cp1252, EveryByteRoundTrips)
{
    for (int byte = 0; byte < 256; ++byte) {
        const char16_t c = platform::Cp1252ToChar(static_cast<std::uint8_t>(byte));
        std::uint8_t back = 0;
        ASSERT_TRUE(platform::CharToCp1252(c, back)) << byte;
        EXPECT_EQ(back, byte);
    }
    EXPECT_EQ(platform::Cp1252ToChar(0x80), u'€');
    EXPECT_EQ(platform::Cp1252ToChar(0x8A), u'Š');
    EXPECT_EQ(platform::Cp1252ToChar(0x81), char16_t(0x81));
    EXPECT_EQ(platform::Cp1252ToChar(0xE9), u'é');
}

TEST(Cp1252, BestFitDropsAccentsAndMarksLoss)
{
    bool lossy = false;
    EXPECT_EQ(platform::Utf16ToCp1252(u"Łódź", &lossy), "L\xF3" "dz");
    EXPECT_TRUE(lossy);
    lossy = false;
    EXPECT_EQ(platform::Utf16ToCp1252(u"Café €", &lossy), "Caf\xE9 \x80");
    EXPECT_FALSE(lossy);
    EXPECT_EQ(platform::Utf16ToCp1252(u"Ж"), "?");
    // Windows' own best-fit choices, not merely accents dropped.
    EXPECT_EQ(platform::CharToCp1252BestFit(u'Đ'), 0xD0);
    EXPECT_EQ(platform::CharToCp1252BestFit(u'Ŀ'), '?');
    EXPECT_EQ(platform::CharToCp1252BestFit(u'Ａ'), 'A');
    EXPECT_EQ(platform::CharToCp1252BestFit(u'\u2212'), '-');
}

TEST(SystemCodePage, ConvertsBothWays)
{
    bool lossy = true;
    EXPECT_EQ(platform::Utf16ToSystemCodePage(u"abc", &lossy), "abc");
    EXPECT_FALSE(lossy);
    EXPECT_EQ(platform::SystemCodePageToUtf16("abc"), u"abc");
    if (platform::SystemCodePage() == 1252) {
        EXPECT_EQ(platform::SystemCodePageToUtf16("\xE9\x80"), u"é€");
    }
}

}  // namespace
