#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

#include "archive/MireloBig.h"
#include "core/AppMessage.h"
#include "core/text/Format.h"
#include "core/files/TabbedConfig.h"
#include "core/text/TextManager.h"
#include "core/files/ToolFiles.h"
#include "database/world/CompleteWorld.h"
#include "database/club/ReferenceLists.h"
#include "platform/Platform.h"
#include "tests/tools/hotfix/HotfixTestSupport.h"
#include "tools/enumscripts/EnumScripts.h"
#include "tools/hotfix/FixOrginalKitNames.h"
#include "tools/hotfix/FixVariousDataEnum.h"

namespace {

using tool_testing::Entries;
using tool_testing::Lines;
using tool_testing::TReported;

std::string Narrow16(const std::vector<std::uint8_t>& bytes, std::size_t from = 0)
{
    std::string text;
    for (std::size_t i = from; i + 1 < bytes.size(); i += 2) {
        const unsigned unit = bytes[i] | (bytes[i + 1] << 8);
        text.push_back(unit < 128 ? static_cast<char>(unit) : '#');
    }
    return text;
}

class EnumScriptsTest : public tool_testing::HotfixTest {
protected:
    void SetUp() override
    {
        HotfixTest::SetUp();
        CToolFiles::SetFolder(u'C', folder_.File(u"c"));
        CToolFiles::SetFolder(u'D', folder_.File(u"d"));
        platform::CreateFolders(folder_.File(u"c"));
        platform::CreateFolders(folder_.File(u"d"));
        alpha_ = &NewClub(u"Alpha", 3);
        alpha_->SetQaroId(0x1A);
        alphaPlayer_ = &NewPlayer(*alpha_, u"Nowak");
        beta_ = &NewClub(u"Beta", 5);
    }
    void TearDown() override
    {
        CToolFiles::SetFolder(u'C', u"");
        CToolFiles::SetFolder(u'D', u"");
        HotfixTest::TearDown();
    }

    void Run(int index) { CFixVariousDataEnum::RunScript(CFixVariousDataEnum::GetScripts()[index], *world_, report_); }
    std::u16string C(std::u16string_view name) { return folder_.File(u"c\\" + std::u16string(name)); }
    // A list: its byte-order mark checked, its lines returned.
    std::vector<std::string> List(std::u16string_view name)
    {
        const std::vector<std::uint8_t> bytes = testing_support::ReadBytes(C(name));
        EXPECT_TRUE(bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE);
        return Lines(Narrow16(bytes, 2));
    }
    // The row of a list that starts with text.
    static std::string RowStarting(const std::vector<std::string>& rows, const std::string& text)
    {
        for (const std::string& row : rows) {
            if (row.starts_with(text)) return row;
        }
        return {};
    }
    int ClubTotal() const
    {
        int total = 0;
        for (int id = 1; id <= 206; ++id) total += world_->GetCountry(id)->GetClubCount();
        return total;
    }

    TClub* alpha_ = nullptr;
    TClub* beta_ = nullptr;
    TPerson* alphaPlayer_ = nullptr;
};

int PickFour(const AppListChoice& choice, void* context)
{
    *static_cast<AppListChoice*>(context) = choice;
    return 4;
}

int Cancel(const AppListChoice&, void*) { return -1; }

TEST_F(EnumScriptsTest, ThePickerOffersAllScriptsAndACancelRunsNothing)
{
    CFixVariousDataEnum fix(manager_);
    const AppListPickerSink previous = SetAppListPicker({Cancel, nullptr});
    fix.Apply(world_, nullptr, report_);
    EXPECT_FALSE(platform::FileExists(C(u"Clubs.txt")));
    EXPECT_EQ(report_.Size(), 0u);
    AppListChoice offered;
    SetAppListPicker({PickFour, &offered});
    fix.Apply(world_, nullptr, report_);
    SetAppListPicker(previous);
    EXPECT_EQ(offered.caption, u"Chose script to run");
    EXPECT_EQ(offered.prompt, u"Select a enumeration script to run");
    ASSERT_EQ(offered.items.size(), 21u);
    EXPECT_EQ(offered.items[4], u"List - Club - Complete club list");
    EXPECT_EQ(offered.items[20], u"Fix - Polish national team stadions");
    EXPECT_TRUE(platform::FileExists(C(u"Clubs.txt")));
}

TEST_F(EnumScriptsTest, ClubListHasOneHeaderAndARowPerClub)
{
    Run(4);
    const std::vector<std::string> rows = List(u"Clubs.txt");
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows[0], "Qaro ID\tCountry\tLeague\tClub");
    EXPECT_EQ(static_cast<int>(rows.size()), 1 + ClubTotal());
    EXPECT_EQ(RowStarting(rows, "0000001A"), "0000001A\tCountry 3\t\tAlpha");
    EXPECT_EQ(std::count(rows.begin(), rows.end(), rows[0]), 1);
}

