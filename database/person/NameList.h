#pragma once
// The name tables of the game database. Master.dat stores a person's names
// as u16 indices into per-language, per-kind lists that the export writes
// once; each entry carries a weight from how often the name occurs.
//
// The export drives the lists in this order, on the program's single
// instance (GetNameList):
//   1. Reset(), then LoadFile(NameKindMale, "<base>\Database\MaleNames.txt"),
//      LoadFile(NameKindFemale, ...FemaleNames.txt),
//      LoadFile(NameKindSurname, ...Surnames.txt);
//   2. sizing pass: the person, pool and referee writers call AddName;
//   3. HasIndexOverflow(): when true the export fails (GetOverflowList
//      names the list), since a u16 index cannot reach the name;
//   4. NormaliseAll(), then SortAll();
//   5. writing pass: the lists 0..ListCount-1 (GetSerialisedSize, Serialise)
//      before the persons, whose AddName calls now find every name.
// Only one export uses the lists at a time.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

enum TNameKind : int {
    NameKindFemale = 0,
    NameKindMale = 1,
    // Pseudonyms of persons and a referee's further name.
    NameKindPseudonym = 2,
    NameKindNickname = 3,
    NameKindSurname = 4,
};

class CNameList {
public:
    static constexpr int KeyCount = 128;
    static constexpr int KindCount = 5;
    static constexpr int ListCount = KeyCount * KindCount;
    // Keys are language ids 0..62; the lists of higher keys stay empty.
    static constexpr int LanguageKeyCount = 63;
    static constexpr int MaxTextLength = 31;
    static constexpr std::size_t MaxEntries = 65536;
    // The weight that NormaliseAll spreads over a list's file names.
    static constexpr std::uint32_t WeightTotal = 16534;

    struct TEntry {
        std::uint32_t key = 0;
        char16_t text[MaxTextLength + 1] = {};
        std::uint32_t length = 0;
        std::uint32_t count = 0;
    };

    class TList {
    public:
        int GetCount() const { return static_cast<int>(entries_.size()); }
        const TEntry& GetEntry(int index) const { return entries_[static_cast<std::size_t>(index)]; }
        int GetFileEntryCount() const { return static_cast<int>(fileEntryCount_); }
        bool IsSorted() const { return sorted_; }
        // -1 when the text is not listed.
        int Find(std::u16string_view text) const;

    private:
        friend class CNameList;
        void Clear();
        // Appends without looking; the caller checks the room.
        int Append(std::u16string_view text, std::uint32_t count);
        void Sort();
        void RebuildIndex();

        std::vector<TEntry> entries_;
        // Hash of the text -> positions, so that lookups cost no scan.
        std::unordered_multimap<std::uint32_t, std::uint32_t> index_;
        std::uint32_t fileEntryCount_ = 0;
        bool sorted_ = false;
    };

    // h = h * 0x1003F + c over the UTF-16 units; 0 for an empty text.
    static std::uint32_t Hash(std::u16string_view text);
    // The list number of (key, kind): key * 5 + kind.
    static int ListNumber(int key, int kind) { return key * KindCount + kind; }

    CNameList();

    // Null for a key outside 0..62 or a kind outside 0..4.
    TList* GetList(int key, int kind);
    const TList* GetList(int key, int kind) const;
    // Every list by its number 0..ListCount-1 (the export writes all of
    // them, the empty ones of keys 63 on included); null outside.
    const TList* GetListByNumber(int number) const;

    // The keys 0..62: every list holds only the blank " " (count 1) as
    // entry 0, file-entry counts 0; the overflow mark is cleared.
    void Reset();
    // The index of the text in list (key, kind), appended when new (cut
    // to 31 units, count 1); with increment a found name's count grows by
    // 1. An empty text, a refused key or kind give 0. A list that would
    // need an index above 65,535 keeps its entries, gives 0 and marks the
    // overflow.
    int AddName(int key, int kind, std::u16string_view text, bool increment);
    int AddName(int key, int kind, const char16_t* text, bool increment);
    // A name file (Windows-1252) into the lists of that kind: "%N" sets
    // the key, every other non-empty line is found or appended with count
    // 1. An empty path or a file that cannot be read does nothing. Lines
    // under keys outside 0..62, with NUL or undefined bytes, are dropped;
    // longer lines are cut to 31 characters.
    void LoadFile(int kind, std::u16string_view path);
    void LoadBytes(int kind, std::span<const std::uint8_t> bytes);

    // The weights: per list of keys 0..62 the file names share 16534 by
    // their counts, names met only in the database weigh 1, the blank
    // keeps its count.
    void NormaliseAll();
    // Every list by hash, then text; lookups then find the sorted places.
    void SortAll();

    // Serialised list: u32 entries, u32 file-entry count, u32 0, then per
    // entry its text in the game's 8-bit encoding with a zero byte and its
    // u32 count. 12 bytes for an empty or missing list.
    std::uint32_t GetSerialisedSize(int number) const;
    // Writes exactly GetSerialisedSize bytes; false, writing nothing, when
    // the buffer is smaller.
    bool Serialise(int number, std::uint8_t* buffer, std::size_t size) const;
    std::vector<std::uint8_t> Serialise(int number) const;

    // Since the last Reset some name found no u16 index.
    bool HasIndexOverflow() const { return overflowList_ >= 0; }
    // The number of the first list that ran full; -1 when none did.
    int GetOverflowList() const { return overflowList_; }

private:
    static bool IsLanguageKey(int key) { return key >= 0 && key < LanguageKeyCount; }
    static bool IsKind(int kind) { return kind >= 0 && kind < KindCount; }
    void NormaliseList(TList& list);

    std::vector<TList> lists_;
    int overflowList_ = -1;
};

// The key a block writer uses for a person's or entry's language: the key
// itself when it is 0..62, else the country's first language when that is
// 0..62, else 0.
int ClampNameListKey(int key, int countryLanguage);

// The program's single name lists.
CNameList& GetNameList();
