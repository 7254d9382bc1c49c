// FSH containers: exact bytes of what we write, commits that keep every
// image, hostile files, and the golden containers in tests/archive/data/fsh.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>

#include "archive/Fsh.h"
#include "archive/PackedData.h"
#include "core/text/Format.h"
#include "tests/archive/ArchiveTestSupport.h"

namespace {

using archive_test::Bytes;
using testing_support::ReadBytes;
using testing_support::TempFolder;
using testing_support::WriteBytes;

struct Recorder {
    std::vector<std::u16string> texts;
    void Attach(CMireloFsh& fsh)
    {
        fsh.messageCallback = [this](const std::u16string& text, int) { texts.push_back(text); };
    }
};

void MakeImage(CMireloFshImage& image, const char* name, std::uint8_t type, Bytes pixels, std::uint16_t w, std::uint16_t h)
{
    image.Reset();
    image.SetName(name);
    image.SetPixels(type, std::move(pixels), w, h, false);
}

Bytes Slice(const Bytes& b, std::size_t at, std::size_t n) { return Bytes(b.begin() + at, b.begin() + at + n); }

Bytes Unpacked(const Bytes& file)
{
    Bytes out;
    EXPECT_TRUE(Unpack(file, out));
    return out;
}

class FshTest : public ::testing::Test {
protected:
    TempFolder folder;
    std::u16string path = folder.File(u"t.fsh");
    Recorder messages;
    CMireloFsh fsh;
    void SetUp() override { messages.Attach(fsh); }

