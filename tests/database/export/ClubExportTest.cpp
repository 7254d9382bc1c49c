#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "tests/database/DatabaseTestSupport.h"
#include "archive/BadgeLookup.h"
#include "competition/League.h"
#include "core/Random.h"
#include "core/files/TabbedConfig.h"
#include "database/export/ClubExport.h"
#include "database/world/GameIdMaps.h"
#include "database/export/MasterWriter.h"
#include "database/person/NameList.h"
#include "database/person/Person.h"
#include "database/club/Referee.h"
#include "database/club/ReferenceLists.h"
#include "database/club/Sponsor.h"
#include "database/club/Stadium.h"
#include "platform/Platform.h"

using testing_support::Bytes;
using testing_support::MessageCapture;

namespace {

using ByteList = std::vector<std::uint8_t>;

// The data a writer produces in the sizing pass and then in the writing
// pass of one stream; the stream refuses to flush when they differ.
ByteList Exported(const std::function<void(CMasterWriter&)>& write)
{
    testing_support::TempFolder folder;
    const std::u16string path = folder.File(u"Master.dat");
    CMasterWriter writer;
    write(writer);
    const std::uint32_t size = writer.GetSize();
    EXPECT_TRUE(writer.Open(path));
    write(writer);
    EXPECT_TRUE(writer.Flush()) << "the writing pass differs from the sizing pass";
    EXPECT_TRUE(writer.Close());
    const ByteList file = testing_support::ReadBytes(path);
    EXPECT_EQ(file.size(), CMasterWriter::HeaderSize + size);
    return file.size() < CMasterWriter::HeaderSize ? ByteList{}
                                                     : ByteList(file.begin() + CMasterWriter::HeaderSize, file.end());
}

ByteList Slice(const ByteList& bytes, std::size_t at, std::size_t count)
{
    if (at + count > bytes.size()) return {};
    return ByteList(bytes.begin() + static_cast<std::ptrdiff_t>(at), bytes.begin() + static_cast<std::ptrdiff_t>(at + count));
}

// Where a zero-terminated text stands in the bytes; npos when absent.
std::size_t FindText(const ByteList& bytes, std::string_view text)
{
    const ByteList wanted = Bytes(std::string(text) + '\0');
    const auto found = std::search(bytes.begin(), bytes.end(), wanted.begin(), wanted.end());
    return found == bytes.end() ? std::string::npos : static_cast<std::size_t>(found - bytes.begin());
}

std::uint32_t U32At(const ByteList& bytes, std::size_t at)
{
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

}  // namespace

TEST(KitExport, KitIdsCarryTheTopBitAndTheBlockIs46Bytes)
{
    struct Case {
        std::uint32_t kitId;
        ByteList first;
    };
    for (const Case& c : {Case{5, {0x05, 0x00, 0x00, 0x80}}, Case{0, {0, 0, 0, 0}},
                          Case{0x80000001, {0x01, 0x00, 0x00, 0x80}}}) {
        TKit kit;
        kit.SetQaroKitId(c.kitId);
        const ByteList bytes = Exported([&](CMasterWriter& w) { kit.ExportKit(w); });
        ASSERT_EQ(bytes.size(), 46u);
        EXPECT_EQ(Slice(bytes, 0, 4), c.first) << c.kitId;
    }
    TKit kit;
    kit.SetColour(1, 3, 7, 8, 9);
    kit.SetStyle(1, 2, 3);
    kit.SetKitValueA(0, 4);
    kit.SetKitValueB(1, 2);
    ByteList expected = {0, 0, 0, 0, 6, 0, 0, 0, 1, 1, 1, 1, 1, 3, 24, 0, 0, 0, 1};
    expected.resize(expected.size() + 23 - 3);
    expected.insert(expected.end(), {7, 8, 9, 4, 0, 0, 2});
    EXPECT_EQ(Exported([&](CMasterWriter& w) { kit.ExportKit(w); }), expected);
}

TEST(ClubRecordExport, GoalsAreOrderedAsSignedBytes)
{
    struct Case {
        const char16_t* score;
        bool largerFirst;
        ByteList goals;
    };
    const Case cases[] = {
        {u"1:4", true, {4, 1}},         {u"1:4", false, {1, 4}},        {u"4-1", false, {1, 4}},
        {u"4:1", true, {4, 1}},         {u"3:200", true, {3, 200}},     {u"3:200", false, {200, 3}},
        {u"", true, {0, 0}},
    };
    for (const Case& c : cases) {
        TClubRecord record;
        record.SetFromScoreTexts(c.score, u"", u"0");
        const ByteList bytes = Exported([&](CMasterWriter& w) { record.ExportClubRecord(w, c.largerFirst); });
        EXPECT_EQ(Slice(bytes, 0, 2), c.goals) << testing_support::Narrow(c.score) << " " << c.largerFirst;
    }
}

TEST(ClubRecordExport, ValueTextAndYearFollowTheGoals)
{
    TClubRecord record;
    record.SetFromValueTexts(u"65000", u"Crowd", u"1977");
    EXPECT_EQ(Exported([&](CMasterWriter& w) { record.ExportClubRecord(w, true); }),
              Bytes(std::string("\0\0\xE8\xFD\0\0Crowd\0\xB9\x07", 14)));
}

TEST(ClubValuesExport, ValuesAreRaisedToTheirLeastAsSignedNumbers)
{
    struct Case {
        std::uint32_t values[3];
        ByteList bytes;
    };
    const Case cases[] = {
        {{0, 0, 0}, {0xE8, 0x03, 0, 0, 0x64, 0, 0, 0, 0x64, 0, 0, 0}},
        {{5000, 99, 0x80000000}, {0x88, 0x13, 0, 0, 0x64, 0, 0, 0, 0x64, 0, 0, 0}},
        {{1000, 101, 0x7FFFFFFF}, {0xE8, 0x03, 0, 0, 0x65, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x7F}},
    };
    for (const Case& c : cases) {
        TClub club(1);
        for (int index = 0; index < 3; ++index) club.SetClubValue(index, c.values[index]);
        EXPECT_EQ(Exported([&](CMasterWriter& w) { ExportClubValues(club, w); }), c.bytes) << c.values[2];
    }
}

TEST(YearListExport, YearsRunUpToTheFirstThatIsNotOne)
{
    struct Case {
        const char16_t* text;
        ByteList bytes;
    };
    const Case cases[] = {
        {u"1950,1961,12,1999", {0x9E, 0x07, 0xA9, 0x07, 0, 0}},
        {u"\"1901,1902", {0x6D, 0x07, 0x6E, 0x07, 0, 0}},
        {u"1800,1799,1950", {0x08, 0x07, 0, 0}},
        {u"2001, 2002", {0xD1, 0x07, 0xD2, 0x07, 0, 0}},
        {u"1950,", {0x9E, 0x07, 0, 0}},
        {u"Champions 1950", {0, 0}},
        {u" 1950", {0, 0}},
        {u"", {0, 0}},
        {u"70000,1950", {0, 0}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Exported([&](CMasterWriter& w) { ExportYearList(w, c.text); }), c.bytes)
            << testing_support::Narrow(c.text);
    }
}

TEST(AddressExport, CommasAndDoubleBlanksBeginLines)
{
    struct Case {
        std::u16string address;
        std::u16string lines;
    };
    const Case cases[] = {
        {u"A, B  C", u"A\nB\nC"},
        {u"Road 1,Town", u"Road 1,Town"},
        {u"A, , B", u"A\n\nB"},
        {u"", u""},
        {std::u16string(300, u'x'), std::u16string(255, u'x')},
    };
    for (const Case& c : cases) EXPECT_EQ(GetExportAddress(c.address), c.lines) << testing_support::Narrow(c.address);
}

TEST(BadgePathExport, UpperCaseWithTheSizePlaceholderAndSlashes)
{
    struct Case {
        const char16_t* path;
        const char16_t* normalised;
    };
    const Case cases[] = {
        {u"color\\badge256\\bl_sw.tga", u"COLOR/Badge%d/BL_SW.TGA"},
        {u"Color\\Badge%d\\x.tga", u"COLOR/Badge%d/X.TGA"},
        {u"de\\badge%D\\\u00e9t\u00e9.tga", u"DE/Badge%d/\u00c9T\u00c9.TGA"},
        {u"a\\BADGE180\\b.tga", u"A/BADGE180/B.TGA"},
        {u"", u""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GetNormalisedBadgePath(c.path), c.normalised) << testing_support::Narrow(c.path);
    }
}

TEST(StadiumExport, StandsFollowTheGameOrder)
{
    struct Case {
        std::uint8_t mask;
        std::uint8_t exported;
    };
    for (const Case& c : {Case{0x55, 0x0F}, Case{0x02, 0x10}, Case{0x80, 0x20}, Case{0x08, 0x40}, Case{0xFF, 0xFF},
                          Case{0x00, 0x00}}) {
        TStadium stadium;
        for (int stand = 0; stand < TStadium::StandCount; ++stand) {
            stadium.SetStandA(stand, (c.mask >> stand & 1) != 0);
            stadium.SetStandB(stand, (c.mask >> stand & 1) == 0);
        }
        const ByteList bytes = Exported([&](CMasterWriter& w) { ExportStadium(stadium, w); });
        ASSERT_EQ(bytes.size(), 1u + 1 + 1 + 1 + 96 + 2);
        EXPECT_EQ(bytes[100], c.exported) << int(c.mask);
        EXPECT_EQ(bytes[101], static_cast<std::uint8_t>(~c.exported)) << int(c.mask);
    }
}

TEST(StadiumExport, CodeNamesKindAndValues)
{
    TStadium stadium;
    stadium.SetCode(0x05);
    stadium.SetCodeFlag(true);
    stadium.SetName(u"Park");
    stadium.SetSecondName(u"P");
    stadium.SetKind(3);
    for (int stand = 0; stand < TStadium::StandCount; ++stand) {
        stadium.SetStandValueA(stand, stand + 1);
        stadium.SetStandValueB(stand, -(stand + 1));
        stadium.SetStandValueC(stand, 100 * stand);
    }
    const ByteList bytes = Exported([&](CMasterWriter& w) { ExportStadium(stadium, w); });
    ASSERT_EQ(bytes.size(), 1u + 5 + 2 + 1 + 96 + 2);
    EXPECT_EQ(Slice(bytes, 0, 9), Bytes(std::string("\x85Park\0P\0\x03", 9)));
    const int order[] = {0, 4, 2, 6, 1, 7, 3, 5};
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(U32At(bytes, 9 + 4 * k), static_cast<std::uint32_t>(order[k] + 1));
        EXPECT_EQ(U32At(bytes, 41 + 4 * k), static_cast<std::uint32_t>(-(order[k] + 1)));
        EXPECT_EQ(U32At(bytes, 73 + 4 * k), static_cast<std::uint32_t>(100 * order[k]));
    }
}

