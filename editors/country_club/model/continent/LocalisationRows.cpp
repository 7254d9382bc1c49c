#include "editors/country_club/model/continent/LocalisationRows.h"

#include <algorithm>
#include <string_view>

#include "competition/Competition.h"
#include "competition/CompetitionId.h"
#include "core/text/Format.h"
#include "database/club/Club.h"
#include "database/country/Country.h"
#include "database/country/RulesAndMisc.h"

namespace {

constexpr int Languages = LocalisationRow::Languages;
constexpr int TitleLength = 29;
constexpr int LeagueCups = 16;
constexpr int LeagueLevels = 16;
constexpr int Leagues = 32;
constexpr int Relegations = 64;

struct WorldRow {
    const char16_t* key;
    int continent;
    int cup;
};

constexpr WorldRow worldRows[] = {
    {u"Dialog.Continent.Europe.ChampionsCupTitle", 0, 0},
    {u"Dialog.Continent.Europe.TrophyTitle", 0, 1},
    {u"Dialog.Continent.Europe.UICTitle", 0, 2},
    {u"Dialog.Continent.SouthAmerica.ChampionsCupTitle", 1, 0},
    {u"Dialog.Continent.SouthAmerica.TrophyTitle", 1, 1},
    {u"Dialog.Continent.NorthAmerica.ChampionsCupTitle", 2, 0},
    {u"Dialog.Continent.Africa.ChampionsCupTitle", 3, 0},
    {u"Dialog.Continent.Asia.ChampionsCupTitle", 4, 0},
    {u"Dialog.Continent.Asia.TrophyTitle", 4, 1},
    {u"Dialog.Continent.Oceania.ChampionsCupTitle", 5, 0},
};

struct ClubRow {
    const char16_t* key;
    int maxLength;
    LocalisationRow::ClubField field;
};

constexpr ClubRow clubRows[] = {
    {u"Club.Name", 29, LocalisationRow::Name},
    {u"Club.ShortName", 10, LocalisationRow::ShortName},
    {u"Club.Abbreviation", 4, LocalisationRow::Abbreviation},
    {u"Club.Town", 29, LocalisationRow::Town},
    {u"Club.Stadium", 29, LocalisationRow::StadiumName},
};

std::u16string Text(const char16_t* text)
{
    return text ? std::u16string(text) : std::u16string();
}

std::u16string Cut(const std::u16string& text, int maxLength)
{
    return text.substr(0, static_cast<std::size_t>(maxLength));
}

CDBCompetition* FindCompetition(TCountry& country, std::uint32_t id)
{
    return dynamic_cast<CDBCompetition*>(country.GetCompetitionRegistry().Get(id));
}

void AddCompetitionRow(std::vector<LocalisationRow>& rows, TCountry& country, const char16_t* key, std::uint32_t id)
{
    const CDBCompetition* competition = FindCompetition(country, id);
    if (!competition) return;
    LocalisationRow row;
    row.key = key;
    row.source = LocalisationRow::Source::Competition;
    row.first = id;
    for (int language = 0; language < Languages; ++language) row.texts[language] = Text(competition->GetNameInLanguage(language));
    rows.push_back(std::move(row));
}

std::uint32_t CountryCompetition(const TCountry& country, std::uint32_t type, int index)
{
    return MakeCompetitionId(static_cast<std::uint32_t>(country.GetId()), type, static_cast<std::uint32_t>(index));
}

std::u16string ClubText(const TClub& club, LocalisationRow::ClubField field, int language)
{
    switch (field) {
    case LocalisationRow::Name: return Text(club.GetNameForLanguage(language));
    case LocalisationRow::ShortName: return Text(club.GetShortNameForLanguage(language));
    case LocalisationRow::Abbreviation: return Text(club.GetAbbreviationForLanguage(language));
    case LocalisationRow::Town: return Text(club.GetTownForLanguage(language));
    case LocalisationRow::StadiumName: return Text(club.GetStadiumNameForLanguage(language));
    }
    return {};
}

void SetClubText(TClub& club, LocalisationRow::ClubField field, int language, const char16_t* text)
{
    switch (field) {
    case LocalisationRow::Name: club.SetNameForLanguage(language, text); break;
    case LocalisationRow::ShortName: club.SetShortNameForLanguage(language, text); break;
    case LocalisationRow::Abbreviation: club.SetAbbreviationForLanguage(language, text); break;
    case LocalisationRow::Town: club.SetTownForLanguage(language, text); break;
    case LocalisationRow::StadiumName: club.SetStadiumNameForLanguage(language, text); break;
    }
}

bool FillsEmptyLanguages(LocalisationRow::ClubField field)
{
    return field == LocalisationRow::ShortName || field == LocalisationRow::Abbreviation;
}

}  // namespace

