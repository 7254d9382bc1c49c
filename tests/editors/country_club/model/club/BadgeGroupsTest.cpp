#include "editors/country_club/model/club/BadgeGroups.h"

#include <gtest/gtest.h>

#include <map>

#include "archive/MireloBig.h"
#include "platform/Platform.h"
#include "tests/common/TestSupport.h"

namespace {

using testing_support::Narrow;

const std::vector<std::uint8_t> Tga = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 0, 24, 0, 1, 2, 3};

// Country names per id, the same in every language but German.
CountryNameSource Names()
{
    static const std::map<int, std::u16string> names = {
        {21, u"Germany"}, {140, u"South Africa"}, {34, u"Netherlands"}, {52, u"Côte d'Ivoire"}};
    return [](int country, int language) -> std::u16string_view {
        if (country == 21 && language == 0) return u"Deutschland";
        const auto found = names.find(country);
        return found == names.end() ? std::u16string_view() : std::u16string_view(found->second);
    };
}

struct TFolderCase {
    const char16_t* folder;
    int country;
};

// Names are compared as the sorted lists collate them: accents folded,
// case kept.
TEST(BadgeGroups, FoldersFindTheirCountries)
{
    const TFolderCase cases[] = {
        {u"South-Africa", 140}, {u"SouthAfrica", 140}, {u"South_Africa", 140}, {u"Color", 0},
        {u"GENERIC", NoBadgeCountry}, {u"leagues", NoBadgeCountry}, {u"Le.agues", NoBadgeCountry},
        {u"Holland", 34},       {u"Netherlands", 34},   {u"Deutschland", 21}, {u"Germany", 21},
        {u"Cote d'Ivoire", 52}, {u"Czech", 12},         {u"Korea", 167},      {u"Atlantis", NoBadgeCountry},
        {u"", NoBadgeCountry},
    };
    for (const TFolderCase& c : cases) EXPECT_EQ(CountryOfBadgeFolder(c.folder, Names()), c.country) << Narrow(c.folder);
}

class BadgeTreeTest : public testing::Test {
protected:
    void SetUp() override
    {
        for (const char16_t* file : {u"South-Africa\\Badge256\\Kaizer.tga", u"South-Africa\\Badge256\\Orlando.TGA",
                                     u"South-Africa\\Badge128\\Kaizer.tga", u"leagues\\Badge256\\PSL.tga",
                                     u"Generic\\Badge256\\g1.tga", u"Color\\Badge256\\bl_sw.tga",
                                     u"Color\\Badge256\\notes.txt", u".hidden\\Badge256\\h.tga"}) {
            Write(file);
        }
        platform::CreateFolders(platform::JoinPath(Folder(), u"Color\\Badge256\\sub.tga"));
        platform::CreateFolders(platform::JoinPath(Folder(), u"Empty"));
        CMireloBig big;
        ASSERT_TRUE(big.Create(platform::JoinPath(root_.Path(), u"badges.big")));
        for (const char16_t* name : {u"Badges\\color\\Badge256\\BL_SW.tga", u"Badges\\color\\Badge256\\ge_ro.tga",
                                     u"Badges\\color\\Badge128\\ge_ro.tga", u"Badges\\Zimbabwe\\Badge256\\z.tga",
                                     u"Badges\\..\\Badge256\\up.tga", u"Other\\x\\Badge256\\o.tga",
                                     u"badges\\Generic/Badge256/g2.tga", u"Badges\\Badge256.tga"}) {
            ASSERT_TRUE(big.ImportData(name, Tga, false)) << Narrow(name);
        }
        ASSERT_TRUE(big.Close());
        ASSERT_TRUE(archive_.Open(platform::JoinPath(root_.Path(), u"badges.big"), true));
        groups_.AddLooseFiles(Folder());
        groups_.AddArchive(archive_);
        groups_.AssignCountries(Names());
    }

    std::u16string Folder() const { return platform::JoinPath(root_.Path(), u"Badges"); }

    void Write(std::u16string_view relative)
    {
        const std::u16string path = platform::JoinPath(Folder(), relative);
        platform::CreateFolders(platform::FolderOf(path));
        testing_support::WriteBytes(path, Tga);
    }

    const TBadgeGroup* Group(std::u16string_view folder) const
    {
        for (const TBadgeGroup& group : groups_.Groups()) {
            if (group.folder == folder) return &group;
        }
        return nullptr;
    }

    std::vector<std::string> Texts(std::u16string_view folder) const
    {
        std::vector<std::string> texts;
        for (const TBadgeEntry& entry : Group(folder)->entries) texts.push_back(Narrow(BadgeEntryText(entry)));
        std::sort(texts.begin(), texts.end());
        return texts;
    }

    testing_support::TempFolder root_;
    CMireloBig archive_;
    CBadgeGroups groups_;
};

TEST_F(BadgeTreeTest, GroupsHoldTheirFoldersBadgesOnce)
{
    ASSERT_NE(Group(u"South-Africa"), nullptr);
    EXPECT_EQ(Group(u"South-Africa")->country, 140);
    EXPECT_EQ(Texts(u"South-Africa"), (std::vector<std::string>{"Kaizer", "Orlando"}));
    // bl_sw lies on disk and, in other case, in the archive: listed once.
    EXPECT_EQ(Texts(u"Color"), (std::vector<std::string>{"bl_sw", "ge_ro"}));
    EXPECT_EQ(Texts(u"Generic"), (std::vector<std::string>{"g1", "g2"}));
    EXPECT_EQ(Texts(u"Zimbabwe"), (std::vector<std::string>{"z"}));
    EXPECT_EQ(Group(u"Zimbabwe")->country, NoBadgeCountry);
    ASSERT_NE(Group(u"Empty"), nullptr);
    EXPECT_TRUE(Group(u"Empty")->entries.empty());
    EXPECT_EQ(Group(u".hidden"), nullptr);
    EXPECT_EQ(Group(u".."), nullptr);
    EXPECT_EQ(groups_.Groups().size(), 6u);
}

