#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <string>

#include "database/country/CountryPropertyTable.h"
#include "platform/Platform.h"
#include "tests/common/TestSupport.h"

namespace {

struct TIsoCountry {
    std::string alpha2;
    std::string numeric;
};

// alpha-3 -> codes, from the iso-codes package's JSON (one object a line).
std::map<std::string, TIsoCountry> ReadIsoCodes(const std::u16string& path, const char* alpha2Field)
{
    std::map<std::string, TIsoCountry> codes;
    const std::vector<std::uint8_t> bytes = testing_support::ReadBytes(path);
    const std::string text(bytes.begin(), bytes.end());
    const std::regex entry("\\{[^{}]*\\}");
    const std::regex alpha2(std::string("\"") + alpha2Field + "\": \"([A-Z]{2})");
    const std::regex alpha3("\"alpha_3\": \"([A-Z]{3})\"");
    const std::regex numeric("\"numeric\": \"([0-9]{3})\"");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), entry); it != std::sregex_iterator(); ++it) {
        const std::string object = it->str();
        std::smatch a2, a3, num;
        if (std::regex_search(object, a2, alpha2) && std::regex_search(object, a3, alpha3) &&
            std::regex_search(object, num, numeric)) {
            codes[a3[1]] = {a2[1], num[1]};
        }
    }
    return codes;
}

}  // namespace

TEST(CountryPropertyTable, AgreesWithIsoCodes)
{
    const std::u16string current = u"/usr/share/iso-codes/json/iso_3166-1.json";
    const std::u16string former = u"/usr/share/iso-codes/json/iso_3166-3.json";
    if (!platform::FileExists(current) || !platform::FileExists(former)) GTEST_SKIP() << "iso-codes not installed";
    std::map<std::string, TIsoCountry> codes = ReadIsoCodes(current, "alpha_2");
    for (const auto& [alpha3, code] : ReadIsoCodes(former, "alpha_4")) {
        if (alpha3 == "SCG" || alpha3 == "ANT") codes[alpha3] = code;
    }
    std::map<int, int> rowsPerId;
    for (const TCountryProperty& row : CountryPropertyTable()) {
        const std::string alpha3 = testing_support::Narrow(row.alpha3);
        ASSERT_EQ(codes.count(alpha3), 1u) << alpha3;
        EXPECT_EQ(testing_support::Narrow(row.alpha2), codes[alpha3].alpha2) << alpha3;
        EXPECT_EQ(row.numeric, std::stoi(codes[alpha3].numeric)) << alpha3;
        ++rowsPerId[row.countryId];
    }
    EXPECT_EQ(rowsPerId.size(), 205u);
    EXPECT_EQ(rowsPerId[126], 2);
    EXPECT_EQ(rowsPerId.count(149), 0u);
    EXPECT_EQ(rowsPerId.count(207), 0u);
}
