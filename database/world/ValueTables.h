#pragma once
// Enumerated values whose numbering changed between database versions.
// Each table holds rows of three numberings (two older layouts and the
// current one) and ends with a row whose first column is 255.

#include <cstdint>

struct TValueTriple {
    std::int32_t column[3];
};

// The toColumn entry of the first row whose fromColumn entry equals value;
// 0 when the end row comes first.
std::int32_t LookupValueTriple(const TValueTriple* table, std::int32_t value, int fromColumn, int toColumn);

// Selector 0: stadium code from the first to the second layout; 0x2003:
// from the second to the current one; any other selector: unchanged.
std::int32_t ConvertStadiumValue(std::int32_t selector, std::int32_t value);
std::int32_t ConvertKitStyle0(std::int32_t value);
std::int32_t ConvertKitStyle1(std::int32_t value);
std::int32_t ConvertKitStyle2(std::int32_t value);
std::int32_t ConvertKitColour(std::int32_t value);
