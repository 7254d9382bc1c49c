#include <gtest/gtest.h>

#include "tests/database/DatabaseTestSupport.h"
#include "archive/BadgeLookup.h"
#include "competition/CompetitionId.h"
#include "competition/League.h"
#include "database/export/ClubExport.h"
#include "database/export/CountryExport.h"
#include "database/world/GameIdMaps.h"
#include "database/export/MasterWriter.h"
#include "database/person/NameList.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// Offsets in a "CNTY" block whose abbreviations and federation name are
// empty.
constexpr std::size_t SharesAt = 30;
constexpr std::size_t LastRuleByteAt = 128;
constexpr std::size_t RankingAt = 171;
constexpr std::size_t ClubCountAt = 202;
constexpr std::size_t FactorsWithoutLeaguePartAt = 206;
constexpr std::size_t CompetitionSizeWithoutLeaguePartAt = 214;

Bytes Slice(const Bytes& bytes, std::size_t at, std::size_t count)
{
    return Bytes(bytes.begin() + static_cast<std::ptrdiff_t>(at), bytes.begin() + static_cast<std::ptrdiff_t>(at + count));
}

std::uint32_t U32At(const Bytes& bytes, std::size_t at)
{
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value |= std::uint32_t{bytes[at + i]} << (8 * i);
    return value;
}

class CountryExportTest : public database_testing::CurrentWorldTest {
protected:
    TCountry& Country(int id)
    {
        TCountry& country = *world_->GetCountry(id);
        for (int language = 0; language < TCountry::LanguageCount; ++language) {
            country.SetAbbreviationInLanguage(language, u"");
        }
        country.SetFederationName(u"");
        return country;
    }
    void AddClubs(TCountry& country, int count)
    {
        for (int i = 0; i < count; ++i) country.CreateClub(u"Club");
    }
    // A league of the given size holding the country's clubs from the
    // first one on, entered of them.
    void AddLeague(TCountry& country, int teams, std::uint32_t index = 0, std::int8_t level = 0, int entered = 0)
    {
        const std::uint32_t id = static_cast<std::uint32_t>(country.GetId());
        auto league = std::make_unique<CDBLeague>(MakeCompetitionId(id, TypeLeague, index), id << 24,
                                                  country.GetCompetitionRegistry());
        league->SetTeamsAndRounds(teams, 2);
        league->SetLevel(level);
        for (int n = 1; n <= entered; ++n) EXPECT_TRUE(league->AddTeam((id << 16) | static_cast<std::uint32_t>(n)));
        country.GetCompetitionRegistry().Register(std::move(league));
    }
    TPerson* AddManager(TCountry& country, std::uint8_t type)
    {
        TPerson* person = world_->CreatePerson(world_->GetFreePersonId(), false);
        person->SetType(type);
        person->SetFirstName(u"Jan");
        person->SetLastName(u"Nowak");
        country.GetAdditionalManagers()[person->GetId()] = person;
        return person;
    }

    static Bytes Header(TCountry& country, bool& complete)
    {
        CMasterWriter writer;
        complete = WriteCountryHeader(country, writer);
        EXPECT_TRUE(writer.Allocate());
        EXPECT_EQ(WriteCountryHeader(country, writer), complete);
        const Bytes file = writer.GetFileBytes();
        return Bytes(file.begin() + 16, file.end());
    }

    // The countries' blocks through both passes of one export; each block
    // as written.
    std::vector<Bytes> Blocks(const std::vector<TCountry*>& countries)
    {
        BuildGameIdMaps(GetGameIdMaps());
        const CBadgeSources badges(base_.Path(), nullptr);
        TClubExportCache cache(badges);
        CNameList& names = GetNameList();
        names.Reset();
        TExportContext context{cache, names};
        std::vector<TCountryBlockSizes> sizes(countries.size());
        CMasterWriter writer;
        for (std::size_t i = 0; i < countries.size(); ++i) WriteCountryBlock(*countries[i], writer, sizes[i], context);
        names.NormaliseAll();
        names.SortAll();
        EXPECT_TRUE(writer.Allocate());
        for (std::size_t i = 0; i < countries.size(); ++i) WriteCountryBlock(*countries[i], writer, sizes[i], context);
        EXPECT_TRUE(writer.IsComplete()) << "the passes disagree";
        const Bytes file = writer.GetFileBytes();
        std::vector<Bytes> blocks;
        std::size_t at = 16;
        for (std::size_t i = 0; i < countries.size() && at + 4 <= file.size(); ++i) {
            const std::size_t size = U32At(file, at) + 4;
            EXPECT_EQ(size, sizes[i].block + 4);
            blocks.push_back(Slice(file, at, std::min(size, file.size() - at)));
            at += size;
        }
        EXPECT_EQ(at, file.size());
        return blocks;
    }
    Bytes Block(TCountry& country) { return Blocks({&country}).front(); }

