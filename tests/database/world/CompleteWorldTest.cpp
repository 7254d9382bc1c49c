#include <gtest/gtest.h>

#include "tests/database/DatabaseTestSupport.h"
#include "competition/CompetitionId.h"
#include "competition/League.h"
#include "database/club/Club.h"
#include "database/country/Country.h"
#include "database/person/Person.h"
#include "core/text/Format.h"
#include "core/files/IndexTextFile.h"
#include "core/text/TextManager.h"
#include "core/text/TextTools.h"
#include "database/country/CountryCompetitions.h"
#include "database/country/CountryFile.h"
#include "database/world/WorldList.h"
#include "platform/Platform.h"

using database_testing::SampleWorldTest;
using database_testing::ScratchBase;
using testing_support::MessageCapture;
using testing_support::ReadBytes;

namespace {

// Every country file and the assessment, in that order.
std::vector<std::vector<std::uint8_t>> ReadDatabase(const TCompleteWorld& world)
{
    std::vector<std::vector<std::uint8_t>> files;
    for (int id = 1; id <= TCompleteWorld::LastCountryId; ++id) files.push_back(ReadBytes(world.GetCountryFilePath(id)));
    files.push_back(ReadBytes(platform::JoinPath(world.GetDatabaseFolder(), u"Assessment.sav")));
    files.push_back(ReadBytes(platform::JoinPath(world.GetDatabaseFolder(), u"Rules.sav")));
    files.push_back(ReadBytes(platform::JoinPath(world.GetDatabaseFolder(), u"Without.sav")));
    return files;
}

// Saves the world into its folder and returns the bytes of its files.
std::vector<std::vector<std::uint8_t>> SaveAndRead(TCompleteWorld& world)
{
    EXPECT_TRUE(world.SaveWorld().saved);
    return ReadDatabase(world);
}

}  // namespace

// Version 2 has no Polish texts: they are the English ones.
TEST(CountriesFile, BuildsAllCountriesWithNamesAndNationalTeams)
{
    for (const auto& [version, polishName, polishAbbreviation, polishByte] :
         {std::tuple{3, u"Kraj 42", u"L42", 6}, std::tuple{2, u"Country 42", u"C42", 0}}) {
        ScratchBase base;
        base.WriteDatabaseFile(u"Countries.sav", database_testing::CountriesSav(version));
        MessageCapture messages;
        auto world = base.BuildWorld();
        EXPECT_TRUE(messages.Messages().empty());
        const TCountry* country = world->GetCountry(42);
        EXPECT_EQ(std::u16string(country->GetNameInLanguage(5)), polishName);
        // A missing field takes field 0.
        EXPECT_EQ(std::u16string(country->GetAbbreviationInLanguage(5)), polishAbbreviation);
        EXPECT_EQ(country->GetLanguageByte(5), polishByte);
    }
    ScratchBase base;
    base.WriteDatabaseFile(u"Countries.sav", database_testing::CountriesSav(3));
    auto world = base.BuildWorld();
    const TCountry* country = world->GetCountry(42);
    EXPECT_EQ(std::u16string(country->GetNameInLanguage(0)), u"Land 42");
    EXPECT_EQ(std::u16string(country->GetAbbreviationInLanguage(1)), u"C42");
    EXPECT_EQ(std::u16string(country->GetAbbreviationInLanguage(4)), u"L42");
    EXPECT_EQ(country->GetContinent(), 41 % 6);
    EXPECT_EQ(country->GetContinentByte() >> 3, 3);
    EXPECT_EQ(country->GetLanguage(0), 42);
    EXPECT_EQ(country->GetLanguage(1), 7);
    ASSERT_NE(country->GetNationalTeam(), nullptr);
    EXPECT_EQ(country->GetNationalTeam()->GetId(), 0x2AFFFFu);
    EXPECT_EQ(std::u16string(world->GetCountry(0)->GetNameInLanguage(3)), u"n/a");
}

