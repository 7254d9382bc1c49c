#include "editors/country_club/country/CountryEditorLaunchers.h"

#include "app/MainWindowLaunchers.h"
#include "editors/country_club/country/DlgLandParent.h"

void RegisterCountryEditor(TMainWindowLaunchers& launchers)
{
    launchers.countryEditor = [](HWND owner, TCountry& country) {
        CDlgLandParent frame(&country, owner);
        return static_cast<int>(frame.DoModal());
    };
}
