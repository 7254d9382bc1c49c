#include "PositionPageModel.h"

#include <algorithm>

#include "LanguageSlotStore.h"
#include "database/Person.h"

namespace {

std::uint8_t Listed(int value, int lowest, int highest)
{
    return value >= lowest && value <= highest ? static_cast<std::uint8_t>(value) : 0;
}

std::uint8_t Clamped(int value, int highest)
{
    return static_cast<std::uint8_t>(std::clamp(value, 0, highest));
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
    person.NormalisePositions();
    person.SetPreferredFoot(Clamped(values.foot, HighestFoot));
    if (person.GetType() == 0) {
        person.SetNationalExperience(Clamped(values.nationalExperience, HighestNationalExperience));
        person.SetInternationalExperience(Clamped(values.internationalExperience, HighestInternationalExperience));
        person.SetTacticalEducation(Clamped(values.tacticalEducation, HighestTacticalEducation));
    }
    LanguageSlotStore::Store(person, values.languages);
}
