#include <algorithm>
#include <chrono>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/database/DatabaseTestSupport.h"
#include "core/files/IndexTextFile.h"
#include "core/Random.h"
#include "core/text/Format.h"
#include "core/text/TextManager.h"
#include "core/text/TextTools.h"
#include "database/country/CountryFile.h"
#include "database/world/DatabaseVersion.h"
#include "database/world/GameIdMaps.h"
#include "database/world/WorldList.h"
#include "platform/Platform.h"

using testing_support::MessageCapture;

namespace {

class CountryFileTest : public database_testing::CurrentWorldTest {
protected:
    TCountry& England() { return *world_->GetCountry(14); }

    bool ReadFixture(const std::u16string& name)
    {
        CIndexTextFile file;
        EXPECT_TRUE(file.OpenRead(testing_support::SourcePath(u"tests\\database\\fixtures\\" + name)));
        return ReadCountrySections(England(), file);
    }

    bool ReadText(const std::string& text, CIndexTextFile& file)
    {
        EXPECT_TRUE(file.OpenFromBytes(testing_support::Bytes(text), u"Country14.sav"));
        return ReadCountrySections(England(), file);
    }

    std::string WriteEngland() { return database_testing::SaveCountry(England(), base_.DatabasePath(u"Country14.sav")); }
};

std::uint32_t V(std::uint32_t major, std::uint32_t minor)
{
    return MakeDatabaseVersion(major, minor);
}

// The fixtures share their values; each layout converts them as of its
// version (version 1 being the oldest, with no VERSION section).
struct TFixture {
    const char16_t* name;
    std::uint32_t version;
};

const TFixture Fixtures[] = {
    {u"v1", 1},
    {u"2004", V(0x2004, 0xFFFF)},
    {u"2005", V(0x2005, 0xFFFF)},
    {u"2006", V(0x2006, 0xFFFF)},
    {u"2007-0", V(0x2007, 0)},
    {u"2007-3", V(0x2007, 3)},
    {u"2007-4", V(0x2007, 4)},
    {u"2007-13", V(0x2007, 13)},
    {u"2007-14", V(0x2007, 14)},
    {u"2007-15", V(0x2007, 15)},
    {u"2007-17", V(0x2007, 17)},
    {u"2007-18", V(0x2007, 18)},
    {u"2007-19", V(0x2007, 19)},
    {u"2007-22", V(0x2007, 22)},
    {u"2007-23", V(0x2007, 23)},
    {u"2007-25", V(0x2007, 25)},
    {u"2007-26", V(0x2007, 26)},
    {u"2007-28", V(0x2007, 28)},
};

void ExpectConverted(const TCountry& c, std::uint32_t version)
{
    const auto atLeast = [version](std::uint32_t major, std::uint32_t minor) { return version >= V(major, minor); };
    const std::uint32_t major = version >> 16;
    const TClub* club = c.GetClubByUniqueId(0x000E0001);
    ASSERT_NE(club, nullptr);
    EXPECT_EQ(club->GetUniqueId(), 0x000E0001u);
    EXPECT_EQ(c.GetNextUniqueClubId(), atLeast(0x2007, 18) ? 0x000E0042u : 0x000E0002u);
    EXPECT_EQ(c.GetFlags(), atLeast(0x2007, 23) ? 21u : 0u);
    EXPECT_EQ(c.GetLeagueSystemId(), major < 0x2006 ? 0 : 12);
    EXPECT_EQ(std::u16string(c.GetFederationName()), u"FA");
    EXPECT_EQ(c.GetLanguage(1), 10);
    EXPECT_EQ(c.GetLanguageShare(0), 80);
    EXPECT_EQ(c.GetPersonBirth(), TDate(1937, 10, 11));
    EXPECT_EQ(c.GetRedCardRule(), 4);
    EXPECT_EQ(c.GetLevelSortRule(0), atLeast(0x2007, 15) ? 1 : 4);
    EXPECT_EQ(c.GetLevelForeignerRule(4), 4);
    EXPECT_EQ(c.GetLevelForeignerRule(5), atLeast(0x2007, 19) ? 5 : 0);
    const int average = major < 0x2006 ? 90 : 75;
    EXPECT_EQ(c.GetAverageRating(), average);
    EXPECT_EQ(c.GetLeagueRating(1), atLeast(0x2007, 0) ? 79 : average * 90 / 100);
    EXPECT_EQ(c.GetLeagueRating(9), atLeast(0x2007, 19) ? 71 : atLeast(0x2007, 0) ? 0 : average * 10 / 100);
    EXPECT_EQ(c.GetNationalCupType(), 3);
    EXPECT_EQ(c.GetLeagueCupType(3), 1);
    EXPECT_EQ(c.GetNaturalisationYears(), atLeast(0x2005, 2) ? 6 : 5);
    EXPECT_EQ(c.GetRuleByte(5), atLeast(0x2005, 2) ? 12 : 1);
    EXPECT_EQ(c.HasIndoorSeason(), true);
    EXPECT_EQ(c.GetInvertedOption(), !atLeast(0x2007, 18)) << "205 is read as 0 before 2007-18";
    EXPECT_EQ(c.GetYearCoefficient(6), 101) << "the oldest year comes first";
    EXPECT_EQ(c.GetYearCoefficient(1), 106);
    EXPECT_EQ(c.GetCountryValue(0), -5);
    EXPECT_EQ(c.GetHairstyleMask()[1], atLeast(0x2007, 4) ? 1u : 0u);
    EXPECT_EQ(c.GetFaceMask()[3], atLeast(0x2007, 4) ? 3u : 0u);
    EXPECT_EQ(c.GetFacialHairMask(), 7u);
    EXPECT_EQ(c.GetAverageHeight(), 181);
    EXPECT_EQ(c.GetPreferredTerritory(), atLeast(0x2007, 14) ? 4 : 0);
    EXPECT_EQ(c.GetQaroRanking(), atLeast(0x2007, 14) ? -12 : 0);
    EXPECT_EQ(std::u16string(c.GetLongText()), u"Long text");
    EXPECT_EQ(c.GetContinentalTitles(), 1);
    EXPECT_EQ(c.GetWorldCupTitles(), 2);
    EXPECT_EQ(c.GetContinentalFinals(), 3);
    EXPECT_EQ(c.GetWorldCupFinals(), 4);
    EXPECT_EQ(c.GetNotes(), u"First\r\nSecond");
    EXPECT_EQ(std::u16string(c.GetLeagueLevelNameInLanguage(1, 1)), u"League 2");
}

}  // namespace

