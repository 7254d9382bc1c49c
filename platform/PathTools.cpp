#include <mutex>
#include <vector>

#include "platform/NativeFile.h"
#include "platform/Platform.h"

namespace platform {
namespace {

std::mutex gBaseMutex;
std::u16string gBaseFolder;

bool IsSeparator(char16_t c) { return c == u'\\' || c == u'/'; }

bool HasDrive(std::u16string_view path)
{
    return path.size() >= 2 && path[1] == u':' &&
           ((path[0] >= u'A' && path[0] <= u'Z') || (path[0] >= u'a' && path[0] <= u'z'));
}

// Splits off the root: "C:", "\\server\share", or "" for a path from the
// root of the file system; the rest is returned in tail.
std::u16string SplitRoot(std::u16string_view path, std::u16string_view& tail)
{
    if (HasDrive(path)) {
        tail = path.substr(2);
        return std::u16string(path.substr(0, 2));
    }
    if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
        std::size_t end = 2;
        for (int parts = 0; parts < 2 && end < path.size(); ++parts) {
            while (end < path.size() && !IsSeparator(path[end])) ++end;
            if (parts == 0 && end < path.size()) ++end;
        }
        tail = path.substr(end);
        std::u16string root(path.substr(0, end));
        for (auto& c : root) if (c == u'/') c = u'\\';
        return root;
    }
    tail = path;
    return {};
}

std::u16string Normalise(std::u16string_view path)
{
    std::u16string_view tail;
    std::u16string root = SplitRoot(path, tail);
    std::vector<std::u16string_view> parts;
    std::size_t i = 0;
    while (i < tail.size()) {
        while (i < tail.size() && IsSeparator(tail[i])) ++i;
        std::size_t start = i;
        while (i < tail.size() && !IsSeparator(tail[i])) ++i;
        std::u16string_view part = tail.substr(start, i - start);
        if (part.empty() || part == u".") continue;
        if (part == u"..") {
            if (!parts.empty()) parts.pop_back();
            continue;
        }
        parts.push_back(part);
    }
    std::u16string result = root;
    for (auto part : parts) {
        result += u'\\';
        result += part;
    }
    if (parts.empty()) result += u'\\';
    return result;
}

}  // namespace

void SetBaseFolder(std::u16string_view folder)
{
    std::u16string absolute = MakeAbsolute(folder);
    std::lock_guard lock(gBaseMutex);
    gBaseFolder = absolute;
}

std::u16string GetBaseFolder()
{
    std::lock_guard lock(gBaseMutex);
    if (gBaseFolder.empty()) gBaseFolder = Normalise(native::CurrentFolder());
    return gBaseFolder;
}

bool IsAbsolutePath(std::u16string_view path)
{
    return (!path.empty() && IsSeparator(path[0])) || (HasDrive(path) && path.size() >= 3 && IsSeparator(path[2]));
}

std::u16string MakeAbsolute(std::u16string_view path)
{
    if (IsAbsolutePath(path)) {
        // A path from the root of the current drive takes the base's drive.
        if (IsSeparator(path[0]) && !(path.size() >= 2 && IsSeparator(path[1]))) {
            std::u16string base = GetBaseFolder();
            if (HasDrive(base)) return Normalise(base.substr(0, 2) + std::u16string(path));
        }
        return Normalise(path);
    }
    std::u16string base = GetBaseFolder();
    std::u16string_view rest = HasDrive(path) ? path.substr(2) : path;
    return Normalise(base + u'\\' + std::u16string(rest));
}

std::u16string_view FolderOf(std::u16string_view path)
{
    std::size_t pos = path.find_last_of(u"\\/");
    if (pos == std::u16string_view::npos) return {};
    if (pos == 0) return path.substr(0, 1);
    return path.substr(0, pos);
}

std::u16string_view NameOf(std::u16string_view path)
{
    std::size_t pos = path.find_last_of(u"\\/");
    return pos == std::u16string_view::npos ? path : path.substr(pos + 1);
}

std::u16string JoinPath(std::u16string_view folder, std::u16string_view name)
{
    std::u16string result(folder);
    if (!result.empty() && !IsSeparator(result.back())) result += u'\\';
    result += name;
    return result;
}

}  // namespace platform
