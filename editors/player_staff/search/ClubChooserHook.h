#pragma once
// The club picker the staff list and the country player list open to move
// a person: installed once by the program (the club editors' picker) and by
// tests; a command that needs it is not offered while none is installed.

#include <windows.h>

#include <cstdint>
#include <functional>

// The chosen team id (bit 24 for a reserve team), or 0 when cancelled;
// countryId presets the picker's country (0 for none).
using TClubChooser = std::function<std::uint32_t(HWND owner, int countryId)>;

void SetClubChooser(TClubChooser chooser);
bool HasClubChooser();
// 0 without a picker.
std::uint32_t ChooseClubForMove(HWND owner, int countryId);
