#include "editors/country_club/model/club/BadgeGroups.h"

#include <algorithm>
#include <array>

#include "archive/BadgeLookup.h"
#include "archive/MireloBig.h"
#include "core/text/TextTools.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "platform/Platform.h"
#include "platform/TextCodec.h"

namespace {

constexpr std::u16string_view SizeFolder = u"Badge256";
constexpr std::u16string_view BadgeExtension = u".tga";
constexpr std::u16string_view ArchivePrefix = u"Badges\\";
constexpr std::u16string_view IgnoredFolderChars = u" -,._~";
constexpr int FirstCountry = 1;
constexpr int LastCountry = 206;
constexpr int CountryLanguages = 6;

struct TFolderCountry {
    const char16_t* folder;
    int country;
};

constexpr std::array<TFolderCountry, 10> FolderCountries = {{
    {u"Color", 0},
    {u"Generic", 0},
    {u"color", 0},
    {u"generic", 0},
    {u"Leagues", NoBadgeCountry},
    {u"leagues", NoBadgeCountry},
    {u"Czech", 12},
    {u"Korea", 167},
    {u"SouthAfrica", 140},
    {u"Holland", 34},
}};

char16_t Lower(char16_t c)
{
    const bool latinCapital = (c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7);
    return latinCapital ? static_cast<char16_t>(c + 32) : c;
}

std::u16string Lowered(std::u16string_view text)
{
    std::u16string result(text);
    for (char16_t& c : result) c = Lower(c);
    return result;
}

bool EqualNoCase(std::u16string_view a, std::u16string_view b)
{
    return a.size() == b.size() && Lowered(a) == Lowered(b);
}

bool EndsWithNoCase(std::u16string_view text, std::u16string_view end)
{
    return text.size() >= end.size() && EqualNoCase(text.substr(text.size() - end.size()), end);
}

bool IsSeparator(char16_t c)
{
    return c == u'\\' || c == u'/';
}

std::u16string_view FirstComponent(std::u16string_view path)
{
    std::size_t end = 0;
    while (end < path.size() && !IsSeparator(path[end])) ++end;
    return path.substr(0, end);
}

std::u16string WithoutIgnoredChars(std::u16string_view text)
{
    std::u16string result;
    for (const char16_t c : text) {
        if (IgnoredFolderChars.find(c) == std::u16string_view::npos) result += c;
    }
    return result;
}

bool SameCollated(const std::u16string& a, const std::u16string& b)
{
    return CompareCollated(a.c_str(), b.c_str()) == 0;
}

// Names in the order a folder listing of Windows gives them, whatever the
// file system returns.
std::vector<std::u16string> SortedListing(std::u16string_view folder)
{
    std::vector<std::u16string> names = platform::ListFolder(folder);
    std::sort(names.begin(), names.end(),
              [](const std::u16string& a, const std::u16string& b) { return Lowered(a) < Lowered(b); });
    return names;
}

}  // namespace

CountryNameSource CountryNamesOf(const TCompleteWorld& world)
{
    return [&world](int country, int language) -> std::u16string_view {
        const TCountry* record = world.GetCountry(country);
        if (record == nullptr || record->GetId() != country) return {};
        return record->GetNameInLanguage(language);
    };
}

int CountryOfBadgeFolder(std::u16string_view folder, const CountryNameSource& names)
{
    const std::u16string bare = WithoutIgnoredChars(folder);
    for (const TFolderCountry& entry : FolderCountries) {
        if (SameCollated(bare, entry.folder)) return entry.country;
    }
    for (int country = FirstCountry; country <= LastCountry; ++country) {
        for (int language = 0; language < CountryLanguages; ++language) {
            const std::u16string_view name = names(country, language);
            if (!name.empty() && SameCollated(bare, WithoutIgnoredChars(name))) return country;
        }
    }
    return NoBadgeCountry;
}

void CBadgeGroups::AddLooseFiles(std::u16string_view badgeFolder)
{
    for (const std::u16string& folder : SortedListing(badgeFolder)) {
        const std::u16string folderPath = platform::JoinPath(badgeFolder, folder);
        if (folder.empty() || folder[0] == u'.' || !platform::FolderExists(folderPath)) continue;
        GroupOf(folder);
        const std::u16string sizePath = platform::JoinPath(folderPath, SizeFolder);
        for (const std::u16string& file : SortedListing(sizePath)) {
            if (!EndsWithNoCase(file, BadgeExtension)) continue;
            if (platform::FolderExists(platform::JoinPath(sizePath, file))) continue;
            AddLooseFile(folder, file);
        }
    }
}

