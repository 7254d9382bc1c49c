#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "editors/player_staff/squad/DlgManagerList.h"
#include "editors/player_staff/squad/DlgPlayerlistClub.h"
#include "editors/player_staff/PlayerStaffIds.h"
#include "platform/Platform.h"
#include "resources/StaffPagesIds.h"
#include "tests/common/TestSupport.h"
#include "tests/database/DatabaseTestSupport.h"
#include "SquadWindowFixture.h"
#include "tests/ui/GuiTestSupport.h"
#include "ui/base/CountryDirectory.h"
#include "ui/base/WorldCountryDirectory.h"

namespace {

// Every value the pages show, but those a store sets by rule: the further
// contract amount (always 0), the dates of other start-of-season states
// (cleared) and the international experience (raised to the floor the
// appearances give).
std::vector<std::int64_t> Shown(const TPerson& p)
{
    std::vector<std::int64_t> values = {
        p.GetType(), p.GetNationality(), p.GetSecondNationality(), p.GetPersonFlags(), p.GetNationalBits(),
        p.GetPlayerBits(), p.GetBirthDate().GetDayNumber(), p.GetCaricature(), p.GetCharacterWord(),
        p.GetShirtNumber(), p.GetSummaryChoice(), p.GetYearJoined(), p.GetContractUntil(), p.GetSalary(),
        p.GetTransferValue(), p.GetNationalAppearances(), p.GetNationalGoals(), p.GetFavouriteClub(),
        p.GetDislikedClub(), p.GetFavouriteCountry(), p.GetStateBits(), p.GetTransferClub(), p.GetBanLength(),
        p.GetCallOption(), p.GetStaffLevel(), p.GetHistoryCount(), p.IsReserveTeam()};
    for (int a = 0; a < TPerson::AbilityCount; ++a) values.push_back(p.GetAbility(a));
    for (int s = 0; s < TPerson::PositionSlots; ++s) values.push_back(p.GetPosition(s));
    for (int n = 0; n < p.GetHistoryCount(); ++n) {
        const THistoryEntry& e = p.GetHistoryEntry(n);
        for (std::int64_t v : {std::int64_t{e.clubId}, std::int64_t{e.start.GetDayNumber()},
                               std::int64_t{e.end.GetDayNumber()}, std::int64_t{e.entryFlags},
                               std::int64_t{e.matches}, std::int64_t{e.reserveMatches}, std::int64_t{e.goals},
                               std::int64_t{e.reserveGoals}, std::int64_t{e.fee}}) {
            values.push_back(v);
        }
    }
    return values;
}

std::u16string Names(const TPerson& p)
{
    return std::u16string(p.GetFirstName()) + u"|" + p.GetLastName() + u"|" + p.GetNickname() + u"|" +
           p.GetPseudonym() + u"|" + p.GetNotes();
}

// Selects a row of a person list as a click would: the list box of that
// id on the list page.
void SelectRow(HWND listPage, int listId, int row)
{
    HWND list = ::GetDlgItem(listPage, listId);
    ::SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
    ::SendMessageW(listPage, WM_COMMAND, MAKEWPARAM(listId, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

int RowCount(HWND listPage, int listId)
{
    return static_cast<int>(::SendDlgItemMessageW(listPage, listId, LB_GETCOUNT, 0, 0));
}

// The sample's clubs are browsed in this many cases, a group each, so that
// no case comes near its time-out on a loaded machine.
constexpr int ClubGroups = 6;

class ViewingChangesNothingTest : public database_testing::SampleWorldTest, public testing::WithParamInterface<int> {
protected:
    void SetUp() override
    {
        SampleWorldTest::SetUp();
        SetCountryDirectory(&directory_);
    }
    void TearDown() override
    {
        SetCountryDirectory(nullptr);
        SampleWorldTest::TearDown();
    }

    // Runs the club's squad window, shows every person of every list (the
    // three teams, then the staff) on every page tab and presses OK; gives
    // how many pages were shown.
    static int BrowseEveryPageThenOk(TClub* club)
    {
        CDlgPlayerlistClub window(CDlgPlayerlistClub::ClubSquad);
        window.SetClub(club);
        window.SetProblemBox([](HWND, const std::u16string&) { return INT_PTR{2}; });
        int shown = 0;
        const auto showEveryPage = [&] {
            CMyTabCtrl& pages = window.GetPageTabs();
            for (int page = 0; page < pages.GetItemCount(); ++page) {
                squad_window_testing::SelectPageTab(window, page);
                ++shown;
            }
        };
        gui_test::ModalDriver driver(
            [&] {
                if (window.Handle() == nullptr) return false;
                for (int part = 0; part < CDlgPlayerlistClub::ListCount; ++part) {
                    squad_window_testing::SelectListTab(window, part);
                    const HWND listPage = window.GetSquadList(part).Handle();
                    for (int row = 0; row < RowCount(listPage, IDC_LIST_PLAYERS); ++row) {
                        SelectRow(listPage, IDC_LIST_PLAYERS, row);
                        showEveryPage();
                    }
                }
                squad_window_testing::SelectListTab(window, CDlgPlayerlistClub::StaffTab);
                const HWND staffPage = window.GetStaffList().Handle();
                for (int row = 0; row < RowCount(staffPage, IDC_MANAGER_LIST); ++row) {
                    SelectRow(staffPage, IDC_MANAGER_LIST, row);
                    showEveryPage();
                }
                ::SendMessageW(window.Handle(), WM_COMMAND, IDOK, 0);
                return true;
            },
            60000);
        EXPECT_EQ(window.DoModal(), IDOK);
        EXPECT_FALSE(driver.TimedOut());
        return shown;
    }

    // The clubs with a squad in the group, of all in the loaded world
    // country by country. Expects the sample to be whole.
    std::vector<TClub*> ClubsOfGroup(int group) const
    {
        std::vector<TClub*> all;
        for (int country = 1; country <= 206; ++country) {
            const TCountry* found = world_->GetCountry(country);
            for (int index = 0; found != nullptr && index < found->GetClubCount(); ++index) {
                TClub* club = found->GetClubByIndex(index);
                if (club == nullptr || IsNationalTeamId(club->GetId()) || club->GetSquadCount() == 0) continue;
                all.push_back(club);
            }
        }
        EXPECT_GT(all.size(), 30u);
        return testing_support::GroupOf(all, group, ClubGroups);
    }

    CWorldCountryDirectory directory_;
};

TEST_F(ViewingChangesNothingTest, EveryPersonOnEveryPageThenOk)
{
    ASSERT_TRUE(world_->LoadWorld(u"Database"));
    TClub* club = nullptr;
    for (int country = 1; country <= 206 && club == nullptr; ++country) {
        const TCountry* found = world_->GetCountry(country);
        for (int index = 0; found != nullptr && index < found->GetClubCount(); ++index) {
            TClub* candidate = found->GetClubByIndex(index);
            if (candidate != nullptr && !IsNationalTeamId(candidate->GetId()) && candidate->GetSquadCount() >= 14) {
                club = candidate;
                break;
            }
        }
    }
    ASSERT_NE(club, nullptr);
    std::map<std::uint32_t, std::vector<std::int64_t>> before;
    std::map<std::uint32_t, std::u16string> namesBefore;
    for (int slot = 0; slot < club->GetSquadCount(); ++slot) {
        const TPerson* person = club->GetSquadPerson(slot);
        before[person->GetId()] = Shown(*person);
        namesBefore[person->GetId()] = Names(*person);
    }
    EXPECT_GT(BrowseEveryPageThenOk(club), 14 * 5);
    for (int slot = 0; slot < club->GetSquadCount(); ++slot) {
        const TPerson* person = club->GetSquadPerson(slot);
        EXPECT_EQ(Shown(*person), before[person->GetId()]) << testing_support::Narrow(Names(*person));
        EXPECT_EQ(Names(*person), namesBefore[person->GetId()]);
    }
}

// Every club of the sample's complete countries, each player and staff
// member on every page, then OK: the saved database is the shipped one,
// byte for byte.
TEST_P(ViewingChangesNothingTest, BrowsingEverySquadOfTheSampleSavesTheShippedFiles)
{
    ASSERT_TRUE(world_->LoadWorld(u"Database"));
    const std::vector<TClub*> clubs = ClubsOfGroup(GetParam());
    ASSERT_FALSE(clubs.empty());
    for (TClub* club : clubs) BrowseEveryPageThenOk(club);
    ASSERT_TRUE(world_->SaveWorld().saved);
    std::vector<std::string> files = {"Assessment.sav", "Rules.sav", "Without.sav"};
    for (int id = 1; id <= TCompleteWorld::LastCountryId; ++id) files.push_back("Country" + std::to_string(id) + ".sav");
    for (const std::string& file : files) {
        const std::u16string name(file.begin(), file.end());
        const std::vector<std::uint8_t> shipped =
            testing_support::ReadBytes(testing_support::SourcePath(u"data\\Database\\" + name));
        EXPECT_TRUE(testing_support::ReadBytes(base_.DatabasePath(name)) == shipped) << file;
    }
}

INSTANTIATE_TEST_SUITE_P(Clubs, ViewingChangesNothingTest, testing::Range(0, ClubGroups),
                         testing_support::GroupCaseName());

}  // namespace
