// Builds clubs, squads and leagues of two countries from arbitrary bytes
// and runs the shirt-number board and the country player list over them:
// the board shows every player of its team once and a drop keeps it so;
// every listed row is a player of the club the list names, passes the
// filters and has its texts.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <set>
#include <vector>

#include "fuzz/FuzzBytes.h"
#include "fuzz/FuzzWorld.h"
#include "competition/League.h"
#include "core/AppMessage.h"
#include "database/club/Club.h"
#include "database/country/Country.h"
#include "database/person/Person.h"
#include "editors/player_staff/model/squad/AllPlayersFilter.h"
#include "editors/player_staff/model/lists/ShirtNumberBoard.h"

namespace {

constexpr int Countries[] = {3, 9};
constexpr int ClubsPerCountry = 5;

int Silent(const char16_t*, unsigned, void*)
{
    return AppMessage::IdOk;
}

using fuzz_support::FuzzBytes;

std::vector<TClub*> MakeClubs(TCompleteWorld& world)
{
    std::vector<TClub*> clubs;
    for (int id : Countries) {
        TCountry& country = *world.GetCountry(id);
        for (int n = 0; n < ClubsPerCountry; ++n) clubs.push_back(country.GetClubByUniqueId(country.CreateClub(u"Club")));
    }
    return clubs;
}

void MakeLeagues(FuzzBytes& in, TCountry& country, const std::vector<TClub*>& clubs)
{
    TCompetitionRegistry& registry = country.GetCompetitionRegistry();
    const int leagues = in.U8() % 4;
    for (int index = 0; index < leagues; ++index) {
        auto league = std::make_unique<CDBLeague>(country.GetLeagueId(index),
                                                  static_cast<std::uint32_t>(country.GetId()) << 24, registry);
        league->SetLevel(static_cast<std::int8_t>(in.U8() % 3));
        league->SetTeamsAndRounds(18, 2);
        for (TClub* club : clubs) {
            const std::uint8_t choice = in.U8();
            if (club->GetCountryId() != country.GetId() || choice % 3 == 0) continue;
            league->AddTeam(choice % 3 == 1 ? club->GetId() : club->GetId() | ReserveTeamBit);
        }
        if (!registry.Register(std::move(league))) return;
    }
}

void MakePerson(FuzzBytes& in, TCompleteWorld& world, const std::vector<TClub*>& clubs)
{
    TPerson* person = world.CreatePerson(world.GetFreePersonId(), false);
    if (person == nullptr) return;
    const std::uint8_t type = in.U8();
    person->SetType(type % 4 == 0 ? type % 20 : 0);
    person->SetLastName(in.U8() & 1 ? u"Rowan" : u"Abel");
    person->SetNationality(in.U8());
    person->SetPosition(0, in.U8());
    const std::uint8_t part = in.U8();
    if (part & 1) person->SetReserveTeam();
    person->SetYouthPlayer((part & 2) != 0);
    person->SetShirtNumber(in.U8());
    person->SetReserveShirtNumber(in.U8());
    person->SetAbility(in.U8() % TPerson::AbilityCount, in.U8());
    if (!clubs[in.U8() % clubs.size()]->AddPlayer(person)) world.DeletePerson(person);
}

void CheckBoard(FuzzBytes& in, TClub& club, bool firstTeam)
{
    ShirtNumberBoard board(&club, firstTeam);
    board.Fill();
    const auto check = [&board] {
        std::set<std::uint32_t> shown;
        for (int number = 1; number < ShirtNumberBoard::NumberCount; ++number) {
            const std::uint32_t id = board.PersonOn(number);
            if (id != 0 && !shown.insert(id).second) __builtin_trap();
            (void)board.RowText(number);
        }
        return shown.size();
    };
    const std::size_t before = check();
    board.Drop(board.PersonOn(1 + in.U8() % 99), in.U8());
    if (check() != before) __builtin_trap();
}

std::uint32_t Choice(FuzzBytes& in, std::uint32_t all, std::initializer_list<std::uint32_t> values)
{
    const std::uint8_t byte = in.U8();
    return byte % (values.size() + 1) == 0 ? all : *(values.begin() + byte % values.size());
}

void CheckList(FuzzBytes& in, TCompleteWorld& world)
{
    using Filter = AllPlayersFilter;
    const std::vector<Filter::TItem> positions = Filter::PositionFilterItems();
    Filter::TFilters filters;
    filters.continent = Choice(in, Filter::All, {2, 0});
    filters.country = Choice(in, Filter::All, {3, 9, 4});
    filters.league = Choice(in, Filter::All, {Filter::LevelChoice | 0, Filter::LevelChoice | 1, Filter::LeagueChoice | 1,
                                             Filter::LeagueChoice | 2});
    filters.position = positions[in.U8() % positions.size()].value;
    std::vector<TTeamId> teams;
    if (filters.country != Filter::All) {
        teams = Filter::BuildLeagueTeams(*world.GetCountry(static_cast<int>(filters.country)), filters.league);
    }
    Filter list;
    list.Fill(world, filters, teams);
    const int mode = in.U8() % 5;
    const int ability = in.U8() % TPerson::AbilityCount;
    const TPerson* previous = nullptr;
    for (const Filter::TRow& row : list.Rows()) {
        const TPerson* person = world.GetPerson(row.personId);
        const TClub* club = world.GetClub(row.clubId);
        if (person == nullptr || club == nullptr || club->FindPlayer(row.personId) != person) __builtin_trap();
        if (person->GetType() != 0 || !Filter::PassesPosition(*person, filters.position)) __builtin_trap();
        if (list.ClubOf(row.personId) != row.clubId) __builtin_trap();
        if (WithoutReserveBit(list.ReportedClub(*person)) != row.clubId) __builtin_trap();
        if (Filter::RowTexts(world, row.personId, mode, ability)[0].empty()) __builtin_trap();
        if (previous != nullptr) {
            for (int type = 0; type < 3; ++type) (void)Filter::Compare(world, type, *previous, *person, mode, ability);
        }
        previous = person;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    SetAppMessageSink({Silent, nullptr});
    FuzzBytes in(data, size);
    TCompleteWorld* world = fuzz_support::MakeCountriesWorld();
    const std::vector<TClub*> clubs = MakeClubs(*world);
    for (int id : Countries) MakeLeagues(in, *world->GetCountry(id), clubs);
    const int persons = in.U8() % 200;
    for (int n = 0; n < persons && !in.Empty(); ++n) MakePerson(in, *world, clubs);
    for (TClub* club : clubs) {
        CheckBoard(in, *club, true);
        CheckBoard(in, *club, false);
    }
    for (int round = 0; round < 4; ++round) CheckList(in, *world);
    GetWorldList().SetCurrentWorld(nullptr);
    return 0;
}
