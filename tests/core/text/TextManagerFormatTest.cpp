#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <string>
#include <tuple>
#include <utility>

#include "core/text/TextManager.h"
#include "tests/common/TestSupport.h"

namespace {

// Texts of language 0 only; the formatters read the current language.
std::vector<std::uint8_t> LocaleFile(std::string_view lines)
{
    return testing_support::Bytes("\xEF\xBB\xBF" + std::string(lines));
}

constexpr char ContinentalLocale[] =
    "Internal.Number.Thousand|.\n"
    "Internal.Number.Decimal|,\n"
    "Internal.Number.Negative|-\n"
    "Internal.Number.PercentFormat|_VALUE %\n"
    "Internal.Currency.Format|_VALUE EUR\n"
    "Internal.Currency.Decimals|2\n";

class ContinentalFormat : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(store.LoadFromBytes(LocaleFile(ContinentalLocale))); }
    std::u16string Int(int value) const { return store.FormatInt(value); }
    std::u16string Float(double value, int decimals) const { return store.FormatFloat(value, decimals); }
    CTextManager store;
};

class ShippedLocale : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(store.LoadFile(testing_support::SourcePath(u"data\\trdata\\DatabaseEditor.txt").c_str()));
    }
    CTextManager store;
};

}  // namespace

TEST_F(ContinentalFormat, GroupsIntegers)
{
    const std::pair<int, const char16_t*> cases[] = {{1234567, u"1.234.567"}, {-1000, u"-1.000"}, {999, u"999"},
                                                     {0, u"0"}, {INT_MIN, u"-2.147.483.648"}, {INT_MAX, u"2.147.483.647"}};
    for (const auto& [value, text] : cases) EXPECT_EQ(Int(value), text);
}

TEST_F(ContinentalFormat, RoundsFloatsHalfAwayFromZeroInDoubles)
{
    const std::tuple<double, int, const char16_t*> cases[] = {
        {1234.5678, 2, u"1.234,57"}, {2.5, 0, u"3"},      {-2.5, 0, u"-3"},       {1.0, 12, u"1,00000000"},
        {2.675, 2, u"2,67"},         {999.995, 2, u"1.000,00"}, {-0.004, 2, u"-0,00"}, {7.0, -3, u"7"}};
    for (const auto& [value, decimals, text] : cases) EXPECT_EQ(Float(value, decimals), text) << value;
}

TEST_F(ContinentalFormat, NonFiniteAndHugeFloatsClamp)
{
    EXPECT_EQ(Float(std::nan(""), 2), u"0,00");
    EXPECT_EQ(Float(std::numeric_limits<double>::infinity(), 1), u"9.223.372.036.854.775.807,0");
    EXPECT_EQ(Float(-1e300, 0), u"-9.223.372.036.854.775.807");
    EXPECT_EQ(Float(9007199254740993.0, 0), u"9.007.199.254.740.992");
}

TEST_F(ContinentalFormat, ParsesWithTheLanguageSeparators)
{
    const std::pair<const char16_t*, int> ints[] = {
        {u"1.234.567", 1234567}, {u"12,9", 12}, {u"99999999999", INT_MAX}, {u"-99999999999", INT_MIN},
        {u"-2.147.483.648", INT_MIN}, {u"- 5", -5}, {u"5-3", 53}, {u"abc", 0}, {nullptr, 0}};
    for (const auto& [text, value] : ints) EXPECT_EQ(store.ParseInt(text), value);
    EXPECT_EQ(store.ParseInt(std::u16string(200, u'0').append(u"7").c_str()), 0);
    EXPECT_DOUBLE_EQ(store.ParseFloat(u"-1.234,5"), -1234.5);
    EXPECT_DOUBLE_EQ(store.ParseFloat(u"3,5,7"), 3.5);
    EXPECT_DOUBLE_EQ(store.ParseFloat(u",25"), 0.25);
    EXPECT_EQ(store.ParseFloat(u","), 0.0);
    EXPECT_EQ(store.ParseFloat(nullptr), 0.0);
}

TEST_F(ContinentalFormat, TemplatesTakeTheNumberDirectly)
{
    EXPECT_EQ(std::u16string(store.FormatIntPercent(50)), u"50 %");
    EXPECT_EQ(std::u16string(store.FormatFloatPercent(12.345, 1)), u"12,3 %");
    EXPECT_EQ(std::u16string(store.FormatCurrency(1234.5)), u"1.234,50 EUR");
    EXPECT_EQ(std::u16string(store.FormatCurrencyInt(-5000)), u"-5.000 EUR");
    CTextManager other;
    ASSERT_TRUE(other.LoadFromBytes(LocaleFile("Internal.Number.PercentFormat|_VALUE/_VALUE\n"
                                               "Internal.Number.EnumerateMale|%_VALUE%%d\n"
                                               "Internal.Number.EnumerateFemale|\n")));
    EXPECT_EQ(std::u16string(other.FormatIntPercent(50)), u"50/50");
    other.SetLanguage(CTextManager::German);
    // Only the English column exists: German finds no template and shows the number.
    EXPECT_EQ(std::u16string(other.FormatOrdinal(3, true)), u"3");
    other.SetLanguage(CTextManager::English);
    ASSERT_TRUE(other.LoadFromBytes(LocaleFile("Internal.Number.PercentFormat|%_VALUE%%d\nX|y\n")));
    EXPECT_EQ(std::u16string(other.FormatIntPercent(7)), u"%7%%d");
}

