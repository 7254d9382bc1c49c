// The POSIX side: core paths become UTF-8 paths with '/', and every
// component is matched without regard to case, as Windows would.

#include <dirent.h>
#include <fnmatch.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <string>

#include "platform/NativeFile.h"
#include "platform/Platform.h"
#include "platform/TextCodec.h"

namespace platform {
namespace {

char16_t FoldCase(char16_t c)
{
    if (c >= u'A' && c <= u'Z') return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
    if (c >= 0x100 && c <= 0x17F && (c & 1) == 0 && c != 0x130 && c != 0x138) return c + 1;
    return c;
}

bool EqualNoCase(std::string_view a, std::string_view b)
{
    if (a.size() == b.size() && a == b) return true;
    const std::u16string wa = Utf8ToUtf16(a);
    const std::u16string wb = Utf8ToUtf16(b);
    if (wa.size() != wb.size()) return false;
    for (std::size_t i = 0; i < wa.size(); ++i)
        if (FoldCase(wa[i]) != FoldCase(wb[i])) return false;
    return true;
}

bool Exists(const std::string& path)
{
    struct stat info {};
    return lstat(path.c_str(), &info) == 0;
}

// Finds the entry of folder whose name equals name ignoring case.
bool FindEntryNoCase(const std::string& folder, const std::string& name, std::string& found)
{
    DIR* dir = opendir(folder.empty() ? "/" : folder.c_str());
    if (!dir) return false;
    bool ok = false;
    while (dirent* entry = readdir(dir)) {
        if (EqualNoCase(entry->d_name, name)) {
            found = entry->d_name;
            ok = true;
            break;
        }
    }
    closedir(dir);
    return ok;
}

// The native path of an absolute core path; components that exist in
// another case take the case found on disk, missing ones stay as given.
std::string NativePath(std::u16string_view corePath)
{
    const std::u16string absolute = MakeAbsolute(corePath);
    const std::string utf8 = Utf16ToUtf8(absolute);
    std::string result;
    std::size_t i = 0;
    bool resolving = true;
    while (i < utf8.size()) {
        while (i < utf8.size() && (utf8[i] == '\\' || utf8[i] == '/')) ++i;
        const std::size_t start = i;
        while (i < utf8.size() && utf8[i] != '\\' && utf8[i] != '/') ++i;
        if (start == i) break;
        std::string part = utf8.substr(start, i - start);
        std::string candidate = result + "/" + part;
        if (resolving && !Exists(candidate)) {
            std::string found;
            if (FindEntryNoCase(result, part, found)) candidate = result + "/" + found;
            else resolving = false;
        }
        result = candidate;
    }
    return result.empty() ? "/" : result;
}

std::u16string CorePathFromNative(const std::string& path)
{
    std::u16string result = Utf8ToUtf16(path);
    for (auto& c : result) if (c == u'/') c = u'\\';
    return result;
}

bool StatNative(std::u16string_view path, struct stat& info)
{
    return stat(NativePath(path).c_str(), &info) == 0;
}

}  // namespace

namespace native {

std::FILE* OpenFile(std::u16string_view absolutePath, const char* mode)
{
    const std::string path = NativePath(absolutePath);
    struct stat info {};
    if (stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) return nullptr;
    return std::fopen(path.c_str(), mode);
}

bool Seek(std::FILE* file, std::int64_t offset) { return fseeko(file, static_cast<off_t>(offset), SEEK_SET) == 0; }

std::int64_t Tell(std::FILE* file) { return static_cast<std::int64_t>(ftello(file)); }

bool Resize(std::FILE* file, std::int64_t size) { return ftruncate(fileno(file), static_cast<off_t>(size)) == 0; }

bool SyncFile(std::FILE* file) { return fsync(fileno(file)) == 0; }

// A rename is an entry of the folder: it reaches the disk with the folder.
void SyncFolder(std::u16string_view absolutePath)
{
    const int fd = open(NativePath(absolutePath).c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

std::u16string CurrentFolder()
{
    std::string buffer(4096, '\0');
    if (!getcwd(buffer.data(), buffer.size())) return u"\\";
    buffer.resize(std::char_traits<char>::length(buffer.c_str()));
    return CorePathFromNative(buffer);
}

}  // namespace native

bool FileExists(std::u16string_view path)
{
    struct stat info {};
    return StatNative(path, info) && S_ISREG(info.st_mode);
}

bool FolderExists(std::u16string_view path)
{
    struct stat info {};
    return StatNative(path, info) && S_ISDIR(info.st_mode);
}

std::int64_t FileSize(std::u16string_view path)
{
    struct stat info {};
    if (!StatNative(path, info) || !S_ISREG(info.st_mode)) return -1;
    return static_cast<std::int64_t>(info.st_size);
}

std::int64_t FileModifiedTime(std::u16string_view path)
{
    struct stat info {};
    if (!StatNative(path, info)) return -1;
    return static_cast<std::int64_t>(info.st_mtime);
}

bool CreateFolders(std::u16string_view path)
{
    const std::u16string absolute = MakeAbsolute(path);
    if (FolderExists(absolute)) return true;
    const std::u16string_view parent = FolderOf(absolute);
    if (!parent.empty() && parent != absolute && !CreateFolders(parent)) return false;
    return mkdir(NativePath(absolute).c_str(), 0777) == 0 || FolderExists(absolute);
}

bool RemoveFile(std::u16string_view path) { return unlink(NativePath(path).c_str()) == 0; }

bool RemoveFolder(std::u16string_view path) { return rmdir(NativePath(path).c_str()) == 0; }

bool RenameOver(std::u16string_view from, std::u16string_view to)
{
    return std::rename(NativePath(from).c_str(), NativePath(to).c_str()) == 0;
}

bool IsWritable(std::u16string_view path)
{
    const std::string native = NativePath(path);
    return access(native.c_str(), W_OK) == 0;
}

std::vector<std::u16string> ListFolder(std::u16string_view folder)
{
    std::vector<std::u16string> names;
    DIR* dir = opendir(NativePath(folder).c_str());
    if (!dir) return names;
    while (dirent* entry = readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..") names.push_back(Utf8ToUtf16(name));
    }
    closedir(dir);
    return names;
}

std::vector<std::u16string> ListFolderMatching(std::u16string_view patternPath)
{
    // As on Windows, "*.*" also finds names without a dot.
    const std::u16string_view namePattern = NameOf(patternPath);
    const std::string pattern = namePattern == u"*.*" ? std::string("*") : Utf16ToUtf8(namePattern);
    std::vector<std::u16string> names;
    for (std::u16string& name : ListFolder(FolderOf(patternPath))) {
        if (fnmatch(pattern.c_str(), Utf16ToUtf8(name).c_str(), FNM_CASEFOLD | FNM_NOESCAPE) == 0) {
            names.push_back(std::move(name));
        }
    }
    return names;
}

std::u16string CreateUniqueFile(std::u16string_view folder, std::u16string_view prefix)
{
    static std::atomic<unsigned> counter{0};
    const std::u16string absoluteFolder = MakeAbsolute(folder);
    const std::string nativeFolder = NativePath(absoluteFolder);
    for (int attempt = 0; attempt < 1000; ++attempt) {
        const std::string name =
            Utf16ToUtf8(prefix) + std::to_string(getpid()) + "_" + std::to_string(counter.fetch_add(1)) + ".tmp";
        const int fd = open((nativeFolder + "/" + name).c_str(), O_CREAT | O_EXCL | O_WRONLY, 0666);
        if (fd >= 0) {
            close(fd);
            return JoinPath(absoluteFolder, Utf8ToUtf16(name));
        }
        if (errno != EEXIST) return {};
    }
    return {};
}

std::u16string TemporaryFolder()
{
    const char* folder = std::getenv("TMPDIR");
    return CorePathFromNative(folder && *folder ? folder : "/tmp");
}

std::u16string GetEnvironmentFolder(const char* variable)
{
    const char* folder = std::getenv(variable);
    return folder && *folder ? CorePathFromNative(folder) : std::u16string();
}

std::u16string GetDriveRoot(char16_t) { return {}; }

unsigned SystemCodePage() { return 1252; }

std::u16string SystemCodePageToUtf16(std::string_view bytes) { return Cp1252ToUtf16(bytes); }

std::optional<std::string> Utf16ToSystemCodePage(std::u16string_view text, bool* lossy)
{
    if (lossy) *lossy = false;
    return Utf16ToCp1252(text, lossy);
}

}  // namespace platform
