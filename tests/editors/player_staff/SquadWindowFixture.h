#pragma once
// The squad window tests' fixture: a new club of England whose squad the
// tests fill, the window run modally, and the controls a user would touch.

#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include "editors/player_staff/squad/DlgPlayerlistClub.h"
#include "editors/player_staff/squad/PersonPage.h"
#include "editors/player_staff/PlayerStaffIds.h"
#include "tests/database/DatabaseTestSupport.h"
#include "tests/ui/GuiTestSupport.h"
#include "ui/base/CountryDirectory.h"
#include "ui/base/WorldCountryDirectory.h"
#include "win/WideText.h"

namespace squad_window_testing {

// A player's page tabs, as the squad window puts them.
constexpr int PositionTab = 1;
constexpr int AbilitiesTab = 2;
constexpr int HistoryTab = 5;
constexpr int ContractTab = 6;

// A visible dialog of this thread holding a control of that id, or null:
// the window a command opened over the squad window.
HWND FindDialogWith(int controlId);
// Selects the row of a list box by its item data, as a click would.
bool SelectRowByData(HWND dialog, int listId, LPARAM data);
// Chooses the club in the club picker, moved off the screen first so that
// its closing repaints nothing of the window below it.
void PickClubOutOfTheWay(HWND picker, int countryId, std::uint32_t clubId);
// Chooses the item of a combo box by its item data, as a click would.
bool ChooseItemByData(HWND dialog, int comboId, LPARAM data);
// A user's change of the person page tab, through the control's own path.
void SelectPageTab(CDlgPlayerlistClub& window, int index);
// The same for the tab over the lists.
void SelectListTab(CDlgPlayerlistClub& window, int index);

class SquadWindowTest : public database_testing::CurrentWorldTest {
protected:
    void SetUp() override
    {
        CurrentWorldTest::SetUp();
        SetCountryDirectory(&directory_);
        TCountry& england = *world_->GetCountry(14);
        club_ = england.GetClubByUniqueId(england.CreateClub(u"Squad"));
    }
    void TearDown() override
    {
        SetCountryDirectory(nullptr);
        CurrentWorldTest::TearDown();
    }

    TPerson* Add(const char16_t* last, std::uint8_t type = 0, TDate born = TDate(1980, 1, 1))
    {
        TPerson* person = world_->CreatePerson(world_->GetFreePersonId(), false);
        person->SetType(type);
        person->SetFirstName(u"Jo");
        person->SetLastName(last);
        person->SetNationality(14);
        person->SetBirthDate(born);
        person->SetPosition(0, 16);
        club_->AddPlayer(person);
        return person;
    }

    // Runs the window; step acts from inside its modal loop until it returns true.
    INT_PTR Run(CDlgPlayerlistClub& window, const std::function<bool()>& step)
    {
        gui_test::ModalDriver driver([&] { return window.Handle() != nullptr && step(); });
        const INT_PTR result = window.DoModal();
        EXPECT_FALSE(driver.TimedOut());
        return result;
    }

    static HWND ListBoxOf(CDlgPlayerlistClub& window, int part)
    {
        return ::GetDlgItem(window.GetSquadList(part).Handle(), IDC_LIST_PLAYERS);
    }

    static std::u16string RowText(HWND list, int row)
    {
        wchar_t text[256] = {};
        ::SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text));
        return win::U(text);
    }

    static void Select(CDlgPlayerlistClub& window, int part, int row)
    {
        HWND list = ListBoxOf(window, part);
        ::SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
        ::SendMessageW(window.GetSquadList(part).Handle(), WM_COMMAND, MAKEWPARAM(IDC_LIST_PLAYERS, LBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(list));
    }

    static void SelectPageTab(CDlgPlayerlistClub& window, int index) { squad_window_testing::SelectPageTab(window, index); }
    static std::u16string ItemText(HWND dialog, int id) { return gui_test::ItemText(dialog, id); }

    static HWND CommonPage(CDlgPlayerlistClub& window)
    {
        return window.GetPage(CDlgPlayerlistClub::CommonPage)->Handle();
    }

    CWorldCountryDirectory directory_;
    TClub* club_ = nullptr;
};

}  // namespace squad_window_testing
