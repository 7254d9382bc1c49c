#pragma once
// "Various Lists/Fixes": the developers pick one of the enumeration scripts,
// which runs once or for every country, club or player of the database,
// writing a tab-separated list under "C:\", reporting findings or
// correcting data.

#include <cstdint>

#include "tools/hotfix/BaseHotfix.h"
#include "tools/report/ReportModel.h"
#include "tools/enumscripts/TabTableWriter.h"

class TClub;
class TCountry;
class TPerson;

// What a script sees on each call; zeroed for every run.
struct TEnumScriptContext {
    TCompleteWorld* world = nullptr;
    TCountry* country = nullptr;
    TClub* club = nullptr;
    TPerson* person = nullptr;
    CReportModel* report = nullptr;
    // The current country's category (scope 1) or club's (scopes 2, 3).
    ReportEntryHandle currentItem = 0;
    CTabTableWriter writer;
};

struct TEnumScript {
    enum Scope : std::uint32_t { Once = 0, PerCountry = 1, PerClub = 2, PerPlayer = 3 };
    enum : std::uint32_t { FlagDeveloperOnly = 2, FlagUnused = 8, FlagExtendedMode = 16 };
    const char16_t* name;
    std::uint32_t scope;
    void (*callback)(TEnumScriptContext& context);
    std::uint32_t flags;
};

class CFixVariousDataEnum : public CBaseHotfix {
public:
    static constexpr int ScriptCount = 21;

    CFixVariousDataEnum();
    explicit CFixVariousDataEnum(CHotfixManager& manager);

    // The table's rows, ended by a row without a name.
    static const TEnumScript* GetScripts();
    // Runs a script of the table over the world into the report.
    static void RunScript(const TEnumScript& script, TCompleteWorld& world, CReportModel& report);

    // Asks which script to run; a cancelled choice runs nothing.
    void Apply(TCompleteWorld* world, CHotfixFile* file, CReportModel& report) override;
};
