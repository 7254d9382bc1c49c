#include "archive/MireloBig.h"

#include <gtest/gtest.h>

#include <chrono>

#include "archive/PackedData.h"
#include "core/text/Format.h"
#include "tests/archive/ArchiveTestSupport.h"

namespace {

using namespace archive_test;
using testing_support::MessageCapture;
using testing_support::ReadBytes;
using testing_support::TempFolder;
using testing_support::WriteBytes;

Bytes Text(std::string_view s) { return Bytes(s.begin(), s.end()); }

class MireloBigTest : public ::testing::Test {
protected:
    void SetUp() override { LoadTexts(); }

    TempFolder folder;
    std::u16string path = folder.File(u"test.big");
    MessageCapture messages;
    CMireloBig big;

    // A writable archive holding the given entries, closed again.
    void MakeArchive(std::initializer_list<std::pair<std::u16string_view, Bytes>> entries, bool pack = false)
    {
        ASSERT_TRUE(big.Create(path));
        for (const auto& [name, data] : entries) ASSERT_TRUE(big.ImportData(name, data, pack));
        ASSERT_TRUE(big.Close());
    }

    Bytes Entry(std::u16string_view name)
    {
        Bytes data;
        EXPECT_TRUE(big.Read(name, data, true));
        return data;
    }

    void ExpectEntries(std::initializer_list<std::pair<std::u16string_view, Bytes>> entries)
    {
        for (const auto& [name, data] : entries) EXPECT_EQ(Entry(name), data);
    }

    // The archive file replaced by its packed form; returns the packed bytes.
    Bytes PackOnDisk(const std::u16string& file)
    {
        Bytes packed = ReadBytes(file);
        EXPECT_TRUE(Pack(packed));
        WriteBytes(file, packed);
        return packed;
    }

    void ExpectOnlyArchiveInFolder() { EXPECT_TRUE(OtherFiles(folder.Path(), {u"test.big"}).empty()); }

