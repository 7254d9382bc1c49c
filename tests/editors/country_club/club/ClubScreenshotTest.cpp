// Pictures of the club editor for a person to look at: every page of the
// frame, the colour picker, the badge manager, both pickers and the squad
// generator, written as BMP files into the build folder (make-screenshots.sh
// turns them into PNG files).
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ClubEditorTestSupport.h"
#include "app/LanguageChoice.h"
#include "core/text/TextManager.h"
#include "database/club/KitPalette.h"
#include "database/world/CompleteWorld.h"
#include "database/world/WorldList.h"
#include "editors/country_club/club/DlgChooseClub.h"
#include "editors/country_club/club/DlgChooseStadion.h"
#include "editors/country_club/club/DlgClubGenerator.h"
#include "editors/country_club/model/club/ColourPickerGrid.h"
#include "resources/ClubEditorIds.h"
#include "tests/common/TestSupport.h"
#include "tests/ui/GuiTestSupport.h"

namespace {

void Save(HWND window, const std::u16string& name)
{
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_ERASE);
    gui_test::PumpMessages();
    const std::vector<std::uint8_t> bitmap = gui_test::CaptureWindow(window);
    ASSERT_FALSE(bitmap.empty());
    testing_support::WriteBytes(testing_support::PicturePath(u"tests\\editors\\country_club\\" + name + u".bmp"), bitmap);
}

// Where the client area begins in the picture, "x y", for the probe of the
// picker's cells.
void SaveClientOrigin(HWND window, const std::u16string& name)
{
    RECT bounds{};
    ::GetWindowRect(window, &bounds);
    POINT origin{0, 0};
    ::ClientToScreen(window, &origin);
    const std::string text = std::to_string(origin.x - bounds.left) + " " + std::to_string(origin.y - bounds.top) + "\n";
    testing_support::WriteBytes(testing_support::PicturePath(u"tests\\editors\\country_club\\" + name + u".txt"), text);
}

// The display shows a window just opened some turns of its loop later: a
// small one captured at once is still black.
bool Settled(int& turnsSeen)
{
    return ++turnsSeen > 10;
}

// Under Wine a part of a window just shown may reach its picture some
// turns after the rest. The picker is saved once every cell's centre shows
// its palette colour in a capture; the probe then reads the saved picture
// again with ImageMagick.
bool ShowsEveryCell(HWND picker)
{
    ::RedrawWindow(picker, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_ERASE);
    const std::vector<std::uint8_t> bitmap = gui_test::CaptureWindow(picker);
    RECT bounds{};
    ::GetWindowRect(picker, &bounds);
    POINT origin{0, 0};
    ::ClientToScreen(picker, &origin);
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    const std::size_t stride = static_cast<std::size_t>((width * 3 + 3) & ~3);
    for (int index = 0; index < PickerColumns * PickerRows; ++index) {
        const TGridCell cell = PickerCell(index);
        const int x = origin.x - bounds.left + (cell.left + cell.right) / 2;
        const int y = origin.y - bounds.top + (cell.top + cell.bottom) / 2;
        // Rows run from the bottom up, each pixel blue, green, red.
        const std::size_t at = 54 + static_cast<std::size_t>(height - 1 - y) * stride + static_cast<std::size_t>(x) * 3;
        if (at + 2 >= bitmap.size()) return false;
        const std::uint32_t shown = static_cast<std::uint32_t>(bitmap[at + 2]) << 16 | bitmap[at + 1] << 8 | bitmap[at];
        if (shown != (GetKitPaletteColourArgb(index) & 0xFFFFFF)) return false;
    }
    return true;
}

using ClubScreenshot = club_test::SampleClubTest;

TEST_F(ClubScreenshot, WritesEveryPageAndPicker)
{
    // The badge page shows the club's own badge, as the working folder the
    // run command lays out holds the sample's badges.
    app_test::CopyTree(testing_support::SourcePath(u"data\\Badges"), folder_.Path() + u"\\Badges");
    const char16_t* pages[] = {u"club-common", u"club-badge", u"club-kit", u"club-ground", u"club-history"};
    RunFrame(Club(0), ClubIds(), [&](HWND frame) {
        ::SetWindowPos(frame, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
        for (int tab = 0; tab < 5; ++tab) {
            club_test::ClickTab(frame, tab);
            Save(frame, pages[tab]);
        }
        const HWND kit = club_test::Page(frame, 2);
        gui_test::ModalDriver colour([&] {
            const HWND picker = app_test::FindDialogWith(IDCANCEL);
            if (picker == nullptr || !ShowsEveryCell(picker)) return false;
            Save(picker, u"club-colour-picker");
            SaveClientOrigin(picker, u"club-colour-picker");
            ::SendMessageW(picker, WM_SYSCOMMAND, SC_CLOSE, 0);
            return true;
        });
        club_test::ClickTab(frame, 2);
        // The picker opens centred on the mouse: all of it on the screen.
        ::SetCursorPos(300, 300);
        club_test::Click(kit, IDC_KIT_COLOUR_FIRST);
        EXPECT_FALSE(colour.TimedOut()) << "the picker never showed every cell";
        const HWND badge = club_test::Page(frame, 1);
        gui_test::ModalDriver manager([&] {
            const HWND window = app_test::FindDialogWith(IDC_BADGE_GROUPS);
            if (window == nullptr) return false;
            Save(window, u"club-badge-manager");
            club_test::Click(window, IDCANCEL);
            return true;
        });
        club_test::ClickTab(frame, 1);
        club_test::Click(badge, IDC_BADGE_MANAGE);
        club_test::Click(frame, IDOK);
    });
    CDlgChooseClub clubPicker;
    clubPicker.SetSelectedClubId(Club(0).GetId());
    gui_test::ModalDriver clubs([&] {
        if (clubPicker.Handle() == nullptr || !::IsWindowVisible(clubPicker.Handle())) return false;
        Save(clubPicker.Handle(), u"club-picker");
        club_test::Click(clubPicker.Handle(), IDCANCEL);
        return true;
    });
    clubPicker.DoModal();
    CDlgChooseStadion stadiumPicker;
    stadiumPicker.SetSelectedClubId(Club(0).GetId());
    gui_test::ModalDriver stadiums([&] {
        if (stadiumPicker.Handle() == nullptr || !::IsWindowVisible(stadiumPicker.Handle())) return false;
        Save(stadiumPicker.Handle(), u"stadium-picker");
        club_test::Click(stadiumPicker.Handle(), IDCANCEL);
        return true;
    });
    stadiumPicker.DoModal();
}

}  // namespace

