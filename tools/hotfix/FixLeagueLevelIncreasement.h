#pragma once
// "Fix Amateur rule": every country's amateur rule carried through a
// hot-fix file, one byte per country id 1 to 206, and back.

#include "tools/hotfix/BaseHotfix.h"

class CFixLeagueLevelIncreasement : public CBaseHotfix {
public:
    CFixLeagueLevelIncreasement();
    explicit CFixLeagueLevelIncreasement(CHotfixManager& manager);

    // Rules missing at the end of the file are 0; a rule above 3 keeps the
    // country's own and is reported.
    void Apply(TCompleteWorld* world, CHotfixFile* file, CReportModel& report) override;
    void Create(TCompleteWorld* world, CHotfixFile* file, CReportModel& report) override;
};