    std::u16string Invalid() const { return Message(u"Database.Big.ErrorInvalid"_tk, {{u"_FILE_NAME", path}}); }
};

TEST_F(MireloBigTest, EmptyArchiveIsSixteenHeaderBytes)
{
    ASSERT_TRUE(big.Create(path));
    EXPECT_FALSE(platform::FileExists(path));  // nothing reaches the disk before Close
    ASSERT_TRUE(big.Close());
    EXPECT_EQ(ReadBytes(path), (Bytes{0x42, 0x49, 0x47, 0x46, 0x10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x10}));
    ExpectOnlyArchiveInFolder();
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(MireloBigTest, OneRawEntryHasTheDocumentedLayout)
{
    MakeArchive({{u"a.txt", Text("hello")}});
    Bytes expected = Text("BIGF");
    expected.insert(expected.end(), {0x35, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0x21, 0, 0, 0, 0x30, 0, 0, 0, 5});
    const Bytes name = Text("a.txt");
    expected.insert(expected.end(), name.begin(), name.end());
    expected.resize(48, 0);
    expected.insert(expected.end(), {'h', 'e', 'l', 'l', 'o'});
    EXPECT_EQ(ReadBytes(path), expected);
}

TEST_F(MireloBigTest, PackedEntryRecordsStoredAndUnpackedSize)
{
    MakeArchive({{u"a.txt", Text("hello")}}, true);
    const Bytes file = ReadBytes(path);
    EXPECT_EQ(file.size(), 60u);
    EXPECT_EQ(BigEndianAt(file, 20), 12u);
    ASSERT_TRUE(big.Open(path, true));
    EXPECT_EQ(big.GetEntry(0).size, 12u);
    EXPECT_EQ(big.GetEntry(0).unpackedSize, 5u);
    EXPECT_EQ(Entry(u"A.TXT"), Text("hello"));
    Bytes raw;
    ASSERT_TRUE(big.ReadEntry(0, raw, false));
    EXPECT_EQ(raw.size(), 12u);
}

TEST_F(MireloBigTest, LastBlockGrowsInPlaceEarlierBlockMovesToFirstFittingGapOrEnd)
{
    MakeArchive({{u"one", Bytes(100, 1)}, {u"two", Bytes(50, 2)}, {u"three", Bytes(40, 3)}, {u"four", Bytes(10, 4)}});
    ASSERT_TRUE(big.Open(path, false));
    const std::uint32_t fourAt = big.GetEntry(3).offset;
    ASSERT_TRUE(big.ImportData(u"four", Bytes(500, 4), false));
    EXPECT_EQ(big.GetEntry(3).offset, fourAt);
    // "two" grows: its own old place counts as free, but nothing fits behind
    // "one" (50 + 0 bytes), so it goes to the end.
    const std::int64_t end = big.GetSize();
    ASSERT_TRUE(big.ImportData(u"two", Bytes(60, 2), false));
    EXPECT_EQ(big.GetEntry(1).offset, end);
    // "one" shrinks to fit the gap that "two" left behind it.
    const std::uint32_t oneEnd = big.GetEntry(0).offset + 100;
    ASSERT_TRUE(big.ImportData(u"three", Bytes(45, 3), false));
    EXPECT_EQ(big.GetEntry(2).offset, oneEnd);
    ASSERT_TRUE(big.Close());
    const auto stored = CheckLayout(ReadBytes(path));
    ASSERT_TRUE(big.Open(path, true));
    ExpectEntries({{u"one", Bytes(100, 1)}, {u"two", Bytes(60, 2)}, {u"three", Bytes(45, 3)}, {u"four", Bytes(500, 4)}});
}

// Badge archives hold thousands of entries: growing one entry by entry, then
// opening it, listing it and extracting one entry take no time to speak of
// (an import that cost more with every entry would take minutes here).
TEST_F(MireloBigTest, TenThousandEntriesGrowOpenListAndExtractQuickly)
{
    constexpr int Count = 10000;
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(big.Create(path));
    for (int k = 0; k < Count; ++k) {
        ASSERT_TRUE(big.ImportData(Format(u"badges\\%05d.tga", k), Bytes(100, static_cast<std::uint8_t>(k)), false));
    }
    ASSERT_TRUE(big.Close());
    CheckLayout(ReadBytes(path));
    ASSERT_TRUE(big.Open(path, true));
    ASSERT_EQ(big.GetCount(), Count);
    for (int k = 0; k < Count; ++k) ASSERT_EQ(big.GetEntry(k).name, "badges\\" + std::string(5 - std::to_string(k).size(), '0') + std::to_string(k) + ".tga");
    const std::u16string dest = folder.File(u"07777.tga");
    ASSERT_TRUE(big.Export(u"BADGES\\07777.TGA", dest));
    EXPECT_EQ(ReadBytes(dest), Bytes(100, static_cast<std::uint8_t>(7777)));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
}

TEST_F(MireloBigTest, ZeroSizeEntrySharingTheLastOffsetDoesNotGrowOverItsNeighbour)
{
    MakeArchive({{u"b", Bytes(20, 7)}, {u"a", Bytes{}}});
    ASSERT_TRUE(big.Open(path, false));
    ASSERT_TRUE(big.Rebuild());  // "a" (empty) now shares its offset with "b"
    ASSERT_EQ(big.GetEntry(0).offset, big.GetEntry(1).offset);
    ASSERT_TRUE(big.ImportData(u"a", Bytes(30, 9), false));
    ASSERT_TRUE(big.Close());
    CheckLayout(ReadBytes(path));
    ASSERT_TRUE(big.Open(path, true));
    ExpectEntries({{u"a", Bytes(30, 9)}, {u"b", Bytes(20, 7)}});
}

TEST_F(MireloBigTest, RebuildSortsByNameIgnoringCaseAndCompacts)
{
    MakeArchive({{u"Zeta", Bytes(33, 1)}, {u"alpha", Bytes(17, 2)}, {u"Beta", Bytes(1, 3)}});
    ASSERT_TRUE(big.Open(path, false));
    ASSERT_TRUE(big.DeleteEntry(u"zeta"));
    ASSERT_TRUE(big.ImportData(u"gamma", Bytes(5, 4), false));
    ASSERT_TRUE(big.Rebuild());
    ASSERT_TRUE(big.Close());
    const Bytes file = ReadBytes(path);
    const auto stored = CheckLayout(file);
    ASSERT_EQ(stored.size(), 3u);
    EXPECT_EQ(stored[0].name, "alpha");
    EXPECT_EQ(stored[1].name, "Beta");
    EXPECT_EQ(stored[2].name, "gamma");
    for (const auto& e : stored) EXPECT_EQ(e.offset % 16, 0u);
    EXPECT_EQ(file.size(), stored[2].offset + 5u);
}

TEST_F(MireloBigTest, RenameRefusesAnExistingNameInOtherCase)
{
    MakeArchive({{u"Badge.tga", Bytes(3, 1)}, {u"other", Bytes(3, 2)}});
    ASSERT_TRUE(big.Open(path, false));
    EXPECT_FALSE(big.RenameEntry(u"badge.tga", u"BADGE.TGA"));
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0],
              Message(u"Database.Big.ErrorNameExists"_tk, {{u"_SOURCE_FILE", u"Badge.tga"}, {u"_DEST_FILE", u"BADGE.TGA"}}));
    ASSERT_TRUE(big.RenameEntry(u"other", u"Renamed"));
    ASSERT_TRUE(big.Close());
    ASSERT_TRUE(big.Open(path, true));
    EXPECT_EQ(big.FindIndex(u"renamed"), 1);
    EXPECT_EQ(big.FindIndex(u"other"), -1);
}

