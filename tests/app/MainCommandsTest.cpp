// The main window's commands over the sample database: editors reached
// through registered doubles, club commands, club files, snapshots, the
// close question and the administration popup.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/DlgMainMenu.h"
#include "app/GlobalObjects.h"
#include "app/HotfixMenu.h"
#include "app/LedraApp.h"
#include "app/MainWindowLaunchers.h"
#include "core/text/TextManager.h"
#include "core/files/ToolFiles.h"
#include "database/club/Club.h"
#include "database/world/CompleteWorld.h"
#include "database/world/DatabaseSnapshot.h"
#include "database/country/Country.h"
#include "database/world/WorldList.h"
#include "platform/Platform.h"
#include "resources/ResourceIds.h"
#include "tests/app/AppTestSupport.h"
#include "tests/app/CheckedMainMenu.h"
#include "tests/ui/GuiTestSupport.h"
#include "tools/hotfix/HotfixManager.h"
#include "ui/render/RenderManager.h"
#include "win/WideText.h"

namespace {

constexpr int ClubList = 2084;
constexpr int CountryList = 1128;
constexpr int FederationCombo = 1590;

class CommandMenu : public app_test::CheckedMainMenu<CommandMenu> {
public:
    // Files the test "chooses", in order; empty for a cancelled dialog.
    std::vector<std::u16string> files;
    std::vector<std::u16string> defaultNames;
    std::u16string newClubName;

