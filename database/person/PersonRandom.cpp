// Invented players: names, birth, positions and foot, and the abilities
// from age curve, caricature emphasis, rating weights and character.

#include <algorithm>
#include <cmath>
#include <string_view>

#include "core/Random.h"
#include "database/person/CaricatureGroups.h"
#include "database/club/Club.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/world/Date.h"
#include "database/person/NamePool.h"
#include "database/person/Person.h"

namespace {
constexpr int AgePoints = 6;
constexpr int CaricatureCount = 21;
constexpr int EmphasisedAbilities = 26;
constexpr int Goalkeeper = 1;
constexpr int Abilities = TPerson::AbilityCount;

enum TAbility {
    PenaltyShot = 9, Passing = 10, LongPassing = 11, Tackling = 13,
    ForwardRuns = 17, Acceleration = 18, Pace = 19, WorkRate = 20, FirstMental = 26, Aggression = 26,
    Composure = 27, Concentration = 28, Decision = 29, Determination = 30, TeamWork = 31, Consistency = 32,
    Intimidation = 33, Leadership = 34, FirstGoalkeeping = 35,
};

enum TTrait {
    Complacency = 1, StrongNerves = 2, WeakNerves = 3, HardMan = 5, IdentificationHigh = 7,
    IdentificationLow = 8, ScandalProne = 11, LazyInTraining = 16, Professionalism = 20,
};

// Per cent of an ability reached at ages 15, 20, 25, 30, 35 and 40: skills
// peak at 25 to 30, the body at 20 to 25, the mind keeps growing and
// goalkeepers mature late.
constexpr int AgeCurve[Abilities][AgePoints] = {
    {50, 80, 100, 90, 70, 60},   {45, 75, 95, 100, 85, 70},   {55, 85, 100, 95, 75, 55},
    {50, 80, 95, 100, 90, 75},   {50, 80, 100, 95, 80, 65},   {40, 70, 90, 100, 95, 80},
    {50, 80, 100, 95, 80, 65},   {40, 70, 90, 100, 95, 85},   {45, 75, 95, 100, 95, 85},
    {45, 75, 95, 100, 95, 85},   {50, 80, 95, 100, 90, 80},   {45, 75, 90, 100, 95, 85},
    {55, 85, 100, 95, 80, 60},   {50, 80, 100, 95, 80, 65},   {45, 75, 95, 100, 90, 75},
    {50, 80, 100, 95, 80, 65},   {50, 80, 95, 100, 90, 75},   {55, 85, 100, 90, 70, 50},
    {100, 100, 100, 80, 50, 30}, {95, 100, 100, 80, 55, 35},  {85, 95, 100, 90, 70, 50},
    {60, 85, 100, 95, 75, 55},   {95, 100, 100, 85, 60, 40},  {85, 100, 100, 85, 65, 45},
    {80, 95, 100, 85, 60, 40},   {35, 65, 85, 100, 100, 95},  {50, 75, 95, 100, 95, 90},
    {30, 55, 80, 95, 100, 100},  {35, 60, 85, 100, 100, 95},  {30, 55, 80, 95, 100, 100},
    {50, 70, 90, 100, 100, 95},  {40, 65, 85, 100, 100, 100}, {30, 55, 80, 95, 100, 100},
    {40, 60, 85, 100, 100, 100}, {30, 60, 90, 100, 100, 100}, {45, 75, 90, 100, 100, 85},
    {50, 75, 95, 100, 95, 85},   {50, 80, 95, 100, 100, 90},  {50, 80, 100, 100, 90, 75},
    {40, 70, 90, 100, 100, 90},  {55, 80, 100, 100, 90, 75},  {50, 80, 100, 100, 90, 75},
    {50, 80, 100, 100, 90, 80},
};

// Per caricature 1..20 the emphasis of abilities 0..25 (ShotPower ..
// Anticipation); the mental and goalkeeping abilities and caricature None
// have none.
constexpr std::string_view CaricatureEmphasis[CaricatureCount] = {
    "00000000000000000000000000", // None
    "10003010000000220303000030", // AttackingFB
    "00101000000013300100000002", // DefenseFB
    "10020010003310000000000003", // Libero
    "01120000003010003000000000", // SimplePasser
    "00000110000013300000320000", // BallWinner
    "00210100000013020000030000", // HardMan
    "00100000000012300100000003", // Holding
    "00000010002013000000300030", // BallWinnerMidfield
    "00000021000012000300300030", // BoxToBox
    "00000110000010000000302030", // Busy
    "00030300003301110000020000", // PlayMaker
    "00300000000031110000023000", // Dribbler
    "00303000000001110033020000", // Winger
    "00100000000010030022032300", // TargetMan
    "01000030001001000000200023", // PenaltyBox
    "00000000000101010333020000", // RunsChannels
    "00003000000001110303020000", // PullsWideLeft
    "00003000000001110303020000", // PullsWideRight
    "00300030000031113000020000", // DribblerAttack
    "00100000000011033022030000", // HoldsUp
};

constexpr int RelatedCount = 5;
constexpr int PositionCount = TPerson::RatingCount;
constexpr int MaxFirstName = 15;
constexpr int MaxLastName = 19;

// Per position the positions a player of it may also play; entry 0 is the
// position itself, 0 none.
constexpr std::uint8_t RelatedPositions[PositionCount][RelatedCount] = {
    {0},           {1},           {2, 4, 5, 6, 8},    {3, 4, 5, 7, 8},    {4, 2, 3, 5, 8},     {5, 2, 3, 4, 8},
    {6, 2, 4, 5, 10}, {7, 3, 4, 5, 11}, {8, 5, 9},   {9, 8, 10, 11, 12}, {10, 6, 9, 12, 13},  {11, 7, 9, 12, 14},
    {12, 9, 15},   {13, 6, 10, 15, 17}, {14, 7, 11, 15, 17}, {15, 12, 16, 10, 11}, {16, 13, 14, 15, 17},
    {17, 13, 14, 15, 16},
};


bool IsTechnical(int ability)
{
    return ability <= ForwardRuns;
}

bool IsGoalkeeping(int ability)
{
    return ability >= FirstGoalkeeping;
}

// The curve's value at an age: linear between the five-year points.
int AgeCurveAt(int ability, int age)
{
    const int* row = AgeCurve[ability];
    if (age < 16) return row[0];
    if (age >= 40) return row[AgePoints - 1];
    const int point = (age - 15) / 5;
    const int into = (age - 15) % 5;
    return row[point] + (row[point + 1] - row[point]) * into / 5;
}

int WeightBase(float weight)
{
    if (weight >= 1.0f) return 95;
    if (weight >= 0.75f) return 85;
    if (weight >= 0.5f) return 75;
    return weight >= 0.25f ? 65 : 55;
}

// A caricature of the position's group that the position allows; 0 when
// none of the group's does.
int DrawCaricature(int position)
{
    const int group = std::max(TPerson::PositionGroupOf(position), 1) - 1;
    int allowed[7] = {};
    int count = 0;
    for (int i = 0; i < GroupCaricatureCounts[group]; ++i) {
        if (TPerson::IsCaricatureAllowedAt(position, GroupCaricatures[group][i])) {
            allowed[count++] = GroupCaricatures[group][i];
        }
    }
    return count == 0 ? 0 : allowed[RandomInt(count)];
}

// At most 85; a value not above a low random floor is drawn anew near it.
int LimitDrawn(double value)
{
    value = std::min(value, 85.0);
    const int floor = 7 + RandomInt(10);
    if (value <= floor) return 7 + RandomInt(10);
    return static_cast<int>(value);
}

// Mental values: at most 85, at least near 15.
int LimitMental(int value)
{
    value = std::min(value, 85);
    if (15 + RandomInt(5) > value) value = 15 + RandomInt(5);
    return value;
}

int CappedBodyBonus(int weight, int divisor)
{
    return weight >= 76 ? (std::min(weight, 150) - 75) / divisor : 0;
}
}  // namespace

