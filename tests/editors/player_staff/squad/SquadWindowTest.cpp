#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include "tests/editors/player_staff/SquadWindowFixture.h"
#include "app/MainWindowLaunchers.h"
#include "core/text/TextManager.h"
#include "database/world/EnumTexts.h"
#include "database/world/DatabaseVersion.h"
#include "database/world/Date.h"
#include "database/world/GameIdMaps.h"
#include "editors/player_staff/squad/DlgPlayerAllRight.h"
#include "editors/player_staff/squad/DlgPlayerlistClub.h"
#include "editors/player_staff/PlayerStaffIds.h"
#include "editors/player_staff/PlayerStaffLaunchers.h"
#include "resources/StaffPagesIds.h"
#include "tests/common/TestSupport.h"
#include "tests/database/DatabaseTestSupport.h"
#include "tests/ui/GuiTestSupport.h"
#include "ui/base/CountryDirectory.h"
#include "ui/base/WorldCountryDirectory.h"
#include "win/WideText.h"
#include "win/Window.h"

namespace {

using squad_window_testing::SquadWindowTest;

TEST_F(SquadWindowTest, TypingALastNameRewritesTheRowAndStoresIt)
{
    TPerson* player = Add(u"Old");
    CDlgPlayerlistClub window(CDlgPlayerlistClub::ClubSquad);
    window.SetClub(club_);
    window.SetProblemBox([](HWND, const std::u16string&) { return INT_PTR{2}; });
    std::vector<std::u16string> rows;
    DWORD caret = 0;
    Run(window, [&] {
        HWND edit = ::GetDlgItem(CommonPage(window), IDC_COMMON_LAST_NAME);
        bool first = true;
        for (char16_t letter : std::u16string(u"Neu")) {
            // The first letter replaces the whole old name, the others go after the caret.
            if (first) ::SendMessageW(edit, EM_SETSEL, 0, -1);
            first = false;
            const wchar_t text[2] = {static_cast<wchar_t>(letter), 0};
            ::SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
            rows.push_back(RowText(ListBoxOf(window, 0), 0));
        }
        ::SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&caret), 0);
        ::SendMessageW(window.Handle(), WM_COMMAND, IDOK, 0);
        return true;
    });
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[2].substr(0, rows[2].find(u'\t')), u"Neu, J.");
    EXPECT_EQ(rows[1].substr(0, rows[1].find(u'\t')), u"Ne, J.");
    EXPECT_EQ(caret, 3u) << "the caret stays at the end";
    EXPECT_EQ(std::u16string(player->GetLastName()), u"Neu");
}

// A name typed with blanks around a mark is stored as a save and a load
// give it back, so the second save writes what the first one wrote.
TEST_F(SquadWindowTest, ANameTypedWithABlankBeforeAMarkIsStoredAsTheFileKeepsIt)
{
    TPerson* player = Add(u"Old");
    CDlgPlayerlistClub window(CDlgPlayerlistClub::ClubSquad);
    window.SetClub(club_);
    window.SetProblemBox([](HWND, const std::u16string&) { return INT_PTR{2}; });
    std::u16string row;
    Run(window, [&] {
        ::SetDlgItemTextW(CommonPage(window), IDC_COMMON_LAST_NAME, L" ;Smith");
        ::SetDlgItemTextW(CommonPage(window), IDC_COMMON_FIRST_NAME, L"  Anna ");
        ::SetDlgItemTextW(CommonPage(window), IDC_COMMON_NICKNAME, L" %Nick  Name");
        row = RowText(ListBoxOf(window, 0), 0);
        ::SendMessageW(window.Handle(), WM_COMMAND, IDOK, 0);
        return true;
    });
    EXPECT_EQ(row.substr(0, row.find(u'\t')), u"Smith, A.");
    EXPECT_EQ(std::u16string(player->GetLastName()), u"Smith");
    EXPECT_EQ(std::u16string(player->GetFirstName()), u"Anna");
    EXPECT_EQ(std::u16string(player->GetNickname()), u"Nick Name");
    BuildGameIdMaps(GetGameIdMaps());
    const std::string saved = database_testing::WrittenText([&](CIndexTextFile& file) { return player->WritePlayer(file); });
    EXPECT_TRUE(saved.starts_with("%INDEX%PLAYER\r\nAnna\r\nSmith\r\nNick Name\r\n")) << saved.substr(0, 40);
    CIndexTextFile file;
    ASSERT_TRUE(file.OpenFromBytes(testing_support::Bytes("\xEF\xBB\xBF" + saved), u"player"));
    TDatabaseVersion::SetFileVersion(TDatabaseVersion::ProgramVersion);
    TPerson* loaded = world_->CreatePerson(world_->GetFreePersonId(), false);
    ASSERT_EQ(loaded->ReadPlayer(file), TSectionRead::Read);
    EXPECT_EQ(std::u16string(loaded->GetLastName()), u"Smith");
    EXPECT_EQ(database_testing::WrittenText([&](CIndexTextFile& again) { return loaded->WritePlayer(again); }), saved);
}

