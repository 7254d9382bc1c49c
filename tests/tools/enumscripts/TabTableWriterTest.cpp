#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/common/TestSupport.h"
#include "platform/Platform.h"
#include "tools/enumscripts/TabTableWriter.h"

namespace {

using testing_support::TempFolder;

std::vector<std::uint8_t> Golden(std::u16string_view name)
{
    return testing_support::ReadBytes(platform::JoinPath(testing_support::SourcePath(u"tests\\tools\\golden"), name));
}

// The file as text after its byte-order mark.
std::u16string Text(std::u16string_view path)
{
    const std::vector<std::uint8_t> bytes = testing_support::ReadBytes(path);
    std::u16string text;
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) text += static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8));
    return text;
}

}  // namespace

// Every call of a list script opens the writer again, which ends the row
// of the call before.
TEST(TabTableWriter, RowsOfRepeatedOpensMatchTheGoldenList)
{
    TempFolder folder;
    const std::u16string path = folder.File(u"list.txt");
    CTabTableWriter writer;
    struct Row {
        const char16_t* name;
        std::int32_t id;
        std::int32_t goals;
    };
    for (const Row& row : {Row{u"Anna", 42, -3}, Row{u"Berg", -1, 12}}) {
        writer.Open(path);
        EXPECT_EQ(writer.GetColumnCount(), 0u);
        writer.AddColumn(u"Name", row.name);
        writer.AddNumberColumn(u"Id", row.id, 16);
        writer.AddNumberColumn(u"Goals", row.goals, 10);
    }
    EXPECT_FALSE(writer.IsFirstRow());
    EXPECT_EQ(writer.GetRowCount(), 1u);
    ASSERT_TRUE(writer.Finish());
    EXPECT_EQ(testing_support::ReadBytes(path), Golden(u"tab_table.bin"));
    EXPECT_TRUE(writer.IsFirstRow());
}

TEST(TabTableWriter, NumbersFollowTheirRadix)
{
    TempFolder folder;
    const std::u16string path = folder.File(u"numbers.txt");
    CTabTableWriter writer;
    writer.Open(path);
    writer.AddNumberColumn(u"a", 255, 2);
    writer.AddNumberColumn(u"b", 255, 8);
    writer.AddNumberColumn(u"c", 35, 36);
    writer.AddNumberColumn(u"d", -1, 2);
    writer.AddNumberColumn(u"e", 0x1A, 16);
    ASSERT_TRUE(writer.Finish());
    EXPECT_EQ(Text(path), u"a\tb\tc\td\te\r\n11111111\t377\tz\t11111111111111111111111111111111\t0000001A\r\n");
}

TEST(TabTableWriter, LongLinesAndEmptyRows)
{
    TempFolder folder;
    const std::u16string path = folder.File(u"long.txt");
    const std::u16string value(5000, u'v');
    CTabTableWriter writer;
    writer.Open(path);
    writer.Open(path);
    EXPECT_TRUE(writer.IsFirstRow()) << "an empty row is no row";
    writer.AddColumn(u"Long", value);
    writer.Open(path);
    writer.AddColumn(u"Ignored", u"x");
    ASSERT_TRUE(writer.Finish());
    EXPECT_EQ(Text(path), u"Long\r\n" + value + u"\r\nx\r\n");
}

TEST(TabTableWriter, AListThatCannotBeWrittenLeavesNothingAndSaysSo)
{
    TempFolder folder;
    const std::u16string path = folder.File(u"no\\folder\\list.txt");
    CTabTableWriter writer;
    writer.Open(path);
    writer.AddColumn(u"Name", u"Anna");
    writer.EndRow();
    EXPECT_EQ(writer.GetRowCount(), 1u) << "counted without a file";
    EXPECT_FALSE(writer.Finish());
    EXPECT_FALSE(platform::FileExists(path));

    const std::u16string kept = folder.File(u"kept.txt");
    testing_support::WriteBytes(kept, std::string("old"));
    {
        CTabTableWriter abandoned;
        abandoned.Open(kept);
        abandoned.AddColumn(u"Name", u"Anna");
        abandoned.EndRow();
    }
    EXPECT_EQ(testing_support::ReadBytes(kept), testing_support::Bytes("old")) << "replaced only when finished";
    CTabTableWriter unused;
    EXPECT_TRUE(unused.Finish());
}
