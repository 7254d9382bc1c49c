#include <gtest/gtest.h>

#include "tests/editors/player_staff/model/SquadModelTestSupport.h"
#include "core/Random.h"
#include "core/text/TextTools.h"
#include "editors/player_staff/model/squad/SquadListModel.h"
#include "editors/player_staff/model/squad/SquadProblemLines.h"

namespace {

using squad_testing::TPlayerSpec;

class SquadListModelTest : public squad_testing::SquadWorldTest {
protected:
    std::vector<std::u16string> LastNames(int teamPart, int sortMode)
    {
        std::vector<TPerson*> players = SquadListModel::CollectTeamPart(club_, teamPart);
        SquadListModel::Sort(players, sortMode);
        std::vector<std::u16string> names;
        for (const TPerson* p : players) names.push_back(std::u16string(p->GetLastName()) + u"," + p->GetFirstName());
        return names;
    }
};

TEST_F(SquadListModelTest, TeamPartsTakeOnlyTheirPlayers)
{
    Add({.last = u"First"});
    Add({.last = u"Second", .teamPart = 1});
    Add({.last = u"Youth", .teamPart = 2});
    Add({.last = u"Manager", .type = 1});
    TPerson* youthInReserve = Add({.last = u"YouthReserve", .teamPart = 1});
    youthInReserve->SetYouthPlayer(true);
    EXPECT_EQ(LastNames(0, 0), (std::vector<std::u16string>{u"First,A"}));
    EXPECT_EQ(LastNames(1, 0), (std::vector<std::u16string>{u"Second,A"}));
    EXPECT_EQ(LastNames(2, 0), (std::vector<std::u16string>{u"Youth,A", u"YouthReserve,A"}));
    EXPECT_TRUE(SquadListModel::CollectTeamPart(nullptr, 0).empty());
}

TEST_F(SquadListModelTest, FourOrders)
{
    Add({.first = u"Zoe", .last = u"müller", .position = 16, .ability = 50, .nationality = 14});
    Add({.first = u"Anna", .last = u"Muller", .position = 1, .ability = 70, .nationality = 21});
    Add({.first = u"Carl", .last = u"Adams", .position = 8, .ability = 60, .nationality = 14});
    struct TCase {
        int mode;
        std::vector<std::u16string> names;
    };
    const TCase cases[] = {
        {SquadListModel::ByName, {u"Adams,Carl", u"Muller,Anna", u"müller,Zoe"}},
        {SquadListModel::ByPosition, {u"Muller,Anna", u"Adams,Carl", u"müller,Zoe"}},
    };
    for (const TCase& c : cases) EXPECT_EQ(LastNames(0, c.mode), c.names) << c.mode;
    const std::vector<std::u16string> byLevel = LastNames(0, SquadListModel::ByLevel);
    std::vector<TPerson*> players = SquadListModel::CollectTeamPart(club_, 0);
    SquadListModel::Sort(players, SquadListModel::ByLevel);
    EXPECT_GE(players[0]->GetLevel(), players[1]->GetLevel());
    EXPECT_GE(players[1]->GetLevel(), players[2]->GetLevel());
    SquadListModel::Sort(players, SquadListModel::ByNationality);
    EXPECT_LE(CompareCollated(world_->GetCountry(players[0]->GetNationality())->GetAbbreviation(),
                              world_->GetCountry(players[2]->GetNationality())->GetAbbreviation()),
              0);
}

TEST_F(SquadListModelTest, RowAndInfoTextsKeepTokensInNames)
{
    TPerson* p = Add({.first = u"X", .last = u"_PLAYER_COUNT", .position = 1});
    const std::u16string row = SquadListModel::RowText(*p);
    EXPECT_EQ(row.substr(0, row.find(u'\t')), u"_PLAYER_COUNT, X.");
    EXPECT_EQ(std::count(row.begin(), row.end(), u'\t'), 3);
    EXPECT_EQ(row.substr(row.rfind(u'\t') + 1), std::u16string(1, u'0' + p->GetLevel() / 10) + std::u16string(1, u'0' + p->GetLevel() % 10));
    const std::u16string info = SquadListModel::InfoText(*club_, 0, 1234);
    EXPECT_NE(info.find(u"1,234"), std::u16string::npos);
    EXPECT_EQ(info.find(u"_PLAYER_COUNT"), std::u16string::npos);
    EXPECT_EQ(info.find(u"_BEST_11_RATING"), std::u16string::npos);
}

TEST(SquadListModelDraw, HeightAndWeightFollowTheRuntimeRand)
{
    struct TCase {
        unsigned seed;
        int height;
        int weight;
    };
    for (const TCase& c : {TCase{1, 180, 74}, TCase{2, 179, 78}}) {
        CrtSrand(c.seed);
        const SquadListModel::THeightWeight drawn = SquadListModel::DrawHeightWeight(180, 75);
        EXPECT_EQ(drawn.height, c.height) << c.seed;
        EXPECT_EQ(drawn.weight, c.weight) << c.seed;
    }
}

TEST_F(SquadListModelTest, SwapTeamGivesAFreeNumberWhenHisIsWorn)
{
    TPerson* keeper = Add({.position = 1});
    keeper->SetShirtNumber(1);
    TPerson* reserve = Add({.teamPart = 1, .position = 1});
    reserve->SetShirtNumber(1);
    SquadListModel::SwapTeam(*club_, *reserve);
    EXPECT_TRUE(reserve->IsFirstTeam());
    EXPECT_NE(reserve->GetShirtNumber(), 1);
    SquadListModel::SwapTeam(*club_, *keeper);
    EXPECT_TRUE(keeper->IsReserveTeam());
}

TEST_F(SquadListModelTest, DeletingTheFirstTeamKeepsStaffAndYouth)
{
    TPerson* first = Add({.last = u"First"});
    Add({.last = u"Manager", .type = 1});
    Add({.last = u"Youth", .teamPart = 2});
    Add({.last = u"Second", .teamPart = 1});
    std::vector<TPerson*> joined;
    SquadListModel::ReleaseTeamPart(*club_, 0, [&](TPerson& p) {
        joined.push_back(&p);
        return true;
    });
    EXPECT_EQ(joined, std::vector<TPerson*>{first});
    EXPECT_EQ(club_->GetSquadCount(), 3);
    EXPECT_EQ(world_->GetPerson(first->GetId()), first) << "he joined the players without club";
}

TEST_F(SquadListModelTest, ARefusedFreeAgentIsDeleted)
{
    TPerson* p = Add({});
    const std::uint32_t id = p->GetId();
    SquadListModel::ReleasePerson(*club_, *p, [](TPerson&) { return false; });
    EXPECT_EQ(world_->GetPerson(id), nullptr);
    EXPECT_EQ(club_->GetSquadCount(), 0);
}

TEST_F(SquadListModelTest, MarkRealPersonsTouchesOnlyTheListedPlayers)
{
    TPerson* first = Add({});
    TPerson* manager = Add({.type = 1});
    TPerson* youth = Add({.teamPart = 2});
    SquadListModel::MarkRealPersons(club_, 0, true);
    EXPECT_TRUE(first->IsRealPerson());
    EXPECT_FALSE(manager->IsRealPerson());
    EXPECT_FALSE(youth->IsRealPerson());
    SquadListModel::MarkRealPersons(club_, 0, false);
    EXPECT_FALSE(first->IsRealPerson());
}

TEST_F(SquadListModelTest, PlaceInTeamPart)
{
    TPerson* p = Add({.teamPart = 1});
    SquadListModel::PlaceInTeamPart(*club_, *p, 0);
    EXPECT_EQ(p->GetTeamPart(), 0);
    SquadListModel::PlaceInTeamPart(*club_, *p, 1);
    EXPECT_EQ(p->GetTeamPart(), 1);
    SquadListModel::PlaceInTeamPart(*club_, *p, 2);
    EXPECT_EQ(p->GetTeamPart(), 2);
    EXPECT_TRUE(p->IsFirstTeam());
}

std::vector<std::u16string> KeyTexts(int squad, int staff)
{
    std::vector<std::u16string> texts;
    for (TextKey key : SquadProblemLines::Keys(squad, staff)) texts.push_back(key.key);
    return texts;
}

TEST(SquadProblemLines, BitsGiveTheirLinesInOrderEachOnce)
{
    struct TCase {
        int squad;
        int staff;
        std::vector<std::u16string> keys;
    };
    const TCase cases[] = {
        {0, 0, {}},
        {0x01, 0, {u"Database.Error.LessThan14Players"}},
        {0x08, 0, {u"Database.Error.OnlyOneManagerAllowed"}},
        {0x04 | 0x08, 0, {u"Database.Error.OnlyOneManagerAllowed"}},
        {0x20, 0, {u"Database.Error.OnlyOnePresidentAllowed"}},
        {0x04 | 0x80 | 0x01,
         0,
         {u"Database.Error.LessThan14Players", u"Database.Error.OnlyOneManagerAllowed", u"Database.Error.OnlyOneChairman"}},
        {0x100 | 0x40, 0x81, {u"Database.Error.PlayerWithoutName", u"Database.Error.OnlyOneChairman",
                              u"Database.Error.NoStaffAllowed", u"Database.Error.NoSpecialistBuilding"}},
    };
    for (const TCase& c : cases) EXPECT_EQ(KeyTexts(c.squad, c.staff), c.keys) << c.squad;
}

TEST_F(SquadListModelTest, ThirteenFirstTeamPlayersGiveOneLine)
{
    for (int n = 0; n < 13; ++n) Add({});
    EXPECT_EQ(KeyTexts(club_->CheckSquad(), club_->CountSquadByPersonType()),
              std::vector<std::u16string>{u"Database.Error.LessThan14Players"});
    Add({});
    EXPECT_TRUE(KeyTexts(club_->CheckSquad(), club_->CountSquadByPersonType()).empty());
}

}  // namespace
