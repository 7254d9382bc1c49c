#include "editors/country_club/ContinentEditors.h"

#include "app/MainWindowLaunchers.h"
#include "editors/country_club/DlgContinentFrame.h"

void RegisterContinentEditors(TMainWindowLaunchers& launchers)
{
    launchers.continents = [](HWND owner) {
        CDlgContinentFrame frame(owner);
        return static_cast<int>(frame.DoModal());
    };
}