TEST(CountriesFile, MissingOrDamagedFileLeavesBareCountriesAndSaysSo)
{
    for (const std::string& content : {std::string(), std::string("Countries Version: 1\r\n"),
                                       std::string("Country Version: 3\r\n"),
                                       database_testing::CountriesSav(3).substr(0, 5000)}) {
        ScratchBase base;
        if (!content.empty()) base.WriteDatabaseFile(u"Countries.sav", content);
        MessageCapture messages;
        auto world = base.BuildWorld();
        ASSERT_EQ(messages.Messages().size(), 1u);
        EXPECT_NE(messages.Messages()[0].find(u"Countries.sav"), std::u16string::npos);
        const std::u16string reason = CTextManager::Instance()->GetText(u"Database.Error.CountriesFileDamaged"_tk);
        EXPECT_EQ(messages.Messages()[0].find(reason) != std::u16string::npos, !content.empty());
        // Every country has its id and national team, none a name.
        for (int id = 1; id <= TCompleteWorld::LastCountryId; ++id) {
            ASSERT_EQ(world->GetCountry(id)->GetId(), id);
            ASSERT_NE(world->GetCountry(id)->GetNationalTeam(), nullptr);
            ASSERT_EQ(world->GetCountry(id)->GetNameInLanguage(0)[0], 0);
        }
    }
}

TEST(CompleteWorld, LookupsFallBackToSlotZero)
{
    ScratchBase base;
    base.WriteDatabaseFile(u"Countries.sav", database_testing::CountriesSav(3));
    auto world = base.BuildWorld();
    EXPECT_EQ(world->GetCountry(0), world->GetCountry(208));
    EXPECT_EQ(world->GetCountry(-1), world->GetCountry(0));
    EXPECT_EQ(world->GetCountry(207)->GetId(), 207);
    EXPECT_EQ(world->GetClubName(0x0000FFFF), u"-");
    EXPECT_EQ(world->GetClubName(0x00050003), u"-");
    const TTeamId id = world->GetCountry(5)->CreateClub(u"Racing");
    EXPECT_EQ(world->GetClubName(id), u"Racing");
    EXPECT_EQ(world->GetClub(id | ReserveTeamBit), world->GetClub(id));
    EXPECT_EQ(world->FindClubByUniqueId(world->GetClub(id)->GetUniqueId()), world->GetClub(id));
}

TEST(CompleteWorld, PersonIdsStartAtOneAndTakenIdsAreRemapped)
{
    TCompleteWorld world;
    TPerson* first = world.CreatePerson(0, true);
    EXPECT_EQ(first->GetId(), 1u);
    EXPECT_EQ(world.GetIdRemap().at(0), 1u);
    EXPECT_EQ(world.CreatePerson(5, true)->GetId(), 5u);
    // Taken: the first free id from the person count on.
    EXPECT_EQ(world.CreatePerson(5, true)->GetId(), 2u);
    EXPECT_EQ(world.GetIdRemap().at(5), 2u);
    EXPECT_EQ(world.CreatePerson(5, false), nullptr);
    EXPECT_EQ(world.CreatePerson(9, false)->GetId(), 9u);
    world.DeletePerson(world.GetPerson(9));
    EXPECT_EQ(world.GetPerson(9), nullptr);
    world.DeletePerson(nullptr);
    EXPECT_EQ(world.GetPersonCount(), 3);
}

TEST(WorldList, HoldsAtMostSixWorldsAndMovesTheCurrentOne)
{
    ScratchBase base;
    base.WriteDatabaseFile(u"Countries.sav", database_testing::CountriesSav(3));
    TWorldList& list = GetWorldList();
    list.Clear();
    std::vector<TCompleteWorld*> worlds;
    for (int i = 0; i < TWorldList::MaxWorlds; ++i) worlds.push_back(list.CreateCompleteWorld());
    EXPECT_EQ(GetWorld(), worlds.back());
    EXPECT_EQ(list.CreateCompleteWorld(), nullptr);
    EXPECT_EQ(list.GetCount(), 6);
    EXPECT_FALSE(list.RemoveWorld(nullptr));
    EXPECT_TRUE(list.RemoveWorld(worlds.back()));
    EXPECT_EQ(GetWorld(), worlds.front());
    list.Clear();
    EXPECT_EQ(GetWorld(), nullptr);
}

TEST_F(SampleWorldTest, SampleDatabaseLoadsAndSavesByteForByte)
{
    MessageCapture messages;
    ASSERT_TRUE(world_->LoadWorld(u"Database"));
    EXPECT_TRUE(messages.Messages().empty()) << testing_support::Narrow(messages.Messages().front());
    const auto original = ReadDatabase(*world_);
    const auto saved = SaveAndRead(*world_);
    for (std::size_t file = 0; file < original.size(); ++file) ASSERT_EQ(saved[file], original[file]) << file;
    // Load, save, load, save.
    NewWorld();
    ASSERT_TRUE(world_->LoadWorld(u"Database"));
    EXPECT_EQ(SaveAndRead(*world_), saved);
    EXPECT_EQ(world_->GetCountry(1)->GetYearCoefficient(6), 1659) << "16.59 in the oldest column";
}


