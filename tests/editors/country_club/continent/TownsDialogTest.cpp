#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/GlobalObjects.h"
#include "app/LedraApp.h"
#include "app/MainWindowLaunchers.h"
#include "core/AppMessage.h"
#include "core/text/TextKey.h"
#include "core/text/TextManager.h"
#include "database/world/CompleteWorld.h"
#include "database/world/WorldList.h"
#include "editors/country_club/continent/ContinentEditors.h"
#include "editors/country_club/continent/DlgCaCTowns.h"
#include "editors/country_club/model/club/ClubArticleTable.h"
#include "platform/Platform.h"
#include "resources/ContinentIds.h"
#include "tests/app/AppTestSupport.h"
#include "tests/common/TestSupport.h"
#include "tests/ui/GuiTestSupport.h"

namespace {

using gui_test::ItemText;
using gui_test::ModalDriver;

// The towns dialog with its file dialogs answered by the test.
class TestTowns : public CDlgCaCTowns {
public:
    explicit TestTowns(int country) : CDlgCaCTowns(nullptr, country) {}
    std::u16string chosen;

protected:
    std::u16string ChooseFile(bool, TextKey) override { return chosen; }
};

class TownsDialogTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(globals_->App().InitLanguageAndTexts());
        GetWorldList().Clear();
        world_ = GetWorldList().CreateCompleteWorld();
        ASSERT_TRUE(world_->LoadWorld(u"Database"));
    }
    void TearDown() override { GetWorldList().Clear(); }

    // Runs the dialog; act runs once from inside its loop, then the close
    // button is pressed (again, while the dialog stays open, up to a limit).
    void Run(TestTowns& dialog, std::function<void()> act, int closeAttempts = 1)
    {
        bool done = false;
        ModalDriver driver([&] {
            if (done || !dialog.Handle() || !::IsWindowVisible(dialog.Handle())) return false;
            done = true;
            act();
            for (int attempt = 0; attempt < closeAttempts && !dialog.IsEnded(); ++attempt) {
                ::SendMessageW(dialog.Handle(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            }
            if (!dialog.IsEnded()) dialog.EndDialog(IDCANCEL);
            return true;
        });
        dialog.DoModal();
        EXPECT_FALSE(driver.TimedOut());
        EXPECT_TRUE(done);
    }

    static void Command(TestTowns& dialog, int id)
    {
        ::SendMessageW(dialog.Handle(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
    }

    static void Edit(TestTowns& dialog, int id, const wchar_t* text)
    {
        ::SetDlgItemTextW(dialog.Handle(), id, text);
        ::SendMessageW(dialog.Handle(), WM_COMMAND, MAKEWPARAM(id, EN_KILLFOCUS), reinterpret_cast<LPARAM>(::GetDlgItem(dialog.Handle(), id)));
    }

    std::u16string DefaultFile() const { return folder_.Path() + u"\\Database\\TownDataUniques.txt"; }

    app_test::WorkingFolder folder_{u"towns", true};
    std::unique_ptr<CGlobalObjects> globals_ = std::make_unique<CGlobalObjects>();
    TCompleteWorld* world_ = nullptr;
};

TEST_F(TownsDialogTest, ClosingUnchangedAsksNothingAndKeepsTheFile)
{
    const std::vector<std::uint8_t> before = testing_support::ReadBytes(DefaultFile());
    testing_support::MessageCapture messages;
    TestTowns dialog(14);
    Run(dialog, [&] {
        EXPECT_EQ(dialog.GetList().GetItemCount(), 14);
        EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(dialog.Handle(), IDC_TOWNS_TOWN)));
        EXPECT_FALSE(ItemText(dialog.Handle(), IDC_TOWNS_TOWN).empty());
    });
    EXPECT_TRUE(dialog.IsEnded());
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ(testing_support::ReadBytes(DefaultFile()), before);
}

TEST_F(TownsDialogTest, NewEditAndDeleteThenYesSaves)
{
    testing_support::MessageCapture messages(AppMessage::IdYes);
    TestTowns dialog(14);
    Run(dialog, [&] {
        Command(dialog, ID_TOWNS_NEW);
        EXPECT_EQ(dialog.GetList().GetItemCount(), 15);
        Edit(dialog, IDC_TOWNS_TOWN, L"Newtown");
        Edit(dialog, IDC_TOWNS_CLUB, L"Newtown Rovers");
        EXPECT_EQ(std::u16string(dialog.GetEditor().GetCurrent().SecondName), u"Newtown Rovers");
        ::SendDlgItemMessageW(dialog.Handle(), IDC_TOWNS_POSITION, BM_SETCHECK, BST_CHECKED, 0);
        Command(dialog, ID_TOWNS_NEW);
        EXPECT_EQ(dialog.GetList().GetItemCount(), 16);
        Command(dialog, ID_TOWNS_DELETE);
        EXPECT_EQ(dialog.GetList().GetItemCount(), 15);
    });
    ASSERT_EQ(messages.Messages().size(), 1u) << "the unsaved-changes question";
    TTownList saved;
    ASSERT_TRUE(saved.Load(DefaultFile()));
    EXPECT_EQ(saved.GetTownCount(14), 15);
    TTown wanted;
    std::char_traits<char16_t>::copy(wanted.Name, u"Newtown", 8);
    std::char_traits<char16_t>::copy(wanted.SecondName, u"Newtown Rovers", 15);
    EXPECT_TRUE(saved.Contains(14, wanted));
}

TEST_F(TownsDialogTest, TheQuestionAnsweredNoOrCancel)
{
    const std::vector<std::uint8_t> before = testing_support::ReadBytes(DefaultFile());
    testing_support::MessageCapture messages(AppMessage::IdCancel);
    TestTowns dialog(14);
    Run(dialog, [&] {
        Edit(dialog, IDC_TOWNS_CLUB, L"Changed United");
        ::SendMessageW(dialog.Handle(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        EXPECT_FALSE(dialog.IsEnded()) << "Cancel keeps the dialog open";
        messages.Clear();
    });
    TestTowns again(14);
    testing_support::MessageCapture no(AppMessage::IdNo);
    Run(again, [&] { Edit(again, IDC_TOWNS_CLUB, L"Changed United"); });
    EXPECT_TRUE(again.IsEnded());
    EXPECT_EQ(no.Messages().size(), 1u);
    EXPECT_EQ(testing_support::ReadBytes(DefaultFile()), before);
}

TEST_F(TownsDialogTest, DeletingACountrysOnlyTownLeavesTheDetailsDisabledAndEmpty)
{
    testing_support::MessageCapture messages(AppMessage::IdNo);
    TestTowns dialog(5);
    Run(dialog, [&] {
        EXPECT_EQ(dialog.GetList().GetItemCount(), 0);
        EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(dialog.Handle(), IDC_TOWNS_TOWN)));
        Command(dialog, ID_TOWNS_NEW);
        Edit(dialog, IDC_TOWNS_TOWN, L"Only");
        Command(dialog, ID_TOWNS_DELETE);
        EXPECT_EQ(dialog.GetList().GetItemCount(), 0);
        EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(dialog.Handle(), IDC_TOWNS_TOWN)));
        EXPECT_TRUE(ItemText(dialog.Handle(), IDC_TOWNS_TOWN).empty());
    });
}

