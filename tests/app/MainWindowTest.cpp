// The main window over the sample database, checked against figures the
// test counts itself from the same world.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "app/DlgMainMenu.h"
#include "app/GlobalObjects.h"
#include "app/LedraApp.h"
#include "core/text/TextManager.h"
#include "database/world/CompleteWorld.h"
#include "database/country/CountryCompetitions.h"
#include "competition/CompetitionId.h"
#include "database/world/WorldList.h"
#include "platform/Platform.h"
#include "tests/app/AppTestSupport.h"
#include "tests/app/CheckedMainMenu.h"
#include "tests/ui/GuiTestSupport.h"
#include "win/Gdi.h"
#include "win/WideText.h"

namespace {

constexpr int FederationCombo = 1590;
constexpr int CountryList = 1128;
constexpr int ClubList = 2084;

std::u16string Item(HWND dialog, int id) { return gui_test::ItemText(dialog, id); }
std::u16string Count(int value) { return CTextManager::Instance()->FormatInt(value); }

class TestMainMenu : public app_test::CheckedMainMenu<TestMainMenu> {};

class MainWindow : public testing::Test {
protected:
    void SetUp() override
    {
        app_test::StoreAcceptance(true);
        CGlobalObjects* globals = globals_.get();
        ASSERT_TRUE(globals->App().InitLanguageAndTexts());
        globals->App().SetFoldersFromWorkingFolder();
    }
    void Run(std::function<void(TestMainMenu&)> check)
    {
        TestMainMenu window;
        window.check = std::move(check);
        EXPECT_EQ(window.DoModal(), IDOK);
    }
    static std::vector<int> CountriesOf(int federation)
    {
        std::vector<int> ids;
        for (int id = 1; id <= 206; ++id) {
            const TCountry* country = GetWorld()->GetCountry(id);
            if (country->GetId() == id && country->GetContinent() == federation) ids.push_back(id);
        }
        return ids;
    }
    static std::vector<int> ListedCountries(HWND window)
    {
        std::vector<int> ids;
        HWND list = ::GetDlgItem(window, CountryList);
        const int count = static_cast<int>(::SendMessageW(list, LB_GETCOUNT, 0, 0));
        for (int row = 0; row < count; ++row)
            ids.push_back(static_cast<int>(::SendMessageW(list, LB_GETITEMDATA, row, 0)));
        return ids;
    }
    static void Choose(HWND window, int id, UINT message, UINT code, int row)
    {
        ::SendDlgItemMessageW(window, id, message, static_cast<WPARAM>(row), 0);
        ::SendMessageW(window, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(::GetDlgItem(window, id)));
    }
    static std::u16string ClubRow(HWND window, int row, int column)
    {
        wchar_t text[128] = {};
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = text;
        item.cchTextMax = 128;
        ::SendDlgItemMessageW(window, ClubList, LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                              reinterpret_cast<LPARAM>(&item));
        return win::U(text);
    }

