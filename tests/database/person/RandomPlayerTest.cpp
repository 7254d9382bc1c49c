#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <string>
#include <vector>

#include "tests/database/DatabaseTestSupport.h"
#include "core/Random.h"
#include "database/club/Club.h"
#include "database/country/Country.h"
#include "database/person/NamePool.h"
#include "database/person/Person.h"
#include "database/person/PoolPlayer.h"
#include "database/club/ReferenceLists.h"
#include "platform/Platform.h"

namespace {

constexpr int HomeLanguage = 1;
constexpr int ForeignLanguage = 3;
constexpr int GeneratedPositions[20] = {1, 1, 3, 4, 4, 4, 2, 9, 9, 11, 12, 12, 10, 15, 16, 14, 17, 17, 17, 13};

void Seed(unsigned seed)
{
    CrtSrand(seed);
    SeedRandom(static_cast<std::int32_t>(seed) + 1, static_cast<std::int32_t>(seed) + 2);
}

// England (14) and Germany (6) speak different languages; the club plays
// in England. The shipped names and shoes, whatever an earlier test loaded.
class RandomPlayerTest : public database_testing::CurrentWorldTest {
protected:
    void SetUp() override
    {
        CurrentWorldTest::SetUp();
        GetNamePool().Load();
        GetShoeList().Load(testing_support::SourcePath(u"data\\trdata\\eng\\shoe.txt"));
        England().SetLanguage(0, HomeLanguage);
        world_->GetCountry(6)->SetLanguage(0, ForeignLanguage);
        club_ = England().GetClubByUniqueId(England().CreateClub(u"Generated"));
    }

    TCountry& England() { return *world_->GetCountry(14); }

    TPerson& NewPerson() { return *world_->CreatePerson(world_->GetFreePersonId(), false); }

    static std::string PlayerText(const TPerson& person)
    {
        return database_testing::WrittenText([&person](CIndexTextFile& file) { return person.WritePlayer(file); });
    }

    std::vector<const TPerson*> TeamPlayers(int team) const
    {
        std::vector<const TPerson*> players;
        for (int slot = 0; slot < club_->GetSquadCount(); ++slot) {
            const TPerson* p = club_->GetSquadPerson(slot);
            if (p->IsPlayer() && p->GetTeamPart() == team) players.push_back(p);
        }
        return players;
    }

    TClub* club_ = nullptr;
};

std::string GoldenText(std::u16string_view name)
{
    const auto bytes = testing_support::ReadBytes(
        platform::JoinPath(testing_support::SourcePath(u"tests\\database\\golden"), name));
    return std::string(bytes.begin(), bytes.end());
}

}  // namespace

TEST_F(RandomPlayerTest, NewPersonsOfAWorldAreNamedInTheirCountrysLanguage)
{
    TPerson& p = NewPerson();
    p.Init(PersonPlayer, 14);
    EXPECT_EQ(p.GetLanguage(0), HomeLanguage);
    EXPECT_NE(p.GetFirstName()[0], 0);
    EXPECT_NE(p.GetLastName()[0], 0);
    EXPECT_EQ(p.GetNickname()[0], 0);
    // Scratch persons outside a world stay nameless.
    TPerson scratch(nullptr, 0);
    EXPECT_EQ(scratch.GetFirstName()[0], 0);
}

TEST_F(RandomPlayerTest, WithoutAClubNothingChanges)
{
    TPerson& p = NewPerson();
    const std::string before = PlayerText(p);
    p.GenerateRandomPlayer(nullptr, u"Anna", u"Berg", 25, 4, 5, 60, 2, 14);
    EXPECT_EQ(PlayerText(p), before);
}

