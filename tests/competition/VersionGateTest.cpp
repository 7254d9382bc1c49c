#include <gtest/gtest.h>

#include <functional>

#include "CompetitionTestSupport.h"
#include "competition/CompetitionFactory.h"
#include "competition/CompetitionId.h"
#include "competition/Cup.h"
#include "competition/CupAlloc.h"
#include "competition/League.h"
#include "competition/Pool.h"
#include "core/text/Format.h"
#include "database/world/DatabaseVersion.h"

using namespace competition_testing;

namespace {

constexpr std::uint32_t Country = 3;
constexpr std::uint32_t LeagueId = 0x03010000;
constexpr std::uint32_t CupId = 0x03030000;
constexpr std::uint32_t RoundId = 0x03080000;
constexpr std::uint32_t PoolId = 0x03180000;

std::string Fixture(std::u16string_view name)
{
    const auto bytes = testing_support::ReadBytes(testing_support::SourcePath(u"tests\\competition\\fixtures\\" + std::u16string(name)));
    return std::string(bytes.begin(), bytes.end());
}

// A run of competition sections read at one file version and written back
// in the newest layout.
struct ReadRecords {
    TCompetitionRegistry registry;
    std::vector<std::u16string> problems;

    ReadRecords(const std::string& text, std::uint32_t version)
    {
        TDatabaseVersion::SetFileVersion(version);
        CIndexTextFile file;
        OpenText(file, text);
        SeasonDayCodes codes{};
        ReadCompetitions(file, u"COMP", codes, Country << 24, registry, problems);
        TDatabaseVersion::SetFileVersion(TDatabaseVersion::ProgramVersion);
    }
    std::string Written() const
    {
        return WrittenText([&](CIndexTextFile& file) {
            bool ok = file.WriteInt32(static_cast<std::int64_t>(registry.Size()));
            int n = 0;
            for (const auto& [id, competition] : registry.All()) {
                const std::u16string key = Format(u"COMP%d", n++);
                ok &= file.WriteSectionBegin(key) && competition->Write(file, -1) && file.WriteSectionEnd(key);
            }
            return ok;
        });
    }
    template <typename T>
    const T& Get(std::uint32_t id) const
    {
        const auto* competition = dynamic_cast<const T*>(registry.Get(id));
        EXPECT_NE(competition, nullptr) << std::hex << id;
        return *competition;
    }
};

class VersionGateTest : public testing::Test {
protected:
    void SetUp() override
    {
        LoadCupAllocation(GetCupAllocTable(), testing_support::SourcePath(u"tests\\competition\\fixtures"));
    }
    void TearDown() override
    {
        GetCupAllocTable().Clear();
        TDatabaseVersion::SetFileVersion(TDatabaseVersion::ProgramVersion);
    }
};

struct GateCase {
    const char16_t* file;
    std::uint32_t version;
    std::function<void(const ReadRecords&)> check;
};

std::u16string Name(const CDBCompetition& c, int language) { return c.GetNameInLanguage(language); }

const GateCase GateCases[] = {
    {u"Gate2005.txt", MakeDatabaseVersion(0x2005, 3),
     [](const ReadRecords& r) {
         EXPECT_EQ(Name(r.Get<CDBLeague>(LeagueId), 0), u"Liga") << "the short names are passed over";
         EXPECT_EQ(r.Get<CDBLeague>(LeagueId).GetLevel(), 0) << "no level line in the common part";
         const auto& round = r.Get<CDBCompetition>(RoundId);
         EXPECT_EQ(round.GetCalendarEntry(0, 300) * 10 + round.GetCalendarEntry(0, 304), 12) << "the older day order";
         EXPECT_EQ(round.GetCalendarEntry(1, 301) * 10 + round.GetCalendarEntry(1, 305), 12);
         EXPECT_EQ(r.Get<CDBCup>(CupId).GetCupTableEntry(0, 5), 1);
     }},
    {u"Gate20060000.txt", MakeDatabaseVersion(0x2006, 0),
     [](const ReadRecords& r) {
         EXPECT_EQ(Name(r.Get<CDBLeague>(LeagueId), 1), u"League") << "a league still has short names";
         EXPECT_EQ(Name(r.Get<CDBCup>(CupId), 1), u"Cup") << "a cup no longer has them";
         EXPECT_EQ(r.Get<CDBCup>(CupId).GetCupTableEntry(0, 5), 1) << "after the cup's two numbers";
         EXPECT_EQ(r.Get<CDBCompetition>(RoundId).GetCalendarEntry(0, 304), 2) << "the newer day order";
         EXPECT_EQ(r.Get<CDBPool>(PoolId).GetLevel(), 1);
     }},
    {u"Gate2007-11.txt", MakeDatabaseVersion(0x2007, 11),
     [](const ReadRecords& r) {
         EXPECT_EQ(r.Get<CDBLeague>(LeagueId).GetCalendarEntry(1, 12), 1) << "the second season a day later";
         EXPECT_EQ(r.Get<CDBLeague>(LeagueId).GetCalendarEntry(1, 11), 0);
         EXPECT_EQ(r.Get<CDBCup>(CupId).GetCalendarEntry(1, 102), 1);
     }},
    {u"Gate2007-13.txt", MakeDatabaseVersion(0x2007, 13),
     [](const ReadRecords& r) {
         EXPECT_EQ(r.Get<CDBLeague>(LeagueId).GetCalendarEntry(1, 11), 1);
         EXPECT_EQ(r.Get<CDBCup>(CupId).GetCalendarEntry(1, 101), 1);
     }},
    {u"Gate2007-25.txt", MakeDatabaseVersion(0x2007, 25),
     [](const ReadRecords& r) {
         for (const std::uint32_t id : {LeagueId, CupId, RoundId}) {
             EXPECT_EQ(Name(r.Get<CDBCompetition>(id), 5), Name(r.Get<CDBCompetition>(id), 1)) << std::hex << id;
         }
     }},
};

}  // namespace