TEST_F(EnumScriptsTest, CreateAnywhereClubsFillsCountriesWithFewerThanThree)
{
    NewClub(u"Gamma", 3);
    const int three = Land(3).GetClubCount();
    ASSERT_EQ(three, 3);
    ASSERT_EQ(Land(5).GetClubCount(), 2);
    Run(0);
    EXPECT_EQ(Land(3).GetClubCount(), 3);
    ASSERT_EQ(Land(5).GetClubCount(), 5);
    EXPECT_EQ(std::u16string(Land(5).GetClubByIndex(4)->GetName()), Format(u"FC %s Team 3", Land(5).GetName()));
}

TEST_F(EnumScriptsTest, NationalStadiumsGetTheirNamesInSixLanguages)
{
    Run(9);
    const TClub& national = *Land(5).GetNationalTeam();
    const char* names[] = {"Nationalstadion", "National Stadium", "Stade National", "Estadio Nacional",
                           "Stadio Nazionale", "National Stadium"};
    for (int language = 0; language < 6; ++language) {
        EXPECT_EQ(testing_support::Narrow(national.GetStadiumNameForLanguage(language)), names[language]);
    }
    EXPECT_NE(testing_support::Narrow(alpha_->GetStadiumNameForLanguage(1)), "National Stadium");
}

TEST_F(EnumScriptsTest, FinalCheckAnsweredYesCleansTheDatabase)
{
    TClub& club = *beta_;
    NewStaff(club, u"Coach");
    NewStaff(club, u"Scout");
    TPerson& player = NewPlayer(club, u"Keeper");
    player.SetNickname(u"Kee");
    player.SetNotes(u"note");
    player.SetRealPerson(false);
    club.SetStadiumNameForLanguage(1, u"Old Ground");
    {
        testing_support::MessageCapture no(AppMessage::IdNo);
        Run(17);
        EXPECT_EQ(club.GetSquadCount(), 3);
    }
    testing_support::MessageCapture yes(AppMessage::IdYes);
    Run(17);
    ASSERT_EQ(yes.Messages().size(), 2u);
    EXPECT_EQ(testing_support::Narrow(yes.Messages()[1]), "Done.");
    ASSERT_EQ(club.GetSquadCount(), 1);
    EXPECT_EQ(club.GetSquadPerson(0), &player);
    EXPECT_TRUE(player.IsRealPerson());
    EXPECT_EQ(std::u16string(player.GetNickname()), u"");
    EXPECT_TRUE(player.GetNotes().empty());
    EXPECT_EQ(testing_support::Narrow(club.GetStadiumNameForLanguage(1)), "Town Stadium");
}

// The clean-up removes the referees of the keys 1 to 255 in every country
// that has them; a referee under the last key, 256, stays.
TEST_F(EnumScriptsTest, FinalCheckRemovesTheRefereesOfTheKeysOneTo255)
{
    TReferee referee;
    referee.SetNames(u"Ref", u"Eree");
    for (int i = 0; i < 255; ++i) Land(5).GetReferees().Add(referee);
    referee.SetNames(u"Last", u"Key");
    ASSERT_EQ(Land(5).GetReferees().Add(referee), 256);
    Land(3).GetReferees().Add(referee);
    testing_support::MessageCapture yes(AppMessage::IdYes);
    Run(17);
    EXPECT_EQ(Land(3).GetReferees().GetCount(), 0);
    ASSERT_EQ(Land(5).GetReferees().GetCount(), 1);
    const TReferee* kept = Land(5).GetReferees().Find(256);
    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(std::u16string(kept->GetLastName()), u"Key");
}

