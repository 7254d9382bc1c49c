// The program's entry: build the global objects, let every editor and tool
// register with the main window, run the application's start-up (which
// holds the program's whole life) and its shut-down.

#include <windows.h>

#include "app/GlobalObjects.h"
#include "app/LedraApp.h"
#include "app/MainWindowLaunchers.h"
#include "app/ProgramParts.h"
#include "win/WideText.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    RegisterProgramParts(GetMainWindowLaunchers());
    CGlobalObjects globals;
    CLedraApp& app = globals.App();
    app.InitInstance(win::U(::GetCommandLineW()));
    return app.ExitInstance();
}