TEST(SponsorExport, NameValueAndTexts)
{
    TSponsor sponsor;
    sponsor.SetName(u"Brauerei \u0141\u00f3d\u017a");
    sponsor.SetValue(-2);
    sponsor.SetText1(u"One");
    const ByteList bytes = Exported([&](CMasterWriter& w) { ExportSponsor(sponsor, w); });
    ASSERT_EQ(bytes.size(), 14u + 4 + 4 + 1);
    EXPECT_EQ(Slice(bytes, 0, 9), Bytes("Brauerei "));
    EXPECT_EQ(bytes[13], 0);
    EXPECT_EQ(Slice(bytes, 14, 9), Bytes(std::string("\xFE\xFF\xFF\xFFOne\0\0", 9)));
}

namespace {

// Colour lists and an interface colour table written to a scratch folder.
class ClubColoursTest : public testing::Test {
protected:
    void LoadLists(const std::string& teams, const std::string& merchandise)
    {
        testing_support::WriteBytes(folder_.File(u"TeamColour.txt"), teams);
        testing_support::WriteBytes(folder_.File(u"MerchandiseColour.txt"), merchandise);
        MessageCapture messages;
        teams_.Load(folder_.File(u"TeamColour.txt"));
        merchandise_.Load(folder_.File(u"MerchandiseColour.txt"));
        EXPECT_TRUE(messages.Messages().empty());
    }

