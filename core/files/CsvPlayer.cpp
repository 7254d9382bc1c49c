#include "core/files/CsvPlayer.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace {

// The next separator outside quotes, or the end of the line.
const char16_t* FieldEnd(const char16_t* cursor, char16_t separator)
{
    bool quoted = false;
    for (; *cursor != 0; ++cursor) {
        if (*cursor == u'"') {
            quoted = !quoted;
        } else if (*cursor == separator && !quoted) {
            break;
        }
    }
    return cursor;
}

const char16_t* PastSeparator(const char16_t* fieldEnd) { return *fieldEnd != 0 ? fieldEnd + 1 : fieldEnd; }

int ParseInteger(const char16_t* at)
{
    while (*at == u' ' || *at == u'\t') ++at;
    bool negative = false;
    if (*at == u'-' || *at == u'+') negative = *at++ == u'-';
    std::int64_t value = 0;
    for (; *at >= u'0' && *at <= u'9'; ++at) value = std::min<std::int64_t>(value * 10 + (*at - u'0'), INT_MAX);
    return static_cast<int>(negative ? -value : value);
}

}  // namespace

const char16_t* NextCsvField(const char16_t* cursor, int& value, char16_t separator)
{
    value = 0;
    if (cursor == nullptr) return nullptr;
    value = ParseInteger(cursor);
    return PastSeparator(FieldEnd(cursor, separator));
}

const char16_t* CopyCsvField(const char16_t* cursor, char16_t* dest, std::size_t capacity, char16_t separator)
{
    if (dest != nullptr && capacity > 0) dest[0] = 0;
    if (cursor == nullptr) return nullptr;
    const char16_t* end = FieldEnd(cursor, separator);
    std::size_t kept = 0;
    for (const char16_t* at = cursor; at < end && dest != nullptr && kept + 1 < capacity; ++at) {
        if (*at != u'"') dest[kept++] = *at;
    }
    if (dest != nullptr && capacity > 0) dest[kept] = 0;
    return PastSeparator(end);
}

const char16_t* ParseCsvDate(const char16_t* cursor, int& first, int& second, int& third)
{
    first = second = third = 0;
    if (cursor == nullptr) return nullptr;
    char16_t field[32];
    const char16_t* next = CopyCsvField(cursor, field, 32);
    const char16_t* at = NextCsvField(field, first, u'/');
    at = NextCsvField(at, second, u'/');
    NextCsvField(at, third, u'/');
    return next;
}

const char16_t* ParseCsvPlayerLine(TCsvPlayer& record, const char16_t* line)
{
    record = TCsvPlayer{};
    const char16_t* cursor = line;
    for (int column = 0; column < TCsvPlayer::ColumnCount && cursor != nullptr; ++column) {
        if (column == TCsvPlayer::FirstNameColumn) {
            cursor = CopyCsvField(cursor, record.firstName, TCsvPlayer::NameCapacity);
        } else if (column == TCsvPlayer::LastNameColumn) {
            cursor = CopyCsvField(cursor, record.lastName, TCsvPlayer::NameCapacity);
        } else if (column == TCsvPlayer::DateColumns[0] || column == TCsvPlayer::DateColumns[1]) {
            int* date = record.dates[column == TCsvPlayer::DateColumns[0] ? 0 : 1];
            cursor = ParseCsvDate(cursor, date[0], date[1], date[2]);
        } else {
            cursor = NextCsvField(cursor, record.columns[column]);
        }
    }
    return cursor;
}
