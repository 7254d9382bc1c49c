#include "platform/TextCodec.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "platform/Cp1252BestFit.h"

namespace platform {
namespace {

constexpr char16_t kReplacement = 0xFFFD;

// Bytes 0x80..0x9F of Windows-1252; the five unassigned ones keep their value.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Runs of ASCII are converted a block at a time: one test for the whole
// block, then a plain copy loop that compilers turn into vector moves.
constexpr std::size_t AsciiBlock = 16;

std::uint64_t Load64(const void* at)
{
    std::uint64_t value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

bool IsAsciiBlock(const unsigned char* bytes)
{
    return ((Load64(bytes) | Load64(bytes + 8)) & 0x8080808080808080u) == 0;
}

bool IsAsciiBlock(const char16_t* units)
{
    const std::uint64_t all = Load64(units) | Load64(units + 4) | Load64(units + 8) | Load64(units + 12);
    return (all & 0xFF80FF80FF80FF80u) == 0;
}

template <typename From, typename To>
void CopyAsciiBlock(const From* in, To* out)
{
    for (std::size_t k = 0; k < AsciiBlock; ++k) out[k] = static_cast<To>(in[k]);
}

char* PutUtf8(char32_t cp, char* out)
{
    if (cp < 0x80) {
        *out++ = static_cast<char>(cp);
    } else if (cp < 0x800) {
        *out++ = static_cast<char>(0xC0 | (cp >> 6));
        *out++ = static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        *out++ = static_cast<char>(0xE0 | (cp >> 12));
        *out++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        *out++ = static_cast<char>(0xF0 | (cp >> 18));
        *out++ = static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        *out++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (cp & 0x3F));
    }
    return out;
}

std::u16string DecodeUtf16(std::span<const std::uint8_t> bytes, bool bigEndian)
{
    std::u16string out;
    out.resize(bytes.size() / 2);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const unsigned first = bytes[2 * i];
        const unsigned second = bytes[2 * i + 1];
        out[i] = static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
    }
    return out;
}

}  // namespace

char32_t DecodeUtf8Sequence(std::string_view bytes, std::size_t& i)
{
    const auto lead = static_cast<unsigned char>(bytes[i]);
    int length = 0;
    char32_t cp = 0;
    if (lead < 0x80) {
        ++i;
        return lead;
    }
    if (lead >= 0xC2 && lead <= 0xDF) { length = 2; cp = lead & 0x1F; }
    else if (lead >= 0xE0 && lead <= 0xEF) { length = 3; cp = lead & 0x0F; }
    else if (lead >= 0xF0 && lead <= 0xF4) { length = 4; cp = lead & 0x07; }
    else {
        ++i;
        return kReplacement;
    }
    // The second byte's range excludes overlong forms, surrogates and code
    // points past U+10FFFF, so that a broken sequence is replaced per maximal
    // valid prefix, as Windows and the Unicode standard do.
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead == 0xE0) low = 0xA0;
    else if (lead == 0xED) high = 0x9F;
    else if (lead == 0xF0) low = 0x90;
    else if (lead == 0xF4) high = 0x8F;
    std::size_t j = i + 1;
    for (int k = 1; k < length; ++k, ++j) {
        const unsigned char next = j < bytes.size() ? static_cast<unsigned char>(bytes[j]) : 0;
        const bool inRange = k == 1 ? (next >= low && next <= high) : IsContinuation(next);
        if (j >= bytes.size() || !inRange) {
            i = j;
            return kReplacement;
        }
        cp = (cp << 6) | (static_cast<unsigned char>(bytes[j]) & 0x3F);
    }
    i = j;
    return cp;
}

char16_t* PutCodePoint(char32_t cp, char16_t* out)
{
    if (cp < 0x10000) {
        *out++ = static_cast<char16_t>(cp);
    } else {
        cp -= 0x10000;
        *out++ = static_cast<char16_t>(0xD800 + (cp >> 10));
        *out++ = static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    }
    return out;
}

std::size_t Utf8ToUtf16(std::string_view bytes, char16_t* out)
{
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    char16_t* const start = out;
    std::size_t i = 0;
    while (i < bytes.size()) {
        for (; bytes.size() - i >= AsciiBlock && IsAsciiBlock(in + i); i += AsciiBlock, out += AsciiBlock) {
            CopyAsciiBlock(in + i, out);
        }
        if (i == bytes.size()) break;
        if (in[i] < 0x80) {
            *out++ = in[i++];
        } else {
            out = PutCodePoint(DecodeUtf8Sequence(bytes, i), out);
        }
    }
    return static_cast<std::size_t>(out - start);
}