TEST_F(CountryFileTest, OldLayoutsConvertAtEveryGate)
{
    for (const TFixture& fixture : Fixtures) {
        SCOPED_TRACE(testing_support::Narrow(fixture.name));
        Restart();
        ASSERT_TRUE(ReadFixture(std::u16string(u"Country14-") + fixture.name + u".sav"));
        ExpectConverted(England(), fixture.version);
    }
}

// Only the stadium's code looks at the minor a 2004 file was written with;
// every other gate sees the raised minor of an older major.
TEST_F(CountryFileTest, StadiumCodesOfA2004FileFollowTheMinorItWasWrittenWith)
{
    const auto bytes = testing_support::ReadBytes(testing_support::SourcePath(u"tests\\database\\fixtures\\Country14-2004.sav"));
    const std::string fixture(bytes.begin(), bytes.end());
    std::string stadium = "%INDEX%STADIUM\r\n9\r\nNorth Park\r\nPark\r\n2\r\n";
    for (int i = 0; i < 26; ++i) stadium += "1\r\n";
    stadium += "%INDEXEND%STADIUM\r\n";
    const std::string noStadiums = "%INDEX%STADIUMS\r\n0\r\n";
    ASSERT_NE(fixture.find(noStadiums), std::string::npos);
    const struct {
        const char* version;
        int code;
    } cases[] = {{"537133059", 2}, {"537133060", 2}, {"537133061", 9}, {"537133063", 9}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.version);
        std::string text = fixture;
        text.replace(text.find(noStadiums), noStadiums.size(), "%INDEX%STADIUMS\r\n1\r\n" + stadium);
        // The country's own VERSION section comes first.
        text.replace(text.find("537133063"), 9, c.version);
        Restart();
        CIndexTextFile file;
        ASSERT_TRUE(ReadText(text, file));
        ASSERT_EQ(England().GetStadiums().GetCount(), 1);
        EXPECT_EQ(England().GetStadiums().begin()->second.GetCode(), c.code);
        ExpectConverted(England(), V(0x2004, 0xFFFF));
    }
}

TEST_F(CountryFileTest, AnOldFileIsWrittenInTheNewestLayoutAndReadsBackTheSame)
{
    ASSERT_TRUE(ReadFixture(u"Country14-2005.sav"));
    // Its club section is still of the old layout, which renumbers on reading.
    England().RemoveClub(England().GetClubByUniqueId(0x000E0001), true);
    const std::string written = WriteEngland();
    EXPECT_NE(written.find("\r\nFirst\tSecond\r\n%INDEXEND%COUNTRY_MIST\r\n"), std::string::npos);
    EXPECT_NE(written.find("%INDEX%VERSION\r\n537329692\r\n"), std::string::npos);
    Restart();
    CIndexTextFile file;
    ASSERT_TRUE(ReadText(written, file));
    EXPECT_EQ(England().GetAverageRating(), 90);
    EXPECT_EQ(England().GetLeagueRating(1), 81);
    EXPECT_EQ(England().GetNotes(), u"First\r\nSecond");
    EXPECT_EQ(WriteEngland(), written);
}

TEST_F(CountryFileTest, NestedSectionsTravelUnchanged)
{
    ASSERT_TRUE(ReadFixture(u"Country14-2007-28.sav"));
    const std::string written = WriteEngland();
    for (const char* section :
         {"%INDEX%CLUB1\r\n%INDEX%VERSION\r\n537329692\r\n%INDEXEND%VERSION\r\n917505\r\n"
          "\"Westwood United\",\"Westwood United\",",
          "%INDEX%CLUB65535\r\n%INDEX%VERSION\r\n537329692\r\n%INDEXEND%VERSION\r\n983039\r\n",
          "%INDEX%REFEREES\r\n1\r\n%INDEX%REFEREE\r\nRef\r\n\r\n0\r\n%INDEXEND%REFEREE\r\n",
          "%INDEX%ADDMANAGER\r\n1\r\n%INDEX%PLAYER\r\nManager\r\n\r\n\r\n\r\n0\r\n",
          "%INDEX%HIST\r\n0\r\n%INDEXEND%HIST\r\n\r\n0\r\n%INDEXEND%PLAYER\r\n%INDEXEND%ADDMANAGER\r\n",
          // An entry without a last name is no pool player and is not saved.
          "%INDEX%PLAYERPOOL\r\n0\r\n%INDEXEND%PLAYERPOOL\r\n",
          "%INDEX%MANAGER\r\nBoss\r\n\r\n\r\n0\r\n%INDEX%DATE\r\n0\r\n0\r\n0\r\n%INDEXEND%DATE\r\n"}) {
        EXPECT_NE(written.find(section), std::string::npos) << section;
    }
    // Load, save, load, save: the same file.
    Restart();
    CIndexTextFile file;
    ASSERT_TRUE(ReadText(written, file));
    EXPECT_EQ(WriteEngland(), written);
}

TEST_F(CountryFileTest, CompetitionPartFromEightClubsOn)
{
    for (int i = 0; i < 7; ++i) England().CreateClub(u"Club");
    EXPECT_EQ(WriteEngland().find("COMPETITIONPART"), std::string::npos);
    England().CreateClub(u"Eighth");
    const std::string written = WriteEngland();
    const std::string division = testing_support::Narrow(CTextManager::Instance()->GetText(u"Database.Division.01"_tk));
    const std::string cup = testing_support::Narrow(CTextManager::Instance()->GetText(u"Database.NationalCup"_tk));
    EXPECT_NE(written.find("%INDEX%COMPETITIONPART\r\n" + division + "\r\n" + cup +
                           "\r\ne0001\r\ne0002\r\ne0003\r\ne0004\r\ne0005\r\ne0006\r\ne0007\r\ne0008\r\n"
                           "%INDEXEND%COMPETITIONPART\r\n"),
              std::string::npos);
}

TEST_F(CountryFileTest, TextsThatWouldBreakTheFileAreMadeSafe)
{
    England().SetNotes(u";first\r\nsecond");
    England().SetLongText(u"%INDEXEND%COUNTRY");
    England().SetFederationName(u"a\nb");
    const std::string written = WriteEngland();
    Restart();
    CIndexTextFile file;
    ASSERT_TRUE(ReadText(written, file));
    EXPECT_EQ(England().GetNotes(), u"first\r\nsecond");
    EXPECT_EQ(std::u16string(England().GetLongText()), u"INDEXEND%COUNTRY");
    EXPECT_EQ(std::u16string(England().GetFederationName()), u"a b");
    EXPECT_EQ(England().GetAverageRating(), 75);
}

