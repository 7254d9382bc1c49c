#pragma once
// The main window's entry to the country editor; registering it also gives
// the signing of players without a club its club picker.

struct TMainWindowLaunchers;

void RegisterCountryEditor(TMainWindowLaunchers& launchers);
