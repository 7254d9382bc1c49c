#include "editors/player_staff/lists/NationalPoolLaunchers.h"

#include "editors/country_club/country/CountryHostedPages.h"
#include "editors/player_staff/lists/DlgFastTransfer.h"
#include "editors/player_staff/staff/DlgManagAll.h"
#include "editors/player_staff/lists/DlgNationalteam.h"
#include "editors/player_staff/lists/DlgPlayerWithoutClub.h"
#include "editors/player_staff/lists/DlgPlayerpool.h"
#include "editors/player_staff/lists/DlgReferees.h"
#include "editors/player_staff/search/FreeAgentClubChooser.h"

void RegisterNationalPoolEditors(TMainWindowLaunchers& launchers)
{
    launchers.nationalTeam = [](HWND owner, int countryId) {
        CDlgNationalteam dialog(owner);
        dialog.SetCountry(countryId);
        return static_cast<int>(dialog.DoModal());
    };
    launchers.playersWithoutClub = [](HWND owner) {
        CDlgPlayerWithoutClub dialog(owner);
        return static_cast<int>(dialog.DoModal());
    };
    launchers.quickTransfer = [](HWND owner, int countryId) {
        CDlgFastTransfer dialog(owner);
        dialog.SetCountry(countryId);
        return static_cast<int>(dialog.DoModal());
    };
    InstallFreeAgentClubChooser();
    TCountryHostedPages& countryPages = GetCountryHostedPages();
    countryPages.createPlayerpoolPage = CreatePlayerpoolPage;
    countryPages.createRefereesPage = CreateRefereesPage;
    countryPages.createManagerPage = CreateManagerPage;
}
