// The national team, players without club and quick transfer windows over
// the sample database, opened through the main window's launchers and
// driven by control ids as a user would.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/GlobalObjects.h"
#include "app/LedraApp.h"
#include "app/MainWindowLaunchers.h"
#include "database/world/CompleteWorld.h"
#include "database/world/WorldList.h"
#include "editors/country_club/country/CountryHostedPages.h"
#include "editors/player_staff/lists/DlgPlayerWithoutClub.h"
#include "editors/player_staff/lists/NationalPoolLaunchers.h"
#include "editors/player_staff/model/lists/NationalSquadList.h"
#include "editors/player_staff/model/lists/QuickTransferModel.h"
#include "resources/ClubEditorIds.h"
#include "resources/NationalPoolIds.h"
#include "tests/app/AppTestSupport.h"
#include "tests/database/DatabaseTestSupport.h"
#include "tests/ui/GuiTestSupport.h"

namespace {

class NationalPoolWindows : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(globals_->App().InitLanguageAndTexts());
        globals_->App().SetFoldersFromWorkingFolder();
        GetWorldList().Clear();
        TCompleteWorld* world = GetWorldList().CreateCompleteWorld();
        GetWorldList().SetCurrentWorld(world);
        ASSERT_TRUE(world->LoadWorld(folder_.Path() + u"\\Database"));
        GetMainWindowLaunchers() = TMainWindowLaunchers{};
        RegisterNationalPoolEditors(GetMainWindowLaunchers());
    }
    void TearDown() override
    {
        GetMainWindowLaunchers() = TMainWindowLaunchers{};
        CDlgPlayerWithoutClub::SetClubChooser(nullptr);
        GetCountryHostedPages() = TCountryHostedPages{};
        GetWorldList().Clear();
    }

    // Runs the launcher; act gets the window once it is open, then the
    // window, taken as the screenshot when one is named, is closed with OK.
    void Open(const std::function<int()>& launch, int controlId, const std::function<void(HWND)>& act,
              const char* screenshot = nullptr)
    {
        bool acted = false;
        gui_test::ModalDriver driver([&] {
            HWND window = app_test::FindDialogWith(controlId);
            if (window == nullptr) return false;
            if (!acted) {
                acted = true;
                act(window);
                if (screenshot != nullptr) {
                    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
                    const std::vector<std::uint8_t> bitmap = gui_test::CaptureWindow(window);
                    testing_support::WriteBytes(testing_support::PicturePath(std::u16string(screenshot, screenshot + std::strlen(screenshot))), bitmap);
                }
                ::SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            }
            return true;
        });
        EXPECT_EQ(launch(), IDOK);
        EXPECT_TRUE(acted);
        EXPECT_FALSE(driver.TimedOut());
    }

    // The first country with at least three clubs whose squads hold players.
    static int CountryWithClubs()
    {
        for (int id = 1; id <= 206; ++id) {
            const TCountry* country = GetWorld()->GetCountry(id);
            if (country->GetClubCountWithoutNationalTeam() >= 3 && QuickTransferModel::GetSourcePlayers(*country).size() >= 3) return id;
        }
        return 0;
    }

    static void Click(HWND window, int id) { ::SendMessageW(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(window, id))); }
    static int Rows(HWND window, int listId) { return static_cast<int>(::SendDlgItemMessageW(window, listId, LVM_GETITEMCOUNT, 0, 0)); }
    static void SelectRows(HWND window, int listId, const std::vector<int>& rows)
    {
        HWND list = ::GetDlgItem(window, listId);
        LVITEMW clear{};
        clear.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        ::SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&clear));
        for (int row : rows) {
            LVITEMW item{};
            item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
            item.state = LVIS_SELECTED | (row == rows.front() ? LVIS_FOCUSED : 0);
            ::SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        }
    }
    static std::vector<int> SelectedRows(HWND window, int listId)
    {
        std::vector<int> rows;
        int row = -1;
        while ((row = static_cast<int>(::SendDlgItemMessageW(window, listId, LVM_GETNEXTITEM, static_cast<WPARAM>(row), LVNI_SELECTED))) >= 0) rows.push_back(row);
        return rows;
    }
    static std::u16string ListText(HWND window, int listId, int row, int column)
    {
        return gui_test::CellText(::GetDlgItem(window, listId), row, column);
    }
    static LPARAM RowData(HWND window, int listId, int row)
    {
        LVITEMW item{};
        item.mask = LVIF_PARAM;
        item.iItem = row;
        ::SendDlgItemMessageW(window, listId, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
        return item.lParam;
    }
    static void HeaderClick(HWND window, int listId, int column)
    {
        NMLISTVIEW click{};
        click.hdr.hwndFrom = ::GetDlgItem(window, listId);
        click.hdr.idFrom = static_cast<UINT_PTR>(listId);
        click.hdr.code = LVN_COLUMNCLICK;
        click.iItem = -1;
        click.iSubItem = column;
        ::SendMessageW(window, WM_NOTIFY, static_cast<WPARAM>(listId), reinterpret_cast<LPARAM>(&click));
    }
    // Picks a list box row as a click would.
    static void PickListBoxRow(HWND window, int listId, int row)
    {
        ::SendDlgItemMessageW(window, listId, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
        ::SendMessageW(window, WM_COMMAND, MAKEWPARAM(listId, LBN_SELCHANGE), reinterpret_cast<LPARAM>(::GetDlgItem(window, listId)));
    }
    static std::vector<LPARAM> ListBoxData(HWND window, int listId)
    {
        std::vector<LPARAM> data;
        const int count = static_cast<int>(::SendDlgItemMessageW(window, listId, LB_GETCOUNT, 0, 0));
        for (int row = 0; row < count; ++row) data.push_back(::SendDlgItemMessageW(window, listId, LB_GETITEMDATA, static_cast<WPARAM>(row), 0));
        return data;
    }
    static int FindListBoxData(HWND window, int listId, LPARAM value)
    {
        const std::vector<LPARAM> data = ListBoxData(window, listId);
        for (std::size_t row = 0; row < data.size(); ++row) {
            if (data[row] == value) return static_cast<int>(row);
        }
        return -1;
    }

    app_test::WorkingFolder folder_{u"nationalpool", true};
    std::unique_ptr<CGlobalObjects> globals_ = std::make_unique<CGlobalObjects>();
};

TEST_F(NationalPoolWindows, LaunchersAreRegistered)
{
    const TMainWindowLaunchers& launchers = GetMainWindowLaunchers();
    EXPECT_TRUE(launchers.nationalTeam);
    EXPECT_TRUE(launchers.playersWithoutClub);
    EXPECT_TRUE(launchers.quickTransfer);
    EXPECT_TRUE(GetCountryHostedPages().createPlayerpoolPage);
    EXPECT_TRUE(GetCountryHostedPages().createRefereesPage);
}

TEST_F(NationalPoolWindows, NationalTeamListsSortsAndRemovesTheSquad)
{
    TCompleteWorld& world = *GetWorld();
    NationalSquadList squad(world);
    int countryId = 0;
    for (int id = 1; id <= 206 && countryId == 0; ++id) {
        squad.Fill(id);
        if (squad.GetRows().size() >= 4) countryId = id;
    }
    ASSERT_NE(countryId, 0) << "the sample has a national squad";
    const int before = static_cast<int>(squad.GetRows().size());
    Open([&] { return GetMainWindowLaunchers().nationalTeam(nullptr, countryId); }, IDC_NATIONAL_LIST,
         [&](HWND window) {
             EXPECT_EQ(Rows(window, IDC_NATIONAL_LIST), before);
             const std::string count = std::to_string(before);
             EXPECT_EQ(gui_test::ItemText(window, IDC_NATIONAL_COUNT), std::u16string(count.begin(), count.end()));
             HWND combo = ::GetDlgItem(window, IDC_NATIONAL_COUNTRY);
             const LRESULT selected = ::SendMessageW(combo, CB_GETCURSEL, 0, 0);
             ASSERT_GE(selected, 0);
             EXPECT_EQ(::SendMessageW(combo, CB_GETITEMDATA, static_cast<WPARAM>(selected), 0), countryId);
             HeaderClick(window, IDC_NATIONAL_LIST, 3);
             HeaderClick(window, IDC_NATIONAL_LIST, 3);
             squad.ClickHeader(3);
             squad.ClickHeader(3);
             for (int row = 0; row < before; ++row) {
                 const std::u16string name = TPerson::GetShortName(squad.GetRows()[row].person);
                 EXPECT_EQ(ListText(window, IDC_NATIONAL_LIST, row, 0), name) << row;
             }
             std::vector<TPerson*> removed;
             for (int row : {0, 1, 3}) removed.push_back(squad.GetRows()[row].person);
             SelectRows(window, IDC_NATIONAL_LIST, {0, 1, 3});
             Click(window, IDC_NATIONAL_REMOVE);
             EXPECT_EQ(Rows(window, IDC_NATIONAL_LIST), before - 3);
             for (TPerson* person : removed) EXPECT_FALSE(NationalSquadList::IsInNationalTeam(*person));
         },
         "tests\\editors\\player_staff\\national-team.bmp");
}

// The national squad and the players without a club, a player of each
// position in both and a staff member of each role without a club, each
// position's and role's name whole in every language.
TEST_F(NationalPoolWindows, BothListsShowEveryPositionAndRoleWholeInEachLanguage)
{
    TCompleteWorld& world = *GetWorld();
    const int countryId = CountryWithClubs();
    const std::vector<TPerson*> players = [&] {
        std::vector<TPerson*> found;
        for (const auto& source : QuickTransferModel::GetSourcePlayers(*world.GetCountry(countryId))) found.push_back(source.person);
        return found;
    }();
    std::vector<TPerson*> agents;
    for (int index = 0; index < world.GetFreeAgents().GetCount(); ++index) {
        if (world.GetFreeAgents().GetPlayer(index)->IsPlayer()) agents.push_back(world.GetFreeAgents().GetPlayer(index));
    }
    ASSERT_GE(players.size(), 17u);
    ASSERT_GE(agents.size(), 17u);
    for (std::size_t position = 1; position <= 17; ++position) {
        TPerson& member = *players[position - 1];
        member.SetNationality(static_cast<std::uint8_t>(countryId));
        member.SetInNationalTeam(true);
        member.SetPosition(0, static_cast<std::uint8_t>(position));
        agents[position - 1]->SetPosition(0, static_cast<std::uint8_t>(position));
    }
    for (int type = PersonManager; type <= PersonLastStaffType; ++type) {
        TPerson* staff = world.CreatePerson(world.GetFreePersonId(), false);
        staff->Init(static_cast<std::uint8_t>(type), static_cast<std::uint8_t>(countryId));
        ASSERT_EQ(world.GetFreeAgents().Add(staff), 1);
    }
    gui_test::InEachLanguage([&] {
        Open([&] { return GetMainWindowLaunchers().nationalTeam(nullptr, countryId); }, IDC_NATIONAL_LIST,
             [](HWND window) { gui_test::ExpectWholeLayout(window, "national team"); });
        Open([&] { return GetMainWindowLaunchers().playersWithoutClub(nullptr); }, IDC_FREE_AGENTS_LIST,
             [](HWND window) { gui_test::ExpectWholeLayout(window, "players without a club"); });
    });
}

TEST_F(NationalPoolWindows, PlayersWithoutClubAreSignedAndDeleted)
{
    TCompleteWorld& world = *GetWorld();
    ASSERT_GE(world.GetFreeAgents().GetCount(), 4);
    const TCountry* country = world.GetCountry(CountryWithClubs());
    const TClub* club = world.GetClub(QuickTransferModel::GetTargets(*country).front().teamId);
    const int squadBefore = club->GetSquadCount();
    ASSERT_LE(squadBefore, 58);
    const std::uint32_t teamId = club->GetId() | ReserveTeamBit;
    CDlgPlayerWithoutClub::SetClubChooser([teamId](HWND, std::uint32_t& chosen) {
        chosen = teamId;
        return true;
    });
    const int agents = world.GetFreeAgents().GetCount();
    Open([&] { return GetMainWindowLaunchers().playersWithoutClub(nullptr); }, IDC_FREE_AGENTS_LIST,
         [&](HWND window) {
             ASSERT_EQ(Rows(window, IDC_FREE_AGENTS_LIST), agents);
             EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(window, IDC_FREE_AGENTS_SIGN)));
             auto* first = reinterpret_cast<TPerson*>(RowData(window, IDC_FREE_AGENTS_LIST, 0));
             auto* second = reinterpret_cast<TPerson*>(RowData(window, IDC_FREE_AGENTS_LIST, 1));
             SelectRows(window, IDC_FREE_AGENTS_LIST, {0, 1});
             Click(window, IDC_FREE_AGENTS_SIGN);
             EXPECT_EQ(Rows(window, IDC_FREE_AGENTS_LIST), agents - 2);
             EXPECT_EQ(club->GetSquadCount(), squadBefore + 2);
             EXPECT_EQ(club->FindPlayer(first->GetId()), first);
             EXPECT_TRUE(second->IsReserveTeam());
             EXPECT_EQ(SelectedRows(window, IDC_FREE_AGENTS_LIST), (std::vector<int>{0}));

             const int rows = Rows(window, IDC_FREE_AGENTS_LIST);
             SelectRows(window, IDC_FREE_AGENTS_LIST, {rows - 2, rows - 1});
             Click(window, IDC_FREE_AGENTS_DELETE);
             EXPECT_EQ(Rows(window, IDC_FREE_AGENTS_LIST), rows - 2);
             EXPECT_EQ(SelectedRows(window, IDC_FREE_AGENTS_LIST), (std::vector<int>{rows - 3})) << "the new last row";
             EXPECT_EQ(world.GetFreeAgents().GetCount(), agents - 4);
         },
         "tests\\editors\\player_staff\\players-without-club.bmp");
}

