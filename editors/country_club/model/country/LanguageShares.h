#pragma once
// The four language shares of a country, kept at most 100 per cent while the
// user types.

#include <array>

using TLanguageShares = std::array<int, 4>;

// Lowers the share that just changed by what the four exceed 100; returns
// the sum to show.
int CapLanguageShares(TLanguageShares& shares, int changed);