    // Queues one image of the given type and pixels.
    void Add(const char* name, Bytes pixels, std::uint16_t w = 1, std::uint16_t h = 1, std::uint8_t type = 0x7D)
    {
        CMireloFshImage image;
        MakeImage(image, name, type, std::move(pixels), w, h);
        fsh.AddImage(image);
    }
};

TEST_F(FshTest, CreatesCommitsAndPacksOneImage)
{
    ASSERT_TRUE(fsh.Open(path, CMireloFsh::Create));
    EXPECT_EQ(ReadBytes(path), Bytes({0x53, 0x48, 0x50, 0x49, 0x10, 0, 0, 0, 0, 0, 0, 0, 0x47, 0x49, 0x4D, 0x58}));
    Add("abcd", {1, 2, 3, 4});
    ASSERT_TRUE(fsh.Flush());
    const Bytes file = ReadBytes(path);
    ASSERT_EQ(file.size(), 1104u);
    EXPECT_EQ(archive_test::LittleEndianAt(file, 4), 64u);
    EXPECT_EQ(Slice(file, 16, 8), Bytes({0x61, 0x62, 0x63, 0x64, 0x20, 0, 0, 0}));
    EXPECT_EQ(Slice(file, 32, 24), Bytes({0x7D, 0x14, 0, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 3, 4, 0, 0, 0, 0}));
    EXPECT_EQ(Slice(file, 64, 16), Bytes({0x2A, 0, 0, 0, 0, 1, 1, 0, 0, 1, 0, 0, 0, 0, 0, 0}));
    for (std::size_t at = 80; at < file.size(); at += 4) ASSERT_EQ(Slice(file, at, 4), Bytes({0, 0, 0, 0xFF}));

    ASSERT_TRUE(fsh.Close());
    const Bytes packed = ReadBytes(path);
    EXPECT_EQ(Slice(packed, 0, 2), Bytes({0x10, 0xFB}));
    EXPECT_EQ(Unpacked(packed), file);
    ASSERT_TRUE(fsh.Open(path));
    CMireloFshImage back;
    ASSERT_TRUE(fsh.GetImage(back, "ABCD"));
    EXPECT_EQ(back.GetData(), Bytes({1, 2, 3, 4}));
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(FshTest, CommitSortsNamesAndKeepsPalettesTextsAndPackedRecords)
{
    ASSERT_TRUE(fsh.Open(path, CMireloFsh::Create));
    CMireloFshImage image;
    MakeImage(image, "zz", 0x7B, Bytes(64, 7), 8, 8);
    image.SetPalette(0x2A, Bytes(16 * 4, 9), 16, false);
    image.SetPacked(true);
    image.SetPalettePacked(true);
    fsh.AddImage(image);
    Add("Aa", Bytes(3 * 4, 5), 2, 2, 0x7F);
    ASSERT_TRUE(fsh.Close());
    // A text record behind the palette of "zz", written by another tool.
    Bytes file = Unpacked(ReadBytes(path));
    EXPECT_EQ(archive_test::LittleEndianAt(file, 20), 48u);  // two images: the first at 48
    const std::uint32_t zz = archive_test::LittleEndianAt(file, 28);
    EXPECT_EQ(file[zz], 0xFB);
    const std::uint32_t palette = zz + (file[zz + 1] | file[zz + 2] << 8);
    ASSERT_EQ(file[palette], 0xAA);
    const std::uint32_t text = palette + (file[palette + 1] | file[palette + 2] << 8);
    ASSERT_LE(text + 12, archive_test::LittleEndianAt(file, 4));
    const Bytes record = {0x6F, 0, 0, 0, 3, 0, 0, 0, 'h', 'e', 'y'};
    std::copy(record.begin(), record.end(), file.begin() + text);
    WriteBytes(path, file);
    ASSERT_TRUE(fsh.Open(path));

    Add("mid", Bytes(4, 1));
    fsh.DeleteImage("aa");
    ASSERT_TRUE(fsh.Load());
    ASSERT_EQ(fsh.GetCount(), 2);
    EXPECT_STREQ(fsh.GetDirEntry(0)->name, "mid");
    CMireloFshImage back;
    ASSERT_TRUE(fsh.GetImage(back, "zz"));
    EXPECT_EQ(back.GetData(), Bytes(64, 7));
    EXPECT_EQ(back.GetPaletteData(), Bytes(64, 9));
    EXPECT_TRUE(back.IsPacked() && back.IsPalettePacked());
    EXPECT_EQ(back.GetText(), "hey");
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(FshTest, ReadingOnlyLeavesTheFileAndRenameKeepsItsForm)
{
    ASSERT_TRUE(fsh.Open(path, CMireloFsh::Create));
    Add("abcd", {1, 2, 3, 4});
    ASSERT_TRUE(fsh.Flush());
    const Bytes unpacked = ReadBytes(path);
    ASSERT_TRUE(fsh.Close());
    const Bytes packed = ReadBytes(path);

    // Read only: byte-identical after Close.
    ASSERT_TRUE(fsh.Open(path));
    Bytes raw;
    EXPECT_TRUE(fsh.ReadImage(0, raw));
    ASSERT_TRUE(fsh.Close());
    EXPECT_EQ(ReadBytes(path), packed);

    // Packed: the rename is saved by packing the container back.
    ASSERT_TRUE(fsh.Open(path));
    ASSERT_TRUE(fsh.RenameImage("abcd", "wxyz"));
    ASSERT_TRUE(fsh.Close());
    const Bytes repacked = ReadBytes(path);
    EXPECT_EQ(Slice(repacked, 0, 2), Bytes({0x10, 0xFB}));
    ASSERT_TRUE(fsh.Open(path));
    EXPECT_EQ(fsh.FindImage("WXYZ"), 0);
    ASSERT_TRUE(fsh.Close());

    // Unpacked: renamed in place, only the four name bytes change.
    WriteBytes(path, unpacked);
    ASSERT_TRUE(fsh.Open(path));
    ASSERT_TRUE(fsh.RenameImage(0, "q"));
    ASSERT_TRUE(fsh.Close());
    Bytes expected = unpacked;
    std::copy_n("q\0\0\0", 4, expected.begin() + 16);
    EXPECT_EQ(ReadBytes(path), expected);
}

TEST_F(FshTest, RefusesTakenNamesAndDropsAdditionsWithoutData)
{
    ASSERT_TRUE(fsh.Open(path, CMireloFsh::Create));
    for (const char* name : {"one", "two"}) Add(name, Bytes(4, 1));
    fsh.AddData("none", {});
    ASSERT_TRUE(fsh.Load());
    EXPECT_EQ(messages.texts, std::vector<std::u16string>{u"Queued item none has no data"});
    EXPECT_EQ(fsh.GetCount(), 2);
    EXPECT_FALSE(fsh.RenameImage("one", "TWO"));
    EXPECT_TRUE(fsh.RenameImage("one", "ONE"));
}

TEST_F(FshTest, AnIndexedImageWithoutItsPaletteIsRefusedWithAMessage)
{
    ASSERT_TRUE(fsh.Open(path, CMireloFsh::Create));
    Add("good", Bytes(4, 1));
    CMireloFshImage bare;
    MakeImage(bare, "bare", 0x7B, Bytes(4, 1), 2, 2);
    ASSERT_TRUE(bare.HasPalette());
    EXPECT_FALSE(CMireloFsh::CanStore(bare));
    fsh.AddImage(bare);
    EXPECT_EQ(messages.texts, std::vector<std::u16string>{u"bare has no pixel data or no palette and is not stored"});
    ASSERT_TRUE(fsh.Close());
    CMireloFsh back;
    ASSERT_TRUE(back.Open(path));
    ASSERT_TRUE(back.Load());
    EXPECT_EQ(back.GetCount(), 1);
    EXPECT_EQ(back.FindImage("good"), 0);
}

// Images whose records could be written but never read back as they were:
// a palette of no entries, whose record then has no size to read it by,
// pixel data beyond what a record's size field measures that its
// dimensions do not give either, and data or types the reader refuses.
// Data of that length that the dimensions do give is stored, and so is a
// palette of more bytes than its entries need.
TEST_F(FshTest, ImagesWhoseRecordsCouldNotBeReadBackAreRefusedWithAMessage)
{
    constexpr std::size_t Large = 0xFFFFF0;  // with its header, one more than a size field holds
    const std::u16string tooLarge = u" has 16 MB of pixel data or more, which its dimensions do not give, and is not stored";
    struct Case {
        const char* name;
        std::uint8_t type;
        std::size_t pixels;
        std::uint16_t width;
        std::uint16_t height;
        std::uint8_t paletteType;
        std::size_t paletteBytes;
        std::uint16_t entries;
        bool packed;
        std::u16string message;
    };
    const Case cases[] = {
        {"pal0", 0x7B, 4, 2, 2, 0x2A, 16, 0, false, u"pal0 has a palette of 0 entries and is not stored"},
        {"pak0", 0x7B, 4, 2, 2, 0x2A, 16, 0, true, u"pak0 has a palette of 0 entries and is not stored"},
        {"big0", 0x7D, Large, 0, 0, 0, 0, 0, false, u"big0" + tooLarge},
        {"bigw", 0x7B, Large + 1, 4000, 4000, 0x2A, 16, 4, false, u"bigw" + tooLarge},
        {"few", 0x7B, 4, 2, 2, 0x2A, 16, 5, false, u"few has fewer palette bytes than its entries need and is not stored"},
        {"less", 0x7D, 12, 2, 2, 0, 0, 0, false, u"less has less pixel data than its size needs and is not stored"},
        {"type", 0x11, 4, 1, 1, 0, 0, 0, false, u"type has an unsupported type and is not stored"},
        {"ptyp", 0x7B, 4, 2, 2, 0x11, 16, 4, false, u"ptyp has an unsupported type and is not stored"},
        {"full", 0x7B, std::size_t{4096} * 4096, 4096, 4096, 0x2A, 16, 4, false, u""},
        {"more", 0x7B, 4, 2, 2, 0x2A, 20, 4, false, u""},
    };
    ASSERT_TRUE(fsh.Open(path, CMireloFsh::Create));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        messages.texts.clear();
        CMireloFshImage image;
        MakeImage(image, c.name, c.type, Bytes(c.pixels, 3), c.width, c.height);
        if (image.HasPalette()) image.SetPalette(c.paletteType, Bytes(c.paletteBytes, 1), c.entries, c.packed);
        EXPECT_EQ(CMireloFsh::CanStore(image), c.message.empty());
        fsh.AddImage(image);
        EXPECT_EQ(messages.texts, c.message.empty() ? std::vector<std::u16string>{} : std::vector<std::u16string>{c.message});
    }
    ASSERT_TRUE(fsh.Load());
    ASSERT_EQ(fsh.GetCount(), 2);
    CMireloFshImage back;
    ASSERT_TRUE(fsh.GetImage(back, "full"));
    EXPECT_EQ(back.GetData().size(), std::size_t{4096} * 4096);
    EXPECT_EQ(back.GetPaletteCount(), 4);
    ASSERT_TRUE(fsh.GetImage(back, "more"));
    EXPECT_EQ(back.GetPaletteData(), Bytes(20, 1));
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(FshTest, ReplacingInPlaceOrByCommit)
{
    ASSERT_TRUE(fsh.Open(path, CMireloFsh::Create));
    Add("img", Bytes(16, 1), 2, 2);
    ASSERT_TRUE(fsh.Load());
    const std::uint32_t offset = fsh.GetDirEntry(0)->offset;
    Add("img", Bytes(4, 2));  // fits its room: written at once
    EXPECT_EQ(ReadBytes(path)[offset + 16], 2);
    Add("img", Bytes(64, 3), 4, 4);  // larger: placed by the next commit
    CMireloFshImage back;
    ASSERT_TRUE(fsh.GetImage(back, "img"));
    EXPECT_EQ(back.GetData(), Bytes(64, 3));
}

TEST_F(FshTest, FailedCloseLeavesTheFileAndMissingFilesAreNamed)
{
    ASSERT_TRUE(fsh.Open(path, CMireloFsh::Create));
    Add("one", Bytes(4, 1));
    ASSERT_TRUE(fsh.Close());
    const Bytes before = ReadBytes(path);
    ASSERT_TRUE(fsh.Open(path));
    Add("two", Bytes(4, 2));
    platform::FailWritesAfter(1);
    EXPECT_FALSE(fsh.Close());
    platform::FailWritesAfter(0);
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_EQ(messages.texts.size(), 1u);

    archive_test::LoadTexts();
    testing_support::MessageCapture capture;
    CMireloFsh silent;
    const std::u16string missing = folder.File(u"missing.fsh");
    EXPECT_FALSE(silent.Open(missing));
    ASSERT_EQ(capture.Messages().size(), 1u);
    EXPECT_EQ(capture.Messages()[0], archive_test::Message(u"Dialog.FileNotFound"_tk, {{u"_FILE_NAME", platform::MakeAbsolute(missing)}}));
}

Bytes Header(std::uint32_t total, std::int32_t count)
{
    Bytes b = {'S', 'H', 'P', 'I'};
    for (std::uint32_t v : {total, static_cast<std::uint32_t>(count)})
        for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    b.insert(b.end(), {'G', 'I', 'M', 'X'});
    return b;
}

TEST_F(FshTest, HostileFilesFailCleanly)
{
    Bytes huge = Header(16, 0x7FFFFFFF);
    Bytes badOffset = Header(32, 1);
    badOffset.insert(badOffset.end(), {'a', 0, 0, 0, 0xFF, 0, 0, 0});
    Bytes shortData = Header(48, 1);
    shortData.insert(shortData.end(), {'a', 0, 0, 0, 32, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    shortData.insert(shortData.end(), {0x7D, 0, 0, 0, 0xFF, 0x7F, 0xFF, 0x7F, 0, 0, 0, 0, 0, 0, 0, 0});
    Bytes badPacked = {0x10, 0xFB, 0, 0, 40, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    const struct { const char* what; Bytes file; bool opens; } cases[] = {
        {"short", {'S', 'H', 'P', 'I'}, false},
        {"magic", {'S', 'H', 'P', 'X', 16, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, false},
        {"negative count", Header(16, -1), false},
        {"count beyond the file", huge, false},
        {"offset beyond the file", badOffset, false},
        {"data shorter than its size", shortData, true},
        {"damaged packed file", badPacked, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteBytes(path, c.file);
        messages.texts.clear();
        EXPECT_EQ(fsh.Open(path), c.opens);
        EXPECT_EQ(messages.texts.empty(), c.opens);
        for (int i = 0; i < fsh.GetCount(); ++i) {
            CMireloFshImage image;
            Bytes raw;
            EXPECT_FALSE(fsh.GetImage(image, i));
            fsh.ReadImage(i, raw);
        }
        if (fsh.GetCount()) fsh.DeleteImage(0);
        EXPECT_TRUE(fsh.Close());
    }
}

void PutLittle32(Bytes& b, std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// A container of one image "a" at 32: its record header and data, the
// header's total set to total (0: the file's length).
Bytes OneImage(Bytes record, std::uint32_t total = 0)
{
    Bytes file = Header(0, 1);
    file.insert(file.end(), {'a', 0, 0, 0, 32, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    file.insert(file.end(), record.begin(), record.end());
    PutLittle32(file, 4, total ? total : static_cast<std::uint32_t>(file.size()));
    return file;
}

Bytes RecordHeader(std::uint8_t type, std::uint32_t block, std::uint16_t w, std::uint16_t h)
{
    return {type, static_cast<std::uint8_t>(block), static_cast<std::uint8_t>(block >> 8), static_cast<std::uint8_t>(block >> 16),
            static_cast<std::uint8_t>(w), static_cast<std::uint8_t>(w >> 8), static_cast<std::uint8_t>(h), static_cast<std::uint8_t>(h >> 8),
            0, 0, 0, 0, 0, 0, 0, 0};
}

TEST_F(FshTest, SizesThatWouldWrapIn32BitsAreRefused)
{
    const struct { std::uint8_t type; std::uint16_t w, h; } sizes[] = {
        {0x7D, 32768, 32768}, {0x6D, 65535, 32769}, {0x7F, 65535, 21846}};
    for (const auto& size : sizes) {
        for (const std::uint32_t block : {0u, 32u}) {
            SCOPED_TRACE(testing::Message() << int{size.type} << " block " << block);
            Bytes record = RecordHeader(size.type, block, size.w, size.h);
            record.insert(record.end(), 16, 0x5A);
            const Bytes file = OneImage(record);
            ASSERT_EQ(file.size(), 64u);
            WriteBytes(path, file);
            messages.texts.clear();
            ASSERT_TRUE(fsh.Open(path));
            CMireloFshImage image;
            EXPECT_FALSE(fsh.GetImage(image, 0));
            EXPECT_EQ(messages.texts, std::vector<std::u16string>{Format(u"a has an unsupported type (%d)", size.type)});
            EXPECT_TRUE(image.GetData().empty());
            EXPECT_TRUE(fsh.Close());
            EXPECT_EQ(ReadBytes(path), file);
        }
    }
}

TEST_F(FshTest, ADirectoryLargerThanTheFileIsNotAValidFile)
{
    Bytes file = Header(64, 0x7FFFFFFF);
    file.resize(64, 0x7B);
    WriteBytes(path, file);
    EXPECT_FALSE(fsh.Open(path));
    EXPECT_EQ(messages.texts, std::vector<std::u16string>{Format(u"%s is not a valid FSH file or has an unsupported format", path)});
    EXPECT_FALSE(fsh.IsOpen());
}

TEST_F(FshTest, AHeaderTotalBelowTheImagesIsTakenAsTheFileLength)
{
    Bytes record = RecordHeader(0x7D, 0, 2, 2);
    for (std::uint8_t k = 1; k <= 16; ++k) record.push_back(k);
    WriteBytes(path, OneImage(record, 16));
    ASSERT_TRUE(fsh.Open(path));
    EXPECT_EQ(fsh.GetTotalSize(), 64u);
    EXPECT_EQ(fsh.GetImageSize("a", CMireloFsh::Room), 32u);
    Add("b", {9, 8, 7, 6});
    ASSERT_TRUE(fsh.Close());

    const Bytes saved = Unpacked(ReadBytes(path));
    const std::uint32_t total = archive_test::LittleEndianAt(saved, 4);
    // Behind the images only the container's default palette record.
    EXPECT_EQ(total, saved.size() - 1040);
    EXPECT_EQ(Slice(saved, total, 4), Bytes({0x2A, 0, 0, 0}));
    ASSERT_TRUE(fsh.Open(path));
    CMireloFshImage a, b;
    ASSERT_TRUE(fsh.GetImage(a, "a"));
    ASSERT_TRUE(fsh.GetImage(b, "b"));
    EXPECT_EQ(a.GetData(), Slice(record, 16, 16));
    EXPECT_EQ(b.GetData(), Bytes({9, 8, 7, 6}));
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(FshTest, AnEntryPointingIntoAnotherImageLeavesBothIntact)
{
    // "b" begins inside the data of "a": a's last 16 data bytes are b's
    // record header, b's four data bytes follow a.
    Bytes record = RecordHeader(0x7D, 0, 2, 4);
    for (std::uint8_t k = 1; k <= 16; ++k) record.push_back(k);
    const Bytes inner = RecordHeader(0x7D, 0, 1, 1);
    record.insert(record.end(), inner.begin(), inner.end());
    record.insert(record.end(), {0xB1, 0xB2, 0xB3, 0xB4});
    Bytes file = OneImage(record);
    file[8] = 2;
    file.insert(file.begin() + 24, {'b', 0, 0, 0, 64, 0, 0, 0});
    file.erase(file.begin() + 32, file.begin() + 40);
    PutLittle32(file, 4, static_cast<std::uint32_t>(file.size()));
    WriteBytes(path, file);

    ASSERT_TRUE(fsh.Open(path));
    CMireloFshImage a, b;
    ASSERT_TRUE(fsh.GetImage(a, "a"));
    const Bytes aData = a.GetData();
    ASSERT_EQ(aData.size(), 32u);
    // Small enough for a's room, but b lies in it: placed by the commit instead.
    Add("c", {5, 5, 5, 5});
    ASSERT_TRUE(fsh.Close());

    ASSERT_TRUE(fsh.Open(path));
    ASSERT_EQ(fsh.GetCount(), 3);
    ASSERT_TRUE(fsh.GetImage(a, "a"));
    ASSERT_TRUE(fsh.GetImage(b, "b"));
    EXPECT_EQ(a.GetData(), aData);
    EXPECT_EQ(b.GetData(), Bytes({0xB1, 0xB2, 0xB3, 0xB4}));

    CMireloFshImage small;
    MakeImage(small, "a", 0x7D, {1, 1, 1, 1}, 1, 1);
    fsh.AddImage(small);
    ASSERT_TRUE(fsh.GetImage(b, "b"));
    EXPECT_EQ(b.GetData(), Bytes({0xB1, 0xB2, 0xB3, 0xB4}));
    ASSERT_TRUE(fsh.GetImage(a, "a"));
    EXPECT_EQ(a.GetData(), Bytes({1, 1, 1, 1}));
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(FshTest, APackedRecordWithoutBlockSizeKeepsItsStreamAndTheTrailingBlock)
{
    // 8 × 4 pixels: four literals, then 124 bytes from four back, in 15
    // bytes of stream; its raw size would reach past the trailing block.
    Bytes record = RecordHeader(0xFD, 0, 8, 4);
    record.insert(record.end(), {0x10, 0xFB, 0, 0, 128, 0xE0, 1, 2, 3, 4, 0xC0, 0x00, 0x03, 119, 0xFC});
    record.resize(48, 0);
    Bytes file = OneImage(record);
    file.insert(file.end(), {'T', 'R', 'A', 'L'});
    WriteBytes(path, file);
    ASSERT_TRUE(fsh.Open(path));
    EXPECT_EQ(fsh.GetTotalSize(), 80u);
    Add("b", {9, 8, 7, 6});
    ASSERT_TRUE(fsh.Close());

    const Bytes saved = Unpacked(ReadBytes(path));
    EXPECT_EQ(Slice(saved, saved.size() - 4, 4), Bytes({'T', 'R', 'A', 'L'}));
    EXPECT_EQ(archive_test::LittleEndianAt(saved, 4), saved.size() - 4);
    ASSERT_TRUE(fsh.Open(path));
    CMireloFshImage a;
    ASSERT_TRUE(fsh.GetImage(a, "a"));
    Bytes pixels;
    for (int k = 0; k < 32; ++k) pixels.insert(pixels.end(), {1, 2, 3, 4});
    EXPECT_EQ(a.GetData(), pixels);
    EXPECT_TRUE(a.IsPacked());
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(FshTest, UnpackBufferTakesEitherHeaderAndWarnsOnABadLength)
{
    std::vector<std::pair<std::u16string, int>> levels;
    fsh.messageCallback = [&](const std::u16string& text, int level) { levels.emplace_back(text, level); };
    const struct { const char* what; Bytes stream; Bytes expected; } cases[] = {
        {"five-byte header", {0x10, 0xFB, 0, 0, 3, 0xFF, 'x', 'y', 'z'}, {'x', 'y', 'z'}},
        {"eight-byte header", {0x11, 0xFB, 0, 0, 8, 0xAA, 0xBB, 0xCC, 0x0B, 0x02, 'a', 'b', 'c', 0xFC}, {'a', 'b', 'c', 'a', 'b', 'c', 'a', 'b'}},
        {"magic not tested", {0x01, 0x00, 0, 0, 4, 0xEE, 0xEE, 0xEE, 0xE0, 1, 2, 3, 4, 0xFC}, {1, 2, 3, 4}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes out;
        ASSERT_TRUE(fsh.UnpackBuffer(c.stream, out));
        EXPECT_EQ(out, c.expected);
    }
    EXPECT_TRUE(levels.empty());

    Bytes out;
    ASSERT_TRUE(fsh.UnpackBuffer(Bytes{0x10, 0xFB, 0, 0, 16}, out));
    EXPECT_EQ(out, Bytes(16, 0));
    ASSERT_EQ(levels.size(), 1u);
    EXPECT_EQ(levels[0].first, u"Warning: bad length ? 0 instead of 16\n");
    EXPECT_EQ(levels[0].second, 1);

    // A stream that breaks off keeps what it produced.
    levels.clear();
    ASSERT_TRUE(fsh.UnpackBuffer(Bytes{0x10, 0xFB, 0, 0, 6, 0xE0, 1, 2, 3, 4, 0x3F, 0}, out));
    EXPECT_EQ(out, Bytes({1, 2, 3, 4, 0, 0}));
    ASSERT_EQ(levels.size(), 1u);
    EXPECT_EQ(levels[0].first, u"Warning: bad length ? 4 instead of 6\n");
    EXPECT_FALSE(fsh.UnpackBuffer(Bytes{0x11, 0xFB, 0, 0, 1, 0}, out));
}

// One image of every pixel type, palettes of several types, some packed.
std::vector<std::unique_ptr<CMireloFshImage>> SeveralImages()
{
    std::vector<std::unique_ptr<CMireloFshImage>> images;
    const struct { const char* name; std::uint8_t type, paletteType; bool packed; } kinds[] = {
        {"p8", 0x7B, 0x2A, true}, {"p4", 0x7A, 0x24, false}, {"rgba", 0x7D, 0, true}, {"r565", 0x78, 0, false},
        {"a444", 0x6D, 0, false}, {"a155", 0x7E, 0, false}, {"rgb", 0x7F, 0, true}};
    for (const auto& kind : kinds) {
        auto image = std::make_unique<CMireloFshImage>();
        Bytes pixels(CMireloFshImage::PixelDataSize(kind.type, 6, 5));
        for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<std::uint8_t>(i * 37 % 16);
        MakeImage(*image, kind.name, kind.type, pixels, 6, 5);
        image->SetPacked(kind.packed);
        if (kind.paletteType) {
            Bytes palette(16 * CMireloFshImage::PaletteEntrySize(kind.paletteType));
            for (std::size_t i = 0; i < palette.size(); ++i) palette[i] = static_cast<std::uint8_t>(i * 11);
            image->SetPalette(kind.paletteType, palette, 16, kind.packed);
        }
        images.push_back(std::move(image));
    }
    return images;
}

TEST_F(FshTest, ContainersOfSeveralTypesMatchTheGoldenFiles)
{
    const auto images = SeveralImages();
    ASSERT_TRUE(fsh.Open(path, CMireloFsh::Create));
    for (const auto& image : images) fsh.AddImage(*image);
    ASSERT_TRUE(fsh.Flush());
    const Bytes unpacked = ReadBytes(path);
    ASSERT_TRUE(fsh.Close());
    const Bytes packed = ReadBytes(path);
    const std::u16string folderPath = testing_support::SourcePath(u"tests\\archive\\data\\fsh");
    if (std::getenv("TR_WRITE_GOLDEN")) {
        WriteBytes(folderPath + u"\\several.fsh", unpacked);
        WriteBytes(folderPath + u"\\packed.fsh", packed);
    }
    EXPECT_EQ(unpacked, ReadBytes(folderPath + u"\\several.fsh"));
    EXPECT_EQ(packed, ReadBytes(folderPath + u"\\packed.fsh"));

    ASSERT_TRUE(fsh.Open(folderPath + u"\\packed.fsh"));
    ASSERT_EQ(fsh.GetCount(), 7);
    for (const auto& image : images) {
        SCOPED_TRACE(image->GetName());
        CMireloFshImage back;
        ASSERT_TRUE(fsh.GetImage(back, image->GetName()));
        EXPECT_EQ(back.GetType(), image->GetType());
        EXPECT_EQ(back.GetData(), image->GetData());
        EXPECT_EQ(back.GetPaletteData(), image->GetPaletteData());
        EXPECT_EQ(back.IsPacked(), image->IsPacked());
    }
}

}  // namespace
