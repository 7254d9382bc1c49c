// The club, stadium and chairman pickers over the sample database, driven
// through their lists and scroll bar.
#include <windows.h>

#include <gtest/gtest.h>

#include "ClubEditorTestSupport.h"
#include "PickerTestSupport.h"
#include "database/club/Club.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/person/Person.h"
#include "database/world/WorldList.h"
#include "editors/country_club/club/DlgChairman.h"
#include "editors/country_club/club/DlgChooseClub.h"
#include "editors/country_club/club/DlgChooseStadion.h"
#include "resources/ClubEditorIds.h"
#include "tests/ui/GuiTestSupport.h"

namespace {

using club_test::Click;

using picker_test::ListData;
using picker_test::SelectRow;

class Pickers : public club_test::SampleClubTest {
protected:
    // Runs a picker, acting once from inside its loop.
    template <typename Dialog>
    INT_PTR Run(Dialog& dialog, const std::function<void(HWND)>& act)
    {
        bool acted = false;
        gui_test::ModalDriver driver([&] {
            if (dialog.Handle() == nullptr || !::IsWindowVisible(dialog.Handle())) return false;
            acted = true;
            act(dialog.Handle());
            return true;
        });
        const INT_PTR result = dialog.DoModal();
        EXPECT_TRUE(acted);
        return result;
    }
};

TEST_F(Pickers, CountriesWithoutClubsAreNotListedAndAReserveTeamCarriesBit24)
{
    const TTeamId club = Club(0).GetId();
    CDlgChooseClub picker;
    picker.SetSelectedClubId(club);
    const INT_PTR result = Run(picker, [&](HWND dialog) {
        for (const LPARAM id : ListData(dialog, IDC_PICK_COUNTRIES)) {
            if (id == 0) continue;
            EXPECT_GT(GetWorld()->GetCountry(static_cast<int>(id))->GetClubCountWithoutNationalTeam(), 0) << id;
        }
        EXPECT_EQ(::SendDlgItemMessageW(dialog, IDC_PICK_CLUBS, LB_GETITEMDATA,
                                        static_cast<WPARAM>(::SendDlgItemMessageW(dialog, IDC_PICK_CLUBS, LB_GETCURSEL, 0, 0)), 0),
                  static_cast<LPARAM>(club));
        SelectRow(dialog, IDC_PICK_CLUBS, static_cast<LPARAM>(club | ReserveTeamBit));
        Click(dialog, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(picker.GetSelectedClubIdRef(), club | ReserveTeamBit);
    EXPECT_EQ(picker.GetSelectedClub(), &Club(0));
}

TEST_F(Pickers, NationalTeamsOnlyWhenAsked)
{
    CDlgChooseClub picker;
    picker.SetCountry(Country().GetId());
    picker.SetNationalTeams(true);
    picker.SetIncludeReserveTeams(false);
    Run(picker, [&](HWND dialog) {
        const std::vector<LPARAM> rows = ListData(dialog, IDC_PICK_CLUBS);
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_TRUE(IsNationalTeamId(static_cast<TTeamId>(rows[0])));
        Click(dialog, IDCANCEL);
    });
}

TEST_F(Pickers, TheStadiumPickerSelectsTheOwnerWithOrWithoutBit24)
{
    const TTeamId owner = Club(1).GetId();
    for (const TTeamId given : {owner, owner | ReserveTeamBit}) {
        CDlgChooseStadion picker;
        picker.SetSelectedClubId(given);
        Run(picker, [&](HWND dialog) {
            const LRESULT row = ::SendDlgItemMessageW(dialog, IDC_PICK_CLUBS, LB_GETCURSEL, 0, 0);
            ASSERT_GE(row, 0);
            EXPECT_EQ(::SendDlgItemMessageW(dialog, IDC_PICK_CLUBS, LB_GETITEMDATA, static_cast<WPARAM>(row), 0),
                      static_cast<LPARAM>(owner));
            SelectRow(dialog, IDC_PICK_CLUBS, static_cast<LPARAM>(Club(0).GetId()));
            Click(dialog, IDCANCEL);
        });
        // The caller reads the id only after OK; a cancelled picker gives it nothing new to read.
        TTeamId read = 0;
        picker.GetSelectedClubId(read);
        EXPECT_EQ(read, Club(0).GetId());
    }
}

TEST_F(Pickers, TheChairmansValueFollowsArrowsAndDragsAlike)
{
    TPerson* person = GetWorld()->CreatePerson(GetWorld()->GetFreePersonId(), false);
    person->SetStability(1);
    // A hidden window stands in for the person page that hosts it.
    const HWND host = ::CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 300, 100, nullptr, nullptr, nullptr, nullptr);
    CDlgChairman page;
    ASSERT_TRUE(page.Create(host));
    page.SetPerson(person);
    const HWND bar = ::GetDlgItem(page.Handle(), IDC_CHAIRMAN_BAR);
    EXPECT_EQ(::GetScrollPos(bar, SB_CTL), 3);
    ::SendMessageW(page.Handle(), WM_HSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(bar));
    EXPECT_EQ(person->GetStability(), 0);
    EXPECT_EQ(::GetScrollPos(bar, SB_CTL), 4);
    ::SendMessageW(page.Handle(), WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 1), reinterpret_cast<LPARAM>(bar));
    EXPECT_EQ(person->GetStability(), 3);
    EXPECT_EQ(::GetScrollPos(bar, SB_CTL), 1);
    ::SendMessageW(page.Handle(), WM_HSCROLL, SB_LINEUP, reinterpret_cast<LPARAM>(bar));
    EXPECT_EQ(person->GetStability(), 4);
    page.Destroy();
    ::DestroyWindow(host);
}

}  // namespace
