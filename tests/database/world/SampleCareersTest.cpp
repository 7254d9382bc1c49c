// The shipped sample's careers and titles as the program reads them.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "tests/database/DatabaseTestSupport.h"
#include "database/club/Club.h"
#include "database/country/Country.h"
#include "database/person/Person.h"
#include "database/person/PlayersWithoutClub.h"

using database_testing::SampleWorldTest;

namespace {

// A player with the club whose squad holds him; none for a player without club.
using TSquadPlayer = std::pair<TPerson*, TClub*>;

// Every squad player, country by country in the clubs' order.
std::vector<TSquadPlayer> ClubPlayers(TCompleteWorld& world)
{
    std::vector<TSquadPlayer> players;
    for (int id = 1; id <= 206; ++id) {
        for (int index = 0; index < world.GetCountry(id)->GetClubCount(); ++index) {
            TClub* club = world.GetCountry(id)->GetClubByIndex(index);
            for (int slot = 0; slot < club->GetSquadCount(); ++slot) {
                TPerson* person = club->GetSquadPerson(slot);
                if (person != nullptr && person->IsPlayer()) players.push_back({person, club});
            }
        }
    }
    return players;
}

constexpr std::uint8_t LoanedInBit = 1 << 3;  // an injury may stand beside it
constexpr int ForwardGroup = 4;
constexpr int MatchesASeason = 34;
constexpr int SeasonsOnTop = 12;
enum TitleList { Championships, Cups, SuperCups, ChampionsCups = 4, ClubWorldCups = 6, IntercontinentalCups };

// The years of a title list, "1970,2004,2005" as the file holds it.
std::set<int> Years(const std::u16string& text)
{
    std::set<int> years;
    int year = 0;
    for (char16_t c : text + u",") {
        if (c != u',') year = year * 10 + (c - u'0');
        else if (year != 0) years.insert(std::exchange(year, 0));
    }
    return years;
}

}  // namespace

// A squad player runs one spell, his latest, at the club holding him: a
// loan just when he is loaned in, begun the day after his latest own spell
// ended at the lender; he joined his contract's club when his stay there
// (its spells, loans away between) began. Caps are at most one for two club
// matches, and a forward with twenty has scored. Every club's players came
// in over four years or more, no year half the squad.
TEST_F(SampleWorldTest, EachPlayersCareerFitsHisSquadLoanAndCaps)
{
    ASSERT_TRUE(world_->LoadWorld(u"Database"));
    std::vector<TSquadPlayer> players = ClubPlayers(*world_);
    ASSERT_EQ(players.size(), 944u);
    for (int index = 0; index < world_->GetFreeAgents().GetCount(); ++index) players.push_back({world_->GetFreeAgents().GetPlayer(index), nullptr});
    int loanedIn = 0, backFromLoan = 0, scoringForwards = 0, winter = 0;
    std::map<const TClub*, std::map<int, int>> joined;
    for (const auto& [person, club] : players) {
        SCOPED_TRACE(testing_support::Narrow(TPerson::GetShortName(person)));
        int running = -1, runningCount = 0, latest = -1, lender = -1, matches = 0;
        for (int index = 0; index < person->GetHistoryCount(); ++index) {
            const THistoryEntry& entry = person->GetHistoryEntry(index);
            matches += entry.matches;
            runningCount += entry.IsRunning() ? 1 : 0;
            running = entry.IsRunning() ? index : running;
            if (latest < 0 || entry.end > person->GetHistoryEntry(latest).end) latest = index;
            if (!entry.IsLoan() && (lender < 0 || entry.end > person->GetHistoryEntry(lender).end)) lender = index;
        }
        const int caps = person->GetNationalAppearances();
        EXPECT_LE(caps, matches / 2);
        EXPECT_LE(person->GetNationalGoals(), caps);
        if (person->GetPositionGroup() == ForwardGroup && caps >= 20) {
            EXPECT_GT(person->GetNationalGoals(), 0) << caps << " caps";
            ++scoringForwards;
        }
        if (club == nullptr) {
            EXPECT_EQ(runningCount, 0);
            continue;
        }
        ASSERT_EQ(runningCount, 1);
        const THistoryEntry& spell = person->GetHistoryEntry(running);
        EXPECT_EQ(spell.clubId, club->GetId());
        EXPECT_EQ(latest, running);
        const bool loaned = (person->GetStateBits() & LoanedInBit) != 0;
        EXPECT_EQ(spell.IsLoan(), loaned);
        const std::uint32_t owner = loaned ? person->GetTransferClub() : club->GetId();
        if (loaned) {
            ++loanedIn;
            EXPECT_NE(owner, club->GetId());
            ASSERT_GE(lender, 0);
            EXPECT_EQ(person->GetHistoryEntry(lender).clubId, owner);
            EXPECT_EQ(person->GetHistoryEntry(lender).end + 1, spell.start);
        }
        int stay = -1;
        for (int index = person->GetHistoryCount() - 1; index >= 0; --index) {
            const THistoryEntry& entry = person->GetHistoryEntry(index);
            if (entry.IsLoan()) continue;
            if (entry.clubId != owner) break;
            stay = index;
        }
        ASSERT_GE(stay, 0);
        EXPECT_EQ(person->GetYearJoined(), person->GetHistoryEntry(stay).start.GetYear());
        backFromLoan += !loaned && stay != running ? 1 : 0;
        winter += person->GetHistoryEntry(stay).start.GetMonth() == 1 ? 1 : 0;
        ++joined[club][person->GetYearJoined()];
    }
    EXPECT_GT(loanedIn, 20);
    EXPECT_GT(backFromLoan, 20);
    EXPECT_GT(scoringForwards, 3);
    EXPECT_GT(winter, 20);
    ASSERT_EQ(joined.size(), 42u);
    for (const auto& [club, years] : joined) {
        int squad = 0, most = 0;
        for (const auto& [year, count] : years) squad += count, most = std::max(most, count);
        EXPECT_GE(years.size(), 4u) << testing_support::Narrow(club->GetName());
        EXPECT_LE(2 * most, squad) << testing_support::Narrow(club->GetName());
    }
}

