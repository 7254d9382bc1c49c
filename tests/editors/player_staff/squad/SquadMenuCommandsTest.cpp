#include <windows.h>

#include <algorithm>

#include <gtest/gtest.h>

#include "tests/editors/player_staff/SquadWindowFixture.h"
#include "app/GlobalObjects.h"
#include "app/MainWindowLaunchers.h"
#include "core/AppMessage.h"
#include "editors/player_staff/PlayerStaffLaunchers.h"
#include "editors/player_staff/staff/SquadGenerators.h"
#include "editors/player_staff/model/search/PlayerSearch.h"
#include "editors/player_staff/model/lists/FreeAgentsList.h"
#include "resources/ClubEditorIds.h"
#include "tests/app/AppTestSupport.h"
#include "tests/common/TestSupport.h"

namespace {

using squad_window_testing::FindDialogWith;
using squad_window_testing::SelectRowByData;

// The squad list's menu commands, sent as the menu sends them, with the
// windows they open answered as a user would.
class SquadMenuCommandsTest : public squad_window_testing::SquadWindowTest {
protected:
    void SetUp() override
    {
        SquadWindowTest::SetUp();
        TCountry& england = *world_->GetCountry(14);
        other_ = england.GetClubByUniqueId(england.CreateClub(u"Other"));
        for (int n = 0; n < 14; ++n) Add(u"Player");
    }
    void TearDown() override
    {
        GetSquadGenerators() = {};
        SquadWindowTest::TearDown();
    }

    TPerson* AddTo(TClub* club, const char16_t* last, bool youth = false)
    {
        TPerson* person = Add(last, 0, youth ? TDate(1991, 1, 1) : TDate(1980, 1, 1));
        club_->RemovePlayer(person);
        person->SetYouthPlayer(youth);
        club->AddPlayer(person);
        return person;
    }

    bool IsFreeAgent(const TPerson* person) const
    {
        const std::vector<TPerson*> agents = FreeAgentsList::Persons(world_->GetFreeAgents());
        return std::find(agents.begin(), agents.end(), person) != agents.end();
    }

    static void Command(CDlgPlayerlistClub& window, int part, int command)
    {
        ::SendMessageW(window.GetSquadList(part).Handle(), WM_COMMAND, static_cast<WPARAM>(command), 0);
    }

    // A command that opens a window over the squad window: posted, so that
    // the next steps act from inside that window's loop.
    static void PostCommand(CDlgPlayerlistClub& window, int part, int command)
    {
        ::PostMessageW(window.GetSquadList(part).Handle(), WM_COMMAND, static_cast<WPARAM>(command), 0);
    }

    static void Close(CDlgPlayerlistClub& window) { ::SendMessageW(window.Handle(), WM_COMMAND, IDOK, 0); }

