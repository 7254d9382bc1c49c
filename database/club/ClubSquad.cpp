// Checks and derived values of a club's squad: the squad editor's rules,
// shirt numbers, strength and averages.

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "core/Random.h"
#include "database/club/Club.h"
#include "database/world/CompleteWorld.h"
#include "database/person/Person.h"

namespace {
constexpr int ShirtNumbers = 100;

bool SuitsGroup(int number, int group)
{
    switch (group) {
    case 1: return number == 1 || number > 11;
    case 2: return (number >= 2 && number <= 5) || number > 13;
    case 3: return (number >= 6 && number <= 8) || number == 10 || number > 13;
    case 4: return number == 9 || number == 11 || number > 13;
    default: return false;
    }
}

// The main positions of a generated team.
constexpr int GeneratedPositions[] = {1, 1, 3, 4, 4, 4, 2, 9, 9, 11, 12, 12, 10, 15, 16, 14, 17, 17, 17, 13};

// Places per position group in a strongest eleven.
constexpr int GroupPlaces[5] = {0, 1, 4, 4, 2};
}  // namespace

double TPerson::GetBestElevenLevel(std::vector<const TPerson*> players)
{
    std::stable_sort(players.begin(), players.end(),
                     [](const TPerson* a, const TPerson* b) { return a->GetLevel() > b->GetLevel(); });
    int room[5];
    std::copy(std::begin(GroupPlaces), std::end(GroupPlaces), room);
    int taken = 0;
    int sum = 0;
    for (const TPerson* player : players) {
        int& places = room[player->GetPositionGroup()];
        if (places == 0) continue;
        --places;
        ++taken;
        sum += player->GetLevel();
    }
    return taken > 0 ? static_cast<double>(sum) / taken : 0;
}

std::vector<const TPerson*> TClub::GetTeamPlayers(int team) const
{
    std::vector<const TPerson*> players;
    for (int slot = 0; slot < squadCount_; ++slot) {
        const TPerson* person = GetSquadPerson(slot);
        if (person != nullptr && person->IsPlayer() && person->GetTeamPart() == team) players.push_back(person);
    }
    return players;
}

int TClub::CheckSquad() const
{
    int counts[2][4] = {};
    bool unnamed = false;
    for (int slot = 0; slot < squadCount_; ++slot) {
        const TPerson* person = GetSquadPerson(slot);
        if (person == nullptr) continue;
        if (person->GetType() <= PersonPresident) ++counts[person->IsReserveTeam() ? 1 : 0][person->GetType()];
        unnamed |= person->GetFirstName()[0] == 0 || person->GetLastName()[0] == 0;
    }
    int errors = 0;
    if (counts[0][PersonPlayer] < 14) errors |= 0x1;
    if (counts[0][PersonManager] > 1) errors |= 0x4;
    if (counts[1][PersonManager] > 1) errors |= 0x8;
    if (counts[0][PersonChairman] > 1) errors |= 0x10;
    if (counts[1][PersonChairman] > 1) errors |= 0x20;
    if (counts[0][PersonPresident] > 1) errors |= 0x40;
    if (counts[1][PersonPresident] > 0) errors |= 0x80;
    if (unnamed) errors |= 0x100;
    return errors;
}

// Staff keep a number in their record that no team shows, the game
// included: only players take a number away.
const TPerson* TClub::ShirtWearerAt(int slot, bool reserveTeam) const
{
    const TPerson* person = GetSquadPerson(slot);
    return person != nullptr && person->IsPlayer() && person->IsReserveTeam() == reserveTeam ? person : nullptr;
}

void TClub::CountShirtNumbers(int (&counts)[100], bool reserveTeam) const
{
    std::fill(std::begin(counts), std::end(counts), 0);
    counts[0] = 1;
    for (int slot = 0; slot < squadCount_; ++slot) {
        const TPerson* person = ShirtWearerAt(slot, reserveTeam);
        if (person != nullptr && person->GetTeamShirtNumber() < ShirtNumbers) ++counts[person->GetTeamShirtNumber()];
    }
}

bool TClub::IsShirtNumberUsed(int number, bool reserveTeam) const
{
    return IsShirtNumberWornBesides(number, reserveTeam, nullptr);
}

bool TClub::IsShirtNumberUsedBy(const TPerson* person, bool reserveTeam) const
{
    return person != nullptr && IsShirtNumberWornBesides(person->GetShirtNumberIn(reserveTeam), reserveTeam, person);
}

