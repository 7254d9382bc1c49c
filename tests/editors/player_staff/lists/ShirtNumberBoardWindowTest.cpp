#include <windows.h>

#include <gtest/gtest.h>

#include "database/club/Club.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/person/Person.h"
#include "editors/player_staff/squad/DlgPlayerlistClub.h"
#include "editors/player_staff/lists/DlgShirtNo.h"
#include "editors/player_staff/PlayerStaffIds.h"
#include "resources/StaffPagesIds.h"
#include "tests/database/DatabaseTestSupport.h"
#include "tests/ui/GuiTestSupport.h"
#include "win/WideText.h"

namespace {

class ShirtNumberBoardWindow : public database_testing::CurrentWorldTest {
protected:
    void SetUp() override
    {
        CurrentWorldTest::SetUp();
        TCountry& england = *world_->GetCountry(14);
        club_ = england.GetClubByUniqueId(england.CreateClub(u"Board"));
    }

    TPerson* Add(const char16_t* last, std::uint8_t number, bool reserve = false)
    {
        TPerson* person = world_->CreatePerson(world_->GetFreePersonId(), false);
        person->SetFirstName(u"Jo");
        person->SetLastName(last);
        person->SetNationality(14);
        person->SetPosition(0, 16);
        if (reserve) {
            person->SetReserveTeam();
            person->SetReserveShirtNumber(number);
        } else {
            person->SetShirtNumber(number);
        }
        club_->AddPlayer(person);
        return person;
    }

    // The centre of a number's row in the board's client coordinates.
    static POINT RowPoint(HWND board, int number)
    {
        HWND list = ::GetDlgItem(board, IDC_SHIRT_NUMBERS_LOW + (number - 1) / 33);
        RECT row{};
        ::SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>((number - 1) % 33), reinterpret_cast<LPARAM>(&row));
        POINT point{(row.left + row.right) / 2, (row.top + row.bottom) / 2};
        ::MapWindowPoints(list, board, &point, 1);
        return point;
    }

    static std::u16string RowText(HWND board, int number)
    {
        HWND list = ::GetDlgItem(board, IDC_SHIRT_NUMBERS_LOW + (number - 1) / 33);
        wchar_t text[256] = {};
        ::SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>((number - 1) % 33), reinterpret_cast<LPARAM>(text));
        return win::U(text);
    }

    // Presses over one number, moves to another and lets go, as a user drags.
    static void Drag(HWND board, int from, int to)
    {
        const POINT start = RowPoint(board, from);
        HWND list = ::GetDlgItem(board, IDC_SHIRT_NUMBERS_LOW + (from - 1) / 33);
        POINT inList = start;
        ::MapWindowPoints(board, list, &inList, 1);
        ::SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(inList.x, inList.y));
        const POINT end = RowPoint(board, to);
        ::SendMessageW(board, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(end.x, end.y));
        ::SendMessageW(board, WM_LBUTTONUP, 0, MAKELPARAM(end.x, end.y));
    }

    TClub* club_ = nullptr;
};

TEST_F(ShirtNumberBoardWindow, DraggingOntoAnotherPlayerSwapsTheNumbers)
{
    TPerson* seven = Add(u"Seven", 7);
    TPerson* forty = Add(u"Forty", 40);
    CDlgShirtNo board;
    board.SetTeam(true, club_);
    std::u16string rowBefore;
    std::u16string rowAfter;
    gui_test::ModalDriver driver([&] {
        if (board.Handle() == nullptr) return false;
        rowBefore = RowText(board.Handle(), 40);
        Drag(board.Handle(), 7, 40);
        rowAfter = RowText(board.Handle(), 40);
        ::SendMessageW(board.Handle(), WM_COMMAND, IDOK, 0);
        return true;
    });
    board.DoModal();
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_EQ(seven->GetShirtNumber(), 40);
    EXPECT_EQ(forty->GetShirtNumber(), 7);
    EXPECT_NE(rowBefore.find(u"Forty"), std::u16string::npos);
    EXPECT_NE(rowAfter.find(u"Seven"), std::u16string::npos);
    EXPECT_EQ(rowAfter.substr(0, 3), u"40\t");
}

TEST_F(ShirtNumberBoardWindow, DraggingOntoAFreeNumberMovesHimAndTheReserveBoardListsReservesOnly)
{
    Add(u"First", 5);
    TPerson* reserve = Add(u"Reserve", 5, true);
    CDlgShirtNo board;
    board.SetTeam(false, club_);
    std::u16string firstTeamRow;
    gui_test::ModalDriver driver([&] {
        if (board.Handle() == nullptr) return false;
        firstTeamRow = RowText(board.Handle(), 5);
        Drag(board.Handle(), 5, 80);
        ::SendMessageW(board.Handle(), WM_COMMAND, IDOK, 0);
        return true;
    });
    board.DoModal();
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_NE(firstTeamRow.find(u"Reserve"), std::u16string::npos);
    EXPECT_EQ(firstTeamRow.find(u"First"), std::u16string::npos);
    EXPECT_EQ(reserve->GetReserveShirtNumber(), 80);
}

// A player of each position on the board, each position's name whole in
// every language.
TEST_F(ShirtNumberBoardWindow, EveryPositionShowsWholeInEachLanguage)
{
    for (int position = 1; position <= 17; ++position)
        Add(u"Player", static_cast<std::uint8_t>(position))->SetPosition(0, static_cast<std::uint8_t>(position));
    gui_test::InEachLanguage([&] {
        CDlgShirtNo board;
        board.SetTeam(true, club_);
        gui_test::RunModal(board, [](HWND hwnd) { gui_test::ExpectWholeLayout(hwnd, "shirt numbers"); });
    });
}

TEST_F(ShirtNumberBoardWindow, TheSquadWindowOffersTheBoard)
{
    for (int n = 1; n <= 14; ++n) Add(u"Player", static_cast<std::uint8_t>(n));
    CDlgPlayerlistClub window(CDlgPlayerlistClub::ClubSquad);
    window.SetClub(club_);
    window.SetProblemBox([](HWND, const std::u16string&) { return INT_PTR{2}; });
    bool enabled = false;
    gui_test::ModalDriver driver([&] {
        if (window.Handle() == nullptr) return false;
        enabled = ::IsWindowEnabled(::GetDlgItem(window.Handle(), IDC_FRAME_SHIRT_NUMBERS)) != FALSE;
        ::SendMessageW(window.Handle(), WM_COMMAND, IDOK, 0);
        return true;
    });
    window.DoModal();
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_TRUE(enabled);
}

}  // namespace
