#pragma once
// The developer's "Administration" popup of the main window: built from
// the tool table, and the tools its commands run.

#include <windows.h>

class DlgMainMenu;

// Appends the popup to the window menu in administration mode.
void BuildAdministrationMenu(HMENU windowMenu);
// Runs the tool of a command id of the popup while a world is loaded;
// other ids do nothing.
void OnAdministrationCommand(DlgMainMenu& window, int id);