// A localisation file without the generic stadium text (damaged, or of
// another program) leaves every stadium its name instead of the text's key.
TEST_F(EnumScriptsTest, FinalCheckWithoutTheGenericStadiumTextKeepsTheNames)
{
    const std::u16string shipped = testing_support::SourcePath(u"data\\trdata\\DatabaseEditor.txt");
    const std::vector<std::uint8_t> texts = testing_support::ReadBytes(shipped);
    std::string damaged(texts.begin(), texts.end());
    const std::size_t line = damaged.find("\r\nClub.GenericStadium|");
    ASSERT_NE(line, std::string::npos);
    damaged.erase(line, damaged.find("\r\n", line + 2) - line);
    ASSERT_TRUE(CTextManager::Instance()->LoadFromBytes(
        std::span(reinterpret_cast<const std::uint8_t*>(damaged.data()), damaged.size())));
    ASSERT_FALSE(CTextManager::Instance()->HasTextInLanguage(u"Club.GenericStadium"_tk, CTextManager::English));
    for (int language = 0; language < TClub::LanguageCount; ++language) {
        beta_->SetStadiumNameForLanguage(language, Format(u"Arena %d", language).c_str());
    }
    NewStaff(*beta_, u"Coach");
    {
        testing_support::MessageCapture yes(AppMessage::IdYes);
        Run(17);
    }
    for (int language = 0; language < TClub::LanguageCount; ++language) {
        EXPECT_EQ(std::u16string(beta_->GetStadiumNameForLanguage(language)), Format(u"Arena %d", language));
    }
    EXPECT_EQ(beta_->GetSquadCount(), 0) << "the rest of the check still runs";
    ASSERT_TRUE(CTextManager::Instance()->LoadFile(shipped.c_str()));
}

TEST_F(EnumScriptsTest, PolishClubFixRenamesAndMovesAGenericStadium)
{
    alpha_->SetStadiumNameForLanguage(5, TClub::GenericStadiumName(5, u"Town").c_str());
    beta_->SetStadiumNameForLanguage(5, u"Arena");
    const std::string text = "Id\tName\tShort\tAbbr\tTown\r\n" +
                             testing_support::Narrow(Format(u"%X", alpha_->GetUniqueId())) +
                             "\tAlfa\tAlf\tALF\tKrak\xF3w\r\n" + testing_support::Narrow(Format(u"%X", beta_->GetUniqueId())) +
                             "\tBeta PL\tBet\tBET\tGda\xF1sk\r\nFFFFFF\tNobody\tN\tN\tN\r\nshort\tline\r\n";
    testing_support::WriteBytes(C(u"ClubfixPL.csv"), text);
    Run(18);
    EXPECT_EQ(std::u16string(alpha_->GetNameForLanguage(5)), u"Alfa");
    EXPECT_EQ(std::u16string(alpha_->GetTownForLanguage(5)), u"Krak\u00F3w");
    EXPECT_EQ(std::u16string(alpha_->GetStadiumNameForLanguage(5)), TClub::GenericStadiumName(5, u"Krak\u00F3w"));
    EXPECT_EQ(std::u16string(beta_->GetAbbreviationForLanguage(5)), u"BET");
    EXPECT_EQ(std::u16string(beta_->GetStadiumNameForLanguage(5)), u"Arena");
    EXPECT_EQ(std::u16string(alpha_->GetNameForLanguage(1)), u"Alpha");

    platform::RemoveFile(C(u"ClubfixPL.csv"));
    testing_support::MessageCapture messages;
    Run(18);
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_TRUE(testing_support::Narrow(messages.Messages()[0]).starts_with("Missing "));
}

TEST_F(EnumScriptsTest, PolishCompetitionFixWithAnUnknownIdChangesNothing)
{
    testing_support::WriteBytes(C(u"CompetitionPL.csv"), std::string_view("Id\tName\r\n7F7F0000\tLiga\r\n"));
    const std::size_t competitions = world_->GetCompetitions().Size();
    Run(19);
    EXPECT_EQ(world_->GetCompetitions().Size(), competitions);
    EXPECT_EQ(report_.Size(), 0u);
}

TEST_F(EnumScriptsTest, PolishNationalStadiumBecomesStadionNarodowy)
{
    TClub& national = *Land(5).GetNationalTeam();
    national.SetStadiumNameForLanguage(1, u"Wembley");
    national.SetStadiumNameForLanguage(5, u"national stadium");
    // A club whose English stadium name is the generic one is left alone.
    alpha_->SetStadiumNameForLanguage(1, TClub::GenericStadiumName(1, alpha_->GetTownForLanguage(1)).c_str());
    alpha_->SetStadiumNameForLanguage(5, u"National Stadium");
    Run(20);
    EXPECT_EQ(testing_support::Narrow(national.GetStadiumNameForLanguage(5)), "Stadion Narodowy");
    EXPECT_EQ(testing_support::Narrow(alpha_->GetStadiumNameForLanguage(5)), "National Stadium");
    const std::vector<TReported> entries = Entries(report_);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].path, "Land 5");
    EXPECT_EQ(entries[0].description, "Added national team stadium");
}

