#pragma once
// The towns offered by the game's create-a-club feature, per country: a
// text file of '|'-separated lines that the towns dialog loads, edits,
// merges and saves. It lives beside the database, not in it.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct TTown {
    static constexpr std::size_t NameCapacity = 30;
    static constexpr std::size_t Text1Capacity = 12;
    static constexpr std::size_t Text2Capacity = 6;
    static constexpr int DigitCount = 6;

    // A town is known in its country by Name and SecondName together.
    bool SameNames(const TTown& other) const;
    bool operator==(const TTown& other) const;

    char16_t Name[NameCapacity] = {};
    std::int32_t Value1 = 0;
    std::int32_t Value2 = 0;
    char16_t SecondName[NameCapacity] = {};
    char16_t Text1[Text1Capacity] = {};
    char16_t Text2[Text2Capacity] = {};
    std::uint8_t Number = 0;
    std::uint8_t Digits1[DigitCount] = {};
    std::uint8_t Digits2[DigitCount] = {};
};

class TTownList {
public:
    static constexpr int FirstCountry = 1;
    static constexpr int LastCountry = 206;

    // Clears the list, then reads the file; false when it cannot be opened.
    // Malformed lines, countries outside 1..206 and a second town of the
    // same names in a country are skipped.
    bool Load(std::u16string_view path);
    // Written through a temporary file that replaces the old one only when
    // every line was written; false leaves the old file and the list's
    // path and state as they were.
    bool SaveAs(std::u16string_view path);
    bool Save() { return SaveAs(path_); }
    bool IsDirty() const { return dirty_; }
    const std::u16string& GetPath() const { return path_; }
    void Clear();

    int GetTownCount(int country) const;
    // An empty town for a bad country or index.
    const TTown& GetTown(int country, int index) const;
    // Marks the list changed only when the town differs from the stored one.
    bool SetTown(int country, int index, const TTown& town);
    // Refused when the country already has a town of the same names.
    bool AddTown(int country, const TTown& town);
    bool RemoveTown(int country, int index);
    bool Contains(int country, const TTown& town) const;

private:
    static bool IsCountry(int country) { return country >= FirstCountry && country <= LastCountry; }
    bool IsTown(int country, int index) const;
    void ReadLine(std::u16string_view line);

    std::array<std::vector<TTown>, LastCountry + 1> towns_;
    std::u16string path_;
    bool dirty_ = false;
    TTown empty_;
};