    TClub* other_ = nullptr;
};

TEST_F(SquadMenuCommandsTest, DeletingAPlayerAsksAndMakesHimAPlayerWithoutClub)
{
    struct Case {
        const char16_t* name;
        const char16_t* shortName;
        int answer;
    };
    // Each name sorts first, so row 0 is his.
    for (const Case& c : {Case{u"Aaron", u"Aaron, J.", AppMessage::IdNo}, Case{u"Aardvark", u"Aardvark, J.", AppMessage::IdYes}}) {
        TPerson* leaving = Add(c.name);
        const int squad = club_->GetSquadCount();
        testing_support::MessageCapture messages(c.answer);
        CDlgPlayerlistClub window(CDlgPlayerlistClub::ClubSquad);
        window.SetClub(club_);
        window.SetProblemBox([](HWND, const std::u16string&) { return INT_PTR{2}; });
        int rows = 0;
        Run(window, [&] {
            Select(window, 0, 0);
            Command(window, 0, ID_LIST_DELETE_PLAYER);
            rows = window.GetSquadList(0).GetRowCount();
            Close(window);
            return true;
        });
        ASSERT_EQ(messages.Messages().size(), 1u);
        EXPECT_NE(messages.Messages()[0].find(c.shortName), std::u16string::npos);
        EXPECT_EQ(world_->GetPerson(leaving->GetId()), leaving) << "he does not vanish from the world";
        const bool deleted = c.answer == AppMessage::IdYes;
        EXPECT_EQ(club_->GetSquadCount(), deleted ? squad - 1 : squad);
        EXPECT_EQ(rows, deleted ? squad - 1 : squad);
        EXPECT_EQ(IsFreeAgent(leaving), deleted);
        EXPECT_EQ(club_->FindPlayer(leaving->GetId()) != nullptr, !deleted);
    }
}

// The question belongs to the modal squad window: the window takes no input
// while it is open and is the window in front afterwards.
TEST_F(SquadMenuCommandsTest, TheQuestionBeforeAPlayerLeavesIsOwnedByTheSquadWindow)
{
    CGlobalObjects globals;
    CDlgPlayerlistClub window(CDlgPlayerlistClub::ClubSquad);
    window.SetClub(club_);
    window.SetProblemBox([](HWND, const std::u16string&) { return INT_PTR{2}; });
    app_test::ExpectQuestionOwnedByEditor(globals.App(), window, [&] {
        Select(window, 0, 0);
        PostCommand(window, 0, ID_LIST_DELETE_PLAYER);
    }, IDYES);
}

TEST_F(SquadMenuCommandsTest, DeletingTheFirstTeamKeepsStaffAndYouthInTheSquad)
{
    TPerson* manager = Add(u"Boss", 1);
    TPerson* youth = Add(u"Kid", 0, TDate(1991, 1, 1));
    youth->SetYouthPlayer(true);
    TPerson* reserve = Add(u"Reserve");
    reserve->SetReserveTeam();
    testing_support::MessageCapture messages(AppMessage::IdYes);
    CDlgPlayerlistClub window(CDlgPlayerlistClub::ClubSquad);
    window.SetClub(club_);
    window.SetProblemBox([](HWND, const std::u16string&) { return INT_PTR{2}; });
    Run(window, [&] {
        Command(window, 0, ID_LIST_DELETE_TEAM);
        Close(window);
        return true;
    });
    EXPECT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(club_->GetSquadCount(), 3);
    for (const TPerson* kept : {manager, youth, reserve}) EXPECT_EQ(club_->FindPlayer(kept->GetId()), kept);
    EXPECT_EQ(world_->GetFreeAgents().GetCount(), 14);
    EXPECT_EQ(window.GetCurrentPerson(), nullptr) << "the first-team list is empty";
}

TEST_F(SquadMenuCommandsTest, ATransferToAReserveTeamChosenInThePicker)
{
    TPerson* leaving = Add(u"Aaron");
    CDlgPlayerlistClub window(CDlgPlayerlistClub::ClubSquad);
    window.SetClub(club_);
    window.SetProblemBox([](HWND, const std::u16string&) { return INT_PTR{2}; });
    int stage = 0;
    bool chosen = false;
    int rows = 0;
    Run(window, [&] {
        if (stage == 0) {
            Select(window, 0, 0);
            PostCommand(window, 0, ID_LIST_TRANSFER);
            stage = 1;
            return false;
        }
        HWND picker = FindDialogWith(IDC_PICK_CLUBS);
        if (stage == 1) {
            if (picker == nullptr) return false;
            chosen = SelectRowByData(picker, IDC_PICK_CLUBS, static_cast<LPARAM>(other_->GetId() | ReserveTeamBit));
            ::SendMessageW(picker, WM_COMMAND, IDOK, 0);
            stage = 2;
            return false;
        }
        if (picker != nullptr) return false;
        rows = window.GetSquadList(0).GetRowCount();
        Close(window);
        return true;
    });
    EXPECT_TRUE(chosen) << "the picker opens on the club's country, reserve teams listed";
    EXPECT_EQ(other_->FindPlayer(leaving->GetId()), leaving);
    EXPECT_TRUE(leaving->IsReserveTeam());
    EXPECT_EQ(club_->FindPlayer(leaving->GetId()), nullptr);
    EXPECT_EQ(rows, 14);
}

TEST_F(SquadMenuCommandsTest, TheYouthListTakesOverOnlyYouthPlayers)
{
    TPerson* kid = AddTo(other_, u"Kid", true);
    AddTo(other_, u"Senior");
    CDlgPlayerlistClub window(CDlgPlayerlistClub::ClubSquad);
    window.SetClub(club_);
    window.SetProblemBox([](HWND, const std::u16string&) { return INT_PTR{2}; });
    int stage = 0;
    int offered = -1;
    Run(window, [&] {
        if (stage == 0) {
            PostCommand(window, 2, ID_LIST_TAKE_OVER);
            stage = 1;
            return false;
        }
        HWND picker = FindDialogWith(IDC_SELECT_COUNTRIES);
        if (stage == 1) {
            if (picker == nullptr) return false;
            SelectRowByData(picker, IDC_SELECT_CLUBS, static_cast<LPARAM>(other_->GetId()));
            offered = static_cast<int>(::SendDlgItemMessageW(picker, IDC_SELECT_PERSONS, LB_GETCOUNT, 0, 0));
            SelectRowByData(picker, IDC_SELECT_PERSONS, static_cast<LPARAM>(kid->GetId()));
            ::SendMessageW(picker, WM_COMMAND, IDOK, 0);
            stage = 2;
            return false;
        }
        if (picker != nullptr) return false;
        Close(window);
        return true;
    });
    EXPECT_EQ(offered, 2) << "nobody and the youth player, not the senior";
    EXPECT_EQ(club_->FindPlayer(kid->GetId()), kid);
    EXPECT_TRUE(kid->IsYouthPlayer());
    EXPECT_FALSE(kid->IsReserveTeam());
    EXPECT_EQ(other_->GetSquadCount(), 1);
}

TEST_F(SquadMenuCommandsTest, AGeneratedPlayerJoinsOnOkAndNobodyIsLeftOnCancel)
{
    for (const bool accept : {false, true}) {
        bool youthWhenAsked = false;
        GetSquadGenerators().player = [&](HWND, TClub& club, TPerson& person) {
            youthWhenAsked = person.IsYouthPlayer() && &club == club_;
            person.SetLastName(u"Generated");
            person.SetBirthDate(TDate(1990, 5, 5));
            return accept;
        };
        const int persons = world_->GetPersonCount();
        const int squad = club_->GetSquadCount();
        CDlgPlayerlistClub window(CDlgPlayerlistClub::ClubSquad);
        window.SetClub(club_);
        window.SetProblemBox([](HWND, const std::u16string&) { return INT_PTR{2}; });
        int rows = 0;
        Run(window, [&] {
            Command(window, 2, ID_LIST_GENERATE_PLAYER);
            rows = window.GetSquadList(2).GetRowCount();
            Close(window);
            return true;
        });
        EXPECT_TRUE(youthWhenAsked) << "the youth list hands the generator a youth player";
        EXPECT_EQ(world_->GetPersonCount(), accept ? persons + 1 : persons);
        EXPECT_EQ(club_->GetSquadCount(), accept ? squad + 1 : squad);
        EXPECT_EQ(rows, accept ? 1 : 0);
        if (accept) {
            EXPECT_TRUE(club_->GetSquadPerson(squad)->IsYouthPlayer());
        }
    }
}

TEST_F(SquadMenuCommandsTest, GeneratingATeamWithPlayersAsksFirst)
{
    struct Case {
        int part;
        int answer;
        std::size_t questions;
        std::vector<bool> calls;
    };
    // The first team has 14 players, the second none.
    for (const Case& c : {Case{0, AppMessage::IdNo, 1, {}}, Case{0, AppMessage::IdYes, 1, {true}},
                          Case{1, AppMessage::IdNo, 0, {false}}}) {
        std::vector<bool> calls;
        GetSquadGenerators().team = [&](HWND, TClub&, bool firstTeam) {
            calls.push_back(firstTeam);
            return true;
        };
        testing_support::MessageCapture messages(c.answer);
        CDlgPlayerlistClub window(CDlgPlayerlistClub::ClubSquad);
        window.SetClub(club_);
        window.SetProblemBox([](HWND, const std::u16string&) { return INT_PTR{2}; });
        Run(window, [&] {
            Command(window, c.part, ID_LIST_GENERATE_TEAM);
            Command(window, 2, ID_LIST_GENERATE_TEAM);
            Close(window);
            return true;
        });
        EXPECT_EQ(messages.Messages().size(), c.questions) << c.part;
        EXPECT_EQ(calls, c.calls) << c.part << ": the youth list generates no team";
    }
}

TEST_F(SquadMenuCommandsTest, RegisteredEditorsGenerateTheSecondTeamThroughTheClubGenerator)
{
    TMainWindowLaunchers launchers;
    RegisterPlayerStaffEditors(launchers);
    ASSERT_TRUE(GetSquadGenerators().team);
    const int firstTeam = club_->GetSquadCount();
    CDlgPlayerlistClub window(CDlgPlayerlistClub::ClubSquad);
    window.SetClub(club_);
    window.SetProblemBox([](HWND, const std::u16string&) { return INT_PTR{2}; });
    int stage = 0;
    int rows = 0;
    Run(window, [&] {
        if (stage == 0) {
            PostCommand(window, 1, ID_LIST_GENERATE_TEAM);
            stage = 1;
            return false;
        }
        HWND generator = FindDialogWith(IDC_CLUB_GENERATOR_AGE);
        if (stage == 1) {
            if (generator == nullptr) return false;
            ::SendMessageW(generator, WM_COMMAND, IDOK, 0);
            stage = 2;
            return false;
        }
        if (generator != nullptr) return false;
        rows = window.GetSquadList(1).GetRowCount();
        Close(window);
        return true;
    });
    EXPECT_EQ(stage, 2) << "the club generator opened";
    EXPECT_GT(club_->GetSquadCount(), firstTeam);
    EXPECT_EQ(rows, club_->GetSquadCount() - firstTeam) << "the second team's list shows the new players";
}

TEST_F(SquadMenuCommandsTest, APlayerReleasedFromTheSearchLeavesTheSquadList)
{
    TPerson* leaving = Add(u"Aaron");
    GetSearchFirstName().clear();
    GetSearchPseudonym().clear();
    CDlgPlayerlistClub window(CDlgPlayerlistClub::ClubSquad);
    window.SetClub(club_);
    window.SetProblemBox([](HWND, const std::u16string&) { return INT_PTR{2}; });
    int stage = 0;
    int rowsBefore = 0;
    int rowsAfter = 0;
    Run(window, [&] {
        HWND search = FindDialogWith(IDC_SEARCH_FIRST_NAME);
        HWND result = FindDialogWith(IDC_SEARCH_RESULT_LIST);
        HWND hits = result != nullptr ? ::GetDlgItem(result, IDC_SEARCH_RESULT_LIST) : nullptr;
        const LRESULT hitCount = hits != nullptr ? ::SendMessageW(hits, LVM_GETITEMCOUNT, 0, 0) : 0;
        switch (stage) {
        case 0:
            rowsBefore = window.GetSquadList(0).GetRowCount();
            ::PostMessageW(window.Handle(), WM_COMMAND, MAKEWPARAM(IDC_FRAME_SEARCH, BN_CLICKED), 0);
            break;
        case 1:
            if (search == nullptr) return false;
            ::SetDlgItemTextW(search, IDC_SEARCH_LAST_NAME, L"aaron");
            ::SendMessageW(search, WM_COMMAND, IDOK, 0);
            break;
        case 2: {
            if (hitCount != 1) return false;
            LVITEMW select{};
            select.stateMask = LVIS_SELECTED;
            select.state = LVIS_SELECTED;
            ::SendMessageW(hits, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&select));
            ::SendMessageW(result, WM_COMMAND, ID_SEARCH_RELEASE, 0);
            break;
        }
        case 3:
            // The search runs again and lists him without a club.
            if (hitCount != 1) return false;
            ::SendMessageW(result, WM_COMMAND, IDCANCEL, 0);
            break;
        default:
            if (result != nullptr || search != nullptr) return false;
            rowsAfter = window.GetSquadList(0).GetRowCount();
            Close(window);
            return true;
        }
        ++stage;
        return false;
    });
    EXPECT_EQ(rowsBefore, 15);
    EXPECT_EQ(rowsAfter, 14);
    EXPECT_TRUE(IsFreeAgent(leaving));
    EXPECT_NE(window.GetCurrentPerson(), leaving);
}

