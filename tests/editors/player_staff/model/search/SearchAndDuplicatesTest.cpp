#include <atomic>

#include <gtest/gtest.h>

#include "tests/editors/player_staff/model/SquadModelTestSupport.h"
#include "core/text/TextTools.h"
#include "editors/player_staff/model/search/DuplicateFinder.h"
#include "editors/player_staff/model/search/PersonPickerModel.h"
#include "editors/player_staff/model/search/PlayerSearch.h"

namespace {

using squad_testing::TPlayerSpec;

class SearchTest : public squad_testing::SquadWorldTest {
protected:
    std::vector<std::u16string> LastNamesFound(const PlayerSearch::TCriteria& criteria,
                                               const std::vector<TPerson*>& freeAgents = {})
    {
        const std::atomic<bool> stop{false};
        std::vector<std::u16string> names;
        for (const PlayerSearch::THit& hit : PlayerSearch::Run(*world_, freeAgents, criteria, stop)) {
            names.push_back(hit.person->GetLastName());
        }
        return names;
    }
};

TEST(SearchKeys, FoldAccentsAndCase)
{
    struct TCase {
        const char16_t* a;
        const char16_t* b;
    };
    for (const TCase& c : {TCase{u"müller", u"MULLER"}, TCase{u"æsir", u"ÆSIR"}, TCase{u"œuvre", u"ŒUVRE"},
                           TCase{u"Łódź", u"LODZ"}, TCase{u"ðorn", u"DORN"}, TCase{u"straße", u"STRAßE"}}) {
        EXPECT_EQ(PlayerSearch::SearchKey(c.a, 64), PlayerSearch::SearchKey(c.b, 64)) << std::string(c.b, c.b + 0);
    }
    EXPECT_NE(PlayerSearch::SearchKey(u"ß", 64), PlayerSearch::SearchKey(u"SS", 64));
    EXPECT_EQ(PlayerSearch::SearchKey(u"abcdef", 4), u"ABC");
    EXPECT_EQ(UpperCaseSortKey(nullptr), nullptr);
}

TEST_F(SearchTest, LastNamePatterns)
{
    Add({.last = u"Müller"});
    Add({.last = u"MULLER"});
    Add({.last = u"Mullerson"});
    Add({.last = u"Schmidt"});
    const std::vector<std::u16string> exact{u"Müller", u"MULLER"};
    EXPECT_EQ(LastNamesFound(PlayerSearch::MakeCriteria(u"", u"muller", u"")), exact);
    EXPECT_EQ(LastNamesFound(PlayerSearch::MakeCriteria(u"", u"mull*", u"")),
              (std::vector<std::u16string>{u"Müller", u"MULLER", u"Mullerson"}));
    EXPECT_EQ(LastNamesFound(PlayerSearch::MakeCriteria(u"", u"m?ller", u"")), exact);
    EXPECT_TRUE(LastNamesFound(PlayerSearch::MakeCriteria(u"", u"", u"")).empty());
    EXPECT_TRUE(LastNamesFound(PlayerSearch::MakeCriteria(u"Z*", u"mull*", u"")).empty()) << "every criterion";
}

TEST_F(SearchTest, PseudonymCriterionFindsANickname)
{
    TPerson* a = Add({.last = u"Nick"});
    a->SetNickname(u"Kaka");
    TPerson* b = Add({.last = u"Pseudo"});
    b->SetPseudonym(u"kaká");
    Add({.last = u"Other"});
    EXPECT_EQ(LastNamesFound(PlayerSearch::MakeCriteria(u"", u"", u"KAKA")),
              (std::vector<std::u16string>{u"Nick", u"Pseudo"}));
    EXPECT_FALSE(PlayerSearch::Matches(nullptr, PlayerSearch::MakeCriteria(u"*", u"", u"")));
}

TEST_F(SearchTest, ManyStarsMatchInBoundedTime)
{
    Add({.last = u"Aaaaaaaaaaaaaaaaaab"});
    const std::u16string pattern(200, u'*');
    std::u16string mixed;
    for (int i = 0; i < 100; ++i) mixed += u"*?";
    EXPECT_EQ(LastNamesFound(PlayerSearch::MakeCriteria(u"", pattern, u"")).size(), 1u);
    EXPECT_TRUE(LastNamesFound(PlayerSearch::MakeCriteria(u"", mixed + u"c", u"")).empty());
}

TEST_F(SearchTest, TheTenThousandAndFirstHitIsDropped)
{
    std::vector<TPerson*> freeAgents;
    for (int n = 0; n < 10001; ++n) freeAgents.push_back(Add({.last = u"Free"}, nullptr));
    const std::vector<std::u16string> found = LastNamesFound(PlayerSearch::MakeCriteria(u"", u"free", u""), freeAgents);
    EXPECT_EQ(found.size(), PlayerSearch::MaxHits);
}

TEST_F(SearchTest, AStopRequestEndsTheWalkAfterTheCurrentClub)
{
    TClub* first = world_->GetCountry(1)->GetClubByIndex(0);
    ASSERT_NE(first, nullptr);
    Add({.last = u"Here"}, first);
    Add({.last = u"There"});
    TPerson* free = Add({.last = u"Free"}, nullptr);
    const PlayerSearch::TCriteria all = PlayerSearch::MakeCriteria(u"", u"*", u"");
    std::atomic<bool> stop{false};
    EXPECT_EQ(PlayerSearch::Run(*world_, {free}, all, stop).size(), 3u);
    stop = true;
    const std::vector<PlayerSearch::THit> hits = PlayerSearch::Run(*world_, {free}, all, stop);
    ASSERT_EQ(hits.size(), 1u) << "the first club of country 1";
    EXPECT_EQ(hits[0].clubId, first->GetId());
}

TEST_F(SearchTest, ResultOrders)
{
    TPerson* a = Add({.first = u"Anna", .last = u"Zed", .position = 1});
    TPerson* b = Add({.first = u"Bob", .last = u"Abel", .position = 9}, nullptr);
    const PlayerSearch::THit withClub{a, club_->GetId()};
    const PlayerSearch::THit without{b, 0};
    EXPECT_LT(PlayerSearch::Compare(*world_, 0, withClub, without), 0);
    EXPECT_GT(PlayerSearch::Compare(*world_, 1, withClub, without), 0);
    EXPECT_LT(PlayerSearch::Compare(*world_, 3, withClub, without), 0);
    EXPECT_LT(PlayerSearch::Compare(*world_, 5, withClub, without), 0) << "without club last";
    EXPECT_GT(PlayerSearch::Compare(*world_, 5, without, withClub), 0);
    EXPECT_EQ(PlayerSearch::Compare(*world_, 5, without, without), 0);
    EXPECT_EQ(PlayerSearch::Compare(*world_, 7, withClub, without), 0);
}

// --- Duplicates

TEST_F(SearchTest, ThreeEqualPersonsGiveTwoPairs)
{
    TPerson* a = Add({.first = u"Jo", .last = u"Same"});
    TPerson* b = Add({.first = u"Jo", .last = u"Same"}, NewClub(England, u"Other"));
    TPerson* c = Add({.first = u"Jo", .last = u"Same"}, nullptr);
    Add({.first = u"Jo", .last = u"Else"});
    const std::vector<DuplicateFinder::TCandidate> pairs = DuplicateFinder::FindPairs(*world_, {c});
    ASSERT_EQ(pairs.size(), 4u);
    EXPECT_EQ(pairs[0].person, a);
    EXPECT_EQ(pairs[1].person, b);
    EXPECT_EQ(pairs[2].person, b);
    EXPECT_EQ(pairs[3].person, c) << "a club player pairs before a free agent";
    EXPECT_EQ(pairs[3].club, nullptr);
}

TEST_F(SearchTest, NationalTeamsAreNotSearched)
{
    TClub* national = world_->GetCountry(England)->GetNationalTeam();
    ASSERT_NE(national, nullptr);
    Add({.first = u"Jo", .last = u"Same"});
    Add({.first = u"Jo", .last = u"Same"}, national);
    EXPECT_TRUE(DuplicateFinder::FindPairs(*world_, {}).empty());
}

TEST_F(SearchTest, DuplicateFilters)
{
    TClub* other = NewClub(21, u"Abroad");
    TPerson* a = Add({.first = u"Jo", .last = u"Same"});
    TPerson* b = Add({.first = u"Jo", .last = u"Same"}, other);
    b->SetBirthDate(TDate(1970, 1, 1));
    const std::vector<DuplicateFinder::TCandidate> pairs = DuplicateFinder::FindPairs(*world_, {});
    ASSERT_EQ(pairs.size(), 2u);
    struct TCase {
        DuplicateFinder::TFilter filter;
        bool shown;
    };
    const TCountry* england = world_->GetCountry(England);
    const TCountry* nobody = world_->GetCountry(30);
    const TCase cases[] = {
        {{}, true},
        {{.sameBirthDate = true}, false},
        {{.mode = DuplicateFinder::CountryPairs, .country = england}, true},
        {{.mode = DuplicateFinder::CountryPairs, .country = nobody}, false},
        {{.mode = DuplicateFinder::ClubPairs, .club = other}, true},
        {{.mode = DuplicateFinder::ClubPairs, .club = nullptr}, true},
    };
    for (const TCase& c : cases) EXPECT_EQ(DuplicateFinder::IsShown(pairs[0], pairs[1], c.filter), c.shown);
    a->SetBirthDate(TDate(1970, 1, 1));
    EXPECT_TRUE(DuplicateFinder::IsShown(pairs[0], pairs[1], {.sameBirthDate = true}));
}

TEST_F(SearchTest, DuplicateOrdersCompareTheirSide)
{
    Add({.first = u"A", .last = u"Alpha", .position = 5});
    TPerson* freeStaff = Add({.first = u"A", .last = u"Alpha", .type = 4}, nullptr);
    Add({.first = u"B", .last = u"Beta", .position = 2});
    Add({.first = u"B", .last = u"Beta", .position = 3});
    const std::vector<DuplicateFinder::TCandidate> pairs = DuplicateFinder::FindPairs(*world_, {freeStaff});
    ASSERT_EQ(pairs.size(), 4u);
    const std::size_t alpha = 0;
    const std::size_t beta = 2;
    EXPECT_LT(DuplicateFinder::Compare(pairs, 0, alpha, beta), 0);
    EXPECT_EQ(DuplicateFinder::Compare(pairs, 1, alpha, beta), 0) << "both first persons in the same club";
    EXPECT_GT(DuplicateFinder::Compare(pairs, 2, alpha, beta), 0) << "a second person without club last";
    EXPECT_GT(DuplicateFinder::Compare(pairs, 6, alpha, beta), 0) << "staff by person type after a player";
    EXPECT_GT(DuplicateFinder::Compare(pairs, 5, alpha, beta), 0) << "two players by position";
    EXPECT_EQ(DuplicateFinder::Compare(pairs, 3, alpha, beta), 0);
    EXPECT_EQ(DuplicateFinder::Compare(pairs, 8, alpha, beta), 0);
}

// --- Picker

TEST_F(SearchTest, PickerRowsFollowTheFilters)
{
    Add({.last = u"Player"});
    Add({.last = u"Coach", .type = 5});
    Add({.last = u"Kid", .teamPart = 2});
    NewClub(England, u"Empty");
    const std::vector<PersonPickerModel::TRow> clubs = PersonPickerModel::ClubRows(*world_, England);
    ASSERT_EQ(clubs.size(), 1u) << "no national team, no empty club";
    EXPECT_EQ(clubs[0].id, club_->GetId());
    struct TCase {
        PersonPickerModel::TFilter filter;
        std::size_t rows;
    };
    const TCase cases[] = {
        {{}, 3}, {{.players = true, .staff = true}, 4}, {{.players = false, .staff = true}, 2}, {{.youthOnly = true}, 2}};
    for (const TCase& c : cases) {
        const std::vector<PersonPickerModel::TRow> rows = PersonPickerModel::PersonRows(*world_, club_->GetId(), c.filter);
        ASSERT_EQ(rows.size(), c.rows);
        EXPECT_EQ(rows[0].id, 0u);
        EXPECT_EQ(rows[0].text, u"(nobody)");
    }
    const std::u16string row = PersonPickerModel::PersonRows(*world_, club_->GetId(), {})[1].text;
    EXPECT_EQ(std::count(row.begin(), row.end(), u'\t'), 4);
    EXPECT_TRUE(PersonPickerModel::PersonRows(*world_, 0x00FF0001, {}).empty());
    EXPECT_EQ(PersonPickerModel::WithCountry(0x010E0003, 21), 0x01150003u);
}

}  // namespace