// The title lists stand in the rows of the history page, as Kingsmouth
// Rovers' show: each cup in the years it was played, the champions cup
// after a championship, the club world and intercontinental cups for its
// winner, one winner a year. A champion wins more than it loses in its
// title seasons, the seasons beside them losing at most every match.
TEST_F(SampleWorldTest, TitleListsStandInTheirRowsAndChampionsWonThem)
{
    ASSERT_TRUE(world_->LoadWorld(u"Database"));
    const std::pair<int, int> played[] = {{1963, 2006}, {1900, 2006}, {1980, 2006}, {1960, 2006},
                                          {1956, 2006}, {1995, 2006}, {2000, 2006}, {1960, 2004}};
    std::set<const TClub*> clubs;
    for (const auto& [person, club] : ClubPlayers(*world_)) clubs.insert(club);
    std::map<int, std::set<int>> internationalWinners;
    std::map<std::string, std::u16string> rows;
    int champions = 0;
    for (const TClub* club : clubs) {
        const std::string name = testing_support::Narrow(club->GetName());
        std::set<int> titles[TClub::HistoryTextCount];
        for (int list = 0; list < TClub::HistoryTextCount; ++list) {
            rows[name] += club->GetHistoryText(list) + u"|";
            titles[list] = Years(club->GetHistoryText(list));
            for (int year : titles[list]) {
                SCOPED_TRACE(name + " list " + std::to_string(list) + ": " + std::to_string(year));
                EXPECT_TRUE(year >= played[list].first && year <= played[list].second);
                EXPECT_TRUE(list < ChampionsCups || internationalWinners[list].insert(year).second);
                EXPECT_TRUE(list != ChampionsCups || titles[Championships].count(year - 1));
                EXPECT_TRUE(list < ClubWorldCups || titles[ChampionsCups].count(year));
                EXPECT_TRUE(list != SuperCups || titles[Championships].count(year - 1) || titles[Cups].count(year - 1));
            }
        }
        const int won = static_cast<int>(titles[Championships].size());
        if (won == 0) continue;
        ++champions;
        std::uint16_t wins = 0, draws = 0, defeats = 0;
        club->GetLeagueStats(0, wins, draws, defeats);
        EXPECT_EQ(club->GetLeagueStat(SeasonsOnTop), won) << name;
        EXPECT_GT(wins, defeats - MatchesASeason * ((wins + draws + defeats) / MatchesASeason - won)) << name;
    }
    EXPECT_GT(champions, 20);
    EXPECT_EQ(rows.at("Kingsmouth Rovers"), u"1970,2004,2005|1910,1950,1983|2005,2006|1969,1970|1971,2005,2006||2005|1971|");
}
