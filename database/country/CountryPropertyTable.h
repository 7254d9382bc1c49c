#pragma once
// The countries' ISO 3166 codes by country id. The four British football
// nations share GBR; ids 149 and 207 have no row, and 126 has two.

#include <cstdint>
#include <span>

struct TCountryProperty {
    std::int32_t countryId;
    const char16_t* alpha2;
    const char16_t* alpha3;
    std::int32_t numeric;
};

std::span<const TCountryProperty> CountryPropertyTable();

// Null when the id has no row.
const char16_t* GetCountryAlpha2(std::int32_t countryId);
const char16_t* GetCountryAlpha3(std::int32_t countryId);
// Exact comparison, first row wins; 0 when absent.
std::int32_t FindCountryByAlpha2(const char16_t* code);
std::int32_t FindCountryByAlpha3(const char16_t* code);