// Each text is damaged; the read succeeds with the first damage marked at
// its line, and what was present is kept.
TEST_F(CountryFileTest, DamageIsMarkedAtItsLineAndKeepsWhatWasRead)
{
    const std::string start = "%INDEX%COUNTRY\r\n%INDEX%VERSION\r\n537329692\r\n%INDEXEND%VERSION\r\n1\r\n0\r\n0\r\n";
    const std::string competitions = start + "%INDEX%COMPETITION\r\n0\r\n0\r\n%INDEXEND%COMPETITION\r\n%INDEX%CLUBS\r\n";
    // Two clubs and the national team as the writer writes them.
    England().CreateClub(u"First");
    England().CreateClub(u"Second");
    const std::string written = WriteEngland();
    const std::size_t from = written.find("%INDEX%CLUB1\r\n");
    const std::string endOfClubs = "%INDEXEND%CLUBS\r\n";
    const std::string twoClubs = written.substr(from, written.find(endOfClubs) + endOfClubs.size() - from);
    const std::string untilSecondEnd = twoClubs.substr(0, twoClubs.find("%INDEXEND%CLUB2\r\n"));
    const int secondEndLine = 14 + static_cast<int>(std::count(untilSecondEnd.begin(), untilSecondEnd.end(), '\n'));
    const struct {
        std::string text;
        const char16_t* found;
        int line;
        int clubs;
        // The club reader asks once about a club name it cannot use.
        std::size_t questions = 0;
    } cases[] = {
        {start + "%INDEX%COMPETITION\r\nabc\r\n", u"(abc)", 9, 0},
        {start + "%INDEX%COMPETITION\r\n\r\n", u"()", 9, 0},
        {start + "%INDEX%COMPETITION\r\n0x10\r\n", u"(0x10)", 9, 0},
        {start + "%INDEX%COMPETITION\r\n4294967296\r\n", u"(4294967296)", 9, 0},
        {start + "%INDEX%COMPETITION\r\n0\r\n17\r\n", u"(17)", 10, 0},
        {start + "%INDEX%CLUBS\r\n", u"COMPETITION", 8, 0},
        {competitions + "512\r\n", u"(512)", 13, 0},
        {competitions + "-1\r\n", u"(-1)", 13, 0},
        {competitions + "1\r\n" + twoClubs, u"(1)", secondEndLine, 2},
        {competitions + "3\r\n" + twoClubs, u"CLUB3", secondEndLine + 1, 2},
        {competitions + "1\r\n%INDEX%CLUB1\r\n5\r\n%INDEXEND%CLUBS\r\n", u"CLUB1", 16, 0, 1},
        {competitions + "0\r\n%INDEXEND%CLUBS\r\n", u"CLUB65535", 14, 0},
        {"%INDEX%VERSION\r\n1\r\n%INDEXEND%VERSION\r\n", u"COUNTRY", 1, 0},
        {"\xEF\xBB\xBF\xEF\xBB\xBF" + start, u"COUNTRY", 1, 0},
        {std::string("\xEF\xBB\xBF\0", 4) + start, u"COUNTRY", 1, 0},
        {"%INDEX%COUNTRY\r\n%INDEX%VERSION\r\nx\r\n%INDEXEND%VERSION\r\n", u"(x)", 3, 0},
        {"%INDEX%COUNTRY\r\n%INDEX%VERSION\r\n99999999999999\r\n%INDEXEND%VERSION\r\n", u"(99999999999999)", 3, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        England().Reset();
        England().CreateNationalTeam();
        CIndexTextFile file;
        MessageCapture messages;
        EXPECT_TRUE(ReadText(c.text, file));
        EXPECT_EQ(messages.Messages().size(), c.questions);
        ASSERT_TRUE(England().IsDamaged());
        const std::u16string& description = England().GetFileDamage().GetDescription();
        EXPECT_NE(description.find(c.found), std::u16string::npos) << testing_support::Narrow(description);
        const std::u16string line = ReplaceTokens(CTextManager::Instance()->GetText(u"Database.Error.AtLine"_tk),
                                                  {{u"_LINE", Format(u"%d", c.line)}, {u"_MESSAGE", u""}});
        EXPECT_TRUE(description.starts_with(line)) << testing_support::Narrow(description);
        EXPECT_EQ(England().GetClubCountWithoutNationalTeam(), c.clubs);
    }
}

TEST_F(CountryFileTest, ADamagedNationalTeamIsStillNamedAfterItsCountry)
{
    England().CreateClub(u"First");
    TClub* team = England().GetNationalTeam();
    ASSERT_NE(team, nullptr);
    for (int language = 0; language < 5; ++language) {
        team->SetNameForLanguage(language, u"Wrong");
        team->SetAbbreviationForLanguage(language, u"WRG");
    }
    std::string text = WriteEngland();
    const std::string end = "%INDEXEND%CLUB65535\r\n";
    ASSERT_NE(text.find(end), std::string::npos);
    text.erase(text.find(end), end.size());
    const auto expectCountryNames = [this] {
        const TClub& read = *England().GetNationalTeam();
        for (int language = 0; language < 5; ++language) {
            EXPECT_EQ(std::u16string(read.GetNameForLanguage(language)), England().GetNameInLanguage(language));
            EXPECT_EQ(std::u16string(read.GetAbbreviationForLanguage(language)),
                      England().GetAbbreviationInLanguage(language));
        }
    };
    Restart();
    CIndexTextFile file;
    ASSERT_TRUE(ReadText(text, file));
    ASSERT_TRUE(England().IsDamaged());
    const std::u16string& description = England().GetFileDamage().GetDescription();
    EXPECT_NE(description.find(u"CLUB65535"), std::u16string::npos) << testing_support::Narrow(description);
    expectCountryNames();
    const std::string saved = WriteEngland();
    Restart();
    CIndexTextFile again;
    ASSERT_TRUE(ReadText(saved, again));
    EXPECT_FALSE(England().IsDamaged());
    expectCountryNames();
}

TEST_F(CountryFileTest, WithoutACountrySectionNothingIsConverted)
{
    CIndexTextFile file;
    England().SetLeagueRating(1, 33);
    ASSERT_TRUE(ReadText("%INDEX%VERSION\r\n1\r\n%INDEXEND%VERSION\r\n", file));
    EXPECT_EQ(England().GetLeagueRating(1), 33);
    EXPECT_TRUE(England().IsDamaged());
}

namespace {

// A summary of the settings every layout holds, after conversion.
std::string Settings(const TCountry& c)
{
    std::string text = testing_support::Narrow(c.GetFederationName()) + "|" + testing_support::Narrow(c.GetNotes()) +
                       "|" + testing_support::Narrow(c.GetLongText());
    for (int value : {int(c.GetAverageRating()), int(c.GetInvertedOption()), int(c.GetLanguage(0)),
                      int(c.GetLanguageShare(0)), int(c.GetContinentalTitles()), int(c.GetWorldCupFinals()),
                      int(c.GetHairColourMask()), int(c.GetFaceMask()[0]), int(c.GetAverageHeight()),
                      int(c.GetNationalCupType()), int(c.GetPersonBirth().GetDayNumber())}) {
        text += "|" + std::to_string(value);
    }
    for (int level = 0; level < 5; ++level) text += "|" + std::to_string(c.GetLevelRelegationRule(level));
    return text;
}

}  // namespace

TEST_F(CountryFileTest, GeneratedOldLayoutsConvertToTheNewestOne)
{
    const std::u16string folder = testing_support::BinaryPath(u"generated\\fixtures");
    if (!platform::FileExists(platform::JoinPath(folder, u"Country21_2007-26.sav"))) GTEST_SKIP() << "fixtures not generated";
    const auto settingsOf = [&](const std::u16string& name) {
        Restart();
        CIndexTextFile file;
        MessageCapture messages;
        EXPECT_TRUE(file.OpenRead(platform::JoinPath(folder, name)));
        EXPECT_TRUE(ReadCountrySections(*world_->GetCountry(21), file)) << testing_support::Narrow(name);
        EXPECT_TRUE(messages.Messages().empty()) << testing_support::Narrow(name);
        // Tie-break rule 1 of the files before 2007-15 means 4.
        const bool old = name < u"Country21_2007-15" || name == u"Country21_v1.sav";
        EXPECT_EQ(world_->GetCountry(21)->GetLevelSortRule(0), old ? 4 : 1) << testing_support::Narrow(name);
        return Settings(*world_->GetCountry(21));
    };
    const std::string newest = settingsOf(u"Country21_2007-26.sav");
    for (const std::u16string& name : platform::ListFolder(folder)) {
        if (!name.starts_with(u"Country21_")) continue;
        EXPECT_EQ(settingsOf(name), newest) << testing_support::Narrow(name);
    }
}

// Every fixture, of every layout: load, save, load, save gives the same
// file twice.
TEST_F(CountryFileTest, EveryFixtureSavesTheSameBytesAtItsSecondSave)
{
    std::vector<std::pair<std::u16string, int>> files;
    for (const TFixture& fixture : Fixtures) {
        files.emplace_back(testing_support::SourcePath(u"tests\\database\\fixtures\\Country14-" +
                                                       std::u16string(fixture.name) + u".sav"),
                           14);
    }
    const std::u16string generated = testing_support::BinaryPath(u"generated\\fixtures");
    for (const std::u16string& name : platform::ListFolder(generated)) {
        if (name.starts_with(u"Country21_")) files.emplace_back(platform::JoinPath(generated, name), 21);
    }
    for (const auto& [path, id] : files) {
        SCOPED_TRACE(testing_support::Narrow(path));
        const std::u16string saved = base_.DatabasePath(Format(u"Country%d.sav", id));
        const auto loadAndSave = [&](const std::u16string& from) {
            Restart();
            CIndexTextFile file;
            EXPECT_TRUE(file.OpenRead(from));
            EXPECT_TRUE(ReadCountrySections(*world_->GetCountry(id), file));
            EXPECT_FALSE(world_->GetCountry(id)->IsDamaged());
            return database_testing::SaveCountry(*world_->GetCountry(id), saved);
        };
        const std::string first = loadAndSave(path);
        EXPECT_EQ(loadAndSave(saved), first);
    }
}

TEST_F(CountryFileTest, BeforeTwoThousandSevenEighteenUniqueIdsRestart)
{
    CIndexTextFile file;
    England().SetNextUniqueClubId(0x000E0099);
    England().SetFlag(3, true);
    ASSERT_TRUE(ReadText("%INDEX%COUNTRY\r\n%INDEX%VERSION\r\n537329681\r\n%INDEXEND%VERSION\r\n1\r\n"
                         "%INDEXEND%COUNTRY\r\n",
                         file));
    EXPECT_EQ(TDatabaseVersion::GetFileVersion(), MakeDatabaseVersion(0x2007, 17));
    EXPECT_EQ(England().GetNextUniqueClubId(), 0x000E0001u);
    EXPECT_EQ(England().GetFlags(), 0u);
}

TEST_F(CountryFileTest, RatingsOfFilesBeforeTwoThousandSeven)
{
    ASSERT_TRUE(ReadFixture(u"Country14-2006.sav"));
    const int expected[] = {75, 67, 61, 56, 51, 42, 34, 22, 15, 7};
    for (int level = 0; level < 10; ++level) EXPECT_EQ(England().GetLeagueRating(level), expected[level]) << level;
    // Only five level rows: the sixth keeps its default.
    EXPECT_EQ(England().GetLevelRelegationRule(5), 0);
}

TEST_F(CountryFileTest, OldThirdsOfTheRatingAreCappedAtOneHundred)
{
    for (const auto& [stored, expected] : {std::pair{30, 90}, std::pair{40, 100}, std::pair{86, 100}}) {
        // The settings of a 0x2005 file up to its rating line.
        std::string text = "%INDEX%COUNTRY\r\n%INDEX%VERSION\r\n537198595\r\n%INDEXEND%VERSION\r\n%INDEX%COUNTRY_MIST\r\n";
        for (int line = 0; line < 3 + 2 + 1 + 2 + 2 + 2 + 6 + 6 + 5 * 7 + 5 + 7 + 1 + 1 + 2 + 6 + 1 + 2; ++line) text += "0\r\n";
        text += std::to_string(stored) + "\r\n%INDEXEND%COUNTRY_MIST\r\n%INDEXEND%COUNTRY\r\n";
        CIndexTextFile file;
        ASSERT_TRUE(ReadText(text, file));
        EXPECT_EQ(England().GetAverageRating(), expected) << stored;
    }
}

TEST_F(CountryFileTest, ACommentBeforeTheFirstSectionHidesNoSection)
{
    CIndexTextFile file;
    ASSERT_TRUE(ReadText("%INDEX%COUNTRY\r\n;remark\r\n%INDEX%COMPETITION\r\n0\r\n1\r\n\"A\",\"B\",\"C\",\"D\",\"E\",\"F\"\r\n"
                         "%INDEXEND%COMPETITION\r\n%INDEXEND%COUNTRY\r\n",
                         file));
    EXPECT_EQ(std::u16string(England().GetLeagueLevelNameInLanguage(5, 0)), u"F");
    EXPECT_EQ(England().GetStagedCompetitions().levelCount, 1);
}

// A record whose reference names a competition the file does not hold (an
// index or a type beyond those of a country, another country's, a country
// or an index that no id holds) is named at load, and its lines are saved
// whole: England's only league of the sample is not lost, and the next save
// writes the same again.
TEST_F(CountryFileTest, ACompetitionTheFileDoesNotHoldIsNamedAndKeptWhole)
{
    const auto sample = testing_support::ReadBytes(testing_support::SourcePath(u"data\\Database\\Country14.sav"));
    const std::string text(sample.begin(), sample.end());
    const std::string head = "%INDEX%COMP0\r\nDB_LEAGUE\r\n{ 14, LEAGUE, 0 }\r\n";
    const std::string end = "%INDEXEND%COMP0\r\n";
    ASSERT_NE(text.find(head), std::string::npos);
    const struct {
        const char* classLine;
        const char* reference;
    } cases[] = {{"DB_LEAGUE", "{ 14, LEAGUE, 65535 }"}, {"DB_LEAGUE", "{ 14, LEAGUE, 32 }"},
                 {"DB_LEAGUE", "{ 14, FRIENDLY, 0 }"},   {"DB_CUP", "{ 14, CHALLENGE_SHIELD, 0 }"},
                 {"DB_CUP", "{ 14, FA_CUP, 1 }"},        {"DB_LEAGUE", "{ 5, LEAGUE, 0 }"},
                 {"DB_ROUND", "{ 14, RELEGATION, 65536 }"}, {"DB_POOL", "{ 14, POOL, -1 }"},
                 {"DB_LEAGUE", "{ 270, LEAGUE, 0 }"},    {"DB_LIGA", "{ 14, LEAGUE, 0 }"},
                 {" DB_LEAGUE", "{ 14, LEAGUE, 0 }"},    {"db_league", "{ 14, LEAGUE, 0 }"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.classLine) + " " + c.reference);
        std::string changed = text;
        changed.replace(changed.find(head), head.size(),
                        "%INDEX%COMP0\r\n" + std::string(c.classLine) + "\r\n" + c.reference + "\r\n");
        const std::size_t from = changed.find("%INDEX%COMP0");
        const std::string record = changed.substr(from, changed.find(end) + end.size() - from);
        Restart();
        MessageCapture messages;
        CIndexTextFile file;
        ASSERT_TRUE(ReadText(changed, file));
        // Named as the user knows it, in the database language.
        ASSERT_EQ(messages.Messages().size(), 1u);
        EXPECT_TRUE(messages.Messages()[0].ends_with(u" Erste Liga")) << testing_support::Narrow(messages.Messages()[0]);
        const std::string first = WriteEngland();
        EXPECT_NE(first.find(record), std::string::npos);
        EXPECT_NE(first.find("1\r\n\"Erste Liga\",\"First Division\""), std::string::npos);
        Restart();
        CIndexTextFile again;
        ASSERT_TRUE(ReadText(first, again));
        EXPECT_TRUE(WriteEngland() == first);
    }
}

