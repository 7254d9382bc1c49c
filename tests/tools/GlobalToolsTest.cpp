// The contract-start check, the badge check and the country list over
// small worlds built here; the badge check also over the shipped sample
// with its shipped badges.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "archive/BadgeLookup.h"
#include "database/club/ClubBadge.h"
#include "database/world/CompleteWorld.h"
#include "tests/archive/BadgeTreeSupport.h"
#include "tests/common/TestSupport.h"
#include "tests/database/DatabaseTestSupport.h"
#include "tests/tools/ToolWorldSupport.h"
#include "tools/GlobalTools.h"

namespace {

using testing_support::Narrow;
using tool_testing::TReported;

class GlobalToolsTest : public tool_testing::ToolWorldTest {
protected:
    THistoryEntry StartingIn(int year)
    {
        THistoryEntry entry;
        entry.clubId = 0;
        entry.start = TDate(year, 7, 1);
        entry.end = TDate(year + 1, 6, 30);
        return entry;
    }
};

TEST_F(GlobalToolsTest, ContractStartYears)
{
    const struct {
        std::uint16_t joined;
        std::vector<int> historyStarts;
        bool fix;
        int severity;  // 0: not examined
        std::uint16_t after;
        std::string description;
    } cases[] = {
        {1980, {}, true, ReportType::Success, 2006, "Case, J.: contract start 1980, history 2006. The year has been corrected."},
        {1980, {}, false, ReportType::Info, 1980, "Case, J.: contract start 1980, history 2006. The year can be corrected."},
        {1990, {}, true, 0, 1990, ""},
        {1985, {1999}, true, 0, 1985, ""},
        {1984, {1990, 1999, 1995}, true, ReportType::Success, 1999,
         "Case, J.: contract start 1984, history 1999. The year has been corrected."},
        {1983, {1975, 1983}, true, ReportType::Error, 1983,
         "Case, J.: contract start 1983, history 1983. No later year is known; please correct it by hand."},
    };
    for (const auto& c : cases) {
        Restart();
        CReportModel report;
        report.Open();
        TClub& club = NewClub(u"Club");
        TPerson& person = NewPlayer(club, u"Case");
        person.SetYearJoined(c.joined);
        for (int year : c.historyStarts) person.AddHistoryEntry(StartingIn(year));
        CGlobalToolsContractStartProcessor(*world_, c.fix).Run(report);
        EXPECT_EQ(report.Progress().maximum, 207);
        EXPECT_EQ(report.Progress().position, 206);
        const std::vector<TReported> entries = tool_testing::Entries(report);
        EXPECT_EQ(person.GetYearJoined(), c.after) << c.joined;
        if (c.severity == 0) {
            EXPECT_TRUE(entries.empty()) << c.joined;
            continue;
        }
        ASSERT_EQ(entries.size(), 1u) << c.joined;
        EXPECT_EQ(entries[0].path, "Land 21/Club/Case, J.");
        EXPECT_EQ(entries[0].type, c.severity);
        EXPECT_EQ(entries[0].description, c.description);
    }
}

TEST_F(GlobalToolsTest, ASecondFixChangesNothingMore)
{
    TClub& club = NewClub(u"Club");
    TPerson& person = NewPlayer(club, u"Case");
    person.SetYearJoined(1980);
    CGlobalToolsContractStartProcessor(*world_, true).Run(report_);
    CReportModel second;
    second.Open();
    CGlobalToolsContractStartProcessor(*world_, true).Run(second);
    EXPECT_EQ(person.GetYearJoined(), 2006);
    EXPECT_TRUE(tool_testing::Entries(second).empty());
}

std::string Block(int size, bool any, bool own, bool disk, bool archive)
{
    auto yn = [](bool b) { return std::string(b ? "Yes" : "No"); };
    char head[16];
    std::snprintf(head, sizeof head, "%3d x %3d: ", size, size);
    return head + yn(any) + "\r\nStandard path: " + yn(own) + "\r\nFile system: " + yn(disk) + "\r\nArchive: " + yn(archive) +
           "\r\n\r\n";
}

class BadgeCheckTest : public GlobalToolsTest {
protected:
    std::vector<TReported> Run()
    {
        const CBadgeSources sources(tree_.Folder(), &tree_.Archive(), CBadgeSources::LooseFiles::Listed);
        CGlobalToolsCheckBadgesProcessor(*world_, sources).Run(report_);
        return tool_testing::Entries(report_);
    }
    std::string Head(const std::u16string& standard, const std::string& badgePath)
    {
        return "Standard file: " + Narrow(standard) + "\r\nBadge path: " + badgePath + "\r\n\r\n";
    }

