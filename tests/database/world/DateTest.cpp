#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>

#include "core/files/IndexTextFile.h"
#include "database/world/Date.h"
#include "tests/database/DatabaseTestSupport.h"

namespace {

// The date a "DATE" section with these three lines reads as.
TDate ReadDateSection(const std::string& lines, bool plain = false)
{
    CIndexTextFile file;
    EXPECT_TRUE(file.OpenFromBytes(testing_support::Bytes("%INDEX%DATE\r\n" + lines + "%INDEXEND%DATE\r\n"), u"d"));
    TDate date(12345);
    if (plain) {
        date.ReadPlain(file);
    } else {
        date.ReadDate(file);
    }
    return date;
}

std::string DateOf(TDate date)
{
    std::uint16_t y = 0;
    std::uint8_t m = 0, d = 0;
    date.GetYearMonthDay(y, m, d);
    return std::to_string(y) + "-" + std::to_string(m) + "-" + std::to_string(d);
}

}  // namespace

TEST(Date, DayNumbersAndWeekdays)
{
    EXPECT_EQ(TDate(2000, 1, 1).GetDayNumber(), 2451545u);
    EXPECT_EQ(DateOf(TDate(2451545)), "2000-1-1");
    EXPECT_EQ(TDate(2000, 1, 1).GetWeekday(), 5);
    EXPECT_EQ(TDate(2007, 7, 3).GetDayNumber(), 2454285u);
    EXPECT_EQ(GetReferenceDay().GetDayNumber(), 2454285u);
    int y = 1, m = 1, d = 1;
    FromDayNumber(0, y, m, d);
    EXPECT_EQ(y + m + d, 0);
}

TEST(Date, EveryDayOfFourCenturiesMatchesTheCivilCalendar)
{
    using namespace std::chrono;
    // Julian day numbers are days since 1970-01-01 plus 2440588.
    for (sys_days day = sys_days(year{1700} / 1 / 1); day <= sys_days(year{2100} / 12 / 31); day += days{1}) {
        const year_month_day civil(day);
        const auto expected = static_cast<std::uint32_t>(day.time_since_epoch().count() + 2440588);
        const TDate date(static_cast<int>(civil.year()), static_cast<int>(static_cast<unsigned>(civil.month())),
                         static_cast<int>(static_cast<unsigned>(civil.day())));
        ASSERT_EQ(date.GetDayNumber(), expected);
        ASSERT_EQ(date.GetYear(), static_cast<int>(civil.year()));
        ASSERT_EQ(date.GetMonth(), static_cast<unsigned>(civil.month()));
        ASSERT_EQ(date.GetDay(), static_cast<unsigned>(civil.day()));
    }
}

TEST(Date, ArithmeticAndAges)
{
    EXPECT_EQ(DateOf(TDate(2007, 2, 31)), "2007-3-3");
    EXPECT_EQ(DateOf(TDate(2008, 2, 29).AddYears(1)), "2009-3-1");
    EXPECT_FALSE(TDate().AddYears(3).IsSet());
    EXPECT_EQ(TDate(2000, 1, 1) - TDate(2000, 1, 11), -10);
    EXPECT_EQ(DateOf(TDate(2000, 2, 28) + 2), "2000-3-1");
    TDate date(2000, 1, 1);
    ++date;
    date.Increment();
    EXPECT_EQ(DateOf(date), "2000-1-3");
    EXPECT_LT(TDate(1999, 12, 31), TDate(2000, 1, 1));
    EXPECT_EQ(GetAgeTodayDmy(3, 7, 1987), 20);
    EXPECT_EQ(GetAgeTodayDmy(4, 7, 1987), 19);
    EXPECT_EQ(GetAgeToday(TDate(1987, 7, 3)), 20);
    const int groupStarts[] = {18, 19, 20, 23, 29, 33, 34};
    for (int group = 0; group < 7; ++group) EXPECT_EQ(GetAgeGroup(groupStarts[group]), group);
}

TEST(Date, ReadingClampsWhatIsOutOfRange)
{
    for (const auto& [lines, date] : {std::pair{"5\r\n6\r\n87\r\n", "1987-6-5"}, std::pair{"5\r\n6\r\n1650\r\n", "2000-6-5"},
                                      std::pair{"5\r\n13\r\n1999\r\n", "1999-1-5"}, std::pair{"32\r\n2\r\n1999\r\n", "1999-2-1"},
                                      std::pair{"31\r\n2\r\n2007\r\n", "2007-3-3"}}) {
        EXPECT_EQ(DateOf(ReadDateSection(lines)), date) << lines;
    }
    CIndexTextFile file;
    ASSERT_TRUE(file.OpenFromBytes(testing_support::Bytes("other\r\n"), u"d"));
    TDate untouched(777);
    EXPECT_EQ(untouched.ReadDate(file), 0u);
    EXPECT_EQ(untouched.GetDayNumber(), 777u);
}

TEST(Date, UnsetDatesSurviveAWriteAndBothReaders)
{
    EXPECT_EQ(database_testing::WrittenText([](CIndexTextFile& file) { return TDate().WriteDate(file); }),
              "%INDEX%DATE\r\n0\r\n0\r\n0\r\n%INDEXEND%DATE\r\n");
    for (const bool plain : {false, true}) {
        EXPECT_FALSE(ReadDateSection("0\r\n0\r\n0\r\n", plain).IsSet());
        EXPECT_FALSE(ReadDateSection("-1\r\n0\r\n-4712\r\n", plain).IsSet());
    }
}

TEST(Date, PlainReadKeepsOddDatesAndRefusesImpossibleOnes)
{
    EXPECT_EQ(DateOf(ReadDateSection("5\r\n6\r\n1650\r\n", true)), "1650-6-5");
    EXPECT_FALSE(ReadDateSection("1\r\n1\r\n2000000000\r\n", true).IsSet());
    EXPECT_FALSE(ReadDateSection("1\r\n1\r\n-2000000000\r\n", true).IsSet());
}

TEST(Date, EveryDayNumberFromYearOneOnGivesItsDayBack)
{
    using namespace std::chrono;
    const auto first = static_cast<std::uint32_t>(sys_days(year{1} / 1 / 1).time_since_epoch().count() + 2440588);
    EXPECT_EQ(first, 1721426u);
    for (sys_days day = sys_days(year{1} / 1 / 1); day <= sys_days(year{9999} / 12 / 31); day += days{1}) {
        const year_month_day civil(day);
        const auto dayNumber = static_cast<std::uint32_t>(day.time_since_epoch().count() + 2440588);
        int y = 0, m = 0, d = 0;
        FromDayNumber(dayNumber, y, m, d);
        ASSERT_EQ(y, static_cast<int>(civil.year()));
        ASSERT_EQ(m, static_cast<int>(static_cast<unsigned>(civil.month())));
        ASSERT_EQ(d, static_cast<int>(static_cast<unsigned>(civil.day())));
    }
    // Beyond the civil calendar's years, up to the last day number.
    for (std::uint64_t dayNumber = 5373484; dayNumber <= UINT32_MAX; dayNumber += 1009) {
        int y = 0, m = 0, d = 0;
        FromDayNumber(static_cast<std::uint32_t>(dayNumber), y, m, d);
        ASSERT_GE(y, 9999);
        ASSERT_TRUE(m >= 1 && m <= 12 && d >= 1 && d <= 31) << dayNumber;
        ASSERT_EQ(ToDayNumber(y, m, d), static_cast<std::int64_t>(dayNumber));
    }
}
