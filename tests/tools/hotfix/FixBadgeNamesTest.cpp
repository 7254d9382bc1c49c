#include <gtest/gtest.h>

#include "core/text/Format.h"
#include "tests/tools/hotfix/HotfixTestSupport.h"
#include "tools/hotfix/FixBadgeNames.h"

namespace {

using tool_testing::Entries;

class BadgeNamesTest : public tool_testing::HotfixTest {
protected:
    void SetUp() override
    {
        HotfixTest::SetUp();
        for (int country : {3, 5}) {
            for (const char16_t* name : {u"Alpha", u"Beta"}) {
                TClub& club = NewClub(name, country);
                club.SetBadgePath(Format(u"badges\\%s%d.tga", name, country).c_str());
            }
        }
    }

    TClub& ClubAt(int country, int index) { return *Land(country).GetClubByIndex(index); }
    std::string Id(const TClub& club) { return std::to_string(WithoutReserveBit(club.GetId())); }

    // Badge paths of every club of countries 3 and 5, in club order.
    std::vector<std::u16string> Badges()
    {
        std::vector<std::u16string> badges;
        for (int country : {3, 5}) {
            for (int i = 0; i < Land(country).GetClubCount(); ++i) badges.push_back(ClubAt(country, i).GetBadgePath());
        }
        return badges;
    }

    std::vector<std::uint8_t> FileOf(const std::string& data)
    {
        std::vector<std::uint8_t> bytes = Golden(u"hotfix_header_badge_names.bin");
        const std::vector<std::uint8_t> text = Utf16(data);
        bytes.insert(bytes.end(), text.begin(), text.end());
        return bytes;
    }

    CFixBadgeNames fix_{manager_};
};

TEST_F(BadgeNamesTest, CreateWritesIdAndPathPairsOfTheSelectedCountryThenTheEndMark)
{
    manager_.SetSelection(3, 0);
    ASSERT_EQ(Land(3).GetClubCount(), 3);
    std::string expected;
    for (int i = 0; i < 3; ++i) {
        expected += Id(ClubAt(3, i)) + "\r\n" + testing_support::Narrow(ClubAt(3, i).GetBadgePath()) + "\r\n";
    }
    expected += "[EOF]";
    EXPECT_EQ(CreateFile(fix_, u"badges.txt"), FileOf(expected));
    const auto entries = Entries(report_);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].path, "All club badges saved");
}

TEST_F(BadgeNamesTest, CreateWithoutSelectionWritesEveryCountry)
{
    const std::vector<std::uint8_t> bytes = CreateFile(fix_, u"all.txt");
    const std::string text(bytes.begin(), bytes.end());
    int pairs = 0;
    for (int id = 1; id <= 206; ++id) pairs += Land(id).GetClubCount();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 3 + 2 * pairs);
    EXPECT_TRUE(text.ends_with(std::string("[\0E\0O\0F\0]\0", 10)));
}

TEST_F(BadgeNamesTest, ApplyGivesEachListedClubItsPathAndReportsRealChangesOnly)
{
    TClub& alpha3 = ClubAt(3, 1);
    TClub& beta3 = ClubAt(3, 2);
    TClub& alpha5 = ClubAt(5, 1);
    TClub& beta5 = ClubAt(5, 2);
    const std::u16string beta5Before = beta5.GetBadgePath();
    const std::string reserveOfAlpha5 = std::to_string(alpha5.GetId() | ReserveTeamBit);
    const std::string data = Id(alpha3) + "\r\nfirst.tga\r\n" +
                             Id(alpha3) + "\r\nnew\\alpha.tga\r\n" +             // a later pair wins
                             Id(beta3) + "\r\nBADGES\\BETA3.TGA\r\n" +           // only the case differs
                             reserveOfAlpha5 + "\r\nwith\ttab.tga\r\n" +         // reserve bit cleared
                             Id(beta5) + "\r\n\r\n" +                            // empty: kept
                             "99999\r\nunknown.tga\r\n" +                         // no such club
                             "[EOF]\r\n" + Id(beta3) + "\r\nafter.tga\r\n";       // after the end mark
    ApplyBytes(fix_, FileOf(data));
    EXPECT_EQ(testing_support::Narrow(alpha3.GetBadgePath()), "new\\alpha.tga");
    EXPECT_EQ(testing_support::Narrow(beta3.GetBadgePath()), "badges\\Beta3.tga");
    EXPECT_EQ(testing_support::Narrow(alpha5.GetBadgePath()), "with tab.tga");
    EXPECT_EQ(beta5.GetBadgePath(), beta5Before);
    const auto entries = Entries(report_);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].path, "Alpha");
    EXPECT_EQ(entries[0].type, ReportType::Success);
    EXPECT_EQ(entries[0].description, "Original badge: badges\\Alpha3.tga\r\nNew badge: new\\alpha.tga");
    EXPECT_EQ(entries[1].description, "Original badge: badges\\Alpha5.tga\r\nNew badge: with tab.tga");
}

TEST_F(BadgeNamesTest, AFileOfOneCountryAppliedWithAnotherSelectedChangesNothing)
{
    manager_.SetSelection(3, 0);
    const std::vector<std::uint8_t> bytes = CreateFile(fix_, u"three.txt");
    for (int i = 0; i < 3; ++i) ClubAt(3, i).SetBadgePath(u"changed.tga");
    const std::vector<std::u16string> before = Badges();
    report_.DeleteEntriesOfType(ReportType::Info);
    manager_.SetSelection(5, 0);
    ApplyBytes(fix_, bytes);
    EXPECT_EQ(Badges(), before);
    EXPECT_EQ(report_.Size(), 0u);

    manager_.SetSelection(3, 0);
    ApplyBytes(fix_, bytes);
    EXPECT_EQ(testing_support::Narrow(ClubAt(3, 1).GetBadgePath()), "badges\\Alpha3.tga");
    EXPECT_EQ(Entries(report_).size(), 3u);
}

TEST_F(BadgeNamesTest, ATruncatedOrOverlongFileChangesOnlyWhatItCompletes)
{
    const std::string longPath(1500, 'x');
    const std::string data = Id(ClubAt(3, 1)) + "\r\n" + longPath + "\r\n" + Id(ClubAt(3, 2));
    ApplyBytes(fix_, FileOf(data));
    EXPECT_EQ(std::u16string(ClubAt(3, 1).GetBadgePath()), std::u16string(TClub::BadgePathCapacity - 1, u'x'));
    EXPECT_EQ(testing_support::Narrow(ClubAt(3, 2).GetBadgePath()), "badges\\Beta3.tga");
    const std::size_t reported = report_.Size();
    ApplyBytes(fix_, FileOf(data));
    EXPECT_EQ(report_.Size(), reported) << "a second run finds nothing to change";
}

}  // namespace