bool TClub::IsShirtNumberWornBesides(int number, bool reserveTeam, const TPerson* wearer) const
{
    for (int slot = 0; slot < squadCount_; ++slot) {
        const TPerson* person = ShirtWearerAt(slot, reserveTeam);
        if (person != nullptr && person != wearer && person->GetTeamShirtNumber() == number) return true;
    }
    return false;
}

void TClub::PlaceInTeam(TPerson& person, bool reserveTeam) const
{
    if (person.IsReserveTeam() == reserveTeam) return;
    if (person.GetShirtNumberIn(reserveTeam) == 0 || IsShirtNumberUsedBy(&person, reserveTeam)) {
        person.SetShirtNumberIn(reserveTeam, static_cast<std::uint8_t>(GetFreeShirtNumberFor(&person, reserveTeam)));
    }
    if (reserveTeam) {
        person.SetReserveTeam();
    } else {
        person.ClearReserveTeam();
    }
}

void TClub::GiveFreeShirtNumber(TPerson& person) const
{
    person.SetTeamShirtNumber(0);
    person.SetTeamShirtNumber(static_cast<std::uint8_t>(GetFreeShirtNumberFor(&person, person.IsReserveTeam())));
}

int TClub::GetFreeShirtNumber(int position, bool reserveTeam) const
{
    int counts[ShirtNumbers];
    CountShirtNumbers(counts, reserveTeam);
    const int group = TPerson::PositionGroupOf(position);
    // A number worn at least once is taken, so no two persons share one.
    for (int number = 0; number < ShirtNumbers; ++number) {
        if (counts[number] == 0 && SuitsGroup(number, group)) return number;
    }
    return 99;
}

int TClub::GetFreeShirtNumberFor(const TPerson* person, bool reserveTeam) const
{
    return person != nullptr ? GetFreeShirtNumber(person->GetPosition(0), reserveTeam) : 99;
}

double TClub::GetTeamStrength(int team) const
{
    std::vector<const TPerson*> players = GetTeamPlayers(team);
    if (squadCount_ < 11 || players.size() < 11) return 0;
    return TPerson::GetBestElevenLevel(std::move(players));
}

double TClub::GetAverageLevel(int team) const
{
    const std::vector<const TPerson*> players = GetTeamPlayers(team);
    if (players.empty()) return 0;
    double sum = 0;
    for (const TPerson* player : players) sum += player->GetBestPositionRating();
    return sum / static_cast<double>(players.size());
}

int TClub::GetPlayerCountInTeam(int team) const
{
    return static_cast<int>(GetTeamPlayers(team).size());
}

double TClub::GetAverageAge(int team) const
{
    const std::vector<const TPerson*> players = GetTeamPlayers(team);
    if (players.empty()) return 0;
    double sum = 0;
    for (const TPerson* player : players) sum += player->GetAge();
    return sum / static_cast<double>(players.size());
}

int TClub::CountSquadByPersonType() const
{
    // No staff rule is enforced: the counts are kept for none.
    return 0;
}

void TClub::GenerateTeam(bool firstTeam, int level, int age)
{
    if (world_ == nullptr) return;
    const int team = firstTeam ? 0 : 1;
    for (const TPerson* player : GetTeamPlayers(team)) RemovePlayer(player);
    std::vector<TPerson*> generated;
    for (int position : GeneratedPositions) {
        TPerson* person = world_->CreatePerson(world_->GetFreePersonId(), false);
        const int playerLevel = std::clamp(level - 10 + CrtRandBelow(20), 0, 99);
        const int playerAge = std::clamp(age - 5 + CrtRandBelow(10), 18, 60);
        person->GenerateRandomPlayer(this, nullptr, nullptr, playerAge, position, -1, playerLevel, -1, -1);
        if (!firstTeam) PlaceInTeam(*person, true);
        if (squadCount_ < SquadCapacity && AddPlayer(person)) {
            generated.push_back(person);
        } else {
            world_->DeletePerson(person);
        }
    }
    const double mean = GetAverageLevel(team);
    const double factor = level / (mean <= 0.01 ? 1.0 : mean);
    for (TPerson* person : generated) {
        for (int i = 0; i < TPerson::AbilityCount; ++i) {
            person->SetAbility(i, static_cast<std::uint8_t>(std::clamp(person->GetAbility(i) * factor, 0.0, 99.0)));
        }
    }
}
