#include <gtest/gtest.h>

#include "tests/database/DatabaseTestSupport.h"
#include "competition/CupAlloc.h"
#include "competition/League.h"
#include "core/text/Format.h"
#include "database/country/Country.h"
#include "database/country/CountryCompetitions.h"
#include "database/world/CompleteWorld.h"
#include "database/world/GameIdMaps.h"
#include "database/world/WorldList.h"
#include "platform/Platform.h"

using testing_support::MessageCapture;

using SampleCompetitionsTest = database_testing::SampleWorldTest;

TEST_F(SampleCompetitionsTest, EachSampleClubFindsItsLeagueAndTheTopTwoLeadTheGameIds)
{
    MessageCapture messages;
    ASSERT_TRUE(world_->LoadWorld(u"Database"));
    EXPECT_TRUE(messages.Messages().empty());
    const TCompetitionRegistry& registry = world_->GetCompetitions();
    for (int country : {14, 21, 45}) {
        const CDBCompetitionBase* league = registry.Get(static_cast<std::uint32_t>(country) << 24 | 0x10000);
        ASSERT_NE(league, nullptr) << country;
        EXPECT_EQ(CountLeagueLevels(registry, static_cast<std::uint32_t>(country)), 1);
        for (const auto& [id, club] : world_->GetCountry(country)->GetClubs()) {
            EXPECT_EQ(GetLeagueOfTeam(registry, id), IsNationalTeamId(id) ? nullptr : league) << std::hex << id;
        }
        const TClub* second = world_->GetClub(league->GetTeamSlot(1));
        EXPECT_EQ(ClubPriority(*world_->GetClub(league->GetTeamSlot(0))), 4);
        EXPECT_EQ(ClubPriority(*second), 3);
        BuildGameIdMaps(GetGameIdMaps());
        EXPECT_EQ(GetGameIdMaps().GetExportClubId(second->GetId()), (static_cast<std::uint32_t>(country) << 16) | 2);
    }
    // The sample's Rules.sav names 0x150003 and 0x2D000B as continental title defenders.
    for (const TTeamId defender : {0x150003u, 0x2D000Bu}) {
        EXPECT_EQ(ClubPriority(*world_->GetClub(defender)), 2);
        EXPECT_EQ(GetGameIdMaps().GetExportClubId(defender), (defender & 0xFFFF0000) | 3);
    }
    EXPECT_EQ(ClubPriority(*world_->GetClub(0x150004)), 0);
    EXPECT_EQ(GetLeagueOfTeam(registry, 0x000E0100), nullptr);
}

TEST(LeagueLevels, LevelsOpenOnDeeperLeaguesOnly)
{
    TCompetitionRegistry registry;
    const std::int8_t levels[] = {0, 1, 1, 2, 2, 2, 2, 1};
    for (std::uint32_t i = 0; i < 8; ++i) {
        auto league = std::make_unique<CDBLeague>(0x05010000 | i, 0x05000000, registry);
        league->SetLevel(levels[i]);
        registry.Register(std::move(league));
    }
    registry.Register(std::make_unique<CDBLeague>(0x05010009, 0x05000000, registry));
    const auto found = GetLeagueLevels(registry, 5);
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[1].firstLeague * 10 + found[1].count, 12);
    EXPECT_EQ(found[2].firstLeague * 10 + found[2].count, 35) << "a shallower league counts to the deepest level";
    EXPECT_EQ(GetLeagueCount(registry, 5), 8) << "up to the first missing index";
    EXPECT_EQ(CountLeagueLevels(registry, 5), 3);
}

TEST_F(SampleCompetitionsTest, MissingScriptsAreReportedAndTheCountriesStillRead)
{
    platform::RemoveFile(platform::JoinPath(base_.Path(), u"Script\\CupAlloc.txt"));
    platform::RemoveFile(platform::JoinPath(base_.Path(), u"Script\\Continental - Europe.txt"));
    MessageCapture messages;
    ASSERT_TRUE(world_->LoadWorld(u"Database"));
    ASSERT_EQ(messages.Messages().size(), 2u);
    EXPECT_NE(messages.Messages()[0].find(u"CupAlloc.txt"), std::u16string::npos);
    EXPECT_NE(messages.Messages()[1].find(u"Europe"), std::u16string::npos);
    EXPECT_NE(world_->GetCompetitions().Get(0xF9000000), nullptr) << "the international root";
    EXPECT_NE(world_->GetCompetitions().Get(0x0E010000), nullptr);
}