    ByteList Colours(const CTabbedConfig& gui) const
    {
        return Exported([&](CMasterWriter& w) { WriteClubColours(w, gui, teams_, merchandise_); });
    }

    testing_support::TempFolder folder_;
    CTeamColourTextFile teams_{400};
    CTeamColourTextFile merchandise_{400};
};

constexpr std::size_t ColourRows = 64 * 16;

}  // namespace

TEST_F(ClubColoursTest, ListsAndRowsFillTheirPlaces)
{
    LoadLists("3\r\n0\r\nNone,5|6\r\n1\r\nBlue/White,802453|16777215\r\n2\r\nRed,16711680|0\r\n",
              "1\r\n0\r\nClub colours,0|0\r\n");
    CTabbedConfig gui;
    ASSERT_TRUE(gui.LoadFromBytes(Bytes("Index\t[English]\tA\tB\tC\tD\r\n"
                                        "0\tWhite\t#FFFFFF\t#0C3E95\t000080\t#1\r\n"
                                        "2\tShort\t#FFFFFF\t\t#000000\t#000000\r\n")));
    const ByteList bytes = Colours(gui);
    const std::size_t t = 3;
    const std::size_t m = 1;
    ASSERT_EQ(bytes.size(), 1029 + 8 * t + 4 * m);
    EXPECT_EQ(Slice(bytes, 0, 2), (ByteList{3, 3}));
    EXPECT_EQ(Slice(bytes, 2, 12), (ByteList{0, 0, 0, 0, 0x95, 0x3E, 0x0C, 0xFF, 0x00, 0x00, 0xFF, 0xFF}));
    EXPECT_EQ(Slice(bytes, 14, 13), (ByteList{3, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0xFF}));
    EXPECT_EQ(Slice(bytes, 27, 6), (ByteList{1, 0, 0, 0, 0, 64}));
    const std::size_t rows = 33;
    EXPECT_EQ(Slice(bytes, rows, 16), (ByteList{0xFF, 0xFF, 0xFF, 0xFF, 0x95, 0x3E, 0x0C, 0xFF, 0x80, 0, 0, 0xFF, 1, 0, 0, 0xFF}));
    const ByteList defaultRow = {0, 0, 0, 0xFF, 0, 0, 0, 0xFF, 0, 0, 0, 0xFF, 0, 0, 0, 0xFF};
    EXPECT_EQ(Slice(bytes, rows + 16, 16), defaultRow) << "a missing row";
    EXPECT_EQ(Slice(bytes, rows + 32, 16), defaultRow) << "a row with an empty column";
    EXPECT_EQ(Slice(bytes, rows + ColourRows - 16, 16), defaultRow);
}

