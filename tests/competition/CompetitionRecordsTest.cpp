#include <gtest/gtest.h>

#include "CompetitionTestSupport.h"
#include "competition/CompetitionFactory.h"
#include "competition/CompetitionId.h"
#include "competition/Cup.h"
#include "competition/CupAlloc.h"
#include "competition/League.h"
#include "competition/Pool.h"
#include "core/text/Format.h"
#include "core/text/TextManager.h"
#include "database/world/DatabaseVersion.h"
#include "platform/Platform.h"

using namespace competition_testing;

namespace {

constexpr std::uint32_t Country = 3;

class CompetitionRecordsTest : public testing::Test {
protected:
    void SetUp() override
    {
        TDatabaseVersion::SetFileVersion(TDatabaseVersion::ProgramVersion);
        LoadCupAllocation(GetCupAllocTable(), testing_support::SourcePath(u"tests\\competition\\fixtures"));
    }
    void TearDown() override { GetCupAllocTable().Clear(); }

    std::string Fixture(const char16_t* name)
    {
        const auto bytes = testing_support::ReadBytes(testing_support::SourcePath(std::u16string(u"tests\\competition\\fixtures\\") + name));
        return std::string(bytes.begin(), bytes.end());
    }
    void Read(const std::string& text)
    {
        CIndexTextFile file;
        OpenText(file, text);
        SeasonDayCodes codes{};
        ReadCompetitions(file, u"COMP", codes, Country << 24, registry_, problems_);
    }
    // The registered competitions of ids as a run of sections.
    std::string Write(const std::vector<std::uint32_t>& ids)
    {
        return WrittenText([&](CIndexTextFile& file) {
            bool ok = file.WriteInt32(static_cast<std::int64_t>(ids.size()));
            int n = 0;
            for (std::uint32_t id : ids) {
                const std::u16string key = Format(u"COMP%d", n++);
                ok &= file.WriteSectionBegin(key) && registry_.Get(id)->Write(file, -1) && file.WriteSectionEnd(key);
            }
            return ok;
        });
    }
    template <typename T>
    T& Get(std::uint32_t type, std::uint32_t index)
    {
        auto* competition = dynamic_cast<T*>(registry_.Get(MakeCompetitionId(Country, type, index)));
        EXPECT_NE(competition, nullptr);
        return *competition;
    }

    TCompetitionRegistry registry_;
    std::vector<std::u16string> problems_;
};

const std::vector<std::uint32_t> RecordIds = {0x03010000, 0x03030000, 0x03040000, 0x03040001, 0x03080000, 0x03180000};

}  // namespace

TEST_F(CompetitionRecordsTest, EveryClassSurvivesATextRoundTrip)
{
    const std::string text = Fixture(u"Records.txt");
    Read(text);
    EXPECT_TRUE(problems_.empty());
    EXPECT_EQ(Write(RecordIds), text);
    const auto& cup = Get<CDBCup>(TypeFaCup, 0);
    EXPECT_EQ(cup.GetMatchdayCount(), 5);
    int round = 0;
    int leg = 0;
    cup.FindLegOfMatchday(3, round, leg);
    EXPECT_EQ(round * 10 + leg, 10);
    cup.FindLegOfMatchday(5, round, leg);
    EXPECT_EQ(round * 10 + leg, 21);
    // A matchday before the first or past the last belongs to no round.
    for (int matchday : {0, -1, 6, 7}) {
        cup.FindLegOfMatchday(matchday, round, leg);
        EXPECT_EQ(round * 10 + leg, 30) << matchday;
    }
    EXPECT_EQ(cup.CheckConsistency(0, 0), 0u);
    EXPECT_EQ(Get<CDBCup>(TypeLeagueCup, 0).CheckConsistency(0, 0), static_cast<std::uint32_t>(ErrorMatchdays));
    EXPECT_EQ(Get<CDBPool>(TypePool, 0).GetDrawOrder(), 0x800A);
    EXPECT_EQ(std::u16string(cup.GetNameInLanguage(5)), u"Puchar");
}

TEST_F(CompetitionRecordsTest, DamagedRecordsAreRepairedOrDroppedAndNamed)
{
    Read(Fixture(u"Damaged.txt"));
    const auto& league = Get<CDBLeague>(TypeLeague, 0);
    EXPECT_EQ(league.GetTeamCount(), 128);
    EXPECT_EQ(league.GetRounds(), 1);
    EXPECT_EQ(league.GetMatchdayCount(), 127);
    EXPECT_EQ(std::u16string(league.GetNameInLanguage(0)), u"L") << "the first record of an id stays";
    EXPECT_EQ(Get<CDBPool>(TypePool, 1).GetCheckedCount(), 3);
    EXPECT_EQ(registry_.Get(MakeCompetitionId(Country, 20, 0)), nullptr);
    EXPECT_EQ(problems_, (std::vector<std::u16string>{u"L", u"Twice"})) << "named as the user knows them";
}

