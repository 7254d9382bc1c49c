// The league system page, the level name dialog and the league data dialog
// over the sample database.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CountryEditorTestSupport.h"
#include "competition/League.h"
#include "core/AppMessage.h"
#include "core/text/TextManager.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/world/WorldList.h"
#include "platform/Platform.h"
#include "editors/country_club/country/DlgLandParent.h"
#include "editors/country_club/model/country/LeagueSystemModel.h"
#include "resources/CountryEditorIds.h"
#include "resources/LeagueToolsIds.h"
#include "tests/ui/GuiTestSupport.h"

using namespace country_editor_testing;

namespace {

constexpr int LeagueTab = 1;

TLevelBytes Levels(std::initializer_list<int> values)
{
    TLevelBytes bytes{};
    std::size_t i = 0;
    for (int v : values) bytes[i++] = static_cast<std::uint8_t>(v);
    return bytes;
}

class CountryLeaguesTest : public SampleCountryTest {
protected:
    void SetUp() override
    {
        SampleCountryTest::SetUp();
        previous_ = SetAppMessageSink({&Record, this});
    }
    void TearDown() override
    {
        frame_.reset();
        SetAppMessageSink(previous_);
        SampleCountryTest::TearDown();
    }
    static int Record(const char16_t* text, unsigned flags, void* context)
    {
        auto* self = static_cast<CountryLeaguesTest*>(context);
        self->messages_.emplace_back(text);
        return self->answer_;
    }
    // A generic country of the sample with leagues, made 1-1-1.
    TCountry& GenericCountry()
    {
        for (int id = 1; id <= 206; ++id) {
            TCountry* country = GetWorld()->GetCountry(id);
            if (country == nullptr || country->GetId() != id || country->GetLeagueSystemId() >= 1) continue;
            if (country->GetLeagueCount() == 0) continue;
            country->SetLeagueSystem(0, Levels({1, 1, 1}), TLevelBytes{});
            if (country->GetLeagueCount() == 3) return *country;
        }
        ADD_FAILURE() << "no generic country";
        return *GetWorld()->GetCountry(1);
    }
    TCountry* ScriptCountry()
    {
        for (int id = 1; id <= 206; ++id) {
            TCountry* country = GetWorld()->GetCountry(id);
            if (country != nullptr && country->GetId() == id && country->GetLeagueSystemId() >= 1) return country;
        }
        return nullptr;
    }
    HWND OpenLeagues(TCountry& country)
    {
        frame_ = std::make_unique<CDlgLandParent>(&country, nullptr);
        EXPECT_TRUE(frame_->Create(nullptr));
        SwitchTab(frame_->Handle(), IDC_COUNTRY_TABS, LeagueTab);
        return VisiblePage();
    }
    HWND VisiblePage() const
    {
        HWND tabs = ::GetDlgItem(frame_->Handle(), IDC_COUNTRY_TABS);
        for (HWND child = ::GetWindow(tabs, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
            if (::GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE) return child;
        }
        return nullptr;
    }
    static std::vector<LPARAM> TreeData(HWND page)
    {
        std::vector<LPARAM> data;
        HWND list = ::GetDlgItem(page, IDC_LEAGUES_TREE);
        const int count = static_cast<int>(::SendMessageW(list, LB_GETCOUNT, 0, 0));
        for (int row = 0; row < count; ++row) data.push_back(::SendMessageW(list, LB_GETITEMDATA, row, 0));
        return data;
    }
    static std::u16string TreeText(HWND page, int row)
    {
        wchar_t text[256] = {};
        ::SendDlgItemMessageW(page, IDC_LEAGUES_TREE, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text));
        return reinterpret_cast<const char16_t*>(text);
    }
    static void ChooseRow(HWND page, int row)
    {
        HWND list = ::GetDlgItem(page, IDC_LEAGUES_TREE);
        ::SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
        ::SendMessageW(page, WM_COMMAND, MAKEWPARAM(IDC_LEAGUES_TREE, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    }
    static std::string LevelsText(TCountry& country)
    {
        std::string text;
        for (const TLeagueLevel& level : country.GetLeagueLevels()) {
            text += std::to_string(level.firstLeague) + "+" + std::to_string(level.count) + " ";
        }
        return text;
    }

    std::unique_ptr<CDlgLandParent> frame_;
    AppMessageSink previous_{};
    std::vector<std::u16string> messages_;
    int answer_ = AppMessage::IdNo;
};

TEST_F(CountryLeaguesTest, TheTreeShowsHeadingsAndLeagueRowsWithTheTeamTotal)
{
    TCountry& country = *GetWorld()->GetCountry(21);
    HWND page = OpenLeagues(country);
    ASSERT_NE(page, nullptr);
    const std::vector<TLeagueTreeRow> rows = BuildLeagueTreeRows(country);
    const std::vector<LPARAM> data = TreeData(page);
    ASSERT_EQ(data.size(), rows.size());
    ASSERT_FALSE(data.empty());
    EXPECT_EQ(data[0], 0) << "level 0's heading first";
    for (std::size_t row = 0; row < rows.size(); ++row) {
        EXPECT_EQ(static_cast<std::uint32_t>(data[row]), rows[row].data);
        EXPECT_EQ(TreeText(page, static_cast<int>(row)), rows[row].text);
        if (!IsLevelHeading(rows[row].data)) {
            EXPECT_EQ(rows[row].text.substr(0, 2), u" \t");
        }
    }
    EXPECT_EQ(Text(page, IDC_LEAGUES_TEAM_TOTAL), CTextManager::Instance()->FormatInt(LeagueTeamTotal(country)));
    for (int id : {IDC_LEAGUES_COMPOSITION, IDC_LEAGUES_CALENDAR, IDC_LEAGUES_FIXTURES}) {
        EXPECT_EQ(::IsWindowEnabled(::GetDlgItem(page, id)) != FALSE, LeagueTeamTotal(country) > 0) << id;
    }
}

TEST_F(CountryLeaguesTest, TheFixturesButtonOpensTheFixtureListOfThisCountry)
{
    TCountry& country = *GetWorld()->GetCountry(21);
    ASSERT_GT(LeagueTeamTotal(country), 0);
    HWND page = OpenLeagues(country);
    ASSERT_TRUE(::IsWindowEnabled(::GetDlgItem(page, IDC_LEAGUES_FIXTURES)));
    int leagues = -1;
    gui_test::ModalDriver driver([&] {
        HWND dialog = gui_test::FindThreadDialog();
        if (dialog == nullptr || ::GetDlgItem(dialog, IDC_FIXTURES_LEAGUES) == nullptr) return false;
        leagues = static_cast<int>(::SendDlgItemMessageW(dialog, IDC_FIXTURES_LEAGUES, LB_GETCOUNT, 0, 0));
        ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_FIXTURES_CANCEL, BN_CLICKED), 0);
        return true;
    });
    Click(page, IDC_LEAGUES_FIXTURES);
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_EQ(leagues, country.GetLeagueCount());
}

TEST_F(CountryLeaguesTest, CancelAfterATabChangeKeepsTheGeneralPagesValues)
{
    TCountry& country = *GetWorld()->GetCountry(21);
    frame_ = std::make_unique<CDlgLandParent>(&country, nullptr);
    ASSERT_TRUE(frame_->Create(nullptr));
    Type(VisiblePage(), IDC_COUNTRY_FEDERATION, u"KEPT");
    SwitchTab(frame_->Handle(), IDC_COUNTRY_TABS, LeagueTab);
    EXPECT_EQ(frame_->GetCurrentTab(), LeagueTab) << "a tab change is never refused";
    ::SendMessageW(frame_->Handle(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_EQ(std::u16string(country.GetFederationName()), u"KEPT");
}

TEST_F(CountryLeaguesTest, System13IsAskedFirstAndNoChangesNothing)
{
    TCountry& country = GenericCountry();
    HWND page = OpenLeagues(country);
    EXPECT_EQ(SelectedData(page, IDC_LEAGUES_SYSTEM), 6) << "1-1-1";
    ChooseByData(page, IDC_LEAGUES_SYSTEM, 13);
    answer_ = AppMessage::IdNo;
    Click(page, IDC_LEAGUES_APPLY);
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(LevelsText(country), "0+1 1+1 2+1 ");
    answer_ = AppMessage::IdYes;
    Click(page, IDC_LEAGUES_APPLY);
    EXPECT_EQ(messages_.size(), 2u);
    EXPECT_EQ(LevelsText(country), "0+1 1+2 3+4 ");
    EXPECT_EQ(TreeData(page).size(), 10u) << "three headings and seven leagues";
    EXPECT_EQ(SelectedData(page, IDC_LEAGUES_SYSTEM), 13);
}

TEST_F(CountryLeaguesTest, AnApplyWithNothingChosenIsRefused)
{
    TCountry& country = GenericCountry();
    HWND page = OpenLeagues(country);
    ::SendDlgItemMessageW(page, IDC_LEAGUES_SYSTEM, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    ::SendDlgItemMessageW(page, IDC_LEAGUES_SCRIPT, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    answer_ = AppMessage::IdYes;
    Click(page, IDC_LEAGUES_APPLY);
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0], CTextManager::Instance()->GetText(u"Dialog.Country.Leaguesystem.NothingChosen"));
    EXPECT_EQ(LevelsText(country), "0+1 1+1 2+1 ");
}

TEST_F(CountryLeaguesTest, AScriptMakesAScriptCountryWhoseSystemsWaitForAGenericChoice)
{
    TCountry& country = GenericCountry();
    HWND page = OpenLeagues(country);
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(page, IDC_LEAGUES_SYSTEM)));
    ChooseByData(page, IDC_LEAGUES_SCRIPT, 21);
    answer_ = AppMessage::IdYes;
    Click(page, IDC_LEAGUES_APPLY);
    EXPECT_EQ(messages_.size(), 1u) << "asked first";
    EXPECT_EQ(country.GetLeagueSystemId(), 21);
    EXPECT_GT(country.GetLeagueCount(), 0);
    EXPECT_EQ(SelectedData(page, IDC_LEAGUES_SCRIPT), 21);
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(page, IDC_LEAGUES_SYSTEM)));
    ChooseByData(page, IDC_LEAGUES_SCRIPT, 0);
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(page, IDC_LEAGUES_SYSTEM)));
}

