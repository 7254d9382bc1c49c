#pragma once
// The main window's report tools: the country list, the contract check, the
// badge check, the problem checker and transfer processing, each run in the
// report window over the current world.

struct TMainWindowLaunchers;

// Fills only the report tools' entries.
void RegisterReportTools(TMainWindowLaunchers& launchers);
