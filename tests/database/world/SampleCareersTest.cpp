// The shipped sample's careers, titles and league figures as the program
// reads them from the files: one running spell per player, loans as the
// transfer processing leaves them, national records the club careers carry,
// arrivals over many seasons, title lists in the rows the history page
// shows, champions that won their title seasons, spells that fit the
// players' years and league figures that fit the clubs'.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "tests/database/DatabaseTestSupport.h"
#include "database/club/Club.h"
#include "database/country/Country.h"
#include "database/person/Person.h"
#include "database/person/PlayersWithoutClub.h"

using database_testing::ClubPlayers;
using database_testing::SampleWorldTest;
using database_testing::TSquadPlayer;

namespace {

// The state bit of a player loaned in at present; an injury may stand
// beside it.
constexpr std::uint8_t LoanedInBit = 1 << 3;
constexpr int GoalkeeperGroup = 1;
constexpr int ForwardGroup = 4;
constexpr int MatchesASeason = 34;
// The eight title lists: championship, cup, super cup, league cup,
// champions cup, IT cup, club world cup, intercontinental cup.
enum TitleList { Championships, Cups, SuperCups, LeagueCups, ChampionsCups, ItCups, ClubWorldCups, IntercontinentalCups };
constexpr int SeasonsOnTop = 12;

bool IsLoanedIn(const TPerson& person) { return (person.GetStateBits() & LoanedInBit) != 0; }

// The clubs whose squads hold players, each once.
std::vector<TClub*> ClubsWithPlayers(TCompleteWorld& world)
{
    std::vector<TClub*> clubs;
    for (const TSquadPlayer& player : ClubPlayers(world)) {
        if (clubs.empty() || clubs.back() != player.club) clubs.push_back(player.club);
    }
    return clubs;
}

std::vector<int> RunningSpells(const TPerson& person)
{
    std::vector<int> running;
    for (int index = 0; index < person.GetHistoryCount(); ++index) {
        if (person.GetHistoryEntry(index).IsRunning()) running.push_back(index);
    }
    return running;
}

// The entry with the latest end, the first of equal ones, as the problem
// check and the transfer processing take it; skip is left out.
int LatestEnding(const TPerson& person, int skip = -1, bool loans = true)
{
    int latest = -1;
    for (int index = 0; index < person.GetHistoryCount(); ++index) {
        const THistoryEntry& entry = person.GetHistoryEntry(index);
        if (index == skip || (!loans && entry.IsLoan())) continue;
        if (latest < 0 || entry.end > person.GetHistoryEntry(latest).end) latest = index;
    }
    return latest;
}

// The first spell of the player's stay at the club holding his contract:
// its spells there with his loans away between them, back from the last.
int StayStart(const TPerson& person, std::uint32_t owner)
{
    int first = -1;
    for (int index = person.GetHistoryCount() - 1; index >= 0; --index) {
        const THistoryEntry& entry = person.GetHistoryEntry(index);
        if (entry.IsLoan()) continue;
        if (entry.clubId != owner) break;
        first = index;
    }
    return first;
}

std::string Who(const TPerson& person, const TClub* club)
{
    return testing_support::Narrow(TPerson::GetShortName(&person)) + (club ? " of " + testing_support::Narrow(club->GetName()) : "");
}

std::vector<int> Years(const std::u16string& text)
{
    std::vector<int> years;
    int year = 0;
    for (char16_t c : text + u",") {
        if (c == u',') {
            if (year != 0) years.push_back(year);
            year = 0;
        } else {
            year = year * 10 + (c - u'0');
        }
    }
    return years;
}

bool Holds(const std::vector<int>& years, int year) { return std::find(years.begin(), years.end(), year) != years.end(); }

}  // namespace