std::vector<LocalisationRow> LocalisationRows::WorldRows(const TRulesAndMisc& rules)
{
    std::vector<LocalisationRow> rows;
    for (const WorldRow& world : worldRows) {
        LocalisationRow row;
        row.key = world.key;
        row.source = LocalisationRow::Source::CupTitle;
        row.first = static_cast<std::uint32_t>(world.continent);
        row.second = world.cup;
        for (int language = 0; language < Languages; ++language) {
            row.texts[language] = Text(rules.GetCupTitle(world.continent, world.cup, language));
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

void LocalisationRows::StoreWorldRows(TRulesAndMisc& rules, const std::vector<LocalisationRow>& rows)
{
    for (const LocalisationRow& row : rows) {
        if (row.source != LocalisationRow::Source::CupTitle) continue;
        for (int language = 0; language < Languages; ++language) {
            rules.SetCupTitle(static_cast<int>(row.first), row.second, language, Cut(row.texts[language], TitleLength).c_str());
        }
    }
}

std::vector<LocalisationRow> LocalisationRows::CountryRows(TCountry& country, int databaseLanguage)
{
    std::vector<LocalisationRow> rows;
    AddCompetitionRow(rows, country, u"Competition.FACup", CountryCompetition(country, TypeFaCup, 0));
    AddCompetitionRow(rows, country, u"Competition.SuperCup", CountryCompetition(country, TypeSuperCup, 0));
    for (int index = 0; index < LeagueCups; ++index) {
        AddCompetitionRow(rows, country, u"Competition.LeagueCup", CountryCompetition(country, TypeLeagueCup, index));
    }
    for (int level = 0; level < LeagueLevels; ++level) {
        if (Text(country.GetLeagueLevelNameInLanguage(databaseLanguage, level)).empty()) continue;
        LocalisationRow row;
        row.key = u"Competition.LeagueLevel";
        row.source = LocalisationRow::Source::LeagueLevel;
        row.second = level;
        for (int language = 0; language < Languages; ++language) {
            row.texts[language] = Text(country.GetLeagueLevelNameInLanguage(language, level));
        }
        rows.push_back(std::move(row));
    }
    for (int index = 0; index < Leagues; ++index) {
        AddCompetitionRow(rows, country, u"Competition.League", country.GetLeagueId(index));
    }
    for (int index = 0; index < Relegations; ++index) {
        AddCompetitionRow(rows, country, u"Competition.Relegation", CountryCompetition(country, TypeRelegation, index));
    }
    return rows;
}

void LocalisationRows::StoreCountryRows(TCountry& country, const std::vector<LocalisationRow>& rows)
{
    for (const LocalisationRow& row : rows) {
        if (row.source == LocalisationRow::Source::LeagueLevel) {
            for (int language = 0; language < Languages; ++language) {
                country.SetLeagueLevelName(language, row.second, Cut(row.texts[language], TitleLength).c_str());
            }
        } else if (row.source == LocalisationRow::Source::Competition) {
            CDBCompetition* competition = FindCompetition(country, row.first);
            if (!competition) continue;
            // The grid's editor takes 29 characters, but a competition keeps
            // longer names, which are written back whole.
            for (int language = 0; language < Languages; ++language) competition->SetName(language, row.texts[language].c_str());
        }
    }
}

std::vector<LocalisationRow> LocalisationRows::ClubRows(const TClub& club)
{
    std::vector<LocalisationRow> rows;
    for (const ClubRow& clubRow : clubRows) {
        LocalisationRow row;
        row.key = clubRow.key;
        row.maxLength = clubRow.maxLength;
        row.source = LocalisationRow::Source::ClubField;
        row.second = clubRow.field;
        for (int language = 0; language < Languages; ++language) row.texts[language] = ClubText(club, clubRow.field, language);
        rows.push_back(std::move(row));
    }
    return rows;
}

void LocalisationRows::StoreClubRows(TClub& club, const std::vector<LocalisationRow>& rows)
{
    for (const LocalisationRow& row : rows) {
        if (row.source != LocalisationRow::Source::ClubField) continue;
        const auto field = static_cast<LocalisationRow::ClubField>(row.second);
        std::u16string filler;
        for (int language = 0; language < Languages; ++language) {
            const std::u16string text = Cut(row.texts[language], row.maxLength);
            if (filler.empty()) filler = text;
            SetClubText(club, field, language, text.c_str());
        }
        if (!FillsEmptyLanguages(field) || filler.empty()) continue;
        for (int language = 0; language < Languages; ++language) {
            if (ClubText(club, field, language).empty()) SetClubText(club, field, language, filler.c_str());
        }
    }
}

std::u16string LocalisationRows::ClubComboText(const TClub& club)
{
    const std::u16string name = Text(club.GetName());
    return IsNationalTeamId(club.GetId()) ? Format(u"(%s)", name.c_str()) : name;
}
