#pragma once
// The badge manager's badges: every 256-pixel badge lying loose below the
// badge folder or in the badge archive, grouped by the folder it lies in,
// each folder shown as the country it belongs to.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class CMireloBig;
class TCompleteWorld;

// Countries of badge folders: a world country id 1..206, 0 for the generic
// badges, NoBadgeCountry for a folder that belongs to none.
inline constexpr int NoBadgeCountry = -1;

// The name of a country in a database language; empty when there is no
// such country.
using CountryNameSource = std::function<std::u16string_view(int country, int language)>;
CountryNameSource CountryNamesOf(const TCompleteWorld& world);

// A folder's name without the characters " -,._~", against the fixed
// table first, then against every language's name of countries 1..206.
int CountryOfBadgeFolder(std::u16string_view folder, const CountryNameSource& names);

struct TBadgeEntry {
    // The archive entry, -1 for a loose file.
    int archiveIndex = -1;
    // Relative to the badge folder: "<folder>\Badge256\<file>".
    std::u16string path;
};

struct TBadgeGroup {
    std::u16string folder;
    int country = NoBadgeCountry;
    std::vector<TBadgeEntry> entries;
};

class CBadgeGroups {
public:
    // Every "<folder>\Badge256\*.tga" below the badge folder.
    void AddLooseFiles(std::u16string_view badgeFolder);
    // Every entry "Badges\<folder>\...Badge256...tga" of the archive.
    void AddArchive(CMireloBig& archive);
    void AddLooseFile(std::u16string_view folder, std::u16string_view fileName);
    // name: the entry's name after "Badges\"; a name already listed in its
    // group, one that is no badge name or one too long for a path is skipped.
    void AddArchiveEntry(int index, std::u16string_view name);
    void AssignCountries(const CountryNameSource& names);
    const std::vector<TBadgeGroup>& Groups() const { return groups_; }

private:
    TBadgeGroup& GroupOf(std::u16string_view folder);
    void Add(TBadgeGroup& group, TBadgeEntry entry);

    std::vector<TBadgeGroup> groups_;
    std::unordered_map<std::u16string, std::size_t> groupByFolder_;
    // Lower-case paths listed so far, of all groups.
    std::unordered_set<std::u16string> paths_;
};

// The list text of an entry: its file name up to the first ".".
std::u16string BadgeEntryText(const TBadgeEntry& entry);

struct TBadgeGroupItem {
    std::u16string text;
    // Group index; -1 for the "no badge" item.
    int group;
};

struct TBadgeGroupItems {
    std::vector<TBadgeGroupItem> items;
    // Index of the item to select, -1 for none.
    int selected = -1;
};

// The group combo: groups other than "leagues" as their country's name,
// the generic text or their folder; then the "no badge" item. The group of
// the starting path's folder is selected, else one of its country, else
// item 1.
TBadgeGroupItems MakeBadgeGroupItems(const std::vector<TBadgeGroup>& groups, std::u16string_view startPath,
                                     const CountryNameSource& names, int language, std::u16string_view genericText,
                                     std::u16string_view noBadgeText);

// Badge paths the club record can keep without cutting.
inline constexpr std::size_t ClubBadgePathLimit = 38;

// An entry's path in its stored form ("Badge%d" for its size folder).
std::u16string NormalisedBadgeEntryPath(const TBadgeEntry& entry);
// What the club gets: empty without an entry, the stored form otherwise;
// none when that is longer than the limit.
std::optional<std::u16string> ChosenBadgePath(const TBadgeEntry* entry, std::size_t limit = ClubBadgePathLimit);
