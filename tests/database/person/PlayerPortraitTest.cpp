#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "archive/MireloBig.h"
#include "archive/PackedData.h"
#include "database/club/Club.h"
#include "database/person/PlayerPortrait.h"
#include "platform/Platform.h"
#include "tests/common/TestSupport.h"

namespace {

// Works in a scratch folder as the program's working folder, with an
// archive of the given picture names.
class PortraitSearch : public testing::Test {
protected:
    void SetUp() override { previous = platform::GetBaseFolder(); platform::SetBaseFolder(folder.Path()); }
    void TearDown() override { platform::SetBaseFolder(previous); }
    void MakeArchive(const std::vector<std::u16string>& names)
    {
        CMireloBig archive;
        archive.silent = true;
        ASSERT_TRUE(archive.Create(folder.File(u"art_02.big")));
        const std::uint8_t byte = 1;
        for (const auto& name : names) ASSERT_TRUE(archive.ImportData(name, {&byte, 1}, false));
        ASSERT_TRUE(archive.Close());
        ASSERT_TRUE(index.Build(folder.File(u"art_02.big")));
    }
    static void MakeFile(std::u16string_view relative, const testing_support::TempFolder& base)
    {
        std::u16string path = base.Path() + u"\\" + std::u16string(relative);
        for (auto& c : path) c = c == u'/' ? u'\\' : c;
        platform::CreateFolders(platform::FolderOf(path));
        testing_support::WriteBytes(path, "x");
    }
    testing_support::TempFolder folder;
    std::u16string previous;
    CPortraitArchiveIndex index;
};

const TPortraitPerson Edo{u"\u00C9do Varn", u"Varn", u"Edouard", TDate(1974, 7, 6), 0};
const TPortraitPerson Kaeller{u"", u"K\u00E4ller", u"Jonas", TDate(), 0};

}  // namespace

TEST(PortraitFold, MatchesUnicodeBaseLettersExceptTheKeptOnes)
{
    const auto bytes = testing_support::ReadBytes(testing_support::SourcePath(u"tests\\database\\golden\\latin1_fold.txt"));
    std::istringstream golden(std::string(bytes.begin(), bytes.end()));
    const std::set<int> kept = {198, 199, 208, 215, 216, 222, 223, 230, 240, 247, 248, 254};
    std::set<int> differing;
    std::string line;
    int code = 0, base = 0;
    while (std::getline(golden, line)) {
        if (std::sscanf(line.c_str(), "%d %d", &code, &base) == 2 && FoldPortraitChar(static_cast<char16_t>(code)) != base)
            differing.insert(code);
    }
    EXPECT_EQ(differing, kept);
    EXPECT_EQ(FoldPortraitChar(199), u'A');
    EXPECT_EQ(FoldPortraitChar(0), 0);
    EXPECT_EQ(FoldPortraitChar(7), u' ');
    EXPECT_EQ(FoldPortraitChar(0x1E9E & 0xFF), 0x9E);
}

TEST_F(PortraitSearch, NamesAndFoldedFileNames)
{
    EXPECT_EQ(GetPlayerPortraitPath(Edo, false, index), u"EdoVarn06071974.tga");
    EXPECT_EQ(GetPlayerPortraitPath(Kaeller, false, index), u"KallerJo.tga");
    EXPECT_EQ(GetPlayerPortraitPath(Edo, true, index), u"");
    MakeFile(u"user/picture/\u00C9doVarn06071974.tga", folder);
    EXPECT_EQ(GetPlayerPortraitPath(Edo, true, index), u"user/picture/\u00C9doVarn06071974.tga");
}

TEST_F(PortraitSearch, CandidatesInOrderOneFileAtATime)
{
    TPortraitPerson person = Edo;
    person.pseudonym.clear();
    person.lastName = u"Varn";
    person.firstName = u"Edo";
    person.pictureId = 12;
    const std::u16string order[] = {u"user/picture/VarnEd06071974.tga", u"user/picture/VarnEd.tga",
                                    u"art/picture/emp-12.tpi",           u"art/picture/emp-12.tga",
                                    u"art/picture/VarnEd06071974.tpi",   u"art/picture/VarnEd06071974.tga",
                                    u"art/picture/VarnEd.tpi",           u"art/picture/VarnEd.tga"};
    for (const std::u16string& only : order) {
        testing_support::TempFolder scratch;
        platform::SetBaseFolder(scratch.Path());
        MakeFile(only, scratch);
        std::u16string expected = only;
        if (only == u"art/picture/VarnEd06071974.tga") expected = u"art\\picture\\VarnEd06071974.tga";
        EXPECT_EQ(GetPlayerPortraitPath(person, true, index), expected);
    }
}

