#pragma once
// The program's own file, the process's folders and private profile files,
// as UTF-16 texts without size limits of their own.

#include <string>

namespace win {

// The full path of the running program's file.
std::u16string GetModulePath();
// The process's current directory, without a trailing backslash unless it is
// a drive's root.
std::u16string GetCurrentFolder();
// The system folder (where the system's own libraries lie).
std::u16string GetSystemFolder();
// The user's documents folder; empty when the system has none.
std::u16string GetDocumentsFolder();
// A value of an ini file; defaultText when the file, section or key is
// missing. At most capacity - 1 characters are read.
std::u16string ReadProfileString(const std::u16string& file, const char16_t* section, const char16_t* key,
                                 const char16_t* defaultText, unsigned capacity);

}  // namespace win
