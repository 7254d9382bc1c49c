#pragma once
// The appearance page's four lists and the country's masks: value v is
// allowed when bit v % 32 of word v / 32 is set.

#include <cstdint>
#include <span>
#include <vector>

enum class TAppearanceList { HairColour, Hairstyle, Face, FacialHair };

// The stored value of every list item, in list order.
std::vector<int> AppearanceValues(TAppearanceList list);
std::vector<bool> SelectionFromMask(const std::vector<int>& values, std::span<const std::uint32_t> mask);
// The mask of the selected values. Bits of values the list does not hold
// stay as they were: the list cannot show them, so it cannot have cleared them.
void MaskFromSelection(const std::vector<int>& values, const std::vector<bool>& selected, std::span<std::uint32_t> mask);
