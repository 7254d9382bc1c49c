// Writes the player windows as bitmaps for a person to look at; the script
// make-screenshots.sh turns them into PNG files.

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>

#include "editors/player_staff/search/DlgPlayerSearch.h"
#include "editors/player_staff/search/DlgPlayerSelect.h"
#include "editors/player_staff/staff/DlgPlayerGenerator.h"
#include "editors/player_staff/squad/DlgPlayerlistClub.h"
#include "editors/player_staff/search/DlgSearchResult.h"
#include "editors/player_staff/lists/DlgShirtNo.h"
#include "editors/player_staff/model/squad/ContractPageModel.h"
#include "editors/player_staff/search/PlayerDouble.h"
#include "core/text/TextManager.h"
#include "editors/player_staff/PlayerStaffIds.h"
#include "resources/ClubEditorIds.h"
#include "resources/StaffPagesIds.h"
#include "tests/app/AppTestSupport.h"
#include "tests/database/DatabaseTestSupport.h"
#include "SquadWindowFixture.h"
#include "tests/ui/GuiTestSupport.h"
#include "ui/base/CountryDirectory.h"
#include "ui/base/WorldCountryDirectory.h"

namespace {

using squad_window_testing::ContractTab;
using squad_window_testing::HistoryTab;

constexpr std::uint8_t FrenchDatabaseLanguage = 2;

class PlayerScreenshots : public database_testing::SampleWorldTest {
protected:
    void SetUp() override
    {
        SampleWorldTest::SetUp();
        SetCountryDirectory(&directory_);
        ASSERT_TRUE(world_->LoadWorld(u"Database"));
        for (int country = 1; country <= 206 && club_ == nullptr; ++country) {
            const TCountry* found = world_->GetCountry(country);
            for (int index = 0; found != nullptr && index < found->GetClubCount(); ++index) {
                TClub* club = found->GetClubByIndex(index);
                if (club != nullptr && !IsNationalTeamId(club->GetId()) && club->GetSquadCount() >= 14) {
                    club_ = club;
                    break;
                }
            }
        }
        ASSERT_NE(club_, nullptr);
    }
    void TearDown() override
    {
        SetCountryDirectory(nullptr);
        SampleWorldTest::TearDown();
    }

