#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>

#include "core/text/TextManager.h"
#include "tests/common/TestSupport.h"
#include "tools/ValueText.h"

namespace {

constexpr int English = 0;
constexpr int German = 2;

class SpinText : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(texts.LoadFile(testing_support::SourcePath(u"data\\trdata\\DatabaseEditor.txt").c_str()));
    }
    TSpinEditFormat Float(double low, double high, int decimals)
    {
        TSpinEditFormat format;
        format.decimals = decimals;
        format.scale = decimals == 2 ? 100.0 : 10.0;
        format.minimum = ScaleSpinValue(low, format.scale);
        format.maximum = ScaleSpinValue(high, format.scale);
        return format;
    }
    CTextManager texts;
};

}  // namespace

TEST_F(SpinText, TypedValuesLandInTheRange)
{
    TSpinEditFormat range;  // 0..100
    EXPECT_EQ(SpinValueFromText(texts, range, u"250"), 100);
    EXPECT_EQ(SpinValueFromText(texts, range, u"-7"), 0);
    range.minimum = 10;
    range.maximum = 1;
    EXPECT_EQ(SpinValueFromText(texts, range, u"0"), 1);
    EXPECT_EQ(SpinValueFromText(texts, range, u"11"), 10);
    EXPECT_EQ(SpinValueAfterDelta(texts, range, u"10", 1), 10);
    range.minimum = INT32_MIN;
    range.maximum = INT32_MAX;
    EXPECT_EQ(SpinValueAfterDelta(texts, range, u"2147483647", 5), INT32_MAX);
}

TEST_F(SpinText, SpecialTextStandsForItsValue)
{
    TSpinEditFormat format;
    format.specialText = u"none";
    EXPECT_EQ(SpinValueText(texts, format, 0), u"none");
    EXPECT_EQ(SpinValueText(texts, format, 1), u"1");
    format.specialValue = 5;
    format.minimum = 1;
    EXPECT_EQ(SpinValueFromText(texts, format, u"none"), 5);
}

TEST_F(SpinText, FloatModeRoundsToNearest)
{
    TSpinEditFormat format = Float(0.0, 1.5, 2);
    EXPECT_EQ(format.maximum, 150);
    EXPECT_EQ(ScaleSpinValue(0.555, 100.0), 56);
    EXPECT_EQ(SpinValueText(texts, format, 56), u"0.56");
    EXPECT_EQ(SpinValueFromText(texts, format, u"0.29"), 29);
    EXPECT_EQ(ScaleSpinValue(-0.29, 100.0), -29);
    EXPECT_EQ(ScaleSpinValue(1e300, 100.0), INT32_MAX);
}

TEST_F(SpinText, TypedDecimalsBeyondTheScaleAreCutOff)
{
    TSpinEditFormat format = Float(-20.0, 20.0, 2);
    EXPECT_EQ(SpinValueFromText(texts, format, u"12.345"), 1234);
    EXPECT_EQ(SpinValueFromText(texts, format, u"12.349"), 1234);
    EXPECT_EQ(SpinValueFromText(texts, format, u"0.555"), 55);
    EXPECT_EQ(SpinValueFromText(texts, format, u"-0.555"), -55);
    EXPECT_EQ(SpinValueFromText(texts, format, u"-0.29"), -29);
    EXPECT_EQ(SpinValueAfterDelta(texts, format, u"1.999", 1), 200);
    EXPECT_EQ(TruncateSpinValue(1e300, 100.0), INT32_MAX);
    EXPECT_EQ(TruncateSpinValue(-1e300, 100.0), INT32_MIN);
    // A value set from code is still rounded.
    EXPECT_EQ(ScaleSpinValue(12.345, 100.0), 1235);
}

TEST_F(SpinText, EveryHundredthUpToTwentyRoundTrips)
{
    for (int language : {English, German}) {
        texts.SetLanguage(language);
        const TSpinEditFormat format = Float(0.0, 20.0, 2);
        for (int value = 0; value <= 2000; ++value) {
            const std::u16string text = SpinValueText(texts, format, value);
            ASSERT_EQ(SpinValueFromText(texts, format, text), value) << testing_support::Narrow(text);
        }
    }
}

