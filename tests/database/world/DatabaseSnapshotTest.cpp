#include "database/world/DatabaseSnapshot.h"

#include <gtest/gtest.h>

#include <thread>

#include "tests/database/AllocationCounter.h"
#include "archive/BigDirectory.h"
#include "archive/MireloBig.h"
#include "archive/PackedData.h"
#include "core/text/TextManager.h"
#include "core/text/TextTools.h"
#include "platform/Platform.h"
#include "tests/common/TestSupport.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using testing_support::MessageCapture;
using testing_support::ReadBytes;
using testing_support::TempFolder;
using testing_support::WriteBytes;

std::u16string Message(TextKey key, TokenList tokens = {})
{
    return ReplaceTokens(CTextManager::Instance()->GetText(key), tokens);
}

// Stands in for the progress dialog: runs the work on a thread of its own
// and records what the work told it.
class RecordingProgress : public ILongtimeProgress {
public:
    struct Record {
        std::vector<std::u16string> captions, lines1, lines2;
        std::vector<bool> visible;
        int maximum = -1;
        int position = 0;
        bool cancel = false;
    };
    explicit RecordingProgress(Record& record) : r_(record) {}

    void SetCaption(std::u16string_view text) override { r_.captions.emplace_back(text); }
    void SetLine1(std::u16string_view text) override { r_.lines1.emplace_back(text); }
    void SetLine2(std::u16string_view text) override { r_.lines2.emplace_back(text); }
    void SetVisible(bool visible) override { r_.visible.push_back(visible); }
    void SetCancelAllowed(bool) override {}
    void SetRange(int, int maximum) override { r_.maximum = maximum; }
    void SetPos(int position) override { r_.position = position; }
    int GetPos() const override { return r_.position; }
    bool IsCancelRequested() const override { return r_.cancel; }
    int RunModal(const std::function<void()>& work) override
    {
        std::thread worker(work);
        worker.join();
        return 1;
    }

private:
    Record& r_;
};

class DatabaseSnapshotTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CTextManager::Instance()->LoadFile(
            testing_support::SourcePath(u"data\\trdata\\DatabaseEditor.txt").c_str()));
        previousBase_ = platform::GetBaseFolder();
        platform::SetBaseFolder(source.Path());
    }
    void TearDown() override { platform::SetBaseFolder(previousBase_); }

    // Every listed file below base, in folders named as the program names
    // them; one missing, one empty, one of one byte, one too large to pack.
    static void FillBase(const std::u16string& base, unsigned salt, bool withLarge = true)
    {
        ASSERT_TRUE(platform::CreateFolders(platform::JoinPath(base, u"Database")));
        ASSERT_TRUE(platform::CreateFolders(platform::JoinPath(base, u"Script")));
        const auto& list = CDatabaseSnapshot::GetFileList();
        for (std::size_t k = 0; k < list.size(); ++k) {
            if (k == MissingIndex) continue;
            std::string content = "%INDEX%FILE " + std::to_string(k * salt) + "\r\nName=" +
                                  testing_support::Narrow(list[k]) + "\r\n%INDEXEND%FILE\r\n";
            if (k == EmptyIndex) content.clear();
            if (k == OneByteIndex) content = "1";
            if (k == LargeIndex && withLarge) content.assign(0xF00000 + 7, static_cast<char>('a' + salt % 20));
            WriteBytes(platform::JoinPath(base, DiskName(list[k])), content);
        }
    }

    static std::u16string DiskName(std::u16string name)
    {
        if (name.starts_with(u"database\\")) name.replace(0, 8, u"Database");
        if (name.starts_with(u"script\\")) name.replace(0, 6, u"Script");
        return name;
    }

    // Every listed file below base (empty for a missing one), and how many
    // entries its two folders hold.
    static std::pair<std::vector<Bytes>, std::size_t> ReadBase(const std::u16string& base)
    {
        std::vector<Bytes> files;
        for (const std::u16string& entry : CDatabaseSnapshot::GetFileList()) {
            const std::u16string path = platform::JoinPath(base, DiskName(entry));
            files.push_back(platform::FileExists(path) ? ReadBytes(path) : Bytes());
        }
        return {files, platform::ListFolder(platform::JoinPath(base, u"Database")).size() +
                           platform::ListFolder(platform::JoinPath(base, u"Script")).size()};
    }

    CDatabaseSnapshot MakeSnapshot() { return CDatabaseSnapshot(std::make_unique<RecordingProgress>(progress), Save()); }

    CDatabaseSnapshot::SaveStep Save()
    {
        return [this] {
            ++saves;
            return saveSucceeds;
        };
    }

    static constexpr std::size_t MissingIndex = 7, EmptyIndex = 3, OneByteIndex = 225, LargeIndex = 208;
    TempFolder source;
    TempFolder other;
    MessageCapture messages;
    RecordingProgress::Record progress;
    int saves = 0;
    bool saveSucceeds = true;

