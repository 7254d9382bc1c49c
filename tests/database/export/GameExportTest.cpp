#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <future>

#include "ExportTestSupport.h"
#include "MasterDatCheck.h"
#include "competition/CupAlloc.h"
#include "core/AppMessage.h"
#include "core/Random.h"
#include "core/text/TextManager.h"
#include "core/text/TextTools.h"
#include "database/world/GameIdMaps.h"
#include "database/person/NameList.h"
#include "database/person/Person.h"
#include "database/club/ReferenceLists.h"
#include "platform/Platform.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using database_testing::CheckMasterDat;
using database_testing::CupTableSize;
using database_testing::RecordingDisplay;
using testing_support::MessageCapture;

std::u16string Text(TextKey key) { return CTextManager::Instance()->GetText(key); }

std::u16string ReportMessage(const std::u16string& body)
{
    return Text(u"Database.CompleteWorld.CountriesInitializedInfo"_tk) + u"\r\n\r\n" + body;
}

class GameExportTest : public database_testing::SampleExportTest {
protected:
    database_testing::TMasterDatSummary Check(const Bytes& file) const
    {
        return CheckMasterDat(file, GetGameIdMaps(), GetNameList(), CupTableSize());
    }
    // Master.dat holds marker when the test begins; it must still hold it.
    void PlantMarker() const { testing_support::WriteBytes(MasterDat(), std::string("earlier export")); }
    bool MarkerKept() const
    {
        return testing_support::ReadBytes(MasterDat()) == testing_support::Bytes("earlier export");
    }
    bool NoScratchFiles() const
    {
        const auto names = platform::ListFolder(base_.DatabasePath(u""));
        return std::none_of(names.begin(), names.end(), [](const std::u16string& name) { return platform::IsOwnScratchFileName(name); });
    }
    ExportStatus ExportWithDisplay(RecordingDisplay::Record& record)
    {
        RecordingDisplay display(record);
        CrtSrand(1);
        return WriteDatabase(*world_, &display);
    }
};

TEST_F(GameExportTest, SampleExportIsTheShippedMasterDatAndPassesTheStructureCheck)
{
    const Bytes file = Export();
    EXPECT_TRUE(file == testing_support::ReadBytes(testing_support::SourcePath(u"data\\Database\\Master.dat")))
        << "the shipped Master.dat is not the export of the sample; run scripts/export-sample";
    const auto summary = Check(file);
    EXPECT_TRUE(summary.ok()) << summary.problem;
    EXPECT_TRUE(NoScratchFiles());
}

// The lists are ordered by the hash of the UTF-16 names: a name whose
// game form differs ("O’Neil" is written with an ASCII apostrophe) is in
// order as the writer hashed it.
TEST_F(GameExportTest, StructureCheckOrdersNameListsByTheWritersTexts)
{
    int renamed = 0;
    for (std::uint32_t id = 1; renamed < 20 && id < 200000; ++id) {
        if (TPerson* person = world_->GetPerson(id)) {
            person->SetLastName(renamed % 2 == 0 ? u"O\u2019Neil" : u"D\u2019Arcy");
            ++renamed;
        }
    }
    ASSERT_EQ(renamed, 20);
    const Bytes file = Export();
    const auto summary = Check(file);
    EXPECT_TRUE(summary.ok()) << summary.problem;
}

