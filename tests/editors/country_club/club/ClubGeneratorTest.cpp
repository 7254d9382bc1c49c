// The squad generator over a sample club, driven through its two numbers
// and its buttons; the squad it leaves is read back from the club.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "ClubEditorTestSupport.h"
#include "database/club/Club.h"
#include "database/person/Person.h"
#include "editors/country_club/club/ClubEditorRegistration.h"
#include "editors/country_club/club/DlgClubGenerator.h"
#include "resources/ClubEditorIds.h"
#include "tests/ui/GuiTestSupport.h"

namespace {

using club_test::Click;
using club_test::SetItem;
using gui_test::ItemText;

std::vector<const TPerson*> TeamPlayers(const TClub& club, int team)
{
    std::vector<const TPerson*> players;
    for (int slot = 0; slot < club.GetSquadCount(); ++slot) {
        const TPerson* person = club.GetSquadPerson(slot);
        if (person != nullptr && person->IsPlayer() && (person->IsReserveTeam() ? 1 : 0) == team) players.push_back(person);
    }
    return players;
}

std::vector<int> Ids(const std::vector<const TPerson*>& persons)
{
    std::vector<int> ids;
    for (const TPerson* person : persons) ids.push_back(static_cast<int>(person->GetId()));
    std::sort(ids.begin(), ids.end());
    return ids;
}

struct TTyped {
    const char16_t* age;
    const char16_t* level;
};

class ClubGenerator : public club_test::SampleClubTest {
protected:
    // Opens the generator through the function the squad list calls; act
    // sees the dialog once and ends it.
    int Run(bool firstTeam, const std::function<void(HWND)>& act)
    {
        bool acted = false;
        gui_test::ModalDriver driver([&] {
            const HWND dialog = app_test::FindDialogWith(IDC_CLUB_GENERATOR_LEVEL);
            if (dialog == nullptr) return false;
            acted = true;
            act(dialog);
            return true;
        });
        const int result = RunClubGenerator(nullptr, Club(0), firstTeam);
        EXPECT_TRUE(acted);
        EXPECT_FALSE(driver.TimedOut());
        return result;
    }

    int Generate(bool firstTeam, const TTyped& typed)
    {
        return Run(firstTeam, [&](HWND dialog) {
            SetItem(dialog, IDC_CLUB_GENERATOR_AGE, typed.age);
            SetItem(dialog, IDC_CLUB_GENERATOR_LEVEL, typed.level);
            Click(dialog, IDOK);
        });
    }
};

TEST_F(ClubGenerator, OpensWithTheTeamsMeanAgeAndLevel50)
{
    for (const bool firstTeam : {true, false}) {
        const std::size_t before = TeamPlayers(Club(0), firstTeam ? 0 : 1).size();
        const int result = Run(firstTeam, [&](HWND dialog) {
            EXPECT_EQ(ItemText(dialog, IDC_CLUB_GENERATOR_AGE), firstTeam ? u"26" : u"22");
            EXPECT_EQ(ItemText(dialog, IDC_CLUB_GENERATOR_LEVEL), u"50");
            Click(dialog, IDCANCEL);
        });
        EXPECT_EQ(result, IDCANCEL);
        EXPECT_EQ(TeamPlayers(Club(0), firstTeam ? 0 : 1).size(), before) << "Cancel generates nothing";
    }
}

TEST_F(ClubGenerator, OkReplacesTheFirstTeamWithTwentyPlayersAroundTheNumbers)
{
    TClub& club = Club(0);
    const std::vector<int> oldFirst = Ids(TeamPlayers(club, 0));
    const std::vector<int> reserve = Ids(TeamPlayers(club, 1));
    ASSERT_EQ(Generate(true, {u"30", u"60"}), IDOK);
    const std::vector<const TPerson*> team = TeamPlayers(club, 0);
    ASSERT_EQ(team.size(), 20u);
    for (const TPerson* player : team) {
        EXPECT_TRUE(player->GetAge() >= 25 && player->GetAge() <= 34) << player->GetAge();
        EXPECT_TRUE(player->GetLevel() >= 0 && player->GetLevel() <= 99) << player->GetLevel();
        EXPECT_FALSE(std::binary_search(oldFirst.begin(), oldFirst.end(), static_cast<int>(player->GetId())));
    }
    EXPECT_NEAR(club.GetAverageLevel(0), 60, 3);
    EXPECT_EQ(Ids(TeamPlayers(club, 1)), reserve) << "the reserve team stays";
}

TEST_F(ClubGenerator, TheReserveTeamIsGeneratedAsReservePlayers)
{
    TClub& club = Club(0);
    const std::vector<int> first = Ids(TeamPlayers(club, 0));
    ASSERT_EQ(Generate(false, {u"20", u"35"}), IDOK);
    const std::vector<const TPerson*> team = TeamPlayers(club, 1);
    ASSERT_EQ(team.size(), 20u);
    for (const TPerson* player : team) EXPECT_TRUE(player->GetAge() >= 18 && player->GetAge() <= 24) << player->GetAge();
    EXPECT_NEAR(club.GetAverageLevel(1), 35, 3);
    EXPECT_EQ(Ids(TeamPlayers(club, 0)), first) << "the first team stays";
}

struct TClampCase {
    TTyped typed;
    int lowestAge, highestAge;
};

// Ages past 55 meet the record's limit of 60; typed numbers beyond the
// controls' ranges are taken at the nearest end.
TEST_F(ClubGenerator, AgesStayWithinTheRecordsLimits)
{
    const TClampCase cases[] = {
        {{u"65", u"50"}, 60, 60},
        {{u"90", u"50"}, 60, 60},
        {{u"5", u"500"}, 18, 22},
    };
    for (const TClampCase& c : cases) {
        ASSERT_EQ(Generate(true, c.typed), IDOK);
        const std::vector<const TPerson*> team = TeamPlayers(Club(0), 0);
        ASSERT_EQ(team.size(), 20u);
        for (const TPerson* player : team) {
            EXPECT_GE(player->GetAge(), c.lowestAge);
            EXPECT_LE(player->GetAge(), c.highestAge);
        }
    }
    EXPECT_GT(Club(0).GetAverageLevel(0), 85) << "level 500 is taken as 99";
}

}  // namespace
