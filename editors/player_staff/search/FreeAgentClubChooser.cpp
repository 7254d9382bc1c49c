#include "editors/player_staff/search/FreeAgentClubChooser.h"

#include "editors/country_club/club/DlgChooseClub.h"
#include "editors/player_staff/lists/DlgPlayerWithoutClub.h"

namespace {

// Reserve teams are offered: a chosen id with bit 24 signs to the reserve.
bool ChooseClubForSigning(HWND owner, std::uint32_t& teamId)
{
    CDlgChooseClub picker(owner);
    picker.SetIncludeReserveTeams(true);
    if (picker.DoModal() != IDOK) return false;
    teamId = picker.GetSelectedClubIdRef();
    return true;
}

}  // namespace

void InstallFreeAgentClubChooser()
{
    CDlgPlayerWithoutClub::SetClubChooser(ChooseClubForSigning);
}
