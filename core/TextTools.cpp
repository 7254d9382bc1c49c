#include "core/TextTools.h"

#include <vector>

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
// non-empty token that matches wins; a null replacement keeps the token.
template <typename Emit>
void WalkTokens(std::u16string_view src, const std::vector<std::u16string_view>& from,
                const std::vector<const std::u16string_view*>& to, Emit&& emit)
{
    std::size_t i = 0;
    while (i < src.size()) {
        bool replaced = false;
        for (std::size_t t = 0; t < from.size(); ++t) {
            if (from[t].empty() || src.compare(i, from[t].size(), from[t]) != 0) continue;
            if (to[t]) {
                if (!emit(*to[t])) return;
                i += from[t].size();
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

std::u16string ReplaceTokens(std::u16string_view src, TokenList tokens)
{
    std::vector<std::u16string_view> from;
    std::vector<std::u16string_view> targets;
    from.reserve(tokens.size());
    targets.reserve(tokens.size());
    for (const auto& [token, replacement] : tokens) {
        from.push_back(token);
        targets.push_back(replacement);
    }
    std::vector<const std::u16string_view*> to;
    for (const auto& target : targets) to.push_back(&target);
    std::u16string out;
    out.reserve(src.size());
    WalkTokens(src, from, to, [&](std::u16string_view piece) {
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
    std::vector<std::u16string_view> fromList;
    std::vector<std::u16string_view> targets;
    for (std::size_t i = 0; from[i]; ++i) {
        fromList.emplace_back(from[i]);
        targets.emplace_back(to[i] ? std::u16string_view(to[i]) : std::u16string_view{});
    }
    std::vector<const std::u16string_view*> toList;
    for (std::size_t i = 0; i < fromList.size(); ++i) toList.push_back(to[i] ? &targets[i] : nullptr);
    std::size_t length = 0;
    WalkTokens(src, fromList, toList, [&](std::u16string_view piece) {
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