    app_test::WorkingFolder folder_{u"main", true};
    std::unique_ptr<CGlobalObjects> globals_ = std::make_unique<CGlobalObjects>();
};

TEST_F(MainWindow, ListsFederationsCountriesAndClubsOfTheWorld)
{
    Run([](TestMainMenu& window) {
        HWND hwnd = window.Handle();
        EXPECT_EQ(::SendDlgItemMessageW(hwnd, FederationCombo, CB_GETCOUNT, 0, 0), 6);
        const int federation = window.GetCurrentFederation();
        EXPECT_EQ(ListedCountries(hwnd), CountriesOf(federation));
        const TCountry* country = GetWorld()->GetCountry(window.GetCurrentCountry());
        EXPECT_EQ(window.GetSelectedCountryId(), country->GetId());
        const int clubs = static_cast<int>(::SendDlgItemMessageW(hwnd, ClubList, LVM_GETITEMCOUNT, 0, 0));
        EXPECT_EQ(clubs, country->GetClubCount());
        EXPECT_EQ(ClubRow(hwnd, 0, 0), country->GetNationalTeam()->GetName());
        EXPECT_EQ(Item(hwnd, 1127), Count(country->GetClubCount()));

        int worldClubs = 0;
        for (int id = 1; id <= 206; ++id) {
            const TCountry* each = GetWorld()->GetCountry(id);
            if (each->GetId() == id) worldClubs += each->GetClubCountWithoutNationalTeam();
        }
        EXPECT_EQ(Item(hwnd, 1812), Count(worldClubs));
    });
}

namespace {

// Players (type 0) in a club's squad, counted slot by slot.
int SquadPlayers(const TClub& club)
{
    int players = 0;
    for (int slot = 0; slot < club.GetSquadCount(); ++slot) {
        const TPerson* person = club.GetSquadPerson(slot);
        if (person != nullptr && person->GetType() == 0) ++players;
    }
    return players;
}

}  // namespace

TEST_F(MainWindow, PlayerFiguresSortingAndTheNationalTeamOnTop)
{
    Run([](TestMainMenu& window) {
        HWND hwnd = window.Handle();
        TCountry* country = GetWorld()->GetCountry(window.GetCurrentCountry());
        // The country's last club gets more players than any other, and a coach.
        TClub* most = nullptr;
        int highest = 0;
        for (int index = 0; index < country->GetClubCount(); ++index) {
            TClub* club = country->GetClubByIndex(index);
            if (IsNationalTeamId(club->GetId())) continue;
            highest = std::max(highest, SquadPlayers(*club));
            most = club;
        }
        ASSERT_NE(most, nullptr);
        std::uint32_t nextId = 900000;
        while (SquadPlayers(*most) <= highest) most->AddPlayer(GetWorld()->CreatePerson(nextId++, false));
        TPerson* coach = GetWorld()->CreatePerson(nextId++, false);
        coach->SetType(1);
        most->AddPlayer(coach);
        window.FillClubList();
        window.UpdateStatistics();

        int countryPlayers = 0;
        int worldPlayers = 0;
        for (int id = 1; id <= 206; ++id) {
            const TCountry* each = GetWorld()->GetCountry(id);
            if (each->GetId() != id) continue;
            for (int index = 0; index < each->GetClubCount(); ++index) {
                const TClub* club = each->GetClubByIndex(index);
                if (IsNationalTeamId(club->GetId())) continue;
                worldPlayers += SquadPlayers(*club);
                if (each == country) countryPlayers += SquadPlayers(*club);
            }
        }
        EXPECT_EQ(Item(hwnd, 1819), Count(countryPlayers));
        EXPECT_EQ(Item(hwnd, 1810), Count(worldPlayers));

        auto& list = dynamic_cast<Halvane::MFC::CHVListCtrl&>(*win::CWindow::FromHandle(::GetDlgItem(hwnd, ClubList)));
        const int rows = list.GetItemCount();
        for (bool ascending : {true, false}) {
            list.Sort(5, ascending);
            EXPECT_EQ(ClubRow(hwnd, 0, 0), country->GetNationalTeam()->GetName());
            const std::u16string top = ascending ? ClubRow(hwnd, rows - 1, 0) : ClubRow(hwnd, 1, 0);
            EXPECT_EQ(top, most->GetName());
            EXPECT_EQ(ascending ? ClubRow(hwnd, rows - 1, 5) : ClubRow(hwnd, 1, 5), Count(highest + 1));
            list.Sort(0, ascending);
            EXPECT_EQ(ClubRow(hwnd, 0, 0), country->GetNationalTeam()->GetName());
        }
    });
}

namespace {

// The fourteen figures of a panel, summed here from the squads as the
// window's own code does not: leagues, clubs, players, average rating,
// average level, talents 0..4, position groups 1..4.
struct PanelFigures {
    int leagues = 0;
    int clubs = 0;
    std::vector<const TPerson*> players;

