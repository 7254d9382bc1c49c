#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "app/GlobalObjects.h"
#include "competition/Competition.h"
#include "app/LedraApp.h"
#include "app/MainWindowLaunchers.h"
#include "database/club/Club.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/world/WorldList.h"
#include "editors/country_club/continent/ContinentEditors.h"
#include "editors/country_club/continent/DlgLocalisation.h"
#include "editors/country_club/model/continent/LocalisationRows.h"
#include "resources/ContinentIds.h"
#include "tests/app/AppTestSupport.h"
#include "tests/ui/GuiTestSupport.h"

namespace {

using gui_test::ModalDriver;

std::vector<std::array<std::u16string, 6>> Texts(const std::vector<LocalisationRow>& rows)
{
    std::vector<std::array<std::u16string, 6>> texts;
    for (const LocalisationRow& row : rows) texts.push_back(row.texts);
    return texts;
}

class LocalisationDialogTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(globals_->App().InitLanguageAndTexts());
        GetWorldList().Clear();
        world_ = GetWorldList().CreateCompleteWorld();
        ASSERT_TRUE(world_->LoadWorld(u"Database"));
        country_ = world_->GetCountry(14);
        club_ = country_->GetClubByIndex(1);
        ASSERT_NE(club_, nullptr);
    }
    void TearDown() override { GetWorldList().Clear(); }

    // Runs the dialog on the country and club; act runs from inside its
    // loop, then the close box closes it.
    void Run(CDlgLocalisation& dialog, std::function<void()> act)
    {
        dialog.SetCountry(country_);
        dialog.SetClub(club_);
        bool done = false;
        ModalDriver driver([&] {
            if (done || !dialog.Handle() || !::IsWindowVisible(dialog.Handle())) return false;
            done = true;
            act();
            ::SendMessageW(dialog.Handle(), WM_CLOSE, 0, 0);
            return true;
        });
        dialog.DoModal();
        EXPECT_FALSE(driver.TimedOut());
        EXPECT_TRUE(done);
    }

    static void Click(CLocaleListCtrl& grid, int row, int column)
    {
        RECT cell{};
        ASSERT_TRUE(grid.GetSubItemRect(row, column, cell));
        grid.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2));
        gui_test::PumpMessages();
    }

    static void StepUpDown(CDlgLocalisation& dialog, int id, int delta)
    {
        NMUPDOWN change{};
        change.hdr = {::GetDlgItem(dialog.Handle(), id), static_cast<UINT_PTR>(id), static_cast<UINT>(UDN_DELTAPOS)};
        change.iDelta = delta;
        ::SendMessageW(dialog.Handle(), WM_NOTIFY, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&change));
    }

    static int Selection(CDlgLocalisation& dialog, int id)
    {
        return static_cast<int>(::SendDlgItemMessageW(dialog.Handle(), id, CB_GETCURSEL, 0, 0));
    }

    static void PressTab(CLocaleListCtrl& grid)
    {
        grid.GetEditor().Send(WM_KEYDOWN, VK_TAB, 1);
        grid.GetEditor().Send(WM_CHAR, u'\t', 1);
        gui_test::PumpMessages();
    }

    // The part of the grid's client area the rows show in: below the header,
    // from where the top row begins.
    static RECT RowArea(const CLocaleListCtrl& grid)
    {
        RECT area = grid.GetClientRect();
        area.top = win::RectIn(grid.GetHeader(), grid.Handle()).bottom;
        RECT topRow{};
        if (grid.GetSubItemRect(static_cast<int>(grid.Send(LVM_GETTOPINDEX)), 0, topRow)) area.top = std::max(area.top, topRow.top);
        return area;
    }

    // The part of the cell in the rows' area; empty when none of it is.
    static RECT ShownPart(const CLocaleListCtrl& grid, int row, int column)
    {
        RECT cell{};
        RECT shown{};
        if (!grid.GetSubItemRect(row, column, cell)) return shown;
        const RECT area = RowArea(grid);
        ::IntersectRect(&shown, &cell, &area);
        return shown;
    }

    // The open editor lies on the cell it edits, as far as the cell is in
    // sight, and nowhere outside the rows' area; an editor of no size would
    // take keys unseen.
    static void ExpectEditorOnItsCell(const CLocaleListCtrl& grid, int row, int column, const std::string& what)
    {
        ASSERT_TRUE(grid.GetEditor().IsVisible()) << what;
        RECT cell{};
        ASSERT_TRUE(grid.GetSubItemRect(row, column, cell)) << what;
        const RECT area = RowArea(grid);
        const RECT shown = ShownPart(grid, row, column);
        EXPECT_FALSE(::IsRectEmpty(&shown)) << what << ": the edited cell is out of sight";
        const RECT editor = win::RectIn(grid.GetEditor().Handle(), grid.Handle());
        EXPECT_EQ(std::tuple(editor.left, editor.top, editor.right, editor.bottom),
                  std::tuple(shown.left, shown.top, shown.right, shown.bottom))
            << what << ": cell " << cell.left << ".." << cell.right << ", rows' area " << area.left << ".." << area.right;
    }

    app_test::WorkingFolder folder_{u"localisation", true};
    std::unique_ptr<CGlobalObjects> globals_ = std::make_unique<CGlobalObjects>();
    TCompleteWorld* world_ = nullptr;
    TCountry* country_ = nullptr;
    TClub* club_ = nullptr;
};

