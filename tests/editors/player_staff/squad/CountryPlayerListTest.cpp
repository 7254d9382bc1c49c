// The squad window in mode 1: every club player of a country, filtered,
// with its value column, and the move and release commands.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>

#include "competition/League.h"
#include "core/text/TextManager.h"
#include "database/world/EnumTexts.h"
#include "editors/player_staff/search/ClubChooserHook.h"
#include "editors/player_staff/squad/DlgPlayerlistClub.h"
#include "editors/player_staff/PlayerStaffIds.h"
#include "resources/StaffPagesIds.h"
#include "tests/common/TestSupport.h"
#include "tests/database/DatabaseTestSupport.h"
#include "tests/editors/player_staff/SquadWindowFixture.h"
#include "tests/ui/GuiTestSupport.h"
#include "ui/base/CountryDirectory.h"
#include "ui/base/WorldCountryDirectory.h"
#include "win/WideText.h"

namespace {

// Chooses the combo row whose item data is value, as the user would.
void Choose(HWND page, int id, LPARAM value)
{
    EXPECT_TRUE(squad_window_testing::ChooseItemByData(page, id, value)) << "no row with data " << value << " in " << id;
}

class CountryPlayerListTest : public database_testing::CurrentWorldTest {
protected:
    static constexpr int England = 14;
    static constexpr int Other = 3;

    void SetUp() override
    {
        CurrentWorldTest::SetUp();
        SetCountryDirectory(&directory_);
        SetClubChooser(nullptr);
        TCountry& england = *world_->GetCountry(England);
        top_ = england.GetClubByUniqueId(england.CreateClub(u"Top"));
        low_ = england.GetClubByUniqueId(england.CreateClub(u"Low"));
        TCountry& other = *world_->GetCountry(Other);
        abroad_ = other.GetClubByUniqueId(other.CreateClub(u"Abroad"));
        AddLeague(england, 0, 0, {top_->GetId()});
        AddLeague(england, 1, 1, {low_->GetId()});
        Add(top_, u"Keeper", 1, 30);
        Add(top_, u"Striker", 17, 25);
        Add(low_, u"Back", 2, 20);
        Add(abroad_, u"Foreigner", 12, 28);
    }
    void TearDown() override
    {
        SetClubChooser(nullptr);
        SetCountryDirectory(nullptr);
        CurrentWorldTest::TearDown();
    }

    void AddLeague(TCountry& country, int index, std::int8_t level, std::vector<TTeamId> teams)
    {
        TCompetitionRegistry& registry = country.GetCompetitionRegistry();
        auto league = std::make_unique<CDBLeague>(country.GetLeagueId(index),
                                                  static_cast<std::uint32_t>(country.GetId()) << 24, registry);
        league->SetLevel(level);
        league->SetTeamsAndRounds(18, 2);
        for (TTeamId team : teams) ASSERT_TRUE(league->AddTeam(team));
        ASSERT_TRUE(registry.Register(std::move(league)));
    }

    TPerson* Add(TClub* club, const char16_t* last, std::uint8_t position, int age)
    {
        TPerson* person = world_->CreatePerson(world_->GetFreePersonId(), false);
        person->SetFirstName(u"Jo");
        person->SetLastName(last);
        person->SetNationality(static_cast<std::uint8_t>(club->GetCountryId()));
        person->SetPosition(0, position);
        person->SetBirthDate(TDate(2007 - age, 6, 1));
        club->AddPlayer(person);
        return person;
    }

    // Runs the window on England; step acts on the list page inside its modal loop.
    void Run(const std::function<void(HWND page)>& step)
    {
        CDlgPlayerlistClub window(CDlgPlayerlistClub::CountryPlayers);
        window.SetCountry(world_->GetCountry(England));
        gui_test::ModalDriver driver([&] {
            if (window.Handle() == nullptr) return false;
            page_ = &window.GetCompleteList();
            frame_ = &window;
            step(window.GetCompleteList().Handle());
            ::SendMessageW(window.Handle(), WM_COMMAND, IDOK, 0);
            return true;
        });
        window.DoModal();
        EXPECT_FALSE(driver.TimedOut());
    }