TEST_F(RandomPlayerTest, GivenValuesAreKeptAndTheRestDrawnInRange)
{
    for (unsigned seed = 1; seed <= 30; ++seed) {
        Seed(seed);
        TPerson& p = NewPerson();
        p.GenerateRandomPlayer(club_, u"Maximilianfriedrich", u"Oberhauser-Zimmermannsdorf", 25, 1, 7, 60, 3, 6);
        EXPECT_EQ(std::u16string(p.GetFirstName()), u"Maximilianfried");
        EXPECT_EQ(std::u16string(p.GetLastName()), u"Oberhauser-Zimmerma");
        EXPECT_EQ(p.GetAge(), 25) << seed;
        EXPECT_EQ(p.GetNationalExperience(), GetAgeGroup(25));
        EXPECT_EQ(p.GetTalent(), 3);
        EXPECT_EQ(p.GetShirtNumber(), 7);
        EXPECT_EQ(p.GetPosition(0), 1);
        // A goalkeeper has no related positions.
        for (int slot = 1; slot < TPerson::PositionSlots; ++slot) EXPECT_EQ(p.GetPosition(slot), 0);
        EXPECT_EQ(p.GetLanguage(0), ForeignLanguage);
        EXPECT_EQ(p.GetLanguage(1), HomeLanguage);
        EXPECT_EQ(p.GetNationality(), 6);
        EXPECT_EQ(p.GetCaricature(), 0);
        EXPECT_NEAR(p.GetPositionRating(1), 60, 6) << seed;
        for (int a = 0; a < TPerson::AbilityCount; ++a) EXPECT_TRUE(p.GetAbility(a) >= 1 && p.GetAbility(a) <= 84);
        // Height and weight within their bands around the country's means.
        EXPECT_TRUE(p.GetHeight() >= 174 && p.GetHeight() <= 185) << int{p.GetHeight()};
        EXPECT_TRUE(p.GetWeight() >= 70 && p.GetWeight() <= 79) << int{p.GetWeight()};
        EXPECT_TRUE(GetShoeList().Contains(p.GetShoe()));
    }
}

TEST_F(RandomPlayerTest, DrawnValuesFollowTheirTables)
{
    int traitsSeen = 0;
    for (unsigned seed = 1; seed <= 200; ++seed) {
        Seed(seed);
        TPerson& p = NewPerson();
        p.GenerateRandomPlayer(club_, nullptr, u"", -1, -1, -1, 70, -1, -1);
        const int position = p.GetPosition(0);
        ASSERT_TRUE(position >= 1 && position <= 17) << position;
        EXPECT_TRUE(p.GetAge() >= 22 && p.GetAge() <= 27) << p.GetAge();
        EXPECT_LE(p.GetTalent(), 4);
        EXPECT_EQ(p.GetNationality(), 14);
        EXPECT_EQ(p.GetLanguage(1), 0) << "the club's language is the player's own";
        EXPECT_GT(std::u16string(p.GetFirstName()).size(), 0u);
        EXPECT_GT(std::u16string(p.GetLastName()).size(), 0u);
        // Further positions: distinct, at most two, from the main position's row.
        std::vector<int> positions = {position};
        for (int slot = 1; slot < TPerson::PositionSlots; ++slot) {
            if (p.GetPosition(slot) == 0) continue;
            EXPECT_LE(slot, 2);
            EXPECT_EQ(std::count(positions.begin(), positions.end(), p.GetPosition(slot)), 0);
            positions.push_back(p.GetPosition(slot));
        }
        const int side = TPerson::PositionSideOf(position);
        const int foot = p.GetPreferredFoot();
        const bool footFitsSide = side == 1 ? foot == 0 || foot == 2 : (side == 2 ? foot == 1 || foot == 3 : foot <= 2);
        EXPECT_TRUE(footFitsSide) << position << " " << foot;
        // One trait, never bit 23.
        const std::uint32_t traits = p.GetCharacterWord();
        EXPECT_EQ(traits & (traits - 1), 0u);
        EXPECT_NE(traits, 0u);
        EXPECT_LT(traits, 1u << 23);
        traitsSeen |= static_cast<int>(traits);
        EXPECT_LE(p.GetSummaryChoice(), 9);
        EXPECT_EQ(p.GetShirtNumber(), club_->GetFreeShirtNumber(position));
    }
    EXPECT_GT(std::popcount(static_cast<unsigned>(traitsSeen)), 15);
}