// A player's running spell is at the club whose squad holds him: a loan
// there when he is loaned in at present, from a club other than his own at
// which his latest spell but the loan ended (as returning him from the loan
// asks), else his own spell; an ended loan runs no more, and the player
// joined the club holding his contract when his stay there began.
TEST_F(SampleWorldTest, EveryPlayerHasOneRunningSpellAsHisSquadAndLoanStateSay)
{
    ASSERT_TRUE(world_->LoadWorld(u"Database"));
    const std::vector<TSquadPlayer> players = ClubPlayers(*world_);
    int loanedIn = 0;
    int backFromLoan = 0;
    for (const auto& [person, club] : players) {
        const std::string who = Who(*person, club);
        const std::vector<int> running = RunningSpells(*person);
        ASSERT_EQ(running.size(), 1u) << who;
        const THistoryEntry& spell = person->GetHistoryEntry(running[0]);
        EXPECT_EQ(spell.clubId, club->GetId()) << who;
        EXPECT_EQ(LatestEnding(*person), running[0]) << who;
        const bool loaned = IsLoanedIn(*person);
        EXPECT_EQ(spell.IsLoan(), loaned) << who;
        std::uint32_t owner = club->GetId();
        if (loaned) {
            ++loanedIn;
            owner = person->GetTransferClub();
            EXPECT_NE(owner, club->GetId()) << who;
            EXPECT_NE(world_->GetClub(owner), nullptr) << who;
            const int lender = LatestEnding(*person, running[0], false);
            ASSERT_GE(lender, 0) << who;
            EXPECT_EQ(person->GetHistoryEntry(lender).clubId, owner) << who;
            EXPECT_EQ(person->GetHistoryEntry(lender).end + 1, spell.start) << who;
        }
        const int stay = StayStart(*person, owner);
        ASSERT_GE(stay, 0) << who;
        EXPECT_EQ(person->GetYearJoined(), person->GetHistoryEntry(stay).start.GetYear()) << who;
        if (!loaned && stay != running[0]) ++backFromLoan;
    }
    EXPECT_EQ(players.size(), 944u);
    EXPECT_GT(loanedIn, 20);
    EXPECT_GT(backFromLoan, 20);
    for (int index = 0; index < world_->GetFreeAgents().GetCount(); ++index) {
        const TPerson& person = *world_->GetFreeAgents().GetPlayer(index);
        EXPECT_TRUE(RunningSpells(person).empty()) << Who(person, nullptr);
    }
}

// The quick transfer moves a player as a user would: whatever his career,
// he then runs one spell, at his new club, and every spell ends no earlier
// than it began.
TEST_F(SampleWorldTest, AMoveToAnotherClubLeavesOneRunningSpellThere)
{
    ASSERT_TRUE(world_->LoadWorld(u"Database"));
    const std::vector<TSquadPlayer> players = ClubPlayers(*world_);
    for (std::size_t at = 0; at < players.size(); ++at) {
        const auto& [person, club] = players[at];
        // The first player of the next club; the last club's go to the first.
        TClub* next = players[0].club;
        for (std::size_t later = at + 1; later < players.size(); ++later) {
            if (players[later].club != club) {
                next = players[later].club;
                break;
            }
        }
        const std::string who = Who(*person, club);
        ASSERT_TRUE(person->MoveToClub(next, 0)) << who;
        const std::vector<int> running = RunningSpells(*person);
        ASSERT_EQ(running.size(), 1u) << who;
        EXPECT_EQ(person->GetHistoryEntry(running[0]).clubId, next->GetId()) << who;
        for (int entry = 0; entry < person->GetHistoryCount(); ++entry) {
            EXPECT_FALSE(person->GetHistoryEntry(entry).end < person->GetHistoryEntry(entry).start) << who << " entry " << entry;
        }
    }
}

// A player plays for his country at most once for every two matches for
// his clubs' first teams, scores no more often than he plays, and a
// forward capped twenty times has scored.
TEST_F(SampleWorldTest, NationalRecordsFitTheClubCareers)
{
    ASSERT_TRUE(world_->LoadWorld(u"Database"));
    std::vector<TSquadPlayer> players = ClubPlayers(*world_);
    for (int index = 0; index < world_->GetFreeAgents().GetCount(); ++index) players.push_back({world_->GetFreeAgents().GetPlayer(index), nullptr});
    int heavilyCapped = 0;
    int scoringForwards = 0;
    for (const auto& [person, club] : players) {
        const std::string who = Who(*person, club);
        int matches = 0;
        for (int index = 0; index < person->GetHistoryCount(); ++index) matches += person->GetHistoryEntry(index).matches;
        const int caps = person->GetNationalAppearances();
        EXPECT_LE(caps, matches / 2) << who << " with " << matches << " club matches";
        EXPECT_LE(person->GetNationalGoals(), caps) << who;
        if (person->GetPositionGroup() == ForwardGroup && caps >= 20) {
            EXPECT_GT(person->GetNationalGoals(), 0) << who << " with " << caps << " caps";
            ++scoringForwards;
        }
        heavilyCapped += caps >= 30 ? 1 : 0;
    }
    EXPECT_GT(heavilyCapped, 5);
    EXPECT_GT(scoringForwards, 3);
}