TEST_F(PortraitSearch, ArchivePicturesGetBackslashes)
{
    MakeArchive({u"art\\picture\\x.tga", u"ART\\Picture\\EdoVarn.TGA", u"art\\other\\y.tga"});
    EXPECT_EQ(index.GetCount(), 2u);
    std::u16string path = u"art/picture/x.tga";
    EXPECT_TRUE(PortraitFileExists(path, index));
    EXPECT_EQ(path, u"art\\picture\\x.tga");
    std::u16string user = u"user/picture/x.tga";
    EXPECT_FALSE(PortraitFileExists(user, index));
    std::u16string other = u"art/picture/y.tga";
    EXPECT_FALSE(PortraitFileExists(other, index));
    EXPECT_EQ(GetPlayerPortraitPath(Edo, true, index), u"art\\picture\\EdoVarn.tga");
}

TEST_F(PortraitSearch, IndexHoldsAtMost16384NamesAndSurvivesDamage)
{
    std::vector<std::u16string> names;
    for (int i = 0; i < 16500; ++i) {
        const std::string name = "art\\picture\\p" + std::to_string(i) + ".tga";
        names.emplace_back(name.begin(), name.end());
    }
    MakeArchive(names);
    EXPECT_EQ(index.GetCount(), 16384u);
    testing_support::WriteBytes(folder.File(u"art_02.big"), "BIGF damaged");
    EXPECT_FALSE(index.Build(folder.File(u"art_02.big")));
    EXPECT_EQ(index.GetCount(), 0u);
}

// Pictures only in the archive, found by picture id, name and birth date in
// the same order as on disk, the archive's case ignored; a picture on disk
// comes before the archive's and keeps its slashes.
TEST_F(PortraitSearch, ArchiveCandidatesInOrderOnePictureAtATime)
{
    TPortraitPerson person{u"", u"Varn", u"Edo", TDate(1974, 7, 6), 12};
    const std::u16string order[] = {u"art\\picture\\emp-12.tpi",         u"art\\picture\\emp-12.tga",
                                    u"art\\picture\\VarnEd06071974.tpi", u"art\\picture\\VarnEd06071974.tga",
                                    u"art\\picture\\VarnEd.tpi",         u"art\\picture\\VarnEd.tga"};
    for (const std::u16string& only : order) {
        std::u16string stored = only;
        std::transform(stored.begin(), stored.end(), stored.begin(),
                       [](char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c; });
        MakeArchive({u"art\\picture\\other.tga", stored});
        EXPECT_EQ(GetPlayerPortraitPath(person, true, index), only);
    }
    MakeArchive(std::vector<std::u16string>(std::rbegin(order), std::rend(order)));
    EXPECT_EQ(GetPlayerPortraitPath(person, true, index), order[0]);
    MakeFile(u"art/picture/emp-12.tpi", folder);
    EXPECT_EQ(GetPlayerPortraitPath(person, true, index), u"art/picture/emp-12.tpi");
    MakeFile(u"user/picture/VarnEd.tga", folder);
    EXPECT_EQ(GetPlayerPortraitPath(person, true, index), u"user/picture/VarnEd.tga");
    person.pictureId = 0;
    person.birthDate = TDate();
    person.lastName = u"Nobody";
    EXPECT_EQ(GetPlayerPortraitPath(person, true, index), u"");
}

