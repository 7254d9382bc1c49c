#include <gtest/gtest.h>

#include "database/world/ValueTables.h"

TEST(ValueTables, StadiumCodes)
{
    EXPECT_EQ(ConvertStadiumValue(0x2003, 10), 0);
    EXPECT_EQ(ConvertStadiumValue(0x2003, 11), 0);
    EXPECT_EQ(ConvertStadiumValue(0x2003, 6), 2);
    EXPECT_EQ(ConvertStadiumValue(0x2003, 5), 1);
    EXPECT_EQ(ConvertStadiumValue(0, 7), 7);
    EXPECT_EQ(ConvertStadiumValue(5, 9), 9);
}

TEST(ValueTables, KitStylesAndColours)
{
    EXPECT_EQ(ConvertKitStyle0(0), 30);
    EXPECT_EQ(ConvertKitStyle0(42), 42);
    EXPECT_EQ(ConvertKitStyle0(43), 0);
    EXPECT_EQ(ConvertKitStyle1(12), 13);
    EXPECT_EQ(ConvertKitStyle1(13), 0);
    EXPECT_EQ(ConvertKitStyle2(3), 4);
    EXPECT_EQ(ConvertKitColour(0), 18);
    EXPECT_EQ(ConvertKitColour(22), 63);
    EXPECT_EQ(ConvertKitColour(23), 0);
    // The end mark is never a value.
    EXPECT_EQ(ConvertKitColour(255), 0);
}
