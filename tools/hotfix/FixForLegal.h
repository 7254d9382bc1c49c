#pragma once
// "Legal - List with Names, Stadium": the names for the legal review,
// competitions and clubs of every country in English, French, German,
// Italian and Spanish, one row per name kind, written into the chosen file.

#include <cstdint>
#include <string_view>

#include "tools/hotfix/BaseHotfix.h"

class TClub;
class TCountry;

class CFixForLegal : public CBaseHotfix {
public:
    CFixForLegal();
    explicit CFixForLegal(CHotfixManager& manager);

    void Apply(TCompleteWorld* world, CHotfixFile* file, CReportModel& report) override;
    void Create(TCompleteWorld* world, CHotfixFile* file, CReportModel& report) override;

private:
    static void WriteCompetitions(TCompleteWorld& world, const TCountry& country, CHotfixFile& file);
    static void WriteClub(const TClub& club, CHotfixFile& file);
};
