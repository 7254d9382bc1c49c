#include "archive/BadgeLookup.h"

#include <optional>
#include <algorithm>

#include "core/text/Format.h"
#include "core/text/TextTools.h"
#include "platform/Platform.h"

namespace {

char16_t AsciiLower(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; }

bool StartsWithNoCase(std::u16string_view text, std::size_t at, std::u16string_view part)
{
    if (text.size() - at < part.size()) return false;
    for (std::size_t k = 0; k < part.size(); ++k) {
        if (AsciiLower(text[at + k]) != AsciiLower(part[k])) return false;
    }
    return true;
}

bool IsSeparator(char16_t c) { return c == u'\\' || c == u'/'; }

std::u16string WithBackslashes(std::u16string_view name)
{
    std::u16string result(name);
    std::replace(result.begin(), result.end(), u'/', u'\\');
    return result;
}

std::u16string LowerAscii(std::u16string text)
{
    for (char16_t& c : text) c = AsciiLower(c);
    return text;
}

std::string EntryKey(std::string name)
{
    for (char& c : name) c = c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
    return name;
}

}  // namespace

void NormaliseBadgePath(const char16_t* source, char16_t* dest, std::size_t capacity)
{
    if (dest == nullptr || capacity == 0) return;
    dest[0] = 0;
    if (source == nullptr) return;
    const std::u16string_view text(source);
    if (text.find(u"%d") != std::u16string_view::npos) {
        CopyText(dest, text, capacity);
        return;
    }
    std::u16string result;
    for (std::size_t at = 0; at < text.size();) {
        const bool sizeFolder = StartsWithNoCase(text, at, u"Badge256") || StartsWithNoCase(text, at, u"Badge180");
        if (sizeFolder || StartsWithNoCase(text, at, u"BADGE%D")) {
            result += u"Badge%d";
            at += sizeFolder ? 8 : 7;
        } else {
            result += text[at++];
        }
    }
    CopyText(dest, result, capacity);
}

std::u16string FillBadgeSize(std::u16string_view name, int size)
{
    std::u16string result(name);
    for (std::size_t at = name.size(); at-- > 0;) {
        const bool folderStart = at == 0 || IsSeparator(name[at - 1]);
        const bool folderEnd = at + 7 < name.size() && IsSeparator(name[at + 7]);
        if (folderStart && folderEnd && StartsWithNoCase(name, at, u"badge%d")) {
            result.replace(at + 5, 2, Format(u"%d", size));
            break;
        }
    }
    return result;
}

bool IsBadgeName(std::u16string_view name)
{
    if (name.empty() || IsSeparator(name[0]) || platform::IsAbsolutePath(name)) return false;
    if (name.size() >= 2 && name[1] == u':') return false;
    std::size_t start = 0;
    while (start <= name.size()) {
        std::size_t end = start;
        while (end < name.size() && !IsSeparator(name[end])) ++end;
        if (name.substr(start, end - start) == u"..") return false;
        start = end + 1;
    }
    return true;
}

CBadgeSources::CBadgeSources(std::u16string folder, CMireloBig* archive, LooseFiles looseFiles)
    : folder_(std::move(folder)), archive_(archive), listed_(looseFiles == LooseFiles::Listed)
{
    if (listed_) ListFolder(folder_, {}, 0);
    if (!HasArchive()) return;
    const int count = archive_->GetCount();
    entries_.reserve(static_cast<std::size_t>(count));
    for (int index = 0; index < count; ++index) entries_.emplace(EntryKey(archive_->GetEntry(index).name), index);
}

void CBadgeSources::ListFolder(const std::u16string& folder, const std::u16string& relative, int depth)
{
    // Badges lie at most in country\size\file, or deeper below "color".
    constexpr int MaxDepth = 6;
    for (const std::u16string& name : platform::ListFolder(folder)) {
        const std::u16string path = platform::JoinPath(folder, name);
        const std::u16string key = LowerAscii(relative + name);
        if (platform::FileExists(path)) {
            looseFiles_.insert(key);
        } else if (depth < MaxDepth && platform::FolderExists(path)) {
            ListFolder(path, key + u"\\", depth + 1);
        }
    }
}

