#pragma once
// Hands the main window the national team, players without club and quick
// transfer windows, the signing of players without a club the club picker,
// and the country editor its player pool and referee pages.

#include "app/MainWindowLaunchers.h"

void RegisterNationalPoolEditors(TMainWindowLaunchers& launchers);
