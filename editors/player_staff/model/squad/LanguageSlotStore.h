#pragma once
// Stores the languages chosen on a person page. The chosen slots are taken
// as they are, a cleared slot included; a language chosen twice stays in
// its first slot only and the rest close up.

#include <cstdint>
#include <span>

class TPerson;

class LanguageSlotStore {
public:
    static constexpr int HighestLanguage = 62;

    // chosen[i] for slot i; slots beyond the chosen ones keep their value.
    // A language above 62 counts as none.
    static void Store(TPerson& person, std::span<const std::uint8_t> chosen);
    // The same for the slots whose bit (1 << slot) is set in chosenSlots
    // only: every other slot keeps its value, also one above 62.
    static void Store(TPerson& person, std::span<const std::uint8_t> chosen, unsigned chosenSlots);
};
