#pragma once
// A club or national team of a country. For now it holds what the world and
// the country use (ids, names, season flags, partner and rivals, squad); the
// rest of its section travels staged.

#include <cstdint>
#include <string>

#include "database/StagedSection.h"

class TCompleteWorld;
class TPerson;

// Country id in bits 16..23, the club's index in the low 16 bits (0xFFFF
// the national team), bit 24 the club's reserve team.
using TTeamId = std::uint32_t;
inline constexpr TTeamId ReserveTeamBit = 0x01000000;
inline constexpr TTeamId NationalTeamIndex = 0xFFFF;
inline constexpr TTeamId WithoutReserveBit(TTeamId id)
{
    return id & ~ReserveTeamBit;
}
inline constexpr int TeamCountry(TTeamId id)
{
    return static_cast<int>((id >> 16) & 0xFF);
}
inline constexpr bool IsNationalTeamId(TTeamId id)
{
    return (id & 0xFFFF) == NationalTeamIndex;
}

class TClub {
public:
    static constexpr int LanguageCount = 6;
    static constexpr int NameCapacity = 30;
    static constexpr int AbbreviationCapacity = 5;
    static constexpr int RivalCount = 4;
    static constexpr int ReserveNameCapacity = 60;
    static constexpr int SquadCapacity = 60;

    explicit TClub(std::uint32_t uniqueId) : uniqueId_(uniqueId) {}

    TCompleteWorld* GetWorld() const { return world_; }
    void SetWorld(TCompleteWorld* world) { world_ = world; }
    TTeamId GetId() const { return id_; }
    void SetId(TTeamId id) { id_ = id; }
    int GetCountryId() const { return TeamCountry(id_); }
    std::uint32_t GetUniqueId() const { return uniqueId_; }
    void SetUniqueId(std::uint32_t uniqueId) { uniqueId_ = uniqueId; }

    // In the world's database language.
    const char16_t* GetName() const;
    const char16_t* GetNameForLanguage(int language) const;
    void SetNameForLanguage(int language, const char16_t* text);
    void SetNameForAllLanguages(const char16_t* text);
    const char16_t* GetAbbreviationForLanguage(int language) const;
    void SetAbbreviationForLanguage(int language, const char16_t* text);
    // The reserve team's name: one of four rotating per-thread buffers.
    const char16_t* GetReserveName() const;
    const char16_t* GetReserveNameForLanguage(int language) const;

    // Season flags; first = true for the first team, false for the reserve.
    bool IsPromoted(bool first) const { return HasSeasonFlag(first ? 0 : 1); }
    bool IsRelegated(bool first) const { return HasSeasonFlag(first ? 2 : 3); }
    bool IsCupWinner(bool first) const { return HasSeasonFlag(first ? 4 : 5); }
    bool IsCupFinalist(bool first) const { return HasSeasonFlag(first ? 6 : 7); }
    bool IsNotInITCup() const { return HasSeasonFlag(8); }
    // Setting a flag clears its opposite (promoted and relegated; winner and
    // finalist, of both teams for the cup); clearing touches its bit only.
    void SetPromoted(bool first, bool on);
    void SetRelegated(bool first, bool on);
    void SetCupWinner(bool first, bool on);
    void SetCupFinalist(bool first, bool on);
    void SetNotInITCup(bool on) { SetSeasonFlag(8, on); }
    std::uint16_t GetSeasonFlags() const { return seasonFlags_; }

    TTeamId GetPartnerClub() const { return partnerClub_; }
    void SetPartnerClub(TTeamId id) { partnerClub_ = id; }
    // Outside 0..3: 0, or ignored.
    TTeamId GetRival(int index) const;
    void SetRival(int index, TTeamId id);

    // The squad holds person ids; the world's person map owns the persons.
    int GetSquadCount() const { return squadCount_; }
    // Null outside 0..count-1 and for an id the world does not hold.
    TPerson* GetSquadPerson(int slot) const;
    // The person when that id is in the squad, else null.
    TPerson* FindPlayer(std::uint32_t personId) const;
    // False for null, a full squad or a person already in it.
    bool AddPlayer(const TPerson* person);
    // Later slots move down; false when the person is not in the squad.
    bool RemovePlayer(const TPerson* person);

    bool IsCreatedInEditor() const { return createdInEditor_; }
    void SetCreatedInEditor(bool on) { createdInEditor_ = on; }

    TStagedSection& GetStagedSection() { return section_; }
    const TStagedSection& GetStagedSection() const { return section_; }

private:
    bool HasSeasonFlag(int bit) const { return (seasonFlags_ >> bit) & 1; }
    void SetSeasonFlag(int bit, bool on);
    int CurrentLanguage() const;

    TCompleteWorld* world_ = nullptr;
    TTeamId id_ = 0;
    std::uint32_t uniqueId_;
    char16_t names_[LanguageCount][NameCapacity] = {};
    char16_t abbreviations_[LanguageCount][AbbreviationCapacity] = {};
    std::uint16_t seasonFlags_ = 0;
    TTeamId partnerClub_ = 0;
    TTeamId rivals_[RivalCount] = {};
    bool createdInEditor_ = false;
    int squadCount_ = 0;
    std::uint32_t squad_[SquadCapacity] = {};
    TStagedSection section_;
};