TEST_F(ClubColoursTest, ListsOfMoreThan255EntriesAreCut)
{
    std::string teams = "300\r\n";
    for (int id = 0; id < 300; ++id) teams += std::to_string(id) + "\r\nC,1|2\r\n";
    LoadLists(teams, "0\r\n");
    ASSERT_GT(teams_.GetCount(), 255);
    CTabbedConfig gui;
    const ByteList bytes = Colours(gui);
    ASSERT_EQ(bytes.size(), 1029u + 8 * 255);
    EXPECT_EQ(bytes[1], 255);
    EXPECT_EQ(bytes[1 + 1 + 4 * 255], 255);
}

TEST(ClubColoursShipped, ShippedListsGive1241Bytes)
{
    MessageCapture messages;
    LoadTextFiles(testing_support::SourcePath(u"data\\trdata\\eng"));
    CTabbedConfig gui;
    ASSERT_TRUE(gui.Load(testing_support::SourcePath(u"data\\trdata\\GUIColors.txt").c_str()));
    const ByteList bytes =
        Exported([&](CMasterWriter& w) { WriteClubColours(w, gui, GetTeamColourList(), GetMerchandiseColourList()); });
    ASSERT_EQ(bytes.size(), 1241u);
    EXPECT_EQ(Slice(bytes, 2, 4), (ByteList{0, 0, 0, 0}));
    EXPECT_EQ(Slice(bytes, 2 + 4 * 3, 4), (ByteList{0x95, 0x3E, 0x0C, 0xFF})) << "Blue/White";
    // Row 0 of the shipped table: #FFFFFF, #CCCCCC, #000000, #000080.
    EXPECT_EQ(Slice(bytes, 1241 - ColourRows, 16),
              (ByteList{0xFF, 0xFF, 0xFF, 0xFF, 0xCC, 0xCC, 0xCC, 0xFF, 0, 0, 0, 0xFF, 0x80, 0, 0, 0xFF}));
    EXPECT_TRUE(messages.Messages().empty());
}

namespace {

// A club among twelve of country 14 and a badge folder of its own.
class ClubChunkTest : public database_testing::CurrentWorldTest {
protected:
    void SetUp() override
    {
        CurrentWorldTest::SetUp();
        for (int n = 0; n < 11; ++n) England().CreateClub(u"Other");
        club_ = England().GetClubByUniqueId(England().CreateClub(u"Club"));
    }

