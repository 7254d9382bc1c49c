#include "editors/country_club/model/club/ClubYearList.h"

#include <algorithm>
#include <vector>

#include "core/text/Format.h"

namespace {

constexpr int FirstYear = 1700;
constexpr int LastYear = 2008;
// Any number past this is out of range anyway; reading stops growing it.
constexpr int ReadCap = 100000;

bool IsDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// The year a piece names, or 0 when it names none.
int ReadYear(std::u16string_view piece)
{
    std::size_t at = 0;
    while (at < piece.size() && (piece[at] == u' ' || piece[at] == u'\t')) ++at;
    if (at == piece.size() || !IsDigit(piece[at])) return 0;
    int value = 0;
    for (; at < piece.size() && IsDigit(piece[at]); ++at) {
        value = std::min(value * 10 + (piece[at] - u'0'), ReadCap);
    }
    if (value < 100) value += value < 9 ? 2000 : 1900;
    return value >= FirstYear && value <= LastYear ? value : 0;
}

}  // namespace

std::u16string NormaliseYearList(std::u16string_view text)
{
    text = text.substr(0, YearListInputLimit);
    std::vector<int> years;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(u',', start), text.size());
        const int year = ReadYear(text.substr(start, comma - start));
        if (year != 0 && std::find(years.begin(), years.end(), year) == years.end()) years.push_back(year);
        start = comma + 1;
    }
    std::sort(years.begin(), years.end());
    std::u16string result;
    for (const int year : years) {
        if (!result.empty()) result += u", ";
        result += Format(u"%d", year);
    }
    return result;
}