int TPerson::GetAgeCurve(int ability, int point)
{
    return ability >= 0 && ability < Abilities && point >= 0 && point < AgePoints ? AgeCurve[ability][point] : 0;
}

int TPerson::GetCaricatureEmphasis(int ability, int caricature)
{
    if (ability < 0 || ability >= EmphasisedAbilities || caricature < 0 || caricature >= CaricatureCount) return 0;
    return CaricatureEmphasis[caricature][static_cast<std::size_t>(ability)] - '0';
}

int TPerson::DrawTalent()
{
    return TalentForDraw(CrtRandBelow(1000));
}

int TPerson::TalentForDraw(int d)
{
    if (d > 995) return 4;
    if (d > 925) return 3;
    if (d > 444) return 2;
    return d > 100 ? 1 : 0;
}

void TPerson::GenerateAbilities(int position, double factor)
{
    const bool goalkeeper = position == Goalkeeper;
    const int age = GetAge() - (goalkeeper ? 4 : 0);
    caricature = static_cast<std::uint8_t>(goalkeeper ? 0 : DrawCaricature(position));
    const double technicalFactor = goalkeeper ? 0.4 : 1.0;
    const double goalkeepingFactor = goalkeeper ? 1.0 : 0.3;
    for (int i = 0; i < Abilities; ++i) {
        if (i >= FirstMental && i <= Leadership) {
            SetAbility(i, 0);
            continue;
        }
        int base = AgeCurveAt(i, age);
        if ((!goalkeeper && IsGoalkeeping(i)) || (goalkeeper && IsTechnical(i))) base /= 2;
        if (!goalkeeper) {
            static constexpr int EmphasisFloor[4] = {0, 40, 80, 100};
            const int emphasis = GetCaricatureEmphasis(i, caricature);
            if (emphasis != 0) base = base * (EmphasisFloor[emphasis] + RandomInt(20)) / 100;
        }
        double value = (WeightBase(GetPositionWeight(position, i)) + RandomInt(10)) * base / 100;
        if (IsTechnical(i) && i != PenaltyShot) value *= technicalFactor;
        if (i == PenaltyShot && goalkeeper) value *= 0.95;
        if (IsGoalkeeping(i)) value *= goalkeepingFactor;
        if (goalkeeper && (i == Acceleration || i == Pace || i == WorkRate)) value *= 0.8;
        SetAbility(i, static_cast<std::uint8_t>(LimitDrawn(value * factor)));
    }
    GenerateMentalAbilities(position);
    for (int i = 0; i < Abilities; ++i) {
        if (abilities[i] >= 85) SetAbility(i, static_cast<std::uint8_t>(80 + CrtRandBelow(5)));
    }
}

