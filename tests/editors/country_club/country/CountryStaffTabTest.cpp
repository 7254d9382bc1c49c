// The country editor's "Manager" tab: the staff frame of the player and
// staff editors over the country's additional managers.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "CountryEditorTestSupport.h"
#include "core/text/TextManager.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/person/Person.h"
#include "database/club/Club.h"
#include "editors/country_club/country/DlgLandParent.h"
#include "editors/player_staff/search/ClubChooserHook.h"
#include "database/world/WorldList.h"
#include "editors/player_staff/PlayerStaffIds.h"
#include "resources/CountryEditorIds.h"
#include "resources/CountryStaffIds.h"
#include "tests/common/TestSupport.h"
#include "tests/ui/GuiTestSupport.h"
#include "win/WideText.h"

using namespace country_editor_testing;

namespace {

constexpr int ManagerCommand = 32780;
constexpr int ChairmanCommand = 32781;
constexpr int CommunityOfficerCommand = 32804;

// One item of an open popup menu: its command (0 for a separator), its
// text and whether it is grayed.
struct TMenuItem {
    UINT command;
    std::u16string text;
    bool grayed;
    bool operator==(const TMenuItem&) const = default;
};

std::vector<TMenuItem> MenuItems(HMENU menu)
{
    std::vector<TMenuItem> items;
    for (int index = 0, count = ::GetMenuItemCount(menu); index < count; ++index) {
        wchar_t text[256] = {};
        ::GetMenuStringW(menu, static_cast<UINT>(index), text, 256, MF_BYPOSITION);
        const UINT state = ::GetMenuState(menu, static_cast<UINT>(index), MF_BYPOSITION);
        const bool separator = (state & MF_SEPARATOR) != 0;
        items.push_back({separator ? 0 : ::GetMenuItemID(menu, index), win::U(text),
                         !separator && (state & (MF_GRAYED | MF_DISABLED)) != 0});
    }
    return items;
}

void PrintTo(const TMenuItem& item, std::ostream* out)
{
    *out << item.command << " \"" << testing_support::Narrow(item.text) << "\"" << (item.grayed ? " grayed" : "");
}

// Types a date into the control part by part, each left as a user leaves it.
void TypeDate(HWND page, int id, int year, int month, int day)
{
    const std::vector<HWND> parts = gui_test::DateParts(page, id);
    ASSERT_EQ(parts.size(), 3u);
    const int values[] = {day, month, year};
    for (int part = 0; part < 3; ++part) {
        ::SetWindowTextW(parts[part], std::to_wstring(values[part]).c_str());
        ::SendMessageW(page, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(parts[part]), EN_KILLFOCUS),
                       reinterpret_cast<LPARAM>(parts[part]));
    }
}

std::string Describe(const RECT& rect)
{
    return "(" + std::to_string(rect.left) + ", " + std::to_string(rect.top) + ")-(" + std::to_string(rect.right) + ", " +
           std::to_string(rect.bottom) + ")";
}

