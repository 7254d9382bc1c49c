#include <gtest/gtest.h>

#include <algorithm>

#include "tests/editors/player_staff/model/ModelTestSupport.h"
#include "editors/player_staff/model/lists/RefereeList.h"

namespace {

class RefereeListTest : public model_testing::ModelWorldTest {
protected:
    void SetUp() override
    {
        ModelWorldTest::SetUp();
        country_ = world_->GetCountry(4);
        list_.SetCountry(country_);
    }

    TReferee Named(const char16_t* first, const char16_t* last, std::uint8_t type = 0)
    {
        TReferee referee;
        referee.SetNames(first, last);
        referee.SetType(type);
        return referee;
    }

    // Holds referees under exactly the given ids.
    void HoldIds(const std::vector<int>& ids)
    {
        TRefereeMap& map = country_->GetReferees();
        for (int id = 1; id <= ids.back(); ++id) map.Add(Named(u"A", u"B"));
        for (int id = 1; id <= ids.back(); ++id) {
            if (std::find(ids.begin(), ids.end(), id) == ids.end()) map.Remove(id);
        }
        list_.Fill();
    }

    std::vector<int> RowIds() const
    {
        std::vector<int> ids;
        for (const RefereeRow& row : list_.GetRows()) ids.push_back(row.id);
        return ids;
    }

    TCountry* country_ = nullptr;
    RefereeList list_;
};

TEST_F(RefereeListTest, IdsWithGapsAreAllRowsAndNewTakesTheLowestFreeId)
{
    HoldIds({1, 2, 256});
    EXPECT_EQ(RowIds(), (std::vector<int>{1, 2, 256}));
    const int id = list_.BeginNew();
    EXPECT_EQ(id, 3);
    TReferee edited = Named(u"Anna", u"Kurz", 4);
    EXPECT_TRUE(list_.FinishNew(id, &edited));
    ASSERT_NE(country_->GetReferees().Find(3), nullptr);
    EXPECT_EQ(country_->GetReferees().Find(3)->GetType(), 4);
    EXPECT_EQ(list_.GetRows().size(), 4u);
}

TEST_F(RefereeListTest, NewOnAFullMapAddsNothing)
{
    for (int id = 1; id <= 256; ++id) country_->GetReferees().Add(Named(u"A", u"B"));
    list_.Fill();
    EXPECT_EQ(list_.BeginNew(), 0);
    EXPECT_EQ(country_->GetReferees().GetCount(), 256);
    EXPECT_EQ(list_.GetRows().size(), 256u);
}

TEST_F(RefereeListTest, ADeletedIdIsTheNextOneGiven)
{
    HoldIds({1, 2, 3, 4});
    list_.Delete({list_.FindRow(2)});
    EXPECT_EQ(RowIds(), (std::vector<int>{1, 3, 4}));
    EXPECT_EQ(list_.BeginNew(), 2);
}

TEST_F(RefereeListTest, ANewRefereeWithoutBothNamesOrCancelledIsRemovedAgain)
{
    HoldIds({1});
    struct Case {
        const char16_t* first;
        const char16_t* last;
        bool cancelled;
    };
    for (const Case& c : {Case{u"", u"Kurz", false}, Case{u"Anna", u"", false}, Case{u"Anna", u"Kurz", true}}) {
        const int id = list_.BeginNew();
        ASSERT_EQ(id, 2);
        const TReferee edited = Named(c.first, c.last);
        EXPECT_FALSE(list_.FinishNew(id, c.cancelled ? nullptr : &edited));
        EXPECT_EQ(RowIds(), (std::vector<int>{1}));
        EXPECT_EQ(country_->GetReferees().Find(2), nullptr);
    }
}

TEST_F(RefereeListTest, AnEditedRefereeMayKeepEmptyNames)
{
    HoldIds({1});
    EXPECT_TRUE(list_.Edit(1, Named(u"", u"", 6)));
    EXPECT_EQ(country_->GetReferees().Find(1)->GetType(), 6);
    EXPECT_EQ(country_->GetReferees().Find(1)->GetLastName()[0], 0);
    EXPECT_FALSE(list_.Edit(9, Named(u"A", u"B")));
}

TEST_F(RefereeListTest, SortsByNameCollatedAndByTypeTwiceReversed)
{
    TRefereeMap& map = country_->GetReferees();
    map.Add(Named(u"Otto", u"zeller", 2));
    map.Add(Named(u"Ida", u"Ahrens", 5));
    map.Add(Named(u"Eva", u"Möller", 0));
    list_.Fill();
    EXPECT_EQ(RowIds(), (std::vector<int>{2, 3, 1})) << "Ahrens, Möller, zeller";
    list_.ClickHeader(RefereeList::TypeColumn);
    EXPECT_EQ(RowIds(), (std::vector<int>{3, 1, 2}));
    list_.ClickHeader(RefereeList::TypeColumn);
    EXPECT_EQ(RowIds(), (std::vector<int>{2, 1, 3}));
    EXPECT_FALSE(list_.GetSort().ascending);
}

TEST_F(RefereeListTest, WithoutACountryNothingIsListedOrAdded)
{
    list_.SetCountry(nullptr);
    EXPECT_TRUE(list_.GetRows().empty());
    EXPECT_EQ(list_.BeginNew(), 0);
    list_.Delete({0});
}

}  // namespace