TEST_F(ContinentalFormat, ResultsNeverExceedTheCapacity)
{
    char16_t buffer[6] = {u'#', u'#', u'#', u'#', u'#', u'#'};
    EXPECT_EQ(store.FormatInt(1234567, buffer, 6), buffer);
    EXPECT_EQ(std::u16string(buffer), u"1.234");
    store.FormatFloat(1234.5, 2, buffer, 6);
    EXPECT_EQ(std::u16string(buffer), u"1.234");
    store.FormatIntPercent(12345, buffer, 6);
    EXPECT_EQ(std::u16string(buffer), u"12.34");
    store.FormatInt(7, buffer, 1);
    EXPECT_EQ(buffer[0], 0);
    buffer[0] = u'#';
    store.FormatTime(1, 1, 2, 3, buffer, 0);
    EXPECT_EQ(buffer[0], u'#');
}

TEST(LocaleFallbackTest, MissingOrBrokenLocaleTextsDegrade)
{
    CTextManager store;
    ASSERT_TRUE(store.LoadFromBytes(LocaleFile("Internal.Number.Thousand|\n"
                                               "Internal.Currency.Decimals|x\n"
                                               "Internal.Currency.Format|_VALUE$\n"
                                               "Internal.Currency.EuroMultiplier|-2\n")));
    EXPECT_EQ(std::u16string(store.FormatInt(-5)), u"5");
    EXPECT_EQ(std::u16string(store.FormatInt(1000)), u"1000");
    EXPECT_EQ(std::u16string(store.FormatCurrency(12.7)), u"13$");
    EXPECT_EQ(std::u16string(store.FormatIntPercent(5)), u"5");
    EXPECT_EQ(store.GetEuroMultiplier(), 1.0);
    EXPECT_EQ(std::u16string(store.GetLocaleName()), u"");
    const std::string longSeparator(100, 'x');
    for (const char* multiplier : {"0", "abc", "inf", "nan", "1e999"}) {
        ASSERT_TRUE(store.LoadFromBytes(
            LocaleFile("Internal.Currency.EuroMultiplier|" + std::string(multiplier) + "\n")));
        EXPECT_EQ(store.GetEuroMultiplier(), 1.0) << multiplier;
    }
    ASSERT_TRUE(store.LoadFromBytes(LocaleFile("Internal.Currency.EuroMultiplier|4.3452 PLN\n"
                                               "Internal.Number.Thousand|" + longSeparator + "\n")));
    EXPECT_EQ(store.GetEuroMultiplier(), 4.3452);
    EXPECT_EQ(std::u16string(store.FormatInt(1000)), u"1" + std::u16string(63, u'x') + u"000");
}

TEST(LocaleFallbackTest, DateAndTimeTemplates)
{
    CTextManager store;
    EXPECT_EQ(std::u16string(store.FormatDateTemplate(u"_YEAR2|_YEAR4|_SHORTMONTH|_MONTH|_SHORTDAY|_DAY", 2007, 7, 3)),
              u"07|2007|7|07|3|03");
    EXPECT_EQ(std::u16string(store.FormatDateTemplate(u"_YEAR4 _MONTH _DAY", 0, 13, 0)), u"0001 12 01");
    EXPECT_EQ(std::u16string(store.FormatDateTemplate(u"_YEAR4-_DAY", 12345, 1, 99)), u"9999-31");
    EXPECT_EQ(std::u16string(store.FormatDateTemplate(u"_ALPHAMONTH", 2007, 2, 1)),
              u"Internal.Chrono.Month.Long.February");
    EXPECT_EQ(std::u16string(store.FormatDateTemplate(nullptr, 2007, 2, 1)), u"");
    EXPECT_EQ(std::u16string(store.FormatTimeTemplate(u"_HOUR2|_HOUR", 5, 0, 0)), u"05|5");
    EXPECT_EQ(std::u16string(store.FormatTimeTemplate(u"_HOUR2|_MINUTE2|_SECOND", 123, 0, 1000)), u"123|00|1000");
    EXPECT_EQ(std::u16string(store.FormatTimeTemplate(u"_SECOND2/_MINUTE", -3, -7, -3)), u"3/7");
}

