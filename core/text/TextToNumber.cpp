#include <cstdint>

#include "core/text/TextTools.h"

namespace {

bool IsBlank(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

int DigitValue(char16_t c)
{
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'a' && c <= u'z') return c - u'a' + 10;
    if (c >= u'A' && c <= u'Z') return c - u'A' + 10;
    return 99;
}

bool HasHexPrefix(const char16_t* text)
{
    return text[0] == u'0' && (text[1] == u'x' || text[1] == u'X') && DigitValue(text[2]) < 16;
}

}  // namespace

std::int32_t WindowsStrToLong(const char16_t* text, int radix)
{
    if (radix < 0 || radix == 1 || radix > 36) return 0;
    while (IsBlank(*text)) ++text;
    const bool negative = *text == u'-';
    if (*text == u'-' || *text == u'+') ++text;
    if (radix == 0) radix = HasHexPrefix(text) ? 16 : text[0] == u'0' ? 8 : 10;
    if (radix == 16 && HasHexPrefix(text)) text += 2;
    const std::int64_t limit = negative ? std::int64_t{1} << 31 : (std::int64_t{1} << 31) - 1;
    std::int64_t value = 0;
    bool overflow = false;
    for (int digit; (digit = DigitValue(*text)) < radix; ++text) {
        value = value * radix + digit;
        if (value > limit) {
            overflow = true;
            value = limit;
        }
    }
    if (overflow) return negative ? INT32_MIN : INT32_MAX;
    return static_cast<std::int32_t>(negative ? -value : value);
}
