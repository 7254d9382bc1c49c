// Converts standard input for the codec cross-check: the mode names the
// direction, the output goes to standard output.

#include <cstdio>
#include <iostream>
#include <iterator>
#include <string>

#include "platform/TextCodec.h"

int main(int argc, char** argv)
{
    if (argc != 2) return 2;
    std::freopen(nullptr, "rb", stdin);
    std::freopen(nullptr, "wb", stdout);
    const std::string input((std::istreambuf_iterator<char>(std::cin)), std::istreambuf_iterator<char>());
    const std::string mode = argv[1];
    std::string output;
    if (mode == "utf8-to-utf16le") {
        platform::AppendUtf16Le(platform::Utf8ToUtf16(input), output);
    } else if (mode == "utf16le-to-utf8") {
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(input.data());
        output = platform::Utf16ToUtf8(platform::Utf16LeToUtf16({bytes, input.size()}));
    } else if (mode == "utf16be-to-utf8") {
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(input.data());
        output = platform::Utf16ToUtf8(platform::Utf16BeToUtf16({bytes, input.size()}));
    } else if (mode == "cp1252-to-utf8") {
        output = platform::Utf16ToUtf8(platform::Cp1252ToUtf16(input));
    } else if (mode == "utf8-to-cp1252") {
        output = platform::Utf16ToCp1252(platform::Utf8ToUtf16(input));
    } else {
        return 2;
    }
    std::fwrite(output.data(), 1, output.size(), stdout);
    return 0;
}
