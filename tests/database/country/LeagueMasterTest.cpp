#include <gtest/gtest.h>

#include "tests/database/DatabaseTestSupport.h"
#include "competition/League.h"
#include "database/country/LeagueMaster.h"
#include "platform/Platform.h"

namespace {

class LeagueMasterTest : public testing::Test {
protected:
    void SetUp() override
    {
        league_ = new CDBLeague(0x0E010000, 0x0E000000, registry_);
        registry_.Register(std::unique_ptr<CDBCompetitionBase>(league_));
        league_->SetTeamsAndRounds(3, 2);
        for (int m = 1; m <= 6; ++m) league_->SetCalendarEntry(0, 10 * m, static_cast<std::int8_t>(m));
    }
    std::u16string Path(const char16_t* name) const { return folder_.File(name); }

    testing_support::TempFolder folder_;
    TCompetitionRegistry registry_;
    CDBLeague* league_ = nullptr;
};

}  // namespace

TEST_F(LeagueMasterTest, FileSizesAndVersion)
{
    TLeagueMaster master;
    ASSERT_TRUE(master.Save(Path(u"empty.dat")));
    const auto empty = testing_support::ReadBytes(Path(u"empty.dat"));
    EXPECT_EQ(empty.size(), 216u);
    EXPECT_EQ(std::vector<std::uint8_t>(empty.begin(), empty.begin() + 8),
              (std::vector<std::uint8_t>{'L', 'G', 'M', 'S', 1, 0, 0, 0}));
    for (int id = 0; id < TLeagueMaster::Countries; ++id) {
        league_->SetId((static_cast<std::uint32_t>(id) << 24) | 0x10000);
        TCompetitionRegistry registry;
        auto* copy = new CDBLeague(league_->GetId(), 0, registry);
        registry.Register(std::unique_ptr<CDBCompetitionBase>(copy));
        master.Build(registry, id);
    }
    ASSERT_TRUE(SaveLeagueMaster(master, Path(u"full.dat")));
    EXPECT_EQ(testing_support::ReadBytes(Path(u"full.dat")).size(), 1224920u);
    auto newer = empty;
    newer[4] = 2;
    testing_support::WriteBytes(Path(u"newer.dat"), newer);
    EXPECT_FALSE(master.Load(Path(u"newer.dat")));
    EXPECT_TRUE(master.HasTable(5)) << "a refused file leaves the tables";
    testing_support::WriteBytes(Path(u"short.dat"), std::vector<std::uint8_t>(empty.begin(), empty.end() - 1));
    EXPECT_FALSE(master.Load(Path(u"short.dat")));
    EXPECT_TRUE(master.HasTable(5));
    EXPECT_EQ(master.GetEntry(5, 31, 46, 1), nullptr) << "past the table";
    EXPECT_NE(master.GetEntry(5, 31, 45, 1), nullptr);
}

TEST_F(LeagueMasterTest, BuiltSavedAndLoadedTablesVerify)
{
    TLeagueMaster master;
    EXPECT_TRUE(master.Verify(registry_, 14)) << "no table, nothing to compare";
    master.Build(registry_, 14);
    ASSERT_TRUE(master.Save(Path(u"LeagueMaster.dat")));
    TLeagueMaster loaded;
    ASSERT_TRUE(loaded.Load(Path(u"LeagueMaster.dat")));
    EXPECT_TRUE(loaded.Verify(registry_, 14));
    league_->SetCalendarEntry(0, 30, 4);
    league_->SetCalendarEntry(0, 40, 3);
    EXPECT_FALSE(loaded.Verify(registry_, 14)) << "1, 2, 4, 3";
    league_->SetCalendarEntry(0, 30, 3);
    league_->SetCalendarEntry(0, 40, 4);
    league_->SetCalendarEntry(0, 60, 0);
    EXPECT_FALSE(loaded.Verify(registry_, 14)) << "one matchday fewer";
}

TEST(LeagueMasterSample, TheShippedFileLoads)
{
    TLeagueMaster master;
    EXPECT_TRUE(master.Load(testing_support::SourcePath(u"data\\Database\\LeagueMaster.dat")));
}

TEST(LeagueMasterWorld, MatchesCountryComparesWithTheWorldsCalendars)
{
    TCompetitionRegistry registry;
    TLeagueMaster unbound;
    EXPECT_TRUE(unbound.MatchesCountry(14)) << "no calendars to compare with";
    TLeagueMaster master(&registry);
    EXPECT_TRUE(master.MatchesCountry(14)) << "no table for the country";
    EXPECT_FALSE(master.MatchesCountry(300));
}
