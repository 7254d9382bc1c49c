#include "editors/country_club/model/club/ClubYearList.h"

#include <gtest/gtest.h>

namespace {

struct TYearCase {
    const char16_t* text;
    const char16_t* expected;
};

constexpr TYearCase Cases[] = {
    {u"2005, 98,1999, 5, 3000, abc", u"1998, 1999, 2005"},
    {u"08", u"2008"},
    {u"09", u"1909"},
    {u"8", u"2008"},
    {u"0", u"2000"},
    {u"99", u"1999"},
    {u"", u""},
    {u"abc, x1999", u""},
    {u"1699, 1700, 2008, 2009", u"1700, 2008"},
    {u"\t 1990,  1990 ,1990", u"1990"},
    {u"1990abc, 1991.5", u"1990, 1991"},
    {u"-1990, +1991", u""},
    {u",,,2001,,", u"2001"},
    {u"99999999999999999999, 2001", u"2001"},
};

TEST(ClubYearList, ReadsKeepsSortsAndJoins)
{
    for (const TYearCase& c : Cases) {
        EXPECT_EQ(NormaliseYearList(c.text), c.expected) << testing::PrintToString(std::u16string(c.text).size());
    }
}

TEST(ClubYearList, TextsBeyondTheLimitAreCutBeforeReading)
{
    std::u16string text(YearListInputLimit - 4, u' ');
    text += u"1999,2000";
    EXPECT_EQ(NormaliseYearList(text), u"1999");
    text.resize(YearListInputLimit - 2);
    text += u"1999";
    // "19" is all that remains of the last piece: 1919.
    EXPECT_EQ(NormaliseYearList(text), u"1919");
}

TEST(ClubYearList, ItsOwnResultIsStable)
{
    const std::u16string once = NormaliseYearList(u"5, 1901, 77, 1960, 1901");
    EXPECT_EQ(once, u"1901, 1960, 1977, 2005");
    EXPECT_EQ(NormaliseYearList(once), once);
}

}  // namespace
