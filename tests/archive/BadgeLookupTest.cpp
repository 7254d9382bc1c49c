#include "archive/BadgeLookup.h"

#include <gtest/gtest.h>

#include "tests/archive/BadgeTreeSupport.h"

namespace {

using badge_testing::BadgeTree;
using testing_support::Narrow;

std::u16string Normalised(const char16_t* source, std::size_t capacity = BadgeNameCapacity)
{
    char16_t dest[BadgeNameCapacity] = {u'x'};
    NormaliseBadgePath(source, dest, capacity);
    return dest;
}

TEST(BadgeLookup, NormalisingTurnsTheSizeFolderIntoThePlaceholder)
{
    struct Case {
        const char16_t* source;
        const char16_t* expected;
    } cases[] = {
        {u"color\\Badge256\\bl_sw.tga", u"color\\Badge%d\\bl_sw.tga"},
        {u"color\\BADGE180\\x.tga", u"color\\Badge%d\\x.tga"},
        {u"color\\badge%D\\x.tga", u"color\\Badge%d\\x.tga"},
        {u"color\\BADGE%d\\x.tga", u"color\\BADGE%d\\x.tga"},   // holds "%d": unchanged
        {u"a/badge256/b.tga", u"a/Badge%d/b.tga"},
        {u"color\\Badge64\\x.tga", u"color\\Badge64\\x.tga"},
        {u"", u""},
        {nullptr, u""},
    };
    for (const auto& c : cases) EXPECT_EQ(Normalised(c.source), c.expected);
    EXPECT_EQ(Normalised(u"color\\Badge256\\bl_sw.tga", 10), u"color\\Bad");
}

TEST(BadgeLookup, TheSizeGoesOnlyIntoTheBadgeFolder)
{
    struct Case {
        std::u16string_view name;
        std::u16string_view expected;
    } cases[] = {
        {u"color\\Badge%d\\bl_sw.tga", u"color\\Badge64\\bl_sw.tga"},
        {u"Badge%d\\x.tga", u"Badge64\\x.tga"},
        {u"C:\\50%done\\Badges\\DE\\BADGE%d\\x.tga", u"C:\\50%done\\Badges\\DE\\BADGE64\\x.tga"},
        {u"X\\DE\\Badge%d\\Badge%d.tga", u"X\\DE\\Badge64\\Badge%d.tga"},
        {u"X\\DE\\Badge%d\\100%.tga", u"X\\DE\\Badge64\\100%.tga"},
        {u"X\\DE\\Badge64\\a.tga", u"X\\DE\\Badge64\\a.tga"},
    };
    for (const auto& c : cases) EXPECT_EQ(FillBadgeSize(c.name, 64), c.expected);
}

TEST(BadgeLookup, OnlyRelativeNamesWithoutParentFoldersNameFiles)
{
    for (const char16_t* good : {u"color\\Badge%d\\x.tga", u"a..b\\c.tga", u"x.tga"}) EXPECT_TRUE(IsBadgeName(good)) << Narrow(good);
    for (const char16_t* bad : {u"", u"..\\x.tga", u"color\\..\\..\\x.tga", u"a/../b.tga", u"\\x.tga",
                                u"C:\\x.tga", u"C:x.tga", u"color\\.."}) {
        EXPECT_FALSE(IsBadgeName(bad)) << Narrow(bad);
    }
}

TEST(BadgeLookup, FilesAreCheckedOnDiskAndInTheArchiveBySize)
{
    BadgeTree tree;
    const CBadgeSources sources(tree.Folder(), &tree.Archive());
    const CBadgeSources closed(tree.Folder(), nullptr);
    const CBadgeSources listed(tree.Folder(), &tree.Archive(), CBadgeSources::LooseFiles::Listed);
    struct Case {
        const char16_t* path;
        int sizeIndex;
        unsigned open;
        unsigned withoutArchive;
    } cases[] = {
        {u"color\\Badge256\\bl_sw.tga", AllBadgeSizes, BadgeOnDisk, BadgeOnDisk},
        {u"COLOR/badge%d/BL_RO.TGA", AllBadgeSizes, BadgeInArchive, 0},
        {u"color\\Badge256\\gr_sw.tga", 2, BadgeInArchive, 0},
        {u"color\\Badge256\\gr_sw.tga", 0, 0, 0},
        {u"color\\Badge256\\gr_sw.tga", AllBadgeSizes, 0, 0},
        {u"color\\Badge256\\none.tga", 1, 0, 0},
        {u"", AllBadgeSizes, 0, 0},   // would name the Badges folder itself
        {u"color\\Badge256", AllBadgeSizes, 0, 0},
        {u"..\\Badges\\color\\Badge%d\\bl_sw.tga", AllBadgeSizes, 0, 0},
        {u"color\\Badge256\\bl_sw.tga", 4, 0, 0},
        {nullptr, AllBadgeSizes, 0, 0},
    };
    testing_support::MessageCapture messages;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path ? Narrow(c.path) : "null");
        EXPECT_EQ(CheckClubBadgeFiles(c.path, c.sizeIndex, sources), c.open);
        EXPECT_EQ(CheckClubBadgeFiles(c.path, c.sizeIndex, closed), c.withoutArchive);
        EXPECT_EQ(CheckClubBadgeFiles(c.path, c.sizeIndex, listed), c.open);
    }
    // A listing is taken once; live checks see a file that comes later.
    tree.AddLoose(u"color\\Badge64\\gr_sw.tga", 1);
    EXPECT_EQ(CheckClubBadgeFiles(u"color\\Badge256\\gr_sw.tga", 2, sources), BadgeOnDisk | BadgeInArchive);
    EXPECT_EQ(CheckClubBadgeFiles(u"color\\Badge256\\gr_sw.tga", 2, listed), BadgeInArchive);
    EXPECT_TRUE(messages.Messages().empty());
}