TEST_F(CountryFileTest, AClubIndexAlreadyTakenIsReadPast)
{
    const auto clubs = [this] {
        const std::string written = WriteEngland();
        const std::size_t from = written.find("%INDEX%CLUBS");
        return written.substr(from, written.find("%INDEXEND%CLUBS") - from);
    };
    ASSERT_TRUE(ReadFixture(u"Country14-2007-28.sav"));
    const std::string first = clubs();
    MessageCapture messages;
    ASSERT_TRUE(ReadFixture(u"Country14-2007-28.sav"));
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ(clubs(), first);
    EXPECT_EQ(England().GetPoolPlayerCount(), 2 * TCountry::PoolEntriesPerClub) << "what follows the clubs is read";
}

TEST_F(CountryFileTest, SectionsAfterTheClubsAreGatedByTheCountrysVersion)
{
    std::string text = database_testing::FileText(testing_support::SourcePath(u"tests\\database\\fixtures\\Country14-2007-28.sav"));
    const std::string team = "%INDEX%CLUB65535\r\n%INDEX%VERSION\r\n537329692";
    text.replace(text.find(team), team.size(), "%INDEX%CLUB65535\r\n%INDEX%VERSION\r\n537329691");
    CIndexTextFile file;
    ASSERT_TRUE(ReadText(text, file));
    EXPECT_EQ(TDatabaseVersion::GetFileVersion(), V(0x2007, 28));
}

