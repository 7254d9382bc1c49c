#include "editors/player_staff/model/squad/TraitEnabling.h"

#include <bit>

#include "database/person/Person.h"

namespace {

constexpr std::uint32_t TraitBits = (1u << TraitEnabling::TraitCount) - 1;

}  // namespace

int TraitEnabling::CountTraits(std::uint32_t characterWord)
{
    return std::popcount(characterWord & TraitBits);
}

std::uint32_t TraitEnabling::EnabledBoxes(const TPerson& person)
{
    const std::uint32_t set = person.GetCharacterWord() & TraitBits;
    const std::uint32_t allowed = CountTraits(set) < MaxTraits ? person.GetAllowedTraitMask() & TraitBits : 0;
    return set | allowed;
}
