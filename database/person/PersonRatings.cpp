// Position ratings from the abilities, and the position operations.

#include <algorithm>
#include <iterator>

#include "database/person/Person.h"

namespace {
constexpr int PositionCount = TPerson::RatingCount;
constexpr int DivisorColumn = TPerson::AbilityCount;

// Weight of each ability per position; the last column is the row's sum.
// Goalkeeping abilities weigh nothing outfield; the twin rows of the two
// sides are equal.
constexpr float Weights[PositionCount][TPerson::AbilityCount + 1] = {
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0.25, 0.25},
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0.25, 0, 0, 0.25, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0.25, 0.25, 0.25, 1, 1, 0.75, 1, 1, 0.75, 1, 0.75, 8.5},
    {0, 0, 0.25, 0.25, 0.5, 0, 0, 0, 0, 0, 0.5, 0.25, 0, 1, 1, 0.5, 0.25, 0.5, 1, 1, 0.75, 0.5, 0.25, 0.25, 0.75, 0.5, 0.25, 0.25, 0.5, 0.25, 0.25, 0.5, 0.25, 0, 0.25, 0, 0, 0, 0, 0, 0, 0, 0, 12.5},
    {0, 0, 0.25, 0.25, 0.5, 0, 0, 0, 0, 0, 0.5, 0.25, 0, 1, 1, 0.5, 0.25, 0.5, 1, 1, 0.75, 0.5, 0.25, 0.25, 0.75, 0.5, 0.25, 0.25, 0.5, 0.25, 0.25, 0.5, 0.25, 0, 0.25, 0, 0, 0, 0, 0, 0, 0, 0, 12.5},
    {0, 0, 0, 0.25, 0, 0, 0, 0, 0, 0, 0.25, 0.5, 0, 1, 1, 1, 0.5, 0, 0.75, 0.75, 0.25, 1, 0, 1, 0.25, 0.5, 0.5, 0.5, 0.5, 0.25, 0.5, 0.25, 0.25, 0.5, 0.25, 0, 0, 0, 0, 0, 0, 0, 0, 12.5},
    {0, 0, 0.25, 0.5, 0, 0.25, 0, 0, 0, 0, 1, 0.5, 0, 1, 1, 0.75, 0.5, 0, 0.5, 0.5, 0.25, 0.5, 0.25, 0.5, 0.25, 1, 0.25, 0.75, 0.75, 0.75, 0.25, 0.25, 0.25, 0.25, 0.5, 0, 0, 0, 0, 0, 0, 0, 0, 13.5},
    {0, 0, 0.75, 0.5, 1, 0.25, 0, 0, 0, 0, 0.5, 0.25, 0.25, 0.75, 0.5, 0.25, 0.5, 0.75, 1, 1, 0.75, 0.25, 0.5, 0.25, 1, 0.5, 0.25, 0.25, 0.25, 0.25, 0.25, 0.5, 0.25, 0.25, 0, 0, 0, 0, 0, 0, 0, 0, 0, 13.75},
    {0, 0, 0.75, 0.5, 1, 0.25, 0, 0, 0, 0, 0.5, 0.25, 0.25, 0.75, 0.5, 0.25, 0.5, 0.75, 1, 1, 0.75, 0.25, 0.5, 0.25, 1, 0.5, 0.25, 0.25, 0.25, 0.25, 0.25, 0.5, 0.25, 0.25, 0, 0, 0, 0, 0, 0, 0, 0, 0, 13.75},
    {0, 0.25, 0.25, 0.25, 0, 0.25, 0, 0, 0, 0, 0.75, 0.25, 0, 1, 1, 0.75, 0.25, 0, 0.25, 0.25, 0.5, 1, 0, 0.5, 0.5, 1, 0.75, 0.5, 0.75, 0.5, 0.25, 0.25, 0.25, 0.5, 0.25, 0, 0, 0, 0, 0, 0, 0, 0, 13},
    {0.25, 0.25, 0.25, 0.5, 0, 0.25, 0, 0, 0, 0, 1, 0.5, 0.25, 1, 0.75, 0.25, 0.5, 0.25, 0.25, 0.25, 1, 0.5, 0.25, 0.25, 0.75, 1, 0.5, 0.75, 0.5, 0.75, 0.25, 0.5, 0.25, 0.25, 0.25, 0, 0, 0, 0, 0, 0, 0, 0, 14.25},
    {0.25, 0.5, 1, 1, 1, 0.5, 0.25, 0.25, 0.25, 0, 1, 0.25, 0.5, 0.25, 0.25, 0.25, 0.75, 0.5, 1, 1, 0.75, 0.25, 0.5, 0.25, 1, 0.25, 0, 0.25, 0.25, 0.25, 0.25, 0.5, 0.25, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 15.5},
    {0.25, 0.5, 1, 1, 1, 0.5, 0.25, 0.25, 0.25, 0, 1, 0.25, 0.5, 0.25, 0.25, 0.25, 0.75, 0.5, 1, 1, 0.75, 0.25, 0.5, 0.25, 1, 0.25, 0, 0.25, 0.25, 0.25, 0.25, 0.5, 0.25, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 15.5},
    {0.5, 0.5, 0.5, 1, 0.25, 1, 0.25, 0.25, 0.25, 0.25, 1, 0.75, 0.5, 0.5, 0.25, 0.25, 0.5, 0.25, 0.25, 0.25, 0.75, 0.25, 0.25, 0.25, 0.75, 0.75, 0.25, 0.5, 0.25, 1, 0.25, 0.5, 0.25, 0.25, 0.25, 0, 0, 0, 0, 0, 0, 0, 0, 15.75},
    {0.5, 0.25, 1, 0.75, 1, 0.5, 0.5, 0.25, 0.25, 0.25, 0.25, 0.25, 0.75, 0, 0, 0.25, 0.5, 0.75, 1, 1, 0.25, 0.25, 0.75, 0.25, 0.5, 0.25, 0.25, 0.25, 0.25, 0.25, 0.25, 0.25, 0.25, 0.25, 0, 0, 0, 0, 0, 0, 0, 0, 0, 14.25},
    {0.5, 0.25, 1, 0.75, 1, 0.5, 0.5, 0.25, 0.25, 0.25, 0.25, 0.25, 0.75, 0, 0, 0.25, 0.5, 0.75, 1, 1, 0.25, 0.25, 0.75, 0.25, 0.5, 0.25, 0.25, 0.25, 0.25, 0.25, 0.25, 0.25, 0.25, 0.25, 0, 0, 0, 0, 0, 0, 0, 0, 0, 14.25},
    {0.5, 0.5, 1, 1, 0.25, 1, 0.75, 0.25, 0.25, 0.25, 1, 0.25, 0.75, 0.25, 0.25, 0.25, 0.75, 0.5, 0.5, 0.25, 0.25, 0.25, 0.5, 0.25, 0.25, 0.5, 0.25, 0.5, 0.25, 1, 0.25, 0.25, 0.25, 0.25, 0.25, 0, 0, 0, 0, 0, 0, 0, 0, 15.75},
    {1, 0.5, 0.75, 1, 0.25, 0.75, 1, 0.25, 0.25, 0.25, 0.5, 0, 0.5, 0, 0, 0.5, 1, 0.5, 0.75, 0.5, 0.25, 0.25, 0.5, 0.25, 0.25, 0.5, 0, 0.75, 0.25, 0.25, 0.25, 0.25, 0.25, 0, 0.25, 0, 0, 0, 0, 0, 0, 0, 0, 14.5},
    {1, 0.75, 0.75, 0.75, 0.25, 0.25, 1, 0, 0, 0, 0.25, 0.25, 0.5, 0, 0, 1, 0.5, 1, 1, 1, 0.5, 0.75, 0.5, 0.5, 0.25, 0, 0.25, 0.5, 0.25, 0.25, 0.25, 0.25, 0.25, 0.25, 0.25, 0, 0, 0, 0, 0, 0, 0, 0, 15.25},
};

