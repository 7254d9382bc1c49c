// The report tools as the main window's commands start them: through their
// launchers, over the sample database, in the report window.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/GlobalObjects.h"
#include "app/LedraApp.h"
#include "app/MainWindowLaunchers.h"
#include "app/ReportToolLaunchers.h"
#include "database/club/Club.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/person/Person.h"
#include "database/world/WorldList.h"
#include "resources/ResourceIds.h"
#include "tests/app/AppTestSupport.h"
#include "tests/common/TestSupport.h"
#include "tests/ui/GuiTestSupport.h"
#include "win/WideText.h"

namespace {

HTREEITEM NextItem(HWND window, UINT relation, HTREEITEM from = nullptr)
{
    return reinterpret_cast<HTREEITEM>(::SendDlgItemMessageW(window, IDC_REPORT_TREE, TVM_GETNEXTITEM, relation,
                                                             reinterpret_cast<LPARAM>(from)));
}

std::u16string ItemLabel(HWND window, HTREEITEM item)
{
    wchar_t text[256] = {};
    TVITEMW data{};
    data.mask = TVIF_TEXT;
    data.hItem = item;
    data.pszText = text;
    data.cchTextMax = 256;
    ::SendDlgItemMessageW(window, IDC_REPORT_TREE, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&data));
    return win::U(text);
}

int TreeCount(HWND window)
{
    return static_cast<int>(::SendDlgItemMessageW(window, IDC_REPORT_TREE, TVM_GETCOUNT, 0, 0));
}

bool Finished(HWND window)
{
    return window != nullptr && ::IsWindowVisible(::GetDlgItem(window, IDC_REPORT_COUNT));
}

class ReportToolLaunchers : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(globals_->App().InitLanguageAndTexts());
        GetWorldList().Clear();
        world_ = GetWorldList().CreateCompleteWorld();
        ASSERT_TRUE(world_->LoadWorld(u"Database"));
        RegisterReportTools(launchers_);
    }
    void TearDown() override { GetWorldList().Clear(); }

    app_test::WorkingFolder folder_{u"tools", true};
    std::unique_ptr<CGlobalObjects> globals_ = std::make_unique<CGlobalObjects>();
    TCompleteWorld* world_ = nullptr;
    TMainWindowLaunchers launchers_;
};

TEST_F(ReportToolLaunchers, EveryReportToolIsRegistered)
{
    EXPECT_TRUE(launchers_.countryListTool);
    EXPECT_TRUE(launchers_.contractCheck);
    EXPECT_TRUE(launchers_.badgeCheck);
    EXPECT_TRUE(launchers_.problemChecker);
    EXPECT_TRUE(launchers_.processTransfers);
    EXPECT_FALSE(launchers_.squad);
}

