#include "app/MainWindowLaunchers.h"

TMainWindowLaunchers& GetMainWindowLaunchers()
{
    static TMainWindowLaunchers launchers;
    return launchers;
}
