#include "core/files/ToolFiles.h"

#include <mutex>

#include "platform/Platform.h"

namespace {
struct TDriveFolders {
    std::mutex mutex;
    std::u16string c;
    std::u16string d;
};

TDriveFolders& Folders()
{
    static TDriveFolders folders;
    return folders;
}

char16_t DriveOf(char16_t letter)
{
    return letter == u'c' || letter == u'C' ? u'C' : (letter == u'd' || letter == u'D' ? u'D' : 0);
}
}  // namespace

std::u16string CToolFiles::GetFolder(char16_t drive)
{
    const char16_t letter = DriveOf(drive);
    if (letter == 0) return {};
    {
        TDriveFolders& folders = Folders();
        std::lock_guard lock(folders.mutex);
        const std::u16string& set = letter == u'C' ? folders.c : folders.d;
        if (!set.empty()) return set;
    }
    const std::u16string configured =
        platform::GetEnvironmentFolder(letter == u'C' ? "EDITOR_TOOL_FILES_C" : "EDITOR_TOOL_FILES_D");
    return configured.empty() ? platform::GetDriveRoot(letter) : configured;
}

void CToolFiles::SetFolder(char16_t drive, std::u16string folder)
{
    const char16_t letter = DriveOf(drive);
    if (letter == 0) return;
    TDriveFolders& folders = Folders();
    std::lock_guard lock(folders.mutex);
    (letter == u'C' ? folders.c : folders.d) = std::move(folder);
}

std::u16string CToolFiles::Resolve(std::u16string_view path)
{
    const bool onDrive = path.size() >= 3 && DriveOf(path[0]) != 0 && path[1] == u':' && path[2] == u'\\';
    if (!onDrive) return std::u16string(path);
    std::u16string folder = GetFolder(path[0]);
    if (folder.empty()) return {};
    while (!folder.empty() && folder.back() == u'\\') folder.pop_back();
    return folder + std::u16string(path.substr(2));
}