// Squads are made over many windows: in every club players joined in at
// least four different years, no year brought half the squad, and some
// came in a winter window.
TEST_F(SampleWorldTest, PlayersJoinedTheirClubsOverManySeasons)
{
    ASSERT_TRUE(world_->LoadWorld(u"Database"));
    std::map<const TClub*, std::map<int, int>> joined;
    int winter = 0;
    for (const auto& [person, club] : ClubPlayers(*world_)) {
        ++joined[club][person->GetYearJoined()];
        const int stay = StayStart(*person, IsLoanedIn(*person) ? person->GetTransferClub() : club->GetId());
        winter += stay >= 0 && person->GetHistoryEntry(stay).start.GetMonth() == 1 ? 1 : 0;
    }
    EXPECT_EQ(joined.size(), 42u);
    for (const auto& [club, years] : joined) {
        int squad = 0;
        int most = 0;
        for (const auto& [year, count] : years) {
            squad += count;
            most = std::max(most, count);
        }
        const std::string name = testing_support::Narrow(club->GetName());
        EXPECT_GE(years.size(), 4u) << name;
        EXPECT_LE(2 * most, squad) << name;
    }
    EXPECT_GT(winter, 20);
}

// The title lists stand in the rows the history page shows (list 4 the
// champions cup, 5 the IT cup): only a champion plays the champions cup,
// only its winner the club world cup and the intercontinental cup, and each
// cup only in the years it was played. Kingsmouth Rovers' rows as a user
// reads them.
TEST_F(SampleWorldTest, TitleListsStandInTheRowsOfTheHistoryPage)
{
    ASSERT_TRUE(world_->LoadWorld(u"Database"));
    const std::pair<int, int> played[] = {{1963, 2006}, {1900, 2006}, {1980, 2006}, {1960, 2006},
                                          {1956, 2006}, {1995, 2006}, {2000, 2006}, {1960, 2004}};
    std::map<int, std::set<int>> internationalWinners;
    const TClub* kingsmouth = nullptr;
    for (const TClub* club : ClubsWithPlayers(*world_)) {
        if (std::u16string_view(club->GetName()) == u"Kingsmouth Rovers") kingsmouth = club;
        std::vector<int> titles[TClub::HistoryTextCount];
        for (int list = 0; list < TClub::HistoryTextCount; ++list) titles[list] = Years(club->GetHistoryText(list));
        const std::string name = testing_support::Narrow(club->GetName());
        for (int list = 0; list < TClub::HistoryTextCount; ++list) {
            for (int year : titles[list]) {
                EXPECT_TRUE(year >= played[list].first && year <= played[list].second) << name << " list " << list << ": " << year;
            }
        }
        for (int year : titles[ChampionsCups]) EXPECT_TRUE(Holds(titles[Championships], year - 1)) << name << " " << year;
        for (int list : {ClubWorldCups, IntercontinentalCups}) {
            for (int year : titles[list]) EXPECT_TRUE(Holds(titles[ChampionsCups], year)) << name << " list " << list << ": " << year;
        }
        for (int year : titles[SuperCups]) {
            EXPECT_TRUE(Holds(titles[Championships], year - 1) || Holds(titles[Cups], year - 1)) << name << " " << year;
        }
        for (int list = ChampionsCups; list <= IntercontinentalCups; ++list) {
            for (int year : titles[list]) EXPECT_TRUE(internationalWinners[list].insert(year).second) << name << " list " << list;
        }
    }
    ASSERT_NE(kingsmouth, nullptr);
    const std::u16string rows[] = {u"1970,2004,2005", u"1910,1950,1983", u"2005,2006", u"1969,1970",
                                   u"1971,2005,2006", u"", u"2005", u"1971"};
    for (int list = 0; list < TClub::HistoryTextCount; ++list) {
        EXPECT_EQ(kingsmouth->GetHistoryText(list), rows[list]) << "list " << list;
    }
}

