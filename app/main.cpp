// The program's entry: build the global objects, run the application's
// start-up (which holds the program's whole life) and its shut-down.

#include <windows.h>

#include "app/GlobalObjects.h"
#include "app/HotfixMenu.h"
#include "app/LedraApp.h"
#include "app/MainWindowLaunchers.h"
#include "win/WideText.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    CGlobalObjects globals;
    RegisterHotfixMenu(GetMainWindowLaunchers());
    CLedraApp& app = globals.App();
    app.InitInstance(win::U(::GetCommandLineW()));
    return app.ExitInstance();
}
