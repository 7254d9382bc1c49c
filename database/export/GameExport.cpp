#include "database/export/GameExport.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <mutex>
#include <utility>

#include "archive/BadgeLookup.h"
#include "core/AppMessage.h"
#include "core/longtime/LongtimeOperation.h"
#include "core/files/TabbedConfig.h"
#include "core/text/TextManager.h"
#include "core/text/TextTools.h"
#include "database/export/ClubExport.h"
#include "database/world/CompleteWorld.h"
#include "database/export/CountryExport.h"
#include "database/world/GameIdMaps.h"
#include "database/export/MasterWriter.h"
#include "database/person/NameList.h"
#include "database/club/ReferenceLists.h"
#include "platform/Platform.h"

namespace {

constexpr int FirstCountry = 1;
constexpr int LastCountry = TCompleteWorld::LastCountryId;
constexpr std::uint32_t WorldTag = 0x54444C47;  // "GLDT"
constexpr std::uint32_t WorldMarkerStart = 0x8833486E;
constexpr std::uint32_t WorldMarkerEnd = 0x99A857CA;
constexpr std::size_t RuleLength = 82;
constexpr auto LockWait = std::chrono::milliseconds(2000);

std::mutex gSettingsMutex;
GameExportSettingsSource gSettingsSource;

TGameExportSettings CurrentSettings()
{
    std::lock_guard lock(gSettingsMutex);
    return gSettingsSource ? gSettingsSource() : TGameExportSettings{};
}

std::u16string Text(TextKey key) { return CTextManager::Instance()->GetText(key); }

std::u16string DatabaseFile(const TCompleteWorld& world, std::u16string_view name)
{
    return platform::JoinPath(world.GetDatabaseFolder(), name);
}

void WriteReserved(CMasterWriter& writer)
{
    writer.WriteU64(static_cast<std::uint32_t>(WorldBlockReservedValue),
                    static_cast<std::uint32_t>(WorldBlockReservedValue >> 32));
}

void WriteWorldBlock(CMasterWriter& writer, const TGameExportSettings& settings)
{
    static const CTabbedConfig noColours;
    writer.WriteU32(WorldTag);
    WriteClubColours(writer, settings.guiColours != nullptr ? *settings.guiColours : noColours,
                     GetTeamColourList(), GetMerchandiseColourList());
    writer.WriteU32(WorldMarkerStart);
    WriteReserved(writer);
    WriteReserved(writer);
    writer.WriteU64(0, 0);
    WriteReserved(writer);
    writer.WriteU32(WorldMarkerEnd);
    writer.WriteU32(WorldTag);
}

bool WriteCupAllocation(CMasterWriter& writer)
{
    const auto write = GetCompetitionReader().writeCupAllocation;
    return write != nullptr && write(writer);
}

std::u16string JoinNames(const std::vector<std::u16string>& names)
{
    std::u16string line;
    for (const std::u16string& name : names) {
        if (!line.empty()) line += u", ";
        line += name;
    }
    return line;
}

}  // namespace

void SetGameExportSettingsSource(GameExportSettingsSource source)
{
    std::lock_guard lock(gSettingsMutex);
    gSettingsSource = std::move(source);
}

bool HasCupAllocation()
{
    CMasterWriter probe;
    return WriteCupAllocation(probe);
}

std::u16string BuildExportReport(const std::vector<std::u16string>& completeNames,
                                 const std::vector<std::u16string>& modifiedNames, bool adminMode)
{
    const std::u16string count = CTextManager::Instance()->FormatInt(static_cast<std::int32_t>(completeNames.size()));
    std::u16string text = ReplaceTokens(Text(u"Database.CompleteWorld.CountriesInitializedCount"_tk), {{u"_COUNT", count}});
    text += u"\r\n" + JoinNames(completeNames) + u"\r\n\r\n";
    if (adminMode && !modifiedNames.empty()) {
        const std::u16string rule(RuleLength, u'-');
        text += u"\r\n" + rule + u"\r\n";
        text += u"WARNING! FOLLOWING COUNTRIES HAVE MODIFIED CALENDARS:\r\n";
        text += JoinNames(modifiedNames) + u"\r\n\r\n" + rule + u"\r\n";
    }
    return text;
}

// The state both passes share: the stream, the sizes found in the sizing
// pass, the clubs' settled blocks and the progress.
class CMasterDatAssembler::CPasses {
public:
    CPasses(TCompleteWorld& world, const TGameExportSettings& settings, ILongtimeProgress* progress)
        : world_(world),
          settings_(settings),
          progress_(progress),
          badges_(GetBadgeSources().Folder(), &GetBadgesArchive(), CBadgeSources::LooseFiles::Listed),
          clubs_(badges_),
          context_{clubs_, GetNameList()}
    {
    }

