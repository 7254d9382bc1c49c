#include "app/GlobalObjects.h"

#include "app/LedraApp.h"
#include "competition/CompetitionFactory.h"
#include "database/DatabaseSnapshot.h"
#include "database/GameExport.h"
#include "database/LongtimeExport.h"
#include "database/WorldList.h"
#include "ui/CountryDirectory.h"
#include "ui/DlgLongtimeOperation.h"

namespace {

UINT updateListMessage = 0;

int ShowInProgramBox(const char16_t* text, unsigned flags, void* app)
{
    return static_cast<CLedraApp*>(app)->ShowMessageBox(text, flags);
}

}  // namespace

UINT GetUpdateListMessage() { return updateListMessage; }

CGlobalObjects::CGlobalObjects()
{
    updateListMessage = ::RegisterWindowMessageW(L"WXM_UPDATE_LIST");
    app_ = std::make_unique<CLedraApp>();
    previousSink_ = SetAppMessageSink({ShowInProgramBox, app_.get()});
    SetCountryDirectory(&countryDirectory_);
    // The country files read their competitions through the factory.
    InstallCompetitionFactory();
    // Long-running operations show their progress over whichever window
    // owns the program's message boxes: the main window once it runs.
    InstallLongtimeProgressDialog([app = app_.get()] { return app->GetMessageBoxOwner(); });
    // A snapshot saves the loaded world first, behind the save's own
    // progress; without a loaded world the files are already what it holds.
    CDatabaseSnapshot::SetDefaultSaveStep([] {
        if (GetWorld() == nullptr) return true;
        CLongtimeExportSave save;
        return save.Execute();
    });
    SetGameExportSettingsSource([app = app_.get()] {
        return TGameExportSettings{IsAdminMode(), &app->GetGuiColours()};
    });
}

CGlobalObjects::~CGlobalObjects()
{
    SetGameExportSettingsSource({});
    CDatabaseSnapshot::SetDefaultSaveStep({});
    SetLongtimeProgressFactory({});
    SetCountryDirectory(nullptr);
    SetAppMessageSink(previousSink_);
    app_.reset();
    updateListMessage = 0;
}
