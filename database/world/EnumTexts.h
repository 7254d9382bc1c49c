#pragma once
// Localised names of the small enumerations of the records (positions,
// person types, appearance values, languages, rounds, ...) and the stored
// values of the appearance lists, whose numbering differs from the list
// index. Every getter clamps its index, so no value fails.
//
// The key hashes are computed by the compiler, so lookups go by hash
// without a cache to fill; numbered names ("Caucasian 09") are built into
// 16 rotating buffers per thread, so report threads may ask too.

#include <cstddef>

class CEnumTexts {
public:
    static constexpr int NumberedNameCapacity = 64;
    static constexpr int NumberedNameBuffers = 16;

    const char16_t* GetPositionName(int index) const;
    // The short form for narrow list columns ("GK"); every other place that
    // shows a position has room for its full name.
    const char16_t* GetPositionShortName(int index) const;
    const char16_t* GetPersonTypeName(int index) const;
    const char16_t* GetLanguageName(int index) const;
    const char16_t* GetManagerCharacterName(int index) const;
    const char16_t* GetRoundName(int index) const;
    const char16_t* GetRelegationRuleName(int index) const;
    const char16_t* GetTalentName(int index) const;
    const char16_t* GetRefereeTypeName(int index) const;
    const char16_t* GetPlayerCharacterName(int index) const;
    const char16_t* GetAbilityName(int index) const;
    const char16_t* GetTeamPartName(int index) const;
    const char16_t* GetHeroName(int index) const;
    const char16_t* GetChairmanStabilityName(int index) const;
    const char16_t* GetPlayerNationalExperienceName(int index) const;
    const char16_t* GetPlayerInternationalExperienceName(int index) const;
    const char16_t* GetFootName(int index) const;
    const char16_t* GetMediaPressureName(int index) const;
    const char16_t* GetContinentName(int index) const;
    const char16_t* GetTerritoryName(int index) const;
    // Facility 0..6 and level 0..5, each clamped.
    const char16_t* GetGroundFacilityName(int facility, int level) const;
    const char16_t* GetHairstyleName(int index) const;
    const char16_t* GetHairColourName(int index) const;
    const char16_t* GetFacialHairName(int index) const;
    const char16_t* GetFaceName(int index) const;

    static int GetHairstyleValue(int index);
    static int GetHairColourValue(int index);
    static int GetFacialHairValue(int index);
    static int GetFaceValue(int index);
    static constexpr int GetHairstyleCount() { return 38; }
    static constexpr int GetHairColourCount() { return 5; }
    static constexpr int GetFacialHairCount() { return 6; }
    static constexpr int GetFaceCount() { return 90; }
    static constexpr int GetRelegationRuleCount() { return 6; }
};

CEnumTexts& GetEnumTexts();
