#include <gtest/gtest.h>

#include "tests/database/DatabaseTestSupport.h"
#include "database/club/Club.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/person/Person.h"
#include "editors/player_staff/model/staff/AdditionalManagers.h"

namespace {

void SetAbbreviation(TCountry& country, const char16_t* text)
{
    for (int language = 0; language < TCountry::LanguageCount; ++language) country.SetAbbreviationInLanguage(language, text);
}

class AdditionalManagersTest : public database_testing::CurrentWorldTest {
protected:
    void SetUp() override
    {
        CurrentWorldTest::SetUp();
        country_ = world_->GetCountry(5);
        SetAbbreviation(*country_, u"FIV");
        country_->SetLanguage(0, 7);
        country_->SetLanguage(1, 12);
    }
    TClub* NewClub(int countryId, const char16_t* name)
    {
        TCountry* country = world_->GetCountry(countryId);
        return country->GetClubByUniqueId(country->CreateClub(name));
    }
    // Players until the club holds count persons.
    void FillSquad(TClub* club, int count)
    {
        while (club->GetSquadCount() < count) {
            TPerson* person = world_->CreatePerson(world_->GetFreePersonId(), false);
            person->SetLastName(u"Filler");
            ASSERT_TRUE(club->AddPlayer(person));
        }
    }

