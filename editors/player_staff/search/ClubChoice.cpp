#include "editors/player_staff/search/ClubChoice.h"

#include "editors/country_club/club/DlgChooseClub.h"

namespace {

// The selected id when the picker ends with OK.
std::optional<std::uint32_t> RunPicker(CDlgChooseClub& picker)
{
    if (picker.DoModal() != IDOK) return std::nullopt;
    return picker.GetSelectedClubIdRef();
}

// Only an id that names a club.
std::uint32_t ChosenClub(CDlgChooseClub& picker)
{
    return RunPicker(picker) && picker.GetSelectedClub() != nullptr ? picker.GetSelectedClubIdRef() : 0;
}

}  // namespace

std::uint32_t ChooseClubInCountry(HWND owner, int countryId)
{
    CDlgChooseClub picker(owner);
    picker.SetCountry(countryId);
    return ChosenClub(picker);
}

std::uint32_t ChooseClubFrom(HWND owner, std::uint32_t presetId, bool includeReserveTeams)
{
    CDlgChooseClub picker(owner);
    picker.SetSelectedClubId(presetId);
    picker.SetIncludeReserveTeams(includeReserveTeams);
    return ChosenClub(picker);
}

std::optional<std::uint32_t> PickClubFrom(HWND owner, std::uint32_t presetId)
{
    CDlgChooseClub picker(owner);
    picker.SetSelectedClubId(presetId);
    return RunPicker(picker);
}
