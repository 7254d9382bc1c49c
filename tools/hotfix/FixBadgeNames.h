#pragma once
// "Fix badge filenames": every club's badge file name written into a
// hot-fix file and given back from it, both limited to the country
// selected in the main window (none selected: every country).

#include <map>
#include <string>

#include "database/club/Club.h"
#include "tools/hotfix/BaseHotfix.h"

class TCountry;

class CFixBadgeNames : public CBaseHotfix {
public:
    static constexpr std::size_t MaxLineLength = 1023;

    CFixBadgeNames();
    explicit CFixBadgeNames(CHotfixManager& manager);

    void Apply(TCompleteWorld* world, CHotfixFile* file, CReportModel& report) override;
    void Create(TCompleteWorld* world, CHotfixFile* file, CReportModel& report) override;

private:
    using TBadgeMap = std::map<TTeamId, std::u16string>;
    static TBadgeMap ReadBadges(CHotfixFile& file);
    static void ApplyToCountry(const TCountry& country, const TBadgeMap& badges, CReportModel& report);
    bool IsSelected(int countryId) const;
};
