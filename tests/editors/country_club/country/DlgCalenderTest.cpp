// The season calendar over the sample database, driven by control ids and
// messages inside its modal loop.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "CountryEditorTestSupport.h"
#include "competition/Competition.h"
#include "competition/CompetitionId.h"
#include "database/country/Country.h"
#include "editors/country_club/competition/DlgCalender.h"
#include "editors/country_club/model/competition/SeasonCalendarModel.h"
#include "resources/LeagueToolsIds.h"
#include "app/LedraApp.h"
#include "core/AppMessage.h"
#include "database/world/CompleteWorld.h"
#include "database/world/WorldList.h"
#include "platform/Platform.h"
#include "tests/common/TestSupport.h"
#include "tests/ui/GuiTestSupport.h"

using namespace country_editor_testing;

namespace {

// The check's message dialog answered by the test: 1 stays, 2 closes.
class TestCalender : public CDlgCalender {
public:
    explicit TestCalender(TCountry* country) : CDlgCalender(country) {}
    std::vector<INT_PTR> answers;
    std::vector<std::u16string> bodies;
    std::vector<bool> successes;

protected:
    INT_PTR ShowCheckResult(const std::u16string&, const std::u16string& body, bool success) override
    {
        bodies.push_back(body);
        successes.push_back(success);
        return TakeAnswer(answers);
    }
};

class DlgCalenderTest : public SampleCountryTest {
protected:
    void Run(TestCalender& dialog, const std::function<void(HWND)>& act)
    {
        result_ = gui_test::RunModal(dialog, act);
    }
    static std::u16string Cell(HWND dialog, int row, int column) { return gui_test::CellText(::GetDlgItem(dialog, IDC_CALENDAR_GRID), row, column); }
    // A day of the season without a match near it in league 0.
    int FreeDay(const CDBCompetition& league)
    {
        for (int day = 20; day < SeasonCalendarModel::Rows; ++day) {
            if (!HasMatchNearInChain(&league, 0, day)) return day;
        }
        return -1;
    }
    // The first day of the season with a match day of the league.
    static int FirstMatchDay(const CDBCompetition& league)
    {
        for (int day = 0; day < SeasonCalendarModel::Rows; ++day) {
            if (league.GetMatchdayOnDay(0, day) != 0) return day;
        }
        return -1;
    }
    CDBCompetition& FirstLeague() { return *dynamic_cast<CDBCompetition*>(Country(21).GetCompetitionRegistry().Get(Country(21).GetLeagueId(0))); }

    INT_PTR result_ = 0;
};

TEST_F(DlgCalenderTest, OpensWithADayPerRowAndAColumnPerCompetition)
{
    TestCalender dialog(&Country(21));
    Run(dialog, [&](HWND hwnd) {
        HWND header = reinterpret_cast<HWND>(::SendDlgItemMessageW(hwnd, IDC_CALENDAR_GRID, LVM_GETHEADER, 0, 0));
        EXPECT_EQ(static_cast<int>(::SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)), dialog.GetModel()->GetColumnCount());
        EXPECT_EQ(static_cast<int>(::SendDlgItemMessageW(hwnd, IDC_CALENDAR_GRID, LVM_GETITEMCOUNT, 0, 0)), 360);
        const std::u16string first = Cell(hwnd, 0, 0);
        ASSERT_GE(first.size(), 5u);
        EXPECT_EQ(first.substr(first.size() - 5), u"01/07");
        EXPECT_EQ(Cell(hwnd, 359, 0).substr(Cell(hwnd, 359, 0).size() - 5), u"24/06");
        EXPECT_EQ(Text(hwnd, IDC_CALENDAR_SEASON), u"2007/2008");
        EXPECT_EQ(::IsDlgButtonChecked(hwnd, IDC_CALENDAR_ONE_LEAGUE), BST_CHECKED);
        EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(hwnd, IDC_CALENDAR_UPDATE_MASTER)));
        const int countries = static_cast<int>(::SendDlgItemMessageW(hwnd, IDC_CALENDAR_COMPARE, CB_GETCOUNT, 0, 0));
        EXPECT_GT(countries, 0);
        for (int item = 0; item < countries; ++item) {
            EXPECT_NE(::SendDlgItemMessageW(hwnd, IDC_CALENDAR_COMPARE, CB_GETITEMDATA, static_cast<WPARAM>(item), 0), 21);
        }
    });
}

