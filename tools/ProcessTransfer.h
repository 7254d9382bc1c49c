#pragma once
// Applies the pending transfer states of every player: loans that have
// started or ended and sales that are due become history entries and squad
// moves. Judged against the application date; nothing asks first.

#include "tools/report/ReportModel.h"

class TClub;
class TCompleteWorld;
class TPerson;

class CProcessTransfer : public ICommonReportHandler {
public:
    static constexpr int ProgressRange = 207;

    explicit CProcessTransfer(TCompleteWorld& world) : world_(world) {}

    void Run(CReportModel& report) override;
    // One player of the club's squad; the report entry, if any, goes under parent.
    void ProcessPlayer(TPerson& person, TClub& club, ReportEntryHandle parent, CReportModel& report);

private:
    TCompleteWorld& world_;
};
