#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <set>

#include "tests/editors/player_staff/SquadWindowFixture.h"
#include "app/MainWindowLaunchers.h"
#include "core/text/TextManager.h"
#include "editors/player_staff/search/DlgSearchResult.h"
#include "editors/player_staff/PlayerStaffIds.h"
#include "editors/player_staff/PlayerStaffLaunchers.h"
#include "editors/player_staff/model/search/PlayerSearch.h"
#include "resources/ClubEditorIds.h"
#include "tests/database/DatabaseTestSupport.h"
#include "tests/ui/GuiTestSupport.h"
#include "win/WideText.h"

namespace {

// The column of a player's position or a staff member's role.
constexpr int PositionColumn = 3;

class SearchWindowsTest : public database_testing::CurrentWorldTest {
protected:
    void SetUp() override
    {
        CurrentWorldTest::SetUp();
        RegisterPlayerStaffEditors(launchers_);
        club_ = NewClub(14, u"Searched");
    }

    TClub* NewClub(int countryId, const char16_t* name)
    {
        TCountry& country = *world_->GetCountry(countryId);
        return country.GetClubByUniqueId(country.CreateClub(name));
    }

    TPerson* Add(TClub* club, const char16_t* first, const char16_t* last)
    {
        TPerson* person = world_->CreatePerson(world_->GetFreePersonId(), false);
        person->SetFirstName(first);
        person->SetLastName(last);
        club->AddPlayer(person);
        return person;
    }

    static void Type(HWND dialog, int id, const char16_t* text)
    {
        ::SetDlgItemTextW(dialog, id, win::W(text));
    }

    static void SelectFirstRow(HWND list)
    {
        LVITEMW select{};
        select.stateMask = LVIS_SELECTED;
        select.state = LVIS_SELECTED;
        ::SendMessageW(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&select));
    }

    TMainWindowLaunchers launchers_;
    TClub* club_ = nullptr;
};

TEST_F(SearchWindowsTest, TheSearchDialogKeepsItsTextsForTheNextSearch)
{
    GetSearchFirstName().clear();
    GetSearchLastName().clear();
    GetSearchPseudonym().clear();
    TPlayerSearchCriteria criteria;
    {
        gui_test::ModalDriver driver([] {
            HWND dialog = gui_test::FindThreadDialog();
            if (dialog == nullptr) return false;
            Type(dialog, IDC_SEARCH_LAST_NAME, u"mull*");
            Type(dialog, IDC_SEARCH_PSEUDONYM, u"Kaka");
            ::SendMessageW(dialog, WM_COMMAND, IDOK, 0);
            return true;
        });
        EXPECT_EQ(launchers_.playerSearch(nullptr, criteria), IDOK);
        EXPECT_FALSE(driver.TimedOut());
    }
    EXPECT_EQ(criteria.lastName, u"mull*");
    EXPECT_EQ(criteria.pseudonym, u"Kaka");
    EXPECT_EQ(criteria.firstName, u"");
    std::u16string shown;
    {
        gui_test::ModalDriver driver([&shown] {
            HWND dialog = gui_test::FindThreadDialog();
            if (dialog == nullptr) return false;
            shown = gui_test::ItemText(dialog, IDC_SEARCH_LAST_NAME);
            Type(dialog, IDC_SEARCH_LAST_NAME, u"changed");
            ::SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
            return true;
        });
        EXPECT_EQ(launchers_.playerSearch(nullptr, criteria), IDCANCEL);
        EXPECT_FALSE(driver.TimedOut());
    }
    EXPECT_EQ(shown, u"mull*");
    EXPECT_EQ(GetSearchLastName(), u"mull*") << "cancel keeps the last search";
}

