// The league composition over the sample database, driven by control ids,
// mouse messages and commands inside its modal loop.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "CountryEditorTestSupport.h"
#include "competition/League.h"
#include "core/text/TextManager.h"
#include "database/club/Club.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/world/WorldList.h"
#include "editors/country_club/country/DlgLandParent.h"
#include "editors/country_club/competition/DlgLeague.h"
#include "resources/CountryEditorIds.h"
#include "resources/LeagueCompositionIds.h"
#include "resources/ResourceIds.h"
#include "tests/common/TestSupport.h"
#include "tests/ui/GuiTestSupport.h"
#include "ui/skin/DragCtrl.h"
#include "win/WideText.h"

using namespace country_editor_testing;

namespace {

constexpr int SampleCountry = 21;

// The check's message and the context menu answered by the test.
class TestLeague : public CDlgLeague {
public:
    explicit TestLeague(TCountry* country) : CDlgLeague(nullptr, country) {}
    std::vector<INT_PTR> answers;
    std::vector<std::u16string> problems;
    std::vector<int> counts;
    int menus = 0;
    // The dialog's own message window instead of the recorded answers.
    bool realQuestion = false;

protected:
    INT_PTR AskAboutProblems(const std::u16string& lines, int count) override
    {
        if (realQuestion) return CDlgLeague::AskAboutProblems(lines, count);
        problems.push_back(lines);
        counts.push_back(count);
        return TakeAnswer(answers);
    }
    void ShowMarkMenu(HMENU menu) override
    {
        if (menu != nullptr) ++menus;
    }
};

class DlgLeagueTest : public SampleCountryTest {
protected:
    void SetUp() override
    {
        SampleCountryTest::SetUp();
        country_ = &Country(SampleCountry);
        league_ = dynamic_cast<CDBLeagueBase*>(GetWorld()->GetCompetitions().Get(country_->GetLeagueId(0)));
        ASSERT_NE(league_, nullptr);
    }
    void Run(TestLeague& dialog, const std::function<void(HWND)>& act)
    {
        bool done = false;
        gui_test::ModalDriver driver([&] {
            if (done || !dialog.Handle() || !::IsWindowVisible(dialog.Handle())) return false;
            done = true;
            act(dialog.Handle());
            if (!dialog.IsEnded()) dialog.EndDialog(IDCANCEL);
            return true;
        }, 30000);
        result_ = dialog.DoModal();
        EXPECT_FALSE(driver.TimedOut());
        EXPECT_TRUE(done);
    }
    // The centre of a row, or of the space below the rows, in the dialog.
    static POINT RowPoint(HWND dialog, int list, int row, int x = -1)
    {
        HWND box = ::GetDlgItem(dialog, list);
        RECT rect{};
        if (::SendMessageW(box, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect)) == LB_ERR) {
            ::GetClientRect(box, &rect);
            rect.top = rect.bottom - 4;
        }
        POINT point{x >= 0 ? x : (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
        ::MapWindowPoints(box, dialog, &point, 1);
        return point;
    }
    static LPARAM At(POINT point) { return MAKELPARAM(point.x, point.y); }
    // A press on a list: the list hands it to the dialog.
    static void Press(HWND dialog, int list, int row, int x = -1)
    {
        POINT point = RowPoint(dialog, list, row, x);
        ::MapWindowPoints(dialog, ::GetDlgItem(dialog, list), &point, 1);
        ::SendMessageW(::GetDlgItem(dialog, list), WM_LBUTTONDOWN, MK_LBUTTON, At(point));
    }
    static void Release(HWND dialog, POINT point)
    {
        ::SendMessageW(dialog, WM_MOUSEMOVE, MK_LBUTTON, At(point));
        ::SendMessageW(dialog, WM_LBUTTONUP, 0, At(point));
    }
    static std::vector<std::uint32_t> Data(HWND dialog, int list)
    {
        std::vector<std::uint32_t> data;
        const auto count = ::SendDlgItemMessageW(dialog, list, LB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) data.push_back(static_cast<std::uint32_t>(::SendDlgItemMessageW(dialog, list, LB_GETITEMDATA, i, 0)));
        return data;
    }
    std::vector<std::uint32_t> Teams() const
    {
        std::vector<std::uint32_t> teams;
        for (int slot = 0; slot < league_->GetAssignedTeamCount(); ++slot) teams.push_back(league_->GetTeamSlot(slot));
        return teams;
    }
    static bool Contains(const std::vector<std::uint32_t>& data, std::uint32_t team)
    {
        return std::find(data.begin(), data.end(), team) != data.end();
    }

    TCountry* country_ = nullptr;
    CDBLeagueBase* league_ = nullptr;
    INT_PTR result_ = 0;
};

TEST_F(DlgLeagueTest, TheLeaguePageOpensItWithTheCountrysLists)
{
    CDlgLandParent frame(country_, nullptr);
    ASSERT_TRUE(frame.Create(nullptr));
    SwitchTab(frame.Handle(), IDC_COUNTRY_TABS, TabWithCode(frame, CDlgLandParent::LeagueSystem));
    HWND page = ShownPage(frame.Handle());
    ASSERT_TRUE(::IsWindowEnabled(::GetDlgItem(page, IDC_LEAGUES_COMPOSITION)));
    std::vector<std::uint32_t> leagues, clubs;
    std::u16string info;
    gui_test::ModalDriver driver([&] {
        HWND dialog = gui_test::FindThreadDialog();
        if (dialog == nullptr || ::GetDlgItem(dialog, IDC_COMPOSITION_CLUBS) == nullptr) return false;
        leagues = Data(dialog, IDC_COMPOSITION_LEAGUES);
        clubs = Data(dialog, IDC_COMPOSITION_CLUBS);
        info = Text(dialog, IDC_COMPOSITION_INFO);
        ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        return true;
    });
    Click(page, IDC_LEAGUES_COMPOSITION);
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_EQ(leagues, (std::vector<std::uint32_t>{country_->GetLeagueId(0)}));
    std::vector<std::uint32_t> expected = Teams();
    expected.push_back(0);
    EXPECT_EQ(clubs, expected) << "the league's teams and the empty last row";
    EXPECT_NE(info.find(u"Country21.sav"), std::u16string::npos);
    EXPECT_NE(info.find(league_->GetName()), std::u16string::npos);
}

TEST_F(DlgLeagueTest, ClubsAreDraggedOutOfTheLeagueAndBackAtARow)
{
    const std::vector<std::uint32_t> before = Teams();
    TestLeague dialog(country_);
    Run(dialog, [&](HWND window) {
        // Out of the league onto the info text: the club is free.
        Press(window, IDC_COMPOSITION_CLUBS, 0, 8);
        EXPECT_TRUE(dialog.IsDragging());
        RECT info{};
        ::GetWindowRect(::GetDlgItem(window, IDC_COMPOSITION_INFO), &info);
        POINT outside{info.left + 4, info.top + 4};
        ::ScreenToClient(window, &outside);
        Release(window, outside);
        EXPECT_FALSE(dialog.IsDragging());
        EXPECT_FALSE(Contains(Teams(), before[0]));
        EXPECT_TRUE(Contains(Data(window, IDC_COMPOSITION_FREE), before[0]));
        // A press beyond the pick-up zone picks nothing up.
        Press(window, IDC_COMPOSITION_CLUBS, 0, 300);
        EXPECT_FALSE(dialog.IsDragging());
        // From the free list into the club list at row 2.
        const std::vector<std::uint32_t> free = Data(window, IDC_COMPOSITION_FREE);
        const int row = static_cast<int>(std::find(free.begin(), free.end(), before[0]) - free.begin());
        Press(window, IDC_COMPOSITION_FREE, row);
        ASSERT_TRUE(dialog.IsDragging());
        Release(window, RowPoint(window, IDC_COMPOSITION_CLUBS, 2));
        EXPECT_EQ(Teams()[2], before[0]);
        EXPECT_EQ(Data(window, IDC_COMPOSITION_CLUBS)[2], before[0]);
        // From the club list onto the league list: appended.
        Press(window, IDC_COMPOSITION_CLUBS, 2, 8);
        Release(window, RowPoint(window, IDC_COMPOSITION_LEAGUES, 0));
        EXPECT_EQ(Teams().back(), before[0]);
        // Below the rows of the club list: appended as well.
        Press(window, IDC_COMPOSITION_CLUBS, 0, 8);
        Release(window, RowPoint(window, IDC_COMPOSITION_CLUBS, 1000));
        EXPECT_EQ(Teams().back(), before[1]);
        EXPECT_EQ(static_cast<int>(Teams().size()), static_cast<int>(before.size()));
    });
}

TEST_F(DlgLeagueTest, ALostCaptureEndsTheDragAndTheClubStaysFree)
{
    const std::uint32_t first = league_->GetTeamSlot(0);
    TestLeague dialog(country_);
    Run(dialog, [&](HWND window) {
        Press(window, IDC_COMPOSITION_CLUBS, 0, 8);
        ASSERT_TRUE(dialog.IsDragging());
        ::SendMessageW(window, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(::GetDesktopWindow()));
        EXPECT_FALSE(dialog.IsDragging());
        EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(window, CDragCtrl::ControlId))) << "the label is hidden";
        EXPECT_TRUE(Contains(Data(window, IDC_COMPOSITION_FREE), first));
        Release(window, RowPoint(window, IDC_COMPOSITION_CLUBS, 0));
        EXPECT_FALSE(Contains(Teams(), first)) << "a release after the drag ended drops nothing";
    });
}

