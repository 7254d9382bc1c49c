// Reading "Database\Countries.sav": a version line, then seven lines per
// country 1..207 (names, abbreviations, per-language bytes, continent, first
// and second language, a value kept with the continent).

#include <array>
#include <vector>

#include "core/files/IndexTextFile.h"
#include "core/text/TextManager.h"
#include "database/world/CompleteWorld.h"
#include "platform/Platform.h"
#include "core/files/FileMessages.h"

struct TCountryListEntry {
    std::array<std::u16string, TCountry::LanguageCount> names;
    std::array<std::u16string, TCountry::LanguageCount> abbreviations;
    std::array<std::uint8_t, TCountry::LanguageCount> languageBytes{};
    int continent = 0;
    int firstLanguage = 0;
    int secondLanguage = 0;
    int continentValue = 0;
};

namespace {

constexpr std::u16string_view VersionPrefix = u"Countries Version: ";
constexpr int FieldsPerLine = 7;
constexpr int LinesPerCountry = 7;

std::u16string_view Trim(std::u16string_view text)
{
    const std::size_t first = text.find_first_not_of(u" \t");
    if (first == std::u16string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(u" \t") - first + 1);
}

std::vector<std::u16string_view> SplitFields(std::u16string_view line)
{
    std::vector<std::u16string_view> fields;
    line = Trim(line);
    while (static_cast<int>(fields.size()) < FieldsPerLine) {
        const std::size_t comma = line.find(u',');
        fields.push_back(line.substr(0, comma));
        if (comma == std::u16string_view::npos) break;
        line.remove_prefix(comma + 1);
    }
    return fields;
}

// Leading blanks, a sign and the digits up to the first other character.
int ParseInt(std::u16string_view text)
{
    text = Trim(text);
    bool negative = false;
    if (!text.empty() && (text[0] == u'-' || text[0] == u'+')) {
        negative = text[0] == u'-';
        text.remove_prefix(1);
    }
    unsigned value = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9') break;
        value = value * 10 + static_cast<unsigned>(c - u'0');
    }
    return static_cast<int>(negative ? 0u - value : value);
}

// One field per database language; a missing field takes field 0.
std::array<std::u16string, TCountry::LanguageCount> PerLanguage(std::u16string_view line)
{
    const auto fields = SplitFields(line);
    std::array<std::u16string, TCountry::LanguageCount> texts;
    for (int language = 0; language < TCountry::LanguageCount; ++language) {
        if (language < static_cast<int>(fields.size())) {
            texts[language] = fields[language];
        } else {
            texts[language] = fields[0];
        }
    }
    return texts;
}

bool ReadVersionLine(CIndexTextFile& file, int& version)
{
    std::u16string line;
    if (!file.ReadCString(line) || !std::u16string_view(line).starts_with(VersionPrefix)) return false;
    const std::u16string_view number = std::u16string_view(line).substr(VersionPrefix.size());
    if (number.empty() || number[0] < u'0' || number[0] > u'9') return false;
    version = ParseInt(number);
    return version >= 2;
}

bool ReadEntry(CIndexTextFile& file, TCountryListEntry& entry)
{
    std::u16string lines[LinesPerCountry];
    for (std::u16string& line : lines) {
        if (!file.ReadCString(line)) return false;
    }
    entry.names = PerLanguage(lines[0]);
    entry.abbreviations = PerLanguage(lines[1]);
    const auto bytes = PerLanguage(lines[2]);
    for (int language = 0; language < TCountry::LanguageCount; ++language) {
        entry.languageBytes[language] = static_cast<std::uint8_t>(ParseInt(bytes[language]));
    }
    entry.continent = ParseInt(lines[3]);
    entry.firstLanguage = ParseInt(lines[4]);
    entry.secondLanguage = ParseInt(lines[5]);
    entry.continentValue = ParseInt(lines[6]);
    return true;
}

// All or nothing: a damaged file must not leave half of the countries named.
bool ReadCountryList(CIndexTextFile& file, std::vector<TCountryListEntry>& entries, int& version)
{
    if (!ReadVersionLine(file, version)) return false;
    entries.resize(TCompleteWorld::LastCountryId + 1);
    for (int id = 1; id <= TCompleteWorld::LastCountryId; ++id) {
        if (!ReadEntry(file, entries[static_cast<std::size_t>(id)])) return false;
    }
    return true;
}

void ApplyEntry(TCountry& country, const TCountryListEntry& entry, int version)
{
    for (int language = 0; language < TCountry::LanguageCount; ++language) {
        // Version 2 had no Polish column: Polish takes the English texts.
        const int source = version < 3 && language == 5 ? 1 : language;
        country.SetNameInLanguage(language, entry.names[source].c_str());
        country.SetAbbreviationInLanguage(language, entry.abbreviations[source].c_str());
        country.SetLanguageByte(language, version < 3 && language == 5 ? 0 : entry.languageBytes[language]);
    }
    country.SetContinentByte(static_cast<std::uint8_t>((entry.continent & 7) | ((entry.continentValue & 31) << 3)));
    country.SetLanguage(0, static_cast<std::uint8_t>(entry.firstLanguage));
    country.SetMainLanguage(static_cast<std::uint8_t>(entry.firstLanguage));
    country.SetLanguage(1, static_cast<std::uint8_t>(entry.secondLanguage));
}

}  // namespace

void TCompleteWorld::BuildBareCountry(int id)
{
    TCountry& country = countries_[id];
    country.SetWorld(this);
    country.SetId(id);
    country.Reset();
}

void TCompleteWorld::LoadCountriesFile()
{
    const std::u16string path = platform::JoinPath(platform::GetBaseFolder(), u"Database\\Countries.sav");
    CIndexTextFile file;
    if (file.OpenRead(path)) {
        LoadCountriesFrom(file);
        return;
    }
    ShowFileNotFound(path.c_str());
    BuildCountries(nullptr, 0);
}

void TCompleteWorld::LoadCountriesFrom(CIndexTextFile& file)
{
    std::vector<TCountryListEntry> entries;
    int version = 0;
    if (ReadCountryList(file, entries, version)) {
        BuildCountries(&entries, version);
        countryListRead_ = true;
        return;
    }
    file.SetError(CTextManager::Instance()->GetText(u"Database.Error.CountriesFileDamaged"_tk));
    ShowFileFormatError(file);
    BuildCountries(nullptr, 0);
}

void TCompleteWorld::BuildCountries(const std::vector<TCountryListEntry>* entries, int version)
{
    Destroy();
    countryListRead_ = false;
    countries_ = std::make_unique<TCountry[]>(CountrySlots);
    BuildBareCountry(0);
    for (int language = 0; language < TCountry::LanguageCount; ++language) {
        countries_[0].SetNameInLanguage(language, u"n/a");
    }
    countries_[0].CreateNationalTeam();
    for (int id = 1; id <= LastCountryId; ++id) {
        BuildBareCountry(id);
        if (entries) ApplyEntry(countries_[id], (*entries)[static_cast<std::size_t>(id)], version);
        countries_[id].CreateNationalTeam();
    }
}