TEST(BadgeLookup, BadgesLoadFromDiskFirstThenFromTheArchive)
{
    BadgeTree tree;
    tree.AddLoose(u"color\\Badge256\\bl_ro.tga", 200);
    const CBadgeSources sources(tree.Folder(), &tree.Archive());
    struct Case {
        const char16_t* name;
        int blue;   // -1: nothing loads
    } cases[] = {
        {u"color\\Badge%d\\bl_sw.tga", 256 & 0xFF},
        {u"color\\Badge%d\\bl_ro.tga", 200},
        {u"color\\badge%d\\GR_SW.tga", -1},   // only 64 pixels in the archive
        {u"DE\\Badge256\\DE.tga", 0},
        {u"", -1},
        {u"..\\x.tga", -1},
    };
    testing_support::MessageCapture messages;
    for (const auto& c : cases) {
        const auto image = LoadBadgeDib(c.name, sources);
        ASSERT_EQ(image != nullptr, c.blue >= 0) << Narrow(c.name);
        if (image) {
            EXPECT_EQ(image->Pixels()[0], c.blue);
        }
    }
    platform::RemoveFile(platform::JoinPath(tree.Folder(), u"color\\Badge256\\bl_ro.tga"));
    const auto packed = LoadBadgeDib(u"color\\Badge256\\bl_ro.tga", sources);
    ASSERT_TRUE(packed);
    EXPECT_EQ(packed->Pixels()[0], 257 & 0xFF);
    EXPECT_TRUE(messages.Messages().empty());
}

TEST(BadgeLookup, TheArchiveOpensBelowTheBaseFolderOnceAndSilently)
{
    BadgeTree tree;
    testing_support::TempFolder empty;
    testing_support::MessageCapture messages;
    CMireloBig missing;
    EXPECT_FALSE(OpenBadgesArchive(missing, empty.Path()));
    EXPECT_FALSE(missing.IsOpen());
    EXPECT_FALSE(missing.silent);
    EXPECT_TRUE(messages.Messages().empty());

    const std::u16string previous = platform::GetBaseFolder();
    platform::SetBaseFolder(tree.Root());
    CMireloBig& archive = GetBadgesArchive();
    platform::SetBaseFolder(previous);
    EXPECT_TRUE(archive.IsOpen());
    EXPECT_TRUE(archive.IsReadOnly());
    EXPECT_EQ(&GetBadgesArchive(), &archive);
    EXPECT_EQ(CheckClubBadgeFiles(u"color\\Badge%d\\bl_ro.tga", AllBadgeSizes, GetBadgeSources()), BadgeInArchive);
}

}  // namespace
