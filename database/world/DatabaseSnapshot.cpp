#include "database/world/DatabaseSnapshot.h"

#include <algorithm>
#include <mutex>

#include "archive/MireloBig.h"
#include "core/AppMessage.h"
#include "core/text/Format.h"
#include "core/text/TextManager.h"
#include "core/text/TextTools.h"
#include "platform/Platform.h"
#include "core/files/FileMessages.h"

namespace {

constexpr int CountryFileCount = 207;

// In the order the archive's directory keeps them.
constexpr std::u16string_view ScriptFiles[] = {
    u"script\\CC14.txt",
    u"script\\CC18.txt",
    u"script\\CC21.txt",
    u"script\\CC27.txt",
    u"script\\CC38.txt",
    u"script\\CC4.txt",
    u"script\\CC42.txt",
    u"script\\CC45.txt",
    u"script\\CC47.txt",
    u"script\\CCCup128.txt",
    u"script\\CCCup32.txt",
    u"script\\CCCup64.txt",
    u"script\\CCCup96.txt",
    u"script\\cupAlloc.txt",
    u"script\\EuropeanChampionship.txt",
    u"script\\InDoor.txt",
    u"script\\ConfedCup.txt",
    u"script\\Continental - Africa.txt",
    u"script\\Continental - Asia.txt",
    u"script\\Continental - Europe.txt",
    u"script\\Continental - North America.txt",
    u"script\\Continental - Oceania.txt",
    u"script\\Continental - South America.txt",
    u"script\\Lg1021.txt",
    u"script\\Lg14.txt",
    u"script\\Lg18.txt",
    u"script\\Lg21.txt",
    u"script\\Lg42.txt",
    u"script\\Lg45.txt",
    u"script\\EuropeanChampionshipQualification.txt",
    u"script\\WorldCupQualification.txt",
    u"script\\Reserve.txt",
    u"script\\Results.txt",
    u"script\\WorldCup.txt",
    u"script\\WorldCupU20.txt",
    u"script\\Youth1.txt",
    u"script\\Youth2.txt",
    u"script\\Youth3.txt",
    u"script\\Youth4.txt",
    u"script\\Youth5.txt",
};

std::vector<std::u16string> BuildFileList()
{
    std::vector<std::u16string> countries;
    for (int id = 1; id <= CountryFileCount; ++id) countries.push_back(Format(u"database\\Country%d.sav", id));
    // By code unit: Country1, Country10, Country100 ... Country99.
    std::sort(countries.begin(), countries.end());
    std::vector<std::u16string> list = {u"database\\Assessment.sav", u"database\\Countries.sav"};
    list.insert(list.end(), countries.begin(), countries.end());
    list.insert(list.end(), {u"database\\Master.dat", u"database\\Rules.sav", u"database\\Without.sav"});
    for (std::u16string_view script : ScriptFiles) list.emplace_back(script);
    return list;
}

std::mutex gSaveMutex;
CDatabaseSnapshot::SaveStep gDefaultSave;

CDatabaseSnapshot::SaveStep DefaultSaveStep()
{
    std::lock_guard lock(gSaveMutex);
    return gDefaultSave;
}

std::u16string FullPath(const std::u16string& entry) { return platform::JoinPath(platform::GetBaseFolder(), entry); }

}  // namespace

void CDatabaseSnapshot::SetDefaultSaveStep(SaveStep save)
{
    std::lock_guard lock(gSaveMutex);
    gDefaultSave = std::move(save);
}

const std::vector<std::u16string>& CDatabaseSnapshot::GetFileList()
{
    static const std::vector<std::u16string> list = BuildFileList();
    return list;
}

CDatabaseSnapshot::CDatabaseSnapshot() : save_(DefaultSaveStep()) {}

CDatabaseSnapshot::CDatabaseSnapshot(std::unique_ptr<ILongtimeProgress> progress, SaveStep save)
    : CLongtimeOperation(std::move(progress)), save_(std::move(save))
{
}

bool CDatabaseSnapshot::Create(std::u16string_view archivePath) { return Start(Mode::Create, archivePath); }

bool CDatabaseSnapshot::Restore(std::u16string_view archivePath) { return Start(Mode::Restore, archivePath); }

bool CDatabaseSnapshot::Start(Mode mode, std::u16string_view archivePath)
{
    mode_ = mode;
    archivePath_ = archivePath;
    succeeded_ = false;
    succeeded_ = Execute();
    archivePath_.clear();
    return succeeded_;
}

bool CDatabaseSnapshot::Run()
{
    Progress().SetCancelAllowed(false);
    if (mode_ == Mode::Create) RunCreate();
    if (mode_ == Mode::Restore) RunRestore();
    return succeeded_;
}

