#pragma once
// The common page's rules for storing a person: birth date, flags,
// nationalities with the spoken languages, and the staff level of the
// staff-at-club sub-page. The page writes the names the user typed itself.

#include <cstdint>

#include "database/world/Date.h"

class TPerson;

class PersonCommonRules {
public:
    static constexpr int YouthAgeLimit = 19;
    static constexpr int AlwaysYouthBelow = 16;
    static constexpr int StaffLevelCount = 5;
    // Edit limits: the record holds 15 and 19 characters.
    static constexpr int FirstNameLimit = 15;
    static constexpr int NameLimit = 19;

    // What the page's controls hold when it is stored.
    struct TView {
        TDate birthDate;
        // Set only when the user changed the date control: a date the
        // control shows clamped is not written back.
        bool birthDateEdited = false;
        bool naturalised = false;
        bool basque = false;
        bool realPerson = false;
        bool youthChecked = false;
        std::uint8_t nationality = 0;
        std::uint8_t secondNationality = 0;
    };

    static TView Show(const TPerson& person);
    static void Store(const TView& view, TPerson& person);

    // The youth box is usable only below 19.
    static bool IsYouthBoxEnabled(TDate birthDate);
    // The lowest birth date the control offers, by the youth box.
    static TDate LowestBirthDate(bool youthChecked);
    static TDate HighestBirthDate();

    // Spoken languages after a nationality change: the first language of
    // the nationality, that of the second nationality, and the club's.
    // Languages are those of TCountry::GetLanguage(0); 0 = none.
    static void SetSpokenLanguages(TPerson& person, int nationalityLanguage, int secondLanguage,
                                   int clubLanguage);

    // The rating combo's selection for a staff level: -1 for none.
    static int StaffLevelSelection(const TPerson& person);
    // The staff-at-club sub-page's store: staff only; no selection stores 0.
    static void StoreStaffLevel(TPerson& person, int selection);
};
