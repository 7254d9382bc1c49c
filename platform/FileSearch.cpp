#include "platform/FileSearch.h"

#include "platform/Platform.h"

namespace platform {
namespace {

char16_t Lower(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; }

void Walk(std::u16string_view folder, std::u16string_view pattern, int depth, std::vector<std::u16string>& found)
{
    std::vector<std::u16string> folders;
    for (const std::u16string& name : ListFolder(folder)) {
        const std::u16string path = JoinPath(folder, name);
        if (FolderExists(path)) {
            folders.push_back(path);
        } else if (MatchFileNamePattern(name, pattern)) {
            if (found.size() == MaxFoundFiles) return;
            found.push_back(path);
        }
    }
    if (depth + 1 >= MaxSearchDepth) return;
    for (const std::u16string& below : folders) Walk(below, pattern, depth + 1, found);
}

}  // namespace

bool MatchFileNamePattern(std::u16string_view name, std::u16string_view pattern)
{
    std::size_t at = 0;
    for (std::size_t p = 0; p < pattern.size(); ++p) {
        if (at == name.size()) return true;
        if (pattern[p] == u'*') {
            at = name.find(u'.', at);
            if (at == std::u16string_view::npos) return pattern.find(u'.', p + 1) == std::u16string_view::npos;
        } else if (pattern[p] == u'?' || Lower(pattern[p]) == Lower(name[at])) {
            ++at;
        } else {
            return false;
        }
    }
    return at == name.size() || pattern.empty();
}

std::vector<std::u16string> FindFiles(std::u16string_view patternPath, bool recursive)
{
    std::vector<std::u16string> found;
    const std::u16string_view folder = FolderOf(patternPath);
    if (!recursive) {
        for (const std::u16string& name : ListFolderMatching(patternPath)) {
            if (found.size() == MaxFoundFiles) break;
            found.push_back(JoinPath(folder, name));
        }
        return found;
    }
    Walk(folder, NameOf(patternPath), 0, found);
    return found;
}

}  // namespace platform
