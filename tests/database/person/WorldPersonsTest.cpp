#include <gtest/gtest.h>

#include <vector>

#include "tests/database/DatabaseTestSupport.h"
#include "core/Random.h"
#include "database/club/ReferenceLists.h"

namespace {

class WorldPersons : public database_testing::CurrentWorldTest {
protected:
    TClub* NewClub(int countryId, const char16_t* name)
    {
        TCountry* country = world_->GetCountry(countryId);
        return country->GetClubByUniqueId(country->CreateClub(name));
    }

    // Persons with the given ids, added to the club's squad in that order.
    std::vector<TPerson*> Sign(TClub* club, std::vector<std::uint32_t> ids)
    {
        std::vector<TPerson*> persons;
        for (std::uint32_t id : ids) {
            persons.push_back(world_->CreatePerson(id, false));
            EXPECT_TRUE(club->AddPlayer(persons.back()));
        }
        return persons;
    }

    static std::vector<std::uint32_t> SquadIds(const TClub& club)
    {
        std::vector<std::uint32_t> ids;
        for (int slot = 0; slot < club.GetSquadCount(); ++slot) {
            const TPerson* person = club.GetSquadPerson(slot);
            ids.push_back(person ? person->GetId() : 0);
        }
        return ids;
    }
};

TEST_F(WorldPersons, SquadHoldsSixtyDistinctPersonsInOrder)
{
    TClub* club = NewClub(5, u"Alpha");
    EXPECT_EQ(club->GetSquadCount(), 0);
    EXPECT_FALSE(club->AddPlayer(nullptr));
    for (std::uint32_t id = 1; id <= TClub::SquadCapacity; ++id) Sign(club, {id});
    TPerson* extra = world_->CreatePerson(61, false);
    EXPECT_FALSE(club->AddPlayer(extra));
    EXPECT_EQ(club->GetSquadCount(), 60);
    EXPECT_EQ(club->GetSquadPerson(59)->GetId(), 60u);
    EXPECT_EQ(club->GetSquadPerson(60), nullptr);
    EXPECT_EQ(club->GetSquadPerson(-1), nullptr);

    // The last slot only empties itself; a middle one moves the rest down.
    EXPECT_TRUE(club->RemovePlayer(world_->GetPerson(60)));
    EXPECT_EQ(club->GetSquadCount(), 59);
    EXPECT_TRUE(club->RemovePlayer(world_->GetPerson(2)));
    EXPECT_EQ(club->GetSquadPerson(1)->GetId(), 3u);
    EXPECT_EQ(club->GetSquadPerson(57)->GetId(), 59u);
    EXPECT_EQ(club->GetSquadPerson(58), nullptr);
    EXPECT_FALSE(club->RemovePlayer(world_->GetPerson(2)));
    EXPECT_FALSE(club->RemovePlayer(nullptr));

    EXPECT_TRUE(club->AddPlayer(extra));
    EXPECT_FALSE(club->AddPlayer(extra));
    EXPECT_EQ(club->GetSquadCount(), 59);
    EXPECT_EQ(club->FindPlayer(61), extra);
    EXPECT_EQ(club->FindPlayer(2), nullptr);
    EXPECT_EQ(club->FindPlayer(0), nullptr);
}

TEST_F(WorldPersons, SquadSlotOfADeletedPersonResolvesToNothing)
{
    TClub* club = NewClub(5, u"Alpha");
    Sign(club, {7, 8});
    world_->DeletePerson(world_->GetPerson(7));
    EXPECT_EQ(SquadIds(*club), (std::vector<std::uint32_t>{0, 8}));
    EXPECT_EQ(club->FindPlayer(7), nullptr);
}

TEST_F(WorldPersons, CollectsCountriesClubsAndSquadsOfCountriesOneTo206)
{
    TClub* alpha = NewClub(1, u"Alpha");
    TClub* beta = NewClub(1, u"Beta");
    TClub* gamma = NewClub(206, u"Gamma");
    TClub* beyond = NewClub(207, u"Beyond");
    const auto alphaSquad = Sign(alpha, {10, 11});
    const auto gammaSquad = Sign(gamma, {20});
    Sign(beyond, {30});
    TClub* nationalTeam = world_->GetCountry(1)->GetNationalTeam();
    Sign(nationalTeam, {40});
    ASSERT_TRUE(nationalTeam->AddPlayer(alphaSquad[1]));

    std::vector<TCountryClubPerson> list(3);
    world_->CollectPersons(list, 0);
    ASSERT_EQ(list.size(), 206u);
    EXPECT_EQ(list.front().country, world_->GetCountry(1));
    EXPECT_EQ(list.back().country, world_->GetCountry(206));
    EXPECT_EQ(list.back().club, nullptr);

    // Every country has its national team first, then the clubs it created.
    world_->CollectPersons(list, 1);
    ASSERT_EQ(list.size(), 206u + 3u);
    EXPECT_EQ(list[1].club, alpha);
    EXPECT_EQ(list[2].club, beta);
    EXPECT_EQ(list.back().club, gamma);
    EXPECT_EQ(list.back().country, world_->GetCountry(206));
    EXPECT_EQ(list.back().person, nullptr);

    // National teams and country 207 add nobody.
    world_->CollectPersons(list, 2);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].person, alphaSquad[0]);
    EXPECT_EQ(list[1].person, alphaSquad[1]);
    EXPECT_EQ(list[1].club, alpha);
    EXPECT_EQ(list[1].country, world_->GetCountry(1));
    EXPECT_EQ(list[2].person, gammaSquad[0]);
    EXPECT_EQ(list[2].club, gamma);

    world_->CollectPersons(list, 3);
    EXPECT_TRUE(list.empty());
}

