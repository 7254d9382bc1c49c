#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "tests/database/DatabaseTestSupport.h"
#include "core/files/IndexTextFile.h"
#include "core/text/TextManager.h"
#include "database/club/ClubSection.h"
#include "database/country/CountryFile.h"
#include "database/world/DatabaseVersion.h"
#include "database/world/GameIdMaps.h"
#include "database/world/WorldList.h"
#include "platform/Platform.h"

using testing_support::MessageCapture;
using testing_support::Narrow;

namespace {

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = text.find("\r\n", at);
        lines.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

std::string JoinLines(const std::vector<std::string>& lines)
{
    std::string text = "\xEF\xBB\xBF";
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

class ClubSectionTest : public database_testing::CurrentWorldTest {
protected:
    void SetUp() override
    {
        CurrentWorldTest::SetUp();
        CClubSection::SetNameWarning(true);
        for (int n = 0; n < 11; ++n) England().CreateClub(u"Other");
        club_ = England().GetClubByUniqueId(England().CreateClub(u"Club"));
    }

    TCountry& England() { return *world_->GetCountry(14); }

    TPerson* Person(std::uint32_t id, const std::string& section)
    {
        TPerson* person = world_->CreatePerson(id, false);
        CIndexTextFile file;
        EXPECT_TRUE(file.OpenFromBytes(testing_support::Bytes(section), u"person"));
        TDatabaseVersion::SetFileVersion(TDatabaseVersion::ProgramVersion);
        const bool staff = section.starts_with("%INDEX%STAFF");
        EXPECT_EQ(staff ? person->ReadStaff(file) : person->ReadPlayer(file), TSectionRead::Read);
        // The club repair draws a shirt number for a person without one.
        person->SetShirtNumber(static_cast<std::uint8_t>(id % 100));
        return person;
    }

    // Every field differs from its default and from its neighbours, so
    // the golden file shows the order of the fields.
    void FillClub(TClub& c)
    {
        c.SetUniqueId(0x000E0099);
        const char16_t* languages[] = {u"Deutsch", u"English", u"Francais", u"Espanol", u"Italiano", u"Polski"};
        for (int language = 0; language < TClub::LanguageCount; ++language) {
            c.SetTownForLanguage(language, (std::u16string(u"Town ") + languages[language]).c_str());
            c.SetNameForLanguage(language, (std::u16string(u"Club ") + languages[language]).c_str());
            c.SetStadiumNameForLanguage(language, (std::u16string(u"Ground ") + languages[language]).c_str());
            for (int form = 0; form < 3; ++form) c.SetArticle(language, form, static_cast<std::uint8_t>(form * 6 + language));
            c.SetPhraseUsage(language, static_cast<std::uint8_t>(language + 1));
        }
        c.SetTownForLanguage(5, u"Town|Polski");
        c.SetShortNameForLanguage(0, u"Short");
        c.SetAbbreviationForLanguage(0, u"ABCD");
        c.SetFanName1(u"Fans one");
        c.SetFanName2(u"Fans two");
        c.SetPartnerClub(0x000E0002);
        c.SetRival(0, 0x000E0003);
        c.SetRival(1, 0x000E0005);
        c.SetFoundationYear(1888);
        c.SetAddress(u"Road 1\r\nTown");
        c.SetTelephone(u"+44 1");
        c.SetWebsite(u"www.club.example");
        c.SetFansites(u"www.fans.example");
        c.SetExtraText(u"Extra text");
        c.SetMascot(u"Leo");
        c.SetInitialCapital(3000000);
        c.SetJointStockCompany(true);
        c.SetExtraByte(9);
        c.SetGameStartPoints(-4);
        for (int index = 0; index < 3; ++index) c.SetClubValue(index, 40000 + index);
        for (int index = 0; index < 14; ++index) c.SetLeagueStat(index, static_cast<std::uint16_t>(100 + index));
        c.SetExtraNumber(4321);
        c.SetStadiumCapacity(45678);
        c.SetStadiumType(2);
        c.SetBigStand(true);
        for (int facility = 0; facility < TClub::FacilityCount; ++facility) {
            c.SetFacilityLevel(static_cast<TClub::Facility>(facility), static_cast<std::uint8_t>(facility % 5 + 1));
        }
        c.SetMediaPressure(3);
        c.SetFlags(TClub::RichGuyControlled, true);
        c.SetPromoted(true, true);
        c.SetBadgePath(u"color\\Badge256\\ro_ws.tga");
        for (int index = 0; index < 5; ++index) c.SetBadgeParam(index, static_cast<std::uint8_t>(index == 3 ? 44 : index + 2));
        for (int index = 0; index < 8; ++index) c.SetHistoryText(index, u"190" + std::u16string(1, u'1' + index));
        c.GetRecord(0).SetFromScoreTexts(u"9:0", u"Home win", u"1950");
        c.GetRecord(4).SetFromValueTexts(u"65000", u"Crowd", u"1977");
        c.SetLatitude(false, 53, 47);
        c.SetLongitude(true, 1, 34);
        c.SetPrestigeNational(7);
        c.SetPrestigeInternational(3);
        c.SetExtraString(u"Extra string");
        c.SetTransferSetting(0, 21);
        c.SetTransferSetting(1, 45);
        c.SetYouthNationality(14);
        c.SetQaroId(13);
        c.GetKit()->SetColour(1, 2, 10, 11, 12);
        c.GetKit()->SetKitValueA(0, 4);
        c.GetKit()->SetKitValueB(1, 2);
        c.GetKit()->SetQaroKitId(555);
        for (int index = 0; index < 4; ++index) c.SetLowestLeague(index, 0x0E010000u + index);
        c.AddPlayer(Person(501, "%INDEX%STAFF\r\nStaff\r\nMember\r\n4\r\n%INDEXEND%STAFF\r\n"));
        c.AddPlayer(Person(502, "%INDEX%PLAYER\r\nFirst\r\nPlayer\r\n%INDEXEND%PLAYER\r\n"));
        c.AddPlayer(Person(503, "%INDEX%PLAYER\r\nSecond\r\nPlayer\r\n%INDEXEND%PLAYER\r\n"));
    }

    std::string Export(const TClub& c)
    {
        const std::u16string path = base_.DatabasePath(u"club.clb");
        EXPECT_TRUE(c.ExportClubFile(path));
        return database_testing::FileText(path);
    }

    bool Import(TClub& c, const std::string& text)
    {
        const std::u16string path = base_.DatabasePath(u"import.clb");
        testing_support::WriteBytes(path, text);
        return c.ImportClubFile(path);
    }

    std::string Golden() const
    {
        return database_testing::FileText(testing_support::SourcePath(u"tests\\database\\fixtures\\Club.clb"));
    }

    TClub* club_ = nullptr;
};

}  // namespace

TEST_F(ClubSectionTest, AFullyFilledClubWritesTheGoldenFileAndSurvivesExportImportExport)
{
    FillClub(*club_);
    club_->Normalise();
    const std::string exported = Export(*club_);
    EXPECT_EQ(exported, Golden());
    const int persons = world_->GetPersonCount();
    MessageCapture messages;
    ASSERT_TRUE(Import(*club_, exported));
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ(world_->GetPersonCount(), persons) << "the old squad persons are deleted";
    EXPECT_EQ(club_->GetSquadPerson(0)->GetId(), 502u) << "players come first, with the ids of the file";
    EXPECT_EQ(club_->GetSquadPerson(2)->GetType(), 4);
    EXPECT_EQ(club_->GetUniqueId(), 0x000E0099u);
    EXPECT_EQ(Export(*club_), exported);
}

TEST_F(ClubSectionTest, AFailedImportChangesNothing)
{
    FillClub(*club_);
    const std::string before = Export(*club_);
    const int persons = world_->GetPersonCount();
    std::string newer = before;
    newer.replace(newer.find("537329692"), 9, "537329694");
    std::string damaged = before;
    damaged.resize(damaged.find("%INDEX%PLAYER\r\nSecond"));
    // A person's begin line that lost its first character would shift him
    // by a line (a player named after the line, staff read as a player).
    const auto lostPercent = [&](const std::string& key) {
        std::string text = before;
        const std::string line = "\r\n%INDEX%" + key + "\r\n";
        const std::size_t at = text.find(line);
        const int number = 1 + static_cast<int>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(at) + 2, '\n'));
        return std::pair(text.erase(at + 2, 1), "Line " + std::to_string(number) + ":");
    };
    const auto [player, playerLine] = lostPercent("PLAYER");
    const auto [staff, staffLine] = lostPercent("STAFF");
    const struct {
        std::string text;
        std::string message;
    } cases[] = {{"\xEF\xBB\xBF%INDEX%CLUB1\r\n%INDEXEND%CLUB1\r\n", "CLUB0"},
                 {newer, "2007-30"},
                 {damaged, "PLAYER"},
                 {player, playerLine},
                 {staff, staffLine}};
    for (const auto& c : cases) {
        MessageCapture messages;
        EXPECT_FALSE(Import(*club_, c.text));
        ASSERT_EQ(messages.Messages().size(), 1u);
        EXPECT_NE(Narrow(messages.Messages()[0]).find(c.message), std::string::npos) << Narrow(messages.Messages()[0]);
        EXPECT_EQ(world_->GetPersonCount(), persons);
        EXPECT_EQ(Export(*club_), before);
    }
    MessageCapture messages;
    EXPECT_FALSE(club_->ImportClubFile(base_.DatabasePath(u"missing.clb")));
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_NE(Narrow(messages.Messages()[0]).find("missing.clb"), std::string::npos);
}

