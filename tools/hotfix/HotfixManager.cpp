#include "tools/hotfix/HotfixManager.h"

#include <algorithm>

#include "core/AppMessage.h"
#include "core/files/FileMessages.h"
#include "database/world/WorldList.h"
#include "tools/hotfix/BaseHotfix.h"
#include "tools/hotfix/HotfixFile.h"

namespace {
constexpr char16_t CreateItemText[] = u"Create hotfix";
constexpr char16_t InvalidFileText[] = u"Invalid hotfix file for version";
constexpr AppFileChoice OpenChoice{false, u"Browse for hotfix file", u"Hotfixes (*.txt)|*.txt|All files|*.*||", u"txt"};
constexpr AppFileChoice SaveChoice{true, u"Browse for hotfix file (OUTPUT!)", u"Hotfixes (*.txt)|*.txt|All files|*.*||",
                                   u"txt"};

char16_t FoldAscii(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

bool NameBefore(const CBaseHotfix* a, const CBaseHotfix* b)
{
    return std::lexicographical_compare(a->GetName().begin(), a->GetName().end(), b->GetName().begin(),
                                        b->GetName().end(),
                                        [](char16_t x, char16_t y) { return FoldAscii(x) < FoldAscii(y); });
}
}  // namespace

CHotfixManager& CHotfixManager::Instance()
{
    static CHotfixManager manager;
    return manager;
}

void CHotfixManager::Register(CBaseHotfix* fix)
{
    if (fix != nullptr) fixes_.push_back(fix);
}

void CHotfixManager::Unregister(CBaseHotfix* fix)
{
    fixes_.erase(std::remove(fixes_.begin(), fixes_.end(), fix), fixes_.end());
}

void CHotfixManager::SetCreateMode(bool on)
{
    createMode_ = on;
    for (THotfixMenuItem& item : menu_) {
        if (createItemId_ != 0 && item.id == createItemId_) item.checked = on;
    }
}

bool CHotfixManager::IsShown(const CBaseHotfix& fix, bool administration) const
{
    return fix.IsListed() && !fix.GetName().empty() && (!fix.IsDeveloperOnly() || administration) &&
           (!fix.NeedsExtendedMode() || extended_);
}

bool CHotfixManager::BuildMenu(bool administration)
{
    menu_.clear();
    createItemId_ = 0;
    if (!enabled_ || fixes_.empty()) return false;
    const bool anyShown = std::any_of(fixes_.begin(), fixes_.end(),
                                      [&](const CBaseHotfix* fix) { return IsShown(*fix, administration); });
    if (!anyShown) return false;
    std::stable_sort(fixes_.begin(), fixes_.end(), NameBefore);
    std::uint32_t id = FirstCommandId;
    for (const CBaseHotfix* fix : fixes_) {
        if (IsShown(*fix, administration)) menu_.push_back({id, fix->GetName(), false, false});
        ++id;
    }
    if (administration || extended_) {
        menu_.push_back({0, {}, false, true});
        menu_.push_back({id, CreateItemText, false, false});
        createItemId_ = id;
        createMode_ = false;
    }
    return true;
}

void CHotfixManager::SetSelection(std::uint32_t countryId, std::uint32_t clubTeamId)
{
    selectedCountry_ = countryId;
    selectedClub_ = clubTeamId;
}

void CHotfixManager::OnCommand(std::uint32_t commandId)
{
    if (!enabled_ || fixes_.empty()) return;
    if (createItemId_ != 0 && commandId == createItemId_) SetCreateMode(!createMode_);
    if (commandId < FirstCommandId || commandId - FirstCommandId >= fixes_.size()) return;
    CBaseHotfix& fix = *fixes_[commandId - FirstCommandId];
    if (!fix.NeedsFile()) {
        RunFix(fix, nullptr);
        return;
    }
    const std::u16string path = ChooseAppFile(createMode_ ? SaveChoice : OpenChoice);
    if (path.empty()) return;
    CHotfixFile file;
    // A fix given no file would work without its data: it does not run.
    if (createMode_ && !file.OpenWrite(path)) {
        CBaseHotfix::ShowNotWritten(path);
        return;
    }
    if (!createMode_ && !file.OpenRead(path)) {
        ShowFileNotFound(path.c_str());
        return;
    }
    RunFix(fix, &file);
    // A run that ended before the fix had its say leaves the target alone.
    file.Discard();
}

void CHotfixManager::RunFix(CBaseHotfix& fix, CHotfixFile* file)
{
    currentFix_ = &fix;
    currentFile_ = file;
    if (runner_) {
        runner_(*this, fix.GetName());
    } else {
        CReportModel report;
        report.SetTitle(fix.GetName());
        report.Open();
        Run(report);
    }
    currentFix_ = nullptr;
    currentFile_ = nullptr;
}

void CHotfixManager::Run(CReportModel& report)
{
    TCompleteWorld* world = GetWorld();
    if (!enabled_ || fixes_.empty() || currentFix_ == nullptr || world == nullptr) return;
    if (!currentFix_->ShowsReport()) report.RequestHide();
    if (currentFile_ != nullptr && !currentFix_->HasNoHeader()) {
        if (createMode_) {
            currentFile_->WriteHeader(currentFix_->GetName(), currentFix_->GetVersion());
        } else if (!currentFile_->ReadHeader(currentFix_->GetName(), currentFix_->GetVersion())) {
            ShowAppMessageBox(InvalidFileText, AppMessage::Ok);
            return;
        }
    }
    if (createMode_) {
        currentFix_->Create(world, currentFile_, report);
        // The file replaces its target only now, so a failure still reaches
        // the report.
        if (currentFile_ != nullptr) CBaseHotfix::CommitFile(*currentFile_, report);
    } else {
        currentFix_->Apply(world, currentFile_, report);
    }
}
