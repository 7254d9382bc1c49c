#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editors/player_staff/search/ClubChooserHook.h"
#include "editors/player_staff/squad/DlgManagerList.h"
#include "editors/player_staff/squad/DlgPlayerlistClub.h"
#include "editors/player_staff/squad/PersonPage.h"
#include "editors/player_staff/PlayerStaffIds.h"
#include "resources/StaffPagesIds.h"
#include "tests/app/AppTestSupport.h"
#include "tests/database/DatabaseTestSupport.h"
#include "tests/editors/player_staff/SquadWindowFixture.h"
#include "tests/ui/GuiTestSupport.h"
#include "ui/base/CountryDirectory.h"
#include "ui/base/WorldCountryDirectory.h"
#include "win/WideText.h"

namespace {

constexpr int England = 14;
constexpr int ManagerCommand = 32780;
constexpr int GoalkeeperCoachCommand = 32790;

class StaffTabTest : public database_testing::CurrentWorldTest {
protected:
    void SetUp() override
    {
        CurrentWorldTest::SetUp();
        SetCountryDirectory(&directory_);
        SetClubChooser(nullptr);
        TCountry& england = *world_->GetCountry(England);
        england.SetLanguage(0, 13);
        england.SetLanguage(1, 40);
        club_ = england.GetClubByUniqueId(england.CreateClub(u"Staffed"));
        other_ = england.GetClubByUniqueId(england.CreateClub(u"Other"));
    }
    void TearDown() override
    {
        SetClubChooser(nullptr);
        SetCountryDirectory(nullptr);
        CurrentWorldTest::TearDown();
    }

    TPerson* Add(const char16_t* last, std::uint8_t type)
    {
        TPerson* person = world_->CreatePerson(world_->GetFreePersonId(), false);
        person->SetType(type);
        person->SetFirstName(u"Jo");
        person->SetLastName(last);
        person->SetNationality(England);
        person->SetPosition(0, 16);
        club_->AddPlayer(person);
        return person;
    }

    // Runs the squad window on the staff tab; step acts inside its modal loop.
    void RunOnStaffTab(const std::function<void()>& step)
    {
        window_.SetClub(club_);
        window_.SetProblemBox([](HWND, const std::u16string&) { return INT_PTR{2}; });
        gui_test::ModalDriver driver([&] {
            if (window_.Handle() == nullptr) return false;
            SelectListTab(CDlgPlayerlistClub::StaffTab);
            step();
            ::SendMessageW(window_.Handle(), WM_COMMAND, IDOK, 0);
            return true;
        });
        window_.DoModal();
        EXPECT_FALSE(driver.TimedOut());
    }

    void SelectListTab(int index) { squad_window_testing::SelectListTab(window_, index); }
    void SelectPageTab(int index) { squad_window_testing::SelectPageTab(window_, index); }

    void StaffCommand(int command)
    {
        ::SendMessageW(window_.GetStaffList().Handle(), WM_COMMAND, static_cast<WPARAM>(command), 0);
    }

