#pragma once
// The year lists of a club's successes as the history page keeps them:
// years from 1700 to 2008, each once, ascending, joined by ", ".

#include <string>
#include <string_view>

// Longer texts are cut to this many characters before they are read.
inline constexpr std::size_t YearListInputLimit = 511;

// Pieces between commas that begin with a digit (after blanks and tabs)
// are read as years; two-digit years below 9 are 20xx, the others 19xx.
// Everything else is dropped; nothing usable gives an empty text.
std::u16string NormaliseYearList(std::u16string_view text);