TEST_F(VersionGateTest, EachGateReadsItsLayoutAndSurvivesATextRoundTrip)
{
    for (const GateCase& gate : GateCases) {
        SCOPED_TRACE(std::string(gate.file, gate.file + std::char_traits<char16_t>::length(gate.file)));
        const ReadRecords old(Fixture(gate.file), gate.version);
        EXPECT_TRUE(old.problems.empty());
        ASSERT_EQ(old.registry.Size(), 4u);
        gate.check(old);
        const std::string written = old.Written();
        const ReadRecords again(written, TDatabaseVersion::ProgramVersion);
        EXPECT_EQ(again.Written(), written);
    }
}

TEST_F(VersionGateTest, AFollowerCycleEndsEveryWalkAndRoundTrips)
{
    const ReadRecords read(Fixture(u"FollowerCycle.txt"), TDatabaseVersion::ProgramVersion);
    ASSERT_EQ(read.registry.Size(), 2u);
    const std::string written = read.Written();
    EXPECT_EQ(ReadRecords(written, TDatabaseVersion::ProgramVersion).Written(), written);
    auto& league = const_cast<CDBLeague&>(read.Get<CDBLeague>(LeagueId));
    auto& other = const_cast<CDBLeague&>(read.Get<CDBLeague>(LeagueId + 1));
    EXPECT_EQ(league.GetFollower(0), &other);
    EXPECT_EQ(other.GetFollower(0), &league);
    // Complete team lists, so that the check walks on to the followers.
    for (CDBLeague* each : {&league, &other}) {
        for (std::uint32_t n = 1; n <= 4; ++n) each->AddTeam((Country << 16) | n);
    }
    EXPECT_FALSE(league.HasMatchOnDay(0, 300));
    EXPECT_EQ(league.GetMatchdayOnDay(0, 300), 0);
    EXPECT_EQ(league.CheckConsistency(0, 0), 0u);
    league.AddMatchday(0, 300);
    league.RemoveMatchday(0, 300);
    std::vector<std::uint32_t> chain;
    CollectCompetitionChain(&league, chain, true);
    EXPECT_EQ(chain.size(), 2u);
}

