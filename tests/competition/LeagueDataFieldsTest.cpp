#include <gtest/gtest.h>

#include <ostream>

#include "competition/League.h"

namespace {

class LeagueDataFieldsTest : public testing::Test {
protected:
    TCompetitionRegistry registry_;
    CDBLeague league_{0x03010000, 0, registry_};
};

TEST_F(LeagueDataFieldsTest, DefaultsReadAsUnsetFields)
{
    for (int field = 0; field < CDBLeagueBase::DataAFieldCount; ++field) EXPECT_EQ(league_.GetLeagueDataAField(field), 15);
    for (int field = 0; field < CDBLeagueBase::DataBFieldCount; ++field) EXPECT_EQ(league_.GetLeagueDataBField(field), 15);
    for (int field = 0; field < CDBLeagueBase::DataBWideFieldCount; ++field) EXPECT_EQ(league_.GetLeagueDataBWideField(field), 0);
    EXPECT_EQ(league_.GetLeagueFlags(), 3);
}

struct FieldCase {
    const char* what;
    void (CDBLeagueBase::*set)(int, int);
    std::uint32_t (CDBLeagueBase::*word)() const;
    int field;
    int value;
    std::uint32_t expected;
};

void PrintTo(const FieldCase& c, std::ostream* out) { *out << c.what; }

class LeagueDataFieldWrites : public LeagueDataFieldsTest, public testing::WithParamInterface<FieldCase> {};

TEST_P(LeagueDataFieldWrites, ChangeOnlyTheirBits)
{
    const FieldCase& c = GetParam();
    (league_.*c.set)(c.field, c.value);
    EXPECT_EQ((league_.*c.word)(), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Words, LeagueDataFieldWrites,
    testing::Values(FieldCase{"A field 0", &CDBLeagueBase::SetLeagueDataAField, &CDBLeagueBase::GetLeagueDataA, 0, 2, 0xFFFFFFF2},
                    FieldCase{"A field 7", &CDBLeagueBase::SetLeagueDataAField, &CDBLeagueBase::GetLeagueDataA, 7, 0, 0x0FFFFFFF},
                    FieldCase{"A value cut to 4 bits", &CDBLeagueBase::SetLeagueDataAField, &CDBLeagueBase::GetLeagueDataA, 1, 0x31, 0xFFFFFF1F},
                    FieldCase{"A field 8 ignored", &CDBLeagueBase::SetLeagueDataAField, &CDBLeagueBase::GetLeagueDataA, 8, 0, 0xFFFFFFFF},
                    FieldCase{"B field 3", &CDBLeagueBase::SetLeagueDataBField, &CDBLeagueBase::GetLeagueDataB, 3, 5, 0x00005FFF},
                    FieldCase{"B field -1 ignored", &CDBLeagueBase::SetLeagueDataBField, &CDBLeagueBase::GetLeagueDataB, -1, 0, 0x0000FFFF},
                    FieldCase{"B wide field 0", &CDBLeagueBase::SetLeagueDataBWideField, &CDBLeagueBase::GetLeagueDataB, 0, 30, 0x001EFFFF},
                    FieldCase{"B wide field 2", &CDBLeagueBase::SetLeagueDataBWideField, &CDBLeagueBase::GetLeagueDataB, 2, 31, 0x7C00FFFF},
                    FieldCase{"B wide field 3 ignored", &CDBLeagueBase::SetLeagueDataBWideField, &CDBLeagueBase::GetLeagueDataB, 3, 31, 0x0000FFFF}));

TEST_F(LeagueDataFieldsTest, WideFieldsReadBackBetweenTheirNeighbours)
{
    league_.SetLeagueDataBWideField(0, 7);
    league_.SetLeagueDataBWideField(1, 31);
    league_.SetLeagueDataBWideField(2, 12);
    league_.SetLeagueDataBField(3, 1);
    EXPECT_EQ(league_.GetLeagueDataBWideField(0), 7);
    EXPECT_EQ(league_.GetLeagueDataBWideField(1), 31);
    EXPECT_EQ(league_.GetLeagueDataBWideField(2), 12);
    EXPECT_EQ(league_.GetLeagueDataBField(3), 1);
    EXPECT_EQ(league_.GetLeagueDataB() >> 31, 0u) << "the top bit belongs to no field";
}

}  // namespace
