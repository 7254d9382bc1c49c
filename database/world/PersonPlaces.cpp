#include "database/world/PersonPlaces.h"

#include <algorithm>
#include <map>

#include "database/world/CompleteWorld.h"

namespace {

// Ordered by person id, so that the persons put back are named in a fixed
// order.
std::map<std::uint32_t, TPersonPlace> CurrentPlaces(const TCompleteWorld& world)
{
    std::map<std::uint32_t, TPersonPlace> places;
    for (int id = 1; id <= TCompleteWorld::LastCountryId; ++id) {
        TCountry& country = *world.GetCountry(id);
        for (int index = 0; index < country.GetClubCount(); ++index) {
            const TClub& club = *country.GetClubByIndex(index);
            for (int slot = 0; slot < club.GetSquadCount(); ++slot) {
                if (const TPerson* person = club.GetSquadPerson(slot)) places.try_emplace(person->GetId(), TPersonPlace{club.GetId(), id});
            }
        }
        for (const auto& entry : country.GetAdditionalManagers()) places.try_emplace(entry.first, TPersonPlace{0, id});
    }
    const TPlayersWithoutClub& freeAgents = world.GetFreeAgents();
    for (int index = 0; index < freeAgents.GetCount(); ++index) {
        places.try_emplace(freeAgents.GetPlayer(index)->GetId(), TPersonPlace{});
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

// A kept file holds the person at his noted place whether or not the world
// has that place still; a written file needs a place that takes him.
TReturnedPerson PutBack(TCompleteWorld& world, const TPersonPlace& noted, const TKeptFiles& kept, TPerson& person,
                        const TPersonPlace& from)
{
    if (Take(world, noted, person)) return {&person, from, noted};
    if (kept.Holds(noted)) return {&person, from, noted, false};
    const TPersonPlace freeAgents;
    if (!kept.freeAgents && Take(world, freeAgents, person)) return {&person, from, freeAgents};
    const TPersonPlace managers{0, noted.country};
    Take(world, managers, person);
    return {&person, from, managers};
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

void TPersonPlaces::Note(TCompleteWorld& world, const TKeptFiles& kept)
{
    std::erase_if(noted_, [&kept](const auto& entry) { return !kept.Holds(entry.second); });
    for (const auto& [id, place] : CurrentPlaces(world)) {
        if (!kept.Holds(place)) noted_[id] = place;
    }
}

std::vector<TReturnedPerson> TPersonPlaces::ReturnMovesAcrossKeptFiles(TCompleteWorld& world,
                                                                       const TKeptFiles& kept) const
{
    std::vector<TReturnedPerson> returned;
    if (!kept.Any() || noted_.empty()) return returned;
    for (const auto& [id, place] : CurrentPlaces(world)) {
        const auto noted = noted_.find(id);
        if (noted == noted_.end() || noted->second.country == place.country) continue;
        if (!kept.Holds(noted->second) && !kept.Holds(place)) continue;
        TPerson& person = *world.GetPerson(id);
        Release(world, place, person);
        returned.push_back(PutBack(world, noted->second, kept, person, place));
    }
    return returned;
}

void TPersonPlaces::Undo(TCompleteWorld& world, const std::vector<TReturnedPerson>& returned)
{
    for (auto entry = returned.rbegin(); entry != returned.rend(); ++entry) {
        if (entry->taken) Release(world, entry->to, *entry->person);
        Take(world, entry->from, *entry->person);
    }
}
