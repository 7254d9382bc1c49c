#include <gtest/gtest.h>

#include "tests/database/DatabaseTestSupport.h"
#include "competition/League.h"
#include "database/country/CountryCompetitions.h"
#include "database/world/GameIdMaps.h"
#include "database/world/WorldList.h"
#include "platform/Platform.h"

using testing_support::MessageCapture;

using SampleCompetitionsTest = database_testing::SampleWorldTest;

TEST_F(SampleCompetitionsTest, EachSampleClubFindsItsLeagueAndTheTopTwoLeadTheGameIds)
{
    MessageCapture messages;
    ASSERT_TRUE(world_->LoadWorld(u"Database"));
    EXPECT_TRUE(messages.Messages().empty());
    const TCompetitionRegistry& registry = world_->GetCompetitions();
    for (int country : {14, 21, 45}) {
        const CDBCompetitionBase* league = registry.Get(static_cast<std::uint32_t>(country) << 24 | 0x10000);
        ASSERT_NE(league, nullptr) << country;
        EXPECT_EQ(CountLeagueLevels(registry, static_cast<std::uint32_t>(country)), 1);
        for (const auto& [id, club] : world_->GetCountry(country)->GetClubs()) {
            EXPECT_EQ(GetLeagueOfTeam(registry, id), IsNationalTeamId(id) ? nullptr : league) << std::hex << id;
        }
        const TClub* second = world_->GetClub(league->GetTeamSlot(1));
        EXPECT_EQ(ClubPriority(*world_->GetClub(league->GetTeamSlot(0))), 4);
        EXPECT_EQ(ClubPriority(*second), 3);
        BuildGameIdMaps(GetGameIdMaps());
        EXPECT_EQ(GetGameIdMaps().GetExportClubId(second->GetId()), (static_cast<std::uint32_t>(country) << 16) | 2);
    }
    // The sample's Rules.sav names 0x150003 and 0x2D000B as continental title defenders.
    for (const TTeamId defender : {0x150003u, 0x2D000Bu}) {
        EXPECT_EQ(ClubPriority(*world_->GetClub(defender)), 2);
        EXPECT_EQ(GetGameIdMaps().GetExportClubId(defender), (defender & 0xFFFF0000) | 3);
    }
    EXPECT_EQ(ClubPriority(*world_->GetClub(0x150004)), 0);
    EXPECT_EQ(GetLeagueOfTeam(registry, 0x000E0100), nullptr);
}

TEST(LeagueLevels, LevelsOpenOnDeeperLeaguesOnly)
{
    TCompetitionRegistry registry;
    const std::int8_t levels[] = {0, 1, 1, 2, 2, 2, 2, 1};
    for (std::uint32_t i = 0; i < 8; ++i) {
        auto league = std::make_unique<CDBLeague>(0x05010000 | i, 0x05000000, registry);
        league->SetLevel(levels[i]);
        registry.Register(std::move(league));
    }
    registry.Register(std::make_unique<CDBLeague>(0x05010009, 0x05000000, registry));
    const auto found = GetLeagueLevels(registry, 5);
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[1].firstLeague * 10 + found[1].count, 12);
    EXPECT_EQ(found[2].firstLeague * 10 + found[2].count, 35) << "a shallower league counts to the deepest level";
    EXPECT_EQ(GetLeagueCount(registry, 5), 8) << "up to the first missing index";
    EXPECT_EQ(CountLeagueLevels(registry, 5), 3);
}

TEST_F(SampleCompetitionsTest, MissingScriptsAreReportedAndTheCountriesStillRead)
{
    platform::RemoveFile(platform::JoinPath(base_.Path(), u"Script\\CupAlloc.txt"));
    platform::RemoveFile(platform::JoinPath(base_.Path(), u"Script\\Continental - Europe.txt"));
    MessageCapture messages;
    ASSERT_TRUE(world_->LoadWorld(u"Database"));
    ASSERT_EQ(messages.Messages().size(), 2u);
    EXPECT_NE(messages.Messages()[0].find(u"CupAlloc.txt"), std::u16string::npos);
    EXPECT_NE(messages.Messages()[1].find(u"Europe"), std::u16string::npos);
    EXPECT_NE(world_->GetCompetitions().Get(0xF9000000), nullptr) << "the international root";
    EXPECT_NE(world_->GetCompetitions().Get(0x0E010000), nullptr);
}