    void Add(const TClub& club)
    {
        for (int slot = 0; slot < club.GetSquadCount(); ++slot) {
            const TPerson* person = club.GetSquadPerson(slot);
            if (person != nullptr && person->GetType() == 0) players.push_back(person);
        }
    }
    std::vector<std::u16string> Texts() const
    {
        CTextManager* texts = CTextManager::Instance();
        double level = 0;
        double rating = 0;
        int rated = 0;
        int talents[5] = {};
        int groups[4] = {};
        for (const TPerson* person : players) {
            level += person->GetLevel();
            if (person->GetTalent() < 5) ++talents[person->GetTalent()];
            if (person->GetPositionGroup() >= 1 && person->GetPositionGroup() <= 4) ++groups[person->GetPositionGroup() - 1];
            if (person->IsFirstTeam() && !person->IsYouthPlayer()) {
                rating += person->GetBestPositionRating();
                ++rated;
            }
        }
        const int count = static_cast<int>(players.size());
        std::vector<std::u16string> result = {Count(leagues), Count(clubs), Count(count),
                                              texts->FormatFloat(rated == 0 ? 0.0 : rating / rated, 2),
                                              texts->FormatFloat(count == 0 ? 0.0 : level / count, 2)};
        for (int value : talents) result.push_back(Count(value));
        for (int value : groups) result.push_back(Count(value));
        return result;
    }
};

std::vector<std::u16string> PanelTexts(HWND window, bool world)
{
    const std::vector<int> country = {1818, 1127, 1819, 1817, 1816, 1830, 1831, 1832, 1833, 1834, 1840, 1844, 1846, 1848};
    const std::vector<int> whole = {1814, 1812, 1810, 1821, 1820, 1835, 1836, 1837, 1838, 1839, 1841, 1845, 1847, 1849};
    std::vector<std::u16string> texts;
    for (int id : world ? whole : country) texts.push_back(Item(window, id));
    return texts;
}

int LeaguesOf(const TCountry& country)
{
    const TCompetitionRegistry& registry = GetWorld()->GetCompetitions();
    int leagues = 0;
    while (leagues < 32 && registry.Get(MakeCompetitionId(static_cast<std::uint32_t>(country.GetId()), 1, leagues)) != nullptr)
        ++leagues;
    return leagues;
}

std::u16string Figure(double value) { return CTextManager::Instance()->FormatFloat(static_cast<float>(value), 2); }

}  // namespace

TEST_F(MainWindow, StatisticsPanelsAndClubFiguresAgreeWithTheWorld)
{
    Run([](TestMainMenu& window) {
        HWND hwnd = window.Handle();
        const TCountry* country = GetWorld()->GetCountry(window.GetCurrentCountry());
        PanelFigures countryFigures;
        countryFigures.leagues = LeaguesOf(*country);
        countryFigures.clubs = country->GetClubCount();
        for (int index = 0; index < country->GetClubCount(); ++index) countryFigures.Add(*country->GetClubByIndex(index));
        EXPECT_GT(countryFigures.players.size(), 0u);
        EXPECT_EQ(PanelTexts(hwnd, false), countryFigures.Texts());

        PanelFigures worldFigures;
        for (int id = 1; id <= 206; ++id) {
            const TCountry* each = GetWorld()->GetCountry(id);
            if (each->GetId() != id) continue;
            worldFigures.leagues += LeaguesOf(*each);
            for (int index = 0; index < each->GetClubCount(); ++index) {
                const TClub* club = each->GetClubByIndex(index);
                if (IsNationalTeamId(club->GetId())) continue;
                ++worldFigures.clubs;
                worldFigures.Add(*club);
            }
        }
        EXPECT_GT(worldFigures.leagues, 0);
        EXPECT_EQ(PanelTexts(hwnd, true), worldFigures.Texts());

        // Every row's league and figures; the national team's come from its squad.
        auto& list = dynamic_cast<Halvane::MFC::CHVListCtrl&>(*win::CWindow::FromHandle(::GetDlgItem(hwnd, ClubList)));
        list.Sort(2, true);
        const TNationalSquadStats national = country->GetNationalSquadStats();
        EXPECT_EQ(ClubRow(hwnd, 0, 0), country->GetNationalTeam()->GetName());
        EXPECT_EQ(ClubRow(hwnd, 0, 1), u"-");
        EXPECT_EQ(ClubRow(hwnd, 0, 2), Figure(static_cast<int>(national.level * 1000.0) * 0.001));
        EXPECT_EQ(ClubRow(hwnd, 0, 5), Count(national.count));
        double previousRating = 1e9;
        int withLeague = 0;
        for (int row = 1; row < list.GetItemCount(); ++row) {
            const auto* entry = reinterpret_cast<const ClubListEntry*>(list.GetItemData(row));
            const TClub& club = *GetWorld()->GetClub(entry->clubId);
            const CDBCompetitionBase* league = GetLeagueOfTeam(GetWorld()->GetCompetitions(), club.GetId());
            EXPECT_EQ(ClubRow(hwnd, row, 1), league != nullptr ? std::u16string(league->GetName()) : u"-");
            withLeague += league != nullptr;
            EXPECT_EQ(ClubRow(hwnd, row, 2), Figure(static_cast<int>(club.GetAverageLevel(0) * 1000.0) * 0.001));
            EXPECT_EQ(ClubRow(hwnd, row, 3), Figure(static_cast<int>(club.GetTeamStrength(0) * 1000.0) * 0.001));
            EXPECT_EQ(ClubRow(hwnd, row, 4), Figure(static_cast<int>(club.GetAverageAge(0) * 1000.0) * 0.001));
            EXPECT_EQ(ClubRow(hwnd, row, 5), Count(SquadPlayers(club)));
            // Column 2 sorts by rating, higher first.
            EXPECT_LE(club.GetAverageLevel(0), previousRating + 0.001);
            previousRating = club.GetAverageLevel(0);
        }
        EXPECT_GT(withLeague, 0);
    });
}

// The main window in each language, with the country group's
// administration caption, shows every text whole.
TEST_F(MainWindow, ShowsEveryTextWholeInEachLanguage)
{
    SetAdminMode(GetAdminModeFlag(), true);
    gui_test::InEachLanguage([&] {
        Run([](TestMainMenu& window) { gui_test::ExpectWholeLayout(window.Handle(), "main window"); });
    });
    SetAdminMode(GetAdminModeFlag(), false);
}

// Each language shows the program's name in its own words: the picture
// drawn for it, under the bitmap resource that language takes.
TEST_F(MainWindow, ShowsTheBannerOfItsLanguage)
{
    constexpr int Banner = 2100;
    const gui_test::LanguagePicture pictures[] = {{5100, u"BannerEnglish.bmp"}, {5102, u"BannerFrench.bmp"},
                                                  {5099, u"BannerGerman.bmp"},  {5103, u"BannerItalian.bmp"},
                                                  {5101, u"BannerSpanish.bmp"}, {5108, u"BannerPolish.bmp"}};
    gui_test::ExpectEachLanguageShowsItsPicture(pictures, [&] {
        std::vector<std::uint8_t> shown;
        Run([&](TestMainMenu& window) {
            shown = gui_test::BitmapPixels(reinterpret_cast<HBITMAP>(
                ::SendDlgItemMessageW(window.Handle(), Banner, STM_GETIMAGE, IMAGE_BITMAP, 0)));
        });
        return shown;
    });
}

TEST_F(MainWindow, RemembersTheSelectionOfEachFederation)
{
    Run([](TestMainMenu& window) {
        HWND hwnd = window.Handle();
        const int federation = window.GetCurrentFederation();
        const int other = federation == 0 ? 1 : 0;
        Choose(hwnd, CountryList, LB_SETCURSEL, LBN_SELCHANGE, 2);
        const int chosen = window.GetSelectedCountryId();
        EXPECT_EQ(window.GetCurrentCountry(), chosen);
        Choose(hwnd, FederationCombo, CB_SETCURSEL, CBN_SELCHANGE, other);
        EXPECT_EQ(ListedCountries(hwnd), CountriesOf(other));
        EXPECT_EQ(window.GetSelectedCountryId(), CountriesOf(other).front());
        Choose(hwnd, FederationCombo, CB_SETCURSEL, CBN_SELCHANGE, federation);
        EXPECT_EQ(window.GetSelectedCountryId(), chosen);
        EXPECT_EQ(GetWorld()->GetCurrentContinent(), federation);
    });
}

}  // namespace