    TCountry& England() { return *world_->GetCountry(14); }

    // Files for the sizes given, 256 first.
    static void PutBadgeFiles(const testing_support::TempFolder& badges, std::u16string_view file, int sizes)
    {
        const char16_t* folders[] = {u"\\color\\Badge256", u"\\color\\Badge128", u"\\color\\Badge64", u"\\color\\Badge32"};
        for (int index = 0; index < sizes; ++index) {
            const std::u16string path = badges.Path() + folders[index];
            ASSERT_TRUE(platform::CreateFolders(path));
            testing_support::WriteBytes(path + u"\\" + std::u16string(file), std::string_view("TGA"));
        }
    }

    // The league of index in country 14 at a level, holding the teams.
    void AddLeague(std::uint32_t index, std::int8_t level, std::initializer_list<TTeamId> teams)
    {
        TCompetitionRegistry& registry = world_->GetCompetitions();
        auto league = std::make_unique<CDBLeague>(0x0E010000 | index, 0x0E000000, registry);
        league->SetLevel(level);
        for (TTeamId team : teams) league->AddTeam(team);
        ASSERT_TRUE(registry.Register(std::move(league)));
    }

    ByteList Chunk(TClub& club) { return Chunk(club, sources_); }
    static ByteList Chunk(TClub& club, const CBadgeSources& sources)
    {
        BuildGameIdMaps(GetGameIdMaps());
        TClubExportCache cache(sources);
        return Exported([&](CMasterWriter& w) { EXPECT_TRUE(WriteClubChunk(club, w, cache)); });
    }

    // The block's flags byte after its badge file, qaro id and badge parameters.
    static std::uint8_t LeagueByte(const ByteList& bytes, std::string_view badgeFile)
    {
        const std::size_t at = FindText(bytes, badgeFile);
        return at == std::string::npos ? 0 : bytes.at(at + badgeFile.size() + 1 + 4 + 5);
    }

    testing_support::TempFolder badges_;
    CBadgeSources sources_{badges_.Path(), nullptr};
    TClub* club_ = nullptr;
};

// The zero-terminated texts from at on.
std::vector<std::string> Texts(const ByteList& bytes, std::size_t at, int count)
{
    std::vector<std::string> texts;
    for (int n = 0; n < count && at < bytes.size(); ++n) {
        const auto end = std::find(bytes.begin() + static_cast<std::ptrdiff_t>(at), bytes.end(), 0);
        texts.emplace_back(bytes.begin() + static_cast<std::ptrdiff_t>(at), end);
        at = static_cast<std::size_t>(end - bytes.begin()) + 1;
    }
    return texts;
}

}  // namespace