TEST_F(SquadWindowTest, OkListsTheSquadProblemsAndTheUserDecides)
{
    for (int n = 0; n < 13; ++n) Add(u"Player");
    std::vector<std::u16string> shown;
    INT_PTR answer = 1;
    CDlgPlayerlistClub window(CDlgPlayerlistClub::ClubSquad);
    window.SetClub(club_);
    window.SetProblemBox([&](HWND, const std::u16string& lines) {
        shown.push_back(lines);
        return answer;
    });
    bool stayedOpen = false;
    const INT_PTR result = Run(window, [&] {
        ::SendMessageW(window.Handle(), WM_COMMAND, IDCANCEL, 0);
        ::SendMessageW(window.Handle(), WM_CLOSE, 0, 0);
        ::SendMessageW(window.Handle(), WM_COMMAND, IDOK, 0);
        stayedOpen = ::IsWindow(window.Handle()) && !window.IsEnded();
        answer = 2;
        ::SendMessageW(window.Handle(), WM_COMMAND, IDOK, 0);
        return true;
    });
    EXPECT_TRUE(stayedOpen) << "Escape, the close box and the first button keep the window";
    EXPECT_EQ(result, IDOK);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], u"The first team needs at least 14 players.\r\n");
}

TEST_F(SquadWindowTest, TickingYouthMovesTheListToTheYouthTabWithHimSelected)
{
    for (int n = 0; n < 14; ++n) Add(u"Senior");
    TPerson* young = Add(u"Young", 0, TDate(1990, 3, 1));  // 17 on the reference day
    CDlgPlayerlistClub window(CDlgPlayerlistClub::ClubSquad);
    window.SetClub(club_);
    int tab = -1;
    TPerson* selected = nullptr;
    Run(window, [&] {
        HWND list = ListBoxOf(window, 0);
        const int rows = static_cast<int>(::SendMessageW(list, LB_GETCOUNT, 0, 0));
        for (int row = 0; row < rows; ++row) {
            if (RowText(list, row).starts_with(u"Young")) Select(window, 0, row);
        }
        HWND box = ::GetDlgItem(CommonPage(window), IDC_COMMON_YOUTH);
        ::SendMessageW(box, BM_CLICK, 0, 0);
        tab = window.GetListTabs().GetCurSel();
        selected = window.GetSquadList(2).GetCurrentPerson();
        ::SendMessageW(window.Handle(), WM_COMMAND, IDOK, 0);
        return true;
    });
    EXPECT_TRUE(young->IsYouthPlayer());
    EXPECT_EQ(tab, 2);
    EXPECT_EQ(selected, young);
    EXPECT_EQ(window.GetCurrentPerson(), young);
}

TEST_F(SquadWindowTest, NewOnAFullClubLeavesThePersonMapAsItWas)
{
    for (int n = 0; n < 60; ++n) Add(u"Player");
    const int persons = world_->GetPersonCount();
    CDlgPlayerlistClub window(CDlgPlayerlistClub::ClubSquad);
    window.SetClub(club_);
    Run(window, [&] {
        ::SendMessageW(window.GetSquadList(0).Handle(), WM_COMMAND, ID_LIST_NEW_PLAYER, 0);
        ::SendMessageW(window.Handle(), WM_COMMAND, IDOK, 0);
        return true;
    });
    EXPECT_EQ(world_->GetPersonCount(), persons);
    EXPECT_EQ(club_->GetSquadCount(), 60);
}