    // A click on the row: the list tells the page of the changed state.
    static void SelectRow(HWND page, int row)
    {
        LVITEMW state{};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        ::SendDlgItemMessageW(page, IDC_COMPLETE_LIST, LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                              reinterpret_cast<LPARAM>(&state));
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        ::SendDlgItemMessageW(page, IDC_COMPLETE_LIST, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                              reinterpret_cast<LPARAM>(&state));
    }

    static int Rows(HWND page)
    {
        return static_cast<int>(::SendDlgItemMessageW(page, IDC_COMPLETE_LIST, LVM_GETITEMCOUNT, 0, 0));
    }

    static std::vector<std::u16string> Names(HWND page)
    {
        std::vector<std::u16string> names;
        HWND list = ::GetDlgItem(page, IDC_COMPLETE_LIST);
        for (int row = 0; row < Rows(page); ++row) {
            wchar_t text[128] = {};
            LVITEMW item{};
            item.iSubItem = 0;
            item.pszText = text;
            item.cchTextMax = 128;
            ::SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
            names.push_back(win::U(text));
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    CWorldCountryDirectory directory_;
    TClub* top_ = nullptr;
    TClub* low_ = nullptr;
    TClub* abroad_ = nullptr;
    CDlgPlayerListComplete* page_ = nullptr;
    CDlgPlayerlistClub* frame_ = nullptr;
};

using NameList = std::vector<std::u16string>;

TEST_F(CountryPlayerListTest, ContinentAllDisablesCountryAndLeagueAndListsEveryCountry)
{
    NameList england, all;
    bool countryEnabled = true;
    bool leagueEnabled = true;
    Run([&](HWND page) {
        england = Names(page);
        Choose(page, IDC_COMPLETE_CONTINENT, static_cast<LPARAM>(AllPlayersFilter::All));
        all = Names(page);
        countryEnabled = ::IsWindowEnabled(::GetDlgItem(page, IDC_COMPLETE_COUNTRY)) != FALSE;
        leagueEnabled = ::IsWindowEnabled(::GetDlgItem(page, IDC_COMPLETE_LEAGUE)) != FALSE;
    });
    EXPECT_EQ(england, (NameList{u"Back, J.", u"Keeper, J.", u"Striker, J."}));
    EXPECT_EQ(all, (NameList{u"Back, J.", u"Foreigner, J.", u"Keeper, J.", u"Striker, J."}));
    EXPECT_FALSE(countryEnabled);
    EXPECT_FALSE(leagueEnabled);
}

TEST_F(CountryPlayerListTest, ALeagueLevelAndAPositionFilterNarrowTheRows)
{
    NameList topLevel, lowLevel, noKeepers;
    std::u16string count;
    Run([&](HWND page) {
        Choose(page, IDC_COMPLETE_LEAGUE, AllPlayersFilter::LevelChoice | 0);
        topLevel = Names(page);
        Choose(page, IDC_COMPLETE_LEAGUE, AllPlayersFilter::LevelChoice | 1);
        lowLevel = Names(page);
        Choose(page, IDC_COMPLETE_LEAGUE, static_cast<LPARAM>(AllPlayersFilter::All));
        Choose(page, IDC_COMPLETE_POSITION, AllPlayersFilter::NoGoalkeepers);
        noKeepers = Names(page);
        wchar_t text[64] = {};
        ::GetDlgItemTextW(page, IDC_COMPLETE_COUNT, text, 64);
        count = win::U(text);
    });
    EXPECT_EQ(topLevel, (NameList{u"Keeper, J.", u"Striker, J."}));
    EXPECT_EQ(lowLevel, (NameList{u"Back, J."}));
    EXPECT_EQ(noKeepers, (NameList{u"Back, J.", u"Striker, J."}));
    EXPECT_EQ(count, u"2 entries");
}

TEST_F(CountryPlayerListTest, TheAgeColumnRenamesTheRightAlignedHeaderAndSelectsRowZero)
{
    std::u16string heading;
    int format = -1;
    LRESULT selected = -1;
    std::u16string firstValue;
    Run([&](HWND page) {
        HWND list = ::GetDlgItem(page, IDC_COMPLETE_LIST);
        LVITEMW none{};
        none.stateMask = LVIS_SELECTED;
        ::SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
        Choose(page, IDC_COMPLETE_VALUE, AllPlayersFilter::Age);
        wchar_t text[64] = {};
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_FMT;
        column.pszText = text;
        column.cchTextMax = 64;
        ::SendMessageW(list, LVM_GETCOLUMNW, 2, reinterpret_cast<LPARAM>(&column));
        heading = win::U(text);
        format = column.fmt & LVCFMT_JUSTIFYMASK;
        selected = ::SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
        wchar_t value[32] = {};
        LVITEMW item{};
        item.iSubItem = 2;
        item.pszText = value;
        item.cchTextMax = 32;
        ::SendMessageW(list, LVM_GETITEMTEXTW, 0, reinterpret_cast<LPARAM>(&item));
        firstValue = win::U(value);
    });
    EXPECT_EQ(heading, u"Age");
    EXPECT_EQ(format, LVCFMT_RIGHT);
    EXPECT_EQ(selected, 0);
    EXPECT_FALSE(firstValue.empty());
}

// Another country of England's continent with a club of its own at level 0.
TEST_F(CountryPlayerListTest, AnotherCountryAtTheSameLevelListsItsOwnTeams)
{
    const int continent = world_->GetCountry(England)->GetContinent();
    TCountry* neighbour = nullptr;
    for (int id = 1; id <= 206 && neighbour == nullptr; ++id) {
        TCountry* country = world_->GetCountry(id);
        if (id != England && country != nullptr && country->GetContinent() == continent) neighbour = country;
    }
    ASSERT_NE(neighbour, nullptr);
    TClub* nearby = neighbour->GetClubByUniqueId(neighbour->CreateClub(u"Near"));
    AddLeague(*neighbour, 0, 0, {nearby->GetId()});
    Add(nearby, u"Neighbour", 4, 24);
    NameList englandTop, neighbourTop, backInEngland;
    Run([&](HWND page) {
        Choose(page, IDC_COMPLETE_LEAGUE, AllPlayersFilter::LevelChoice | 0);
        englandTop = Names(page);
        Choose(page, IDC_COMPLETE_COUNTRY, neighbour->GetId());
        neighbourTop = Names(page);
        Choose(page, IDC_COMPLETE_COUNTRY, England);
        backInEngland = Names(page);
    });
    EXPECT_EQ(englandTop, (NameList{u"Keeper, J.", u"Striker, J."}));
    EXPECT_EQ(neighbourTop, (NameList{u"Neighbour, J."}));
    EXPECT_EQ(backInEngland, englandTop);
}

// A right click on a row opens the menu with its texts, not their keys.
TEST_F(CountryPlayerListTest, TheRowMenuShowsItsTexts)
{
    std::vector<std::u16string> items;
    Run([&](HWND page) {
        HWND list = ::GetDlgItem(page, IDC_COMPLETE_LIST);
        RECT rect{LVIR_LABEL, 0, 0, 0};
        ::SendMessageW(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&rect));
        POINT point{rect.left + 10, (rect.top + rect.bottom) / 2 + 2};
        ::ClientToScreen(list, &point);
        ::SetCursorPos(point.x, point.y);
        gui_test::ModalDriver menuDriver([&] {
            HWND shown = ::FindWindowW(L"#32768", nullptr);
            if (shown == nullptr || !::IsWindowVisible(shown)) return false;
            HMENU menu = reinterpret_cast<HMENU>(::SendMessageW(shown, MN_GETHMENU, 0, 0));
            for (int item = 0; item < ::GetMenuItemCount(menu); ++item) {
                wchar_t text[128] = {};
                ::GetMenuStringW(menu, static_cast<UINT>(item), text, 128, MF_BYPOSITION);
                items.push_back(win::U(text));
            }
            ::EndMenu();
            return true;
        });
        NMITEMACTIVATE click{};
        click.hdr.hwndFrom = list;
        click.hdr.idFrom = IDC_COMPLETE_LIST;
        click.hdr.code = NM_RCLICK;
        click.iItem = 0;
        ::SendMessageW(page, WM_NOTIFY, IDC_COMPLETE_LIST, reinterpret_cast<LPARAM>(&click));
        EXPECT_FALSE(menuDriver.TimedOut());
    });
    EXPECT_EQ(items, (std::vector<std::u16string>{u"&Move to another club\u2026", u"&Release\u2026"}));
}

TEST_F(CountryPlayerListTest, SelectingARowShowsThePlayerAndHisClub)
{
    TPerson* shown = nullptr;
    std::u16string club;
    Run([&](HWND page) {
        Choose(page, IDC_COMPLETE_LEAGUE, AllPlayersFilter::LevelChoice | 1);
        SelectRow(page, 0);
        shown = frame_->GetCurrentPerson();
        wchar_t text[64] = {};
        ::GetDlgItemTextW(page, IDC_COMPLETE_CLUB, text, 64);
        club = win::U(text);
    });
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(std::u16string(shown->GetLastName()), u"Back");
    EXPECT_EQ(club, u"Low");
}

TEST_F(CountryPlayerListTest, AMoveAbroadTakesThePlayerOffTheList)
{
    SetClubChooser([this](HWND, int) { return abroad_->GetId(); });
    NameList after;
    TPerson* moved = nullptr;
    Run([&](HWND page) {
        Choose(page, IDC_COMPLETE_LEAGUE, AllPlayersFilter::LevelChoice | 1);
        SelectRow(page, 0);
        moved = page_->GetCurrentPerson();
        ::SendMessageW(page, WM_COMMAND, ID_COMPLETE_MOVE, 0);
        Choose(page, IDC_COMPLETE_LEAGUE, static_cast<LPARAM>(AllPlayersFilter::All));
        after = Names(page);
    });
    ASSERT_NE(moved, nullptr);
    EXPECT_EQ(after, (NameList{u"Keeper, J.", u"Striker, J."}));
    EXPECT_EQ(abroad_->FindPlayer(moved->GetId()), moved);
    EXPECT_EQ(low_->FindPlayer(moved->GetId()), nullptr);
}

TEST_F(CountryPlayerListTest, ReleaseAsksAndMakesHimAFreeAgent)
{
    testing_support::MessageCapture answers(AppMessage::IdYes);
    TPerson* released = nullptr;
    NameList after;
    Run([&](HWND page) {
        Choose(page, IDC_COMPLETE_LEAGUE, AllPlayersFilter::LevelChoice | 1);
        SelectRow(page, 0);
        released = page_->GetCurrentPerson();
        ::SendMessageW(page, WM_COMMAND, ID_COMPLETE_RELEASE, 0);
        after = Names(page);
    });
    ASSERT_NE(released, nullptr);
    ASSERT_EQ(answers.Messages().size(), 1u);
    EXPECT_EQ(answers.Messages()[0], u"Release Back, J.? He joins the players without a club.");
    EXPECT_TRUE(after.empty());
    EXPECT_EQ(low_->GetSquadCount(), 0);
    const TPlayersWithoutClub& free = world_->GetFreeAgents();
    ASSERT_EQ(free.GetCount(), 1);
    EXPECT_EQ(free.GetPlayer(0), released);
}

// The list page with its count of entries and the chosen player's club,
// whole in every language.
TEST_F(CountryPlayerListTest, TheListPageShowsEveryTextWholeInEachLanguage)
{
    gui_test::InEachLanguage([&] {
        Run([&](HWND page) {
            SelectRow(page, 0);
            gui_test::ExpectWholeLayout(frame_->Handle(), "country player list");
        });
    });
}

// The position filter has room for the positions' full names, each whole in
// its drop-down list; the list's narrow position column keeps the short forms.
TEST_F(CountryPlayerListTest, ThePositionFilterOffersFullNamesAndTheListShortFormsInEachLanguage)
{
    gui_test::InEachLanguage([&] {
        std::vector<std::u16string> choices;
        std::set<std::u16string> listed;
        Run([&](HWND page) {
            choices = gui_test::ComboTexts(page, IDC_COMPLETE_POSITION);
            for (int row = 0; row < Rows(page); ++row)
                listed.insert(gui_test::CellText(::GetDlgItem(page, IDC_COMPLETE_LIST), row, 1));
            gui_test::ExpectWholeLayout(frame_->Handle(), "country player list");
        });
        const CEnumTexts& names = GetEnumTexts();
        ASSERT_EQ(choices.size(), 22u) << "all, three team parts, 17 positions, no goalkeepers";
        EXPECT_EQ(choices[4], testing_support::FullGoalkeeperNames[CTextManager::Instance()->GetLanguage()]);
        EXPECT_EQ(listed, (std::set<std::u16string>{names.GetPositionShortName(1), names.GetPositionShortName(2),
                                                     names.GetPositionShortName(17)}));
    });
}

}  // namespace
