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

#include "core/TabbedConfig.h"
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

// A table given as rows of cells (U+E000 between cells, U+E001 between
// rows; U+E002 alone marks a text that is not set): the first row is a
// marker cell and the names of the extra columns, every further row holds the id, the six texts in database
// language order and the extra columns. Answers the saved bytes.
std::string SaveTable(const std::u16string& encodedTable)
{
    std::vector<std::vector<std::u16string>> rows(1);
    rows.back().emplace_back();
    for (char16_t c : encodedTable) {
        if (c == 0xE001) {
            rows.emplace_back(1);
        } else if (c == 0xE000) {
            rows.back().emplace_back();
        } else {
            rows.back().back() += c;
        }
    }
    const std::u16string unset(1, 0xE002);
    CTabbedConfig table;
    for (std::size_t i = 1; i < rows[0].size(); ++i)
        if (rows[0][i] != unset) table.SetColumnName(static_cast<int>(i - 1), rows[0][i].c_str());
    for (std::size_t r = 1; r < rows.size(); ++r) {
        TTabbedConfigRecord* record = table.AddRecord(std::stoi(std::string(rows[r][0].begin(), rows[r][0].end())));
        if (record == nullptr) continue;
        for (std::size_t i = 1; i < rows[r].size(); ++i) {
            if (rows[r][i] == unset) continue;
            if (i <= 6) record->SetText(static_cast<int>(i - 1), rows[r][i].c_str());
            else record->SetColumn(static_cast<int>(i - 7), rows[r][i].c_str());
        }
    }
    std::string hex;
    static const char digits[] = "0123456789abcdef";
    for (std::uint8_t byte : table.SaveToBytes()) {
        hex += digits[byte >> 4];
        hex += digits[byte & 15];
    }
    return hex;
}

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
    case 'S': in >> a; return SaveTable(TextFromHex(a));
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
