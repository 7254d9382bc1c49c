#include "tools/hotfix/FixLegalIssues.h"

#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "tools/report/ReportModel.h"

namespace {
constexpr char16_t FixName[] = u"Fix database for final build (legal)";
constexpr std::uint32_t FixVersion = 1;
constexpr std::uint32_t FixFlags = CBaseHotfix::FlagDeveloperOnly;
}  // namespace

CFixLegalIssues::CFixLegalIssues() : CBaseHotfix(FixName, FixVersion, FixFlags) {}

CFixLegalIssues::CFixLegalIssues(CHotfixManager& manager) : CBaseHotfix(FixName, FixVersion, FixFlags, manager) {}

void CFixLegalIssues::Apply(TCompleteWorld* world, CHotfixFile*, CReportModel& report)
{
    if (world == nullptr) return;
    report.SetProgressRange(0, LastCountryId);
    for (int id = 1; id <= LastCountryId; ++id) {
        if (TCountry* country = world->GetCountry(id)) country->ClearLegalData();
        report.StepProgress(1);
    }
}