TEST_F(GameExportTest, StructureCheckRejectsAFlippedByteATruncationAndADuplicatedClubBlock)
{
    const Bytes file = Export();
    const auto summary = Check(file);
    ASSERT_TRUE(summary.ok()) << summary.problem;

    Bytes flipped = file;
    flipped[file.size() / 2] ^= 0x01;
    EXPECT_FALSE(Check(flipped).ok());

    Bytes truncated(file.begin(), file.end() - 1);
    EXPECT_FALSE(Check(truncated).ok());
    database_testing::FixMasterDatHeader(truncated);
    EXPECT_FALSE(Check(truncated).ok());

    // A CLUB block written twice, with the sizes around it grown to match.
    const auto withClubs = std::find_if(summary.countries.begin(), summary.countries.end(),
                                        [](const auto& entry) { return entry.second.clubBlocks > 1; });
    ASSERT_NE(withClubs, summary.countries.end());
    const auto& country = withClubs->second;
    const auto [from, to] = country.clubRanges.front();
    Bytes duplicated(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(to));
    duplicated.insert(duplicated.end(), file.begin() + static_cast<std::ptrdiff_t>(from),
                      file.begin() + static_cast<std::ptrdiff_t>(to));
    duplicated.insert(duplicated.end(), file.begin() + static_cast<std::ptrdiff_t>(to), file.end());
    std::uint32_t blockSize = 0;
    for (int i = 0; i < 4; ++i) blockSize |= std::uint32_t{file[country.blockStart + i]} << (8 * i);
    blockSize += static_cast<std::uint32_t>(to - from);
    for (int i = 0; i < 4; ++i) duplicated[country.blockStart + i] = static_cast<std::uint8_t>(blockSize >> (8 * i));
    database_testing::FixMasterDatHeader(duplicated);
    const auto rejected = Check(duplicated);
    EXPECT_FALSE(rejected.ok());
    EXPECT_NE(rejected.problem.find("written twice"), std::string::npos) << rejected.problem;
}

TEST_F(GameExportTest, ExportSaveReloadExportGivesTheSameFile)
{
    const Bytes first = Export();
    EXPECT_TRUE(Export() == first) << "a second export in the same run";
    ASSERT_TRUE(world_->SaveWorld({}, TCompleteWorld::DamagedFiles::Keep).saved);
    Reload();
    EXPECT_TRUE(Export() == first) << "after save and reload";
}

TEST_F(GameExportTest, DisplayShowsRangeStepsLinesAndOnlyWhileWriting)
{
    MessageCapture messages(AppMessage::IdOk);
    RecordingDisplay::Record record;
    EXPECT_EQ(ExportWithDisplay(record), ExportStatus::Written);
    EXPECT_EQ(record.minimum, 0);
    EXPECT_EQ(record.maximum, 624);
    ASSERT_EQ(record.positions.size(), 621u);
    EXPECT_EQ(record.positions.back(), 621);
    EXPECT_EQ(record.visible, (std::vector<bool>{false, true, false}));
    EXPECT_EQ(record.captions, std::vector<std::u16string>{Text(u"Database.CompleteWorld.WriteDatabase"_tk)});
    ASSERT_EQ(record.lines2.size(), 621u);
    const auto line = [&](int phase, int country) {
        return ReplaceTokens(Text(u"Database.CompleteWorld.WriteDBAction"_tk),
                             {{u"_PHASE", std::u16string(1, static_cast<char16_t>(u'0' + phase))},
                              {u"_COUNTRY", world_->GetCountry(country)->GetName()}});
    };
    EXPECT_EQ(record.lines2.front(), line(1, 1));
    EXPECT_EQ(record.lines2[207], line(2, 1));
    EXPECT_EQ(record.lines2.back(), line(3, 207));
    ASSERT_EQ(messages.Messages().size(), 2u);
    EXPECT_TRUE(messages.Messages()[0].starts_with(ReportMessage(u"")));
    EXPECT_EQ(messages.Flags()[0], AppMessage::OkCancel);
    EXPECT_EQ(messages.Messages()[1], Text(u"Database.CompleteWorld.SaveSuccessful"_tk));
    EXPECT_EQ(messages.Flags()[1], AppMessage::IconInformation);
}