TEST_F(WorldPersons, FindsTheFirstClubWhoseSquadHoldsThePersonRecord)
{
    TClub* alpha = NewClub(3, u"Alpha");
    TClub* beta = NewClub(4, u"Beta");
    TClub* beyond = NewClub(207, u"Beyond");
    TPerson* keeper = Sign(alpha, {5}).front();
    TPerson* striker = Sign(beta, {6}).front();
    TPerson* exile = Sign(beyond, {7}).front();
    EXPECT_EQ(world_->FindClubOfPerson(keeper), alpha);
    EXPECT_EQ(world_->FindClubOfPerson(striker), beta);
    EXPECT_EQ(world_->FindClubOfPerson(exile), nullptr);
    EXPECT_EQ(world_->FindClubOfPerson(nullptr), nullptr);

    // The national team's squad counts as a club's squad.
    TClub* nationalTeam = world_->GetCountry(2)->GetNationalTeam();
    ASSERT_TRUE(nationalTeam->AddPlayer(keeper));
    EXPECT_EQ(world_->FindClubOfPerson(keeper), nationalTeam);

    // Another world's person of the same id is not this world's person.
    TPerson stranger(nullptr, 6);
    EXPECT_EQ(world_->FindClubOfPerson(&stranger), nullptr);
    ASSERT_TRUE(beta->RemovePlayer(striker));
    EXPECT_EQ(world_->FindClubOfPerson(striker), nullptr);
}

TEST_F(WorldPersons, RemovingAClubKeepsOrDeletesItsPersons)
{
    TCountry* country = world_->GetCountry(8);
    TClub* kept = NewClub(8, u"Kept");
    TClub* dropped = NewClub(8, u"Dropped");
    TClub* other = NewClub(8, u"Other");
    Sign(kept, {1, 2});
    Sign(dropped, {3, 4});
    Sign(other, {5});
    other->SetPartnerClub(dropped->GetId());

    EXPECT_TRUE(country->RemoveClub(kept, true, false));
    EXPECT_EQ(world_->GetPersonCount(), 5);
    EXPECT_EQ(world_->FindClubOfPerson(world_->GetPerson(1)), nullptr);

    const TTeamId droppedId = dropped->GetId();
    EXPECT_TRUE(country->RemoveClub(dropped, true, true));
    EXPECT_EQ(world_->GetPersonCount(), 3);
    EXPECT_EQ(world_->GetPerson(3), nullptr);
    EXPECT_EQ(world_->GetPerson(4), nullptr);
    EXPECT_NE(world_->GetPerson(5), nullptr);
    EXPECT_EQ(other->GetPartnerClub(), 0u);
    EXPECT_EQ(country->GetClubByUniqueId(droppedId), nullptr);
    EXPECT_EQ(country->GetClubCountWithoutNationalTeam(), 1);

    // A club of another country is not this country's to remove.
    TClub* foreign = NewClub(9, u"Foreign");
    Sign(foreign, {6});
    EXPECT_FALSE(country->RemoveClub(foreign, true, true));
    EXPECT_NE(world_->GetPerson(6), nullptr);
}


