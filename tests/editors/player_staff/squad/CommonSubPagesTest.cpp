#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/editors/player_staff/SquadWindowFixture.h"
#include "core/files/IndexTextFile.h"
#include "database/club/ReferenceLists.h"
#include "database/world/DatabaseVersion.h"
#include "editors/player_staff/squad/DlgPlayerAllRight.h"
#include "editors/player_staff/staff/DlgLandPlayerAllRight.h"
#include "resources/ClubEditorIds.h"
#include "tests/common/TestSupport.h"

namespace {

using squad_window_testing::ChooseItemByData;
using squad_window_testing::FindDialogWith;
using squad_window_testing::SelectRowByData;

// The sub-page of a common page holding a control of that id.
HWND SubPageOf(HWND page, int controlId)
{
    for (HWND child = ::GetWindow(page, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (::GetDlgItem(child, controlId) != nullptr) return child;
    }
    return nullptr;
}

// The lower part of the common page by person type: the manager's
// favourites, the president's stability, the staff level, the player part.
class CommonSubPagesTest : public squad_window_testing::SquadWindowTest {
protected:
    void SetUp() override
    {
        SquadWindowTest::SetUp();
        TCountry& england = *world_->GetCountry(14);
        other_ = england.GetClubByUniqueId(england.CreateClub(u"Favoured"));
        ASSERT_TRUE(page_.Create(::GetDesktopWindow()));
    }
    void TearDown() override
    {
        page_.Destroy();
        SquadWindowTest::TearDown();
    }

    // The sub-page holding a control of that id.
    HWND SubPageWith(int controlId) const { return SubPageOf(page_.Handle(), controlId); }
    // The page itself stays hidden: its sub-pages' own visibility counts.
    bool Shows(int controlId) const { return (::GetWindowLongW(SubPageWith(controlId), GWL_STYLE) & WS_VISIBLE) != 0; }

    // Clicks a chooser button and picks the club in the picker it opens, or
    // for club 0 the row "no country" and so no club, then ends the picker
    // with the button end; true when a picker opened.
    bool ChooseClubWith(int button, TTeamId club, int end = IDOK)
    {
        bool opened = false;
        gui_test::ModalDriver driver([&] {
            HWND picker = FindDialogWith(IDC_PICK_CLUBS);
            if (picker == nullptr) return false;
            opened = true;
            EXPECT_TRUE(SelectRowByData(picker, IDC_PICK_COUNTRIES, TeamCountry(club)));
            if (club != 0) {
                EXPECT_TRUE(SelectRowByData(picker, IDC_PICK_CLUBS, static_cast<LPARAM>(club)));
            }
            ::SendMessageW(picker, WM_COMMAND, static_cast<WPARAM>(end), 0);
            return true;
        }, 3000);
        HWND subPage = SubPageWith(button);
        ::SendMessageW(subPage, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(subPage, button)));
        return opened;
    }

    // A staff member as his club file's section gave him: the names only
    // trimmed, so that inner blanks and tabs stay.
    TPerson* ReadStaff(const std::string& first, const std::string& last, std::uint8_t type)
    {
        TPerson* person = Add(u"Placeholder", type);
        std::string text = database_testing::WrittenText([&](CIndexTextFile& file) { return person->WriteStaff(file); });
        const std::string names = "Jo\r\nPlaceholder\r\n";
        text.replace(text.find(names), names.size(), first + "\r\n" + last + "\r\n");
        CIndexTextFile file;
        EXPECT_TRUE(file.OpenFromBytes(testing_support::Bytes("\xEF\xBB\xBF" + text), u"staff"));
        TDatabaseVersion::SetFileVersion(TDatabaseVersion::ProgramVersion);
        EXPECT_EQ(person->ReadStaff(file), TSectionRead::Read);
        return person;
    }

    CDlgPlayerAllRight page_{::GetDesktopWindow()};
    TClub* other_ = nullptr;
};

TEST_F(CommonSubPagesTest, EachPersonTypeShowsItsOwnSubPage)
{
    struct Case {
        std::uint8_t type;
        bool player;
        bool manager;
        bool chairman;
        bool staff;
    };
    for (const Case& c : {Case{0, true, false, false, false}, Case{1, false, true, false, false},
                          Case{2, false, true, false, false}, Case{3, false, false, true, false},
                          Case{5, false, false, false, true}}) {
        page_.SetPerson(Add(u"Someone", c.type), club_);
        EXPECT_EQ(Shows(IDC_SMALL_TALENT), c.player) << int{c.type};
        EXPECT_EQ(Shows(IDC_MANAGER_TACTIC), c.manager) << int{c.type};
        EXPECT_EQ(Shows(IDC_CHAIRMAN_BAR), c.chairman) << int{c.type};
        EXPECT_EQ(Shows(IDC_STAFF_RATING), c.staff) << int{c.type};
    }
    page_.SetPerson(nullptr, club_);
    for (int id : {IDC_SMALL_TALENT, IDC_MANAGER_TACTIC, IDC_CHAIRMAN_BAR, IDC_STAFF_RATING}) EXPECT_FALSE(Shows(id)) << id;
}

// A club file keeps a staff member's first and last names only: his
// nickname and pseudonym are shown but neither offered nor taken, while a
// player's are, also after a staff member was shown.
TEST_F(CommonSubPagesTest, OnlyAPlayerOffersAndKeepsANicknameAndAPseudonym)
{
    for (const std::uint8_t type : {1, 2, 3, 7, 0}) {
        SCOPED_TRACE(int{type});
        TPerson* person = Add(u"Named", type);
        page_.SetPerson(person, club_);
        const bool player = type == 0;
        EXPECT_NE(::IsWindowEnabled(::GetDlgItem(page_.Handle(), IDC_COMMON_NICKNAME)), player ? FALSE : TRUE);
        EXPECT_NE(::IsWindowEnabled(::GetDlgItem(page_.Handle(), IDC_COMMON_PSEUDONYM)), player ? FALSE : TRUE);
        ::SetDlgItemTextW(page_.Handle(), IDC_COMMON_NICKNAME, L"Le Boss");
        ::SetDlgItemTextW(page_.Handle(), IDC_COMMON_PSEUDONYM, L"Monsieur T");
        ::SetDlgItemTextW(page_.Handle(), IDC_COMMON_FIRST_NAME, L"Tom");
        page_.ApplyToPerson();
        EXPECT_EQ(std::u16string(person->GetNickname()), player ? u"Le Boss" : u"");
        EXPECT_EQ(std::u16string(person->GetPseudonym()), player ? u"Monsieur T" : u"");
        EXPECT_EQ(std::u16string(person->GetFirstName()), u"Tom");
        page_.SetPerson(person, club_);
        EXPECT_EQ(gui_test::ItemText(page_.Handle(), IDC_COMMON_PSEUDONYM), player ? u"Monsieur T" : u"");
    }
}

// The player part shows the number of the team the player is in.
TEST_F(CommonSubPagesTest, APlayerShowsTheNumberOfHisTeam)
{
    TPerson* player = Add(u"Numbered", 0);
    player->SetShirtNumber(5);
    player->SetReserveShirtNumber(37);
    page_.SetPerson(player, club_);
    EXPECT_EQ(gui_test::ItemText(SubPageWith(IDC_SMALL_SHIRT), IDC_SMALL_SHIRT), u"5");
    player->SetReserveTeam();
    page_.SetPerson(player, club_);
    EXPECT_EQ(gui_test::ItemText(SubPageWith(IDC_SMALL_SHIRT), IDC_SMALL_SHIRT), u"37");
}

TEST_F(CommonSubPagesTest, TheChosenFavouriteClubIsStoredWithItsReserveBitAndShown)
{
    TPerson* manager = Add(u"Boss", 1);
    page_.SetPerson(manager, club_);
    ASSERT_TRUE(ChooseClubWith(IDC_MANAGER_CHOOSE_FAVOURITE_CLUB, other_->GetId() | ReserveTeamBit));
    EXPECT_EQ(manager->GetFavouriteClub(), other_->GetId() | ReserveTeamBit);
    const std::u16string shown = gui_test::ItemText(SubPageWith(IDC_MANAGER_FAVOURITE_CLUB), IDC_MANAGER_FAVOURITE_CLUB);
    EXPECT_EQ(shown, world_->GetCountry(14)->GetTeamNameByUniqueId(other_->GetId() | ReserveTeamBit));
    EXPECT_NE(shown.find(u"Favoured"), std::u16string::npos);
    ASSERT_TRUE(ChooseClubWith(IDC_MANAGER_CHOOSE_DISLIKED_CLUB, club_->GetId()));
    EXPECT_EQ(manager->GetDislikedClub(), club_->GetId());
    EXPECT_EQ(gui_test::ItemText(SubPageWith(IDC_MANAGER_DISLIKED_CLUB), IDC_MANAGER_DISLIKED_CLUB), u"Squad");
}

TEST_F(CommonSubPagesTest, AFavouriteOrDislikedClubIsClearedByOkWithoutAClub)
{
    TPerson* manager = Add(u"Boss", 1);
    manager->SetFavouriteClub(other_->GetId());
    manager->SetDislikedClub(club_->GetId());
    page_.SetPerson(manager, club_);
    ASSERT_TRUE(ChooseClubWith(IDC_MANAGER_CHOOSE_FAVOURITE_CLUB, 0));
    EXPECT_EQ(manager->GetFavouriteClub(), 0u);
    EXPECT_EQ(gui_test::ItemText(SubPageWith(IDC_MANAGER_FAVOURITE_CLUB), IDC_MANAGER_FAVOURITE_CLUB), u"");
    EXPECT_EQ(manager->GetDislikedClub(), club_->GetId()) << "one choice at a time";
    ASSERT_TRUE(ChooseClubWith(IDC_MANAGER_CHOOSE_DISLIKED_CLUB, 0));
    EXPECT_EQ(manager->GetDislikedClub(), 0u);
    EXPECT_EQ(gui_test::ItemText(SubPageWith(IDC_MANAGER_DISLIKED_CLUB), IDC_MANAGER_DISLIKED_CLUB), u"");
}

TEST_F(CommonSubPagesTest, ACancelledPickerKeepsTheFavouriteClub)
{
    TPerson* manager = Add(u"Boss", 1);
    manager->SetFavouriteClub(other_->GetId());
    page_.SetPerson(manager, club_);
    ASSERT_TRUE(ChooseClubWith(IDC_MANAGER_CHOOSE_FAVOURITE_CLUB, 0, IDCANCEL));
    EXPECT_EQ(manager->GetFavouriteClub(), other_->GetId());
}

TEST_F(CommonSubPagesTest, AManagerSubPageLeftForAPlayerWritesNobody)
{
    TPerson* manager = Add(u"Boss", 1);
    manager->SetFavouriteClub(club_->GetId());
    page_.SetPerson(manager, club_);
    page_.SetPerson(Add(u"Player"), club_);
    EXPECT_FALSE(ChooseClubWith(IDC_MANAGER_CHOOSE_FAVOURITE_CLUB, other_->GetId())) << "no picker opens";
    EXPECT_EQ(manager->GetFavouriteClub(), club_->GetId());
}

TEST_F(CommonSubPagesTest, AFavouritePlayerIsChosenInThePersonPicker)
{
    TPerson* manager = Add(u"Boss", 1);
    TPerson* star = Add(u"Star");
    club_->RemovePlayer(star);
    other_->AddPlayer(star);
    page_.SetPerson(manager, club_);
    gui_test::ModalDriver driver([&] {
        HWND picker = FindDialogWith(IDC_SELECT_COUNTRIES);
        if (picker == nullptr) return false;
        SelectRowByData(picker, IDC_SELECT_COUNTRIES, 14);
        SelectRowByData(picker, IDC_SELECT_CLUBS, static_cast<LPARAM>(other_->GetId()));
        SelectRowByData(picker, IDC_SELECT_PERSONS, static_cast<LPARAM>(star->GetId()));
        ::SendMessageW(picker, WM_COMMAND, IDOK, 0);
        return true;
    });
    HWND subPage = SubPageWith(IDC_MANAGER_CHOOSE_FAVOURITE_PLAYER);
    ::SendMessageW(subPage, WM_COMMAND, MAKEWPARAM(IDC_MANAGER_CHOOSE_FAVOURITE_PLAYER, BN_CLICKED), 0);
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_EQ(manager->GetSecondClub(), other_->GetId());
    EXPECT_EQ(manager->GetLinkedPersonId(), star->GetId());
    EXPECT_EQ(gui_test::ItemText(subPage, IDC_MANAGER_FAVOURITE_PLAYER), u"Star, J.");
}

TEST_F(CommonSubPagesTest, TheFavouriteTacticIsSelectedAndStoredByItsId)
{
    LoadTextFiles(testing_support::SourcePath(u"data\\trdata\\eng"));
    ASSERT_GT(GetFormationList().GetCount(), 7);
    TPerson* manager = Add(u"Boss", 1);
    manager->SetFavouriteTactic(3);
    page_.SetPerson(manager, club_);
    HWND subPage = SubPageWith(IDC_MANAGER_TACTIC);
    HWND combo = ::GetDlgItem(subPage, IDC_MANAGER_TACTIC);
    const LRESULT shown = ::SendMessageW(combo, CB_GETCURSEL, 0, 0);
    ASSERT_GE(shown, 0);
    EXPECT_EQ(::SendMessageW(combo, CB_GETITEMDATA, static_cast<WPARAM>(shown), 0), 3);
    EXPECT_EQ(manager->GetFavouriteTactic(), 3) << "showing stores nothing";
    const LRESULT count = ::SendMessageW(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT item = 0; item < count; ++item) {
        if (::SendMessageW(combo, CB_GETITEMDATA, static_cast<WPARAM>(item), 0) == 7) {
            ::SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
        }
    }
    ::SendMessageW(subPage, WM_COMMAND, MAKEWPARAM(IDC_MANAGER_TACTIC, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    EXPECT_EQ(manager->GetFavouriteTactic(), 7);
}

// A coach whose names hold an inner double blank and a tab, as a staff
// section keeps them, and a level the five-step scale cannot show: on
// either common page, showing and storing him writes nothing back; a level
// chosen and a name typed are stored, and only they.
TEST_F(CommonSubPagesTest, OnlyTheLevelAndTheNamesTheUserChangedAreStored)
{
    CDlgLandPlayerAllRight countryPage(::GetDesktopWindow());
    ASSERT_TRUE(countryPage.Create(::GetDesktopWindow()));
    for (CPersonCommonPage* page : {static_cast<CPersonCommonPage*>(&page_), static_cast<CPersonCommonPage*>(&countryPage)}) {
        TPerson* coach = ReadStaff("Anna  Maria", "Le\tBlanc", 5);
        ASSERT_EQ(std::u16string(coach->GetFirstName()), u"Anna  Maria");
        coach->SetStaffLevel(7);
        coach->SetSummaryChoice(9);
        page->SetPerson(coach, club_);
        page->ApplyToPerson();
        EXPECT_EQ(coach->GetStaffLevel(), 7);
        EXPECT_EQ(coach->GetSummaryChoice(), 9);
        EXPECT_EQ(std::u16string(coach->GetFirstName()), u"Anna  Maria");
        EXPECT_EQ(std::u16string(coach->GetLastName()), u"Le\tBlanc");

        ASSERT_TRUE(ChooseItemByData(SubPageOf(page->Handle(), IDC_STAFF_RATING), IDC_STAFF_RATING, 2));
        ::SetDlgItemTextW(page->Handle(), IDC_COMMON_PSEUDONYM, L"The  Doc");
        page->ApplyToPerson();
        EXPECT_EQ(coach->GetStaffLevel(), 2);
        EXPECT_EQ(coach->GetSummaryChoice(), 2);
        // The club file keeps no pseudonym of a staff member; the country
        // file keeps every name of its persons.
        EXPECT_EQ(std::u16string(coach->GetPseudonym()), page == &countryPage ? u"The Doc" : u"")
            << "typed, it is kept as a reload gives it";
        EXPECT_EQ(std::u16string(coach->GetFirstName()), u"Anna  Maria");
        EXPECT_EQ(std::u16string(coach->GetLastName()), u"Le\tBlanc");
        page->SetPerson(nullptr, club_);
    }
    countryPage.Destroy();
}

}  // namespace
