#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "tests/editors/country_club/club/PickerTestSupport.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/GlobalObjects.h"
#include "app/LedraApp.h"
#include "app/MainWindowLaunchers.h"
#include "core/text/TextManager.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/world/WorldList.h"
#include "editors/country_club/continent/ContinentEditors.h"
#include "editors/country_club/continent/Dlg5Year.h"
#include "editors/country_club/continent/Dlg5YearChange.h"
#include "editors/country_club/continent/DlgContinentCompetition.h"
#include "editors/country_club/continent/DlgContinentFrame.h"
#include "editors/country_club/continent/DlgEuropeanFairness.h"
#include "editors/country_club/model/continent/ContinentPageLayout.h"
#include "platform/Platform.h"
#include "resources/ClubEditorIds.h"
#include "resources/ContinentIds.h"
#include "tests/app/AppTestSupport.h"
#include "tests/common/TestSupport.h"
#include "tests/ui/GuiTestSupport.h"

namespace {

using gui_test::ItemText;
using gui_test::ModalDriver;

constexpr int titleEdits[3] = {IDC_CONTINENT_TITLE0, IDC_CONTINENT_TITLE1, IDC_CONTINENT_TITLE2};

class ContinentEditorTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(globals_->App().InitLanguageAndTexts());
        GetWorldList().Clear();
        world_ = GetWorldList().CreateCompleteWorld();
        ASSERT_TRUE(world_->LoadWorld(u"Database"));
    }
    void TearDown() override { GetWorldList().Clear(); }

    // Runs the dialog modally; act runs once from inside its loop, then the
    // dialog is closed with the command given.
    template <typename Dialog>
    void Run(Dialog& dialog, std::function<void()> act, int closeCommand = IDOK)
    {
        bool done = false;
        ModalDriver driver([&] {
            if (done || !dialog.Handle() || !::IsWindowVisible(dialog.Handle())) return false;
            done = true;
            act();
            ::SendMessageW(dialog.Handle(), WM_COMMAND, MAKEWPARAM(closeCommand, BN_CLICKED), 0);
            return true;
        });
        dialog.DoModal();
        EXPECT_FALSE(driver.TimedOut());
        EXPECT_TRUE(done);
    }

    static void SelectTab(CDlgContinentFrame& frame, int index)
    {
        const HWND tab = ::GetDlgItem(frame.Handle(), IDC_CONTINENT_TAB);
        ::SendMessageW(tab, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
        NMHDR header{tab, IDC_CONTINENT_TAB, TCN_SELCHANGE};
        ::SendMessageW(frame.Handle(), WM_NOTIFY, IDC_CONTINENT_TAB, reinterpret_cast<LPARAM>(&header));
    }

    static void Type(HWND edit, const std::u16string& text)
    {
        for (char16_t c : text) ::SendMessageW(edit, WM_CHAR, c, 0);
    }

    TRulesAndMisc& Rules() { return world_->GetRulesAndMisc(); }
    int Language() const { return world_->GetDatabaseLanguage(); }

    app_test::WorkingFolder folder_{u"continents", true};
    std::unique_ptr<CGlobalObjects> globals_ = std::make_unique<CGlobalObjects>();
    TCompleteWorld* world_ = nullptr;
};

TEST_F(ContinentEditorTest, EveryTabShowsItsContinentsCups)
{
    CDlgContinentFrame frame;
    Run(frame, [&] {
        for (int continent = 0; continent < 6; ++continent) {
            SelectTab(frame, continent);
            for (int other = 0; other < 6; ++other) {
                const HWND page = frame.GetPage(other)->Handle();
                EXPECT_EQ(::IsWindowVisible(page) != FALSE, other == continent) << continent << " " << other;
                EXPECT_EQ(::IsWindowEnabled(page) != FALSE, other == continent) << continent << " " << other;
            }
            const HWND page = frame.GetPage(continent)->Handle();
            for (int cup = 0; cup < 3; ++cup) {
                EXPECT_EQ(::IsWindowVisible(::GetDlgItem(page, titleEdits[cup])) != FALSE,
                          ContinentPageLayout::ShowsCup(continent, cup)) << continent << " " << cup;
            }
            EXPECT_EQ(::IsWindowVisible(::GetDlgItem(page, IDC_CONTINENT_ASSESSMENT)) != FALSE, continent == 0);
            EXPECT_EQ(::IsWindowVisible(::GetDlgItem(page, IDC_CONTINENT_FAIRNESS)) != FALSE, continent == 0);
            EXPECT_EQ(ItemText(page, titleEdits[0]), std::u16string(Rules().GetCupTitle(continent, 0, Language())));
        }
    });
}

