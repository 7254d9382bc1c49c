#include "editors/player_staff/model/squad/PersonCommonRules.h"

#include "database/world/CompleteWorld.h"
#include "database/person/Person.h"

PersonCommonRules::TView PersonCommonRules::Show(const TPerson& person)
{
    TView view;
    view.birthDate = person.GetBirthDate();
    view.naturalised = person.IsNaturalised();
    view.basque = person.IsBasque();
    view.realPerson = person.IsRealPerson();
    view.youthChecked = person.IsYouthPlayer();
    view.nationality = person.GetNationality();
    view.secondNationality = person.GetSecondNationality();
    return view;
}

void PersonCommonRules::Store(const TView& view, TPerson& person)
{
    if (view.birthDateEdited && view.birthDate != person.GetBirthDate()) {
        person.SetBirthDate(view.birthDate);
        person.SetNationalExperience(static_cast<std::uint8_t>(GetAgeGroup(person.GetAge())));
    }
    person.SetNaturalised(view.naturalised);
    person.SetBasque(view.basque);
    person.SetRealPerson(view.realPerson);
    const bool youth = view.youthChecked && IsYouthBoxEnabled(person.GetBirthDate());
    person.SetYouthPlayer(youth || person.GetAge() < AlwaysYouthBelow);
    person.SetNationality(view.nationality);
    person.SetSecondNationality(view.secondNationality == view.nationality ? 0 : view.secondNationality);
}

bool PersonCommonRules::IsYouthBoxEnabled(TDate birthDate)
{
    return GetAgeToday(birthDate) < YouthAgeLimit;
}

TDate PersonCommonRules::LowestBirthDate(bool youthChecked)
{
    return youthChecked ? TDate(1989, 1, 1) : TDate(1932, 1, 1);
}

TDate PersonCommonRules::HighestBirthDate()
{
    return TDate(1995, 12, 31);
}

void PersonCommonRules::SetSpokenLanguages(TPerson& person, int nationalityLanguage, int secondLanguage,
                                           int clubLanguage)
{
    person.SetLanguage(0, nationalityLanguage);
    if (secondLanguage != 0) {
        if (secondLanguage == nationalityLanguage) {
            person.CompactLanguages();
            return;
        }
        person.SetLanguage(1, secondLanguage);
        if (clubLanguage != nationalityLanguage && clubLanguage != secondLanguage) person.SetLanguage(2, clubLanguage);
    } else if (clubLanguage != 0 && clubLanguage != nationalityLanguage) {
        person.SetLanguage(1, clubLanguage);
    }
    person.CompactLanguages();
}

int PersonCommonRules::StaffLevelSelection(const TPerson& person)
{
    const int level = person.GetStaffLevel();
    return level < StaffLevelCount ? level : -1;
}

void PersonCommonRules::StoreStaffLevel(TPerson& person, int selection)
{
    if (person.IsPlayer()) return;
    const std::uint8_t level = selection >= 0 && selection < StaffLevelCount ? static_cast<std::uint8_t>(selection) : 0;
    person.SetSummaryChoice(level);
    person.SetStaffLevel(level);
}
