#pragma once
// Puts the club editor behind the main window's club-settings command, and
// offers the squad generator to the squad window's list.

#include <windows.h>

struct TMainWindowLaunchers;
class TClub;

void RegisterClubEditors(TMainWindowLaunchers& launchers);

// Asks for the new team's mean age and level and generates it; the dialog's
// result. The caller asks first when the team has players, and refreshes
// its list afterwards.
int RunClubGenerator(HWND owner, TClub& club, bool firstTeam);