enum Side { NoSide, RightSide, LeftSide };
constexpr Side Sides[PositionCount] = {NoSide,    NoSide,    RightSide, LeftSide,  NoSide, NoSide,
                                       RightSide, LeftSide,  NoSide,    NoSide,    RightSide, LeftSide,
                                       NoSide,    RightSide, LeftSide,  NoSide,    NoSide,    NoSide};
constexpr int Groups[PositionCount] = {1, 1, 2, 2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 3, 4, 4};
// ShotPower, LongShots, Crossing, Passing, LongPassing, Tackling.
constexpr bool FootDependent[TPerson::AbilityCount] = {true, true, false, false, true, false, false, false, false,
                                                       false, true, true, false, true};

constexpr int CaricatureCount = 21;
constexpr std::uint32_t Allowed(std::initializer_list<int> caricatures)
{
    std::uint32_t mask = 0;
    for (int c : caricatures) mask |= 1u << c;
    return mask;
}
// Per position, one bit per caricature that suits it.
constexpr std::uint32_t AllowedCaricatures[PositionCount] = {
    0,
    Allowed({0}),
    Allowed({0, 1, 2, 4, 5, 6, 9, 18, 20}),
    Allowed({0, 1, 2, 4, 5, 6, 9, 17, 20}),
    Allowed({0, 2, 3, 4, 5, 6, 7, 9, 20}),
    Allowed({0, 2, 4, 5, 6, 7, 9, 10, 20}),
    Allowed({0, 1, 2, 4, 5, 6, 9, 12, 13, 18, 20}),
    Allowed({0, 1, 2, 4, 5, 6, 9, 12, 13, 17, 20}),
    Allowed({0, 2, 3, 4, 5, 6, 9, 20}),
    Allowed({0, 1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 20}),
    Allowed({0, 1, 4, 5, 6, 8, 9, 10, 11, 12, 13, 16, 18, 20}),
    Allowed({0, 1, 4, 5, 6, 8, 9, 10, 11, 12, 13, 16, 17, 20}),
    Allowed({0, 1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 20}),
    Allowed({0, 1, 6, 9, 13, 16, 18, 19, 20}),
    Allowed({0, 1, 6, 9, 13, 16, 17, 19, 20}),
    Allowed({0, 1, 4, 6, 8, 9, 11, 12, 20}),
    Allowed({0, 1, 6, 9, 11, 15, 16, 19, 20}),
    Allowed({0, 1, 6, 9, 14, 15, 16, 19, 20}),
};