// The child of the parent's tab control that holds the control.
HWND PageWith(HWND frame, int tabControl, int control)
{
    HWND tabs = ::GetDlgItem(frame, tabControl);
    for (HWND child = ::GetWindow(tabs, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (::GetDlgItem(child, control) != nullptr) return child;
    }
    return nullptr;
}

std::u16string RowText(HWND list, int row)
{
    const auto length = ::SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(row), 0);
    if (length < 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    ::SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return {text.begin(), text.end()};
}

class CountryStaffTabTest : public SampleCountryTest {
protected:
    void TearDown() override
    {
        frame_.reset();
        SampleCountryTest::TearDown();
    }
    // A country without additional managers.
    TCountry& EmptyCountry()
    {
        for (int id = 1; id <= 206; ++id) {
            if (Country(id).GetAdditionalManagers().empty()) return Country(id);
        }
        ADD_FAILURE() << "every sample country has additional managers";
        return Country(21);
    }
    // The first club of the sample, where a moved manager goes.
    TClub* FirstClub()
    {
        for (int id = 1; id <= 206; ++id) {
            if (Country(id).GetClubCountWithoutNationalTeam() > 0) return Country(id).GetClubByIndex(0);
        }
        ADD_FAILURE() << "the sample has no club";
        return nullptr;
    }
    void Open(TCountry& country)
    {
        frame_ = std::make_unique<CDlgLandParent>(&country, nullptr);
        ASSERT_TRUE(frame_->Create(nullptr));
        ShowStaffTab(*frame_, country);
    }
    // Switches the frame to its staff tab and finds the tab's pages.
    void ShowStaffTab(CDlgLandParent& frame, TCountry& country)
    {
        country_ = &country;
        const int tab = TabWithCode(frame, CDlgLandParent::Manager);
        ASSERT_GE(tab, 0);
        SwitchTab(frame.Handle(), IDC_COUNTRY_TABS, tab);
        staff_ = ShownPage(frame.Handle());
        ASSERT_NE(staff_, nullptr);
        list_ = PageWith(staff_, IDC_FRAME_LIST_TABS, IDC_MANAGER_LIST);
        common_ = PageWith(staff_, IDC_FRAME_PAGE_TABS, IDC_COMMON_FIRST_NAME);
        abilities_ = PageWith(staff_, IDC_FRAME_PAGE_TABS, IDC_MANAGER_MOTIVATION);
        ASSERT_NE(list_, nullptr);
        ASSERT_NE(common_, nullptr);
        ASSERT_NE(abilities_, nullptr);
    }
    void ExpectNameEditsEnabled(bool enabled) const
    {
        for (int id : {IDC_COMMON_FIRST_NAME, IDC_COMMON_LAST_NAME, IDC_COMMON_NICKNAME, IDC_COMMON_PSEUDONYM})
            EXPECT_EQ(::IsWindowEnabled(::GetDlgItem(common_, id)) != FALSE, enabled) << "name edit " << id;
    }
    void ListCommand(int command) { ::SendMessageW(list_, WM_COMMAND, static_cast<WPARAM>(command), 0); }
    HWND ListBox() const { return ::GetDlgItem(list_, IDC_MANAGER_LIST); }
    void ChooseRow(int row)
    {
        ::SendMessageW(ListBox(), LB_SETCURSEL, static_cast<WPARAM>(row), 0);
        ::SendMessageW(list_, WM_COMMAND, MAKEWPARAM(IDC_MANAGER_LIST, LBN_SELCHANGE), reinterpret_cast<LPARAM>(ListBox()));
    }
    void ChoosePageTab(int tab) { SwitchTab(staff_, IDC_FRAME_PAGE_TABS, tab); }
    int Rows() const { return static_cast<int>(::SendMessageW(ListBox(), LB_GETCOUNT, 0, 0)); }
    int RowOf(const TPerson* person) const
    {
        for (int row = 0; row < Rows(); ++row) {
            if (static_cast<std::uint32_t>(::SendMessageW(ListBox(), LB_GETITEMDATA, static_cast<WPARAM>(row), 0)) ==
                person->GetId())
                return row;
        }
        return -1;
    }
    TPerson* Shown() const
    {
        const int row = static_cast<int>(::SendMessageW(ListBox(), LB_GETCURSEL, 0, 0));
        if (row < 0) return nullptr;
        const auto id = static_cast<std::uint32_t>(::SendMessageW(ListBox(), LB_GETITEMDATA, static_cast<WPARAM>(row), 0));
        return country_->GetAdditionalManagers().count(id) != 0 ? country_->GetAdditionalManagers().at(id) : nullptr;
    }
    void TypeCoaching(int value)
    {
        // A spin edit takes its typed text when the edit loses the focus.
        HWND coaching = ::GetDlgItem(abilities_, IDC_MANAGER_COACHING);
        ::SetWindowTextW(coaching, std::to_wstring(value).c_str());
        ::SendMessageW(abilities_, WM_COMMAND, MAKEWPARAM(IDC_MANAGER_COACHING, EN_KILLFOCUS), reinterpret_cast<LPARAM>(coaching));
    }

    std::unique_ptr<CDlgLandParent> frame_;
    TCountry* country_ = nullptr;
    HWND staff_ = nullptr;
    HWND list_ = nullptr;
    HWND common_ = nullptr;
    HWND abilities_ = nullptr;
};

TEST_F(CountryStaffTabTest, WithoutManagersBothRightPagesAreDisabled)
{
    Open(EmptyCountry());
    EXPECT_EQ(Rows(), 0);
    EXPECT_EQ(Text(list_, IDC_MANAGER_COUNT), u"0");
    EXPECT_FALSE(::IsWindowEnabled(common_));
    ExpectNameEditsEnabled(false);
    ChoosePageTab(1);
    EXPECT_FALSE(::IsWindowEnabled(abilities_));
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(abilities_, IDC_MANAGER_MOTIVATION)));
}