// A record of a class this program does not know is named and not read; so
// is, outside a country file, one whose nested section's begin line was
// read past. Each is named by its name, or without one by its reference.
TEST_F(CompetitionRecordsTest, UnknownClassesAndBrokenSeasonSectionsAreNamedByNameOrReference)
{
    std::string text = Fixture(u"Records.txt");
    text.replace(text.find("%INDEX%MATCHDAYS2"), 17, "%INDEX%MATCHDAYS_2");
    text.replace(text.find("DB_CUP"), 6, "DB_POKAL");
    text.replace(text.find("DB_CUP"), 6, " DB_CUP");
    const std::size_t names = text.find("\"", text.find("%INDEX%COMP2"));
    text.replace(names, text.find("\r\n", names) - names, "\"\",\"\",\"\",\"\",\"\",\"\"");
    Read(text);
    EXPECT_EQ(problems_, (std::vector<std::u16string>{u"Liga", u"Pokal", u"{ 3, LE_CUP, 0 }"}));
    EXPECT_EQ(registry_.Get(MakeCompetitionId(Country, TypeFaCup, 0)), nullptr);
    const auto& league = Get<CDBLeague>(TypeLeague, 0);
    EXPECT_EQ(league.GetMatchdayOnDay(1, 11), 1) << "the second season read from its own line";
    EXPECT_EQ(league.GetMatchdayOnDay(1, 10), 0);
}

// A club no file holds (none in the maps of a numbered country) is saved as
// none: the league writes no team for it, as a load reads none from it, so
// that what it saved reads and saves again the same.
TEST_F(CompetitionRecordsTest, ALeagueWritesNoTeamForAClubSavedAsNone)
{
    std::string text = Fixture(u"Records.txt");
    const std::string teams = "%INDEX%TEAMS\r\n\r\n";
    text.replace(text.find(teams), teams.size(), "%INDEX%TEAMS\r\nd00001,30005,d00002\r\n");
    Read(text);
    const std::uint32_t id = MakeCompetitionId(Country, TypeLeague, 0);
    const std::string saved = Write({id});
    EXPECT_NE(saved.find("%INDEX%TEAMS\r\nd00001,d00002\r\n"), std::string::npos) << saved;
    DeleteCompetition(dynamic_cast<CDBCompetition*>(registry_.Get(id)));
    Read(saved);
    EXPECT_EQ(Write({id}), saved);
}

TEST_F(CompetitionRecordsTest, LeagueSizesAndCalendar)
{
    CDBLeague league(0x03010000, Country << 24, registry_);
    league.SetTeamsAndRounds(17, 2);
    EXPECT_EQ(league.GetMatchdayCount(), 34);
    EXPECT_EQ(league.GetMatchesPerMatchday(), 8);
    league.SetTeamsAndRounds(30, 3);
    EXPECT_EQ(league.GetRounds(), 2);
    for (int count : {3, 2}) {
        league.SetTeamsAndRounds(count == 3 ? 3 : 2, count == 3 ? 1 : 2);
        league.ClearCalendar();
        league.SetCalendarEntry(0, 50, 1);
        league.SetCalendarEntry(0, 200, 2);
        league.AddMatchday(0, 100);
        EXPECT_EQ(league.GetCalendarEntry(0, 100), 2);
        EXPECT_EQ(league.GetCalendarEntry(0, 200), count == 3 ? 3 : 0);
    }
    league.SetTeamsAndRounds(3, 1);
    league.ClearCalendar();
    league.SetCalendarEntry(0, 50, 1);
    league.SetCalendarEntry(0, 364, 2);
    league.AddMatchday(0, 100);
    EXPECT_EQ(league.GetCalendarEntry(0, 364), 3) << "renumbered up to the last day";
    league.AddMatchday(0, 100);
    EXPECT_EQ(league.GetCalendarEntry(0, 100), 2) << "a taken day stays";
    league.RemoveMatchday(0, 50);
    EXPECT_EQ(league.GetCalendarEntry(0, 50), 0);
    EXPECT_EQ(league.GetCalendarEntry(0, 100), 1);
}