// Every older layout of a country file, England's shipped ones and the
// generated ones of country 21, in the sample's place: the load, with its
// read-ahead of persons, says nothing, and a player's raised salary is
// saved, loaded and saved again the same.
TEST_F(SampleWorldTest, EveryOlderLayoutLoadsWithoutAWordAndKeepsAnEdit)
{
    const auto player = [this](int id) { return world_->GetCountry(id)->GetClubByIndex(1)->GetSquadPerson(0); };
    for (const auto& [id, folder] : {std::pair(14, testing_support::SourcePath(u"tests\\database\\fixtures")),
                                     std::pair(21, testing_support::BinaryPath(u"generated\\fixtures"))}) {
        for (const std::u16string& name : platform::ListFolder(folder)) {
            if (!name.starts_with(Format(u"Country%d", id))) continue;
            SCOPED_TRACE(testing_support::Narrow(name));
            database_testing::CopySampleDatabase(base_.DatabasePath(u""));
            const std::vector<std::uint8_t> layout = ReadBytes(platform::JoinPath(folder, name));
            base_.WriteDatabaseFile(Format(u"Country%d.sav", id), std::string(layout.begin(), layout.end()));
            NewWorld();
            MessageCapture messages;
            ASSERT_TRUE(world_->LoadWorld(u"Database"));
            const std::uint32_t salary = player(id)->GetSalary() + 1000;
            player(id)->SetSalary(salary);
            const auto saved = SaveAndRead(*world_);
            NewWorld();
            ASSERT_TRUE(world_->LoadWorld(u"Database"));
            EXPECT_EQ(player(id)->GetSalary(), salary);
            EXPECT_EQ(SaveAndRead(*world_), saved);
            EXPECT_TRUE(messages.Messages().empty()) << testing_support::Narrow(messages.Messages().front());
        }
    }
}

// A league team of a hand-edited file names a club the world lacks: the
// load says so and takes it out, the other teams stay, and from then on
// two saves in a row write the same bytes.
TEST_F(SampleWorldTest, ALeagueTeamThatNamesNoClubIsReportedAndSavesStayTheSame)
{
    std::string file = database_testing::FileText(base_.DatabasePath(u"Country14.sav"));
    const std::string teams = "%INDEX%TEAMS\r\ne0001,e0002,";
    ASSERT_NE(file.find(teams), std::string::npos);
    file.replace(file.find(teams), teams.size(), "%INDEX%TEAMS\r\ne0063,e0002,");
    base_.WriteDatabaseFile(u"Country14.sav", file);
    const CDBCompetitionBase* league = nullptr;
    {
        MessageCapture messages;
        ASSERT_TRUE(world_->LoadWorld(u"Database"));
        ASSERT_EQ(messages.Messages().size(), 1u);
        const std::u16string& message = messages.Messages()[0];
        EXPECT_NE(message.find(u"Country14.sav"), std::u16string::npos) << testing_support::Narrow(message);
        EXPECT_NE(message.find(u"(e0063)"), std::u16string::npos) << testing_support::Narrow(message);
        league = world_->GetCompetitions().Get(0x0E010000);
        ASSERT_NE(league, nullptr);
        EXPECT_NE(message.find(league->GetName()), std::u16string::npos) << testing_support::Narrow(message);
    }
    EXPECT_TRUE(world_->GetCountry(14)->IsDamaged());
    ASSERT_EQ(league->GetAssignedTeamCount(), 11);
    EXPECT_EQ(league->GetTeamSlot(0), 0x000E0002u);
    EXPECT_EQ(TeamIndexInCompetition(*league, 0x000E0063), -1);
    std::vector<std::vector<std::uint8_t>> saved;
    {
        MessageCapture yes(AppMessage::IdYes);
        saved = SaveAndRead(*world_);
    }
    EXPECT_EQ(database_testing::FileText(base_.DatabasePath(u"Country14.sav")).find("e0063"), std::string::npos);
    NewWorld();
    MessageCapture messages;
    ASSERT_TRUE(world_->LoadWorld(u"Database"));
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_FALSE(world_->GetCountry(14)->IsDamaged());
    EXPECT_EQ(SaveAndRead(*world_), saved);
}