std::u16string Utf8ToUtf16(std::string_view bytes)
{
    std::u16string out(bytes.size(), u'\0');
    out.resize(Utf8ToUtf16(bytes, out.data()));
    return out;
}

bool IsValidUtf8(std::string_view bytes)
{
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::size_t start = i;
        const char32_t cp = DecodeUtf8Sequence(bytes, i);
        if (cp == kReplacement && !(i - start == 3 && bytes.substr(start, 3) == "\xEF\xBF\xBD")) return false;
    }
    return true;
}

std::size_t Utf16ToUtf8(std::u16string_view text, char* out)
{
    const char16_t* in = text.data();
    char* const start = out;
    std::size_t i = 0;
    while (i < text.size()) {
        for (; text.size() - i >= AsciiBlock && IsAsciiBlock(in + i); i += AsciiBlock, out += AsciiBlock) {
            CopyAsciiBlock(in + i, out);
        }
        if (i == text.size()) break;
        const char16_t unit = in[i++];
        char32_t cp = unit;
        if (IsHighSurrogate(unit) && i < text.size() && IsLowSurrogate(in[i])) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (in[i++] - 0xDC00);
        } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
            cp = kReplacement;
        }
        out = PutUtf8(cp, out);
    }
    return static_cast<std::size_t>(out - start);
}

std::string Utf16ToUtf8(std::u16string_view text)
{
    std::string out(text.size() * MaxUtf8BytesPerUnit, '\0');
    out.resize(Utf16ToUtf8(text, out.data()));
    return out;
}

std::u16string Utf16LeToUtf16(std::span<const std::uint8_t> bytes) { return DecodeUtf16(bytes, false); }
std::u16string Utf16BeToUtf16(std::span<const std::uint8_t> bytes) { return DecodeUtf16(bytes, true); }

void AppendUtf16Le(std::u16string_view text, std::string& out)
{
    for (char16_t unit : text) {
        out.push_back(static_cast<char>(unit & 0xFF));
        out.push_back(static_cast<char>(unit >> 8));
    }
}

char16_t Cp1252ToChar(std::uint8_t byte)
{
    if (byte >= 0x80 && byte <= 0x9F) return kCp1252High[byte - 0x80];
    return byte;
}

std::u16string Cp1252ToUtf16(std::string_view bytes)
{
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    std::u16string out(bytes.size(), u'\0');
    std::size_t i = 0;
    for (; bytes.size() - i >= AsciiBlock; i += AsciiBlock) {
        if (IsAsciiBlock(in + i)) {
            CopyAsciiBlock(in + i, out.data() + i);
        } else {
            for (std::size_t k = i; k < i + AsciiBlock; ++k) out[k] = Cp1252ToChar(in[k]);
        }
    }
    for (; i < bytes.size(); ++i) out[i] = Cp1252ToChar(in[i]);
    return out;
}

bool CharToCp1252(char16_t c, std::uint8_t& byte)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        byte = static_cast<std::uint8_t>(c);
        return true;
    }
    for (std::size_t i = 0; i < kCp1252High.size(); ++i) {
        if (kCp1252High[i] == c) {
            byte = static_cast<std::uint8_t>(0x80 + i);
            return true;
        }
    }
    return false;
}

std::uint8_t CharToCp1252BestFit(char16_t c, bool* lossy)
{
    std::uint8_t byte = 0;
    if (CharToCp1252(c, byte)) return byte;
    if (lossy) *lossy = true;
    const auto* end = std::end(kCp1252BestFit);
    const auto* entry = std::lower_bound(std::begin(kCp1252BestFit), end, c,
                                         [](const BestFitEntry& e, char16_t value) { return e.character < value; });
    return entry != end && entry->character == c ? entry->byte : static_cast<std::uint8_t>('?');
}

std::string Utf16ToCp1252(std::u16string_view text, bool* lossy)
{
    std::string out(text.size(), '\0');
    std::size_t i = 0;
    for (; text.size() - i >= AsciiBlock; i += AsciiBlock) {
        if (IsAsciiBlock(text.data() + i)) {
            CopyAsciiBlock(text.data() + i, out.data() + i);
        } else {
            for (std::size_t k = i; k < i + AsciiBlock; ++k) out[k] = static_cast<char>(CharToCp1252BestFit(text[k], lossy));
        }
    }
    for (; i < text.size(); ++i) out[i] = static_cast<char>(CharToCp1252BestFit(text[i], lossy));
    return out;
}

}  // namespace platform
