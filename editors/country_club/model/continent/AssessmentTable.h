#pragma once
// The five-year assessment of the European countries: the list's order for
// each sort type, the ranking by five-year total, and the checked import
// that refuses a file with any value the country records cannot hold.

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

class TCompleteWorld;
class TCountry;

class AssessmentTable {
public:
    static constexpr int FirstCountry = 1;
    static constexpr int LastCountry = 206;
    static constexpr int Years = 6;
    static constexpr int TotalYears = 5;
    static constexpr int Europe = 0;

    explicit AssessmentTable(const TCompleteWorld& world) : world_(world) {}

    // Sort type 0 rank, 1 name, 2..7 the year (type - 1), 8 the total with
    // the years 1..6 as tie-breaks; another type gives 0. A country the
    // world does not hold sorts after one it holds.
    int Compare(int sortType, int id1, int id2) const;

    // Ranks the European countries 0, 1, ... by Compare(8) descending,
    // equal rows by country id; every other country gets rank 0.
    void BuildRanking();
    int GetRank(int id) const { return id >= 0 && id <= LastCountry ? ranks_[id] : 0; }
    // The European countries 1..206 in id order: the list's rows.
    std::vector<int> EuropeanCountries() const;

    // The sum of years 1..5; year 6 only breaks ties.
    static int Total(const TCountry& country);
    // A spin control's value as hundredths, truncated (12.345 gives 1234).
    static std::uint16_t CoefficientFromValue(double value);

    // Reads a file only when every year cell of every row is a number in
    // 0.00..655.35; false changes no country.
    static bool Import(TCompleteWorld& world, std::u16string_view path);

private:
    const TCountry* Country(int id) const;

    const TCompleteWorld& world_;
    std::array<int, LastCountry + 1> ranks_ = {};
};
