#include "editors/country_club/continent/ContinentEditors.h"

#include "app/MainWindowLaunchers.h"
#include "editors/country_club/continent/DlgCaCTowns.h"
#include "editors/country_club/continent/DlgContinentFrame.h"
#include "editors/country_club/continent/DlgLocalisation.h"

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