THistoryEntry Spell(std::uint32_t club, TDate start, TDate end, std::uint8_t flags = 0)
{
    THistoryEntry entry;
    entry.clubId = club;
    entry.start = start;
    entry.end = end;
    entry.entryFlags = flags;
    return entry;
}

struct SpellSeen {
    std::uint32_t club;
    TDate start;
    TDate end;
    std::uint8_t flags;
    bool operator==(const SpellSeen&) const = default;
};

std::vector<SpellSeen> History(const TPerson& person)
{
    std::vector<SpellSeen> seen;
    for (int n = 0; n < person.GetHistoryCount(); ++n) {
        const THistoryEntry& e = person.GetHistoryEntry(n);
        seen.push_back({e.clubId, e.start, e.end, e.entryFlags});
    }
    return seen;
}

TEST_F(WorldPersons, AMoveClosesTheOldSpellAndBeginsARunningOne)
{
    TClub* from = NewClub(3, u"From");
    TClub* to = NewClub(3, u"To");
    TClub* abroad = NewClub(9, u"Abroad");
    const TDate d{2007, 6, 30};
    const TDate firstDay{2007, 7, 1};
    const std::uint32_t reserve = from->GetId() | ReserveTeamBit;
    struct Case {
        std::vector<THistoryEntry> before;
        std::vector<SpellSeen> closed;
        const char* why;
    };
    const Case cases[] = {
        {{}, {{from->GetId(), TDate(2006, 6, 30), d, 0}}, "no history: one season at the old club"},
        {{Spell(abroad->GetId(), TDate(2001, 7, 1), TDate(2004, 6, 30)),
          Spell(reserve, TDate(2004, 7, 1), TDate(2005, 6, 30), THistoryEntry::RunningFlag | THistoryEntry::LoanFlag),
          Spell(abroad->GetId(), TDate(2002, 7, 1), TDate(2005, 6, 30))},
         {{abroad->GetId(), TDate(2001, 7, 1), TDate(2004, 6, 30), 0},
          {reserve, TDate(2004, 7, 1), d, THistoryEntry::LoanFlag},
          {abroad->GetId(), TDate(2002, 7, 1), TDate(2005, 6, 30), 0}},
         "the latest entry (the first of equal ones) is the old club's, reserve mark ignored: it ends on D"},
        {{Spell(abroad->GetId(), TDate(2003, 7, 1), TDate(2005, 12, 31))},
         {{abroad->GetId(), TDate(2003, 7, 1), TDate(2005, 12, 31), 0}, {from->GetId(), TDate(2006, 1, 1), d, 0}},
         "a foreign latest entry: a spell from the day after it"},
        {{Spell(from->GetId(), TDate(2004, 7, 1), TDate(2006, 6, 30)),
          Spell(from->GetId(), firstDay, firstDay, THistoryEntry::RunningFlag)},
         {{from->GetId(), TDate(2004, 7, 1), TDate(2006, 6, 30), 0}, {from->GetId(), firstDay, firstDay, 0}},
         "a spell begun on the new season's first day ends on it, not the day before"},
    };
    std::uint32_t id = 100;
    for (const Case& c : cases) {
        TPerson* person = Sign(from, {++id}).front();
        for (const THistoryEntry& entry : c.before) person->AddHistoryEntry(entry);
        person->SetYearJoined(1999);
        person->SetContractUntil(2011);
        ASSERT_TRUE(person->MoveToClub(to, 0)) << c.why;
        std::vector<SpellSeen> expected = c.closed;
        expected.push_back({to->GetId(), firstDay, firstDay, THistoryEntry::RunningFlag});
        EXPECT_EQ(History(*person), expected) << c.why;
        EXPECT_EQ(world_->FindClubOfPerson(person), to);
        EXPECT_EQ(from->FindPlayer(id), nullptr);
        EXPECT_EQ(person->GetYearJoined(), 2007);
        EXPECT_EQ(person->GetContractUntil(), 2008);
    }
}

