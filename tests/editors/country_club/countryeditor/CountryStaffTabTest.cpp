// The country editor's "Manager" tab: the staff frame of the player and
// staff editors over the country's additional managers.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "CountryEditorTestSupport.h"
#include "database/Country.h"
#include "database/Person.h"
#include "database/Club.h"
#include "editors/country_club/DlgLandParent.h"
#include "editors/player_staff/ClubChooserHook.h"
#include "editors/player_staff/PlayerStaffIds.h"
#include "resources/CountryEditorIds.h"
#include "resources/StaffPagesIds.h"

using namespace country_editor_testing;

namespace {

constexpr int ManagerCommand = 32780;

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
    void Open(TCountry& country)
    {
        country_ = &country;
        frame_ = std::make_unique<CDlgLandParent>(&country, nullptr);
        ASSERT_TRUE(frame_->Create(nullptr));
        const int tab = TabWithCode(*frame_, CDlgLandParent::Manager);
        ASSERT_GE(tab, 0);
        SwitchTab(frame_->Handle(), IDC_COUNTRY_TABS, tab);
        staff_ = ShownPage(frame_->Handle());
        ASSERT_NE(staff_, nullptr);
        list_ = PageWith(staff_, IDC_FRAME_LIST_TABS, IDC_MANAGER_LIST);
        common_ = PageWith(staff_, IDC_FRAME_PAGE_TABS, IDC_COMMON_FIRST_NAME);
        abilities_ = PageWith(staff_, IDC_FRAME_PAGE_TABS, IDC_MANAGER_MOTIVATION);
        ASSERT_NE(list_, nullptr);
        ASSERT_NE(common_, nullptr);
        ASSERT_NE(abilities_, nullptr);
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
    EXPECT_EQ(Text(common_, IDC_COMMON_LAST_NAME), u"");
    ::SendMessageW(frame_->Handle(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

// The club picker's choice takes the manager out of the country's list and
// into the club's squad; a cancelled picker changes nothing.
TEST_F(CountryStaffTabTest, AManagerMovedThroughThePickerJoinsTheClub)
{
    TCountry& country = EmptyCountry();
    TClub* club = nullptr;
    for (int id = 1; id <= 206 && club == nullptr; ++id) {
        if (Country(id).GetClubCountWithoutNationalTeam() > 0) club = Country(id).GetClubByIndex(0);
    }
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

}  // namespace
