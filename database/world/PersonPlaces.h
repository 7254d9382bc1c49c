#pragma once
// Where the files hold each person, noted while a file read damaged may be
// kept as it is by a save. A kept file cannot take a person moved into it,
// and still holds one moved out of it: such a move is put back before the
// save, so that after the next load every person stands in one place.

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "database/club/Club.h"

class TCompleteWorld;
class TPerson;

// A club's squad, a country's additional managers or the players without
// club.
struct TPersonPlace {
    // The squad's club; 0 for the additional managers and the players
    // without club.
    TTeamId club = 0;
    // The country whose file holds the place; 0 for Without.sav.
    int country = 0;

    bool operator==(const TPersonPlace&) const = default;
};

// The files a save keeps as they are.
struct TKeptFiles {
    std::vector<int> countries;
    bool freeAgents = false;

    bool KeepsCountry(int id) const;
    bool Holds(const TPersonPlace& place) const;
    bool Any() const { return !countries.empty() || freeAgents; }
};

// A person put back: from where the world had him to where the files hold
// him. Not taken when a kept file holds him at a place the world no longer
// has.
struct TReturnedPerson {
    TPerson* person = nullptr;
    TPersonPlace from;
    TPersonPlace to;
    bool taken = true;
};

class TPersonPlaces {
public:
    void Clear() { noted_.clear(); }
    // Notes the world's places as the files now hold them: those of kept
    // files stay as noted before.
    void Note(TCompleteWorld& world, const TKeptFiles& kept);
    void Forget(std::uint32_t personId) { noted_.erase(personId); }
    // Puts every person moved into or out of a kept file since the note
    // back where the files hold him. One whose squad is gone or full joins
    // the players without club, or else his country's additional managers.
    std::vector<TReturnedPerson> ReturnMovesAcrossKeptFiles(TCompleteWorld& world, const TKeptFiles& kept) const;
    // Takes the returns back, for a save that failed.
    static void Undo(TCompleteWorld& world, const std::vector<TReturnedPerson>& returned);

private:
    std::unordered_map<std::uint32_t, TPersonPlace> noted_;
};
