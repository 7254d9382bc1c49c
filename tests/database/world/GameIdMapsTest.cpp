#include <gtest/gtest.h>

#include <set>

#include "tests/database/DatabaseTestSupport.h"
#include "database/world/GameIdMaps.h"
#include "database/world/WorldList.h"
#include "platform/Platform.h"


namespace {

// A current world whose country 5 holds clubs at the indices given.
class GameIdMapsTest : public database_testing::CurrentWorldTest {
protected:
    TClub* AddClub(int country, std::uint32_t index, const char16_t* name)
    {
        auto club = std::make_unique<TClub>(index);
        club->SetNameForAllLanguages(name);
        TCountry* target = world_->GetCountry(country);
        target->AddClubWithIndex(std::move(club), index);
        return target->GetClubByUniqueId((static_cast<TTeamId>(country) << 16) | index);
    }
};

}  // namespace

TEST_F(GameIdMapsTest, SaveIdsCloseTheGaps)
{
    AddClub(5, 2, u"Two");
    AddClub(5, 3, u"Three");
    TGameIdMaps maps;
    BuildGameIdMaps(maps);
    EXPECT_EQ(maps.GetSaveClubId(0x00050002), 0x00050001u);
    EXPECT_EQ(maps.GetSaveClubId(0x00050003), 0x00050002u);
    EXPECT_EQ(maps.GetClubIdFromSaveId(0x00050001), 0x00050002u);
    // Reserve teams keep bit 24; national teams and "none" pass.
    EXPECT_EQ(maps.GetSaveClubId(0x01050003), 0x01050002u);
    EXPECT_EQ(maps.GetSaveClubId(0x0005FFFF), 0x0005FFFFu);
    EXPECT_EQ(maps.GetSaveClubId(0xFFFFFFFF), 0xFFFFFFFFu);
    // An unknown club of a real country must not name another club later.
    EXPECT_EQ(maps.GetSaveClubId(0x00050009), 0u);
    EXPECT_EQ(maps.GetSaveClubId(0x01050008), 0u);
    EXPECT_EQ(maps.GetSaveClubId(0), 0u);
    EXPECT_EQ(maps.GetClubsSavedAsNone(), (std::set<TTeamId>{0x00050008, 0x00050009}));
    BuildGameIdMaps(maps);
    EXPECT_TRUE(maps.GetClubsSavedAsNone().empty());
}

// A country whose file a save keeps as it is: its clubs keep the numbers of
// that file, held or not, while the other countries close their gaps and
// clear clubs no longer there.
TEST_F(GameIdMapsTest, AKeptCountryKeepsItsFilesNumbers)
{
    AddClub(5, 2, u"Two");
    AddClub(5, 3, u"Three");
    AddClub(6, 2, u"Other");
    TGameIdMaps maps;
    BuildGameIdMaps(maps, {5});
    for (TTeamId id : {0x00050003u, 0x01050003u, 0x00050009u}) {
        EXPECT_EQ(maps.GetSaveClubId(id), id);
        EXPECT_EQ(maps.GetClubIdFromSaveId(id), id);
    }
    EXPECT_EQ(maps.GetSaveClubId(0x00060002), 0x00060001u);
    EXPECT_EQ(maps.GetSaveClubId(0x00060009), 0u);
    EXPECT_EQ(maps.GetExportClubId(0x00050009), 0u) << "the game database names only clubs it holds";
    BuildGameIdMaps(maps);
    EXPECT_EQ(maps.GetSaveClubId(0x00050003), 0x00050002u) << "kept for one save only";
}

TEST_F(GameIdMapsTest, GameIdsFollowTheClubOrderWhenKeysAreEqual)
{
    AddClub(7, 4, u"First added");
    AddClub(7, 1, u"Second added");
    TGameIdMaps maps;
    BuildGameIdMaps(maps);
    EXPECT_EQ(maps.GetExportClubId(0x00070004), 0x00070001u);
    EXPECT_EQ(maps.GetExportClubId(0x00070001), 0x00070002u);
    EXPECT_EQ(maps.GetClubIdFromGameId(0x00070002), 0x00070001u);
    // Country 207 has save ids but no game ids: its clubs keep their team
    // ids in the game database, so every reference to one still names it.
    AddClub(207, 1, u"Far away");
    AddClub(207, 3, u"Farther");
    BuildGameIdMaps(maps);
    EXPECT_EQ(maps.GetSaveClubId(0x00CF0001), 0x00CF0001u);
    EXPECT_EQ(maps.GetSaveClubId(0x00CF0003), 0x00CF0002u);
    EXPECT_EQ(maps.GetExportClubId(0x00CF0001), 0x00CF0001u);
    EXPECT_EQ(maps.GetExportClubId(0x00CF0003), 0x00CF0003u);
    EXPECT_EQ(maps.GetExportClubId(0x01CF0003), 0x01CF0003u);
    EXPECT_EQ(maps.GetClubIdFromGameId(0x00CF0003), 0x00CF0003u);
    // A club no longer there of a numbered country names none.
    EXPECT_EQ(maps.GetExportClubId(0x00070009), 0u);
    EXPECT_EQ(maps.GetSaveClubId(0x00CF0002), 0u);
    // Ids of no country pass.
    EXPECT_EQ(maps.GetExportClubId(0x00D00001), 0x00D00001u);
}

TEST_F(GameIdMapsTest, CountriesSortByNameInTheDatabaseLanguage)
{
    EXPECT_TRUE(CompareCountriesByName(10, 9)) << "Land 10 before Land 9";
    EXPECT_FALSE(CompareCountriesByName(9, 10));
}

TEST_F(GameIdMapsTest, IdListLines)
{
    AddClub(5, 2, u"Two");
    BuildGameIdMaps(GetGameIdMaps());
    const std::u16string path = base_.DatabasePath(u"Master.txt");
    ASSERT_TRUE(WriteGameIdList(path));
    EXPECT_EQ(testing_support::ReadBytes(path),
              testing_support::Bytes("[Edit-ID] - [Game-ID] - [Name] --> Land 5\r\n"
                                     " 00050002 -  00050001 - Two\r\n"
                                     "00050002 - Two\r\n"
                                     "\r\n"));
    EXPECT_FALSE(WriteGameIdList(u""));
}
