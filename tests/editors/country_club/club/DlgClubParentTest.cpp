// The club editor frame with its general and kit pages, driven through
// control ids and messages over the sample database.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "ClubEditorTestSupport.h"
#include "app/MainWindowLaunchers.h"
#include "core/text/TextManager.h"
#include "database/club/Club.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/club/KitPalette.h"
#include "database/club/ReferenceLists.h"
#include "database/world/WorldList.h"
#include "editors/country_club/club/ClubEditorRegistration.h"
#include "editors/country_club/model/club/ClubArticleTable.h"
#include "editors/country_club/model/club/ColourPickerGrid.h"
#include "editors/country_club/model/country/LowestLeagueLevel.h"
#include "app/LedraApp.h"
#include "core/text/Format.h"
#include "resources/ClubEditorIds.h"
#include "tests/ui/GuiTestSupport.h"

namespace {

using club_test::Click;
using club_test::ClickTab;
using club_test::Page;
using club_test::SetItem;
using gui_test::ItemText;
using gui_test::WindowText;

constexpr int BadgeTab = 1;
constexpr int KitTab = 2;
constexpr int GroundTab = 3;
constexpr int HistoryTab = 4;

// The first line where two files differ, with its neighbour; empty when equal.
std::string FirstDifference(const std::string& now, const std::string& was)
{
    std::size_t at = 0;
    while (at < now.size() && at < was.size() && now[at] == was[at]) ++at;
    if (at == now.size() && at == was.size()) return "";
    const std::size_t start = now.rfind('\n', at) == std::string::npos ? 0 : now.rfind('\n', at) + 1;
    return "now: " + now.substr(start, 80) + " | was: " + was.substr(start, 80);
}

class ClubEditor : public club_test::SampleClubTest {
protected:
    static int ChooserCount(HWND frame) { return static_cast<int>(::SendDlgItemMessageW(frame, IDC_CLUB_CHOOSER, CB_GETCOUNT, 0, 0)); }
    static int ChooserSelection(HWND frame) { return static_cast<int>(::SendDlgItemMessageW(frame, IDC_CLUB_CHOOSER, CB_GETCURSEL, 0, 0)); }

    static void StepBy(HWND frame, int delta)
    {
        NMUPDOWN notice{};
        notice.hdr.hwndFrom = ::GetDlgItem(frame, IDC_CLUB_STEP);
        notice.hdr.idFrom = IDC_CLUB_STEP;
        notice.hdr.code = UDN_DELTAPOS;
        notice.iDelta = delta;
        const LRESULT kept = ::SendMessageW(frame, WM_NOTIFY, IDC_CLUB_STEP, reinterpret_cast<LPARAM>(&notice));
        EXPECT_NE(kept, 0);
    }

