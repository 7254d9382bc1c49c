#include "database/person/NameList.h"

#include <algorithm>
#include <cstring>

#include "core/text/TextTools.h"
#include "database/person/NameFile.h"
#include "platform/Platform.h"
#include "platform/TextCodec.h"

namespace {
constexpr std::u16string_view Blank = u" ";
constexpr std::size_t HeaderBytes = 12;
// The text's zero byte and the u32 count.
constexpr std::size_t EntryOverhead = 5;

// At most 31 units, never half of a surrogate pair.
std::u16string_view CutToListLength(std::u16string_view text)
{
    if (text.size() <= CNameList::MaxTextLength) return text;
    std::size_t length = CNameList::MaxTextLength;
    if (platform::IsHighSurrogate(text[length - 1])) --length;
    return text.substr(0, length);
}

bool EntryLess(const CNameList::TEntry& a, const CNameList::TEntry& b)
{
    if (a.key != b.key) return a.key < b.key;
    return std::u16string_view(a.text, a.length) < std::u16string_view(b.text, b.length);
}

void PutU32(std::uint8_t*& out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8) *out++ = static_cast<std::uint8_t>(value >> shift);
}

// One byte per UTF-16 unit, so that the size follows the stored length.
void PutGameText(std::uint8_t*& out, const CNameList::TEntry& entry)
{
    for (std::uint32_t i = 0; i < entry.length; ++i) {
        const char16_t unit[2] = {entry.text[i], 0};
        std::uint8_t bytes[2] = {};
        ToGameCodepage(unit, bytes, sizeof bytes);
        *out++ = bytes[0];
    }
    *out++ = 0;
}
}  // namespace

int CNameList::TList::Find(std::u16string_view text) const
{
    const auto [first, last] = index_.equal_range(Hash(text));
    for (auto it = first; it != last; ++it) {
        const TEntry& entry = entries_[it->second];
        if (std::u16string_view(entry.text, entry.length) == text) return static_cast<int>(it->second);
    }
    return -1;
}

void CNameList::TList::Clear()
{
    entries_.clear();
    index_.clear();
    fileEntryCount_ = 0;
    sorted_ = false;
}

int CNameList::TList::Append(std::u16string_view text, std::uint32_t count)
{
    TEntry entry;
    entry.key = Hash(text);
    std::copy(text.begin(), text.end(), entry.text);
    entry.length = static_cast<std::uint32_t>(text.size());
    entry.count = count;
    const auto position = static_cast<std::uint32_t>(entries_.size());
    entries_.push_back(entry);
    index_.emplace(entry.key, position);
    sorted_ = false;
    return static_cast<int>(position);
}

void CNameList::TList::Sort()
{
    std::sort(entries_.begin(), entries_.end(), EntryLess);
    RebuildIndex();
    sorted_ = true;
}

void CNameList::TList::RebuildIndex()
{
    index_.clear();
    for (std::size_t i = 0; i < entries_.size(); ++i) index_.emplace(entries_[i].key, static_cast<std::uint32_t>(i));
}

std::uint32_t CNameList::Hash(std::u16string_view text)
{
    std::uint32_t hash = 0;
    for (char16_t unit : text) hash = hash * 0x1003Fu + unit;
    return hash;
}

CNameList::CNameList() : lists_(ListCount) {}

CNameList::TList* CNameList::GetList(int key, int kind)
{
    return IsLanguageKey(key) && IsKind(kind) ? &lists_[static_cast<std::size_t>(ListNumber(key, kind))] : nullptr;
}

const CNameList::TList* CNameList::GetList(int key, int kind) const
{
    return const_cast<CNameList*>(this)->GetList(key, kind);
}

const CNameList::TList* CNameList::GetListByNumber(int number) const
{
    return number >= 0 && number < ListCount ? &lists_[static_cast<std::size_t>(number)] : nullptr;
}

void CNameList::Reset()
{
    for (int key = 0; key < LanguageKeyCount; ++key) {
        for (int kind = 0; kind < KindCount; ++kind) {
            TList& list = *GetList(key, kind);
            list.Clear();
            list.Append(Blank, 1);
        }
    }
    overflowList_ = -1;
}