TEST_F(CompetitionRecordsTest, FollowerCyclesEndEveryWalk)
{
    auto* a = new CDBLeague(0x03010000, 0, registry_);
    auto* b = new CDBLeague(0x03010001, 0, registry_);
    registry_.Register(std::unique_ptr<CDBCompetitionBase>(a));
    registry_.Register(std::unique_ptr<CDBCompetitionBase>(b));
    a->AddFollower(b->GetId(), true);
    b->AddFollower(a->GetId(), true);
    a->SetTeamsAndRounds(0, 1);
    b->SetTeamsAndRounds(0, 1);
    EXPECT_FALSE(a->HasMatchOnDay(0, 10));
    EXPECT_EQ(a->GetMatchdayOnDay(0, 10), 0);
    a->AddMatchday(0, 10);
    a->RemoveMatchday(0, 10);
    EXPECT_EQ(a->CheckConsistency(0, 0), 0u);
    std::vector<std::uint32_t> chain;
    CollectCompetitionChain(a, chain, true);
    EXPECT_EQ(chain.size(), 2u);
    DeleteLeagueSystem(registry_, Country);
    EXPECT_EQ(registry_.Size(), 0u);
}

TEST_F(CompetitionRecordsTest, GameDatabaseBytes)
{
    Read(Fixture(u"Records.txt"));
    const auto tail = [](const std::vector<std::uint8_t>& bytes, std::size_t n) {
        return std::vector<std::uint8_t>(bytes.end() - static_cast<std::ptrdiff_t>(n), bytes.end());
    };
    const auto pool = BlockBytes([&](CMasterWriter& w) { Get<CDBPool>(TypePool, 0).WriteBlock(w); });
    EXPECT_EQ(tail(pool, 4), (std::vector<std::uint8_t>{0x43, 0x4F, 0x4D, 0x50}));
    EXPECT_EQ(std::vector<std::uint8_t>(pool.begin(), pool.begin() + 12),
              (std::vector<std::uint8_t>{0, 0, 0x18, 3, 5, 0, 4, 0, 0x0A, 0x80, 2, 0}));
    // A cup without a shape ends after its three numbers.
    const auto bare = BlockBytes([&](CMasterWriter& w) { Get<CDBCup>(TypeLeagueCup, 0).WriteBlock(w); });
    EXPECT_EQ(tail(bare, 8), (std::vector<std::uint8_t>{0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(bare.size(), 4u + 2 + 6 * 2 + 2 + 2 + 4);
    // Exactly the matchday count of days per season, whatever the calendar holds.
    auto& cup = Get<CDBCup>(TypeFaCup, 0);
    cup.SetCalendarEntry(0, 300, 6);
    const auto full = BlockBytes([&](CMasterWriter& w) { cup.WriteBlock(w); });
    const std::size_t head = 4 + 2 + 34 + 2 + 2 + 4;
    EXPECT_EQ(full[head], 100);
    EXPECT_EQ(full[head + 8], 201) << "the fifth day, and no sixth";
    EXPECT_EQ(full.size(), head + 2 * 5 * 2 + 3 * 16 + 2 + 8 + 4 + 3 * 16 + 4);
}

TEST_F(CompetitionRecordsTest, CupTableExport)
{
    const auto empty = BlockBytes([](CMasterWriter& w) { TCupAllocTable().WriteBlock(w); });
    EXPECT_EQ(empty, (std::vector<std::uint8_t>{0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}));
    const TCupAllocEntry* entry = GetCupAllocTable().GetEntry(1);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(std::u16string(entry->name), CTextManager::Instance()->GetText(u"Competition.CupMode.FAEngland"_tk));
    EXPECT_EQ(std::u16string(GetCupAllocTable().GetEntry(2)->name), u" ID_FRIENDLY");
    const auto rounds = BlockBytes([&](CMasterWriter& w) { entry->WriteBlock(w); });
    EXPECT_EQ(rounds[0], 60);
    EXPECT_EQ(rounds.size(), 4u + 60 + 3 * 16);
    EXPECT_EQ(entry->GetTeamTotal(), 28);
}

// The rounds block holds ten rounds: a shape of ten exports all of them,
// and a cup of that kind counts, writes and reads one column per round,
// the two before the table's first as 0.
TEST_F(CompetitionRecordsTest, TenRoundShapesAreKeptWhole)
{
    const TCupAllocEntry* entry = GetCupAllocTable().GetEntry(2);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->GetRoundCount(), 10);
    EXPECT_EQ(entry->GetTeamTotal(), 20);
    const auto rounds = BlockBytes([&](CMasterWriter& w) { entry->WriteBlock(w); });
    ASSERT_EQ(rounds.size(), 4u + 200 + 16) << "the rounds and the rule list's end";
    EXPECT_EQ(rounds[0], 200);
    EXPECT_EQ(rounds[4 + 9 * 20], 9) << "the tenth round's first byte";
    EXPECT_EQ(rounds[4 + 9 * 20 + 16], 15) << "the tenth round is the final";

    CDBCup cup(MakeCompetitionId(Country, TypeFaCup, 1), Country << 24, registry_);
    cup.SetCupKind(2);
    EXPECT_EQ(cup.GetMatchdayCount(), 19);
    int round = 0;
    int leg = 0;
    cup.FindLegOfMatchday(19, round, leg);
    EXPECT_EQ(round * 10 + leg, 90);
    for (int j = 0; j < 8; ++j) cup.SetCupTableEntry(0, j, 100 + j);
    const auto block = BlockBytes([&](CMasterWriter& w) { cup.WriteBlock(w); });
    std::size_t names = 0;
    for (int language = 0; language < 6; ++language) names += std::u16string_view(cup.GetNameInLanguage(language)).size() + 1;
    const std::size_t table = 4 + 2 + names + 2 + 2 + 4 + 2 * 19 * 2;
    ASSERT_GT(block.size(), table + 10 * 16);
    EXPECT_EQ(std::vector<std::uint8_t>(block.begin() + table, block.begin() + table + 32), std::vector<std::uint8_t>(32, 0));
    EXPECT_EQ(block[table + 32], 100) << "column 0 follows the two lead columns";
    EXPECT_EQ(block[table + 9 * 16], 107);

    cup.SetLevel(0);
    const std::string text = WrittenText([&](CIndexTextFile& file) { return cup.Write(file, -1); });
    CDBCup reread(cup.GetId(), Country << 24, registry_);
    CIndexTextFile file;
    OpenText(file, text);
    file.NextLine();
    file.NextLine();
    reread.Read(file);
    for (int j = 0; j < 8; ++j) EXPECT_EQ(reread.GetCupTableEntry(0, j), 100 + j) << j;
    EXPECT_EQ(WrittenText([&](CIndexTextFile& again) { return reread.Write(again, -1); }), text);
}

// A CupAlloc.txt entry "CUP<section>" of the given round lines, the first
// round's b giving the number of rounds; line r starts with a = r and ends
// in an empty rule list.
std::string CupShape(int section, int rounds, int lines)
{
    std::string text = "%INDEX%CUP" + std::to_string(section) + "\r\nMISC\r\nShape\r\n0\r\n" + std::to_string(lines) + "\r\n";
    for (int r = 0; r < lines; ++r) {
        text += "{" + std::to_string(r) + ", " + std::to_string(r == 0 ? rounds : 0) + ", 0, 2, 1, 0, ROUND_1, 0}\r\n";
    }
    return text + "0\r\n%INDEXEND%CUP" + std::to_string(section) + "\r\n";
}

// The table read from a CupAlloc.txt of the given text; what a load
// reports lands in messages.
void LoadShapes(TCupAllocTable& table, const std::string& text)
{
    testing_support::TempFolder folder;
    testing_support::WriteBytes(folder.File(u"CupAlloc.txt"), text);
    LoadCupAllocation(table, folder.Path());
}

// A shape counting more rounds than the block holds cannot be exported: it
// is left out and named, as a damaged record is; the other shapes are read.
TEST(CupAllocation, ShapesCountingMoreThanTenRoundsAreRefusedAndReported)
{
    testing_support::MessageCapture messages;
    TCupAllocTable table;
    LoadShapes(table, "4\r\n" + CupShape(1, 11, 11) + CupShape(2, 9, 9) + CupShape(3, 11, 3));
    EXPECT_EQ(table.GetEntry(1), nullptr);
    ASSERT_NE(table.GetEntry(2), nullptr);
    EXPECT_EQ(table.GetEntry(2)->GetRoundCount(), 9);
    EXPECT_EQ(table.GetEntry(3), nullptr) << "eleven rounds counted over three lines";
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_NE(messages.Messages()[0].find(u"CUP1"), std::u16string::npos);
    EXPECT_EQ(messages.Messages()[0].find(u"CUP2"), std::u16string::npos);
    EXPECT_NE(messages.Messages()[0].find(u"CUP3"), std::u16string::npos);
}

// The rounds come from the first ten round lines; further lines are read
// past, and the shape exports the rounds its first round counts.
TEST(CupAllocation, ShapesOfMoreThanTenRoundLinesKeepTheFirstTen)
{
    testing_support::MessageCapture messages;
    TCupAllocTable table;
    LoadShapes(table, "3\r\n" + CupShape(1, 3, 11) + CupShape(2, 10, 12));
    EXPECT_TRUE(messages.Messages().empty());
    const TCupAllocEntry* three = table.GetEntry(1);
    ASSERT_NE(three, nullptr);
    EXPECT_EQ(three->GetRoundCount(), 3);
    EXPECT_EQ(three->GetTeamTotal(), 6);
    const auto threeBlock = BlockBytes([&](CMasterWriter& w) { three->WriteBlock(w); });
    ASSERT_EQ(threeBlock.size(), 4u + 60 + 16) << "the rounds and the rule list's end";
    EXPECT_EQ(std::vector<std::uint8_t>(threeBlock.begin(), threeBlock.begin() + 4), (std::vector<std::uint8_t>{60, 0, 0, 0}));
    EXPECT_EQ(std::vector<std::uint8_t>(threeBlock.begin() + 4 + 40, threeBlock.begin() + 4 + 60),
              (std::vector<std::uint8_t>{2, 0, 0, 0, 2, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 5, 0, 5, 0}))
        << "the third round: a = 2, d = 2, e = 1, ROUND_1 (5) twice";

    const TCupAllocEntry* ten = table.GetEntry(2);
    ASSERT_NE(ten, nullptr);
    EXPECT_EQ(ten->GetRoundCount(), 10);
    const auto tenBlock = BlockBytes([&](CMasterWriter& w) { ten->WriteBlock(w); });
    ASSERT_EQ(tenBlock.size(), 4u + 200 + 16);
    EXPECT_EQ(tenBlock[0], 200);
    EXPECT_EQ(tenBlock[4 + 9 * 20], 9) << "the tenth line is the last round";
    EXPECT_EQ(std::vector<std::uint8_t>(tenBlock.end() - 16, tenBlock.end() - 12), (std::vector<std::uint8_t>{12, 0, 0, 0}))
        << "the rule list follows the rounds";
}

// A cup made in the editor whose kind has no shape keeps its match days and
// common part over a save and a load: the record holds them, and the load
// keeps what it cannot read without the shape, so the next save writes the
// same text.
TEST_F(CompetitionRecordsTest, ShapelessCupKeepsItsMatchDaysOverASaveAndALoad)
{
    const std::uint32_t id = MakeCompetitionId(Country, TypeLeagueCup, 2);
    auto cup = std::make_unique<CDBCup>(id, Country << 24, registry_);
    ASSERT_EQ(GetCupAllocTable().GetEntry(7), nullptr);
    cup->SetCupKind(7);
    for (int season = 0; season < 2; ++season) {
        cup->SetCalendarEntry(season, 40, 1);
        cup->SetCalendarEntry(season, 90, 2);
    }
    cup->SetDayGroup(5);
    cup->AddSource(MakeCompetitionId(Country, TypeLeague, 0), false);
    registry_.Register(std::move(cup));
    const std::string saved = Write({id});
    EXPECT_NE(saved.find("%INDEX%MATCHDAYS\r\n40,90\r\n%INDEXEND%MATCHDAYS\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("%INDEX%MATCHDAYS2\r\n40,90\r\n%INDEXEND%MATCHDAYS2\r\n5\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("{ 3, LEAGUE, 0 }"), std::string::npos) << saved;

    DeleteCompetition(dynamic_cast<CDBCompetition*>(registry_.Get(id)));
    ASSERT_EQ(registry_.Get(id), nullptr);
    Read(saved);
    ASSERT_NE(registry_.Get(id), nullptr);
    EXPECT_EQ(Write({id}), saved);
}

// A cup whose kind has no shape keeps the rest of its record as it was read,
// a comment line inside a section or between two included: a save writes
// every section whole, and what it wrote reads and writes again the same.
TEST_F(CompetitionRecordsTest, ShapelessCupKeepsCommentLinesInsideAndBetweenItsSections)
{
    ASSERT_EQ(GetCupAllocTable().GetEntry(200), nullptr);
    const std::string head = Lines({"1", "%INDEX%COMP0", "DB_CUP", "{ 3, FA_CUP, 0 }",
                                    "\"Pokal\",\"Cup\",\"Coupe\",\"Coppa\",\"Copa\",\"Puchar\"", "200", "0", "0"});
    const std::string tail = Lines({"%INDEX%MATCHDAYS2", "100,107,150,200,201", "%INDEXEND%MATCHDAYS2", "0", "0", "0",
                                    "0", "3", "0", "{ 3, LEAGUE, 0 }", "0", "0", "%INDEXEND%COMP0"});
    const std::string inside = head + Lines({"%INDEX%MATCHDAYS", "100,107,150,200,201", ";", "%INDEXEND%MATCHDAYS"}) + tail;
    const std::string between = head + Lines({"%INDEX%MATCHDAYS", "100,107,150,200,201", "%INDEXEND%MATCHDAYS", ";"}) + tail;
    const std::uint32_t id = MakeCompetitionId(Country, TypeFaCup, 0);
    for (const std::string& text : {inside, between}) {
        Read(text);
        ASSERT_NE(registry_.Get(id), nullptr);
        const std::string saved = Write({id});
        EXPECT_EQ(saved, text);
        DeleteCompetition(dynamic_cast<CDBCompetition*>(registry_.Get(id)));
        Read(saved);
        ASSERT_NE(registry_.Get(id), nullptr);
        EXPECT_EQ(Write({id}), saved);
        DeleteCompetition(dynamic_cast<CDBCompetition*>(registry_.Get(id)));
        EXPECT_TRUE(problems_.empty());
    }
}

// Read from a stream that ends inside one of its sections, the record is
// written with that section closed.
TEST_F(CompetitionRecordsTest, ShapelessCupClosesTheSectionsItsLinesLeaveOpen)
{
    CDBCup cup(MakeCompetitionId(Country, TypeFaCup, 0), Country << 24, registry_);
    CIndexTextFile file;
    OpenText(file, Lines({"\"A\",\"B\",\"C\",\"D\",\"E\",\"F\"", "200", "0", "0", "%INDEX%MATCHDAYS", "%INDEX%X",
                          "100,107", "%INDEXEND%X", ";"}));
    cup.Read(file);
    EXPECT_EQ(WrittenText([&](CIndexTextFile& out) { return cup.Write(out, -1); }),
              Lines({"DB_CUP", "{ 3, FA_CUP, 0 }", "\"A\",\"B\",\"C\",\"D\",\"E\",\"F\"", "200", "0", "0",
                     "%INDEX%MATCHDAYS", "%INDEX%X", "100,107", "%INDEXEND%X", ";", "%INDEXEND%MATCHDAYS"}));
}

// A cup whose kind has no shape keeps its record as read when a value line
// is missing or holds a section line (which reads as 0): no line of it is
// lost, a section it leaves open is closed, and what a save wrote reads and
// writes again the same.
TEST_F(CompetitionRecordsTest, ShapelessCupKeepsEveryLineWhenItsValueLinesAreMissingOrOdd)
{
    const std::string seasons = Lines({"%INDEX%MATCHDAYS", "100,107", "%INDEXEND%MATCHDAYS", "%INDEX%MATCHDAYS2", "100,107",
                                       "%INDEXEND%MATCHDAYS2", "0", "0", "0", "0", "3", "0", "{ 3, LEAGUE, 0 }", "0", "0"});
    struct Case {
        const char* name;
        std::string values;
        std::string closing;
    };
    const Case cases[] = {{"no number line", Lines({"0"}), ""},
                          {"no value lines", "", ""},
                          {"a section line for the number", Lines({"0", "%INDEX%Z"}), Lines({"%INDEXEND%Z"})}};
    const std::uint32_t id = MakeCompetitionId(Country, TypeFaCup, 0);
    for (const Case& c : cases) {
        const std::string record = Lines({"\"A\",\"B\",\"C\",\"D\",\"E\",\"F\"", "200"}) + c.values + seasons;
        CDBCup cup(id, Country << 24, registry_);
        CIndexTextFile file;
        OpenText(file, record);
        cup.Read(file);
        const std::string saved = WrittenText([&](CIndexTextFile& out) { return cup.Write(out, -1); });
        EXPECT_EQ(saved, Lines({"DB_CUP", "{ 3, FA_CUP, 0 }"}) + record + c.closing) << c.name;
        const std::string run = Lines({"1", "%INDEX%COMP0"}) + saved + Lines({"%INDEXEND%COMP0"});
        Read(run);
        ASSERT_NE(registry_.Get(id), nullptr) << c.name;
        EXPECT_EQ(Write({id}), run) << c.name;
        DeleteCompetition(dynamic_cast<CDBCompetition*>(registry_.Get(id)));
    }
    EXPECT_TRUE(problems_.empty());
}

// An older layout holds six short names after the names; a cup of no shape
// written without them keeps its kind line all the same, a comment line
// before it too, and unquoted short names of digits are not taken for its
// kind. Every form saves as the newest layout with every line, which reads
// and writes again the same.
TEST_F(CompetitionRecordsTest, ShapelessCupOfAnOlderLayoutKeepsItsKindWithOrWithoutShortNames)
{
    const std::string names = Lines({"\"A\",\"B\",\"C\",\"D\",\"E\",\"F\""});
    const std::string rest = Lines({"%INDEX%MATCHDAYS", "100,107", "%INDEXEND%MATCHDAYS", "0", "3", "0", "{ 3, LEAGUE, 0 }", "0"});
    const std::string head = Lines({"DB_CUP", "{ 3, FA_CUP, 0 }"}) + names;
    const std::string saved = head + Lines({"200", "0", "0"}) + rest;
    struct Case {
        const char* name;
        std::string afterNames;
        std::string saved;
    };
    const Case cases[] = {
        {"with short names", Lines({"\"a\",\"b\",\"c\",\"d\",\"e\",\"f\"", "200"}), saved},
        {"with short names of digits", Lines({"7", "200"}), saved},
        {"without short names", Lines({"200"}), saved},
        {"without short names, a comment before the kind", Lines({";", "200"}),
         head + Lines({";", "200", "0", "0"}) + rest},
        {"with short names, a plus before the kind", Lines({"\"a\",\"b\",\"c\",\"d\",\"e\",\"f\"", "+200"}),
         head + Lines({"+200", "0", "0"}) + rest},
        {"without short names, a plus before the kind", Lines({"+200"}), head + Lines({"+200", "0", "0"}) + rest}};
    const std::uint32_t id = MakeCompetitionId(Country, TypeFaCup, 0);
    for (const Case& c : cases) {
        TDatabaseVersion::SetFileVersion(MakeDatabaseVersion(0x2005, 3));
        CDBCup cup(id, Country << 24, registry_);
        CIndexTextFile file;
        OpenText(file, names + c.afterNames + rest);
        cup.Read(file);
        EXPECT_EQ(cup.GetCupKind(), 200) << c.name;
        EXPECT_EQ(WrittenText([&](CIndexTextFile& out) { return cup.Write(out, -1); }), c.saved) << c.name;
        TDatabaseVersion::SetFileVersion(TDatabaseVersion::ProgramVersion);
        const std::string run = Lines({"1", "%INDEX%COMP0"}) + c.saved + Lines({"%INDEXEND%COMP0"});
        Read(run);
        ASSERT_NE(registry_.Get(id), nullptr) << c.name;
        EXPECT_EQ(Get<CDBCup>(TypeFaCup, 0).GetCupKind(), 200) << c.name;
        EXPECT_EQ(Write({id}), run) << c.name;
        DeleteCompetition(dynamic_cast<CDBCompetition*>(registry_.Get(id)));
    }
    EXPECT_TRUE(problems_.empty());
}

// Where an older layout holds short names, a record may hold them unquoted,
// digits only, or leave the line out, with a comment line in its place: a
// league, a cup and a round of each form read as the same records do with
// quoted short names, and save the same.
TEST_F(CompetitionRecordsTest, OlderLayoutsShortNamesAreToldFromTheFirstValueOfEachKind)
{
    struct Case {
        const char* kind;
        std::string quoted;
        std::string replacement;
    };
    const std::string league = Lines({"\"Lg\",\"Lg\",\"Lg\",\"Lg\",\"Lg\",\"Lg\""});
    const std::string cup = Lines({"\"P\",\"C\",\"C\",\"C\",\"C\",\"P\""});
    const std::string round = Lines({"\"R\",\"R\",\"R\",\"R\",\"R\",\"R\""});
    const Case cases[] = {{"league", league, Lines({"18"})},   {"cup", cup, Lines({"7"})},
                          {"cup", cup, Lines({"2"})},          {"round", round, Lines({"1860"})},
                          {"league", league, ""},              {"league", league, Lines({";"})},
                          {"cup", cup, Lines({";"})},          {"round", round, Lines({";"})}};
    const auto saved = [&](const std::string& text) {
        registry_.Clear();
        TDatabaseVersion::SetFileVersion(MakeDatabaseVersion(0x2005, 3));
        Read(text);
        TDatabaseVersion::SetFileVersion(TDatabaseVersion::ProgramVersion);
        std::vector<std::uint32_t> ids;
        for (const auto& entry : registry_.All()) ids.push_back(entry.first);
        return Write(ids);
    };
    const std::string fixture = Fixture(u"Gate2005.txt");
    const std::string expected = saved(fixture);
    for (const Case& c : cases) {
        std::string text = fixture;
        text.replace(text.find(c.quoted), c.quoted.size(), c.replacement);
        EXPECT_EQ(saved(text), expected) << c.kind << " " << c.replacement;
    }
    EXPECT_TRUE(problems_.empty());
}

// A section line read as the names leaves its end line among the lines a
// cup of no shape keeps; written, that line would end the record's section
// early. It is left out and the record named; every other line stays.
TEST_F(CompetitionRecordsTest, ShapelessCupLeavesOutAnEndLineItsLinesDidNotOpenAndIsNamed)
{
    Read(Lines({"1", "%INDEX%COMP0", "DB_CUP", "{ 3, FA_CUP, 0 }", "%INDEX%X", "200", "0", "0", "%INDEXEND%X", "1,2",
                "%INDEXEND%COMP0"}));
    EXPECT_EQ(problems_, (std::vector<std::u16string>{u"%INDEX%X"})) << "its names as read";
    const std::string saved = Write({MakeCompetitionId(Country, TypeFaCup, 0)});
    EXPECT_NE(saved.find(Lines({"200", "0", "0", "1,2", "%INDEXEND%COMP0"})), std::string::npos) << saved;
}

// The lines a cup of no shape keeps are written under a key of the
// record's own. Where they pair otherwise under that key (a misspelt begin
// line paired with its end line, a doubled begin line of it), they are
// written paired by their keys alone, so that the record's end line ends
// the record when read again; under another key they stay as read.
TEST_F(CompetitionRecordsTest, ShapelessCupWritesLinesPairedByTheirKeysWhereItsKeyWouldPairThemOtherwise)
{
    const std::string names = Lines({"\"A\",\"B\",\"C\",\"D\",\"E\",\"F\"", "200", "0", "0"});
    const std::pair<std::string, std::string> cases[] = {
        {Lines({"%IDNEX%MATCHDAYS", "1,2", "%INDEXEND%COMP0", "3"}), Lines({"%INDEX%COMP0", "1,2", "%INDEXEND%COMP0", "3"})},
        {Lines({"%INDEX%COMP0", "1,2", "%INDEX%COMP0", "3", "%INDEXEND%COMP0"}), Lines({"1,2", "%INDEX%COMP0", "3", "%INDEXEND%COMP0"})},
    };
    const std::uint32_t id = MakeCompetitionId(Country, TypeFaCup, 0);
    for (const auto& [kept, paired] : cases) {
        SCOPED_TRACE(kept);
        CDBCup cup(id, Country << 24, registry_);
        CIndexTextFile file;
        OpenText(file, names + kept);
        cup.Read(file);
        const auto underKey = [&](const char16_t* key) {
            return WrittenText([&](CIndexTextFile& out) { return out.WriteSectionBegin(key) && cup.Write(out, -1) && out.WriteSectionEnd(key); });
        };
        const std::string record = Lines({"DB_CUP", "{ 3, FA_CUP, 0 }"}) + names;
        EXPECT_EQ(underKey(u"COMP1"), "%INDEX%COMP1\r\n" + record + kept + "%INDEXEND%COMP1\r\n");
        const std::string saved = underKey(u"COMP0");
        EXPECT_EQ(saved, "%INDEX%COMP0\r\n" + record + paired + "%INDEXEND%COMP0\r\n");
        Read("1\r\n" + saved);
        ASSERT_NE(registry_.Get(id), nullptr);
        EXPECT_EQ(Write({id}), "1\r\n" + saved);
        DeleteCompetition(dynamic_cast<CDBCompetition*>(registry_.Get(id)));
    }
    EXPECT_TRUE(problems_.empty());
}

// An older layout's season-1 line and a "MATCHDAYS2" section add to the
// same season: it keeps no more days than one line may give (two a round),
// so the line a save writes reads back whole.
TEST_F(CompetitionRecordsTest, ASeasonReadFromTwoLinesKeepsItsMatchdayCount)
{
    std::string text = Fixture(u"Records.txt");
    const std::string days = Lines({"100,107,150,200,201"});
    text.insert(text.find(days) + days.size(), Lines({"1,2,3"}));
    Read(text);
    const std::uint32_t id = MakeCompetitionId(Country, TypeFaCup, 0);
    const std::string saved = Write({id});
    EXPECT_NE(saved.find(Lines({"%INDEX%MATCHDAYS2", "1,2,3,100,107,150", "%INDEXEND%MATCHDAYS2"})), std::string::npos)
        << saved;
    DeleteCompetition(dynamic_cast<CDBCompetition*>(registry_.Get(id)));
    Read(saved);
    EXPECT_EQ(Write({id}), saved);
}