    // The CLUB blocks after the competitions of a country without league part.
    static int CountClubBlocks(const Bytes& block)
    {
        std::size_t at = CompetitionSizeWithoutLeaguePartAt + 4 + U32At(block, CompetitionSizeWithoutLeaguePartAt);
        int count = 0;
        while (at + 8 <= block.size() && U32At(block, at + 4) == 0x42554C43) {
            at += 4 + U32At(block, at);
            ++count;
        }
        return count;
    }
};

TEST_F(CountryExportTest, NamelessLeaguelessCountryHeaderIsTwelveZeroBytes)
{
    TCountry country;
    country.SetId(5);
    bool complete = true;
    EXPECT_EQ(Header(country, complete), Bytes(12, 0));
    EXPECT_FALSE(complete);
}

TEST_F(CountryExportTest, NineClubsWithALeagueOfEighteenAreIncomplete)
{
    TCountry& country = Country(5);
    for (int language = 0; language < TCountry::LanguageCount; ++language) country.SetNameInLanguage(language, u"");
    for (int language = 0; language < TCountry::LanguageCount; ++language) country.SetLeagueLevelName(language, 0, u"");
    AddClubs(country, 8);
    ASSERT_EQ(country.GetClubCount(), 9);
    AddLeague(country, 18, 0, 0, 8);
    bool complete = true;
    const Bytes header = Header(country, complete);
    EXPECT_FALSE(complete);
    EXPECT_FALSE(IsComplete(country));
    // Byte 0, six empty names, one level: one league holding 8 teams of
    // its 18 places, six empty names; no top-league ids; the closing 0.
    EXPECT_EQ(header, (Bytes{0, 0, 0, 0, 0, 0, 0, 1, 1, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

// Levels 0, 1 and 3: the count stops at the missing level 2, and only the
// two counted levels get an entry, so that the reader stays aligned.
TEST_F(CountryExportTest, OnlyCountedLevelsGetAnEntry)
{
    TCountry& country = Country(5);
    for (int language = 0; language < TCountry::LanguageCount; ++language) {
        country.SetNameInLanguage(language, u"");
        for (int level = 0; level < 4; ++level) country.SetLeagueLevelName(language, level, u"");
    }
    AddClubs(country, 5);
    AddLeague(country, 18, 0, 0, 5);
    AddLeague(country, 16, 1, 1, 3);
    AddLeague(country, 14, 2, 3, 2);
    bool complete = true;
    const Bytes header = Header(country, complete);
    EXPECT_EQ(header, (Bytes{0, 0, 0, 0, 0, 0, 0, 2, 1, 5, 0, 0, 0, 0, 0, 0, 0, 1, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

// A level's team count is what its leagues hold, not their sizes: the game
// would otherwise read places nobody fills as teams.
TEST_F(CountryExportTest, LevelTeamCountSumsTheEnteredTeams)
{
    TCountry& country = Country(5);
    for (int language = 0; language < TCountry::LanguageCount; ++language) {
        country.SetNameInLanguage(language, u"");
        country.SetLeagueLevelName(language, 0, u"");
    }
    AddClubs(country, 8);
    AddLeague(country, 18, 0, 0, 8);
    AddLeague(country, 16, 1, 0, 3);
    bool complete = true;
    const Bytes header = Header(country, complete);
    EXPECT_EQ(Slice(header, 7, 4), (Bytes{1, 2, 11, 0}));
}

TEST_F(CountryExportTest, SevenClubsWriteNoLeaguePartAndTheDefaultFactors)
{
    TCountry& country = Country(5);
    AddClubs(country, 7);
    const Bytes block = Block(country);
    EXPECT_EQ(U32At(block, 4), 0x59544E43u);
    EXPECT_EQ(U32At(block, ClubCountAt), 7u);
    EXPECT_EQ(Slice(block, FactorsWithoutLeaguePartAt, 8), (Bytes{0x00, 0x00, 0x80, 0x3F, 0x00, 0x00, 0x00, 0x3F}));
    EXPECT_EQ(U32At(block, CompetitionSizeWithoutLeaguePartAt), 6u);
    EXPECT_EQ(CountClubBlocks(block), 8) << "seven clubs and the national team";
}

TEST_F(CountryExportTest, SharesRankingAndLastRuleByte)
{
    struct Case {
        std::uint8_t shares[4];
        std::uint8_t exported[4];
    };
    const Case cases[] = {{{60, 20, 0, 0}, {80, 20, 0, 0}}, {{0, 0, 0, 0}, {0, 0, 0, 0}}, {{50, 30, 20, 0}, {50, 30, 20, 0}}};
    for (const Case& c : cases) {
        TCountry& country = Country(5);
        for (int slot = 0; slot < 4; ++slot) country.SetLanguageShare(slot, c.shares[slot]);
        const Bytes block = Block(country);
        EXPECT_EQ(Slice(block, SharesAt, 4), Bytes(c.exported, c.exported + 4));
        EXPECT_EQ(country.GetLanguageShare(0), c.exported[0]) << "stored back";
    }
    const std::pair<std::int16_t, Bytes> rankings[] = {{44, {0x02, 0x00}}, {-44, {0xFE, 0xFF}}, {14, {0, 0}}};
    for (const auto& [ranking, bytes] : rankings) {
        TCountry& country = Country(5);
        country.SetQaroRanking(ranking);
        EXPECT_EQ(Slice(Block(country), RankingAt, 2), bytes) << ranking;
    }
    TCountry& country = Country(5);
    country.SetRuleByte(5, 0);
    EXPECT_EQ(Block(country)[LastRuleByteAt], 1);
    country.SetRuleByte(5, 7);
    EXPECT_EQ(Block(country)[LastRuleByteAt], 7);
}

TEST_F(CountryExportTest, ClubsAfterADeletionAreWrittenOnce)
{
    TCountry& country = Country(5);
    AddClubs(country, 5);
    country.RemoveClub(country.GetClubByUniqueId(0x00050002), true);
    const Bytes block = Block(country);
    EXPECT_EQ(U32At(block, ClubCountAt), 4u);
    EXPECT_EQ(CountClubBlocks(block), 5) << "four clubs and the national team";
}

TEST_F(CountryExportTest, AdditionalManagersComeWithTheirBlockByKind)
{
    // A manager (type 2) brings his staff block everywhere but in country
    // 14, where only the kind byte 0 is written.
    for (const int id : {5, 14}) {
        TCountry& country = Country(id);
        TPerson* manager = AddManager(country, 2);
        CMasterWriter sizer;
        manager->WriteStaffBlock(sizer);
        const std::size_t staff = id == 14 ? 0 : sizer.GetSize();
        const Bytes block = Block(country);
        const std::size_t kindAt = block.size() - 4 - staff - 1;
        EXPECT_EQ(U32At(block, kindAt - 4), 1u) << id;
        EXPECT_EQ(block[kindAt], id == 14 ? 0 : 2) << id;
        EXPECT_EQ(U32At(block, block.size() - 4), 0u) << "no pool";
    }
}

// A chairman in a country without any CLUB block, written after country
// 14: both passes give his full block, whatever the last club was.
TEST_F(CountryExportTest, ChairmanOfACountryWithoutClubsAfterCountry14)
{
    TCountry& home = Country(14);
    AddClubs(home, 1);
    TCountry& other = Country(15);
    other.RemoveClub(other.GetNationalTeam(), true);
    AddManager(other, 1);
    const std::vector<Bytes> blocks = Blocks({&home, &other});
    ASSERT_EQ(blocks.size(), 2u);
    const Bytes& block = blocks[1];
    // ... count 1, kind 1, the 31-byte staff block, pool count 0.
    ASSERT_GE(block.size(), 40u);
    EXPECT_EQ(U32At(block, block.size() - 4 - 31 - 1 - 4), 1u);
    EXPECT_EQ(block[block.size() - 4 - 31 - 1], 1);
    EXPECT_EQ(U32At(block, block.size() - 4), 0u);
}

// Every field of the "CNTY" block up to the club count at its offset, from a
// country whose fields of one width all hold different values, so that two
// fields exchanged show. Abbreviations and federation name are empty: one
// zero byte each.
TEST_F(CountryExportTest, EveryFieldStandsAtItsOffset)
{
    TCountry& country = Country(5);
    country.SetNextUniqueClubId(0xD0000001);
    for (int language = 0; language < TCountry::LanguageCount; ++language) {
        country.SetLanguageByte(language, static_cast<std::uint8_t>(0x81 + language));
    }
    country.SetContinentByte(0x87);
    const std::uint8_t shares[4] = {10, 20, 30, 40};
    for (int slot = 0; slot < 4; ++slot) {
        country.SetLanguage(slot, static_cast<std::uint8_t>(0x88 + slot));
        country.SetLanguageShare(slot, shares[slot]);
    }
    country.SetFirstReserveTeamLevel(0x8C);
    country.SetCountryByte1(0x8D);
    country.SetAmateurRule(0x8E);
    country.SetClimate(0x8F);
    country.SetPersonBirth(TDate(1961, 4, 5));
    country.SetYellowCardLeagueRule(0x11);
    country.SetYellowCardCupRule(0x12);
    country.SetCardFlags(0x13);
    country.SetRedCardRule(0x15);
    country.SetBanForAllCompetitions(0, true);
    country.SetBanForAllCompetitions(2, true);
    for (int league : {0, 1, 3}) country.SetYellowRedBanLeague(league, true);
    for (int level = 0; level < 16; ++level) {
        country.SetLevelSortRule(level, static_cast<std::uint8_t>(0x90 + level));
        country.SetLevelForeignerRule(level, static_cast<std::uint8_t>(0xA0 + level));
        country.SetLevelRelegationRule(level, static_cast<std::uint8_t>(0xB0 + level));
    }
    country.SetLeagueRating(0, 50);
    country.SetHomeAdvantageLowerLeague(true);
    country.SetPlayerCupTied(true);
    country.SetCupFinalStadium(0x0D00000B);
    country.SetNaturalisationYears(0xC0);
    for (int index = 0; index < TCountry::RuleByteCount; ++index) {
        country.SetRuleByte(index, static_cast<std::uint8_t>(0xC1 + index));
    }
    country.SetGenerateNames(true);
    country.SetNoTerraces(true);
    country.SetInvertedOption(false);
    country.SetExtraAppearanceMask(0xD0000002);
    country.SetHairColourMask(0xD0000003);
    const std::uint32_t hairstyles[2] = {0xD0000004, 0xD0000005};
    country.SetHairstyleMask(hairstyles);
    country.SetFacialHairMask(0xD0000006);
    const std::uint32_t faces[4] = {0xD0000007, 0xD0000008, 0xD0000009, 0xD000000A};
    country.SetFaceMask(faces);
    country.SetAverageHeight(0xC7);
    country.SetAverageWeight(0xC8);
    country.SetPreferredTerritory(0xC9);
    country.SetQaroRanking(0x0105 * 15);
    country.SetContinentalTitles(0x0211);
    country.SetWorldCupTitles(0x0212);
    country.SetContinentalFinals(0x0213);
    country.SetWorldCupFinals(0x0214);
    for (int year = 1; year <= TCountry::YearCount; ++year) {
        country.SetYearCoefficient(year, static_cast<std::uint16_t>(0x0300 + year));
    }
    country.SetForeignTransferProbability(0xCA);
    country.SetCountryValue(0, 0x0D00000C);
    country.SetCountryValue(1, 0x0D00000D);

    const Bytes block = Block(country);
    struct TField {
        const char* name;
        std::size_t at;
        std::size_t width;
        std::uint32_t value;
    };
    std::vector<TField> fields = {
        {"tag", 4, 4, 0x59544E43}, {"next unique club id", 8, 4, 0xD0000001},
        {"continent byte", 24, 1, 0x87}, {"federation name", 25, 1, 0},
        {"first reserve-team level", 34, 1, 0x8C}, {"country byte 1", 35, 1, 0x8D}, {"amateur rule", 36, 1, 0x8E},
        {"climate", 37, 1, 0x8F}, {"first language", 38, 1, 0x88},
        {"person birth", 43, 4, TDate(1961, 4, 5).GetDayNumber()},
        {"league yellow-card rule", 47, 1, 0x11}, {"cup yellow-card rule", 48, 1, 0x12}, {"red-card ban", 49, 1, 0x13},
        {"red-card rule", 50, 1, 0x15}, {"ban scope", 51, 1, 0x05}, {"yellow-red ban leagues", 52, 1, 0x0B},
        {"league rating of level 0", 101, 1, 50}, {"cup options", 117, 1, 0x03}, {"cup final stadium", 118, 4, 0x0D00000B},
        {"naturalisation period", 122, 1, 0xC0}, {"option bits", 129, 1, 0x06}, {"inverted option", 130, 1, 0x01},
        {"average rating", 131, 1, 50}, {"extra appearance mask", 132, 4, 0xD0000002},
        {"hair-colour mask", 136, 4, 0xD0000003}, {"hairstyle mask 0", 140, 4, 0xD0000004},
        {"hairstyle mask 1", 144, 4, 0xD0000005}, {"facial-hair mask", 148, 4, 0xD0000006},
        {"average height", 168, 1, 0xC7}, {"average weight", 169, 1, 0xC8}, {"transfer territory", 170, 1, 0xC9},
        {"world ranking", 171, 2, 0x0105}, {"continental titles", 173, 2, 0x0211}, {"world titles", 175, 2, 0x0212},
        {"continental finals", 177, 2, 0x0213}, {"world-cup finals", 179, 2, 0x0214},
        {"foreign transfer probability", 193, 1, 0xCA}, {"country value 1", 194, 4, 0x0D00000C},
        {"country value 2", 198, 4, 0x0D00000D}, {"club count", 202, 4, 0},
    };
    for (int language = 0; language < TCountry::LanguageCount; ++language) {
        fields.push_back({"abbreviation", 12 + 2 * static_cast<std::size_t>(language), 1, 0});
        fields.push_back({"language byte", 13 + 2 * static_cast<std::size_t>(language), 1, 0x81u + language});
    }
    for (std::size_t slot = 0; slot < 4; ++slot) {
        fields.push_back({"language", 26 + slot, 1, 0x88u + static_cast<std::uint32_t>(slot)});
        fields.push_back({"language share", 30 + slot, 1, shares[slot]});
        fields.push_back({"face mask", 152 + 4 * slot, 4, faces[slot]});
    }
    for (std::size_t level = 0; level < 16; ++level) {
        fields.push_back({"tie-break rule", 53 + level, 1, 0x90u + static_cast<std::uint32_t>(level)});
        fields.push_back({"foreign-player rule", 69 + level, 1, 0xA0u + static_cast<std::uint32_t>(level)});
        fields.push_back({"relegation rule", 85 + level, 1, 0xB0u + static_cast<std::uint32_t>(level)});
    }
    for (std::size_t index = 0; index < 6; ++index) {
        fields.push_back({"rule byte", 123 + index, 1, 0xC1u + static_cast<std::uint32_t>(index)});
        // Years -6 to -1.
        fields.push_back({"year coefficient", 181 + 2 * index, 2, 0x0306u - static_cast<std::uint32_t>(index)});
    }
    ASSERT_GT(block.size(), 206u);
    for (const TField& field : fields) {
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < field.width; ++i) value |= std::uint32_t{block[field.at + i]} << (8 * i);
        EXPECT_EQ(value, field.value) << field.name << " at " << field.at;
    }
}

TEST(PercentFactorTest, FactorsAreMadeInDoubleThenSingle)
{
    const std::pair<int, Bytes> cases[] = {{5, {0xCD, 0xCC, 0x4C, 0x3D}}, {10, {0xCD, 0xCC, 0xCC, 0x3D}},
                                           {100, {0x00, 0x00, 0x80, 0x3F}}, {0, {0, 0, 0, 0}}};
    for (const auto& [percent, bytes] : cases) {
        CMasterWriter writer;
        writer.WritePercentFactor(percent);
        ASSERT_TRUE(writer.Allocate());
        writer.WritePercentFactor(percent);
        const Bytes file = writer.GetFileBytes();
        EXPECT_EQ(Bytes(file.begin() + 16, file.end()), bytes) << percent;
    }
}

}  // namespace
