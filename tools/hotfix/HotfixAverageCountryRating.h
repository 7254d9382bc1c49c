#pragma once
// "Fix average rating buffer overflow": the 21 rating and rule bytes of
// every country kept in a hot-fix file (208 records, slots 0 and 207
// without a country) and restored from it, each restored byte reported.

#include "tools/hotfix/BaseHotfix.h"

class CHotfixAverageCountryRating : public CBaseHotfix {
public:
    static constexpr int RecordCount = 208;
    static constexpr std::size_t DataSize = 4368;

    CHotfixAverageCountryRating();
    explicit CHotfixAverageCountryRating(CHotfixManager& manager);

    // A file whose data is not exactly 208 records changes nothing: a short
    // one would put whatever follows into every country.
    void Apply(TCompleteWorld* world, CHotfixFile* file, CReportModel& report) override;
    void Create(TCompleteWorld* world, CHotfixFile* file, CReportModel& report) override;
};