TEST_F(SampleWorldTest, AMissingCountryFileIsReportedOnceAndSkipped)
{
    platform::RemoveFile(base_.DatabasePath(u"Country3.sav"));
    MessageCapture messages;
    EXPECT_TRUE(world_->LoadWorld(u"Database"));
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_NE(messages.Messages()[0].find(u"Country3.sav"), std::u16string::npos);
    EXPECT_NE(std::u16string(world_->GetCountry(4)->GetFederationName()), u"");
}

TEST_F(SampleWorldTest, ANewerCountryFileStopsTheLoad)
{
    base_.WriteDatabaseFile(u"Country5.sav", "%INDEX%COUNTRY\r\n%INDEX%VERSION\r\n537329694\r\n%INDEXEND%VERSION\r\n");
    MessageCapture messages;
    EXPECT_FALSE(world_->LoadWorld(u"Database"));
    ASSERT_EQ(messages.Messages().size(), 1u);
    const std::u16string& message = messages.Messages()[0];
    EXPECT_NE(message.find(u"Country5.sav"), std::u16string::npos);
    EXPECT_NE(message.find(u"2007-30"), std::u16string::npos) << testing_support::Narrow(message);
    EXPECT_NE(message.find(u"2007-28"), std::u16string::npos);
}

TEST_F(SampleWorldTest, AFailedSaveKeepsTheOldFilesAndSaysSoOnce)
{
    ASSERT_TRUE(world_->LoadWorld(u"Database"));
    const auto before = ReadDatabase(*world_);
    world_->GetCountry(1)->SetLongText(u"changed");
    world_->GetCountry(2)->SetLongText(u"changed");
    MessageCapture messages;
    platform::FailWritesAfter(1);
    const bool saved = world_->SaveWorld().saved;
    platform::FailWritesAfter(0);
    EXPECT_FALSE(saved);
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0],
              CTextManager::Instance()->GetText(u"Database.CompleteWorld.ErrorDuringSave"_tk));
    EXPECT_EQ(ReadDatabase(*world_), before);
    // No temporary file is left behind.
    EXPECT_EQ(platform::ListFolder(base_.DatabasePath(u"")).size(), platform::ListFolder(testing_support::SourcePath(u"data\\Database")).size());
}

TEST_F(SampleWorldTest, AssessmentValuesAreExactHundredths)
{
    base_.WriteDatabaseFile(u"Assessment.sav",
                            "Index\t[English]\t[French]\t[German]\t[Italian]\t[Spanish]\t[Polish]\tYear -6\tYear -5\t"
                            "Year -4\tYear -3\tYear -2\tYear -1\r\n"
                            "4\tA\tA\tA\tA\tA\tA\t1.237\t0.29\t-3\t12\t0.5\t655.36\r\n");
    ASSERT_TRUE(world_->ReadAssessment(base_.DatabasePath(u"Assessment.sav")));
    const TCountry& austria = *world_->GetCountry(4);
    const int hundredths[] = {65535, 50, 1200, 0, 29, 123};
    for (int year = 1; year <= 6; ++year) EXPECT_EQ(austria.GetYearCoefficient(year), hundredths[year - 1]) << year;
    EXPECT_FALSE(world_->ReadAssessment(base_.DatabasePath(u"Missing.sav")));
    EXPECT_EQ(austria.GetYearCoefficient(6), 123);
}

TEST_F(SampleWorldTest, SquadsKeepTheirFileIdsAndManagersAndFreeAgentsGetTheirsAfterEveryFileIsRead)
{
    ASSERT_TRUE(world_->LoadWorld(u"Database"));
    int managers = 0;
    int squads = 0;
    for (int id = 1; id <= TCompleteWorld::LastCountryId; ++id) {
        for (const auto& [personId, person] : world_->GetCountry(id)->GetAdditionalManagers()) {
            EXPECT_EQ(person->GetId(), personId);
            EXPECT_EQ(world_->GetPerson(personId), person);
            EXPECT_NE(personId, 0u);
            ++managers;
        }
        TCountry* country = world_->GetCountry(id);
        for (int index = 0; index < country->GetClubCount(); ++index) {
            const TClub* club = country->GetClubByIndex(index);
            for (int slot = 0; slot < club->GetSquadCount(); ++slot) EXPECT_NE(club->GetSquadPerson(slot), nullptr);
            squads += club->GetSquadCount();
        }
    }
    EXPECT_GT(squads, 1000);
    EXPECT_EQ(world_->GetPersonCount(), managers + squads + world_->GetFreeAgents().GetCount());
    // Every squad member took the id its club section gave him.
    EXPECT_EQ(static_cast<int>(world_->GetIdRemap().size()), squads);
    for (const auto& [wanted, given] : world_->GetIdRemap()) EXPECT_EQ(wanted, given);
}

