#pragma once
// Whole-database tools run inside the report window: the contract-start
// check, the badge check and the country list.

#include "tools/report/ReportModel.h"

class CBadgeSources;
class TCompleteWorld;

class CGlobalTools {
public:
    virtual ~CGlobalTools() = default;
};

// Players whose contract start year is older than 1985 get the latest year
// their history or the season before the database's first suggests; in
// fix mode the year is set, otherwise only reported.
class CGlobalToolsContractStartProcessor : public ICommonReportHandler {
public:
    static constexpr int ProgressRange = 207;

    CGlobalToolsContractStartProcessor(TCompleteWorld& world, bool fixMode) : world_(world), fixMode_(fixMode) {}
    virtual ~CGlobalToolsContractStartProcessor() = default;

    void Run(CReportModel& report) override;

private:
    TCompleteWorld& world_;
    bool fixMode_;
};

// Every club's badge in the four sizes: own file, loose file or archive.
class CGlobalToolsCheckBadgesProcessor : public ICommonReportHandler {
public:
    static constexpr int ProgressRange = 207;

    CGlobalToolsCheckBadgesProcessor(const TCompleteWorld& world, const CBadgeSources& sources)
        : world_(world), sources_(sources)
    {
    }
    virtual ~CGlobalToolsCheckBadgesProcessor() = default;

    void Run(CReportModel& report) override;

private:
    const TCompleteWorld& world_;
    const CBadgeSources& sources_;
};

// The countries with their ids, sorted by name.
class CGlobalToolsCountryProcessor : public ICommonReportHandler {
public:
    static constexpr int ProgressRange = 414;

    explicit CGlobalToolsCountryProcessor(const TCompleteWorld& world) : world_(world) {}

    void Run(CReportModel& report) override;

private:
    const TCompleteWorld& world_;
};
