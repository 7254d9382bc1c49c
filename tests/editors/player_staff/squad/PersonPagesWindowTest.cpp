// The player pages' buttons and values, driven through the squad window by
// their control ids: random abilities, the history entry's club, the
// contract's amounts and end year, and the common page's caption.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/editors/player_staff/SquadWindowFixture.h"
#include "app/LedraApp.h"
#include "core/Random.h"
#include "database/world/WorldList.h"
#include "editors/player_staff/model/squad/ContractPageModel.h"
#include "resources/ClubEditorIds.h"

namespace {

using squad_window_testing::FindDialogWith;
using squad_window_testing::ChooseItemByData;
using squad_window_testing::SelectRowByData;

constexpr int England = 14;
using squad_window_testing::AbilitiesTab;
using squad_window_testing::ContractTab;
using squad_window_testing::HistoryTab;

class PersonPagesWindowTest : public squad_window_testing::SquadWindowTest {
protected:
    void SetUp() override
    {
        SquadWindowTest::SetUp();
        TCountry& england = *world_->GetCountry(England);
        other_ = england.GetClubByUniqueId(england.CreateClub(u"Other"));
        for (int n = 0; n < 14; ++n) Add(u"Player");
        first_ = Add(u"Aaron");
    }
    void TearDown() override
    {
        SetAdminMode(GetAdminModeFlag(), false);
        SquadWindowTest::TearDown();
    }

    // Runs the window without a question at OK; step acts inside its loop
    // until it returns true.
    void RunWindow(const std::function<bool(CDlgPlayerlistClub& window)>& step)
    {
        CDlgPlayerlistClub window(CDlgPlayerlistClub::ClubSquad);
        window.SetClub(club_);
        window.SetProblemBox([](HWND, const std::u16string&) { return INT_PTR{2}; });
        Run(window, [&] { return step(window); });
    }

    static HWND Page(CDlgPlayerlistClub& window, int code) { return window.GetPage(code)->Handle(); }

    // Shows the first person on a page, lets before look at it, clicks the
    // page's button as a user would, lets pick answer the club picker, then
    // lets after look at the page once the picker has closed. False when no
    // picker opened.
    bool ClickAndPick(int tab, int pageCode, int button, const std::function<void(HWND page)>& before,
                      const std::function<void(HWND picker)>& pick, const std::function<void(HWND page)>& after)
    {
        bool clicked = false;
        bool picked = false;
        RunWindow([&](CDlgPlayerlistClub& window) {
            HWND page = Page(window, pageCode);
            if (HWND picker = FindDialogWith(IDC_PICK_CLUBS); picker != nullptr) {
                pick(picker);
                picked = true;
                return false;
            }
            if (!clicked) {
                SelectPerson(window, first_);
                SelectPageTab(window, tab);
                before(page);
                clicked = true;
                ::PostMessageW(page, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                               reinterpret_cast<LPARAM>(::GetDlgItem(page, button)));
                return false;
            }
            if (!picked) return false;
            gui_test::PumpMessages();
            after(page);
            Close(window);
            return true;
        });
        return picked;
    }
    static void Close(CDlgPlayerlistClub& window) { ::SendMessageW(window.Handle(), WM_COMMAND, IDOK, 0); }

    static void TypeNumber(HWND page, int id, const wchar_t* text)
    {
        // A spin edit takes its typed text when the edit loses the focus.
        HWND edit = ::GetDlgItem(page, id);
        ::SetWindowTextW(edit, text);
        ::SendMessageW(page, WM_COMMAND, MAKEWPARAM(id, EN_KILLFOCUS), reinterpret_cast<LPARAM>(edit));
    }

    // Selects the person's row of the first team's list, as a click would.
    void SelectPerson(CDlgPlayerlistClub& window, const TPerson* person)
    {
        HWND list = ListBoxOf(window, 0);
        const int rows = static_cast<int>(::SendMessageW(list, LB_GETCOUNT, 0, 0));
        for (int row = 0; row < rows; ++row) {
            if (::SendMessageW(list, LB_GETITEMDATA, row, 0) == static_cast<LRESULT>(person->GetId())) {
                Select(window, 0, row);
                return;
            }
        }
        ADD_FAILURE() << "no row of person " << person->GetId();
    }

    // The level column of a squad list row.
    static std::u16string LevelOf(const std::u16string& row) { return row.substr(row.rfind(u'\t') + 1); }

