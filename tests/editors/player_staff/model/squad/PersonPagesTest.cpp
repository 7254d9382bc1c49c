#include <gtest/gtest.h>

#include "tests/editors/player_staff/model/SquadModelTestSupport.h"
#include "editors/player_staff/model/squad/AbilityRules.h"
#include "editors/player_staff/model/squad/ContractPageModel.h"
#include "editors/player_staff/model/squad/HistoryPageModel.h"
#include "editors/player_staff/model/squad/PersonCommonRules.h"
#include "editors/player_staff/model/squad/TraitEnabling.h"

namespace {

using squad_testing::TPlayerSpec;

class PersonPagesTest : public squad_testing::SquadWorldTest {};

// --- Abilities

TEST(AbilityPage, PercentButtons)
{
    struct TCase {
        int value;
        int percent;
        int cap;
        int result;
    };
    const TCase cases[] = {
        {5, 90, 85, 4},  {95, 110, 85, 95}, {1, 102, 80, 2}, {1, 98, 80, 0},   {0, 110, 85, 0},
        {0, 90, 85, 0},  {99, 90, 82, 82},  {99, 90, 85, 85}, {50, 110, 80, 55}, {79, 105, 80, 80},
        {84, 105, 80, 84}, {20, 95, 85, 19},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(AbilityRules::PercentChange(c.value, c.percent, c.cap), c.result)
            << c.value << " at " << c.percent << " cap " << c.cap;
    }
}

TEST(AbilityPage, ButtonsAndBands)
{
    const int buttons[][2] = {{2026, 90}, {2029, 95}, {2030, 98}, {2031, 102}, {2028, 105}, {2027, 110}, {1, 0}};
    for (const auto& b : buttons) EXPECT_EQ(AbilityRules::PercentOfButton(b[0]), b[1]);
    const double weights[] = {0, 0.25, 0.5, 0.75, 1.0};
    for (int band = 0; band < 5; ++band) EXPECT_EQ(AbilityRules::Band(weights[band]), band);
    EXPECT_EQ(AbilityRules::Band(-1), 0);
    EXPECT_EQ(AbilityRules::Band(3), 4);
    EXPECT_EQ(AbilityRules::Band(0.2487), 0);
    EXPECT_EQ(AbilityRules::Band(0.2499), 1) << "the small lift counts";
}

TEST(AbilityPage, TargetRating)
{
    EXPECT_NEAR(AbilityRules::TargetRating(60, 2, 5, 22, 1), 40.32, 1e-9);
    EXPECT_NEAR(AbilityRules::TargetRating(60, 2, 5, 33, 1), 43.68, 1e-9);
    EXPECT_NEAR(AbilityRules::TargetRating(60, 2, 5, 28, 0), 63.0, 1e-9) << "26 to 31 unchanged";
    EXPECT_NEAR(AbilityRules::TargetRating(99, 4, 10, 28, 0), 90.0, 1e-9) << "at most 90";
    EXPECT_NEAR(AbilityRules::TargetRating(10, 0, 0, 28, 0), 20.0, 1e-9) << "at least 20";
    EXPECT_NEAR(AbilityRules::TargetRating(60, 2, 5, 28, 6), 20.0, 1e-9) << "the levels stop at 20";
}

TEST_F(PersonPagesTest, TargetWithoutACountryIsSeventy)
{
    TPerson* p = Add({}, nullptr);
    EXPECT_EQ(AbilityRules::TargetRating(*p, nullptr), 70.0);
    const double target = AbilityRules::TargetRating(*p, club_);
    EXPECT_GE(target, 20.0);
    EXPECT_LE(target, 90.0);
}

TEST_F(PersonPagesTest, PercentOnAPersonKeepsZerosAndCaps)
{
    TPerson* p = Add({.ability = 99});
    p->SetAbility(3, 0);
    AbilityRules::ApplyPercent(*p, 90);
    EXPECT_EQ(p->GetAbility(3), 0);
    for (int a = 0; a < TPerson::AbilityCount; ++a) {
        if (a == 3) continue;
        EXPECT_GE(p->GetAbility(a), 80) << a;
        EXPECT_LE(p->GetAbility(a), 85) << a;
    }
}

// --- Character

TEST_F(PersonPagesTest, FourTraitsDisableTheOtherBoxes)
{
    TPerson* p = Add({});
    for (int bit : {0, 1, 4, 5}) p->SetCharacterTrait(bit, true);
    EXPECT_EQ(TraitEnabling::EnabledBoxes(*p), (1u << 0) | (1u << 1) | (1u << 4) | (1u << 5));
    p->SetCharacterTrait(5, false);
    const std::uint32_t three = TraitEnabling::EnabledBoxes(*p);
    EXPECT_TRUE(three & (1u << 5));
    EXPECT_TRUE(three & (1u << 22));
    EXPECT_EQ(three >> 23, 0u) << "no box beyond the 23 traits";
}

TEST_F(PersonPagesTest, ExclusivePairsDisableAtAnyCount)
{
    TPerson* p = Add({});
    p->SetCharacterTrait(2, true);
    EXPECT_FALSE(TraitEnabling::EnabledBoxes(*p) & (1u << 3)) << "StrongNerves disables WeakNerves";
    p->SetCharacterTrait(2, false);
    p->SetCharacterTrait(3, true);
    EXPECT_FALSE(TraitEnabling::EnabledBoxes(*p) & (1u << 2));
    p->SetCharacterTrait(15, true);
    EXPECT_FALSE(TraitEnabling::EnabledBoxes(*p) & (1u << 16));
}

// --- Common page and staff level

TEST_F(PersonPagesTest, StaffLevelOutOfRangeShowsNothingAndStoresZero)
{
    TPerson* staff = Add({.type = 5});
    staff->SetStaffLevel(7);
    EXPECT_EQ(PersonCommonRules::StaffLevelSelection(*staff), -1);
    PersonCommonRules::StoreStaffLevel(*staff, PersonCommonRules::StaffLevelSelection(*staff));
    EXPECT_EQ(staff->GetStaffLevel(), 0);
    PersonCommonRules::StoreStaffLevel(*staff, 3);
    EXPECT_EQ(staff->GetStaffLevel(), 3);
    EXPECT_EQ(staff->GetSummaryChoice(), 3);
    TPerson* player = Add({});
    player->SetStaffLevel(2);
    PersonCommonRules::StoreStaffLevel(*player, 4);
    EXPECT_EQ(player->GetStaffLevel(), 2) << "a player's store changes nothing";
    EXPECT_EQ(player->GetSummaryChoice(), 0);
}

TEST_F(PersonPagesTest, SpokenLanguages)
{
    struct TCase {
        int nationality;
        int second;
        int club;
        std::uint8_t slots[4];
    };
    const TCase cases[] = {
        {5, 7, 9, {5, 7, 9, 0}}, {5, 0, 9, {5, 9, 0, 0}}, {5, 5, 9, {5, 0, 0, 0}},
        {5, 7, 5, {5, 7, 0, 0}}, {5, 0, 5, {5, 0, 0, 0}}, {5, 0, 0, {5, 0, 0, 0}},
    };
    for (const TCase& c : cases) {
        TPerson* p = Add({});
        PersonCommonRules::SetSpokenLanguages(*p, c.nationality, c.second, c.club);
        for (int slot = 0; slot < 4; ++slot) EXPECT_EQ(p->GetLanguage(slot), c.slots[slot]) << c.second << "/" << slot;
    }
}

TEST_F(PersonPagesTest, YouthFollowsTheAge)
{
    TPerson* young = Add({});
    young->SetBirthDate(TDate(1992, 1, 1));  // 15 on the reference day
    PersonCommonRules::TView view = PersonCommonRules::Show(*young);
    view.youthChecked = false;
    PersonCommonRules::Store(view, *young);
    EXPECT_TRUE(young->IsYouthPlayer());

    TPerson* older = Add({.teamPart = 2});
    older->SetBirthDate(TDate(1988, 1, 1));  // 19
    EXPECT_FALSE(PersonCommonRules::IsYouthBoxEnabled(older->GetBirthDate()));
    view = PersonCommonRules::Show(*older);
    EXPECT_TRUE(view.youthChecked);
    PersonCommonRules::Store(view, *older);
    EXPECT_FALSE(older->IsYouthPlayer());
    EXPECT_TRUE(PersonCommonRules::IsYouthBoxEnabled(TDate(1989, 1, 1)));
    EXPECT_EQ(PersonCommonRules::LowestBirthDate(true), TDate(1989, 1, 1));
    EXPECT_EQ(PersonCommonRules::LowestBirthDate(false), TDate(1932, 1, 1));
}

TEST_F(PersonPagesTest, CommonStoreOfAnUnchangedViewChangesNothing)
{
    TPerson* president = Add({.first = u"Old", .last = u"Man", .type = 3});
    president->SetBirthDate(TDate(1920, 5, 5));
    president->SetNationalExperience(3);
    president->SetSecondNationality(21);
    PersonCommonRules::Store(PersonCommonRules::Show(*president), *president);
    EXPECT_EQ(president->GetBirthDate(), TDate(1920, 5, 5)) << "a date shown clamped is not written";
    EXPECT_EQ(president->GetNationalExperience(), 3);
    EXPECT_EQ(president->GetSecondNationality(), 21);

    PersonCommonRules::TView view = PersonCommonRules::Show(*president);
    view.birthDate = TDate(1980, 1, 1);
    view.birthDateEdited = true;
    view.secondNationality = view.nationality;
    PersonCommonRules::Store(view, *president);
    EXPECT_EQ(president->GetBirthDate(), TDate(1980, 1, 1));
    EXPECT_EQ(president->GetNationalExperience(), GetAgeGroup(27));
    EXPECT_EQ(president->GetSecondNationality(), 0) << "the same country twice";
}

TEST_F(PersonPagesTest, PersonFlagsKeepTheirBits)
{
    TPerson* p = Add({});
    p->SetNaturalised(true);
    p->SetBasque(true);
    p->SetRealPerson(true);
    EXPECT_EQ(p->GetPersonFlags(), 0x07);
    p->SetBasque(false);
    EXPECT_EQ(p->GetPersonFlags(), 0x05);
    p->SetExcludedFromNationalTeam(true);
    p->SetInNationalTeam(true);
    p->SetClubOneYearOption(true);
    p->SetPlayerOneYearOption(true);
    EXPECT_EQ(p->GetNationalBits(), 0xC3);
    p->SetInNationalTeam(false);
    EXPECT_EQ(p->GetNationalBits(), 0xC1);
}

// --- Contract

TEST_F(PersonPagesTest, ContractGroupsPerState)
{
    using M = ContractPageModel;
    const unsigned expected[M::StateCount] = {
        0,
        M::FirstDateGroup | M::SecondDateGroup,
        M::BanGroup,
        0,
        M::FirstDateGroup | M::SecondDateGroup | M::OtherClubGroup | M::FeeGroup | M::FeeBox,
        M::FirstDateGroup | M::OtherClubGroup | M::FeeGroup,
        M::FirstDateGroup | M::SecondDateGroup | M::OtherClubGroup | M::FeeGroup | M::FeeBox | M::CallOptionGroup,
    };
    for (int state = 0; state < M::StateCount; ++state) EXPECT_EQ(M::GroupsOf(state), expected[state]) << state;
    EXPECT_EQ(M::GroupsOf(9), 0u);
    EXPECT_EQ(std::u16string(M::StateKey(9).key), u"Dialog.Player.Contract.StartOfSeason.Nothing");
}

TEST_F(PersonPagesTest, LoanFeeRule)
{
    TPerson* p = Add({});
    p->SetTransferState(ContractPageModel::Loan);
    p->SetTransferFee(5000);
    ContractPageModel::TView view = ContractPageModel::Show(*p);
    EXPECT_TRUE(view.feeChecked);
    view.feeChecked = false;
    ContractPageModel::Store(view, *p);
    EXPECT_EQ(p->GetTransferFee(), 0) << "box unchecked";

    view.feeChecked = true;
    view.fee = 0;
    ContractPageModel::Store(view, *p);
    EXPECT_EQ(p->GetTransferFee(), -1) << "left to the game";
    view = ContractPageModel::Show(*p);
    EXPECT_TRUE(view.feeChecked);
    EXPECT_EQ(view.fee, 0) << "shown as the generated option";

    view.state = ContractPageModel::Sell;
    view.fee = 700;
    ContractPageModel::Store(view, *p);
    EXPECT_EQ(p->GetTransferFee(), 700);
}

TEST_F(PersonPagesTest, NothingClearsDatesAndFeeButABanKeepsItsStart)
{
    TPerson* p = Add({});
    p->SetTransferState(ContractPageModel::Loan);
    p->SetTransferFee(5000);
    ContractPageModel::TView view = ContractPageModel::Show(*p);
    view.state = ContractPageModel::Nothing;
    ContractPageModel::Store(view, *p);
    EXPECT_FALSE(p->GetTransferStartDate().IsSet());
    EXPECT_FALSE(p->GetTransferEndDate().IsSet());
    EXPECT_EQ(p->GetTransferFee(), 0);
    EXPECT_EQ(p->GetTransferState(), 0);

    TPerson* banned = Add({});
    banned->SetTransferState(ContractPageModel::Ban);
    banned->SetTransferStartDate(TDate(2007, 8, 1));
    banned->SetBanLength(3);
    view = ContractPageModel::Show(*banned);
    EXPECT_EQ(view.banMatches, 3);
    view.banMatches = 4;
    ContractPageModel::Store(view, *banned);
    EXPECT_EQ(banned->GetTransferStartDate(), TDate(2007, 8, 1));
    EXPECT_EQ(banned->GetBanLength(), 4);
}

// A state chosen on the page keeps only its own dates: every date of the
// state before it is cleared, whichever the two states are, and the chosen
// state's dates are those the controls still show from the state before,
// never the record's fields of the new state that no control showed.
TEST_F(PersonPagesTest, AChosenStateKeepsOnlyItsOwnDates)
{
    using M = ContractPageModel;
    struct TDates {
        bool injuryStart;
        bool injuryEnd;
        bool transferStart;
        bool transferEnd;
    };
    const TDates kept[M::StateCount] = {
        {false, false, false, false}, {true, true, false, false},  {false, false, false, false},
        {false, false, false, false}, {false, false, true, true},  {false, false, true, false},
        {false, false, true, true},
    };
    auto expected = [](bool keeps, TDate shown) { return keeps ? shown : TDate(); };
    for (int before = 0; before < M::StateCount; ++before) {
        for (int chosen = 0; chosen < M::StateCount; ++chosen) {
            if (chosen == before) continue;
            SCOPED_TRACE(std::to_string(before) + " to " + std::to_string(chosen));
            TPerson* p = Add({});
            p->SetTransferState(before);
            p->SetInjuryStartDate(TDate(2007, 6, 1));
            p->SetInjuryEndDate(TDate(2007, 9, 1));
            p->SetTransferStartDate(TDate(2007, 7, 15));
            p->SetTransferEndDate(TDate(2008, 5, 31));
            M::TView view = M::Show(*p);
            view.state = chosen;
            M::Store(view, *p);
            EXPECT_EQ(p->GetTransferState(), chosen);
            EXPECT_EQ(p->GetInjuryStartDate(), expected(kept[chosen].injuryStart, view.firstDate));
            EXPECT_EQ(p->GetInjuryEndDate(), expected(kept[chosen].injuryEnd, view.secondDate));
            EXPECT_EQ(p->GetTransferStartDate(), expected(kept[chosen].transferStart, view.firstDate));
            EXPECT_EQ(p->GetTransferEndDate(), expected(kept[chosen].transferEnd, view.secondDate));
        }
    }
}

// A club id without a country names no club, not even "-".
TEST_F(PersonPagesTest, TheContractPageNamesOnlyClubsWithACountry)
{
    using M = ContractPageModel;
    TClub* club = NewClub(England, u"Farbridge");
    EXPECT_EQ(M::ClubName(club->GetId()), u"Farbridge");
    EXPECT_EQ(M::ClubName(club->GetId() | ReserveTeamBit), std::u16string(club->GetReserveName()));
    for (const std::uint32_t id : {0x00000000u, 0x00000005u, 0x0100FFFFu}) EXPECT_EQ(M::ClubName(id), u"") << id;
    // Once picked, a favourite or disliked club without a country reads "-".
    for (const std::uint32_t id : {0x00000000u, 0x00000005u}) {
        EXPECT_EQ(M::PickedClubName(id, true), u"-") << id;
        EXPECT_EQ(M::PickedClubName(id, false), u"") << id;
    }
    EXPECT_EQ(M::PickedClubName(club->GetId(), true), u"Farbridge");
}

TEST_F(PersonPagesTest, AnInjuryBesideALoanKeepsBothUnlessTheStateIsChanged)
{
    TPerson* p = Add({});
    p->SetStateBits(0x09);  // injured and on loan
    p->SetInjuryStartDate(TDate(2007, 6, 1));
    p->SetInjuryEndDate(TDate(2007, 9, 1));
    p->SetTransferStartDate(TDate(2007, 7, 1));
    p->SetTransferEndDate(TDate(2008, 6, 30));
    p->SetTransferFee(2500);
    ContractPageModel::TView view = ContractPageModel::Show(*p);
    EXPECT_EQ(view.state, ContractPageModel::Injury);
    ContractPageModel::Store(view, *p);
    EXPECT_EQ(p->GetStateBits(), 0x09);
    EXPECT_EQ(p->GetInjuryEndDate(), TDate(2007, 9, 1));
    EXPECT_EQ(p->GetTransferEndDate(), TDate(2008, 6, 30));
    EXPECT_EQ(p->GetTransferFee(), 2500);

    view.state = ContractPageModel::Nothing;
    ContractPageModel::Store(view, *p);
    EXPECT_EQ(p->GetStateBits(), 0);
    EXPECT_FALSE(p->GetTransferEndDate().IsSet());
}

TEST_F(PersonPagesTest, ContractDatesFallBackAndAreWrittenAsShown)
{
    TPerson* p = Add({});
    p->SetTransferState(ContractPageModel::Injury);
    p->SetInjuryStartDate(TDate());
    p->SetInjuryEndDate(TDate());
    ContractPageModel::TView view = ContractPageModel::Show(*p);
    EXPECT_EQ(view.firstDate, TDate(2007, 7, 1));
    EXPECT_EQ(view.secondDate, TDate(2007, 7, 14));
    ContractPageModel::Store(view, *p);
    EXPECT_EQ(p->GetInjuryStartDate(), TDate(2007, 7, 1));
    EXPECT_EQ(p->GetMoneyValue3(), 0u);

    p->SetTransferState(ContractPageModel::LoanFuture);
    p->SetTransferStartDate(TDate(1999, 1, 1));  // before the control's range
    p->SetTransferEndDate(TDate());
    view = ContractPageModel::Show(*p);
    EXPECT_EQ(view.secondDate, TDate(2008, 6, 30));
    view.firstDate = TDate(2002, 1, 1);  // what a clamping control would hold
    view.callOption = 12;
    ContractPageModel::Store(view, *p);
    EXPECT_EQ(p->GetTransferStartDate(), TDate(1999, 1, 1)) << "not changed by the user";
    EXPECT_EQ(p->GetCallOption(), 12);
    view.firstDateEdited = true;
    ContractPageModel::Store(view, *p);
    EXPECT_EQ(p->GetTransferStartDate(), TDate(2002, 1, 1));
    EXPECT_TRUE(ContractPageModel::IsRandomContractYear(2007));
    EXPECT_FALSE(ContractPageModel::IsRandomContractYear(2008));
}

TEST_F(PersonPagesTest, ContractStoreTwiceChangesNothingMore)
{
    for (int state = 0; state < ContractPageModel::StateCount; ++state) {
        TPerson* p = Add({});
        p->SetTransferState(state);
        p->SetTransferFee(-1);
        ContractPageModel::Store(ContractPageModel::Show(*p), *p);
        TPerson copy(world_, 0);
        copy.CopyFrom(*p);
        ContractPageModel::Store(ContractPageModel::Show(*p), *p);
        EXPECT_EQ(p->GetTransferFee(), copy.GetTransferFee()) << state;
        EXPECT_EQ(p->GetTransferStartDate(), copy.GetTransferStartDate()) << state;
        EXPECT_EQ(p->GetTransferEndDate(), copy.GetTransferEndDate()) << state;
        EXPECT_EQ(p->GetInjuryStartDate(), copy.GetInjuryStartDate()) << state;
        EXPECT_EQ(p->GetInjuryEndDate(), copy.GetInjuryEndDate()) << state;
    }
}

// --- History

TEST_F(PersonPagesTest, FirstEntryAndNoThirtyFirst)
{
    TPerson* p = Add({});
    ASSERT_TRUE(HistoryPageModel::AddNewEntry(*p));
    const THistoryEntry& first = p->GetHistoryEntry(0);
    EXPECT_EQ(first.start, TDate(2006, 7, 1));
    EXPECT_EQ(first.end, TDate(2007, 6, 30));
    EXPECT_EQ(first.clubId, club_->GetId());
    while (p->GetHistoryCount() < TPerson::MaxHistoryEntries) ASSERT_TRUE(HistoryPageModel::AddNewEntry(*p));
    EXPECT_FALSE(HistoryPageModel::AddNewEntry(*p));
    EXPECT_EQ(p->GetHistoryCount(), 30);
}

TEST_F(PersonPagesTest, NewEntryStartsAfterTheLatestEnd)
{
    TPerson* p = Add({}, nullptr);
    THistoryEntry late;
    late.start = TDate(2003, 7, 1);
    late.end = TDate(2005, 6, 30);
    THistoryEntry early;
    early.start = TDate(2001, 7, 1);
    early.end = TDate(2002, 6, 30);
    p->AddHistoryEntry(late);
    p->AddHistoryEntry(early);
    HistoryPageModel::AddNewEntry(*p);
    EXPECT_EQ(p->GetHistoryEntry(2).start, TDate(2005, 7, 1));
    EXPECT_EQ(p->GetHistoryEntry(2).clubId, 0u) << "no club holds him";
}

TEST(HistoryPage, Experience)
{
    const int table[][2] = {{0, 0}, {1, 1}, {9, 1}, {10, 2}, {12, 2}, {24, 2}, {25, 3}, {49, 3}, {50, 4}, {255, 4}};
    for (const auto& row : table) EXPECT_EQ(HistoryPageModel::ExperienceForAppearances(row[0]), row[1]) << row[0];
}

TEST_F(PersonPagesTest, AppearancesRaiseButNeverLowerExperience)
{
    TPerson* p = Add({});
    p->SetNationalTeamRecord(12, 0);
    p->SetInternationalExperience(1);
    HistoryPageModel::RaiseInternationalExperience(*p);
    EXPECT_EQ(p->GetInternationalExperience(), 2);
    p->SetInternationalExperience(4);
    HistoryPageModel::RaiseInternationalExperience(*p);
    EXPECT_EQ(p->GetInternationalExperience(), 4);
    p->SetNationalTeamRecord(0, 0);
    p->SetInternationalExperience(0);
    HistoryPageModel::RaiseInternationalExperience(*p);
    EXPECT_EQ(p->GetInternationalExperience(), 0);
}

TEST_F(PersonPagesTest, HistoryOrders)
{
    THistoryEntry a;
    a.clubId = club_->GetId();
    a.start = TDate(2001, 1, 1);
    a.end = TDate(2003, 1, 1);
    a.matches = 5;
    a.reserveMatches = 1;
    a.fee = 10;
    THistoryEntry b = a;
    b.clubId = 0x00FF1234;  // no such club
    b.start = TDate(2002, 1, 1);
    b.end = TDate(2002, 1, 1);
    b.reserveMatches = 2;
    b.fee = 5;
    THistoryEntry open = a;
    open.entryFlags = THistoryEntry::RunningFlag;
    open.end = TDate(1990, 1, 1);
    EXPECT_LT(HistoryPageModel::Compare(world_, 0, a, b), 0) << "an existing club first";
    EXPECT_LT(HistoryPageModel::Compare(world_, 1, a, b), 0);
    EXPECT_GT(HistoryPageModel::Compare(world_, 2, a, b), 0);
    EXPECT_GT(HistoryPageModel::Compare(world_, 2, open, b), 0) << "open after closed";
    EXPECT_EQ(HistoryPageModel::Compare(world_, 2, open, open), 0);
    EXPECT_LT(HistoryPageModel::Compare(world_, 3, a, b), 0) << "reserve matches decide";
    EXPECT_GT(HistoryPageModel::Compare(world_, 5, a, b), 0);
    EXPECT_EQ(HistoryPageModel::Compare(world_, 9, a, b), 0);
}

TEST_F(PersonPagesTest, HistoryTextsAndTotals)
{
    EXPECT_EQ(HistoryPageModel::MatchGoalText(1200, 3), u"1,200 (3)");
    THistoryEntry loan;
    loan.entryFlags = THistoryEntry::LoanFlag;
    loan.fee = 25000;
    EXPECT_EQ(HistoryPageModel::FeeText(loan), u"Loan: 25,000");
    loan.entryFlags = THistoryEntry::RunningFlag;
    EXPECT_EQ(HistoryPageModel::FeeText(loan), u"25,000");
    EXPECT_EQ(HistoryPageModel::EndText(loan), u"open");
    TPerson* p = Add({});
    THistoryEntry e;
    e.matches = 3;
    e.reserveMatches = 4;
    e.goals = 1;
    e.reserveGoals = 2;
    p->AddHistoryEntry(e);
    p->AddHistoryEntry(e);
    EXPECT_EQ(HistoryPageModel::Totals(*p).matches, 14);
    EXPECT_EQ(HistoryPageModel::Totals(*p).goals, 6);
}

TEST(HistoryPage, EntryStoreWritesDatesOnlyWhenEdited)
{
    THistoryEntry entry;
    entry.start = TDate(1970, 1, 1);  // before the control's range
    entry.end = TDate();              // an open entry's unset end
    entry.entryFlags = THistoryEntry::RunningFlag;
    entry.matches = 1500;
    HistoryPageModel::TEntryView view = HistoryPageModel::ShowEntry(entry);
    view.start = TDate(1980, 1, 1);
    view.end = TDate(1980, 1, 1);
    HistoryPageModel::StoreEntry(view, entry);
    EXPECT_EQ(entry.start, TDate(1970, 1, 1));
    EXPECT_FALSE(entry.end.IsSet());
    EXPECT_TRUE(entry.IsRunning());
    EXPECT_EQ(entry.matches, 1500) << "a stored count is kept";
    view.startEdited = true;
    view.open = false;
    view.loan = true;
    HistoryPageModel::StoreEntry(view, entry);
    EXPECT_EQ(entry.start, TDate(1980, 1, 1));
    EXPECT_FALSE(entry.IsRunning());
    EXPECT_TRUE(entry.IsLoan());
}

}  // namespace
