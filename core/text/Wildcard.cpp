#include "core/text/TextTools.h"

namespace {

char16_t AsciiLower(char16_t c)
{
    return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

char16_t PathLower(char16_t c)
{
    switch (c) {
    case u'\\': return u'/';
    case u'\u00C4': return u'\u00E4';
    case u'\u00D6': return u'\u00F6';
    case u'\u00DC': return u'\u00FC';
    default: return AsciiLower(c);
    }
}

bool IsAsciiLetter(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool StartsWithNoCase(const char16_t* text, const char16_t* part, std::size_t length)
{
    for (std::size_t i = 0; i < length; ++i) {
        if (AsciiLower(text[i]) != AsciiLower(part[i])) return false;
    }
    return true;
}

}  // namespace

// Greedy scan that remembers the last '*': on a mismatch the star takes one
// more character and the scan resumes behind it. Time is bounded by
// text length times pattern length, whatever the number of stars.
bool WildcardMatch(const char16_t* text, const char16_t* pattern)
{
    if (!text) text = u"";
    if (!pattern) pattern = u"";
    const char16_t* afterStar = nullptr;
    const char16_t* starText = nullptr;
    while (*text) {
        if (*pattern == u'*') {
            afterStar = ++pattern;
            starText = text;
        } else if (*pattern && (*pattern == u'?' || *pattern == *text)) {
            ++pattern;
            ++text;
        } else if (afterStar) {
            pattern = afterStar;
            text = ++starText;
        } else {
            return false;
        }
    }
    while (*pattern == u'*') ++pattern;
    return *pattern == 0;
}

const char16_t* FindTextNoCase(const char16_t* text, const char16_t* part)
{
    if (!text || !part || !*text || !*part) return nullptr;
    std::size_t textLength = TextLength(text);
    std::size_t partLength = TextLength(part);
    if (partLength > textLength) return nullptr;
    for (std::size_t p = 0; p + partLength <= textLength; ++p) {
        if (StartsWithNoCase(text + p, part, partLength)) return text + p;
    }
    return nullptr;
}

void NormalisePathForCompare(char16_t* path)
{
    if (!path) return;
    for (char16_t* p = path; *p; ++p) *p = PathLower(*p);
    // A drive root compares in its short form "c:".
    if (IsAsciiLetter(path[0]) && path[1] == u':' && path[2] == u'/' && path[3] == 0) path[2] = 0;
}