TEST_F(WorldPersons, AMoveSetsTheTeamPartAndAFreeShirtNumber)
{
    TClub* to = NewClub(3, u"To");
    TPerson* keeper = Sign(to, {1}).front();
    keeper->SetPosition(0, 1);
    keeper->SetShirtNumber(1);
    struct Case {
        int teamPart;
        bool reserve;
        bool youth;
        int number;
    };
    std::uint32_t id = 10;
    // Each team has numbers of its own: the reserve team is empty, so the
    // reserve keeper gets 1; the youth player keeps his reserve mark and
    // gets the reserve team's next keeper number.
    for (const Case& c : {Case{0, false, false, 12}, Case{1, true, false, 1}, Case{2, true, true, 12}}) {
        TPerson* person = world_->CreatePerson(++id, false);
        person->SetPosition(0, 1);
        person->SetYouthPlayer(c.teamPart != 2);
        if (c.teamPart == 0 || c.teamPart == 2) person->SetReserveTeam();
        ASSERT_TRUE(world_->GetFreeAgents().Add(person));
        ASSERT_TRUE(person->MoveToClub(to, c.teamPart));
        EXPECT_EQ(person->IsReserveTeam(), c.reserve) << c.teamPart;
        EXPECT_EQ(person->IsYouthPlayer(), c.youth) << c.teamPart;
        EXPECT_EQ(person->GetTeamShirtNumber(), c.number) << c.teamPart;
        EXPECT_EQ(person->GetHistoryCount(), 1) << "no old club, no closed spell";
    }
    EXPECT_EQ(world_->GetFreeAgents().GetCount(), 0) << "free agents leave the list";
}

TEST_F(WorldPersons, ARefusedMoveChangesNothing)
{
    TClub* from = NewClub(3, u"From");
    TClub* full = NewClub(3, u"Full");
    TPerson* person = Sign(from, {1}).front();
    person->SetShirtNumber(7);
    std::vector<std::uint32_t> ids;
    for (std::uint32_t id = 100; id < 100 + TClub::SquadCapacity; ++id) ids.push_back(id);
    Sign(full, ids);
    EXPECT_FALSE(person->MoveToClub(nullptr, 0));
    EXPECT_FALSE(person->MoveToClub(full, 0));
    EXPECT_FALSE(person->MoveToClub(from, 0)) << "the club he is at";
    EXPECT_EQ(world_->FindClubOfPerson(person), from);

    // A club that does not take him (he is in its squad already, behind
    // the club that is found first) returns him to where he came from.
    TClub* both = NewClub(3, u"Both");
    ASSERT_TRUE(both->AddPlayer(person));
    EXPECT_FALSE(person->MoveToClub(both, 1));
    EXPECT_EQ(from->FindPlayer(1), person);
    EXPECT_EQ(person->GetShirtNumber(), 7);
    EXPECT_EQ(person->GetHistoryCount(), 0);
    EXPECT_FALSE(person->IsReserveTeam());

    // A club of country 207 is no club a person is found in; this one
    // holds the free agent already and so does not take him.
    TPerson* freeAgent = world_->CreatePerson(2, false);
    world_->GetFreeAgents().Add(freeAgent);
    TClub* beyond = NewClub(207, u"Beyond");
    ASSERT_TRUE(beyond->AddPlayer(freeAgent));
    EXPECT_FALSE(freeAgent->MoveToClub(beyond, 0));
    EXPECT_EQ(world_->GetFreeAgents().GetPlayer(0), freeAgent) << "a refused move keeps the free agent on the list";
}

TEST_F(WorldPersons, AThirtiethEntryLeavesNoRoomForTheMovesSpells)
{
    TClub* from = NewClub(3, u"From");
    TClub* to = NewClub(3, u"To");
    TPerson* person = Sign(from, {1}).front();
    for (int year = 1970; year < 2000; ++year) person->AddHistoryEntry(Spell(0x00090001, TDate(year, 7, 1), TDate(year + 1, 6, 30)));
    ASSERT_TRUE(person->MoveToClub(to, 0));
    EXPECT_EQ(person->GetHistoryCount(), TPerson::MaxHistoryEntries);
    EXPECT_EQ(person->GetHistoryEntry(29).clubId, 0x00090001u);
}

