#include <gtest/gtest.h>

#include <vector>

#include "DatabaseTestSupport.h"

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

}  // namespace
