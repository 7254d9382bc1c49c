#pragma once
// Badge pictures: TGA files in four sizes, loose below the base folder's
// Badges folder or as "Badges\..." entries of the badge archive. A badge
// name is relative to the Badges folder and holds "Badge%d" where its size
// goes.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "archive/MireloBig.h"
#include "archive/TgaDib.h"

// Pixel sizes by size index; -1 examines all four.
inline constexpr int BadgeSizes[4] = {256, 128, 64, 32};
inline constexpr int AllBadgeSizes = -1;
inline constexpr std::size_t BadgeNameCapacity = 260;

// Presence flags of a club's badge.
inline constexpr unsigned BadgeOwnFiles = 1;
inline constexpr unsigned BadgeOnDisk = 2;
inline constexpr unsigned BadgeInArchive = 4;

// The generic badge path with its size folder ("Badge256", "Badge180" or
// "Badge%d" in any case) turned into "Badge%d"; a path that already holds
// "%d" is copied unchanged. Cut to capacity - 1.
void NormaliseBadgePath(const char16_t* source, char16_t* dest, std::size_t capacity);
// Fills size into the "%d" of the last "Badge%d" folder (case ignored);
// every other character, '%' included, stays as it is.
std::u16string FillBadgeSize(std::u16string_view name, int size);
// A badge name that names a file: not empty, relative, without "..".
bool IsBadgeName(std::u16string_view name);

// The folder and the archive badges are looked up in, with the archive's
// names indexed once (the archive is opened read-only and never changes).
// Loose files are looked for on disk at every check, or, for a pass over
// many clubs, in a listing of the folder taken once.
class CBadgeSources {
public:
    enum class LooseFiles { Live, Listed };
    // archive may be null or closed: no badge lies in it then.
    CBadgeSources(std::u16string folder, CMireloBig* archive, LooseFiles looseFiles = LooseFiles::Live);
    const std::u16string& Folder() const { return folder_; }
    bool HasArchive() const { return archive_ != nullptr && archive_->IsOpen(); }
    // The disk file of a badge name at a size; empty for a name that names no file.
    std::u16string DiskPath(std::u16string_view name, int size) const;
    // Whether a path is a regular file.
    bool FileExists(const std::u16string& path) const;
    // Whether the archive holds the badge name at a size.
    bool InArchive(std::u16string_view name, int size) const;
    // The entry's bytes, unpacked, without messages; false when absent.
    bool ReadFromArchive(std::u16string_view name, int size, std::vector<std::uint8_t>& data) const;

private:
    int FindEntry(std::u16string_view name, int size) const;
    void ListFolder(const std::u16string& folder, const std::u16string& relative, int depth);

    std::u16string folder_;
    CMireloBig* archive_;
    std::unordered_map<std::string, int> entries_;
    bool listed_ = false;
    // Lower-case paths relative to the folder of the files listed.
    std::unordered_set<std::u16string> looseFiles_;
};

// Opens the badge archive of folder read-only, without messages.
bool OpenBadgesArchive(CMireloBig& archive, std::u16string_view folder);
// "badges.big" below the base folder, opened on the first call only.
CMireloBig& GetBadgesArchive();
// The base folder's Badges folder and the badge archive.
const CBadgeSources& GetBadgeSources();

// Flags BadgeOnDisk and BadgeInArchive for the sizes examined.
unsigned CheckClubBadgeFiles(const char16_t* badgePath, int sizeIndex,
                             const CBadgeSources& sources = GetBadgeSources());
// The picture of a badge name at 256 pixels: from disk, else from the
// archive; null when neither gives one.
std::unique_ptr<TDibImage> LoadBadgeDib(const char16_t* name, const CBadgeSources& sources = GetBadgeSources());

// Two badge paths kept together.
class CBadge {
public:
    CBadge() = default;
    CBadge(const char16_t* first, const char16_t* second);
    virtual ~CBadge() = default;
    const char16_t* GetFirstPath() const { return first_; }
    const char16_t* GetSecondPath() const { return second_; }

private:
    char16_t first_[BadgeNameCapacity] = {};
    char16_t second_[BadgeNameCapacity] = {};
};