TEST_F(WorldPersons, LegalDataIsClearedFromPoolRefereesClubsAndPersons)
{
    TCountry* country = world_->GetCountry(6);
    TClub* club = NewClub(6, u"Club");
    club->SetFansites(u"fans.example");
    TPerson* person = Sign(club, {1}).front();
    person->SetNickname(u"Nick");
    person->SetPseudonym(u"Kept");
    TPerson* elsewhere = Sign(NewClub(7, u"Elsewhere"), {2}).front();
    elsewhere->SetNickname(u"Other");
    country->ResizePool(3);
    country->GetPoolPlayer(1)->SetFirstName(u"Anna");
    country->GetPoolPlayer(1)->SetLastName(u"Berg");
    country->GetPoolPlayer(1)->SetPseudonym(u"Real");
    country->GetPoolPlayer(2)->SetShoe(7);
    country->GetReferees().Add(TReferee());
    country->GetReferees().Add(TReferee());

    country->ClearLegalData();
    TPoolPlayer reset;
    reset.Reset();
    for (int index = 0; index < 3; ++index) {
        const TPoolPlayer& entry = *country->GetPoolPlayer(index);
        EXPECT_EQ(std::u16string(entry.GetFirstName()), u"") << index;
        EXPECT_EQ(std::u16string(entry.GetPseudonym()), u"") << "pseudonyms too";
        EXPECT_EQ(entry.GetShoe(), reset.GetShoe());
        EXPECT_EQ(entry.GetNationality(), 1);
    }
    EXPECT_EQ(country->GetPoolPlayerCount(), 3);
    EXPECT_EQ(country->GetReferees().GetCount(), 0);
    EXPECT_EQ(std::u16string(club->GetFansites()), u"");
    EXPECT_EQ(std::u16string(person->GetNickname()), u"");
    EXPECT_EQ(std::u16string(person->GetPseudonym()), u"Kept") << "a person's pseudonym is his playing name";
    EXPECT_TRUE(person->IsRealPerson());
    EXPECT_EQ(std::u16string(elsewhere->GetNickname()), u"Other") << "another country's club";
}

TEST_F(WorldPersons, GeneratedLooksComeOnlyFromTheMasks)
{
    TCountry* country = world_->GetCountry(6);
    country->SetHairColourMask(0x0000000A);
    const std::uint32_t hairstyles[2] = {0, 0x00000030};
    country->SetHairstyleMask(hairstyles);
    country->SetFacialHairMask(0x00000004);
    const std::uint32_t faces[4] = {0, 0, 0x1, 0x80000000};
    country->SetFaceMask(faces);
    TPerson person(world_, 1);
    CrtSrand(7);
    int facial = 0;
    for (int draw = 0; draw < 300; ++draw) {
        country->RandomiseAppearance(person);
        EXPECT_TRUE(person.GetHairColour() == 1 || person.GetHairColour() == 3) << int{person.GetHairColour()};
        EXPECT_TRUE(person.GetHairstyle() == 36 || person.GetHairstyle() == 37) << int{person.GetHairstyle()};
        EXPECT_TRUE(person.GetFace() == 64 || person.GetFace() == 127) << int{person.GetFace()};
        EXPECT_TRUE(person.GetFacialHair() == 2 || person.GetFacialHair() == 1) << int{person.GetFacialHair()};
        EXPECT_TRUE(GetShoeList().Contains(person.GetShoe())) << int{person.GetShoe()};
        facial += person.GetFacialHair() == 2;
    }
    // A third of the persons get facial hair from the mask.
    EXPECT_GT(facial, 70);
    EXPECT_LT(facial, 130);

    // Empty masks give 0.
    const std::uint32_t none[4] = {};
    country->SetHairColourMask(0);
    country->SetHairstyleMask(none);
    country->SetFaceMask(none);
    country->RandomiseAppearance(person);
    EXPECT_EQ(person.GetHairColour(), 0);
    EXPECT_EQ(person.GetHairstyle(), 0);
    EXPECT_EQ(person.GetFace(), 0);
}

}  // namespace