TEST_F(SearchWindowsTest, HitsAreListedAndADoubleClickShowsTheClub)
{
    Add(club_, u"Anna", u"Müller");
    Add(club_, u"Bert", u"MULLER");
    Add(club_, u"Carl", u"Mullerson");
    TClub* other = NewClub(21, u"Elsewhere");
    Add(other, u"Dora", u"Muller");
    CDlgSearchResult dialog(nullptr);
    dialog.SetCriteria(u"", u"muller", u"");
    dialog.SetAllowShowClub(true);
    int rows = -1;
    std::u16string clubText;
    gui_test::ModalDriver driver([&] {
        if (!dialog.Handle() || dialog.IsSearching()) return false;
        HWND list = ::GetDlgItem(dialog.Handle(), IDC_SEARCH_RESULT_LIST);
        rows = static_cast<int>(::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
        // The row of the other club's player, wherever it stands.
        for (int row = 0; row < rows; ++row) {
            wchar_t text[64] = {};
            LVITEMW item{};
            item.iSubItem = 5;
            item.pszText = text;
            item.cchTextMax = 64;
            ::SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
            if (std::u16string(win::U(text)) != u"Elsewhere") continue;
            clubText = win::U(text);
            LVITEMW select{};
            select.stateMask = LVIS_SELECTED;
            select.state = LVIS_SELECTED;
            ::SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&select));
        }
        NMHDR click{list, IDC_SEARCH_RESULT_LIST, NM_DBLCLK};
        ::SendMessageW(dialog.Handle(), WM_NOTIFY, IDC_SEARCH_RESULT_LIST, reinterpret_cast<LPARAM>(&click));
        return true;
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_EQ(rows, 3) << "Müller, MULLER and Muller, not Mullerson";
    EXPECT_EQ(clubText, u"Elsewhere");
    std::uint32_t chosen = 0;
    dialog.GetChosenClubId(chosen);
    EXPECT_EQ(chosen, other->GetId());
}

// A hit of each position and a staff member of each role, each position's
// and role's name whole in every language and told apart from the others.
TEST_F(SearchWindowsTest, EveryPositionAndRoleOfTheHitsShowsWholeInEachLanguage)
{
    for (int position = 1; position <= 17; ++position)
        Add(club_, u"Jo", u"Lister")->SetPosition(0, static_cast<std::uint8_t>(position));
    TClub* staffClub = NewClub(21, u"Staffed");
    for (int type = PersonManager; type <= PersonLastStaffType; ++type)
        Add(staffClub, u"Jo", u"Lister")->SetType(static_cast<std::uint8_t>(type));
    gui_test::InEachLanguage([&] {
        CDlgSearchResult dialog(nullptr);
        dialog.SetCriteria(u"", u"lister", u"");
        gui_test::ModalDriver driver([&] {
            if (!dialog.Handle() || dialog.IsSearching()) return false;
            gui_test::ExpectWholeLayout(dialog.Handle(), "search result");
            HWND list = ::GetDlgItem(dialog.Handle(), IDC_SEARCH_RESULT_LIST);
            std::set<std::u16string> shown;
            for (int row = 0; row < ::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0); ++row)
                shown.insert(gui_test::CellText(list, row, PositionColumn));
            EXPECT_EQ(shown.size(), 17u + PersonLastStaffType) << "a position or role reads as another";
            ::SendMessageW(dialog.Handle(), WM_COMMAND, IDCANCEL, 0);
            return true;
        });
        dialog.DoModal();
        EXPECT_FALSE(driver.TimedOut());
    });
}

// The pseudonym column is named as the person page names the pseudonym, not
// as it names the nickname, another field beside it.
TEST_F(SearchWindowsTest, ThePseudonymColumnIsNamedAfterThePseudonymInEachLanguage)
{
    constexpr int PseudonymColumn = 2;
    gui_test::InEachLanguage([&] {
        CDlgSearchResult dialog(nullptr);
        dialog.SetCriteria(u"", u"nobody", u"");
        wchar_t header[64] = {};
        gui_test::ModalDriver driver([&] {
            if (!dialog.Handle() || dialog.IsSearching()) return false;
            LVCOLUMNW column{};
            column.mask = LVCF_TEXT;
            column.pszText = header;
            column.cchTextMax = 64;
            ::SendDlgItemMessageW(dialog.Handle(), IDC_SEARCH_RESULT_LIST, LVM_GETCOLUMNW, PseudonymColumn,
                                  reinterpret_cast<LPARAM>(&column));
            ::SendMessageW(dialog.Handle(), WM_COMMAND, IDCANCEL, 0);
            return true;
        });
        dialog.DoModal();
        EXPECT_FALSE(driver.TimedOut());
        const std::u16string name = win::U(header);
        const CTextManager& texts = *CTextManager::Instance();
        ASSERT_FALSE(name.empty());
        EXPECT_TRUE(std::u16string(texts.GetText(u"Dialog.Player.CommonRight.Pseudonym"_tk)).starts_with(name));
        EXPECT_FALSE(std::u16string(texts.GetText(u"Dialog.Player.CommonRight.Nickname"_tk)).starts_with(name));
    });
}

// Cancel is posted the moment the dialog is shown, right after it started
// its search: a timer's first tick would come after a search that ended by
// then, whose message goes ahead of every timer.
struct TCancelOnShow {
    static inline CDlgSearchResult* dialog = nullptr;
    static inline bool wasSearching = false;
    static inline DWORD closedAt = 0;

    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam)
    {
        if (code == HCBT_ACTIVATE && dialog != nullptr && reinterpret_cast<HWND>(wParam) == dialog->Handle()) {
            wasSearching = dialog->IsSearching();
            closedAt = ::GetTickCount();
            ::PostMessageW(dialog->Handle(), WM_COMMAND, IDCANCEL, 0);
            dialog = nullptr;
        }
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }
};