    void LoadNames()
    {
        CNameList& names = GetNameList();
        names.Reset();
        names.LoadFile(NameKindMale, DatabaseFile(world_, u"MaleNames.txt"));
        names.LoadFile(NameKindFemale, DatabaseFile(world_, u"FemaleNames.txt"));
        names.LoadFile(NameKindSurname, DatabaseFile(world_, u"Surnames.txt"));
    }

    bool CountHeader(int countryId) { return WriteCountryHeader(*world_.GetCountry(countryId), writer_); }

    // Sizing pass after the report, the writing pass, and the file's bytes.
    std::vector<std::uint8_t> Run()
    {
        SizeRest();
        if (WriterFailed()) return {};
        GetNameList().NormaliseAll();
        GetNameList().SortAll();
        if (!writer_.Allocate()) return {};
        WriteAll();
        if (WriterFailed()) return {};
        return writer_.GetFileBytes();
    }

    // A writer that could not write its block fails the export.
    bool WriterFailed() const { return context_.failed || GetNameList().HasIndexOverflow(); }

private:
    void SizeRest()
    {
        WriteCupAllocation(writer_);
        world_.GetRulesAndMisc().WriteRulesBlock(writer_);
        WriteWorldBlock(writer_, settings_);
        WriteCountryBlocks(1);
        CNameList& names = GetNameList();
        for (int list = 0; list < CNameList::ListCount; ++list) {
            listSizes_[list] = names.GetSerialisedSize(list);
            writer_.WriteU32(listSizes_[list]);
            writer_.AddSize(std::size_t{listSizes_[list]} + 4);
        }
    }

    void WriteAll()
    {
        for (int id = FirstCountry; id <= LastCountry; ++id) {
            Step(2, id);
            WriteCountryHeader(*world_.GetCountry(id), writer_);
        }
        WriteCupAllocation(writer_);
        WriteNameLists();
        world_.GetRulesAndMisc().WriteRulesBlock(writer_);
        WriteWorldBlock(writer_, settings_);
        WriteCountryBlocks(3);
    }

    void WriteNameLists()
    {
        CNameList& names = GetNameList();
        std::vector<std::uint8_t> bytes;
        for (int list = 0; list < CNameList::ListCount; ++list) {
            bytes.assign(listSizes_[list], 0);
            names.Serialise(list, bytes.data(), bytes.size());
            writer_.WriteU32(listSizes_[list]);
            writer_.WriteBlock(bytes.data(), bytes.size());
        }
    }

    void WriteCountryBlocks(int phase)
    {
        for (int id = FirstCountry; id <= LastCountry; ++id) {
            Step(phase, id);
            WriteCountryBlock(*world_.GetCountry(id), writer_, blockSizes_[id], context_);
        }
    }

    void Step(int phase, int countryId)
    {
        if (progress_ == nullptr) return;
        progress_->SetPos(++position_);
        const std::u16string phaseText = CTextManager::Instance()->FormatInt(phase);
        progress_->SetLine2(ReplaceTokens(Text(u"Database.CompleteWorld.WriteDBAction"_tk),
                                          {{u"_PHASE", phaseText}, {u"_COUNTRY", world_.GetCountry(countryId)->GetName()}}));
    }

    TCompleteWorld& world_;
    TGameExportSettings settings_;
    ILongtimeProgress* progress_;
    CBadgeSources badges_;
    TClubExportCache clubs_;
    TExportContext context_;
    CMasterWriter writer_;
    std::array<TCountryBlockSizes, TCompleteWorld::CountrySlots> blockSizes_{};
    std::array<std::uint32_t, CNameList::ListCount> listSizes_{};
    int position_ = 0;
};

CMasterDatAssembler::CMasterDatAssembler(TCompleteWorld& world, const TGameExportSettings& settings,
                                         ILongtimeProgress* progress)
    : world_(world), settings_(settings), passes_(std::make_unique<CPasses>(world, settings, progress))
{
}

CMasterDatAssembler::~CMasterDatAssembler() = default;

void CMasterDatAssembler::CheckCountries()
{
    BuildGameIdMaps(GetGameIdMaps());
    passes_->LoadNames();
    complete_.clear();
    modifiedCalendars_.clear();
    for (int id = FirstCountry; id <= LastCountry; ++id) {
        if (passes_->CountHeader(id)) complete_.push_back(id);
        if (settings_.adminMode && !world_.GetLeagueMaster().MatchesCountry(id)) modifiedCalendars_.push_back(id);
    }
    std::stable_sort(complete_.begin(), complete_.end(), CompareCountriesByName);
    std::stable_sort(modifiedCalendars_.begin(), modifiedCalendars_.end(), CompareCountriesByName);
}

std::vector<std::uint8_t> CMasterDatAssembler::Assemble()
{
    BuildGameIdMaps(GetGameIdMaps());
    if (settings_.adminMode) WriteGameIdList(DatabaseFile(world_, u"Master.txt"));
    return passes_->Run();
}

bool CMasterDatAssembler::HasWriterFailure() const { return passes_->WriterFailed(); }

