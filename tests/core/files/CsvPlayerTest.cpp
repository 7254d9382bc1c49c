#include "core/files/CsvPlayer.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(CsvPlayer, FieldsSplitOutsideQuotes)
{
    struct Case {
        const char16_t* line;
        int value;
        const char16_t* text;
        const char16_t* rest;
    } cases[] = {
        {u"12,x", 12, u"12", u"x"},
        {u"  -7 ,x", -7, u"  -7 ", u"x"},
        {u"+3", 3, u"+3", u""},
        {u"\"5\",x", 0, u"5", u"x"},
        {u"\"Smith, Jr.\",9", 0, u"Smith, Jr.", u"9"},
        {u",x", 0, u"", u"x"},
        {u"99999999999,x", 2147483647, u"99999999999", u"x"},
        {u"", 0, u"", u""},
    };
    for (const auto& c : cases) {
        int value = -1;
        EXPECT_EQ(std::u16string(NextCsvField(c.line, value)), c.rest);
        EXPECT_EQ(value, c.value);
        char16_t text[32];
        EXPECT_EQ(std::u16string(CopyCsvField(c.line, text, 32)), c.rest);
        EXPECT_EQ(std::u16string(text), c.text);
    }
    int value = 5;
    EXPECT_EQ(NextCsvField(nullptr, value), nullptr);
    EXPECT_EQ(value, 0);
    char16_t cut[4];
    CopyCsvField(u"\"abcdef\",1", cut, 4);
    EXPECT_EQ(std::u16string(cut), u"abc");
    int day = 1, month = 1, year = 1;
    EXPECT_EQ(std::u16string(ParseCsvDate(u"3/11/1985,7", day, month, year)), u"7");
    EXPECT_EQ(day * 10000 + month * 100 + year % 100, 31185);
    EXPECT_EQ(ParseCsvDate(nullptr, day, month, year), nullptr);
    EXPECT_EQ(day + month + year, 0);
}

TEST(CsvPlayer, APlayerLineFillsItsColumnsAndLeavesMissingOnesEmpty)
{
    std::u16string line = u"1,\"Jan, the Elder\",Novak,3,4,5,6,1/2/1980";
    for (int column = 8; column < 67; ++column) line += u"," + std::u16string(1, u'0' + column % 10);
    line.replace(line.rfind(u','), std::u16string::npos, u",\"7\"");
    TCsvPlayer record;
    ParseCsvPlayerLine(record, line.c_str());
    EXPECT_EQ(std::u16string(record.firstName), u"Jan, the Elder");
    EXPECT_EQ(std::u16string(record.lastName), u"Novak");
    EXPECT_EQ(record.columns[0], 1);
    EXPECT_EQ(record.columns[6], 6);
    EXPECT_EQ(record.dates[0][2], 1980);
    EXPECT_EQ(record.columns[9], 9);
    EXPECT_EQ(record.columns[59], 9);
    EXPECT_EQ(record.columns[60], 0);
    EXPECT_EQ(record.columns[66], 0);   // a quote before the digits
    EXPECT_EQ(record.dates[1][0], 6);

    ParseCsvPlayerLine(record, u"4,Ann");
    EXPECT_EQ(std::u16string(record.firstName), u"Ann");
    EXPECT_EQ(std::u16string(record.lastName), u"");
    EXPECT_EQ(record.columns[9], 0);
    EXPECT_EQ(record.dates[0][0], 0);
}

}  // namespace