private:
    std::u16string previousBase_;
};

TEST_F(DatabaseSnapshotTest, CreateThenRestoreGivesEveryListedFileBackByteIdentical)
{
    FillBase(source.Path(), 1);
    const std::u16string archive = source.File(u"snap.dbs");
    CDatabaseSnapshot create = MakeSnapshot();
    EXPECT_TRUE(create.Create(archive));
    EXPECT_TRUE(create.HasSucceeded());
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(progress.visible, (std::vector<bool>{false, true}));
    EXPECT_EQ(progress.captions.back(), Message(u"Assistant.DatabaseSnapshot.CreateTitle"_tk));
    EXPECT_EQ(progress.maximum, 252);
    EXPECT_EQ(progress.lines2.size(), 252u);
    const auto& list = CDatabaseSnapshot::GetFileList();
    const std::u16string missing = platform::JoinPath(source.Path(), list[MissingIndex]);
    EXPECT_EQ(messages.Messages(),
              std::vector<std::u16string>{Message(u"Database.Big.ErrorOpen"_tk, {{u"_FILE_NAME", missing}})});

    CMireloBig big;
    ASSERT_TRUE(big.Open(archive, true));
    ASSERT_EQ(big.GetCount(), 251);
    for (int k = 0, entry = 0; k < 252; ++k) {
        if (k == static_cast<int>(MissingIndex)) continue;
        EXPECT_EQ(big.GetEntry(entry++).name, testing_support::Narrow(list[k]));
    }
    EXPECT_EQ(big.GetEntry(list[LargeIndex]).unpackedSize, 0u);
    EXPECT_EQ(big.GetEntry(list[LargeIndex]).size, 0xF00000u + 7);
    EXPECT_EQ(big.GetEntry(list[EmptyIndex]).size, 0u);
    EXPECT_GT(big.GetEntry(list[OneByteIndex]).unpackedSize, 0u);
    big.Close();

    // A second snapshot of the same files is the same archive.
    const std::u16string again = source.File(u"again.dbs");
    MakeSnapshot().Create(again);
    EXPECT_TRUE(ReadBytes(again) == ReadBytes(archive));

    // Restoring into a base full of other files brings back every stored
    // file and leaves the missing one alone.
    FillBase(other.Path(), 3);
    WriteBytes(platform::JoinPath(other.Path(), DiskName(list[MissingIndex])), std::string("stays"));
    platform::SetBaseFolder(other.Path());
    messages.Clear();
    CDatabaseSnapshot restore = MakeSnapshot();
    restore.Restore(archive);
    EXPECT_TRUE(restore.HasSucceeded());
    EXPECT_EQ(messages.Messages(),
              std::vector<std::u16string>{Message(u"Assistant.DatabaseSnapshot.EntriesMissing"_tk,
                                                  {{u"_FILE_NAME", archive}, {u"_NAMES", u"\n" + list[MissingIndex]}})});
    for (std::size_t k = 0; k < list.size(); ++k) {
        if (k == MissingIndex) continue;
        ASSERT_TRUE(ReadBytes(platform::JoinPath(other.Path(), DiskName(list[k]))) ==
                    ReadBytes(platform::JoinPath(source.Path(), DiskName(list[k]))))
            << testing_support::Narrow(list[k]);
    }
    EXPECT_TRUE(ReadBytes(platform::JoinPath(other.Path(), DiskName(list[MissingIndex]))) ==
                testing_support::Bytes("stays"));
}

TEST_F(DatabaseSnapshotTest, DamagedEntryMakesTheRestoreWriteNothing)
{
    FillBase(source.Path(), 1);
    const std::u16string archive = source.File(u"snap.dbs");
    MakeSnapshot().Create(archive);
    const auto& list = CDatabaseSnapshot::GetFileList();
    {
        // The last entry's packed header announces one byte too many.
        CMireloBig big;
        ASSERT_TRUE(big.Open(archive, false));
        Bytes block;
        ASSERT_TRUE(big.ReadEntry(big.FindIndex(list.back()), block, false));
        ASSERT_TRUE(IsPacked(block));
        block[4] = static_cast<std::uint8_t>(block[4] + 1);
        ASSERT_TRUE(big.ImportData(list.back(), block, false));
        ASSERT_TRUE(big.Close());
    }
    FillBase(other.Path(), 3);
    platform::SetBaseFolder(other.Path());
    messages.Clear();
    const auto before = ReadBase(other.Path());
    CDatabaseSnapshot restore = MakeSnapshot();
    restore.Restore(archive);
    EXPECT_FALSE(restore.HasSucceeded());
    EXPECT_EQ(ReadBase(other.Path()), before);
    EXPECT_EQ(messages.Messages(),
              std::vector<std::u16string>{Message(
                  u"Assistant.DatabaseSnapshot.EntriesDamaged"_tk,
                  {{u"_FILE_NAME", archive}, {u"_NAMES", u"\n" + list.back() + u"\n" + list[MissingIndex]}})});
}