// Every day of the season, with its weekday, and every column's header
// whole in each language.
TEST_F(DlgCalenderTest, EveryDayAndEveryHeaderShowWholeInEachLanguage)
{
    gui_test::InEachLanguage([&] {
        TestCalender dialog(&Country(21));
        Run(dialog, [](HWND hwnd) { gui_test::ExpectWholeLayout(hwnd, "season calendar"); });
    });
}

TEST_F(DlgCalenderTest, CellClicksAddAndRemoveAMatchDay)
{
    const int day = FreeDay(FirstLeague());
    ASSERT_GT(day, 0);
    TestCalender dialog(&Country(21));
    Run(dialog, [&](HWND hwnd) {
        EXPECT_EQ(Cell(hwnd, day, 2), u"-");
        ::SendMessageW(hwnd, CListCtrlEx::CellClicked, static_cast<WPARAM>(day), 2);
        EXPECT_NE(FirstLeague().GetMatchdayOnDay(0, day), 0);
        EXPECT_NE(Cell(hwnd, day, 2), u"-");
        ::SendMessageW(hwnd, CListCtrlEx::CellClicked, static_cast<WPARAM>(day), 2);
        EXPECT_EQ(FirstLeague().GetMatchdayOnDay(0, day), 0);
        EXPECT_EQ(Cell(hwnd, day, 2), u"-");
        ::SendMessageW(hwnd, CListCtrlEx::CellClicked, static_cast<WPARAM>(day), 1);
        ::SendMessageW(hwnd, CListCtrlEx::CellClicked, 0, 2);
        EXPECT_EQ(FirstLeague().GetMatchdayOnDay(0, 0), 0);
    });
}

TEST_F(DlgCalenderTest, RadiosSeasonBarAndCompareComboReachTheModel)
{
    TestCalender dialog(&Country(21));
    Run(dialog, [&](HWND hwnd) {
        ::SendDlgItemMessageW(hwnd, IDC_CALENDAR_ALL_LEAGUES, BM_CLICK, 0, 0);
        EXPECT_EQ(::IsDlgButtonChecked(hwnd, IDC_CALENDAR_ALL_LEAGUES), BST_CHECKED);
        HWND bar = ::GetDlgItem(hwnd, IDC_CALENDAR_SEASON_BAR);
        std::vector<std::u16string> seen;
        for (int code : {SB_LINEUP, SB_LINEDOWN}) {
            ::SendMessageW(hwnd, WM_HSCROLL, MAKEWPARAM(code, 0), reinterpret_cast<LPARAM>(bar));
            ::SendMessageW(hwnd, WM_HSCROLL, MAKEWPARAM(SB_ENDSCROLL, 0), reinterpret_cast<LPARAM>(bar));
            seen.push_back(Text(hwnd, IDC_CALENDAR_SEASON));
        }
        EXPECT_NE(seen[0], seen[1]);
        EXPECT_TRUE(seen[0] == u"2008/2009" || seen[1] == u"2008/2009");
        EXPECT_EQ(dialog.GetModel()->GetSeason(), seen[1] == u"2008/2009" ? 1 : 0);
        ::SendDlgItemMessageW(hwnd, IDC_CALENDAR_COMPARE, CB_SETCURSEL, 0, 0);
        Command(hwnd, IDC_CALENDAR_COMPARE, CBN_SELCHANGE);
        const auto other = static_cast<std::uint32_t>(::SendDlgItemMessageW(hwnd, IDC_CALENDAR_COMPARE, CB_GETITEMDATA, 0, 0));
        EXPECT_EQ(dialog.GetModel()->GetColumnIds().back(), MakeCompetitionId(other, TypeLeague, 0));
    });
}