bool CBadgeSources::FileExists(const std::u16string& path) const
{
    const bool below = path.size() > folder_.size() && path.compare(0, folder_.size(), folder_) == 0 &&
                       path[folder_.size()] == u'\\';
    if (!listed_ || !below) return platform::FileExists(path);
    return looseFiles_.count(LowerAscii(WithBackslashes(path.substr(folder_.size() + 1)))) != 0;
}

std::u16string CBadgeSources::DiskPath(std::u16string_view name, int size) const
{
    if (!IsBadgeName(name)) return {};
    return folder_ + u"\\" + FillBadgeSize(WithBackslashes(name), size);
}

int CBadgeSources::FindEntry(std::u16string_view name, int size) const
{
    if (!HasArchive() || !IsBadgeName(name)) return -1;
    const std::u16string entry = u"Badges\\" + FillBadgeSize(WithBackslashes(name), size);
    const std::optional<std::string> bytes = platform::Utf16ToSystemCodePage(entry);
    if (!bytes) return -1;
    const auto found = entries_.find(EntryKey(*bytes));
    return found == entries_.end() ? -1 : found->second;
}

bool CBadgeSources::InArchive(std::u16string_view name, int size) const { return FindEntry(name, size) >= 0; }

bool CBadgeSources::ReadFromArchive(std::u16string_view name, int size, std::vector<std::uint8_t>& data) const
{
    const int index = FindEntry(name, size);
    if (index < 0) return false;
    const bool wasSilent = archive_->silent;
    archive_->silent = true;
    const bool read = archive_->ReadEntry(index, data, true);
    archive_->silent = wasSilent;
    return read;
}

bool OpenBadgesArchive(CMireloBig& archive, std::u16string_view folder)
{
    const bool wasSilent = archive.silent;
    archive.silent = true;
    const bool opened = archive.Open(platform::JoinPath(folder, u"badges.big"), true);
    archive.silent = wasSilent;
    return opened;
}

CMireloBig& GetBadgesArchive()
{
    static CMireloBig archive;
    static const bool tried = OpenBadgesArchive(archive, platform::GetBaseFolder());
    (void)tried;
    return archive;
}

const CBadgeSources& GetBadgeSources()
{
    static const CBadgeSources sources(platform::JoinPath(platform::GetBaseFolder(), u"Badges"), &GetBadgesArchive());
    return sources;
}

unsigned CheckClubBadgeFiles(const char16_t* badgePath, int sizeIndex, const CBadgeSources& sources)
{
    if (badgePath == nullptr || sizeIndex < AllBadgeSizes || sizeIndex > 3) return 0;
    char16_t name[BadgeNameCapacity];
    NormaliseBadgePath(badgePath, name, BadgeNameCapacity);
    unsigned flags = BadgeOnDisk | BadgeInArchive;
    for (int index = 0; index < 4; ++index) {
        if (sizeIndex != AllBadgeSizes && sizeIndex != index) continue;
        const std::u16string path = sources.DiskPath(name, BadgeSizes[index]);
        if (path.empty() || !sources.FileExists(path)) flags &= ~BadgeOnDisk;
        if (!sources.InArchive(name, BadgeSizes[index])) flags &= ~BadgeInArchive;
    }
    return flags;
}

std::unique_ptr<TDibImage> LoadBadgeDib(const char16_t* name, const CBadgeSources& sources)
{
    if (name == nullptr || name[0] == 0) return nullptr;
    const std::u16string path = sources.DiskPath(name, 256);
    if (path.empty()) return nullptr;
    if (auto image = LoadTgaDibFromFile(path)) return image;
    std::vector<std::uint8_t> data;
    if (!sources.ReadFromArchive(name, 256, data)) return nullptr;
    return LoadTgaDibFromMemory(data);
}

CBadge::CBadge(const char16_t* first, const char16_t* second)
{
    CopyText(first_, first, BadgeNameCapacity);
    CopyText(second_, second, BadgeNameCapacity);
}