TEST_F(VersionGateTest, ADuplicateIdIsNamedAndTheFirstRecordKept)
{
    const ReadRecords read(Fixture(u"DuplicateId.txt"), TDatabaseVersion::ProgramVersion);
    EXPECT_EQ(read.problems, (std::vector<std::u16string>{u"Zwei"}));
    EXPECT_EQ(read.registry.Size(), 2u);
    EXPECT_EQ(Name(read.Get<CDBLeague>(LeagueId), 1), u"League");
    EXPECT_EQ(read.Get<CDBPool>(PoolId).GetCheckedCount(), 1) << "the record after the duplicate is read";
    const std::string written = read.Written();
    EXPECT_EQ(ReadRecords(written, TDatabaseVersion::ProgramVersion).Written(), written);
}

TEST_F(VersionGateTest, OversizedCountsAreBoundedAndTheRepairRoundTrips)
{
    const ReadRecords read(Fixture(u"OversizedCounts.txt"), TDatabaseVersion::ProgramVersion);
    EXPECT_EQ(read.problems, (std::vector<std::u16string>{u"Liga"}));
    const auto& league = read.Get<CDBLeague>(LeagueId);
    EXPECT_EQ(league.GetTeamCount(), 128);
    EXPECT_EQ(league.GetRounds(), 1);
    const auto& pool = read.Get<CDBPool>(PoolId);
    EXPECT_EQ(pool.GetCheckedCount(), 3);
    EXPECT_EQ(GetTeamRuleStore().GetList(pool.GetRuleListIndex()).size(), 3u) << "rules stop at the section's end";
    const std::string written = read.Written();
    const ReadRecords again(written, TDatabaseVersion::ProgramVersion);
    EXPECT_TRUE(again.problems.empty());
    EXPECT_EQ(again.Written(), written);
}

TEST_F(VersionGateTest, ASmallEuropeFillsTheDayCodesAndKeepsTheFileVersion)
{
    TDatabaseVersion::SetFileVersion(MakeDatabaseVersion(0x2007, 20));
    TCompetitionRegistry registry;
    testing_support::MessageCapture messages;
    LoadContinentalCompetitions(registry, testing_support::SourcePath(u"tests\\competition\\fixtures\\Europe"));
    EXPECT_EQ(TDatabaseVersion::GetFileVersion(), MakeDatabaseVersion(0x2007, 20));
    ASSERT_EQ(messages.Messages().size(), 1u) << "South America is missing";
    EXPECT_NE(messages.Messages()[0].find(u"South America"), std::u16string::npos);
    EXPECT_EQ(registry.Size(), 5u) << "the international root and four records";
    const DayCodes season0 = MergeContinentalDayCodes(0, 0);
    const DayCodes season1 = MergeContinentalDayCodes(0, 1);
    EXPECT_EQ(season0[100], 1u) << "a later qualifying round replaces the summer round's code";
    EXPECT_EQ(season0[107], 34u);
    EXPECT_EQ(season0[150] * 100 + season0[154], 2929u);
    EXPECT_EQ(season1[150], 0u) << "nations' qualifying marks nothing in the second season";
    EXPECT_EQ(MergeContinentalDayCodes(1, 0), DayCodes{});
    const auto& round = dynamic_cast<const CDBCompetition&>(*registry.Get(MakeCompetitionId(InternationalCountry, TypeUic, 0)));
    EXPECT_EQ(round.GetCalendarEntry(1, 107), 2) << "the older day order";
    EXPECT_EQ(round.CheckConsistency(0, 0) | round.CheckConsistency(1, 0), 0u);
}
