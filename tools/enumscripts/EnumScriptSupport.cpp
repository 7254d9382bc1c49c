// Helpers shared by the enumeration scripts.

#include "core/text/TextTools.h"
#include "database/person/Person.h"
#include "platform/TextCodec.h"
#include "tools/enumscripts/EnumScripts.h"

namespace enum_scripts {

std::u16string DecodeToolText(const std::vector<std::uint8_t>& bytes)
{
    if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) {
        return platform::Utf16LeToUtf16(std::span(bytes).subspan(2));
    }
    const auto* chars = reinterpret_cast<const char*>(bytes.data());
    if (bytes.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) {
        return platform::Utf8ToUtf16(std::string_view(chars + 3, bytes.size() - 3));
    }
    return platform::Cp1252ToUtf16(std::string_view(chars, bytes.size()));
}

std::vector<std::u16string> Split(std::u16string_view text, char16_t separator, std::size_t maxParts)
{
    std::vector<std::u16string> parts;
    std::size_t start = 0;
    while (parts.size() + 1 < maxParts) {
        const std::size_t end = text.find(separator, start);
        if (end == std::u16string_view::npos) break;
        parts.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    parts.emplace_back(text.substr(start));
    return parts;
}

bool SameText(std::u16string_view a, std::u16string_view b) { return FoldLatinCase(a) == FoldLatinCase(b); }

}  // namespace enum_scripts
