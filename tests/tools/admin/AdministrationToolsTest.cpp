// The developer's administration tools away from any window: the menu tree,
// the league data and club-name files and the colour dump.
#include <gtest/gtest.h>

#include <memory>

#include "competition/CompetitionId.h"
#include "competition/League.h"
#include "core/files/TabbedConfig.h"
#include "database/club/Club.h"
#include "database/country/Country.h"
#include "tests/common/TestSupport.h"
#include "tests/database/DatabaseTestSupport.h"
#include "tools/admin/AdministrationMenu.h"
#include "tools/admin/ClubNameFile.h"
#include "tools/admin/ColourDump.h"
#include "tools/admin/LeagueDataFile.h"

namespace {

using Kind = TAdminMenuEntry::Kind;

// The tree as one line: items as "caption=id", headings as "[caption]",
// separators as "-", popups as "caption{...}".
std::string Describe(const std::vector<TAdminMenuEntry>& entries)
{
    std::string text;
    for (const TAdminMenuEntry& entry : entries) {
        if (!text.empty()) text += ' ';
        const std::string caption = testing_support::Narrow(entry.caption);
        switch (entry.kind) {
        case Kind::Item: text += caption + "=" + std::to_string(entry.id); break;
        case Kind::Separator: text += "-"; break;
        case Kind::Heading: text += "[" + caption + "]"; break;
        case Kind::Popup: text += caption + "{" + Describe(entry.children) + "}"; break;
        }
    }
    return text;
}

TEST(AdministrationMenu, TreeFollowsTheTable)
{
    EXPECT_EQ(Describe(BuildAdministrationTree(GetAdministrationTable())),
              "- [Tools] Dump Team Colors (HTML)=55556 Create Restoration file=55557 "
              "Club names{Import=55559 Export=55560} "
              "Database Language{German=55562 English=55563 French=55564 Italian=55565 Spanish=55566 Polish=55567} "
              "GUI Language{German=55569 English=55570 French=55571 Italian=55572 Spanish=55573 Polish=55574 "
              "- [Helper] Longest=55576 Reload=55577} "
              "Process Transfers=55578 League data{Import=55580 Export=55581} Process Transfers=55582");
}

TEST(AdministrationMenu, CommandsInsideTheTableWithATool)
{
    EXPECT_EQ(FindAdministrationCommand(55554), nullptr);
    EXPECT_EQ(FindAdministrationCommand(55555), nullptr);  // heading
    EXPECT_EQ(FindAdministrationCommand(55558), nullptr);  // submenu
    EXPECT_EQ(FindAdministrationCommand(55583), nullptr);
    ASSERT_NE(FindAdministrationCommand(55565), nullptr);
    EXPECT_EQ(FindAdministrationCommand(55565)->tool, AdminTool::DatabaseLanguage);
    EXPECT_EQ(FindAdministrationCommand(55565)->argument, 4);
    EXPECT_EQ(FindAdministrationCommand(55576)->argument, -1);
    EXPECT_EQ(FindAdministrationCommand(55582)->tool, AdminTool::ProcessTransfers);
}

constexpr std::uint32_t Country = 21;
constexpr std::uint32_t Team(std::uint32_t index) { return (Country << 16) | index; }

class LeagueDataTest : public testing::Test {
protected:
    void SetUp() override
    {
        CDBLeague& first = AddLeague(0, 4, 2);
        for (std::uint32_t index = 1; index <= 4; ++index) first.AddTeam(Team(index));
        first.GetFixturelist().ClearAll();
        for (int matchday = 0; matchday < 6; ++matchday) {
            first.SetCalendarEntry(0, 10 * (matchday + 1), static_cast<std::int8_t>(matchday + 1));
            first.SetCalendarEntry(1, 10 * (matchday + 1) + 1, static_cast<std::int8_t>(matchday + 1));
            first.GetFixturelist().SetMatch(matchday, 0, 1, 2);
            if (matchday != 5) first.GetFixturelist().SetMatch(matchday, 1, 3, 4);
        }
        CDBLeague& third = AddLeague(2, 2, 1);
        third.AddTeam(Team(7));
        third.AddTeam(Team(5));
        third.GetFixturelist().ClearAll();
        third.SetCalendarEntry(0, 100, 1);
        third.SetCalendarEntry(1, 200, 1);
        third.GetFixturelist().SetMatch(0, 0, 2, 1);
    }
    CDBLeague& AddLeague(std::uint32_t index, int teams, int rounds)
    {
        auto league = std::make_unique<CDBLeague>(MakeCompetitionId(Country, TypeLeague, index), 0, registry_);
        league->SetTeamsAndRounds(teams, rounds);
        CDBLeague& result = *league;
        registry_.Register(std::move(league));
        return result;
    }
    CDBLeague& League(std::uint32_t index)
    {
        return dynamic_cast<CDBLeague&>(*registry_.Get(MakeCompetitionId(Country, TypeLeague, index)));
    }
    std::u16string ReadFails(const std::vector<std::uint8_t>& bytes, std::uint32_t country = Country)
    {
        CLeagueDataFile file;
        std::u16string error;
        EXPECT_FALSE(file.Read(bytes, registry_, country, error));
        EXPECT_EQ(file.GetRecordCount(), 0);
        return error;
    }

