#pragma once
// The rows of the six-language names grid: the continental cup titles, the
// names of one country's competitions and league levels, and one club's
// name fields, each row read from and written back to its record.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class TClub;
class TCountry;
class TRulesAndMisc;

struct LocalisationRow {
    enum class Source { CupTitle, Competition, LeagueLevel, ClubField };
    enum ClubField { Name, ShortName, Abbreviation, Town, StadiumName };
    static constexpr int Languages = 6;

    // The text key of the row's label.
    const char16_t* key = u"";
    int maxLength = 29;
    Source source = Source::CupTitle;
    // Cup titles: continent and cup; a competition: its id; a level: the
    // level; a club row: the ClubField.
    std::uint32_t first = 0;
    int second = 0;
    std::array<std::u16string, Languages> texts;
};

class LocalisationRows {
public:
    static std::vector<LocalisationRow> WorldRows(const TRulesAndMisc& rules);
    static void StoreWorldRows(TRulesAndMisc& rules, const std::vector<LocalisationRow>& rows);

    // The country's national cup, super cup, league cups, named league
    // levels (in the database language), leagues and relegation
    // competitions, each only when it exists.
    static std::vector<LocalisationRow> CountryRows(TCountry& country, int databaseLanguage);
    static void StoreCountryRows(TCountry& country, const std::vector<LocalisationRow>& rows);

    static std::vector<LocalisationRow> ClubRows(const TClub& club);
    // A short name or abbreviation given in one language also fills the
    // languages left empty.
    static void StoreClubRows(TClub& club, const std::vector<LocalisationRow>& rows);

    // A national team is listed in parentheses.
    static std::u16string ClubComboText(const TClub& club);
};