namespace {

// The sample's file of country 14 with a national cup after its league
// whose kind (200) has no shape; middle lies between the cup's numbers and
// its second season's section, values are its value lines. The cup's names go into the summary of the
// first league and the national cup too, and, since a cup without a shape
// is not complete, the country's completeness line is 0, as a save writes
// them.
std::string WithShapelessCup(const std::string& sample, const std::string& middle,
                            const std::string& values = "0\r\n0\r\n")
{
    std::string text = sample;
    const std::string complete = "917517\r\n0\r\n1\r\n";
    EXPECT_NE(text.find(complete), std::string::npos);
    text.replace(text.find(complete), complete.size(), "917517\r\n0\r\n0\r\n");
    const std::string noCup = "\"\",\"\",\"\",\"\",\"\",\"\"\r\n";
    const std::size_t summary = text.find(noCup, text.find("%INDEX%COMPETITIONPART\r\n"));
    EXPECT_NE(summary, std::string::npos);
    text.replace(summary, noCup.size(), "\"Pokal\",\"Cup\",\"Coupe\",\"Coppa\",\"Copa\",\"Puchar\"\r\n");
    const std::string count = "%INDEX%COMPETITION\r\n1\r\n";
    const std::size_t counted = text.find(count);
    EXPECT_NE(counted, std::string::npos);
    text.replace(counted, count.size(), "%INDEX%COMPETITION\r\n2\r\n");
    const std::string league = "%INDEXEND%COMP0\r\n";
    const std::size_t after = text.find(league);
    EXPECT_NE(after, std::string::npos);
    text.insert(after + league.size(),
                "%INDEX%COMP1\r\nDB_CUP\r\n{ 14, FA_CUP, 0 }\r\n"
                "\"Pokal\",\"Cup\",\"Coupe\",\"Coppa\",\"Copa\",\"Puchar\"\r\n200\r\n" +
                    values + middle +
                    "%INDEX%MATCHDAYS2\r\n100,107,150,200,201\r\n%INDEXEND%MATCHDAYS2\r\n0\r\n0\r\n0\r\n0\r\n3\r\n0\r\n"
                    "{ 14, LEAGUE, 0 }\r\n0\r\n0\r\n%INDEXEND%COMP1\r\n");
    return text;
}

// The first line (from 1) where the texts differ, with both lines; empty
// when they are the same. A text of a whole country file is too long for a
// readable difference.
std::string FirstDifference(const std::string& a, const std::string& b)
{
    if (a == b) return {};
    std::size_t line = 1;
    std::size_t start = 0;
    for (std::size_t i = 0; i < a.size() && i < b.size() && a[i] == b[i]; ++i) {
        if (a[i] == '\n') {
            ++line;
            start = i + 1;
        }
    }
    const auto lineAt = [start](const std::string& text) { return text.substr(start, text.find('\r', start) - start); };
    return "line " + std::to_string(line) + ": " + lineAt(a) + " | " + lineAt(b);
}

// What a load read of country 14: its clubs, referees, additional
// managers, player pool, league team list and closing settings.
std::vector<std::u16string> ReadParts(TCompleteWorld& world)
{
    TCountry& country = *world.GetCountry(14);
    std::vector<std::u16string> parts = {Format(u"clubs %d", country.GetClubCount()),
                                         Format(u"referees %d", country.GetReferees().GetCount()),
                                         Format(u"managers %d", static_cast<int>(country.GetAdditionalManagers().size())),
                                         Format(u"pool %d", country.GetPoolPlayerCount()),
                                         Format(u"ranking %d", country.GetQaroRanking()), country.GetLongText(),
                                         country.GetNotes()};
    const CDBCompetitionBase* league = world.GetCompetitions().Get(0x0E010000);
    for (int slot = 0; league != nullptr && slot < 12; ++slot) parts.push_back(Format(u"%x", league->GetTeamSlot(slot)));
    return parts;
}

}  // namespace

// A cup whose kind has no shape keeps its lines as read, a comment line
// inside its match days or between its two seasons included, and a
// misspelt section line: the save
// writes the file that was read, and the next load reads all of it again.
TEST_F(SampleCompetitionsTest, AShapelessCupWithCommentLinesKeepsItsCountryWhole)
{
    const std::u16string path = base_.DatabasePath(u"Country14.sav");
    const std::string sample = database_testing::FileText(path);
    const std::string inside = WithShapelessCup(sample, "%INDEX%MATCHDAYS\r\n100,107,150,200,201\r\n;\r\n%INDEXEND%MATCHDAYS\r\n");
    const std::string between = WithShapelessCup(sample, "%INDEX%MATCHDAYS\r\n100,107,150,200,201\r\n%INDEXEND%MATCHDAYS\r\n;\r\n");
    // A line of a marker's first unit that no reader seeks there is kept
    // as the section it opens, with the end line that closes it.
    const std::string misspelt = WithShapelessCup(sample, "%IDNEX%MATCHDAYS\r\n100,107,150,200,201\r\n%INDEXEND%MATCHDAYS\r\n");
    for (const std::string& file : {inside, between, misspelt}) {
        base_.WriteDatabaseFile(u"Country14.sav", file);
        NewWorld();
        std::vector<std::u16string> first;
        {
            MessageCapture messages;
            ASSERT_TRUE(world_->LoadWorld(u"Database"));
            EXPECT_TRUE(messages.Messages().empty());
            ASSERT_EQ(GetCupAllocTable().GetEntry(200), nullptr);
            ASSERT_NE(world_->GetCompetitions().Get(0x0E030000), nullptr);
            first = ReadParts(*world_);
            ASSERT_TRUE(world_->SaveWorld().saved);
            EXPECT_TRUE(messages.Messages().empty());
        }
        const std::string saved = database_testing::FileText(path);
        EXPECT_EQ(FirstDifference(saved, file), "");
        NewWorld();
        MessageCapture messages;
        ASSERT_TRUE(world_->LoadWorld(u"Database"));
        EXPECT_TRUE(messages.Messages().empty());
        EXPECT_EQ(ReadParts(*world_), first);
        ASSERT_TRUE(world_->SaveWorld().saved);
        EXPECT_EQ(FirstDifference(database_testing::FileText(path), saved), "");
    }
}

