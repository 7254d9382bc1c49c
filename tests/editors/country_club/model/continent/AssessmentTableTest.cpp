#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/database/DatabaseTestSupport.h"
#include "editors/country_club/model/continent/AssessmentTable.h"

namespace {

using database_testing::CurrentWorldTest;

class AssessmentTableTest : public CurrentWorldTest {
protected:
    void SetUp() override
    {
        CurrentWorldTest::SetUp();
        for (int id = 1; id <= 206; ++id) Country(id).SetContinentByte(1);
    }

    TCountry& Country(int id) { return *world_->GetCountry(id); }

    void SetEuropean(int id, std::vector<int> years)
    {
        Country(id).SetContinentByte(0);
        for (int year = 1; year <= 6; ++year) Country(id).SetYearCoefficient(year, static_cast<std::uint16_t>(years[year - 1]));
    }

    std::vector<int> Ranked(const AssessmentTable& table)
    {
        std::vector<int> ids = table.EuropeanCountries();
        std::sort(ids.begin(), ids.end(), [&](int a, int b) { return table.GetRank(a) < table.GetRank(b); });
        return ids;
    }

    std::vector<std::uint16_t> Years(int id)
    {
        std::vector<std::uint16_t> values;
        for (int year = 1; year <= 6; ++year) values.push_back(Country(id).GetYearCoefficient(year));
        return values;
    }
};

TEST_F(AssessmentTableTest, EqualTotalsAreOrderedByTheYearsFromLastYearOn)
{
    // Every row totals 1000 over years 1..5.
    SetEuropean(10, {200, 200, 200, 200, 200, 0});
    SetEuropean(11, {300, 100, 200, 200, 200, 0});
    SetEuropean(12, {300, 200, 100, 200, 200, 0});
    SetEuropean(13, {200, 200, 200, 200, 200, 5});
    SetEuropean(14, {300, 200, 100, 200, 200, 900});
    AssessmentTable table(*world_);
    table.BuildRanking();
    EXPECT_EQ(Ranked(table), (std::vector<int>{14, 12, 11, 13, 10}));
}

TEST_F(AssessmentTableTest, YearSixNeverCountsInTheTotal)
{
    SetEuropean(20, {0, 0, 0, 0, 100, 60000});
    SetEuropean(21, {0, 0, 0, 0, 101, 0});
    EXPECT_EQ(AssessmentTable::Total(Country(20)), 100);
    AssessmentTable table(*world_);
    table.BuildRanking();
    EXPECT_EQ(table.GetRank(21), 0);
    EXPECT_EQ(table.GetRank(20), 1);
}

TEST_F(AssessmentTableTest, OtherContinentsRankZeroAndAreNotListed)
{
    SetEuropean(30, {100, 0, 0, 0, 0, 0});
    SetEuropean(31, {200, 0, 0, 0, 0, 0});
    Country(40).SetYearCoefficient(1, 5000);
    AssessmentTable table(*world_);
    table.BuildRanking();
    EXPECT_EQ(table.GetRank(40), 0);
    EXPECT_EQ(table.EuropeanCountries(), (std::vector<int>{30, 31}));
    EXPECT_EQ(table.GetRank(31), 0);
    EXPECT_EQ(table.GetRank(30), 1);
}

TEST_F(AssessmentTableTest, CompareBySortType)
{
    SetEuropean(50, {100, 200, 300, 400, 500, 600});
    SetEuropean(51, {150, 150, 350, 350, 500, 700});
    for (int language = 0; language < 6; ++language) {
        Country(50).SetNameInLanguage(language, u"Beta");
        Country(51).SetNameInLanguage(language, u"Alpha");
    }
    AssessmentTable table(*world_);
    table.BuildRanking();
    struct Case {
        int sortType;
        int sign;
    } cases[] = {{0, 1}, {1, 1}, {2, -1}, {3, 1}, {4, -1}, {5, 1}, {6, 0}, {7, -1}, {8, -1}, {9, 0}, {-1, 0}};
    for (const Case& c : cases) {
        const int result = table.Compare(c.sortType, 50, 51);
        EXPECT_EQ((result > 0) - (result < 0), c.sign) << "sort type " << c.sortType;
    }
}

TEST_F(AssessmentTableTest, ACountryTheWorldLacksSortsAfterAnExistingOne)
{
    AssessmentTable table(*world_);
    EXPECT_GT(table.Compare(8, 5, 300), 0);
    EXPECT_LT(table.Compare(0, 0, 5), 0);
}

TEST(AssessmentValue, SpinValuesBecomeTruncatedHundredths)
{
    const struct {
        double value;
        std::uint16_t coefficient;
    } cases[] = {{12.345, 1234}, {0.29, 29}, {16.59, 1659}, {20.0, 2000}, {0.0, 0}, {-1.0, 0}, {700.0, 65535}};
    for (const auto& c : cases) EXPECT_EQ(AssessmentTable::CoefficientFromValue(c.value), c.coefficient) << c.value;
}

TEST_F(AssessmentTableTest, SeededTablesRankAsTheGoldenFile)
{
    const std::vector<std::uint8_t> bytes =
        testing_support::ReadBytes(testing_support::SourcePath(u"tests\\editors\\country_club\\model\\AssessmentRanking.golden"));
    ASSERT_FALSE(bytes.empty()) << "golden file missing";
    std::istringstream golden(std::string(bytes.begin(), bytes.end()));
    std::string line;
    std::vector<std::pair<int, int>> expected;
    while (std::getline(golden, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        int id = 0;
        std::vector<int> years(6);
        int rank = 0;
        fields >> id;
        for (int& year : years) fields >> year;
        fields >> rank;
        SetEuropean(id, years);
        expected.emplace_back(id, rank);
    }
    ASSERT_EQ(expected.size(), 60u);
    AssessmentTable table(*world_);
    table.BuildRanking();
    for (const auto& [id, rank] : expected) EXPECT_EQ(table.GetRank(id), rank) << "country " << id;
}

class AssessmentImportTest : public AssessmentTableTest {
protected:
    std::u16string Exported()
    {
        const std::u16string path = folder_.File(u"assessment.txt");
        EXPECT_TRUE(world_->WriteAssessment(path));
        return path;
    }

    std::string Text(const std::u16string& path) { return database_testing::FileText(path); }

    testing_support::TempFolder folder_;
};

TEST_F(AssessmentImportTest, ExportThenImportKeepsEveryValue)
{
    for (int id = 1; id <= 40; ++id) {
        std::vector<int> years;
        for (int year = 1; year <= 6; ++year) years.push_back((id * 97 + year * 331) % 2001);
        SetEuropean(id, years);
    }
    SetEuropean(41, {0, 2000, 1, 1999, 10, 100});
    std::vector<std::vector<std::uint16_t>> before;
    for (int id = 1; id <= 41; ++id) before.push_back(Years(id));
    const std::u16string path = Exported();
    for (int id = 1; id <= 41; ++id) SetEuropean(id, {7, 7, 7, 7, 7, 7});
    ASSERT_TRUE(AssessmentTable::Import(*world_, path));
    for (int id = 1; id <= 41; ++id) EXPECT_EQ(Years(id), before[id - 1]) << "country " << id;
}

TEST_F(AssessmentImportTest, AFileWithABadValueChangesNoCountry)
{
    SetEuropean(3, {100, 200, 300, 400, 500, 600});
    SetEuropean(4, {1, 2, 3, 4, 5, 6});
    const std::u16string path = Exported();
    const std::string good = Text(path);
    for (const char* bad : {"abc", "700.00", "", "-1.00", "1.2.3"}) {
        // Country 3's "Year -6" cell (600) gets the bad text; country 4 stays as written.
        std::string changed = good;
        const std::size_t row = changed.find("\t6.00\t");
        ASSERT_NE(row, std::string::npos);
        changed.replace(row + 1, 4, bad);
        testing_support::WriteBytes(path, changed);
        SetEuropean(3, {9, 9, 9, 9, 9, 9});
        SetEuropean(4, {9, 9, 9, 9, 9, 9});
        EXPECT_FALSE(AssessmentTable::Import(*world_, path)) << bad;
        EXPECT_EQ(Years(3), (std::vector<std::uint16_t>{9, 9, 9, 9, 9, 9})) << bad;
        EXPECT_EQ(Years(4), (std::vector<std::uint16_t>{9, 9, 9, 9, 9, 9})) << bad;
    }
}

// The file a script reads with Python's csv module (check-assessment-csv.py).
TEST_F(AssessmentImportTest, ExportForTheCsvReader)
{
    for (int id = 1; id <= 20; ++id) {
        std::vector<int> years;
        for (int year = 1; year <= 6; ++year) years.push_back(id * 100 + year);
        SetEuropean(id, years);
    }
    EXPECT_TRUE(world_->WriteAssessment(testing_support::BinaryPath(u"tests\\editors\\country_club\\model\\assessment-export.txt")));
}

TEST_F(AssessmentImportTest, AMissingFileIsRefused)
{
    EXPECT_FALSE(AssessmentTable::Import(*world_, folder_.File(u"none.txt")));
}

}  // namespace
