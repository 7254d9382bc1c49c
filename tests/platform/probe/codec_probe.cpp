// Converts standard input for the codec cross-check: the mode names the
// direction, the output goes to standard output. With "framed-" before the
// mode the input is a series of cases, each a 32-bit little-endian length
// and that many bytes, converted one by one and framed the same way, so
// that one run covers thousands of cases with their own beginnings and ends.

#include <cstdio>
#include <iostream>
#include <iterator>
#include <span>
#include <string>
#include <string_view>

#include "platform/TextCodec.h"

namespace {

std::span<const std::uint8_t> AsBytes(std::string_view text)
{
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

bool Convert(std::string_view mode, std::string_view input, std::string& output)
{
    if (mode == "utf8-to-utf16le") {
        platform::AppendUtf16Le(platform::Utf8ToUtf16(input), output);
    } else if (mode == "utf16le-to-utf8") {
        output += platform::Utf16ToUtf8(platform::Utf16LeToUtf16(AsBytes(input)));
    } else if (mode == "utf16be-to-utf8") {
        output += platform::Utf16ToUtf8(platform::Utf16BeToUtf16(AsBytes(input)));
    } else if (mode == "cp1252-to-utf8") {
        output += platform::Utf16ToUtf8(platform::Cp1252ToUtf16(input));
    } else if (mode == "utf8-to-cp1252") {
        output += platform::Utf16ToCp1252(platform::Utf8ToUtf16(input));
    } else {
        return false;
    }
    return true;
}

std::uint32_t ReadLength(std::string_view bytes)
{
    std::uint32_t length = 0;
    for (int i = 3; i >= 0; --i) length = (length << 8) | static_cast<unsigned char>(bytes[static_cast<std::size_t>(i)]);
    return length;
}

void AppendLength(std::size_t length, std::string& output)
{
    for (int i = 0; i < 4; ++i) output.push_back(static_cast<char>((length >> (8 * i)) & 0xFF));
}

bool ConvertFramed(std::string_view mode, std::string_view input, std::string& output)
{
    while (input.size() >= 4) {
        const std::uint32_t length = ReadLength(input);
        if (input.size() - 4 < length) return false;
        std::string converted;
        if (!Convert(mode, input.substr(4, length), converted)) return false;
        AppendLength(converted.size(), output);
        output += converted;
        input.remove_prefix(4 + length);
    }
    return input.empty();
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) return 2;
    std::freopen(nullptr, "rb", stdin);
    std::freopen(nullptr, "wb", stdout);
    const std::string input((std::istreambuf_iterator<char>(std::cin)), std::istreambuf_iterator<char>());
    const std::string_view mode = argv[1];
    constexpr std::string_view Framed = "framed-";
    std::string output;
    const bool converted = mode.starts_with(Framed) ? ConvertFramed(mode.substr(Framed.size()), input, output)
                                                    : Convert(mode, input, output);
    if (!converted) return 2;
    std::fwrite(output.data(), 1, output.size(), stdout);
    return 0;
}