TEST_F(ClubChunkTest, AFullyFilledClubWritesTheGoldenBlock)
{
    MessageCapture messages;
    ASSERT_TRUE(club_->ImportClubFile(testing_support::SourcePath(u"tests\\database\\fixtures\\Club.clb")));
    // The persons' blocks have golden files of their own.
    club_->DeleteSquadPersons();
    AddLeague(0, 0, {England().GetClubByIndex(0)->GetId()});
    AddLeague(1, 2, {England().GetClubByIndex(1)->GetId(), club_->GetId()});
    PutBadgeFiles(badges_, u"ro_ws.tga", 4);
    const ByteList bytes = Chunk(*club_);
    ASSERT_GE(bytes.size(), 8u);
    EXPECT_EQ(U32At(bytes, 0), bytes.size() - 4);
    EXPECT_EQ(U32At(bytes, 4), 0x42554C43u);
    EXPECT_EQ(bytes, testing_support::ReadBytes(testing_support::SourcePath(u"tests\\database\\golden\\ClubBlock.bin")));
    EXPECT_NE(FindText(bytes, "COLOR/Badge%d/RO_WS.TGA"), std::string::npos);
    EXPECT_EQ(LeagueByte(bytes, "COLOR/Badge%d/RO_WS.TGA"), 0x20 | (club_->GetGameStartFlags() & 0x0F));
    EXPECT_EQ(club_->GetBadgeParam(3), club_->GetBadgeParam(4)) << "the block stores parameter 4 as 3";
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(ClubChunkTest, ShortNamesOfFewerThanTwoCharactersGiveTheNameCut)
{
    struct Case {
        const char16_t* shortName;
        const char16_t* name;
        std::string exported;
    };
    const Case cases[] = {
        {u"X", u"Longer club name", "Longer clu"},
        {u"", u"Short", "Short"},
        {u"AB", u"Longer club name", "AB"},
    };
    for (const Case& c : cases) {
        club_->SetNameForLanguage(0, c.name);
        club_->SetShortNameForLanguage(0, c.shortName);
        const ByteList bytes = Chunk(*club_);
        const std::vector<std::string> texts = Texts(bytes, 12, 4);
        EXPECT_EQ(texts, (std::vector<std::string>{testing_support::Narrow(c.name), c.exported,
                                                   testing_support::Narrow(c.name), c.exported}))
            << c.exported;
    }
}

TEST_F(ClubChunkTest, AGroundWithoutCapacityTakesTheDefaultOfItsKind)
{
    struct Case {
        int country;
        bool nationalTeam;
        std::uint32_t capacity;
        std::uint32_t exported;
    };
    for (int n = 0; n < 7; ++n) world_->GetCountry(20)->CreateClub(u"Small");
    const Case cases[] = {
        {14, true, 0, 55000}, {14, false, 0, 8000},  {14, false, 10, 8000}, {14, false, 11, 11},
        {14, true, 5000, 5000}, {20, true, 0, 25000}, {20, false, 0, 8000},
    };
    for (const Case& c : cases) {
        TCountry& country = *world_->GetCountry(c.country);
        TClub& club = c.nationalTeam ? *country.GetNationalTeam() : *country.GetClubByIndex(country.GetClubCount() - 1);
        ASSERT_EQ(IsNationalTeamId(club.GetId()), c.nationalTeam);
        club.SetStadiumCapacity(c.capacity);
        const ByteList bytes = Chunk(club);
        std::size_t grounds = 0;
        for (int language = 0; language < TClub::LanguageCount; ++language) {
            grounds += testing_support::Narrow(club.GetStadiumNameForLanguage(language)).size() + 1;
            grounds += testing_support::Narrow(club.GetTownForLanguage(language)).size() + 1;
        }
        const std::size_t at = bytes.size() - 16 - 46 - grounds - 2 - 4;
        EXPECT_EQ(U32At(bytes, at), c.exported) << c.country << " " << c.nationalTeam << " " << c.capacity;
        EXPECT_EQ(club.GetStadiumCapacity(), c.exported) << "the default is stored in the club";
    }
}

TEST_F(ClubChunkTest, TheBadgeIsTheClubsOwnOnlyWhenAllSizesExist)
{
    struct Case {
        int sizes;
        std::uint8_t badgeParam;
        std::string file;
    };
    const Case cases[] = {
        {4, 40, "COLOR/Badge%d/OWN.TGA"},
        {3, 2, "color\\badge%d\\bl_ro.tga"},
        {0, 40, "color\\badge%d\\sw_ws.tga"},
    };
    for (const Case& c : cases) {
        testing_support::TempFolder badges;
        PutBadgeFiles(badges, u"own.tga", c.sizes);
        club_->SetBadgePath(u"color\\Badge256\\own.tga");
        club_->SetBadgeParam(0, c.badgeParam);
        const ByteList bytes = Chunk(*club_, CBadgeSources(badges.Path(), nullptr));
        EXPECT_NE(FindText(bytes, c.file), std::string::npos) << c.file;
        EXPECT_EQ(club_->GetBadgeParam(0), c.badgeParam) << "the record keeps its parameter";
    }
}

TEST_F(ClubChunkTest, TheWritingPassKeepsTheBadgeDecisionOfTheSizingPass)
{
    PutBadgeFiles(badges_, u"own.tga", 4);
    club_->SetBadgePath(u"color\\Badge256\\own.tga");
    BuildGameIdMaps(GetGameIdMaps());
    TClubExportCache cache(sources_);
    int pass = 0;
    const ByteList bytes = Exported([&](CMasterWriter& w) {
        EXPECT_TRUE(WriteClubChunk(*club_, w, cache));
        // A badge file vanishing between the passes changes nothing.
        if (pass++ == 0) {
            EXPECT_TRUE(platform::RemoveFile(badges_.Path() + u"\\color\\Badge32\\own.tga"));
        }
    });
    EXPECT_NE(FindText(bytes, "COLOR/Badge%d/OWN.TGA"), std::string::npos);
    EXPECT_EQ(U32At(bytes, 0), bytes.size() - 4);
    EXPECT_NE(FindText(Chunk(*club_), "color\\badge%d\\bl_sw.tga"), std::string::npos) << "a new export looks again";
}

TEST_F(ClubChunkTest, AClubTheSizingPassDidNotSeeCannotBeWritten)
{
    testing_support::TempFolder folder;
    CMasterWriter writer;
    TClubExportCache cache(sources_);
    writer.AddSize(64);
    ASSERT_TRUE(writer.Open(folder.File(u"Master.dat")));
    EXPECT_FALSE(WriteClubChunk(*club_, writer, cache));
    EXPECT_EQ(cache.Find(*club_), nullptr);
}

TEST_F(ClubChunkTest, TheLeagueLevelComesFromTheLeaguesUpToTheFirstGap)
{
    struct League {
        std::uint32_t index;
        std::int8_t level;
        bool holdsClub;
    };
    struct Case {
        std::vector<League> leagues;
        std::int8_t startPoints;
        std::uint8_t exported;
    };
    const std::vector<Case> cases = {
        {{}, 0, 0x60},
        {{}, -2, 0x63},
        {{{0, 0, false}, {1, 2, true}}, -2, 0x23},
        {{{0, 0, true}, {1, 2, true}}, 0, 0x00},
        {{{0, 0, false}, {1, 15, true}}, 0, 0xF0},
        {{{0, 0, false}, {2, 3, true}}, -2, 0x63},
    };
    for (const Case& c : cases) {
        world_->GetCompetitions().Clear();
        for (const League& league : c.leagues) {
            AddLeague(league.index, league.level, {league.holdsClub ? club_->GetId() : England().GetClubByIndex(0)->GetId()});
        }
        club_->SetGameStartPoints(c.startPoints);
        ASSERT_EQ(club_->GetGameStartFlags(), c.startPoints != 0 ? 0x03 : 0x00);
        const ByteList bytes = Chunk(*club_);
        EXPECT_EQ(LeagueByte(bytes, "color\\badge%d\\bl_sw.tga"), c.exported) << int(c.exported);
    }
}

TEST_F(ClubChunkTest, TheClubsCountryBecomesTheExportClubCountry)
{
    world_->SetExportClubCountry(3);
    Chunk(*club_);
    EXPECT_EQ(world_->GetExportClubCountry(), 14);
    world_->SetExportClubCountry(3);
    Chunk(*world_->GetCountry(20)->GetNationalTeam());
    EXPECT_EQ(world_->GetExportClubCountry(), 20);
}

namespace {

ByteList U32Bytes(std::uint32_t value)
{
    return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value >> 16),
            static_cast<std::uint8_t>(value >> 24)};
}

}  // namespace