TEST_F(DatabaseSnapshotTest, NonArchiveIsReportedInvalidThenNotFound)
{
    const std::u16string archive = source.File(u"not-an-archive.dbs");
    WriteBytes(archive, std::string("this is no archive at all"));
    CDatabaseSnapshot restore = MakeSnapshot();
    restore.Restore(archive);
    EXPECT_FALSE(restore.HasSucceeded());
    ASSERT_EQ(messages.Messages().size(), 2u);
    EXPECT_EQ(messages.Messages()[0], Message(u"Database.Big.ErrorInvalid"_tk, {{u"_FILE_NAME", archive}}));
    EXPECT_EQ(messages.Messages()[1], Message(u"Dialog.FileNotFound"_tk, {{u"_FILE_NAME", archive}}));
}

TEST_F(DatabaseSnapshotTest, SaveRunsEvenWhenTheArchiveCannotBeCreated)
{
    const std::u16string archive = source.File(u"no such folder\\snap.dbs");
    CDatabaseSnapshot create = MakeSnapshot();
    create.Create(archive);
    EXPECT_EQ(saves, 1);
    EXPECT_FALSE(create.HasSucceeded());
    EXPECT_EQ(messages.Messages(),
              std::vector<std::u16string>{Message(u"Database.Big.ErrorCreate"_tk, {{u"_FILE_NAME", archive}})});
}

TEST_F(DatabaseSnapshotTest, FailedSaveFailsTheSnapshotAndKeepsTheEarlierOne)
{
    FillBase(source.Path(), 1);
    const std::u16string archive = source.File(u"snap.dbs");
    WriteBytes(archive, std::string("earlier snapshot"));
    saveSucceeds = false;
    CDatabaseSnapshot create = MakeSnapshot();
    EXPECT_FALSE(create.Create(archive));
    EXPECT_EQ(saves, 1);
    EXPECT_TRUE(ReadBytes(archive) == testing_support::Bytes("earlier snapshot"));
}

TEST_F(DatabaseSnapshotTest, CancelledOrFailedCreateKeepsTheEarlierSnapshot)
{
    FillBase(source.Path(), 1);
    const std::u16string archive = source.File(u"snap.dbs");
    WriteBytes(archive, std::string("earlier snapshot"));
    progress.cancel = true;
    CDatabaseSnapshot cancelled = MakeSnapshot();
    EXPECT_FALSE(cancelled.Create(archive));
    EXPECT_FALSE(cancelled.HasSucceeded());
    EXPECT_TRUE(ReadBytes(archive) == testing_support::Bytes("earlier snapshot"));

    progress.cancel = false;
    platform::FailWritesAfter(40);
    CDatabaseSnapshot failed = MakeSnapshot();
    EXPECT_FALSE(failed.Create(archive));
    platform::FailWritesAfter(0);
    EXPECT_FALSE(failed.HasSucceeded());
    EXPECT_TRUE(ReadBytes(archive) == testing_support::Bytes("earlier snapshot"));
    EXPECT_EQ(platform::ListFolder(source.Path()).size(), 3u);  // Database, Script, snap.dbs
}

}  // namespace