bool IsPosition(int position)
{
    return position >= 0 && position < PositionCount;
}

double FootFactor(Side side, int foot)
{
    if (side == LeftSide && foot == 0) return 0.6;
    if (side == RightSide && foot == 1) return 0.6;
    if (side == LeftSide && foot == 2) return 0.85;
    if (side == RightSide && foot == 3) return 0.85;
    return 1.0;
}

int GroupOf(int position)
{
    return IsPosition(position) ? Groups[position] : 0;
}
}  // namespace

float TPerson::GetPositionWeight(int position, int column)
{
    return IsPosition(position) && column >= 0 && column <= DivisorColumn ? Weights[position][column] : 0.0f;
}

int TPerson::GetPositionRating(int position) const
{
    // A stored byte outside the table rates 0 and leaves the cache alone.
    if (!IsPosition(position)) return 0;
    std::int32_t& cached = ratingCache_[position];
    if (cached != -1) return cached;
    const double foot = FootFactor(Sides[position], GetPreferredFoot());
    double sum = 0;
    for (int ability = 0; ability < AbilityCount; ++ability) {
        const double term = static_cast<double>(abilities[ability]) * Weights[position][ability];
        sum += FootDependent[ability] ? term * foot : term;
    }
    const double rating = sum / Weights[position][DivisorColumn];
    cached = std::clamp(static_cast<std::int32_t>(rating), 0, 99);
    return cached;
}

bool TPerson::IsRatingStale() const
{
    return std::all_of(std::begin(ratingCache_), std::end(ratingCache_), [](std::int32_t r) { return r == -1; });
}

int TPerson::GetLevel() const
{
    return GetPositionRating(positions[0]);
}

void TPerson::FillPositionRatings(std::int32_t (&out)[RatingCount]) const
{
    for (int position = 1; position < PositionCount; ++position) out[position] = GetPositionRating(position);
}

void TPerson::GetPositionRatings(std::int32_t (&out)[RatingCount]) const
{
    FillPositionRatings(out);
    for (int position = 1; position < PositionCount; ++position) out[position] = std::max(out[position], 0);
}

int TPerson::GetBestPositionRating() const
{
    int best = 0;
    for (int position = 1; position < PositionCount; ++position) best = std::max(best, GetPositionRating(position));
    return best;
}

int TPerson::GetPositionGroup() const
{
    return GroupOf(positions[0]);
}

int TPerson::GetSecondaryPositionGroup(int index) const
{
    return index >= 0 && index + 1 < PositionSlots ? GroupOf(positions[index + 1]) : 0;
}

void TPerson::NormalisePositions()
{
    for (int slot = 1; slot < PositionSlots; ++slot) {
        if (std::find(positions, positions + slot, positions[slot]) != positions + slot) positions[slot] = 0;
    }
    for (int slot = 0; slot < PositionSlots - 1; ++slot) {
        if (positions[slot] != 0) continue;
        const int groupEnd = slot < 3 ? 3 : PositionSlots;
        std::copy(positions + slot + 1, positions + groupEnd, positions + slot);
        positions[groupEnd - 1] = 0;
    }
}

bool TPerson::IsCaricatureAllowed(int caricature) const
{
    if (caricature < 0 || caricature >= CaricatureCount) return false;
    for (int slot = 0; slot < 3; ++slot) {
        const int position = positions[slot];
        if (position != 0 && IsPosition(position) && (AllowedCaricatures[position] & (1u << caricature)) != 0) {
            return true;
        }
    }
    return false;
}

bool TPerson::IsCaricatureAllowedAt(int position, int caricature)
{
    return IsPosition(position) && caricature >= 0 && caricature < CaricatureCount &&
           (AllowedCaricatures[position] & (1u << caricature)) != 0;
}

int TPerson::PositionGroupOf(int position)
{
    return GroupOf(position);
}

int TPerson::PositionSideOf(int position)
{
    return IsPosition(position) ? static_cast<int>(Sides[position]) : 0;
}
