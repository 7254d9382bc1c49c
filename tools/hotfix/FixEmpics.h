#pragma once
// "Fix empics ids": players' picture ids taken from a list that maps face
// ids to picture ids ("face|picture" lines after a first line that names
// the columns), applied or only reported as the user answers.

#include <cstdint>
#include <map>

#include "tools/hotfix/BaseHotfix.h"

class CFixEmpics : public CBaseHotfix {
public:
    static constexpr std::size_t MaxLineLength = 1022;

    CFixEmpics();
    explicit CFixEmpics(CHotfixManager& manager);

    void Apply(TCompleteWorld* world, CHotfixFile* file, CReportModel& report) override;

private:
    using TPictureMap = std::map<std::uint32_t, std::uint32_t>;
    static TPictureMap ReadPictures(CHotfixFile& file);
};
