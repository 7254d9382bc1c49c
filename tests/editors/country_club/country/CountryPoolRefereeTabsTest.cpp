// The pool and referee pages the player and staff editors hand the country
// editor, on its tabs over the sample database.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "CountryEditorTestSupport.h"
#include "database/country/Country.h"
#include "database/person/PoolPlayer.h"
#include "editors/country_club/country/CountryHostedPages.h"
#include "editors/country_club/country/DlgLandParent.h"
#include "resources/CountryEditorIds.h"
#include "resources/NationalPoolIds.h"
#include "tests/ui/GuiTestSupport.h"

using namespace country_editor_testing;

namespace {

int UsedPoolEntries(TCountry& country)
{
    int used = 0;
    for (int index = 0; index < country.GetPoolPlayerCount(); ++index) used += country.GetPoolPlayer(index)->HasName() ? 1 : 0;
    return used;
}

int ListRows(HWND page, int id) { return static_cast<int>(::SendDlgItemMessageW(page, id, LVM_GETITEMCOUNT, 0, 0)); }

// Answers the first dialog that shows the control, from inside the modal
// loop the click starts; true when it was answered.
bool ClickAnswering(HWND page, int buttonId, int dialogControl, const std::function<void(HWND)>& answer)
{
    bool answered = false;
    gui_test::ModalDriver driver([&] {
        HWND dialog = app_test::FindDialogWith(dialogControl);
        if (dialog == nullptr || answered) return answered;
        answered = true;
        answer(dialog);
        return true;
    }, 8000);
    ::SendMessageW(page, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(page, buttonId)));
    return answered;
}

class CountryPoolRefereeTabsTest : public SampleCountryTest {
protected:
    void TearDown() override
    {
        frame_.reset();
        SampleCountryTest::TearDown();
    }
    // A country with pool entries in use, a free entry and referees.
    TCountry* CountryWithPoolAndReferees()
    {
        for (int id = 1; id <= 206; ++id) {
            TCountry& country = Country(id);
            const int used = UsedPoolEntries(country);
            if (used > 0 && used < country.GetPoolPlayerCount() && country.GetReferees().GetCount() > 0) return &country;
        }
        return nullptr;
    }
    HWND Open(TCountry& country, int code)
    {
        frame_ = std::make_unique<CDlgLandParent>(&country, nullptr);
        EXPECT_TRUE(frame_->Create(nullptr));
        const int tab = TabWithCode(*frame_, code);
        EXPECT_GE(tab, 0) << code;
        SwitchTab(frame_->Handle(), IDC_COUNTRY_TABS, tab);
        return ShownPage(frame_->Handle());
    }
    void Cancel() { ::SendMessageW(frame_->Handle(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0); }

    std::unique_ptr<CDlgLandParent> frame_;
};

TEST_F(CountryPoolRefereeTabsTest, ThePoolAndRefereeTabsComeAfterTheLeaguesAndBeforeTheAppearance)
{
    TCountry& country = Country(21);
    Open(country, CDlgLandParent::General);
    const int pool = TabWithCode(*frame_, CDlgLandParent::FreeAgent);
    const int referees = TabWithCode(*frame_, CDlgLandParent::Referee);
    EXPECT_GT(pool, TabWithCode(*frame_, CDlgLandParent::LeagueSystem));
    EXPECT_EQ(referees, pool + 1);
    EXPECT_GT(TabWithCode(*frame_, CDlgLandParent::Appearance), referees);
}

// Each page lists the country's records on its tab and adds one through its
// dialog at once: leaving the tab is never refused and Cancel keeps it.
TEST_F(CountryPoolRefereeTabsTest, EachPageListsTheCountrysRecordsAndANewOneStaysAfterCancel)
{
    TCountry* country = CountryWithPoolAndReferees();
    ASSERT_NE(country, nullptr);
    const struct {
        int code, list, newButton, firstName, lastName;
        std::function<int()> count;
    } pages[] = {
        {CDlgLandParent::FreeAgent, IDC_POOL_LIST, IDC_POOL_NEW, IDC_POOL_FIRST_NAME, IDC_POOL_LAST_NAME,
         [country] { return UsedPoolEntries(*country); }},
        {CDlgLandParent::Referee, IDC_REFEREES_LIST, IDC_REFEREES_NEW, IDC_REFEREE_FIRST_NAME, IDC_REFEREE_LAST_NAME,
         [country] { return country->GetReferees().GetCount(); }},
    };
    for (const auto& page : pages) {
        const int count = page.count();
        HWND shown = Open(*country, page.code);
        ASSERT_NE(::GetDlgItem(shown, page.list), nullptr) << page.code;
        EXPECT_EQ(ListRows(shown, page.list), count) << page.code;
        ASSERT_TRUE(ClickAnswering(shown, page.newButton, page.firstName, [&](HWND dialog) {
            Type(dialog, page.firstName, u"Tove");
            Type(dialog, page.lastName, u"Lindqvist");
            Click(dialog, IDOK);
        })) << page.code;
        EXPECT_EQ(ListRows(shown, page.list), count + 1) << page.code;
        EXPECT_EQ(page.count(), count + 1) << page.code;
        const int general = TabWithCode(*frame_, CDlgLandParent::General);
        SwitchTab(frame_->Handle(), IDC_COUNTRY_TABS, general);
        EXPECT_EQ(frame_->GetCurrentTab(), general) << page.code;
        Cancel();
        EXPECT_EQ(page.count(), count + 1) << page.code;
    }
}

TEST_F(CountryPoolRefereeTabsTest, EachTabShowsTheCountryItWasOpenedWith)
{
    TCountry* first = CountryWithPoolAndReferees();
    ASSERT_NE(first, nullptr);
    TCountry* other = nullptr;
    for (int id = first->GetId() + 1; id <= 206 && other == nullptr; ++id) {
        if (UsedPoolEntries(Country(id)) != UsedPoolEntries(*first)) other = &Country(id);
    }
    ASSERT_NE(other, nullptr);
    HWND page = Open(*first, CDlgLandParent::FreeAgent);
    EXPECT_EQ(ListRows(page, IDC_POOL_LIST), UsedPoolEntries(*first));
    frame_.reset();
    page = Open(*other, CDlgLandParent::FreeAgent);
    EXPECT_EQ(ListRows(page, IDC_POOL_LIST), UsedPoolEntries(*other));
}

// Without the player and staff editors' factories the country editor leaves
// the two tabs out and keeps working with the others.
TEST_F(CountryPoolRefereeTabsTest, WithoutTheHostedPagesTheirTabsAreLeftOut)
{
    GetCountryHostedPages() = TCountryHostedPages{};
    TCountry& country = Country(21);
    Open(country, CDlgLandParent::Appearance);
    EXPECT_EQ(TabWithCode(*frame_, CDlgLandParent::FreeAgent), -1);
    EXPECT_EQ(TabWithCode(*frame_, CDlgLandParent::Referee), -1);
    EXPECT_EQ(TabWithCode(*frame_, CDlgLandParent::Appearance), TabWithCode(*frame_, CDlgLandParent::Cup) + 1);
    const int general = TabWithCode(*frame_, CDlgLandParent::General);
    SwitchTab(frame_->Handle(), IDC_COUNTRY_TABS, general);
    EXPECT_EQ(frame_->GetCurrentTab(), general);
}

}  // namespace