TEST_F(LocalisationDialogTest, OpeningAndClosingUneditedChangesNothing)
{
    const auto world = Texts(LocalisationRows::WorldRows(world_->GetRulesAndMisc()));
    const auto country = Texts(LocalisationRows::CountryRows(*country_, world_->GetDatabaseLanguage()));
    const auto club = Texts(LocalisationRows::ClubRows(*club_));
    CDlgLocalisation dialog;
    Run(dialog, [&] {
        EXPECT_EQ(gui_test::ItemText(dialog.Handle(), IDC_LOCALISATION_CLUB_COMBO),
                  LocalisationRows::ClubComboText(*club_));
    });
    EXPECT_EQ(Texts(LocalisationRows::WorldRows(world_->GetRulesAndMisc())), world);
    EXPECT_EQ(Texts(LocalisationRows::CountryRows(*country_, world_->GetDatabaseLanguage())), country);
    EXPECT_EQ(Texts(LocalisationRows::ClubRows(*club_)), club);
}

TEST_F(LocalisationDialogTest, LongCompetitionNamesSurviveOpeningAndClosing)
{
    auto* league = dynamic_cast<CDBCompetition*>(country_->GetCompetitionRegistry().Get(country_->GetLeagueId(0)));
    ASSERT_NE(league, nullptr);
    for (const std::size_t length : {29u, 30u, 40u, 64u}) {
        for (int language = 0; language < 6; ++language) {
            league->SetName(language, std::u16string(length, char16_t(u'A' + language)).c_str());
        }
        const std::size_t kept = std::min<std::size_t>(length, CDBCompetition::NameCapacity - 1);
        CDlgLocalisation dialog;
        Run(dialog, [] {});
        for (int language = 0; language < 6; ++language) {
            EXPECT_EQ(std::u16string(league->GetNameInLanguage(language)), std::u16string(kept, char16_t(u'A' + language)))
                << length << " " << language;
        }
    }
}

TEST_F(LocalisationDialogTest, ACellTypedThenTheCloseBoxKeepsTheName)
{
    CDlgLocalisation dialog;
    Run(dialog, [&] {
        CLocaleListCtrl& grid = dialog.GetGrid(IDC_LOCALISATION_CLUB);
        Click(grid, 0, 2);
        ASSERT_TRUE(grid.GetEditor().IsVisible());
        grid.GetEditor().SetText(u"");
        for (char16_t c : std::u16string(u"Typed Name")) grid.GetEditor().Send(WM_CHAR, c, 1);
    });
    EXPECT_EQ(std::u16string(club_->GetNameForLanguage(1)), u"Typed Name");
}

