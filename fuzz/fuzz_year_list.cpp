// Normalises arbitrary text as a club's year list. The result holds only
// years 1700..2008, ascending, each once, joined by ", ", and normalising
// it again changes nothing.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "editors/country_club/model/club/ClubYearList.h"

namespace {

void CheckShape(std::u16string_view list)
{
    int previous = 0;
    std::size_t at = 0;
    while (at < list.size()) {
        if (list.size() - at < 4) __builtin_trap();
        int year = 0;
        for (std::size_t i = at; i < at + 4; ++i) {
            if (list[i] < u'0' || list[i] > u'9') __builtin_trap();
            year = year * 10 + (list[i] - u'0');
        }
        if (year < 1700 || year > 2008 || year <= previous) __builtin_trap();
        previous = year;
        at += 4;
        if (at == list.size()) break;
        if (list.substr(at, 2) != u", ") __builtin_trap();
        at += 2;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::u16string text;
    for (std::size_t i = 0; i + 1 < size; i += 2) text += static_cast<char16_t>(data[i] | (data[i + 1] << 8));
    const std::u16string list = NormaliseYearList(text);
    CheckShape(list);
    if (NormaliseYearList(list) != list) __builtin_trap();
    return 0;
}