// The game holds no club of another country: the block writes another
// country's partner and rivals as 0, as for a club that holds none, and the
// database keeps them.
TEST_F(ClubChunkTest, AnotherCountrysPartnerAndRivalsStayInTheDatabaseButNotInTheBlock)
{
    const auto setReferences = [this](TTeamId partner, std::array<TTeamId, TClub::RivalCount> rivals) {
        club_->SetPartnerClub(partner);
        for (int index = 0; index < TClub::RivalCount; ++index) club_->SetRival(index, rivals[index]);
    };
    TCountry& germany = *world_->GetCountry(21);
    const TTeamId first = germany.GetClubByUniqueId(germany.CreateClub(u"Erster"))->GetId();
    const TTeamId second = germany.GetClubByUniqueId(germany.CreateClub(u"Zweiter"))->GetId();
    setReferences(0, {0x000E0004, 0, 0x000E0005, 0});
    const ByteList asTheGameHoldsThem = Chunk(*club_);
    setReferences(first, {0x000E0004, second, 0x000E0005, first});
    EXPECT_TRUE(Chunk(*club_) == asTheGameHoldsThem);
    EXPECT_EQ(club_->GetPartnerClub(), first);
    EXPECT_EQ(club_->GetRival(1), second);
    EXPECT_EQ(club_->GetRival(2), 0x000E0005u);
}

