#include <gtest/gtest.h>

#include <string>

#include "competition/CupAlloc.h"
#include "editors/country_club/model/country/CupPageModel.h"
#include "tests/common/TestSupport.h"

namespace {

TCupAmounts Amounts(std::uint32_t first, std::uint32_t step)
{
    TCupAmounts amounts{};
    for (std::size_t round = 0; round < amounts.size(); ++round) amounts[round] = first + step * static_cast<std::uint32_t>(round);
    return amounts;
}

TEST(CupPrizeTable, TheBonusFinalOfCupZeroIsWordFifteen)
{
    TCupPrizeTable table;
    EXPECT_EQ(table.GetCurrentCup(), 0);
    EXPECT_EQ(table.GetCurrentType(), CupTypeBonus);
    TCupAmounts shown = table.Shown();
    shown[7] = 5000;
    table.Keep(shown);
    EXPECT_EQ(table.GetCupSettings(0)[15], 5000u);
}

TEST(CupPrizeTable, AmountsAreKeptPerCupAndType)
{
    TCupPrizeTable table;
    TCupSettings untouched{};
    for (std::size_t word = 0; word < untouched.size(); ++word) untouched[word] = 1000 + static_cast<std::uint32_t>(word);
    table.SetCupSettings(3, untouched);
    table.ChooseType(Amounts(10, 1), CupTypeTelevision);
    table.ChooseType(Amounts(20, 1), CupTypeBonus);
    EXPECT_EQ(table.Shown(), Amounts(10, 1)) << "the bonus amounts were kept";
    table.ChooseType(table.Shown(), CupTypeTelevision);
    EXPECT_EQ(table.Shown(), Amounts(20, 1)) << "the television amounts were kept";
    table.ChooseCup(table.Shown(), 3);
    EXPECT_EQ(table.Shown()[0], 1000u);
    table.ChooseCup(Amounts(7, 0), 0);
    EXPECT_EQ(table.GetCupSettings(3)[0], 7u);
    EXPECT_EQ(table.GetCupSettings(3)[16], 1016u) << "types 2 and 3 pass through";
    EXPECT_EQ(table.GetCupSettings(0)[8], 10u);
    EXPECT_EQ(table.GetCupSettings(0)[0], 20u);
    table.ChooseCup(table.Shown(), 6);
    EXPECT_EQ(table.GetCurrentCup(), 0);
    table.ChooseType(table.Shown(), 2);
    EXPECT_EQ(table.GetCurrentType(), CupTypeTelevision);
}

class CupTypeItemsTest : public testing::Test {
protected:
    // Five entries: 1 national cup, 2 missing, 3 league cup, 4 national cup.
    void SetUp() override
    {
        std::string text = "\xEF\xBB\xBF" "5\r\n";
        const char* groups[] = {nullptr, "FA", nullptr, "LEAGUE", "FA"};
        for (int i = 1; i < 5; ++i) {
            if (groups[i] == nullptr) continue;
            const std::string key = "CUP" + std::to_string(i);
            text += "%INDEX%" + key + "\r\n" + groups[i] + "\r\nCup " + std::to_string(i) +
                    "\r\n0\r\n1\r\n{0, 1, 0, 2, 1, 0, ROUND_FINAL, BEG_WITH_EXTRA_TIME}\r\n0\r\n%INDEXEND%" + key + "\r\n";
        }
        testing_support::WriteBytes(folder_.File(u"CupAlloc.txt"), text);
        LoadCupAllocation(table_, folder_.Path());
    }
    testing_support::TempFolder folder_;
    TCupAllocTable table_;
};

std::vector<int> Data(const std::vector<TCupComboItem>& items)
{
    std::vector<int> data;
    for (const TCupComboItem& item : items) data.push_back(item.data);
    return data;
}

TEST_F(CupTypeItemsTest, NoCupThenTheEntriesOfTheKind)
{
    ASSERT_EQ(table_.GetCount(), 5);
    ASSERT_EQ(table_.GetEntry(2), nullptr);
    const std::vector<TCupComboItem> national = CupTypeItems(table_, 0, 4, u"No cup");
    EXPECT_EQ(Data(national), (std::vector<int>{0, 1, 4}));
    EXPECT_EQ(national[0].text, u"No cup");
    EXPECT_EQ(national[2].text, u"Cup 4");
    EXPECT_EQ(Data(CupTypeItems(table_, 1, 0, u"No cup")), (std::vector<int>{0, 3}));
}

TEST_F(CupTypeItemsTest, AStoredTypeWithoutEntryKeepsAnItemOfItsOwn)
{
    const std::vector<TCupComboItem> items = CupTypeItems(table_, 1, 2, u"No cup");
    EXPECT_EQ(Data(items), (std::vector<int>{0, 3, 2}));
    EXPECT_EQ(items.back().text, u"2");
    EXPECT_EQ(Data(CupTypeItems(TCupAllocTable(), 2, 9, u"No cup")), (std::vector<int>{0, 9}));
    EXPECT_EQ(Data(CupTypeItems(TCupAllocTable(), 2, 0, u"No cup")), (std::vector<int>{0}));
}

TEST(BonusCupItems, CupsWithATypeAndTheCurrentOneReselected)
{
    const std::array<std::u16string, CupPageCups> names = {u"FA", u"L1", u"L2", u"L3", u"L4", u"Super"};
    std::array<int, CupPageCups> types = {3, 0, 5, 0, 0, 7};
    std::vector<TCupComboItem> items = BonusCupItems(types, names);
    EXPECT_EQ(Data(items), (std::vector<int>{0, 2, 5}));
    EXPECT_EQ(BonusCupSelection(items, 5), 2);
    types[5] = 0;
    items = BonusCupItems(types, names);
    EXPECT_EQ(BonusCupSelection(items, 5), 0) << "a cup that is gone shows item 0";
    EXPECT_EQ(BonusCupSelection(BonusCupItems({}, names), 0), -1);
}

TEST(RedCardBan, FixedIsBitFour)
{
    EXPECT_EQ(WithFixedRedCardBan(0x21, true), 0x31);
    EXPECT_EQ(WithFixedRedCardBan(0x31, false), 0x21);
    EXPECT_EQ(WithFixedRedCardBan(0x31, true), 0x31);
}

}  // namespace
