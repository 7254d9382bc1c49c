#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "app/MainWindowLaunchers.h"
#include "database/world/CompleteWorld.h"
#include "editors/player_staff/PlayerStaffIds.h"
#include "editors/player_staff/PlayerStaffLaunchers.h"
#include "editors/player_staff/search/PlayerDouble.h"
#include "tests/app/AppTestSupport.h"
#include "tests/database/DatabaseTestSupport.h"
#include "tests/ui/GuiTestSupport.h"

namespace {

class DuplicateWindowTest : public database_testing::CurrentWorldTest {
protected:
    TClub* NewClub(int countryId, const char16_t* name)
    {
        TCountry& country = *world_->GetCountry(countryId);
        return country.GetClubByUniqueId(country.CreateClub(name));
    }

    TPerson* Add(TClub* club, const char16_t* last)
    {
        TPerson* person = world_->CreatePerson(world_->GetFreePersonId(), false);
        person->SetFirstName(u"Jo");
        person->SetLastName(last);
        club->AddPlayer(person);
        return person;
    }
};

TEST_F(DuplicateWindowTest, TheSecondButtonTakesTheSecondPersonOutOfHisSquad)
{
    TClub* home = NewClub(14, u"Home");
    TClub* away = NewClub(21, u"Away");
    TPerson* first = Add(home, u"Twice");
    TPerson* second = Add(away, u"Twice");
    Add(away, u"Once");
    TMainWindowLaunchers launchers;
    RegisterPlayerStaffEditors(launchers);
    ASSERT_TRUE(launchers.duplicatePlayers);
    int rowsBefore = -1;
    int rowsAfter = -1;
    bool countryShown = false;
    gui_test::ModalDriver driver([&] {
        HWND dialog = gui_test::FindThreadDialog();
        if (dialog == nullptr) return false;
        HWND list = ::GetDlgItem(dialog, IDC_DOUBLE_LIST);
        rowsBefore = static_cast<int>(::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
        countryShown = ::IsWindowVisible(::GetDlgItem(dialog, IDC_DOUBLE_COUNTRY)) != FALSE;
        LVITEMW select{};
        select.stateMask = LVIS_SELECTED;
        select.state = LVIS_SELECTED;
        ::SendMessageW(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&select));
        ::SendMessageW(::GetDlgItem(dialog, IDC_DOUBLE_REMOVE_SECOND), BM_CLICK, 0, 0);
        rowsAfter = static_cast<int>(::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
        ::SendMessageW(dialog, WM_COMMAND, IDOK, 0);
        return true;
    });
    EXPECT_EQ(launchers.duplicatePlayers(nullptr, world_->GetCountry(14), home), IDOK);
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_EQ(rowsBefore, 1);
    EXPECT_TRUE(countryShown);
    EXPECT_EQ(rowsAfter, 0) << "the search ran again";
    EXPECT_EQ(home->FindPlayer(first->GetId()), first);
    EXPECT_EQ(away->FindPlayer(second->GetId()), nullptr);
    EXPECT_EQ(world_->GetPerson(second->GetId()), second) << "the record itself stays";
}

TEST_F(DuplicateWindowTest, APlayerWithoutClubPairsWithAClubPlayerAndLeavesTheList)
{
    TClub* home = NewClub(14, u"Home");
    TPerson* member = Add(home, u"Twice");
    TPerson* freeAgent = world_->CreatePerson(world_->GetFreePersonId(), false);
    freeAgent->SetFirstName(u"Jo");
    freeAgent->SetLastName(u"Twice");
    world_->GetFreeAgents().Add(freeAgent);
    TMainWindowLaunchers launchers;
    RegisterPlayerStaffEditors(launchers);
    int rowsBefore = -1;
    int rowsAfter = -1;
    std::u16string firstClub;
    gui_test::ModalDriver driver([&] {
        HWND dialog = gui_test::FindThreadDialog();
        if (dialog == nullptr) return false;
        HWND list = ::GetDlgItem(dialog, IDC_DOUBLE_LIST);
        rowsBefore = static_cast<int>(::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
        wchar_t text[128] = {};
        LVITEMW cell{};
        cell.iSubItem = 1;
        cell.pszText = text;
        cell.cchTextMax = 128;
        ::SendMessageW(list, LVM_GETITEMTEXTW, 0, reinterpret_cast<LPARAM>(&cell));
        firstClub = reinterpret_cast<const char16_t*>(text);
        LVITEMW select{};
        select.stateMask = LVIS_SELECTED;
        select.state = LVIS_SELECTED;
        ::SendMessageW(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&select));
        ::SendMessageW(::GetDlgItem(dialog, IDC_DOUBLE_REMOVE_SECOND), BM_CLICK, 0, 0);
        rowsAfter = static_cast<int>(::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
        ::SendMessageW(dialog, WM_COMMAND, IDOK, 0);
        return true;
    });
    launchers.duplicatePlayers(nullptr, nullptr, nullptr);
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_EQ(rowsBefore, 1);
    EXPECT_TRUE(firstClub.starts_with(u"Home (")) << "the club player comes first";
    EXPECT_EQ(rowsAfter, 0);
    EXPECT_EQ(world_->GetFreeAgents().GetCount(), 0);
    EXPECT_EQ(home->FindPlayer(member->GetId()), member);
    EXPECT_EQ(world_->GetPerson(freeAgent->GetId()), freeAgent) << "the record itself stays";
}

// The choices of the searched range name the country and the club in every
// language, each whole, and so does every position and staff role of the
// pairs.
TEST_F(DuplicateWindowTest, TheRangeChoicesShowWholeInEachLanguage)
{
    TClub* club = NewClub(14, u"Farbridge Athletic");
    const std::u16string names = u"ABCDEFGHIJKLMNOPQR";
    for (int position = 1; position <= 17; ++position) {
        const std::u16string name = u"Twice" + names.substr(static_cast<std::size_t>(position - 1), 1);
        for (int copy = 0; copy < 2; ++copy) Add(club, name.c_str())->SetPosition(0, static_cast<std::uint8_t>(position));
    }
    // Each role's pair has one person in the filter club, so it is shown.
    TClub* otherClub = NewClub(14, u"Farbridge Rovers");
    for (int type = PersonManager; type <= PersonLastStaffType; ++type) {
        const std::u16string name = u"Staff" + names.substr(static_cast<std::size_t>(type - 1), 1);
        for (TClub* staffClub : {club, otherClub}) Add(staffClub, name.c_str())->SetType(static_cast<std::uint8_t>(type));
    }
    gui_test::InEachLanguage([&] {
        CPlayerDouble window;
        window.SetContext(world_->GetCountry(14), club);
        ASSERT_TRUE(window.Create(nullptr));
        gui_test::ExpectWholeLayout(window.Handle(), "duplicate finder");
        window.Destroy();
    });
}

// The country choice names the country where no preposition or article
// must agree with it: no "de Angleterre" in French, no "z Anglia" in Polish.
TEST_F(DuplicateWindowTest, TheCountryChoiceNeedsNoArticleForTheCountry)
{
    const struct {
        int language;
        const char16_t* caption;
    } expected[] = {
        {CTextManager::English, u"Pairs with a person of "},       {CTextManager::French, u"Paires avec une personne du pays : "},
        {CTextManager::German, u"Paare mit einer Person aus dem Land: "}, {CTextManager::Italian, u"Coppie con una persona del paese: "},
        {CTextManager::Spanish, u"Pares con una persona de "},     {CTextManager::Polish, u"Pary z osobą z kraju: "},
    };
    TCountry* country = world_->GetCountry(14);
    for (const auto& row : expected) {
        CTextManager::Instance()->SetLanguage(row.language);
        CPlayerDouble window;
        window.SetContext(country, nullptr);
        ASSERT_TRUE(window.Create(nullptr));
        EXPECT_EQ(gui_test::ItemText(window.Handle(), IDC_DOUBLE_COUNTRY), row.caption + std::u16string(country->GetName()));
        window.Destroy();
    }
    CTextManager::Instance()->SetLanguage(CTextManager::English);
}

// The pairs of the sample, each club and country of them whole in every
// language, whichever club of the sample the finder is opened from.
class SampleDuplicates : public database_testing::SampleWorldTest {
protected:
    void SetUp() override
    {
        SampleWorldTest::SetUp();
        ASSERT_TRUE(world_->LoadWorld(u"Database"));
    }
};

// Opened from each club and national team: the captions that name them,
// and the pairs they filter; once with all pairs.
TEST_F(SampleDuplicates, EveryPairOfTheSampleShowsWholeInEachLanguage)
{
    app_test::InEachLanguageOfTheWorld(*world_, [&] {
        gui_test::DistinctLayoutFaults faults;
        bool allSeen = false;
        for (int id = 1; id <= 206; ++id) {
            TCountry* country = world_->GetCountry(id);
            for (int index = 0; country->GetId() == id && country->GetClubByIndex(index) != nullptr; ++index) {
                CPlayerDouble window;
                window.SetContext(country, country->GetClubByIndex(index));
                ASSERT_TRUE(window.Create(nullptr));
                const std::string where = "country " + std::to_string(id) + ", club " + std::to_string(index);
                faults.Look(window.Handle(), where);
                if (!std::exchange(allSeen, true)) {
                    ::SendDlgItemMessageW(window.Handle(), IDC_DOUBLE_ALL, BM_CLICK, 0, 0);
                    EXPECT_GT(::SendDlgItemMessageW(window.Handle(), IDC_DOUBLE_LIST, LVM_GETITEMCOUNT, 0, 0), 0);
                    faults.Look(window.Handle(), where + ", all pairs");
                }
                window.Destroy();
            }
        }
    });
}

// The club choice names the club where no article must agree with it: no
// "de Ashham Sporting" in French, no "z Ashham Sporting" in Polish.
TEST_F(SampleDuplicates, TheClubChoiceNeedsNoArticleForTheClub)
{
    const std::u16string prefixes[CTextManager::LanguageCount] = {
        u"Pairs with a person of ",           u"Paires avec une personne du club : ", u"Paare mit einer Person aus dem Verein: ",
        u"Coppie con una persona del club: ", u"Pares con una persona del club: ",    u"Pary z osobą z klubu: ",
    };
    TCountry* england = world_->GetCountry(14);
    int index = 0;
    while (IsNationalTeamId(england->GetClubByIndex(index)->GetId())) ++index;
    TClub* club = england->GetClubByIndex(index);
    app_test::InEachLanguageOfTheWorld(*world_, [&] {
        CPlayerDouble window;
        window.SetContext(england, club);
        ASSERT_TRUE(window.Create(nullptr));
        EXPECT_EQ(gui_test::ItemText(window.Handle(), IDC_DOUBLE_CLUB),
                  prefixes[CTextManager::Instance()->GetLanguage()] + club->GetName());
        window.Destroy();
    });
}

}  // namespace
