// How the squad window's person pages are laid out in each language: each
// staff member's part of the common page spans that page, and every window
// stays inside its parent with every text whole, those the pages set as
// they show a person or a state included.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "database/world/CompleteWorld.h"
#include "editors/player_staff/model/squad/ContractPageModel.h"
#include "resources/StaffPagesIds.h"
#include "tests/app/AppTestSupport.h"
#include "tests/editors/player_staff/SquadWindowFixture.h"

namespace {

using squad_window_testing::ContractTab;
using squad_window_testing::HistoryTab;

class PageLayoutTest : public squad_window_testing::SquadWindowTest {
protected:
    // Runs the window in each language; look acts once in each, on the
    // window ready on its first page.
    void InEachLanguage(const std::function<void(CDlgPlayerlistClub& window)>& look)
    {
        gui_test::InEachLanguage([&] {
            CDlgPlayerlistClub window(CDlgPlayerlistClub::ClubSquad);
            window.SetClub(club_);
            window.SetProblemBox([](HWND, const std::u16string&) { return INT_PTR{2}; });
            Run(window, [&] {
                if (!::IsWindowVisible(window.Handle())) return false;
                look(window);
                ::SendMessageW(window.Handle(), WM_COMMAND, IDOK, 0);
                return true;
            });
        });
    }

    static void ExpectWholeLayout(HWND window, const std::string& what) { gui_test::ExpectWholeLayout(window, what); }