    static void Choose(HWND frame, int item)
    {
        ::SendDlgItemMessageW(frame, IDC_CLUB_CHOOSER, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
        ::SendMessageW(frame, WM_COMMAND, MAKEWPARAM(IDC_CLUB_CHOOSER, CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(::GetDlgItem(frame, IDC_CLUB_CHOOSER)));
    }

    static int SelectedItem(HWND page, int id)
    {
        return static_cast<int>(::SendDlgItemMessageW(page, id, CB_GETCURSEL, 0, 0));
    }

    // As a user picks an item: the selection, then the change notification.
    static void SelectCombo(HWND page, int id, int item)
    {
        ::SendDlgItemMessageW(page, id, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
        ::SendMessageW(page, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(::GetDlgItem(page, id)));
    }
};

TEST_F(ClubEditor, ChooserCaptionAndSteppingFollowTheListedClubs)
{
    std::vector<TTeamId> rows = ClubIds();
    const TTeamId missing = (static_cast<TTeamId>(Country().GetId()) << 16) | 0x7FFE;
    ASSERT_EQ(GetWorld()->GetClub(missing), nullptr);
    rows.insert(rows.begin() + 1, missing);
    TClub& first = Club(0);
    TClub& last = Club(static_cast<int>(ClubIds().size()) - 1);
    const std::string before = CountryBytes();
    const INT_PTR result = RunFrame(first, rows, [&](HWND frame) {
        EXPECT_EQ(ChooserCount(frame), static_cast<int>(rows.size()) - 1);
        EXPECT_EQ(ChooserSelection(frame), 0);
        // The title is the caption the window got from its template, the
        // program's popup prefix included.
        const std::u16string caption = WindowText(frame);
        const std::u16string suffix = std::u16string(u" - ") + first.GetName();
        ASSERT_GT(caption.size(), suffix.size());
        EXPECT_EQ(caption.substr(caption.size() - suffix.size()), suffix);
        const std::u16string title = caption.substr(0, caption.size() - suffix.size());
        EXPECT_NE(title.find(CTextManager::Instance()->GetText(u"Dialog.Club.Frame.Caption")), std::u16string::npos);
        StepBy(frame, -1);
        EXPECT_EQ(ChooserSelection(frame), 0);
        StepBy(frame, 1);
        EXPECT_EQ(ChooserSelection(frame), 1);
        // The caption is the template's title with the new club, not the old caption.
        EXPECT_EQ(WindowText(frame), title + u" - " + Club(1).GetName());
        Choose(frame, ChooserCount(frame) - 1);
        EXPECT_EQ(ItemText(Page(frame, 0), IDC_CLUB_NAME), last.GetName());
        StepBy(frame, 1);
        EXPECT_EQ(ChooserSelection(frame), ChooserCount(frame) - 1);
        Click(frame, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(FirstDifference(CountryBytes(), before), "");
}

TEST_F(ClubEditor, VisitingEveryClubOnEveryPageChangesNothing)
{
    // One club holds values outside every list the pages offer.
    TClub& odd = Club(0);
    odd.GetKit()->SetQaroKitId(987654);
    odd.SetQaroId(13);
    odd.SetExtraNumber(77);
    odd.SetArticle(GetWorld()->GetDatabaseLanguage(), 1, 9);
    odd.SetBadgeParam(0, 250);
    odd.SetLeagueStat(0, 40000);
    odd.SetFoundationYear(0);
    odd.GetKit()->SetKitValueA(0, 9);
    odd.GetKit()->SetStyle(1, 0, 50);
    const std::string before = CountryBytes();
    const std::vector<TTeamId> rows = ClubIds();
    RunFrame(Club(0), rows, [&](HWND frame) {

        for (int item = 0; item < ChooserCount(frame); ++item) {
            Choose(frame, item);
            for (const int tab : {BadgeTab, KitTab, GroundTab, HistoryTab, 0}) ClickTab(frame, tab);
        }
        Click(frame, IDOK);
    });
    EXPECT_EQ(FirstDifference(CountryBytes(), before), "");
}

TEST_F(ClubEditor, GeneralPageStoresWhatTheUserChanged)
{
    TClub& club = Club(0);
    const int language = GetWorld()->GetDatabaseLanguage();
    const int other = language == 0 ? 1 : 0;
    club.SetTownForLanguage(other, u"");
    club.SetRival(0, Club(1).GetId());
    RunFrame(club, ClubIds(), [&](HWND frame) {
        const HWND page = Page(frame, 0);
        SetItem(page, IDC_CLUB_NAME, u"Renamed FC");
        const std::u16string example = ClubPhraseExample(language, 0, club.GetPhraseUsageForLanguage(language), u"Renamed FC");
        EXPECT_EQ(gui_test::ItemTextOnOneLine(page, IDC_CLUB_PHRASE1), example);
        SetItem(page, IDC_CLUB_TOWN, u"Newtown");
        SetItem(page, IDC_CLUB_FAN_NAME1, u"Supporters");
        SelectCombo(page, IDC_CLUB_RIVAL0, 0);
        // Lowest leagues offer "not available" and the deepest level's leagues.
        const int leagues = static_cast<int>(::SendDlgItemMessageW(page, IDC_CLUB_LOWEST_LEAGUE0, CB_GETCOUNT, 0, 0));
        EXPECT_GE(leagues, 1);
        ClickTab(frame, KitTab);
        Click(frame, IDOK);
    });
    EXPECT_EQ(std::u16string(club.GetName()), u"Renamed FC");
    EXPECT_EQ(std::u16string(club.GetTown()), u"Newtown");
    EXPECT_EQ(std::u16string(club.GetTownForLanguage(other)), u"Newtown");
    EXPECT_EQ(std::u16string(club.GetFanName1()), u"Supporters");
    EXPECT_EQ(club.GetRival(0), 0u);
}

// The frame on each of its pages: everything inside its parent and every
// text whole in each language, the administration mode's captions and
// language chooser included.
TEST_F(ClubEditor, EveryPageShowsEveryTextWholeInEachLanguage)
{
    for (const bool admin : {false, true}) {
        SCOPED_TRACE(admin ? "administration mode" : "user mode");
        SetAdminMode(GetAdminModeFlag(), admin);
        gui_test::InEachLanguage([&] {
            RunFrame(Club(0), ClubIds(), [&](HWND frame) {
                for (const int tab : {0, BadgeTab, KitTab, GroundTab, HistoryTab}) {
                    ClickTab(frame, tab);
                    gui_test::ExpectWholeLayout(frame, "tab " + std::to_string(tab));
                }
                Click(frame, IDOK);
            });
        });
    }
    SetAdminMode(GetAdminModeFlag(), false);
}

// Every club of the sample on every page, its names, its rivals' and
// leagues' names and its phrase examples included, whole in each language.
TEST_F(ClubEditor, EveryClubOfTheSampleShowsWholeOnEveryPageInEachLanguage)
{
    app_test::InEachLanguageOfTheWorld(*GetWorld(), [&] {
        gui_test::DistinctLayoutFaults faults;
        for (int id = 1; id <= 206; ++id) {
            country_ = GetWorld()->GetCountry(id);
            if (country_->GetId() != id || country_->GetClubCountWithoutNationalTeam() == 0) continue;
            RunFrame(Club(0), ClubIds(), [&](HWND frame) {
                for (int item = 0; item < ChooserCount(frame); ++item) {
                    Choose(frame, item);
                    for (const int tab : {0, BadgeTab, KitTab, GroundTab, HistoryTab}) {
                        ClickTab(frame, tab);
                        faults.Look(frame, "country " + std::to_string(id) + ", club " + std::to_string(item) +
                                               ", tab " + std::to_string(tab));
                    }
                }
                Click(frame, IDOK);
            });
        }
    });
}

// The fan-name edits take 30 typed characters; the record keeps the first 19.
TEST_F(ClubEditor, FanNameEditsTakeThirtyCharactersOfWhichTheRecordKeepsNineteen)
{
    TClub& club = Club(0);
    const std::u16string typed = u"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    const struct {
        int id;
        std::size_t length;
    } edits[] = {{IDC_CLUB_FAN_NAME1, 25}, {IDC_CLUB_FAN_NAME2, 36}};
    std::vector<std::u16string> shown;
    RunFrame(club, ClubIds(), [&](HWND frame) {
        const HWND page = Page(frame, 0);
        for (const auto& edit : edits) {
            SetItem(page, edit.id, u"");
            HWND control = ::GetDlgItem(page, edit.id);
            for (std::size_t i = 0; i < edit.length; ++i) ::SendMessageW(control, WM_CHAR, typed[i], 0);
            shown.push_back(ItemText(page, edit.id));
        }
        ClickTab(frame, KitTab);
        Click(frame, IDOK);
    });
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], typed.substr(0, 25));
    EXPECT_EQ(shown[1], typed.substr(0, 30));
    EXPECT_EQ(std::u16string(club.GetFanName1()), u"ABCDEFGHIJKLMNOPQRS");
    EXPECT_EQ(std::u16string(club.GetFanName2()), u"ABCDEFGHIJKLMNOPQRS");
}

// What each edit takes, and what the record keeps of 40 typed characters.
TEST_F(ClubEditor, EachEditTakesItsLimitAndTheRecordKeepsItsPart)
{
    TClub& club = Club(0);
    const std::u16string typed = u"abcdefghijklmnopqrstuvwxyz0123456789ABCD";
    constexpr int Unlimited = -1;
    const struct {
        int id;
        int limit;
        std::u16string (*kept)(const TClub&);
        std::size_t keptLength;
    } edits[] = {
        {IDC_CLUB_NAME, 29, [](const TClub& c) { return std::u16string(c.GetName()); }, 29},
        {IDC_CLUB_SHORT_NAME, 10, [](const TClub& c) { return std::u16string(c.GetShortName()); }, 10},
        {IDC_CLUB_ABBREVIATION, 4, [](const TClub& c) { return std::u16string(c.GetAbbreviation()); }, 4},
        {IDC_CLUB_TOWN, Unlimited, [](const TClub& c) { return std::u16string(c.GetTown()); }, 29},
        {IDC_CLUB_ADDRESS, 118, [](const TClub& c) { return std::u16string(c.GetAddress()); }, 40},
        {IDC_CLUB_FANSITES, 128, [](const TClub& c) { return std::u16string(c.GetFansites()); }, 40},
        {IDC_CLUB_MASCOT, 19, [](const TClub& c) { return std::u16string(c.GetMascot()); }, 18},
        {IDC_CLUB_TELEPHONE, Unlimited, [](const TClub& c) { return std::u16string(c.GetTelephone()); }, 18},
        {IDC_CLUB_WEBSITE, Unlimited, [](const TClub& c) { return std::u16string(c.GetWebsite()); }, 40},
    };
    std::vector<int> limits;
    std::vector<std::u16string> shown;
    RunFrame(club, ClubIds(), [&](HWND frame) {
        const HWND page = Page(frame, 0);
        for (const auto& edit : edits) {
            HWND control = ::GetDlgItem(page, edit.id);
            limits.push_back(static_cast<int>(::SendMessageW(control, EM_GETLIMITTEXT, 0, 0)));
            SetItem(page, edit.id, u"");
            for (const char16_t c : typed) ::SendMessageW(control, WM_CHAR, c, 0);
            shown.push_back(ItemText(page, edit.id));
        }
        ClickTab(frame, KitTab);
        Click(frame, IDOK);
    });
    ASSERT_EQ(limits.size(), std::size(edits));
    for (std::size_t i = 0; i < std::size(edits); ++i) {
        SCOPED_TRACE("edit " + std::to_string(edits[i].id));
        if (edits[i].limit == Unlimited) {
            EXPECT_GT(limits[i], 1000);
            EXPECT_EQ(shown[i], typed);
        } else {
            EXPECT_EQ(limits[i], edits[i].limit);
            EXPECT_EQ(shown[i], typed.substr(0, static_cast<std::size_t>(edits[i].limit)));
        }
        EXPECT_EQ(edits[i].kept(club), typed.substr(0, edits[i].keptLength));
    }
}

TEST_F(ClubEditor, AdministrationModeShowsTheIdsAndTheLanguageChooser)
{
    TClub& club = Club(0);
    club.SetQaroId(13);
    for (const bool admin : {false, true}) {
        SetAdminMode(GetAdminModeFlag(), admin);
        RunFrame(club, ClubIds(), [&](HWND frame) {
            const HWND page = Page(frame, 0);
            const std::u16string common = CTextManager::Instance()->GetText(u"Dialog.Club.Common.Common");
            const std::u16string expected =
                admin ? common + Format(u" (HexID: %08X  |  Qaro-ID: 13)", club.GetId() & 0xFEFFFFFFu) : common;
            EXPECT_EQ(ItemText(page, IDC_CLUB_GROUP_COMMON), expected);
            EXPECT_EQ(::IsWindowVisible(::GetDlgItem(page, IDC_CLUB_LANGUAGE)) != FALSE, admin);
            Click(frame, IDOK);
        });
    }
    SetAdminMode(GetAdminModeFlag(), false);
}

TEST_F(ClubEditor, LowestLeaguesOfferTheDeepestLevel)
{
    const std::vector<int> leagues = LowestLevelLeagueIndexes(Country().GetLeagueLevels());
    RunFrame(Club(0), ClubIds(), [&](HWND frame) {
        const HWND page = Page(frame, 0);
        for (const int id : {IDC_CLUB_LOWEST_LEAGUE0, IDC_CLUB_LOWEST_LEAGUE1, IDC_CLUB_LOWEST_LEAGUE2}) {
            ASSERT_EQ(::SendDlgItemMessageW(page, id, CB_GETCOUNT, 0, 0), static_cast<LRESULT>(leagues.size() + 1));
            for (std::size_t i = 0; i < leagues.size(); ++i) {
                EXPECT_EQ(static_cast<std::uint32_t>(::SendDlgItemMessageW(page, id, CB_GETITEMDATA, i + 1, 0)),
                          Country().GetLeagueId(leagues[i]));
            }
        }
        Click(frame, IDOK);
    });
}

TEST_F(ClubEditor, ArticleButtonsCycleThroughTheLanguagesArticles)
{
    TClub& club = Club(0);
    const int language = GetWorld()->GetDatabaseLanguage();
    club.SetArticle(language, 0, 9);
    RunFrame(club, ClubIds(), [&](HWND frame) {
        const HWND page = Page(frame, 0);
        EXPECT_EQ(ItemText(page, IDC_CLUB_ARTICLE0), std::u16string(ClubArticleText(language, 0)));
        EXPECT_EQ(::IsWindowEnabled(::GetDlgItem(page, IDC_CLUB_ARTICLE0)) != FALSE, HasArticleChoice(language));
        Click(page, IDC_CLUB_ARTICLE0);
        Click(frame, IDOK);
    });
    EXPECT_EQ(club.GetArticle(language, 0), NextArticleIndex(language, 9));
}

// A phrase that would just fit the button on one line would be drawn on
// its frame: it is broken before its last word and shows clear of it.
TEST_F(ClubEditor, APhraseThatJustFitsItsButtonIsBrokenClearOfTheFrame)
{
    constexpr int Spanish = 3;  // the database language
    TClub& club = Club(0);
    club.SetNameForAllLanguages(u"Southbridge Dynamo");
    club.SetPhraseUsage(Spanish, 2);
    const std::uint8_t before = GetWorld()->GetDatabaseLanguage();
    GetWorld()->SetDatabaseLanguage(Spanish);
    CTextManager::Instance()->SetLanguage(CTextManager::Spanish);
    RunFrame(club, ClubIds(), [&](HWND frame) {
        const HWND page = Page(frame, 0);
        EXPECT_EQ(ItemText(page, IDC_CLUB_PHRASE1), u"La Southbridge Dynamo se ha\nproclamado...");
        gui_test::ExpectWholeLayout(page, "general page");
        Click(frame, IDOK);
    });
    GetWorld()->SetDatabaseLanguage(before);
    CTextManager::Instance()->SetLanguage(CTextManager::English);
}

TEST_F(ClubEditor, KitPageClampsStylesAndTakesPickedColours)
{
    TClub& club = Club(0);
    club.GetKit()->SetQaroKitId(0);
    std::uint8_t a = 0, b = 0, c = 0;
    club.GetKit()->GetColour(0, 0, a, b, c);
    const std::uint8_t picked = a == 63 ? 0 : 63;
    RunFrame(club, ClubIds(), [&](HWND frame) {
        ClickTab(frame, KitTab);
        const HWND page = Page(frame, KitTab);
        EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(page, IDC_KIT_PREVIEW_HOME_SIBLING)));
        EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(page, IDC_KIT_PREVIEW_AWAY_SIBLING)));
        SetItem(page, IDC_KIT_HOME_STYLE0_EDIT, u"50");
        EXPECT_EQ(ItemText(page, IDC_KIT_HOME_STYLE0_EDIT), u"42");
        EXPECT_EQ(::SendDlgItemMessageW(page, IDC_KIT_HOME_STYLE0_SLIDER, TBM_GETPOS, 0, 0), 42);

        // The picker closed by its close box changes nothing.
        gui_test::ModalDriver closer([&] {
            const HWND picker = app_test::FindDialogWith(IDCANCEL);
            if (picker == nullptr) return false;
            ::SendMessageW(picker, WM_SYSCOMMAND, SC_CLOSE, 0);
            return true;
        });
        Click(page, IDC_KIT_COLOUR_FIRST);
        // A click on the last cell picks colour 63 (or 0 when it is 63 already).
        gui_test::ModalDriver picker([&] {
            const HWND window = app_test::FindDialogWith(IDCANCEL);
            if (window == nullptr) return false;
            const TGridCell cell = PickerCell(picked);
            ::SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON,
                           MAKELPARAM((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2));
            return true;
        });
        Click(page, IDC_KIT_COLOUR_FIRST);
        std::uint8_t before = 0, y = 0, z = 0;
        club.GetKit()->GetColour(0, 0, before, y, z);
        EXPECT_EQ(before, a) << "the record changes only when the page is stored";
        ClickTab(frame, 0);
        Click(frame, IDOK);
    });
    club.GetKit()->GetColour(0, 0, a, b, c);
    EXPECT_EQ(a, picked);
    EXPECT_EQ(club.GetKit()->GetStyle(0, 0), 42);
}

