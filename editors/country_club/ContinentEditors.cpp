#include "editors/country_club/ContinentEditors.h"

#include "app/MainWindowLaunchers.h"
#include "editors/country_club/DlgCaCTowns.h"
#include "editors/country_club/DlgContinentFrame.h"
#include "editors/country_club/DlgLocalisation.h"

void RegisterContinentEditors(TMainWindowLaunchers& launchers)
{
    launchers.continents = [](HWND owner) {
        CDlgContinentFrame frame(owner);
        return static_cast<int>(frame.DoModal());
    };
    launchers.localisedNames = [](HWND owner, TCountry* country, TClub* club) {
        CDlgLocalisation dialog(owner);
        dialog.SetCountry(country);
        dialog.SetClub(club);
        return static_cast<int>(dialog.DoModal());
    };
    launchers.towns = [](HWND owner, int countryId) {
        CDlgCaCTowns dialog(owner, countryId);
        return static_cast<int>(dialog.DoModal());
    };
}
