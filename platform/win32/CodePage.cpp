#include "platform/win32/CodePage.h"

#include <windows.h>

#include <climits>

namespace platform::win32 {

std::optional<std::u16string> CodePageToUtf16(unsigned codePage, std::string_view bytes)
{
    if (bytes.empty()) return std::u16string();
    if (bytes.size() > INT_MAX) return std::nullopt;
    const int count = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(codePage, 0, bytes.data(), count, nullptr, 0);
    if (length <= 0) return std::nullopt;
    std::u16string text(static_cast<std::size_t>(length), u'\0');
    auto* wide = reinterpret_cast<wchar_t*>(text.data());
    if (MultiByteToWideChar(codePage, 0, bytes.data(), count, wide, length) != length) return std::nullopt;
    return text;
}

// No used-default flag: UTF-8 rejects it, and converting back also tells
// best-fit characters, which the flag does not.
std::optional<std::string> Utf16ToCodePage(unsigned codePage, std::u16string_view text, bool* lossy)
{
    if (lossy) *lossy = false;
    if (text.empty()) return std::string();
    if (text.size() > INT_MAX) return std::nullopt;
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int count = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(codePage, 0, wide, count, nullptr, 0, nullptr, nullptr);
    if (length <= 0) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(length), '\0');
    if (WideCharToMultiByte(codePage, 0, wide, count, bytes.data(), length, nullptr, nullptr) != length) {
        return std::nullopt;
    }
    if (lossy) {
        const std::optional<std::u16string> back = CodePageToUtf16(codePage, bytes);
        *lossy = !back || *back != text;
    }
    return bytes;
}

}  // namespace platform::win32
