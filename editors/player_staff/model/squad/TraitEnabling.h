#pragma once
// Which character-trait boxes the user may tick: at most four traits, and
// never both traits of an exclusive pair.

#include <cstdint>

class TPerson;

class TraitEnabling {
public:
    static constexpr int TraitCount = 23;
    static constexpr int MaxTraits = 4;

    // Bits 0..22: the boxes to enable for the person's traits.
    static std::uint32_t EnabledBoxes(const TPerson& person);
    static int CountTraits(std::uint32_t characterWord);
};
