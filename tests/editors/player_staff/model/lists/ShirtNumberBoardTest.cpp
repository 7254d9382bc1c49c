#include <gtest/gtest.h>

#include "tests/editors/player_staff/model/ModelTestSupport.h"
#include "editors/player_staff/model/lists/ShirtNumberBoard.h"

namespace {

class ShirtNumberBoardTest : public model_testing::ModelWorldTest {
protected:
    TPerson* Player(const char16_t* name, std::uint8_t number)
    {
        TPerson* person = NewPlayer(club_, name);
        person->SetShirtNumber(number);
        return person;
    }

    TPerson* ReservePlayer(const char16_t* name, std::uint8_t number)
    {
        TPerson* person = NewPlayer(club_, name);
        person->SetReserveTeam();
        person->SetReserveShirtNumber(number);
        return person;
    }

    void SetUp() override
    {
        ModelWorldTest::SetUp();
        club_ = NewClub(3, u"Board");
    }

    TClub* club_ = nullptr;
};

TEST_F(ShirtNumberBoardTest, TwoPlayersOnOneNumberPutTheSecondOnTheHighestFree)
{
    TPerson* top = Player(u"Top", 99);
    TPerson* first = Player(u"First", 7);
    TPerson* second = Player(u"Second", 7);
    ShirtNumberBoard board(club_, true);
    EXPECT_EQ(board.PersonOn(7), first->GetId());
    EXPECT_EQ(board.PersonOn(99), top->GetId());
    EXPECT_EQ(board.PersonOn(98), second->GetId());
    EXPECT_EQ(second->GetShirtNumber(), 7) << "showing keeps the stored number";
}

TEST_F(ShirtNumberBoardTest, UnusableNumbersTakeTheHighestFreeInSquadOrder)
{
    struct Case {
        std::uint8_t stored;
        int shownOn;
    };
    for (const Case& c : {Case{0, 99}, Case{100, 98}, Case{255, 97}, Case{5, 5}}) {
        Player(u"P", c.stored);
    }
    ShirtNumberBoard board(club_, true);
    int slot = 0;
    for (const Case& c : {Case{0, 99}, Case{100, 98}, Case{255, 97}, Case{5, 5}}) {
        EXPECT_EQ(board.PersonOn(c.shownOn), club_->GetSquadPerson(slot++)->GetId()) << int{c.stored};
    }
}

TEST_F(ShirtNumberBoardTest, StaffAndTheOtherTeamAreLeftOut)
{
    TPerson* manager = Player(u"Boss", 1);
    manager->SetType(1);
    TPerson* reserve = ReservePlayer(u"Young", 2);
    TPerson* first = Player(u"Pro", 3);
    ShirtNumberBoard firstBoard(club_, true);
    EXPECT_EQ(firstBoard.PersonOn(1), 0u);
    EXPECT_EQ(firstBoard.PersonOn(3), first->GetId());
    for (int number = 1; number < 100; ++number) EXPECT_NE(firstBoard.PersonOn(number), reserve->GetId());
    ShirtNumberBoard reserveBoard(club_, false);
    EXPECT_EQ(reserveBoard.PersonOn(2), reserve->GetId());
    EXPECT_EQ(reserveBoard.PersonOn(3), 0u);
}

TEST_F(ShirtNumberBoardTest, ADropMovesOntoAFreeNumberOrSwapsStoredNumbers)
{
    TPerson* a = Player(u"A", 7);
    TPerson* b = Player(u"B", 9);
    ShirtNumberBoard board(club_, true);
    ASSERT_TRUE(board.Drop(a->GetId(), 12));
    EXPECT_EQ(a->GetShirtNumber(), 12);
    EXPECT_EQ(board.PersonOn(7), 0u) << "the old number is free";
    EXPECT_EQ(board.PersonOn(12), a->GetId());
    ASSERT_TRUE(board.Drop(a->GetId(), 9));
    EXPECT_EQ(a->GetShirtNumber(), 9);
    EXPECT_EQ(b->GetShirtNumber(), 12);
    EXPECT_EQ(board.PersonOn(12), b->GetId());
}

TEST_F(ShirtNumberBoardTest, ADropOnTheOwnRowStoresTheShownNumber)
{
    Player(u"A", 7);
    TPerson* twin = Player(u"Twin", 7);
    ShirtNumberBoard board(club_, true);
    ASSERT_EQ(board.PersonOn(99), twin->GetId());
    ASSERT_TRUE(board.Drop(twin->GetId(), 99));
    EXPECT_EQ(twin->GetShirtNumber(), 99);
}

TEST_F(ShirtNumberBoardTest, SwappingWithADuplicateHandsOverTheStoredNumber)
{
    TPerson* a = Player(u"A", 7);
    TPerson* twin = Player(u"Twin", 7);
    TPerson* c = Player(u"C", 20);
    ShirtNumberBoard board(club_, true);
    ASSERT_TRUE(board.Drop(twin->GetId(), 20));
    EXPECT_EQ(twin->GetShirtNumber(), 20);
    EXPECT_EQ(c->GetShirtNumber(), 7);
    EXPECT_EQ(a->GetShirtNumber(), 7);
    EXPECT_EQ(board.PersonOn(7), a->GetId());
    EXPECT_EQ(board.PersonOn(99), c->GetId());
}

TEST_F(ShirtNumberBoardTest, DropsOutsideTheBoardOrOfUnshownPersonsChangeNothing)
{
    TPerson* a = Player(u"A", 7);
    TPerson* reserve = ReservePlayer(u"R", 8);
    ShirtNumberBoard board(club_, true);
    for (int target : {0, -1, 100, 255}) EXPECT_FALSE(board.Drop(a->GetId(), target)) << target;
    EXPECT_FALSE(board.Drop(reserve->GetId(), 3));
    EXPECT_FALSE(board.Drop(0, 3));
    EXPECT_FALSE(board.Drop(987654, 3));
    EXPECT_EQ(a->GetShirtNumber(), 7);
    EXPECT_EQ(reserve->GetReserveShirtNumber(), 8);
    EXPECT_EQ(reserve->GetShirtNumber(), 0);
}

TEST_F(ShirtNumberBoardTest, TheReserveBoardKeepsTheReserveNumber)
{
    TPerson* a = ReservePlayer(u"A", 4);
    TPerson* b = ReservePlayer(u"B", 5);
    ShirtNumberBoard board(club_, false);
    ASSERT_TRUE(board.Drop(a->GetId(), 5));
    EXPECT_EQ(a->GetReserveShirtNumber(), 5);
    EXPECT_EQ(b->GetReserveShirtNumber(), 4);
    EXPECT_EQ(a->GetShirtNumber(), 0);
}

TEST_F(ShirtNumberBoardTest, RowsSplitIntoThreeListsOf33)
{
    struct Case {
        int list, row, number;
    };
    for (const Case& c : {Case{0, 0, 1}, Case{0, 32, 33}, Case{1, 0, 34}, Case{2, 0, 67}, Case{2, 32, 99},
                          Case{0, -1, 0}, Case{1, 33, 0}, Case{3, 0, 0}}) {
        EXPECT_EQ(ShirtNumberBoard::NumberAt(c.list, c.row), c.number) << c.list << "/" << c.row;
    }
}

TEST_F(ShirtNumberBoardTest, AFreeNumberShowsBlankColumns)
{
    ShirtNumberBoard board(club_, true);
    EXPECT_EQ(board.RowText(42), u"42\t \t ");
    Player(u"Named", 42);
    board.Fill();
    const std::u16string row = board.RowText(42);
    EXPECT_EQ(row.substr(0, 3), u"42\t");
    EXPECT_NE(row.find(u"Named"), std::u16string::npos);
}

}  // namespace
