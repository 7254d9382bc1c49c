#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "editors/player_staff/squad/DlgPlayerlistClub.h"
#include "editors/player_staff/PlayerStaffIds.h"
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

class ViewingChangesNothingTest : public database_testing::SampleWorldTest {
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
    CDlgPlayerlistClub window(CDlgPlayerlistClub::ClubSquad);
    window.SetClub(club);
    window.SetProblemBox([](HWND, const std::u16string&) { return INT_PTR{2}; });
    int shown = 0;
    gui_test::ModalDriver driver(
        [&] {
            if (window.Handle() == nullptr) return false;
            for (int part = 0; part < CDlgPlayerlistClub::ListCount; ++part) {
                squad_window_testing::SelectListTab(window, part);
                HWND list = ::GetDlgItem(window.GetSquadList(part).Handle(), IDC_LIST_PLAYERS);
                const int rows = static_cast<int>(::SendMessageW(list, LB_GETCOUNT, 0, 0));
                for (int row = 0; row < rows; ++row) {
                    ::SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
                    ::SendMessageW(window.GetSquadList(part).Handle(), WM_COMMAND,
                                   MAKEWPARAM(IDC_LIST_PLAYERS, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
                    CMyTabCtrl& pages = window.GetPageTabs();
                    for (int page = 0; page < pages.GetItemCount(); ++page) {
                        squad_window_testing::SelectPageTab(window, page);
                        ++shown;
                    }
                }
            }
            ::SendMessageW(window.Handle(), WM_COMMAND, IDOK, 0);
            return true;
        },
        60000);
    EXPECT_EQ(window.DoModal(), IDOK);
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_GT(shown, 14 * 5);
    for (int slot = 0; slot < club->GetSquadCount(); ++slot) {
        const TPerson* person = club->GetSquadPerson(slot);
        EXPECT_EQ(Shown(*person), before[person->GetId()]) << testing_support::Narrow(Names(*person));
        EXPECT_EQ(Names(*person), namesBefore[person->GetId()]);
    }
}

}  // namespace
