// The whole-database tools over a full-size database (see BenchDatabase.h):
// the problem checker, the contract-start check (report only) and transfer
// processing, each into an open report. Prints medians of several runs
// (the first argument, default 5) and the entries each run reported.

#include <cstdio>
#include <cstdlib>

#include "bench/BenchDatabase.h"
#include "core/text/TextManager.h"
#include "database/world/CompleteWorld.h"
#include "database/world/WorldList.h"
#include "tools/DatabaseProblemTool.h"
#include "tools/GlobalTools.h"
#include "tools/ProcessTransfer.h"

namespace {

std::size_t RunTool(ICommonReportHandler& tool)
{
    CReportModel report;
    report.Open();
    tool.Run(report);
    return report.Size();
}

void Measure(const char* name, int runs, const std::function<std::size_t()>& run,
             const std::function<void()>& prepare = [] {})
{
    std::size_t entries = 0;
    const double seconds = MedianSeconds(runs, [&] { entries = run(); }, prepare);
    std::printf("%-16s %8.3f s  %zu entries\n", name, seconds, entries);
}

}  // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const fs::path scratch = MakeScratchBase();
    CTextManager::Instance()->LoadFile((fs::path(TR_SOURCE_DIR) / "data" / "trdata" / "DatabaseEditor.txt").u16string().c_str());
    std::printf("database %s, medians of %d runs\n", SourceDatabase().string().c_str(), runs);
    TCompleteWorld* world = GetWorldList().CreateCompleteWorld();
    if (!world->LoadWorld(u"Database")) {
        std::printf("the database could not be loaded\n");
        return 1;
    }
    Measure("problem checker", runs, [&] {
        CDatabaseProblemTool tool(*world);
        return RunTool(tool);
    });
    Measure("contract check", runs, [&] {
        CGlobalToolsContractStartProcessor tool(*world, false);
        return RunTool(tool);
    });
    // Each run on a freshly loaded world, so that every run has the same work.
    Measure("transfers", runs, [&] {
        CProcessTransfer tool(*GetWorld());
        return RunTool(tool);
    }, [] {
        GetWorldList().Clear();
        GetWorldList().CreateCompleteWorld()->LoadWorld(u"Database");
    });
    GetWorldList().Clear();
    fs::remove_all(scratch);
    return 0;
}
