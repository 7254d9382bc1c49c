#include "database/world/FieldNumber.h"

std::uint32_t ParseFieldNumber(std::u16string_view field)
{
    std::size_t at = field.find_first_not_of(u" \t");
    if (at == std::u16string_view::npos) return 0;
    const bool negative = field[at] == u'-';
    if (field[at] == u'-' || field[at] == u'+') ++at;
    std::uint32_t value = 0;
    for (; at < field.size() && field[at] >= u'0' && field[at] <= u'9'; ++at) {
        value = value * 10u + static_cast<std::uint32_t>(field[at] - u'0');
    }
    return negative ? 0u - value : value;
}