TEST_F(GameExportTest, DeclinedReportWritesNothingAndNeverShowsTheDisplay)
{
    PlantMarker();
    MessageCapture messages(AppMessage::IdCancel);
    RecordingDisplay::Record record;
    EXPECT_EQ(ExportWithDisplay(record), ExportStatus::ReportDeclined);
    EXPECT_TRUE(MarkerKept());
    EXPECT_EQ(record.visible, std::vector<bool>{false});
    EXPECT_EQ(messages.Messages().size(), 1u);
}

TEST_F(GameExportTest, MissingCupTableGivesErrorDuringSaveAndKeepsTheFile)
{
    PlantMarker();
    GetCupAllocTable().Clear();
    MessageCapture messages(AppMessage::IdOk);
    RecordingDisplay::Record record;
    const ExportStatus status = ExportWithDisplay(record);
    LoadCupAllocation(GetCupAllocTable(), u"Script");
    EXPECT_EQ(status, ExportStatus::NoCupAllocation);
    EXPECT_TRUE(MarkerKept());
    ASSERT_EQ(messages.Messages().size(), 2u);
    EXPECT_EQ(messages.Messages()[1], Text(u"Database.CompleteWorld.ErrorDuringSave"_tk));
}

// Nothing was read from a Rules.sav of a newer program, so an export would
// give the game default titles, defenders, hosts and fairness clubs: it
// stops, naming the file, and the old game database keeps every byte.
TEST_F(GameExportTest, ARefusedRulesFileStopsTheExportAndKeepsTheGameDatabase)
{
    const std::u16string rulesPath = base_.DatabasePath(u"Rules.sav");
    std::string rules = database_testing::FileText(rulesPath);
    const std::string version = "\r\n537329692\r\n";
    ASSERT_NE(rules.find(version), std::string::npos);
    rules.replace(rules.find(version), version.size(), "\r\n537329694\r\n");
    base_.WriteDatabaseFile(u"Rules.sav", rules);
    {
        MessageCapture loading;
        Reload();
    }
    ASSERT_TRUE(world_->GetRulesAndMisc().IsFileRefused());
    const Bytes master = testing_support::ReadBytes(MasterDat());
    MessageCapture messages(AppMessage::IdOk);
    EXPECT_EQ(WriteDatabase(*world_, nullptr), ExportStatus::RulesRefused);
    EXPECT_TRUE(messages.Messages().empty()) << "nothing shown without a display";
    RecordingDisplay::Record record;
    EXPECT_EQ(ExportWithDisplay(record), ExportStatus::RulesRefused);
    const std::u16string refused = ReplaceTokens(Text(u"Database.CompleteWorld.ErrorNewerRules"_tk),
                                                 {{u"_FILE_NAME", platform::MakeAbsolute(rulesPath)}});
    EXPECT_EQ(messages.Messages(),
              std::vector<std::u16string>{Text(u"Database.CompleteWorld.ErrorFollowingError"_tk) + u"\r\n\r\n" + refused});
    EXPECT_EQ(record.visible, std::vector<bool>{false});
    EXPECT_TRUE(testing_support::ReadBytes(MasterDat()) == master);
    EXPECT_TRUE(NoScratchFiles());
}

TEST_F(GameExportTest, UnwritableTargetOrFailingWriteGivesErrorDuringSaveAndLeavesNoTemporary)
{
    MessageCapture messages(AppMessage::IdOk);
    platform::RemoveFile(MasterDat());
    ASSERT_TRUE(platform::CreateFolders(MasterDat()));
    RecordingDisplay::Record record;
    EXPECT_EQ(ExportWithDisplay(record), ExportStatus::WriteFailed);
    EXPECT_TRUE(platform::FolderExists(MasterDat()));
    EXPECT_EQ(messages.Messages().back(), Text(u"Database.CompleteWorld.ErrorDuringSave"_tk));
    EXPECT_EQ(record.visible, (std::vector<bool>{false, true, false}));
    ASSERT_TRUE(platform::RemoveFolder(MasterDat()));

    PlantMarker();
    platform::FailWritesAfter(1);
    RecordingDisplay::Record failing;
    const ExportStatus status = ExportWithDisplay(failing);
    platform::FailWritesAfter(0);
    EXPECT_EQ(status, ExportStatus::WriteFailed);
    EXPECT_TRUE(MarkerKept());
    EXPECT_TRUE(NoScratchFiles());
}

