#include <windows.h>

#include <gtest/gtest.h>

#include "app/MainWindowLaunchers.h"
#include "core/Random.h"
#include "core/text/TextManager.h"
#include "database/club/Club.h"
#include "database/country/Country.h"
#include "database/person/Person.h"
#include "editors/player_staff/squad/DlgPlayerlistClub.h"
#include "editors/player_staff/staff/DlgPlayerGenerator.h"
#include "editors/player_staff/PlayerStaffIds.h"
#include "editors/player_staff/PlayerStaffLaunchers.h"
#include "editors/player_staff/staff/SquadGenerators.h"
#include "editors/player_staff/model/staff/PlayerGeneratorProposal.h"
#include "resources/StaffPagesIds.h"
#include "tests/common/TestSupport.h"
#include "tests/database/DatabaseTestSupport.h"
#include "tests/editors/player_staff/SquadWindowFixture.h"
#include "tests/ui/GuiTestSupport.h"
#include "ui/base/CountryDirectory.h"
#include "ui/base/WorldCountryDirectory.h"
#include "win/WideText.h"

namespace {

constexpr int England = 14;

class PlayerGeneratorTest : public database_testing::CurrentWorldTest {
protected:
    void SetUp() override
    {
        CurrentWorldTest::SetUp();
        SetCountryDirectory(&directory_);
        TCountry& england = *world_->GetCountry(England);
        club_ = england.GetClubByUniqueId(england.CreateClub(u"Generated"));
        for (int number : {12, 13}) {
            TPerson* wearer = world_->CreatePerson(world_->GetFreePersonId(), false);
            wearer->SetLastName(u"Wearer");
            wearer->SetShirtNumber(static_cast<std::uint8_t>(number));
            club_->AddPlayer(wearer);
        }
        person_ = world_->CreatePerson(world_->GetFreePersonId(), false);
    }
    void TearDown() override
    {
        SetCountryDirectory(nullptr);
        CurrentWorldTest::TearDown();
    }

    INT_PTR Run(const std::function<void(HWND)>& step)
    {
        CDlgPlayerGenerator dialog(club_, person_);
        gui_test::ModalDriver driver([&] {
            if (dialog.Handle() == nullptr) return false;
            step(dialog.Handle());
            return true;
        });
        const INT_PTR result = dialog.DoModal();
        EXPECT_FALSE(driver.TimedOut());
        return result;
    }

    static std::u16string Text(HWND dialog, int id)
    {
        wchar_t text[256] = {};
        ::GetDlgItemTextW(dialog, id, text, 256);
        return win::U(text);
    }

    static void TypeNumber(HWND dialog, int id, int value)
    {
        // A spin edit takes its typed text when the edit loses the focus.
        HWND edit = ::GetDlgItem(dialog, id);
        ::SetWindowTextW(edit, std::to_wstring(value).c_str());
        ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, EN_KILLFOCUS), reinterpret_cast<LPARAM>(edit));
    }

    void AddWearer(int number, bool reserveTeam)
    {
        TPerson* wearer = world_->CreatePerson(world_->GetFreePersonId(), false);
        wearer->SetLastName(u"Wearer");
        if (reserveTeam) wearer->SetReserveTeam();
        wearer->SetShirtNumberIn(reserveTeam, static_cast<std::uint8_t>(number));
        club_->AddPlayer(wearer);
    }

    CWorldCountryDirectory directory_;
    TClub* club_ = nullptr;
    TPerson* person_ = nullptr;
};

TEST_F(PlayerGeneratorTest, TheDialogShowsTheModelsProposalForTheSameSeed)
{
    for (unsigned seed : {1u, 2u, 3u, 40u}) {
        CrtSrand(seed);
        const PlayerGeneratorProposal::TProposal expected = PlayerGeneratorProposal::Propose(*club_, England, false, false);
        CrtSrand(seed);
        std::u16string last, first, number, level;
        LRESULT position = -1;
        LRESULT talent = -1;
        Run([&](HWND dialog) {
            last = Text(dialog, IDC_GENERATOR_LAST_NAME);
            first = Text(dialog, IDC_GENERATOR_FIRST_NAME);
            number = Text(dialog, IDC_GENERATOR_SHIRT_NUMBER);
            level = Text(dialog, IDC_GENERATOR_LEVEL);
            position = ::SendDlgItemMessageW(dialog, IDC_GENERATOR_POSITION, CB_GETCURSEL, 0, 0);
            talent = ::SendDlgItemMessageW(dialog, IDC_GENERATOR_TALENT, CB_GETCURSEL, 0, 0);
            ::SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        });
        EXPECT_EQ(last, expected.lastName) << seed;
        EXPECT_EQ(first, expected.firstName) << seed;
        EXPECT_EQ(position, expected.position - 1) << seed;
        EXPECT_EQ(talent, expected.talent) << seed;
        EXPECT_EQ(level, win::U(std::to_wstring(expected.level).c_str())) << seed;
        EXPECT_EQ(number, win::U(std::to_wstring(expected.shirtNumber).c_str())) << seed;
    }
}