void TPerson::GenerateMentalAbilities(int)
{
    const auto has = [this](int trait) { return (characterWord & (1u << trait)) != 0; };
    const int talent = GetTalent();
    const int weight = weightKg;
    const int height = heightCm;
    // A kept ability draws nothing, so that the draws of the others do not
    // depend on which abilities were already set.
    const auto fill = [this](int ability, const auto& value) {
        if (abilities[ability] == 0) SetAbility(ability, static_cast<std::uint8_t>(LimitMental(value())));
    };
    fill(Decision, [&] {
        return RandomInt(21) + (talent + 4) * 5 + (has(IdentificationHigh) ? 10 : (has(IdentificationLow) ? -10 : 0));
    });
    fill(Intimidation, [&] {
        int intimidation = RandomInt(21) + 10 + (has(HardMan) ? 20 : 0) + (has(ScandalProne) ? 10 : 0) -
                           (has(WeakNerves) ? 10 : 0) + abilities[Tackling] / 4 + CappedBodyBonus(weight, 4);
        if (height >= 186) intimidation += height <= 220 ? 2 * height - 366 : 74;
        return intimidation;
    });
    fill(Aggression, [&] {
        return RandomInt(25) + 15 + (has(HardMan) ? 30 : 0) + abilities[Intimidation] / 8 + abilities[Tackling] / 3;
    });
    fill(Determination, [&] {
        return RandomInt(25) + 15 + (has(HardMan) ? 30 : 0) + abilities[Intimidation] / 10 + abilities[Tackling] / 4;
    });
    fill(Composure, [&] {
        int composure = RandomInt(41) + 15 - (has(WeakNerves) ? 20 : 0) + (has(StrongNerves) ? 20 : 0) +
                        (has(Complacency) ? 30 : 0) + (has(LazyInTraining) ? 10 : 0) + abilities[PenaltyShot] / 4 +
                        CappedBodyBonus(weight, 5);
        if (height >= 186) composure += height <= 220 ? height - 185 : 35;
        return composure;
    });
    fill(Concentration, [&] {
        return RandomInt(41) + 10 - (has(WeakNerves) ? 20 : 0) + (has(StrongNerves) ? 20 : 0) +
               abilities[PenaltyShot] / 10 + talent * 5;
    });
    fill(Leadership, [&] {
        return RandomInt(21) + 20 - (has(WeakNerves) ? 10 : 0) + (has(StrongNerves) ? 10 : 0) +
               (has(Professionalism) ? 10 : 0) + (has(IdentificationHigh) ? 10 : 0) + abilities[Aggression] / 6 +
               talent * 6;
    });
    fill(TeamWork, [&] {
        return RandomInt(21) + 10 + (has(IdentificationHigh) ? 10 : 0) - (has(IdentificationLow) ? 10 : 0) +
               abilities[WorkRate] / 5 + abilities[LongPassing] / 8 + abilities[Passing] / 4;
    });
    fill(Consistency, [&] {
        return RandomInt(31) + 10 + (has(Professionalism) ? 10 : 0) + abilities[Concentration] / 5 + talent * 5 +
               abilities[WorkRate] / 10;
    });
}