namespace {

TEST_F(DatabaseSnapshotTest, ShippedWorkingFolderSnapshotsWithoutAMessage)
{
    platform::SetBaseFolder(testing_support::SourcePath(u"data"));
    const std::u16string archive = source.File(u"sample.dbs");
    CDatabaseSnapshot create = MakeSnapshot();
    create.Create(archive);
    EXPECT_TRUE(create.HasSucceeded());
    EXPECT_TRUE(messages.Messages().empty()) << testing_support::Narrow(messages.Messages().front());
    CMireloBig big;
    ASSERT_TRUE(big.Open(archive, true));
    EXPECT_EQ(big.GetCount(), 252);
}

// A restore fails at each of its writes in turn: all files stay old, with
// one message, until the first run without a failure makes all of them new.
// Four shards take every fourth write each.
class RestoreFaultTest : public DatabaseSnapshotTest, public testing::WithParamInterface<int> {};

TEST_P(RestoreFaultTest, ARestoreFailingAtAnyWriteChangesNothing)
{
    constexpr int Shards = 4;
    platform::SkipDiskWaits(true);
    FillBase(source.Path(), 1, false);
    const std::u16string archive = source.File(u"snap.dbs");
    MakeSnapshot().Create(archive);
    FillBase(other.Path(), 3, false);
    platform::SetBaseFolder(other.Path());
    const auto before = ReadBase(other.Path());
    for (int n = 1 + GetParam();; n += Shards) {
        messages.Clear();
        platform::FailWritesAfter(n);
        CDatabaseSnapshot restore = MakeSnapshot();
        restore.Restore(archive);
        platform::FailWritesAfter(0);
        if (restore.HasSucceeded()) {
            EXPECT_EQ(ReadBase(other.Path()), ReadBase(source.Path()));
            EXPECT_GT(n, 240);
            break;
        }
        ASSERT_EQ(ReadBase(other.Path()), before) << "failure at write " << n;
        ASSERT_EQ(messages.Messages().size(), 1u) << n;
    }
    platform::SkipDiskWaits(false);
}

INSTANTIATE_TEST_SUITE_P(EveryWrite, RestoreFaultTest, testing::Range(0, 4));

// 209 entries share one packed block of 16 MiB: the archive is small, the
// files it restores are not, and memory holds one of them at a time.
TEST_F(DatabaseSnapshotTest, EntriesSharingOneLargeBlockRestoreOneAtATime)
{
    Bytes block(packed_data::MaxUnpackedSize, 'x');
    ASSERT_TRUE(Pack(block));
    const auto& list = CDatabaseSnapshot::GetFileList();
    std::vector<BigEntry> entries(209);
    for (std::size_t k = 0; k < entries.size(); ++k) entries[k].name = testing_support::Narrow(list[k]);
    const std::uint32_t start = big_directory::PaddedEnd(entries);
    for (BigEntry& entry : entries) {
        entry.offset = start;
        entry.size = static_cast<std::uint32_t>(block.size());
    }
    Bytes bytes = big_directory::Build(entries, start + static_cast<std::uint32_t>(block.size()));
    bytes.insert(bytes.end(), block.begin(), block.end());
    EXPECT_LT(bytes.size(), 80u * 1024);
    const std::u16string archive = source.File(u"shared.dbs");
    testing_support::WriteBytes(archive, bytes);
    ASSERT_TRUE(platform::CreateFolders(other.File(u"Database")));
    platform::SetBaseFolder(other.Path());
    platform::SkipDiskWaits(true);
    allocation_counter::ResetPeak();
    const std::size_t held = allocation_counter::Peak();
    CDatabaseSnapshot restore = MakeSnapshot();
    restore.Restore(archive);
    EXPECT_LT(allocation_counter::Peak() - held, 100u << 20);
    platform::SkipDiskWaits(false);
    EXPECT_TRUE(restore.HasSucceeded());
    EXPECT_EQ(platform::FileSize(other.File(u"Database\\Country99.sav")), static_cast<std::int64_t>(packed_data::MaxUnpackedSize));
    EXPECT_EQ(messages.Messages().size(), 1u);
    platform::RemoveTree(other.File(u"Database"));
}

TEST_F(DatabaseSnapshotTest, ARestoreWithMostEntriesMissingListsThemInOneMessage)
{
    const auto& list = CDatabaseSnapshot::GetFileList();
    const std::u16string archive = source.File(u"few.dbs");
    {
        CMireloBig big;
        ASSERT_TRUE(big.Create(archive));
        ASSERT_TRUE(big.ImportData(list[2], testing_support::Bytes("one"), false));
        ASSERT_TRUE(big.ImportData(list[230], testing_support::Bytes("two"), false));
        ASSERT_TRUE(big.Close());
    }
    FillBase(other.Path(), 3, false);
    platform::SetBaseFolder(other.Path());
    CDatabaseSnapshot restore = MakeSnapshot();
    restore.Restore(archive);
    EXPECT_TRUE(restore.HasSucceeded());
    ASSERT_EQ(messages.Messages().size(), 1u);
    const std::u16string& message = messages.Messages()[0];
    EXPECT_EQ(std::count(message.begin(), message.end(), u'\n'), 250);
    EXPECT_NE(message.find(list[251]), std::u16string::npos);
    EXPECT_EQ(message.find(list[230]), std::u16string::npos);
    EXPECT_TRUE(ReadBytes(platform::JoinPath(other.Path(), DiskName(list[230]))) == testing_support::Bytes("two"));
}

}  // namespace
