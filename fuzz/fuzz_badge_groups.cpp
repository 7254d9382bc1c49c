// Groups arbitrary folder and archive entry names as the badge manager
// does. Every listed path is a badge name below its group's folder, no
// path is listed twice (case ignored), and the group combo always ends
// with the "no badge" item and selects an item that exists.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>

#include "archive/BadgeLookup.h"
#include "editors/country_club/model/club/BadgeGroups.h"
#include "platform/TextCodec.h"

namespace {

std::u16string_view FuzzCountryNames(int country, int language)
{
    switch (country) {
    case 21: return language == 0 ? u"Deutschland" : u"Germany";
    case 140: return u"South Africa";
    default: return {};
    }
}

std::u16string Lowered(std::u16string text)
{
    for (char16_t& c : text) c = c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c;
    return text;
}

}  // namespace

// Lines: "F<folder>|<file>" adds a loose file, "A<name>" an archive entry,
// any other line is the starting path of the group combo.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::u16string input =
        platform::Cp1252ToUtf16(std::string_view(reinterpret_cast<const char*>(data), size));
    CBadgeGroups groups;
    std::u16string startPath;
    int index = 0;
    std::size_t start = 0;
    while (start < input.size()) {
        const std::size_t end = std::min(input.find(u'\n', start), input.size());
        const std::u16string_view line = std::u16string_view(input).substr(start, end - start);
        start = end + 1;
        if (line.empty()) continue;
        const std::u16string_view rest = line.substr(1);
        if (line[0] == u'F') {
            const std::size_t bar = rest.find(u'|');
            if (bar != std::u16string_view::npos) groups.AddLooseFile(rest.substr(0, bar), rest.substr(bar + 1));
        } else if (line[0] == u'A') {
            groups.AddArchiveEntry(index++, rest);
        } else {
            startPath = line;
        }
    }
    groups.AssignCountries(FuzzCountryNames);
    std::unordered_set<std::u16string> seen;
    for (const TBadgeGroup& group : groups.Groups()) {
        for (const TBadgeEntry& entry : group.entries) {
            if (!IsBadgeName(entry.path) || entry.path.size() >= BadgeNameCapacity) __builtin_trap();
            if (!seen.insert(Lowered(entry.path)).second) __builtin_trap();
            const auto chosen = ChosenBadgePath(&entry);
            if (chosen && chosen->size() > ClubBadgePathLimit) __builtin_trap();
            BadgeEntryText(entry);
        }
    }
    const TBadgeGroupItems combo = MakeBadgeGroupItems(groups.Groups(), startPath, FuzzCountryNames, 1, u"G", u"N");
    if (combo.items.empty() || combo.items.back().group != -1) __builtin_trap();
    if (combo.selected < -1 || combo.selected >= static_cast<int>(combo.items.size())) __builtin_trap();
    return 0;
}