TEST_F(MireloBigTest, PackingRefusalsLeaveTheDirectoryAsItWasWithoutMessage)
{
    MakeArchive({{u"x", Text("xxxxxxxxxxxxxxxxxxxx")}});
    const Bytes before = ReadBytes(path);
    const std::u16string emptyFile = folder.File(u"empty.bin");
    const std::u16string packedFile = folder.File(u"packed.bin");
    WriteBytes(emptyFile, Bytes{});
    WriteBytes(packedFile, Bytes{0x10, 0xFB, 0, 0, 1, 0xFD, 'a'});
    ASSERT_TRUE(big.Open(path, false));
    EXPECT_FALSE(big.ImportFile(u"empty", emptyFile, true));
    EXPECT_FALSE(big.ImportFile(u"x", packedFile, true));
    EXPECT_FALSE(big.UnpackEntry(0));  // raw already
    EXPECT_EQ(big.GetCount(), 1);
    ASSERT_TRUE(big.Close());
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ(ReadBytes(path), before);
    // Raw, both are fine; an entry then packs and unpacks in place.
    ASSERT_TRUE(big.Open(path, false));
    ASSERT_TRUE(big.ImportFile(u"empty", emptyFile, false));
    ASSERT_TRUE(big.PackEntry(u"x"));
    EXPECT_GT(big.GetEntry(u"x").unpackedSize, 0u);
    EXPECT_FALSE(big.PackEntry(u"x"));
    ASSERT_TRUE(big.UnpackEntry(u"x"));
    EXPECT_EQ(big.GetEntry(u"x").unpackedSize, 0u);
    ASSERT_TRUE(big.Close());
    ASSERT_TRUE(big.Open(path, true));
    EXPECT_EQ(Entry(u"x"), Text("xxxxxxxxxxxxxxxxxxxx"));
    EXPECT_EQ(big.GetEntry(u"empty").size, 0u);
}

TEST_F(MireloBigTest, PackedArchiveOpenedAndClosedUnchangedStaysByteIdentical)
{
    MakeArchive({{u"a", Bytes(3000, 'a')}, {u"b", Text("bee")}});
    const Bytes packed = PackOnDisk(path);
    for (bool readOnly : {true, false}) {
        ASSERT_TRUE(big.Open(path, readOnly));
        EXPECT_EQ(big.IsReadOnly(), readOnly);
        EXPECT_EQ(Entry(u"a"), Bytes(3000, 'a'));
        ASSERT_TRUE(big.Close());
        EXPECT_EQ(ReadBytes(path), packed);
        ExpectOnlyArchiveInFolder();
    }
    // Changed, it is written back packed.
    ASSERT_TRUE(big.Open(path, false));
    ASSERT_TRUE(big.ImportData(u"c", Text("sea"), false));
    ASSERT_TRUE(big.Close());
    Bytes file = ReadBytes(path);
    ASSERT_TRUE(IsPacked(file));
    ASSERT_TRUE(Unpack(file));
    CheckLayout(file);
    ASSERT_TRUE(big.Open(path, true));
    ExpectEntries({{u"c", Text("sea")}, {u"b", Text("bee")}});
}