TEST_F(ClubSectionTest, AnImportKeepsAFreeUniqueIdAndReplacesATakenOne)
{
    FillClub(*club_);
    const std::string exported = Export(*club_);
    TClub* other = England().GetClubByIndex(3);
    const std::uint32_t ownId = other->GetUniqueId();
    ASSERT_TRUE(Import(*other, exported));
    EXPECT_EQ(other->GetUniqueId(), ownId) << "0x000E0099 belongs to another club";
    world_->GetCountry(14)->RemoveClub(club_, true, true);
    ASSERT_TRUE(Import(*other, exported));
    EXPECT_EQ(other->GetUniqueId(), 0x000E0099u);
    EXPECT_EQ(other->GetPartnerClub(), 0x000E0002u);
}

TEST_F(ClubSectionTest, VersionGatesAndRepairsOfTheReader)
{
    FillClub(*club_);
    const std::vector<std::string> golden = SplitLines(Export(*club_).substr(3));
    // Line numbers in the golden file: 2 the version, 4 the unique id,
    // 39..52 the league statistics, 53 ExtraNumber, 54 the capacity, 65
    // and 66 MediaPressure and Flags, 72 BadgeParams 3. A 2007-13 file has
    // no unique id, one statistics line per pair and no MediaPressure and
    // Flags.
    const struct {
        const char* name;
        std::vector<std::pair<int, const char*>> set;
        std::vector<std::pair<int, int>> drop;
        std::uint8_t mediaPressure, param3, param4;
        std::uint32_t extraNumber, capacity;
        int startPoints, startFlags;
    } cases[] = {
        // Before 2007-9 the start points were the low four bits of the
        // flags, negated (34 and 35 are the flags and the points).
        {"2007-8", {{2, "537329672"}, {34, "37"}}, {{65, 67}, {46, 53}, {35, 36}, {4, 5}}, 1, 1, 1, 4321, 45678, -5, 35},
        {"2007-13", {{2, "537329677"}}, {{65, 67}, {46, 53}, {4, 5}}, 1, 1, 1, 4321, 45678, -4, 3},
        {"2007-23", {{2, "537329687"}}, {}, 1, 44, 6, 4321, 45678, -4, 3},
        {"2007-28", {{53, "10000"}, {54, "250000"}}, {}, 3, 44, 6, 0, 200000, -4, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> lines = golden;
        for (const auto& [line, text] : c.set) lines[static_cast<std::size_t>(line)] = text;
        for (const auto& [from, to] : c.drop) lines.erase(lines.begin() + from, lines.begin() + to);
        TClub read(0);
        read.SetWorld(world_);
        read.SetId(club_->GetId());
        CIndexTextFile file;
        ASSERT_TRUE(file.OpenFromBytes(testing_support::Bytes(JoinLines(lines)), u"club.clb"));
        ASSERT_TRUE(read.ReadClubSection(file, 0));
        EXPECT_EQ(read.GetMediaPressure(), c.mediaPressure);
        EXPECT_EQ(read.GetBadgeParam(3), c.param3);
        EXPECT_EQ(read.GetBadgeParam(4), c.param4);
        EXPECT_EQ(read.GetExtraNumber(), c.extraNumber);
        EXPECT_EQ(read.GetStadiumCapacity(), c.capacity);
        EXPECT_EQ(read.GetGameStartPoints(), c.startPoints);
        EXPECT_EQ(read.GetGameStartFlags(), c.startFlags);
        EXPECT_EQ(read.GetHistoryText(4), u"1905");
        EXPECT_EQ(read.GetKit()->GetQaroKitId(), 555u);
    }
}

TEST_F(ClubSectionTest, ASquadKeepsSixtyPersonsAndStopsAtAMissingSection)
{
    const std::vector<std::string> golden = SplitLines(Golden().substr(3));
    const auto squad = [&](int count, int sections) {
        // The player count follows the nine lines after the history.
        const auto history = std::find(golden.begin(), golden.end(), "%INDEXEND%HIST");
        std::vector<std::string> lines(golden.begin(), history + 10);
        lines.push_back(std::to_string(count));
        for (int n = 0; n < sections; ++n) {
            lines.insert(lines.end(), {std::to_string(1000 + n), "%INDEX%PLAYER", "P" + std::to_string(n),
                                       "%INDEXEND%PLAYER"});
        }
        lines.push_back("0");
        const auto kit = std::find(golden.begin(), golden.end(), "%INDEX%KIT");
        lines.insert(lines.end(), kit, golden.end());
        return JoinLines(lines);
    };
    for (const auto& [count, sections, kept, messageCount] :
         {std::tuple{61, 61, 60, 1}, std::tuple{3, 2, 2, 1}, std::tuple{2, 2, 2, 0}}) {
        SCOPED_TRACE(count);
        Restart();
        MessageCapture messages;
        const int persons = world_->GetPersonCount();
        CIndexTextFile file;
        ASSERT_TRUE(file.OpenFromBytes(testing_support::Bytes(squad(count, sections)), u"club.clb"));
        ASSERT_TRUE(club_->ReadClubSection(file, 0));
        EXPECT_EQ(club_->GetSquadCount(), kept);
        EXPECT_EQ(world_->GetPersonCount(), persons + kept);
        EXPECT_EQ(world_->GetPerson(1060), nullptr);
        EXPECT_EQ(messages.Messages().size(), static_cast<std::size_t>(messageCount));
        EXPECT_EQ(club_->GetKit()->GetQaroKitId(), 555u) << "the kit after the squad is read";
    }
}

TEST_F(ClubSectionTest, ADamagedNameAsksOnceAndNoStopsTheWarnings)
{
    std::string text = Golden();
    const std::string names = "\"Club Deutsch\",\"Club English\"";
    text.replace(text.find(names), names.size(), "\"7\",\"Club English\"");
    for (const std::size_t expected : {1u, 0u}) {
        MessageCapture messages(AppMessage::IdNo);
        CIndexTextFile file;
        ASSERT_TRUE(file.OpenFromBytes(testing_support::Bytes(text), u"club.clb"));
        ASSERT_TRUE(club_->ReadClubSection(file, 0));
        EXPECT_EQ(messages.Messages().size(), expected);
        if (!messages.Messages().empty()) {
            EXPECT_NE(Narrow(messages.Messages()[0]).find("club.clb"), std::string::npos);
            EXPECT_EQ(messages.Flags()[0], AppMessage::YesNo | AppMessage::IconError);
        }
    }
    EXPECT_FALSE(CClubSection::IsNameWarningOn());
}

TEST_F(ClubSectionTest, NormaliseRepairsWhatTheExportNeeds)
{
    TClub* team = England().GetNationalTeam();
    club_->SetTownForLanguage(0, u"Leeds");
    club_->SetRival(0, 0x00150001);
    club_->SetRival(1, 0);
    club_->SetRival(2, 0x000E0004);
    club_->SetPartnerClub(0x00150001);
    club_->SetBadgePath(u"");
    club_->SetBadgeParam(0, 30);
    club_->SetYouthNationality(207);
    club_->SetFacilityLevel(TClub::Media, 9);
    club_->SetQaroId(0);
    team->SetLeagueStat(5, 3);
    club_->Normalise();
    team->Normalise();
    EXPECT_EQ(club_->GetStadiumCapacity(), 55000u);
    EXPECT_EQ(std::u16string(club_->GetStadiumNameForLanguage(0)), u"Stadion Leeds");
    EXPECT_EQ(team->GetStadiumCapacity(), 8000u);
    EXPECT_EQ(team->GetLeagueStat(5), 0);
    EXPECT_EQ(club_->GetRival(0), 0u);
    EXPECT_EQ(club_->GetRival(1), 0x000E0004u);
    EXPECT_EQ(club_->GetPartnerClub(), 0u);
    EXPECT_EQ(std::u16string(club_->GetBadgePath()), u"color\\badge%d\\sw_ws.tga");
    EXPECT_EQ(club_->GetYouthNationality(), 14);
    EXPECT_EQ(club_->GetFacilityLevel(TClub::Media), 5);
    EXPECT_TRUE(club_->IsNotInITCup());
    EXPECT_EQ(std::u16string(club_->GetShortNameForLanguage(3)), u"Club");
    TClub* fresh = England().GetClubByIndex(1);
    fresh->SetStadiumNameForLanguage(2, u"Own ground");
    world_->SetDatabaseLanguage(1);
    fresh->SetTown(u"York");
    EXPECT_EQ(fresh->GetStadiumCapacity(), 1000u);
    EXPECT_EQ(std::u16string(fresh->GetStadiumNameForLanguage(1)), u"York Stadium");
    EXPECT_EQ(std::u16string(fresh->GetStadiumNameForLanguage(0)), u"Stadion York");
    EXPECT_EQ(std::u16string(fresh->GetStadiumNameForLanguage(2)), u"Own ground");
    fresh->SetTown(u"Hull");
    EXPECT_EQ(std::u16string(fresh->GetStadiumNameForLanguage(1)), u"York Stadium") << "capacity is no longer 0";
}

TEST_F(ClubSectionTest, NormaliseLeavesNoForeignRivalAndMovesTheOthersUp)
{
    constexpr TTeamId Foreign = 0x00150001;
    constexpr TTeamId A = 0x000E0004;
    constexpr TTeamId B = 0x000E0005;
    constexpr TTeamId C = 0x000E0006;
    constexpr TTeamId D = 0x000E0007;
    const struct {
        std::array<TTeamId, 4> before;
        std::array<TTeamId, 4> after;
    } cases[] = {
        {{0, Foreign, A, 0}, {0, A, 0, 0}},
        {{Foreign, A, 0, B}, {A, 0, B, 0}},
        {{A, B, C, D}, {A, B, C, D}},
        {{Foreign, Foreign, Foreign, Foreign}, {0, 0, 0, 0}},
        {{A, Foreign, Foreign, B}, {A, 0, B, 0}},
    };
    for (const auto& c : cases) {
        for (int rival = 0; rival < 4; ++rival) club_->SetRival(rival, c.before[rival]);
        club_->Normalise();
        std::array<TTeamId, 4> after{};
        for (int rival = 0; rival < 4; ++rival) after[rival] = club_->GetRival(rival);
        EXPECT_EQ(after, c.after) << std::hex << c.before[0] << "," << c.before[1] << "," << c.before[2] << "," << c.before[3];
    }
}

TEST_F(ClubSectionTest, SavedOldLayoutsKeepTheirUniqueIdsAndSaveTheSameAgain)
{
    const std::u16string folder = testing_support::BinaryPath(u"generated\\fixtures");
    if (!platform::FileExists(platform::JoinPath(folder, u"Country21_2007-17.sav"))) GTEST_SKIP() << "fixtures not generated";
    const auto load = [&](const std::u16string& path) {
        Restart();
        CIndexTextFile file;
        EXPECT_TRUE(file.OpenRead(path));
        MessageCapture messages;
        EXPECT_TRUE(ReadCountrySections(*world_->GetCountry(21), file)) << Narrow(path);
        EXPECT_TRUE(messages.Messages().empty()) << Narrow(path);
    };
    const auto save = [&] { return database_testing::SaveCountry(*world_->GetCountry(21), base_.DatabasePath(u"Country21.sav")); };
    for (const std::u16string& name : platform::ListFolder(folder)) {
        if (!name.starts_with(u"Country21_")) continue;
        SCOPED_TRACE(Narrow(name));
        load(platform::JoinPath(folder, name));
        const TClub* club = world_->GetCountry(21)->GetClubByIndex(2);
        const std::uint32_t firstId = club->GetUniqueId();
        // Files before 2007-26 had no Polish texts of their own.
        const bool copied = name < u"Country21_2007-26" || name == u"Country21_v1.sav";
        EXPECT_EQ(std::u16string(club->GetNameForLanguage(5)).starts_with(u"KS "), !copied);
        if (copied) {
            EXPECT_EQ(std::u16string(club->GetAbbreviationForLanguage(5)), club->GetAbbreviationForLanguage(1));
        }
        const std::string first = save();
        load(base_.DatabasePath(u"Country21.sav"));
        EXPECT_EQ(world_->GetCountry(21)->GetClubByIndex(2)->GetUniqueId(), firstId);
        EXPECT_EQ(save(), first);
    }
}

TEST(ClubSectionWorld, AResetWorldSavesNationalTeamsThatReadBack)
{
    database_testing::ScratchBase base;
    base.WriteDatabaseFile(u"Countries.sav", database_testing::CountriesSav(3));
    TWorldList& list = GetWorldList();
    list.Clear();
    TCompleteWorld* world = list.CreateCompleteWorld();
    EXPECT_TRUE(world->SaveWorld().saved);
    const std::string text = database_testing::FileText(base.DatabasePath(u"Country9.sav"));
    EXPECT_NE(text.find("%INDEX%CLUB65535\r\n%INDEX%VERSION\r\n537329692\r\n%INDEXEND%VERSION\r\n655359\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("%INDEX%KIT\r\n"), std::string::npos);
    list.Clear();
    world = list.CreateCompleteWorld();
    MessageCapture messages;
    ASSERT_TRUE(world->LoadWorld(u"Database"));
    EXPECT_TRUE(messages.Messages().empty());
    const TClub* team = world->GetCountry(9)->GetNationalTeam();
    EXPECT_EQ(team->GetUniqueId(), 0x0009FFFFu);
    EXPECT_EQ(std::u16string(team->GetNameForLanguage(1)), u"Country 9");
    EXPECT_EQ(team->GetFoundationYear(), 1900);
    list.Clear();
}

TEST_F(ClubSectionTest, CopiesNamesAndCountsOfTheWorldsClubs)
{
    FillClub(*club_);
    TClub* copy = England().GetClubByIndex(2);
    const std::uint32_t ownUniqueId = copy->GetUniqueId();
    copy->AddPlayer(Person(900, "%INDEX%PLAYER\r\nOld\r\n%INDEXEND%PLAYER\r\n"));
    copy->CopyFrom(*club_);
    EXPECT_EQ(world_->GetPerson(900), nullptr) << "the replaced persons are deleted";
    EXPECT_EQ(copy->GetSquadCount(), 3);
    EXPECT_NE(copy->GetSquadPerson(0)->GetId(), 501u);
    EXPECT_EQ(std::u16string(copy->GetSquadPerson(0)->GetLastName()), u"Member");
    EXPECT_EQ(copy->GetSquadPerson(0)->GetType(), 4);
    EXPECT_EQ(copy->GetUniqueId(), ownUniqueId);
    EXPECT_EQ(copy->GetExtraString(), u"Extra string");
    EXPECT_EQ(copy->CountPersonsOfType(0), 2);
    EXPECT_TRUE(copy->HasPersonOfType(4));
    EXPECT_FALSE(copy->HasPersonOfType(1));
    world_->SetDatabaseLanguage(1);
    EXPECT_EQ(GetClubDisplayName(club_->GetId()), u"Club English");
    EXPECT_EQ(GetClubDisplayName(club_->GetId() | ReserveTeamBit), u"Club English (RES)");
    EXPECT_EQ(GetClubDisplayName(0x000E0200), u"");
    EXPECT_EQ(GetClubDisplayName(0), CTextManager::Instance()->GetText(u"Common.NotAvailable"_tk));
    TClub fresh(0);
    fresh.InitNewClub(21);
    EXPECT_EQ(fresh.GetCountryId(), 21);
    EXPECT_EQ(Narrow(fresh.GetNameForLanguage(4)), "Club " + std::to_string(fresh.GetId() & 0xFFFF));
    TClub next(0);
    next.InitNewClub(21);
    EXPECT_EQ(next.GetId(), fresh.GetId() + 1);
    EXPECT_EQ(fresh.GetYouthNationality(), 21);
}

// Values read in a form the first save cannot write back are taken as the
// next load would give them, so that save, load and save write the same
// bytes: a person of the other section's kind (a club writes players, type
// 0, as PLAYER and the staff as STAFF, whose readers treat names apart),
// and a badge path of nothing but a line mark.
TEST_F(ClubSectionTest, HandEditedValuesSaveTheSameFromTheFirstSave)
{
    const std::vector<std::string> golden = SplitLines(Golden().substr(3));
    const auto at = [&](const char* line) {
        return static_cast<std::size_t>(std::find(golden.begin(), golden.end(), line) - golden.begin());
    };
    const struct {
        const char* name;
        std::vector<std::pair<std::size_t, const char*>> set;
    } cases[] = {
        {"a player in a STAFF section", {{at("%INDEX%STAFF") + 1, "St\taff  Tab"}, {at("%INDEX%STAFF") + 3, "0"}}},
        {"staff in a PLAYER section", {{at("%INDEX%PLAYER") + 1, "First\xC2\xA0"}, {at("%INDEX%PLAYER") + 5, "4"}}},
        {"a badge path of a line mark", {{at("color\\Badge%d\\ro_ws.tga"), "%"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> lines = golden;
        for (const auto& [line, text] : c.set) lines[line] = text;
        ASSERT_TRUE(Import(*club_, JoinLines(lines)));
        const std::string first = Export(*club_);
        ASSERT_TRUE(Import(*club_, first));
        EXPECT_EQ(Export(*club_), first);
    }
}
