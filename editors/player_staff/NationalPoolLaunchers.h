#pragma once
// Hands the main window the national team, players without club and quick
// transfer windows.

#include "app/MainWindowLaunchers.h"

void RegisterNationalPoolEditors(TMainWindowLaunchers& launchers);
