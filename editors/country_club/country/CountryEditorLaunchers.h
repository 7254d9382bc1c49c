#pragma once
// The main window's entry to the country editor.

struct TMainWindowLaunchers;

void RegisterCountryEditor(TMainWindowLaunchers& launchers);
