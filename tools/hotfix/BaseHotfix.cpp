#include "tools/hotfix/BaseHotfix.h"

#include "core/AppMessage.h"
#include "core/text/Format.h"
#include "tools/hotfix/HotfixFile.h"
#include "tools/hotfix/HotfixManager.h"
#include "tools/report/ReportModel.h"

CBaseHotfix::CBaseHotfix(const char16_t* name, std::uint32_t version, std::uint32_t flags)
    : CBaseHotfix(name, version, flags, CHotfixManager::Instance())
{
}

CBaseHotfix::CBaseHotfix(const char16_t* name, std::uint32_t version, std::uint32_t flags, CHotfixManager& manager)
    : name_(name != nullptr ? std::u16string(name).substr(0, MaxNameLength) : std::u16string()),
      version_(version),
      flags_(flags),
      manager_(&manager)
{
    manager_->Register(this);
}

CBaseHotfix::~CBaseHotfix()
{
    manager_->Unregister(this);
}

void CBaseHotfix::Create(TCompleteWorld*, CHotfixFile*, CReportModel&) {}

bool CBaseHotfix::RequireFile(const CHotfixFile* file, CReportModel& report)
{
    if (file == nullptr) report.AddEntry(0, ReportType::Error, u"No hotfix file");
    return file != nullptr;
}

bool CBaseHotfix::CommitFile(CHotfixFile& file, CReportModel& report)
{
    if (!file.IsWriting()) return true;
    const std::u16string path = file.GetPath();
    if (file.Close()) return true;
    report.AddEntry(0, ReportType::Error, u"The hotfix file could not be written",
                    Format(u"%s keeps its former contents.", path));
    ShowNotWritten(path);
    return false;
}

void CBaseHotfix::ShowNotWritten(std::u16string_view path)
{
    ShowAppMessageBox(Format(u"The hotfix file %s could not be written.", path).c_str(),
                      AppMessage::Ok | AppMessage::IconError);
}