TEST_F(SearchWindowsTest, ClosingWhileTheSearchRunsClosesAtOnce)
{
    // About 50,000 persons over the clubs of many countries.
    int persons = 0;
    for (int country = 1; country <= 206 && persons < 50000; ++country) {
        if (world_->GetCountry(country) == nullptr) continue;
        for (int n = 0; n < 5 && persons < 50000; ++n) {
            TClub* club = NewClub(country, u"Crowd");
            if (club == nullptr) break;
            for (int slot = 0; slot < 60; ++slot, ++persons) Add(club, u"Someone", u"Aaaaaaaaaaaaaaaaaaab");
        }
    }
    ASSERT_GE(persons, 50000);
    CDlgSearchResult dialog(nullptr);
    dialog.SetCriteria(u"*a*a*a*a*a*a*a*a*c", u"*a*a*a*a*a*a*a*a*a*a*c", u"");
    TCancelOnShow::dialog = &dialog;
    TCancelOnShow::wasSearching = false;
    HHOOK hook = ::SetWindowsHookExW(WH_CBT, TCancelOnShow::Hook, nullptr, ::GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    gui_test::ModalDriver watchdog([] { return false; });
    const INT_PTR result = dialog.DoModal();
    ::UnhookWindowsHookEx(hook);
    const DWORD took = ::GetTickCount() - TCancelOnShow::closedAt;
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_FALSE(watchdog.TimedOut());
    EXPECT_TRUE(TCancelOnShow::wasSearching) << "the search had ended before the window closed: a weak test";
    EXPECT_LT(took, 2000u);
    EXPECT_FALSE(dialog.IsSearching()) << "no worker is left";
}

TEST_F(SearchWindowsTest, AReleasedHitIsFoundWithoutClubAndTheTargetClubRegistersHim)
{
    TClub* other = NewClub(21, u"Elsewhere");
    TPerson* person = Add(other, u"Rel", u"Leaving");
    CDlgSearchResult dialog(nullptr);
    dialog.SetCriteria(u"", u"leaving", u"");
    dialog.SetTargetClub(club_->GetId());
    std::vector<std::u16string> clubs;
    bool changedByRelease = false;
    const int commands[] = {ID_SEARCH_RELEASE, ID_SEARCH_REGISTER_WITH_CLUB};
    std::size_t done = 0;
    gui_test::ModalDriver driver([&] {
        if (!dialog.Handle() || dialog.IsSearching()) return false;
        HWND list = ::GetDlgItem(dialog.Handle(), IDC_SEARCH_RESULT_LIST);
        if (::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) != 1 || done == std::size(commands)) {
            if (done == std::size(commands)) clubs.push_back(gui_test::CellText(list, 0, 5));
            ::SendMessageW(dialog.Handle(), WM_COMMAND, IDCANCEL, 0);
            return true;
        }
        clubs.push_back(gui_test::CellText(list, 0, 5));
        if (done == 1) changedByRelease = dialog.IsChanged();
        SelectFirstRow(list);
        ::SendMessageW(dialog.Handle(), WM_COMMAND, commands[done++], 0);
        return false;
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_EQ(clubs, (std::vector<std::u16string>{u"Elsewhere", u"", u"Searched"}));
    EXPECT_TRUE(changedByRelease) << "the squad window must refresh after a release";
    EXPECT_EQ(club_->FindPlayer(person->GetId()), person);
    EXPECT_FALSE(person->IsReserveTeam());
    EXPECT_EQ(other->GetSquadCount(), 0);
    EXPECT_EQ(world_->GetFreeAgents().GetCount(), 0) << "registering took him off the players without club";
}

TEST_F(SearchWindowsTest, AHitMovedToAReserveTeamChosenInThePicker)
{
    TClub* other = NewClub(21, u"Elsewhere");
    TClub* target = NewClub(21, u"Target");
    TPerson* person = Add(other, u"Mo", u"Mover");
    CDlgSearchResult dialog(nullptr);
    dialog.SetCriteria(u"", u"mover", u"");
    std::vector<std::u16string> clubs;
    int stage = 0;
    gui_test::ModalDriver driver([&] {
        if (!dialog.Handle()) return false;
        HWND picker = squad_window_testing::FindDialogWith(IDC_PICK_CLUBS);
        if (picker != nullptr) {
            // The picker opens on the hit's country.
            squad_window_testing::SelectRowByData(picker, IDC_PICK_CLUBS,
                                                  static_cast<LPARAM>(target->GetId() | ReserveTeamBit));
            ::SendMessageW(picker, WM_COMMAND, IDOK, 0);
            return false;
        }
        HWND list = ::GetDlgItem(dialog.Handle(), IDC_SEARCH_RESULT_LIST);
        if (dialog.IsSearching() || ::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) != 1) return false;
        if (stage == 1 && !dialog.IsChanged()) return false;
        clubs.push_back(gui_test::CellText(list, 0, 5));
        if (stage++ == 1) {
            ::SendMessageW(dialog.Handle(), WM_COMMAND, IDOK, 0);
            return true;
        }
        SelectFirstRow(list);
        ::PostMessageW(dialog.Handle(), WM_COMMAND, ID_SEARCH_MOVE_TO_CLUB, 0);
        return false;
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_EQ(clubs, (std::vector<std::u16string>{u"Elsewhere", u"Target"}));
    EXPECT_TRUE(dialog.IsChanged());
    EXPECT_EQ(target->FindPlayer(person->GetId()), person);
    EXPECT_EQ(other->GetSquadCount(), 0);
    EXPECT_TRUE(person->IsReserveTeam()) << "the reserve team was chosen";
}

}  // namespace
