#include <gtest/gtest.h>

#include <array>

#include "core/text/TextTools.h"

namespace {

std::array<std::uint8_t, 4> Compacted(std::array<std::uint8_t, 4> slots)
{
    CompactUniqueSlots4(slots.data());
    return slots;
}

using Slots = std::array<std::uint8_t, 4>;

}  // namespace

TEST(CompactUniqueSlots4Test, DropsRepeatsAndMovesGapsToTheEnd)
{
    EXPECT_EQ(Compacted({5, 5, 3, 5}), (Slots{5, 3, 0, 0}));
    EXPECT_EQ(Compacted({0, 7, 0, 7}), (Slots{7, 0, 0, 0}));
    EXPECT_EQ(Compacted({0, 0, 0, 9}), (Slots{9, 0, 0, 0}));
    EXPECT_EQ(Compacted({4, 3, 2, 1}), (Slots{4, 3, 2, 1}));
    EXPECT_EQ(Compacted({2, 0, 1, 2}), (Slots{2, 1, 0, 0}));
    EXPECT_EQ(Compacted({0, 0, 0, 0}), (Slots{0, 0, 0, 0}));
}
