#pragma once
// Registers the continental competitions editor with the main window.

struct TMainWindowLaunchers;

void RegisterContinentEditors(TMainWindowLaunchers& launchers);