TEST_F(NationalPoolWindows, WithoutAClubPickerSigningIsDisabled)
{
    CDlgPlayerWithoutClub::SetClubChooser(nullptr);
    Open([&] { return GetMainWindowLaunchers().playersWithoutClub(nullptr); }, IDC_FREE_AGENTS_LIST,
         [&](HWND window) { EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(window, IDC_FREE_AGENTS_SIGN))); },
         "tests\\editors\\player_staff\\players-without-club-no-picker.bmp");
}

// The registration gives the signing the club picker, which offers reserve
// teams: Cancel signs nobody, a reserve team takes the player as reserve.
TEST_F(NationalPoolWindows, RegisteringSignsThroughTheClubPicker)
{
    TCompleteWorld& world = *GetWorld();
    ASSERT_GE(world.GetFreeAgents().GetCount(), 2);
    TClub* club = world.GetClub(QuickTransferModel::GetTargets(*world.GetCountry(CountryWithClubs())).front().teamId);
    ASSERT_NE(club, nullptr);
    const int squad = club->GetSquadCount();
    ASSERT_LE(squad, 58);
    CDlgPlayerWithoutClub window(nullptr);
    ASSERT_TRUE(window.Create(nullptr));
    ASSERT_TRUE(::IsWindowEnabled(::GetDlgItem(window.Handle(), IDC_FREE_AGENTS_SIGN)));
    const std::vector<TPerson*> rows = window.GetAgents().GetRows();
    ASSERT_GE(rows.size(), 2u);
    SelectRows(window.Handle(), IDC_FREE_AGENTS_LIST, {0});
    // Answers the picker the click opens from inside its modal loop.
    auto signAnswering = [&](const std::function<void(HWND)>& answer) {
        bool answered = false;
        gui_test::ModalDriver driver([&] {
            HWND picker = app_test::FindDialogWith(IDC_PICK_CLUBS);
            if (picker == nullptr || answered) return answered;
            answered = true;
            answer(picker);
            return true;
        }, 8000);
        Click(window.Handle(), IDC_FREE_AGENTS_SIGN);
        return answered;
    };

    ASSERT_TRUE(signAnswering([](HWND picker) { Click(picker, IDCANCEL); }));
    EXPECT_EQ(club->GetSquadCount(), squad);
    EXPECT_EQ(window.GetAgents().GetRows().size(), rows.size());

    const TTeamId reserve = club->GetId() | ReserveTeamBit;
    ASSERT_TRUE(signAnswering([&](HWND picker) {
        PickListBoxRow(picker, IDC_PICK_COUNTRIES, FindListBoxData(picker, IDC_PICK_COUNTRIES, TeamCountry(club->GetId())));
        const int row = FindListBoxData(picker, IDC_PICK_CLUBS, static_cast<LPARAM>(reserve));
        ASSERT_GE(row, 0) << "the picker offers the reserve team";
        PickListBoxRow(picker, IDC_PICK_CLUBS, row);
        Click(picker, IDOK);
    }));
    EXPECT_EQ(club->GetSquadCount(), squad + 1);
    EXPECT_EQ(club->FindPlayer(rows[0]->GetId()), rows[0]);
    EXPECT_TRUE(rows[0]->IsReserveTeam());
    EXPECT_EQ(window.GetAgents().GetRows().size(), rows.size() - 1);
    ::DestroyWindow(window.Handle());
}