    static void Capture(HWND window, const std::u16string& name)
    {
        ::SetWindowPos(window, HWND_TOP, 10, 10, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
        ::RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        gui_test::PumpMessages();
        CaptureAsShown(window, name);
    }

    // The window as it stands on the screen, without drawing it afresh.
    static void CaptureAsShown(HWND window, const std::u16string& name) { Save(gui_test::CaptureWindow(window), name); }

    static void Save(const std::vector<std::uint8_t>& bitmap, const std::u16string& name)
    {
        ASSERT_GT(bitmap.size(), 54u + 100u * 100u * 3u);
        testing_support::WriteBytes(testing_support::PicturePath(u"tests\\editors\\player_staff\\" + name + u".bmp"),
                                    bitmap);
    }

    // Runs the squad window of the club; act acts once inside its loop,
    // after which the window closes without a question.
    static void RunSquadWindow(TClub* club, const std::function<void(CDlgPlayerlistClub& window)>& act)
    {
        CDlgPlayerlistClub window(CDlgPlayerlistClub::ClubSquad);
        window.SetClub(club);
        window.SetProblemBox([](HWND, const std::u16string&) { return INT_PTR{2}; });
        bool busy = false;  // capturing pumps messages, which would step again
        gui_test::ModalDriver driver([&] {
            if (window.Handle() == nullptr || busy) return false;
            busy = true;
            act(window);
            ::SendMessageW(window.Handle(), WM_COMMAND, IDOK, 0);
            return true;
        });
        window.DoModal();
        EXPECT_FALSE(driver.TimedOut());
    }

    // Captures the modal dialog once it is open, then closes it.
    static void CaptureModal(const std::function<INT_PTR()>& run, const std::u16string& name)
    {
        bool busy = false;  // capturing pumps messages, which would step again
        gui_test::ModalDriver driver([&] {
            HWND dialog = gui_test::FindThreadDialog();
            if (dialog == nullptr || busy) return false;
            busy = true;
            Capture(dialog, name);
            ::SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
            ::SendMessageW(dialog, WM_COMMAND, IDOK, 0);
            return true;
        });
        run();
        EXPECT_FALSE(driver.TimedOut());
    }

    // Captures the search result once its search has ended, then closes it.
    static void CaptureSearchResult(const std::u16string& lastName, const std::u16string& name)
    {
        CDlgSearchResult result;
        result.SetCriteria(u"", lastName, u"");
        bool busy = false;
        gui_test::ModalDriver driver([&] {
            if (result.Handle() == nullptr || result.IsSearching() || busy) return false;
            busy = true;
            Capture(result.Handle(), name);
            ::SendMessageW(result.Handle(), WM_COMMAND, IDOK, 0);
            return true;
        });
        result.DoModal();
        EXPECT_FALSE(driver.TimedOut());
    }

    // The first club whose reserve team has players.
    TClub* ClubWithReserves() const
    {
        for (int country = 1; country <= 206; ++country) {
            const TCountry* found = world_->GetCountry(country);
            for (int index = 0; found != nullptr && index < found->GetClubCount(); ++index) {
                TClub* club = found->GetClubByIndex(index);
                if (club != nullptr && !IsNationalTeamId(club->GetId()) && club->GetPlayerCountInTeam(1) > 0) return club;
            }
        }
        return nullptr;
    }

    CWorldCountryDirectory directory_;
    TClub* club_ = nullptr;
};

TEST_F(PlayerScreenshots, SquadWindowOnEachPage)
{
    const char16_t* names[] = {u"squad-common",     u"squad-position", u"squad-abilities", u"squad-character",
                               u"squad-appearance", u"squad-history",  u"squad-contract"};
    RunSquadWindow(club_, [&](CDlgPlayerlistClub& window) {
        CMyTabCtrl& pages = window.GetPageTabs();
        for (int page = 0; page < pages.GetItemCount() && page < static_cast<int>(std::size(names)); ++page) {
            squad_window_testing::SelectPageTab(window, page);
            Capture(window.Handle(), names[page]);
        }
    });
}

// The contract page after three clicks on the year's up arrow and the
// history page after a club was chosen for the selected entry, on the
// program's skin and captured as they stand, not drawn afresh.
TEST_F(PlayerScreenshots, TextsChangedOnTheShownContractAndHistoryPages)
{
    const gui_test::ProgramSkin skin;
    ASSERT_TRUE(skin.IsLoaded());
    const TClub* chosen = club_->GetCountry()->GetClubByIndex(1) != club_ ? club_->GetCountry()->GetClubByIndex(1)
                                                                          : club_->GetCountry()->GetClubByIndex(2);
    ASSERT_NE(chosen, nullptr);
    CDlgPlayerlistClub window(CDlgPlayerlistClub::ClubSquad);
    window.SetClub(club_);
    window.SetProblemBox([](HWND, const std::u16string&) { return INT_PTR{2}; });
    int step = 0;
    bool picked = false;
    gui_test::ModalDriver driver([&] {
        if (window.Handle() == nullptr || !::IsWindowVisible(window.Handle())) return false;
        HWND history = window.GetPage(CDlgPlayerlistClub::HistoryPage)->Handle();
        if (HWND picker = squad_window_testing::FindDialogWith(IDC_PICK_CLUBS); picker != nullptr) {
            squad_window_testing::PickClubOutOfTheWay(picker, chosen->GetCountryId(), chosen->GetId());
            picked = true;
            return false;
        }
        if (step == 2 && !picked) return false;
        switch (step++) {
        case 0: {
            ::SetWindowPos(window.Handle(), HWND_TOP, 10, 10, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
            squad_window_testing::SelectPageTab(window, ContractTab);
            HWND contract = window.GetPage(CDlgPlayerlistClub::ContractPage)->Handle();
            HWND bar = ::GetDlgItem(contract, IDC_CONTRACT_YEAR_BAR);
            for (int click = 0; click < 3; ++click) {
                for (const int code : {SB_LINEUP, SB_ENDSCROLL}) {
                    ::SendMessageW(contract, WM_VSCROLL, MAKEWPARAM(code, 0), reinterpret_cast<LPARAM>(bar));
                }
                gui_test::PumpMessages();
            }
            CaptureAsShown(window.Handle(), u"contract-after-year-clicks");
            return false;
        }
        case 1:
            squad_window_testing::SelectPageTab(window, HistoryTab);
            ::PostMessageW(history, WM_COMMAND, MAKEWPARAM(IDC_HISTORY_CHOOSE_CLUB, BN_CLICKED),
                           reinterpret_cast<LPARAM>(::GetDlgItem(history, IDC_HISTORY_CHOOSE_CLUB)));
            return false;
        default:
            gui_test::PumpMessages();
            CaptureAsShown(window.Handle(), u"history-after-club-choice");
            ::SendMessageW(window.Handle(), WM_COMMAND, IDOK, 0);
            return true;
        }
    });
    window.DoModal();
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_TRUE(picked);
}

// The contract page in the ban state and the staff tab, in French, whose
// labels are among the widest.
TEST_F(PlayerScreenshots, BanStateAndStaffPagesInFrench)
{
    CTextManager::Instance()->SetLanguage(CTextManager::French);
    RunSquadWindow(club_, [](CDlgPlayerlistClub& window) {
        squad_window_testing::SelectPageTab(window, ContractTab);
        HWND contract = window.GetPage(CDlgPlayerlistClub::ContractPage)->Handle();
        HWND states = ::GetDlgItem(contract, IDC_CONTRACT_STATE);
        ::SendMessageW(states, CB_SETCURSEL, ContractPageModel::Ban, 0);
        ::SendMessageW(contract, WM_COMMAND, MAKEWPARAM(IDC_CONTRACT_STATE, CBN_SELCHANGE), reinterpret_cast<LPARAM>(states));
        Capture(window.Handle(), u"squad-contract-ban-french");
        squad_window_testing::SelectListTab(window, CDlgPlayerlistClub::StaffTab);
        Capture(window.Handle(), u"squad-staff-french");
    });
    CTextManager::Instance()->SetLanguage(CTextManager::English);
}

// A manager on the common page: his nickname and pseudonym, which his club
// file does not keep, are shown disabled.
TEST_F(PlayerScreenshots, ManagersCommonPage)
{
    RunSquadWindow(club_, [](CDlgPlayerlistClub& window) {
        squad_window_testing::SelectListTab(window, CDlgPlayerlistClub::StaffTab);
        squad_window_testing::SelectPageTab(window, 0);
        Capture(window.Handle(), u"squad-manager-common");
    });
}

// The position page in German with the main position's list dropped: every
// position by its full name.
TEST_F(PlayerScreenshots, PositionPageInGermanWithItsComboOpen)
{
    CTextManager::Instance()->SetLanguage(CTextManager::German);
    RunSquadWindow(club_, [](CDlgPlayerlistClub& window) {
        squad_window_testing::SelectPageTab(window, squad_window_testing::PositionTab);
        Capture(window.Handle(), u"squad-position-german");
        HWND combo = ::GetDlgItem(window.GetPage(CDlgPlayerlistClub::PositionPage)->Handle(), IDC_POSITION_MAIN);
        Save(gui_test::CaptureWithListDropped(window.Handle(), combo), u"squad-position-german-dropped");
    });
    CTextManager::Instance()->SetLanguage(CTextManager::English);
}

// The common page in Polish with the widest country names chosen, and a
// loan fee on the history page.
TEST_F(PlayerScreenshots, WidestNationalityAndALoanFeeInPolish)
{
    THistoryEntry loan;
    loan.clubId = club_->GetId();
    loan.start = TDate(2006, 7, 1);
    loan.end = TDate(2007, 6, 30);
    loan.fee = 250000;
    loan.entryFlags = THistoryEntry::LoanFlag;
    for (int slot = 0; slot < club_->GetSquadCount(); ++slot) club_->GetSquadPerson(slot)->AddHistoryEntry(loan);
    const auto countryNamed = [&](std::u16string_view name) {
        int id = 206;
        while (id > 0 && name != world_->GetCountry(id)->GetName()) --id;
        return id;
    };
    app_test::InEachLanguageOfTheWorld(*world_, [&] {
        if (CTextManager::Instance()->GetLanguage() != CTextManager::Polish) return;
        RunSquadWindow(club_, [&](CDlgPlayerlistClub& window) {
            HWND common = window.GetPage(CDlgPlayerlistClub::CommonPage)->Handle();
            using squad_window_testing::ChooseItemByData;
            ChooseItemByData(common, IDC_COMMON_NATIONALITY, countryNamed(u"Wyspy Św. Tomasza i Książęca"));
            ChooseItemByData(common, IDC_COMMON_SECOND_NATIONALITY, countryNamed(u"Republika Środkowoafrykańska"));
            Capture(window.Handle(), u"squad-nationality-polish");
            squad_window_testing::SelectPageTab(window, HistoryTab);
            Capture(window.Handle(), u"squad-history-loan-polish");
        });
    });
}

// The squad list in Polish: every position's short name whole in its column.
TEST_F(PlayerScreenshots, SquadListInPolish)
{
    CTextManager::Instance()->SetLanguage(CTextManager::Polish);
    RunSquadWindow(club_, [](CDlgPlayerlistClub& window) { Capture(window.Handle(), u"squad-list-polish"); });
    CTextManager::Instance()->SetLanguage(CTextManager::English);
}

// The search result in Polish with a staff member of every role among the
// hits: each role's short form whole in the position column.
TEST_F(PlayerScreenshots, SearchResultWithStaffInPolish)
{
    for (int type = PersonPlayer; type <= PersonLastStaffType; ++type) {
        TPerson* person = world_->CreatePerson(world_->GetFreePersonId(), false);
        person->Init(static_cast<std::uint8_t>(type), static_cast<std::uint8_t>(club_->GetCountryId()));
        person->SetFirstName(u"Jan");
        person->SetLastName(u"Rolowski");
        if (type == PersonPlayer) person->SetPosition(0, 1);
        ASSERT_TRUE(club_->AddPlayer(person));
    }
    CTextManager::Instance()->SetLanguage(CTextManager::Polish);
    CaptureSearchResult(u"rolowski", u"search-result-staff-polish");
    CTextManager::Instance()->SetLanguage(CTextManager::English);
}

TEST_F(PlayerScreenshots, FinderSearchAndPicker)
{
    CaptureModal(
        [&] {
            CPlayerDouble finder;
            finder.SetContext(club_->GetCountry(), club_);
            return finder.DoModal();
        },
        u"duplicate-finder");
    CaptureModal([] { return CDlgPlayerSearch().DoModal(); }, u"player-search");
    CaptureSearchResult(u"a*", u"search-result");
    CaptureModal(
        [&] {
            CDlgPlayerSelect picker;
            picker.SetClubId(club_->GetId());
            return picker.DoModal();
        },
        u"person-picker");
    CaptureModal(
        [&] {
            CDlgShirtNo board;
            board.SetTeam(true, club_);
            return board.DoModal();
        },
        u"shirt-numbers");
}

// The duplicate finder in French over the sample's French names: each club
// and country of its pairs whole.
TEST_F(PlayerScreenshots, DuplicateFinderInFrench)
{
    world_->SetDatabaseLanguage(FrenchDatabaseLanguage);
    CTextManager::Instance()->SetLanguage(CTextManager::French);
    CaptureModal(
        [&] {
            CPlayerDouble finder;
            finder.SetContext(club_->GetCountry(), nullptr);
            return finder.DoModal();
        },
        u"duplicate-finder-french");
    CTextManager::Instance()->SetLanguage(CTextManager::English);
}

// The second-team list and the reserve team's number board of a club with
// reserves: each column of a list row stays inside its column.
TEST_F(PlayerScreenshots, ReserveTeamListAndNumbers)
{
    TClub* club = ClubWithReserves();
    ASSERT_NE(club, nullptr);
    RunSquadWindow(club, [](CDlgPlayerlistClub& window) {
        squad_window_testing::SelectListTab(window, 1);
        Capture(window.Handle(), u"squad-second-team");
    });
    CaptureModal(
        [&] {
            CDlgShirtNo board;
            board.SetTeam(false, club);
            return board.DoModal();
        },
        u"shirt-numbers-reserve");
}

TEST_F(PlayerScreenshots, StaffTabGeneratorAndCountryPlayers)
{
    RunSquadWindow(club_, [](CDlgPlayerlistClub& window) {
        squad_window_testing::SelectListTab(window, CDlgPlayerlistClub::StaffTab);
        Capture(window.Handle(), u"squad-staff");
    });

    TPerson* proposed = world_->CreatePerson(world_->GetFreePersonId(), false);
    CaptureModal([&] { return CDlgPlayerGenerator(club_, proposed).DoModal(); }, u"player-generator");
    world_->DeletePerson(proposed);

    CaptureModal(
        [&] {
            CDlgPlayerlistClub players(CDlgPlayerlistClub::CountryPlayers);
            players.SetCountry(club_->GetCountry());
            return players.DoModal();
        },
        u"country-players");
}

}  // namespace
