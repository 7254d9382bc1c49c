#include <gtest/gtest.h>

#include "core/files/IndexTextFile.h"
#include "database/world/DatabaseVersion.h"
#include "tests/database/DatabaseTestSupport.h"

namespace {

bool ReadVersionFrom(const std::string& text, CIndexTextFile& file)
{
    EXPECT_TRUE(file.OpenFromBytes(testing_support::Bytes(text), u"test.sav"));
    return ReadVersion(file);
}

bool ReadVersionValue(std::uint32_t value, CIndexTextFile& file)
{
    return ReadVersionFrom("%INDEX%VERSION\r\n" + std::to_string(value) + "\r\n%INDEXEND%VERSION\r\nnext\r\n", file);
}

}  // namespace

TEST(DatabaseVersion, ProgramVersionAndItsForms)
{
    EXPECT_EQ(MakeDatabaseVersion(0x2007, 28), 0x2007001Cu);
    EXPECT_EQ(TDatabaseVersion::Format(0x2007001C), u"2007-28");
    EXPECT_EQ(TDatabaseVersion::Format(0x20050002), u"2005-02");
    EXPECT_TRUE(TDatabaseVersion::IsProgramAtLeast(0x2007, 28));
    EXPECT_FALSE(TDatabaseVersion::IsProgramAtLeast(0x2007, 29));
}

TEST(DatabaseVersion, WritesTheSectionWithTheDecimalVersion)
{
    EXPECT_EQ(database_testing::WrittenText([](CIndexTextFile& file) { return WriteVersion(file); }),
              "%INDEX%VERSION\r\n537329692\r\n%INDEXEND%VERSION\r\n");
}

TEST(DatabaseVersion, MissingSectionReadsAsVersionOne)
{
    CIndexTextFile file;
    EXPECT_TRUE(ReadVersionFrom("1\r\n2\r\n", file));
    EXPECT_EQ(TDatabaseVersion::GetFileVersion(), 1u);
    EXPECT_FALSE(TDatabaseVersion::IsVersionAtLeast(0x2005, 0));
    std::int32_t value = 0;
    ASSERT_TRUE(file.ReadInt32(value));
    EXPECT_EQ(value, 1) << "the stream stays where it was";
}

TEST(DatabaseVersion, OlderMajorPassesItsOwnGatesOnly)
{
    CIndexTextFile file;
    ASSERT_TRUE(ReadVersionValue(MakeDatabaseVersion(0x2006, 16), file));
    EXPECT_EQ(TDatabaseVersion::GetFileMajor(), 0x2006);
    EXPECT_EQ(TDatabaseVersion::GetFileMinor(), 0xFFFF);
    EXPECT_TRUE(TDatabaseVersion::IsVersionAtLeast(0x2006, 40));
    EXPECT_FALSE(TDatabaseVersion::IsVersionAtLeast(0x2007, 0));
    EXPECT_EQ(TDatabaseVersion::GetFileVersionAsWritten(), MakeDatabaseVersion(0x2006, 16));
    std::u16string next;
    file.ReadCString(next);
    EXPECT_EQ(next, u"next") << "the end line was passed";
}

TEST(DatabaseVersion, AcceptsOneMinorAheadAndRefusesMore)
{
    CIndexTextFile file;
    EXPECT_TRUE(ReadVersionValue(MakeDatabaseVersion(0x2007, 29), file));
    EXPECT_EQ(file.GetError(), nullptr);

    EXPECT_FALSE(ReadVersionValue(MakeDatabaseVersion(0x2007, 30), file));
    ASSERT_NE(file.GetError(), nullptr);
    const std::u16string error = file.GetError();
    EXPECT_NE(error.find(u"2007-30"), std::u16string::npos) << testing_support::Narrow(error);
    EXPECT_NE(error.find(u"2007-28"), std::u16string::npos);

    EXPECT_FALSE(ReadVersionValue(MakeDatabaseVersion(0x2008, 0), file));
}