TEST_F(NationalPoolWindows, QuickTransferMovesWithAChosenNumberOnly)
{
    TCompleteWorld& world = *GetWorld();
    const int countryId = CountryWithClubs();
    const TCountry* country = world.GetCountry(countryId);
    const std::vector<TransferSource> players = QuickTransferModel::GetSourcePlayers(*country);
    ASSERT_FALSE(players.empty());
    const std::vector<TransferTarget> targets = QuickTransferModel::GetTargets(*country);
    ASSERT_GE(targets.size(), 4u);
    // A first-team target that is not the moving player's club.
    TPerson* mover = players.front().person;
    const TransferTarget* target = nullptr;
    for (const TransferTarget& candidate : targets) {
        const TClub* club = world.GetClub(candidate.teamId);
        if ((candidate.teamId & ReserveTeamBit) == 0 && club != players.front().club && club->GetSquadCount() < 60) {
            target = &candidate;
            break;
        }
    }
    ASSERT_NE(target, nullptr);
    const TClub* targetClub = world.GetClub(target->teamId);
    Open([&] { return GetMainWindowLaunchers().quickTransfer(nullptr, countryId); }, IDC_TRANSFER_NUMBERS,
         [&](HWND window) {
             EXPECT_EQ(gui_test::ItemText(window, IDC_TRANSFER_CURRENT_NUMBER), u"-");
             const int playerRow = FindListBoxData(window, IDC_TRANSFER_PLAYERS, static_cast<LPARAM>(mover->GetId()));
             ASSERT_GE(playerRow, 0);
             PickListBoxRow(window, IDC_TRANSFER_PLAYERS, playerRow);
             EXPECT_NE(gui_test::ItemText(window, IDC_TRANSFER_CURRENT_NUMBER), u"-");
             const int clubRow = FindListBoxData(window, IDC_TRANSFER_CLUBS, static_cast<LPARAM>(target->teamId));
             ASSERT_GE(clubRow, 0);
             PickListBoxRow(window, IDC_TRANSFER_CLUBS, clubRow);
             const std::vector<LPARAM> numbers = ListBoxData(window, IDC_TRANSFER_NUMBERS);
             const std::vector<int> expected = QuickTransferModel::GetFreeNumbers(world, target->teamId);
             ASSERT_EQ(numbers.size(), expected.size());
             EXPECT_EQ(::SendDlgItemMessageW(window, IDC_TRANSFER_NUMBERS, LB_GETCURSEL, 0, 0), 0) << "first number highlighted";
             // The highlighted number is not chosen: nothing moves.
             Click(window, IDC_TRANSFER_MOVE);
             EXPECT_EQ(world.FindClubOfPerson(mover), players.front().club);
             EXPECT_NE(gui_test::ItemText(window, IDC_TRANSFER_CURRENT_NUMBER), u"-") << "the selection stays";
             const int chosen = static_cast<int>(numbers[1]);
             PickListBoxRow(window, IDC_TRANSFER_NUMBERS, 1);
             Click(window, IDC_TRANSFER_MOVE);
             EXPECT_EQ(world.FindClubOfPerson(mover), targetClub);
             EXPECT_EQ(mover->GetShirtNumber(), chosen);
             EXPECT_EQ(FindListBoxData(window, IDC_TRANSFER_NUMBERS, chosen), -1) << "the number given is gone";
             EXPECT_EQ(gui_test::ItemText(window, IDC_TRANSFER_CURRENT_NUMBER), u"-");
         },
         "tests\\editors\\player_staff\\quick-transfer.bmp");
}

