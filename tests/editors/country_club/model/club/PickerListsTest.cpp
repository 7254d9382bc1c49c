#include "editors/country_club/model/club/PickerLists.h"

#include <gtest/gtest.h>

#include "DatabaseTestSupport.h"
#include "database/club/Club.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"

namespace {

using testing_support::Narrow;

// Countries 5 and 83 have clubs (5 also its national team), 6 only its
// national team; 5 lies on continent 1, 83 and 6 on continent 2.
class PickerListsTest : public database_testing::CurrentWorldTest {
protected:
    void SetUp() override
    {
        CurrentWorldTest::SetUp();
        for (const int id : {5, 6, 83}) world_->GetCountry(id)->SetContinentByte(id == 5 ? 1 : 2);
        first_ = world_->GetClub(Country(5).CreateClub(u"Alpha"));
        second_ = world_->GetClub(Country(5).CreateClub(u"Beta"));
        second_->SetStadiumNameForLanguage(world_->GetDatabaseLanguage(), u"Beta Park");
        Country(83).CreateClub(u"Gamma");
        for (const int id : {5, 6}) {
            if (Country(id).GetNationalTeam() == nullptr) {
                Country(id).AddClubWithIndex(std::make_unique<TClub>(0x7000u + static_cast<std::uint32_t>(id)),
                                             NationalTeamIndex);
            }
        }
    }

    TCountry& Country(int id) { return *world_->GetCountry(id); }

    static std::vector<std::uint32_t> Data(const TPickerRows& rows)
    {
        std::vector<std::uint32_t> data;
        for (const TPickerRow& row : rows.rows) data.push_back(row.data);
        return data;
    }

    TClub* first_ = nullptr;
    TClub* second_ = nullptr;
};

TEST_F(PickerListsTest, CountriesWithoutClubsAreNeverListed)
{
    ASSERT_NE(Country(6).GetNationalTeam(), nullptr);
    const TPickerRows rows = MakeCountryRows(*world_, 83, {}, u"No country");
    EXPECT_EQ(Data(rows), (std::vector<std::uint32_t>{0, 5, 83}));
    EXPECT_EQ(Narrow(rows.rows[0].text), "No country");
    EXPECT_EQ(rows.rows[1].text, std::u16string(Country(5).GetName()));
    EXPECT_EQ(rows.selected, 2);
    EXPECT_EQ(MakeCountryRows(*world_, 0, {}, u"-").selected, 0);
    EXPECT_EQ(MakeCountryRows(*world_, 6, {}, u"-").selected, -1);
}

struct TFilterCase {
    TCountryFilter filter;
    std::vector<std::uint32_t> data;
};

TEST_F(PickerListsTest, FiltersNarrowTheCountries)
{
    const TFilterCase cases[] = {
        {{1, -1}, {0, 5, 83}},
        {{2, -1}, {0, 83}},
        {{3, -1}, {0}},
        {{-1, 83}, {0, 83}},
        {{1, 5}, {0, 5}},
        {{2, 5}, {0}},
    };
    for (const TFilterCase& c : cases) {
        EXPECT_EQ(Data(MakeCountryRows(*world_, 0, c.filter, u"-")), c.data)
            << c.filter.continent << " " << c.filter.country;
    }
}

TEST_F(PickerListsTest, ClubsComeWithTheirReserveTeams)
{
    const TTeamId alpha = first_->GetId();
    const TTeamId beta = second_->GetId();
    TPickerRows rows = MakeClubRows(*world_, {5, beta | ReserveTeamBit, false, true});
    EXPECT_EQ(Data(rows), (std::vector<std::uint32_t>{alpha, alpha | ReserveTeamBit, beta, beta | ReserveTeamBit}));
    EXPECT_EQ(rows.selected, 3);
    EXPECT_EQ(rows.rows[1].text, std::u16string(first_->GetReserveName()));
    rows = MakeClubRows(*world_, {5, beta | ReserveTeamBit, false, false});
    EXPECT_EQ(Data(rows), (std::vector<std::uint32_t>{alpha, beta}));
    EXPECT_EQ(rows.selected, -1);
    rows = MakeClubRows(*world_, {5, 0, true, false});
    EXPECT_EQ(Data(rows), (std::vector<std::uint32_t>{Country(5).GetNationalTeam()->GetId()}));
    EXPECT_TRUE(MakeClubRows(*world_, {0, alpha, false, true}).rows.empty());
}

TEST_F(PickerListsTest, StadiumsSelectTheirOwnerWithOrWithoutTheReserveBit)
{
    const TTeamId beta = second_->GetId();
    for (const TTeamId selected : {beta, beta | ReserveTeamBit}) {
        const TPickerRows rows = MakeStadiumRows(*world_, 5, selected);
        ASSERT_GE(rows.selected, 0);
        EXPECT_EQ(rows.rows[static_cast<std::size_t>(rows.selected)].data, beta);
        EXPECT_EQ(Narrow(rows.rows[static_cast<std::size_t>(rows.selected)].text), "Beta Park (Beta)");
    }
    EXPECT_EQ(Data(MakeStadiumCountryRows(*world_, 83)), (std::vector<std::uint32_t>{5, 83}));
    EXPECT_EQ(MakeStadiumCountryRows(*world_, 83).selected, 1);
}

TEST(PickerLists, SelectionsBelowRowTwoScrollToTheThirdVisibleRow)
{
    EXPECT_EQ(PickerTopRow(-1), 0);
    EXPECT_EQ(PickerTopRow(2), 0);
    EXPECT_EQ(PickerTopRow(3), 1);
    EXPECT_EQ(PickerTopRow(40), 38);
}

}  // namespace
