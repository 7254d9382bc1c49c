// The program's entry: build the global objects, let every editor and tool
// register with the main window, run the application's start-up (which
// holds the program's whole life) and its shut-down.

#include <windows.h>

#include "app/GlobalObjects.h"
#include "app/HotfixMenu.h"
#include "app/LedraApp.h"
#include "app/MainWindowLaunchers.h"
#include "app/ReportToolLaunchers.h"
#include "editors/country_club/ClubEditorRegistration.h"
#include "editors/country_club/ContinentEditors.h"
#include "editors/country_club/CountryEditorLaunchers.h"
#include "editors/player_staff/NationalPoolLaunchers.h"
#include "editors/player_staff/PlayerStaffLaunchers.h"
#include "win/WideText.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    TMainWindowLaunchers& launchers = GetMainWindowLaunchers();
    RegisterReportTools(launchers);
    RegisterClubEditors(launchers);
    RegisterCountryEditor(launchers);
    RegisterContinentEditors(launchers);
    RegisterNationalPoolEditors(launchers);
    RegisterPlayerStaffEditors(launchers);
    RegisterHotfixMenu(launchers);
    CGlobalObjects globals;
    CLedraApp& app = globals.App();
    app.InitInstance(win::U(::GetCommandLineW()));
    return app.ExitInstance();
}
