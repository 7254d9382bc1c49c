// The create-a-club towns file.
#include <gtest/gtest.h>

#include <string>

#include "tests/database/DatabaseTestSupport.h"
#include "database/club/Towns.h"

namespace {

class TownsTest : public testing::Test {
protected:
    bool Load(const std::string& text)
    {
        testing_support::WriteBytes(folder_.File(u"towns.txt"), text);
        return towns_.Load(folder_.File(u"towns.txt"));
    }
    std::string Saved()
    {
        EXPECT_TRUE(towns_.SaveAs(folder_.File(u"saved.txt")));
        return database_testing::FileText(folder_.File(u"saved.txt"));
    }

    testing_support::TempFolder folder_;
    TTownList towns_;
};

TEST_F(TownsTest, MalformedLinesAreSkippedAndTheFirstOfAPairKept)
{
    ASSERT_TRUE(Load("14|Nine|1|2|Club|Short|ABC|3|123456\r\n"
                     "0|Zero|1|2|Club|Short|ABC|3|123456|654321\r\n"
                     "207|Last|1|2|Club|Short|ABC|3|123456|654321\r\n"
                     "14|Ashford|-30|3100|Ashford FC|Ashford|ASH|5|12x4|0123456789\r\n"
                     "14|Ashford|1|1|Ashford FC|Other|OTH|1|111111|111111\r\n"
                     "14|A very long town name that goes on|7|8|Club|A short name|ABCDEFG|300|1|2|extra\r\n"));
    EXPECT_EQ(towns_.GetTownCount(14), 2);
    EXPECT_EQ(towns_.GetTownCount(207), 0);
    EXPECT_EQ(towns_.GetTownCount(0), 0);
    const TTown& first = towns_.GetTown(14, 0);
    EXPECT_EQ(std::u16string(first.Text1), u"Ashford");
    EXPECT_EQ(first.Value1, -30);
    EXPECT_EQ(first.Value2, 3100);
    EXPECT_EQ(first.Number, 5);
    const std::uint8_t digits1[6] = {1, 2, 0, 4, 0, 0};
    const std::uint8_t digits2[6] = {0, 1, 2, 3, 4, 5};
    EXPECT_TRUE(std::equal(digits1, digits1 + 6, first.Digits1));
    EXPECT_TRUE(std::equal(digits2, digits2 + 6, first.Digits2));
    const TTown& cut = towns_.GetTown(14, 1);
    EXPECT_EQ(std::u16string(cut.Name), u"A very long town name that go");
    EXPECT_EQ(std::u16string(cut.Text1), u"A short nam");
    EXPECT_EQ(std::u16string(cut.Text2), u"ABCDE");
    EXPECT_EQ(cut.Number, 44);
    EXPECT_EQ(std::u16string(towns_.GetTown(14, 2).Name), u"");
    EXPECT_FALSE(towns_.IsDirty());
    EXPECT_FALSE(TTownList().Load(folder_.File(u"missing.txt")));
}

TEST_F(TownsTest, EditingMarksTheListChanged)
{
    TTown town;
    town.Name[0] = u'A';
    EXPECT_FALSE(towns_.AddTown(207, town));
    EXPECT_FALSE(towns_.AddTown(0, town));
    EXPECT_TRUE(towns_.AddTown(206, town));
    EXPECT_TRUE(towns_.IsDirty());
    EXPECT_FALSE(towns_.AddTown(206, town));
    ASSERT_TRUE(towns_.SaveAs(folder_.File(u"towns.txt")));
    EXPECT_FALSE(towns_.IsDirty());
    EXPECT_TRUE(towns_.SetTown(206, 0, town));
    EXPECT_FALSE(towns_.IsDirty());
    EXPECT_FALSE(towns_.SetTown(206, 1, town));
    town.Digits2[5] = 3;
    EXPECT_TRUE(towns_.SetTown(206, 0, town));
    EXPECT_TRUE(towns_.IsDirty());
    EXPECT_TRUE(towns_.Contains(206, town));
    EXPECT_FALSE(towns_.RemoveTown(206, 1));
    EXPECT_TRUE(towns_.RemoveTown(206, 0));
    EXPECT_EQ(towns_.GetTownCount(206), 0);
}

TEST_F(TownsTest, SavedLinesAndTheSeparatorInTexts)
{
    ASSERT_TRUE(Load("21|Berg|1|2|Berg SV|Berg|BSV|3|000000|999999\r\n14|Ash|-1|2|Ash FC|Ash|ASH|0|1|2\r\n"));
    TTown town = towns_.GetTown(14, 0);
    town.Name[1] = u'|';
    ASSERT_TRUE(towns_.SetTown(14, 0, town));
    EXPECT_EQ(Saved(), "\xEF\xBB\xBF"
                       "14|A/h|-1|2|Ash FC|Ash|ASH|0|100000|200000\r\n"
                       "21|Berg|1|2|Berg SV|Berg|BSV|3|000000|999999\r\n");
    EXPECT_EQ(towns_.GetPath(), folder_.File(u"saved.txt"));
    EXPECT_FALSE(towns_.SaveAs(folder_.File(u"no\\such\\folder.txt")));
    EXPECT_EQ(towns_.GetPath(), folder_.File(u"saved.txt"));
}

TEST_F(TownsTest, TheShippedFileRoundTrips)
{
    const std::u16string shipped = testing_support::SourcePath(u"data\\Database\\TownDataUniques.txt");
    ASSERT_TRUE(towns_.Load(shipped));
    ASSERT_TRUE(towns_.Load(towns_.GetPath()));
    EXPECT_GE(towns_.GetTownCount(14), 10);
    EXPECT_EQ(Saved(), database_testing::FileText(shipped));
}

}  // namespace