// A cup whose kind has no shape and whose value lines are missing keeps its
// lines as read: the first save writes the file that was read. A section
// line in place of the number opens a section the cup's end line ends: the
// load reports the file damaged and names the cup, and the save asks and
// keeps the file.
TEST_F(SampleCompetitionsTest, AShapelessCupWithoutItsValueLinesKeepsItsCountryWhole)
{
    const std::u16string path = base_.DatabasePath(u"Country14.sav");
    const std::string sample = database_testing::FileText(path);
    const std::string days = "%INDEX%MATCHDAYS\r\n100,107,150,200,201\r\n%INDEXEND%MATCHDAYS\r\n";
    const std::pair<std::string, bool> cases[] = {
        {"0\r\n", false}, {"", false}, {"0\r\n%INDEX%Z\r\n", true}};
    for (const auto& [values, damaged] : cases) {
        const std::string file = WithShapelessCup(sample, days, values);
        base_.WriteDatabaseFile(u"Country14.sav", file);
        NewWorld();
        MessageCapture messages;
        ASSERT_TRUE(world_->LoadWorld(u"Database"));
        EXPECT_EQ(world_->GetCountry(14)->IsDamaged(), damaged) << values;
        ASSERT_TRUE(world_->SaveWorld().saved);
        EXPECT_EQ(messages.Messages().size(), damaged ? 3u : 0u) << "the load's report, the cup named, the save's question";
        EXPECT_EQ(FirstDifference(database_testing::FileText(path), file), "") << values;
    }
}

// A begin line of the league record's teams, match days or fixtures that is
// missing or doubled is damage at its line, and the load goes on past it:
// England keeps its league, clubs and players, and Yes to the save's
// question writes the whole country, which loads again sound.
TEST_F(SampleCompetitionsTest, ABrokenBeginLineInTheLeagueRecordLeavesEnglandWhole)
{
    const std::u16string path = base_.DatabasePath(u"Country14.sav");
    const std::string sample = database_testing::FileText(path);
    const auto parts = [this] {
        std::vector<std::u16string> read = ReadParts(*world_);
        read.push_back(Format(u"players %d", world_->GetCountry(14)->GetClubByUniqueId(0x000E0001)->GetSquadCount()));
        return read;
    };
    NewWorld();
    std::vector<std::u16string> sound;
    {
        MessageCapture messages;
        ASSERT_TRUE(world_->LoadWorld(u"Database"));
        sound = parts();
        ASSERT_TRUE(world_->SaveWorld().saved);
    }
    const std::string soundSave = database_testing::FileText(path);
    for (const std::string key : {"TEAMS", "MATCHDAYS", "FIXTURE"}) {
        const std::string line = "%INDEX%" + key + "\r\n";
        for (const std::string& replacement : {std::string(), line + line}) {
            SCOPED_TRACE(key + (replacement.empty() ? " missing" : " doubled"));
            std::string broken = sample;
            broken.replace(broken.find(line, broken.find("%INDEX%COMP0\r\n")), line.size(), replacement);
            base_.WriteDatabaseFile(u"Country14.sav", broken);
            NewWorld();
            {
                MessageCapture messages(AppMessage::IdYes);
                ASSERT_TRUE(world_->LoadWorld(u"Database"));
                EXPECT_TRUE(world_->GetCountry(14)->IsDamaged());
                EXPECT_EQ(parts(), sound);
                ASSERT_TRUE(world_->SaveWorld().saved);
                EXPECT_EQ(messages.Messages().size(), 2u) << "the load's report and the save's question";
            }
            EXPECT_EQ(FirstDifference(database_testing::FileText(path), soundSave), "");
            NewWorld();
            MessageCapture messages;
            ASSERT_TRUE(world_->LoadWorld(u"Database"));
            EXPECT_FALSE(world_->GetCountry(14)->IsDamaged());
            EXPECT_EQ(parts(), sound);
        }
    }
}
