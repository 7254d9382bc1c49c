#include "database/club/ClubBadge.h"

#include <gtest/gtest.h>

#include "tests/database/DatabaseTestSupport.h"
#include "database/club/Club.h"
#include "database/country/Country.h"
#include "tests/archive/BadgeTreeSupport.h"

namespace {

using testing_support::Narrow;

class ClubBadgeTest : public database_testing::CurrentWorldTest {
protected:
    void SetUp() override
    {
        CurrentWorldTest::SetUp();
        TCountry& germany = *world_->GetCountry(21);
        club_ = germany.GetClubByUniqueId(germany.CreateClub(u"Other"));
        club_->SetNameForLanguage(world_->GetDatabaseLanguage(), u"Test.Club/Two");
        team_ = germany.GetNationalTeam();
    }

    std::u16string FileName(const TClub* club)
    {
        char16_t name[BadgeNameCapacity] = {u'x'};
        GetClubBadgeFileName(club, name, BadgeNameCapacity, sources_);
        return name;
    }

    badge_testing::BadgeTree tree_;
    CBadgeSources sources_{tree_.Folder(), &tree_.Archive()};
    TClub* club_ = nullptr;
    TClub* team_ = nullptr;
};

TEST_F(ClubBadgeTest, OwnFileNamesComeFromCodeAndCleanedName)
{
    const std::u16string folder = tree_.Folder();
    EXPECT_EQ(FileName(club_), folder + u"\\DE\\Badge%d\\Test_Club_Two.tga");
    EXPECT_EQ(FileName(team_), folder + u"\\DE\\Badge%d\\DE.tga");
    EXPECT_EQ(FileName(nullptr), u"");

    club_->SetNameForLanguage(world_->GetDatabaseLanguage(), u"a\\b:c*d?e\"f<g>h|i.j 100%d and more text");
    EXPECT_EQ(FileName(club_), folder + u"\\DE\\Badge%d\\a_b_c_d_e'f_g_h_i_j 100%d and.tga");
    EXPECT_EQ(Narrow(FillBadgeSize(FileName(club_), 32)).substr(Narrow(folder).size()),
              "\\DE\\Badge32\\a_b_c_d_e'f_g_h_i_j 100%d and.tga");

    TCountry& nowhere = *world_->GetCountry(149);   // no ISO code
    EXPECT_EQ(FileName(nowhere.GetClubByUniqueId(nowhere.CreateClub(u"Club"))), u"");

    char16_t cut[12];
    GetClubBadgeFileName(club_, cut, 12, sources_);
    EXPECT_EQ(std::u16string(cut), folder.substr(0, 11));
}

TEST_F(ClubBadgeTest, StateCombinesOwnGenericAndArchivedFiles)
{
    struct Case {
        const char16_t* badgePath;
        int sizeIndex;
        unsigned state;
    } cases[] = {
        {u"color\\Badge256\\bl_sw.tga", AllBadgeSizes, BadgeOwnFiles | BadgeOnDisk},
        {u"color\\Badge%d\\bl_ro.tga", AllBadgeSizes, BadgeOwnFiles | BadgeInArchive},
        {u"color\\Badge256\\gr_sw.tga", 2, BadgeOwnFiles | BadgeInArchive},
        {u"color\\Badge256\\gr_sw.tga", 3, BadgeOwnFiles},
        {u"", AllBadgeSizes, BadgeOwnFiles},
    };
    for (const auto& c : cases) {
        club_->SetBadgePath(c.badgePath);
        EXPECT_EQ(GetClubBadgeState(club_, c.sizeIndex, sources_), c.state) << Narrow(c.badgePath);
    }
    tree_.AddLoose(u"color\\Badge256\\bl_ro.tga", 1);
    tree_.AddLoose(u"color\\Badge128\\bl_ro.tga", 1);
    tree_.AddLoose(u"color\\Badge64\\bl_ro.tga", 1);
    tree_.AddLoose(u"color\\Badge32\\bl_ro.tga", 1);
    club_->SetBadgePath(u"color\\Badge256\\bl_ro.tga");
    EXPECT_EQ(GetClubBadgeState(club_, AllBadgeSizes, sources_), 7u);
    const CBadgeSources closed(tree_.Folder(), nullptr);
    EXPECT_EQ(GetClubBadgeState(club_, AllBadgeSizes, closed), 3u);
    EXPECT_EQ(GetClubBadgeState(nullptr, AllBadgeSizes, sources_), 0u);

    EXPECT_TRUE(HasAllClubBadgeFiles(club_, sources_));
    EXPECT_TRUE(HasAllClubBadgeFiles(team_, sources_));
    platform::RemoveFile(platform::JoinPath(tree_.Folder(), u"DE\\Badge32\\DE.tga"));
    EXPECT_FALSE(HasAllClubBadgeFiles(team_, sources_));
    EXPECT_EQ(GetClubBadgeState(team_, 3, sources_) & BadgeOwnFiles, 0u);
    EXPECT_EQ(GetClubBadgeState(team_, 2, sources_) & BadgeOwnFiles, BadgeOwnFiles);
    EXPECT_FALSE(HasAllClubBadgeFiles(nullptr, sources_));
}

TEST_F(ClubBadgeTest, TheOwnBadgeLoadsBeforeTheBadgePath)
{
    club_->SetBadgePath(u"color\\Badge%d\\bl_ro.tga");
    auto own = LoadClubBadgeDib(club_, sources_);
    ASSERT_TRUE(own);
    EXPECT_EQ(own->Pixels()[0], 0);   // the 256 file of the club itself
    platform::RemoveFile(platform::JoinPath(tree_.Folder(), u"DE\\Badge256\\Test_Club_Two.tga"));
    auto generic = LoadClubBadgeDib(club_, sources_);
    ASSERT_TRUE(generic);
    EXPECT_EQ(generic->Pixels()[0], 1);   // bl_ro.tga at 256 from the archive
    club_->SetBadgePath(u"color\\Badge%d\\none.tga");
    EXPECT_FALSE(LoadClubBadgeDib(club_, sources_));
    EXPECT_FALSE(LoadClubBadgeDib(nullptr, sources_));
}

TEST_F(ClubBadgeTest, NormaliseKeepsAtMost38CharactersOfTheNormalisedPath)
{
    struct Case {
        const char16_t* path;
        const char16_t* normalised;
    } cases[] = {
        {u"color\\Badge256\\bl_sw.tga", u"color\\Badge%d\\bl_sw.tga"},
        {u"color\\BADGE180\\x.tga", u"color\\Badge%d\\x.tga"},
        {u"mine\\Badge%d\\x.tga", u"mine\\Badge%d\\x.tga"},
        {u"abcdefghij\\Badge256\\klmnopqrstuvwxyz.tga", u"abcdefghij\\Badge%d\\klmnopqrstuvwxyz.tg"},
    };
    for (const auto& c : cases) {
        club_->SetBadgePath(c.path);
        club_->Normalise();
        EXPECT_EQ(std::u16string(club_->GetBadgePath()), c.normalised);
    }
}

}  // namespace