// The history page of the club with international titles, each title list
// in the row the page names it by.
TEST_F(ClubScreenshot, WritesTheHistoryPageOfAClubWithInternationalTitles)
{
    const std::vector<TTeamId> ids = ClubIds();
    const auto kingsmouth = std::find_if(ids.begin(), ids.end(), [](TTeamId id) {
        return std::u16string_view(GetWorld()->GetClub(id)->GetName()) == u"Kingsmouth Rovers";
    });
    ASSERT_NE(kingsmouth, ids.end());
    RunFrame(*GetWorld()->GetClub(*kingsmouth), ids, [&](HWND frame) {
        ::SetWindowPos(frame, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
        club_test::ClickTab(frame, 4);
        // Rows 4 to 7: the IT cup, the champions cup, the club world cup and
        // the intercontinental cup.
        const char16_t* rows[] = {u"", u"1971,2005,2006", u"2005", u"1971"};
        for (int row = 4; row < 8; ++row)
            EXPECT_EQ(gui_test::ItemText(club_test::Page(frame, 4), IDC_HIST_YEARS_FIRST + row), rows[row - 4]);
        Save(frame, u"club-history-titles");
        club_test::Click(frame, IDOK);
    });
}

// The general page on the program's skin in English, French, German and
// Spanish, whose labels are among the widest, each with the database's names
// in its language, on the club whose phrase examples are the longest.
TEST_F(ClubScreenshot, WritesTheGeneralPageOnTheSkinInEnglishFrenchGermanAndSpanish)
{
    const gui_test::ProgramSkin skin;
    ASSERT_TRUE(skin.IsLoaded());
    const struct {
        int databaseLanguage;
        const char16_t* name;
    } shots[] = {{1, u"club-general-english"}, {2, u"club-general-french"}, {0, u"club-general-german"},
                 {3, u"club-general-spanish"}};
    const std::uint8_t before = GetWorld()->GetDatabaseLanguage();
    for (const auto& shot : shots) {
        GetWorld()->SetDatabaseLanguage(static_cast<std::uint8_t>(shot.databaseLanguage));
        CTextManager::Instance()->SetLanguage(language_choice::TextLanguageForDatabaseLanguage(shot.databaseLanguage));
        TClub* longest = &Club(0);
        for (int index = 0; index < static_cast<int>(ClubIds().size()); ++index) {
            if (std::u16string(Club(index).GetName()).size() > std::u16string(longest->GetName()).size()) longest = &Club(index);
        }
        RunFrame(*longest, ClubIds(), [&](HWND frame) {
            ::SetWindowPos(frame, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
            Save(frame, shot.name);
            club_test::Click(frame, IDOK);
        });
    }
    GetWorld()->SetDatabaseLanguage(before);
    CTextManager::Instance()->SetLanguage(CTextManager::English);
}

// The kit page in Spanish, with the Spanish kit names, the sibling kits'
// list dropped: every kit's name whole.
TEST_F(ClubScreenshot, WritesTheSpanishKitPageWithTheSiblingKitsOpen)
{
    constexpr std::uint8_t SpanishDatabaseLanguage = 3;
    const std::uint8_t before = GetWorld()->GetDatabaseLanguage();
    GetWorld()->SetDatabaseLanguage(SpanishDatabaseLanguage);
    CTextManager::Instance()->SetLanguage(CTextManager::Spanish);
    app_test::LoadLanguageTables();
    RunFrame(Club(0), ClubIds(), [&](HWND frame) {
        ::SetWindowPos(frame, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
        club_test::ClickTab(frame, 2);
        const HWND combo = ::GetDlgItem(club_test::Page(frame, 2), IDC_KIT_SIBLING_ID);
        testing_support::WriteBytes(testing_support::PicturePath(u"tests\\editors\\country_club\\club-kit-spanish-siblings.bmp"),
                                    gui_test::CaptureWithListDropped(frame, combo));
        club_test::Click(frame, IDOK);
    });
    GetWorld()->SetDatabaseLanguage(before);
    CTextManager::Instance()->SetLanguage(CTextManager::English);
    app_test::LoadLanguageTables();
}

TEST_F(ClubScreenshot, WritesTheSquadGenerator)
{
    CDlgClubGenerator generator(&Club(0), true);
    int turns = 0;
    gui_test::ModalDriver driver([&] {
        if (generator.Handle() == nullptr || !::IsWindowVisible(generator.Handle()) || !Settled(turns)) return false;
        Save(generator.Handle(), u"club-generator");
        club_test::Click(generator.Handle(), IDCANCEL);
        return true;
    });
    generator.DoModal();
}