TEST_F(TownsDialogTest, ADuplicatePairIsRefusedWithAMessage)
{
    testing_support::MessageCapture messages(AppMessage::IdNo);
    TestTowns dialog(14);
    Run(dialog, [&] {
        const TTown first = dialog.GetEditor().List().GetTown(14, 0);
        const TTown second = dialog.GetEditor().List().GetTown(14, 1);
        const int row = [&] {
            for (int r = 0; r < dialog.GetList().GetItemCount(); ++r) {
                if (dialog.GetList().GetItemData(r) == 1) return r;
            }
            return -1;
        }();
        dialog.GetList().SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        ASSERT_EQ(dialog.GetEditor().GetCurrentTown(), 1);
        ::SetDlgItemTextW(dialog.Handle(), IDC_TOWNS_TOWN, reinterpret_cast<const wchar_t*>(first.Name));
        Edit(dialog, IDC_TOWNS_CLUB, reinterpret_cast<const wchar_t*>(first.SecondName));
        ASSERT_EQ(messages.Messages().size(), 1u);
        EXPECT_EQ(ItemText(dialog.Handle(), IDC_TOWNS_TOWN), std::u16string(second.Name));
        EXPECT_FALSE(dialog.GetEditor().HasChanges());
    });
}

TEST_F(TownsDialogTest, SaveAsLoadAndMerge)
{
    testing_support::MessageCapture messages(AppMessage::IdNo);
    const std::u16string copy = folder_.Path() + u"\\copy.txt";
    TestTowns dialog(14);
    Run(dialog, [&] {
        dialog.chosen = copy;
        Command(dialog, ID_TOWNS_SAVE_AS);
        EXPECT_TRUE(platform::FileExists(copy));
        EXPECT_FALSE(dialog.GetEditor().HasChanges());
        Command(dialog, ID_TOWNS_NEW);
        Edit(dialog, IDC_TOWNS_TOWN, L"Extra");
        const std::u16string extra = folder_.Path() + u"\\extra.txt";
        dialog.chosen = extra;
        Command(dialog, ID_TOWNS_SAVE_AS);
        dialog.chosen = copy;
        Command(dialog, ID_TOWNS_LOAD);
        EXPECT_EQ(dialog.GetList().GetItemCount(), 14);
        dialog.chosen = extra;
        Command(dialog, ID_TOWNS_MERGE);
        EXPECT_EQ(dialog.GetList().GetItemCount(), 15);
        dialog.chosen = folder_.Path() + u"\\none.txt";
        Command(dialog, ID_TOWNS_LOAD);
        EXPECT_EQ(dialog.GetList().GetItemCount(), 15) << "a failed load keeps the list";
    });
}