TEST_F(SquadWindowTest, ANewPlayerJoinsTheListWithHisShirtNumber)
{
    for (int n = 0; n < 14; ++n) Add(u"Player");
    CDlgPlayerlistClub window(CDlgPlayerlistClub::ClubSquad);
    window.SetClub(club_);
    std::u16string problems;
    window.SetProblemBox([&problems](HWND, const std::u16string& lines) {
        problems = lines;
        return INT_PTR{2};
    });
    int rows = 0;
    Run(window, [&] {
        ::SendMessageW(window.GetSquadList(1).Handle(), WM_COMMAND, ID_LIST_NEW_PLAYER, 0);
        rows = window.GetSquadList(1).GetRowCount();
        ::SendMessageW(window.Handle(), WM_COMMAND, IDOK, 0);
        return true;
    });
    EXPECT_EQ(club_->GetSquadCount(), 15);
    EXPECT_EQ(rows, 1);
    TPerson* added = club_->GetSquadPerson(14);
    ASSERT_NE(added, nullptr);
    EXPECT_TRUE(added->IsReserveTeam());
    EXPECT_EQ(added->GetNationality(), 14);
    // A keeper (no one was chosen before him) in an empty reserve team: the
    // game gets 1 as his reserve number.
    EXPECT_EQ(added->GetPosition(0), 1);
    EXPECT_EQ(database_testing::ExportedShirtNumbers(*added), (std::pair<int, int>{0, 1}));
    // A person made in a world draws his names from the name files.
    EXPECT_FALSE(std::u16string(added->GetLastName()).empty());
    EXPECT_EQ(problems.find(u"name"), std::u16string::npos);
}

