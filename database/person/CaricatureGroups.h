#pragma once
// The caricatures a player may be given by a group of positions: lists 1..4
// for invented players by position group, list 5 also for old files'
// forwards.

#include <cstdint>

inline constexpr int CaricatureGroupCount = 5;
inline constexpr std::uint8_t GroupCaricatures[CaricatureGroupCount][7] = {
    {1, 2, 4, 5}, {1, 2, 3, 4, 5}, {9, 10, 11, 12, 13}, {6, 7, 9, 10, 11, 12, 5}, {14, 15, 16, 17, 18, 20, 19}};
inline constexpr int GroupCaricatureCounts[CaricatureGroupCount] = {4, 5, 5, 7, 7};