TEST_F(DlgLeagueTest, TheContextMenuMarksTheClubUnderTheClick)
{
    const std::uint32_t first = league_->GetTeamSlot(0);
    const std::uint32_t second = league_->GetTeamSlot(1);
    country_->SetCupWinner(second);
    TestLeague dialog(country_);
    Run(dialog, [&](HWND window) {
        POINT point = RowPoint(window, IDC_COMPOSITION_CLUBS, 0);
        ::MapWindowPoints(window, ::GetDlgItem(window, IDC_COMPOSITION_CLUBS), &point, 1);
        ::SendDlgItemMessageW(window, IDC_COMPOSITION_CLUBS, WM_RBUTTONDOWN, MK_RBUTTON, At(point));
        EXPECT_EQ(dialog.menus, 1);
        ::SendMessageW(window, WM_COMMAND, ID_COMPOSITION_CUP_WINNER, 0);
        ::SendMessageW(window, WM_COMMAND, ID_COMPOSITION_RELEGATED, 0);
        // The empty last row opens no menu.
        const int rows = static_cast<int>(Data(window, IDC_COMPOSITION_CLUBS).size());
        point = RowPoint(window, IDC_COMPOSITION_CLUBS, rows - 1);
        ::MapWindowPoints(window, ::GetDlgItem(window, IDC_COMPOSITION_CLUBS), &point, 1);
        ::SendDlgItemMessageW(window, IDC_COMPOSITION_CLUBS, WM_RBUTTONDOWN, MK_RBUTTON, At(point));
        EXPECT_EQ(dialog.menus, 1);
        wchar_t text[256] = {};
        ::SendDlgItemMessageW(window, IDC_COMPOSITION_CLUBS, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(text));
        const std::u16string row = win::U(text);
        EXPECT_NE(row.find(CTextManager::Instance()->GetText(u"Common.CupState.Winner"_tk)), std::u16string::npos);
        EXPECT_NE(row.find(CTextManager::Instance()->GetText(u"Common.PromotionState.Relegated"_tk)), std::u16string::npos);
    });
    EXPECT_TRUE(country_->GetClubByUniqueId(first)->IsCupWinner(true));
    EXPECT_FALSE(country_->GetClubByUniqueId(second)->IsCupWinner(true)) << "one cup winner per country";
    EXPECT_TRUE(country_->GetClubByUniqueId(first)->IsRelegated(true));
}

