#pragma once
// The crash-dump handler: when the program fails, it asks whether to save a
// mini dump named after the program into the current folder, and writes it
// through the system's DBGHELP.DLL. The F12 hotkey thread writes one on
// demand.

#include <windows.h>

#include <string>
#include <string_view>

// Sets the dump name from the program's file and installs the filter.
void InstallCrashDumpHandler();
LONG WINAPI CrashDumpFilter(EXCEPTION_POINTERS* exception);
// The same without exception information; 1 when a dump was saved.
LONG WriteMiniDump();
// The program's file name without folder and without everything from its
// first "." on, at most 254 characters, with characters that no file name
// may hold replaced by "_".
std::u16string DumpNameFromModulePath(std::u16string_view modulePath);