TEST_F(MireloBigTest, PackedArchiveGrownTooLargeToPackIsCommittedUnpacked)
{
    MakeArchive({{u"small", Text("small")}});
    PackOnDisk(path);
    ASSERT_TRUE(big.Open(path, false));
    ASSERT_TRUE(big.ImportData(u"large", Bytes(CMireloBig::PackLimit, 'L'), true));
    EXPECT_EQ(big.GetEntry(u"large").unpackedSize, 0u);  // too large to pack: stored raw
    ASSERT_TRUE(big.Close());
    const Bytes file = ReadBytes(path);
    EXPECT_FALSE(IsPacked(file));
    CheckLayout(file);
    ASSERT_TRUE(big.Open(path, true));
    EXPECT_EQ(Entry(u"small"), Text("small"));
    EXPECT_EQ(Entry(u"large").size(), CMireloBig::PackLimit);
    ExpectOnlyArchiveInFolder();
}

TEST_F(MireloBigTest, ForeignArchivesWithBigEndianSizeOffsetZeroRecordsAndGapsOpen)
{
    // p and q with offset zero (p right after the directory, q behind p), r
    // at an explicit offset after a gap; the size field big-endian.
    const std::uint32_t rAt = 16 + 3 * 10 + 15;
    Bytes file = Text("BIGF");
    for (std::uint32_t v : {rAt + 4, 3u, 16u + 3 * 10 + 3}) PutBigEndian(file, v);
    const std::pair<char, std::uint32_t> records[] = {{'p', 0}, {'q', 0}, {'r', rAt}};
    for (const auto& [name, offset] : records) {
        PutBigEndian(file, offset);
        PutBigEndian(file, 4);
        file.insert(file.end(), {static_cast<std::uint8_t>(name), 0});
    }
    for (auto byte : Text("PPPPQQQQ--gap--RRRR")) file.push_back(byte);
    WriteBytes(path, file);
    ASSERT_TRUE(big.Open(path, true));
    ExpectEntries({{u"p", Text("PPPP")}, {u"q", Text("QQQQ")}, {u"r", Text("RRRR")}});
    // Two foreign archives written once by a BIG writer of another make.
    const std::pair<std::u16string, std::u16string> foreign[] = {{u"foreign_gaps.big", u"sub\\b"},
                                                                 {u"foreign_zero_offsets.big", u"b"}};
    for (const auto& [name, second] : foreign) {
        ASSERT_TRUE(big.Open(testing_support::SourcePath(u"fuzz\\corpus\\mirelo_big\\" + name), true));
        ExpectEntries({{u"a", Text("hello")}, {second, Text("world!!")}});
    }
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(MireloBigTest, DamagedArchivesAreReportedAsInvalidAndLeaveNothingBehind)
{
    MakeArchive({{u"a.txt", Text("hello")}});
    const Bytes good = ReadBytes(path);
    auto with = [&](std::size_t at, std::initializer_list<std::uint8_t> bytes) {
        Bytes b = good;
        std::copy(bytes.begin(), bytes.end(), b.begin() + at);
        return b;
    };
    Bytes noZero = good;
    noZero.resize(16 + 8);
    noZero.insert(noZero.end(), 300, 'n');
    Bytes badPacked = {0x10, 0xFB, 0, 1, 0, 0xFC};
    badPacked.resize(40, 0);
    const Bytes damaged[] = {
        Text("BIGF"),                                  // shorter than a header
        with(0, {'b'}),                                // magic is case-sensitive
        with(12, {0, 0, 1, 0}),                        // header length beyond the file
        with(8, {0x7F, 0xFF, 0xFF, 0xFF}),             // absurd count
        with(16, {0xFF, 0xFF, 0xFF, 0xF0, 0, 0, 0, 0x20}),  // offset + size wraps in 32 bits
        with(20, {0, 0, 0, 6}),                        // block beyond the end
        noZero,                                        // name without its zero byte
        badPacked,                                     // packed whole, but does not unpack
    };
    for (const Bytes& bytes : damaged) {
        WriteBytes(path, bytes);
        messages.Clear();
        EXPECT_FALSE(big.Open(path, false));
        ASSERT_EQ(messages.Messages().size(), 1u);
        EXPECT_EQ(messages.Messages()[0], Invalid());
        EXPECT_EQ(big.GetErrorText(), messages.Messages()[0]);
        EXPECT_FALSE(big.IsOpen());
        EXPECT_EQ(ReadBytes(path), bytes);
        ExpectOnlyArchiveInFolder();
    }
}

TEST_F(MireloBigTest, DamagedPackedEntryFailsExportAndReadWithMessageDestinationUntouched)
{
    const Bytes broken = {0x10, 0xFB, 0, 0, 9, 0xFD, 'a'};
    ASSERT_TRUE(big.Create(path));
    ASSERT_TRUE(big.ImportData(u"bad", broken, false));
    ASSERT_TRUE(big.ImportData(u"tiny", Text("t"), true));
    ASSERT_TRUE(big.Close());
    ASSERT_TRUE(big.Open(path, true));
    const std::u16string dest = folder.File(u"out.sav");
    WriteBytes(dest, Text("live data"));
    EXPECT_FALSE(big.Export(u"bad", dest));
    EXPECT_EQ(ReadBytes(dest), Text("live data"));
    Bytes data;
    EXPECT_FALSE(big.Read(u"bad", data, true));
    EXPECT_TRUE(data.empty());
    EXPECT_EQ(big.GetErrorText(), Invalid());
    EXPECT_EQ(messages.Messages().size(), 2u);
    // A packed file of one byte is seven bytes stored and comes back as one.
    ASSERT_TRUE(big.Export(u"tiny", dest));
    EXPECT_EQ(ReadBytes(dest), Text("t"));
    EXPECT_TRUE(OtherFiles(folder.Path(), {u"test.big", u"out.sav"}).empty());
}

TEST_F(MireloBigTest, ClosedReadOnlyAndSilentArchivesReportAsDocumented)
{
    EXPECT_FALSE(big.ImportData(u"a", Text("a"), false));
    EXPECT_EQ(big.GetCount(), 0);
    EXPECT_EQ(big.FindIndex(u"a"), -1);
    EXPECT_EQ(messages.Messages(), (std::vector<std::u16string>{Message(u"Database.Big.ErrorNotOpen"_tk),
                                                                 Message(u"Database.Big.ErrorNotOpen"_tk)}));
    messages.Clear();
    MakeArchive({{u"a", Text("a")}});
    const Bytes before = ReadBytes(path);
    ASSERT_TRUE(big.Open(path, true));
    const TokenList file = {{u"_FILE_NAME", path}};
    for (bool refused : {big.ImportData(u"b", Text("b"), false), big.DeleteEntry(0), big.RenameEntry(0, u"c"),
                         big.PackEntry(0), big.Rebuild()}) EXPECT_FALSE(refused);
    EXPECT_EQ(messages.Messages(), std::vector<std::u16string>(5, Message(u"Database.Big.ErrorReadOnly"_tk, file)));
    EXPECT_FALSE(big.GetEntry(u"missing").size);
    EXPECT_EQ(big.GetErrorText(), Message(u"Database.Big.ErrorNotInList"_tk, {{u"_FILE_NAME", u"missing"}}));
    ASSERT_TRUE(big.Close());
    EXPECT_EQ(ReadBytes(path), before);
    messages.Clear();
    big.silent = true;
    EXPECT_FALSE(big.Open(folder.File(u"absent.big"), true));
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ(big.GetErrorText(), Message(u"Database.Big.ErrorOpen"_tk, {{u"_FILE_NAME", folder.File(u"absent.big")}}));
    ASSERT_TRUE(big.Open(path, true));
    EXPECT_TRUE(big.GetErrorText().empty());
}

TEST_F(MireloBigTest, FailedCreateOrUncommittedChangesKeepTheEarlierFile)
{
    MakeArchive({{u"keep", Text("kept")}});
    const Bytes before = ReadBytes(path);
    ASSERT_TRUE(big.Create(path));
    ASSERT_TRUE(big.ImportData(u"new", Text("n"), false));
    EXPECT_EQ(ReadBytes(path), before);
    platform::FailWritesAfter(1);
    EXPECT_FALSE(big.Close());
    platform::FailWritesAfter(0);
    EXPECT_EQ(ReadBytes(path), before);
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0], Message(u"Database.Big.ErrorWrite"_tk, {{u"_FILE_NAME", path}}));
    ExpectOnlyArchiveInFolder();
}

