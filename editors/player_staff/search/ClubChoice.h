#pragma once
// The club picker as the player windows use it: a team id chosen by the
// user, with bit 24 for a reserve team.

#include <cstdint>
#include <optional>

#include <windows.h>

// The picker opened on a country; 0 when cancelled or nothing chosen.
std::uint32_t ChooseClubInCountry(HWND owner, int countryId);
// The picker opened on a club (its country shown, the club selected); 0
// when cancelled or nothing chosen. Without reserve teams only the clubs
// themselves are offered.
std::uint32_t ChooseClubFrom(HWND owner, std::uint32_t presetId, bool includeReserveTeams = true);
// The picker opened on a club: on OK the id it gives, 0 when no club is
// chosen; nothing when cancelled.
std::optional<std::uint32_t> PickClubFrom(HWND owner, std::uint32_t presetId);