void CDatabaseSnapshot::ShowStart(TextKey title)
{
    const char16_t* text = CTextManager::Instance()->GetText(title);
    SetCaption(text);
    SetLine1(text);
    Progress().SetRange(0, static_cast<int>(GetFileList().size()));
}

// The world is saved first, even when the archive then cannot be created;
// a snapshot of files whose save failed would not be what the user sees.
// A failed or cancelled snapshot leaves any earlier file at the path.
void CDatabaseSnapshot::RunCreate()
{
    succeeded_ = false;
    Progress().SetVisible(false);
    const bool saved = !save_ || save_();
    Progress().SetVisible(true);
    if (!saved) return;
    Progress().SetCancelAllowed(false);
    CMireloBig archive;
    if (!archive.Create(archivePath_)) return;
    ShowStart(u"Assistant.DatabaseSnapshot.CreateTitle"_tk);
    if (!StoreFiles(archive)) {
        archive.Discard();
        return;
    }
    succeeded_ = archive.Close();
}

// A listed file that does not exist is reported by the archive and left
// out; any other failure ends the snapshot. Empty files are stored raw,
// since packing refuses them.
bool CDatabaseSnapshot::StoreFiles(CMireloBig& archive)
{
    for (const std::u16string& entry : GetFileList()) {
        if (Progress().IsCancelRequested()) return false;
        const std::u16string path = FullPath(entry);
        SetLine2(entry);
        Progress().SetPos(Progress().GetPos() + 1);
        const std::int64_t size = platform::FileSize(path);
        const bool stored = archive.ImportFile(entry, path, size > 0);
        if (!stored && size >= 0) return false;
    }
    return true;
}

// All files change or none: every entry is unpacked, one at a time so that
// memory never holds more than the largest, into a temporary file beside
// its target, and only when all of them were written are they renamed over
// the old files. Missing entries leave their files as they are; a damaged
// entry changes nothing at all.
void CDatabaseSnapshot::RunRestore()
{
    succeeded_ = false;
    CMireloBig archive;
    if (!archive.Open(archivePath_, true)) {
        ShowFileNotFound(archivePath_.c_str());
        return;
    }
    // One message for every unusable entry instead of one each.
    archive.silent = true;
    ShowStart(u"Assistant.DatabaseSnapshot.RestoreTitle"_tk);
    platform::AtomicFileSet files;
    Unusable unusable;
    const bool written = WriteTemporaries(archive, files, unusable);
    archive.Close();
    if (!written) return;
    if (!unusable.damaged.empty()) {
        files.Discard();
        ReportUnusable(unusable);
        return;
    }
    if (!files.Commit()) {
        ShowAppMessageBox(CTextManager::Instance()->GetText(u"Database.CompleteWorld.ErrorDuringReplace"_tk),
                          AppMessage::IconError);
        return;
    }
    ReportUnusable(unusable);
    succeeded_ = true;
}

bool CDatabaseSnapshot::WriteTemporaries(CMireloBig& archive, platform::AtomicFileSet& files, Unusable& unusable)
{
    for (const std::u16string& entry : GetFileList()) {
        SetLine2(entry);
        Progress().SetPos(Progress().GetPos() + 1);
        const int index = archive.FindIndex(entry);
        if (index < 0) {
            unusable.missing.push_back(entry);
            continue;
        }
        std::vector<std::uint8_t> data;
        if (!archive.ReadEntry(index, data, true)) {
            unusable.damaged.push_back(entry);
            continue;
        }
        const std::u16string path = FullPath(entry);
        platform::CreateFolders(platform::FolderOf(platform::MakeAbsolute(path)));
        if (!files.AddFile(path, data)) {
            const std::u16string text = ReplaceTokens(CTextManager::Instance()->GetText(u"Database.Big.ErrorWrite"_tk),
                                                      {{u"_FILE_NAME", path}});
            ShowAppMessageBox(text.c_str(), AppMessage::IconError);
            return false;
        }
    }
    return true;
}

void CDatabaseSnapshot::ReportUnusable(const Unusable& unusable) const
{
    const bool damaged = !unusable.damaged.empty();
    if (!damaged && unusable.missing.empty()) return;
    std::u16string names;
    for (const auto* list : {&unusable.damaged, &unusable.missing}) {
        for (const std::u16string& name : *list) names += u"\n" + name;
    }
    const TextKey key = damaged ? u"Assistant.DatabaseSnapshot.EntriesDamaged"_tk
                                : u"Assistant.DatabaseSnapshot.EntriesMissing"_tk;
    const std::u16string text =
        ReplaceTokens(CTextManager::Instance()->GetText(key), {{u"_FILE_NAME", archivePath_}, {u"_NAMES", names}});
    ShowAppMessageBox(text.c_str(), damaged ? AppMessage::IconError : AppMessage::IconWarning);
}
