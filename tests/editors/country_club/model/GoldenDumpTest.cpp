// The relegation rules offered for every predefined system and level, and
// the league-data words of 200 seeded settings of the sixteen number combos,
// against checked-in golden files.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "competition/League.h"
#include "editors/country_club/model/competition/LeagueDataModel.h"
#include "editors/country_club/model/country/LeagueSystemModel.h"
#include "tests/common/TestSupport.h"

namespace {

std::vector<std::string> GoldenLines(const char16_t* name)
{
    const auto bytes =
        testing_support::ReadBytes(testing_support::SourcePath(std::u16string(u"tests\\editors\\country_club\\model\\golden\\") + name));
    std::istringstream text(std::string(bytes.begin(), bytes.end()));
    std::vector<std::string> lines;
    for (std::string line; std::getline(text, line);) lines.push_back(line);
    return lines;
}

TEST(GoldenDump, RelegationRulesOfferedPerSystemAndLevel)
{
    std::vector<std::string> dump;
    for (int system = 0; system < 38; ++system) {
        for (int level = 0; level < LeagueLevelCount; ++level) {
            std::string line = std::to_string(system) + " " + std::to_string(level) + ":";
            for (int rule : OfferedRelegationRules(system, level)) line += " " + std::to_string(rule);
            dump.push_back(line);
        }
    }
    EXPECT_EQ(dump, GoldenLines(u"relegation_offers.txt"));
}

TEST(GoldenDump, LeagueDataWordsOfSeededSettings)
{
    const std::vector<std::string> golden = GoldenLines(u"league_data_words.txt");
    ASSERT_EQ(golden.size(), 200u);
    for (const std::string& line : golden) {
        std::istringstream fields(line);
        TCompetitionRegistry registry;
        CDBLeague league(0x01010000, 0, registry);
        const TLeagueDataContext context{1, 0, false, 0};
        TLeagueDataView view = LoadLeagueData(league, {}, context);
        for (int& value : view.numbers) fields >> value;
        StoreLeagueData(view, league, {}, context);
        char dump[32] = {};
        std::snprintf(dump, sizeof dump, "%08X %08X %d", static_cast<unsigned>(league.GetLeagueDataA()),
                      static_cast<unsigned>(league.GetLeagueDataB()), league.GetDayGroup());
        EXPECT_EQ(line.substr(line.find(" : ") + 3), dump) << line;
    }
}

}  // namespace