TEST_F(GameExportTest, ReadOnlyMasterDatIsKept)
{
    PlantMarker();
    std::u16string slashed = platform::MakeAbsolute(MasterDat());
    std::replace(slashed.begin(), slashed.end(), u'\\', u'/');
    const std::filesystem::path path(slashed);
    std::filesystem::permissions(path, std::filesystem::perms::owner_write | std::filesystem::perms::group_write |
                                           std::filesystem::perms::others_write,
                                 std::filesystem::perm_options::remove);
    if (platform::IsWritable(MasterDat())) {
        std::filesystem::permissions(path, std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
        GTEST_SKIP() << "this user may write read-only files";
    }
    MessageCapture messages(AppMessage::IdOk);
    EXPECT_EQ(WriteDatabase(*world_, nullptr), ExportStatus::WriteFailed);
    std::filesystem::permissions(path, std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
    EXPECT_TRUE(MarkerKept());
    EXPECT_TRUE(NoScratchFiles());
}

TEST_F(GameExportTest, WithoutADisplayNothingIsShown)
{
    MessageCapture messages(AppMessage::IdCancel);
    GetCupAllocTable().Clear();
    EXPECT_EQ(WriteDatabase(*world_, nullptr), ExportStatus::NoCupAllocation);
    LoadCupAllocation(GetCupAllocTable(), u"Script");
    EXPECT_EQ(WriteDatabase(*world_, nullptr), ExportStatus::Written) << "no report to decline";
    EXPECT_TRUE(messages.Messages().empty());
}

// Export A waits in its report; export B gives up after about two seconds
// without a message; then A completes.
struct ReportGate {
    std::promise<void> inReport;
    std::shared_future<void> release;

    static int Answer(const char16_t* text, unsigned, void* context)
    {
        auto* gate = static_cast<ReportGate*>(context);
        if (std::u16string_view(text).starts_with(ReportMessage(u""))) {
            gate->inReport.set_value();
            gate->release.wait();
        }
        return AppMessage::IdOk;
    }
};

TEST_F(GameExportTest, SecondExportTimesOutWhileTheFirstWaitsInItsReport)
{
    std::promise<void> release;
    ReportGate gate{{}, release.get_future().share()};
    std::future<void> inReport = gate.inReport.get_future();
    const AppMessageSink previous = SetAppMessageSink({ReportGate::Answer, &gate});
    RecordingDisplay::Record record;
    std::future<ExportStatus> first = std::async(std::launch::async, [&] { return ExportWithDisplay(record); });
    inReport.wait();
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(WriteDatabase(*world_, nullptr), ExportStatus::LockTimeout);
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_GE(waited, std::chrono::milliseconds(1900));
    EXPECT_LT(waited, std::chrono::milliseconds(10000));
    release.set_value();
    EXPECT_EQ(first.get(), ExportStatus::Written);
    SetAppMessageSink(previous);
}

TEST_F(GameExportTest, WorldBlockHasItsSizeAndMarkers)
{
    const Bytes file = Export();
    const std::size_t t = static_cast<std::size_t>(GetTeamColourList().GetCount());
    const std::size_t m = static_cast<std::size_t>(GetMerchandiseColourList().GetCount());
    const Bytes tag{'G', 'L', 'D', 'T'};
    const auto start = std::search(file.begin(), file.end(), tag.begin(), tag.end());
    ASSERT_NE(start, file.end());
    const std::size_t at = static_cast<std::size_t>(start - file.begin());
    const std::size_t size = 1077 + 8 * t + 4 * m;
    ASSERT_LE(at + size, file.size());
    EXPECT_TRUE(std::equal(tag.begin(), tag.end(), file.begin() + static_cast<std::ptrdiff_t>(at + size - 4)));
    const std::size_t end = at + size;
    EXPECT_EQ(Bytes(file.begin() + static_cast<std::ptrdiff_t>(end - 44), file.begin() + static_cast<std::ptrdiff_t>(end - 40)),
              (Bytes{0x6E, 0x48, 0x33, 0x88}));
    EXPECT_EQ(Bytes(file.begin() + static_cast<std::ptrdiff_t>(end - 8), file.begin() + static_cast<std::ptrdiff_t>(end - 4)),
              (Bytes{0xCA, 0x57, 0xA8, 0x99}));
    EXPECT_TRUE(std::all_of(file.begin() + static_cast<std::ptrdiff_t>(end - 40), file.begin() + static_cast<std::ptrdiff_t>(end - 8),
                            [](std::uint8_t b) { return b == 0; }));
}

TEST_F(GameExportTest, AdminModeWritesTheIdListAndComparesCalendars)
{
    adminMode_ = true;
    MessageCapture messages(AppMessage::IdCancel);
    RecordingDisplay::Record record;
    EXPECT_EQ(ExportWithDisplay(record), ExportStatus::ReportDeclined);
    EXPECT_FALSE(platform::FileExists(base_.DatabasePath(u"Master.txt"))) << "the id list comes after the report";
    MessageCapture confirm(AppMessage::IdOk);
    RecordingDisplay::Record second;
    EXPECT_EQ(ExportWithDisplay(second), ExportStatus::Written);
    EXPECT_TRUE(platform::FileExists(base_.DatabasePath(u"Master.txt")));
}

// The sample grown by the cases the game's readers must survive: a country
// of 7 clubs, one of 9 clubs with a league of 18, additional managers of
// types 1 and 2 (also in country 14), staff of every type, Polish letters,
// and a chairman in a country without any CLUB block after country 14.
TEST_F(GameExportTest, TestWorldsPassTheStructureCheck)
{
    TCountry& seven = *world_->GetCountry(120);
    for (int i = 0; i < 7; ++i) seven.CreateClub(u"Siedem Łódź");
    TCountry& nine = *world_->GetCountry(121);
    for (int i = 0; i < 8; ++i) nine.CreateClub(u"Dziewięć Gdańsk");
    const auto addManager = [&](TCountry& country, std::uint8_t type) {
        TPerson* person = world_->CreatePerson(world_->GetFreePersonId(), false);
        person->SetType(type);
        person->SetFirstName(u"Zbigniew");
        person->SetLastName(u"Żółć");
        country.GetAdditionalManagers()[person->GetId()] = person;
    };
    for (const int id : {14, 120, 122}) {
        addManager(*world_->GetCountry(id), 1);
        addManager(*world_->GetCountry(id), 2);
    }
    TCountry& empty = *world_->GetCountry(122);
    empty.RemoveClub(empty.GetNationalTeam(), true);
    TClub* club = world_->GetCountry(14)->GetClubByIndex(1);
    ASSERT_NE(club, nullptr);
    for (std::uint8_t type : {2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}) {
        while (club->GetSquadCount() >= 60) club->RemovePlayer(club->GetSquadPerson(0));
        TPerson* person = world_->CreatePerson(world_->GetFreePersonId(), false);
        person->SetType(type);
        person->SetFirstName(u"Ścibor");
        person->SetLastName(u"Ąęńś");
        club->AddPlayer(person);
    }
    const Bytes file = Export();
    const auto summary = Check(file);
    EXPECT_TRUE(summary.ok()) << summary.problem;
    EXPECT_EQ(summary.countries.at(120).clubCount, 7u);
    EXPECT_EQ(summary.countries.at(121).leagueCount, 0);
    EXPECT_EQ(summary.countries.at(122).clubBlocks, 0);
}

TEST_F(GameExportTest, FullSizeDatabasePassesTheStructureCheck)
{
    const std::u16string full = testing_support::BinaryPath(u"generated\\full");
    if (!platform::FileExists(platform::JoinPath(full, u"Country1.sav"))) GTEST_SKIP() << "target tr_full_database not built";
    for (const std::u16string& name : platform::ListFolder(full)) {
        testing_support::WriteBytes(base_.DatabasePath(name), testing_support::ReadBytes(platform::JoinPath(full, name)));
    }
    Reload();
    const Bytes file = Export();
    const auto summary = Check(file);
    EXPECT_TRUE(summary.ok()) << summary.problem;
    int clubBlocks = 0;
    int clubs = 0;
    for (const auto& [id, country] : summary.countries) {
        clubBlocks += country.clubBlocks;
        clubs += world_->GetCountry(id)->GetClubCount();
    }
    EXPECT_EQ(clubBlocks, clubs) << "every club and national team once";
    EXPECT_GT(clubBlocks, 2000);
}

class NoCompleteCountryTest : public database_testing::CurrentWorldTest {};

TEST_F(NoCompleteCountryTest, ReportsTheErrorOnlyWithADisplayAndWritesNothing)
{
    MessageCapture messages(AppMessage::IdOk);
    EXPECT_EQ(WriteDatabase(*world_, nullptr), ExportStatus::NoCompleteCountry);
    EXPECT_TRUE(messages.Messages().empty());
    RecordingDisplay::Record record;
    RecordingDisplay display(record);
    EXPECT_EQ(WriteDatabase(*world_, &display), ExportStatus::NoCompleteCountry);
    EXPECT_EQ(messages.Messages(), std::vector<std::u16string>{Text(u"Database.CompleteWorld.ErrorFollowingError"_tk) +
                                                               u"\r\n\r\n" +
                                                               Text(u"Database.CompleteWorld.ErrorNoCountryInitialized"_tk)});
    EXPECT_EQ(record.visible, std::vector<bool>{false});
    EXPECT_FALSE(platform::FileExists(base_.DatabasePath(u"Master.dat")));
}

TEST(ExportReportTest, LinesForOneAndTwoCountriesAndTheCalendarWarning)
{
    const std::u16string count1 = ReplaceTokens(Text(u"Database.CompleteWorld.CountriesInitializedCount"_tk), {{u"_COUNT", u"1"}});
    EXPECT_EQ(BuildExportReport({u"Aland"}, {}, false), count1 + u"\r\nAland\r\n\r\n");
    EXPECT_EQ(BuildExportReport({u"Aland"}, {u"Aland"}, false), count1 + u"\r\nAland\r\n\r\n") << "outside admin mode";
    const std::u16string count2 = ReplaceTokens(Text(u"Database.CompleteWorld.CountriesInitializedCount"_tk), {{u"_COUNT", u"2"}});
    const std::u16string rule(82, u'-');
    EXPECT_EQ(BuildExportReport({u"Aland", u"Bland"}, {u"Bland", u"Cland"}, true),
              count2 + u"\r\nAland, Bland\r\n\r\n\r\n" + rule +
                  u"\r\nWARNING! FOLLOWING COUNTRIES HAVE MODIFIED CALENDARS:\r\nBland, Cland\r\n\r\n" + rule + u"\r\n");
    EXPECT_EQ(BuildExportReport({u"Aland"}, {}, true), count1 + u"\r\nAland\r\n\r\n") << "nothing modified";
}

TEST(ExportNameListsTest, WithoutNameFilesTheListsTake14690Bytes)
{
    CNameList& names = GetNameList();
    names.Reset();
    std::uint32_t total = 0;
    for (int list = 0; list < CNameList::ListCount; ++list) total += 8 + names.GetSerialisedSize(list);
    EXPECT_EQ(total, 14690u);
}

}  // namespace