TEST_F(ShippedLocale, FormatsTimesInEnglish)
{
    EXPECT_EQ(std::u16string(store.FormatTime(2, 0, 0, 3725)), u"3,725 s");
    EXPECT_EQ(std::u16string(store.FormatTime(1, INT_MAX, INT_MAX, INT_MAX)), u"2,183,871,564:21:07");
    EXPECT_EQ(store.FormatTime(5, 0, 0, 1), nullptr);
    EXPECT_EQ(store.FormatTime(-1, 0, 0, 1), nullptr);
    EXPECT_EQ(store.FormatDate(4, 2007, 7, 3), nullptr);
    EXPECT_EQ(store.GetWeekdayName(7, true), nullptr);
    EXPECT_EQ(store.GetWeekdayName(-1, false), nullptr);
    EXPECT_EQ(std::u16string(store.GetWeekdayName(6, false)), u"Sunday");
    EXPECT_EQ(std::u16string(store.GetWeekdayName(0, true)), u"Mon");
}

TEST_F(ShippedLocale, EnglishOrdinalsUseTheSuffixTable)
{
    const std::pair<int, const char16_t*> cases[] = {{1, u"1st"},     {2, u"2nd"},     {3, u"3rd"},
                                                     {4, u"4th"},     {11, u"11th"},   {12, u"12th"},
                                                     {13, u"13th"},   {21, u"21st"},   {111, u"111th"},
                                                     {1001, u"1,001st"}, {0, u"0th"}, {-1, u"-1st"}};
    for (const auto& [value, expected] : cases) {
        EXPECT_EQ(std::u16string(store.FormatOrdinal(value, true)), expected);
        EXPECT_EQ(std::u16string(store.FormatOrdinal(value, false)), expected);
    }
}

TEST_F(ShippedLocale, ReproducesTheConventionsOfEveryLanguage)
{
    struct Conventions {
        const char16_t* name;
        const char16_t* integer;
        const char16_t* decimal;
        const char16_t* percent;
        const char16_t* male;
        const char16_t* female;
        const char16_t* numericLong;
        const char16_t* alphaLong;
        const char16_t* money;
    };
    const Conventions expected[] = {
        {u"English", u"1,234,567", u"1,234.57", u"50%", u"2nd", u"2nd", u"03/07/2007", u"3 July 2007",
         u"€1,234.57"},
        {u"Français", u"1\u00A0234\u00A0567", u"1\u00A0234,57", u"50\u00A0%", u"2e", u"2e", u"03/07/2007",
         u"3 juillet 2007", u"1\u00A0234,57 €"},
        {u"Deutsch", u"1.234.567", u"1.234,57", u"50 %", u"2.", u"2.", u"03.07.2007", u"3. Juli 2007",
         u"1.234,57 €"},
        {u"Italiano", u"1.234.567", u"1.234,57", u"50%", u"2º", u"2ª", u"03/07/2007", u"3 luglio 2007",
         u"1.234,57 €"},
        {u"Español", u"1.234.567", u"1.234,57", u"50 %", u"2º", u"2ª", u"03/07/2007", u"3 de julio de 2007",
         u"1.234,57 €"},
        {u"Polski", u"1\u00A0234\u00A0567", u"1\u00A0234,57", u"50%", u"2.", u"2.", u"03.07.2007",
         u"3 lipca 2007", u"1\u00A0234,57 €"},
    };
    for (int language = 0; language < 6; ++language) {
        SCOPED_TRACE(language);
        store.SetLanguage(language);
        const Conventions& want = expected[language];
        EXPECT_EQ(std::u16string(store.GetLocaleName()), want.name);
        EXPECT_EQ(std::u16string(store.FormatInt(1234567)), want.integer);
        EXPECT_EQ(std::u16string(store.FormatFloat(1234.567, 2)), want.decimal);
        EXPECT_EQ(std::u16string(store.FormatIntPercent(50)), want.percent);
        EXPECT_EQ(std::u16string(store.FormatOrdinal(2, true)), want.male);
        EXPECT_EQ(std::u16string(store.FormatOrdinal(2, false)), want.female);
        EXPECT_EQ(std::u16string(store.FormatDate(1, 2007, 7, 3)), want.numericLong);
        EXPECT_EQ(std::u16string(store.FormatDate(3, 2007, 7, 3)), want.alphaLong);
        EXPECT_EQ(std::u16string(store.FormatCurrency(1234.567)), want.money);
        EXPECT_EQ(std::u16string(store.FormatInt(-12)), u"-12");
        EXPECT_EQ(store.GetEuroMultiplier(), 1.0);
        EXPECT_EQ(std::u16string(store.FormatTime(1, 0, 0, 3725)), u"1:02:05");
        EXPECT_EQ(std::u16string(store.FormatTime(0, 0, 0, 3725)), u"1:02");
        EXPECT_EQ(std::u16string(store.FormatTime(3, 1, 30, 59)), u"90 min");
        EXPECT_EQ(std::u16string(store.FormatTime(4, 1, 30, 7200)), u"3 h");
        EXPECT_EQ(store.ParseInt(store.FormatInt(-7654321)), -7654321);
        EXPECT_DOUBLE_EQ(store.ParseFloat(store.FormatFloat(-7654.25, 2)), -7654.25);
    }
}
