#include "editors/country_club/model/continent/AssessmentTable.h"

#include <algorithm>
#include <optional>
#include <string>

#include "core/text/Format.h"
#include "core/files/TabbedConfig.h"
#include "core/text/TextTools.h"
#include "database/world/CompleteWorld.h"

namespace {

int TieBreakByYears(const TCountry& a, const TCountry& b)
{
    for (int year = 1; year <= AssessmentTable::Years; ++year) {
        const int difference = a.GetYearCoefficient(year) - b.GetYearCoefficient(year);
        if (difference != 0) return difference;
    }
    return 0;
}

bool IsDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// Digits with an optional '.' or ',' and decimals, blanks around them;
// the value in hundredths, decimals beyond two dropped as the reader does.
std::optional<std::uint32_t> ParseHundredths(std::u16string_view text)
{
    while (!text.empty() && text.front() == u' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == u' ') text.remove_suffix(1);
    std::uint32_t value = 0;
    std::size_t pos = 0;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos) value = std::min<std::uint32_t>(value * 10 + (text[pos] - u'0'), 1000000);
    if (pos == 0) return std::nullopt;
    int decimals = 0;
    if (pos < text.size() && (text[pos] == u'.' || text[pos] == u',')) {
        for (++pos; pos < text.size() && IsDigit(text[pos]); ++pos) {
            if (decimals < 2) value = value * 10 + (text[pos] - u'0');
            ++decimals;
        }
    }
    if (pos != text.size()) return std::nullopt;
    for (; decimals < 2; ++decimals) value *= 10;
    return value;
}

bool AllValuesReadable(const CTabbedConfig& table)
{
    std::vector<int> yearColumns;
    for (int index = 0; index < table.CountColumnNames(); ++index) {
        for (int year = 1; year <= AssessmentTable::Years; ++year) {
            if (table.GetColumnName(index) == Format(u"Year -%d", year)) yearColumns.push_back(index);
        }
    }
    for (int position = 0; position < table.GetRecordCount(); ++position) {
        const TTabbedConfigRecord* row = table.GetRecordAt(position);
        for (int column : yearColumns) {
            const char16_t* cell = row->GetColumn(column);
            const auto value = ParseHundredths(cell ? std::u16string_view(cell) : std::u16string_view());
            if (!value || *value > 0xFFFF) return false;
        }
    }
    return true;
}

}  // namespace

const TCountry* AssessmentTable::Country(int id) const
{
    if (id < FirstCountry || id > LastCountry) return nullptr;
    return world_.GetCountry(id);
}

int AssessmentTable::Total(const TCountry& country)
{
    int total = 0;
    for (int year = 1; year <= TotalYears; ++year) total += country.GetYearCoefficient(year);
    return total;
}

std::uint16_t AssessmentTable::CoefficientFromValue(double value)
{
    const double hundredths = value * 100 + 0.001;
    if (!(hundredths > 0)) return 0;
    return static_cast<std::uint16_t>(std::min(hundredths, 65535.0));
}

int AssessmentTable::Compare(int sortType, int id1, int id2) const
{
    const TCountry* first = Country(id1);
    const TCountry* second = Country(id2);
    if (!first || !second) return first ? 1 : -1;
    switch (sortType) {
    case 0:
        return GetRank(id1) - GetRank(id2);
    case 1:
        return CompareCollated(first->GetName(), second->GetName());
    case 2: case 3: case 4: case 5: case 6: case 7:
        return first->GetYearCoefficient(sortType - 1) - second->GetYearCoefficient(sortType - 1);
    case 8: {
        const int difference = Total(*first) - Total(*second);
        return difference != 0 ? difference : TieBreakByYears(*first, *second);
    }
    default:
        return 0;
    }
}

std::vector<int> AssessmentTable::EuropeanCountries() const
{
    std::vector<int> ids;
    for (int id = FirstCountry; id <= LastCountry; ++id) {
        const TCountry* country = Country(id);
        if (country && country->GetContinent() == Europe) ids.push_back(id);
    }
    return ids;
}

void AssessmentTable::BuildRanking()
{
    ranks_.fill(0);
    std::vector<int> ids = EuropeanCountries();
    std::stable_sort(ids.begin(), ids.end(), [this](int a, int b) { return Compare(8, a, b) > 0; });
    for (std::size_t place = 0; place < ids.size(); ++place) ranks_[ids[place]] = static_cast<int>(place);
}

bool AssessmentTable::Import(TCompleteWorld& world, std::u16string_view path)
{
    CTabbedConfig table;
    const std::u16string file(path);
    if (!table.Load(file.c_str()) || !AllValuesReadable(table)) return false;
    return world.ReadAssessment(path);
}