TEST_F(CountryLeaguesTest, AMissingScriptIsRefused)
{
    TCountry& country = GenericCountry();
    ASSERT_TRUE(platform::RemoveFile(folder_.Path() + u"\\Script\\Lg21.txt"));
    HWND page = OpenLeagues(country);
    ChooseByData(page, IDC_LEAGUES_SCRIPT, 21);
    answer_ = AppMessage::IdYes;
    Click(page, IDC_LEAGUES_APPLY);
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_NE(messages_[0].find(u"Lg21.txt"), std::u16string::npos);
    EXPECT_EQ(country.GetLeagueSystemId(), 0);
    EXPECT_EQ(LevelsText(country), "0+1 1+1 2+1 ");
}

TEST_F(CountryLeaguesTest, AHeadingRenamesItsLevel)
{
    TCountry& country = GenericCountry();
    HWND page = OpenLeagues(country);
    gui_test::ModalDriver driver([&] {
        HWND dialog = app_test::FindDialogWith(IDC_LEVEL_NAME);
        if (dialog == nullptr || ::GetDlgItem(dialog, IDC_LEAGUE_ATTENDANCE) != nullptr) return false;
        Type(dialog, IDC_LEVEL_NAME, u"Second tier");
        ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        return true;
    });
    ChooseRow(page, 2);
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_EQ(std::u16string(country.GetLeagueLevelName(1)), u"Second tier");
    EXPECT_EQ(TreeText(page, 2), u"Second tier");
}

