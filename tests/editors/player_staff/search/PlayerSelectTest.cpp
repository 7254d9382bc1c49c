#include <windows.h>

#include <gtest/gtest.h>

#include "editors/player_staff/search/DlgPlayerSelect.h"
#include "editors/player_staff/PlayerStaffIds.h"
#include "tests/database/DatabaseTestSupport.h"
#include "tests/ui/GuiTestSupport.h"
#include "ui/base/CountryDirectory.h"
#include "ui/base/WorldCountryDirectory.h"
#include "win/WideText.h"

namespace {

class PlayerSelectTest : public database_testing::CurrentWorldTest {
protected:
    void SetUp() override
    {
        CurrentWorldTest::SetUp();
        SetCountryDirectory(&directory_);
        TCountry& england = *world_->GetCountry(14);
        club_ = england.GetClubByUniqueId(england.CreateClub(u"Picked"));
    }
    void TearDown() override
    {
        SetCountryDirectory(nullptr);
        CurrentWorldTest::TearDown();
    }

    TPerson* Add(const char16_t* last, std::uint8_t type)
    {
        TPerson* person = world_->CreatePerson(world_->GetFreePersonId(), false);
        person->SetFirstName(u"Jo");
        person->SetLastName(last);
        person->SetType(type);
        club_->AddPlayer(person);
        return person;
    }

    CWorldCountryDirectory directory_;
    TClub* club_ = nullptr;
};

TEST_F(PlayerSelectTest, ThePickerStartsWithNobodyAndReturnsTheChosenPerson)
{
    TPerson* player = Add(u"Player", 0);
    Add(u"Coach", 5);
    CDlgPlayerSelect picker;
    picker.SetClubId(club_->GetId());
    std::vector<std::u16string> rows;
    LPARAM firstData = -1;
    gui_test::ModalDriver driver([&] {
        HWND dialog = picker.Handle();
        if (dialog == nullptr) return false;
        HWND list = ::GetDlgItem(dialog, IDC_SELECT_PERSONS);
        const int count = static_cast<int>(::SendMessageW(list, LB_GETCOUNT, 0, 0));
        for (int row = 0; row < count; ++row) {
            wchar_t text[256] = {};
            ::SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text));
            rows.push_back(win::U(text));
        }
        firstData = ::SendMessageW(list, LB_GETITEMDATA, 0, 0);
        ::SendMessageW(list, LB_SETCURSEL, 1, 0);
        ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_SELECT_PERSONS, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
        ::SendMessageW(dialog, WM_COMMAND, IDOK, 0);
        return true;
    });
    EXPECT_EQ(picker.DoModal(), IDOK);
    EXPECT_FALSE(driver.TimedOut());
    ASSERT_EQ(rows.size(), 2u) << "players only: the staff member is not listed";
    EXPECT_EQ(rows[0], u"(nobody)");
    EXPECT_EQ(firstData, 0);
    EXPECT_TRUE(rows[1].starts_with(u"Player, J.\t"));
    EXPECT_EQ(picker.GetSelectedPersonId(), player->GetId());
    EXPECT_EQ(picker.GetSelectedPerson(), player);
}

// The picker of players and the picker of staff, whose labels and title
// change, each whole in every language, a staff member of every role among
// the persons.
TEST_F(PlayerSelectTest, BothPickersShowEveryTextWholeInEachLanguage)
{
    Add(u"Player", 0);
    for (int type = PersonManager; type <= PersonLastStaffType; ++type) Add(u"Staff", static_cast<std::uint8_t>(type));
    for (const bool staff : {false, true}) {
        SCOPED_TRACE(staff ? "staff" : "players");
        gui_test::InEachLanguage([&] {
            CDlgPlayerSelect picker;
            picker.SetFilter(!staff, staff, false);
            picker.SetClubId(club_->GetId());
            ASSERT_TRUE(picker.Create(nullptr));
            gui_test::ExpectWholeLayout(picker.Handle(), "picker");
            picker.Destroy();
        });
    }
}

}  // namespace
