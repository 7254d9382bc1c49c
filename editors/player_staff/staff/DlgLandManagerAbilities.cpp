#include "editors/player_staff/staff/DlgLandManagerAbilities.h"

#include "resources/CountryStaffIds.h"

CDlgLandManagerAbilities::CDlgLandManagerAbilities(HWND parent) : CDlgManagerAbilities(IDD_LAND_MANAGER_ABILITIES, parent) {}

bool CDlgLandManagerAbilities::OnCommand(int id, int code, HWND control)
{
    const bool handled = CDlgManagerAbilities::OnCommand(id, code, control);
    if (id != IDC_MANAGER_CHARACTER || code != CBN_SELCHANGE) return handled;
    ApplyToPerson();
    return true;
}