TEST_F(CountryFileTest, PoolEntriesOfOldFilesGetTheirLooksFromTheCountry)
{
    for (const char16_t* name : {u"Country14-2006.sav", u"Country14-2007-28.sav"}) {
        Restart();
        CrtSrand(4);
        ASSERT_TRUE(ReadFixture(name));
        const TPoolPlayer& entry = *England().GetPoolPlayer(0);
        const bool old = std::u16string_view(name) == u"Country14-2006.sav";
        EXPECT_EQ(entry.GetBirthDate().IsSet(), !old);
        if (old) {
            EXPECT_TRUE(entry.GetTalent() >= 1 && entry.GetTalent() <= 4);
            // An empty mask gives 0.
            const auto allowed = [](std::uint32_t mask, int value) { return mask == 0 ? value == 0 : ((mask >> value) & 1) != 0; };
            EXPECT_TRUE(allowed(England().GetFaceMask()[entry.GetFace() / 32], entry.GetFace() % 32));
            EXPECT_TRUE(allowed(England().GetHairColourMask(), entry.GetHairColour()));
            EXPECT_EQ(entry.GetFacialHair(), 1);
        }
    }
}


// A nested section inside a block of values whose begin line is misspelt,
// missing or doubled is damage at that line; its values are read where
// they stand, so that every value after it keeps its place.
TEST_F(CountryFileTest, ABrokenBeginLineOfANestedSectionIsDamageAtItsLineAndShiftsNoValue)
{
    const auto sample = testing_support::ReadBytes(testing_support::SourcePath(u"data\\Database\\Country14.sav"));
    const std::string text(sample.begin(), sample.end());
    ASSERT_TRUE(ReadText(text, *std::make_unique<CIndexTextFile>()));
    ASSERT_FALSE(England().IsDamaged());
    const std::string sound = WriteEngland();
    const auto lineOf = [&](std::size_t at) { return 1 + static_cast<int>(std::count(text.begin(), text.begin() + at, '\n')); };
    const std::string date = "%INDEX%DATE\r\n";
    const std::size_t settingsDate = text.find("Edwards\r\n" + date) + 9;
    const std::size_t playerBirth = text.find(date);
    const std::size_t historyDate = text.find(date, text.find("%INDEX%HIST\r\n", playerBirth));
    const std::size_t secondSeason = text.find("%INDEX%MATCHDAYS2\r\n");
    for (const std::size_t at : {settingsDate - 9, playerBirth, historyDate, secondSeason}) ASSERT_NE(at, std::string::npos);
    const int settingsLine = lineOf(settingsDate);
    const int historyLine = lineOf(historyDate);
    const int secondSeasonLine = lineOf(secondSeason);
    struct TCase {
        std::string name;
        std::size_t at;
        std::string line;
        std::string replacement;
        int damagedLine;
        std::u16string section;
    };
    std::vector<TCase> cases = {
        {"settings, misspelt", settingsDate, date, "%INDEX%DATX\r\n", settingsLine, u"DATE"},
        {"settings, missing", settingsDate, date, "", settingsLine, u"DATE"},
        {"settings, doubled", settingsDate, date, date + date, settingsLine + 1, u"DATE"},
        {"player, misspelt", playerBirth, date, "%INDEX%DAT\r\n", lineOf(playerBirth), u"DATE"},
        {"history, doubled", historyDate, date, date + date, historyLine + 1, u"DATE"},
        {"history, missing", historyDate, date, "", historyLine, u"DATE"},
        {"second season, misspelt", secondSeason, "%INDEX%MATCHDAYS2\r\n", "%INDEX%MATCHDAYS 2\r\n", secondSeasonLine, u"MATCHDAYS2"},
        {"second season, misspelt in case", secondSeason, "%INDEX%MATCHDAYS2\r\n", "%INDEX%Matchdays2\r\n", secondSeasonLine, u"MATCHDAYS2"},
    };
    // Every other kind of nested section at its first begin line after a
    // line of the sample: misspelt (its last letter lost), missing, or
    // doubled (named at the second line).
    const std::pair<const char*, const char*> kinds[] = {
        {"CLUB7", "%INDEX%CLUBS"}, {"COMP0", "%INDEX%COMPETITION"}, {"COMPETITION", "%INDEX%COUNTRY"},
        {"COMPETITIONPART", "%INDEX%COUNTRY"}, {"TEAMS", "%INDEX%COMP0"}, {"FIXTURE", "%INDEX%COMP0"},
        {"HIST", "%INDEX%CLUB1"}, {"HIST", "%INDEX%PLAYER"}, {"RECORD", "%INDEX%CLUB2"}, {"KIT", "%INDEX%CLUB3"},
        {"PLAYER", "%INDEX%CLUB4"}, {"STAFF", "%INDEX%CLUB5"}, {"REFEREE", "%INDEX%REFEREES"},
        {"SPONSOR", "%INDEX%SPONSORS"}, {"STADIUM", "%INDEX%STADIUMS"}, {"PL_POOL", "%INDEX%PLAYERPOOL"},
        {"COUNTRY_MIST", "%INDEX%PLAYERPOOL"}, {"MANAGER", "%INDEX%COUNTRY_MIST"}, {"VERSION", "%INDEX%CLUB6"},
        {"CLUBS", "%INDEX%COMPETITION"}};
    for (const auto& [name, after] : kinds) {
        const std::string key = name;
        const std::string line = "%INDEX%" + key + "\r\n";
        const std::size_t at = text.find(line, text.find(after));
        ASSERT_NE(at, std::string::npos) << key;
        const std::u16string section(key.begin(), key.end());
        cases.push_back({key + ", misspelt", at, line, "%INDEX%" + key.substr(0, key.size() - 1) + "\r\n", lineOf(at), section});
        cases.push_back({key + ", missing", at, line, "", lineOf(at), section});
        cases.push_back({key + ", doubled", at, line, line + line, lineOf(at) + 1, section});
    }
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string changed = text;
        changed.replace(c.at, c.line.size(), c.replacement);
        Restart();
        MessageCapture messages;
        CIndexTextFile file;
        ASSERT_TRUE(ReadText(changed, file));
        EXPECT_TRUE(messages.Messages().empty());
        EXPECT_TRUE(England().IsDamaged());
        const std::u16string section =
            ReplaceTokens(CTextManager::Instance()->GetText(u"Database.Error.SectionBeginBroken"_tk), {{u"_SECTION", c.section}});
        const std::u16string expected = ReplaceTokens(CTextManager::Instance()->GetText(u"Database.Error.AtLine"_tk),
                                                      {{u"_LINE", Format(u"%d", c.damagedLine)}, {u"_MESSAGE", section}});
        EXPECT_EQ(England().GetFileDamage().GetDescription(), expected);
        EXPECT_EQ(England().GetClubCountWithoutNationalTeam(), 12);
        EXPECT_TRUE(WriteEngland() == sound) << "every value read as the sound file holds it";
    }
}