// The shipped sample as its pages show it: every level sorts equal points
// by a rule the league data offers, every player has a career, and records
// and league figures agree.
TEST_F(SampleWorldTest, TheSampleKeepsItsOwnRules)
{
    ASSERT_TRUE(world_->LoadWorld(u"Database"));
    int players = 0;
    for (int id = 1; id <= 206; ++id) {
        const TCountry& country = *world_->GetCountry(id);
        for (int level = 0; level < TCountry::LevelCount; ++level) {
            const int rule = country.GetLevelSortRule(level);
            EXPECT_TRUE(rule == 0 || rule == 4 || rule == 8) << id << " level " << level << ": " << rule;
        }
        for (int index = 0; index < country.GetClubCount(); ++index) {
            const TClub& club = *country.GetClubByIndex(index);
            const std::string name = testing_support::Narrow(club.GetName());
            for (int set = 0; set < 2; ++set) {
                std::uint16_t wins = 0, draws = 0, defeats = 0;
                club.GetLeagueStats(set, wins, draws, defeats);
                EXPECT_EQ(club.GetLeagueStat(set), 3 * wins + draws) << name;
            }
            for (int record = 0; record < 4; ++record) {
                const TClubRecord& result = club.GetRecord(record);
                if (result.GetYear() == 0) continue;
                const bool victory = record % 2 == 0;
                EXPECT_EQ(victory, result.GetGoalsA() > result.GetGoalsB()) << name << " record " << record;
                EXPECT_NE(result.GetGoalsA(), result.GetGoalsB()) << name << " record " << record;
            }
            for (int slot = 0; slot < club.GetSquadCount(); ++slot) {
                const TPerson* person = club.GetSquadPerson(slot);
                if (person == nullptr || !person->IsPlayer()) continue;
                ++players;
                // His running spell and the year he joined: SampleCareersTest.
                EXPECT_GT(person->GetHistoryCount(), 0) << name;
            }
        }
    }
    EXPECT_EQ(players, 944);
}

// By the program's own ratings, every goalkeeper of the sample rates best in
// goal and every outfield player better at his position than in goal, with
// a club or without one.
TEST_F(SampleWorldTest, GoalkeepersRateBestInGoalAndOutfieldPlayersOutfield)
{
    ASSERT_TRUE(world_->LoadWorld(u"Database"));
    constexpr int Goal = 1;
    std::vector<const TPerson*> players;
    for (int id = 1; id <= 206; ++id) {
        const TCountry& country = *world_->GetCountry(id);
        for (int index = 0; index < country.GetClubCount(); ++index) {
            const TClub& club = *country.GetClubByIndex(index);
            for (int slot = 0; slot < club.GetSquadCount(); ++slot) {
                const TPerson* person = club.GetSquadPerson(slot);
                if (person != nullptr && person->IsPlayer()) players.push_back(person);
            }
        }
    }
    for (int index = 0; index < world_->GetFreeAgents().GetCount(); ++index) players.push_back(world_->GetFreeAgents().GetPlayer(index));
    int keepers = 0;
    for (const TPerson* player : players) {
        const std::string name = testing_support::Narrow(player->GetLastName());
        if (player->GetPositionGroup() != 1) {
            EXPECT_GT(player->GetLevel(), player->GetPositionRating(Goal)) << name;
            continue;
        }
        ++keepers;
        for (int position = Goal + 1; position < TPerson::RatingCount; ++position)
            EXPECT_GT(player->GetLevel(), player->GetPositionRating(position)) << name << " at " << position;
    }
    EXPECT_GT(keepers, 80);
}

TEST(CompleteWorld, FullSizeDatabaseLoadsAndSavesByteForByte)
{
    const std::u16string full = testing_support::BinaryPath(u"generated\\full");
    if (!platform::FileExists(platform::JoinPath(full, u"Country1.sav"))) GTEST_SKIP() << "target tr_full_database not built";
    ScratchBase base;
    database_testing::CopySampleDatabase(base.DatabasePath(u""));
    for (const std::u16string& name : platform::ListFolder(full)) {
        std::vector<std::uint8_t> bytes;
        platform::ReadWholeFile(platform::JoinPath(full, name), bytes);
        testing_support::WriteBytes(base.DatabasePath(name), bytes);
    }
    GetWorldList().Clear();
    MessageCapture messages;
    TCompleteWorld* world = GetWorldList().CreateCompleteWorld();
    ASSERT_TRUE(world->LoadWorld(u"Database"));
    EXPECT_TRUE(messages.Messages().empty());
    const auto original = ReadDatabase(*world);
    const auto saved = SaveAndRead(*world);
    EXPECT_EQ(saved, original);
    // Load, save, load, save.
    GetWorldList().Clear();
    world = GetWorldList().CreateCompleteWorld();
    ASSERT_TRUE(world->LoadWorld(u"Database"));
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ(SaveAndRead(*world), saved);
    GetWorldList().Clear();
}

