// Sort orders, short names and trait rules of persons.

#include <string>

#include "core/text/TextTools.h"
#include "database/person/Person.h"

namespace {
constexpr int TraitCount = 23;

// Each trait of a pair excludes the other: StrongNerves/WeakNerves,
// IdentificationHigh/Low, Flexibility/Inflexibility, HighTrainingWorkRate/
// LazyInTraining.
constexpr std::uint32_t Exclusions[TraitCount] = {
    0, 0, 1u << 3, 1u << 2, 0, 0, 0, 1u << 8, 1u << 7, 0, 0, 0, 1u << 13, 1u << 12, 0, 1u << 16, 1u << 15,
};

int Sign(std::int64_t value)
{
    return value < 0 ? -1 : value > 0 ? 1 : 0;
}

int CompareNames(const char16_t* a, const char16_t* b)
{
    return Sign(CompareCollated(a, b));
}
}  // namespace

std::u16string TPerson::GetShortName(const TPerson* person)
{
    if (person == nullptr) return u"(null)";
    if (person->firstName[0] == 0) return person->lastName;
    if (person->lastName[0] == 0) return person->firstName;
    return std::u16string(person->lastName) + u", " + person->firstName[0] + u".";
}

std::uint32_t TPerson::GetAllowedTraitMask() const
{
    std::uint32_t allowed = 0xFFFFFFFFu;
    for (int trait = 0; trait < TraitCount; ++trait) {
        if ((characterWord & (1u << trait)) != 0) allowed &= ~Exclusions[trait];
    }
    return allowed;
}

void TPerson::FinalCheck()
{
    nickname[0] = 0;
    personFlags |= RealPersonFlag;
}

int TPerson::Compare(const TPerson* a, const TPerson* b, int mode)
{
    if (a == nullptr) return 1;
    if (b == nullptr) return -1;
    switch (mode) {
    case 0: {
        const int first = CompareNames(a->firstName, b->firstName);
        return first != 0 ? first : CompareNames(a->lastName, b->lastName);
    }
    case 1: {
        const int last = CompareNames(a->lastName, b->lastName);
        return last != 0 ? last : CompareNames(a->firstName, b->firstName);
    }
    case 2: return CompareNames(GetShortName(a).c_str(), GetShortName(b).c_str());
    case 3: return CompareNames(a->nickname, b->nickname);
    case 4: return CompareNames(a->pseudonym, b->pseudonym);
    case 5: return Sign(a->GetLevel() - b->GetLevel());
    case 6:
        if (a->IsPlayer() != b->IsPlayer()) return a->IsPlayer() ? -1 : 1;
        return a->IsPlayer() ? Sign(a->positions[0] - b->positions[0]) : Sign(a->type - b->type);
    case 7: return Sign(static_cast<std::int64_t>(a->birthDate.GetDayNumber()) - b->birthDate.GetDayNumber());
    default: return 0;
    }
}
