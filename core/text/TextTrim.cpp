#include "core/text/TextTools.h"

#include <algorithm>

namespace {

constexpr char16_t NoBreakSpace = u'\u00A0';

bool IsLeadingBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == NoBreakSpace;
}

bool IsTrailingBlank(char16_t c)
{
    return IsLeadingBlank(c) || c == u'\r' || c == u'\n';
}

bool IsWhitespace(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

bool Contains(const char16_t* set, char16_t c)
{
    for (; *set; ++set) {
        if (*set == c) return true;
    }
    return false;
}

}  // namespace

char16_t* TrimText(char16_t* text)
{
    if (!text) return text;
    std::size_t length = TextLength(text);
    std::size_t start = 0;
    while (start < length && IsLeadingBlank(text[start])) ++start;
    std::size_t end = length;
    while (end > start && IsTrailingBlank(text[end - 1])) --end;
    std::copy(text + start, text + end, text);
    text[end - start] = 0;
    return text;
}

void RemoveChars(char16_t* text, const char16_t* set)
{
    if (!text || !set || !*set) return;
    char16_t* out = text;
    for (const char16_t* in = text; *in; ++in) {
        if (!Contains(set, *in)) *out++ = *in;
    }
    *out = 0;
}

int SplitText(char16_t* text, char16_t separator, char16_t** fields, int max)
{
    if (!text || separator == 0 || !fields || max < 1) return 0;
    int count = 1;
    fields[0] = text;
    for (char16_t* p = text; *p && count < max; ++p) {
        if (*p == separator) {
            *p = 0;
            fields[count++] = p + 1;
        }
    }
    return count;
}

bool NormaliseWhitespace(char16_t* text)
{
    if (!text) return false;
    bool changed = false;
    char16_t* out = text;
    // Writing never overtakes reading, so the unit under out is still the
    // original one and comparing with it tells whether anything changed.
    auto put = [&](char16_t c) {
        if (*out != c) changed = true;
        *out++ = c;
    };
    bool spacePending = false;
    for (const char16_t* in = text; *in; ++in) {
        if (IsWhitespace(*in)) {
            spacePending = out != text;
            continue;
        }
        if (spacePending) put(u' ');
        spacePending = false;
        put(*in);
    }
    if (*out != 0) changed = true;
    *out = 0;
    return changed;
}