TEST_F(SquadWindowTest, AStaleStaffSubPageWritesNothing)
{
    for (int n = 0; n < 14; ++n) Add(u"Player");
    TPerson* coach = Add(u"Coach", 5);
    coach->SetStaffLevel(1);
    CDlgPlayerAllRight page(::GetDesktopWindow());
    ASSERT_TRUE(page.Create(::GetDesktopWindow()));
    page.SetPerson(coach, club_);
    HWND subPage = nullptr;
    for (HWND child = ::GetWindow(page.Handle(), GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (::GetDlgItem(child, IDC_STAFF_RATING) != nullptr) subPage = child;
    }
    ASSERT_NE(subPage, nullptr);
    ASSERT_TRUE(squad_window_testing::ChooseItemByData(subPage, IDC_STAFF_RATING, 4));
    TPerson* player = club_->GetSquadPerson(0);
    page.SetPerson(player, club_);
    page.ApplyToPerson();
    EXPECT_EQ(coach->GetStaffLevel(), 1) << "the staff member is unchanged";
    page.SetPerson(coach, club_);
    ASSERT_TRUE(squad_window_testing::ChooseItemByData(subPage, IDC_STAFF_RATING, 4));
    page.ApplyToPerson();
    EXPECT_EQ(coach->GetStaffLevel(), 4);
    page.Destroy();
}

TEST_F(SquadWindowTest, TheCharacterPageAllowsFourTraitsAndStoresAClickAtOnce)
{
    for (int n = 0; n < 14; ++n) Add(u"Player");
    TPerson* first = club_->GetSquadPerson(0);
    first->SetLastName(u"Aaron");  // the first row
    for (int bit : {0, 1, 4, 5}) first->SetCharacterTrait(bit, true);
    CDlgPlayerlistClub window(CDlgPlayerlistClub::ClubSquad);
    window.SetClub(club_);
    bool otherEnabled = true;
    bool ownEnabled = false;
    bool afterUncheck = false;
    Run(window, [&] {
        SelectPageTab(window, 3);
        HWND page = window.GetPage(CDlgPlayerlistClub::CharacterPage)->Handle();
        otherEnabled = ::IsWindowEnabled(::GetDlgItem(page, 1078)) != FALSE;
        ownEnabled = ::IsWindowEnabled(::GetDlgItem(page, 1056)) != FALSE;
        ::SendMessageW(::GetDlgItem(page, 1068), BM_CLICK, 0, 0);  // HardMan off
        afterUncheck = ::IsWindowEnabled(::GetDlgItem(page, 1078)) != FALSE;
        ::SendMessageW(window.Handle(), WM_COMMAND, IDOK, 0);
        return true;
    });
    EXPECT_FALSE(otherEnabled) << "four traits: the other boxes are disabled";
    EXPECT_TRUE(ownEnabled);
    EXPECT_TRUE(afterUncheck);
    EXPECT_FALSE(first->HasCharacterTrait(5));
    EXPECT_TRUE(first->HasCharacterTrait(4));
}

TEST_F(SquadWindowTest, LoweringByTenPercentLowersEveryAbilityAndTheRowFollows)
{
    for (int n = 0; n < 14; ++n) Add(u"Player");
    TPerson* first = club_->GetSquadPerson(0);
    first->SetLastName(u"Aaron");
    for (int a = 0; a < TPerson::AbilityCount; ++a) first->SetAbility(a, static_cast<std::uint8_t>(a == 7 ? 0 : 60));
    const int levelBefore = first->GetLevel();
    CDlgPlayerlistClub window(CDlgPlayerlistClub::ClubSquad);
    window.SetClub(club_);
    std::u16string rowBefore;
    std::u16string rowAfter;
    Run(window, [&] {
        SelectPageTab(window, 2);
        rowBefore = RowText(ListBoxOf(window, 0), 0);
        HWND page = window.GetPage(CDlgPlayerlistClub::AbilitiesPage)->Handle();
        ::SendMessageW(::GetDlgItem(page, 2026), BM_CLICK, 0, 0);
        rowAfter = RowText(ListBoxOf(window, 0), 0);
        ::SendMessageW(window.Handle(), WM_COMMAND, IDOK, 0);
        return true;
    });
    for (int a = 0; a < TPerson::AbilityCount; ++a) EXPECT_EQ(first->GetAbility(a), a == 7 ? 0 : 54) << a;
    EXPECT_LT(first->GetLevel(), levelBefore);
    const std::u16string level = rowAfter.substr(rowAfter.rfind(u'\t') + 1);
    EXPECT_EQ(level, std::u16string(win::U(std::to_wstring(first->GetLevel()).c_str())));
    EXPECT_NE(rowBefore, rowAfter);
}

TEST_F(SquadWindowTest, ALoanChosenOnTheContractPageShowsItsGroupsAndStoresTheFeeRule)
{
    for (int n = 0; n < 14; ++n) Add(u"Player");
    TPerson* first = club_->GetSquadPerson(0);
    first->SetLastName(u"Aaron");
    first->SetTransferState(0);
    first->SetTransferFee(0);
    CDlgPlayerlistClub window(CDlgPlayerlistClub::ClubSquad);
    window.SetClub(club_);
    std::vector<bool> shownBefore;
    std::vector<bool> shownAfter;
    const int groupIds[] = {IDC_CONTRACT_FIRST_DATE, IDC_CONTRACT_SECOND_DATE, IDC_CONTRACT_OTHER_CLUB, IDC_CONTRACT_FEE,
                            IDC_CONTRACT_FEE_SET, IDC_CONTRACT_BAN, IDC_CONTRACT_CALL_OPTION};
    Run(window, [&] {
        SelectPageTab(window, 6);
        HWND page = window.GetPage(CDlgPlayerlistClub::ContractPage)->Handle();
        for (int id : groupIds) shownBefore.push_back((::GetWindowLongW(::GetDlgItem(page, id), GWL_STYLE) & WS_VISIBLE) != 0);
        HWND state = ::GetDlgItem(page, IDC_CONTRACT_STATE);
        ::SendMessageW(state, CB_SETCURSEL, 4, 0);
        ::SendMessageW(page, WM_COMMAND, MAKEWPARAM(IDC_CONTRACT_STATE, CBN_SELCHANGE), reinterpret_cast<LPARAM>(state));
        for (int id : groupIds) shownAfter.push_back((::GetWindowLongW(::GetDlgItem(page, id), GWL_STYLE) & WS_VISIBLE) != 0);
        ::SendMessageW(::GetDlgItem(page, IDC_CONTRACT_FEE_SET), BM_CLICK, 0, 0);
        ::SetDlgItemTextW(page, IDC_CONTRACT_FEE, L"0");
        ::SendMessageW(window.Handle(), WM_COMMAND, IDOK, 0);
        return true;
    });
    EXPECT_EQ(shownBefore, std::vector<bool>(7, false)) << "state 0 shows no group";
    EXPECT_EQ(shownAfter, (std::vector<bool>{true, true, true, true, true, false, false}));
    EXPECT_EQ(first->GetTransferState(), 4);
    EXPECT_EQ(first->GetTransferFee(), -1) << "a set fee of 0 is left to the game";
    EXPECT_EQ(first->GetTransferStartDate(), TDate(2007, 7, 1));
    EXPECT_EQ(first->GetTransferEndDate(), GetReferenceDay()) << "as the second date still showed it from state 0";
}

TEST_F(SquadWindowTest, AFirstStationAndTheAppearancesOnTheHistoryPage)
{
    for (int n = 0; n < 14; ++n) Add(u"Player");
    TPerson* first = club_->GetSquadPerson(0);
    first->SetLastName(u"Aaron");
    first->SetInternationalExperience(1);
    CDlgPlayerlistClub window(CDlgPlayerlistClub::ClubSquad);
    window.SetClub(club_);
    int rows = 0;
    Run(window, [&] {
        SelectPageTab(window, 5);
        HWND page = window.GetPage(CDlgPlayerlistClub::HistoryPage)->Handle();
        ::SendMessageW(page, WM_COMMAND, ID_HISTORY_NEW_ENTRY, 0);
        // Typed as a user would: the focus leaves each field.
        ::SetFocus(::GetDlgItem(page, IDC_HISTORY_MATCHES));
        ::SetDlgItemTextW(page, IDC_HISTORY_MATCHES, L"17");
        ::SetFocus(::GetDlgItem(page, IDC_HISTORY_APPEARANCES));
        ::SetDlgItemTextW(page, IDC_HISTORY_APPEARANCES, L"12");
        ::SetFocus(::GetDlgItem(page, IDC_HISTORY_LIST));
        ::SendMessageW(page, WM_COMMAND, ID_HISTORY_NEW_ENTRY, 0);
        rows = static_cast<int>(::SendDlgItemMessageW(page, IDC_HISTORY_LIST, LVM_GETITEMCOUNT, 0, 0));
        ::SendMessageW(window.Handle(), WM_COMMAND, IDOK, 0);
        return true;
    });
    EXPECT_EQ(rows, 2);
    ASSERT_EQ(first->GetHistoryCount(), 2);
    EXPECT_EQ(first->GetHistoryEntry(0).start, TDate(2006, 7, 1));
    EXPECT_EQ(first->GetHistoryEntry(0).end, TDate(2007, 6, 30));
    EXPECT_EQ(first->GetHistoryEntry(0).matches, 17) << "the typed count was stored before the next station";
    EXPECT_EQ(first->GetHistoryEntry(1).matches, 0);
    EXPECT_EQ(first->GetHistoryEntry(1).start, TDate(2007, 7, 1));
    EXPECT_EQ(first->GetHistoryEntry(0).clubId, club_->GetId());
    EXPECT_EQ(first->GetNationalAppearances(), 12);
    EXPECT_EQ(first->GetInternationalExperience(), 2);
}

// The totals read as the list's last line: the matches under the matches
// column, the goals under the goals column, right-aligned as they are.
TEST_F(SquadWindowTest, TheHistoryTotalsStandUnderTheMatchesAndGoalsColumns)
{
    TPerson* player = Add(u"Player");
    THistoryEntry entry;
    entry.start = TDate(2005, 7, 1);
    entry.end = TDate(2006, 6, 30);
    entry.matches = 70;
    entry.reserveMatches = 5;
    entry.goals = 18;
    player->AddHistoryEntry(entry);
    CDlgPlayerlistClub window(CDlgPlayerlistClub::ClubSquad);
    window.SetClub(club_);
    window.SetProblemBox([](HWND, const std::u16string&) { return INT_PTR{2}; });
    Run(window, [&] {
        SelectPageTab(window, squad_window_testing::HistoryTab);
        HWND page = window.GetPage(CDlgPlayerlistClub::HistoryPage)->Handle();
        HWND header = reinterpret_cast<HWND>(::SendDlgItemMessageW(page, IDC_HISTORY_LIST, LVM_GETHEADER, 0, 0));
        const struct {
            int total;
            int column;
            const char16_t* text;
        } totals[] = {{IDC_HISTORY_TOTAL_MATCHES, 3, u"75"}, {IDC_HISTORY_TOTAL_GOALS, 4, u"18"}};
        for (const auto& total : totals) {
            RECT column{};
            ::SendMessageW(header, HDM_GETITEMRECT, static_cast<WPARAM>(total.column), reinterpret_cast<LPARAM>(&column));
            ::MapWindowPoints(header, page, reinterpret_cast<POINT*>(&column), 2);
            HWND figure = ::GetDlgItem(page, total.total);
            const RECT place = win::RectIn(figure, page);
            EXPECT_EQ(ItemText(page, total.total), total.text);
            EXPECT_GE(place.left, column.left) << total.column;
            EXPECT_LE(place.right, column.right) << total.column;
            EXPECT_EQ(::GetWindowLongW(figure, GWL_STYLE) & SS_TYPEMASK, SS_RIGHT) << total.column;
        }
        ::SendMessageW(window.Handle(), WM_COMMAND, IDOK, 0);
        return true;
    });
}

TEST_F(SquadWindowTest, ThePositionPageClearsARepeatedPositionAndFollowsTheFootBar)
{
    for (int n = 0; n < 14; ++n) Add(u"Player");
    TPerson* first = club_->GetSquadPerson(0);
    first->SetLastName(u"Aaron");
    first->SetPreferredFoot(0);
    std::u16string footBefore;
    std::u16string footAfter;
    CDlgPlayerlistClub window(CDlgPlayerlistClub::ClubSquad);
    window.SetClub(club_);
    window.SetProblemBox([](HWND, const std::u16string&) { return INT_PTR{2}; });
    Run(window, [&] {
        SelectPageTab(window, 1);
        HWND page = window.GetPage(CDlgPlayerlistClub::PositionPage)->Handle();
        for (const auto& [combo, position] : {std::pair{2000, 16}, std::pair{2001, 9}}) {
            HWND box = ::GetDlgItem(page, combo);
            const int count = static_cast<int>(::SendMessageW(box, CB_GETCOUNT, 0, 0));
            for (int item = 0; item < count; ++item) {
                if (::SendMessageW(box, CB_GETITEMDATA, static_cast<WPARAM>(item), 0) == position) {
                    ::SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
                }
            }
        }
        footBefore = ItemText(page, 1235);
        ::SendMessageW(page, WM_VSCROLL, SB_LINEUP, reinterpret_cast<LPARAM>(::GetDlgItem(page, 1273)));
        footAfter = ItemText(page, 1235);
        SelectPageTab(window, 0);
        ::SendMessageW(window.Handle(), WM_COMMAND, IDOK, 0);
        return true;
    });
    EXPECT_EQ(first->GetPosition(0), 16);
    EXPECT_EQ(first->GetPosition(1), 9) << "the repeat is cleared and slot 2 moves up";
    EXPECT_EQ(first->GetPosition(2), 0);
    EXPECT_EQ(first->GetPreferredFoot(), 1);
    EXPECT_NE(footBefore, footAfter);
    EXPECT_EQ(footAfter, GetEnumTexts().GetFootName(1));
}

// The foot and experience bars run the other way, the highest value at the
// top: arrows, pages, ends and a dropped thumb store the value, and the
// thumb stays where the move left it.
TEST_F(SquadWindowTest, ThePositionBarsStoreTheirValueAndKeepTheThumbWhereItWasLeft)
{
    struct TBar {
        const char* name;
        int bar;
        int text;
        int highest;
        int (*stored)(const TPerson&);
        const char16_t* (CEnumTexts::*nameOf)(int) const;
    };
    const TBar bars[] = {
        {"foot", IDC_POSITION_FOOT, IDC_POSITION_FOOT_TEXT, 3,
         [](const TPerson& person) { return person.GetPreferredFoot(); }, &CEnumTexts::GetFootName},
        {"national experience", IDC_POSITION_NATIONAL_EXPERIENCE, IDC_POSITION_NATIONAL_EXPERIENCE_TEXT, 6,
         [](const TPerson& person) { return static_cast<int>(person.GetNationalExperience()); },
         &CEnumTexts::GetPlayerNationalExperienceName},
        {"international experience", IDC_POSITION_INTERNATIONAL_EXPERIENCE, IDC_POSITION_INTERNATIONAL_EXPERIENCE_TEXT, 4,
         [](const TPerson& person) { return static_cast<int>(person.GetInternationalExperience()); },
         &CEnumTexts::GetPlayerInternationalExperienceName},
    };
    // The value after each move; -1 stands for the bar's highest value.
    struct TMove {
        const char* what;
        int code;
        int value;
    };
    const TMove moves[] = {
        {"shown", SB_ENDSCROLL, 1},         {"up arrow", SB_LINEUP, 2},       {"down arrow", SB_LINEDOWN, 1},
        {"page up", SB_PAGEUP, 1},          {"page down", SB_PAGEDOWN, 1},    {"top", SB_TOP, -1},
        {"up arrow at the top", SB_LINEUP, -1}, {"bottom", SB_BOTTOM, 0}, {"down arrow at the bottom", SB_LINEDOWN, 0},
    };
    for (int n = 0; n < 14; ++n) Add(u"Player");
    TPerson* first = club_->GetSquadPerson(0);
    first->SetLastName(u"Aaron");
    first->SetPreferredFoot(1);
    first->SetNationalExperience(1);
    first->SetInternationalExperience(1);
    struct TSeen {
        int stored;
        int position;
        std::u16string text;
    };
    std::vector<std::vector<TSeen>> seen(std::size(bars));
    CDlgPlayerlistClub window(CDlgPlayerlistClub::ClubSquad);
    window.SetClub(club_);
    window.SetProblemBox([](HWND, const std::u16string&) { return INT_PTR{2}; });
    Run(window, [&] {
        SelectPageTab(window, squad_window_testing::PositionTab);
        HWND page = window.GetPage(CDlgPlayerlistClub::PositionPage)->Handle();
        for (std::size_t b = 0; b < std::size(bars); ++b) {
            HWND bar = ::GetDlgItem(page, bars[b].bar);
            const auto look = [&] {
                seen[b].push_back({bars[b].stored(*first), static_cast<int>(::SendMessageW(bar, SBM_GETPOS, 0, 0)),
                                   ItemText(page, bars[b].text)});
            };
            for (const TMove& move : moves) {
                for (const int code : {move.code, SB_ENDSCROLL}) {
                    ::SendMessageW(page, WM_VSCROLL, MAKEWPARAM(code, 0), reinterpret_cast<LPARAM>(bar));
                }
                look();
            }
            for (int thumb = 0; thumb <= bars[b].highest; ++thumb) {
                for (const int code : {SB_THUMBTRACK, SB_THUMBPOSITION, SB_ENDSCROLL}) {
                    ::SendMessageW(page, WM_VSCROLL, MAKEWPARAM(code, thumb), reinterpret_cast<LPARAM>(bar));
                }
                look();
            }
        }
        SelectPageTab(window, 0);
        ::SendMessageW(window.Handle(), WM_COMMAND, IDOK, 0);
        return true;
    });
    for (std::size_t b = 0; b < std::size(bars); ++b) {
        SCOPED_TRACE(bars[b].name);
        const int highest = bars[b].highest;
        ASSERT_EQ(seen[b].size(), std::size(moves) + static_cast<std::size_t>(highest) + 1);
        const auto expect = [&](const TSeen& look, int value, int position) {
            EXPECT_EQ(look.stored, value);
            EXPECT_EQ(look.position, position);
            EXPECT_EQ(look.text, (GetEnumTexts().*bars[b].nameOf)(value));
        };
        for (std::size_t i = 0; i < std::size(moves); ++i) {
            SCOPED_TRACE(moves[i].what);
            const int value = moves[i].value < 0 ? highest : moves[i].value;
            expect(seen[b][i], value, highest - value);
        }
        for (int thumb = 0; thumb <= highest; ++thumb) {
            SCOPED_TRACE(testing::Message() << "thumb dropped at " << thumb);
            expect(seen[b][std::size(moves) + static_cast<std::size_t>(thumb)], highest - thumb, thumb);
        }
    }
}

TEST_F(SquadWindowTest, ThePositionPageNormalisesLanguagesAndStoringAgainKeepsThem)
{
    for (int n = 0; n < 14; ++n) Add(u"Player");
    TPerson* first = club_->GetSquadPerson(0);
    first->SetLastName(u"Aaron");
    const std::uint8_t languages[TPerson::LanguageSlots] = {5, 5, 0, 7};
    first->SetLanguageSlots(languages);
    CDlgPlayerlistClub window(CDlgPlayerlistClub::ClubSquad);
    window.SetClub(club_);
    window.SetProblemBox([](HWND, const std::u16string&) { return INT_PTR{2}; });
    std::u16string emptyPosition;
    std::u16string emptyLanguage;
    Run(window, [&] {
        SelectPageTab(window, 1);
        HWND page = window.GetPage(CDlgPlayerlistClub::PositionPage)->Handle();
        const auto shown = [page](int id) {
            wchar_t text[128] = {};
            const LRESULT item = ::SendDlgItemMessageW(page, id, CB_GETCURSEL, 0, 0);
            ::SendDlgItemMessageW(page, id, CB_GETLBTEXT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(text));
            return std::u16string(win::U(text));
        };
        emptyPosition = shown(2004);
        emptyLanguage = shown(IDC_POSITION_LANGUAGE2);
        ::SendMessageW(window.Handle(), WM_COMMAND, IDOK, 0);
        return true;
    });
    EXPECT_EQ(first->GetLanguage(0), 5);
    EXPECT_EQ(first->GetLanguage(1), 7);
    EXPECT_EQ(first->GetLanguage(2), 0);
    // An empty position slot reads as no position, in the word for a position.
    EXPECT_EQ(first->GetPosition(5), 0);
    EXPECT_EQ(emptyLanguage, GetEnumTexts().GetLanguageName(0));
    EXPECT_EQ(emptyPosition, u"None");
}

// Where there is room the position page names every position in full, each
// whole in its drop-down list, and an empty further slot in the word that
// agrees with the language's noun for a position.
TEST_F(SquadWindowTest, ThePositionPageOffersEveryPositionByItsFullNameInEachLanguage)
{
    const char16_t* noPosition[] = {u"None", u"Aucun", u"Keine", u"Nessuno", u"Ninguna", u"Brak"};
    for (int n = 0; n < 14; ++n) Add(u"Player");
    gui_test::InEachLanguage([&] {
        const int language = CTextManager::Instance()->GetLanguage();
        std::vector<std::u16string> mainChoices;
        std::vector<std::u16string> slotChoices;
        CDlgPlayerlistClub window(CDlgPlayerlistClub::ClubSquad);
        window.SetClub(club_);
        window.SetProblemBox([](HWND, const std::u16string&) { return INT_PTR{2}; });
        Run(window, [&] {
            SelectPageTab(window, squad_window_testing::PositionTab);
            HWND page = window.GetPage(CDlgPlayerlistClub::PositionPage)->Handle();
            mainChoices = gui_test::ComboTexts(page, IDC_POSITION_MAIN);
            slotChoices = gui_test::ComboTexts(page, 2000);
            gui_test::ExpectWholeLayout(window.Handle(), "position page");
            ::SendMessageW(window.Handle(), WM_COMMAND, IDOK, 0);
            return true;
        });
        ASSERT_EQ(mainChoices.size(), 17u);
        ASSERT_EQ(slotChoices.size(), 18u);
        EXPECT_EQ(mainChoices[0], testing_support::FullGoalkeeperNames[language]);
        EXPECT_EQ(slotChoices[0], noPosition[language]);
        for (int position = 1; position <= 17; ++position) {
            EXPECT_EQ(mainChoices[position - 1], GetEnumTexts().GetPositionName(position));
            EXPECT_EQ(slotChoices[position], mainChoices[position - 1]);
        }
    });
}

TEST_F(SquadWindowTest, TheLauncherOpensTheSquadOfTheClub)
{
    for (int n = 0; n < 14; ++n) Add(u"Player");
    TMainWindowLaunchers launchers;
    RegisterPlayerStaffEditors(launchers);
    ASSERT_TRUE(launchers.squad);
    EXPECT_TRUE(launchers.countryPlayerList);
    std::u16string caption;
    gui_test::ModalDriver driver([&] {
        HWND dialog = gui_test::FindThreadDialog();
        if (dialog == nullptr) return false;
        caption = gui_test::WindowText(dialog);
        ::SendMessageW(dialog, WM_COMMAND, IDOK, 0);
        return true;
    });
    EXPECT_EQ(launchers.squad(nullptr, *club_), IDOK);
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_TRUE(caption.ends_with(u" - Squad")) << gui_test::WindowText(nullptr).size();
}

// The four order buttons stand over the columns they sort: name from 0,
// position from 92, nationality from 118 up to the level column at 142,
// level to 166 dialog units of the list.
TEST_F(SquadWindowTest, EachOrderButtonStandsOverTheColumnItSorts)
{
    Add(u"Player");
    CDlgPlayerlistClub window(CDlgPlayerlistClub::ClubSquad);
    window.SetClub(club_);
    window.SetProblemBox([](HWND, const std::u16string&) { return INT_PTR{2}; });
    Run(window, [&] {
        HWND page = window.GetSquadList(0).Handle();
        HWND list = ListBoxOf(window, 0);
        RECT rows{};
        ::GetClientRect(list, &rows);
        ::MapWindowPoints(list, page, reinterpret_cast<POINT*>(&rows), 2);
        const struct {
            int button;
            int from;
            int to;
        } columns[] = {{IDC_LIST_BY_NAME, 0, 92},
                       {IDC_LIST_BY_POSITION, 92, 118},
                       {IDC_LIST_BY_NATIONALITY, 118, 142},
                       {IDC_LIST_BY_LEVEL, 142, 166}};
        for (const auto& column : columns) {
            RECT span{column.from, 0, column.to, 0};
            ::MapDialogRect(page, &span);
            const RECT button = win::RectIn(::GetDlgItem(page, column.button), page);
            EXPECT_NEAR(button.left, rows.left + span.left, 2) << column.button;
            EXPECT_NEAR(button.right, rows.left + span.right, 2) << column.button;
        }
        ::SendMessageW(window.Handle(), WM_COMMAND, IDOK, 0);
        return true;
    });
}

}  // namespace