    TCountry* country_ = nullptr;
    AdditionalManagers Managers() { return AdditionalManagers(*world_, *country_); }
};

TEST_F(AdditionalManagersTest, AnAddedManagerHasTheCountrysNationalityAndFirstTwoLanguages)
{
    struct Case {
        std::uint8_t type;
        const char16_t* role;
    };
    for (const Case& c : {Case{1, u"List.Manager"}, Case{2, u"List.Chairman"}, Case{3, u"List.President"},
                          Case{5, u"List.GoalkeeperCoach"}}) {
        TPerson* person = Managers().Add(c.type);
        ASSERT_NE(person, nullptr);
        EXPECT_EQ(person->GetType(), c.type);
        EXPECT_EQ(person->GetNationality(), 5);
        EXPECT_EQ(person->GetLanguage(0), 7);
        EXPECT_EQ(person->GetLanguage(1), 12);
        EXPECT_EQ(person->GetPosition(0), 1);
        EXPECT_EQ(world_->GetPerson(person->GetId()), person);
        EXPECT_EQ(country_->GetAdditionalManagers().at(person->GetId()), person);
        const AdditionalManagerRow row = Managers().Rows().back();
        EXPECT_EQ(row.personId, person->GetId());
        EXPECT_EQ(std::u16string(row.roleKey), c.role);
        EXPECT_EQ(row.nationality, u"FIV");
        EXPECT_EQ(row.Text(u"Role"), TPerson::GetShortName(person) + u"\tRole\tFIV");
    }
    EXPECT_EQ(Managers().Rows().size(), 4u);
}

TEST_F(AdditionalManagersTest, DeletingTheLastLeavesNoRowAndNoPerson)
{
    const std::uint32_t id = Managers().Add(1)->GetId();
    EXPECT_TRUE(Managers().Delete(id));
    EXPECT_TRUE(Managers().Rows().empty());
    EXPECT_TRUE(country_->GetAdditionalManagers().empty());
    EXPECT_EQ(world_->GetPerson(id), nullptr);
    EXPECT_FALSE(Managers().Delete(id)) << "an id the map does not hold";
}

TEST_F(AdditionalManagersTest, MovingIntoAFullClubKeepsHimOnTheList)
{
    TPerson* person = Managers().Add(1);
    person->SetNickname(u"Tove");
    TClub* club = NewClub(5, u"Full");
    FillSquad(club, 60);
    EXPECT_EQ(Managers().MoveToClub(person->GetId(), club->GetId()), AdditionalManagers::MoveResult::Refused);
    ASSERT_EQ(Managers().Rows().size(), 1u);
    EXPECT_EQ(club->FindPlayer(person->GetId()), nullptr);
    EXPECT_EQ(std::u16string(person->GetNickname()), u"Tove") << "he keeps every name on the list";
}

// A club's file keeps a staff member's first and last names only: a move
// drops a nickname or a pseudonym, and nothing else.
TEST_F(AdditionalManagersTest, ANicknameOrPseudonymIsWhatAMoveIntoAClubDrops)
{
    TPerson* person = Managers().Add(1);
    person->SetLastName(u"Lindqvist");
    EXPECT_FALSE(AdditionalManagers::MoveDropsNames(*person));
    person->SetNickname(u"Tove");
    EXPECT_TRUE(AdditionalManagers::MoveDropsNames(*person));
    person->SetNickname(u"");
    person->SetPseudonym(u"Il Mago");
    EXPECT_TRUE(AdditionalManagers::MoveDropsNames(*person));
    person->SetNickname(u"Tove");
    ASSERT_EQ(Managers().MoveToClub(person->GetId(), NewClub(6, u"Elsewhere")->GetId()), AdditionalManagers::MoveResult::Moved);
    EXPECT_EQ(std::u16string(person->GetLastName()) + person->GetNickname() + person->GetPseudonym(), u"Lindqvist");
}

TEST_F(AdditionalManagersTest, MovingIntoAClubTakesHimOffTheListAsAFirstTeamMember)
{
    TPerson* person = Managers().Add(5);
    TClub* club = NewClub(6, u"Elsewhere");
    EXPECT_EQ(Managers().MoveToClub(person->GetId(), club->GetId() | ReserveTeamBit), AdditionalManagers::MoveResult::Moved);
    EXPECT_TRUE(Managers().Rows().empty());
    EXPECT_EQ(club->FindPlayer(person->GetId()), person);
    EXPECT_FALSE(person->IsReserveTeam());
    EXPECT_EQ(world_->GetPerson(person->GetId()), person) << "the person stays in the world";
}

TEST_F(AdditionalManagersTest, AMissingClubMovesNobody)
{
    TPerson* person = Managers().Add(1);
    const TTeamId club = NewClub(5, u"Real")->GetId();
    for (const TTeamId team : {TTeamId{0}, club + 40, TTeamId{0x00D00001}}) {
        EXPECT_EQ(Managers().MoveToClub(person->GetId(), team), AdditionalManagers::MoveResult::NoClub) << team;
    }
    EXPECT_EQ(Managers().MoveToClub(person->GetId() + 100, club), AdditionalManagers::MoveResult::NoClub);
    EXPECT_EQ(Managers().Rows().size(), 1u);
}

TEST_F(AdditionalManagersTest, AnEntryWhosePersonTheWorldNoLongerHoldsIsSkipped)
{
    TPerson* kept = Managers().Add(1);
    TPerson* gone = Managers().Add(2);
    const std::uint32_t goneId = gone->GetId();
    world_->DeletePerson(gone);
    const std::vector<AdditionalManagerRow> rows = Managers().Rows();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].personId, kept->GetId());
    EXPECT_EQ(Managers().MoveToClub(goneId, NewClub(5, u"Any")->GetId()), AdditionalManagers::MoveResult::NoClub);
    EXPECT_TRUE(Managers().Delete(goneId)) << "the stale entry can still be removed";
    EXPECT_EQ(country_->GetAdditionalManagers().count(goneId), 0u);
}

TEST_F(AdditionalManagersTest, AForeignNationalityOrNoneShowsItsAbbreviationOrNothing)
{
    TPerson* person = Managers().Add(1);
    SetAbbreviation(*world_->GetCountry(6), u"SIX");
    person->SetNationality(6);
    EXPECT_EQ(Managers().Rows()[0].nationality, u"SIX");
    person->SetNationality(0);
    EXPECT_EQ(Managers().Rows()[0].nationality, u"");
    person->SetNationality(250);
    EXPECT_EQ(Managers().Rows()[0].nationality, u"");
}

}  // namespace
