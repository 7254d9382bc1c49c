#include <gtest/gtest.h>

#include <functional>

#include "tests/tools/hotfix/HotfixTestSupport.h"
#include "tools/hotfix/HotfixAverageCountryRating.h"

namespace {

using tool_testing::Entries;

class AverageRatingTest : public tool_testing::HotfixTest {
protected:
    void SetUp() override
    {
        HotfixTest::SetUp();
        for (int id = 1; id <= 207; ++id) {
            TCountry::TRatingBlock block{};
            for (int i = 0; i < TCountry::RatingBlockSize; ++i) block[i] = static_cast<std::uint8_t>((id + i * 7) % 90);
            Land(id).SetRatingBlock(block);
        }
    }

    std::vector<std::uint8_t> OwnFile() { return CreateFile(fix_, u"ratings.txt"); }

    static constexpr std::size_t HeaderSize = 158;
    CHotfixAverageCountryRating fix_{manager_};
};

TEST_F(AverageRatingTest, CreateWritesTheHeaderAndEveryCountrysBytesInItsSlot)
{
    const std::vector<std::uint8_t> bytes = OwnFile();
    ASSERT_EQ(bytes.size(), 4526u);
    const std::vector<std::uint8_t> header = Golden(u"hotfix_header_average_rating.bin");
    ASSERT_EQ(header.size(), HeaderSize);
    EXPECT_TRUE(std::equal(header.begin(), header.end(), bytes.begin()));
    const auto slot = [&](int id) { return bytes.begin() + static_cast<std::ptrdiff_t>(HeaderSize + id * 21); };
    for (int id : {1, 2, 100, 206}) {
        const TCountry::TRatingBlock block = Land(id).GetRatingBlock();
        EXPECT_TRUE(std::equal(block.begin(), block.end(), slot(id))) << id;
    }
    EXPECT_TRUE(std::all_of(slot(0), slot(1), [](std::uint8_t b) { return b == 0; }));
    EXPECT_TRUE(std::all_of(slot(207), bytes.end(), [](std::uint8_t b) { return b == 0; })) << "country 207 is not kept";
    const auto entries = Entries(report_);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].path, "Countries written");
    EXPECT_EQ(entries[0].description, "All countries have been written");
}

TEST_F(AverageRatingTest, AppliedToItsOwnDatabaseItReportsNothing)
{
    const std::vector<std::uint8_t> bytes = OwnFile();
    report_.DeleteEntriesOfType(ReportType::Info);
    report_.RemoveEmptyCategories();
    ApplyBytes(fix_, bytes);
    EXPECT_EQ(report_.Size(), 0u);
    EXPECT_EQ(CreateFile(fix_, u"again.txt"), bytes);
}

// Each byte of the record reaches the field the report names.
struct TRestoredByte {
    int index;
    const char* name;
    std::function<int(const TCountry&)> field;
};

