#pragma once
// Registers the player and staff editors with the main window's commands.

struct TMainWindowLaunchers;

void RegisterPlayerStaffEditors(TMainWindowLaunchers& launchers);
