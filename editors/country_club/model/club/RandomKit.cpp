#include "editors/country_club/model/club/RandomKit.h"

#include <array>
#include <cstdlib>

#include "database/club/Kit.h"
#include "database/club/KitPalette.h"
#include "database/club/ReferenceLists.h"

namespace {

struct TNamedColour {
    std::u16string_view name;
    std::uint32_t colour;
};

constexpr std::array<TNamedColour, 10> ColourNames = {{
    {u"bl", 0x0C3E95},
    {u"ge", 0xFFFF00},
    {u"gr", 0x009900},
    {u"ro", 0xB50000},
    {u"sw", 0x000000},
    {u"ws", 0xFFFFFF},
    {u"dro", 0x750C07},
    {u"hbl", 0x64C5DC},
    {u"li", 0x9900CC},
    {u"or", 0xF96611},
}};

constexpr std::u16string_view GeneratedBadgePrefix = u"Color\\Badge%d\\";

// The style ranges the random kit draws from; the last style 0 is left to
// the user.
constexpr std::array<int, TKit::PartCount> RandomStyleCount = {41, 13, 4};
// The colour slot each part's colours go to.
constexpr std::array<int, TKit::PartCount> PartSlot = {0, 2, 3};
constexpr int RejectedDrawsBeforeKeeping = 8;

char16_t Lower(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

bool StartsWithNoCase(std::u16string_view text, std::u16string_view prefix)
{
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (Lower(text[i]) != Lower(prefix[i])) return false;
    }
    return true;
}

int Channel(std::uint32_t colour, int shift)
{
    return static_cast<int>((colour >> shift) & 0xFF);
}

std::uint32_t PaletteColour(int index)
{
    return GetKitPaletteColourArgb(index) & 0xFFFFFF;
}

bool IsAlike(int index, int other)
{
    return ColourDistance(PaletteColour(index), PaletteColour(other)) < AlikeColourDistance;
}

// One colour for position component of the slot: redrawn while it is
// alike the home kit's colour at the same place (away kit only) or the
// colour before it, the ninth draw kept as it is.
int DrawColour(const TKit& kit, int k, int slot, int component, const std::array<int, 3>& chosen,
               const std::vector<int>& candidates, const RandomSource& randomInt)
{
    std::uint8_t home[3] = {};
    kit.GetColour(0, slot, home[0], home[1], home[2]);
    for (int draw = 0;; ++draw) {
        const int colour = candidates[static_cast<std::size_t>(randomInt(static_cast<int>(candidates.size())))];
        if (draw == RejectedDrawsBeforeKeeping) return colour;
        const bool likeHome = k == 1 && IsAlike(colour, home[component]);
        const bool likePrevious = component > 0 && IsAlike(colour, chosen[static_cast<std::size_t>(component - 1)]);
        if (!likeHome && !likePrevious) return colour;
    }
}

}  // namespace

int ColourDistance(std::uint32_t a, std::uint32_t b)
{
    return std::abs(Channel(a, 16) - Channel(b, 16)) + std::abs(Channel(a, 8) - Channel(b, 8)) +
           std::abs(Channel(a, 0) - Channel(b, 0));
}

std::optional<std::uint32_t> ColourOfToken(std::u16string_view token)
{
    for (const TNamedColour& named : ColourNames) {
        if (StartsWithNoCase(token, named.name)) return named.colour;
    }
    return std::nullopt;
}

std::vector<std::uint32_t> BadgePathColours(std::u16string_view badgePath)
{
    std::vector<std::uint32_t> colours;
    if (!StartsWithNoCase(badgePath, GeneratedBadgePrefix)) return colours;
    const std::u16string_view name = badgePath.substr(GeneratedBadgePrefix.size());
    const std::size_t separator = name.find(u'_');
    const std::u16string_view first = name.substr(0, separator);
    const std::u16string_view second =
        separator == std::u16string_view::npos ? std::u16string_view() : name.substr(separator + 1);
    for (const std::u16string_view token : {first, second.substr(0, second.find(u'_'))}) {
        if (const auto colour = ColourOfToken(token)) colours.push_back(*colour);
    }
    return colours;
}

std::vector<int> RandomKitCandidates(const std::vector<std::uint32_t>& references)
{
    std::vector<int> candidates;
    for (int index = 0; index < KitPaletteSize; ++index) {
        for (const std::uint32_t reference : references) {
            if (ColourDistance(PaletteColour(index), reference) < AlikeColourDistance) {
                candidates.push_back(index);
                break;
            }
        }
    }
    return candidates;
}

bool MakeRandomKit(TKit& kit, const std::vector<int>& candidates, const RandomSource& randomInt)
{
    if (candidates.empty()) return false;
    for (int k = 0; k < TKit::KitCount; ++k) {
        for (int part = 0; part < TKit::PartCount; ++part) {
            const auto p = static_cast<std::size_t>(part);
            kit.SetStyle(k, part, static_cast<std::uint8_t>(1 + randomInt(RandomStyleCount[p])));
            std::array<int, 3> chosen = {};
            for (int component = 0; component < 3; ++component) {
                chosen[static_cast<std::size_t>(component)] =
                    DrawColour(kit, k, PartSlot[p], component, chosen, candidates, randomInt);
            }
            kit.SetColour(k, PartSlot[p], static_cast<std::uint8_t>(chosen[0]), static_cast<std::uint8_t>(chosen[1]),
                          static_cast<std::uint8_t>(chosen[2]));
        }
    }
    return true;
}

std::vector<std::uint32_t> RandomKitReferences(const CTeamColourTextFile& teamColours, int entry,
                                               std::u16string_view badgePath)
{
    std::vector<std::uint32_t> references;
    if (entry >= 0 && entry < teamColours.GetCount()) {
        references.push_back(teamColours.GetColour(entry, 0));
        references.push_back(teamColours.GetColour(entry, 1));
    }
    for (const std::uint32_t colour : BadgePathColours(badgePath)) references.push_back(colour);
    return references;
}
