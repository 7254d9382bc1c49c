#pragma once
// "Fix original Shirt name files": the sibling game's star heads (players'
// face ids) and original kit ids of clubs assigned again from the
// developers' lists under "C:\", every change reported, and the resulting
// tables and a player list written back there.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "database/world/CompleteWorld.h"
#include "tools/hotfix/BaseHotfix.h"
#include "tools/report/ReportModel.h"

class CFixOrginalKitNames : public CBaseHotfix {
public:
    CFixOrginalKitNames();
    explicit CFixOrginalKitNames(CHotfixManager& manager);

    void Apply(TCompleteWorld* world, CHotfixFile* file, CReportModel& report) override;

private:
    using TPersons = std::vector<TCountryClubPerson>;
    static void FixStarHeads(const TPersons& players, CReportModel& report);
    static void FixKits(TCompleteWorld& world, const TPersons& clubs, CReportModel& report);
    static void WritePlayerList(const TPersons& players, CReportModel& report);
};