// Every write from the n-th on fails: the operation reports once, returns
// false, and the archive file does not change.
TEST_F(MireloBigTest, InjectedWriteFailuresLeaveTheArchiveByteIdentical)
{
    MakeArchive({{u"a", Bytes(70, 1)}, {u"b", Bytes(5000, 2)}, {u"c", Bytes(9, 3)}});
    const Bytes before = ReadBytes(path);
    using Step = std::function<bool(CMireloBig&)>;
    const std::pair<const char*, Step> steps[] = {
        {"import new", [](CMireloBig& b) { return b.ImportData(u"a longer new name", Bytes(300, 4), false); }},
        {"import grows last", [](CMireloBig& b) { return b.ImportData(u"c", Bytes(900, 5), true); }},
        {"import moves", [](CMireloBig& b) { return b.ImportData(u"a", Bytes(7000, 6), false); }},
        {"rebuild", [](CMireloBig& b) { return b.Rebuild(); }},
        {"close", [](CMireloBig& b) { return b.DeleteEntry(0) && b.Close(); }},
    };
    for (const auto& [label, step] : steps) {
        for (int failAt = 1; failAt <= 6; ++failAt) {
            SCOPED_TRACE(std::string(label) + " failing write " + std::to_string(failAt));
            messages.Clear();
            ASSERT_TRUE(big.Open(path, false));
            platform::FailWritesAfter(failAt);
            const bool ok = step(big);
            platform::FailWritesAfter(0);
            if (ok) break;  // the step needs fewer writes
            EXPECT_EQ(messages.Messages().size(), 1u);
            EXPECT_TRUE(big.Close() || big.IsOpen() == false);
            EXPECT_EQ(ReadBytes(path), before);
            ExpectOnlyArchiveInFolder();
            ASSERT_TRUE(big.Open(path, true));
            EXPECT_EQ(Entry(u"b"), Bytes(5000, 2));
            ASSERT_TRUE(big.Close());
        }
        big.Close();
        WriteBytes(path, before);
    }
}