    void SelectClubRow(int row)
    {
        HWND list = ::GetDlgItem(Handle(), ClubList);
        LVITEMW item{};
        item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        item.state = LVIS_SELECTED | LVIS_FOCUSED;
        ::SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    }
    int SelectClub(std::uint32_t id)
    {
        HWND list = ::GetDlgItem(Handle(), ClubList);
        const int rows = static_cast<int>(::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
        for (int row = 0; row < rows; ++row) {
            LVITEMW item{};
            item.mask = LVIF_PARAM;
            item.iItem = row;
            ::SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
            const auto* entry = reinterpret_cast<const ClubListEntry*>(item.lParam);
            if (entry->clubId == id) {
                SelectClubRow(row);
                return row;
            }
        }
        return -1;
    }
    int ClubRows() const
    {
        return static_cast<int>(::SendDlgItemMessageW(Handle(), ClubList, LVM_GETITEMCOUNT, 0, 0));
    }
    // The team id a row stands for, read from the row itself.
    std::uint32_t RowClub(int row) const
    {
        LVITEMW item{};
        item.mask = LVIF_PARAM;
        item.iItem = row;
        ::SendDlgItemMessageW(Handle(), ClubList, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
        return reinterpret_cast<const ClubListEntry*>(item.lParam)->clubId;
    }
    std::u16string RowName(int row) const
    {
        wchar_t text[128] = {};
        LVITEMW item{};
        item.pszText = text;
        item.cchTextMax = 128;
        ::SendDlgItemMessageW(Handle(), ClubList, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        return win::U(text);
    }
    int SelectedRow() const
    {
        return static_cast<int>(::SendDlgItemMessageW(Handle(), ClubList, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    }
    // As a user chooses: the federation in the combo, then the country's row.
    void ChooseFederation(int federation)
    {
        HWND combo = ::GetDlgItem(Handle(), FederationCombo);
        const int items = static_cast<int>(::SendMessageW(combo, CB_GETCOUNT, 0, 0));
        for (int item = 0; item < items; ++item) {
            if (static_cast<int>(::SendMessageW(combo, CB_GETITEMDATA, static_cast<WPARAM>(item), 0)) == federation)
                ::SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
        }
        ::SendMessageW(Handle(), WM_COMMAND, MAKEWPARAM(FederationCombo, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    }
    void ChooseCountry(int id)
    {
        ChooseFederation(GetWorld()->GetCountry(id)->GetContinent());
        HWND list = ::GetDlgItem(Handle(), CountryList);
        const int rows = static_cast<int>(::SendMessageW(list, LB_GETCOUNT, 0, 0));
        for (int row = 0; row < rows; ++row) {
            if (static_cast<int>(::SendMessageW(list, LB_GETITEMDATA, static_cast<WPARAM>(row), 0)) == id)
                ::SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
        }
        ::SendMessageW(Handle(), WM_COMMAND, MAKEWPARAM(CountryList, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    }

    std::u16string ChooseFile(bool, const char16_t*, const char16_t*, const std::u16string&,
                              const std::u16string& defaultName) override
    {
        defaultNames.push_back(defaultName);
        if (files.empty()) return {};
        std::u16string file = files.front();
        files.erase(files.begin());
        return file;
    }
    // The enabled state of the four club items, as the menu would show.
    std::vector<std::string> menuStates;
    void TrackClubMenu(HMENU menu) override
    {
        std::string states;
        for (int id : {ID_CLUB_CLEAR_SQUAD, ID_CLUB_DELETE, ID_CLUB_EXPORT, ID_CLUB_IMPORT})
            states += (::GetMenuState(menu, static_cast<UINT>(id), MF_BYCOMMAND) & MF_GRAYED) ? '-' : '+';
        menuStates.push_back(states);
    }
    // A right click on a row, the cursor over it as the list expects.
    void RightClickRow(int row)
    {
        HWND list = ::GetDlgItem(Handle(), ClubList);
        RECT rect{LVIR_BOUNDS, 0, 0, 0};
        ::SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect));
        POINT point{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2 + 2};
        if (row < 0) point = {-50, -50};
        ::ClientToScreen(list, &point);
        ::SetCursorPos(point.x, point.y);
        NMITEMACTIVATE click{};
        click.hdr.hwndFrom = list;
        click.hdr.idFrom = ClubList;
        click.hdr.code = NM_RCLICK;
        click.iItem = row;
        ::SendMessageW(Handle(), WM_NOTIFY, ClubList, reinterpret_cast<LPARAM>(&click));
    }
    bool AskNewClubName(std::u16string& name) override
    {
        if (newClubName.empty()) return DlgMainMenu::AskNewClubName(name);
        name = newClubName;
        return true;
    }
};

class MainCommands : public testing::Test {
protected:
    void SetUp() override
    {
        app_test::StoreAcceptance(true);
        ASSERT_TRUE(globals_->App().InitLanguageAndTexts());
        globals_->App().SetFoldersFromWorkingFolder();
        GetMainWindowLaunchers() = TMainWindowLaunchers{};
    }
    void TearDown() override
    {
        GetMainWindowLaunchers() = TMainWindowLaunchers{};
        SetAdminMode(GetAdminModeFlag(), false);
        globals_->App().SetRestartOnExit(false);
    }
    // Runs the window; message boxes are answered by the responder.
    void Run(std::function<void(CommandMenu&)> check, CommandMenu* window = nullptr)
    {
        CommandMenu own;
        CommandMenu& menu = window != nullptr ? *window : own;
        menu.check = std::move(check);
        Answered([&menu] { menu.DoModal(); });
    }
    // Whatever shows windows runs here, the main window or an operation
    // after it: a message box it shows is answered by the responder, never
    // left waiting for ever. Some commands pack or unpack the whole sample,
    // which takes several seconds on a busy machine: the watchdog only
    // catches a hang.
    void Answered(const std::function<void()>& act)
    {
        gui_test::ModalDriver driver([this] { return responder_.Step(); }, 30000);
        act();
        EXPECT_FALSE(driver.TimedOut());
    }
    static TCountry& Current(CommandMenu& window) { return *GetWorld()->GetCountry(window.GetCurrentCountry()); }
    std::u16string Database(std::u16string_view name) const { return folder_.Path() + u"\\Database\\" + std::u16string(name); }

    app_test::WorkingFolder folder_{u"commands", true};
    std::unique_ptr<CGlobalObjects> globals_ = std::make_unique<CGlobalObjects>();
    app_test::Responder responder_;
};

TEST_F(MainCommands, EditorsAreReachedThroughTheirLaunchersWithTheirArguments)
{
    std::vector<std::string> calls;
    TMainWindowLaunchers& launchers = GetMainWindowLaunchers();
    std::vector<std::uint32_t> settingsRows;
    launchers.clubSettings = [&](HWND, TClub& club, TCountry& country, const std::vector<std::uint32_t>& rows) {
        calls.push_back("settings " + std::to_string(club.GetId()) + " " + std::to_string(country.GetId()));
        settingsRows = rows;
        return IDCANCEL;
    };
    launchers.squad = [&](HWND, TClub& club) {
        calls.push_back("squad " + std::to_string(club.GetId()));
        return IDOK;
    };
    launchers.nationalTeam = [&](HWND, int country) {
        calls.push_back("national " + std::to_string(country));
        return IDOK;
    };
    launchers.countryPlayerList = [&](HWND, TCountry& country) {
        calls.push_back("players " + std::to_string(country.GetId()));
        return IDOK;
    };
    launchers.towns = [&](HWND, int country) {
        calls.push_back("towns " + std::to_string(country));
        return IDOK;
    };
    launchers.localisedNames = [&](HWND, TCountry* country, TClub* club) {
        calls.push_back(std::string("names ") + (country != nullptr ? std::to_string(country->GetId()) : "none") +
                        (club != nullptr ? " club" : ""));
        return IDOK;
    };
    Run([&](CommandMenu& window) {
        HWND hwnd = window.Handle();
        EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(hwnd, IDC_MAIN_CLUB_SETTINGS)));
        EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(hwnd, IDC_MAIN_CONTINENTS)));
        TCountry& country = Current(window);
        const std::uint32_t club = country.GetClubByIndex(1)->GetId();
        window.SelectClub(club);
        window.Command(IDC_MAIN_CLUB_SETTINGS);
        ASSERT_EQ(static_cast<int>(settingsRows.size()), window.ClubRows());
        EXPECT_EQ(settingsRows.front(), country.GetNationalTeam()->GetId());
        window.SelectClub(club);
        window.Command(IDC_MAIN_SQUAD);
        // A double click on the national team's row opens the national team.
        const int national = window.SelectClub(country.GetNationalTeam()->GetId());
        NMITEMACTIVATE click{};
        click.hdr.hwndFrom = ::GetDlgItem(hwnd, ClubList);
        click.hdr.idFrom = ClubList;
        click.hdr.code = NM_DBLCLK;
        click.iItem = national;
        ::SendMessageW(hwnd, WM_NOTIFY, ClubList, reinterpret_cast<LPARAM>(&click));
        window.Command(IDC_MAIN_COUNTRY_PLAYER_LIST);
        window.Command(ID_MAIN_TOWNS);
        window.Command(ID_MAIN_LOCALISED_NAMES);
        // Enter and Escape leave the window open.
        window.Command(IDOK);
        window.Command(IDCANCEL);
        EXPECT_TRUE(::IsWindow(hwnd));
        const std::string id = std::to_string(country.GetId());
        EXPECT_EQ(calls, (std::vector<std::string>{"settings " + std::to_string(club) + " " + id,
                                                   "squad " + std::to_string(club), "national " + id,
                                                   "players " + id, "towns " + id, "names " + id + " club"}));
    });
}

TEST_F(MainCommands, PlayerSearchAsksAgainForAnUnknownClubAndEndsOnCancel)
{
    int searches = 0;
    int results = 0;
    std::uint32_t opened = 0;
    TMainWindowLaunchers& launchers = GetMainWindowLaunchers();
    launchers.playerSearch = [&](HWND, TPlayerSearchCriteria& criteria) {
        criteria.lastName = u"Berg";
        return ++searches < 3 ? IDOK : IDCANCEL;
    };
    launchers.searchResult = [&](HWND, const TPlayerSearchCriteria& criteria, std::uint32_t& club) {
        EXPECT_EQ(criteria.lastName, u"Berg");
        club = ++results == 1 ? 0x00CD0077 : GetWorld()->GetCountry(14)->GetClubByIndex(1)->GetId();
        return IDOK;
    };
    launchers.squad = [&](HWND, TClub& club) {
        opened = club.GetId();
        return IDCANCEL;
    };
    Run([&](CommandMenu& window) { window.Command(IDC_MAIN_PLAYER_SEARCH); });
    EXPECT_EQ(searches, 2);
    EXPECT_EQ(results, 2);
    EXPECT_NE(opened, 0u);
}

TEST_F(MainCommands, NewClubsAreCreatedListedAndLimited)
{
    Run([&](CommandMenu& window) {
        TCountry& country = Current(window);
        const int rows = window.ClubRows();
        window.newClubName = u"Harbourside Rovers";
        window.Command(ID_CLUB_NEW);
        ASSERT_EQ(window.ClubRows(), rows + 1);
        const TClub* club = nullptr;
        for (int index = 0; index < country.GetClubCount(); ++index) {
            if (std::u16string(country.GetClubByIndex(index)->GetName()) == u"Harbourside Rovers") club = country.GetClubByIndex(index);
        }
        ASSERT_NE(club, nullptr);
        for (int language = 0; language < 6; ++language)
            EXPECT_EQ(std::u16string(club->GetNameForLanguage(language)), u"Harbourside Rovers");
        EXPECT_TRUE(club->IsCreatedInEditor());
        EXPECT_EQ(country.GetPoolPlayerCount(), country.GetClubCount() * 22);
        // The dialog takes 29 characters of what is typed.
        window.newClubName.clear();
        bool typed = false;
        gui_test::ModalDriver typing([&] {
            HWND dialog = app_test::FindDialogWith(IDC_NEW_CLUB_NAME);
            if (dialog == nullptr) return false;
            ::SendDlgItemMessageW(dialog, IDC_NEW_CLUB_NAME, EM_REPLACESEL, FALSE,
                                  reinterpret_cast<LPARAM>(L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdef"));
            typed = true;
            ::SendMessageW(dialog, WM_COMMAND, IDOK, 0);
            return true;
        });
        window.Command(ID_CLUB_NEW);
        EXPECT_TRUE(typed);
        EXPECT_EQ(window.ClubRows(), rows + 2);
        bool found = false;
        for (int index = 0; index < country.GetClubCount(); ++index)
            found |= std::u16string(country.GetClubByIndex(index)->GetName()) == u"ABCDEFGHIJKLMNOPQRSTUVWXYZabc";
        EXPECT_TRUE(found);
        // With 511 rows the command does nothing.
        window.newClubName = u"Filler";
        while (window.ClubRows() < 511) {
            country.CreateClub(u"Filler");
            window.FillClubList();
        }
        window.Command(ID_CLUB_NEW);
        EXPECT_EQ(window.ClubRows(), 511);
    });
}

TEST_F(MainCommands, TheClubMenuEnablesWhatTheRowAllows)
{
    Run([&](CommandMenu& window) {
        TCountry& country = Current(window);
        TClub* created = GetWorld()->GetClub(country.CreateClub(u"Made Here"));
        window.FillClubList();
        // Clear squad, delete, export, import.
        window.RightClickRow(window.SelectClub(created->GetId()));
        window.RightClickRow(window.SelectClub(country.GetClubByIndex(1)->GetId()));
        window.RightClickRow(window.SelectClub(country.GetNationalTeam()->GetId()));
        EXPECT_EQ(window.menuStates, (std::vector<std::string>{"++++", "+-++", "----"}));
    });
}

TEST_F(MainCommands, DeleteAndClearSquadChangeTheClubWithoutAsking)
{
    responder_.messageAnswer = IDYES;
    Run([&](CommandMenu& window) {
        TCountry& country = Current(window);
        TClub* club = country.GetClubByIndex(2);
        const std::uint32_t id = club->GetId();
        // A squad slot naming a person the world does not hold.
        TPerson* gone = GetWorld()->CreatePerson(999999, true);
        club->AddPlayer(gone);
        GetWorld()->DeletePerson(gone);
        window.SelectClub(id);
        window.Command(ID_CLUB_CLEAR_SQUAD);
        EXPECT_EQ(club->GetSquadCount(), 0);
        ASSERT_EQ(responder_.messages.size(), 1u);

        const int rows = window.ClubRows();
        const std::uint32_t other = country.GetClubByIndex(3)->GetId();
        window.SelectClub(other);
        window.Command(ID_CLUB_DELETE);
        EXPECT_EQ(window.ClubRows(), rows - 1);
        EXPECT_EQ(GetWorld()->GetClub(other), nullptr);
        EXPECT_EQ(responder_.messages.size(), 1u);
        // The national team is never deleted.
        window.SelectClub(country.GetNationalTeam()->GetId());
        window.Command(ID_CLUB_DELETE);
        EXPECT_EQ(window.ClubRows(), rows - 1);
    });
}

namespace {

// Every row shows a club of the current country that the world holds, under
// that club's name, and every club of the country has its row.
void ExpectRowsOfTheWorld(CommandMenu& window, const char* after)
{
    const TCountry& country = *GetWorld()->GetCountry(window.GetCurrentCountry());
    ASSERT_EQ(window.ClubRows(), country.GetClubCount()) << after;
    std::set<std::uint32_t> listed;
    for (int row = 0; row < window.ClubRows(); ++row) {
        const std::uint32_t id = window.RowClub(row);
        const TClub* club = GetWorld()->GetClub(id);
        ASSERT_NE(club, nullptr) << after << ", row " << row;
        EXPECT_EQ(TeamCountry(id), country.GetId()) << after;
        EXPECT_EQ(window.RowName(row), std::u16string(club->GetName())) << after << ", row " << row;
        listed.insert(id);
    }
    EXPECT_EQ(static_cast<int>(listed.size()), window.ClubRows()) << after;
}

// A refill selects the row of the club selected before, else the top row.
void ExpectSelectionKept(CommandMenu& window, std::uint32_t before, const char* after)
{
    const int row = window.SelectedRow();
    ASSERT_GE(row, 0) << after;
    if (GetWorld()->GetClub(before) != nullptr) {
        EXPECT_EQ(window.RowClub(row), before) << after;
    } else {
        EXPECT_EQ(row, 0) << after;
    }
}

}  // namespace

// Deleting a club, clearing a squad and the fix that makes Spain's clubs
// anew each leave a list of clubs the world holds.
TEST_F(MainCommands, TheClubListFollowsEveryCommandThatRemovesClubs)
{
    constexpr int Spain = 45;
    constexpr int FillSpain = 56789;
    SetAdminMode(GetAdminModeFlag(), true);
    RegisterHotfixMenu(GetMainWindowLaunchers());
    CHotfixManager::Instance().SetExtended(true);
    responder_.messageAnswer = IDYES;
    Run([&](CommandMenu& window) {
        window.ChooseCountry(Spain);
        ASSERT_EQ(window.GetCurrentCountry(), Spain);
        TCountry& country = Current(window);
        const std::uint32_t deleted = country.GetClubByIndex(3)->GetId();
        window.SelectClub(deleted);
        window.Command(ID_CLUB_DELETE);
        ASSERT_EQ(GetWorld()->GetClub(deleted), nullptr);
        ExpectRowsOfTheWorld(window, "delete");
        ExpectSelectionKept(window, deleted, "delete");

        const std::uint32_t cleared = country.GetClubByIndex(4)->GetId();
        window.SelectClub(cleared);
        window.Command(ID_CLUB_CLEAR_SQUAD);
        ASSERT_EQ(GetWorld()->GetClub(cleared)->GetSquadCount(), 0);
        ExpectRowsOfTheWorld(window, "clear squad");
        ExpectSelectionKept(window, cleared, "clear squad");

        const std::uint32_t selected = country.GetClubByIndex(5)->GetId();
        const std::u16string oldName = GetWorld()->GetClub(selected)->GetName();
        window.SelectClub(selected);
        gui_test::ModalDriver closeReport(
            [] {
                HWND report = app_test::FindDialogWith(IDC_REPORT_COUNT);
                if (report == nullptr || !::IsWindowVisible(::GetDlgItem(report, IDC_REPORT_COUNT))) return false;
                ::SendMessageW(report, WM_COMMAND, IDCANCEL, 0);
                return true;
            },
            30000);
        window.Command(FillSpain);
        ASSERT_FALSE(closeReport.TimedOut());
        // The fix made every club anew.
        ASSERT_TRUE(GetWorld()->GetClub(selected) == nullptr || GetWorld()->GetClub(selected)->GetName() != oldName);
        ExpectRowsOfTheWorld(window, "country teams fix");
        ExpectSelectionKept(window, selected, "country teams fix");
    });
    CHotfixManager::Instance().SetExtended(false);
}

// The chosen country and federation are the ones a refresh from the world
// comes back to, as clearing a squad and the transfers do.
TEST_F(MainCommands, TheChosenCountryStaysThroughARefreshFromTheWorld)
{
    constexpr int Chosen = 21;
    responder_.messageAnswer = IDYES;
    Run([&](CommandMenu& window) {
        ASSERT_NE(window.GetCurrentCountry(), Chosen);
        window.ChooseCountry(Chosen);
        ASSERT_EQ(window.GetCurrentCountry(), Chosen);
        const TClub& club = *GetWorld()->GetCountry(Chosen)->GetClubByIndex(2);
        window.SelectClub(club.GetId());
        window.Command(ID_CLUB_CLEAR_SQUAD);
        ASSERT_EQ(club.GetSquadCount(), 0);
        EXPECT_EQ(window.GetCurrentCountry(), Chosen);
        EXPECT_EQ(window.GetSelectedCountryId(), Chosen);
        EXPECT_EQ(window.GetSelectedClubId(), club.GetId());
        EXPECT_EQ(window.RowName(window.SelectedRow()), std::u16string(club.GetName()));

        // Another federation brings its own country, which stays as well.
        const int federation = GetWorld()->GetCountry(Chosen)->GetContinent();
        int elsewhere = 0;
        for (int id = 1; id <= 206 && elsewhere == 0; ++id) {
            const TCountry* country = GetWorld()->GetCountry(id);
            if (country->GetId() == id && country->GetContinent() != federation) elsewhere = id;
        }
        ASSERT_NE(elsewhere, 0);
        window.ChooseCountry(elsewhere);
        window.RefreshFromWorld();
        EXPECT_EQ(window.GetCurrentFederation(), GetWorld()->GetCountry(elsewhere)->GetContinent());
        EXPECT_EQ(window.GetCurrentCountry(), elsewhere);
        EXPECT_EQ(window.GetSelectedCountryId(), elsewhere);
    });
}

TEST_F(MainCommands, ClubFilesRoundTripAndRefuseTheNationalTeam)
{
    Run([&](CommandMenu& window) {
        TCountry& country = Current(window);
        TClub* source = country.GetClubByIndex(1);
        TClub* target = country.GetClubByIndex(2);
        source->SetNameForLanguage(GetWorld()->GetDatabaseLanguage(), u"A/B: C?");
        // The repair moves rivals up one place per run; without rivals one
        // repair is final.
        for (int rival = 0; rival < TClub::RivalCount; ++rival) source->SetRival(rival, 0);
        const std::u16string first = folder_.Path() + u"\\first.clb";
        const std::u16string second = folder_.Path() + u"\\second.clb";
        const std::u16string third = folder_.Path() + u"\\third.clb";
        window.FillClubList();
        window.SelectClub(source->GetId());
        window.files = {first};
        window.Command(ID_CLUB_EXPORT);
        EXPECT_EQ(window.defaultNames.back(), u"A_B_ C_");
        // An import repairs the club; a repaired club read back into itself
        // writes the same file again.
        for (const std::u16string* file : {&first, &second}) {
            window.SelectClub(source->GetId());
            window.files = {*file};
            window.Command(ID_CLUB_IMPORT);
            window.SelectClub(source->GetId());
            window.files = {file == &first ? second : third};
            window.Command(ID_CLUB_EXPORT);
        }
        EXPECT_EQ(testing_support::ReadBytes(third), testing_support::ReadBytes(second));
        // Into another club it brings its names and settings.
        window.SelectClub(target->GetId());
        window.files = {first};
        window.Command(ID_CLUB_IMPORT);
        EXPECT_EQ(std::u16string(target->GetName()), u"A/B: C?");

        const std::size_t asked = window.defaultNames.size();
        window.SelectClub(country.GetNationalTeam()->GetId());
        window.Command(ID_CLUB_EXPORT);
        EXPECT_EQ(window.defaultNames.size(), asked);
        window.Command(ID_CLUB_IMPORT);
        EXPECT_EQ(window.defaultNames.size(), asked);
        ASSERT_EQ(responder_.messages.size(), 1u);
        EXPECT_EQ(responder_.messages[0], std::u16string(CTextManager::Instance()->GetText(u"Dialog.Main.ErrorNationalTeamOverwrite")));
    });
}

TEST_F(MainCommands, ASnapshotImportRestoresTheFilesAndRestartsWithoutTheQuestion)
{
    const std::u16string snapshot = folder_.Path() + u"\\saved.dbs";
    const std::vector<std::uint8_t> before = testing_support::ReadBytes(Database(u"Country14.sav"));
    CommandMenu window;
    Run(
        [&](CommandMenu& menu) {
            menu.files = {snapshot};
            menu.Command(ID_MAIN_SNAPSHOT_EXPORT);
            ASSERT_TRUE(platform::FileExists(snapshot));
            testing_support::WriteBytes(Database(u"Country14.sav"), std::string("changed"));
            menu.files = {snapshot};
            menu.Command(ID_MAIN_SNAPSHOT_IMPORT);
        },
        &window);
    EXPECT_TRUE(window.closedByItself);
    EXPECT_TRUE(globals_->App().IsRestartOnExit());
    EXPECT_EQ(testing_support::ReadBytes(Database(u"Country14.sav")), before);
    for (const std::u16string& message : responder_.messages)
        EXPECT_NE(message, std::u16string(CTextManager::Instance()->GetText(u"Dialog.Main.PromptExitEditor")));
}

// The save step start-up installs runs before the archive is made: a change
// held only in memory reaches the country file and the snapshot.
TEST_F(MainCommands, ASnapshotExportSavesTheLoadedWorldFirst)
{
    const std::u16string snapshot = folder_.Path() + u"\\saved.dbs";
    std::u16string countryFile;
    std::vector<std::uint8_t> before;
    Run([&](CommandMenu& menu) {
        TCountry& country = Current(menu);
        countryFile = GetWorld()->GetCountryFilePath(country.GetId());
        before = testing_support::ReadBytes(countryFile);
        country.GetClubByIndex(1)->SetNameForAllLanguages(u"Renamed Before The Snapshot");
        menu.files = {snapshot};
        menu.Command(ID_MAIN_SNAPSHOT_EXPORT);
    });
    ASSERT_TRUE(platform::FileExists(snapshot));
    const std::vector<std::uint8_t> saved = testing_support::ReadBytes(countryFile);
    EXPECT_NE(saved, before);
    // Restoring the snapshot over the old file brings the saved bytes back,
    // behind its progress window and without a word.
    testing_support::WriteBytes(countryFile, before);
    CDatabaseSnapshot restore;
    bool restored = false;
    Answered([&] { restored = restore.Restore(snapshot); });
    for (const std::u16string& message : responder_.messages) ADD_FAILURE() << testing_support::Narrow(message);
    ASSERT_TRUE(restored);
    EXPECT_EQ(testing_support::ReadBytes(countryFile), saved);
}

// The export shows its report in the message dialog, a header over the
// countries, and cancelling it writes nothing; without a complete country
// it shows its error there with a single button.
TEST_F(MainCommands, TheExportReportsInTheMessageDialog)
{
    const std::u16string master = Database(u"Master.dat");
    ASSERT_TRUE(!platform::FileExists(master) || platform::RemoveFile(master));
    const CTextManager& texts = *CTextManager::Instance();
    responder_.reportAnswer = IDCANCEL;
    Run([](CommandMenu& menu) { menu.Command(IDC_MAIN_EXPORT); });
    ASSERT_EQ(responder_.reports.size(), 1u);
    const app_test::Responder::Report& report = responder_.reports[0];
    EXPECT_EQ(report.header, texts.GetText(u"Database.CompleteWorld.CountriesInitializedInfo"_tk));
    const std::u16string countLine = texts.GetText(u"Database.CompleteWorld.CountriesInitializedCount"_tk);
    EXPECT_TRUE(report.text.starts_with(countLine.substr(0, countLine.find(u"_COUNT"))))
        << testing_support::Narrow(report.text);
    EXPECT_FALSE(report.singleButton);
    EXPECT_TRUE(responder_.messages.empty()) << "no message box besides";
    EXPECT_FALSE(platform::FileExists(master)) << "cancelled";

    responder_.reports.clear();
    Run([](CommandMenu& menu) {
        for (std::uint32_t id = 1; id <= 207; ++id) GetWorld()->GetCompetitions().EraseCountry(id);
        menu.Command(IDC_MAIN_EXPORT);
    });
    ASSERT_EQ(responder_.reports.size(), 1u);
    EXPECT_EQ(responder_.reports[0].header, texts.GetText(u"Database.CompleteWorld.ErrorFollowingError"_tk));
    EXPECT_EQ(responder_.reports[0].text, std::u16string(texts.GetText(u"Database.CompleteWorld.ErrorNoCountryInitialized"_tk)) + u"\r\n");
    EXPECT_TRUE(responder_.reports[0].singleButton);
    EXPECT_TRUE(responder_.messages.empty());
    EXPECT_FALSE(platform::FileExists(master));
}

// A Rules.sav of a newer program was refused at the load: the export stops
// in the message dialog, naming the file, and Master.dat keeps every byte.
TEST_F(MainCommands, TheExportRefusesWhileRulesSavIsRefused)
{
    const std::vector<std::uint8_t> rules = testing_support::ReadBytes(Database(u"Rules.sav"));
    std::string text(rules.begin(), rules.end());
    const std::string version = "\r\n537329692\r\n";
    ASSERT_NE(text.find(version), std::string::npos);
    testing_support::WriteBytes(Database(u"Rules.sav"), text.replace(text.find(version), version.size(), "\r\n537329694\r\n"));
    const std::vector<std::uint8_t> master = testing_support::ReadBytes(Database(u"Master.dat"));
    ASSERT_FALSE(master.empty());
    Run([](CommandMenu& menu) { menu.Command(IDC_MAIN_EXPORT); });
    ASSERT_EQ(responder_.reports.size(), 1u);
    EXPECT_EQ(responder_.reports[0].header, CTextManager::Instance()->GetText(u"Database.CompleteWorld.ErrorFollowingError"_tk));
    EXPECT_NE(responder_.reports[0].text.find(u"\\Database\\Rules.sav was written by a newer version"), std::u16string::npos)
        << testing_support::Narrow(responder_.reports[0].text);
    EXPECT_TRUE(responder_.reports[0].singleButton);
    EXPECT_EQ(responder_.messages.size(), 1u) << "the load's refusal only: no outcome of an export";
    EXPECT_EQ(testing_support::ReadBytes(Database(u"Master.dat")), master);
}

// The last box of a restore without its file, of an export and of a failed
// save stands alone over the program, the operation's progress window
// disabled behind it, and the main window takes the keys again once it is
// answered.
TEST_F(MainCommands, AnOperationsLastBoxLeavesNothingUsableBesideItAndHandsTheKeysBack)
{
    responder_.onMessage = [](HWND box) { app_test::ExpectOnlyBoxEnabled(box); };
    responder_.closeMainWindow = false;
    const std::pair<int, std::u16string> operations[] = {
        {ID_MAIN_RESTORE, u"Restore.big"},
        {IDC_MAIN_EXPORT, CTextManager::Instance()->GetText(u"Database.CompleteWorld.SaveSuccessful"_tk)},
        {ID_MAIN_SAVE, CTextManager::Instance()->GetText(u"Database.CompleteWorld.ErrorDuringSave"_tk)}};
    for (const auto& [command, box] : operations) {
        platform::FailWritesAfter(command == ID_MAIN_SAVE ? 1 : 0);
        Run([command](CommandMenu& menu) {
            ::ShowWindow(menu.Handle(), SW_SHOW);
            menu.Command(command);
            app_test::ExpectTakesKeys(menu.Handle());
        });
        ASSERT_FALSE(responder_.messages.empty());
        EXPECT_NE(responder_.messages.back().find(box), std::u16string::npos) << testing_support::Narrow(responder_.messages.back());
    }
    platform::FailWritesAfter(0);
}

TEST_F(MainCommands, ANonArchiveSnapshotChangesNothing)
{
    const std::u16string junk = folder_.Path() + u"\\junk.dbs";
    testing_support::WriteBytes(junk, std::string("not an archive"));
    const std::vector<std::uint8_t> before = testing_support::ReadBytes(Database(u"Country14.sav"));
    Run([&](CommandMenu& menu) {
        menu.files = {junk};
        menu.Command(ID_MAIN_SNAPSHOT_IMPORT);
        EXPECT_TRUE(::IsWindow(menu.Handle()));
    });
    EXPECT_FALSE(responder_.messages.empty());
    EXPECT_FALSE(globals_->App().IsRestartOnExit());
    EXPECT_EQ(testing_support::ReadBytes(Database(u"Country14.sav")), before);
}

TEST_F(MainCommands, TheRestorationFileRestoresAndClosesWithoutTheQuestion)
{
    SetAdminMode(GetAdminModeFlag(), true);
    const std::vector<std::uint8_t> before = testing_support::ReadBytes(Database(u"Country14.sav"));
    CommandMenu window;
    Run(
        [&](CommandMenu& menu) {
            menu.Command(55557);  // Create Restoration file
            ASSERT_TRUE(platform::FileExists(folder_.Path() + u"\\trdata\\Restore.big"));
            testing_support::WriteBytes(Database(u"Country14.sav"), std::string("changed"));
            menu.Command(ID_MAIN_RESTORE);
        },
        &window);
    EXPECT_TRUE(window.closedByItself);
    EXPECT_TRUE(globals_->App().IsRestartOnExit());
    EXPECT_EQ(testing_support::ReadBytes(Database(u"Country14.sav")), before);
    // One question, the restore's own; none before closing.
    ASSERT_EQ(responder_.messages.size(), 1u);
    EXPECT_NE(responder_.messages[0], std::u16string(CTextManager::Instance()->GetText(u"Dialog.Main.PromptExitEditor")));
}

TEST_F(MainCommands, ClosingStartsNoRenderer)
{
    Run([&](CommandMenu&) {});
    EXPECT_EQ(CRenderManager::GetStartedInstance(), nullptr);
}

TEST_F(MainCommands, CloseAsksAndNoKeepsTheWindow)
{
    responder_.messageAnswer = IDNO;
    CommandMenu window;
    Run([&](CommandMenu& menu) {
        menu.Command(ID_MAIN_EXIT);
        EXPECT_TRUE(::IsWindow(menu.Handle()));
        responder_.messageAnswer = IDYES;
        menu.Command(ID_MAIN_EXIT);
    }, &window);
    EXPECT_TRUE(window.closedByItself);
    ASSERT_EQ(responder_.messages.size(), 2u);
    EXPECT_EQ(responder_.messages[0], std::u16string(CTextManager::Instance()->GetText(u"Dialog.Main.PromptExitEditor")));
}

TEST_F(MainCommands, ContractCheckRunsWithOrWithoutCorrectionsAndCancelStartsNothing)
{
    std::vector<bool> runs;
    GetMainWindowLaunchers().contractCheck = [&](HWND, bool correct) { runs.push_back(correct); };
    Run([&](CommandMenu& menu) {
        for (int answer : {IDCANCEL, IDYES, IDNO}) {
            responder_.messageAnswer = answer;
            menu.Command(ID_MAIN_CONTRACT_CHECK);
        }
    });
    EXPECT_EQ(runs, (std::vector<bool>{true, false}));
}

// The menu as text: items by their text and id, popups with their items.
std::string MenuText(HMENU menu)
{
    std::string text;
    const int count = ::GetMenuItemCount(menu);
    for (int index = 0; index < count; ++index) {
        wchar_t caption[128] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_STRING | MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE | MIIM_STATE;
        info.dwTypeData = caption;
        info.cch = 127;
        ::GetMenuItemInfoW(menu, static_cast<UINT>(index), TRUE, &info);
        if (!text.empty()) text += ' ';
        const std::string name = testing_support::Narrow(win::U(caption));
        if (info.fType & MFT_SEPARATOR) text += "-";
        else if (info.hSubMenu != nullptr) text += name + "{" + MenuText(info.hSubMenu) + "}";
        else if (info.fState & MFS_GRAYED) text += "[" + name + "]";
        else text += name + "=" + std::to_string(info.wID);
    }
    return text;
}

TEST_F(MainCommands, TheAdministrationPopupExistsOnlyInDeveloperMode)
{
    Run([&](CommandMenu& menu) {
        HMENU bar = ::GetMenu(menu.Handle());
        EXPECT_EQ(::GetMenuItemCount(bar), 2);
    });
    SetAdminMode(GetAdminModeFlag(), true);
    Run([&](CommandMenu& menu) {
        HMENU bar = ::GetMenu(menu.Handle());
        ASSERT_EQ(::GetMenuItemCount(bar), 3);
        wchar_t caption[64] = {};
        ::GetMenuStringW(bar, 2, caption, 64, MF_BYPOSITION);
        EXPECT_EQ(std::u16string(win::U(caption)), u"Administration");
        EXPECT_EQ(MenuText(::GetSubMenu(bar, 2)),
                  "- [Tools] Dump Team Colors (HTML)=55556 Create Restoration file=55557 "
                  "Club names{Import=55559 Export=55560} "
                  "Database Language{German=55562 English=55563 French=55564 Italian=55565 Spanish=55566 Polish=55567} "
                  "GUI Language{German=55569 English=55570 French=55571 Italian=55572 Spanish=55573 Polish=55574 "
                  "- [Helper] Longest=55576 Reload=55577} "
                  "Process Transfers=55578 League data{Import=55580 Export=55581} Process Transfers=55582");
    });
}

TEST_F(MainCommands, TheColourDumpGoesToTheFolderOfItsDrive)
{
    SetAdminMode(GetAdminModeFlag(), true);
    CToolFiles::SetFolder(u'D', folder_.Path() + u"\\drive-d");
    ASSERT_TRUE(platform::CreateFolders(folder_.Path() + u"\\drive-d"));
    Run([&](CommandMenu& menu) { menu.Command(55556); });
    CToolFiles::SetFolder(u'D', u"");
    const std::vector<std::uint8_t> page = testing_support::ReadBytes(folder_.Path() + u"\\drive-d\\TeamColors.html");
    EXPECT_FALSE(page.empty());
    EXPECT_TRUE(responder_.messages.empty());
}

TEST_F(MainCommands, AdministrationLanguagesAndTheTextReload)
{
    SetAdminMode(GetAdminModeFlag(), true);
    Run([&](CommandMenu& menu) {
        menu.Command(55565);  // database language 4, Italian
        EXPECT_EQ(GetWorld()->GetDatabaseLanguage(), 4);
        const TCountry& country = Current(menu);
        wchar_t row[128] = {};
        const int selected = static_cast<int>(::SendDlgItemMessageW(menu.Handle(), CountryList, LB_GETCURSEL, 0, 0));
        ::SendDlgItemMessageW(menu.Handle(), CountryList, LB_GETTEXT, static_cast<WPARAM>(selected),
                              reinterpret_cast<LPARAM>(row));
        EXPECT_EQ(std::u16string(win::U(row)), country.GetName());

        menu.Command(55576);  // longest texts
        EXPECT_TRUE(CTextManager::Instance()->IsLongestTextMode());
        menu.Command(55570);  // English again
        EXPECT_FALSE(CTextManager::Instance()->IsLongestTextMode());

        const std::u16string texts = folder_.Path() + u"\\trdata\\DatabaseEditor.txt";
        const std::u16string moved = folder_.Path() + u"\\trdata\\Moved.txt";
        const std::u16string caption = CTextManager::Instance()->GetText(u"Dialog.Main.Caption");
        ASSERT_NE(caption, u"Dialog.Main.Caption");
        ASSERT_TRUE(platform::RenameOver(texts, moved));
        menu.Command(55577);
        EXPECT_EQ(std::u16string(CTextManager::Instance()->GetText(u"Dialog.Main.Caption")), caption);
        ASSERT_TRUE(platform::RenameOver(moved, texts));
    });
    ASSERT_EQ(responder_.messages.size(), 1u);
    EXPECT_NE(responder_.messages[0].find(u"DatabaseEditor.txt"), std::u16string::npos);
}

TEST_F(MainCommands, LeagueDataAndClubNamesGoThroughTheirFiles)
{
    SetAdminMode(GetAdminModeFlag(), true);
    Run([&](CommandMenu& menu) {
        const std::u16string leagues = folder_.Path() + u"\\leagues.lgb";
        const std::u16string names = folder_.Path() + u"\\names.bin";
        menu.files = {leagues};
        menu.Command(55581);
        EXPECT_EQ(menu.defaultNames.back(), u"Country" + std::u16string(CTextManager::Instance()->FormatInt(menu.GetCurrentCountry())));
        const std::vector<std::uint8_t> written = testing_support::ReadBytes(leagues);
        ASSERT_GE(written.size(), 8u);
        EXPECT_EQ(std::string(written.begin(), written.begin() + 4), "LGDB");
        menu.files = {leagues};
        menu.Command(55580);

        TClub* club = Current(menu).GetClubByIndex(1);
        const std::u16string name = club->GetNameForLanguage(1);
        menu.files = {names};
        menu.Command(55560);
        club->SetNameForLanguage(1, u"Changed");
        menu.files = {names};
        menu.Command(55559);
        EXPECT_EQ(std::u16string(club->GetNameForLanguage(1)), name);
    });
    EXPECT_EQ(responder_.messages,
              (std::vector<std::u16string>{u"Successful", u"Successful", u"Club names saved", u"Successful"}));
}

}  // namespace
