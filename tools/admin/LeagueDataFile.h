#pragma once
// The league data file ("LGDB") of the administration menu: the entered
// teams, both calendars and the fixture table of every league of a country.
// A file is read and checked whole before anything is applied, so a
// damaged or foreign file changes nothing.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

class TCompetitionRegistry;

class CLeagueDataFile {
public:
    static constexpr int MaxRecords = 32;
    static constexpr int CalendarDays = 365;

    // The file's bytes for the country's leagues 0..31 that exist.
    static std::vector<std::uint8_t> Export(const TCompetitionRegistry& registry, std::uint32_t country);

    // Reads and checks the whole file against the country's leagues; false
    // with a message naming the fault, and nothing kept.
    bool Read(std::span<const std::uint8_t> bytes, const TCompetitionRegistry& registry, std::uint32_t country,
              std::u16string& error);
    // Replaces the teams, calendars and fixtures of every league read.
    void Apply(TCompetitionRegistry& registry) const;
    int GetRecordCount() const { return static_cast<int>(records_.size()); }

private:
    using Match = std::pair<std::uint8_t, std::uint8_t>;
    struct Record {
        std::uint32_t id = 0;
        std::vector<std::uint32_t> teams;
        std::array<std::array<std::int8_t, CalendarDays>, 2> calendars{};
        std::vector<std::vector<Match>> matchdays;
    };
    bool ReadRecord(class CByteReader& reader, std::uint32_t id, const TCompetitionRegistry& registry,
                    std::uint32_t country, std::u16string& error);

    std::vector<Record> records_;
};
