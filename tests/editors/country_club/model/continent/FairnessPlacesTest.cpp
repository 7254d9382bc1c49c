#include <gtest/gtest.h>

#include "tests/database/DatabaseTestSupport.h"
#include "database/country/RulesAndMisc.h"
#include "editors/country_club/model/continent/FairnessPlaces.h"

namespace {

class FairnessPlacesTest : public database_testing::CurrentWorldTest {
protected:
    TTeamId NewClub(int country, const char16_t* name) { return world_->GetCountry(country)->CreateClub(name); }

    TRulesAndMisc rules_;
    FairnessPlaces places_{rules_};
};

TEST_F(FairnessPlacesTest, AClubOfAnotherPlacesCountryIsRefused)
{
    const TTeamId first = NewClub(5, u"First");
    const TTeamId second = NewClub(5, u"Second");
    ASSERT_TRUE(places_.Choose(0, first));
    EXPECT_FALSE(places_.Choose(1, second));
    EXPECT_EQ(places_.Get(1), 0u);
    EXPECT_FALSE(places_.Choose(2, second));
    EXPECT_EQ(places_.Get(2), 0u);
}

TEST_F(FairnessPlacesTest, TheSamePlaceIsReplacedByAClubOfItsCountry)
{
    const TTeamId first = NewClub(5, u"First");
    const TTeamId second = NewClub(5, u"Second");
    ASSERT_TRUE(places_.Choose(1, first));
    EXPECT_TRUE(places_.Choose(1, second));
    EXPECT_EQ(places_.Get(1), second);
    EXPECT_FALSE(places_.Choose(1, second)) << "an unchanged choice changes nothing";
}

TEST_F(FairnessPlacesTest, APlaceIsClearedWhileAnotherIsEmpty)
{
    ASSERT_TRUE(places_.Choose(0, NewClub(5, u"First")));
    ASSERT_TRUE(places_.Choose(1, NewClub(6, u"Second")));
    EXPECT_TRUE(places_.Choose(1, 0));
    EXPECT_EQ(places_.Get(1), 0u);
    EXPECT_EQ(places_.Get(2), 0u);
    EXPECT_TRUE(places_.Choose(0, 0));
}

TEST_F(FairnessPlacesTest, NamesShowADashForEmptyOrUnknownClubs)
{
    const TTeamId club = NewClub(5, u"Fair Play");
    EXPECT_EQ(FairnessPlaces::Name(*world_, club), u"Fair Play");
    EXPECT_EQ(FairnessPlaces::Name(*world_, 0), u"-");
    EXPECT_EQ(FairnessPlaces::Name(*world_, club + 40), u"-");
    EXPECT_FALSE(places_.Choose(3, club));
}

}  // namespace