// A second record of an id the file holds is kept as its lines and named.
// One whose nested begin line is broken is kept whole all the same, as it
// stood: the file is not damaged by it, and a save writes the record as
// read, which reads back the same and saves the same again. An end line
// that closes no section (a begin line missing, another record's end line)
// is damage at its line; the save leaves it out, so that the file it
// writes reads back sound.
TEST_F(CountryFileTest, AKeptRecordWithABrokenBeginLineIsKeptAsItStood)
{
    const auto sample = testing_support::ReadBytes(testing_support::SourcePath(u"data\\Database\\Country14.sav"));
    std::string text(sample.begin(), sample.end());
    const std::string count = "%INDEX%COMPETITION\r\n1\r\n";
    ASSERT_NE(text.find(count), std::string::npos);
    text.replace(text.find(count), count.size(), "%INDEX%COMPETITION\r\n2\r\n");
    const std::size_t from = text.find("%INDEX%COMP0\r\n") + 14;
    const std::size_t to = text.find("%INDEXEND%COMP0\r\n");
    for (const std::string key : {"TEAMS", "MATCHDAYS", "FIXTURE"}) {
        const std::string line = "%INDEX%" + key + "\r\n";
        const std::string otherEnd = "%INDEXEND%COMP2\r\n";
        const std::pair<std::string, std::string> forms[] = {{"%INDEX%" + key + "X\r\n", ""},
                                                             {"", "%INDEXEND%" + key + "\r\n"},
                                                             {line + line, ""},
                                                             {otherEnd + line, otherEnd}};
        for (const auto& [replacement, stray] : forms) {
            SCOPED_TRACE(replacement.empty() ? key + " missing" : replacement);
            std::string lines = text.substr(from, to - from);
            const std::string record = "%INDEX%COMP1\r\n" + lines.replace(lines.find(line), line.size(), replacement) + "%INDEXEND%COMP1\r\n";
            Restart();
            MessageCapture messages;
            const std::string changed = std::string(text).insert(to + 17, record);
            ASSERT_TRUE(ReadText(changed, *std::make_unique<CIndexTextFile>()));
            const std::string description = testing_support::Narrow(England().GetFileDamage().GetDescription());
            EXPECT_EQ(England().IsDamaged(), !stray.empty()) << description;
            if (!stray.empty()) {
                const auto strayLine = std::count(changed.begin(), changed.begin() + static_cast<std::ptrdiff_t>(changed.find(stray, to)), '\n') + 1;
                EXPECT_TRUE(description.starts_with("Line " + std::to_string(strayLine) + ":")) << description;
            }
            EXPECT_EQ(messages.Messages().size(), 1u) << "the record named";
            const std::string saved = WriteEngland();
            std::string written = record;
            if (!stray.empty()) written.erase(written.find(stray), stray.size());
            EXPECT_NE(saved.find(written), std::string::npos);
            Restart();
            ASSERT_TRUE(ReadText(saved, *std::make_unique<CIndexTextFile>()));
            EXPECT_FALSE(England().IsDamaged()) << testing_support::Narrow(England().GetFileDamage().GetDescription());
            EXPECT_TRUE(WriteEngland() == saved);
        }
    }
}