TEST_F(CountryStaffTabTest, AnAddedManagerIsListedAndANameTypedOnTheCommonPageAppearsInTheList)
{
    TCountry& country = EmptyCountry();
    Open(country);
    ListCommand(ManagerCommand);
    ASSERT_EQ(Rows(), 1);
    ASSERT_EQ(country.GetAdditionalManagers().size(), 1u);
    TPerson* manager = Shown();
    ASSERT_NE(manager, nullptr);
    EXPECT_EQ(manager->GetNationality(), country.GetId());
    EXPECT_EQ(Text(list_, IDC_MANAGER_COUNT), u"1");
    EXPECT_TRUE(::IsWindowEnabled(common_));
    ExpectNameEditsEnabled(true);
    Type(common_, IDC_COMMON_LAST_NAME, u"Lindqvist");
    EXPECT_NE(RowText(ListBox(), 0).find(u"Lindqvist"), std::u16string::npos);
    EXPECT_EQ(std::u16string(manager->GetLastName()), u"Lindqvist");
}

TEST_F(CountryStaffTabTest, ANameEditedThenAnotherManagerChosenKeepsTheName)
{
    TCountry& country = EmptyCountry();
    Open(country);
    ListCommand(ManagerCommand);
    ListCommand(ManagerCommand);
    ASSERT_EQ(Rows(), 2);
    ChooseRow(0);
    TPerson* chosen = Shown();
    ASSERT_NE(chosen, nullptr);
    // The nickname reaches the person only when the page is written back.
    SetText(common_, IDC_COMMON_NICKNAME, u"Tove");
    ChooseRow(1);
    EXPECT_NE(Shown(), chosen);
    EXPECT_EQ(std::u16string(chosen->GetNickname()), u"Tove");
}