void CBadgeGroups::AddArchive(CMireloBig& archive)
{
    for (int index = 0; index < archive.GetCount(); ++index) {
        const std::u16string name = platform::Cp1252ToUtf16(archive.GetEntry(index).name);
        if (name.size() > ArchivePrefix.size() && EqualNoCase(std::u16string_view(name).substr(0, ArchivePrefix.size()), ArchivePrefix)) {
            AddArchiveEntry(index, std::u16string_view(name).substr(ArchivePrefix.size()));
        }
    }
}

void CBadgeGroups::AddLooseFile(std::u16string_view folder, std::u16string_view fileName)
{
    std::u16string path(folder);
    path += u'\\';
    path += SizeFolder;
    path += u'\\';
    path += fileName;
    if (path.size() >= BadgeNameCapacity || !IsBadgeName(path)) return;
    Add(GroupOf(folder), {-1, std::move(path)});
}

void CBadgeGroups::AddArchiveEntry(int index, std::u16string_view name)
{
    if (name.size() >= BadgeNameCapacity || !IsBadgeName(name)) return;
    if (Lowered(name).find(Lowered(SizeFolder)) == std::u16string::npos || !EndsWithNoCase(name, BadgeExtension)) return;
    const std::u16string_view folder = FirstComponent(name);
    if (folder.empty() || folder.size() == name.size()) return;
    std::u16string path(name);
    for (char16_t& c : path) c = c == u'/' ? u'\\' : c;
    Add(GroupOf(folder), {index, std::move(path)});
}

void CBadgeGroups::AssignCountries(const CountryNameSource& names)
{
    for (TBadgeGroup& group : groups_) group.country = CountryOfBadgeFolder(group.folder, names);
}

TBadgeGroup& CBadgeGroups::GroupOf(std::u16string_view folder)
{
    const auto [found, added] = groupByFolder_.emplace(Lowered(folder), groups_.size());
    if (added) groups_.push_back({std::u16string(folder), NoBadgeCountry, {}});
    return groups_[found->second];
}

void CBadgeGroups::Add(TBadgeGroup& group, TBadgeEntry entry)
{
    if (paths_.insert(Lowered(entry.path)).second) group.entries.push_back(std::move(entry));
}

std::u16string BadgeEntryText(const TBadgeEntry& entry)
{
    std::u16string_view name = entry.path;
    const std::size_t separator = name.find_last_of(u"\\/");
    if (separator != std::u16string_view::npos) name = name.substr(separator + 1);
    return std::u16string(name.substr(0, name.find(u'.')));
}

TBadgeGroupItems MakeBadgeGroupItems(const std::vector<TBadgeGroup>& groups, std::u16string_view startPath,
                                     const CountryNameSource& names, int language, std::u16string_view genericText,
                                     std::u16string_view noBadgeText)
{
    const std::u16string_view startFolder = FirstComponent(startPath);
    const int startCountry = startFolder.empty() ? NoBadgeCountry : CountryOfBadgeFolder(startFolder, names);
    TBadgeGroupItems result;
    int sameCountry = -1;
    for (std::size_t index = 0; index < groups.size(); ++index) {
        const TBadgeGroup& group = groups[index];
        if (EqualNoCase(group.folder, u"leagues")) continue;
        std::u16string text = group.country > 0    ? std::u16string(names(group.country, language))
                              : group.country == 0 ? std::u16string(genericText)
                                                   : group.folder;
        const int item = static_cast<int>(result.items.size());
        const bool sameFolder = !startFolder.empty() && (EqualNoCase(group.folder, startFolder) || text == startFolder);
        if (sameFolder && result.selected < 0) result.selected = item;
        if (group.country == startCountry && startCountry != NoBadgeCountry && sameCountry < 0) sameCountry = item;
        result.items.push_back({std::move(text), static_cast<int>(index)});
    }
    result.items.push_back({std::u16string(noBadgeText), -1});
    if (result.selected < 0) result.selected = sameCountry;
    if (result.selected < 0 && result.items.size() > 1) result.selected = 1;
    return result;
}

std::u16string NormalisedBadgeEntryPath(const TBadgeEntry& entry)
{
    char16_t normalised[BadgeNameCapacity] = {};
    NormaliseBadgePath(entry.path.c_str(), normalised, BadgeNameCapacity);
    return normalised;
}

std::optional<std::u16string> ChosenBadgePath(const TBadgeEntry* entry, std::size_t limit)
{
    if (entry == nullptr) return std::u16string();
    std::u16string path = NormalisedBadgeEntryPath(*entry);
    if (path.size() > limit) return std::nullopt;
    return path;
}