TEST_F(ClubEditor, ColourPickerCentresOnTheCursorInsideTheWorkArea)
{
    RunFrame(Club(0), ClubIds(), [&](HWND frame) {
        ClickTab(frame, KitTab);
        const HWND page = Page(frame, KitTab);
        const int right = ::GetSystemMetrics(SM_CXSCREEN) - 1;
        const int bottom = ::GetSystemMetrics(SM_CYSCREEN) - 1;
        for (const POINT wanted : {POINT{300, 300}, POINT{0, 0}, POINT{right, bottom}, POINT{right, 0}}) {
            ::SetCursorPos(wanted.x, wanted.y);
            RECT placed{};
            POINT cursor{};
            gui_test::ModalDriver closer([&] {
                const HWND picker = app_test::FindDialogWith(IDCANCEL);
                if (picker == nullptr) return false;
                ::GetWindowRect(picker, &placed);
                ::GetCursorPos(&cursor);
                ::SendMessageW(picker, WM_SYSCOMMAND, SC_CLOSE, 0);
                return true;
            });
            Click(page, IDC_KIT_COLOUR_FIRST);
            MONITORINFO monitor{};
            monitor.cbSize = sizeof(monitor);
            ::GetMonitorInfoW(::MonitorFromPoint(cursor, MONITOR_DEFAULTTONEAREST), &monitor);
            const RECT& area = monitor.rcWork;
            SCOPED_TRACE(testing::Message() << "cursor at " << cursor.x << ", " << cursor.y);
            EXPECT_GE(placed.left, area.left);
            EXPECT_GE(placed.top, area.top);
            EXPECT_LE(placed.right, area.right);
            EXPECT_LE(placed.bottom, area.bottom);
            const int width = placed.right - placed.left;
            const int height = placed.bottom - placed.top;
            if (cursor.x - width / 2 >= area.left && cursor.x - width / 2 + width <= area.right) {
                EXPECT_EQ(placed.left, cursor.x - width / 2);
            }
            if (cursor.y - height / 2 >= area.top && cursor.y - height / 2 + height <= area.bottom) {
                EXPECT_EQ(placed.top, cursor.y - height / 2);
            }
        }
        ::PostMessageW(frame, WM_COMMAND, IDCANCEL, 0);
    });
}

