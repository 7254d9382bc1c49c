#pragma once
// The reference calendar of every country's leagues: per country, league
// 0..31, matchday 1..46 and season the day it falls on, read from
// "LeagueMaster.dat" and compared with the edited calendars.

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

class TCompetitionRegistry;

class TLeagueMaster {
public:
    static constexpr int Countries = 208;
    static constexpr int Entries = 2944;
    using Table = std::array<std::uint16_t, Entries>;

    TLeagueMaster() = default;
    // The calendars it is compared with are those of registry.
    explicit TLeagueMaster(const TCompetitionRegistry* registry) : registry_(registry) {}

    // False for a missing or foreign file, a version of 2 or more, or one
    // that ends early; the tables are then as they were.
    bool Load(std::u16string_view path);
    // "LGMS", version 1, then each country's flag and table; written to a
    // temporary file that replaces the old one only when complete.
    bool Save(std::u16string_view path) const;
    void Build(const TCompetitionRegistry& registry, int countryId);
    bool Verify(const TCompetitionRegistry& registry, int countryId) const;
    // Verify against the calendars of the registry it was made for; true
    // without one (nothing to compare).
    bool MatchesCountry(int countryId) const { return registry_ == nullptr || Verify(*registry_, countryId); }
    void Free();
    bool HasTable(int countryId) const;
    // Null outside the table: matchday 46 of league 31 has no slot.
    std::uint16_t* GetEntry(int countryId, int league, int matchday, int season);
    const std::uint16_t* GetEntry(int countryId, int league, int matchday, int season) const;

private:
    std::array<std::uint8_t, Countries> flags_{};
    std::array<std::unique_ptr<Table>, Countries> tables_;
    const TCompetitionRegistry* registry_ = nullptr;
};

bool SaveLeagueMaster(const TLeagueMaster& master, std::u16string_view path);
