#include "core/text/TextTools.h"


std::size_t TextLength(const char16_t* text) { return text ? std::char_traits<char16_t>::length(text) : 0; }

void CopyText(char16_t* dest, std::u16string_view src, std::size_t capacity)
{
    if (!dest || capacity == 0) return;
    const std::size_t length = src.size() < capacity ? src.size() : capacity - 1;
    src.copy(dest, length);
    dest[length] = u'\0';
}

void CopyText(char16_t* dest, const char16_t* src, std::size_t capacity)
{
    if (!dest || capacity == 0) return;
    std::size_t length = 0;
    if (src) {
        while (length + 1 < capacity && src[length]) {
            dest[length] = src[length];
            ++length;
        }
    }
    dest[length] = u'\0';
}

char16_t* CopyTextNoQuotes(char16_t* dest, const char16_t* src, std::size_t capacity)
{
    if (!dest || capacity == 0) return nullptr;
    CopyText(dest, src, capacity);
    for (char16_t* p = dest; *p; ++p)
        if (*p == u'"') *p = u'\'';
    return dest;
}

namespace {

// The one replacement walk behind every form: at each position the first
// non-empty token that matches wins; a missing replacement keeps the token.
// tokens(i) gives the i-th token and its replacement (null when kept), and
// emit takes each piece of output and answers whether to go on.
template <typename Tokens, typename Emit>
void WalkTokens(std::u16string_view src, std::size_t count, Tokens&& tokens, Emit&& emit)
{
    std::size_t i = 0;
    while (i < src.size()) {
        bool replaced = false;
        for (std::size_t t = 0; t < count; ++t) {
            const auto [token, replacement] = tokens(t);
            if (token.empty() || src.compare(i, token.size(), token) != 0) continue;
            if (replacement) {
                if (!emit(*replacement)) return;
                i += token.size();
                replaced = true;
            }
            break;
        }
        if (!replaced) {
            if (!emit(src.substr(i, 1))) return;
            ++i;
        }
    }
}

}  // namespace

std::u16string SanitisedFileName(std::u16string_view name)
{
    std::u16string result(name);
    for (char16_t& c : result) {
        if (std::u16string_view(u"\\/:*?\"<>|.").find(c) != std::u16string_view::npos) c = u'_';
    }
    return result;
}

std::u16string EscapeMarkup(std::u16string_view text)
{
    std::u16string escaped;
    escaped.reserve(text.size());
    for (char16_t c : text) {
        switch (c) {
        case u'&': escaped += u"&amp;"; break;
        case u'<': escaped += u"&lt;"; break;
        case u'>': escaped += u"&gt;"; break;
        case u'"': escaped += u"&quot;"; break;
        case u'\'': escaped += u"&apos;"; break;
        default: escaped.push_back(c);
        }
    }
    return escaped;
}

std::u16string ReplaceTokens(std::u16string_view src, TokenList tokens)
{
    std::u16string out;
    out.reserve(src.size());
    const auto* list = tokens.begin();
    WalkTokens(
        src, tokens.size(),
        [list](std::size_t t) { return std::pair{list[t].first, &list[t].second}; },
        [&](std::u16string_view piece) {
            out += piece;
            return true;
        });
    return out;
}

char16_t* ReplaceTokens(const char16_t* src, const char16_t* const* from, const char16_t* const* to, char16_t* dest,
                        std::size_t capacity)
{
    if (!src || !from || !to || !dest) return nullptr;
    if (capacity == 0) return dest;
    std::size_t count = 0;
    while (from[count]) ++count;
    std::u16string_view replacement;
    std::size_t length = 0;
    WalkTokens(
        src, count,
        [&](std::size_t t) {
            replacement = to[t] ? std::u16string_view(to[t]) : std::u16string_view{};
            return std::pair{std::u16string_view(from[t]), to[t] ? &replacement : nullptr};
        },
        [&](std::u16string_view piece) {
            for (char16_t c : piece) {
                if (length + 1 >= capacity) return false;
                dest[length++] = c;
            }
            return length + 1 < capacity;
        });
    dest[length] = u'\0';
    return dest;
}

char16_t* ReplaceToken(const char16_t* src, const char16_t* from, const char16_t* to, char16_t* dest,
                       std::size_t capacity)
{
    const char16_t* fromList[] = {from, nullptr};
    const char16_t* toList[] = {to, nullptr};
    return ReplaceTokens(src, fromList, toList, dest, capacity);
}

namespace {
constexpr std::size_t kStaticReplaceUnits = 1024;
thread_local char16_t gStaticReplaceBuffer[kStaticReplaceUnits];
}  // namespace

const char16_t* ReplaceTokensStatic(const char16_t* src, const char16_t* const* from, const char16_t* const* to)
{
    return ReplaceTokens(src, from, to, gStaticReplaceBuffer, kStaticReplaceUnits);
}

const char16_t* ReplaceTokenStatic(const char16_t* src, const char16_t* from, const char16_t* to)
{
    return ReplaceToken(src, from, to, gStaticReplaceBuffer, kStaticReplaceUnits);
}

std::u16string FoldLatinCase(std::u16string_view text)
{
    std::u16string folded(text);
    for (char16_t& c : folded) {
        if ((c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) c = static_cast<char16_t>(c + 32);
    }
    return folded;
}