TEST_F(AverageRatingTest, EachByteIsRestoredIntoItsFieldAndReportedByItsName)
{
    const std::vector<TRestoredByte> rows = {
        {0, "m_au8AveragePlayerRating[0]", [](const TCountry& c) { return c.GetLeagueRating(0); }},
        {4, "m_au8AveragePlayerRating[4]", [](const TCountry& c) { return c.GetLeagueRating(4); }},
        {5, "m_u8Continent", [](const TCountry& c) { return c.GetContinentByte(); }},
        {6, "m_u8Relegation[0]", [](const TCountry& c) { return c.GetLevelRelegationRule(0); }},
        {10, "m_u8Relegation[4]", [](const TCountry& c) { return c.GetLevelRelegationRule(4); }},
        {11, "m_uBanYellowCard", [](const TCountry& c) { return c.GetCardRuleBytes()[0]; }},
        {12, "m_uBanYellowCardCup", [](const TCountry& c) { return c.GetCardRuleBytes()[1]; }},
        {13, "m_uRedMode", [](const TCountry& c) { return c.GetCardFlags(); }},
        {14, "m_uRedRule", [](const TCountry& c) { return c.GetRedCardRule(); }},
        {15, "m_uCardsAllCompetition", [](const TCountry& c) { return c.GetCardRuleBytes()[4]; }},
        {16, "m_uBanAfterYR", [](const TCountry& c) { return c.GetCardRuleBytes()[5]; }},
        {17, "m_u8CountryFlags", [](const TCountry& c) { return c.GetOptionBitsByte(); }},
        {18, "m_u8StartSeason", [](const TCountry& c) { return c.GetInvertedOptionByte(); }},
        {19, "m_u8FACupMisc", [](const TCountry& c) { return c.GetCupOptionsByte(); }},
        {20, "m_u8ProbTransfer", [](const TCountry& c) { return c.GetForeignTransferProbability(); }},
    };
    const std::vector<std::uint8_t> bytes = OwnFile();
    for (const TRestoredByte& row : rows) {
        SCOPED_TRACE(row.name);
        report_.DeleteEntriesOfType(ReportType::Info);
        report_.DeleteEntriesOfType(ReportType::Success);
        report_.RemoveEmptyCategories();
        std::vector<std::uint8_t> changed = bytes;
        const std::size_t at = HeaderSize + 9 * 21 + row.index;
        changed[at] = 123;
        const TCountry::TRatingBlock before = Land(9).GetRatingBlock();
        ApplyBytes(fix_, changed);
        const auto entries = Entries(report_);
        ASSERT_EQ(entries.size(), 1u);
        EXPECT_EQ(entries[0].path, "Land 9/Restored " + std::string(row.name) + " - Changed value from " +
                                       std::to_string(before[row.index]) + " to 123");
        EXPECT_EQ(entries[0].type, ReportType::Success);
        EXPECT_EQ(row.field(Land(9)), 123);
        ApplyBytes(fix_, bytes);
        EXPECT_EQ(Land(9).GetRatingBlock(), before);
    }
}

TEST_F(AverageRatingTest, OneChangedContinentGivesExactlyOneEntry)
{
    TCountry::TRatingBlock block = Land(30).GetRatingBlock();
    block[5] = 3;
    Land(30).SetRatingBlock(block);
    const std::vector<std::uint8_t> bytes = OwnFile();
    report_.DeleteEntriesOfType(ReportType::Info);
    block[5] = 0;
    Land(30).SetRatingBlock(block);
    ApplyBytes(fix_, bytes);
    const auto entries = Entries(report_);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].path, "Land 30/Restored m_u8Continent - Changed value from 0 to 3");
    EXPECT_EQ(Land(30).GetContinentByte(), 3);
}

TEST_F(AverageRatingTest, TheLeagueRatingOfLevelZeroKeepsTheAverageRatingInStep)
{
    const std::vector<std::uint8_t> bytes = OwnFile();
    Land(4).SetAverageRating(99);
    ApplyBytes(fix_, bytes);
    EXPECT_EQ(Land(4).GetAverageRating(), Land(4).GetLeagueRating(0));
    EXPECT_EQ(Land(4).GetLeagueRating(0), bytes[HeaderSize + 4 * 21]);
}

TEST_F(AverageRatingTest, AFileOfAnyOtherSizeChangesNothing)
{
    const std::vector<std::uint8_t> bytes = OwnFile();
    for (const int delta : {-1, 1, -4368}) {
        std::vector<std::uint8_t> sized = bytes;
        sized.resize(static_cast<std::size_t>(static_cast<int>(bytes.size()) + delta), 0xEE);
        for (std::size_t i = HeaderSize; i < sized.size(); ++i) sized[i] = 0xEE;
        report_.DeleteEntriesOfType(ReportType::Info);
        report_.DeleteEntriesOfType(ReportType::Error);
        ApplyBytes(fix_, sized);
        const auto entries = Entries(report_);
        ASSERT_EQ(entries.size(), 1u) << delta;
        EXPECT_EQ(entries[0].type, ReportType::Error);
        EXPECT_EQ(CreateFile(fix_, u"unchanged.txt"), bytes) << delta;
    }
}

}  // namespace