TEST_F(LocalisationDialogTest, ControlRightClickCopiesToEveryLanguageAndTabsWrap)
{
    CDlgLocalisation dialog;
    Run(dialog, [&] {
        CLocaleListCtrl& grid = dialog.GetGrid(IDC_LOCALISATION_CLUB);
        grid.SetText(3, 2, u"Copied Town");
        RECT cell{};
        ASSERT_TRUE(grid.GetSubItemRect(3, 3, cell));
        grid.Send(WM_RBUTTONDOWN, MK_RBUTTON | MK_CONTROL, MAKELPARAM((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2));
        gui_test::PumpMessages();
        Click(grid, 0, 1);
        ASSERT_TRUE(grid.GetEditor().IsVisible());
        BYTE keys[256] = {};
        ::GetKeyboardState(keys);
        keys[VK_SHIFT] = 0x80;
        ::SetKeyboardState(keys);
        grid.GetEditor().Send(WM_KEYDOWN, VK_TAB, 1);
        grid.GetEditor().Send(WM_CHAR, u'\t', 1);
        keys[VK_SHIFT] = 0;
        ::SetKeyboardState(keys);
        // Shift+Tab from the first cell wraps to the last one: the stadium's Polish name.
        ASSERT_FALSE(std::u16string(club_->GetStadiumNameForLanguage(5)).empty());
        EXPECT_EQ(grid.GetEditor().GetText(), std::u16string(club_->GetStadiumNameForLanguage(5)));
    });
    for (int language = 0; language < 6; ++language) EXPECT_EQ(std::u16string(club_->GetTownForLanguage(language)), u"Copied Town") << language;
}

TEST_F(LocalisationDialogTest, EnterAndEscapeLeaveTheDialogOpen)
{
    CDlgLocalisation dialog;
    Run(dialog, [&] {
        ::SendMessageW(dialog.Handle(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        ::SendMessageW(dialog.Handle(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        EXPECT_FALSE(dialog.IsEnded());
        EXPECT_TRUE(::IsWindowVisible(dialog.Handle()));
    });
    EXPECT_TRUE(dialog.IsEnded());
}

// Tab walks the editor through every cell of the first row, the Polish
// one far right of a grid that scrolls sideways among them: each cell is
// brought into sight before its editor opens over it, so the user sees the
// name that the first key replaces. A Tab on into the next row brings back
// that row's label, which the Polish cell had pushed out of sight.
TEST_F(LocalisationDialogTest, TabBringsEachCellIntoSightBeforeItsEditorOpens)
{
    int labelsPushedAway = 0;
    app_test::InEachLanguageOfTheWorld(*world_, [&] {
        CDlgLocalisation dialog;
        Run(dialog, [&] {
            for (const int id : {IDC_LOCALISATION_WORLD, IDC_LOCALISATION_COUNTRY, IDC_LOCALISATION_CLUB}) {
                CLocaleListCtrl& grid = dialog.GetGrid(id);
                Click(grid, 0, 1);
                for (int column = 1; column <= CLocaleListCtrl::Languages; ++column) {
                    const std::string what = "grid " + std::to_string(id) + ", column " + std::to_string(column);
                    ExpectEditorOnItsCell(grid, 0, column, what);
                    RECT cell{};
                    ASSERT_TRUE(grid.GetSubItemRect(0, column, cell));
                    const RECT area = RowArea(grid);
                    EXPECT_GE(cell.left, area.left) << what;
                    EXPECT_TRUE(cell.right <= area.right || cell.left == area.left) << what;
                    if (column < CLocaleListCtrl::Languages) PressTab(grid);
                }
                const int next = grid.GetItemCount() > 1 ? 1 : 0;
                RECT label{};
                ASSERT_TRUE(grid.GetSubItemRect(next, 0, label));
                labelsPushedAway += label.left < RowArea(grid).left ? 1 : 0;
                PressTab(grid);
                ExpectEditorOnItsCell(grid, next, 1, "after the row's end");
                ASSERT_TRUE(grid.GetSubItemRect(next, 0, label));
                EXPECT_GE(label.left, RowArea(grid).left) << "grid " << id << ": the next row's label is out of sight";
            }
        });
    });
    EXPECT_GT(labelsPushedAway, 0) << "no grid scrolled its labels away: the Tab into the next row had nothing to bring back";
}

// A scroll that leaves part of the edited cell in sight keeps the editor on
// that part; one that takes the cell wholly out of sight ends the edit, so no
// key goes into an editor out of sight: what was typed is in the cell and the
// grid has the focus.
TEST_F(LocalisationDialogTest, ScrollingTheEditedCellOutOfSightEndsTheEdit)
{
    app_test::InEachLanguageOfTheWorld(*world_, [&] {
        CDlgLocalisation dialog;
        Run(dialog, [&] {
            CLocaleListCtrl& world = dialog.GetGrid(IDC_LOCALISATION_WORLD);
            Click(world, 0, 1);
            RECT cell{};
            ASSERT_TRUE(world.GetSubItemRect(0, 1, cell));
            world.Send(LVM_SCROLL, cell.left - RowArea(world).left + (cell.right - cell.left) / 2, 0);
            gui_test::PumpMessages();
            const RECT half = ShownPart(world, 0, 1);
            EXPECT_LT(half.right - half.left, cell.right - cell.left) << "the cell stayed wholly in sight";
            ExpectEditorOnItsCell(world, 0, 1, "half the cell scrolled out");
            CLocaleListCtrl& club = dialog.GetGrid(IDC_LOCALISATION_CLUB);
            for (int row = 0; row < 10; ++row) ASSERT_GE(club.AddRow(u"Club.Name", 29), 0);
            Click(club, 0, 1);
            club.GetEditor().Send(WM_CHAR, u'X', 1);
            club.Send(WM_VSCROLL, SB_LINEDOWN, 0);
            gui_test::PumpMessages();
            const RECT shown = ShownPart(club, 0, 1);
            ASSERT_TRUE(::IsRectEmpty(&shown)) << "the row stayed in sight";
            EXPECT_FALSE(club.GetEditor().IsVisible());
            EXPECT_EQ(::GetFocus(), club.Handle());
            EXPECT_EQ(club.GetItemText(0, 1), u"X");
        });
        EXPECT_EQ(std::u16string(club_->GetNameForLanguage(0)), u"X");
    });
}

// Scrolling the grid while a cell is edited keeps the editor on that cell,
// cut where the cell leaves the rows' area, and what was typed is kept.
TEST_F(LocalisationDialogTest, ScrollingKeepsTheOpenEditorOnItsCell)
{
    CDlgLocalisation dialog;
    Run(dialog, [&] {
        // The world grid's Polish cell is scrolled into sight at its right
        // end; the club grid gets rows enough to reach below its bottom, and
        // its fourth row stays in sight through the scrolls.
        CLocaleListCtrl& clubGrid = dialog.GetGrid(IDC_LOCALISATION_CLUB);
        for (int row = 0; row < 10; ++row) ASSERT_GE(clubGrid.AddRow(u"Club.Name", 29), 0);
        const struct {
            const char* what;
            int grid;
            int row;
            UINT message;
            WPARAM wParam;
        } scrolls[] = {
            {"a line left", IDC_LOCALISATION_WORLD, 0, WM_HSCROLL, SB_LINELEFT},
            {"right by the list's own message", IDC_LOCALISATION_WORLD, 0, LVM_SCROLL, 150},
            {"a line down", IDC_LOCALISATION_CLUB, 3, WM_VSCROLL, SB_LINEDOWN},
            {"a page up", IDC_LOCALISATION_CLUB, 3, WM_VSCROLL, SB_PAGEUP},
            {"down by the wheel", IDC_LOCALISATION_CLUB, 3, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA)},
            {"up by the wheel", IDC_LOCALISATION_CLUB, 3, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA)},
        };
        for (const auto& scroll : scrolls) {
            CLocaleListCtrl& grid = dialog.GetGrid(scroll.grid);
            if (!grid.GetEditor().IsVisible()) {
                Click(grid, scroll.row, 1);
                for (int column = 1; column < CLocaleListCtrl::Languages; ++column) PressTab(grid);
                grid.GetEditor().Send(WM_CHAR, u'X', 1);
            }
            RECT before{};
            RECT after{};
            ASSERT_TRUE(grid.GetSubItemRect(scroll.row, CLocaleListCtrl::Languages, before));
            grid.Send(scroll.message, scroll.wParam, 0);
            gui_test::PumpMessages();
            ASSERT_TRUE(grid.GetSubItemRect(scroll.row, CLocaleListCtrl::Languages, after));
            EXPECT_FALSE(::EqualRect(&before, &after)) << scroll.what << ": the grid did not scroll";
            ExpectEditorOnItsCell(grid, scroll.row, CLocaleListCtrl::Languages, scroll.what);
            EXPECT_EQ(grid.GetEditor().GetText(), u"X") << scroll.what;
        }
    });
    EXPECT_EQ(std::u16string(world_->GetRulesAndMisc().GetCupTitle(0, 0, 5)), u"X");
    EXPECT_EQ(std::u16string(club_->GetTownForLanguage(5)), u"X");
}

// On a 1024 x 768 screen the whole dialog shows, its close box with it: the
// close box is the only way out of it. The world's and the club's rows, a
// fixed few, all show beside the sideways scroll bar.
TEST_F(LocalisationDialogTest, TheDialogFitsA1024By768ScreenWithTheWorldAndClubRowsInSight)
{
    app_test::InEachLanguageOfTheWorld(*world_, [&] {
        CDlgLocalisation dialog;
        Run(dialog, [&] {
            RECT window{};
            ::GetWindowRect(dialog.Handle(), &window);
            EXPECT_LE(window.right - window.left, 1024);
            EXPECT_LE(window.bottom - window.top, 768);
            for (const int id : {IDC_LOCALISATION_WORLD, IDC_LOCALISATION_CLUB}) {
                const CLocaleListCtrl& grid = dialog.GetGrid(id);
                EXPECT_GE(static_cast<int>(grid.Send(LVM_GETCOUNTPERPAGE)), grid.GetItemCount()) << id;
            }
        });
    });
}

TEST_F(LocalisationDialogTest, UpDownsPastEitherEndChangeNothing)
{
    country_ = world_->GetCountry(1);
    club_ = country_->GetClubByIndex(0);
    CDlgLocalisation dialog;
    Run(dialog, [&] {
        ASSERT_EQ(Selection(dialog, IDC_LOCALISATION_COUNTRY_COMBO), 0);
        StepUpDown(dialog, IDC_LOCALISATION_COUNTRY_SPIN, -1);
        EXPECT_EQ(Selection(dialog, IDC_LOCALISATION_COUNTRY_COMBO), 0);
        StepUpDown(dialog, IDC_LOCALISATION_COUNTRY_SPIN, 1);
        EXPECT_EQ(Selection(dialog, IDC_LOCALISATION_COUNTRY_COMBO), 1);
        const int last = static_cast<int>(::SendDlgItemMessageW(dialog.Handle(), IDC_LOCALISATION_CLUB_COMBO, CB_GETCOUNT, 0, 0)) - 1;
        StepUpDown(dialog, IDC_LOCALISATION_CLUB_SPIN, last + 5);
        EXPECT_EQ(Selection(dialog, IDC_LOCALISATION_CLUB_COMBO), last);
        StepUpDown(dialog, IDC_LOCALISATION_CLUB_SPIN, 1);
        EXPECT_EQ(Selection(dialog, IDC_LOCALISATION_CLUB_COMBO), last);
    });
}

TEST_F(LocalisationDialogTest, ANationalTeamIsListedInParentheses)
{
    CDlgLocalisation dialog;
    Run(dialog, [&] {
        const HWND combo = ::GetDlgItem(dialog.Handle(), IDC_LOCALISATION_CLUB_COMBO);
        bool found = false;
        const int count = static_cast<int>(::SendMessageW(combo, CB_GETCOUNT, 0, 0));
        for (int index = 0; index < count; ++index) {
            const auto* club = reinterpret_cast<const TClub*>(::SendMessageW(combo, CB_GETITEMDATA, index, 0));
            if (!IsNationalTeamId(club->GetId())) continue;
            wchar_t text[128] = {};
            ::SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
            EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(text)), u"(" + std::u16string(club->GetName()) + u")");
            found = true;
        }
        EXPECT_TRUE(found);
    });
}

// Every label and name whole in each language, for every country and club
// of the sample: rows that are told apart by their labels, and names a user
// reads without opening their cell.
TEST_F(LocalisationDialogTest, EveryCountryAndClubOfTheSampleShowsWholeInEachLanguage)
{
    app_test::InEachLanguageOfTheWorld(*world_, [&] {
        gui_test::DistinctLayoutFaults faults;
        CDlgLocalisation dialog;
        Run(dialog, [&] {
            const HWND window = dialog.Handle();
            for (int country = 0; country < gui_test::ComboItemCount(window, IDC_LOCALISATION_COUNTRY_COMBO); ++country) {
                gui_test::ChooseComboItem(window, IDC_LOCALISATION_COUNTRY_COMBO, country);
                const int clubs = gui_test::ComboItemCount(window, IDC_LOCALISATION_CLUB_COMBO);
                for (int club = 0; club < std::max(clubs, 1); ++club) {
                    if (clubs > 0) gui_test::ChooseComboItem(window, IDC_LOCALISATION_CLUB_COMBO, club);
                    faults.Look(window, "country " + std::to_string(country) + ", club " + std::to_string(club));
                }
            }
        });
    });
}

TEST_F(LocalisationDialogTest, TheLauncherOpensTheGridOnTheCountry)
{
    TMainWindowLaunchers launchers;
    RegisterContinentEditors(launchers);
    ASSERT_TRUE(launchers.localisedNames);
    std::u16string shown;
    ModalDriver driver([&] {
        const HWND dialog = app_test::FindDialogWith(IDC_LOCALISATION_WORLD);
        if (!dialog) return false;
        shown = gui_test::ItemText(dialog, IDC_LOCALISATION_COUNTRY_COMBO);
        ::SendMessageW(dialog, WM_CLOSE, 0, 0);
        return true;
    });
    launchers.localisedNames(nullptr, country_, club_);
    EXPECT_EQ(shown, std::u16string(country_->GetName()));
}

}  // namespace
