// The search's wildcard match over the sample database's last names,
// checked against Python's fnmatch on the same folded names.

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "../../../database/DatabaseTestSupport.h"
#include "editors/player_staff/model/search/PlayerSearch.h"

namespace {

std::string Hex(const std::u16string& text)
{
    std::string line;
    char unit[8];
    for (char16_t c : text) {
        std::snprintf(unit, sizeof unit, "%x ", static_cast<unsigned>(c));
        line += unit;
    }
    return line;
}

class SearchCrossCheck : public database_testing::SampleWorldTest {};

TEST_F(SearchCrossCheck, PatternHitsAgreeWithFnmatch)
{
    ASSERT_TRUE(world_->LoadWorld(u"Database"));
    std::vector<TCountryClubPerson> persons;
    world_->CollectPersons(persons, 2);
    ASSERT_GT(persons.size(), 100u);
    const std::u16string patterns[] = {u"a*", u"*a*", u"m?ller", u"*son", u"*e?", u"s*t*", u"??????", u"b*r*", u"*ez",
                                       u"ZZZ*Q"};
    const std::string path = testing::TempDir() + "player_search_crosscheck.txt";
    std::ofstream out(path);
    out << "PATTERNS\n";
    for (const std::u16string& pattern : patterns) out << Hex(PlayerSearch::SearchKey(pattern.c_str(), 64)) << "\n";
    out << "NAMES\n";
    for (const TCountryClubPerson& entry : persons) {
        out << Hex(PlayerSearch::SearchKey(entry.person->GetLastName(), PlayerSearch::FieldCapacity)) << "\n";
    }
    out << "HITS\n";
    for (const std::u16string& pattern : patterns) {
        const PlayerSearch::TCriteria criteria = PlayerSearch::MakeCriteria(u"", pattern, u"");
        for (std::size_t i = 0; i < persons.size(); ++i) {
            if (PlayerSearch::Matches(persons[i].person, criteria)) out << i << " ";
        }
        out << "\n";
    }
    out.close();
    const std::string command =
        std::string(TR_PYTHON) + " '" + TR_SEARCHCHECK_DIR + "/check_search.py' '" + path + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
}

}  // namespace
