#include "database/world/PersonPlaces.h"

#include <algorithm>
#include <iterator>
#include <map>

#include "database/world/CompleteWorld.h"

namespace {

struct TStanding {
    TPersonPlace place;
    TPerson* person = nullptr;
};

// Ordered by person id, so that the persons put back are named in a fixed
// order.
std::map<std::uint32_t, TStanding> CurrentPlaces(const TCompleteWorld& world)
{
    std::map<std::uint32_t, TStanding> places;
    for (int id = 1; id <= TCompleteWorld::LastCountryId; ++id) {
        TCountry& country = *world.GetCountry(id);
        for (int index = 0; index < country.GetClubCount(); ++index) {
            const TClub& club = *country.GetClubByIndex(index);
            for (int slot = 0; slot < club.GetSquadCount(); ++slot) {
                if (TPerson* person = club.GetSquadPerson(slot)) {
                    places.try_emplace(person->GetId(), TStanding{{club.GetId(), id}, person});
                }
            }
        }
        for (const auto& [personId, person] : country.GetAdditionalManagers()) {
            places.try_emplace(personId, TStanding{{0, id}, person});
        }
    }
    const TPlayersWithoutClub& freeAgents = world.GetFreeAgents();
    for (int index = 0; index < freeAgents.GetCount(); ++index) {
        TPerson* person = freeAgents.GetPlayer(index);
        places.try_emplace(person->GetId(), TStanding{{}, person});
    }
    return places;
}

bool Take(TCompleteWorld& world, const TPersonPlace& place, TPerson& person)
{
    if (place.club != 0) {
        TClub* club = world.GetClub(place.club);
        return club != nullptr && club->AddPlayer(&person);
    }
    if (place.country != 0) {
        world.GetCountry(place.country)->GetAdditionalManagers()[person.GetId()] = &person;
        return true;
    }
    return world.GetFreeAgents().Add(&person) == 1;
}

void Release(TCompleteWorld& world, const TPersonPlace& place, const TPerson& person)
{
    if (place.club != 0) {
        if (TClub* club = world.GetClub(place.club)) club->RemovePlayer(&person);
    } else if (place.country != 0) {
        world.GetCountry(place.country)->GetAdditionalManagers().erase(person.GetId());
    } else {
        world.GetFreeAgents().Remove(person.GetId());
    }
}

// The files give the number; one another player of his team wears since
// would be worn twice.
void WearOwnShirtNumber(const TCompleteWorld& world, const TPersonPlace& place, TPerson& person)
{
    const TClub* club = world.GetClubConst(place.club);
    if (club != nullptr && person.IsPlayer() && club->IsShirtNumberUsedBy(&person, person.IsReserveTeam())) {
        club->GiveFreeShirtNumber(person);
    }
}

// A person a written file takes without a club: the players without club,
// else the additional managers of the country given or, when its file is
// kept too, of the first country whose file is written.
TPersonPlace PlaceWithoutClub(const TKeptFiles& kept, int country)
{
    if (!kept.freeAgents) return {};
    const auto written = [&kept](int id) {
        return id >= 1 && id <= TCompleteWorld::LastCountryId && !kept.KeepsCountry(id);
    };
    for (int id = 1; !written(country) && id <= TCompleteWorld::LastCountryId; ++id) country = id;
    return {0, country};
}

// No kept file saw him join a club of it: a running spell there would name
// a club he is not in.
void DropRunningSpellsInKeptFiles(TPerson& person, const TKeptFiles& kept)
{
    for (int index = person.GetHistoryCount() - 1; index >= 0; --index) {
        const THistoryEntry& spell = person.GetHistoryEntry(index);
        if (spell.IsRunning() && kept.KeepsCountry(TeamCountry(spell.clubId))) person.RemoveHistoryEntry(index);
    }
}

// Takes the person out of the world's place; what the move made of his
// record goes with the return.
TReturnedPerson Leave(TCompleteWorld& world, TPerson& person, const TPersonPlace& from)
{
    Release(world, from, person);
    return {&person, from, from, true, person.GetMoveFields()};
}

void JoinWithoutClub(TCompleteWorld& world, const TKeptFiles& kept, TReturnedPerson& returned, int country)
{
    returned.to = PlaceWithoutClub(kept, country);
    DropRunningSpellsInKeptFiles(*returned.person, kept);
    Take(world, returned.to, *returned.person);
}

bool IsSameClub(std::uint32_t a, std::uint32_t b) { return WithoutReserveBit(a) == WithoutReserveBit(b); }

bool RunsAt(const std::vector<THistoryEntry>& history, std::uint32_t club)
{
    return std::any_of(history.begin(), history.end(), [club](const THistoryEntry& spell) {
        return spell.IsRunning() && IsSameClub(spell.clubId, club);
    });
}

// The clubs whose spells the moves since the note changed: the one he left,
// each at which a spell runs now that did not run then, and each whose
// spell ended on the day it began, as one that a move opened and the next
// one closed.
std::vector<std::uint32_t> ClubsOfTheMoves(const std::vector<THistoryEntry>& noted,
                                           const std::vector<THistoryEntry>& now, TTeamId left)
{
    std::vector<std::uint32_t> clubs;
    if (left != 0) clubs.push_back(left);
    for (const THistoryEntry& spell : now) {
        const bool joined = spell.IsRunning() && !RunsAt(noted, spell.clubId);
        const bool closedAtOnce = !spell.IsRunning() && spell.end <= spell.start;
        if (joined || closedAtOnce) clubs.push_back(spell.clubId);
    }
    return clubs;
}

// The spells at the clubs of the moves as noted, where the first of them
// stands now; every other spell as it is now, edits and all. Spells edited
// away there since can make it more than a history holds.
std::vector<THistoryEntry> HistoryBeforeTheMoves(const std::vector<THistoryEntry>& noted,
                                                 const std::vector<THistoryEntry>& now, TTeamId left)
{
    const std::vector<std::uint32_t> clubs = ClubsOfTheMoves(noted, now, left);
    const auto ofTheMoves = [&clubs](const THistoryEntry& spell) {
        return std::any_of(clubs.begin(), clubs.end(),
                           [&spell](std::uint32_t club) { return IsSameClub(spell.clubId, club); });
    };
    std::vector<THistoryEntry> history;
    bool notedPlaced = false;
    const auto placeNoted = [&] {
        std::copy_if(noted.begin(), noted.end(), std::back_inserter(history), ofTheMoves);
        notedPlaced = true;
    };
    for (const THistoryEntry& spell : now) {
        if (!ofTheMoves(spell)) {
            history.push_back(spell);
        } else if (!notedPlaced) {
            placeNoted();
        }
    }
    if (!notedPlaced) placeNoted();
    if (history.size() > TPerson::MaxHistoryEntries) history.resize(TPerson::MaxHistoryEntries);
    return history;
}

// What the moves made of the record goes back to what the files hold;
// every other edit stays.
void TakeBackTheMoves(TPerson& person, const TMoveFields& noted, const TMoveFields& moved, TTeamId left)
{
    TMoveFields fields = noted;
    fields.history = HistoryBeforeTheMoves(noted.history, moved.history, left);
    person.SetMoveFields(fields);
}

// A kept file holds the person at his noted place whether or not the world
// has that place still; a written file needs a place that takes him.
TReturnedPerson PutBack(TCompleteWorld& world, const TPersonPlace& noted, const TMoveFields& fields,
                        const TKeptFiles& kept, const TStanding& standing)
{
    TReturnedPerson returned = Leave(world, *standing.person, standing.place);
    TakeBackTheMoves(*returned.person, fields, returned.moved, noted.club);
    returned.to = noted;
    if (Take(world, noted, *returned.person)) {
        WearOwnShirtNumber(world, noted, *returned.person);
    } else if (kept.Holds(noted)) {
        returned.taken = false;
    } else {
        if (noted.club != 0) returned.person->EndRunningSpellsAt(noted.club);
        JoinWithoutClub(world, kept, returned, noted.country);
    }
    return returned;
}

// No file holds a person made since the note: a kept one cannot take him.
TReturnedPerson PlaceNewPerson(TCompleteWorld& world, const TKeptFiles& kept, const TStanding& standing)
{
    TReturnedPerson returned = Leave(world, *standing.person, standing.place);
    JoinWithoutClub(world, kept, returned, standing.person->GetNationality());
    return returned;
}

}  // namespace

