#pragma once
// "Fix database for final build (legal)": before a release build every
// country's generic pool players and referees are emptied, and clubs and
// persons lose what only the developers may keep (club texts, nicknames).

#include "tools/hotfix/BaseHotfix.h"

class CFixLegalIssues : public CBaseHotfix {
public:
    CFixLegalIssues();
    explicit CFixLegalIssues(CHotfixManager& manager);

    void Apply(TCompleteWorld* world, CHotfixFile* file, CReportModel& report) override;
};
