#include <gtest/gtest.h>

#include "ExportTestSupport.h"
#include "core/AppMessage.h"
#include "database/world/DatabaseSnapshot.h"
#include "database/export/LongtimeExport.h"
#include "database/world/WorldList.h"
#include "platform/Platform.h"

namespace {

using database_testing::RecordingDisplay;
using testing_support::MessageCapture;

class LongtimeExportTest : public database_testing::SampleExportTest {};

TEST_F(LongtimeExportTest, ExportJobReportsTheExportsStatusToItsCaller)
{
    MessageCapture messages(AppMessage::IdOk);
    RecordingDisplay::Record record;
    CLongtimeWriteDB job(std::make_unique<RecordingDisplay>(record));
    EXPECT_TRUE(job.Execute());
    EXPECT_EQ(job.GetStatus(), ExportStatus::Written);
    EXPECT_EQ(record.visible.front(), false) << "hidden from the start";

    MessageCapture declining(AppMessage::IdCancel);
    RecordingDisplay::Record declined;
    CLongtimeWriteDB second(std::make_unique<RecordingDisplay>(declined));
    EXPECT_FALSE(second.Execute());
    EXPECT_EQ(second.GetStatus(), ExportStatus::ReportDeclined);
}

TEST_F(LongtimeExportTest, CancelledBeforeTheWorkStartsWritesNothing)
{
    platform::RemoveFile(MasterDat());
    RecordingDisplay::Record record;
    record.cancelAtStart = true;
    CLongtimeWriteDB job(std::make_unique<RecordingDisplay>(record));
    EXPECT_FALSE(job.Execute());
    EXPECT_FALSE(record.workRan);
    EXPECT_EQ(job.GetStatus(), ExportStatus::WriteFailed);
    EXPECT_FALSE(platform::FileExists(MasterDat()));

    RecordingDisplay::Record saveRecord;
    saveRecord.cancelAtStart = true;
    CLongtimeExportSave save(std::make_unique<RecordingDisplay>(saveRecord));
    EXPECT_FALSE(save.Execute());
}

TEST_F(LongtimeExportTest, SaveJobReportsProgressAndItsOutcome)
{
    RecordingDisplay::Record record;
    CLongtimeExportSave save(std::make_unique<RecordingDisplay>(record));
    EXPECT_TRUE(save.Execute());
    EXPECT_EQ(record.maximum, CLongtimeExportSave::ProgressRange);
    EXPECT_EQ(record.positions.size(), 207u);
    EXPECT_EQ(record.lines2.size(), 207u);

    MessageCapture messages(AppMessage::IdOk);
    platform::FailWritesAfter(1);
    RecordingDisplay::Record failing;
    CLongtimeExportSave failed(std::make_unique<RecordingDisplay>(failing));
    const bool saved = failed.Execute();
    platform::FailWritesAfter(0);
    EXPECT_FALSE(saved) << "a failed save is never a success";
}

TEST_F(LongtimeExportTest, SnapshotFailsWhenItsSaveThroughTheSaveJobFails)
{
    MessageCapture messages(AppMessage::IdOk);
    const std::u16string archive = base_.DatabasePath(u"snap.dbs");
    RecordingDisplay::Record saveRecord;
    saveRecord.cancelAtStart = true;
    RecordingDisplay::Record snapshotRecord;
    CDatabaseSnapshot snapshot(std::make_unique<RecordingDisplay>(snapshotRecord), [&saveRecord] {
        CLongtimeExportSave save(std::make_unique<RecordingDisplay>(saveRecord));
        return save.Execute();
    });
    EXPECT_FALSE(snapshot.Create(archive));
    EXPECT_FALSE(platform::FileExists(archive));
}

TEST_F(LongtimeExportTest, ExportIntoGameRunsTheJobOnTheCurrentWorld)
{
    EXPECT_EQ(ExportIntoGame(), ExportStatus::Written) << "no display installed: no report, nothing shown";
    GetWorldList().Clear();
    world_ = nullptr;
    EXPECT_EQ(ExportIntoGame(), ExportStatus::WriteFailed);
}

}  // namespace