    void SelectStaffRow(int row)
    {
        HWND list = ::GetDlgItem(window_.GetStaffList().Handle(), IDC_MANAGER_LIST);
        ::SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
        ::SendMessageW(window_.GetStaffList().Handle(), WM_COMMAND, MAKEWPARAM(IDC_MANAGER_LIST, LBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(list));
    }

    HWND AbilitiesPage() { return window_.GetPage(CDlgPlayerlistClub::StaffAbilitiesPage)->Handle(); }

    // Chooses the combo box item whose data is value, as a click would.
    static void ChooseItem(HWND page, int id, LPARAM value)
    {
        EXPECT_TRUE(squad_window_testing::ChooseItemByData(page, id, value)) << "no item with data " << value << " in " << id;
    }

    static void TypeAbility(HWND page, int id, int value)
    {
        // A spin edit takes its typed text when the edit loses the focus.
        HWND edit = ::GetDlgItem(page, id);
        ::SetWindowTextW(edit, std::to_wstring(value).c_str());
        ::SendMessageW(page, WM_COMMAND, MAKEWPARAM(id, EN_KILLFOCUS), reinterpret_cast<LPARAM>(edit));
    }

    TPerson* AddBossBeyondTheRows();

    static std::vector<int> Values(const TPerson& person)
    {
        std::vector<int> values;
        for (int index = 0; index < 4; ++index) values.push_back(person.GetStaffAbility(index));
        for (int slot = 0; slot < TPerson::LanguageSlots; ++slot) values.push_back(person.GetLanguage(slot));
        values.push_back(static_cast<int>(person.GetCharacterWord()));
        return values;
    }

    static std::u16string ItemText(HWND dialog, int id)
    {
        wchar_t text[256] = {};
        ::GetDlgItemTextW(dialog, id, text, 256);
        return win::U(text);
    }

    CWorldCountryDirectory directory_;
    CDlgPlayerlistClub window_{CDlgPlayerlistClub::ClubSquad};
    TClub* club_ = nullptr;
    TClub* other_ = nullptr;
};

TEST_F(StaffTabTest, ThePlayerPagesGiveWayToTheTwoStaffPagesAndBack)
{
    Add(u"Boss", 1);
    int staffTabs = 0;
    int staffSet = -1;
    int playerTabs = 0;
    window_.SetClub(club_);
    RunOnStaffTab([&] {
        staffTabs = window_.GetPageTabs().GetItemCount();
        staffSet = window_.GetPageSet();
        SelectListTab(0);
        playerTabs = window_.GetPageTabs().GetItemCount();
    });
    EXPECT_EQ(staffTabs, 2);
    EXPECT_EQ(staffSet, CDlgPlayerlistClub::StaffPages);
    EXPECT_GT(playerTabs, 2);
    EXPECT_EQ(window_.GetPageSet(), CDlgPlayerlistClub::PlayerPages);
}

TEST_F(StaffTabTest, AManagerJoinsWithTheCountrysFirstTwoLanguagesAndOnlyOnce)
{
    const int persons = world_->GetPersonCount();
    std::u16string count;
    TPerson* shown = nullptr;
    RunOnStaffTab([&] {
        StaffCommand(ManagerCommand);
        StaffCommand(ManagerCommand);
        count = ItemText(window_.GetStaffList().Handle(), IDC_MANAGER_COUNT);
        shown = window_.GetCurrentPerson();
    });
    EXPECT_EQ(world_->GetPersonCount(), persons + 1) << "the second Manager is grayed";
    ASSERT_EQ(club_->GetSquadCount(), 1);
    TPerson* boss = club_->GetSquadPerson(0);
    EXPECT_EQ(boss->GetType(), 1);
    EXPECT_EQ(boss->GetNationality(), England);
    EXPECT_EQ(boss->GetLanguage(0), 13);
    EXPECT_EQ(boss->GetLanguage(1), 40);
    EXPECT_EQ(count, u"1");
    EXPECT_EQ(shown, boss);
}

TEST_F(StaffTabTest, ARealPersonsAbilitiesShowADashAndAreKept)
{
    TPerson* boss = Add(u"Boss", 1);
    boss->SetRealPerson(true);
    for (int index = 0; index < 4; ++index) boss->SetStaffAbility(index, static_cast<std::uint8_t>(3 + index));
    std::u16string motivation;
    RunOnStaffTab([&] {
        SelectPageTab(1);
        motivation = ItemText(AbilitiesPage(), IDC_MANAGER_MOTIVATION);
        SelectPageTab(0);
    });
    EXPECT_EQ(motivation, u"-");
    for (int index = 0; index < 4; ++index) EXPECT_EQ(boss->GetStaffAbility(index), 3 + index);
}

TEST_F(StaffTabTest, AManagersAbilitiesAndLanguagesAreStoredCompacted)
{
    TPerson* boss = Add(u"Boss", 1);
    RunOnStaffTab([&] {
        SelectPageTab(1);
        HWND page = AbilitiesPage();
        TypeAbility(page, IDC_MANAGER_COACHING, 12);
        // slot 0 English (13), slot 1 the same again, slot 2 language 7.
        ChooseItem(page, IDC_MANAGER_LANGUAGE0, 13);
        ChooseItem(page, IDC_MANAGER_LANGUAGE1, 13);
        ChooseItem(page, IDC_MANAGER_LANGUAGE2, 7);
        SelectPageTab(0);
    });
    EXPECT_EQ(boss->GetStaffAbility(1), 12);
    EXPECT_EQ(boss->GetLanguage(0), 13);
    EXPECT_EQ(boss->GetLanguage(1), 7) << "the repeated language is cleared and the rest close up";
    EXPECT_EQ(boss->GetLanguage(2), 0);
}

// Abilities above the spins' 15, languages and a character no row offers:
// the page shows what it can, and only what the user changes is written.
TPerson* StaffTabTest::AddBossBeyondTheRows()
{
    TPerson* boss = Add(u"Boss", 1);
    const std::uint8_t abilities[] = {20, 16, 255, 7};
    for (int index = 0; index < 4; ++index) boss->SetStaffAbility(index, abilities[index]);
    const std::uint8_t languages[TPerson::LanguageSlots] = {63, 13, 200, 0};
    boss->SetLanguageSlots(languages);
    boss->SetCharacterWord(12);
    return boss;
}

TEST_F(StaffTabTest, LookingAtValuesTheControlsCannotShowChangesNone)
{
    TPerson* boss = AddBossBeyondTheRows();
    RunOnStaffTab([&] {
        SelectPageTab(1);
        SelectPageTab(0);
    });
    EXPECT_EQ(Values(*boss), (std::vector<int>{20, 16, 255, 7, 63, 13, 200, 0, 12}));
}

TEST_F(StaffTabTest, AChangedValueIsWrittenAndTheOthersStay)
{
    TPerson* boss = AddBossBeyondTheRows();
    RunOnStaffTab([&] {
        SelectPageTab(1);
        TypeAbility(AbilitiesPage(), IDC_MANAGER_COACHING, 9);
        ChooseItem(AbilitiesPage(), IDC_MANAGER_LANGUAGE2, 7);
        ChooseItem(AbilitiesPage(), IDC_MANAGER_CHARACTER, 4);
        SelectPageTab(0);
    });
    EXPECT_EQ(Values(*boss), (std::vector<int>{20, 9, 255, 7, 63, 13, 7, 0, 4}));
}

TEST_F(StaffTabTest, AGoalkeeperCoachsValuesAreDisabled)
{
    Add(u"Coach", 5);
    bool enabled = true;
    RunOnStaffTab([&] {
        SelectPageTab(1);
        enabled = ::IsWindowEnabled(::GetDlgItem(AbilitiesPage(), IDC_MANAGER_MOTIVATION)) ||
                  ::IsWindowEnabled(::GetDlgItem(AbilitiesPage(), IDC_MANAGER_LANGUAGE0)) ||
                  ::IsWindowEnabled(::GetDlgItem(AbilitiesPage(), IDC_MANAGER_CHARACTER));
    });
    EXPECT_FALSE(enabled);
}

TEST_F(StaffTabTest, DeletingTheLastMemberAsksNothingAndLeavesZero)
{
    Add(u"Coach", 5);
    std::u16string count;
    TPerson* shown = reinterpret_cast<TPerson*>(1);
    RunOnStaffTab([&] {
        StaffCommand(ID_MANAGER_DELETE);
        count = ItemText(window_.GetStaffList().Handle(), IDC_MANAGER_COUNT);
        shown = window_.GetCurrentPerson();
    });
    EXPECT_EQ(count, u"0");
    EXPECT_EQ(shown, nullptr);
    EXPECT_EQ(club_->GetSquadCount(), 0);
}

TEST_F(StaffTabTest, AfterADeletedCoachAPlayersStoreTouchesNoOtherRecord)
{
    TPerson* player = Add(u"Kicker", 0);
    player->SetStaffLevel(3);
    Add(u"Coach", 5);
    TPerson* doctor = Add(u"Doctor", 9);
    doctor->SetStaffLevel(2);
    RunOnStaffTab([&] {
        SelectStaffRow(0);
        StaffCommand(ID_MANAGER_DELETE);
        SelectListTab(0);
        SelectPageTab(1);
        SelectPageTab(0);
    });
    EXPECT_EQ(player->GetStaffLevel(), 3);
    EXPECT_EQ(doctor->GetStaffLevel(), 2);
    EXPECT_EQ(club_->GetSquadCount(), 2);
}

TEST_F(StaffTabTest, WithoutAClubChooserNobodyMoves)
{
    TPerson* scout = Add(u"Scout", 8);
    RunOnStaffTab([&] { StaffCommand(ID_MANAGER_MOVE); });
    EXPECT_EQ(club_->FindPlayer(scout->GetId()), scout);
}

TEST_F(StaffTabTest, AMoveGoesToTheChosenClub)
{
    TPerson* scout = Add(u"Scout", 8);
    int presetCountry = 0;
    SetClubChooser([&](HWND, int country) {
        presetCountry = country;
        return other_->GetId();
    });
    int rows = -1;
    RunOnStaffTab([&] {
        StaffCommand(ID_MANAGER_MOVE);
        rows = window_.GetStaffList().GetRowCount();
    });
    EXPECT_EQ(presetCountry, England);
    EXPECT_EQ(rows, 0);
    EXPECT_EQ(club_->FindPlayer(scout->GetId()), nullptr);
    EXPECT_EQ(other_->FindPlayer(scout->GetId()), scout);
}

// Chooses the list row whose item data is value, as a click would.
void ChooseRow(HWND dialog, int id, LPARAM value)
{
    EXPECT_TRUE(squad_window_testing::SelectRowByData(dialog, id, value)) << "no row with data " << value << " in " << id;
}

TEST_F(StaffTabTest, ATakeOverBringsTheChosenStaffMemberFromTheOtherClub)
{
    TPerson* scout = world_->CreatePerson(world_->GetFreePersonId(), false);
    scout->SetType(8);
    scout->SetLastName(u"Scout");
    other_->AddPlayer(scout);
    int rows = 0;
    RunOnStaffTab([&] {
        gui_test::ModalDriver picker([&] {
            HWND dialog = app_test::FindDialogWith(IDC_SELECT_COUNTRIES);
            if (dialog == nullptr) return false;
            ChooseRow(dialog, IDC_SELECT_CLUBS, static_cast<LPARAM>(other_->GetId()));
            ChooseRow(dialog, IDC_SELECT_PERSONS, static_cast<LPARAM>(scout->GetId()));
            ::SendMessageW(dialog, WM_COMMAND, IDOK, 0);
            return true;
        });
        StaffCommand(ID_MANAGER_TAKE_OVER);
        EXPECT_FALSE(picker.TimedOut());
        rows = window_.GetStaffList().GetRowCount();
    });
    EXPECT_EQ(club_->FindPlayer(scout->GetId()), scout);
    EXPECT_EQ(other_->FindPlayer(scout->GetId()), nullptr);
    EXPECT_EQ(rows, 1);
}

// The up-down beside a spin edit of the page.
HWND SpinBeside(HWND page, int editId)
{
    HWND edit = ::GetDlgItem(page, editId);
    for (HWND child = ::GetWindow(page, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[32] = {};
        ::GetClassNameW(child, name, 32);
        if (::lstrcmpiW(name, UPDOWN_CLASSW) == 0 && reinterpret_cast<HWND>(::SendMessageW(child, UDM_GETBUDDY, 0, 0)) == edit) {
            return child;
        }
    }
    return nullptr;
}

TEST_F(StaffTabTest, AClickOnAnAbilitysArrowIsStoredAtOnce)
{
    TPerson* boss = Add(u"Boss", 1);
    boss->SetStaffAbility(0, 4);
    int whileShown = -1;
    RunOnStaffTab([&] {
        SelectPageTab(1);
        HWND spin = SpinBeside(AbilitiesPage(), IDC_MANAGER_MOTIVATION);
        ASSERT_NE(spin, nullptr);
        RECT area{};
        ::GetClientRect(spin, &area);
        const LPARAM upperArrow = MAKELPARAM(area.right / 2, area.bottom / 4);
        ::SendMessageW(spin, WM_LBUTTONDOWN, MK_LBUTTON, upperArrow);
        ::SendMessageW(spin, WM_LBUTTONUP, 0, upperArrow);
        whileShown = boss->GetStaffAbility(0);
        SelectPageTab(0);
    });
    EXPECT_EQ(whileShown, 5) << "stored before the page is left";
    EXPECT_EQ(boss->GetStaffAbility(0), 5);
}

TEST_F(StaffTabTest, AnotherStaffMembersRepeatedLanguagesAreClearedAndCloseUpWhileHisValuesStay)
{
    TPerson* coach = Add(u"Coach", 5);
    const std::uint8_t languages[TPerson::LanguageSlots] = {5, 5, 3, 5};
    coach->SetLanguageSlots(languages);
    coach->SetStaffAbility(2, 9);
    coach->SetCharacterWord(3);
    RunOnStaffTab([&] {
        SelectPageTab(1);
        SelectPageTab(0);
    });
    EXPECT_EQ(coach->GetLanguage(0), 5);
    EXPECT_EQ(coach->GetLanguage(1), 3);
    EXPECT_EQ(coach->GetLanguage(2), 0);
    EXPECT_EQ(coach->GetLanguage(3), 0);
    EXPECT_EQ(coach->GetStaffAbility(2), 9);
    EXPECT_EQ(coach->GetCharacterWord(), 3u);
}

}  // namespace