TEST_F(TownsDialogTest, AFailedSaveShowsTheMessageAndKeepsTheDialogOpen)
{
    testing_support::MessageCapture messages(AppMessage::IdYes);
    TestTowns dialog(14);
    Run(dialog, [&] {
        Edit(dialog, IDC_TOWNS_CLUB, L"Changed United");
        ASSERT_TRUE(platform::RemoveTree(folder_.Path() + u"\\Database"));
        ::SendMessageW(dialog.Handle(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        EXPECT_FALSE(dialog.IsEnded());
        ASSERT_EQ(messages.Messages().size(), 2u);
        EXPECT_NE(messages.Messages()[1].find(u"TownDataUniques.txt"), std::u16string::npos);
        EXPECT_TRUE(dialog.GetEditor().HasChanges());
    });
}

TEST_F(TownsDialogTest, ASouthernPositionIsStoredAsNegativeMinutes)
{
    testing_support::MessageCapture messages(AppMessage::IdNo);
    TestTowns dialog(14);
    Run(dialog, [&] {
        ASSERT_GE(dialog.GetEditor().GetCurrentTown(), 0);
        ::SendDlgItemMessageW(dialog.Handle(), IDC_TOWNS_POSITION, BM_SETCHECK, BST_CHECKED, 0);
        ::SendMessageW(dialog.Handle(), WM_COMMAND, MAKEWPARAM(IDC_TOWNS_POSITION, BN_CLICKED), 0);
        EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(dialog.Handle(), IDC_TOWNS_NORTH_SOUTH)));
        ::SendDlgItemMessageW(dialog.Handle(), IDC_TOWNS_NORTH_SOUTH, CB_SETCURSEL, 1, 0);
        ::SendDlgItemMessageW(dialog.Handle(), IDC_TOWNS_EAST_WEST, CB_SETCURSEL, 0, 0);
        Edit(dialog, IDC_TOWNS_LATITUDE_DEGREES, L"0");
        Edit(dialog, IDC_TOWNS_LATITUDE_MINUTES, L"30");
        Edit(dialog, IDC_TOWNS_LONGITUDE_DEGREES, L"2");
        Edit(dialog, IDC_TOWNS_LONGITUDE_MINUTES, L"0");
        Edit(dialog, IDC_TOWNS_TOWN, reinterpret_cast<const wchar_t*>(dialog.GetEditor().GetCurrent().Name));
        EXPECT_EQ(dialog.GetEditor().GetCurrent().Value2, -30);
        EXPECT_EQ(dialog.GetEditor().GetCurrent().Value1, 120);
        wchar_t south[64] = {};
        ::SendDlgItemMessageW(dialog.Handle(), IDC_TOWNS_NORTH_SOUTH, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(south));
        EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(south)), std::u16string(CTextManager::Instance()->GetText(u"Common.South"_tk)));
    });
}

