#pragma once
// File listing by name pattern, for the code that walks folders of images.

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The most files a search gives, and the most folder levels a recursive
// search walks (the pattern's folder is the first).
inline constexpr std::size_t MaxFoundFiles = 8192;
inline constexpr int MaxSearchDepth = 32;

// The pattern is matched a character at a time without regard to case:
// '?' passes any one character; '*' moves on in the name to its next '.',
// and when the name has no further '.' the match holds exactly when the
// rest of the pattern has none. The match holds as soon as the whole name
// has been passed, even before the pattern's end. An empty name matches
// any pattern, and an empty pattern any name.
bool MatchFileNamePattern(std::u16string_view name, std::u16string_view pattern);

// Paths (folder and name) of the files a pattern path finds, at most
// MaxFoundFiles. Not recursive: what the system's wildcard search gives in
// the pattern's folder. Recursive: the files of the pattern's folder and of
// its folders below, at most MaxSearchDepth levels, whose names pass
// MatchFileNamePattern against the pattern's name part.
std::vector<std::u16string> FindFiles(std::u16string_view patternPath, bool recursive);

}  // namespace platform
