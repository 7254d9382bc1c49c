#pragma once
// What the program hands its main window before start-up: every editor and
// tool, the developers' hot-fix menu and the 3D renderer host. Built into
// the program (and the tests that start it whole), not into the application
// library, since the editors stand above it.

struct TMainWindowLaunchers;

void RegisterProgramParts(TMainWindowLaunchers& launchers);
