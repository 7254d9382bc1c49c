#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/GlobalObjects.h"
#include "app/LedraApp.h"
#include "core/text/TextManager.h"
#include "database/club/Club.h"
#include "database/country/Country.h"
#include "database/world/CompleteWorld.h"
#include "database/world/WorldList.h"
#include "editors/country_club/continent/Dlg5Year.h"
#include "editors/country_club/continent/Dlg5YearChange.h"
#include "editors/country_club/continent/DlgCaCTowns.h"
#include "editors/country_club/continent/DlgContinentFrame.h"
#include "editors/country_club/continent/DlgEuropeanFairness.h"
#include "editors/country_club/continent/DlgLocalisation.h"
#include "resources/ContinentIds.h"
#include "tests/app/AppTestSupport.h"
#include "tests/common/TestSupport.h"
#include "tests/ui/GuiTestSupport.h"

namespace {

constexpr std::uint8_t FrenchDatabaseLanguage = 2;
constexpr std::uint8_t SpanishDatabaseLanguage = 3;

// Each dialog as it stands on the screen, written as a BMP into the build
// folder for a person to look at (make-screenshots.sh turns them into PNG).
class ContinentScreenshots : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(globals_->App().InitLanguageAndTexts());
        GetWorldList().Clear();
        world_ = GetWorldList().CreateCompleteWorld();
        ASSERT_TRUE(world_->LoadWorld(u"Database"));
    }
    void TearDown() override { GetWorldList().Clear(); }

    // act runs on the shown dialog before it is captured.
    void Capture(win::CDialog& dialog, const char16_t* name, const std::function<void(HWND)>& act = nullptr)
    {
        bool done = false;
        gui_test::ModalDriver driver([&] {
            if (done || !dialog.Handle() || !::IsWindowVisible(dialog.Handle())) return false;
            done = true;
            if (act) act(dialog.Handle());
            ::RedrawWindow(dialog.Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
            gui_test::PumpMessages();
            const std::vector<std::uint8_t> bitmap = gui_test::CaptureWindow(dialog.Handle());
            EXPECT_GT(bitmap.size(), 54u + 100u * 100u * 3u) << std::string(name, name + std::char_traits<char16_t>::length(name));
            testing_support::WriteBytes(testing_support::PicturePath(u"tests\\editors\\country_club\\" + std::u16string(name) + u".bmp"), bitmap);
            ::SendMessageW(dialog.Handle(), WM_CLOSE, 0, 0);
            if (!dialog.IsEnded()) dialog.EndDialog(IDCANCEL);
            return true;
        });
        dialog.DoModal();
        EXPECT_TRUE(done);
    }

    app_test::WorkingFolder folder_{u"screenshots", true};
    std::unique_ptr<CGlobalObjects> globals_ = std::make_unique<CGlobalObjects>();
    TCompleteWorld* world_ = nullptr;
};

TEST_F(ContinentScreenshots, EveryDialog)
{
    CDlgContinentFrame frame;
    Capture(frame, u"continents");
    CDlg5Year assessment;
    Capture(assessment, u"assessment");
    // French heads the year columns with its longest words.
    CTextManager::Instance()->SetLanguage(CTextManager::French);
    CDlg5Year french;
    Capture(french, u"assessment-french");
    CTextManager::Instance()->SetLanguage(CTextManager::English);
    {
        // After a coefficient change the total is painted afresh on the
        // skin, clear of the buttons.
        const gui_test::ProgramSkin skin;
        CDlg5YearChange change;
        change.SetCountry(world_->GetCountry(1));
        Capture(change, u"assessment-change", [&](HWND) {
            change.GetSpin(2).SetValueFloat(7.25f);
            change.OnChange(&change.GetSpin(2));
        });
    }
    CDlgEuropeanFairness fairness(world_->GetRulesAndMisc());
    Capture(fairness, u"fairness");
    CDlgLocalisation localisation;
    localisation.SetCountry(world_->GetCountry(14));
    Capture(localisation, u"localisation");
    CDlgCaCTowns towns(nullptr, 14);
    Capture(towns, u"towns");
}

// The localised names and the towns in French, whose labels and headers are
// among the widest, over the sample's French names, on England's club with
// the longest name.
TEST_F(ContinentScreenshots, LocalisedNamesAndTownsInFrench)
{
    world_->SetDatabaseLanguage(FrenchDatabaseLanguage);
    CTextManager::Instance()->SetLanguage(CTextManager::French);
    CDlgLocalisation localisation;
    localisation.SetCountry(world_->GetCountry(14));
    const TCountry& england = *world_->GetCountry(14);
    TClub* longest = england.GetClubByIndex(0);
    for (int index = 0; england.GetClubByIndex(index) != nullptr; ++index) {
        if (std::u16string(england.GetClubByIndex(index)->GetName()).size() > std::u16string(longest->GetName()).size())
            longest = england.GetClubByIndex(index);
    }
    localisation.SetClub(longest);
    Capture(localisation, u"localisation-french");
    CDlgCaCTowns towns(nullptr, 14);
    Capture(towns, u"towns-french");
    CTextManager::Instance()->SetLanguage(CTextManager::English);
}

// The localised names in Spanish with the world grid's Polish cell opened
// by Tab: the grid scrolled sideways to bring it into sight, the editor on it.
TEST_F(ContinentScreenshots, LocalisedNamesInSpanishEditingThePolishCell)
{
    world_->SetDatabaseLanguage(SpanishDatabaseLanguage);
    CTextManager::Instance()->SetLanguage(CTextManager::Spanish);
    CDlgLocalisation localisation;
    localisation.SetCountry(world_->GetCountry(14));
    Capture(localisation, u"localisation-spanish-polish", [&](HWND) {
        CLocaleListCtrl& grid = localisation.GetGrid(IDC_LOCALISATION_WORLD);
        RECT cell{};
        ASSERT_TRUE(grid.GetSubItemRect(0, 1, cell));
        grid.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2));
        for (int column = 1; column < CLocaleListCtrl::Languages; ++column) grid.GetEditor().Send(WM_KEYDOWN, VK_TAB, 1);
        gui_test::PumpMessages();
        EXPECT_TRUE(grid.GetEditor().IsVisible());
    });
    CTextManager::Instance()->SetLanguage(CTextManager::English);
}

}  // namespace