TEST_F(PlayerGeneratorTest, ANumberMovedOntoWornOnesStepsPastThem)
{
    std::u16string up, down;
    Run([&](HWND dialog) {
        TypeNumber(dialog, IDC_GENERATOR_SHIRT_NUMBER, 11);
        TypeNumber(dialog, IDC_GENERATOR_SHIRT_NUMBER, 12);
        up = Text(dialog, IDC_GENERATOR_SHIRT_NUMBER);
        TypeNumber(dialog, IDC_GENERATOR_SHIRT_NUMBER, 13);
        down = Text(dialog, IDC_GENERATOR_SHIRT_NUMBER);
        ::SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(up, u"14");
    EXPECT_EQ(down, u"11");
}

TEST_F(PlayerGeneratorTest, OkMakesThePersonTheShownPlayer)
{
    std::u16string age;
    const INT_PTR result = Run([&](HWND dialog) {
        ::SetDlgItemTextW(dialog, IDC_GENERATOR_LAST_NAME, L"Proposed");
        ::SetDlgItemTextW(dialog, IDC_GENERATOR_FIRST_NAME, L"Paul");
        ::SendDlgItemMessageW(dialog, IDC_GENERATOR_POSITION, CB_SETCURSEL, 5, 0);
        TypeNumber(dialog, IDC_GENERATOR_SHIRT_NUMBER, 11);
        TypeNumber(dialog, IDC_GENERATOR_SHIRT_NUMBER, 12);
        age = Text(dialog, IDC_GENERATOR_AGE);
        ::SendMessageW(dialog, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(std::u16string(person_->GetLastName()), u"Proposed");
    EXPECT_EQ(std::u16string(person_->GetFirstName()), u"Paul");
    EXPECT_EQ(person_->GetPosition(0), 6);
    EXPECT_EQ(person_->GetShirtNumber(), 14);
    EXPECT_NE(age.find(win::U(std::to_wstring(person_->GetAge()).c_str())), std::u16string::npos) << "the age text";
    EXPECT_EQ(club_->FindPlayer(person_->GetId()), nullptr) << "the caller adds him";
}

TEST_F(PlayerGeneratorTest, CancelLeavesThePersonAsHeWas)
{
    const std::u16string name = person_->GetLastName();
    const INT_PTR result = Run([](HWND dialog) { ::SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0); });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(std::u16string(person_->GetLastName()), name);
    EXPECT_EQ(person_->GetShirtNumber(), 0);
}

TEST_F(PlayerGeneratorTest, AYouthPlayersProposedBirthYearIsAYouthYear)
{
    person_->SetYouthPlayer(true);
    const int youngest = GetAgeToday(TDate(1995, 12, 31));
    const int oldest = GetAgeToday(TDate(1990, 1, 1));
    for (unsigned seed = 1; seed <= 5; ++seed) {
        CrtSrand(seed);
        std::u16string age;
        Run([&](HWND dialog) {
            age = Text(dialog, IDC_GENERATOR_AGE);
            ::SendMessageW(dialog, WM_COMMAND, IDOK, 0);
        });
        const int year = person_->GetBirthDate().GetYear();
        EXPECT_GE(year, 1990) << seed;
        EXPECT_LE(year, 1995) << seed;
        const std::u16string digits = age.substr(age.find_first_of(u"0123456789"), 2);
        const int shown = std::stoi(std::string(digits.begin(), digits.end()));
        EXPECT_GE(shown, youngest) << seed;
        EXPECT_LE(shown, oldest) << seed;
        person_->SetYouthPlayer(true);
    }
}

// The generator the program installs for the squad list's command: it
// writes the proposal into the person on OK and nothing on Cancel.
TEST_F(PlayerGeneratorTest, TheRegisteredGeneratorWritesTheYouthProposalOnOk)
{
    TMainWindowLaunchers launchers;
    RegisterPlayerStaffEditors(launchers);
    ASSERT_TRUE(GetSquadGenerators().player);
    person_->SetYouthPlayer(true);
    std::u16string number;
    gui_test::ModalDriver driver([&] {
        HWND dialog = gui_test::FindThreadDialog();
        if (dialog == nullptr) return false;
        number = Text(dialog, IDC_GENERATOR_SHIRT_NUMBER);
        ::SendMessageW(dialog, WM_COMMAND, IDOK, 0);
        return true;
    });
    EXPECT_TRUE(GetSquadGenerators().player(nullptr, *club_, *person_));
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_GE(person_->GetBirthDate().GetYear(), 1990);
    EXPECT_EQ(win::U(std::to_wstring(person_->GetShirtNumber()).c_str()), number);
    GetSquadGenerators() = {};
}

TEST_F(PlayerGeneratorTest, TheRegisteredGeneratorChangesNothingOnCancel)
{
    TMainWindowLaunchers launchers;
    RegisterPlayerStaffEditors(launchers);
    const std::u16string before = person_->GetLastName();
    gui_test::ModalDriver driver([&] {
        HWND dialog = gui_test::FindThreadDialog();
        if (dialog == nullptr) return false;
        ::SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        return true;
    });
    EXPECT_FALSE(GetSquadGenerators().player(nullptr, *club_, *person_));
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_EQ(person_->GetLastName(), before);
    GetSquadGenerators() = {};
}

// Opened from the second team's list, the generator offers the reserve
// team's free numbers, and the player wears the one chosen there.
TEST_F(PlayerGeneratorTest, APlayerGeneratedForTheSecondTeamWearsTheReserveNumberChosen)
{
    TMainWindowLaunchers launchers;
    RegisterPlayerStaffEditors(launchers);
    // The first team wears 1 to 14, the reserve team 1 and 2.
    for (int number = 1; number <= 11; ++number) AddWearer(number, false);
    AddWearer(14, false);
    AddWearer(1, true);
    AddWearer(2, true);
    int reserveFree[PlayerGeneratorProposal::PositionCount + 1] = {};
    for (int position = 1; position <= PlayerGeneratorProposal::PositionCount; ++position) {
        reserveFree[position] = club_->GetFreeShirtNumber(position, true);
    }
    const int squad = club_->GetSquadCount();
    CDlgPlayerlistClub window(CDlgPlayerlistClub::ClubSquad);
    window.SetClub(club_);
    window.SetProblemBox([](HWND, const std::u16string&) { return INT_PTR{2}; });
    int stage = 0;
    std::u16string proposed;
    LRESULT position = 0;
    std::u16string steppedDown;
    gui_test::ModalDriver driver([&] {
        if (window.Handle() == nullptr) return false;
        HWND generator = squad_window_testing::FindDialogWith(IDC_GENERATOR_DRAW_TALENT);
        if (stage == 0) {
            squad_window_testing::SelectListTab(window, 1);
            ::PostMessageW(window.GetSquadList(1).Handle(), WM_COMMAND, ID_LIST_GENERATE_PLAYER, 0);
            stage = 1;
            return false;
        }
        if (stage == 1) {
            if (generator == nullptr) return false;
            proposed = Text(generator, IDC_GENERATOR_SHIRT_NUMBER);
            HWND positions = ::GetDlgItem(generator, IDC_GENERATOR_POSITION);
            position = ::SendMessageW(positions, CB_GETITEMDATA, ::SendMessageW(positions, CB_GETCURSEL, 0, 0), 0);
            TypeNumber(generator, IDC_GENERATOR_SHIRT_NUMBER, 40);
            TypeNumber(generator, IDC_GENERATOR_SHIRT_NUMBER, 3);
            steppedDown = Text(generator, IDC_GENERATOR_SHIRT_NUMBER);
            TypeNumber(generator, IDC_GENERATOR_SHIRT_NUMBER, 40);
            ::SendMessageW(generator, WM_COMMAND, IDOK, 0);
            stage = 2;
            return false;
        }
        if (generator != nullptr) return false;
        ::SendMessageW(window.Handle(), WM_COMMAND, IDOK, 0);
        return true;
    });
    window.DoModal();
    EXPECT_FALSE(driver.TimedOut());
    ASSERT_EQ(stage, 2) << "the generator opened";
    ASSERT_GE(position, 1);
    ASSERT_LE(position, PlayerGeneratorProposal::PositionCount);
    EXPECT_EQ(proposed, win::U(std::to_wstring(reserveFree[position]).c_str())) << "the reserve team's free number";
    EXPECT_EQ(steppedDown, u"3") << "3 is worn in the first team only";
    ASSERT_EQ(club_->GetSquadCount(), squad + 1);
    TPerson* generated = club_->GetSquadPerson(squad);
    EXPECT_TRUE(generated->IsReserveTeam());
    EXPECT_EQ(database_testing::ExportedShirtNumbers(*generated), (std::pair<int, int>{0, 40}));
    GetSquadGenerators() = {};
}

// The proposal's texts, the age among them, whole in every language.
TEST_F(PlayerGeneratorTest, TheDialogShowsEveryTextWholeInEachLanguage)
{
    gui_test::InEachLanguage([&] {
        Run([&](HWND dialog) {
            gui_test::ExpectWholeLayout(dialog, "player generator");
            ::SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        });
    });
}

// The position combo has room for the positions' full names: each whole in
// its drop-down list.
TEST_F(PlayerGeneratorTest, ThePositionComboOffersFullNamesWholeInEachLanguage)
{
    gui_test::InEachLanguage([&] {
        std::vector<std::u16string> choices;
        Run([&](HWND dialog) {
            choices = gui_test::ComboTexts(dialog, IDC_GENERATOR_POSITION);
            gui_test::ExpectWholeLayout(dialog, "player generator");
            ::SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        });
        ASSERT_EQ(choices.size(), 17u);
        EXPECT_EQ(choices[0], testing_support::FullGoalkeeperNames[CTextManager::Instance()->GetLanguage()]);
    });
}

}  // namespace
