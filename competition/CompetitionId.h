#pragma once
// Competition ids: country byte, type byte and a 16-bit index, with their
// text form "{ country, TYPE, index }".

#include <cstdint>
#include <string>
#include <string_view>

class TCompetitionRegistry;

enum CompetitionType : std::uint32_t {
    TypeRoot = 0, TypeLeague = 1, TypeFaCup = 3, TypeLeagueCup = 4, TypeSuperCup = 7, TypeRelegation = 8,
    TypeChampionsLeague = 9, TypeUefaCup = 10, TypeToyota = 11, TypeEuroSuperCup = 12, TypeWorldClubChamp = 13,
    TypeUic = 14, TypeQualiWc = 15, TypeQualiEc = 16, TypeWorldCup = 17, TypeEuroCup = 18, TypePool = 24
};

constexpr std::uint32_t InternationalCountry = 249;
constexpr std::uint32_t InternationalRootId = 0xF9000000;

constexpr std::uint32_t MakeCompetitionId(std::uint32_t country, std::uint32_t type, std::uint32_t index)
{
    return (((country << 8) + type) << 16) + index;
}
constexpr std::uint32_t CountryOfId(std::uint32_t id) { return id >> 24; }
constexpr std::uint32_t TypeOfId(std::uint32_t id) { return (id >> 16) & 0xFF; }
constexpr std::uint32_t IndexOfId(std::uint32_t id) { return id & 0xFFFF; }
constexpr std::uint32_t ReplaceCountry(std::uint32_t id, std::uint32_t country)
{
    return country == 0xFFFFFFFF ? id : (id & 0xFFFFFF) + (country << 24);
}

struct TCompetitionRef {
    std::int32_t country = 0;
    std::uint32_t type = 0;
    std::int32_t index = 0;
    // Where reading stopped: past the last part found.
    std::size_t end = 0;
    bool complete = false;
};

// The integer after leading blanks and an optional sign; 0 without digits.
std::int32_t ParseLeadingInt(std::u16string_view text);
// "{country, TYPE, index}"; a missing brace or comma leaves the later parts 0.
TCompetitionRef ParseCompetitionRef(std::u16string_view text);
// A negative country becomes defaultCountry.
std::uint32_t ParseCompetitionId(std::u16string_view text, std::uint8_t defaultCountry);
// "{ country, TYPE, index }"; the country byte printed unsigned, or
// countryOverride when it is not -1.
std::u16string FormatCompetitionRef(std::uint32_t id, std::int32_t countryOverride = -1);
class CDBCompetition;
// In the current world; null without one or when no competition has the id.
CDBCompetition* GetCompetitionById(std::uint32_t id);
CDBCompetition* GetCompetition(std::uint32_t country, std::uint32_t type, std::uint32_t index);
// The competition's name in the world's database language, else empty.
std::u16string GetCompetitionNameById(const TCompetitionRegistry& registry, std::uint32_t id);