TEST_F(EnumScriptsTest, InvalidNamesAreThoseTheGameEncodingCannotHold)
{
    NewPlayer(*alpha_, u"\u0416ukov");
    NewPlayer(*alpha_, u"\u0141ukasz");
    Run(12);
    const std::vector<TReported> entries = Entries(report_);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].type, ReportType::Error);
    EXPECT_EQ(entries[0].path.substr(0, 12), "Land 3/Alpha");
}

TEST_F(EnumScriptsTest, LegalListsHaveTheirColumnsInLanguageOrder)
{
    Run(14);
    std::vector<std::string> clubs = List(u"Legal - Clubnames.txt");
    ASSERT_FALSE(clubs.empty());
    EXPECT_TRUE(clubs[0].starts_with("Club ID\tCountry\tLeague\tFull Name [English]\tShort Name [English]\t"
                                     "Abbreviation [English]\tTown [English]\tStadium [English]\t\tFull Name [French]"));
    EXPECT_TRUE(clubs[0].ends_with("Stadium [Polish]\t"));
    report_.RemoveEmptyCategories();
    Run(16);
    const std::vector<std::string> countries = List(u"Legal - Countries.txt");
    ASSERT_EQ(countries.size(), 207u);
    EXPECT_EQ(countries[0], "CountryID\tName [English]\tAbbreviation [English]\tName [French]\tAbbreviation [French]\t"
                            "Name [German]\tAbbreviation [German]\tName [Italian]\tAbbreviation [Italian]\t"
                            "Name [Spanish]\tAbbreviation [Spanish]\tName [Polish]\tAbbreviation [Polish]");
    // The test world's countries have the abbreviation "C3" in English and "L3" elsewhere.
    EXPECT_EQ(countries[3], "3\tCountry 3\tC3\tPays 3\tL3\tLand 3\tL3\tPaese 3\tL3\tPais 3\tL3\tKraj 3\tL3");
}

TEST_F(EnumScriptsTest, LegalCompetitionListStartsWithTheCupTitles)
{
    world_->GetRulesAndMisc().SetCupTitle(0, 0, 1, u"Champions Cup");
    world_->GetRulesAndMisc().SetCupTitle(0, 0, 2, u"Coupe");
    Run(15);
    const std::vector<std::string> rows = List(u"Legal - Competitions.txt");
    ASSERT_GE(rows.size(), 2u);
    EXPECT_EQ(rows[0], "Competition ID\tCountry\t[English]\t[French]\t[German]\t[Italian]\t[Spanish]\t[Polish]");
    EXPECT_TRUE(rows[1].starts_with("(n/a)\t(n/a)\tChampions Cup\tCoupe\t"));
}

TEST_F(EnumScriptsTest, PlayerListsNameTheirPlayers)
{
    alphaPlayer_->SetNationality(51);
    alphaPlayer_->SetCharacterTrait(7, true);
    Run(8);
    const std::vector<std::string> serbia = List(u"PlayersSerbia.txt");
    ASSERT_EQ(serbia.size(), 2u);
    EXPECT_EQ(serbia[0], "Country\tLeague\tClub\tLast Name\tFirst Name\tNationality 1\tNationality 2");
    EXPECT_TRUE(serbia[1].starts_with("Country 3\t\tAlpha\tNowak\tJan\tCountry 51\t"));
    Run(10);
    const std::vector<std::string> mobile = List(u"Mobile - Player.txt");
    ASSERT_EQ(mobile.size(), 2u);
    EXPECT_EQ(mobile[0], "Qaro-ID\tCountry\tLeague\tClub\tFirst Name\tLast Name\tMain Position\tMain Alt 1\tMain Alt 2\t"
                         "Secondary 1\tSecondary 2\tSecondary 3\tLoyality");
    EXPECT_TRUE(mobile[1].ends_with("\t1"));
    Run(5);
    const std::vector<std::string> images = List(u"PlayerImages.txt");
    ASSERT_EQ(images.size(), 2u);
    EXPECT_EQ(images[0], "Country\tLeague\tClub\tLast Name\tFirst Name\tPicture\tHas Picture");
    EXPECT_TRUE(images[1].starts_with("Country 3\t-\tAlpha\tNowak\tJan\t"));
    EXPECT_TRUE(images[1].ends_with(".tga\t"));
    Run(11);
    const std::vector<std::string> clubs = List(u"Mobile - Club.txt");
    ASSERT_FALSE(clubs.empty());
    EXPECT_EQ(std::count(clubs[0].begin(), clubs[0].end(), '\t'), 19);
    EXPECT_TRUE(clubs[0].ends_with("Away Socks 1\tAway Socks 2"));
}