    TClub* other_ = nullptr;
    TPerson* first_ = nullptr;
};

// --- Random abilities

TEST_F(PersonPagesWindowTest, RandomAbilitiesMeetTheTargetOfTheClubsCountryAndThePageAndListShowThem)
{
    TCountry& england = *world_->GetCountry(England);
    // Without leagues the club's league level lowers nothing.
    ASSERT_EQ(england.GetLeagueCount(), 0);
    england.SetAverageRating(60);
    first_->SetTalent(2);
    first_->SetBirthDate(TDate(1980, 1, 1));  // 27 on the reference day: no age correction
    for (int a = 0; a < TPerson::AbilityCount; ++a) first_->SetAbility(a, 40);
    const int levelBefore = first_->GetLevel();
    int draw = -1;
    std::vector<std::u16string> shown;
    std::u16string row;
    RunWindow([&](CDlgPlayerlistClub& window) {
        // The page draws 0..10 for the target when it shows the player.
        SelectPerson(window, first_);
        SeedRandom(7, 11);
        draw = RandomInt(11);
        SeedRandom(7, 11);
        SelectPageTab(window, AbilitiesTab);
        HWND page = Page(window, CDlgPlayerlistClub::AbilitiesPage);
        ::SendMessageW(::GetDlgItem(page, IDC_ABILITIES_RANDOM), BM_CLICK, 0, 0);
        for (int id : {1790, 1811, 1996, 2000, 1812, 1824}) shown.push_back(ItemText(page, id));
        row = RowText(ListBoxOf(window, 0), static_cast<int>(::SendMessageW(ListBoxOf(window, 0), LB_GETCURSEL, 0, 0)));
        Close(window);
        return true;
    });
    const double target = 60 * (2 * 5 + draw + 90) * 0.01;
    EXPECT_NEAR(first_->GetPositionRating(16), target, 2.5) << "draw " << draw;
    const int abilities[] = {0, 19, 20, 29, 30, 42};
    ASSERT_EQ(shown.size(), std::size(abilities));
    for (std::size_t i = 0; i < shown.size(); ++i) {
        EXPECT_EQ(shown[i], win::U(std::to_wstring(first_->GetAbility(abilities[i])).c_str())) << abilities[i];
    }
    EXPECT_NE(first_->GetLevel(), levelBefore);
    EXPECT_EQ(LevelOf(row), win::U(std::to_wstring(first_->GetLevel()).c_str())) << "the list shows the new level";
}

// --- The club of a history entry

TEST_F(PersonPagesWindowTest, TheClubChosenForAHistoryEntryReachesItAndSurvivesASave)
{
    THistoryEntry entry;
    entry.start = TDate(2005, 7, 1);
    entry.end = TDate(2006, 6, 30);
    entry.matches = 21;
    first_->AddHistoryEntry(entry);
    const std::uint32_t id = first_->GetId();
    bool opened = false;
    bool picked = false;
    int waited = 0;
    bool reserveOffered = false;
    std::u16string clubShown;
    std::u16string rowShown;
    RunWindow([&](CDlgPlayerlistClub& window) {
        HWND page = Page(window, CDlgPlayerlistClub::HistoryPage);
        if (HWND picker = FindDialogWith(IDC_PICK_CLUBS); picker != nullptr) {
            SelectRowByData(picker, IDC_PICK_COUNTRIES, England);
            HWND clubs = ::GetDlgItem(picker, IDC_PICK_CLUBS);
            const int count = static_cast<int>(::SendMessageW(clubs, LB_GETCOUNT, 0, 0));
            for (int row = 0; row < count; ++row) {
                const auto data = static_cast<std::uint32_t>(::SendMessageW(clubs, LB_GETITEMDATA, row, 0));
                reserveOffered = reserveOffered || (data & ReserveTeamBit) != 0;
            }
            SelectRowByData(picker, IDC_PICK_CLUBS, static_cast<LPARAM>(other_->GetId()));
            ::SendMessageW(picker, WM_COMMAND, IDOK, 0);
            picked = true;
            return false;
        }
        if (!opened) {
            SelectPerson(window, first_);
            SelectPageTab(window, HistoryTab);
            // The matches are typed before the club is chosen: they stay.
            ::SetFocus(::GetDlgItem(page, IDC_HISTORY_MATCHES));
            ::SetDlgItemTextW(page, IDC_HISTORY_MATCHES, L"33");
            opened = true;
            ::PostMessageW(page, WM_COMMAND, MAKEWPARAM(IDC_HISTORY_CHOOSE_CLUB, BN_CLICKED), 0);
            return false;
        }
        // A button that opens nothing leaves the window waiting no longer.
        if (!picked && ++waited < 100) return false;
        clubShown = ItemText(page, IDC_HISTORY_CLUB);
        wchar_t text[64] = {};
        LVITEMW item{};
        item.iSubItem = 0;
        item.pszText = text;
        item.cchTextMax = 64;
        ::SendDlgItemMessageW(page, IDC_HISTORY_LIST, LVM_GETITEMTEXTW, 0, reinterpret_cast<LPARAM>(&item));
        rowShown = win::U(text);
        Close(window);
        return true;
    });
    EXPECT_TRUE(picked);
    EXPECT_FALSE(reserveOffered) << "a career entry is with a club, not its reserve team";
    ASSERT_EQ(first_->GetHistoryCount(), 1);
    EXPECT_EQ(first_->GetHistoryEntry(0).clubId, other_->GetId());
    EXPECT_EQ(first_->GetHistoryEntry(0).matches, 33);
    EXPECT_EQ(clubShown, u"Other");
    EXPECT_EQ(rowShown, u"Other");

    // The old world and its records go with the reload.
    const TTeamId chosen = other_->GetId();
    ASSERT_TRUE(world_->SaveWorld({}, TCompleteWorld::DamagedFiles::Keep).saved);
    GetWorldList().Clear();
    world_ = GetWorldList().CreateCompleteWorld();
    ASSERT_TRUE(world_->LoadWorld(u"Database"));
    const TPerson* loaded = world_->GetPerson(id);
    ASSERT_NE(loaded, nullptr);
    ASSERT_EQ(loaded->GetHistoryCount(), 1);
    EXPECT_EQ(loaded->GetHistoryEntry(0).clubId, chosen);
    EXPECT_EQ(loaded->GetHistoryEntry(0).matches, 33);
}

// --- The contract page

TEST_F(PersonPagesWindowTest, AmountsTheSpinsCannotShowStayAsStoredUntilTheUserTypesOne)
{
    struct TContract {
        const char16_t* name;
        int state;
        std::uint32_t salary;
        std::uint32_t value;
        std::int32_t fee;
        std::int32_t callOption;
        std::uint8_t ban;
    };
    const TContract contracts[] = {
        {u"Aa", 5, 120000000, 150000000, 150000000, 0, 0},
        {u"Ab", 6, 100000000, 99999999, 150000000, 150000000, 0},
        {u"Ac", 6, 5, 6, -1, 300000000, 0},
        {u"Ad", 2, 0, 100000000, 0, 0, 25},
        {u"Ae", 5, 7, 8, -1, 0, 0},
    };
    std::vector<TPerson*> persons;
    for (const TContract& c : contracts) {
        TPerson* p = Add(c.name);
        p->SetTransferState(c.state);
        p->SetSalary(c.salary);
        p->SetTransferValue(c.value);
        p->SetTransferFee(c.fee);
        p->SetCallOption(c.callOption);
        p->SetBanLength(c.ban);
        persons.push_back(p);
    }
    std::u16string salaryShown;
    RunWindow([&](CDlgPlayerlistClub& window) {
        for (const TPerson* person : persons) {
            SelectPerson(window, person);
            SelectPageTab(window, ContractTab);
            if (person == persons[0]) {
                salaryShown = ItemText(Page(window, CDlgPlayerlistClub::ContractPage), IDC_CONTRACT_SALARY);
            }
            SelectPageTab(window, 0);
        }
        Close(window);
        return true;
    });
    EXPECT_NE(salaryShown.find(u"99"), std::u16string::npos) << "the spin shows its greatest value";
    for (std::size_t i = 0; i < persons.size(); ++i) {
        const TContract& c = contracts[i];
        EXPECT_EQ(persons[i]->GetSalary(), c.salary) << i;
        EXPECT_EQ(persons[i]->GetTransferValue(), c.value) << i;
        EXPECT_EQ(persons[i]->GetTransferFee(), c.fee) << i;
        EXPECT_EQ(persons[i]->GetCallOption(), c.callOption) << i;
        EXPECT_EQ(persons[i]->GetBanLength(), c.ban) << i;
        EXPECT_EQ(persons[i]->GetTransferState(), c.state) << i;
    }

    // A typed salary is stored; the transfer value beside it stays.
    RunWindow([&](CDlgPlayerlistClub& window) {
        SelectPerson(window, persons[0]);
        SelectPageTab(window, ContractTab);
        HWND page = Page(window, CDlgPlayerlistClub::ContractPage);
        TypeNumber(page, IDC_CONTRACT_SALARY, L"5000");
        TypeNumber(page, IDC_CONTRACT_FEE, L"2500");
        SelectPageTab(window, 0);
        Close(window);
        return true;
    });
    EXPECT_EQ(persons[0]->GetSalary(), 5000u);
    EXPECT_EQ(persons[0]->GetTransferValue(), 150000000u);
    EXPECT_EQ(persons[0]->GetTransferFee(), 2500);
}

TEST_F(PersonPagesWindowTest, TheContractYearUnderTheDraggedThumbIsStoredForEveryYear)
{
    first_->SetContractUntil(2010);
    int low = 0;
    int high = 0;
    std::vector<int> stored;
    std::vector<std::u16string> texts;
    std::vector<int> positions;
    RunWindow([&](CDlgPlayerlistClub& window) {
        SelectPerson(window, first_);
        SelectPageTab(window, ContractTab);
        HWND page = Page(window, CDlgPlayerlistClub::ContractPage);
        HWND bar = ::GetDlgItem(page, IDC_CONTRACT_YEAR_BAR);
        ::GetScrollRange(bar, SB_CTL, &low, &high);
        for (int year = 2007; year <= 2017; ++year) {
            // The bar's scale runs the other way: the latest year at the top.
            const int thumb = 2007 + 2017 - year;
            for (int code : {SB_THUMBTRACK, SB_THUMBPOSITION, SB_ENDSCROLL}) {
                ::SendMessageW(page, WM_VSCROLL, MAKEWPARAM(code, thumb), reinterpret_cast<LPARAM>(bar));
            }
            stored.push_back(first_->GetContractUntil());
            texts.push_back(ItemText(page, IDC_CONTRACT_YEAR));
            positions.push_back(::GetScrollPos(bar, SB_CTL));
        }
        SelectPageTab(window, 0);
        Close(window);
        return true;
    });
    EXPECT_EQ(low, 2007);
    EXPECT_EQ(high, 2017);
    ASSERT_EQ(stored.size(), 11u);
    for (int year = 2007; year <= 2017; ++year) {
        const std::size_t i = static_cast<std::size_t>(year - 2007);
        EXPECT_EQ(stored[i], year);
        EXPECT_EQ(positions[i], 2007 + 2017 - year) << "the thumb stays where it was dropped";
        if (year == 2007) EXPECT_NE(texts[i], u"2007") << "the first year is drawn when the game starts";
        else EXPECT_EQ(texts[i], win::U(std::to_wstring(year).c_str()));
    }
    EXPECT_EQ(first_->GetContractUntil(), 2017);
}

// A loan turned into a ban on the page keeps none of the loan's dates, and
// the page names no club for ids without a country.
TEST_F(PersonPagesWindowTest, ALoanTurnedIntoABanKeepsNoLoanDateAndCountrylessClubsShowNoName)
{
    first_->SetTransferState(ContractPageModel::Loan);
    first_->SetTransferStartDate(TDate(2007, 7, 15));
    first_->SetTransferEndDate(TDate(2008, 6, 30));
    first_->SetTransferFee(5000);
    first_->SetFavouriteClub(0);
    first_->SetDislikedClub(0x00000005);
    first_->SetTransferClub(0);
    std::vector<std::u16string> names;
    RunWindow([&](CDlgPlayerlistClub& window) {
        SelectPerson(window, first_);
        SelectPageTab(window, ContractTab);
        HWND page = Page(window, CDlgPlayerlistClub::ContractPage);
        for (const int id : {IDC_CONTRACT_FAVOURITE_CLUB, IDC_CONTRACT_DISLIKED_CLUB, IDC_CONTRACT_OTHER_CLUB}) {
            names.push_back(ItemText(page, id));
        }
        HWND states = ::GetDlgItem(page, IDC_CONTRACT_STATE);
        const int count = static_cast<int>(::SendMessageW(states, CB_GETCOUNT, 0, 0));
        for (int item = 0; item < count; ++item) {
            if (::SendMessageW(states, CB_GETITEMDATA, static_cast<WPARAM>(item), 0) != ContractPageModel::Ban) continue;
            ::SendMessageW(states, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
            ::SendMessageW(page, WM_COMMAND, MAKEWPARAM(IDC_CONTRACT_STATE, CBN_SELCHANGE), reinterpret_cast<LPARAM>(states));
        }
        SelectPageTab(window, 0);
        Close(window);
        return true;
    });
    EXPECT_EQ(names, std::vector<std::u16string>(3, u""));
    EXPECT_EQ(first_->GetTransferState(), ContractPageModel::Ban);
    EXPECT_FALSE(first_->GetTransferStartDate().IsSet()) << "the export would write it with the ban";
    EXPECT_FALSE(first_->GetTransferEndDate().IsSet());
    EXPECT_EQ(first_->GetTransferFee(), 0);
}

// For every change from one state to another, OK stores the dates that the
// two controls show, as the chosen state uses them, and no other: never the
// record's hidden fields of the new state, such as a ban's start.
TEST_F(PersonPagesWindowTest, AChangedStateStoresTheDatesItsControlsShow)
{
    using M = ContractPageModel;
    struct TChange {
        int before;
        int chosen;
        TDate shown[2];
        TDate stored[4];
    };
    auto shownDate = [](HWND page, int id) {
        int parts[3] = {};
        const std::vector<HWND> edits = gui_test::DateParts(page, id);
        for (std::size_t part = 0; part < edits.size() && part < 3; ++part) {
            parts[part] = std::stoi(std::wstring(win::W(gui_test::WindowText(edits[part]))));
        }
        return TDate(parts[2], parts[1], parts[0]);
    };
    std::vector<TChange> changes;
    RunWindow([&](CDlgPlayerlistClub& window) {
        SelectPerson(window, first_);
        HWND page = Page(window, CDlgPlayerlistClub::ContractPage);
        for (int before = 0; before < M::StateCount; ++before) {
            for (int chosen = 0; chosen < M::StateCount; ++chosen) {
                if (chosen == before) continue;
                first_->SetTransferState(before);
                first_->SetInjuryStartDate(TDate(2007, 6, 1));
                first_->SetInjuryEndDate(TDate(2007, 9, 1));
                first_->SetTransferStartDate(TDate(2007, 7, 15));
                first_->SetTransferEndDate(TDate(2008, 5, 31));
                SelectPageTab(window, ContractTab);
                ChooseItemByData(page, IDC_CONTRACT_STATE, chosen);
                TChange change{before, chosen, {}, {}};
                change.shown[0] = shownDate(page, IDC_CONTRACT_FIRST_DATE);
                change.shown[1] = shownDate(page, IDC_CONTRACT_SECOND_DATE);
                SelectPageTab(window, 0);
                change.stored[0] = first_->GetInjuryStartDate();
                change.stored[1] = first_->GetInjuryEndDate();
                change.stored[2] = first_->GetTransferStartDate();
                change.stored[3] = first_->GetTransferEndDate();
                changes.push_back(change);
            }
        }
        Close(window);
        return true;
    });
    ASSERT_EQ(changes.size(), 42u);
    for (const TChange& change : changes) {
        SCOPED_TRACE(std::to_string(change.before) + " to " + std::to_string(change.chosen));
        const unsigned groups = M::GroupsOf(change.chosen);
        const bool injury = change.chosen == M::Injury;
        const TDate first = (groups & M::FirstDateGroup) != 0 ? change.shown[0] : TDate();
        const TDate second = (groups & M::SecondDateGroup) != 0 ? change.shown[1] : TDate();
        EXPECT_EQ(change.stored[0], injury ? first : TDate());
        EXPECT_EQ(change.stored[1], injury ? second : TDate());
        EXPECT_EQ(change.stored[2], injury ? TDate() : first);
        EXPECT_EQ(change.stored[3], injury ? TDate() : second);
    }
}

// Arrows, keys and the thumb move the year the same way: the bar shows each
// year where a thumb dropped there reads it, so a thumb dropped where it
// stands leaves the year, whatever moved the bar before.
TEST_F(PersonPagesWindowTest, TheContractYearBarsArrowsKeysAndThumbAgree)
{
    first_->SetContractUntil(2010);
    struct TMove {
        const char* what;
        bool key;
        int code;
        int year;
    };
    const TMove moves[] = {
        {"shown", false, SB_ENDSCROLL, 2010},     {"up arrow", false, SB_LINEUP, 2011},
        {"up key", true, VK_UP, 2012},            {"down arrow", false, SB_LINEDOWN, 2011},
        {"down key", true, VK_DOWN, 2010},        {"page up", false, SB_PAGEUP, 2010},
        {"page down key", true, VK_NEXT, 2010},   {"home key", true, VK_HOME, 2017},
        {"up arrow at the top", false, SB_LINEUP, 2017}, {"end key", true, VK_END, 2007},
        {"down key at the bottom", true, VK_DOWN, 2007}, {"up arrow", false, SB_LINEUP, 2008},
    };
    std::vector<int> years;
    std::vector<int> positions;
    std::vector<int> yearsAfterDrop;
    RunWindow([&](CDlgPlayerlistClub& window) {
        SelectPerson(window, first_);
        SelectPageTab(window, ContractTab);
        HWND page = Page(window, CDlgPlayerlistClub::ContractPage);
        HWND bar = ::GetDlgItem(page, IDC_CONTRACT_YEAR_BAR);
        for (const TMove& move : moves) {
            if (move.key) {
                ::SendMessageW(bar, WM_KEYDOWN, static_cast<WPARAM>(move.code), 0);
            } else {
                ::SendMessageW(page, WM_VSCROLL, MAKEWPARAM(move.code, 0), reinterpret_cast<LPARAM>(bar));
            }
            ::SendMessageW(page, WM_VSCROLL, MAKEWPARAM(SB_ENDSCROLL, 0), reinterpret_cast<LPARAM>(bar));
            years.push_back(first_->GetContractUntil());
            const int position = static_cast<int>(::SendMessageW(bar, SBM_GETPOS, 0, 0));
            positions.push_back(position);
            for (const int code : {SB_THUMBTRACK, SB_THUMBPOSITION, SB_ENDSCROLL}) {
                ::SendMessageW(page, WM_VSCROLL, MAKEWPARAM(code, position), reinterpret_cast<LPARAM>(bar));
            }
            yearsAfterDrop.push_back(first_->GetContractUntil());
        }
        Close(window);
        return true;
    });
    ASSERT_EQ(years.size(), std::size(moves));
    for (std::size_t i = 0; i < std::size(moves); ++i) {
        SCOPED_TRACE(moves[i].what);
        EXPECT_EQ(years[i], moves[i].year);
        EXPECT_EQ(positions[i], 2007 + 2017 - moves[i].year);
        EXPECT_EQ(yearsAfterDrop[i], moves[i].year);
    }
}

// --- Texts that change while their page is shown

// After each arrow click the year stands alone on the program's skin, as it
// does when the window is drawn afresh: no trace of the text before it.
TEST_F(PersonPagesWindowTest, TheContractYearShownAfterEachArrowClickLooksAsIfDrawnAfresh)
{
    const gui_test::ProgramSkin skin;
    ASSERT_TRUE(skin.IsLoaded());
    first_->SetContractUntil(2008);
    std::vector<std::u16string> texts;
    std::vector<std::size_t> differences;
    bool seen = false;
    RunWindow([&](CDlgPlayerlistClub& window) {
        if (!::IsWindowVisible(window.Handle())) return false;
        SelectPerson(window, first_);
        SelectPageTab(window, ContractTab);
        HWND page = Page(window, CDlgPlayerlistClub::ContractPage);
        HWND bar = ::GetDlgItem(page, IDC_CONTRACT_YEAR_BAR);
        HWND year = ::GetDlgItem(page, IDC_CONTRACT_YEAR);
        seen = ::IsWindowVisible(year) != FALSE;
        gui_test::CaptureRedrawn(year);
        for (const int code : {SB_LINEDOWN, SB_LINEUP, SB_LINEUP, SB_LINEUP}) {
            for (const int step : {code, SB_ENDSCROLL}) {
                ::SendMessageW(page, WM_VSCROLL, MAKEWPARAM(step, 0), reinterpret_cast<LPARAM>(bar));
            }
            gui_test::PumpMessages();
            const std::vector<std::uint8_t> shown = gui_test::CaptureWindow(year);
            differences.push_back(gui_test::CountDifferentBytes(shown, gui_test::CaptureRedrawn(year)));
            texts.push_back(ItemText(page, IDC_CONTRACT_YEAR));
        }
        Close(window);
        return true;
    });
    EXPECT_TRUE(seen);
    const std::vector<std::u16string> expected = {u"drawn at the start of the game", u"2008", u"2009", u"2010"};
    EXPECT_EQ(texts, expected);
    EXPECT_EQ(differences, std::vector<std::size_t>(4, 0));
    EXPECT_EQ(first_->GetContractUntil(), 2010);
}

// A club chosen for the contract's three clubs and for a career entry is
// shown on the program's skin as if the window were drawn afresh.
TEST_F(PersonPagesWindowTest, AClubChosenOnTheContractAndHistoryPagesLooksAsIfDrawnAfresh)
{
    const gui_test::ProgramSkin skin;
    ASSERT_TRUE(skin.IsLoaded());
    first_->SetTransferState(ContractPageModel::Loan);
    for (auto set : {&TPerson::SetFavouriteClub, &TPerson::SetDislikedClub, &TPerson::SetTransferClub}) {
        (first_->*set)(club_->GetId());
    }
    THistoryEntry entry;
    entry.start = TDate(2005, 7, 1);
    entry.end = TDate(2006, 6, 30);
    entry.clubId = club_->GetId();
    first_->AddHistoryEntry(entry);
    const struct {
        int tab;
        int page;
        int button;
        int shownIn;
    } choices[] = {
        {ContractTab, CDlgPlayerlistClub::ContractPage, IDC_CONTRACT_CHOOSE_FAVOURITE, IDC_CONTRACT_FAVOURITE_CLUB},
        {ContractTab, CDlgPlayerlistClub::ContractPage, IDC_CONTRACT_CHOOSE_DISLIKED, IDC_CONTRACT_DISLIKED_CLUB},
        {ContractTab, CDlgPlayerlistClub::ContractPage, IDC_CONTRACT_CHOOSE_OTHER, IDC_CONTRACT_OTHER_CLUB},
        {HistoryTab, CDlgPlayerlistClub::HistoryPage, IDC_HISTORY_CHOOSE_CLUB, IDC_HISTORY_CLUB},
    };
    for (const auto& choice : choices) {
        SCOPED_TRACE("button " + std::to_string(choice.button));
        bool seen = false;
        std::u16string before;
        std::u16string after;
        std::size_t difference = 0;
        const bool picked = ClickAndPick(
            choice.tab, choice.page, choice.button,
            [&](HWND page) {
                gui_test::CaptureRedrawn(::GetDlgItem(page, choice.shownIn));
                before = ItemText(page, choice.shownIn);
            },
            [&](HWND picker) { squad_window_testing::PickClubOutOfTheWay(picker, England, other_->GetId()); },
            [&](HWND page) {
                HWND shown = ::GetDlgItem(page, choice.shownIn);
                seen = ::IsWindowVisible(shown) != FALSE;
                after = ItemText(page, choice.shownIn);
                const std::vector<std::uint8_t> changed = gui_test::CaptureWindow(shown);
                difference = gui_test::CountDifferentBytes(changed, gui_test::CaptureRedrawn(shown));
            });
        EXPECT_TRUE(picked);
        EXPECT_TRUE(seen);
        EXPECT_EQ(before, u"Squad");
        EXPECT_EQ(after, u"Other");
        EXPECT_EQ(difference, 0u);
    }
    EXPECT_EQ(first_->GetFavouriteClub(), other_->GetId());
    EXPECT_EQ(first_->GetDislikedClub(), other_->GetId());
    EXPECT_EQ(first_->GetTransferClub(), other_->GetId());
    EXPECT_EQ(first_->GetHistoryEntry(0).clubId, other_->GetId());
}

// The picker's OK stores what it gives, also no club: that clears the
// entry, and a favourite or disliked club without a country reads "-".
// Cancel keeps the club.
TEST_F(PersonPagesWindowTest, AContractClubPickedAsNoneIsClearedAndCancelKeepsIt)
{
    const struct {
        int button;
        int shownIn;
        std::uint32_t (TPerson::*get)() const;
        const char16_t* shownForNone;
    } buttons[] = {
        {IDC_CONTRACT_CHOOSE_FAVOURITE, IDC_CONTRACT_FAVOURITE_CLUB, &TPerson::GetFavouriteClub, u"-"},
        {IDC_CONTRACT_CHOOSE_DISLIKED, IDC_CONTRACT_DISLIKED_CLUB, &TPerson::GetDislikedClub, u"-"},
        {IDC_CONTRACT_CHOOSE_OTHER, IDC_CONTRACT_OTHER_CLUB, &TPerson::GetTransferClub, u""},
    };
    for (const auto& button : buttons) {
        for (const int end : {IDCANCEL, IDOK}) {
            SCOPED_TRACE("button " + std::to_string(button.button) + (end == IDOK ? " OK" : " Cancel"));
            first_->SetTransferState(ContractPageModel::Loan);
            for (auto set : {&TPerson::SetFavouriteClub, &TPerson::SetDislikedClub, &TPerson::SetTransferClub}) {
                (first_->*set)(club_->GetId());
            }
            std::u16string shown;
            const bool picked = ClickAndPick(
                ContractTab, CDlgPlayerlistClub::ContractPage, button.button, [](HWND) {},
                [&](HWND picker) {
                    SelectRowByData(picker, IDC_PICK_COUNTRIES, 0);
                    ::SendMessageW(picker, WM_COMMAND, static_cast<WPARAM>(end), 0);
                },
                [&](HWND page) { shown = ItemText(page, button.shownIn); });
            EXPECT_TRUE(picked);
            EXPECT_EQ((first_->*button.get)(), end == IDOK ? 0u : club_->GetId());
            EXPECT_EQ(shown, end == IDOK ? std::u16string(button.shownForNone) : u"Squad");
        }
    }
    EXPECT_EQ(first_->GetFavouriteClub(), club_->GetId()) << "each button clears its own club only";
}

// --- The common page's caption

TEST_F(PersonPagesWindowTest, InAdministrationTheCommonGroupNamesThePersonsId)
{
    std::u16string plain;
    std::u16string administered;
    for (bool admin : {false, true}) {
        SetAdminMode(GetAdminModeFlag(), admin);
        RunWindow([&](CDlgPlayerlistClub& window) {
            SelectPerson(window, first_);
            (admin ? administered : plain) = ItemText(Page(window, CDlgPlayerlistClub::CommonPage), IDC_COMMON_GROUP);
            Close(window);
            return true;
        });
    }
    EXPECT_FALSE(plain.empty());
    EXPECT_EQ(plain.find(u"ID"), std::u16string::npos);
    EXPECT_EQ(administered, plain + u" (ID: " + win::U(std::to_wstring(first_->GetId()).c_str()) + u")");
}

// In administration the common group's caption names the person shown, and
// the summary's reduced-ratings box names its state: both change while the
// page is shown, and each then looks as if the window were drawn afresh.
TEST_F(PersonPagesWindowTest, CaptionsChangedWhileThePageIsShownLookAsIfDrawnAfresh)
{
    const gui_test::ProgramSkin skin;
    ASSERT_TRUE(skin.IsLoaded());
    SetAdminMode(GetAdminModeFlag(), true);
    TPerson* shortId = nullptr;
    for (std::uint32_t id = 1; shortId == nullptr && id < first_->GetId(); ++id) shortId = club_->FindPlayer(id);
    ASSERT_NE(shortId, nullptr);
    ASSERT_LT(std::to_wstring(shortId->GetId()).size(), std::to_wstring(first_->GetId()).size())
        << "a shorter caption leaves what the old one does not cover";
    std::vector<std::u16string> captions;
    std::vector<std::size_t> differences;
    RunWindow([&](CDlgPlayerlistClub& window) {
        if (!::IsWindowVisible(window.Handle())) return false;
        HWND page = Page(window, CDlgPlayerlistClub::CommonPage);
        HWND group = ::GetDlgItem(page, IDC_COMMON_GROUP);
        HWND reduced = nullptr;
        for (HWND child = ::GetWindow(page, GW_CHILD); child != nullptr && reduced == nullptr;
             child = ::GetWindow(child, GW_HWNDNEXT)) {
            reduced = ::GetDlgItem(child, IDC_SMALL_REDUCED);
        }
        SelectPerson(window, first_);
        gui_test::CaptureRedrawn(group);
        const auto look = [&](HWND control) {
            gui_test::PumpMessages();
            captions.push_back(gui_test::WindowText(control));
            const std::vector<std::uint8_t> shown = gui_test::CaptureWindow(control);
            differences.push_back(gui_test::CountDifferentBytes(shown, gui_test::CaptureRedrawn(control)));
        };
        SelectPerson(window, shortId);
        look(group);
        for (int click = 0; click < 2 && reduced != nullptr; ++click) {
            ::SendMessageW(reduced, BM_CLICK, 0, 0);
            look(reduced);
        }
        Close(window);
        return true;
    });
    ASSERT_EQ(captions.size(), 3u);
    EXPECT_NE(captions[0].find(std::u16string(u"(ID: ") + win::U(std::to_wstring(shortId->GetId()).c_str()) + u")"), std::u16string::npos);
    EXPECT_NE(captions[1], captions[2]);
    EXPECT_EQ(differences, std::vector<std::size_t>(3, 0));
}

}  // namespace