struct TLongitudeCase {
    int side;
    const char16_t* degrees;
    const char16_t* minutes;
    std::int32_t stored;
};

TEST_F(ClubEditor, GroundPageStoresTheClampedPosition)
{
    const TLongitudeCase cases[] = {
        {0, u"250", u"0", 180 << 16},
        {1, u"180", u"30", -11730944},
    };
    for (const TLongitudeCase& c : cases) {
        TClub& club = Club(0);
        const std::int32_t latitude = club.GetLatitude();
        RunFrame(club, ClubIds(), [&](HWND frame) {
            ClickTab(frame, GroundTab);
            const HWND page = Page(frame, GroundTab);
            SelectCombo(page, IDC_GROUND_LONGITUDE_SIDE, c.side);
            SetItem(page, IDC_GROUND_LONGITUDE_DEGREES, c.degrees);
            SetItem(page, IDC_GROUND_LONGITUDE_MINUTES, c.minutes);
            Click(frame, IDOK);
        });
        EXPECT_EQ(club.GetLongitude(), c.stored) << c.side;
        EXPECT_EQ(club.GetLatitude(), latitude);
    }
}

TEST_F(ClubEditor, HistoryPageKeepsBothSetsAndClampsNumbers)
{
    TClub& club = Club(0);
    club.GetRecord(0).SetFromScoreTexts(u"3-1", u"Rovers", u"1990");
    RunFrame(club, ClubIds(), [&](HWND frame) {
        ClickTab(frame, HistoryTab);
        const HWND page = Page(frame, HistoryTab);
        EXPECT_EQ(ItemText(page, 1483), u"3:1");
        SetItem(page, IDC_HIST_POINTS, u"-5");
        SetItem(page, IDC_HIST_WINS, u"12");
        Click(page, IDC_HIST_SECOND_LEAGUE);
        SetItem(page, IDC_HIST_WINS, u"7");
        Click(page, IDC_HIST_FIRST_LEAGUE);
        EXPECT_EQ(ItemText(page, IDC_HIST_WINS), u"12");
        SetItem(page, IDC_HIST_YEARS_FIRST, u"2005, 98,1999, 5, 3000, abc");
        Click(frame, IDOK);
    });
    std::uint16_t wins = 0, draws = 0, losses = 0;
    club.GetLeagueStats(0, wins, draws, losses);
    EXPECT_EQ(wins, 12);
    club.GetLeagueStats(1, wins, draws, losses);
    EXPECT_EQ(wins, 7);
    EXPECT_EQ(club.GetLeagueStat(0), 0);
    EXPECT_EQ(club.GetHistoryText(0), u"1998, 1999, 2005");
}