TEST_F(SquadMenuCommandsTest, TheContractPagesClubButtonsStoreTheChosenClubAtOnce)
{
    TPerson* first = Add(u"Aaron");
    first->SetFavouriteClub(0);
    first->SetTransferClub(0);
    CDlgPlayerlistClub window(CDlgPlayerlistClub::ClubSquad);
    window.SetClub(club_);
    window.SetProblemBox([](HWND, const std::u16string&) { return INT_PTR{2}; });
    const int buttons[] = {IDC_CONTRACT_CHOOSE_FAVOURITE, IDC_CONTRACT_CHOOSE_OTHER};
    const TTeamId chosen[] = {other_->GetId(), other_->GetId() | ReserveTeamBit};
    std::vector<std::uint32_t> storedAtOnce;
    std::vector<std::u16string> shown;
    std::size_t done = 0;
    bool opened = false;
    Run(window, [&] {
        HWND page = window.GetPage(CDlgPlayerlistClub::ContractPage)->Handle();
        HWND picker = FindDialogWith(IDC_PICK_CLUBS);
        if (picker != nullptr) {
            SelectRowByData(picker, IDC_PICK_COUNTRIES, 14);
            SelectRowByData(picker, IDC_PICK_CLUBS, static_cast<LPARAM>(chosen[done]));
            ::SendMessageW(picker, WM_COMMAND, IDOK, 0);
            opened = false;
            ++done;
            return false;
        }
        if (opened) return false;
        if (done == 0 && storedAtOnce.empty()) {
            SelectPageTab(window, 6);
        } else {
            storedAtOnce.push_back(done == 1 ? first->GetFavouriteClub() : first->GetTransferClub());
            shown.push_back(ItemText(page, done == 1 ? IDC_CONTRACT_FAVOURITE_CLUB : IDC_CONTRACT_OTHER_CLUB));
        }
        if (done == std::size(buttons)) {
            Close(window);
            return true;
        }
        opened = true;
        ::PostMessageW(page, WM_COMMAND, MAKEWPARAM(buttons[done], BN_CLICKED), 0);
        return false;
    });
    EXPECT_EQ(storedAtOnce, (std::vector<std::uint32_t>{chosen[0], chosen[1]}));
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], u"Other");
    EXPECT_NE(shown[1].find(u"Other"), std::u16string::npos);
    EXPECT_EQ(first->GetTransferClub(), chosen[1]) << "storing the page keeps it";
}

}  // namespace
