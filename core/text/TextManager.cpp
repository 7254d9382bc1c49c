#include "core/text/TextManager.h"

#include <algorithm>

#include "core/text/TextTools.h"
#include "platform/Platform.h"
#include "platform/TextCodec.h"

namespace {
constexpr std::uint8_t Utf8Mark[] = {0xEF, 0xBB, 0xBF};
constexpr std::uint8_t Utf16LeMark[] = {0xFF, 0xFE};
// Key and six texts; an eighth field takes the rest of the line unsplit.
constexpr int MaxFields = 8;

bool StartsWith(std::span<const std::uint8_t> bytes, std::span<const std::uint8_t> mark)
{
    return bytes.size() >= mark.size() && std::equal(mark.begin(), mark.end(), bytes.begin());
}

std::string_view AsChars(std::span<const std::uint8_t> bytes)
{
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

bool IsValidLanguage(int language)
{
    return language >= 0 && language < CTextManager::LanguageCount;
}

const char16_t* KeyOrText(const char16_t* text, const char16_t* key)
{
    return text != nullptr ? text : key;
}
}  // namespace

CTextManager* CTextManager::Instance()
{
    static CTextManager store;
    return &store;
}

CTextManager::CTextManager() = default;
CTextManager::~CTextManager() = default;

bool CTextManager::LoadFile(const char16_t* path)
{
    Clear();
    if (path == nullptr || *path == 0) return false;
    const std::int64_t size = platform::FileSize(path);
    if (size < 1 || size >= MaxFileSize) return false;
    std::vector<std::uint8_t> bytes;
    if (!platform::ReadWholeFile(path, bytes)) return false;
    return LoadFromBytes(bytes);
}

bool CTextManager::LoadFromBytes(std::span<const std::uint8_t> bytes)
{
    Clear();
    if (bytes.empty() || static_cast<std::int64_t>(bytes.size()) >= MaxFileSize) return false;
    auto text = std::make_unique<std::u16string>();
    if (!Decode(bytes, *text)) return false;
    ParseText(*text);
    if (entries_.empty()) return false;
    text_ = std::move(text);
    FillLocaleCache();
    return true;
}

// Marked UTF-8 or UTF-16LE as written by the translators' tools; a file
// without mark is taken only when it is valid UTF-8, since any 8-bit
// guess would show garbled texts instead of refusing.
bool CTextManager::Decode(std::span<const std::uint8_t> bytes, std::u16string& text)
{
    if (bytes.size() >= 4 && StartsWith(bytes, Utf8Mark)) {
        text = platform::Utf8ToUtf16(AsChars(bytes.subspan(sizeof Utf8Mark)));
    } else if (bytes.size() >= 3 && StartsWith(bytes, Utf16LeMark)) {
        text = platform::Utf16LeToUtf16(bytes.subspan(sizeof Utf16LeMark));
    } else if (platform::IsValidUtf8(AsChars(bytes))) {
        text = platform::Utf8ToUtf16(AsChars(bytes));
    } else {
        return false;
    }
    const std::size_t terminator = text.find(u'\0');
    if (terminator != std::u16string::npos) text.resize(terminator);
    return true;
}

void CTextManager::ParseText(std::u16string& text)
{
    std::erase(text, u'\r');
    std::vector<Entry> found;
    char16_t* line = text.data();
    for (std::size_t lines = 1; lines < MaxLines; ++lines) {
        char16_t* end = std::find(line, text.data() + text.size(), u'\n');
        if (end == text.data() + text.size()) break;
        *end = 0;
        AddLine(line, found);
        line = end + 1;
    }
    AddLine(line, found);
    IndexEntries(found);
}

void CTextManager::AddLine(char16_t* line, std::vector<Entry>& found)
{
    if (*line == 0 || *line == u'#') return;
    char16_t* fields[MaxFields];
    const int count = SplitText(line, u'|', fields, MaxFields);
    if (count < 2) return;
    Entry entry{HashKey(fields[0]), {}};
    for (int language = 0; language < LanguageCount && language + 1 < count; ++language)
        entry.texts[language] = fields[language + 1];
    found.push_back(entry);
}

// One entry per hash; for every language the first line that has a text
// for it wins, so a repeated key (or a key with the same hash) adds nothing
// where the earlier line already had a text.
void CTextManager::IndexEntries(std::vector<Entry>& found)
{
    std::stable_sort(found.begin(), found.end(), [](const Entry& a, const Entry& b) { return a.hash < b.hash; });
    for (const Entry& entry : found) {
        if (entries_.empty() || entries_.back().hash != entry.hash) {
            entries_.push_back(entry);
            continue;
        }
        Entry& kept = entries_.back();
        for (int language = 0; language < LanguageCount; ++language)
            if (kept.texts[language] == nullptr) kept.texts[language] = entry.texts[language];
    }
    for (const Entry& entry : entries_) hashes_.push_back(entry.hash);
}

// A reload may come from the menu at any time while texts handed out
// earlier are still in use, so an old text stays allocated until exit.
void CTextManager::Clear()
{
    if (text_) retiredTexts_.push_back(std::move(text_));
    entries_.clear();
    hashes_.clear();
    for (auto& language : localeCache_)
        for (auto& entry : language) entry[0] = 0;
}

const CTextManager::Entry* CTextManager::FindEntry(std::uint32_t hash) const
{
    const auto found = std::lower_bound(hashes_.begin(), hashes_.end(), hash);
    return found != hashes_.end() && *found == hash ? &entries_[found - hashes_.begin()] : nullptr;
}

const char16_t* CTextManager::Lookup(std::uint32_t hash, int language) const
{
    const Entry* entry = FindEntry(hash);
    if (entry == nullptr) return nullptr;
    if (!longestTextMode_) return entry->texts[language];
    const char16_t* longest = nullptr;
    std::size_t longestLength = 0;
    for (const char16_t* text : entry->texts) {
        if (text == nullptr) continue;
        const std::size_t length = TextLength(text);
        if (longest == nullptr || length > longestLength) {
            longest = text;
            longestLength = length;
        }
    }
    return longest;
}

const char16_t* CTextManager::GetText(TextKey key) const
{
    return KeyOrText(Lookup(key.hash, language_), key.key);
}

const char16_t* CTextManager::GetText(const char16_t* key) const
{
    return KeyOrText(Lookup(HashKey(key), language_), key);
}

const char16_t* CTextManager::GetTextInLanguage(TextKey key, int language) const
{
    if (!IsValidLanguage(language)) return key.key;
    return KeyOrText(Lookup(key.hash, language), key.key);
}

const char16_t* CTextManager::GetTextInLanguage(const char16_t* key, int language) const
{
    if (!IsValidLanguage(language)) return key;
    return KeyOrText(Lookup(HashKey(key), language), key);
}

const char16_t* CTextManager::GetTextByHash(std::uint32_t hash) const
{
    return Lookup(hash, language_);
}

bool CTextManager::HasTextInLanguage(TextKey key, int language) const
{
    return IsValidLanguage(language) && Lookup(key.hash, language) != nullptr;
}

bool CTextManager::IsTextOfLanguage(std::u16string_view text) const
{
    return std::any_of(entries_.begin(), entries_.end(), [&](const Entry& entry) {
        return entry.texts[language_] != nullptr && text == entry.texts[language_];
    });
}

void CTextManager::SetLanguage(int language)
{
    if (IsValidLanguage(language)) language_ = language;
}

void CTextManager::SetLongestTextMode(bool on)
{
    if (on == longestTextMode_) return;
    longestTextMode_ = on;
    FillLocaleCache();
}

char16_t* CTextManager::NextScratchBuffer()
{
    thread_local char16_t buffers[ScratchCount][ScratchCapacity];
    thread_local std::size_t next = 0;
    char16_t* buffer = buffers[next];
    next = (next + 1) % ScratchCount;
    return buffer;
}