    TCompetitionRegistry registry_;
    const std::vector<std::uint8_t> golden_ =
        testing_support::ReadBytes(testing_support::SourcePath(u"tests\\tools\\golden\\LeaguesZeroAndTwo.lgb"));
};

TEST_F(LeagueDataTest, ExportOfLeaguesZeroAndTwoEqualsTheGoldenFile)
{
    EXPECT_EQ(League(0).GetMatchdayCount(), 6);
    EXPECT_EQ(League(2).GetMatchdayCount(), 1);
    EXPECT_EQ(CLeagueDataFile::Export(registry_, Country), golden_);
}

TEST_F(LeagueDataTest, ImportReplacesTeamsCalendarsAndFixturesAndGivesTheFileBack)
{
    TCompetitionRegistry other;
    for (std::uint32_t index : {0u, 2u}) {
        auto league = std::make_unique<CDBLeague>(MakeCompetitionId(Country, TypeLeague, index), 0, other);
        league->SetTeamsAndRounds(index == 0 ? 4 : 2, index == 0 ? 2 : 1);
        for (std::uint32_t team = 10; team < 14; ++team) league->AddTeam(Team(team));
        league->SetCalendarEntry(0, 300, 3);
        other.Register(std::move(league));
    }
    CLeagueDataFile file;
    std::u16string error;
    ASSERT_TRUE(file.Read(golden_, other, Country, error)) << testing_support::Narrow(error);
    EXPECT_EQ(file.GetRecordCount(), 2);
    file.Apply(other);
    EXPECT_EQ(CLeagueDataFile::Export(other, Country), golden_);
}

TEST_F(LeagueDataTest, FewerTeamsImportedLeaveFewerEntered)
{
    CDBLeague& first = League(0);
    first.SetTeamsAndRounds(18, 2);
    for (std::uint32_t index = 5; index <= 18; ++index) first.AddTeam(Team(index));
    ASSERT_EQ(first.GetAssignedTeamCount(), 18);
    CLeagueDataFile file;
    std::u16string error;
    ASSERT_TRUE(file.Read(golden_, registry_, Country, error));
    file.Apply(registry_);
    EXPECT_EQ(first.GetAssignedTeamCount(), 4);
}

TEST_F(LeagueDataTest, DamagedOrForeignFilesChangeNothing)
{
    const std::vector<std::uint8_t> before = CLeagueDataFile::Export(registry_, Country);
    EXPECT_FALSE(ReadFails(golden_, 22).empty());  // another country's leagues
    std::vector<std::uint8_t> bytes = golden_;
    bytes[0] = 'X';
    EXPECT_FALSE(ReadFails(bytes).empty());
    bytes = golden_;
    bytes[6] = 3;  // a cup's type in the first id
    EXPECT_FALSE(ReadFails(bytes).empty());
    bytes = golden_;
    for (int i = 8; i < 12; ++i) bytes[i] = 0xFF;  // team count 0xFFFFFFFF
    EXPECT_FALSE(ReadFails(bytes).empty());
    for (std::size_t size = 0; size < golden_.size(); ++size) {
        const std::vector<std::uint8_t> cut(golden_.begin(), golden_.begin() + static_cast<std::ptrdiff_t>(size));
        EXPECT_FALSE(ReadFails(cut).empty()) << size;
    }
    EXPECT_EQ(CLeagueDataFile::Export(registry_, Country), before);
}

class ClubNameFileTest : public database_testing::CurrentWorldTest {
protected:
    void SetUp() override
    {
        CurrentWorldTest::SetUp();
        TCountry& country = *world_->GetCountry(static_cast<int>(Country));
        for (const char16_t* name : {u"Harbourside Rovers", u"Old Town"}) {
            TClub* club = world_->GetClub(country.CreateClub(name));
            ASSERT_NE(club, nullptr);
            for (int language = 0; language < 6; ++language) {
                std::u16string text(29, static_cast<char16_t>(u'a' + language));
                text[0] = static_cast<char16_t>(u'\u0141');  // a letter outside Windows-1252
                text += name[0];
                club->SetNameForLanguage(language, text.substr(0, 29).c_str());
            }
        }
    }
    TCountry& Land() { return *world_->GetCountry(static_cast<int>(Country)); }
    std::vector<std::u16string> AllNames()
    {
        std::vector<std::u16string> names;
        for (int index = 0; index < Land().GetClubCount(); ++index)
            for (int language = 0; language < 6; ++language)
                names.emplace_back(Land().GetClubByIndex(index)->GetNameForLanguage(language));
        return names;
    }
    std::u16string ReadFails(const std::vector<std::uint8_t>& bytes, int country = static_cast<int>(Country))
    {
        CClubNameFile file;
        std::u16string error;
        EXPECT_FALSE(file.Read(bytes, *world_, country, error));
        file.Apply();
        return error;
    }
};

TEST_F(ClubNameFileTest, NamesOfTwentyNineCharactersRoundTripInSixLanguages)
{
    const std::vector<std::u16string> names = AllNames();
    const std::vector<std::uint8_t> bytes = CClubNameFile::Export(Land());
    EXPECT_EQ(bytes[0], Country);
    for (int index = 0; index < Land().GetClubCount(); ++index)
        for (int language = 0; language < 6; ++language)
            Land().GetClubByIndex(index)->SetNameForLanguage(language, u"x");
    CClubNameFile file;
    std::u16string error;
    ASSERT_TRUE(file.Read(bytes, *world_, static_cast<int>(Country), error)) << testing_support::Narrow(error);
    file.Apply();
    EXPECT_EQ(AllNames(), names);
    EXPECT_EQ(names[6].size(), 29u);
}

TEST_F(ClubNameFileTest, FaultsGiveTheirMessageAndChangeNoName)
{
    const std::vector<std::u16string> names = AllNames();
    const std::vector<std::uint8_t> good = CClubNameFile::Export(Land());
    std::vector<std::uint8_t> bytes = good;
    bytes[0] = 37;
    EXPECT_EQ(ReadFails(bytes), u"Countries from file does not match, it should be country with id: 37");
    EXPECT_EQ(ReadFails(good, 37), u"Countries from file does not match, it should be country with id: 21");
    // The last club's record: its unique id, then six names of 29 characters.
    const std::size_t recordSize = 4 + 6 * (4 + 2 * 29);
    const std::size_t last = good.size() - recordSize;
    bytes = good;
    bytes[last] = 0xEF;
    bytes[last + 1] = 0xBE;
    bytes[last + 2] = 0;
    bytes[last + 3] = 0;
    EXPECT_EQ(ReadFails(bytes), u"Club with Unique team id 0000BEEF is missing");
    bytes = good;
    bytes[last + 4] = 64;
    EXPECT_EQ(ReadFails(bytes), u"Invalid team name size");
    for (std::size_t size : {good.size() - 1, good.size() - recordSize + 2, std::size_t{3}})
        EXPECT_FALSE(ReadFails(std::vector<std::uint8_t>(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(size))).empty());
    EXPECT_EQ(AllNames(), names);
}

// Names come in the current world's database language.
class ColourDump : public database_testing::CurrentWorldTest {};

TEST_F(ColourDump, OneRowPerRecordWithSixDigitColours)
{
    testing_support::TempFolder folder;
    const std::u16string path = folder.Path() + u"\\Colors.txt";
    testing_support::WriteBytes(path, std::string("\xEF\xBB\xBF"
                                                  "Index\t[English]\t[French]\t[German]\t[Italian]\t[Spanish]\t[Polish]\tA\tB\tC\tD\tE\r\n"
                                                  "7\tRed & <Dark>\tRouge & <Dark>\tRot & <Dark>\tRosso & <Dark>\tRojo & <Dark>\tCzerwony & <Dark>\t#ff0000\t0\t1a2b3c\t#FFFFFF\t00ff00\r\n"));
    CTabbedConfig colours;
    ASSERT_TRUE(colours.Load(path.c_str()));
    const std::string page = WriteColourDump(colours);
    EXPECT_NE(page.find("<title>GUI and Text colors</title>\r\n"), std::string::npos);
    EXPECT_NE(page.find("<td>Idx</td><td>Name</td><td>Foreground</td><td>Background</td><td>Text (prim.)</td>"
                        "<td>Text (alt.)</td><td>Editor Preview</td>"),
              std::string::npos);
    EXPECT_NE(page.find("<tr><td>7</td>"), std::string::npos);
    EXPECT_NE(page.find(" &amp; &lt;Dark&gt;</td>"), std::string::npos);
    EXPECT_NE(page.find("bgcolor=\"#FF0000\""), std::string::npos);
    EXPECT_NE(page.find("bgcolor=\"#000000\""), std::string::npos);
    EXPECT_NE(page.find("<font color=\"#1A2B3C\">"), std::string::npos);
    EXPECT_NE(page.find("<font color=\"#00FF00\">"), std::string::npos);
}

}  // namespace
