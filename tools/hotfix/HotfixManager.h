#pragma once
// The developers' hot-fix menu: the registered fixes sorted by name with
// command ids from 56789, and "Create hotfix", which switches between
// applying a fix (from a hot-fix file where it needs one) and writing such
// a file from the database. A chosen fix runs as the handler of a report.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/report/ReportModel.h"

class CBaseHotfix;
class CHotfixFile;

struct THotfixMenuItem {
    std::uint32_t id = 0;
    std::u16string text;
    bool checked = false;
    bool separator = false;
};

class CHotfixManager : public ICommonReportHandler {
public:
    static constexpr std::uint32_t FirstCommandId = 56789;

    CHotfixManager() = default;
    CHotfixManager(const CHotfixManager&) = delete;
    CHotfixManager& operator=(const CHotfixManager&) = delete;
    // The program's manager.
    static CHotfixManager& Instance();

    void Register(CBaseHotfix* fix);
    void Unregister(CBaseHotfix* fix);
    int GetFixCount() const { return static_cast<int>(fixes_.size()); }

    bool IsEnabled() const { return enabled_; }
    void SetEnabled(bool on) { enabled_ = on; }
    bool IsExtended() const { return extended_; }
    // Lists the fixes tied to the extended switch; nothing else turns it on.
    void SetExtended(bool on) { extended_ = on; }
    bool IsCreateMode() const { return createMode_; }
    void SetCreateMode(bool on);

    // Sorts the fixes by name and builds the "Hotfixes" popup; false when
    // no fix is listed (then there is no menu).
    bool BuildMenu(bool administration);
    const std::vector<THotfixMenuItem>& GetMenu() const { return menu_; }
    std::uint32_t GetCreateItemId() const { return createItemId_; }

    void SetSelection(std::uint32_t countryId, std::uint32_t clubTeamId);
    std::uint32_t GetSelectedCountry() const { return selectedCountry_; }
    std::uint32_t GetSelectedClub() const { return selectedClub_; }

    // Runs the report: the program shows it in a window, titled with the
    // fix's name; without a runner it runs on a report of its own.
    using ReportRunner = std::function<void(ICommonReportHandler& handler, std::u16string_view title)>;
    void SetReportRunner(ReportRunner runner) { runner_ = std::move(runner); }

    // A command of the main window: "Create hotfix" toggles create mode; a
    // fix's id runs the fix, asking for its file first where it needs one.
    void OnCommand(std::uint32_t commandId);
    // The report's worker: the header written or checked, then the fix's
    // Create or Apply on the current world; a file written by Create
    // replaces its target at the end, or the report says it could not.
    void Run(CReportModel& report) override;

private:
    bool IsShown(const CBaseHotfix& fix, bool administration) const;
    void RunFix(CBaseHotfix& fix, CHotfixFile* file);

    std::vector<CBaseHotfix*> fixes_;
    bool enabled_ = true;
    bool extended_ = false;
    std::uint32_t createItemId_ = 0;
    std::vector<THotfixMenuItem> menu_;
    std::uint32_t selectedCountry_ = 0;
    std::uint32_t selectedClub_ = 0;
    CBaseHotfix* currentFix_ = nullptr;
    CHotfixFile* currentFile_ = nullptr;
    bool createMode_ = false;
    ReportRunner runner_;
};