// A damaged picture archive leaves the index empty without a message box
// and without touching the file; pictures on disk are still found. A whole
// archive packed as one is read like an unpacked one.
TEST_F(PortraitSearch, DamagedArchivesLeaveTheIndexEmptyAndTheFileAsItWas)
{
    MakeArchive({u"art\\picture\\VarnEd06071974.tga"});
    const std::u16string path = folder.File(u"art_02.big");
    const std::vector<std::uint8_t> good = testing_support::ReadBytes(path);
    std::vector<std::uint8_t> packed = good;
    ASSERT_TRUE(Pack(packed));
    ASSERT_GT(good.size(), 24u);
    auto with = [&](std::size_t at, std::vector<std::uint8_t> bytes) {
        std::vector<std::uint8_t> changed = good;
        std::copy(bytes.begin(), bytes.end(), changed.begin() + static_cast<std::ptrdiff_t>(at));
        return changed;
    };
    std::vector<std::uint8_t> damagedPacked = packed;
    damagedPacked.resize(damagedPacked.size() / 2);
    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
        bool opens;
    };
    const Case cases[] = {
        {"the archive as written", good, true},
        {"packed whole", packed, true},
        {"empty", {}, false},
        {"not an archive", testing_support::Bytes("GIF89a picture"), false},
        {"header cut", std::vector<std::uint8_t>(good.begin(), good.begin() + 10), false},
        {"absurd entry count", with(8, {0x7F, 0xFF, 0xFF, 0xFF}), false},
        {"block beyond the end", with(20, {0x7F, 0, 0, 0}), false},
        {"directory cut", std::vector<std::uint8_t>(good.begin(), good.begin() + 24), false},
        {"packed whole and cut", damagedPacked, false},
    };
    const TPortraitPerson person{u"", u"Varn", u"Edo", TDate(1974, 7, 6), 0};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testing_support::WriteBytes(path, c.bytes);
        testing_support::MessageCapture messages;
        EXPECT_EQ(index.Build(path), c.opens);
        EXPECT_EQ(index.GetCount(), c.opens ? 1u : 0u);
        EXPECT_EQ(GetPlayerPortraitPath(person, true, index), c.opens ? u"art\\picture\\VarnEd06071974.tga" : u"");
        EXPECT_TRUE(messages.Messages().empty());
        EXPECT_EQ(testing_support::ReadBytes(path), c.bytes);
    }
    platform::RemoveFile(path);
    EXPECT_FALSE(index.Build(path));
    MakeFile(u"art/picture/VarnEd.tga", folder);
    EXPECT_EQ(GetPlayerPortraitPath(person, true, index), u"art/picture/VarnEd.tga");
}

TEST(PortraitPixels, PremultipliesAndBoundsSizes)
{
    std::uint8_t pixels[8] = {200, 100, 50, 128, 10, 20, 30, 255};
    PremultiplyAlpha(pixels, 2);
    const std::uint8_t expected[8] = {100, 50, 25, 128, 10, 20, 30, 255};
    EXPECT_TRUE(std::equal(pixels, pixels + 8, expected));
    EXPECT_EQ(PortraitBufferBytes(100000, 1), 0u);
    EXPECT_EQ(PortraitBufferBytes(0, 5), 0u);
    EXPECT_EQ(PortraitBufferBytes(4096, 4096), 4096u * 4096u * 4u);
}

TEST_F(PortraitSearch, HeadOptionsWithAndWithoutFaceId)
{
    const TPortraitHead bare{0, 3, 4, 5, 6};
    const TPortraitHead prepared{77, 3, 4, 5, 6};
    EXPECT_EQ(BuildHeadOptions(bare, nullptr), (THeadOptions{0, 3, 4, 5, 6, 0, 0, 0, 0}));
    EXPECT_EQ(BuildHeadOptions(prepared, nullptr), (THeadOptions{77, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(BuildHeadKitBlock(nullptr), TKitBlock{});

    TClub club(0x2A);
    club.SetQaroId(12);
    club.GetKit()->SetColour(0, 0, 7, 0, 0);
    EXPECT_EQ(BuildHeadOptions(prepared, &club), (THeadOptions{77, 0, 0, 0, 0, 0, 0, 12, 0}));
    MakeFile(u"user/kits/0000002A_h.tga", folder);
    EXPECT_EQ(BuildHeadOptions(prepared, &club)[8], 1u);
    const TKitBlock block = BuildHeadKitBlock(&club);
    EXPECT_EQ(block[3], GetKitPaletteColourArgb(7));
    EXPECT_EQ(GetKitBlockTexture(block), "user\\kits\\0000002A_h.tga");
}
