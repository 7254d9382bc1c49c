#include "tools/hotfix/FixLeagueLevelIncreasement.h"

#include <cstdint>
#include <string>

#include "core/text/Format.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "tools/hotfix/HotfixFile.h"
#include "tools/hotfix/HotfixManager.h"
#include "tools/report/ReportModel.h"

namespace {
constexpr char16_t FixName[] = u"Fix Amateur rule";
constexpr std::uint32_t FixVersion = 3;
constexpr std::uint32_t FixFlags = CBaseHotfix::FlagDeveloperOnly | CBaseHotfix::FlagNeedsFile;
constexpr std::uint8_t LastRule = 3;

}  // namespace

CFixLeagueLevelIncreasement::CFixLeagueLevelIncreasement() : CBaseHotfix(FixName, FixVersion, FixFlags) {}

CFixLeagueLevelIncreasement::CFixLeagueLevelIncreasement(CHotfixManager& manager)
    : CBaseHotfix(FixName, FixVersion, FixFlags, manager)
{
}

void CFixLeagueLevelIncreasement::Apply(TCompleteWorld* world, CHotfixFile* file, CReportModel& report)
{
    if (world == nullptr || !RequireFile(file, report)) return;
    for (int id = 1; id <= LastCountryId; ++id) {
        std::uint8_t rule = 0;
        if (!file->ReadBytes(&rule, 1)) rule = 0;
        TCountry* country = world->GetCountry(id);
        if (country == nullptr) continue;
        if (rule > LastRule) {
            report.AddEntry(0, ReportType::Warning, country->GetName(),
                            Format(u"Amateur rule %d is unknown; the country keeps rule %d", rule,
                                   country->GetAmateurRule()));
            continue;
        }
        country->SetAmateurRule(rule);
    }
}

void CFixLeagueLevelIncreasement::Create(TCompleteWorld* world, CHotfixFile* file, CReportModel& report)
{
    if (world == nullptr || !RequireFile(file, report)) return;
    for (int id = 1; id <= LastCountryId; ++id) {
        const TCountry* country = world->GetCountry(id);
        const std::uint8_t rule = country != nullptr ? country->GetAmateurRule() : 0;
        file->WriteBytes(&rule, 1);
    }
}