TEST(CountriesFile, TheShippedListNamesEveryCountry)
{
    ScratchBase base;
    base.WriteDatabaseFile(u"Countries.sav", "");
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(platform::ReadWholeFile(testing_support::SourcePath(u"data\\Database\\Countries.sav"), bytes));
    testing_support::WriteBytes(base.DatabasePath(u"Countries.sav"), bytes);
    MessageCapture messages;
    auto world = base.BuildWorld();
    EXPECT_TRUE(messages.Messages().empty());
    // Continents run in blocks of ids: Europe, South and North America,
    // Africa, Asia, Oceania, then Gibraltar and Greenland.
    const auto continentOf = [](int id) {
        if (id <= 51 || id == 205) return 0;
        if (id <= 61) return 1;
        if (id <= 96 || id == 206) return 2;
        if (id <= 148) return 3;
        if (id <= 193) return 4;
        if (id <= 204) return 5;
        return -1;
    };
    for (int id = 1; id <= TCompleteWorld::LastCountryId; ++id) {
        const TCountry& country = *world->GetCountry(id);
        for (int language = 0; language < TCountry::LanguageCount; ++language) {
            ASSERT_NE(country.GetNameInLanguage(language)[0], 0) << id;
            ASSERT_EQ(std::u16string(country.GetAbbreviationInLanguage(language)).size(), 3u) << id;
        }
        EXPECT_NE(country.GetLanguage(0), 0) << id;
        if (id == 207) continue;
        EXPECT_EQ(country.GetContinent(), continentOf(id)) << id;
    }
}

TEST_F(SampleWorldTest, SaveReportsEachCountryToItsProgress)
{
    ASSERT_TRUE(world_->LoadWorld(u"Database"));
    std::vector<int> ids;
    std::u16string fourteenth;
    EXPECT_TRUE(world_->SaveWorld([&](int id, std::u16string_view line) {
                                 ids.push_back(id);
                                 if (id == 14) fourteenth = line;
                             }).saved);
    EXPECT_EQ(ids.size(), static_cast<std::size_t>(TCompleteWorld::LastCountryId));
    const std::u16string expected =
        ReplaceTokens(CTextManager::Instance()->GetText(u"Database.CompleteWorld.WriteDBAction"_tk),
                      {{u"_PHASE", u"1"}, {u"_COUNTRY", world_->GetCountry(14)->GetName()}});
    EXPECT_EQ(fourteenth, expected);
}

namespace {

// Removing a club with its references also takes it, and its reserve team,
// out of every league of the country.
TEST_F(SampleWorldTest, RemovingAClubTakesItAndItsReserveTeamOutOfTheLeagues)
{
    ASSERT_TRUE(world_->LoadWorld(u"Database"));
    TCountry& country = *world_->GetCountry(14);
    auto* league = dynamic_cast<CDBLeague*>(world_->GetCompetitions().Get(MakeCompetitionId(14, TypeLeague, 0)));
    ASSERT_NE(league, nullptr);
    const std::uint32_t team = league->GetTeamSlot(0);
    const std::uint32_t partner = league->GetTeamSlot(1);
    league->SetTeamsAndRounds(league->GetTeamCount() + 1, 2);
    ASSERT_TRUE(league->AddTeam(team | ReserveTeamBit));
    world_->GetClub(partner)->SetPartnerClub(team);
    const int entered = league->GetAssignedTeamCount();

    ASSERT_TRUE(country.RemoveClub(world_->GetClub(team), true, true));
    EXPECT_EQ(league->GetAssignedTeamCount(), entered - 2);
    EXPECT_EQ(league->IndexOfTeam(team), -1);
    EXPECT_EQ(league->IndexOfTeam(team | ReserveTeamBit), -1);
    EXPECT_EQ(league->GetTeamSlot(0), partner);
    EXPECT_EQ(world_->GetClub(partner)->GetPartnerClub(), 0u);
}

}  // namespace