// The season bar runs the other way, 2008/2009 at its left end, and the
// thumb stays where the move left it. A click ends with the end-scroll
// notification; a key on the focused bar, as Wine's bar sends it, and a
// thumb dragged or dropped come without one: each but a drag under way
// gives its season's text and grid at once.
TEST_F(DlgCalenderTest, TheSeasonBarsArrowsPagesEndsAndThumbAgree)
{
    enum THow { Click, Key, Alone };
    struct TMove {
        const char* what;
        THow how;
        int code;
        int thumb;
        int season;
        int position;
    };
    const TMove moves[] = {
        {"left arrow", Click, SB_LINEUP, 0, 1, 0},          {"left arrow at the left end", Click, SB_LINEUP, 0, 1, 0},
        {"right arrow", Click, SB_LINEDOWN, 0, 0, 1},       {"right arrow at the right end", Click, SB_LINEDOWN, 0, 0, 1},
        {"page left", Click, SB_PAGEUP, 0, 0, 1},           {"page right", Click, SB_PAGEDOWN, 0, 0, 1},
        {"left end", Click, SB_TOP, 0, 1, 0},               {"right end", Click, SB_BOTTOM, 0, 0, 1},
        {"thumb dropped left", Click, SB_THUMBPOSITION, 0, 1, 0}, {"thumb dropped right", Click, SB_THUMBPOSITION, 1, 0, 1},
        {"Home", Key, VK_HOME, 0, 1, 0},                    {"End", Key, VK_END, 0, 0, 1},
        {"left key", Key, VK_LEFT, 0, 1, 0},                {"right key", Key, VK_RIGHT, 0, 0, 1},
        {"thumb dragged left", Alone, SB_THUMBTRACK, 0, 0, 0}, {"thumb dropped left alone", Alone, SB_THUMBPOSITION, 0, 1, 0},
    };
    TestCalender dialog(&Country(21));
    int opening = -1;
    std::vector<int> seasons;
    std::vector<std::u16string> texts;
    std::vector<std::u16string> firstDays;
    std::vector<int> positions;
    Run(dialog, [&](HWND hwnd) {
        HWND bar = ::GetDlgItem(hwnd, IDC_CALENDAR_SEASON_BAR);
        opening = static_cast<int>(::SendMessageW(bar, SBM_GETPOS, 0, 0));
        ::SetFocus(bar);
        auto scroll = [&](int code, int thumb) {
            ::SendMessageW(hwnd, WM_HSCROLL, MAKEWPARAM(code, thumb), reinterpret_cast<LPARAM>(bar));
        };
        for (const TMove& move : moves) {
            if (move.how == Key) {
                ::SendMessageW(bar, WM_KEYDOWN, static_cast<WPARAM>(move.code), 0);
            } else {
                if (move.how == Click && move.code == SB_THUMBPOSITION) scroll(SB_THUMBTRACK, move.thumb);
                scroll(move.code, move.thumb);
                if (move.how == Click) scroll(SB_ENDSCROLL, move.thumb);
            }
            seasons.push_back(dialog.GetModel()->GetSeason());
            texts.push_back(Text(hwnd, IDC_CALENDAR_SEASON));
            firstDays.push_back(Cell(hwnd, 0, 0));
            positions.push_back(static_cast<int>(::SendMessageW(bar, SBM_GETPOS, 0, 0)));
        }
    });
    EXPECT_EQ(opening, 1) << "2007/2008 stands at the right end";
    ASSERT_EQ(seasons.size(), std::size(moves));
    for (std::size_t i = 0; i < std::size(moves); ++i) {
        SCOPED_TRACE(moves[i].what);
        EXPECT_EQ(seasons[i], moves[i].season);
        EXPECT_EQ(texts[i], moves[i].season == 0 ? u"2007/2008" : u"2008/2009");
        // Each season's grid starts on the first Sunday of its July.
        ASSERT_GE(firstDays[i].size(), 5u);
        EXPECT_EQ(firstDays[i].substr(firstDays[i].size() - 5), moves[i].season == 0 ? u"01/07" : u"06/07");
        EXPECT_EQ(positions[i], moves[i].position);
    }
}

