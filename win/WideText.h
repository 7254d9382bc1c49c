#pragma once
// The core speaks char16_t, Win32 speaks wchar_t; on Windows both are the
// same 16-bit units, so texts cross this boundary by a cast, never a copy.

#include <string>
#include <string_view>

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Win32 text must be UTF-16");

namespace win {

inline const wchar_t* W(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }
inline wchar_t* W(char16_t* text) { return reinterpret_cast<wchar_t*>(text); }
inline const wchar_t* W(const std::u16string& text) { return W(text.c_str()); }
inline const char16_t* U(const wchar_t* text) { return reinterpret_cast<const char16_t*>(text); }
inline char16_t* U(wchar_t* text) { return reinterpret_cast<char16_t*>(text); }

}  // namespace win
