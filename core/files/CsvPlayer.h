#pragma once
// One line of the comma-separated player list "playerx.txt". A double
// quote toggles a quoted stretch in which commas do not separate; quotes
// are never part of a field.

#include <cstddef>

struct TCsvPlayer {
    static constexpr int ColumnCount = 67;
    static constexpr int NameCapacity = 32;
    static constexpr int FirstNameColumn = 1;
    static constexpr int LastNameColumn = 2;
    static constexpr int DateColumns[2] = {7, 56};

    char16_t firstName[NameCapacity] = {};
    char16_t lastName[NameCapacity] = {};
    // The integer columns by number; text and date columns stay 0.
    int columns[ColumnCount] = {};
    // Day, month and year as written, of columns 7 and 56.
    int dates[2][3] = {};
};

// The integer at the cursor (blanks, sign, digits; a quote before the
// digits gives 0), then the cursor past the next separator outside quotes,
// or at the end of the line. A null cursor gives 0 and null.
const char16_t* NextCsvField(const char16_t* cursor, int& value, char16_t separator = u',');
// The field without its quotes into dest (at most capacity - 1 kept,
// always terminated), then the cursor as above.
const char16_t* CopyCsvField(const char16_t* cursor, char16_t* dest, std::size_t capacity, char16_t separator = u',');
// The next field (up to 31 characters) read as three integers separated by
// '/'. A null cursor zeroes them and gives null.
const char16_t* ParseCsvDate(const char16_t* cursor, int& first, int& second, int& third);
// All columns of a line; missing ones stay 0 or empty.
const char16_t* ParseCsvPlayerLine(TCsvPlayer& record, const char16_t* line);