TEST_F(RandomPlayerTest, GeneratedTeamHasTwentyPlayersAroundTheLevelAndAge)
{
    TPerson& old = NewPerson();
    old.SetPosition(0, 16);
    club_->AddPlayer(&old);
    TPerson& manager = NewPerson();
    manager.SetType(PersonManager);
    club_->AddPlayer(&manager);
    const int persons = world_->GetPersonCount();
    Seed(11);
    club_->GenerateTeam(true, 60, 25);
    const std::vector<const TPerson*> team = TeamPlayers(0);
    ASSERT_EQ(team.size(), 20u);
    EXPECT_EQ(club_->FindPlayer(old.GetId()), nullptr) << "the old player left the squad";
    EXPECT_EQ(world_->GetPerson(old.GetId()), &old) << "but not the world";
    EXPECT_EQ(club_->FindPlayer(manager.GetId()), &manager);
    EXPECT_EQ(world_->GetPersonCount(), persons + 20);
    double sum = 0;
    for (std::size_t i = 0; i < team.size(); ++i) {
        EXPECT_EQ(team[i]->GetPosition(0), GeneratedPositions[i]);
        EXPECT_TRUE(team[i]->GetAge() >= 20 && team[i]->GetAge() <= 29) << team[i]->GetAge();
        EXPECT_TRUE(team[i]->GetLevel() >= 35 && team[i]->GetLevel() <= 85) << team[i]->GetLevel();
        sum += team[i]->GetBestPositionRating();
    }
    EXPECT_NEAR(sum / 20, 60, 3) << "the new players are scaled to the level";
    EXPECT_EQ(club_->CheckSquad() & 0x1, 0);

    Seed(12);
    club_->GenerateTeam(false, 30, 19);
    const std::vector<const TPerson*> reserve = TeamPlayers(1);
    ASSERT_EQ(reserve.size(), 20u);
    for (const TPerson* p : reserve) {
        EXPECT_TRUE(p->IsReserveTeam());
        EXPECT_TRUE(p->GetAge() >= 18 && p->GetAge() <= 23) << p->GetAge();
    }
    EXPECT_NEAR(club_->GetAverageLevel(1), 30, 3);
    EXPECT_EQ(TeamPlayers(0).size(), 20u) << "the first team stays";
}

TEST_F(RandomPlayerTest, PlayersFindingTheSquadFullAreDeleted)
{
    for (int n = 0; n < 50; ++n) {
        TPerson& staff = NewPerson();
        staff.SetType(static_cast<std::uint8_t>(4 + n % 15));
        club_->AddPlayer(&staff);
    }
    const int persons = world_->GetPersonCount();
    Seed(5);
    club_->GenerateTeam(true, 50, 30);
    EXPECT_EQ(club_->GetSquadCount(), TClub::SquadCapacity);
    EXPECT_EQ(TeamPlayers(0).size(), 10u);
    EXPECT_EQ(world_->GetPersonCount(), persons + 10);
}

// Fixed seeds of both generators give the checked-in persons.
TEST_F(RandomPlayerTest, GeneratedPlayersAndTeamsMatchTheGoldenFile)
{
    std::string text;
    for (unsigned seed : {1u, 2007u}) {
        Seed(seed);
        using TMake = void (*)(TPerson&, TClub*);
        const TMake makers[] = {
            [](TPerson& p, TClub* c) { p.GenerateRandomPlayer(c, nullptr, nullptr, -1, -1, -1, 70, -1, -1); },
            [](TPerson& p, TClub* c) { p.GenerateRandomPlayer(c, u"Anna", u"Berg", 31, 13, -1, 45, 1, 6); },
            [](TPerson& p, TClub* c) { p.GenerateRandomPlayer(c, u"", nullptr, 19, 1, 12, 80, -1, 14); },
        };
        for (TMake make : makers) {
            TPerson& p = NewPerson();
            make(p, club_);
            text += PlayerText(p);
        }
        club_->GenerateTeam(seed == 1, 55, 27);
        for (const TPerson* p : TeamPlayers(seed == 1 ? 0 : 1)) text += PlayerText(*p);
    }
    EXPECT_EQ(text, GoldenText(u"random_players.txt"));
}

