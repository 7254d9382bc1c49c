#include "app/GlobalObjects.h"

#include "app/LedraApp.h"
#include "app/ProgressBehindBox.h"
#include "competition/CompetitionFactory.h"
#include "database/world/DatabaseSnapshot.h"
#include "database/export/GameExport.h"
#include "database/export/LongtimeExport.h"
#include "database/world/WorldList.h"
#include "ui/base/CountryDirectory.h"
#include "ui/dialogs/DlgErrorMessage.h"
#include "ui/dialogs/DlgLongtimeOperation.h"

namespace {

UINT updateListMessage = 0;

int ShowInProgramBox(const char16_t* text, unsigned flags, void* app)
{
    return static_cast<CLedraApp*>(app)->ShowMessageBox(text, flags);
}

// A report without a choice is one message with one button.
int ShowInMessageDialog(const AppReport& report, void* app)
{
    const CProgressBehindBox progress;
    CDlgErrorMessage box(static_cast<CLedraApp*>(app)->GetMessageBoxOwner());
    const std::u16string header(report.header);
    const std::u16string text(report.text);
    if (report.withCancel) {
        box.SetHeader(header.c_str());
        box.AddMessage(text.c_str(), false);
    } else {
        box.SetMessage(header.c_str(), text.c_str());
    }
    return box.DoModal() == IDOK ? AppMessage::IdOk : AppMessage::IdCancel;
}

}  // namespace

UINT GetUpdateListMessage() { return updateListMessage; }

CGlobalObjects::CGlobalObjects()
{
    updateListMessage = ::RegisterWindowMessageW(L"WXM_UPDATE_LIST");
    app_ = std::make_unique<CLedraApp>();
    previousSink_ = SetAppMessageSink({ShowInProgramBox, app_.get()});
    previousReportSink_ = SetAppReportShower({ShowInMessageDialog, app_.get()});
    SetCountryDirectory(&countryDirectory_);
    // The country files read their competitions through the factory.
    InstallCompetitionFactory();
    // Long-running operations show their progress over whichever window
    // owns the program's message boxes: the main window once it runs, or
    // the editor open over it.
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
    SetAppReportShower(previousReportSink_);
    SetAppMessageSink(previousSink_);
    app_.reset();
    updateListMessage = 0;
}
