#include "database/person/NameFile.h"

#include <algorithm>
#include <string_view>

#include "core/text/TextTools.h"
#include "platform/TextCodec.h"

namespace {
constexpr int LanguageKeyCount = 63;
constexpr int NoKey = -1;

// NUL and the five bytes Windows-1252 leaves unassigned.
bool IsForbiddenByte(char byte)
{
    switch (static_cast<std::uint8_t>(byte)) {
    case 0x00:
    case 0x81:
    case 0x8D:
    case 0x8F:
    case 0x90:
    case 0x9D:
        return true;
    default:
        return false;
    }
}

// The key of a "%N" line; NoKey unless N is a language id.
int ParseKey(std::string_view line)
{
    line.remove_prefix(1);
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
    if (line.empty() || line.size() > 2) return NoKey;
    int key = 0;
    for (char c : line) {
        if (c < '0' || c > '9') return NoKey;
        key = key * 10 + (c - '0');
    }
    return key < LanguageKeyCount ? key : NoKey;
}
}  // namespace

std::vector<TNameFileLine> ReadNameFileLines(std::span<const std::uint8_t> bytes, std::size_t maxLineBytes)
{
    std::vector<TNameFileLine> names;
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    int key = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!line.empty() && line.front() == '%') {
            key = ParseKey(line);
            continue;
        }
        if (key == NoKey || line.size() > maxLineBytes) continue;
        if (std::any_of(line.begin(), line.end(), IsForbiddenByte)) continue;
        std::u16string name = platform::Cp1252ToUtf16(line);
        NormaliseWhitespace(name.data());
        name.resize(TextLength(name.c_str()));
        if (!name.empty()) names.push_back({key, std::move(name)});
    }
    return names;
}