// The exported list has room for the positions' full names, in each
// language; the short forms are for the narrow list columns only.
TEST_F(EnumScriptsTest, TheMobilePlayerListNamesPositionsInFullInEachLanguage)
{
    constexpr std::size_t MainPositionColumn = 6;
    alphaPlayer_->SetPosition(0, 1);
    for (int language = 0; language < CTextManager::LanguageCount; ++language) {
        SCOPED_TRACE(language);
        CTextManager::Instance()->SetLanguage(language);
        Run(10);
        const std::vector<std::string> rows = List(u"Mobile - Player.txt");
        ASSERT_EQ(rows.size(), 2u);
        std::vector<std::string> columns;
        for (std::size_t from = 0, tab = 0; tab != std::string::npos; from = tab + 1) {
            tab = rows[1].find('\t', from);
            columns.push_back(rows[1].substr(from, tab - from));
        }
        ASSERT_GT(columns.size(), MainPositionColumn);
        EXPECT_EQ(columns[MainPositionColumn], testing_support::Narrow(testing_support::FullGoalkeeperNames[language]));
    }
    CTextManager::Instance()->SetLanguage(CTextManager::English);
}

TEST_F(EnumScriptsTest, FaceUsageReportsSharedAndUnusedFaces)
{
    testing_support::WriteBytes(folder_.File(u"faceIDs.txt"),
                                std::string_view("\xEF\xBB\xBF" "2\r\nFACE A\r\n2000\r\nFACE B\r\n2001\r\n"));
    GetFaceList().Load(folder_.File(u"faceIDs.txt"));
    alphaPlayer_->SetFaceId(2000);
    NewPlayer(*beta_, u"Twin").SetFaceId(2000);
    Run(7);
    const std::vector<TReported> entries = Entries(report_);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].path, "Players with same Qaro-ID");
    EXPECT_EQ(entries[0].description,
              "Qaro-ID: 2000\r\nFace Name: FACE A\r\n\r\nPlayer: Twin, Jan\r\nTeam: Beta\r\nCountry: Land 5\r\n\r\n"
              "Player: Nowak, Jan\r\nTeam: Alpha\r\nCountry: Land 3\r\n\r\n");
    EXPECT_EQ(entries[1].path, "Player face \"FACE B\" with ID: 2001 is unused.");
}

TEST_F(EnumScriptsTest, UnusedImagesAreWarnedSharedOnesAreErrors)
{
    TPerson& twin = NewPlayer(*beta_, u"Nowak");
    twin.SetBirthDate(alphaPlayer_->GetBirthDate());
    TPerson& single = NewPlayer(*beta_, u"Solo");
    const std::u16string shared = GetPlayerPortraitPath(PortraitOf(*alphaPlayer_), false);
    const std::u16string own = GetPlayerPortraitPath(PortraitOf(single), false);
    const std::u16string pictures = platform::JoinPath(platform::GetBaseFolder(), u"art\\picture");
    platform::CreateFolders(pictures);
    for (const std::u16string& name : {shared, own, std::u16string(u"nobody.tga"), std::u16string(u"notes.txt")}) {
        testing_support::WriteBytes(platform::JoinPath(pictures, name), std::string_view("x"));
    }
    Run(6);
    std::map<std::string, int> types;
    for (const TReported& entry : Entries(report_)) types[entry.path] = entry.type;
    EXPECT_EQ(types.size(), 3u);
    EXPECT_EQ(types[testing_support::Narrow(shared)], ReportType::Error);
    EXPECT_EQ(types[testing_support::Narrow(own)], ReportType::Success);
    EXPECT_EQ(types["nobody.tga"], ReportType::Warning);
}

