#include "core/text/TextTools.h"

#include <algorithm>

void CompactUniqueSlots4(std::uint8_t slots[4])
{
    for (int i = 3; i >= 1; --i) {
        if (std::find(slots, slots + i, slots[i]) != slots + i) slots[i] = 0;
    }
    std::stable_partition(slots, slots + 4, [](std::uint8_t slot) { return slot != 0; });
}
