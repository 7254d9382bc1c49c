#pragma once
// "Show players with contract": every squad member whose transfer state
// names an existing other club or whose loan runs past the start of the
// season, with the club (or "[invalid]") and the loan's dates.

#include "tools/hotfix/BaseHotfix.h"

class CFixShowContractPlayers : public CBaseHotfix {
public:
    CFixShowContractPlayers();
    explicit CFixShowContractPlayers(CHotfixManager& manager);

    void Apply(TCompleteWorld* world, CHotfixFile* file, CReportModel& report) override;
};
