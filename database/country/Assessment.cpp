// The five-year assessment file "Assessment.sav" of the world.

#include <optional>

#include "core/text/Format.h"
#include "core/files/TabbedConfig.h"
#include "database/world/CompleteWorld.h"
#include "platform/Platform.h"

namespace {

constexpr int Years = TCountry::YearCount;
constexpr int EuropeanCountries = 206;

// "Year -k" for k = 6 .. 1, the oldest year first.
std::u16string YearColumnName(int year)
{
    return Format(u"Year -%d", year);
}

std::optional<int> FindColumn(const CTabbedConfig& table, const std::u16string& name)
{
    for (int index = 0; index < table.CountColumnNames(); ++index) {
        if (table.GetColumnName(index) == name) return index;
    }
    return std::nullopt;
}

// "16.59" is 1659 and "0.29" 29: digits, not a binary fraction, so nothing
// is lost to rounding. Further decimals are dropped; the value is kept
// within 0..65535.
std::uint16_t ParseHundredths(const char16_t* text)
{
    if (text == nullptr) return 0;
    while (*text == u' ') ++text;
    if (*text == u'-') return 0;
    if (*text == u'+') ++text;
    std::uint32_t value = 0;
    for (; *text >= u'0' && *text <= u'9'; ++text) value = std::min<std::uint32_t>(value * 10 + (*text - u'0'), 1000000);
    int decimals = 0;
    if (*text == u'.' || *text == u',') {
        for (++text; decimals < 2 && *text >= u'0' && *text <= u'9'; ++text, ++decimals) value = value * 10 + (*text - u'0');
    }
    for (; decimals < 2; ++decimals) value *= 10;
    return static_cast<std::uint16_t>(std::min<std::uint32_t>(value, 0xFFFF));
}

}  // namespace

bool TCompleteWorld::ReadAssessment(std::u16string_view path)
{
    CTabbedConfig table;
    const std::u16string file(path);
    if (!countries_ || !table.Load(file.c_str())) return false;
    std::optional<int> columns[Years + 1];
    for (int year = 1; year <= Years; ++year) columns[year] = FindColumn(table, YearColumnName(year));
    for (int position = 0; position < table.GetRecordCount(); ++position) {
        const TTabbedConfigRecord* row = table.GetRecordAt(position);
        TCountry* country = GetCountry(row->GetId());
        for (int year = 1; year <= Years; ++year) {
            if (columns[year]) country->SetYearCoefficient(year, ParseHundredths(row->GetColumn(*columns[year])));
        }
    }
    return true;
}

bool TCompleteWorld::WriteAssessment(std::u16string_view path) const
{
    return countries_ && platform::WriteFileAtomic(path, AssessmentBytes());
}

std::vector<std::uint8_t> TCompleteWorld::AssessmentBytes() const
{
    CTabbedConfig table;
    for (int year = Years; year >= 1; --year) table.SetColumnName(Years - year, YearColumnName(year).c_str());
    for (int id = 1; id <= EuropeanCountries; ++id) {
        const TCountry& country = countries_[id];
        if (country.GetContinent() != 0) continue;
        TTabbedConfigRecord* row = table.AddRecord(id);
        for (int language = 0; language < TCountry::LanguageCount; ++language) {
            row->SetText(language, country.GetNameInLanguage(language));
        }
        for (int year = Years; year >= 1; --year) {
            const int value = country.GetYearCoefficient(year);
            row->SetColumn(Years - year, Format(u"%d.%02d", value / 100, value % 100).c_str());
        }
    }
    return table.SaveToBytes();
}
