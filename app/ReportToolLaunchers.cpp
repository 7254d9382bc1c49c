#include "app/ReportToolLaunchers.h"

#include "app/MainWindowLaunchers.h"
#include "archive/BadgeLookup.h"
#include "database/world/WorldList.h"
#include "tools/DatabaseProblemTool.h"
#include "tools/GlobalTools.h"
#include "tools/ProcessTransfer.h"
#include "ui/dialogs/DlgCommonReport.h"

namespace {

// The main window is the report's owner, so it stays disabled while the
// worker changes the world.
void RunReport(HWND owner, ICommonReportHandler& handler)
{
    CDlgCommonReport dialog(handler, owner);
    dialog.DoModal(owner);
}

void RunCountryList(HWND owner)
{
    if (TCompleteWorld* world = GetWorld()) {
        CGlobalToolsCountryProcessor tool(*world);
        RunReport(owner, tool);
    }
}

void RunContractStartCheck(HWND owner, bool correct)
{
    if (TCompleteWorld* world = GetWorld()) {
        CGlobalToolsContractStartProcessor tool(*world, correct);
        RunReport(owner, tool);
    }
}

void RunCheckBadges(HWND owner)
{
    TCompleteWorld* world = GetWorld();
    if (world == nullptr) return;
    // One listing of the Badges folder serves every club of the run.
    const CBadgeSources sources(GetBadgeSources().Folder(), &GetBadgesArchive(), CBadgeSources::LooseFiles::Listed);
    CGlobalToolsCheckBadgesProcessor tool(*world, sources);
    RunReport(owner, tool);
}

void RunProblemChecker(HWND owner)
{
    if (TCompleteWorld* world = GetWorld()) {
        CDatabaseProblemTool tool(*world);
        RunReport(owner, tool);
    }
}

void RunProcessTransfers(HWND owner)
{
    if (TCompleteWorld* world = GetWorld()) {
        CProcessTransfer tool(*world);
        RunReport(owner, tool);
    }
}

}  // namespace

void RegisterReportTools(TMainWindowLaunchers& launchers)
{
    launchers.countryListTool = RunCountryList;
    launchers.contractCheck = RunContractStartCheck;
    launchers.badgeCheck = RunCheckBadges;
    launchers.problemChecker = RunProblemChecker;
    launchers.processTransfers = RunProcessTransfers;
}
