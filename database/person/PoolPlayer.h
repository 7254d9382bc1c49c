#pragma once
// One entry of a country's player pool: a player the game may bring into
// the world later. Not a person: names, birth date, nationality, a few
// choices and the looks. Only entries with both names are saved.

#include <cstdint>
#include <string>

#include "database/world/Date.h"
#include "database/world/RecordSection.h"

class CIndexTextFile;
class CMasterWriter;
class TCountry;

class TPoolPlayer {
public:
    static constexpr int FirstNameCapacity = 16;
    static constexpr int LastNameCapacity = 20;
    static constexpr std::uint32_t CreateClub = 0xFFFFFFFFu;

    bool HasName() const { return firstName_[0] != 0 && lastName_[0] != 0; }
    bool IsUsed() const { return HasName(); }
    // The reset values; the pseudonym is emptied with the names.
    void Reset();
    // "Last,F."; the last name alone when there is no first name.
    std::u16string GetShortName() const;

    const char16_t* GetFirstName() const { return firstName_; }
    const char16_t* GetLastName() const { return lastName_; }
    const char16_t* GetPseudonym() const { return pseudonym_; }
    // Typed names are kept as a save and a reload give them back (SetKeptName).
    void SetFirstName(const char16_t* text);
    void SetLastName(const char16_t* text);
    void SetPseudonym(const char16_t* text);
    TDate GetBirthDate() const { return birthDate_; }
    void SetBirthDate(TDate date) { birthDate_ = date; }
    std::uint32_t GetPreferredClub() const { return preferredClub_; }
    void SetPreferredClub(std::uint32_t club) { preferredClub_ = club; }
    std::uint8_t GetNationality() const { return nationality_; }
    void SetNationality(std::uint8_t value) { nationality_ = value; }
    std::uint8_t GetCharacterTrait() const { return characterTrait_; }
    void SetCharacterTrait(std::uint8_t value) { characterTrait_ = value; }
    std::uint8_t GetTalent() const { return talent_; }
    void SetTalent(std::uint8_t value) { talent_ = value; }
    std::uint8_t GetFoot() const { return foot_; }
    void SetFoot(std::uint8_t value) { foot_ = value; }
    std::uint8_t GetAbilityIndex() const { return abilityIndex_; }
    void SetAbilityIndex(std::uint8_t value) { abilityIndex_ = value; }
    std::uint8_t GetTeamPart() const { return teamPart_; }
    void SetTeamPart(std::uint8_t value) { teamPart_ = value; }
    std::uint8_t GetFace() const { return face_; }
    void SetFace(std::uint8_t value) { face_ = value; }
    std::uint8_t GetHairColour() const { return hairColour_; }
    void SetHairColour(std::uint8_t value) { hairColour_ = value; }
    std::uint8_t GetHairstyle() const { return hairstyle_; }
    void SetHairstyle(std::uint8_t value) { hairstyle_ = value; }
    std::uint8_t GetFacialHair() const { return facialHair_; }
    void SetFacialHair(std::uint8_t value) { facialHair_ = value; }
    std::uint8_t GetShoe() const { return shoe_; }
    void SetShoe(std::uint8_t value) { shoe_ = value; }

    // A young player of the country without names: birth date, talent,
    // strong ability, team part, trait and looks drawn, a club to be
    // created for him.
    void Randomise(const TCountry& country);
    // An entry of an old file (no birth date, every look and choice still
    // at its default) gets its looks, foot and talent drawn; any other
    // entry stays as it is.
    void CompleteDefaults(const TCountry& country);
    bool HasDefaultLooks() const;

    // The PL_POOL section; the preferred club travels as its save id.
    bool WritePoolPlayer(CIndexTextFile& file) const;
    TSectionRead ReadPoolPlayer(CIndexTextFile& file);

    // The entry's block of the game export under the first language of
    // the country countryId of the current world (GetWorld; 0 without
    // one or outside 0..62); names go into the program's name lists.
    void WritePoolPlayerBlock(int countryId, CMasterWriter& writer);

private:
    char16_t firstName_[FirstNameCapacity] = {};
    char16_t lastName_[LastNameCapacity] = {};
    char16_t pseudonym_[LastNameCapacity] = {};
    TDate birthDate_{1992, 1, 1};
    std::uint32_t preferredClub_ = CreateClub;
    std::uint8_t nationality_ = 0;
    std::uint8_t characterTrait_ = 0;
    std::uint8_t talent_ = 0;
    std::uint8_t foot_ = 0;
    std::uint8_t abilityIndex_ = 0;
    std::uint8_t teamPart_ = 1;
    std::uint8_t face_ = 0;
    std::uint8_t hairColour_ = 0;
    std::uint8_t hairstyle_ = 0;
    std::uint8_t facialHair_ = 0;
    std::uint8_t shoe_ = 0;
};