TEST_F(EnumScriptsTest, BigListingNamesEveryEntryWithItsArchive)
{
    const std::u16string data = platform::JoinPath(platform::GetBaseFolder(), u"data");
    platform::CreateFolders(data);
    CMireloBig archive;
    ASSERT_TRUE(archive.Create(platform::JoinPath(data, u"zdata_03.big")));
    const std::uint8_t bytes[] = {1, 2, 3};
    ASSERT_TRUE(archive.ImportData(u"a\\one.txt", bytes, false));
    ASSERT_TRUE(archive.ImportData(u"two.bin", bytes, false));
    ASSERT_TRUE(archive.Close());
    Run(3);
    const std::vector<std::uint8_t> listing = testing_support::ReadBytes(C(u"biglist.txt"));
    EXPECT_EQ(std::string(listing.begin(), listing.end()), "a\\one.txt\tzdata_03.big\r\ntwo.bin\tzdata_03.big\r\n");
}

TEST_F(EnumScriptsTest, AiFilesMoveToTheClubsNameAndNeverReplaceOne)
{
    const std::u16string folder = C(u"Qaro08_AI");
    platform::CreateFolders(folder);
    testing_support::WriteBytes(platform::JoinPath(folder, u"t26.ai"), std::string_view("ai"));
    testing_support::WriteBytes(platform::JoinPath(folder, u"t26.ai.ai"), std::string_view("ai ai"));
    testing_support::WriteBytes(platform::JoinPath(folder, u"Land 3 - Alpha.ai.ai"), std::string_view("kept"));
    Run(1);
    EXPECT_TRUE(platform::FileExists(platform::JoinPath(folder, u"Land 3 - Alpha.ai")));
    EXPECT_FALSE(platform::FileExists(platform::JoinPath(folder, u"t26.ai")));
    EXPECT_TRUE(platform::FileExists(platform::JoinPath(folder, u"t26.ai.ai")));
    const std::vector<std::uint8_t> kept = testing_support::ReadBytes(platform::JoinPath(folder, u"Land 3 - Alpha.ai.ai"));
    EXPECT_EQ(std::string(kept.begin(), kept.end()), "kept");
    EXPECT_EQ(Entries(report_).size(), 1u);
}

TEST_F(EnumScriptsTest, QaroMappingGivesMatchedClubsTheirIdsAndReportsTheRest)
{
    beta_->SetQaroId(99);
    testing_support::WriteBytes(C(u"Qaro-Team.txt"), std::string_view("7\tALPHA\r\n8\tUnknown Club\r\nlonely\r\n"));
    testing_support::WriteBytes(C(u"Qaro-Player.csv"), std::string_view("1,NOWAK,jan,x\r\n2,Nobody,Jim,x\r\n3,short\r\n"));
    Run(2);
    EXPECT_EQ(alpha_->GetQaroId(), 7u);
    EXPECT_EQ(beta_->GetQaroId(), 0u);
    std::vector<std::string> paths;
    for (const TReported& entry : Entries(report_)) paths.push_back(entry.path);
    EXPECT_EQ(paths, (std::vector<std::string>{"Untranslated clubs/8, Unknown Club",
                                               "Invalid Qaro IDs/" + std::to_string(alpha_->GetUniqueId()) + ", Alpha, Land 3",
                                               "Invalid Qaro IDs/" + std::to_string(beta_->GetUniqueId()) + ", Beta, Land 5",
                                               "Not found players/Nobody, Jim"}));
}