TEST_F(ClubEditor, BadgePageShowsMissingFilesAndCopiesTheColourGroup)
{
    TClub& club = Club(0);
    club.SetBadgePath(u"Nowhere\\Badge%d\\none.tga");
    club.SetBadgeParam(3, 1);
    club.SetBadgeParam(4, 2);
    TClub* national = Country().GetNationalTeam();
    ASSERT_NE(national, nullptr);
    std::vector<TTeamId> rows = ClubIds();
    rows.push_back(national->GetId());
    RunFrame(club, rows, [&](HWND frame) {
        ClickTab(frame, BadgeTab);
        const HWND page = Page(frame, BadgeTab);
        const std::u16string missing = std::u16string(u"Nowhere\\Badge%d\\none.tga - ") +
                                       CTextManager::Instance()->GetText(u"Common.NotAvailable") + u"!";
        EXPECT_EQ(ItemText(page, IDC_BADGE_STATUS), missing);
        EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(page, IDC_BADGE_MANAGE)));
        EXPECT_FALSE(ItemText(page, IDC_BADGE_STANDARD_NAME).empty());
        Choose(frame, ChooserCount(frame) - 1);
        EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(page, IDC_BADGE_IMAGE)));
        EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(page, IDC_BADGE_MANAGE)));
        EXPECT_EQ(ItemText(page, IDC_BADGE_STATUS), u"");
        EXPECT_EQ(ItemText(page, IDC_BADGE_STANDARD_NAME), u"");
        Click(frame, IDOK);
    });
    EXPECT_EQ(club.GetBadgeParam(3), 2);
}