TEST_F(BadgeTreeTest, EntriesKnowWhereTheyLie)
{
    for (const TBadgeEntry& entry : Group(u"Color")->entries) {
        if (BadgeEntryText(entry) == u"bl_sw") {
            EXPECT_EQ(entry.archiveIndex, -1);
            EXPECT_EQ(entry.path, u"Color\\Badge256\\bl_sw.tga");
        } else {
            EXPECT_GE(entry.archiveIndex, 0);
            EXPECT_EQ(entry.path, u"color\\Badge256\\ge_ro.tga");
        }
    }
    EXPECT_EQ(Group(u"Generic")->entries.back().path, u"Generic\\Badge256\\g2.tga");
}

TEST_F(BadgeTreeTest, TheComboHidesLeaguesAndEndsWithNoBadge)
{
    const TBadgeGroupItems combo =
        MakeBadgeGroupItems(groups_.Groups(), u"South-Africa\\Badge%d\\Kaizer.tga", Names(), 1, u"Generic badges", u"No badge");
    std::vector<std::string> texts;
    for (const TBadgeGroupItem& item : combo.items) texts.push_back(Narrow(item.text));
    EXPECT_EQ(texts, (std::vector<std::string>{"Generic badges", "Empty", "Generic badges", "South Africa", "Zimbabwe",
                                               "No badge"}));
    EXPECT_EQ(combo.items.back().group, -1);
    EXPECT_EQ(combo.selected, 3);
    EXPECT_EQ(groups_.Groups()[static_cast<std::size_t>(combo.items[2].group)].folder, u"Generic");
}

struct TSelectionCase {
    const char16_t* start;
    int selected;
};

TEST_F(BadgeTreeTest, TheStartingPathSelectsItsFolderThenItsCountry)
{
    const TSelectionCase cases[] = {
        {u"color\\Badge%d\\bl_sw.tga", 0}, {u"Generic\\Badge%d\\g1.tga", 2}, {u"SouthAfrica\\Badge%d\\x.tga", 3},
        {u"zimbabwe/Badge%d/z.tga", 4},    {u"", 1},                         {u"Nowhere\\x.tga", 1},
    };
    for (const TSelectionCase& c : cases) {
        EXPECT_EQ(MakeBadgeGroupItems(groups_.Groups(), c.start, Names(), 1, u"G", u"N").selected, c.selected)
            << Narrow(c.start);
    }
}

TEST(BadgeGroups, WithoutGroupsOnlyNoBadgeIsOffered)
{
    const TBadgeGroupItems combo = MakeBadgeGroupItems({}, u"x\\y.tga", Names(), 1, u"G", u"N");
    ASSERT_EQ(combo.items.size(), 1u);
    EXPECT_EQ(combo.selected, -1);
}

TEST(BadgeGroups, ArchiveNamesThatNameNoBadgeAreSkipped)
{
    CBadgeGroups groups;
    groups.AddArchiveEntry(0, u"C:\\Badge256\\x.tga");
    groups.AddArchiveEntry(1, u"\\abs\\Badge256\\x.tga");
    groups.AddArchiveEntry(2, u"a\\..\\Badge256\\x.tga");
    groups.AddArchiveEntry(3, u"a\\Badge128\\x.tga");
    groups.AddArchiveEntry(4, u"a\\Badge256\\x.bmp");
    groups.AddArchiveEntry(5, u"a\\" + std::u16string(300, u'x') + u"\\Badge256\\x.tga");
    EXPECT_TRUE(groups.Groups().empty());
    groups.AddArchiveEntry(6, u"a\\b\\Badge256\\x.tga");
    ASSERT_EQ(groups.Groups().size(), 1u);
    EXPECT_EQ(groups.Groups()[0].folder, u"a");
}

TEST(BadgeGroups, AMissingFolderGivesNoGroups)
{
    CBadgeGroups groups;
    groups.AddLooseFiles(u"/nonexistent/badges/folder");
    EXPECT_TRUE(groups.Groups().empty());
}

TEST(BadgeGroups, TheChosenPathIsStoredFormWithinTheRecordsLimit)
{
    EXPECT_EQ(ChosenBadgePath(nullptr), u"");
    const TBadgeEntry entry{-1, u"South-Africa\\Badge256\\Kaizer.tga"};
    EXPECT_EQ(ChosenBadgePath(&entry), u"South-Africa\\Badge%d\\Kaizer.tga");
    EXPECT_EQ(NormalisedBadgeEntryPath(entry), u"South-Africa\\Badge%d\\Kaizer.tga");
    // 38 characters once normalised are kept, 39 refused.
    const std::u16string folder(21, u'f');
    const TBadgeEntry fits{3, folder + u"\\Badge256\\" + u"abcd.tga"};
    ASSERT_EQ(NormalisedBadgeEntryPath(fits).size(), 38u);
    EXPECT_TRUE(ChosenBadgePath(&fits).has_value());
    const TBadgeEntry tooLong{3, folder + u"\\Badge256\\" + u"abcde.tga"};
    EXPECT_FALSE(ChosenBadgePath(&tooLong).has_value());
}

}  // namespace
