#include <gtest/gtest.h>

#include "platform/Platform.h"
#include "tests/common/TestSupport.h"

namespace {

using testing_support::Bytes;
using testing_support::ReadBytes;
using testing_support::TempFolder;
using testing_support::Narrow;
using testing_support::WriteBytes;

class WriteFailureGuard {
public:
    ~WriteFailureGuard() { platform::FailWritesAfter(0); }
};

TEST(File, RandomAccessReadWriteAndResize)
{
    TempFolder folder;
    const std::u16string path = folder.File(u"data.bin");
    platform::File file;
    ASSERT_TRUE(file.Open(path, platform::File::Mode::Create));
    ASSERT_TRUE(file.Write("0123456789", 10));
    ASSERT_TRUE(file.Seek(4));
    ASSERT_TRUE(file.Write("ab", 2));
    EXPECT_EQ(file.Tell(), 6);
    EXPECT_EQ(file.Size(), 10);
    ASSERT_TRUE(file.Resize(20));
    EXPECT_EQ(file.Size(), 20);
    ASSERT_TRUE(file.Seek(3));
    char buffer[4] = {};
    ASSERT_TRUE(file.Read(buffer, 4));
    EXPECT_EQ(std::string(buffer, 4), "3ab6");
    ASSERT_TRUE(file.Seek(18));
    EXPECT_FALSE(file.Read(buffer, 4));
    ASSERT_TRUE(file.Resize(5));
    ASSERT_TRUE(file.Close());
    EXPECT_EQ(ReadBytes(path), Bytes("0123a"));
}

TEST(File, OpenFailures)
{
    TempFolder folder;
    platform::File file;
    EXPECT_FALSE(file.Open(folder.File(u"missing.bin"), platform::File::Mode::Read));
    EXPECT_FALSE(file.Open(folder.File(u"no\\such\\folder.bin"), platform::File::Mode::Create));
    EXPECT_FALSE(file.Open(folder.Path(), platform::File::Mode::Read));
    EXPECT_FALSE(file.Open(u"", platform::File::Mode::Read));
    std::vector<std::uint8_t> bytes{1, 2};
    EXPECT_FALSE(platform::ReadWholeFile(folder.File(u"missing.bin"), bytes));
}

TEST(AtomicWrite, ReplacesOnlyWhenComplete)
{
    TempFolder folder;
    const std::u16string path = folder.File(u"Country1.sav");
    WriteBytes(path, "old contents");
    ASSERT_TRUE(platform::WriteFileAtomic(path, Bytes("new")));
    EXPECT_EQ(ReadBytes(path), Bytes("new"));
    EXPECT_EQ(platform::ListFolder(folder.Path()).size(), 1u);
}

TEST(AtomicWrite, FailedWriteKeepsTheOldFileAndLeavesNoTemporary)
{
    WriteFailureGuard guard;
    TempFolder folder;
    const std::u16string path = folder.File(u"Country1.sav");
    WriteBytes(path, "old contents");
    platform::AtomicFileWriter writer;
    ASSERT_TRUE(writer.Open(path));
    EXPECT_TRUE(writer.Write("abc", 3));
    platform::FailWritesAfter(2);
    EXPECT_TRUE(writer.Write("def", 3));
    EXPECT_FALSE(writer.Write("ghi", 3));
    EXPECT_FALSE(writer.Write("jkl", 3));
    EXPECT_FALSE(writer.Commit());
    EXPECT_EQ(ReadBytes(path), Bytes("old contents"));
    EXPECT_EQ(platform::ListFolder(folder.Path()).size(), 1u);
}

TEST(AtomicWrite, DiscardedWriterLeavesTheOldFile)
{
    TempFolder folder;
    const std::u16string path = folder.File(u"a.txt");
    WriteBytes(path, "keep");
    {
        platform::AtomicFileWriter writer;
        ASSERT_TRUE(writer.Open(path));
        ASSERT_TRUE(writer.Write("lost", 4));
    }
    EXPECT_EQ(ReadBytes(path), Bytes("keep"));
    EXPECT_EQ(platform::ListFolder(folder.Path()).size(), 1u);
}

TEST(AtomicWrite, MissingFolderFailsAtOpen)
{
    TempFolder folder;
    platform::AtomicFileWriter writer;
    EXPECT_FALSE(writer.Open(folder.File(u"missing\\a.txt")));
    EXPECT_FALSE(platform::WriteFileAtomic(folder.File(u"missing\\a.txt"), Bytes("x")));
}

// Files of a set replace their targets together or not at all.
TEST(AtomicFileSet, CommitsAllOrNone)
{
    WriteFailureGuard guard;
    TempFolder folder;
    const std::u16string a = folder.File(u"a.sav"), b = folder.File(u"b.sav");
    WriteBytes(a, "old a");
    WriteBytes(b, "old b");
    for (int failAt : {1, 2, 0}) {
        SCOPED_TRACE(failAt);
        platform::AtomicFileSet files;
        platform::FailWritesAfter(failAt);
        const bool written = files.AddFile(a, Bytes("new a")) && files.AddFile(b, Bytes("new b"));
        platform::FailWritesAfter(0);
        EXPECT_EQ(written, failAt == 0);
        // Until the commit every original stays.
        EXPECT_EQ(ReadBytes(a), Bytes("old a"));
        if (!written) {
            files.Discard();
            EXPECT_EQ(platform::ListFolder(folder.Path()).size(), 2u);
            continue;
        }
        EXPECT_EQ(files.GetCount(), 2u);
        EXPECT_TRUE(files.Commit());
        EXPECT_EQ(ReadBytes(a), Bytes("new a"));
        EXPECT_EQ(ReadBytes(b), Bytes("new b"));
    }
    EXPECT_EQ(platform::ListFolder(folder.Path()).size(), 2u);
    {
        platform::AtomicFileSet dropped;
        ASSERT_TRUE(dropped.AddFile(a, Bytes("lost")));
    }
    EXPECT_EQ(ReadBytes(a), Bytes("new a"));
    EXPECT_EQ(platform::ListFolder(folder.Path()).size(), 2u);
}

TEST(ScratchFiles, OnlyTheProgramsOwnNamesAreItsOwn)
{
    const std::pair<const char16_t*, bool> names[] = {
        {u"~tr12_0.tmp", true},        {u"~trbig4711_25.tmp", true}, {u"~tr_0.tmp", false},
        {u"~tr12_.tmp", false},        {u"~tr12_0.tmp.bak", false},  {u"tmp12_0.tmp", false},
        {u"~TR12_0.tmp", false},       {u"~trx12_0.tmp", false},     {u"~tr1a_0.tmp", false},
        {u"Country1.sav", false},
    };
    for (const auto& [name, own] : names) EXPECT_EQ(platform::IsOwnScratchFileName(name), own) << Narrow(name);
    TempFolder folder;
    const std::u16string path = platform::CreateUniqueFile(folder.Path(), platform::TemporaryFilePrefix);
    EXPECT_TRUE(platform::IsOwnScratchFileName(platform::NameOf(path)));
    // Made by this process: not stale.
    EXPECT_GE(platform::FileModifiedTime(path), platform::ProcessStartTime());
    EXPECT_EQ(platform::RemoveStaleScratchFiles(folder.Path()), 0);
    EXPECT_TRUE(platform::FileExists(path));
    EXPECT_EQ(platform::FileModifiedTime(folder.File(u"missing")), -1);
}

TEST(Folders, CreateListAndRemoveTree)
{
    TempFolder folder;
    ASSERT_TRUE(platform::CreateFolders(folder.File(u"a\\b\\c")));
    WriteBytes(folder.File(u"a\\b\\c\\f.txt"), "x");
    WriteBytes(folder.File(u"a\\g.txt"), "y");
    EXPECT_TRUE(platform::RemoveTree(folder.File(u"a")));
    EXPECT_FALSE(platform::FolderExists(folder.File(u"a")));
    EXPECT_TRUE(platform::ListFolder(folder.Path()).empty());
}

TEST(Folders, RenameOverReplacesTheTarget)
{
    TempFolder folder;
    WriteBytes(folder.File(u"from.txt"), "new");
    WriteBytes(folder.File(u"to.txt"), "old");
    ASSERT_TRUE(platform::RenameOver(folder.File(u"from.txt"), folder.File(u"to.txt")));
    EXPECT_EQ(ReadBytes(folder.File(u"to.txt")), Bytes("new"));
    EXPECT_FALSE(platform::FileExists(folder.File(u"from.txt")));
}

TEST(Folders, UniqueFilesDoNotCollide)
{
    TempFolder folder;
    const auto a = platform::CreateUniqueFile(folder.Path(), u"~t");
    const auto b = platform::CreateUniqueFile(folder.Path(), u"~t");
    ASSERT_FALSE(a.empty());
    ASSERT_FALSE(b.empty());
    EXPECT_NE(a, b);
    EXPECT_EQ(platform::FileSize(a), 0);
    EXPECT_TRUE(platform::CreateUniqueFile(folder.File(u"missing"), u"~t").empty());
}

TEST(Clock, TickCountAdvances)
{
    const auto start = platform::TickCount();
    platform::SleepMs(20);
    EXPECT_GE(platform::TickCount() - start, 15u);
}

}  // namespace
