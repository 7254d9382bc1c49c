#pragma once
// The database problem checker: walks every country, club and squad person
// of the world and reports what the game will not handle well. Each object
// gets at most one report entry that collects all its findings, one per
// line, at the highest severity met.

#include <cstdint>
#include <string>
#include <string_view>

#include "tools/report/ReportModel.h"

class TClub;
class TCompleteWorld;
class TCountry;
class TPerson;

// The finding being built for one object: severity 2 means nothing found.
struct ProblemEntry {
    int severity = ReportType::Success;
    std::u16string text;

    void Reset()
    {
        severity = ReportType::Success;
        text.clear();
    }
};

// Appends the text as a line of its own and raises the severity; a null
// text adds nothing.
void AppendProblemText(ProblemEntry& entry, int severity, const char16_t* text);

class CDatabaseProblemTool : public ICommonReportHandler {
public:
    static constexpr int ProgressRange = 621;

    explicit CDatabaseProblemTool(TCompleteWorld& world) : world_(world) {}
    virtual ~CDatabaseProblemTool() = default;

    void Run(CReportModel& report) override;

    void CheckCountryCompetitions(TCountry& country, ProblemEntry& entry) const;
    void CheckClub(const TClub& club, ProblemEntry& entry) const;
    void CheckPlayer(const TClub& club, const TPerson& person, ProblemEntry& entry) const;

private:
    // One "LeagueSeasonFormat" line with a season, else "LeagueFormat".
    static void AddLeagueProblem(ProblemEntry& entry, std::u16string_view league, std::u16string_view season,
                                 const char16_t* errorText);
    bool RunCountries(CReportModel& report);
    bool RunClubs(CReportModel& report);
    bool RunPlayers(CReportModel& report);
    void CheckLeagueCalendars(TCountry& country, ProblemEntry& entry) const;
    void CheckHistory(const TClub& club, const TPerson& person, ProblemEntry& entry) const;
    bool IsDanglingClub(std::uint32_t id) const;

    TCompleteWorld& world_;
};
