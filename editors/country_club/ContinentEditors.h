#pragma once
// Registers the continental competitions editor and the localised names
// grid with the main window.

struct TMainWindowLaunchers;

void RegisterContinentEditors(TMainWindowLaunchers& launchers);
