#include <gtest/gtest.h>

#include <ostream>

#include "tests/editors/country_club/model/CountryModelFixture.h"
#include "competition/LeagueStructure.h"
#include "editors/country_club/model/country/LeagueSystemModel.h"

using namespace country_model_testing;

namespace {

TLeagueCounts Counts(std::initializer_list<int> values)
{
    TLeagueCounts counts{};
    std::size_t i = 0;
    for (int v : values) counts[i++] = v;
    return counts;
}

struct OfferCase {
    int system;
    int level;
    std::vector<int> rules;
};

void PrintTo(const OfferCase& c, std::ostream* out) { *out << "system " << c.system << " level " << c.level; }

class RelegationOffers : public testing::TestWithParam<OfferCase> {};

TEST_P(RelegationOffers, FollowTheLinkOfTheNextLevel)
{
    EXPECT_EQ(OfferedRelegationRules(GetParam().system, GetParam().level), GetParam().rules);
}

INSTANTIATE_TEST_SUITE_P(Systems, RelegationOffers,
                         testing::Values(OfferCase{4, 0, {0, 3}}, OfferCase{3, 0, {0, 2, 4}},
                                         OfferCase{4, 1, {0, 1, 2, 3, 4, 5}}, OfferCase{13, 2, {0, 1, 2, 3, 4, 5}},
                                         OfferCase{5, 0, {0, 4}}, OfferCase{11, 1, {0, 5}}, OfferCase{4, 2, {}},
                                         OfferCase{-1, 0, {}}, OfferCase{38, 0, {}}));

TEST(LeagueSystemModel, MatchingSystemOrNone)
{
    EXPECT_EQ(FindMatchingSystem(Counts({1, 2, 4})), 13);
    EXPECT_EQ(FindMatchingSystem(Counts({})), 0);
    EXPECT_EQ(FindMatchingSystem(Counts({1, 1, 1})), 6);
    EXPECT_EQ(FindMatchingSystem(Counts({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1})), -1) << "13 levels";
    EXPECT_EQ(FindMatchingSystem(Counts({2})), -1);
}

TEST(LeagueSystemModel, ChoicesTheLevelDoesNotAdmitBecomeZero)
{
    const TLevelBytes filtered = FilterRelegationChoices(4, Bytes({1, 5, 2, 200}));
    EXPECT_EQ(filtered, Bytes({0, 5, 0, 0})) << "level 0 admits 0 and 3; level 1 all; levels 2.. none";
    EXPECT_EQ(FilterRelegationChoices(4, Bytes({3}))[0], 3);
}

TEST(LeagueSystemModel, HeadingsAreItemDataBelowSixteen)
{
    EXPECT_TRUE(IsLevelHeading(0));
    EXPECT_TRUE(IsLevelHeading(12));
    EXPECT_TRUE(IsLevelHeading(15));
    EXPECT_FALSE(IsLevelHeading(16));
    EXPECT_FALSE(IsLevelHeading(MakeCompetitionId(1, TypeLeague, 0)));
}

class LeagueTreeTest : public testing::Test, protected CountryFixture {};

TEST_F(LeagueTreeTest, HeadingThenLeagueRowsPerLevel)
{
    AddLeague(0, 0, u"Premier");
    AddLeague(1, 1, u"North");
    AddLeague(2, 1, u"South");
    country_.SetLeagueLevelName(0, 0, u"Top");
    country_.SetLeagueLevelName(0, 1, u"Second");
    const std::vector<TLeagueTreeRow> rows = BuildLeagueTreeRows(country_);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0].data, 0u);
    EXPECT_EQ(rows[0].text, u"Top");
    EXPECT_EQ(rows[1].data, country_.GetLeagueId(0));
    EXPECT_EQ(rows[1].text, u" \tPremier");
    EXPECT_EQ(rows[2].data, 1u);
    EXPECT_EQ(rows[2].text, u"Second");
    EXPECT_EQ(rows[4].text, u" \tSouth");
    EXPECT_EQ(FindMatchingSystem(LeaguesPerLevel(country_.GetLeagueLevels())), 3);
}

TEST_F(LeagueTreeTest, ThirteenLevelsListEveryLevelAndMatchNoSystem)
{
    for (int level = 0; level < 13; ++level) AddLeague(level, level, u"L");
    const std::vector<TLeagueTreeRow> rows = BuildLeagueTreeRows(country_);
    ASSERT_EQ(rows.size(), 26u);
    EXPECT_EQ(rows[24].data, 12u) << "level 12's heading";
    EXPECT_TRUE(IsLevelHeading(rows[24].data));
    EXPECT_EQ(FindMatchingSystem(LeaguesPerLevel(country_.GetLeagueLevels())), -1);
}

bool AnyScript(int) { return true; }
bool NoScript(int) { return false; }

