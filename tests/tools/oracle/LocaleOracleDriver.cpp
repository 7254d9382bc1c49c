// Answers the cross-check script: one command per input line, one result
// per output line. Texts travel as hexadecimal UTF-16LE ("." is empty),
// doubles as the hexadecimal bits of their IEEE representation.

#include <algorithm>
#include <bit>
#include <cstdint>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "core/TextManager.h"

namespace {

int HexDigit(char c) { return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10; }

std::vector<std::uint8_t> FromHex(const std::string& hex)
{
    std::vector<std::uint8_t> bytes;
    if (hex == ".") return bytes;
    bytes.reserve(hex.size() / 2);
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes.push_back(static_cast<std::uint8_t>(HexDigit(hex[i]) << 4 | HexDigit(hex[i + 1])));
    return bytes;
}

std::u16string TextFromHex(const std::string& hex)
{
    const std::vector<std::uint8_t> bytes = FromHex(hex);
    std::u16string text;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        text.push_back(static_cast<char16_t>(bytes[i] | bytes[i + 1] << 8));
    return text;
}

std::string ToHex(const char16_t* text)
{
    if (text == nullptr) return "null";
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    for (; *text != 0; ++text) {
        const unsigned units[] = {static_cast<unsigned>(*text & 0xFF), static_cast<unsigned>(*text >> 8)};
        for (unsigned unit : units) {
            hex += digits[unit >> 4];
            hex += digits[unit & 15];
        }
    }
    return hex.empty() ? "." : hex;
}

double DoubleFromHex(const std::string& hex) { return std::bit_cast<double>(std::stoull(hex, nullptr, 16)); }

std::string DoubleToHex(double value)
{
    std::ostringstream out;
    out << std::hex << std::bit_cast<std::uint64_t>(value);
    return out.str();
}

// The fields of one command line, read in order.
class Fields {
public:
    explicit Fields(const std::string& line) : line_(line) {}
    Fields& operator>>(std::string& field)
    {
        while (position_ < line_.size() && line_[position_] == ' ') ++position_;
        const std::size_t end = std::min(line_.find(' ', position_), line_.size());
        field = line_.substr(position_, end - position_);
        position_ = end;
        return *this;
    }
    Fields& operator>>(long long& number)
    {
        std::string field;
        *this >> field;
        number = std::stoll(field);
        return *this;
    }

private:
    const std::string& line_;
    std::size_t position_ = 1;
};

std::string Run(CTextManager& store, Fields& in, char command)
{
    std::string a, b;
    long long x = 0, y = 0, z = 0, w = 0;
    switch (command) {
    case 'L': in >> a; return store.LoadFromBytes(FromHex(a)) ? "1" : "0";
    case 'Z': in >> x; store.SetLanguage(static_cast<int>(x)); return "ok";
    case 'W': in >> x; store.SetLongestTextMode(x != 0); return "ok";
    case 'Q': {
        in >> x >> a;
        const std::u16string key = TextFromHex(a);
        const char16_t* text = store.GetTextInLanguage(key.c_str(), static_cast<int>(x));
        return text == key.c_str() ? "=" : ToHex(text);
    }
    case 'H': in >> a; return std::to_string(HashKey(TextFromHex(a).c_str()));
    case 'I': in >> x; return ToHex(store.FormatInt(static_cast<std::int32_t>(x)));
    case 'F': in >> a >> x; return ToHex(store.FormatFloat(DoubleFromHex(a), static_cast<int>(x)));
    case 'P': in >> a; return std::to_string(store.ParseInt(TextFromHex(a).c_str()));
    case 'R': in >> a; return DoubleToHex(store.ParseFloat(TextFromHex(a).c_str()));
    case 'O': in >> x >> y; return ToHex(store.FormatOrdinal(static_cast<std::int32_t>(x), y != 0));
    case 'C': in >> x; return ToHex(store.FormatIntPercent(static_cast<std::int32_t>(x)));
    case 'M': in >> a; return ToHex(store.FormatCurrency(DoubleFromHex(a)));
    case 'D': {
        in >> a >> x >> y >> z;
        const std::u16string pattern = TextFromHex(a);
        return ToHex(store.FormatDateTemplate(pattern.c_str(), static_cast<int>(x), static_cast<int>(y),
                                              static_cast<int>(z)));
    }
    case 'T':
        in >> w >> x >> y >> z;
        return ToHex(store.FormatTime(static_cast<int>(w), static_cast<int>(x), static_cast<int>(y),
                                      static_cast<int>(z)));
    default: return "unknown";
    }
}

}  // namespace

int main()
{
    std::ios::sync_with_stdio(false);
    CTextManager store;
    std::string line;
    std::string results;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        Fields in(line);
        results += Run(store, in, line[0]);
        results += '\n';
    }
    std::cout << results;
    return 0;
}
