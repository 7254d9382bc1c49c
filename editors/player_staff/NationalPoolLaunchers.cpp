#include "editors/player_staff/NationalPoolLaunchers.h"

#include "editors/country_club/CountryHostedPages.h"
#include "editors/player_staff/DlgFastTransfer.h"
#include "editors/player_staff/DlgManagAll.h"
#include "editors/player_staff/DlgNationalteam.h"
#include "editors/player_staff/DlgPlayerWithoutClub.h"
#include "editors/player_staff/DlgPlayerpool.h"
#include "editors/player_staff/DlgReferees.h"
#include "editors/player_staff/FreeAgentClubChooser.h"

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
