#pragma once
// Puts the club editor behind the main window's club-settings command.

struct TMainWindowLaunchers;

void RegisterClubEditors(TMainWindowLaunchers& launchers);