    // The common page's one visible sub-page, or null.
    static HWND ShownSubPage(HWND common)
    {
        for (HWND child = ::GetWindow(common, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
            wchar_t name[16] = {};
            ::GetClassNameW(child, name, 16);
            if (std::wstring(name) == L"#32770" && ::IsWindowVisible(child)) return child;
        }
        return nullptr;
    }
};

TEST_F(PageLayoutTest, EachStaffMembersPartOfTheCommonPageSpansItAndEveryStaffPageShowsEveryTextWhole)
{
    const TClub& other = *world_->GetCountry(14)->GetClubByUniqueId(world_->GetCountry(14)->CreateClub(u"Farbridge Athletic"));
    TPerson* manager = Add(u"Manager", PersonManager);
    manager->SetFavouriteClub(other.GetId());
    manager->SetDislikedClub(club_->GetId());
    Add(u"President", PersonPresident);
    Add(u"Physio", 13);
    InEachLanguage([&](CDlgPlayerlistClub& window) {
        squad_window_testing::SelectListTab(window, CDlgPlayerlistClub::StaffTab);
        HWND list = ::GetDlgItem(window.GetStaffList().Handle(), IDC_MANAGER_LIST);
        HWND common = CommonPage(window);
        const RECT person = win::RectIn(::GetDlgItem(common, IDC_COMMON_GROUP), common);
        for (int row = 0; row < 3; ++row) {
            SCOPED_TRACE("staff row " + std::to_string(row));
            ::SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
            ::SendMessageW(window.GetStaffList().Handle(), WM_COMMAND, MAKEWPARAM(IDC_MANAGER_LIST, LBN_SELCHANGE),
                           reinterpret_cast<LPARAM>(list));
            HWND part = ShownSubPage(common);
            ASSERT_NE(part, nullptr);
            const RECT place = win::RectIn(part, common);
            EXPECT_EQ(place.left, person.left);
            EXPECT_EQ(place.right, person.right) << "as wide as the person's fields above it";
            const int tabs = window.GetPageTabs().GetItemCount();
            for (int tab = 0; tab < tabs; ++tab) {
                SelectPageTab(window, tab);
                ExpectWholeLayout(window.Handle(), "staff row " + std::to_string(row) + " page tab " + std::to_string(tab));
            }
            SelectPageTab(window, 0);
        }
    });
}

TEST_F(PageLayoutTest, EveryPlayerPageAndEveryContractStateShowsEveryTextWhole)
{
    TPerson* loaned = Add(u"Loaned");
    loaned->SetTransferState(ContractPageModel::LoanFuture);
    loaned->SetTransferClub(club_->GetId());
    loaned->SetFavouriteClub(club_->GetId());
    // The contract year reads "drawn at the game's start", among the widest.
    loaned->SetContractUntil(0);
    THistoryEntry entry;
    entry.start = TDate(2005, 7, 1);
    entry.end = TDate(2006, 6, 30);
    entry.clubId = club_->GetId();
    loaned->AddHistoryEntry(entry);
    // A player of each position, each position's name whole in the list.
    for (int position = 1; position <= 17; ++position) Add(u"Player")->SetPosition(0, static_cast<std::uint8_t>(position));
    InEachLanguage([&](CDlgPlayerlistClub& window) {
        HWND list = ListBoxOf(window, 0);
        const int rows = static_cast<int>(::SendMessageW(list, LB_GETCOUNT, 0, 0));
        for (int row = 0; row < rows; ++row) {
            if (::SendMessageW(list, LB_GETITEMDATA, row, 0) == static_cast<LRESULT>(loaned->GetId())) Select(window, 0, row);
        }
        const int tabs = window.GetPageTabs().GetItemCount();
        for (int tab = 0; tab < tabs; ++tab) {
            SelectPageTab(window, tab);
            ExpectWholeLayout(window.Handle(), "page tab " + std::to_string(tab));
        }
        // Each state shows its own labels and fields.
        HWND contract = window.GetPage(CDlgPlayerlistClub::ContractPage)->Handle();
        HWND states = ::GetDlgItem(contract, IDC_CONTRACT_STATE);
        for (int state = 0; state < ContractPageModel::StateCount; ++state) {
            ::SendMessageW(states, CB_SETCURSEL, static_cast<WPARAM>(state), 0);
            ::SendMessageW(contract, WM_COMMAND, MAKEWPARAM(IDC_CONTRACT_STATE, CBN_SELCHANGE), reinterpret_cast<LPARAM>(states));
            ExpectWholeLayout(window.Handle(), "contract state " + std::to_string(state));
        }
    });
}

// A loan and a transfer, free or at the largest fee the page takes, whole on
// the history page.
TEST_F(PageLayoutTest, TheHistoryShowsTheWidestFeesWholeInEachLanguage)
{
    TPerson* player = Add(u"Player");
    THistoryEntry station;
    station.clubId = club_->GetId();
    for (const std::uint32_t fee : {0u, 999999999u}) {
        for (const bool loan : {false, true}) {
            station.start = TDate(1990 + player->GetHistoryCount(), 7, 1);
            station.end = TDate(1991 + player->GetHistoryCount(), 6, 30);
            station.fee = fee;
            station.entryFlags = loan ? THistoryEntry::LoanFlag : 0;
            player->AddHistoryEntry(station);
        }
    }
    InEachLanguage([](CDlgPlayerlistClub& window) {
        SelectPageTab(window, HistoryTab);
        gui_test::ExpectWholeLayout(window.GetPage(CDlgPlayerlistClub::HistoryPage)->Handle(), "history page",
                                    gui_test::TMeasured::NamesToo);
    });
}

// The squad window over the shipped sample, whose country names are long.
class SampleSquadPagesTest : public database_testing::SampleWorldTest {
protected:
    void SetUp() override
    {
        SampleWorldTest::SetUp();
        ASSERT_TRUE(world_->LoadWorld(u"Database"));
        SetCountryDirectory(&directory_);
    }
    void TearDown() override
    {
        SetCountryDirectory(nullptr);
        SampleWorldTest::TearDown();
    }

    CWorldCountryDirectory directory_;
};

// Every country name whole in both nationality choices, closed and open, in
// each language of the names.
TEST_F(SampleSquadPagesTest, TheNationalitiesShowEveryCountryNameWholeInEachLanguage)
{
    TCountry& england = *world_->GetCountry(14);
    TClub* club = england.GetClubByUniqueId(england.CreateClub(u"Squad"));
    TPerson* player = world_->CreatePerson(world_->GetFreePersonId(), false);
    player->SetNationality(14);
    club->AddPlayer(player);
    app_test::InEachLanguageOfTheWorld(*world_, [&] {
        CDlgPlayerlistClub window(CDlgPlayerlistClub::ClubSquad);
        window.SetClub(club);
        window.SetProblemBox([](HWND, const std::u16string&) { return INT_PTR{2}; });
        gui_test::ModalDriver driver([&] {
            if (window.Handle() == nullptr || !::IsWindowVisible(window.Handle())) return false;
            gui_test::ExpectWholeLayout(window.GetPage(CDlgPlayerlistClub::CommonPage)->Handle(), "common page",
                                        gui_test::TMeasured::NamesToo);
            ::SendMessageW(window.Handle(), WM_COMMAND, IDOK, 0);
            return true;
        }, 120000);
        window.DoModal();
        EXPECT_FALSE(driver.TimedOut());
    });
}

}  // namespace
