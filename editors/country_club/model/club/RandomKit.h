#pragma once
// The random kit of the kit page: colours drawn from the palette entries
// near the club's team colours and the colours its generated badge names.
// Colours are 0xRRGGBB (a top byte is ignored).

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

class TKit;

// |R1 - R2| + |G1 - G2| + |B1 - B2|.
int ColourDistance(std::uint32_t a, std::uint32_t b);

// Colours closer than this count as alike.
inline constexpr int AlikeColourDistance = 92;

// The colour a file-name token begins with ("bl", "ge", ..., "or"), the
// first in the table's order; none when it begins with no name.
std::optional<std::uint32_t> ColourOfToken(std::u16string_view token);

// The two colours named by a generated badge's file name
// ("Color\Badge%d\<first>_<second>..."); none for other badge paths.
std::vector<std::uint32_t> BadgePathColours(std::u16string_view badgePath);

// Palette indexes closer than AlikeColourDistance to any reference.
std::vector<int> RandomKitCandidates(const std::vector<std::uint32_t>& references);

// randomInt(n) gives 0..n-1.
using RandomSource = std::function<int(int)>;

// Draws the styles and the colours of slots 0, 2 and 3 of both kits from
// the candidates and writes them into the kit; no candidate changes
// nothing and gives false.
bool MakeRandomKit(TKit& kit, const std::vector<int>& candidates, const RandomSource& randomInt);

class CTeamColourTextFile;

// The references of a club: both colours of its team-colour entry (none
// for an index outside the list) and its generated badge's colours.
std::vector<std::uint32_t> RandomKitReferences(const CTeamColourTextFile& teamColours, int entry,
                                               std::u16string_view badgePath);
