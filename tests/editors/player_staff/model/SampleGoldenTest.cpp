// The sample database as the windows see it: its national squads and
// target teams' free shirt numbers against a checked-in file (setting
// TR_WRITE_GOLDEN writes the file instead), and its persons already as the
// person pages would store them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "../../../database/DatabaseTestSupport.h"
#include "editors/player_staff/model/lists/NationalSquadList.h"
#include "editors/player_staff/model/lists/QuickTransferModel.h"
#include "editors/player_staff/model/lists/ShirtNumberBoard.h"
#include "editors/player_staff/model/squad/HistoryPageModel.h"
#include "editors/player_staff/model/squad/PersonCommonRules.h"
#include "database/club/ReferenceLists.h"

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

// In every club of the sample, each team's board, its quick-transfer offer
// and the game database agree on who wears which number.
TEST_F(SampleWorldTest, BoardsOffersAndTheExportAgreeOnEveryTeamsNumbers)
{
    ASSERT_TRUE(world_->LoadWorld(u"Database"));
    int reservePlayers = 0;
    for (int id = 1; id <= 206; ++id) {
        const TCountry* country = world_->GetCountry(id);
        for (const TransferTarget& target : QuickTransferModel::GetTargets(*country)) {
            TClub* club = world_->GetClub(target.teamId);
            const bool reserve = (target.teamId & ReserveTeamBit) != 0;
            const ShirtNumberBoard board(club, !reserve);
            const std::vector<int> offered = QuickTransferModel::GetFreeNumbers(*world_, target.teamId);
            for (int number = 1; number <= QuickTransferModel::LastOfferedNumber; ++number) {
                const bool isOffered = std::find(offered.begin(), offered.end(), number) != offered.end();
                EXPECT_EQ(isOffered, board.PersonOn(number) == 0) << Utf8(target.name) << " " << number;
            }
            for (int slot = 0; slot < club->GetSquadCount(); ++slot) {
                TPerson* person = club->GetSquadPerson(slot);
                if (!person->IsPlayer() || person->IsReserveTeam() != reserve) continue;
                const std::pair<int, int> exported = database_testing::ExportedShirtNumbers(*person);
                const int number = reserve ? exported.second : exported.first;
                EXPECT_EQ(reserve ? exported.first : exported.second, 0);
                EXPECT_EQ(board.PersonOn(number), person->GetId()) << Utf8(target.name) << " " << number;
                reservePlayers += reserve ? 1 : 0;
            }
        }
    }
    EXPECT_EQ(reservePlayers, 141);
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

// Looking at a person and leaving the page stores the youth flag and the
// international experience by rule, and the staff level as the five-step
// scale shows it: every person of the sample (club squads, players without
// a club, additional managers) already holds what those stores give.
TEST_F(SampleWorldTest, EveryPersonHoldsWhatThePagesWouldStore)
{
    ASSERT_TRUE(world_->LoadWorld(u"Database"));
    int seen = 0;
    int staffWithLevels = 0;
    int youthPlayers = 0;
    int capped = 0;
    for (std::uint32_t id = 1; seen < world_->GetPersonCount() && id < 1000000; ++id) {
        TPerson* person = world_->GetPerson(id);
        if (person == nullptr) continue;
        ++seen;
        const std::string who = Utf8(TPerson::GetShortName(person));
        if (person->GetType() > PersonPresident) {
            EXPECT_GE(PersonCommonRules::StaffLevelSelection(*person), 0) << who << " level " << int{person->GetStaffLevel()};
            ++staffWithLevels;
        }
        const bool youth = person->IsYouthPlayer();
        const int experience = person->GetInternationalExperience();
        PersonCommonRules::Store(PersonCommonRules::Show(*person), *person);
        HistoryPageModel::RaiseInternationalExperience(*person);
        EXPECT_EQ(person->IsYouthPlayer(), youth) << who << " aged " << person->GetAge();
        EXPECT_EQ(person->GetInternationalExperience(), experience) << who << " " << int{person->GetNationalAppearances()};
        youthPlayers += youth ? 1 : 0;
        capped += person->GetNationalAppearances() != 0 ? 1 : 0;
    }
    EXPECT_EQ(seen, world_->GetPersonCount());
    // Each rule has persons to hold it.
    EXPECT_GT(staffWithLevels, 50);
    EXPECT_GT(youthPlayers, 5);
    EXPECT_GT(capped, 50);
}

// The look and pool pages offer the boots of the shoe list only, and a club
// import cuts any higher id to the list's last: every person and pool entry
// of the sample wears a boot of the list, in each language's file.
TEST_F(SampleWorldTest, EveryBootOfTheSampleIsOnTheShoeList)
{
    ASSERT_TRUE(world_->LoadWorld(u"Database"));
    for (const char16_t* language : {u"eng", u"fre", u"ger", u"ita", u"pol", u"spa"}) {
        GetShoeList().Load(testing_support::SourcePath(u"data\\trdata\\" + std::u16string(language) + u"\\shoe.txt"));
        ASSERT_EQ(GetShoeList().GetCount(), 9) << Utf8(language);
        int seen = 0;
        for (std::uint32_t id = 1; seen < world_->GetPersonCount() && id < 1000000; ++id) {
            const TPerson* person = world_->GetPerson(id);
            if (person == nullptr) continue;
            ++seen;
            EXPECT_TRUE(GetShoeList().Contains(person->GetShoe()))
                << Utf8(TPerson::GetShortName(person)) << " wears " << int{person->GetShoe()};
        }
        EXPECT_EQ(seen, world_->GetPersonCount());
        int poolEntries = 0;
        for (int country = 1; country <= 206; ++country) {
            TCountry& land = *world_->GetCountry(country);
            for (int index = 0; index < land.GetPoolPlayerCount(); ++index, ++poolEntries) {
                EXPECT_TRUE(GetShoeList().Contains(land.GetPoolPlayer(index)->GetShoe()))
                    << country << " pool " << index << " wears " << int{land.GetPoolPlayer(index)->GetShoe()};
            }
        }
        EXPECT_GT(poolEntries, 0);
    }
}

}  // namespace