TEST_F(DlgLeagueTest, HideReservesAndTheClearButtons)
{
    TestLeague dialog(country_);
    Run(dialog, [&](HWND window) {
        const std::vector<std::uint32_t> withReserves = Data(window, IDC_COMPOSITION_FREE);
        EXPECT_TRUE(Contains(withReserves, league_->GetTeamSlot(0) | ReserveTeamBit));
        Click(window, IDC_COMPOSITION_HIDE_RESERVES);
        for (std::uint32_t team : Data(window, IDC_COMPOSITION_FREE)) EXPECT_EQ(team & ReserveTeamBit, 0u);
        ::SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_COMPOSITION_CLEAR, BN_CLICKED), 0);
        EXPECT_EQ(league_->GetAssignedTeamCount(), 0);
        EXPECT_EQ(Data(window, IDC_COMPOSITION_CLUBS), (std::vector<std::uint32_t>{0}));
        EXPECT_EQ(Data(window, IDC_COMPOSITION_FREE).size(), static_cast<std::size_t>(country_->GetClubCount() - 1));
        // A free club chosen by keyboard joins the league.
        ::SendDlgItemMessageW(window, IDC_COMPOSITION_FREE, LB_SETCURSEL, 0, 0);
        ::SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_COMPOSITION_FREE, LBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(::GetDlgItem(window, IDC_COMPOSITION_FREE)));
        EXPECT_EQ(league_->GetAssignedTeamCount(), 1);
        ::SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_COMPOSITION_CLEAR_ALL, BN_CLICKED), 0);
        EXPECT_EQ(league_->GetAssignedTeamCount(), 0);
    });
}