TEST_F(SpinText, FormatPutsTheNumberAtEveryValueMark)
{
    TSpinEditFormat format;
    format.maximum = 10000;
    format.format = MakeSpinEditFormat(u"_VALUE,- \u20AC");
    EXPECT_EQ(SpinValueText(texts, format, 12), u"12 \u20AC");
    format.format = MakeSpinEditFormat(u"_VALUE % of _VALUE");
    EXPECT_EQ(SpinValueText(texts, format, 1234), u"1,234 % of 1,234");
    format.plainDigits = true;
    EXPECT_EQ(SpinValueText(texts, format, 1234), u"1234 % of 1234");
    EXPECT_EQ(SpinValueFromText(texts, format, u"12 \u20AC"), 12);
}

TEST(DateUpdate, MatchesPythonCalendar)
{
    const auto bytes = testing_support::ReadBytes(testing_support::SourcePath(u"tests\\tools\\golden\\date_update.txt"));
    std::istringstream golden(std::string(bytes.begin(), bytes.end()));
    std::string line;
    int checked = 0;
    while (std::getline(golden, line)) {
        TDateParts typed, low, high, expected;
        if (std::sscanf(line.c_str(), "%d %d %d | %d %d %d | %d %d %d -> %d %d %d", &typed.year, &typed.month,
                        &typed.day, &low.year, &low.month, &low.day, &high.year, &high.month, &high.day,
                        &expected.year, &expected.month, &expected.day) != 12)
            continue;
        const TDateParts got = UpdateDate(typed, MakeDateBound(low.year, low.month, low.day),
                                          MakeDateBound(high.year, high.month, high.day));
        ASSERT_EQ(got, expected) << line;
        ++checked;
    }
    EXPECT_EQ(checked, 2 * 7 * 12 * 31);
}

TEST(DateUpdate, BoundsAndTypedParts)
{
    EXPECT_EQ(UnpackDate(MakeDateBound(12000, 2, 30)), (TDateParts{9999, 2, 28}));
    const std::int32_t from1990 = MakeDateBound(1990, 1, 1);
    EXPECT_EQ(UpdateDate({1985, 6, 1}, from1990, MakeDateBound(9999, 12, 31)), (TDateParts{1990, 1, 1}));
    // Crossed bounds still end on a date instead of bouncing between them.
    EXPECT_EQ(UpdateDate({2000, 6, 1}, MakeDateBound(2010, 1, 1), MakeDateBound(1990, 1, 1)), (TDateParts{2010, 1, 1}));
    EXPECT_EQ(ParseDatePart(u"12x"), 12);
    EXPECT_EQ(ParseDatePart(u"x"), 0);
    EXPECT_EQ(ParseDatePart(u"99999999999"), INT32_MAX);
}

TEST(ValueLayout, DateFieldsGroupsAndSwatches)
{
    const TDateLayout date = LayoutDateFields({10, 20, 100, 14});
    EXPECT_EQ(date.day, (TValueRect{10, 20, 28, 14}));
    EXPECT_EQ(date.month, (TValueRect{42, 20, 28, 14}));
    EXPECT_EQ(date.year, (TValueRect{74, 20, 36, 14}));

    EXPECT_EQ(LayoutGroupButtons({0, 0, 200, 100}, 40, 2, 32).size(), 32u);
    EXPECT_TRUE(LayoutGroupButtons({0, 0, 200, 100}, 0, 2, 32).empty());
    const auto boxes = LayoutGroupButtons({10, 5, 216, 80}, 5, 2, 32);
    ASSERT_EQ(boxes.size(), 5u);
    const TValueRect expected[5] = {
        {18, 23, 100, 16}, {18, 39, 100, 16}, {18, 55, 100, 16}, {118, 23, 100, 16}, {118, 39, 100, 16}};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(boxes[i], expected[i]) << i;

    EXPECT_EQ(SplitSwatchBands(22, 3), (std::vector<int>{8, 7, 7}));
    EXPECT_EQ(SplitSwatchBands(22, 0), std::vector<int>{});
    // A 130-px item: fifth 26, frame 22 wide, bands over the inner 20.
    const TColourSwatch swatch = LayoutColourSwatch({0, 0, 130, 14}, 3);
    EXPECT_EQ(swatch.frame, (TValueRect{2, 2, 22, 10}));
    ASSERT_EQ(swatch.bands.size(), 3u);
    EXPECT_EQ(swatch.bands[0], (TValueRect{3, 3, 7, 8}));
    EXPECT_EQ(swatch.bands[2], (TValueRect{17, 3, 6, 8}));
    EXPECT_EQ(swatch.textLeft, 28);
}
