#pragma once
// The long-running jobs of the main window that write the database: the
// save of every country file and the export into the game's database. Each
// runs its work behind the program's progress display and keeps the
// outcome for its caller.

#include <memory>

#include "core/longtime/LongtimeOperation.h"
#include "database/export/GameExport.h"

// Writes the game database from the current world. Its display starts
// hidden; the export shows it from the confirmed report to the end.
class CLongtimeWriteDB : public CLongtimeOperation {
public:
    CLongtimeWriteDB();
    explicit CLongtimeWriteDB(std::unique_ptr<ILongtimeProgress> progress);
    // WriteFailed until the work has run.
    ExportStatus GetStatus() const { return status_; }

protected:
    bool Run() override;

private:
    ExportStatus status_ = ExportStatus::WriteFailed;
};

// Saves every country file of the current world.
class CLongtimeExportSave : public CLongtimeOperation {
public:
    static constexpr int ProgressRange = 208;

    CLongtimeExportSave() = default;
    explicit CLongtimeExportSave(std::unique_ptr<ILongtimeProgress> progress)
        : CLongtimeOperation(std::move(progress))
    {
    }

protected:
    bool Run() override;
};

// The main window's export command; the status of the export, WriteFailed
// when no world is loaded or the work could not run.
ExportStatus ExportIntoGame();
