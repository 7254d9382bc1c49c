// On Windows (and Wine) our code page 1252 tables must agree with the
// system's own conversion for every character of the basic plane, so that
// both builds write the same bytes.

#ifdef _WIN32
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/TextCodec.h"

namespace {

TEST(Cp1252WindowsAgreement, EveryCharacterConvertsAsWindowsDoes)
{
    int mismatches = 0;
    for (unsigned c = 1; c < 0x10000; ++c) {
        if (c >= 0xD800 && c < 0xE000) continue;
        const wchar_t wide = static_cast<wchar_t>(c);
        char byte = 0;
        WideCharToMultiByte(1252, 0, &wide, 1, &byte, 1, nullptr, nullptr);
        const std::uint8_t ours = platform::CharToCp1252BestFit(static_cast<char16_t>(c));
        if (ours != static_cast<std::uint8_t>(byte) && ++mismatches <= 10)
            ADD_FAILURE() << std::hex << "U+" << c << ": ours " << unsigned(ours) << ", Windows " << unsigned(std::uint8_t(byte));
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(Cp1252WindowsAgreement, EveryByteDecodesAsWindowsDoes)
{
    for (int byte = 0; byte < 256; ++byte) {
        const char narrow = static_cast<char>(byte);
        wchar_t wide = 0;
        MultiByteToWideChar(1252, 0, &narrow, 1, &wide, 1);
        EXPECT_EQ(platform::Cp1252ToChar(static_cast<std::uint8_t>(byte)), static_cast<char16_t>(wide)) << byte;
    }
}

}  // namespace
#endif