std::vector<std::uint8_t> AssembleMasterDat(TCompleteWorld& world, const TGameExportSettings& settings)
{
    CMasterDatAssembler assembler(world, settings);
    assembler.CheckCountries();
    return assembler.Assemble();
}

namespace {

// The messages and the progress of one export with a display.
class CExportDialogue {
public:
    explicit CExportDialogue(ILongtimeProgress* progress) : progress_(progress) {}

    void Start()
    {
        if (progress_ == nullptr) return;
        progress_->SetVisible(false);
        progress_->SetRange(0, ExportProgressRange);
        progress_->SetCancelAllowed(false);
        progress_->SetCaption(Text(u"Database.CompleteWorld.WriteDatabase"_tk));
        progress_->SetLine1(Text(u"Database.CompleteWorld.WriteDatabaseDescription"_tk));
    }

    // Why nothing is written, under the header of a stopped export.
    void ReportError(const std::u16string& text) const
    {
        if (progress_ == nullptr) return;
        ShowAppReport({Text(u"Database.CompleteWorld.ErrorFollowingError"_tk), text, false});
        progress_->SetCancelAllowed(true);
    }

    // True when the user confirms, or when there is nobody to ask.
    bool Confirm(const std::u16string& report)
    {
        if (progress_ == nullptr) return true;
        if (ShowAppReport({Text(u"Database.CompleteWorld.CountriesInitializedInfo"_tk), report, true}) != AppMessage::IdOk) {
            progress_->SetCancelAllowed(true);
            return false;
        }
        progress_->SetVisible(true);
        shown_ = true;
        return true;
    }

    void Finish(bool written)
    {
        if (progress_ == nullptr) return;
        if (shown_) progress_->SetVisible(false);
        if (written) {
            ShowAppMessageBox(Text(u"Database.CompleteWorld.SaveSuccessful"_tk).c_str(), AppMessage::IconInformation);
        } else {
            ShowAppMessageBox(Text(u"Database.CompleteWorld.ErrorDuringSave"_tk).c_str());
        }
    }

private:
    ILongtimeProgress* progress_;
    bool shown_ = false;
};

std::vector<std::u16string> CountryNames(const TCompleteWorld& world, const std::vector<int>& ids)
{
    std::vector<std::u16string> names;
    for (int id : ids) names.emplace_back(world.GetCountry(id)->GetName());
    return names;
}

// A Master.dat that is read-only or not a file is kept as it is.
bool CommitMasterDat(std::u16string_view path, const std::vector<std::uint8_t>& bytes)
{
    if (bytes.empty() || platform::FolderExists(path)) return false;
    if (platform::FileExists(path) && !platform::IsWritable(path)) return false;
    return platform::WriteFileAtomic(path, bytes);
}

ExportStatus RunExport(TCompleteWorld& world, ILongtimeProgress* progress)
{
    const TGameExportSettings settings = CurrentSettings();
    CExportDialogue dialogue(progress);
    dialogue.Start();
    // A load that refused Rules.sav read none of its titles, defenders,
    // hosts and fairness clubs: the game would get defaults in their place.
    if (world.GetRulesAndMisc().IsFileRefused()) {
        dialogue.ReportError(ReplaceTokens(Text(u"Database.CompleteWorld.ErrorNewerRules"_tk),
                                           {{u"_FILE_NAME", platform::MakeAbsolute(world.GetRulesFilePath())}}));
        return ExportStatus::RulesRefused;
    }
    CMasterDatAssembler assembler(world, settings, progress);
    assembler.CheckCountries();
    if (assembler.GetCompleteCountries().empty()) {
        dialogue.ReportError(Text(u"Database.CompleteWorld.ErrorNoCountryInitialized"_tk));
        return ExportStatus::NoCompleteCountry;
    }
    const std::u16string report = BuildExportReport(CountryNames(world, assembler.GetCompleteCountries()),
                                                    CountryNames(world, assembler.GetModifiedCalendars()),
                                                    settings.adminMode);
    if (!dialogue.Confirm(report)) return ExportStatus::ReportDeclined;
    if (!HasCupAllocation()) {
        dialogue.Finish(false);
        return ExportStatus::NoCupAllocation;
    }
    const bool written = CommitMasterDat(DatabaseFile(world, u"Master.dat"), assembler.Assemble());
    dialogue.Finish(written);
    return written ? ExportStatus::Written : ExportStatus::WriteFailed;
}

}  // namespace

ExportStatus WriteDatabase(TCompleteWorld& world, ILongtimeProgress* progress)
{
    // One export at a time: the name lists, the game-id maps and the file
    // are the program's own.
    static std::timed_mutex exportMutex;
    std::unique_lock lock(exportMutex, std::defer_lock);
    if (!lock.try_lock_for(LockWait)) return ExportStatus::LockTimeout;
    return RunExport(world, progress);
}