TEST_F(ClubChunkTest, PlayersWithTheirIdsThenStaffInTheClubsCountryForm)
{
    club_->SetPrestigeNational(0xA1);
    club_->SetPrestigeInternational(0xB2);
    const ByteList empty = Chunk(*club_);
    const ByteList persons = {0xA1, 0xB2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    const auto found = std::search(empty.begin(), empty.end(), persons.begin(), persons.end());
    ASSERT_NE(found, empty.end());
    const std::size_t counts = static_cast<std::size_t>(found - empty.begin()) + 2;

    TPerson* chairman = world_->CreatePerson(701, false);
    chairman->SetType(PersonChairman);
    chairman->SetFirstName(u"Chair");
    chairman->SetLastName(u"Man");
    TPerson* player = world_->CreatePerson(702, false);
    player->SetFirstName(u"Play");
    player->SetLastName(u"Er");
    ASSERT_TRUE(club_->AddPlayer(chairman));
    ASSERT_TRUE(club_->AddPlayer(player));
    // The block's own country decides the chairman's form, whatever the
    // country of the block before.
    // Staff blocks draw a random number each; each export seeds it alike.
    constexpr unsigned Seed = 7;
    world_->SetExportClubCountry(14);
    const ByteList playerBlock = Exported([&](CMasterWriter& w) { player->WritePlayerBlock(w); });
    CrtSrand(Seed);
    const ByteList chairmanBlock = Exported([&](CMasterWriter& w) { chairman->WriteStaffBlock(w); });
    world_->SetExportClubCountry(3);
    ASSERT_NE(Exported([&](CMasterWriter& w) { chairman->WriteStaffBlock(w); }).size(), chairmanBlock.size());
    CrtSrand(Seed);
    const ByteList bytes = Chunk(*club_);

    ByteList expected(empty.begin(), empty.begin() + static_cast<std::ptrdiff_t>(counts));
    for (const ByteList& part : {U32Bytes(1), U32Bytes(702), playerBlock, U32Bytes(1), chairmanBlock}) {
        expected.insert(expected.end(), part.begin(), part.end());
    }
    expected.insert(expected.end(), empty.begin() + static_cast<std::ptrdiff_t>(counts + 8), empty.end());
    const ByteList size = U32Bytes(static_cast<std::uint32_t>(expected.size() - 4));
    std::copy(size.begin(), size.end(), expected.begin());
    EXPECT_EQ(bytes, expected);
}

TEST(RefereeExport, NamesAreIndexesIntoTheListsOfKeyZero)
{
    CNameList names;
    names.Reset();
    struct Case {
        const char16_t* first;
        const char16_t* last;
        std::uint8_t type;
        ByteList bytes;
    };
    const Case cases[] = {
        {u"Anna", u"Smith", 3, {0, 1, 0, 1, 0, 3}},
        {u"Bob", u"Smith", 6, {0, 2, 0, 1, 0, 6}},
        {u"", u"Jones", 0, {0, 0, 0, 2, 0, 0}},
        {u"Anna", u"", 1, {0, 1, 0, 0, 0, 1}},
    };
    for (const Case& c : cases) {
        TReferee referee;
        referee.SetNames(c.first, c.last);
        referee.SetType(c.type);
        EXPECT_EQ(Exported([&](CMasterWriter& w) { EXPECT_TRUE(ExportReferee(referee, w, names)); }), c.bytes)
            << testing_support::Narrow(c.first) << " " << testing_support::Narrow(c.last);
    }
    EXPECT_EQ(names.GetList(0, NameKindMale)->GetCount(), 3);
    EXPECT_EQ(names.GetList(0, NameKindSurname)->GetCount(), 3);
    EXPECT_EQ(names.GetList(1, NameKindMale)->GetCount(), 1) << "other languages' lists stay as they were";
}

TEST(RefereeExport, ANameBeyondTheLastU16IndexFailsTheExport)
{
    CNameList names;
    names.Reset();
    for (int n = 1; n < 65536; ++n) {
        const std::string digits = std::to_string(n);
        names.AddName(0, NameKindMale, u"N" + std::u16string(digits.begin(), digits.end()), false);
    }
    ASSERT_FALSE(names.HasIndexOverflow());
    TReferee referee;
    referee.SetNames(u"N65535", u"Last");
    CMasterWriter writer;
    EXPECT_TRUE(ExportReferee(referee, writer, names));
    referee.SetNames(u"Newcomer", u"Last");
    EXPECT_FALSE(ExportReferee(referee, writer, names));
    EXPECT_EQ(writer.GetSize(), 12u) << "both blocks keep their size";
}
