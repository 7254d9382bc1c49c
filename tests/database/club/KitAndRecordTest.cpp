#include <gtest/gtest.h>

#include <string>

#include "tests/database/DatabaseTestSupport.h"
#include "core/files/IndexTextFile.h"
#include "database/club/ClubRecord.h"
#include "database/world/DatabaseVersion.h"
#include "database/club/Kit.h"

namespace {

std::string Lines(std::initializer_list<std::string> lines)
{
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

std::string KitText(const std::string& version, bool withValues)
{
    std::string text = Lines({"%INDEX%VERSION", version, "%INDEXEND%VERSION", "%INDEX%KIT"});
    for (int kit = 0; kit < 2; ++kit) {
        text += Lines({"0", "12", "3"});
        for (int colour = 0; colour < 12; ++colour) text += std::to_string(kit == 0 ? 22 : colour) + "\r\n";
        if (withValues) text += Lines({"5", "2"});
    }
    return text + Lines({"77", "%INDEXEND%KIT"});
}

bool ReadKit(TKit& kit, const std::string& text)
{
    CIndexTextFile file;
    EXPECT_TRUE(file.OpenFromBytes(testing_support::Bytes(text), u"kit"));
    EXPECT_TRUE(ReadVersion(file));
    return kit.ReadKit(file);
}

}  // namespace

TEST(Kit, ANewKitWritesThirtyFiveValueLines)
{
    const std::string kitLines = Lines({"1", "1", "1", "1", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0"});
    const std::string awayLines = Lines({"1", "1", "1", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0"});
    EXPECT_EQ(database_testing::WrittenText([](CIndexTextFile& file) { return TKit().WriteKit(file); }),
              "%INDEX%KIT\r\n" + kitLines + "0\r\n0\r\n" + awayLines + "0\r\n0\r\n0\r\n%INDEXEND%KIT\r\n");
}

TEST(Kit, OldLayoutsReadWithoutValueLinesAndOldNumberings)
{
    struct TCase {
        const char* version;
        bool withValues;
        std::uint8_t style0, style1, style2, colour, valueA;
    };
    // 537329669 is 2007-5, 537329668 2007-4, 537067520 0x2003.
    for (const TCase& c : {TCase{"537329669", true, 0, 12, 3, 22, 5}, TCase{"537329668", false, 0, 12, 3, 22, 0},
                           TCase{"537067520", false, 30, 13, 4, 63, 0}}) {
        SCOPED_TRACE(c.version);
        TKit kit;
        ASSERT_TRUE(ReadKit(kit, KitText(c.version, c.withValues)));
        EXPECT_EQ(kit.GetStyle(0, 0), c.style0);
        EXPECT_EQ(kit.GetStyle(1, 1), c.style1);
        EXPECT_EQ(kit.GetStyle(1, 2), c.style2);
        std::uint8_t a, b, colour;
        kit.GetColour(0, 3, a, b, colour);
        EXPECT_EQ(colour, c.colour);
        EXPECT_EQ(kit.GetKitValueA(1), c.valueA);
        EXPECT_EQ(kit.GetQaroKitId(), 77u);
    }
}

TEST(Kit, MissingSectionClampAndIndexesOutOfRange)
{
    TKit kit;
    kit.SetStyle(0, 0, 50);
    EXPECT_FALSE(ReadKit(kit, Lines({"%INDEX%VERSION", "537329692", "%INDEXEND%VERSION", "5"})));
    EXPECT_EQ(kit.GetStyle(0, 0), 50);
    kit.SetStyle(1, 1, 14);
    kit.SetStyle(1, 2, 13);
    kit.SetStyle(0, 1, 13);
    kit.SetKitValueA(1, 9);
    kit.SetKitValueB(1, 9);
    kit.ClampKit();
    EXPECT_EQ(kit.GetStyle(0, 0), 42);
    EXPECT_EQ(kit.GetStyle(1, 1), 13);
    EXPECT_EQ(kit.GetStyle(0, 1), 13);
    EXPECT_EQ(kit.GetStyle(1, 2), 4);
    EXPECT_EQ(kit.GetKitValueA(1), 6);
    EXPECT_EQ(kit.GetKitValueB(1), 9);
    kit.SetStyle(2, 0, 9);
    kit.SetColour(0, 4, 1, 2, 3);
    EXPECT_EQ(kit.GetStyle(2, 0), 0);
    EXPECT_EQ(kit.GetStyle(0, 3), 0);
    EXPECT_EQ(kit.GetKitValueA(-1), 0);
}

TEST(ClubRecord, ScoresAndValuesFromTheHistoryPage)
{
    struct TCase {
        const char16_t* score;
        int a, b;
    };
    for (const TCase& c : {TCase{u"3-1", 3, 1}, TCase{u"3:1", 3, 1}, TCase{u"3", 0, 0}, TCase{u"", 0, 0},
                           TCase{u" 7 : 2", 7, 2}}) {
        TClubRecord record;
        record.SetFromScoreTexts(c.score, u"Cup final", u"1999");
        EXPECT_EQ(record.GetGoalsA(), c.a) << testing_support::Narrow(c.score);
        EXPECT_EQ(record.GetGoalsB(), c.b) << testing_support::Narrow(c.score);
        EXPECT_EQ(record.GetYear(), 1999);
    }
    TClubRecord record;
    std::u16string score, text, year;
    record.SetFromScoreTexts(u"0:0", u"Draw", u"1990");
    record.GetScoreTexts(score, text, year);
    EXPECT_EQ(score + text + year, u"");
    record.SetFromScoreTexts(u"4-1", u"Derby", u"1990");
    record.GetScoreTexts(score, text, year);
    EXPECT_EQ(score + u"|" + text + u"|" + year, u"4:1|Derby|1990");
    record.SetFromValueTexts(u"81000", u"Spectators", u"2001");
    record.GetValueTexts(score, text, year);
    EXPECT_EQ(score + u"|" + text + u"|" + year, u"81000|Spectators|2001");
}

TEST(ClubRecord, ReadingCutsTheTextToTwentyOneCharacters)
{
    const std::string text =
        Lines({"%INDEX%RECORD", "-2", "5", "12", "abcdefghijklmnopqrstuvwxyz1234", "1950", "%INDEXEND%RECORD"});
    CIndexTextFile file;
    ASSERT_TRUE(file.OpenFromBytes(testing_support::Bytes(text), u"record"));
    TClubRecord record;
    ASSERT_TRUE(record.ReadClubRecord(file));
    EXPECT_EQ(record.GetGoalsA(), -2);
    EXPECT_EQ(record.GetValue(), 12);
    EXPECT_EQ(record.GetText(), u"abcdefghijklmnopqrstu");
    EXPECT_EQ(record.GetYear(), 1950);
    EXPECT_FALSE(record.ReadClubRecord(file));
    EXPECT_EQ(record.GetYear(), 1950);
    // A character of two units at the cut is dropped whole.
    const std::string pair = "\xEF\xBB\xBF" + Lines({"%INDEX%RECORD", "1", "2", "0", "abcdefghijklmnopqrst\xF0\x9F\x98\x80z", "1950", "%INDEXEND%RECORD"});
    ASSERT_TRUE(file.OpenFromBytes(testing_support::Bytes(pair), u"record"));
    ASSERT_TRUE(record.ReadClubRecord(file));
    EXPECT_EQ(record.GetText(), u"abcdefghijklmnopqrst");
}
