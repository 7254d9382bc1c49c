#include <gtest/gtest.h>

#include "DatabaseTestSupport.h"
#include "core/Format.h"
#include "core/IndexTextFile.h"
#include "core/TextManager.h"
#include "database/CountryFile.h"
#include "database/WorldList.h"
#include "platform/Platform.h"

using database_testing::ScratchBase;
using testing_support::MessageCapture;
using testing_support::ReadBytes;

namespace {

// Saves the world into its folder and returns the bytes of every country file.
std::vector<std::vector<std::uint8_t>> SaveAndRead(TCompleteWorld& world)
{
    EXPECT_EQ(world.SaveWorld(), 0);
    std::vector<std::vector<std::uint8_t>> files;
    for (int id = 1; id <= TCompleteWorld::LastCountryId; ++id) files.push_back(ReadBytes(world.GetCountryFilePath(id)));
    return files;
}

}  // namespace

TEST(CountriesFile, BuildsAllCountriesWithNamesAndNationalTeams)
{
    ScratchBase base;
    base.WriteDatabaseFile(u"Countries.sav", database_testing::CountriesSav(3));
    MessageCapture messages;
    auto world = base.BuildWorld();
    EXPECT_TRUE(messages.Messages().empty());
    const TCountry* country = world->GetCountry(42);
    EXPECT_EQ(std::u16string(country->GetNameInLanguage(0)), u"Land 42");
    EXPECT_EQ(std::u16string(country->GetNameInLanguage(5)), u"Kraj 42");
    EXPECT_EQ(std::u16string(country->GetAbbreviationInLanguage(1)), u"C42");
    // A missing field takes field 0.
    EXPECT_EQ(std::u16string(country->GetAbbreviationInLanguage(4)), u"L42");
    EXPECT_EQ(country->GetLanguageByte(5), 6);
    EXPECT_EQ(country->GetContinent(), 41 % 6);
    EXPECT_EQ(country->GetContinentByte() >> 3, 3);
    EXPECT_EQ(country->GetLanguage(0), 42);
    EXPECT_EQ(country->GetLanguage(1), 7);
    ASSERT_NE(country->GetNationalTeam(), nullptr);
    EXPECT_EQ(country->GetNationalTeam()->GetId(), 0x2AFFFFu);
    EXPECT_EQ(std::u16string(world->GetCountry(0)->GetNameInLanguage(3)), u"n/a");
}

TEST(CountriesFile, VersionTwoGivesPolishTheEnglishTexts)
{
    ScratchBase base;
    base.WriteDatabaseFile(u"Countries.sav", database_testing::CountriesSav(2));
    auto world = base.BuildWorld();
    EXPECT_EQ(std::u16string(world->GetCountry(7)->GetNameInLanguage(5)), u"Country 7");
    EXPECT_EQ(std::u16string(world->GetCountry(7)->GetAbbreviationInLanguage(5)), u"C7");
    EXPECT_EQ(world->GetCountry(7)->GetLanguageByte(5), 0);
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

TEST(CompleteWorld, SampleDatabaseLoadsAndSavesByteForByte)
{
    ScratchBase base;
    database_testing::CopySampleDatabase(base.DatabasePath(u""));
    TWorldList& list = GetWorldList();
    list.Clear();
    MessageCapture messages;
    TCompleteWorld* world = list.CreateCompleteWorld();
    ASSERT_TRUE(world->LoadWorld(u"Database"));
    EXPECT_TRUE(messages.Messages().empty()) << testing_support::Narrow(messages.Messages().front());
    std::vector<std::vector<std::uint8_t>> original;
    for (int id = 1; id <= TCompleteWorld::LastCountryId; ++id) original.push_back(ReadBytes(world->GetCountryFilePath(id)));
    const auto saved = SaveAndRead(*world);
    for (int id = 1; id <= TCompleteWorld::LastCountryId; ++id) ASSERT_EQ(saved[id - 1], original[id - 1]) << id;
    list.Clear();
}
