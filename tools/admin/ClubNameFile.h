#pragma once
// The club-name file of the administration menu: a country byte, then per
// club its unique id and its names in the six database languages. An import
// is read and checked whole before any name changes.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

class TCompleteWorld;
class TClub;
class TCountry;

class CClubNameFile {
public:
    static constexpr int Languages = 6;
    static constexpr std::uint32_t MaxNameLength = 63;

    // The file's bytes: every club of the country in club order, the
    // national team included.
    static std::vector<std::uint8_t> Export(const TCountry& country);

    // Reads and checks the whole file for the country; false with the
    // message to show, and nothing kept.
    bool Read(std::span<const std::uint8_t> bytes, const TCompleteWorld& world, int country, std::u16string& error);
    void Apply() const;

private:
    struct Record {
        TClub* club = nullptr;
        std::array<std::u16string, Languages> names;
    };
    std::vector<Record> records_;
};
