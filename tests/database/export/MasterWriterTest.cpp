#include <gtest/gtest.h>

#include <string>

#include "database/export/MasterWriter.h"
#include "platform/Platform.h"
#include "tests/common/TestSupport.h"

using testing_support::Bytes;
using testing_support::ReadBytes;

TEST(MasterWriter, ChecksumOverSignedBytes)
{
    const std::uint8_t abc[] = {'a', 'b', 'c'};
    EXPECT_EQ(CMasterWriter::Checksum(abc, 3), 136518u);
    const std::uint8_t ff[] = {0xFF};
    EXPECT_EQ(CMasterWriter::Checksum(ff, 1), 0x0FFFFFFFu);
}

TEST(MasterWriter, SizingPassCountsEveryValue)
{
    CMasterWriter writer;
    writer.WriteU8(1);
    writer.WriteU16(2);
    writer.WriteU32(3);
    writer.WriteU64(1, 2);
    writer.WriteBlock("xy", 0);
    writer.WriteString(std::u16string(300, u'a'));
    writer.WriteString(u"");
    EXPECT_EQ(writer.GetSize(), 1u + 2 + 4 + 8 + 4 + 301 + 1);
    EXPECT_EQ(writer.Checksum(), 0u);
}

TEST(MasterWriter, WritesHeaderAndDataInTwoPasses)
{
    testing_support::TempFolder folder;
    const std::u16string path = folder.File(u"Master.dat");
    CMasterWriter writer;
    auto records = [&writer] {
        writer.WriteU64(1, 2);
        writer.WriteString(u"abc");
    };
    records();
    ASSERT_TRUE(writer.Open(path));
    records();
    ASSERT_TRUE(writer.Flush());
    ASSERT_TRUE(writer.Close());
    const std::vector<std::uint8_t> expected = Bytes(std::string("HVDB\x1C\x00\x07\x20", 8) +
                                                     std::string("\x0C\x00\x00\x00", 4) +
                                                     std::string(4, '\0') +
                                                     std::string("\x01\x00\x00\x00\x02\x00\x00\x00" "abc\0", 12));
    std::vector<std::uint8_t> file = ReadBytes(path);
    ASSERT_EQ(file.size(), expected.size());
    const std::uint32_t checksum = CMasterWriter::Checksum(file.data() + 16, 12);
    EXPECT_EQ(file[12] | file[13] << 8 | file[14] << 16 | file[15] << 24, static_cast<int>(checksum));
    std::fill(file.begin() + 12, file.begin() + 16, 0);
    EXPECT_EQ(file, expected);
}

// A string takes one byte per UTF-16 unit and one terminator, in both
// passes: a character outside the basic plane is two units, two '?'.
TEST(MasterWriter, StringsTakeOneBytePerUnit)
{
    CMasterWriter writer;
    const auto strings = [&writer] {
        writer.WriteString(u"a\U0001F600b");
        writer.WriteString(u"\U0001F600");
    };
    strings();
    EXPECT_EQ(writer.GetSize(), 5u + 3);
    ASSERT_TRUE(writer.Allocate());
    strings();
    ASSERT_TRUE(writer.IsComplete());
    const std::vector<std::uint8_t> file = writer.GetFileBytes();
    EXPECT_EQ(std::vector<std::uint8_t>(file.begin() + 16, file.end()),
              (std::vector<std::uint8_t>{0x61, 0x3F, 0x3F, 0x62, 0x00, 0x3F, 0x3F, 0x00}));
}

TEST(MasterWriter, EmptyDataCreatesNoFile)
{
    testing_support::TempFolder folder;
    CMasterWriter writer;
    EXPECT_FALSE(writer.Open(folder.File(u"Master.dat")));
    EXPECT_FALSE(platform::FileExists(folder.File(u"Master.dat")));
}

// A writing pass of another size than the sizing pass, or a failing write:
// the old file stays.
TEST(MasterWriter, AWrongSizeOrAFailedWriteKeepsTheOldFile)
{
    testing_support::TempFolder folder;
    const std::u16string path = folder.File(u"Master.dat");
    testing_support::WriteBytes(path, "old");
    for (const auto& [written, failAfter] : {std::pair{3, 0}, std::pair{5, 0}, std::pair{4, 1}}) {
        CMasterWriter writer;
        writer.AddSize(4);
        ASSERT_TRUE(writer.Open(path));
        for (int i = 0; i < written; ++i) writer.WriteU8(7);
        platform::FailWritesAfter(failAfter);
        EXPECT_FALSE(writer.Flush());
        platform::FailWritesAfter(0);
        EXPECT_FALSE(writer.Close());
        EXPECT_EQ(ReadBytes(path), Bytes("old"));
    }
}