TEST_F(CountryLeaguesTest, ARelegationRuleLandsOnEveryLeagueOfAGenericLevel)
{
    TCountry& country = GenericCountry();
    country.SetLeagueSystemId(-1);
    country.SetLeagueSystem(-1, Levels({1, 2, 4}), TLevelBytes{});
    HWND page = OpenLeagues(country);
    ASSERT_EQ(LevelsText(country), "0+1 1+2 3+4 ");
    int offered = 0;
    gui_test::ModalDriver driver([&] {
        HWND dialog = app_test::FindDialogWith(IDC_LEAGUE_ATTENDANCE);
        if (dialog == nullptr) return false;
        offered = static_cast<int>(::SendDlgItemMessageW(dialog, IDC_LEAGUE_RELEGATION, CB_GETCOUNT, 0, 0));
        ChooseByData(dialog, IDC_LEAGUE_RELEGATION, 4);
        ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        return true;
    });
    ChooseRow(page, 3);  // the first league of level 1
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_EQ(offered, 3) << "two leagues over four admit rules 0, 2 and 4";
    EXPECT_EQ(country.GetLevelRelegationRule(1), 4);
    for (int index : {1, 2}) {
        auto* league = dynamic_cast<CDBLeague*>(country.GetCompetitionRegistry().Get(country.GetLeagueId(index)));
        ASSERT_NE(league, nullptr);
        EXPECT_EQ(league->GetRelegationRule(), 4) << index;
    }
}

