#pragma once
// The 3D renderer as the program hosts it: the host takes the main window
// and the external mode from the application object, and the main window
// starts it while it opens.

struct TMainWindowLaunchers;

void RegisterRendererHost(TMainWindowLaunchers& launchers);
