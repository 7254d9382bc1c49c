#include <gtest/gtest.h>

#include <string>

#include "core/text/TextTools.h"

namespace {

TEST(WildcardMatchTest, MatchesTheWholeText)
{
    const std::u16string many(60, u'a'), stars(30, u'*'), starsB = stars + u"b";
    std::u16string alternating;
    for (int i = 0; i < 30; ++i) alternating += u"*a";
    alternating += u"b";
    const struct {
        const char16_t* text;
        const char16_t* pattern;
        bool matches;
    } cases[] = {
        {u"abc", u"a*c", true}, {u"abc", u"a?c", true}, {u"abc", u"abc", true}, {u"abc", u"a", false},
        {u"abc", u"*d", false}, {u"abc", u"ab?d", false}, {u"ab", u"ab?", false}, {u"abc", u"ABC", false},
        // Stars match any run, none included.
        {u"", u"*", true}, {u"", u"***", true}, {u"abc", u"*", true}, {u"abc", u"abc*", true},
        {u"Country12.sav", u"Country*.sav", true}, {u"aXbXc", u"*X*c", true}, {u"mississippi", u"*sip*", true},
        {u"Country12.txt", u"Country*.sav", false}, {u"abc", u"*b", false},
        {u"", u"", true}, {u"a", u"", false}, {u"a", nullptr, false}, {nullptr, u"*", true},
        // Many stars finish at once instead of trying every split.
        {many.c_str(), stars.c_str(), true}, {many.c_str(), starsB.c_str(), false},
        {many.c_str(), alternating.c_str(), false},
    };
    for (std::size_t k = 0; k < std::size(cases); ++k) {
        EXPECT_EQ(WildcardMatch(cases[k].text, cases[k].pattern), cases[k].matches) << "case " << k;
    }
}

TEST(FindTextNoCaseTest, FindsTheFirstOccurrenceIgnoringAsciiCase)
{
    const struct {
        const char16_t* text;
        const char16_t* part;
        int at;  // -1: not found
    } cases[] = {
        {u"Borussia Dortmund", u"DORT", 9}, {u"Borussia Dortmund", u"s", 4}, {u"Borussia Dortmund", u"xyz", -1},
        {u"Borussia Dortmund", u"MUND", 13}, {u"Ab", u"aB", 0}, {u"ab", u"abc", -1},
        {nullptr, u"a", -1}, {u"a", nullptr, -1}, {u"", u"a", -1}, {u"a", u"", -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FindTextNoCase(c.text, c.part), c.at < 0 ? nullptr : c.text + c.at) << (c.part ? c.part[0] : 0);
    }
}

TEST(NormalisePathForCompareTest, LowersTurnsBackslashesAndShortensDriveRoots)
{
    const std::pair<std::u16string, std::u16string> cases[] = {
        {u"C:\\Spiele\\\u00C4RGER\u00D6\u00DC\\Database\\Country1.SAV", u"c:/spiele/\u00E4rger\u00F6\u00FC/database/country1.sav"},
        {u"\u00C9T\u00C9", u"\u00C9t\u00C9"},
        {u"D:\\", u"d:"}, {u"D:\\x", u"d:/x"}, {u"1:\\", u"1:/"},
    };
    for (auto [path, expected] : cases) {
        NormalisePathForCompare(path.data());
        EXPECT_EQ(std::u16string(path.c_str()), expected);
    }
    NormalisePathForCompare(nullptr);
}

}  // namespace