    badge_testing::BadgeTree tree_;
};

TEST_F(BadgeCheckTest, BlocksAndSeverities)
{
    NewClub(u"Test.Club/Two").SetBadgePath(u"color\\Badge256\\bl_sw.tga");
    NewClub(u"Without").SetBadgePath(u"");
    NewClub(u"Archived").SetBadgePath(u"color\\Badge%d\\bl_ro.tga");
    NewClub(u"Three").SetBadgePath(u"color\\Badge256\\three.tga");
    for (int size : {256, 128, 64}) tree_.AddLoose(u"color\\Badge" + badge_testing::BadgeTree::Text(size) + u"\\three.tga", 1);
    const std::u16string own = tree_.Folder() + u"\\DE\\Badge%d\\";
    const std::vector<TReported> entries = Run();
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0].path, "Land 21/Test.Club/Two");
    EXPECT_EQ(entries[0].type, ReportType::Success);
    EXPECT_EQ(entries[0].description, Head(own + u"Test_Club_Two.tga", "color\\Badge256\\bl_sw.tga") +
                                          Block(256, true, true, true, false) + Block(128, true, true, true, false) +
                                          Block(64, true, true, true, false) + Block(32, true, true, true, false));
    EXPECT_EQ(entries[1].type, ReportType::Error);
    EXPECT_EQ(entries[1].description, Head(own + u"Without.tga", "") + "The club has no badge path.\r\n" +
                                          Block(256, false, false, false, false) + Block(128, false, false, false, false) +
                                          Block(64, false, false, false, false) + Block(32, false, false, false, false));
    EXPECT_EQ(entries[2].type, ReportType::Success);
    EXPECT_EQ(entries[2].description.substr(entries[2].description.size() - Block(32, true, false, false, true).size()),
              Block(32, true, false, false, true));
    EXPECT_EQ(entries[3].type, ReportType::Error);
    EXPECT_NE(entries[3].description.find(Block(64, true, false, true, false) + Block(32, false, false, false, false)),
              std::string::npos);
}

TEST_F(BadgeCheckTest, AllSizesWithoutBadgePathIsAWarning)
{
    NewClub(u"Test.Club/Two").SetBadgePath(u"");
    const std::vector<TReported> entries = Run();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].type, ReportType::Warning);
}

TEST_F(BadgeCheckTest, WithoutBadgesEverySizeIsNo)
{
    NewClub(u"Nothing").SetBadgePath(u"color\\Badge256\\bl_sw.tga");
    testing_support::TempFolder empty;
    const CBadgeSources sources(empty.File(u"Badges"), nullptr, CBadgeSources::LooseFiles::Listed);
    CGlobalToolsCheckBadgesProcessor(*world_, sources).Run(report_);
    const std::vector<TReported> entries = tool_testing::Entries(report_);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].type, ReportType::Error);
    EXPECT_EQ(entries[0].description.find("Yes"), std::string::npos);
}

class BadgeCheckSampleTest : public database_testing::SampleWorldTest {};

// What a new user sees who opens the sample and runs the badge check: every
// club's own badge in all four sizes, and on its badge page a picture.
TEST_F(BadgeCheckSampleTest, EveryClubOfTheSampleHasItsShippedBadge)
{
    ASSERT_TRUE(world_->LoadWorld(u"Database"));
    const CBadgeSources sources(testing_support::SourcePath(u"data\\Badges"), nullptr,
                                CBadgeSources::LooseFiles::Listed);
    CReportModel report;
    report.Open();
    CGlobalToolsCheckBadgesProcessor(*world_, sources).Run(report);
    const std::vector<TReported> entries = tool_testing::Entries(report);
    EXPECT_EQ(entries.size(), 42u);
    std::string missing;
    for (const TReported& entry : entries) {
        if (entry.type != ReportType::Success) missing += entry.path + "\n";
    }
    EXPECT_EQ(missing, "");
    const TClub* club = world_->GetCountry(21)->GetClubByIndex(0);
    if (IsNationalTeamId(club->GetId())) club = world_->GetCountry(21)->GetClubByIndex(1);
    EXPECT_EQ(GetClubBadgeState(club, AllBadgeSizes, sources), BadgeOwnFiles);
    const auto picture = LoadClubBadgeDib(club, sources);
    ASSERT_TRUE(picture != nullptr);
    EXPECT_EQ(picture->Width(), 256);
}

class CountryListTest : public GlobalToolsTest {
protected:
    void Name(int id, const char16_t* name)
    {
        for (int language = 0; language < 6; ++language) Land(id).SetNameInLanguage(language, name);
    }
    void OnlyThree()
    {
        for (int id = 1; id <= 207; ++id) Name(id, u"");
        Name(1, u"b");
        Name(2, u"A");
        Name(3, u"c");
    }
};

TEST_F(CountryListTest, SortedCaseInsensitiveWithIds)
{
    OnlyThree();
    CGlobalToolsCountryProcessor(*world_).Run(report_);
    std::vector<std::string> titles;
    for (const TReported& entry : tool_testing::Entries(report_)) {
        titles.push_back(entry.path);
        EXPECT_EQ(entry.type, ReportType::Success);
        EXPECT_TRUE(entry.description.empty());
    }
    EXPECT_EQ(titles, (std::vector<std::string>{"A (ID: 2)", "b (ID: 1)", "c (ID: 3)"}));
    EXPECT_EQ(Narrow(report_.Title()), "Countries");
    EXPECT_EQ(report_.Progress().maximum, 414);
    EXPECT_EQ(report_.Progress().position, 209);
}

TEST_F(CountryListTest, ACloseRequestIsHonoured)
{
    OnlyThree();
    report_.RequestClose();
    CGlobalToolsCountryProcessor(*world_).Run(report_);
    EXPECT_EQ(report_.Size(), 0u);
    EXPECT_EQ(report_.Progress().position, 2);
}

}  // namespace
