#pragma once
// "Show players with contract": the loaned players of every club (loaned
// here or out on loan) with the club the loan involves and its dates.

#include "tools/BaseHotfix.h"

class CFixShowContractPlayers : public CBaseHotfix {
public:
    CFixShowContractPlayers();
    explicit CFixShowContractPlayers(CHotfixManager& manager);

    // Only players in a loan state whose other club exists: the loan end
    // alone would name almost every player, whose default end is a
    // season's end.
    void Apply(TCompleteWorld* world, CHotfixFile* file, CReportModel& report) override;
};