namespace {

TEST_F(MainWindow, AMissingCountryFileIsSkippedADamagedOneClosesTheWindowTouchingNothing)
{
    const std::u16string database = folder_.Path() + u"\\Database";
    platform::RemoveFile(database + u"\\Country3.sav");
    // A file of a newer database version cannot be read.
    testing_support::WriteBytes(database + u"\\Country5.sav",
                                std::string("%INDEX%COUNTRY\r\n%INDEX%VERSION\r\n537329694\r\n%INDEXEND%VERSION\r\n"));
    std::vector<std::vector<std::uint8_t>> before;
    const std::vector<std::u16string> names = platform::ListFolder(database);
    for (const std::u16string& name : names) before.push_back(testing_support::ReadBytes(database + u"\\" + name));

    app_test::Responder responder;
    {
        gui_test::ModalDriver driver([&responder] { return responder.Step(); });
        DlgMainMenu window(nullptr);
        window.DoModal();
        EXPECT_FALSE(driver.TimedOut());
    }
    // The window closed by itself, without the closing question.
    EXPECT_EQ(responder.seen, std::vector<app_test::Responder::Seen>(2, app_test::Responder::Seen::Message));
    ASSERT_EQ(responder.messages.size(), 2u);
    EXPECT_NE(responder.messages[0].find(u"Country3.sav"), std::u16string::npos);
    EXPECT_NE(responder.messages[1].find(u"Country5.sav"), std::u16string::npos);
    EXPECT_EQ(platform::ListFolder(database), names);
    for (std::size_t i = 0; i < names.size(); ++i)
        EXPECT_EQ(testing_support::ReadBytes(database + u"\\" + names[i]), before[i])
            << testing_support::Narrow(names[i]);
}

}  // namespace