TEST_F(ClubEditor, BadgeManagerKeepsThePathWithoutAChoiceAndNoBadgeEmptiesIt)
{
    TClub& club = Club(0);
    club.SetBadgePath(u"Nowhere\\Badge%d\\none.tga");
    for (const bool noBadge : {false, true}) {
        RunFrame(club, ClubIds(), [&](HWND frame) {
            ClickTab(frame, BadgeTab);
            const HWND page = Page(frame, BadgeTab);
            gui_test::ModalDriver manager([&] {
                const HWND window = app_test::FindDialogWith(IDC_BADGE_GROUPS);
                if (window == nullptr) return false;
                const HWND groups = ::GetDlgItem(window, IDC_BADGE_GROUPS);
                const int count = static_cast<int>(::SendMessageW(groups, CB_GETCOUNT, 0, 0));
                EXPECT_GE(count, 1);
                if (noBadge) {
                    ::SendMessageW(groups, CB_SETCURSEL, static_cast<WPARAM>(count - 1), 0);
                    ::SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_BADGE_GROUPS, CBN_SELCHANGE), reinterpret_cast<LPARAM>(groups));
                    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(window, IDC_BADGE_LIST)));
                }
                Click(window, IDOK);
                return true;
            });
            Click(page, IDC_BADGE_MANAGE);
            Click(frame, IDOK);
        });
        EXPECT_EQ(std::u16string(club.GetBadgePath()), noBadge ? u"" : u"Nowhere\\Badge%d\\none.tga") << noBadge;
    }
}

// A key as the user presses it in a control of a page: posted, so that it
// goes through the frame's modal loop.
void PressKey(HWND page, int control, WPARAM key)
{
    const HWND window = ::GetDlgItem(page, control);
    ::SetFocus(window);
    ::PostMessageW(window, WM_KEYDOWN, key, 0);
    ::PostMessageW(window, WM_KEYUP, key, 0);
}

struct TKeyPage {
    int tab;
    int control;
    bool enterEnds;
};

constexpr TKeyPage KeyPages[] = {
    {0, IDC_CLUB_TOWN, false},
    {BadgeTab, IDC_BADGE_STANDARD_NAME, true},
    {KitTab, IDC_KIT_HOME_STYLE0_EDIT, false},
    {GroundTab, IDC_GROUND_STADIUM_NAME, true},
    {HistoryTab, IDC_HIST_WINS, true},
};