// Every begin and end line of England's league record, of its first club
// with that club's first player and staff member, and of the country's own
// sections, broken in one way at a time: the load names the damage at the
// broken line or in the section it belongs to (a missing end line where the
// reading finds the section unclosed), or it read the file whole and saves
// it as the sound one.
enum class TBreak { Deleted, Doubled, Misspelt, MovedDown, MovedUp };

std::string BreakName(const testing::TestParamInfo<TBreak>& info)
{
    static const char* const names[] = {"Deleted", "Doubled", "Misspelt", "MovedDown", "MovedUp"};
    return names[static_cast<int>(info.param)];
}

class BrokenSectionLineTest : public CountryFileTest, public testing::WithParamInterface<TBreak> {};

// A section line to break, with the lines (from 0) of its section's begin
// and end lines, and of the end line of the section holding it.
struct TSectionLine {
    std::size_t at;
    std::size_t begin;
    std::size_t end;
    std::size_t outerEnd;
};

std::vector<TSectionLine> SectionLinesToBreak(const std::vector<std::string>& lines)
{
    const std::vector<std::string> countryKeys = {"COUNTRY",  "COMPETITIONPART", "COMPETITION", "CLUBS",
                                                  "REFEREES", "SPONSORS",        "STADIUMS",    "ADDMANAGER",
                                                  "PLAYERPOOL", "COUNTRY_MIST",  "MANAGER"};
    std::vector<std::pair<std::string, std::size_t>> open;
    std::vector<TSectionLine> chosen;
    const auto isOpen = [&](const char* key) {
        return std::any_of(open.begin(), open.end(), [&](const auto& section) { return section.first == key; });
    };
    int players = 0;
    int staff = 0;
    for (std::size_t at = 0; at < lines.size(); ++at) {
        const std::string& line = lines[at];
        const bool begin = line.starts_with("%INDEX%");
        if (!begin && !line.starts_with("%INDEXEND%")) continue;
        const std::string key = line.substr(begin ? 7 : 10);
        if (begin) open.emplace_back(key, at);
        const bool inFirstClub = isOpen("CLUB1");
        bool take = isOpen("COMP0") || std::find(countryKeys.begin(), countryKeys.end(), key) != countryKeys.end() ||
                    (key == "VERSION" && open.size() <= 2);
        if (inFirstClub) take = (!isOpen("PLAYER") || players == 0) && (!isOpen("STAFF") || staff == 0);
        if (take) chosen.push_back({at, open.back().second, begin ? lines.size() : at, lines.size()});
        if (begin) continue;
        // The lines of the section learn where it ends, those of the
        // sections it holds where their outer section ends.
        for (TSectionLine& section : chosen) {
            if (section.at == open.back().second) section.end = at;
            if (section.at == at) section.begin = open.back().second;
            if (section.begin > open.back().second && section.outerEnd == lines.size() && section.end < at) {
                section.outerEnd = at;
            }
        }
        if (inFirstClub && key == "PLAYER") ++players;
        if (inFirstClub && key == "STAFF") ++staff;
        open.pop_back();
    }
    return chosen;
}

TEST_P(BrokenSectionLineTest, IsNamedAtItsLineOrReadWhole)
{
    const auto sample = testing_support::ReadBytes(testing_support::SourcePath(u"data\\Database\\Country14.sav"));
    const std::string text(sample.begin() + 3, sample.end());
    ASSERT_TRUE(ReadText(text, *std::make_unique<CIndexTextFile>()));
    ASSERT_FALSE(England().IsDamaged());
    const std::string sound = WriteEngland();
    std::vector<std::string> lines;
    for (std::size_t from = 0; from < text.size();) {
        const std::size_t end = text.find("\r\n", from);
        lines.push_back(text.substr(from, end - from));
        from = end + 2;
    }
    const std::vector<TSectionLine> chosen = SectionLinesToBreak(lines);
    ASSERT_GT(chosen.size(), 70u);
    const std::string stop = testing_support::Narrow(CTextManager::Instance()->GetText(u"Database.Error.ReadStoppedNotClosed"_tk));
    const std::string readStopped = stop.substr(stop.find("_SECTION") + 8);
    const std::string outOfPlace = testing_support::Narrow(CTextManager::Instance()->GetText(u"Database.Error.SectionLineOutOfPlace"_tk));
    const std::string readOn = outOfPlace.substr(outOfPlace.find(';'));
    int named = 0;
    for (const TSectionLine& line : chosen) {
        const std::size_t at = line.at;
        std::vector<std::string> changed = lines;
        // Lines from 1 in the changed file: where the broken line stands.
        std::size_t expected = at + 1;
        switch (GetParam()) {
        case TBreak::Deleted: changed.erase(changed.begin() + static_cast<std::ptrdiff_t>(at)); break;
        case TBreak::Doubled:
            changed.insert(changed.begin() + static_cast<std::ptrdiff_t>(at), lines[at]);
            ++expected;
            break;
        case TBreak::Misspelt: changed[at].pop_back(); break;
        case TBreak::MovedDown:
            if (at + 1 == lines.size()) continue;
            std::swap(changed[at], changed[at + 1]);
            ++expected;
            break;
        case TBreak::MovedUp:
            if (at == 0) continue;
            std::swap(changed[at], changed[at - 1]);
            --expected;
            break;
        }
        std::string file;
        for (const std::string& each : changed) file += each + "\r\n";
        SCOPED_TRACE("line " + std::to_string(at + 1) + ": " + lines[at]);
        Restart();
        MessageCapture messages;
        CIndexTextFile stream;
        ASSERT_TRUE(ReadText(file, stream));
        // An end line moved down past a value, or a line moved up past one,
        // leaves one more value before an end line, which the search for it
        // passes over as a newer writer's: such a form may read without a
        // word, and a shift of values is named where it shows.
        const bool oneMoreValue = (GetParam() == TBreak::MovedDown && line.end == at && !lines[at + 1].starts_with("%INDEX")) ||
                                  (GetParam() == TBreak::MovedUp && !lines[at - 1].starts_with("%INDEX"));
        if (!England().IsDamaged()) {
            EXPECT_TRUE(oneMoreValue || WriteEngland() == sound) << "read without a word, saved otherwise";
            continue;
        }
        ++named;
        const std::string description = testing_support::Narrow(England().GetFileDamage().GetDescription());
        const std::size_t digits = description.find_first_of("0123456789");
        const std::size_t found = digits == std::string::npos ? 0 : std::stoul(description.substr(digits));
        const bool atTheLine = found + 2 >= expected && found <= expected + 2;
        const bool inTheSection = found + 2 >= line.begin + 1 && found <= line.end + 3;
        // A missing end line shows where the reading finds the section
        // unclosed; a value an end line moved up passed shows where the
        // section holding it goes on reading.
        const bool foundLater = line.end == at && found >= expected &&
                                (GetParam() == TBreak::Deleted || (GetParam() == TBreak::MovedUp && found <= line.outerEnd + 3));
        // Lines read as they stand: the read went on, to every club. A read
        // that stopped says so where it stopped, after the section began.
        EXPECT_TRUE(!description.ends_with(readOn) || England().GetClubCountWithoutNationalTeam() == 12) << description;
        const bool stopped = description.ends_with(readStopped) && found >= line.begin + 1;
        EXPECT_TRUE(atTheLine || inTheSection || foundLater || stopped || (oneMoreValue && found + 2 >= expected)) << description;
    }
    EXPECT_GT(named, 0);
}

