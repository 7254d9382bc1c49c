// The reference list files and the shipped lists of every language folder.
#include <gtest/gtest.h>

#include <string>

#include "tests/common/TestSupport.h"
#include "core/text/Format.h"
#include "core/text/TextManager.h"
#include "database/world/Date.h"
#include "database/club/ReferenceLists.h"
#include "database/club/Stadium.h"
#include "platform/Platform.h"

namespace {

using testing_support::MessageCapture;

class ReferenceListsTest : public testing::Test {
protected:
    // Loads text as the list file of list.
    void Load(CBaseTextFile& list, const std::string& text)
    {
        testing_support::WriteBytes(folder_.File(u"list.txt"), text);
        list.Load(folder_.File(u"list.txt"));
    }

    testing_support::TempFolder folder_;
};

TEST_F(ReferenceListsTest, DefaultEntryAndIdsAfterTheirTexts)
{
    CBaseTextFile faces(6000, true, true, false, u"Common.NotAvailable"_tk);
    Load(faces, "2\r\nBerg, Anna\r\n7\r\nDorn, Carl\r\n9\r\n");
    const std::u16string notAvailable = CTextManager::Instance()->GetText(u"Common.NotAvailable"_tk);
    ASSERT_EQ(faces.GetCount(), 3);
    EXPECT_EQ(faces.GetId(0), 0u);
    EXPECT_EQ(std::u16string(faces.GetText(0)), notAvailable);
    EXPECT_EQ(faces.GetId(2), 9u);
    EXPECT_EQ(std::u16string(faces.GetText(1)), u"Berg, Anna");
    EXPECT_EQ(std::u16string(faces.GetText(5)), notAvailable);
    EXPECT_EQ(faces.GetId(5), 0u);
    EXPECT_EQ(std::u16string(faces.GetTextById(0)), u"");
    EXPECT_EQ(std::u16string(faces.GetTextById(9)), u"Dorn, Carl");
    EXPECT_EQ(std::u16string(faces.GetTextById(8)), u"");
    EXPECT_TRUE(faces.Contains(0));
    EXPECT_TRUE(faces.Contains(7));
    EXPECT_FALSE(faces.Contains(8));
}

TEST_F(ReferenceListsTest, CountsNeverExceedTheList)
{
    struct Case {
        std::string text;
        std::int32_t count;
    };
    std::string forty = "40\r\n";
    for (int i = 0; i < 40; ++i) forty += std::to_string(i) + "\r\nColour " + std::to_string(i) + ",1|2\r\n";
    for (const Case& c : {Case{forty, 30}, Case{"-5\r\n0\r\nRed,1\r\n", 0}, Case{"3\r\n0\r\nRed,1\r\n1\r\n", 2},
                          Case{"", 0}}) {
        CTeamColourTextFile colours(30);
        Load(colours, c.text);
        EXPECT_EQ(colours.GetCount(), c.count) << c.text;
        EXPECT_EQ(colours.GetColour(c.count, 0), 0u);
    }
    CBaseTextFile clubIds(3, true, true, false, u"Common.NotAvailable"_tk);
    Load(clubIds, "5\r\nA\r\n1\r\nB\r\n2\r\nC\r\n3\r\n");
    EXPECT_EQ(clubIds.GetCount(), 3);
    EXPECT_EQ(std::u16string(clubIds.GetText(2)), u"B");
}

TEST_F(ReferenceListsTest, ColourLines)
{
    CTeamColourTextFile colours(30);
    Load(colours, "5\r\n0\r\nRed,16711680\r\n1\r\nBlue/Black,802453|0\r\n2\r\nPlain\r\n3\r\nHigh,4278190335|-1\r\n"
                  "4\r\nEmpty,|\r\n");
    struct Case {
        int index;
        const char16_t* text;
        std::uint32_t first;
        std::uint32_t second;
    };
    for (const Case& c : {Case{0, u"Red", 0xFF0000, 0}, Case{1, u"Blue/Black", 802453, 0}, Case{2, u"Plain", 0, 0},
                          Case{3, u"High", 0x0000FF, 0xFFFFFF}, Case{4, u"Empty", 0, 0}}) {
        EXPECT_EQ(std::u16string(colours.GetText(c.index)), c.text);
        EXPECT_EQ(colours.GetFirstColour(c.index), c.first) << c.index;
        EXPECT_EQ(colours.GetColour(c.index, 1), c.second) << c.index;
    }
    EXPECT_EQ(colours.GetColour(0, 2), 0u);
    EXPECT_EQ(colours.GetColour(-1, 0), 0u);
}

TEST_F(ReferenceListsTest, AMissingFileIsReportedOnceAndNumbered)
{
    MessageCapture messages;
    CBaseTextFile formations(25, true, true, false);
    formations.Load(folder_.File(u"Formation.txt"));
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_NE(messages.Messages()[0].find(u"Formation.txt"), std::u16string::npos);
    EXPECT_EQ(formations.GetCount(), 25);
    EXPECT_EQ(formations.GetId(24), 24u);
    EXPECT_EQ(std::u16string(formations.GetText(24)), u"");
}

class ShippedListsTest : public testing::TestWithParam<const char16_t*> {};

TEST_P(ShippedListsTest, LoadWithoutAMessage)
{
    const std::u16string folder = testing_support::SourcePath(std::u16string(u"data\\trdata\\") + GetParam());
    MessageCapture messages;
    LoadTextFiles(folder);
    LoadStadiumList(folder);
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ(GetReferenceDay(), TDate(2007, 7, 3));
    struct Case {
        const CBaseTextFile& list;
        std::int32_t count;
        std::uint32_t firstId;
    };
    for (const Case& c : {Case{GetShoeList(), 9, 1}, Case{GetFaceList(), 121, 0}, Case{GetTeamColourList(), 24, 0},
                          Case{GetMerchandiseColourList(), 5, 0}, Case{GetFormationList(), 20, 0},
                          Case{GetClubIdList(), 41, 0}, Case{GetShirtNumberColourList(), 7, 0}}) {
        EXPECT_EQ(c.list.GetCount(), c.count);
        EXPECT_EQ(c.list.GetId(0), c.firstId);
        for (std::int32_t i = 0; i < c.list.GetCount(); ++i) EXPECT_NE(c.list.GetText(i)[0], 0) << i;
    }
    EXPECT_EQ(GetFaceList().GetId(1), 1001u);
    for (std::int32_t i = 0; i < GetFormationList().GetCount(); ++i) EXPECT_EQ(GetFormationList().GetId(i), i);
    // The badge colours of the kit page's colour-name table.
    EXPECT_EQ(GetTeamColourList().GetColour(0, 0), 0x0C3E95u);
    EXPECT_EQ(GetTeamColourList().GetColour(23, 1), 0xFFFFFFu);
    for (std::int32_t i = 1; i < GetLeagueSystemList().GetCount(); ++i) {
        const std::u16string script = Format(u"data\\Script\\Lg%u.txt", GetLeagueSystemList().GetId(i));
        EXPECT_TRUE(platform::FileExists(testing_support::SourcePath(script))) << i;
    }
    EXPECT_EQ(GetStadiumList().size(), 30u);
    EXPECT_EQ(GetStadiumList().back().Number, 30);
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, ShippedListsTest,
                         testing::Values(u"eng", u"fre", u"ger", u"ita", u"spa", u"pol"));

}  // namespace