TEST(PoolPlayerRandom, RandomisedEntriesStayInTheirRanges)
{
    TCountry country;
    for (unsigned seed = 1; seed <= 50; ++seed) {
        Seed(seed);
        TPoolPlayer entry;
        entry.SetFirstName(u"Anna");
        entry.SetLastName(u"Berg");
        entry.Randomise(country);
        EXPECT_FALSE(entry.HasName());
        const int age = 2007 - entry.GetBirthDate().GetYear();
        EXPECT_TRUE(age >= 14 && age <= 17) << age;
        EXPECT_LE(entry.GetBirthDate().GetDay(), 28);
        EXPECT_TRUE(entry.GetTalent() == 3 || entry.GetTalent() == 4);
        EXPECT_EQ(entry.GetFoot(), 0);
        EXPECT_LE(entry.GetAbilityIndex(), 42);
        EXPECT_LE(entry.GetTeamPart(), 3);
        EXPECT_LE(entry.GetCharacterTrait(), 20);
        EXPECT_EQ(entry.GetPreferredClub(), TPoolPlayer::CreateClub);
        EXPECT_EQ(entry.GetNationality(), country.GetId());
        EXPECT_EQ(entry.GetFacialHair(), 1);
        EXPECT_EQ(entry.GetShoe(), 2);
    }
}

TEST(PoolPlayerRandom, OnlyUntouchedEntriesWithoutBirthDateAreCompleted)
{
    TCountry country;
    const std::uint32_t faces[4] = {0x4, 0, 0, 0};
    country.SetFaceMask(faces);
    country.SetHairColourMask(0x8);
    const auto oldEntry = [] {
        TPoolPlayer entry;
        entry.SetBirthDate(TDate());
        entry.SetTalent(4);
        entry.SetFacialHair(1);
        entry.SetShoe(2);
        return entry;
    };
    int talents[5] = {};
    int feet[4] = {};
    Seed(3);
    for (int n = 0; n < 2000; ++n) {
        TPoolPlayer entry = oldEntry();
        entry.CompleteDefaults(country);
        EXPECT_EQ(entry.GetFace(), 2);
        EXPECT_EQ(entry.GetHairColour(), 3);
        EXPECT_EQ(entry.GetFacialHair(), 1);
        EXPECT_FALSE(entry.GetBirthDate().IsSet());
        ASSERT_TRUE(entry.GetTalent() >= 1 && entry.GetTalent() <= 4);
        ++talents[entry.GetTalent()];
        ++feet[entry.GetFoot()];
    }
    // Talent 1 for 31, 2 for 55, 3 for 12, 4 for 2 in a hundred; foot
    // right 61, left 20, both 10 and 9.
    EXPECT_NEAR(talents[2] / 20.0, 55, 5);
    EXPECT_NEAR(talents[1] / 20.0, 31, 5);
    EXPECT_NEAR(feet[0] / 20.0, 61, 5);
    EXPECT_NEAR(feet[3] / 20.0, 9, 3);

    TPoolPlayer dated = oldEntry();
    dated.SetBirthDate(TDate(1990, 5, 5));
    TPoolPlayer chosen = oldEntry();
    chosen.SetFoot(1);
    for (TPoolPlayer* entry : {&dated, &chosen}) {
        const TPoolPlayer before = *entry;
        entry->CompleteDefaults(country);
        EXPECT_EQ(entry->GetTalent(), before.GetTalent());
        EXPECT_EQ(entry->GetFace(), before.GetFace());
        EXPECT_EQ(entry->GetFoot(), before.GetFoot());
    }
}