// Each continent's page, whose texts are looked up behind its own prefix,
// shows every text whole in each language.
TEST_F(ContinentEditorTest, EveryTabShowsEveryTextWholeInEachLanguage)
{
    gui_test::InEachLanguage([&] {
        CDlgContinentFrame frame;
        Run(frame, [&] {
            for (int continent = 0; continent < CDlgContinentFrame::Continents; ++continent) {
                SelectTab(frame, continent);
                gui_test::ExpectWholeLayout(frame.Handle(), "continent " + std::to_string(continent));
            }
        });
    });
}

TEST_F(ContinentEditorTest, ATitleTakesTwentyNineCharactersAndEscapeKeepsTheChanges)
{
    CDlgContinentFrame frame;
    Run(
        frame,
        [&] {
            SelectTab(frame, 4);
            const HWND edit = ::GetDlgItem(frame.GetPage(4)->Handle(), IDC_CONTINENT_TITLE1);
            ::SetWindowTextW(edit, L"");
            Type(edit, std::u16string(30, u'a'));
            EXPECT_EQ(ItemText(frame.GetPage(4)->Handle(), IDC_CONTINENT_TITLE1), std::u16string(29, u'a'));
        },
        IDCANCEL);
    EXPECT_EQ(std::u16string(Rules().GetCupTitle(4, 1, Language())), std::u16string(29, u'a'));
}

TEST_F(ContinentEditorTest, OpeningAndClosingUneditedKeepsRulesSavByteIdentical)
{
    // Hidden cups keep their titles: cup 1 of North America is saved too.
    Rules().SetCupTitle(2, 1, Language(), u"Hidden title");
    const std::u16string before = folder_.Path() + u"\\before.sav";
    const std::u16string after = folder_.Path() + u"\\after.sav";
    ASSERT_TRUE(Rules().SaveRules(before));
    CDlgContinentFrame frame;
    Run(frame, [] {});
    ASSERT_TRUE(Rules().SaveRules(after));
    EXPECT_EQ(testing_support::ReadBytes(before), testing_support::ReadBytes(after));
    EXPECT_EQ(std::u16string(Rules().GetCupTitle(2, 1, Language())), u"Hidden title");
}

TEST_F(ContinentEditorTest, AnUnknownDefenderShowsADash)
{
    Rules().SetCupDefender(0, 0, 0x00050999);
    Rules().SetCupStadium(0, 1, 0);
    CDlgContinentFrame frame;
    Run(frame, [&] {
        EXPECT_EQ(ItemText(frame.GetPage(0)->Handle(), IDC_CONTINENT_DEFENDER0), u"-");
        EXPECT_EQ(ItemText(frame.GetPage(0)->Handle(), IDC_CONTINENT_STADIUM1), u"-");
    });
}

using picker_test::ListData;
using picker_test::SelectRow;

// Clicks the button and answers the picker it opens; true when answered.
bool ChooseThroughPicker(HWND dialog, int button, const std::function<void(HWND)>& answer)
{
    bool answered = false;
    ModalDriver inner([&] {
        const HWND picker = app_test::FindDialogWith(IDC_PICK_CLUBS);
        if (!picker) return false;
        answered = true;
        answer(picker);
        return true;
    });
    ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, button)));
    return answered;
}

// The first club of a country of the continent that is not its national team.
TTeamId FirstClubOfContinent(TCompleteWorld& world, int continent, int afterCountry = 0)
{
    for (int id = afterCountry + 1; id <= 206; ++id) {
        TCountry* country = world.GetCountry(id);
        if (country->GetContinent() != continent) continue;
        for (int index = 0; index < country->GetClubCount(); ++index) {
            const TTeamId club = country->GetClubByIndex(index)->GetId();
            if (!IsNationalTeamId(club)) return club;
        }
    }
    return 0;
}

