#pragma once
// The developers' "Hotfixes" popup of the main window in administration
// mode, built from the program's hot-fix manager, with the Windows side of
// a fix's run: the file dialogs and the report window.

struct TMainWindowLaunchers;

// Fills the two hot-fix entries of the launchers and registers the fixes
// offered at start-up.
void RegisterHotfixMenu(TMainWindowLaunchers& launchers);
