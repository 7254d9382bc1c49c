// The fixture list editor over the sample database, driven by control ids
// and messages inside its modal loop.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "CountryEditorTestSupport.h"
#include "competition/League.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "editors/country_club/competition/DlgFixturelist.h"
#include "editors/country_club/model/competition/FixtureListModel.h"
#include "resources/LeagueToolsIds.h"
#include "tests/ui/GuiTestSupport.h"

using namespace country_editor_testing;

namespace {

// The check's answers come from the test: 1 stays, 2 closes.
class TestFixturelist : public CDlgFixturelist {
public:
    std::vector<INT_PTR> answers;
    std::vector<int> asked;
    std::u16string lastLines;

protected:
    INT_PTR AskAboutErrors(const std::u16string& lines, int count) override
    {
        asked.push_back(count);
        lastLines = lines;
        return TakeAnswer(answers);
    }
};

class DlgFixturelistTest : public SampleCountryTest {
protected:
    // Runs the dialog; act runs once inside its loop, then Cancel closes it
    // unless act closed it.
    void Run(TestFixturelist& dialog, const std::function<void(HWND)>& act)
    {
        result_ = gui_test::RunModal(dialog, act);
    }
    static int Count(HWND dialog, int id) { return static_cast<int>(::SendDlgItemMessageW(dialog, id, LB_GETCOUNT, 0, 0)); }
    static void SelectTeam(HWND dialog, int row)
    {
        ::SendDlgItemMessageW(dialog, IDC_FIXTURES_TEAMS, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
    }
    static std::u16string Cell(HWND dialog, int row, int column) { return gui_test::CellText(::GetDlgItem(dialog, IDC_FIXTURES_GRID), row, column); }
    // The first league of country 21 with its table.
    CDBLeague& FirstLeague() { return *dynamic_cast<CDBLeague*>(Sample().GetCompetitionRegistry().Get(Sample().GetLeagueId(0))); }
    std::pair<int, int> Match(int day, int slot)
    {
        std::uint8_t home = 0;
        std::uint8_t away = 0;
        FirstLeague().GetFixturelist().GetMatch(day, slot, home, away);
        return {home, away};
    }

    TCountry& Sample() { return Country(21); }
    INT_PTR result_ = 0;
};

TEST_F(DlgFixturelistTest, PlacingByClickDoubleClickAndEnterThenFreeingByAGridClick)
{
    const int entered = FirstLeague().GetAssignedTeamCount();
    ASSERT_GE(entered, 4);
    TestFixturelist dialog;
    dialog.SetCountry(&Sample());
    Run(dialog, [&](HWND hwnd) {
        EXPECT_EQ(Count(hwnd, IDC_FIXTURES_LEAGUES), Sample().GetLeagueCount());
        Command(hwnd, IDC_FIXTURES_CLEAR_ALL, BN_CLICKED);
        ASSERT_EQ(Count(hwnd, IDC_FIXTURES_TEAMS), entered);
        SelectTeam(hwnd, 2);
        Command(hwnd, IDC_FIXTURES_TEAMS, LBN_SELCHANGE);
        SelectTeam(hwnd, 0);
        Command(hwnd, IDC_FIXTURES_TEAMS, LBN_DBLCLK);
        SelectTeam(hwnd, 0);
        ::SendDlgItemMessageW(hwnd, IDC_FIXTURES_TEAMS, WM_KEYDOWN, VK_RETURN, 0);
        EXPECT_EQ(Count(hwnd, IDC_FIXTURES_TEAMS), entered - 3);
        EXPECT_EQ(Cell(hwnd, 0, 0), Sample().GetTeamNameByUniqueId(FirstLeague().GetTeamIdAt(2)));
        EXPECT_EQ(Cell(hwnd, 0, 2), Sample().GetTeamNameByUniqueId(FirstLeague().GetTeamIdAt(0)));
        ::SendMessageW(hwnd, CListCtrlEx::CellClicked, 0, 0);
        EXPECT_EQ(Cell(hwnd, 0, 0), u"");
        EXPECT_EQ(Count(hwnd, IDC_FIXTURES_TEAMS), entered - 2);
    });
    EXPECT_EQ(Match(0, 0), std::make_pair(0, 1));
    EXPECT_EQ(Match(0, 1), std::make_pair(2, 0));
}

TEST_F(DlgFixturelistTest, TheMatchDayBarStepsAndTheButtonsActOnTheTable)
{
    TestFixturelist dialog;
    dialog.SetCountry(&Sample());
    const int days = FirstLeague().GetFixturelist().GetMatchdayCount();
    ASSERT_GE(days, 4);
    Run(dialog, [&](HWND hwnd) {
        HWND bar = ::GetDlgItem(hwnd, IDC_FIXTURES_MATCHDAY_BAR);
        ::SendMessageW(hwnd, WM_HSCROLL, MAKEWPARAM(SB_LINERIGHT, 0), reinterpret_cast<LPARAM>(bar));
        ::SendMessageW(hwnd, WM_HSCROLL, MAKEWPARAM(SB_ENDSCROLL, 0), reinterpret_cast<LPARAM>(bar));
        EXPECT_EQ(dialog.GetModel()->GetMatchday(), 1);
        EXPECT_EQ(Text(hwnd, IDC_FIXTURES_MATCHDAY), u"2");
        Command(hwnd, IDC_FIXTURES_CLEAR_DAY, BN_CLICKED);
        EXPECT_EQ(Count(hwnd, IDC_FIXTURES_TEAMS), FirstLeague().GetAssignedTeamCount());
        Command(hwnd, IDC_FIXTURES_CLEAR_ALL, BN_CLICKED);
        if (::IsWindowEnabled(::GetDlgItem(hwnd, IDC_FIXTURES_TEMPLATE))) {
            Command(hwnd, IDC_FIXTURES_TEMPLATE, BN_CLICKED);
            EXPECT_NE(Match(0, 0), std::make_pair(0, 0));
        } else {
            EXPECT_FALSE(dialog.GetModel()->CanFillFromTemplate());
        }
        Command(hwnd, IDC_FIXTURES_CLEAR_ALL, BN_CLICKED);
        FirstLeague().GetFixturelist().SetMatch(0, 0, 1, 2);
        Command(hwnd, IDC_FIXTURES_SECOND_LEG, BN_CLICKED);
    });
    EXPECT_EQ(Match(days / 2, 0), std::make_pair(2, 1));
    EXPECT_EQ(Match(1, 0), std::make_pair(0, 0));
}

TEST_F(DlgFixturelistTest, OkWithErrorsStaysOnOkAndClosesOnIgnore)
{
    TestFixturelist dialog;
    dialog.SetCountry(&Sample());
    dialog.answers = {1, 2};
    Run(dialog, [&](HWND hwnd) {
        Command(hwnd, IDC_FIXTURES_CLEAR_DAY, BN_CLICKED);
        Command(hwnd, IDC_FIXTURES_OK, BN_CLICKED);
        EXPECT_FALSE(dialog.IsEnded()) << "the first button stays";
        Command(hwnd, IDC_FIXTURES_OK, BN_CLICKED);
        EXPECT_TRUE(dialog.IsEnded());
    });
    EXPECT_EQ(result_, IDOK);
    ASSERT_EQ(dialog.asked.size(), 2u);
    EXPECT_GE(dialog.asked[0], 1);
    EXPECT_NE(dialog.lastLines.find(u"1"), std::u16string::npos);
}

TEST_F(DlgFixturelistTest, WithoutACountryNothingIsFilledAndOkDoesNothing)
{
    TestFixturelist dialog;
    Run(dialog, [&](HWND hwnd) {
        EXPECT_EQ(Count(hwnd, IDC_FIXTURES_LEAGUES), 0);
        Command(hwnd, IDC_FIXTURES_OK, BN_CLICKED);
        EXPECT_FALSE(dialog.IsEnded());
        Command(hwnd, IDC_FIXTURES_CANCEL, BN_CLICKED);
        EXPECT_TRUE(dialog.IsEnded());
    });
    EXPECT_EQ(result_, IDCANCEL);
    EXPECT_TRUE(dialog.asked.empty());
}

}  // namespace