TEST_F(DlgLeagueTest, OkWithAShortLeagueStaysThenIgnoreCloses)
{
    league_->RemoveTeam(league_->GetTeamSlot(0));
    TestLeague dialog(country_);
    dialog.answers = {1, 2};
    Run(dialog, [&](HWND window) {
        ::SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        EXPECT_FALSE(dialog.IsEnded()) << "the first button stays";
        ::SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        EXPECT_TRUE(dialog.IsEnded());
    });
    EXPECT_EQ(result_, IDOK);
    ASSERT_EQ(dialog.counts, (std::vector<int>{1, 1}));
    EXPECT_EQ(dialog.problems[0], std::u16string(league_->GetName()) + u"\r\n" +
                                      CTextManager::Instance()->GetText(u"Dialog.LeagueComposition.ErrorNotEnoughTeams"_tk) +
                                      u"\r\n");
}

// In each language, the composition and its message window show every
// text whole, the league's name in the information and the buttons' own
// captions included.
TEST_F(DlgLeagueTest, TwoProblemsTakeTheHeaderForSeveralAndIgnoreCloses)
{
    // A reserve team in the full top league, and an empty second league.
    const std::uint32_t first = league_->GetTeamSlot(0);
    league_->SetTeamIdAt(0, first | ReserveTeamBit);
    TCompetitionRegistry& registry = GetWorld()->GetCompetitions();
    auto second = std::make_unique<CDBLeague>(country_->GetLeagueId(1), league_->GetOwnerId(), registry);
    second->SetLevel(1);
    second->SetTeamsAndRounds(8, 2);
    registry.Register(std::move(second));
    gui_test::InEachLanguage([&] {
        TestLeague dialog(country_);
        dialog.realQuestion = true;
        std::u16string header, text;
        bool answered = false;
        bool asked = false;
        // One driver at a time: it asks for OK, then answers the message window.
        gui_test::ModalDriver driver([&] {
            if (!dialog.Handle() || !::IsWindowVisible(dialog.Handle())) return false;
            if (!asked) {
                gui_test::ExpectWholeLayout(dialog.Handle(), "composition");
                ::PostMessageW(dialog.Handle(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                asked = true;
                return false;
            }
            HWND box = app_test::FindDialogWith(IDC_ERROR_MESSAGE_HEADER);
            if (box == nullptr) return false;
            header = Text(box, IDC_ERROR_MESSAGE_HEADER);
            text = Text(box, IDC_ERROR_MESSAGE_TEXT);
            gui_test::ExpectWholeLayout(box, "message window");
            ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            answered = true;
            return true;
        }, 20000);
        result_ = dialog.DoModal();
        EXPECT_FALSE(driver.TimedOut());
        EXPECT_TRUE(answered);
        EXPECT_EQ(result_, IDOK) << "the second button closes the composition";
        EXPECT_EQ(header, CTextManager::Instance()->GetText(u"Dialog.ErrorMessage.DefaultHeaderMulti"_tk));
        EXPECT_NE(text.find(CTextManager::Instance()->GetText(u"Dialog.LeagueComposition.ErrorReserveTeams"_tk)), std::u16string::npos);
    });
}

TEST_F(DlgLeagueTest, ACountryWithoutLeaguesClosesAtOnce)
{
    TCountry& empty = Country(1);
    ASSERT_EQ(empty.GetLeagueCount(), 0);
    TestLeague dialog(&empty);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(DlgLeagueTest, UpdateClubsCopiesTheSavedClubsThroughTheReport)
{
    const std::u16string saved = folder_.Path() + u"\\Database\\Country21.sav";
    TClub& club = *country_->GetClubByUniqueId(league_->GetTeamSlot(0));
    const std::u16string name = club.GetName();
    club.SetNameForAllLanguages(u"Renamed");
    TestLeague dialog(country_);
    int stage = 0;
    gui_test::ModalDriver driver([&] {
        HWND window = dialog.Handle();
        if (window == nullptr || !::IsWindowVisible(window)) return false;
        if (stage == 0) {
            ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_COMPOSITION_UPDATE, BN_CLICKED), 0);
            stage = 1;
            return false;
        }
        HWND other = gui_test::FindThreadDialog();
        if (stage == 3 && (other == nullptr || other == window)) {
            dialog.EndDialog(IDCANCEL);
            return true;
        }
        if (other == nullptr || other == window) return false;
        if (stage == 1) {
            HWND edit = ::GetDlgItem(other, 1148) != nullptr ? ::GetDlgItem(other, 1148) : ::GetDlgItem(other, 1152);
            if (edit == nullptr) return false;
            ::SetWindowTextW(edit, win::W(saved));
            ::PostMessageW(::GetDlgItem(other, IDOK), BM_CLICK, 0, 0);
            stage = 2;
            return false;
        }
        if (stage == 2 && ::GetDlgItem(other, IDC_REPORT_COUNT) != nullptr) {
            ::PostMessageW(other, WM_CLOSE, 0, 0);
            stage = 3;
            return false;
        }
        return false;
    }, 30000);
    dialog.DoModal();
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_EQ(std::u16string(club.GetName()), name);
    EXPECT_EQ(GetWorldList().GetCount(), 1);
}

TEST_F(DlgLeagueTest, WhatTheUserDidSurvivesASaveAndReload)
{
    const std::vector<std::uint32_t> before = Teams();
    TestLeague dialog(country_);
    Run(dialog, [&](HWND window) {
        Press(window, IDC_COMPOSITION_CLUBS, 0, 8);
        Release(window, RowPoint(window, IDC_COMPOSITION_CLUBS, 2));
        POINT point = RowPoint(window, IDC_COMPOSITION_CLUBS, 2);
        ::MapWindowPoints(window, ::GetDlgItem(window, IDC_COMPOSITION_CLUBS), &point, 1);
        ::SendDlgItemMessageW(window, IDC_COMPOSITION_CLUBS, WM_RBUTTONDOWN, MK_RBUTTON, At(point));
        ::SendMessageW(window, WM_COMMAND, ID_COMPOSITION_CUP_FINALIST, 0);
    });
    ASSERT_EQ(Teams()[2], before[0]);
    const std::u16string file = folder_.Path() + u"\\Database\\Country21.sav";
    ASSERT_TRUE(GetWorld()->SaveWorld({}, TCompleteWorld::DamagedFiles::Keep).saved);
    const std::vector<std::uint8_t> saved = testing_support::ReadBytes(file);

    TCompleteWorld* current = GetWorld();
    TCompleteWorld* reread = GetWorldList().CreateCompleteWorld();
    ASSERT_NE(reread, nullptr);
    ASSERT_TRUE(reread->LoadWorld(u"Database"));
    TCountry& back = *reread->GetCountry(SampleCountry);
    const auto* league = dynamic_cast<const CDBLeagueBase*>(back.GetCompetitionRegistry().Get(back.GetLeagueId(0)));
    ASSERT_NE(league, nullptr);
    EXPECT_EQ(league->GetTeamSlot(2), before[0]);
    EXPECT_TRUE(back.GetClubByUniqueId(before[0])->IsCupFinalist(true));
    ASSERT_TRUE(reread->SaveWorld({}, TCompleteWorld::DamagedFiles::Keep).saved);
    EXPECT_TRUE(testing_support::ReadBytes(file) == saved) << "save, reload and save give the same file";
    GetWorldList().RemoveWorld(reread);
    GetWorldList().SetCurrentWorld(current);
}

}  // namespace