INSTANTIATE_TEST_SUITE_P(EnglandsFile, BrokenSectionLineTest,
                         testing::Values(TBreak::Deleted, TBreak::Doubled, TBreak::Misspelt, TBreak::MovedDown,
                                         TBreak::MovedUp),
                         BreakName);

// Forms England is read whole from, its save as the sound file: a value
// line that begins with the markers' first unit but is no section line (the
// league's last value, a line of a section a newer writer nested in a
// person, passed over); one more value, or an empty line, before a
// section's end line, as a newer writer leaves it, passed over without a
// word; an end line written twice in the league record, damage at the
// second line, after which the sections are read where they stand.
TEST_F(CountryFileTest, EnglandIsReadWholeThroughAValueOfAMarkersFirstUnitOrADoubledEndLine)
{
    const auto sample = testing_support::ReadBytes(testing_support::SourcePath(u"data\\Database\\Country14.sav"));
    const std::string text(sample.begin(), sample.end());
    ASSERT_TRUE(ReadText(text, *std::make_unique<CIndexTextFile>()));
    const std::string sound = WriteEngland();
    const auto changed = [&](const std::string& line, std::size_t offset, std::size_t length, const std::string& by) {
        const std::size_t at = text.find(line);
        EXPECT_NE(at, std::string::npos) << line;
        const auto number = std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(at + offset), '\n') + 1;
        return std::pair(std::string(text).replace(at + offset, length, by), static_cast<int>(number));
    };
    const std::string playerEnd = "%INDEXEND%HIST\r\n\r\n0\r\n%INDEXEND%PLAYER\r\n";
    std::vector<std::pair<std::string, int>> cases = {
        {changed("0\r\n%INDEXEND%COMP0\r\n", 0, 1, "%0").first, 0},
        {changed(playerEnd, playerEnd.size() - 18, 0, "%INDEX%LATER\r\n%1\r\n%INDEXEND%LATER\r\n").first, 0}};
    for (const std::string key : {"TEAMS", "FIXTURE", "VERSION", "CLUB1", "SPONSOR", "COUNTRY_MIST", "COMP0"}) {
        cases.push_back({changed("%INDEXEND%" + key + "\r\n", 0, 0, "7\r\n").first, 0});
    }
    for (const std::string key : {"COMP0", "CLUB2"}) cases.push_back({changed("%INDEXEND%" + key + "\r\n", 0, 0, "\r\n").first, 0});
    for (const std::string key : {"TEAMS", "MATCHDAYS", "MATCHDAYS2"}) {
        const std::string line = "%INDEXEND%" + key + "\r\n";
        cases.push_back(changed(line, 0, 0, line));
        ++cases.back().second;
    }
    for (const auto& [file, damagedLine] : cases) {
        Restart();
        MessageCapture messages;
        ASSERT_TRUE(ReadText(file, *std::make_unique<CIndexTextFile>()));
        const std::string description = testing_support::Narrow(England().GetFileDamage().GetDescription());
        EXPECT_EQ(England().IsDamaged(), damagedLine != 0) << description;
        if (damagedLine != 0) {
            EXPECT_TRUE(description.starts_with("Line " + std::to_string(damagedLine) + ":")) << description;
        }
        EXPECT_EQ(England().GetClubCountWithoutNationalTeam(), 12);
        EXPECT_TRUE(WriteEngland() == sound);
    }
}

// Lines kept whole are paired in one pass: a league record of thousands of
// doubled begin lines, each closed once, then begin lines closed by the end
// line of the first of them, loads about as fast as a sound file of its
// size, and is named.
TEST_F(CountryFileTest, DoubledBeginLinesByTheThousandLoadInOnePass)
{
    const auto sample = testing_support::ReadBytes(testing_support::SourcePath(u"data\\Database\\Country14.sav"));
    const std::string text(sample.begin(), sample.end());
    const std::string fixtureEnd = "%INDEXEND%FIXTURE\r\n";
    std::string lines;
    const auto key = [](int n) { return "S" + std::string(10 - std::to_string(n).size(), '0') + std::to_string(n); };
    for (int n = 0; n < 1500; ++n) lines += "%INDEX%" + key(n) + "\r\n%INDEX%" + key(n) + "\r\n%INDEXEND%" + key(n) + "\r\n";
    for (int n = 0; n < 1000; ++n) lines += "%INDEX%Y\r\n%INDEXEND%" + key(0) + "\r\n";
    const std::string damaged = std::string(text).insert(text.find(fixtureEnd) + fixtureEnd.size(), lines);
    const auto secondsToLoad = [&](const std::string& file) {
        Restart();
        const auto start = std::chrono::steady_clock::now();
        EXPECT_TRUE(ReadText(file, *std::make_unique<CIndexTextFile>()));
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    const double sound = secondsToLoad(text);
    const double broken = secondsToLoad(damaged);
    EXPECT_TRUE(England().IsDamaged());
    EXPECT_EQ(England().GetClubCountWithoutNationalTeam(), 12);
    const double sizes = static_cast<double>(damaged.size()) / static_cast<double>(text.size());
    EXPECT_LT(broken, 4 * sizes * sound) << sound << " s for the sound file";
}
