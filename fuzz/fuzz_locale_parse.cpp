// Parsers and templates on arbitrary input: the first bytes choose the
// locale's separators and sign, the rest is the text parsed and the
// template filled.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>

#include "core/text/TextManager.h"
#include "platform/TextCodec.h"

namespace {

std::string Field(std::span<const std::uint8_t> bytes, std::size_t& offset)
{
    if (offset >= bytes.size()) return {};
    const std::size_t length = std::min<std::size_t>(bytes[offset] % 4, bytes.size() - offset - 1);
    std::string field(reinterpret_cast<const char*>(bytes.data()) + offset + 1, length);
    offset += 1 + length;
    for (char& c : field)
        if (c == '\n' || c == '\r' || c == '|' || c == 0) c = '.';
    return field;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> bytes(data, size);
    std::size_t offset = 0;
    std::string file = "\xEF\xBB\xBF";
    for (const char* key : {"Internal.Number.Thousand", "Internal.Number.Decimal", "Internal.Number.Negative"})
        file += std::string(key) + "|" + Field(bytes, offset) + "\n";
    CTextManager store;
    store.LoadFromBytes(std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(file.data()), file.size()));

    const std::span<const std::uint8_t> rest = bytes.subspan(std::min(offset, bytes.size()));
    const std::u16string text = platform::Utf16LeToUtf16(rest);
    store.ParseInt(text.c_str());
    const double parsed = store.ParseFloat(text.c_str());
    double raw = 0;
    if (rest.size() >= sizeof raw) std::memcpy(&raw, rest.data(), sizeof raw);
    for (int decimals = -1; decimals <= 9; decimals += 5) {
        store.FormatFloat(parsed, decimals);
        store.FormatFloat(raw, decimals);
    }
    std::int32_t values[3] = {};
    if (!rest.empty()) std::memcpy(values, rest.data(), std::min(rest.size(), sizeof values));
    store.FormatDateTemplate(text.c_str(), values[0], values[1], values[2]);
    store.FormatTimeTemplate(text.c_str(), values[0], values[1], values[2]);
    char16_t small[7];
    store.FormatDateTemplate(text.c_str(), values[2], values[0], values[1], small, sizeof small / sizeof small[0]);
    store.FormatTimeTemplate(text.c_str(), values[2], values[1], values[0], small, sizeof small / sizeof small[0]);
    return 0;
}