bool TKeptFiles::KeepsCountry(int id) const
{
    return std::find(countries.begin(), countries.end(), id) != countries.end();
}

bool TKeptFiles::Holds(const TPersonPlace& place) const
{
    return place.country == 0 ? freeAgents : KeepsCountry(place.country);
}

void TPersonPlaces::Clear()
{
    noted_.clear();
    noting_ = false;
}

void TPersonPlaces::Note(TCompleteWorld& world, const TKeptFiles& kept)
{
    noting_ = true;
    std::erase_if(noted_, [&kept](const auto& entry) { return !kept.Holds(entry.second.place); });
    for (const auto& [id, standing] : CurrentPlaces(world)) {
        if (kept.Holds(standing.place)) continue;
        noted_[id] = TNotedPerson{standing.place, standing.person->GetMoveFields()};
    }
}

std::vector<TReturnedPerson> TPersonPlaces::ReturnMovesAcrossKeptFiles(TCompleteWorld& world,
                                                                       const TKeptFiles& kept) const
{
    std::vector<TReturnedPerson> returned;
    if (!kept.Any() || !noting_) return returned;
    for (const auto& [id, standing] : CurrentPlaces(world)) {
        const auto noted = noted_.find(id);
        if (noted == noted_.end()) {
            if (kept.Holds(standing.place)) returned.push_back(PlaceNewPerson(world, kept, standing));
            continue;
        }
        const TPersonPlace& place = noted->second.place;
        if (place.country == standing.place.country || (!kept.Holds(place) && !kept.Holds(standing.place))) continue;
        returned.push_back(PutBack(world, place, noted->second.fields, kept, standing));
    }
    return returned;
}

void TPersonPlaces::Undo(TCompleteWorld& world, const std::vector<TReturnedPerson>& returned)
{
    for (auto entry = returned.rbegin(); entry != returned.rend(); ++entry) {
        if (entry->taken) Release(world, entry->to, *entry->person);
        entry->person->SetMoveFields(entry->moved);
        Take(world, entry->from, *entry->person);
    }
}
