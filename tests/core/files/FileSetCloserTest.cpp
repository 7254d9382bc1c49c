#include "core/files/FileSetCloser.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/files/IndexTextFile.h"
#include "platform/Platform.h"
#include "platform/TextCodec.h"
#include "tests/common/TestSupport.h"

namespace {

using testing_support::ReadBytes;
using testing_support::TempFolder;
using testing_support::WriteBytes;

constexpr int FileCount = 12;

// A folder of country files holding "old", and streams that replace each
// with its own number; some streams have their file made on closing.
class FileSetCloserTest : public testing::Test {
protected:
    void SetUp() override
    {
        for (int n = 0; n < FileCount; ++n) {
            paths_.push_back(folder_.File(u"Country" + platform::Utf8ToUtf16(std::to_string(n)) + u".sav"));
            WriteBytes(paths_.back(), "old");
        }
    }
    void TearDown() override { platform::FailWritesAfter(0); }

    std::unique_ptr<CIndexTextFile> Written(int n) const
    {
        auto file = std::make_unique<CIndexTextFile>();
        const auto create = n % 2 == 0 ? CIndexTextFile::Create::Now : CIndexTextFile::Create::OnClose;
        EXPECT_TRUE(file->OpenWrite(paths_[n], create));
        // Large enough that the worker is still writing when more come.
        for (int line = 0; line < 20000; ++line) file->WriteInt32(n);
        return file;
    }
    std::vector<std::uint8_t> Expected(int n) const
    {
        std::string text = "\xEF\xBB\xBF";
        for (int line = 0; line < 20000; ++line) text += std::to_string(n) + "\r\n";
        return {text.begin(), text.end()};
    }
    void ExpectOldContents() const
    {
        for (int n = 0; n < FileCount; ++n) EXPECT_EQ(ReadBytes(paths_[n]), std::vector<std::uint8_t>({'o', 'l', 'd'}));
    }
    void ExpectOnlyOldFiles() const
    {
        ExpectOldContents();
        EXPECT_EQ(platform::ListFolder(folder_.Path()).size(), static_cast<std::size_t>(FileCount));
    }

    TempFolder folder_;
    std::vector<std::u16string> paths_;
};

TEST_F(FileSetCloserTest, EveryStreamIsClosedIntoTheSetInItsOrder)
{
    platform::AtomicFileSet files;
    {
        CFileSetCloser closer(files);
        for (int n = 0; n < FileCount; ++n) closer.Close(Written(n));
        EXPECT_FALSE(closer.HasFailed());
        EXPECT_TRUE(closer.Finish());
    }
    ASSERT_EQ(files.GetCount(), static_cast<std::size_t>(FileCount));
    ExpectOldContents();
    ASSERT_TRUE(files.Commit());
    for (int n = 0; n < FileCount; ++n) EXPECT_EQ(ReadBytes(paths_[n]), Expected(n)) << n;
    EXPECT_EQ(platform::ListFolder(folder_.Path()).size(), static_cast<std::size_t>(FileCount));
}

// Wherever a write fails, the set fails as a whole and, discarded, leaves
// every old file and no temporary one.
TEST_F(FileSetCloserTest, AFailedWriteFailsTheSetAndTheStreamsAfterIt)
{
    for (int failing : {1, 2, 5, 11}) {
        SCOPED_TRACE(failing);
        platform::AtomicFileSet files;
        CFileSetCloser closer(files);
        platform::FailWritesAfter(failing);
        for (int n = 0; n < FileCount; ++n) closer.Close(Written(n));
        EXPECT_FALSE(closer.Finish());
        EXPECT_TRUE(closer.HasFailed());
        platform::FailWritesAfter(0);
        files.Discard();
        ExpectOnlyOldFiles();
    }
}

TEST_F(FileSetCloserTest, AStreamWhoseFileCannotBeMadeFailsTheSet)
{
    platform::AtomicFileSet files;
    CFileSetCloser closer(files);
    closer.Close(Written(0));
    auto lost = std::make_unique<CIndexTextFile>();
    ASSERT_TRUE(lost->OpenWrite(folder_.File(u"no folder\\Country1.sav"), CIndexTextFile::Create::OnClose));
    closer.Close(std::move(lost));
    closer.Close(Written(2));
    EXPECT_FALSE(closer.Finish());
    files.Discard();
    ExpectOnlyOldFiles();
}

TEST_F(FileSetCloserTest, LeftWithoutFinishingItStillClosesWhatWasQueued)
{
    platform::AtomicFileSet files;
    {
        CFileSetCloser closer(files);
        for (int n = 0; n < FileCount; ++n) closer.Close(Written(n));
    }
    EXPECT_EQ(files.GetCount(), static_cast<std::size_t>(FileCount));
    files.Discard();
    ExpectOnlyOldFiles();
}

}  // namespace