TEST_F(DlgCalenderTest, OkWithErrorsStaysOnOkAndClosesOnIgnore)
{
    const int day = FirstMatchDay(FirstLeague());
    ASSERT_GT(day, 0);
    TestCalender dialog(&Country(21));
    dialog.answers = {1, 2};
    Run(dialog, [&](HWND hwnd) {
        // The sample's calendar checks clean: a removed match day leaves the
        // league one fewer than it plays.
        ::SendMessageW(hwnd, CListCtrlEx::CellClicked, static_cast<WPARAM>(day), 2);
        Command(hwnd, IDOK, BN_CLICKED);
        EXPECT_FALSE(dialog.IsEnded());
        Command(hwnd, IDOK, BN_CLICKED);
        EXPECT_TRUE(dialog.IsEnded());
    });
    EXPECT_EQ(result_, IDOK);
    ASSERT_EQ(dialog.bodies.size(), 2u);
    EXPECT_FALSE(dialog.successes[0]);
    EXPECT_EQ(dialog.bodies[0].substr(0, 11), u"2007/2008\r\n");
}

TEST_F(DlgCalenderTest, DeveloperModeWritesAndComparesTheMasterTable)
{
    SetAdminMode(GetAdminModeFlag(), true);
    const int day = FreeDay(FirstLeague());
    ASSERT_GT(day, 0);
    const std::u16string file = platform::JoinPath(GetWorld()->GetDatabaseFolder(), u"LeagueMaster.dat");
    testing_support::MessageCapture messages;
    std::vector<std::uint8_t> written;
    TestCalender dialog(&Country(21));
    Run(dialog, [&](HWND hwnd) {
        EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(hwnd, IDC_CALENDAR_UPDATE_MASTER)));
        Command(hwnd, IDC_CALENDAR_UPDATE_MASTER, BN_CLICKED);
        EXPECT_TRUE(messages.Messages().empty()) << "a successful write shows nothing";
        written = testing_support::ReadBytes(file);
        Command(hwnd, IDC_CALENDAR_CHECK_MASTER, BN_CLICKED);
        ::SendMessageW(hwnd, CListCtrlEx::CellClicked, static_cast<WPARAM>(day), 2);
        Command(hwnd, IDC_CALENDAR_CHECK_MASTER, BN_CLICKED);
        platform::FailWritesAfter(1);
        Command(hwnd, IDC_CALENDAR_UPDATE_MASTER, BN_CLICKED);
        platform::FailWritesAfter(0);
        ::SendMessageW(hwnd, CListCtrlEx::CellClicked, 0, 0);
        wchar_t caption[256] = {};
        ::GetWindowTextW(hwnd, caption, 256);
        EXPECT_NE(std::wstring(caption).find(L"|0"), std::wstring::npos);
    });
    SetAdminMode(GetAdminModeFlag(), false);
    ASSERT_GE(written.size(), 8u);
    EXPECT_EQ(std::string(written.begin(), written.begin() + 4), "LGMS");
    EXPECT_EQ(testing_support::ReadBytes(file), written) << "a failed write keeps the old file";
    EXPECT_EQ(messages.Messages(), (std::vector<std::u16string>{u"Success", u"Failed", u"Failed"}));
    ASSERT_EQ(messages.Flags().size(), 3u);
    EXPECT_TRUE(messages.Flags()[0] & AppMessage::IconInformation);
    EXPECT_TRUE(messages.Flags()[2] & AppMessage::IconError);
}

}  // namespace