int CNameList::AddName(int key, int kind, std::u16string_view text, bool increment)
{
    TList* list = GetList(key, kind);
    if (text.empty() || !list) return 0;
    text = CutToListLength(text);
    const int found = list->Find(text);
    if (found >= 0) {
        if (increment) ++list->entries_[static_cast<std::size_t>(found)].count;
        return found;
    }
    if (list->entries_.size() >= MaxEntries) {
        if (overflowList_ < 0) overflowList_ = ListNumber(key, kind);
        return 0;
    }
    return list->Append(text, 1);
}

int CNameList::AddName(int key, int kind, const char16_t* text, bool increment)
{
    return AddName(key, kind, text ? std::u16string_view(text) : std::u16string_view(), increment);
}

void CNameList::LoadFile(int kind, std::u16string_view path)
{
    std::vector<std::uint8_t> bytes;
    if (path.empty() || !platform::ReadWholeFile(path, bytes)) return;
    LoadBytes(kind, bytes);
}

void CNameList::LoadBytes(int kind, std::span<const std::uint8_t> bytes)
{
    if (!IsKind(kind)) return;
    for (const TNameFileLine& line : ReadNameFileLines(bytes, bytes.size())) {
        TList& list = *GetList(line.key, kind);
        const std::u16string_view text = CutToListLength(line.text);
        int index = list.Find(text);
        if (index < 0) {
            if (list.entries_.size() >= MaxEntries) {
                if (overflowList_ < 0) overflowList_ = ListNumber(line.key, kind);
                continue;
            }
            index = list.Append(text, 1);
        }
        list.entries_[static_cast<std::size_t>(index)].count = 1;
        list.fileEntryCount_ = static_cast<std::uint32_t>(list.entries_.size());
    }
}

void CNameList::NormaliseList(TList& list)
{
    const std::size_t fileEntries = std::min<std::size_t>(list.fileEntryCount_, list.entries_.size());
    std::uint64_t total = 0;
    for (std::size_t i = 0; i < fileEntries; ++i) total += list.entries_[i].count;
    if (total > 0) {
        std::uint64_t sum = 0;
        for (std::size_t i = 1; i < fileEntries; ++i) {
            std::uint32_t& count = list.entries_[i].count;
            const double weight = static_cast<double>(count) * WeightTotal / static_cast<double>(total);
            count = std::max<std::uint32_t>(1, static_cast<std::uint32_t>(weight));
            sum += count;
        }
        for (std::size_t i = 1; i < fileEntries && sum < WeightTotal; ++i, ++sum) ++list.entries_[i].count;
    }
    for (std::size_t i = std::max<std::size_t>(fileEntries, 1); i < list.entries_.size(); ++i) list.entries_[i].count = 1;
}

void CNameList::NormaliseAll()
{
    for (int key = 0; key < LanguageKeyCount; ++key) {
        for (int kind = 0; kind < KindCount; ++kind) NormaliseList(*GetList(key, kind));
    }
}

void CNameList::SortAll()
{
    for (TList& list : lists_) list.Sort();
}

std::uint32_t CNameList::GetSerialisedSize(int number) const
{
    const TList* list = GetListByNumber(number);
    std::size_t size = HeaderBytes;
    if (list) {
        for (const TEntry& entry : list->entries_) size += entry.length + EntryOverhead;
    }
    return static_cast<std::uint32_t>(size);
}

bool CNameList::Serialise(int number, std::uint8_t* buffer, std::size_t size) const
{
    if (!buffer || size < GetSerialisedSize(number)) return false;
    const TList* list = GetListByNumber(number);
    std::uint8_t* out = buffer;
    PutU32(out, list ? static_cast<std::uint32_t>(list->entries_.size()) : 0);
    PutU32(out, list ? list->fileEntryCount_ : 0);
    PutU32(out, 0);
    if (!list) return true;
    for (const TEntry& entry : list->entries_) {
        PutGameText(out, entry);
        PutU32(out, entry.count);
    }
    return true;
}

std::vector<std::uint8_t> CNameList::Serialise(int number) const
{
    std::vector<std::uint8_t> bytes(GetSerialisedSize(number));
    Serialise(number, bytes.data(), bytes.size());
    return bytes;
}

int ClampNameListKey(int key, int countryLanguage)
{
    if (key >= 0 && key < CNameList::LanguageKeyCount) return key;
    return countryLanguage >= 0 && countryLanguage < CNameList::LanguageKeyCount ? countryLanguage : 0;
}

CNameList& GetNameList()
{
    static CNameList lists;
    return lists;
}
