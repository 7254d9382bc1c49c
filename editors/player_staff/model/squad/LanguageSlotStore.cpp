#include "LanguageSlotStore.h"

#include <algorithm>

#include "core/text/TextTools.h"
#include "database/person/Person.h"

void LanguageSlotStore::Store(TPerson& person, std::span<const std::uint8_t> chosen)
{
    const auto slots = std::min<std::size_t>(chosen.size(), TPerson::LanguageSlots);
    Store(person, chosen, (1u << slots) - 1);
}

void LanguageSlotStore::Store(TPerson& person, std::span<const std::uint8_t> chosen, unsigned chosenSlots)
{
    std::uint8_t slots[TPerson::LanguageSlots];
    for (int slot = 0; slot < TPerson::LanguageSlots; ++slot) {
        const bool isChosen = static_cast<std::size_t>(slot) < chosen.size() && (chosenSlots & (1u << slot)) != 0;
        const std::uint8_t language = isChosen ? chosen[slot] : person.GetLanguage(slot);
        slots[slot] = isChosen && language > HighestLanguage ? 0 : language;
    }
    CompactUniqueSlots4(slots);
    person.SetLanguageSlots(slots);
}
