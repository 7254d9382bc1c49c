#include <gtest/gtest.h>

#include "CompetitionTestSupport.h"
#include "competition/CompetitionId.h"
#include "competition/CountryCups.h"
#include "competition/Cup.h"
#include "competition/CupAlloc.h"
#include "competition/League.h"
#include "competition/TeamRules.h"
#include "database/country/Country.h"

namespace {

constexpr std::uint32_t Country = 5;

class CountryCupsTest : public testing::Test {
protected:
    void SetUp() override
    {
        LoadCupAllocation(GetCupAllocTable(), testing_support::SourcePath(u"tests\\competition\\fixtures"));
        country_.SetId(static_cast<std::int32_t>(Country));
    }
    void TearDown() override { GetCupAllocTable().Clear(); }
    CDBCup* Cup(std::uint32_t type, std::uint32_t index = 0)
    {
        return dynamic_cast<CDBCup*>(country_.GetCompetitionRegistry().Get(MakeCompetitionId(Country, type, index)));
    }
    const CDBCompetitionBase* Root() { return country_.GetCompetitionRegistry().Get(MakeCompetitionId(Country, TypeRoot, 0)); }

    TCountry country_;
};

SettingsBlock Numbered()
{
    SettingsBlock block{};
    for (std::size_t i = 0; i < block.size(); ++i) block[i] = static_cast<std::int32_t>(i + 1);
    return block;
}

}  // namespace

TEST_F(CountryCupsTest, AResetMakesARootAndOnRequestANationalCup)
{
    ResetCompetitions(country_, false);
    ASSERT_NE(Root(), nullptr);
    ASSERT_NE(Cup(TypeFaCup), nullptr);
    EXPECT_EQ(country_.GetNationalCupType(), 1);
    EXPECT_EQ(Cup(TypeFaCup)->GetCupKind(), 1);
    // The kind's template rules for this country: 65535 is the cup's own level, 65534 the one below.
    const std::vector<TRuleEntry> rules = GetTeamRuleStore().GetList(Cup(TypeFaCup)->GetRuleListIndex());
    ASSERT_EQ(rules.size(), 3u);
    EXPECT_EQ(rules[0].arg16 * 10 + rules[1].arg16, 1);
    EXPECT_EQ(rules[0].word1 >> 24, Country);
    ResetCompetitions(country_, true);
    EXPECT_NE(Root(), nullptr);
    EXPECT_EQ(Cup(TypeFaCup), nullptr);
    EXPECT_EQ(country_.GetNationalCupType(), 0);
}

TEST_F(CountryCupsTest, ClearingLeavesNoCupsNoRootAndNoLevelNames)
{
    ResetCompetitions(country_, false);
    SetLeagueCupSettings(country_, 2, 2, Numbered());
    SetSuperCupSettings(country_, 2, Numbered());
    country_.GetCompetitionRegistry().Register(
        std::make_unique<CDBLeague>(MakeCompetitionId(Country, TypeLeague, 0), MakeCompetitionId(Country, 0, 0), country_.GetCompetitionRegistry()));
    country_.SetLeagueSystemId(14);
    country_.SetLeagueLevelName(3, 4, u"Liga");
    ClearCompetitions(country_);
    EXPECT_EQ(country_.GetCompetitionRegistry().Size(), 0u);
    EXPECT_EQ(country_.GetNationalCupType() + country_.GetSuperCupType() + country_.GetLeagueCupType(2), 0);
    EXPECT_EQ(country_.GetLeagueSystemId(), 0);
    for (int level = 0; level < 16; ++level) {
        for (int language = 0; language < 6; ++language) EXPECT_EQ(country_.GetLeagueLevelNameInLanguage(language, level)[0], 0);
    }
}

TEST_F(CountryCupsTest, SettingsRemakeACupOnlyWhenItsTypeChanges)
{
    ResetCompetitions(country_, false);
    const CDBCup* first = Cup(TypeFaCup);
    SetNationalCupSettings(country_, 1, Numbered());
    EXPECT_EQ(Cup(TypeFaCup), first) << "same type: the cup stays";
    EXPECT_EQ(first->GetCupTableEntry(1, 0), 9) << "words 0..31 fill the table row by row";
    EXPECT_EQ(first->GetCupTableEntry(3, 7), 32);
    EXPECT_EQ(first->GetSetting(0), 0) << "a cup keeps its own four settings";
    SettingsBlock read{};
    GetNationalCupSettings(country_, read);
    EXPECT_EQ(read[31], 32);
    EXPECT_EQ(read[56], 0);
    SetNationalCupSettings(country_, 2, SettingsBlock{});
    ASSERT_NE(Cup(TypeFaCup), nullptr);
    EXPECT_EQ(Cup(TypeFaCup)->GetCupKind(), 2);
    EXPECT_EQ(country_.GetNationalCupType(), 2);
    SetLeagueCupSettings(country_, 3, 1, Numbered());
    EXPECT_EQ(country_.GetLeagueCupType(3), 1);
    EXPECT_EQ(country_.GetLeagueCupType(2), 0);
    EXPECT_NE(Cup(TypeLeagueCup, 3), nullptr);
    SetLeagueCupSettings(country_, 3, 0, Numbered());
    EXPECT_EQ(Cup(TypeLeagueCup, 3), nullptr) << "type 0 removes the cup";
    GetLeagueCupSettings(country_, 3, read);
    EXPECT_EQ(read, SettingsBlock{}) << "no cup, zeros";
    SetLeagueCupSettings(country_, 4, 1, Numbered());
    EXPECT_EQ(country_.GetCompetitionRegistry().Get(MakeCompetitionId(Country, TypeLeagueCup, 4)), nullptr);
}

TEST_F(CountryCupsTest, ACupWithoutARootMakesOneFirst)
{
    CreateCupCompetition(country_, TypeSuperCup, 1, 0);
    EXPECT_NE(Root(), nullptr);
    ASSERT_NE(Cup(TypeSuperCup), nullptr);
    EXPECT_EQ(Cup(TypeSuperCup)->GetOwnerId(), MakeCompetitionId(Country, TypeRoot, 0));
    CreateCupCompetition(country_, TypeSuperCup, 9, 0);
    ASSERT_NE(Cup(TypeSuperCup), nullptr) << "a kind without a shape still makes the cup";
    EXPECT_EQ(Cup(TypeSuperCup)->GetRuleListIndex(), 0u) << "the store's empty list";
}