TEST_F(EnumScriptsTest, ImageCheckComparesSizesAndTreatsButtonsKindly)
{
    const std::u16string build = folder_.File(u"d\\Source\\mainline\\tr\\build");
    platform::CreateFolders(build);
    const auto tga = [&](std::u16string_view name, int width, int height) {
        std::vector<std::uint8_t> header(18, 0);
        header[2] = 2;
        header[12] = static_cast<std::uint8_t>(width);
        header[14] = static_cast<std::uint8_t>(height);
        testing_support::WriteBytes(platform::JoinPath(build, std::u16string(name) + u".tga"), header);
    };
    tga(u"ok", 10, 20);
    tga(u"wide", 30, 20);
    tga(u"button", 40, 20);
    testing_support::WriteBytes(C(u"ScreenImages.txt"),
                                std::string_view("Main\tok\t10\t20\tImage\nMain\twide\t10\t20\tImage\n"
                                                 "Main\tbutton\t10\t20\tTextButton\nMain\tmissing\t1\t1\tImage\nnonsense\n"));
    testing_support::MessageCapture yes(AppMessage::IdYes);
    Run(13);
    std::map<std::string, int> found;
    for (const TReported& entry : Entries(report_)) found[entry.path] = entry.type;
    EXPECT_EQ(found["Successful/ok"], ReportType::Success);
    EXPECT_EQ(found["Errors/wide"], ReportType::Error);
    EXPECT_EQ(found["Warnings/button"], ReportType::Warning);
    EXPECT_EQ(found["Errors/missing"], ReportType::Error);
    EXPECT_EQ(found["Information/Line not understood"], ReportType::Info);
    report_.DeleteEntriesOfType(ReportType::Success);
    report_.DeleteEntriesOfType(ReportType::Warning);
    report_.DeleteEntriesOfType(ReportType::Error);
    report_.DeleteEntriesOfType(ReportType::Info);
    report_.RemoveEmptyCategories();
    testing_support::MessageCapture no(AppMessage::IdNo);
    Run(13);
    for (const TReported& entry : Entries(report_)) EXPECT_NE(entry.type, ReportType::Success) << entry.path;
}

}  // namespace

namespace {

// Writes every list and the kit fix's outputs. check-enum-lists.sh asks for
// them in the build folder, where it reads them with Python's csv module;
// run by ctest beside that script, the case keeps to a folder of its own.
TEST_F(EnumScriptsTest, WritesEveryListForThePythonCheck)
{
    const testing_support::TempFolder scratch;
    const std::u16string out = std::getenv("TR_ENUM_LISTS_CHECK") != nullptr
                                   ? testing_support::BinaryPath(u"tests\\tools\\enum-lists")
                                   : scratch.Path();
    platform::CreateFolders(out);
    CToolFiles::SetFolder(u'C', out);
    // Every club has another name in each language, so that a list with a
    // name of the wrong language shows; check_enum_lists.py reads the tags.
    constexpr const char16_t* LanguageTags[TClub::LanguageCount] = {u"de", u"en", u"fr", u"es", u"it", u"pl"};
    for (int id = 1; id <= 206; ++id) {
        for (int index = 0; index < Land(id).GetClubCount(); ++index) {
            TClub* club = Land(id).GetClubByIndex(index);
            if (club == nullptr) continue;
            for (int language = 0; language < TClub::LanguageCount; ++language) {
                club->SetNameForLanguage(language, Format(u"C%X %s", club->GetId(), LanguageTags[language]).c_str());
            }
        }
    }
    // Alpha's kits: colour c of slot s of kit k is palette entry 16k + 4s + c.
    for (int kit = 0; kit < 2; ++kit) {
        for (int slot = 0; slot < 4; ++slot) {
            const auto first = static_cast<std::uint8_t>(16 * kit + 4 * slot);
            alpha_->GetKit()->SetColour(kit, slot, first, static_cast<std::uint8_t>(first + 1),
                                        static_cast<std::uint8_t>(first + 2));
        }
    }
    alphaPlayer_->SetNationality(206);
    NewPlayer(*beta_, u"Second").SetFaceId(77);
    world_->GetRulesAndMisc().SetCupTitle(1, 2, 1, u"Cup Winners' Cup");
    for (int script : {4, 5, 8, 10, 11, 14, 15, 16}) Run(script);
    CTabbedConfig heads;
    TTabbedConfigRecord* record = heads.AddRecord(500);
    for (int language = 0; language < 6; ++language) record->SetText(language, u"Nowak, Jan");
    ASSERT_TRUE(heads.Save(platform::JoinPath(out, u"Fix-Starheads.txt").c_str()));
    testing_support::WriteBytes(platform::JoinPath(out, u"Fix-Qaro2Team.txt"), Utf16("1\t30001\r\n"));
    testing_support::WriteBytes(platform::JoinPath(out, u"ClubIDs.txt"),
                                std::string_view("\xEF\xBB\xBF" "1\r\nKIT A\r\n1\r\n"));
    GetClubIdList().Load(platform::JoinPath(out, u"ClubIDs.txt"));
    CFixOrginalKitNames kits(manager_);
    kits.Apply(world_, nullptr, report_);
    EXPECT_EQ(alpha_->GetKit()->GetQaroKitId(), 1u);
}

}  // namespace
