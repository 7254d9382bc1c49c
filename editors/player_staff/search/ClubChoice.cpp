#include "editors/player_staff/search/ClubChoice.h"

#include "editors/country_club/club/DlgChooseClub.h"

namespace {

std::uint32_t RunPicker(CDlgChooseClub& picker)
{
    if (picker.DoModal() != IDOK || picker.GetSelectedClub() == nullptr) return 0;
    return picker.GetSelectedClubIdRef();
}

}  // namespace

std::uint32_t ChooseClubInCountry(HWND owner, int countryId)
{
    CDlgChooseClub picker(owner);
    picker.SetCountry(countryId);
    return RunPicker(picker);
}

std::uint32_t ChooseClubFrom(HWND owner, std::uint32_t presetId, bool includeReserveTeams)
{
    CDlgChooseClub picker(owner);
    picker.SetSelectedClubId(presetId);
    picker.SetIncludeReserveTeams(includeReserveTeams);
    return RunPicker(picker);
}