// A champion wins more than it loses in each title season. The seasons
// beside them lose at most every match, so the first league's figures hold
// more wins than the defeats those seasons leave to the titles.
TEST_F(SampleWorldTest, ChampionsWinMoreThanTheyLoseInTheirTitleSeasons)
{
    ASSERT_TRUE(world_->LoadWorld(u"Database"));
    int champions = 0;
    for (const TClub* club : ClubsWithPlayers(*world_)) {
        const int titles = static_cast<int>(Years(club->GetHistoryText(Championships)).size());
        if (titles == 0) continue;
        ++champions;
        std::uint16_t wins = 0, draws = 0, defeats = 0;
        club->GetLeagueStats(0, wins, draws, defeats);
        const int seasons = (wins + draws + defeats) / MatchesASeason;
        const std::string name = testing_support::Narrow(club->GetName());
        EXPECT_EQ(club->GetLeagueStat(SeasonsOnTop), titles) << name;
        EXPECT_GT(wins, defeats - MatchesASeason * (seasons - titles)) << name << " " << wins << "-" << draws << "-" << defeats;
    }
    EXPECT_GT(champions, 20);
}

// Spells as a football fan reads them: none before the player was fifteen,
// none without a club that holds matches, a fee or a loan, no more goals
// than matches and a goalkeeper's hardly any; and no more national matches
// than ten a year since he was seventeen.
TEST_F(SampleWorldTest, SpellsAndNationalMatchesFitThePlayersYears)
{
    ASSERT_TRUE(world_->LoadWorld(u"Database"));
    std::vector<TSquadPlayer> players = ClubPlayers(*world_);
    for (int index = 0; index < world_->GetFreeAgents().GetCount(); ++index) players.push_back({world_->GetFreeAgents().GetPlayer(index), nullptr});
    for (const auto& [person, club] : players) {
        const std::string who = Who(*person, club);
        const TDate born = person->GetBirthDate();
        EXPECT_LE(person->GetNationalAppearances(), 10 * std::max(0, person->GetAge() - 17)) << who;
        for (int index = 0; index < person->GetHistoryCount(); ++index) {
            const THistoryEntry& spell = person->GetHistoryEntry(index);
            const std::string at = who + " entry " + std::to_string(index);
            const bool beforeBirthday = spell.start.GetMonth() * 100 + spell.start.GetDay() < born.GetMonth() * 100 + born.GetDay();
            EXPECT_GE(spell.start.GetYear() - born.GetYear() - (beforeBirthday ? 1 : 0), 15) << at;
            EXPECT_LE(spell.goals, spell.matches) << at;
            EXPECT_LE(spell.reserveGoals, spell.reserveMatches) << at;
            if (person->GetPositionGroup() == GoalkeeperGroup) {
                EXPECT_LE(spell.goals + spell.reserveGoals, 1) << at;
            }
            if (spell.clubId == 0) {
                EXPECT_EQ(spell.matches + spell.reserveMatches + spell.fee + spell.entryFlags, 0u) << at;
            }
        }
    }
}

// The all-time league figures fit the seasons since the founding, with
// room for them on the history page, and the goals lean the way the
// results do.
TEST_F(SampleWorldTest, LeagueFiguresFitTheYearsSinceTheFounding)
{
    ASSERT_TRUE(world_->LoadWorld(u"Database"));
    enum { Wins = 2, Draws = 4, Defeats = 6, Goals = 8, GoalsAgainst = 10 };
    for (const TClub* club : ClubsWithPlayers(*world_)) {
        const std::string name = testing_support::Narrow(club->GetName());
        int matches = 0;
        for (int set = 0; set < 2; ++set) {
            const int wins = club->GetLeagueStat(Wins + set);
            const int defeats = club->GetLeagueStat(Defeats + set);
            matches += wins + club->GetLeagueStat(Draws + set) + defeats;
            EXPECT_LT(std::max({wins, int{club->GetLeagueStat(Draws + set)}, defeats}), 1000) << name;
            const int goals = club->GetLeagueStat(Goals + set);
            const int against = club->GetLeagueStat(GoalsAgainst + set);
            EXPECT_EQ((wins > defeats) - (wins < defeats), (goals > against) - (goals < against)) << name << " set " << set;
        }
        EXPECT_LE(matches / MatchesASeason, 2006 - club->GetFoundationYear()) << name;
    }
}