// Every tab change is allowed and the editor's OK writes the abilities back.
TEST_F(CountryStaffTabTest, AbilitiesEditedThenTheEditorsOkAreKept)
{
    TCountry& country = EmptyCountry();
    Open(country);
    ListCommand(ManagerCommand);
    TPerson* manager = Shown();
    ASSERT_NE(manager, nullptr);
    ChoosePageTab(1);
    EXPECT_TRUE(::IsWindowEnabled(abilities_));
    TypeCoaching(12);
    ::SendMessageW(frame_->Handle(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_EQ(manager->GetStaffAbility(1), 12);
}

// An ability above the spins' 15 and a language no row offers stay as
// stored when the page is only looked at; what the user changes is written.
TEST_F(CountryStaffTabTest, OnlyTheAbilitiesPagesChangedValuesAreWrittenAtTheEditorsOk)
{
    Open(EmptyCountry());
    ListCommand(ManagerCommand);
    TPerson* manager = Shown();
    ASSERT_NE(manager, nullptr);
    for (int index = 0; index < 4; ++index) manager->SetStaffAbility(index, static_cast<std::uint8_t>(20 + index));
    const std::uint8_t languages[TPerson::LanguageSlots] = {63, 13, 0, 0};
    manager->SetLanguageSlots(languages);
    ChoosePageTab(1);
    ChoosePageTab(0);
    ChoosePageTab(1);
    TypeCoaching(9);
    ::SendMessageW(frame_->Handle(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_EQ(manager->GetStaffAbility(0), 20);
    EXPECT_EQ(manager->GetStaffAbility(1), 9);
    EXPECT_EQ(manager->GetStaffAbility(2), 22);
    EXPECT_EQ(manager->GetStaffAbility(3), 23);
    EXPECT_EQ(manager->GetLanguage(0), 63);
    EXPECT_EQ(manager->GetLanguage(1), 13);
}

TEST_F(CountryStaffTabTest, NoTabChangeIsRefused)
{
    TCountry& country = EmptyCountry();
    Open(country);
    ListCommand(ManagerCommand);
    TPerson* manager = Shown();
    ASSERT_NE(manager, nullptr);
    ChoosePageTab(1);
    EXPECT_EQ(::SendMessageW(::GetDlgItem(staff_, IDC_FRAME_PAGE_TABS), TCM_GETCURSEL, 0, 0), 1);
    TypeCoaching(9);
    ChoosePageTab(0);
    EXPECT_EQ(::SendMessageW(::GetDlgItem(staff_, IDC_FRAME_PAGE_TABS), TCM_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(manager->GetStaffAbility(1), 9);
    const int general = TabWithCode(*frame_, CDlgLandParent::General);
    SwitchTab(frame_->Handle(), IDC_COUNTRY_TABS, general);
    EXPECT_EQ(frame_->GetCurrentTab(), general);
    SwitchTab(frame_->Handle(), IDC_COUNTRY_TABS, TabWithCode(*frame_, CDlgLandParent::Manager));
    EXPECT_EQ(frame_->GetCurrentTab(), TabWithCode(*frame_, CDlgLandParent::Manager));
    EXPECT_EQ(Rows(), 1);
}

// Deleted while the abilities page is shown: both pages show nobody
// afterwards and the editor's OK writes nothing into the freed person.
TEST_F(CountryStaffTabTest, DeletingAManagerLeavesNoPagePointingAtHim)
{
    TCountry& country = EmptyCountry();
    Open(country);
    ListCommand(ManagerCommand);
    Type(common_, IDC_COMMON_LAST_NAME, u"Lindqvist");
    ChoosePageTab(1);
    ListCommand(ID_MANAGER_DELETE);
    EXPECT_EQ(Rows(), 0);
    EXPECT_TRUE(country.GetAdditionalManagers().empty());
    EXPECT_EQ(Text(list_, IDC_MANAGER_COUNT), u"0");
    EXPECT_FALSE(::IsWindowEnabled(abilities_));
    ChoosePageTab(0);
    EXPECT_FALSE(::IsWindowEnabled(common_));
    ExpectNameEditsEnabled(false);
    EXPECT_EQ(Text(common_, IDC_COMMON_LAST_NAME), u"");
    ::SendMessageW(frame_->Handle(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

// The club picker's choice takes the manager out of the country's list and
// into the club's squad; a cancelled picker changes nothing.
TEST_F(CountryStaffTabTest, AManagerMovedThroughThePickerJoinsTheClub)
{
    TCountry& country = EmptyCountry();
    TClub* club = FirstClub();
    ASSERT_NE(club, nullptr);
    std::uint32_t answer = 0;
    int asked = 0;
    SetClubChooser([&](HWND, int countryId) {
        ++asked;
        EXPECT_EQ(countryId, country.GetId());
        return answer;
    });
    Open(country);
    ListCommand(ManagerCommand);
    TPerson* manager = Shown();
    ASSERT_NE(manager, nullptr);
    ListCommand(ID_MANAGER_MOVE);
    EXPECT_EQ(Rows(), 1) << "a cancelled picker moves nobody";
    answer = club->GetId();
    ListCommand(ID_MANAGER_MOVE);
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(Rows(), 0);
    EXPECT_TRUE(country.GetAdditionalManagers().empty());
    EXPECT_EQ(club->FindPlayer(manager->GetId()), manager);
    SetClubChooser(nullptr);
}

// A club's file keeps two names of its staff: a manager with a nickname, or
// a pseudonym just typed, moves only when the user agrees to lose them, and
// then loses them; No keeps him and every name on the country's list.
TEST_F(CountryStaffTabTest, AManagerWhoseNamesAClubCannotKeepIsMovedOnlyAfterTheUserAgrees)
{
    TClub* club = FirstClub();
    ASSERT_NE(club, nullptr);
    SetClubChooser([&](HWND, int) { return static_cast<std::uint32_t>(club->GetId()); });
    Open(EmptyCountry());
    for (const bool yes : {false, true}) {
        ListCommand(ManagerCommand);
        TPerson* manager = Shown();
        ASSERT_NE(manager, nullptr);
        Type(common_, IDC_COMMON_FIRST_NAME, u"Ole");
        Type(common_, IDC_COMMON_LAST_NAME, u"Lindqvist");
        if (yes) SetText(common_, IDC_COMMON_PSEUDONYM, u"Il Mago");
        else manager->SetNickname(u"Tove");
        testing_support::MessageCapture messages(yes ? AppMessage::IdYes : AppMessage::IdNo);
        ListCommand(ID_MANAGER_MOVE);
        ASSERT_EQ(messages.Messages().size(), 1u) << yes;
        EXPECT_EQ(messages.Messages()[0], u"A club keeps only the first and last name of its staff: the nickname and the "
                                          u"pseudonym of Lindqvist, O. will be lost when the database is saved. Move him "
                                          u"to the club anyway?");
        EXPECT_EQ(club->FindPlayer(manager->GetId()) == manager, yes);
        EXPECT_EQ(country_->GetAdditionalManagers().count(manager->GetId()) == 0, yes);
        EXPECT_EQ(std::u16string(manager->GetNickname()) + manager->GetPseudonym(), yes ? u"" : u"Tove");
    }
    SetClubChooser(nullptr);
}

// While the question about one manager is open, another one is chosen and
// deleted: Yes moves the manager the question named.
TEST_F(CountryStaffTabTest, YesToTheMoveQuestionMovesTheManagerItNamed)
{
    TClub* club = FirstClub();
    ASSERT_NE(club, nullptr);
    SetClubChooser([&](HWND, int) { return static_cast<std::uint32_t>(club->GetId()); });
    Open(EmptyCountry());
    ListCommand(ManagerCommand);
    TPerson* asked = Shown();
    ASSERT_NE(asked, nullptr);
    asked->SetNickname(u"Tove");
    ListCommand(ManagerCommand);
    const int otherRow = RowOf(Shown());
    ChooseRow(RowOf(asked));
    testing_support::MessageCapture messages(AppMessage::IdYes);
    messages.whileShown = [&] {
        ChooseRow(otherRow);
        ListCommand(ID_MANAGER_DELETE);
    };
    ListCommand(ID_MANAGER_MOVE);
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(club->FindPlayer(asked->GetId()), asked);
    EXPECT_TRUE(country_->GetAdditionalManagers().empty());
    SetClubChooser(nullptr);
}

// The question before a move belongs to the modal country editor: the editor
// takes no input while it is open and is the window in front afterwards,
// taking keys though the control that had the focus went with the person.
TEST_F(CountryStaffTabTest, TheMoveQuestionIsOwnedByTheEditor)
{
    TClub* club = FirstClub();
    ASSERT_NE(club, nullptr);
    SetClubChooser([&](HWND, int) { return static_cast<std::uint32_t>(club->GetId()); });
    TCountry& country = EmptyCountry();
    CDlgLandParent frame(&country, nullptr);
    app_test::ExpectQuestionOwnedByEditor(globals_->App(), frame, [&] {
        ShowStaffTab(frame, country);
        ListCommand(ManagerCommand);
        TPerson* manager = Shown();
        ASSERT_NE(manager, nullptr);
        manager->SetNickname(u"Tove");
        // Where a user who just typed his pseudonym has the focus.
        ::SetFocus(::GetDlgItem(common_, IDC_COMMON_PSEUDONYM));
        ::PostMessageW(list_, WM_COMMAND, ID_MANAGER_MOVE, 0);
    }, IDYES);
    SetClubChooser(nullptr);
}

// A right click on a row, as the mouse sends it: the row is chosen and the
// country's own menu opens, with nothing grayed.
TEST_F(CountryStaffTabTest, ARightClickOpensTheCountrysMenuWithNothingGrayed)
{
    TCountry& country = EmptyCountry();
    Open(country);
    ListCommand(ManagerCommand);
    ListCommand(ChairmanCommand);
    ASSERT_EQ(Rows(), 2);
    ChooseRow(1);
    TPerson* second = Shown();
    ::SetWindowPos(frame_->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
    gui_test::PumpMessages();
    RECT row{};
    ::SendMessageW(ListBox(), LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
    const POINT point{row.left + 10, (row.top + row.bottom) / 2};
    POINT screen = point;
    ::ClientToScreen(ListBox(), &screen);
    ::SetCursorPos(screen.x, screen.y);
    std::vector<std::vector<TMenuItem>> menus;
    {
        gui_test::ModalDriver driver([&] {
            HWND menu = ::FindWindowW(L"#32768", nullptr);
            if (menu == nullptr || !::IsWindowVisible(menu)) return false;
            menus.push_back(MenuItems(reinterpret_cast<HMENU>(::SendMessageW(menu, MN_GETHMENU, 0, 0))));
            ::EndMenu();
            return false;
        });
        ::SendMessageW(ListBox(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(point.x, point.y));
        ::SendMessageW(ListBox(), WM_RBUTTONUP, 0, MAKELPARAM(point.x, point.y));
        gui_test::PumpMessages();
        EXPECT_FALSE(driver.TimedOut());
    }
    CTextManager& texts = *CTextManager::Instance();
    const std::vector<TMenuItem> expected{
        {ManagerCommand, texts.GetText(u"List.Manager"), false},
        {ChairmanCommand, texts.GetText(u"List.Chairman"), false},
        {0, u"", false},
        {ID_MANAGER_MOVE, texts.GetText(u"Dialog.Country.ManagerList.Menu.Move"), false},
        {0, u"", false},
        {ID_MANAGER_DELETE, texts.GetText(u"Dialog.Country.ManagerList.Menu.Delete"), false},
    };
    ASSERT_EQ(menus.size(), 1u) << "one click, one menu";
    EXPECT_EQ(menus[0], expected);
    EXPECT_NE(Shown(), second) << "the clicked row is chosen";
    EXPECT_EQ(Shown(), country.GetAdditionalManagers().at(static_cast<std::uint32_t>(
                           ::SendMessageW(ListBox(), LB_GETITEMDATA, 0, 0))));
}

// Taking a person over from a club is no command of a country's list.
TEST_F(CountryStaffTabTest, TheTakeOverCommandDoesNothing)
{
    TCountry& country = EmptyCountry();
    Open(country);
    ListCommand(ManagerCommand);
    TPerson* manager = Shown();
    const int persons = GetWorld()->GetPersonCount();
    ListCommand(ID_MANAGER_TAKE_OVER);
    EXPECT_EQ(Rows(), 1);
    EXPECT_EQ(Shown(), manager);
    EXPECT_EQ(country.GetAdditionalManagers().size(), 1u);
    EXPECT_EQ(GetWorld()->GetPersonCount(), persons);
}

TEST_F(CountryStaffTabTest, BirthDatesReachBackTo1907AndAreWrittenAtOnce)
{
    Open(EmptyCountry());
    ListCommand(ManagerCommand);
    TPerson* manager = Shown();
    ASSERT_NE(manager, nullptr);
    TypeDate(common_, IDC_COMMON_BIRTH_DATE, 1907, 1, 1);
    EXPECT_EQ(manager->GetBirthDate().GetDayNumber(), TDate(1907, 1, 1).GetDayNumber());
    EXPECT_EQ(Text(common_, IDC_COMMON_AGE), u"100");
    TypeDate(common_, IDC_COMMON_BIRTH_DATE, 1906, 12, 31);
    EXPECT_EQ(manager->GetBirthDate().GetDayNumber(), TDate(1907, 1, 1).GetDayNumber()) << "the earliest date offered";
    TypeDate(common_, IDC_COMMON_BIRTH_DATE, 1995, 12, 31);
    EXPECT_EQ(manager->GetBirthDate().GetDayNumber(), TDate(1995, 12, 31).GetDayNumber());
    TypeDate(common_, IDC_COMMON_BIRTH_DATE, 1996, 1, 1);
    EXPECT_EQ(manager->GetBirthDate().GetDayNumber(), TDate(1995, 12, 31).GetDayNumber()) << "the latest date offered";
}

// Showing a manager born before the earliest date offered writes nothing back.
TEST_F(CountryStaffTabTest, ADateOutsideTheRangeIsKeptUntilTheUserChangesIt)
{
    TCountry& country = EmptyCountry();
    Open(country);
    ListCommand(ManagerCommand);
    TPerson* manager = Shown();
    ASSERT_NE(manager, nullptr);
    manager->SetBirthDate(TDate(1900, 5, 6));
    ListCommand(ChairmanCommand);
    ChooseRow(0);
    ASSERT_EQ(Shown(), manager);
    Type(common_, IDC_COMMON_LAST_NAME, u"Old");
    ChoosePageTab(1);
    ::SendMessageW(frame_->Handle(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_EQ(std::u16string(manager->GetLastName()), u"Old");
    EXPECT_EQ(manager->GetBirthDate().GetDayNumber(), TDate(1900, 5, 6).GetDayNumber());
}

TEST_F(CountryStaffTabTest, AChosenNationalityIsWrittenAtOnceAndTheSameSecondOneIsCleared)
{
    Open(EmptyCountry());
    ListCommand(ManagerCommand);
    TPerson* manager = Shown();
    ASSERT_NE(manager, nullptr);
    const std::uint8_t languages[] = {manager->GetLanguage(0), manager->GetLanguage(1)};
    ChooseByData(common_, IDC_COMMON_NATIONALITY, 14);
    ChooseByData(common_, IDC_COMMON_SECOND_NATIONALITY, 14);
    EXPECT_EQ(manager->GetNationality(), 14);
    EXPECT_EQ(manager->GetSecondNationality(), 14);
    EXPECT_EQ(manager->GetLanguage(0), languages[0]) << "the languages stay as they are";
    EXPECT_EQ(manager->GetLanguage(1), languages[1]);
    Type(common_, IDC_COMMON_FIRST_NAME, u"Ole");
    EXPECT_EQ(manager->GetSecondNationality(), 0);
    EXPECT_EQ(std::u16string(manager->GetFirstName()), u"Ole");
}

TEST_F(CountryStaffTabTest, AChosenCharacterIsWrittenAtOnce)
{
    Open(EmptyCountry());
    ListCommand(ManagerCommand);
    TPerson* manager = Shown();
    ASSERT_NE(manager, nullptr);
    ChoosePageTab(1);
    const std::uint32_t other = manager->GetCharacterWord() == 7 ? 8 : 7;
    ChooseByData(abilities_, IDC_MANAGER_CHARACTER, other);
    EXPECT_EQ(manager->GetCharacterWord(), other);
}

// The two bars move the other way round, their top end the highest, and
// every move writes the page back; their positions are nobody's value, but
// the thumb stays where the move left it.
TEST_F(CountryStaffTabTest, AScrollBarMovesInvertedAndWritesTheAbilitiesPageBack)
{
    Open(EmptyCountry());
    ListCommand(ManagerCommand);
    TPerson* manager = Shown();
    ASSERT_NE(manager, nullptr);
    ChoosePageTab(1);
    const struct {
        int bar;
        int text;
    } pairs[] = {{IDC_LAND_MANAGER_BAR0, IDC_LAND_MANAGER_BAR0_TEXT}, {IDC_LAND_MANAGER_BAR1, IDC_LAND_MANAGER_BAR1_TEXT}};
    for (const auto& pair : pairs) {
        HWND bar = ::GetDlgItem(abilities_, pair.bar);
        ASSERT_NE(bar, nullptr) << pair.bar;
        ASSERT_NE(::GetDlgItem(abilities_, pair.text), nullptr) << pair.text;
        wchar_t name[32] = {};
        ::GetClassNameW(bar, name, 32);
        EXPECT_EQ(std::wstring(name), L"ScrollBar");
        EXPECT_EQ(::GetWindowLongW(bar, GWL_STYLE) & SBS_VERT, SBS_VERT);
        ::GetClassNameW(::GetDlgItem(abilities_, pair.text), name, 32);
        EXPECT_EQ(std::wstring(name), L"Static");
    }
    // Each move on a bar of range 0..10 and the thumb's place after it.
    struct TMove {
        const char* what;
        int code;
        int thumb;
        int position;
    };
    std::vector<TMove> moves = {
        {"up arrow", SB_LINEUP, 0, 3},          {"down arrow", SB_LINEDOWN, 0, 4}, {"page up", SB_PAGEUP, 0, 4},
        {"page down", SB_PAGEDOWN, 0, 4},       {"top", SB_TOP, 0, 0},             {"up arrow at the top", SB_LINEUP, 0, 0},
        {"bottom", SB_BOTTOM, 0, 10},           {"down arrow at the bottom", SB_LINEDOWN, 0, 10},
    };
    for (int thumb = 0; thumb <= 10; ++thumb) moves.push_back({"thumb dropped", SB_THUMBPOSITION, thumb, thumb});
    for (const auto& pair : pairs) {
        HWND bar = ::GetDlgItem(abilities_, pair.bar);
        ::SendMessageW(bar, SBM_SETRANGE, 0, 10);
        ::SendMessageW(bar, SBM_SETPOS, 4, TRUE);
        for (const TMove& move : moves) {
            SCOPED_TRACE(testing::Message() << move.what << " " << move.thumb << " on bar " << pair.bar);
            const int coaching = (manager->GetStaffAbility(1) + 1) % 16;
            TypeCoaching(coaching);
            ASSERT_NE(manager->GetStaffAbility(1), coaching) << "typed, not yet written";
            ::SendMessageW(abilities_, WM_VSCROLL, MAKEWPARAM(move.code, move.thumb), reinterpret_cast<LPARAM>(bar));
            EXPECT_EQ(manager->GetStaffAbility(1), coaching);
            ::SendMessageW(abilities_, WM_VSCROLL, MAKEWPARAM(SB_ENDSCROLL, 0), reinterpret_cast<LPARAM>(bar));
            EXPECT_EQ(::SendMessageW(bar, SBM_GETPOS, 0, 0), move.position);
        }
    }
}

// Every tab's page fills the frame's page area and none reaches beyond it;
// no control of the staff pages reaches beyond its page either.
TEST_F(CountryStaffTabTest, EveryPageFillsTheFramesPageArea)
{
    Open(Country(21));
    ListCommand(ManagerCommand);
    HWND tabs = ::GetDlgItem(frame_->Handle(), IDC_COUNTRY_TABS);
    RECT client{};
    ::GetClientRect(tabs, &client);
    RECT area = client;
    ::SendMessageW(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    const int count = static_cast<int>(::SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
    EXPECT_EQ(count, 7);
    for (int tab = 0; tab < count; ++tab) {
        SwitchTab(frame_->Handle(), IDC_COUNTRY_TABS, tab);
        const RECT page = win::RectIn(ShownPage(frame_->Handle()), tabs);
        SCOPED_TRACE("tab " + std::to_string(tab) + " page " + Describe(page) + " area " + Describe(area));
        EXPECT_GE(page.left, client.left);
        EXPECT_GE(page.top, client.top);
        EXPECT_LE(page.right, client.right);
        EXPECT_LE(page.bottom, client.bottom);
        EXPECT_GE((page.right - page.left) * 10, (area.right - area.left) * 9);
        EXPECT_GE((page.bottom - page.top) * 10, (area.bottom - area.top) * 9);
    }
    SwitchTab(frame_->Handle(), IDC_COUNTRY_TABS, TabWithCode(*frame_, CDlgLandParent::Manager));
    // Each visible window inside its parent's client area, all the way down.
    const auto inside = [](HWND window, auto& self) -> void {
        RECT parent{};
        ::GetClientRect(window, &parent);
        for (HWND child = ::GetWindow(window, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
            if ((::GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE) == 0) continue;
            const RECT rect = win::RectIn(child, window);
            SCOPED_TRACE("control " + std::to_string(::GetDlgCtrlID(child)) + " " + Describe(rect) + " in " +
                         std::to_string(::GetDlgCtrlID(window)) + " " + Describe(parent));
            EXPECT_GE(rect.left, parent.left);
            EXPECT_GE(rect.top, parent.top);
            EXPECT_LE(rect.right, parent.right);
            EXPECT_LE(rect.bottom, parent.bottom);
            self(child, self);
        }
    };
    for (int tab = 0; tab < 2; ++tab) {
        ChoosePageTab(tab);
        inside(staff_, inside);
    }
}

}  // namespace
