#pragma once
// The developers' tools read and write fixed files named by drive
// ("C:\Clubs.txt", "D:\TeamColors.html"). Each of the drives C and D stands
// for a folder: one set here, else the one EDITOR_TOOL_FILES_C or
// EDITOR_TOOL_FILES_D names, else the drive's root where the system has
// drive letters. Sub-folders and file names stay as written.

#include <string>
#include <string_view>

class CToolFiles {
public:
    // The drive's folder; empty when it has none (and for other drives).
    static std::u16string GetFolder(char16_t drive);
    // An empty folder returns the drive to its default.
    static void SetFolder(char16_t drive, std::u16string folder);
    // A path on drive C or D with the drive replaced by its folder; empty
    // when that drive has no folder. Other paths are returned unchanged.
    static std::u16string Resolve(std::u16string_view path);
};