// Every player, country, club and reserve team of the sample whole in each
// language, whichever countries the user picks on either side.
TEST_F(NationalPoolWindows, QuickTransferShowsEveryNameOfTheSampleWholeInEachLanguage)
{
    app_test::InEachLanguageOfTheWorld(*GetWorld(), [&] {
        gui_test::DistinctLayoutFaults faults;
        Open([&] { return GetMainWindowLaunchers().quickTransfer(nullptr, CountryWithClubs()); }, IDC_TRANSFER_NUMBERS,
             [&](HWND window) {
                 const int targets = static_cast<int>(::SendDlgItemMessageW(window, IDC_TRANSFER_TARGET_COUNTRY, LB_GETCOUNT, 0, 0));
                 for (int source = 0; source < gui_test::ComboItemCount(window, IDC_TRANSFER_SOURCE_COUNTRY); ++source) {
                     gui_test::ChooseComboItem(window, IDC_TRANSFER_SOURCE_COUNTRY, source);
                     for (int target = 0; target < targets; ++target) {
                         PickListBoxRow(window, IDC_TRANSFER_TARGET_COUNTRY, target);
                         faults.Look(window, "source " + std::to_string(source) + ", target " + std::to_string(target));
                     }
                 }
             });
    });
}

// A reserve player shows his reserve number; moved into a reserve team he
// is offered the numbers its players leave free and the game gets the
// chosen one as his reserve number.
TEST_F(NationalPoolWindows, QuickTransferShowsAndGivesReserveNumbers)
{
    TCompleteWorld& world = *GetWorld();
    const int countryId = CountryWithClubs();
    const TCountry* country = world.GetCountry(countryId);
    const std::vector<TransferSource> players = QuickTransferModel::GetSourcePlayers(*country);
    ASSERT_FALSE(players.empty());
    TPerson* mover = players.front().person;
    mover->SetYouthPlayer(false);
    mover->SetReserveTeam();
    mover->SetShirtNumber(5);
    mover->SetReserveShirtNumber(37);
    const TransferTarget* target = nullptr;
    const std::vector<TransferTarget> targets = QuickTransferModel::GetTargets(*country);
    for (const TransferTarget& candidate : targets) {
        const TClub* club = world.GetClub(candidate.teamId);
        if ((candidate.teamId & ReserveTeamBit) != 0 && club != players.front().club && club->GetSquadCount() < 60) {
            target = &candidate;
            break;
        }
    }
    ASSERT_NE(target, nullptr);
    TClub* targetClub = world.GetClub(target->teamId);
    // A reserve player of the target wears 3 there and 1 in the first team.
    TPerson* wearer = world.CreatePerson(world.GetFreePersonId(), false);
    wearer->SetReserveTeam();
    wearer->SetShirtNumber(1);
    wearer->SetReserveShirtNumber(3);
    ASSERT_TRUE(targetClub->AddPlayer(wearer));
    int chosen = 0;
    Open([&] { return GetMainWindowLaunchers().quickTransfer(nullptr, countryId); }, IDC_TRANSFER_NUMBERS,
         [&](HWND window) {
             PickListBoxRow(window, IDC_TRANSFER_PLAYERS,
                            FindListBoxData(window, IDC_TRANSFER_PLAYERS, static_cast<LPARAM>(mover->GetId())));
             EXPECT_EQ(gui_test::ItemText(window, IDC_TRANSFER_CURRENT_NUMBER), u"37");
             const int clubRow = FindListBoxData(window, IDC_TRANSFER_CLUBS, static_cast<LPARAM>(target->teamId));
             ASSERT_GE(clubRow, 0);
             PickListBoxRow(window, IDC_TRANSFER_CLUBS, clubRow);
             EXPECT_EQ(FindListBoxData(window, IDC_TRANSFER_NUMBERS, 3), -1) << "worn in the reserve team";
             EXPECT_GE(FindListBoxData(window, IDC_TRANSFER_NUMBERS, 1), 0) << "worn in the first team only";
             chosen = static_cast<int>(ListBoxData(window, IDC_TRANSFER_NUMBERS)[1]);
             PickListBoxRow(window, IDC_TRANSFER_NUMBERS, 1);
             Click(window, IDC_TRANSFER_MOVE);
         },
         "tests\\editors\\player_staff\\quick-transfer-reserve.bmp");
    EXPECT_EQ(world.FindClubOfPerson(mover), targetClub);
    EXPECT_EQ(database_testing::ExportedShirtNumbers(*mover), (std::pair<int, int>{0, chosen}));
}

}  // namespace
