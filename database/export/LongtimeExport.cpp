#include "database/export/LongtimeExport.h"

#include "core/text/TextManager.h"
#include "database/world/WorldList.h"

CLongtimeWriteDB::CLongtimeWriteDB() { Progress().SetVisible(false); }

CLongtimeWriteDB::CLongtimeWriteDB(std::unique_ptr<ILongtimeProgress> progress)
    : CLongtimeOperation(std::move(progress))
{
    Progress().SetVisible(false);
}

bool CLongtimeWriteDB::Run()
{
    TCompleteWorld* world = GetWorld();
    status_ = world != nullptr ? WriteDatabase(*world, &Progress()) : ExportStatus::WriteFailed;
    return status_ == ExportStatus::Written;
}

bool CLongtimeExportSave::Run()
{
    TCompleteWorld* world = GetWorld();
    if (world == nullptr) return false;
    const CTextManager* texts = CTextManager::Instance();
    Progress().SetVisible(true);
    Progress().SetRange(0, ProgressRange);
    Progress().SetCancelAllowed(false);
    SetCaption(texts->GetText(u"Database.CompleteWorld.SavingData"_tk));
    SetLine1(texts->GetText(u"Database.CompleteWorld.SavingDataInfo"_tk));
    const auto progress = [this](int countryId, std::u16string_view line) {
        Progress().SetPos(countryId);
        SetLine2(line);
    };
    const bool saved = world->SaveWorld(progress).saved;
    Progress().SetVisible(false);
    return saved;
}

ExportStatus ExportIntoGame()
{
    if (GetWorld() == nullptr) return ExportStatus::WriteFailed;
    CLongtimeWriteDB job;
    job.Execute();
    return job.GetStatus();
}