TEST_F(ClubEditor, EscapeInAPageDoesNothingAndEnterEndsOnlyTheBadgeGroundAndHistoryPages)
{
    for (const TKeyPage& p : KeyPages) {
        bool openAfterEnter = false;
        std::vector<std::function<void(HWND)>> steps = {
            [&](HWND frame) {
                ClickTab(frame, p.tab);
                PressKey(Page(frame, p.tab), p.control, VK_ESCAPE);
            },
            [&](HWND frame) { PressKey(Page(frame, p.tab), p.control, VK_RETURN); },
        };
        if (!p.enterEnds) {
            steps.push_back([&](HWND frame) {
                openAfterEnter = true;
                ::PostMessageW(frame, WM_COMMAND, IDCANCEL, 0);
            });
        }
        const INT_PTR result = RunFrameSteps(Club(0), ClubIds(), steps);
        EXPECT_EQ(openAfterEnter, !p.enterEnds) << "tab " << p.tab;
        EXPECT_EQ(result, p.enterEnds ? IDOK : IDCANCEL) << "tab " << p.tab;
    }
}

TEST_F(ClubEditor, EnterOnTheHistoryPageStoresItAndClosesWithOk)
{
    TClub& club = Club(0);
    const INT_PTR result = RunFrameSteps(club, ClubIds(), {[&](HWND frame) {
                                             ClickTab(frame, HistoryTab);
                                             SetItem(Page(frame, HistoryTab), IDC_HIST_WINS, u"321");
                                             PressKey(Page(frame, HistoryTab), IDC_HIST_WINS, VK_RETURN);
                                         }});
    EXPECT_EQ(result, IDOK);
    std::uint16_t wins = 0, draws = 0, losses = 0;
    club.GetLeagueStats(0, wins, draws, losses);
    EXPECT_EQ(wins, 321);
}

TEST_F(ClubEditor, HistoryPageWritesTheSetLeftAndCancelDropsOnlyTheSetOnDisplay)
{
    TClub& club = Club(0);
    club.SetLeagueStats(0, 19, 5, 6);
    club.SetLeagueStats(1, 3, 4, 5);
    RunFrame(club, ClubIds(), [&](HWND frame) {
        ClickTab(frame, HistoryTab);
        const HWND page = Page(frame, HistoryTab);
        SetItem(page, IDC_HIST_WINS, u"12");
        Click(page, IDC_HIST_SECOND_LEAGUE);
        SetItem(page, IDC_HIST_WINS, u"8");
        ::PostMessageW(frame, WM_COMMAND, IDCANCEL, 0);
    });
    std::uint16_t wins = 0, draws = 0, losses = 0;
    club.GetLeagueStats(0, wins, draws, losses);
    EXPECT_EQ(wins, 12) << "written when the set was switched";
    EXPECT_EQ(draws, 5);
    club.GetLeagueStats(1, wins, draws, losses);
    EXPECT_EQ(wins, 3) << "the set on display is dropped by the cancel";
}