TEST_F(CountryLeaguesTest, TheLeagueDataDialogStoresWhatWasChosen)
{
    TCountry& country = GenericCountry();
    HWND page = OpenLeagues(country);
    auto* league = dynamic_cast<CDBLeague*>(country.GetCompetitionRegistry().Get(country.GetLeagueId(0)));
    ASSERT_NE(league, nullptr);
    league->SetTeamsAndRounds(18, 1);
    gui_test::ModalDriver driver([&] {
        HWND dialog = app_test::FindDialogWith(IDC_LEAGUE_ATTENDANCE);
        if (dialog == nullptr) return false;
        EXPECT_EQ(::IsDlgButtonChecked(dialog, IDC_LEAGUE_ROUNDS_2), BST_CHECKED) << "1 round shows as 2";
        ChooseByData(dialog, IDC_LEAGUE_SIZE, 24);
        Click(dialog, IDC_LEAGUE_ROUNDS_3);
        SetText(dialog, IDC_LEAGUE_ATTENDANCE, u"1.23");
        ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_LEAGUE_ATTENDANCE, EN_KILLFOCUS),
                       reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDC_LEAGUE_ATTENDANCE)));
        for (int id : {IDC_LEAGUE_MIN_DOMESTIC, IDC_LEAGUE_MIN_U21, IDC_LEAGUE_MIN_U24}) ChooseByData(dialog, id, 30);
        for (int id : {IDC_LEAGUE_LOANS_SAME_LEAGUE, IDC_LEAGUE_LOANS_OTHER_LEAGUE, IDC_LEAGUE_SIM_LOANS_SAME_LEAGUE,
                       IDC_LEAGUE_SIM_LOANS_OTHER_LEAGUE}) {
            ChooseByData(dialog, id, 15);
        }
        ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        return true;
    });
    ChooseRow(page, 1);
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_EQ(league->GetTeamCount(), 24);
    EXPECT_EQ(league->GetRounds(), 2) << "23 x 3 matchdays are too many";
    EXPECT_EQ(league->GetAttendanceMultiplier(), 123);
    EXPECT_EQ(league->GetLeagueDataB(), 0x7BDEFFFFu);
}

}  // namespace