TEST_F(TownsDialogTest, TheArticleAndPhraseButtonsCycleTheTownsLanguageEntries)
{
    testing_support::MessageCapture messages(AppMessage::IdNo);
    TestTowns dialog(14);
    Run(dialog, [&] {
        const HWND window = dialog.Handle();
        const HWND languages = ::GetDlgItem(window, IDC_TOWNS_LANGUAGE);
        auto useLanguage = [&](int language) {
            ::SendMessageW(languages, CB_SETCURSEL, static_cast<WPARAM>(language), 0);
            ::SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_TOWNS_LANGUAGE, CBN_SELCHANGE), reinterpret_cast<LPARAM>(languages));
        };
        ASSERT_GE(dialog.GetEditor().GetCurrentTown(), 0);
        for (int language = 0; language < ClubArticleLanguages; ++language) {
            useLanguage(language);
            const TTown& town = dialog.GetEditor().GetCurrent();
            const int article = TownEditor::ArticleIndex(town, language, GetClubArticleRow(language).articleCount);
            EXPECT_EQ(ItemText(window, IDC_TOWNS_ARTICLE), std::u16string(ClubArticleText(language, article))) << language;
            EXPECT_EQ(::IsWindowEnabled(::GetDlgItem(window, IDC_TOWNS_ARTICLE)) != FALSE, HasArticleChoice(language)) << language;
            EXPECT_EQ(::IsWindowEnabled(::GetDlgItem(window, IDC_TOWNS_PHRASE2)) != FALSE, HasPhraseChoice(language)) << language;
            if (!HasArticleChoice(language) || !HasPhraseChoice(language)) continue;

            ::SendDlgItemMessageW(window, IDC_TOWNS_ARTICLE, BM_CLICK, 0, 0);
            const int next = NextArticleIndex(language, article);
            EXPECT_EQ(dialog.GetEditor().GetCurrent().Digits1[language], next) << language;
            EXPECT_EQ(ItemText(window, IDC_TOWNS_ARTICLE), std::u16string(ClubArticleText(language, next))) << language;

            const int usage = TownEditor::PhraseIndex(dialog.GetEditor().GetCurrent(), language, GetClubArticleRow(language).phraseCount);
            ::SendDlgItemMessageW(window, IDC_TOWNS_PHRASE2, BM_CLICK, 0, 0);
            const int nextUsage = NextPhraseIndex(language, usage);
            EXPECT_EQ(dialog.GetEditor().GetCurrent().Digits2[language], nextUsage) << language;
            const std::u16string club(dialog.GetEditor().GetCurrent().SecondName);
            EXPECT_EQ(gui_test::ItemTextOnOneLine(window, IDC_TOWNS_PHRASE1), ClubPhraseExample(language, 0, nextUsage, club)) << language;
            EXPECT_EQ(gui_test::ItemTextOnOneLine(window, IDC_TOWNS_PHRASE2), ClubPhraseExample(language, 1, nextUsage, club)) << language;
        }
        EXPECT_TRUE(dialog.GetEditor().HasChanges()) << "a click changes the town";

        // The examples follow the club name as it is typed away.
        useLanguage(1);
        Edit(dialog, IDC_TOWNS_CLUB, L"Harbour Athletic");
        const int usage = TownEditor::PhraseIndex(dialog.GetEditor().GetCurrent(), 1, GetClubArticleRow(1).phraseCount);
        EXPECT_EQ(gui_test::ItemTextOnOneLine(window, IDC_TOWNS_PHRASE1), ClubPhraseExample(1, 0, usage, u"Harbour Athletic"));

        // A country without towns leaves the buttons disabled and empty.
        const HWND countries = ::GetDlgItem(window, IDC_TOWNS_COUNTRY);
        const int count = static_cast<int>(::SendMessageW(countries, CB_GETCOUNT, 0, 0));
        for (int row = 0; row < count; ++row) {
            if (::SendMessageW(countries, CB_GETITEMDATA, static_cast<WPARAM>(row), 0) == 5) ::SendMessageW(countries, CB_SETCURSEL, static_cast<WPARAM>(row), 0);
        }
        ::SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_TOWNS_COUNTRY, CBN_SELCHANGE), reinterpret_cast<LPARAM>(countries));
        ASSERT_EQ(dialog.GetList().GetItemCount(), 0);
        EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(window, IDC_TOWNS_ARTICLE)));
        EXPECT_TRUE(ItemText(window, IDC_TOWNS_ARTICLE).empty());
        EXPECT_TRUE(ItemText(window, IDC_TOWNS_PHRASE1).empty());
    });
    EXPECT_EQ(messages.Messages().size(), 1u) << "closing asks about the changes";
}

// Every header, town and phrase example whole in each language, for every
// town of the sample.
TEST_F(TownsDialogTest, EveryTownOfTheSampleShowsWholeInEachLanguage)
{
    app_test::InEachLanguageOfTheWorld(*world_, [&] {
        gui_test::DistinctLayoutFaults faults;
        TestTowns dialog(0);
        Run(dialog, [&] {
            const HWND window = dialog.Handle();
            for (int country = 0; country < gui_test::ComboItemCount(window, IDC_TOWNS_COUNTRY); ++country) {
                gui_test::ChooseComboItem(window, IDC_TOWNS_COUNTRY, country);
                for (int row = 0; row < std::max(dialog.GetList().GetItemCount(), 1); ++row) {
                    dialog.GetList().SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
                    faults.Look(window, "country " + std::to_string(country) + ", town " + std::to_string(row));
                }
            }
        });
    });
}

TEST_F(TownsDialogTest, TheLauncherOpensTheCountrysTowns)
{
    TMainWindowLaunchers launchers;
    RegisterContinentEditors(launchers);
    ASSERT_TRUE(launchers.towns);
    int rows = -1;
    ModalDriver driver([&] {
        const HWND dialog = app_test::FindDialogWith(IDC_TOWNS_LIST);
        if (!dialog) return false;
        rows = static_cast<int>(::SendDlgItemMessageW(dialog, IDC_TOWNS_LIST, LVM_GETITEMCOUNT, 0, 0));
        ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        return true;
    });
    launchers.towns(nullptr, 21);
    EXPECT_EQ(rows, 14);
}

}  // namespace