struct PlanCase {
    const char* what;
    int stored;
    TLeagueCounts current;
    int system;
    int script;
    bool scriptThere;
    TLeagueSystemVerdict verdict;
};

void PrintTo(const PlanCase& c, std::ostream* out) { *out << c.what; }

class LeagueSystemPlans : public testing::TestWithParam<PlanCase> {};

TEST_P(LeagueSystemPlans, DecideOnTheDecidingCombo)
{
    const PlanCase& c = GetParam();
    const TLeagueSystemPlan plan =
        PlanLeagueSystemApply(c.stored, c.current, c.system, c.script, TLevelBytes{}, c.scriptThere ? AnyScript : NoScript);
    EXPECT_EQ(plan.verdict, c.verdict) << c.what;
}

using V = TLeagueSystemVerdict;
INSTANTIATE_TEST_SUITE_P(
    Cases, LeagueSystemPlans,
    testing::Values(PlanCase{"nothing chosen", 0, Counts({1, 1, 1}), -1, -1, true, V::RefuseNoSelection},
                    PlanCase{"generic id 0, no system", 0, Counts({1, 1, 1}), -1, 0, true, V::RefuseNoSelection},
                    PlanCase{"system 13 on 1-1-1", 0, Counts({1, 1, 1}), 13, 0, true, V::AskFirst},
                    PlanCase{"the same system", -1, Counts({1, 1, 1}), 6, -1, true, V::ApplyQuietly},
                    PlanCase{"a new script", 0, Counts({1, 1, 1}), 6, 3, true, V::AskFirst},
                    PlanCase{"a missing script", 0, Counts({1, 1, 1}), 6, 3, false, V::RefuseMissingScript},
                    PlanCase{"the stored script", 3, Counts({1, 2}), -1, 3, false, V::ApplyQuietly},
                    PlanCase{"a script left for a system", 3, Counts({1, 1, 1}), 6, 0, true, V::AskFirst},
                    PlanCase{"a script left, no system", 3, Counts({1, 1, 1}), -1, 0, true, V::RefuseNoSelection}));

TEST(LeagueSystemModel, PlanCarriesTheSystemsLeaguesAndAdmittedChoices)
{
    const TLeagueSystemPlan plan = PlanLeagueSystemApply(0, Counts({1, 1, 1}), 13, 0, Bytes({3, 2, 5}), AnyScript);
    EXPECT_EQ(plan.leagues, Bytes({1, 2, 4}));
    EXPECT_EQ(plan.choices[0], 0) << "rule 3 is not admitted above 2 leagues";
    EXPECT_EQ(plan.choices[1], 2);
    EXPECT_EQ(plan.choices[2], 5);
    EXPECT_EQ(plan.scriptId, 0);
}

class LeagueSystemApplyTest : public testing::Test, protected CountryFixture {};

// The plan's values given to the league structure build the chosen pyramid.
TEST_F(LeagueSystemApplyTest, System13OnOneOneOneGivesSevenLeagues)
{
    AddLeague(0, 0, u"A");
    AddLeague(1, 1, u"B");
    AddLeague(2, 2, u"C");
    const TLeagueCounts current = LeaguesPerLevel(country_.GetLeagueLevels());
    const TLeagueSystemPlan plan = PlanLeagueSystemApply(country_.GetLeagueSystemId(), current, 13, 0, TLevelBytes{}, AnyScript);
    ASSERT_EQ(plan.verdict, V::AskFirst);
    country_.SetLeagueSystem(plan.scriptId, plan.leagues, plan.choices);
    const std::vector<TLeagueLevel> levels = country_.GetLeagueLevels();
    ASSERT_EQ(levels.size(), 3u);
    EXPECT_EQ(levels[0].firstLeague, 0);
    EXPECT_EQ(levels[1].firstLeague, 1);
    EXPECT_EQ(levels[1].count, 2);
    EXPECT_EQ(levels[2].firstLeague, 3);
    EXPECT_EQ(levels[2].count, 4);
}

TEST_F(LeagueSystemApplyTest, ALevelRuleLandsOnEveryLeagueOfTheLevel)
{
    country_.SetLeagueSystemId(-1);
    AddLeague(0, 0, u"A", 18);
    AddLeague(1, 1, u"B1", 16);
    AddLeague(2, 1, u"B2", 20);
    AddLeague(3, 2, u"C", 10);
    ApplyLevelRelegationRule(country_, 1, 4);
    EXPECT_EQ(League(1)->GetRelegationRule(), 4);
    EXPECT_EQ(League(2)->GetRelegationRule(), 4);
    EXPECT_EQ(League(0)->GetRelegationRule(), 0);
    EXPECT_EQ(League(3)->GetRelegationRule(), 0);
    ApplyLevelRelegationRule(country_, 7, 4);
    EXPECT_EQ(LeagueTeamTotal(country_), 64);
}

}  // namespace
