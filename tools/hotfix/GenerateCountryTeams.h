#pragma once
// "Fill Spain with teams and leagues": a test country built from scratch.
// Spain loses its clubs and competitions, takes its league script again,
// and every league is filled with new placeholder clubs that play a double
// round robin; the national cup gets fixed match days.

#include <cstdint>
#include <utility>
#include <vector>

#include "tools/hotfix/BaseHotfix.h"

class CDBLeague;
class TCountry;

class CGenerateCountryTeams : public CBaseHotfix {
public:
    static constexpr int CountryId = 45;

    // Per match day its matches as (home, away) positions from 1.
    using TMatch = std::pair<int, int>;
    using TSchedule = std::vector<std::vector<TMatch>>;
    // The circle method: every ordered pair of the n positions once in 2n - 2
    // match days. An odd count plays as n + 1 positions whose last one is a
    // bye, whose matches are left out: 2n match days.
    static TSchedule MakeSchedule(int teamCount);

    CGenerateCountryTeams();
    explicit CGenerateCountryTeams(CHotfixManager& manager);

    void Apply(TCompleteWorld* world, CHotfixFile* file, CReportModel& report) override;

private:
    static void RemoveClubs(TCountry& country);
    static void FillLeague(TCountry& country, CDBLeague& league);
    static void SetUpNationalCup(TCountry& country);
};