TEST_F(MireloBigTest, ExportReplacesTheDestinationAndImportFileReadsItBack)
{
    const std::u16string source = folder.File(u"source.txt");
    WriteBytes(source, Text("some text that packs some text that packs"));
    ASSERT_TRUE(big.Create(path));
    ASSERT_TRUE(big.ImportFile(u"dir\\source.txt", source, true));
    EXPECT_FALSE(big.ImportFile(u"x", folder.File(u"missing.txt"), true));
    EXPECT_EQ(big.GetErrorText(), Message(u"Database.Big.ErrorOpen"_tk, {{u"_FILE_NAME", folder.File(u"missing.txt")}}));
    ASSERT_TRUE(big.Close());
    ASSERT_TRUE(big.Open(path, true));
    const std::u16string dest = folder.File(u"copy.txt");
    WriteBytes(dest, Text("old content that is longer than the new one, by far, really"));
    ASSERT_TRUE(big.Export(u"DIR\\SOURCE.TXT", dest));
    EXPECT_EQ(ReadBytes(dest), ReadBytes(source));
    EXPECT_FALSE(big.Export(u"nothing", dest));
    EXPECT_EQ(big.GetErrorText(), Message(u"Database.Big.ErrorNotInList"_tk, {{u"_FILE_NAME", u"nothing"}}));
}

TEST_F(MireloBigTest, WorksInANonAsciiFolderWithCodePageEntryNames)
{
    const std::u16string sub = folder.File(u"Archiv \u00C4\u00FC \u017C\u0142");
    ASSERT_TRUE(platform::CreateFolders(sub));
    const std::u16string archive = platform::JoinPath(sub, u"\u00DCbersicht.big");
    const std::u16string name = u"Spieler\\M\u00FCller \u00E9t\u00E9.txt";
    ASSERT_TRUE(big.Create(archive));
    ASSERT_TRUE(big.ImportData(name, Text("Mueller"), true));
    ASSERT_TRUE(big.Close());
    PackOnDisk(archive);
    ASSERT_TRUE(big.Open(archive, false));
    EXPECT_EQ(big.GetEntry(0).name, "Spieler\\M\xFCller \xE9t\xE9.txt");
    ASSERT_TRUE(big.ImportData(u"SPIELER\\M\u00FCLLER \u00E9T\u00E9.TXT", Text("replaced"), false));
    EXPECT_EQ(big.GetCount(), 1);  // same name: only the ASCII letters differ in case
    ASSERT_TRUE(big.Close());
    ASSERT_TRUE(big.Open(archive, true));
    EXPECT_EQ(Entry(name), Text("replaced"));
    const std::u16string dest = platform::JoinPath(sub, u"\u00E9crit.txt");
    ASSERT_TRUE(big.ExportFile(0, dest));
    EXPECT_EQ(ReadBytes(dest), Text("replaced"));
    EXPECT_TRUE(messages.Messages().empty());
}

}  // namespace
