#pragma once
// Where the files hold each person, noted while a file read damaged may be
// kept as it is by a save. A kept file cannot take a person moved into it,
// and still holds one moved out of it: such a move is put back before the
// save, so that after the next load every person stands in one place.

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "database/club/Club.h"
#include "database/person/Person.h"

class TCompleteWorld;

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
// him, or, for one no file holds yet, to a place of a file the save writes.
// Not taken when a kept file holds him at a place the world no longer has.
struct TReturnedPerson {
    TPerson* person = nullptr;
    TPersonPlace from;
    TPersonPlace to;
    bool taken = true;
    // What the move had made of him, for a save that fails.
    TMoveFields moved;
};

class TPersonPlaces {
public:
    void Clear();
    // Notes the world's places, and what a move would change of each
    // person, as the files now hold them: those of kept files stay as noted
    // before.
    void Note(TCompleteWorld& world, const TKeptFiles& kept);
    void Forget(std::uint32_t personId) { noted_.erase(personId); }
    // Puts every person moved into or out of a kept file since the note
    // back where the files hold him, with the team, numbers, contract and
    // club spells they hold; every other edit stays. One whose squad is
    // gone or full ends his spell there and, like one made since the note
    // who stands in a kept file, joins the players without club, or else a
    // country's additional managers.
    std::vector<TReturnedPerson> ReturnMovesAcrossKeptFiles(TCompleteWorld& world, const TKeptFiles& kept) const;
    // Takes the returns back, for a save that failed.
    static void Undo(TCompleteWorld& world, const std::vector<TReturnedPerson>& returned);

private:
    struct TNotedPerson {
        TPersonPlace place;
        TMoveFields fields;
    };

    std::unordered_map<std::uint32_t, TNotedPerson> noted_;
    // Clear until the first note: before it, no person is a new one.
    bool noting_ = false;
};
