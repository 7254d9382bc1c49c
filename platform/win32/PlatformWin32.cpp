// The Windows side: core paths are Windows paths already; texts cross as
// wide strings (wchar_t is UTF-16 here).

#include <windows.h>

#include <atomic>
#include <io.h>
#include <string>

#include "platform/NativeFile.h"
#include "platform/Platform.h"
#include "platform/TextCodec.h"
#include "platform/win32/CodePage.h"

namespace platform {
namespace {

static_assert(sizeof(wchar_t) == sizeof(char16_t));

std::wstring Wide(std::u16string_view text) { return std::wstring(reinterpret_cast<const wchar_t*>(text.data()), text.size()); }

std::wstring NativePath(std::u16string_view path) { return Wide(MakeAbsolute(path)); }

DWORD Attributes(std::u16string_view path) { return GetFileAttributesW(NativePath(path).c_str()); }

// Names the system's wildcard search gives for pattern, without "." and "..".
std::vector<std::u16string> FindNames(const std::wstring& pattern)
{
    std::vector<std::u16string> names;
    WIN32_FIND_DATAW data{};
    HANDLE find = FindFirstFileW(pattern.c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        const std::wstring_view name = data.cFileName;
        if (name != L"." && name != L"..")
            names.emplace_back(reinterpret_cast<const char16_t*>(name.data()), name.size());
    } while (FindNextFileW(find, &data));
    FindClose(find);
    return names;
}

}  // namespace

namespace native {

std::FILE* OpenFile(std::u16string_view absolutePath, const char* mode)
{
    std::wstring wideMode(mode, mode + std::char_traits<char>::length(mode));
    return _wfopen(Wide(absolutePath).c_str(), wideMode.c_str());
}

bool Seek(std::FILE* file, std::int64_t offset) { return _fseeki64(file, offset, SEEK_SET) == 0; }

std::int64_t Tell(std::FILE* file) { return _ftelli64(file); }

bool Resize(std::FILE* file, std::int64_t size) { return _chsize_s(_fileno(file), size) == 0; }

bool SyncFile(std::FILE* file)
{
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
    return handle != INVALID_HANDLE_VALUE && FlushFileBuffers(handle) != 0;
}

// Renames are made durable by MOVEFILE_WRITE_THROUGH.
void SyncFolder(std::u16string_view) {}

std::u16string CurrentFolder()
{
    std::wstring buffer(GetCurrentDirectoryW(0, nullptr), L'\0');
    const DWORD length = GetCurrentDirectoryW(static_cast<DWORD>(buffer.size()), buffer.data());
    buffer.resize(length);
    return std::u16string(reinterpret_cast<const char16_t*>(buffer.data()), buffer.size());
}

}  // namespace native

bool FileExists(std::u16string_view path)
{
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(std::u16string_view path)
{
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::int64_t FileSize(std::u16string_view path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(NativePath(path).c_str(), GetFileExInfoStandard, &data)) return -1;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return -1;
    return (static_cast<std::int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

std::int64_t FileModifiedTime(std::u16string_view path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(NativePath(path).c_str(), GetFileExInfoStandard, &data)) return -1;
    // 100-nanosecond steps since 1601.
    const std::uint64_t ticks =
        (static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
    constexpr std::uint64_t TicksPerSecond = 10000000;
    constexpr std::uint64_t SecondsFrom1601To1970 = 11644473600;
    return static_cast<std::int64_t>(ticks / TicksPerSecond) - static_cast<std::int64_t>(SecondsFrom1601To1970);
}

bool CreateFolders(std::u16string_view path)
{
    const std::u16string absolute = MakeAbsolute(path);
    if (FolderExists(absolute)) return true;
    const std::u16string_view parent = FolderOf(absolute);
    if (!parent.empty() && parent.size() < absolute.size() && !CreateFolders(parent)) return false;
    return CreateDirectoryW(Wide(absolute).c_str(), nullptr) || FolderExists(absolute);
}

bool RemoveFile(std::u16string_view path) { return DeleteFileW(NativePath(path).c_str()) != 0; }

bool RemoveFolder(std::u16string_view path) { return RemoveDirectoryW(NativePath(path).c_str()) != 0; }

bool RenameOver(std::u16string_view from, std::u16string_view to)
{
    return MoveFileExW(NativePath(from).c_str(), NativePath(to).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool IsWritable(std::u16string_view path)
{
    const DWORD attributes = Attributes(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) return !(attributes & FILE_ATTRIBUTE_READONLY);
    const std::u16string probe = CreateUniqueFile(path, u"~wr");
    return !probe.empty() && RemoveFile(probe);
}

std::vector<std::u16string> ListFolder(std::u16string_view folder) { return FindNames(NativePath(folder) + L"\\*"); }

std::vector<std::u16string> ListFolderMatching(std::u16string_view patternPath)
{
    return FindNames(Wide(JoinPath(MakeAbsolute(FolderOf(patternPath)), NameOf(patternPath))));
}

std::u16string CreateUniqueFile(std::u16string_view folder, std::u16string_view prefix)
{
    static std::atomic<unsigned> counter{0};
    const std::u16string absoluteFolder = MakeAbsolute(folder);
    for (int attempt = 0; attempt < 1000; ++attempt) {
        const std::string number = std::to_string(GetCurrentProcessId()) + "_" + std::to_string(counter.fetch_add(1));
        const std::u16string name = std::u16string(prefix) + Utf8ToUtf16(number) + u".tmp";
        const std::u16string path = JoinPath(absoluteFolder, name);
        HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
            return path;
        }
        if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS) return {};
    }
    return {};
}

std::u16string TemporaryFolder()
{
    wchar_t buffer[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathW(MAX_PATH + 1, buffer);
    std::u16string folder(reinterpret_cast<const char16_t*>(buffer), length);
    while (!folder.empty() && folder.back() == u'\\') folder.pop_back();
    return folder;
}

std::u16string GetEnvironmentFolder(const char* variable)
{
    const std::wstring name(variable, variable + std::char_traits<char>::length(variable));
    wchar_t buffer[MAX_PATH + 1] = {};
    const DWORD length = GetEnvironmentVariableW(name.c_str(), buffer, MAX_PATH + 1);
    if (length == 0 || length > MAX_PATH) return {};
    return std::u16string(reinterpret_cast<const char16_t*>(buffer), length);
}

std::u16string GetDriveRoot(char16_t drive) { return std::u16string{drive, u':'}; }

unsigned SystemCodePage() { return GetACP(); }

std::u16string SystemCodePageToUtf16(std::string_view bytes)
{
    return win32::CodePageToUtf16(GetACP(), bytes).value_or(std::u16string());
}

std::optional<std::string> Utf16ToSystemCodePage(std::u16string_view text, bool* lossy)
{
    return win32::Utf16ToCodePage(GetACP(), text, lossy);
}

}  // namespace platform
