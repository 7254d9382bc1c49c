#include <gtest/gtest.h>

#include <string>

#include "core/text/TextTools.h"

TEST(FormatHeightImperialTest, FeetAndInches)
{
    EXPECT_EQ(std::u16string(FormatHeightImperial(180)), u"5' 10''");
    EXPECT_EQ(std::u16string(FormatHeightImperial(183)), u"6' 0''");
    EXPECT_EQ(std::u16string(FormatHeightImperial(0)), u"0' 0''");
}

TEST(FormatHeightImperialTest, ComputesInSinglePrecision)
{
    // In double precision these would come out one inch shorter.
    EXPECT_EQ(std::u16string(FormatHeightImperial(127)), u"4' 2''");
    EXPECT_EQ(std::u16string(FormatHeightImperial(254)), u"8' 4''");
}

TEST(FormatWeightImperialTest, StoneAndPounds)
{
    EXPECT_EQ(std::u16string(FormatWeightImperial(75)), u"11st 11lbs");
    EXPECT_EQ(std::u16string(FormatWeightImperial(0)), u"0st");
    EXPECT_EQ(std::u16string(FormatWeightImperial(64)), u"10st 1lbs");
}

TEST(FormatImperialTest, FormattersShareOneBuffer)
{
    const char16_t* height = FormatHeightImperial(180);
    const char16_t* weight = FormatWeightImperial(75);
    EXPECT_EQ(height, weight);
}
