// The text store and its formatters against vectors that an independent
// implementation (in Python, with IEEE doubles like the program) produced
// once from generated inputs: key hashes, the localisation file rules,
// saved tables (checked by Python's csv reader) and every locale formatter.
// One command per line, a tab, the expected answer. Texts are hexadecimal
// UTF-16LE ("." is empty), doubles the hexadecimal bits of their value.

#include <gtest/gtest.h>

#include <bit>
#include <sstream>
#include <string>
#include <vector>

#include "core/files/TabbedConfig.h"
#include "core/text/TextManager.h"
#include "tests/common/TestSupport.h"

namespace {

std::vector<std::uint8_t> FromHex(const std::string& hex)
{
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; hex != "." && i + 1 < hex.size(); i += 2)
        bytes.push_back(static_cast<std::uint8_t>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    return bytes;
}

std::u16string TextFromHex(const std::string& hex)
{
    const std::vector<std::uint8_t> bytes = FromHex(hex);
    std::u16string text;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) text.push_back(static_cast<char16_t>(bytes[i] | bytes[i + 1] << 8));
    return text;
}

std::string ToHex(const std::vector<std::uint8_t>& bytes)
{
    std::string hex;
    for (std::uint8_t byte : bytes) hex += "0123456789abcdef"[byte >> 4], hex += "0123456789abcdef"[byte & 15];
    return hex;
}

std::string ToHex(const char16_t* text)
{
    if (text == nullptr) return "null";
    std::vector<std::uint8_t> bytes;
    for (; *text != 0; ++text) bytes.insert(bytes.end(), {static_cast<std::uint8_t>(*text), static_cast<std::uint8_t>(*text >> 8)});
    return bytes.empty() ? "." : ToHex(bytes);
}

double DoubleFromHex(const std::string& hex) { return std::bit_cast<double>(std::stoull(hex, nullptr, 16)); }

std::string DoubleToHex(double value)
{
    std::ostringstream out;
    out << std::hex << std::bit_cast<std::uint64_t>(value);
    return out.str();
}

// Rows of cells: U+E000 between cells, U+E001 between rows, U+E002 alone a
// text that is not set. The first row names the extra columns; each further
// row holds the id, the six texts and the extra columns.
std::string SaveTable(const std::u16string& encoded)
{
    std::vector<std::vector<std::u16string>> rows(1, std::vector<std::u16string>(1));
    for (char16_t c : encoded) {
        if (c == 0xE001) rows.emplace_back(1);
        else if (c == 0xE000) rows.back().emplace_back();
        else rows.back().back() += c;
    }
    const std::u16string unset(1, 0xE002);
    CTabbedConfig table;
    for (std::size_t i = 1; i < rows[0].size(); ++i)
        if (rows[0][i] != unset) table.SetColumnName(static_cast<int>(i - 1), rows[0][i].c_str());
    for (std::size_t r = 1; r < rows.size(); ++r) {
        TTabbedConfigRecord* record = table.AddRecord(std::stoi(testing_support::Narrow(rows[r][0])));
        for (std::size_t i = 1; record != nullptr && i < rows[r].size(); ++i) {
            if (rows[r][i] == unset) continue;
            if (i <= 6) record->SetText(static_cast<int>(i - 1), rows[r][i].c_str());
            else record->SetColumn(static_cast<int>(i - 7), rows[r][i].c_str());
        }
    }
    return ToHex(table.SaveToBytes());
}

std::string Answer(CTextManager& store, std::istringstream& in)
{
    char command = 0;
    std::string a;
    long long x = 0, y = 0, z = 0, w = 0;
    in >> command;
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
        return ToHex(store.FormatDateTemplate(pattern.c_str(), static_cast<int>(x), static_cast<int>(y), static_cast<int>(z)));
    }
    case 'T':
        in >> w >> x >> y >> z;
        return ToHex(store.FormatTime(static_cast<int>(w), static_cast<int>(x), static_cast<int>(y), static_cast<int>(z)));
    case 'S': in >> a; return SaveTable(TextFromHex(a));
    default: return "unknown command";
    }
}

TEST(LocaleVectors, EveryAnswerMatches)
{
    const std::vector<std::uint8_t> file = testing_support::ReadBytes(testing_support::SourcePath(u"tests\\core\\data\\locale_vectors.tsv"));
    std::istringstream lines(std::string(file.begin(), file.end()));
    CTextManager store;
    int checked = 0, failed = 0;
    for (std::string line; std::getline(lines, line);) {
        if (line.empty() || line[0] == '#') continue;
        const std::size_t tab = line.find('\t');
        ASSERT_NE(tab, std::string::npos) << line.substr(0, 80);
        std::istringstream command(line.substr(0, tab));
        const std::string answer = Answer(store, command);
        ++checked;
        if (answer != line.substr(tab + 1) && ++failed <= 10)
            ADD_FAILURE() << line.substr(0, std::min<std::size_t>(tab, 200)) << "\n  expected " << line.substr(tab + 1, 200)
                          << "\n  got      " << answer.substr(0, 200);
    }
    EXPECT_GT(checked, 1000);
    EXPECT_EQ(failed, 0);
}

}  // namespace
