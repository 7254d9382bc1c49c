#pragma once
// What the position page shows of a person and how it writes it back.

#include <cstdint>

class TPerson;

struct PositionPageValues {
    static constexpr int PositionSlots = 6;
    static constexpr int LanguageSlots = 3;

    // Slot 0 is the main position; 0 is no selection.
    std::uint8_t positions[PositionSlots] = {};
    int foot = 0;
    int nationalExperience = 0;
    int internationalExperience = 0;
    int tacticalEducation = 0;
    std::uint8_t languages[LanguageSlots] = {};
};

class PositionPageModel {
public:
    static constexpr int HighestPosition = 17;
    static constexpr int HighestFoot = 3;
    static constexpr int HighestNationalExperience = 6;
    static constexpr int HighestInternationalExperience = 4;
    static constexpr int HighestTacticalEducation = 7;

    // The page's controls for a person: a value the combo boxes do not list
    // (main position or first language 0, positions above 17, languages
    // above 62) shows no selection, scroll values are clamped to the bars.
    static PositionPageValues Show(const TPerson& person);

    // Repeated positions cleared and gaps closed, languages compacted;
    // experience and tactical education only for a player, so a staff
    // member's values stay as they are. Values are clamped to the controls.
    static void Store(TPerson& person, const PositionPageValues& values);
};