TEST_F(ReportToolLaunchers, ProblemCheckerShowsSortableFindings)
{
    // The sample checks clean: a player born on a new person's default day
    // gives the report a finding under his country and club.
    TPerson* player = world_->GetCountry(21)->GetClubByIndex(1)->GetSquadPerson(0);
    ASSERT_TRUE(player != nullptr && player->IsPlayer());
    player->SetBirthDate(TDate(1980, 1, 1));
    std::u16string description, firstAfterSort, caption, countLine;
    int entries = 0;
    gui_test::ModalDriver driver([&] {
        HWND window = app_test::FindDialogWith(IDC_REPORT_TREE);
        if (!Finished(window)) return false;
        caption = gui_test::WindowText(window);
        countLine = gui_test::ItemText(window, IDC_REPORT_COUNT);
        entries = TreeCount(window);
        // The first finding in tree order, at whatever depth: a category
        // shows no description.
        const std::function<void(HTREEITEM)> findFirst = [&](HTREEITEM first) {
            for (HTREEITEM item = first; item != nullptr && description.empty(); item = NextItem(window, TVGN_NEXT, item)) {
                ::SendDlgItemMessageW(window, IDC_REPORT_TREE, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
                description = gui_test::ItemText(window, IDC_REPORT_DESCRIPTION);
                if (description.empty()) findFirst(NextItem(window, TVGN_CHILD, item));
            }
        };
        findFirst(NextItem(window, TVGN_ROOT));
        ::SendMessageW(window, WM_COMMAND, ID_REPORT_SORT_BY_TYPE, 0);
        gui_test::PumpMessages();
        firstAfterSort = ItemLabel(window, NextItem(window, TVGN_ROOT));
        ::PostMessageW(window, WM_CLOSE, 0, 0);
        return true;
    });
    launchers_.problemChecker(nullptr);
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_EQ(caption, u"Database problems");
    EXPECT_GT(entries, 3);
    EXPECT_FALSE(countLine.empty());
    EXPECT_FALSE(description.empty());
    EXPECT_FALSE(firstAfterSort.empty());
    EXPECT_EQ(app_test::FindDialogWith(IDC_REPORT_TREE), nullptr);
}

TEST_F(ReportToolLaunchers, CountryListNamesEveryCountryWithItsId)
{
    int named = 0;
    for (int id = 1; id <= 206; ++id) named += world_->GetCountry(id)->GetName()[0] != u'\0' ? 1 : 0;
    int listed = 0;
    std::u16string first;
    gui_test::ModalDriver driver([&] {
        HWND window = app_test::FindDialogWith(IDC_REPORT_TREE);
        if (!Finished(window)) return false;
        listed = TreeCount(window);
        first = ItemLabel(window, NextItem(window, TVGN_ROOT));
        ::PostMessageW(window, WM_CLOSE, 0, 0);
        return true;
    });
    launchers_.countryListTool(nullptr);
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_EQ(listed, named);
    EXPECT_NE(first.find(u" (ID: "), std::u16string::npos);
}

TEST_F(ReportToolLaunchers, ContractCheckCorrectsOnlyWhenAsked)
{
    TClub* club = nullptr;
    for (int id = 1; id <= 206 && club == nullptr; ++id) {
        const TCountry* country = world_->GetCountry(id);
        for (int index = 0; index < country->GetClubCount() && club == nullptr; ++index) {
            TClub* each = country->GetClubByIndex(index);
            if (each != nullptr && each->GetSquadCount() > 0 && each->GetSquadPerson(0) != nullptr) club = each;
        }
    }
    ASSERT_NE(club, nullptr);
    TPerson& person = *club->GetSquadPerson(0);
    while (person.GetHistoryCount() > 0) person.RemoveHistoryEntry(0);
    person.SetYearJoined(1980);
    const auto closeWhenDone = [] {
        HWND window = app_test::FindDialogWith(IDC_REPORT_TREE);
        if (!Finished(window)) return false;
        ::PostMessageW(window, WM_CLOSE, 0, 0);
        return true;
    };
    {
        gui_test::ModalDriver driver(closeWhenDone);
        launchers_.contractCheck(nullptr, false);
        EXPECT_FALSE(driver.TimedOut());
    }
    EXPECT_EQ(person.GetYearJoined(), 1980);
    {
        gui_test::ModalDriver driver(closeWhenDone);
        launchers_.contractCheck(nullptr, true);
        EXPECT_FALSE(driver.TimedOut());
    }
    EXPECT_EQ(person.GetYearJoined(), 2006);
}

TEST_F(ReportToolLaunchers, BadgeCheckWithoutBadgesListsEveryClubAsMissing)
{
    int clubs = 0, countries = 0;
    for (int id = 1; id <= 206; ++id) {
        const TCountry* country = world_->GetCountry(id);
        countries += country->GetClubCount() > 0 ? 1 : 0;
        for (int index = 0; index < country->GetClubCount(); ++index) {
            const TClub* club = country->GetClubByIndex(index);
            clubs += club != nullptr && !IsNationalTeamId(club->GetId()) ? 1 : 0;
        }
    }
    int items = 0;
    std::u16string countLine;
    gui_test::ModalDriver driver([&] {
        HWND window = app_test::FindDialogWith(IDC_REPORT_TREE);
        if (!Finished(window)) return false;
        items = TreeCount(window);
        countLine = gui_test::ItemText(window, IDC_REPORT_COUNT);
        ::PostMessageW(window, WM_CLOSE, 0, 0);
        return true;
    });
    launchers_.badgeCheck(nullptr);
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_EQ(items, clubs + countries);
    EXPECT_NE(countLine.find(std::u16string(u"errors: ") + win::U(std::to_wstring(clubs).c_str())), std::u16string::npos)
        << testing_support::Narrow(countLine);
}

TEST_F(ReportToolLaunchers, ProcessTransfersMovesALoanedPlayer)
{
    TClub* from = nullptr;
    TClub* to = nullptr;
    const TCountry* country = world_->GetCountry(21);
    for (int index = 0; index < country->GetClubCount(); ++index) {
        TClub* club = country->GetClubByIndex(index);
        if (club == nullptr || IsNationalTeamId(club->GetId()) || club->GetSquadCount() == 0) continue;
        (from == nullptr ? from : to) = club;
        if (to != nullptr) break;
    }
    ASSERT_NE(to, nullptr);
    TPerson* person = nullptr;
    for (int slot = 0; slot < from->GetSquadCount() && person == nullptr; ++slot) {
        TPerson* each = from->GetSquadPerson(slot);
        if (each != nullptr && each->IsPlayer()) person = each;
    }
    ASSERT_NE(person, nullptr);
    while (person->GetHistoryCount() > 0) person->RemoveHistoryEntry(0);
    person->SetTransferState(6);
    person->SetTransferClub(to->GetId());
    person->SetTransferStartDate(TDate(2007, 1, 15));
    person->SetTransferEndDate(TDate(2008, 6, 30));
    const int fromCount = from->GetSquadCount(), toCount = to->GetSquadCount();
    gui_test::ModalDriver driver([&] {
        HWND window = app_test::FindDialogWith(IDC_REPORT_TREE);
        if (!Finished(window)) return false;
        ::SendMessageW(window, WM_COMMAND, ID_REPORT_SORT_BY_TYPE, 0);
        ::PostMessageW(window, WM_CLOSE, 0, 0);
        return true;
    });
    launchers_.processTransfers(nullptr);
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_EQ(from->GetSquadCount(), fromCount - 1);
    EXPECT_EQ(to->GetSquadCount(), toCount + 1);
    EXPECT_EQ(person->GetTransferState(), 4);
}

TEST_F(ReportToolLaunchers, ClosingDuringTheRunEndsOnceTheProducerStopped)
{
    bool closed = false;
    gui_test::ModalDriver driver([&] {
        HWND window = app_test::FindDialogWith(IDC_REPORT_TREE);
        if (window == nullptr) return false;
        ::PostMessageW(window, WM_CLOSE, 0, 0);
        closed = true;
        return true;
    });
    launchers_.problemChecker(nullptr);
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_TRUE(closed);
    EXPECT_EQ(app_test::FindDialogWith(IDC_REPORT_TREE), nullptr);
}

// The finished report of a tool as a picture for a person to look at, taken
// once the window has been shown and painted for a while: a window caught at
// its first paint inside the modal loop is still blank.
class ReportToolScreenshots : public ReportToolLaunchers {
protected:
    void Capture(const std::function<void()>& launch, const char16_t* name)
    {
        int settled = 0;
        std::vector<std::uint8_t> bitmap;
        gui_test::ModalDriver driver([&] {
            HWND window = app_test::FindDialogWith(IDC_REPORT_TREE);
            if (!Finished(window)) return false;
            if (settled == 0) ShowFirstFinding(window);
            if (++settled < 15) return false;
            ::RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
            bitmap = gui_test::CaptureWindow(window);
            ::PostMessageW(window, WM_CLOSE, 0, 0);
            return true;
        });
        launch();
        EXPECT_FALSE(driver.TimedOut());
        ASSERT_GT(bitmap.size(), 54u + 300u * 300u * 3u);
        EXPECT_GT(gui_test::CountColours(bitmap), 20u);
        testing_support::WriteBytes(testing_support::PicturePath(std::u16string(u"tests\\app\\") + name + u".bmp"), bitmap);
    }

private:
    // Opens the first category with findings down to its first finding and
    // selects it, so the picture shows a description too.
    static void ShowFirstFinding(HWND window)
    {
        HTREEITEM item = NextItem(window, TVGN_ROOT);
        while (item != nullptr && NextItem(window, TVGN_CHILD, item) == nullptr) item = NextItem(window, TVGN_NEXT, item);
        for (HTREEITEM child = item; child != nullptr; child = NextItem(window, TVGN_CHILD, item)) {
            item = child;
            ::SendDlgItemMessageW(window, IDC_REPORT_TREE, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
        }
        ::SendDlgItemMessageW(window, IDC_REPORT_TREE, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
        ::SetWindowPos(window, HWND_TOP, 10, 10, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    }
};

TEST_F(ReportToolScreenshots, ProblemChecker)
{
    Capture([&] { launchers_.problemChecker(nullptr); }, u"problem-checker");
}

TEST_F(ReportToolScreenshots, BadgeCheck)
{
    Capture([&] { launchers_.badgeCheck(nullptr); }, u"badge-check");
}

}  // namespace
