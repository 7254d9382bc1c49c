// The sample database's national squads and target teams' free shirt
// numbers, as the windows list them, against a checked-in file. Setting
// TR_WRITE_GOLDEN writes the file instead.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "../../../database/DatabaseTestSupport.h"
#include "editors/player_staff/model/NationalSquadList.h"
#include "editors/player_staff/model/QuickTransferModel.h"

namespace {

using database_testing::SampleWorldTest;

std::string Utf8(const std::u16string& text)
{
    return testing_support::Narrow(text);
}

std::string SampleListing(TCompleteWorld& world)
{
    std::string text;
    NationalSquadList squad(world);
    for (int id = 1; id <= 206; ++id) {
        squad.Fill(id);
        if (squad.GetRows().empty()) continue;
        text += "national squad " + std::to_string(id) + "\n";
        for (const NationalSquadRow& row : squad.GetRows()) {
            text += "  " + Utf8(TPerson::GetShortName(row.person)) + "\t" + Utf8(row.club->GetName()) + "\n";
        }
    }
    for (int id = 1; id <= 206; ++id) {
        const TCountry* country = world.GetCountry(id);
        for (const TransferTarget& target : QuickTransferModel::GetTargets(*country)) {
            text += "free numbers " + std::to_string(target.teamId) + " " + Utf8(target.name) + ":";
            for (int number : QuickTransferModel::GetFreeNumbers(world, target.teamId)) text += " " + std::to_string(number);
            text += "\n";
        }
    }
    return text;
}

TEST_F(SampleWorldTest, NationalSquadsAndFreeNumbersMatchTheGoldenFile)
{
    ASSERT_TRUE(world_->LoadWorld(u"Database"));
    const std::string listing = SampleListing(*world_);
    const std::u16string golden = testing_support::SourcePath(u"tests\\editors\\player_staff\\model\\golden\\SampleSquadsAndNumbers.txt");
    if (std::getenv("TR_WRITE_GOLDEN") != nullptr) testing_support::WriteBytes(golden, listing);
    const std::vector<std::uint8_t> expected = testing_support::ReadBytes(golden);
    EXPECT_EQ(listing, std::string(expected.begin(), expected.end()));
}

TEST_F(SampleWorldTest, NationalSquadsAgreeWithTheCountrysSquadFigures)
{
    ASSERT_TRUE(world_->LoadWorld(u"Database"));
    NationalSquadList squad(*world_);
    int listed = 0;
    for (int id = 1; id <= 206; ++id) {
        squad.Fill(id);
        // The figures count at most 60 players.
        const int expected = std::min(static_cast<int>(squad.GetRows().size()), 60);
        EXPECT_EQ(world_->GetCountry(id)->GetNationalSquadStats().count, expected) << id;
        listed += expected;
    }
    EXPECT_GT(listed, 0);
}

}  // namespace
