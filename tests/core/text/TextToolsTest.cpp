#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/text/TextTools.h"

TEST(CopyTextTest, KeepsCapacityMinusOneAndTerminates)
{
    char16_t dest[5] = {u'x', u'x', u'x', u'x', u'x'};
    CopyText(dest, u"abcdef", 4);
    EXPECT_EQ(std::u16string(dest), u"abc");
    EXPECT_EQ(dest[4], u'x');

    CopyText(dest, static_cast<const char16_t*>(nullptr), 4);
    EXPECT_EQ(dest[0], 0);

    dest[0] = u'x';
    CopyText(dest, u"abc", 0);
    EXPECT_EQ(dest[0], u'x');
    CopyText(static_cast<char16_t*>(nullptr), u"abc", 4);
}

TEST(CopyTextTest, ViewAndArrayForms)
{
    char16_t dest[4];
    CopyText(dest, std::u16string_view(u"wxyz"));
    EXPECT_EQ(std::u16string(dest), u"wxy");
    CopyText(dest, std::u16string_view(u"ab"), 4);
    EXPECT_EQ(std::u16string(dest), u"ab");
}

TEST(CopyTextNoQuotesTest, TurnsDoubleQuotesIntoApostrophes)
{
    char16_t dest[16];
    EXPECT_EQ(CopyTextNoQuotes(dest, u"\"Bayern\" 1900", 16), dest);
    EXPECT_EQ(std::u16string(dest), u"'Bayern' 1900");
    EXPECT_EQ(CopyTextNoQuotes(dest, u"a", 0), nullptr);
    EXPECT_EQ(CopyTextNoQuotes(nullptr, u"a", 4), nullptr);
    EXPECT_EQ(CopyTextNoQuotes(dest, nullptr, 4), dest);
    EXPECT_EQ(dest[0], 0);
}

TEST(ReplaceTokensTest, ReplacesTokensInOnePass)
{
    const struct {
        const char16_t* text;
        std::vector<const char16_t*> from, to;  // each ends with nullptr
        std::u16string expected;
    } cases[] = {
        // A replacement is not scanned again.
        {u"_VALUE%", {u"%", u"_VALUE", nullptr}, {u"%%", u"%s", nullptr}, u"%s%%"},
        // The first matching token wins.
        {u"_HOUR:_HOUR2", {u"_HOUR2", u"_HOUR", nullptr}, {u"07", u"7", nullptr}, u"7:07"},
        // A null replacement keeps its token, an empty one removes it; an empty token never matches.
        {u"_KEEP _DROP_NAME", {u"", u"_KEEP", u"_DROP", u"_NAME", nullptr}, {u"never", nullptr, u"", u"Anna", nullptr},
         u"_KEEP Anna"},
    };
    for (const auto& c : cases) {
        char16_t dest[64];
        EXPECT_EQ(ReplaceTokens(c.text, c.from.data(), c.to.data(), dest, 64), dest);
        EXPECT_EQ(std::u16string(dest), c.expected);
    }
    char16_t dest[64];
    ReplaceToken(u"_FILE_NAME or _FILE_NAME", u"_FILE_NAME", u"C:\\a.sav", dest, 64);
    EXPECT_EQ(std::u16string(dest), u"C:\\a.sav or C:\\a.sav");
}

TEST(ReplaceTokensTest, StopsAtTheCapacity)
{
    const char16_t* from[] = {u"_X", nullptr};
    const char16_t* to[] = {u"12345", nullptr};
    char16_t dest[8] = {};
    dest[4] = u'!';
    ReplaceTokens(u"a_Xb", from, to, dest, 4);
    EXPECT_EQ(std::u16string(dest), u"a12");
    EXPECT_EQ(dest[4], u'!');
}

TEST(ReplaceTokensTest, EmptyListCopiesAndNullArgumentsGiveNull)
{
    const char16_t* empty[] = {nullptr};
    char16_t dest[8];
    EXPECT_EQ(ReplaceTokens(u"abc", empty, empty, dest, 8), dest);
    EXPECT_EQ(std::u16string(dest), u"abc");
    EXPECT_EQ(ReplaceTokens(nullptr, empty, empty, dest, 8), nullptr);
    EXPECT_EQ(ReplaceTokens(u"abc", nullptr, empty, dest, 8), nullptr);
    EXPECT_EQ(ReplaceTokens(u"abc", empty, nullptr, dest, 8), nullptr);
    EXPECT_EQ(ReplaceTokens(u"abc", empty, empty, nullptr, 8), nullptr);
}

TEST(ReplaceTokenStaticTest, FillsTheSharedBufferUpToItsSize)
{
    const std::u16string many(600, u'x');
    const char16_t* result = ReplaceTokenStatic(many.c_str(), u"x", u"yy");
    EXPECT_EQ(std::u16string(result), std::u16string(1023, u'y'));
    const char16_t* from[] = {u"_COUNT", nullptr};
    const char16_t* to[] = {u"3", nullptr};
    EXPECT_EQ(ReplaceTokensStatic(u"_COUNT clubs", from, to), result);
    EXPECT_EQ(std::u16string(result), u"3 clubs");
}

TEST(ReplaceTokensTest, ViewFormReturnsAString)
{
    EXPECT_EQ(ReplaceTokens(u"_NAME (_COUNT)", {{u"_NAME", u"Lech"}, {u"_COUNT", u"2"}}), u"Lech (2)");
    EXPECT_EQ(ReplaceTokens(u"abc", {}), u"abc");
}

TEST(EscapeMarkupTest, WritesTheFiveMarkupCharactersAsEntities)
{
    const struct {
        std::u16string_view text;
        std::u16string_view escaped;
    } cases[] = {
        {u"", u""},
        {u"Caf\u00E9 \u0141\u00F3d\u017A", u"Caf\u00E9 \u0141\u00F3d\u017A"},
        {u"<b>R&D</b>", u"&lt;b&gt;R&amp;D&lt;/b&gt;"},
        {u"\"quoted\" 'single'", u"&quot;quoted&quot; &apos;single&apos;"},
        {u"&amp;", u"&amp;amp;"},
        {u"line\r\nbreak\t", u"line\r\nbreak\t"},
    };
    for (const auto& c : cases) EXPECT_EQ(EscapeMarkup(c.text), c.escaped);
}