TEST_F(ContinentEditorTest, TheSouthAmericanDefenderPickerListsItsCountriesAndCountry83)
{
    constexpr int SouthAmerica = 1;
    CDlgContinentFrame frame;
    Run(frame, [&] {
        SelectTab(frame, SouthAmerica);
        ASSERT_TRUE(ChooseThroughPicker(frame.GetPage(SouthAmerica)->Handle(), IDC_CONTINENT_CHOOSE_DEFENDER0, [&](HWND picker) {
            const std::vector<LPARAM> countries = ListData(picker, IDC_PICK_COUNTRIES);
            for (const LPARAM country : countries) {
                if (country == 0 || country == 83) continue;
                EXPECT_EQ(world_->GetCountry(static_cast<int>(country))->GetContinent(), SouthAmerica) << country;
            }
            if (world_->GetCountry(83)->GetClubCountWithoutNationalTeam() > 0) {
                EXPECT_NE(std::find(countries.begin(), countries.end(), 83), countries.end()) << "country 83 is offered too";
            }
            ::SendMessageW(picker, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        }));
    });
}

TEST_F(ContinentEditorTest, ADefenderIsPickedAmongTheContinentsClubsAndATypedTitleStays)
{
    // The sample's clubs are European.
    constexpr int continent = 0;
    const TTeamId club = FirstClubOfContinent(*world_, continent);
    ASSERT_NE(club, 0u);
    CDlgContinentFrame frame;
    Run(frame, [&] {
        SelectTab(frame, continent);
        const HWND page = frame.GetPage(continent)->Handle();
        ::SetWindowTextW(::GetDlgItem(page, IDC_CONTINENT_TITLE1), L"Cup typed");
        // Cancel changes nothing.
        ASSERT_TRUE(ChooseThroughPicker(page, IDC_CONTINENT_CHOOSE_DEFENDER1, [](HWND picker) {
            ::SendMessageW(picker, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        }));
        EXPECT_EQ(frame.GetRules().GetCupDefender(continent, 1), Rules().GetCupDefender(continent, 1));
        ASSERT_TRUE(ChooseThroughPicker(page, IDC_CONTINENT_CHOOSE_DEFENDER1, [&](HWND picker) {
            for (const LPARAM country : ListData(picker, IDC_PICK_COUNTRIES)) {
                if (country == 0 || country == 83) continue;
                EXPECT_EQ(world_->GetCountry(static_cast<int>(country))->GetContinent(), continent) << country;
            }
            SelectRow(picker, IDC_PICK_COUNTRIES, TeamCountry(club));
            SelectRow(picker, IDC_PICK_CLUBS, static_cast<LPARAM>(club));
            ::SendMessageW(picker, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        }));
        EXPECT_EQ(ItemText(page, IDC_CONTINENT_DEFENDER1), world_->GetClubName(club));
        EXPECT_EQ(ItemText(page, IDC_CONTINENT_TITLE1), u"Cup typed") << "a choice keeps what was typed";
    });
    EXPECT_EQ(Rules().GetCupDefender(continent, 1), club);
    EXPECT_EQ(std::u16string(Rules().GetCupTitle(continent, 1, Language())), u"Cup typed");
}

TEST_F(ContinentEditorTest, AStadiumIsPickedThroughItsClub)
{
    // A stadium of any country may host a final.
    const TTeamId club = FirstClubOfContinent(*world_, 0, 10);
    ASSERT_NE(club, 0u);
    CDlgContinentFrame frame;
    Run(frame, [&] {
        const HWND page = frame.GetPage(0)->Handle();
        ASSERT_TRUE(ChooseThroughPicker(page, IDC_CONTINENT_CHOOSE_STADIUM2, [&](HWND picker) {
            SelectRow(picker, IDC_PICK_COUNTRIES, TeamCountry(club));
            const std::vector<LPARAM> stadiums = ListData(picker, IDC_PICK_CLUBS);
            ASSERT_FALSE(stadiums.empty());
            SelectRow(picker, IDC_PICK_CLUBS, stadiums.front());
            ::SendMessageW(picker, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        }));
        const TTeamId chosen = frame.GetRules().GetCupStadium(0, 2);
        EXPECT_EQ(TeamCountry(chosen), TeamCountry(club));
        EXPECT_EQ(ItemText(page, IDC_CONTINENT_STADIUM2), world_->GetClubName(chosen));
    });
    EXPECT_EQ(TeamCountry(Rules().GetCupStadium(0, 2)), TeamCountry(club));
}

TEST_F(ContinentEditorTest, FairnessPlacesArePickedAmongEuropeanFirstTeamsOneCountryEach)
{
    const TTeamId first = FirstClubOfContinent(*world_, 0);
    const TTeamId second = FirstClubOfContinent(*world_, 0, TeamCountry(first));
    ASSERT_NE(first, 0u);
    ASSERT_NE(second, 0u);
    TCountry* home = world_->GetCountry(TeamCountry(first));
    TTeamId sameCountry = 0;
    for (int index = 0; index < home->GetClubCount(); ++index) {
        const TTeamId id = home->GetClubByIndex(index)->GetId();
        if (id != first && !IsNationalTeamId(id)) sameCountry = id;
    }
    ASSERT_NE(sameCountry, 0u);
    for (int place = 0; place < 3; ++place) Rules().SetFairnessClub(place, 0);
    CDlgEuropeanFairness dialog(Rules());
    auto pick = [&](int button, TTeamId club) {
        return ChooseThroughPicker(dialog.Handle(), button, [&](HWND picker) {
            for (const LPARAM country : ListData(picker, IDC_PICK_COUNTRIES)) {
                if (country == 0) continue;
                EXPECT_EQ(world_->GetCountry(static_cast<int>(country))->GetContinent(), 0) << country;
            }
            SelectRow(picker, IDC_PICK_COUNTRIES, TeamCountry(club));
            for (const LPARAM team : ListData(picker, IDC_PICK_CLUBS)) EXPECT_EQ(team & ReserveTeamBit, 0) << "no reserve teams";
            SelectRow(picker, IDC_PICK_CLUBS, static_cast<LPARAM>(club));
            ::SendMessageW(picker, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        });
    };
    Run(dialog, [&] {
        ASSERT_TRUE(pick(IDC_FAIRNESS_CHOOSE1, first));
        EXPECT_EQ(ItemText(dialog.Handle(), IDC_FAIRNESS_PLACE1), world_->GetClubName(first));
        EXPECT_EQ(ItemText(dialog.Handle(), IDC_FAIRNESS_PLACE2), u"-");
        ASSERT_TRUE(pick(IDC_FAIRNESS_CHOOSE2, sameCountry));
        EXPECT_EQ(ItemText(dialog.Handle(), IDC_FAIRNESS_PLACE2), u"-") << "a second club of one country is refused";
        ASSERT_TRUE(pick(IDC_FAIRNESS_CHOOSE2, second));
        ASSERT_TRUE(pick(IDC_FAIRNESS_CHOOSE1, sameCountry));
        EXPECT_EQ(ItemText(dialog.Handle(), IDC_FAIRNESS_PLACE1), world_->GetClubName(sameCountry)) << "the same place is replaced";
    });
    EXPECT_EQ(Rules().GetFairnessClub(0), sameCountry);
    EXPECT_EQ(Rules().GetFairnessClub(1), second);
    EXPECT_EQ(Rules().GetFairnessClub(2), 0u);
}

TEST_F(ContinentEditorTest, TheLauncherOpensTheFrame)
{
    TMainWindowLaunchers launchers;
    RegisterContinentEditors(launchers);
    ASSERT_TRUE(launchers.continents);
    bool seen = false;
    ModalDriver driver([&] {
        const HWND frame = app_test::FindDialogWith(IDC_CONTINENT_TAB);
        if (!frame) return false;
        seen = true;
        ::SendMessageW(frame, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        return true;
    });
    EXPECT_EQ(launchers.continents(nullptr), IDOK);
    EXPECT_TRUE(seen);
}

// The assessment dialog with its file dialogs answered by the test.
class TestAssessment : public CDlg5Year {
public:
    std::u16string chosen;
    bool lastOpen = false;

protected:
    std::u16string ChooseFile(bool open) override
    {
        lastOpen = open;
        return chosen;
    }
};

class AssessmentTest : public ContinentEditorTest {
protected:
    int RowOf(CDlg5Year& dialog, int country)
    {
        for (int row = 0; row < dialog.GetList().GetItemCount(); ++row) {
            if (static_cast<int>(dialog.GetList().GetItemData(row)) == country) return row;
        }
        return -1;
    }

    int FirstEuropean()
    {
        for (int id = 1; id <= 206; ++id) {
            if (world_->GetCountry(id)->GetContinent() == 0) return id;
        }
        return 0;
    }
};

TEST_F(AssessmentTest, ListsTheEuropeanCountriesRanked)
{
    TestAssessment dialog;
    Run(dialog, [&] {
        int european = 0;
        for (int id = 1; id <= 206; ++id) european += world_->GetCountry(id)->GetContinent() == 0;
        EXPECT_EQ(dialog.GetList().GetItemCount(), european);
        ASSERT_GT(european, 0);
        // The ordinal in the user's language ("1st" in English, "1." in German).
        EXPECT_EQ(dialog.GetList().GetItemText(0, 0), std::u16string(CTextManager::Instance()->FormatOrdinal(1, true)));
    });
}

TEST_F(AssessmentTest, ADoubleClickChangesTheCountryThroughTheChangeDialog)
{
    const int country = FirstEuropean();
    TestAssessment dialog;
    bool changed = false;
    Run(dialog, [&] {
        const int row = RowOf(dialog, country);
        ASSERT_GE(row, 0);
        dialog.GetList().SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        ModalDriver inner([&] {
            const HWND change = app_test::FindDialogWith(IDC_ASSESSMENT_YEAR1);
            if (!change) return false;
            auto* object = static_cast<CDlg5YearChange*>(win::CWindow::FromHandle(change));
            object->GetSpin(1).SetValueFloat(12.34f);
            object->OnChange(&object->GetSpin(1));
            // The new total shows whole, clear of the buttons.
            const TCountry& shown = *world_->GetCountry(country);
            int total = 1234;
            for (int year = 2; year <= 5; ++year) total += shown.GetYearCoefficient(year);
            EXPECT_EQ(gui_test::ItemText(change, IDC_ASSESSMENT_TOTAL), std::u16string(CTextManager::Instance()->FormatFloat(total * 0.01, 2)));
            for (const std::string& fault : gui_test::LayoutFaults(change)) ADD_FAILURE() << fault;
            ::SendMessageW(change, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            changed = true;
            return true;
        });
        NMITEMACTIVATE click{};
        click.hdr = {dialog.GetList().Handle(), IDC_ASSESSMENT_LIST, NM_DBLCLK};
        click.iItem = row;
        ::SendMessageW(dialog.Handle(), WM_NOTIFY, IDC_ASSESSMENT_LIST, reinterpret_cast<LPARAM>(&click));
        EXPECT_TRUE(changed);
        const int after = RowOf(dialog, country);
        ASSERT_GE(after, 0);
        EXPECT_EQ(dialog.GetList().GetItemText(after, 2), std::u16string(CTextManager::Instance()->FormatFloat(12.34, 2)));
    });
    EXPECT_EQ(world_->GetCountry(country)->GetYearCoefficient(1), 1234);
}

// The table in each language: every year's header whole above its column.
TEST_F(AssessmentTest, TheTableShowsEveryHeaderWholeInEachLanguage)
{
    gui_test::InEachLanguage([&] {
        TestAssessment dialog;
        ASSERT_TRUE(dialog.Create(nullptr));
        gui_test::ExpectWholeLayout(dialog.Handle(), "five-year assessment");
        dialog.Destroy();
    });
}

// The change dialog in each language with the widest total and the
// European country of the longest name in its group's caption.
TEST_F(AssessmentTest, TheChangeDialogShowsEveryTextWholeInEachLanguage)
{
    TCountry* longest = nullptr;
    for (int id = 1; id <= 206; ++id) {
        TCountry* country = world_->GetCountry(id);
        if (country->GetContinent() != 0) continue;
        if (longest == nullptr || std::u16string(country->GetName()).size() > std::u16string(longest->GetName()).size())
            longest = country;
    }
    ASSERT_NE(longest, nullptr);
    gui_test::InEachLanguage([&] {
        CDlg5YearChange change;
        change.SetCountry(longest);
        ASSERT_TRUE(change.Create(nullptr));
        for (int year = 1; year <= CDlg5YearChange::Years; ++year) {
            change.GetSpin(year).SetValueFloat(20.0f);
            change.OnChange(&change.GetSpin(year));
        }
        gui_test::ExpectWholeLayout(change.Handle(), "five-year change");
        change.Destroy();
    });
}

TEST_F(AssessmentTest, ATypedValueLosesTheDigitsBeyondHundredths)
{
    const int country = FirstEuropean();
    TestAssessment dialog;
    Run(dialog, [&] {
        const int row = RowOf(dialog, country);
        ASSERT_GE(row, 0);
        dialog.GetList().SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        ModalDriver inner([&] {
            const HWND change = app_test::FindDialogWith(IDC_ASSESSMENT_YEAR1);
            if (!change) return false;
            // Typed into the edit, then the focus moves on, as a user does.
            const HWND edit = ::GetDlgItem(change, IDC_ASSESSMENT_YEAR2);
            const std::u16string typed = std::u16string(CTextManager::Instance()->FormatFloat(12.34, 2)) + u"5";
            ::SetWindowTextW(edit, reinterpret_cast<LPCWSTR>(typed.c_str()));
            ::SendMessageW(change, WM_COMMAND, MAKEWPARAM(IDC_ASSESSMENT_YEAR2, EN_KILLFOCUS), reinterpret_cast<LPARAM>(edit));
            ::SendMessageW(change, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            return true;
        });
        NMITEMACTIVATE click{};
        click.hdr = {dialog.GetList().Handle(), IDC_ASSESSMENT_LIST, NM_DBLCLK};
        click.iItem = row;
        ::SendMessageW(dialog.Handle(), WM_NOTIFY, IDC_ASSESSMENT_LIST, reinterpret_cast<LPARAM>(&click));
        EXPECT_FALSE(inner.TimedOut());
    });
    EXPECT_EQ(world_->GetCountry(country)->GetYearCoefficient(2), 1234);
}

TEST_F(AssessmentTest, ExportThenImportAndARefusedFile)
{
    const int country = FirstEuropean();
    const std::u16string path = folder_.Path() + u"\\assessment.txt";
    testing_support::MessageCapture messages;
    TestAssessment dialog;
    Run(dialog, [&] {
        dialog.chosen = path;
        ::SendMessageW(dialog.Handle(), WM_COMMAND, MAKEWPARAM(IDC_ASSESSMENT_EXPORT, BN_CLICKED), 0);
        EXPECT_FALSE(dialog.lastOpen);
        world_->GetCountry(country)->SetYearCoefficient(2, 7);
        ::SendMessageW(dialog.Handle(), WM_COMMAND, MAKEWPARAM(IDC_ASSESSMENT_IMPORT, BN_CLICKED), 0);
        EXPECT_TRUE(dialog.lastOpen);
    });
    EXPECT_NE(world_->GetCountry(country)->GetYearCoefficient(2), 7);
    EXPECT_TRUE(messages.Messages().empty());
    const std::vector<std::uint8_t> good = testing_support::ReadBytes(path);
    const std::string text(good.begin(), good.end());
    EXPECT_NE(text.find("Year -6"), std::string::npos);
    // The file's decimals are points whatever the user's language.
    const int year1 = world_->GetCountry(country)->GetYearCoefficient(1);
    EXPECT_NE(text.find("\t" + std::to_string(year1 / 100) + "." + (year1 % 100 < 10 ? "0" : "") + std::to_string(year1 % 100) + "\r\n"),
              std::string::npos);

    testing_support::WriteBytes(path, std::string("\xEF\xBB\xBFIndex\t[English]\tYear -1\r\n") + std::to_string(country) + "\tX\tabc\r\n");
    const std::uint16_t kept = world_->GetCountry(country)->GetYearCoefficient(1);
    TestAssessment refused;
    Run(refused, [&] {
        refused.chosen = path;
        ::SendMessageW(refused.Handle(), WM_COMMAND, MAKEWPARAM(IDC_ASSESSMENT_IMPORT, BN_CLICKED), 0);
    });
    EXPECT_EQ(world_->GetCountry(country)->GetYearCoefficient(1), kept);
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_NE(messages.Messages()[0].find(u"assessment.txt"), std::u16string::npos);
}

TEST_F(AssessmentTest, AFailedExportShowsTheMessageAndKeepsTheOldFile)
{
    const std::u16string path = folder_.Path() + u"\\missing\\assessment.txt";
    testing_support::MessageCapture messages;
    TestAssessment dialog;
    Run(dialog, [&] {
        dialog.chosen = path;
        ::SendMessageW(dialog.Handle(), WM_COMMAND, MAKEWPARAM(IDC_ASSESSMENT_EXPORT, BN_CLICKED), 0);
    });
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_NE(messages.Messages()[0].find(u"missing"), std::u16string::npos);
    EXPECT_FALSE(platform::FileExists(path));
}

}  // namespace
