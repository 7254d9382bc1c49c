#include <gtest/gtest.h>

#include <algorithm>

#include "tests/editors/player_staff/model/ModelTestSupport.h"
#include "editors/player_staff/model/staff/PersonTypeTable.h"

namespace {

TEST(PersonTypeTable, NineteenRolesWithTheirCommandsAndOnePersonEach)
{
    const std::uint16_t commands[] = {32775, 32780, 32781, 32782, 32789, 32790, 32791, 32805, 32792, 32795,
                                      32796, 32797, 32798, 32799, 32800, 32801, 32802, 32803, 32804};
    const auto rows = PersonTypeTable::Rows();
    ASSERT_EQ(rows.size(), std::size(commands));
    for (std::size_t type = 0; type < rows.size(); ++type) {
        EXPECT_EQ(rows[type].type, type);
        EXPECT_EQ(rows[type].command, commands[type]) << type;
        EXPECT_EQ(rows[type].limit, 1);
        EXPECT_EQ(PersonTypeTable::FindByCommand(commands[type]), &rows[type]);
        EXPECT_EQ(PersonTypeTable::FindByType(static_cast<int>(type)), &rows[type]);
    }
    EXPECT_EQ(std::u16string(rows[4].key), u"List.AssitantManager");
    EXPECT_EQ(PersonTypeTable::FindByCommand(32776), nullptr) << "delete is no role";
    EXPECT_EQ(PersonTypeTable::FindByType(19), nullptr);
}

class PersonTypeTableClubTest : public model_testing::ModelWorldTest {};

TEST_F(PersonTypeTableClubTest, AHeldRoleIsGrayed)
{
    TClub* club = NewClub(3, u"Staffed");
    auto grayed = PersonTypeTable::GrayedCommands(*club);
    EXPECT_TRUE(grayed.empty());
    NewPlayer(club, u"Boss")->SetType(1);
    NewPlayer(club, u"Scout")->SetType(8);
    NewPlayer(club, u"Odd")->SetType(19);
    grayed = PersonTypeTable::GrayedCommands(*club);
    EXPECT_EQ(grayed, (std::vector<std::uint16_t>{32780, 32792}));
    NewPlayer(club, u"Player");
    grayed = PersonTypeTable::GrayedCommands(*club);
    EXPECT_NE(std::find(grayed.begin(), grayed.end(), 32775), grayed.end());
}

}  // namespace
