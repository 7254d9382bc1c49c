#pragma once
// Registers the continental competitions editor, the localised names grid
// and the create-a-club towns dialog with the main window.

struct TMainWindowLaunchers;

void RegisterContinentEditors(TMainWindowLaunchers& launchers);