TEST_F(ClubEditor, KitPageGivesTheClubItsKitsSiblingIdWhenShown)
{
    const CBaseTextFile& ids = GetClubIdList();
    ASSERT_GE(ids.GetCount(), 2);
    const std::uint32_t sibling = ids.GetId(ids.GetCount() - 1);
    ASSERT_NE(sibling, 0u);
    TClub& club = Club(0);
    club.GetKit()->SetQaroKitId(sibling);
    club.SetQaroId(0);
    RunFrame(club, ClubIds(), [&](HWND frame) {
        ClickTab(frame, KitTab);
        EXPECT_EQ(club.GetQaroId(), sibling) << "at once, before any store";
        ::PostMessageW(frame, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(club.GetQaroId(), sibling);
    EXPECT_EQ(club.GetKit()->GetQaroKitId(), sibling);
}

// Clubs of another country, of a country file kept damaged (no file holds
// them) and leagues above the lowest level are offered by no combo, which
// then shows no item: looking and OK keep them; a combo the user picks in
// writes its own entry only.
TEST_F(ClubEditor, FriendsRivalsAndLeaguesTheCombosDoNotOfferStayUntilTheUserPicksAnother)
{
    TTeamId foreign = 0;
    for (int id = 1; id <= 206 && foreign == 0; ++id) {
        const TCountry* country = GetWorld()->GetCountry(id);
        if (country->GetId() != id || country == &Country()) continue;
        for (int index = 0; const TClub* club = country->GetClubByIndex(index); ++index) {
            if (!IsNationalTeamId(club->GetId())) foreign = club->GetId();
        }
    }
    ASSERT_NE(foreign, 0u);
    const TTeamId unread = (static_cast<TTeamId>(TeamCountry(foreign)) << 16) | 0x7FFE;
    const TTeamId gone = (static_cast<TTeamId>(Country().GetId()) << 16) | 0x7FFE;
    ASSERT_EQ(GetWorld()->GetClub(unread), nullptr);
    constexpr std::uint32_t UnofferedLeague = 0x00ABCDEF;
    TClub& club = Club(0);
    const TTeamId neighbour = Club(1).GetId();
    club.SetPartnerClub(foreign);
    club.SetRival(0, foreign);
    club.SetRival(1, neighbour);
    club.SetRival(2, gone);
    club.SetRival(3, unread);
    club.SetLowestLeague(1, UnofferedLeague);
    const auto expectKept = [&](const char* how, TTeamId rival0) {
        EXPECT_EQ(club.GetPartnerClub(), foreign) << how;
        EXPECT_EQ(club.GetRival(0), rival0) << how;
        EXPECT_EQ(club.GetRival(1), neighbour) << how;
        EXPECT_EQ(club.GetRival(2), gone) << how;
        EXPECT_EQ(club.GetRival(3), unread) << how;
        EXPECT_EQ(club.GetLowestLeague(1), UnofferedLeague) << how;
    };
    for (const bool ok : {true, false}) {
        RunFrame(club, ClubIds(), [&](HWND frame) {
            for (const int id : {IDC_CLUB_FRIENDSHIP, IDC_CLUB_RIVAL0, IDC_CLUB_RIVAL3, IDC_CLUB_LOWEST_LEAGUE1}) {
                EXPECT_EQ(SelectedItem(Page(frame, 0), id), -1) << id;
            }
            if (ok) {
                Click(frame, IDOK);
            } else {
                ClickTab(frame, KitTab);
                ::PostMessageW(frame, WM_COMMAND, IDCANCEL, 0);
            }
        });
        expectKept(ok ? "OK" : "page left", foreign);
    }
    TTeamId picked = 0;
    RunFrame(club, ClubIds(), [&](HWND frame) {
        const HWND page = Page(frame, 0);
        SelectCombo(page, IDC_CLUB_RIVAL0, 1);
        picked = static_cast<TTeamId>(::SendDlgItemMessageW(page, IDC_CLUB_RIVAL0, CB_GETITEMDATA, 1, 0));
        Click(frame, IDOK);
    });
    ASSERT_NE(picked, 0u);
    expectKept("rival 0 picked", picked);
}

// A button of a page that has the focus is pressed by Enter, as by a click;
// the frame stays open.
struct TEnterButton {
    int tab;
    int button;
    // The control by which the dialog the button opens is found; 0 when the
    // button changes its own text instead.
    int opens;
};

constexpr TEnterButton EnterButtons[] = {
    {0, IDC_CLUB_ARTICLE0, 0},
    {0, IDC_CLUB_PHRASE1, 0},
    {BadgeTab, IDC_BADGE_MANAGE, IDC_BADGE_GROUPS},
    {KitTab, IDC_KIT_COLOUR_FIRST, IDCANCEL},
    {KitTab, IDC_KIT_COLOUR_LAST, IDCANCEL},
};

TEST_F(ClubEditor, EnterOnAFocusedButtonPressesIt)
{
    const int language = GetWorld()->GetDatabaseLanguage();
    ASSERT_TRUE(HasArticleChoice(language) && HasPhraseChoice(language));
    for (const TEnterButton& b : EnterButtons) {
        std::u16string before;
        bool pressed = false;
        bool stayedOpen = false;
        const INT_PTR result = RunFrameUntil(
            Club(0), ClubIds(),
            {[&](HWND frame) {
                 ClickTab(frame, b.tab);
                 before = ItemText(Page(frame, b.tab), b.button);
                 PressKey(Page(frame, b.tab), b.button, VK_RETURN);
                 return true;
             },
             // Waits for the press; a dialog the button opens runs this
             // from its own loop. Without a press the driver times out.
             [&](HWND frame) {
                 if (b.opens == 0) {
                     pressed = ItemText(Page(frame, b.tab), b.button) != before;
                 } else if (const HWND opened = app_test::FindDialogWith(b.opens)) {
                     pressed = true;
                     ::SendMessageW(opened, WM_SYSCOMMAND, SC_CLOSE, 0);
                 }
                 return pressed;
             },
             [&](HWND frame) {
                 if (b.opens != 0 && app_test::FindDialogWith(b.opens) != nullptr) return false;
                 stayedOpen = true;
                 ::PostMessageW(frame, WM_COMMAND, IDCANCEL, 0);
                 return true;
             }});
        EXPECT_TRUE(pressed) << "tab " << b.tab << " button " << b.button;
        EXPECT_TRUE(stayedOpen) << "tab " << b.tab << " button " << b.button;
        EXPECT_EQ(result, IDCANCEL) << "tab " << b.tab << " button " << b.button;
    }
}

TEST_F(ClubEditor, TheClubSettingsLauncherOpensTheFrame)
{
    RegisterClubEditors(GetMainWindowLaunchers());
    ASSERT_TRUE(GetMainWindowLaunchers().clubSettings);
    bool seen = false;
    gui_test::ModalDriver driver([&] {
        const HWND frame = app_test::FindDialogWith(IDC_CLUB_TAB);
        if (frame == nullptr) return false;
        seen = true;
        Click(frame, IDOK);
        return true;
    });
    const std::vector<std::uint32_t> rows = ClubIds();
    EXPECT_EQ(GetMainWindowLaunchers().clubSettings(nullptr, Club(0), Country(), rows), IDOK);
    EXPECT_TRUE(seen);
    GetMainWindowLaunchers().clubSettings = nullptr;
}

}  // namespace
