#pragma once
// Opens a file with its registered program. Tests put a recorder in front
// of the shell, so nothing is started while they run.

#include <windows.h>

namespace win {

using ShellOpenHandler = bool (*)(HWND owner, const wchar_t* verb, const wchar_t* file, int showCommand);

// Shown normally, owned by owner; true when the shell took the request.
bool ShellOpenFile(HWND owner, const char16_t* file);
// Installs a handler in front of the shell and returns the previous one
// (null: the shell itself).
ShellOpenHandler SetShellOpenHandler(ShellOpenHandler handler);

}  // namespace win
