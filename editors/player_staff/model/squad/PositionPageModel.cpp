#include "PositionPageModel.h"

#include <algorithm>

#include "LanguageSlotStore.h"
#include "database/person/Person.h"

namespace {

std::uint8_t Listed(int value, int lowest, int highest)
{
    return value >= lowest && value <= highest ? static_cast<std::uint8_t>(value) : 0;
}

std::uint8_t Clamped(int value, int highest)
{
    return static_cast<std::uint8_t>(std::clamp(value, 0, highest));
}

bool HasNoGaps(const TPerson& person)
{
    constexpr int GroupEnds[] = {3, PositionPageValues::PositionSlots};
    int start = 0;
    for (int end : GroupEnds) {
        for (int slot = start; slot + 1 < end; ++slot) {
            if (person.GetPosition(slot) == 0 && person.GetPosition(slot + 1) != 0) return false;
        }
        start = end;
    }
    return true;
}

}  // namespace

PositionPageValues PositionPageModel::Show(const TPerson& person)
{
    PositionPageValues values;
    values.positions[0] = Listed(person.GetPosition(0), 1, HighestPosition);
    for (int slot = 1; slot < PositionPageValues::PositionSlots; ++slot) {
        values.positions[slot] = Listed(person.GetPosition(slot), 0, HighestPosition);
    }
    values.foot = Clamped(person.GetPreferredFoot(), HighestFoot);
    values.nationalExperience = Clamped(person.GetNationalExperience(), HighestNationalExperience);
    values.internationalExperience = Clamped(person.GetInternationalExperience(), HighestInternationalExperience);
    values.tacticalEducation = Clamped(person.GetTacticalEducation(), HighestTacticalEducation);
    values.languages[0] = Listed(person.GetLanguage(0), 1, LanguageSlotStore::HighestLanguage);
    for (int slot = 1; slot < PositionPageValues::LanguageSlots; ++slot) {
        values.languages[slot] = Listed(person.GetLanguage(slot), 0, LanguageSlotStore::HighestLanguage);
    }
    return values;
}

void PositionPageModel::Store(TPerson& person, const PositionPageValues& values)
{
    for (int slot = 0; slot < PositionPageValues::PositionSlots; ++slot) {
        person.SetPosition(slot, Listed(values.positions[slot], slot == 0 ? 1 : 0, HighestPosition));
    }
    // One pass leaves one of two gaps in a row; the page stores what it
    // would show, so that storing again changes nothing.
    person.NormalisePositions();
    for (int pass = 1; pass < PositionPageValues::PositionSlots && !HasNoGaps(person); ++pass) person.NormalisePositions();
    person.SetPreferredFoot(Clamped(values.foot, HighestFoot));
    if (person.GetType() == 0) {
        person.SetNationalExperience(Clamped(values.nationalExperience, HighestNationalExperience));
        person.SetInternationalExperience(Clamped(values.internationalExperience, HighestInternationalExperience));
        person.SetTacticalEducation(Clamped(values.tacticalEducation, HighestTacticalEducation));
    }
    LanguageSlotStore::Store(person, values.languages);
}
