#pragma once
// A country's player pool as a list: the entries in use (both names), the
// first free entry for "new", sorting, freeing entries, and the values the
// entry dialog shows and writes back.

#include <cstdint>
#include <string>
#include <vector>

#include "database/world/Date.h"
#include "database/person/PlayerPortrait.h"
#include "editors/player_staff/model/ListSortState.h"

class TClub;
class TCountry;
class TPoolPlayer;

// What the entry dialog exchanges with its controls. A date part of 0 means
// the entry has no birth date.
struct PoolEntryValues {
    std::u16string firstName;
    std::u16string lastName;
    std::u16string pseudonym;
    std::uint8_t nationality = 0;
    std::uint8_t talent = 0;
    std::uint8_t ability = 0;
    std::uint8_t teamPart = 0;
    std::uint32_t preferredClub = 0;
    std::uint8_t foot = 0;
    std::uint8_t characterTrait = 0;
    std::uint8_t face = 0;
    std::uint8_t hairColour = 0;
    std::uint8_t hairstyle = 0;
    std::uint8_t facialHair = 0;
    std::uint8_t shoe = 0;
    int day = 0;
    int month = 0;
    int year = 0;
};

class PoolPageModel {
public:
    enum Column { NameColumn, NationalityColumn, SkillsColumn, TeamPartColumn, ClubColumn, ColumnCount };
    static constexpr int FirstBirthYear = 1947;
    static constexpr int LastBirthYear = 1995;
    static constexpr int FirstNameLength = 15;
    static constexpr int NameLength = 19;

    // Null lists nothing.
    void SetCountry(TCountry* country);
    TCountry* GetCountry() const { return country_; }
    void Fill();
    const std::vector<TPoolPlayer*>& GetRows() const { return rows_; }
    int FindRow(const TPoolPlayer* entry) const;
    // Index of the first entry not in use, -1 when all are.
    int GetFirstFreeIndex() const { return firstFree_; }
    // The entry "new" fills, null when every entry is in use.
    TPoolPlayer* GetFreeEntry() const;
    // The free entry filled with random values for the country, its names
    // left empty so that it stays free until the dialog names it; null when
    // every entry is in use.
    TPoolPlayer* NewEntry() const;
    const ListSortState& GetSort() const { return sort_; }
    void ClickHeader(int column);
    // The preferred club among the country's clubs; null for none, for the
    // create-a-club value and for a club not found.
    const TClub* GetPreferredClub(const TPoolPlayer& entry) const;
    // Resets the entries of the rows, which frees them; refills.
    void Delete(const std::vector<int>& rows);

    static PoolEntryValues ReadEntry(const TPoolPlayer& entry);
    // Writes every field in the dialog's order, the first name cut to 15
    // characters and the others to 19; the date clamped into the spins'
    // ranges and the month's length, or none when all its parts are 0.
    static void WriteEntry(TPoolPlayer& entry, const PoolEntryValues& values);
    static TDate ClampedBirthDate(int day, int month, int year);
    // The stand-in person of the entry dialog's previews: the names as the
    // entry would store them and the date as it would be stored; never a
    // person of the world.
    static TPortraitPerson PreviewPerson(const PoolEntryValues& values);
    static TPortraitHead PreviewHead(const PoolEntryValues& values);

private:
    void Sort();
    int CompareRows(const TPoolPlayer* a, const TPoolPlayer* b) const;

    TCountry* country_ = nullptr;
    std::vector<TPoolPlayer*> rows_;
    int firstFree_ = -1;
    ListSortState sort_;
};
