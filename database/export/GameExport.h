#pragma once
// The game database "Database\Master.dat": which countries are complete
// enough to be exported, the report the user confirms, and the file built
// from every record writer in a sizing and a writing pass. Every outcome is
// a status; with a progress display the user also gets the messages.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class CMasterWriter;
class CTabbedConfig;
class ILongtimeProgress;
class TCompleteWorld;

// RulesRefused: Rules.sav was written by a newer program, so the world holds
// none of its rules and the export would write empty ones.
enum class ExportStatus { Written, LockTimeout, RulesRefused, NoCompleteCountry, ReportDeclined, NoCupAllocation, WriteFailed };

// What the export takes from the program: the developer mode (the id list
// "Master.txt" and the calendar comparison) and the interface colour table.
struct TGameExportSettings {
    bool adminMode = false;
    const CTabbedConfig* guiColours = nullptr;
};
using GameExportSettingsSource = std::function<TGameExportSettings()>;
// The program installs its source at start; without one the developer
// mode is off and every interface colour row is the default row.
void SetGameExportSettingsSource(GameExportSettingsSource source);

// The three 64-bit fields of "GLDT" whose content the game ignores.
inline constexpr std::uint64_t WorldBlockReservedValue = 0;

// Steps of the progress display: three passes over the countries.
inline constexpr int ExportProgressRange = 624;

// Both passes over the world; the world must be the current one, as the
// club ids are translated through the program's game-id maps.
class CMasterDatAssembler {
public:
    CMasterDatAssembler(TCompleteWorld& world, const TGameExportSettings& settings,
                        ILongtimeProgress* progress = nullptr);
    ~CMasterDatAssembler();
    CMasterDatAssembler(const CMasterDatAssembler&) = delete;
    CMasterDatAssembler& operator=(const CMasterDatAssembler&) = delete;

    // Starts the sizing pass: loads the name files and counts the country
    // headers, noting the complete countries and, in developer mode, those
    // whose calendars differ from the reference calendar (both sorted by name).
    void CheckCountries();
    const std::vector<int>& GetCompleteCountries() const { return complete_; }
    const std::vector<int>& GetModifiedCalendars() const { return modifiedCalendars_; }
    // The rest of both passes: the whole file, or empty when a list index
    // outgrew its u16 or the passes disagree. Writes "Master.txt" first in
    // developer mode.
    std::vector<std::uint8_t> Assemble();
    // A writer met what it cannot write (an index beyond its u16, a club
    // the sizing pass did not see); Assemble then gave nothing.
    bool HasWriterFailure() const;

private:
    class CPasses;
    TCompleteWorld& world_;
    TGameExportSettings settings_;
    std::unique_ptr<CPasses> passes_;
    std::vector<int> complete_;
    std::vector<int> modifiedCalendars_;
};

// Whether the world has the cup-shape table the file needs.
bool HasCupAllocation();

// The report's body: the count line, the complete countries' names, an
// empty line, and in developer mode the countries with modified calendars
// between two rules.
std::u16string BuildExportReport(const std::vector<std::u16string>& completeNames,
                                 const std::vector<std::u16string>& modifiedNames, bool adminMode);

// Writes "Database\Master.dat" of the base folder from world (the current
// world). With progress the user sees the report and the outcome; without
// it nothing is shown. Two exports never run at once: the second waits at
// most two seconds.
ExportStatus WriteDatabase(TCompleteWorld& world, ILongtimeProgress* progress);

// The bytes of a whole export without messages or files, for checks.
std::vector<std::uint8_t> AssembleMasterDat(TCompleteWorld& world, const TGameExportSettings& settings);
