// Looking at every sample country on every page of the editor, each league's
// data dialog opened and closed with OK, changes no byte of the saved files.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>
#include <vector>

#include "CountryEditorTestSupport.h"
#include "core/AppMessage.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/world/WorldList.h"
#include "editors/country_club/country/DlgLandParent.h"
#include "editors/country_club/model/country/LeagueSystemModel.h"
#include "platform/Platform.h"
#include "resources/CountryEditorIds.h"
#include <commctrl.h>
#include "tests/common/TestSupport.h"
#include "tests/ui/GuiTestSupport.h"

using namespace country_editor_testing;

namespace {

// The sample's countries are visited in this many cases, a group each, so
// that no case comes near its time-out on a loaded machine.
constexpr int CountryGroups = 6;

class CountryVisitTest : public SampleCountryTest, public testing::WithParamInterface<int> {
protected:
    // The ids of the loaded countries in the group. Expects the sample to
    // be whole.
    static std::vector<int> CountriesOfGroup(int group)
    {
        std::vector<int> all;
        for (int id = 1; id <= 206; ++id) {
            const TCountry* country = GetWorld()->GetCountry(id);
            if (country != nullptr && country->GetId() == id) all.push_back(id);
        }
        EXPECT_GT(all.size(), 100u);
        return testing_support::GroupOf(all, group, CountryGroups);
    }
    std::map<std::u16string, std::vector<std::uint8_t>> SavedFiles()
    {
        EXPECT_TRUE(GetWorld()->SaveWorld({}, TCompleteWorld::DamagedFiles::Keep).saved);
        std::map<std::u16string, std::vector<std::uint8_t>> files;
        const std::u16string folder = folder_.Path() + u"\\Database";
        for (const std::u16string& name : platform::ListFolder(folder)) {
            if (name.starts_with(u"Country")) files[name] = testing_support::ReadBytes(platform::JoinPath(folder, name));
        }
        return files;
    }
    static void OpenEveryLeague(HWND page)
    {
        HWND list = ::GetDlgItem(page, IDC_LEAGUES_TREE);
        const int rows = static_cast<int>(::SendMessageW(list, LB_GETCOUNT, 0, 0));
        for (int row = 0; row < rows; ++row) {
            if (IsLevelHeading(static_cast<std::uint32_t>(::SendMessageW(list, LB_GETITEMDATA, row, 0)))) continue;
            gui_test::ModalDriver driver([] {
                HWND dialog = app_test::FindDialogWith(IDC_LEAGUE_ATTENDANCE);
                if (dialog == nullptr) return false;
                ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                return true;
            });
            ::SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
            ::SendMessageW(page, WM_COMMAND, MAKEWPARAM(IDC_LEAGUES_TREE, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
            EXPECT_FALSE(driver.TimedOut()) << row;
        }
    }
};

TEST_P(CountryVisitTest, EveryCountryOnEveryPageSavesTheSameFiles)
{
    const auto before = SavedFiles();
    ASSERT_FALSE(before.empty());
    const std::vector<int> group = CountriesOfGroup(GetParam());
    ASSERT_FALSE(group.empty());
    for (int id : group) {
        TCountry* country = GetWorld()->GetCountry(id);
        CDlgLandParent frame(country, nullptr);
        ASSERT_TRUE(frame.Create(nullptr));
        SwitchTab(frame.Handle(), IDC_COUNTRY_TABS, TabWithCode(frame, CDlgLandParent::LeagueSystem));
        OpenEveryLeague(ShownPage(frame.Handle()));
        const int tabs = static_cast<int>(::SendDlgItemMessageW(frame.Handle(), IDC_COUNTRY_TABS, TCM_GETITEMCOUNT, 0, 0));
        for (int tab = 0; tab < tabs; ++tab) SwitchTab(frame.Handle(), IDC_COUNTRY_TABS, tab);
        ::SendMessageW(frame.Handle(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    }
    const auto after = SavedFiles();
    ASSERT_EQ(after.size(), before.size());
    for (const auto& [name, bytes] : before) {
        EXPECT_TRUE(after.at(name) == bytes) << testing_support::Narrow(name);
    }
}

INSTANTIATE_TEST_SUITE_P(Countries, CountryVisitTest, testing::Range(0, CountryGroups),
                         testing_support::GroupCaseName());

// Countries with several languages, some with empty slots between them.
struct TLanguageSetup {
    int country;
    std::array<std::uint8_t, 4> languages;
    std::array<std::uint8_t, 4> shares;
};

constexpr TLanguageSetup LanguageSetups[] = {
    {21, {5, 0, 7, 0}, {70, 0, 30, 0}},
    {1, {26, 11, 0, 4}, {50, 20, 0, 30}},
    {12, {17, 18, 9, 3}, {40, 30, 20, 10}},
};

// Each page is left, the country's file taken, the page entered again and
// OK pressed: the file is what it was, the page stored what it showed. A
// share typed first makes leaving the general page compact the languages,
// so that the page shows new values over its old ones when entered again.
TEST_F(CountryVisitTest, EveryPageLeftAndEnteredAgainStoresWhatItShowed)
{
    for (const TLanguageSetup& setup : LanguageSetups) {
        TCountry& country = Country(setup.country);
        const int tabs = [&] {
            CDlgLandParent frame(&country, nullptr);
            EXPECT_TRUE(frame.Create(nullptr));
            return static_cast<int>(::SendDlgItemMessageW(frame.Handle(), IDC_COUNTRY_TABS, TCM_GETITEMCOUNT, 0, 0));
        }();
        ASSERT_GT(tabs, 1);
        for (int tab = 0; tab < tabs; ++tab) {
            for (int slot = 0; slot < 4; ++slot) {
                country.SetLanguage(slot, setup.languages[static_cast<std::size_t>(slot)]);
                country.SetLanguageShare(slot, setup.shares[static_cast<std::size_t>(slot)]);
            }
            CDlgLandParent frame(&country, nullptr);
            ASSERT_TRUE(frame.Create(nullptr));
            const HWND window = frame.Handle();
            int last = 3;
            while (setup.shares[static_cast<std::size_t>(last)] == 0) --last;
            SetSpin(ShownPage(window), IDC_COUNTRY_SHARE_1 + last, setup.shares[static_cast<std::size_t>(last)] - 5);
            const int other = tab == 0 ? 1 : 0;
            if (tab != 0) SwitchTab(window, IDC_COUNTRY_TABS, tab);
            SwitchTab(window, IDC_COUNTRY_TABS, other);
            const std::string left = CountryBytes(country, folder_.Path());
            SwitchTab(window, IDC_COUNTRY_TABS, tab);
            ::SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            EXPECT_TRUE(CountryBytes(country, folder_.Path()) == left) << "country " << setup.country << " tab " << tab;
            EXPECT_GT(country.GetLanguageShare(1), 0) << "country " << setup.country << " tab " << tab;
        }
    }
}

}  // namespace
