#pragma once
// Conversions between UTF-16 and a Windows code page given by its number,
// UTF-8 (65001) included, which refuses the flags of the other pages.

#include <optional>
#include <string>
#include <string_view>

namespace platform::win32 {

// Nothing when the system refuses the conversion. lossy is set at every
// call: true when the bytes do not convert back to the same text (best-fit
// or default characters; for UTF-8, unpaired surrogates).
std::optional<std::string> Utf16ToCodePage(unsigned codePage, std::u16string_view text, bool* lossy = nullptr);
std::optional<std::u16string> CodePageToUtf16(unsigned codePage, std::string_view bytes);

}  // namespace platform::win32