void TPerson::GenerateRandomPlayer(TClub* club, const char16_t* first, const char16_t* last, int age, int position,
                                   int number, int targetLevel, int talent, int nationalityId)
{
    if (club == nullptr) return;
    if (nationalityId == -1) nationalityId = club->GetCountryId();
    Init(PersonPlayer, static_cast<std::uint8_t>(nationalityId));
    const TCountry* country = world_ != nullptr ? world_->GetCountry(nationality) : nullptr;
    const TCountry* clubCountry = club->GetCountry();
    const int clubLanguage = clubCountry != nullptr ? clubCountry->GetLanguage(0) : 0;
    if (clubLanguage != 0 && clubLanguage != languages[0]) SetLanguage(1, clubLanguage);

    const CNamePool& names = GetNamePool();
    const std::u16string firstName = first != nullptr && *first != 0 ? std::u16string(first)
                                                                     : names.PickRandomName(NamePoolMale, languages[0]);
    SetFirstName(firstName.substr(0, MaxFirstName).c_str());
    const std::u16string lastName = last != nullptr && *last != 0 ? std::u16string(last)
                                                                  : names.PickRandomName(NamePoolSurname, languages[0]);
    SetLastName(lastName.substr(0, MaxLastName).c_str());

    if (age == -1) age = 22 + CrtRandBelow(6);
    DrawBirthDate(age);
    nationalExperience = static_cast<std::uint8_t>(GetAgeGroup(age));
    SetTalent(talent == -1 ? DrawTalent() : talent);
    if (position == -1) position = 1 + CrtRandBelow(17);
    if (number == -1) number = club->GetFreeShirtNumber(position);
    shirtNumber = static_cast<std::uint8_t>(number);
    positions[0] = static_cast<std::uint8_t>(position);
    DrawFurtherPositions(position);
    DrawPreferredFoot(position);
    characterWord |= 1u << CrtRandBelow(23);
    GenerateAbilities(position, 1.0);
    ScaleAbilities(std::clamp(targetLevel, 1, 99) / static_cast<double>(std::max(GetPositionRating(position), 1)));

    if (country != nullptr) {
        country->RandomiseAppearance(*this);
        heightCm = static_cast<std::uint8_t>(country->GetAverageHeight() * (0.97 + 0.06 * CrtRand() / CrtRandMax));
        weightKg = static_cast<std::uint8_t>(country->GetAverageWeight() * (0.94 + 0.12 * CrtRand() / CrtRandMax));
    }
    if (CrtRandBelow(25) == 0) summaryChoice = static_cast<std::uint8_t>(CrtRandBelow(10));
}

// Born two years before the wanted age, then a year later while still
// older, so the age on the reference day is the largest not above it.
void TPerson::DrawBirthDate(int age)
{
    int year = GetReferenceDay().GetYear() - age - 2;
    const int month = 1 + CrtRandBelow(12);
    int day = 1 + CrtRandBelow(30);
    if (month == 2 && day > 28) day = 28;
    while (GetAgeTodayDmy(day, month, year) > age) ++year;
    birthDate = TDate(year, month, day);
}

// Up to two further positions of the main position's related row, each
// drawn until it is one the player does not have yet.
void TPerson::DrawFurtherPositions(int position)
{
    const std::uint8_t* related = position >= 0 && position < PositionCount ? RelatedPositions[position] : nullptr;
    const int count = std::min(CrtRandBelow(4), 3);
    for (int slot = 1; slot < PositionSlots; ++slot) {
        positions[slot] = 0;
        if (related == nullptr || slot >= count || related[slot] == 0) continue;
        std::uint8_t drawn = 0;
        while (drawn == 0 || std::find(positions, positions + slot, drawn) != positions + slot) {
            drawn = related[CrtRandBelow(RelatedCount)];
        }
        positions[slot] = drawn;
    }
}

void TPerson::DrawPreferredFoot(int position)
{
    enum { Right, Left, BothRight, BothLeft };
    const int d = CrtRandBelow(100);
    switch (PositionSideOf(position)) {
    case 1: SetPreferredFoot(d < 90 ? Right : BothRight); break;
    case 2: SetPreferredFoot(d < 90 ? Left : BothLeft); break;
    default: SetPreferredFoot(d < 60 ? Right : (d < 80 ? Left : BothRight)); break;
    }
}

void TPerson::ScaleAbilities(double k)
{
    for (int i = 0; i < Abilities; ++i) {
        const int scaled = std::max(1, static_cast<int>(abilities[i] * k + 0.5));
        SetAbility(i, static_cast<std::uint8_t>(scaled >= 85 ? 80 + CrtRandBelow(5) : scaled));
    }
}

void TPerson::ScaleAbilitiesToRating(double target, int position)
{
    // A position without a rating has nothing to meet.
    if (position < 0 || position >= RatingCount) return;
    target = std::clamp(target, 1.0, 99.0);
    for (int pass = 0; pass < 5; ++pass) {
        const int rating = GetPositionRating(position);
        if (std::abs(rating - target) <= 2.5) return;
        ScaleAbilities(target / std::max(rating, 1));
    }
}
