#pragma once
// Explicit conversions between the core's UTF-16 and the encodings that files
// and the operating system use. Broken input never fails: invalid sequences
// decode to U+FFFD, lone surrogates encode as U+FFFD.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace platform {

static_assert(sizeof(char16_t) == 2);

// The halves of a UTF-16 surrogate pair.
constexpr bool IsHighSurrogate(char16_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}
constexpr bool IsLowSurrogate(char16_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

std::u16string Utf8ToUtf16(std::string_view bytes);
std::string Utf16ToUtf8(std::u16string_view text);
// The same conversions into a buffer the caller sized once: the decoder
// writes at most bytes.size() units, the encoder at most
// MaxUtf8BytesPerUnit * text.size() bytes; both return how many they wrote.
inline constexpr std::size_t MaxUtf8BytesPerUnit = 3;
std::size_t Utf8ToUtf16(std::string_view bytes, char16_t* out);
std::size_t Utf16ToUtf8(std::u16string_view text, char* out);
// Decodes the sequence that starts at bytes[i] (i below the size) and moves
// i past it: its code point, or U+FFFD for a broken sequence, which covers
// its maximal valid prefix (at least one byte).
char32_t DecodeUtf8Sequence(std::string_view bytes, std::size_t& i);
// Writes the UTF-16 form of a code point (one or two units) and returns
// the position after it.
char16_t* PutCodePoint(char32_t cp, char16_t* out);
// An odd last byte is dropped.
std::u16string Utf16LeToUtf16(std::span<const std::uint8_t> bytes);
std::u16string Utf16BeToUtf16(std::span<const std::uint8_t> bytes);
void AppendUtf16Le(std::u16string_view text, std::string& out);
bool IsValidUtf8(std::string_view bytes);

// Windows-1252, identical on both builds. The five unassigned bytes map to
// the C1 controls of the same value, as Windows does.
std::u16string Cp1252ToUtf16(std::string_view bytes);
char16_t Cp1252ToChar(std::uint8_t byte);
// Returns false when the character has no exact byte.
bool CharToCp1252(char16_t c, std::uint8_t& byte);
// Exact bytes where they exist; otherwise the best-fit byte of Windows'
// conversion (letters lose their accents), otherwise '?'.
std::string Utf16ToCp1252(std::u16string_view text, bool* lossy = nullptr);
std::uint8_t CharToCp1252BestFit(char16_t c, bool* lossy = nullptr);

}  // namespace platform
