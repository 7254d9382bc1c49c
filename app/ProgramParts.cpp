#include "app/ProgramParts.h"

#include "app/HotfixMenu.h"
#include "app/MainWindowLaunchers.h"
#include "app/RendererHost.h"
#include "app/ReportToolLaunchers.h"
#include "editors/country_club/club/ClubEditorRegistration.h"
#include "editors/country_club/continent/ContinentEditors.h"
#include "editors/country_club/country/CountryEditorLaunchers.h"
#include "editors/player_staff/lists/NationalPoolLaunchers.h"
#include "editors/player_staff/PlayerStaffLaunchers.h"

void RegisterProgramParts(TMainWindowLaunchers& launchers)
{
    RegisterReportTools(launchers);
    RegisterClubEditors(launchers);
    RegisterCountryEditor(launchers);
    RegisterContinentEditors(launchers);
    RegisterNationalPoolEditors(launchers);
    RegisterPlayerStaffEditors(launchers);
    RegisterHotfixMenu(launchers);
    RegisterRendererHost(launchers);
}
