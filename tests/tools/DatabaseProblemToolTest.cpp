// The database problem checker over small worlds built here and over the
// sample database.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "competition/CompetitionId.h"
#include "competition/Cup.h"
#include "competition/League.h"
#include "core/text/TextManager.h"
#include "database/world/CompleteWorld.h"
#include "tests/common/TestSupport.h"
#include "tests/tools/ToolWorldSupport.h"
#include "tools/DatabaseProblemTool.h"

namespace {

using testing_support::Narrow;
using tool_testing::Lines;

std::string T(const char16_t* key) { return Narrow(CTextManager::Instance()->GetText(key)); }

// A league whose consistency bits are set per season by the test.
class CFakeLeague : public CDBLeague {
public:
    CFakeLeague(std::uint32_t id, TCompetitionRegistry& registry, std::uint32_t season0, std::uint32_t season1)
        : CDBLeague(id, 0, registry), bits_{season0, season1}
    {
    }
    std::uint32_t CheckConsistency(int season, int) const override { return bits_[season & 1]; }

private:
    std::uint32_t bits_[2];
};

class ProblemCheckerTest : public tool_testing::ToolWorldTest {
protected:
    std::vector<std::string> ClubLines(const TClub& club, int* severity = nullptr)
    {
        ProblemEntry entry;
        CDatabaseProblemTool(*world_).CheckClub(club, entry);
        if (severity != nullptr) *severity = entry.severity;
        return Lines(Narrow(entry.text));
    }
    std::vector<std::string> PlayerLines(const TClub& club, const TPerson& person, int* severity = nullptr)
    {
        ProblemEntry entry;
        CDatabaseProblemTool(*world_).CheckPlayer(club, person, entry);
        if (severity != nullptr) *severity = entry.severity;
        return Lines(Narrow(entry.text));
    }
    std::vector<std::string> CountryLines(int id = 21)
    {
        ProblemEntry entry;
        CDatabaseProblemTool(*world_).CheckCountryCompetitions(Land(id), entry);
        return Lines(Narrow(entry.text));
    }
    CFakeLeague& AddLeague(int slot, std::uint32_t season0, std::uint32_t season1, const char16_t* name = u"Liga")
    {
        auto league = std::make_unique<CFakeLeague>(MakeCompetitionId(21, TypeLeague, static_cast<std::uint32_t>(slot)),
                                                    world_->GetCompetitions(), season0, season1);
        CFakeLeague& result = *league;
        for (int language = 0; language < 6; ++language) result.SetName(language, name);
        EXPECT_TRUE(world_->GetCompetitions().Register(std::move(league)));
        return result;
    }
    static int Count(const std::vector<std::string>& lines, const std::string& line)
    {
        return static_cast<int>(std::count(lines.begin(), lines.end(), line));
    }

};

TEST(ProblemEntryTest, LinesJoinAndTheHighestSeverityStays)
{
    ProblemEntry entry;
    AppendProblemText(entry, ReportType::Warning, u"first");
    AppendProblemText(entry, ReportType::Error, u"second");
    AppendProblemText(entry, ReportType::Warning, u"third");
    AppendProblemText(entry, ReportType::Info, nullptr);
    EXPECT_EQ(entry.severity, ReportType::Error);
    EXPECT_EQ(entry.text, u"first\r\nsecond\r\nthird");
    entry.Reset();
    EXPECT_EQ(entry.severity, ReportType::Success);
    EXPECT_TRUE(entry.text.empty());
}

TEST_F(ProblemCheckerTest, RunWalksCountriesOneToTwoHundredSix)
{
    NewClub(u"Hidden", 207).SetTownForLanguage(3, u"");
    NewClub(u"Shown", 206).SetTownForLanguage(3, u"");
    CDatabaseProblemTool(*world_).Run(report_);
    EXPECT_EQ(Narrow(report_.Title()), T(u"DatabaseProblemTool.Title"));
    EXPECT_EQ(report_.Progress().minimum, 0);
    EXPECT_EQ(report_.Progress().maximum, 621);
    EXPECT_EQ(report_.Progress().position, 618);
    bool shownReported = false;
    for (const tool_testing::TReported& entry : tool_testing::Entries(report_)) {
        EXPECT_EQ(entry.path.find("Hidden"), std::string::npos) << entry.path;
        shownReported = shownReported || entry.path.find("Shown") != std::string::npos;
    }
    EXPECT_TRUE(shownReported);
}

TEST_F(ProblemCheckerTest, ThinSquadsCountPlayersOnly)
{
    const struct {
        int players, staff;
        bool reported;
    } cases[] = {{2, 0, false}, {3, 0, true}, {13, 0, true}, {14, 0, false}, {10, 4, true}, {0, 0, false}};
    for (const auto& c : cases) {
        TClub& club = NewClub(u"Squad");
        FillSquad(club, c.players);
        for (int i = 0; i < c.staff; ++i) NewStaff(club, u"Coach");
        EXPECT_EQ(Count(ClubLines(club), T(u"DatabaseProblemTool.ClubLess14")), c.reported ? 1 : 0)
            << c.players << " players, " << c.staff << " staff";
    }
}

TEST_F(ProblemCheckerTest, PositionGroupsFromElevenPlayers)
{
    const std::string gk = T(u"DatabaseProblemTool.LessTwoGoalie"), df = T(u"DatabaseProblemTool.LessThreeDefender"),
                      mf = T(u"DatabaseProblemTool.LessThreeMidfield"), fw = T(u"DatabaseProblemTool.LessThreeAttacker");
    const struct {
        std::vector<int> positions;
        std::vector<std::string> lines;
    } cases[] = {
        {{2, 2, 2, 2, 9, 9, 9, 9, 13, 13, 13, 13}, {gk}},
        {{2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2}, {gk, mf, fw}},
        {{0, 0, 2, 2, 2, 9, 9, 9, 13, 13, 13}, {}},
        {{2, 2, 2, 2, 2, 2, 2, 2, 2, 2}, {}},
    };
    for (const auto& c : cases) {
        TClub& club = NewClub(u"Positions");
        for (int position : c.positions) NewPlayer(club, u"Player", position);
        std::vector<std::string> lines = ClubLines(club);
        std::erase(lines, T(u"DatabaseProblemTool.ClubLess14"));
        EXPECT_EQ(lines, c.lines) << c.positions.size() << " players";
    }
}

TEST_F(ProblemCheckerTest, IdenticalLooksGiveOneLinePerPairInOrder)
{
    TClub& club = NewClub(u"Twins");
    for (const char16_t* name : {u"One", u"Two", u"Three"}) NewPlayer(club, name).SetFaceId(7);
    NewPlayer(club, u"Other");
    std::vector<std::string> lines = ClubLines(club);
    std::erase(lines, T(u"DatabaseProblemTool.ClubLess14"));
    EXPECT_EQ(lines, (std::vector<std::string>{"One, J. and Two, J. look the same.", "One, J. and Three, J. look the same.",
                                               "Two, J. and Three, J. look the same."}));
}

TEST_F(ProblemCheckerTest, DanglingRivalsAndFriendship)
{
    TClub& other = NewClub(u"Other");
    const struct {
        std::vector<TTeamId> rivals;
        TTeamId partner;
        std::vector<std::string> lines;
    } cases[] = {
        {{0x0000FFFF, 0x00000005, 0}, 0, {}},
        {{other.GetId(), 0x00150999, 0x00CF0001, 0x00150998}, 0, {T(u"DatabaseProblemTool.InvalidRival")}},
        {{other.GetId()}, 0x00150999, {T(u"DatabaseProblemTool.InvalidFriendship")}},
        {{}, other.GetId() | ReserveTeamBit, {}},
    };
    for (const auto& c : cases) {
        TClub& club = NewClub(u"Rivalry");
        for (std::size_t i = 0; i < c.rivals.size(); ++i) club.SetRival(static_cast<int>(i), c.rivals[i]);
        club.SetPartnerClub(c.partner);
        EXPECT_EQ(ClubLines(club), c.lines);
    }
}

TEST_F(ProblemCheckerTest, NamesTownsAndCharacters)
{
    TClub& shortName = NewClub(u"Long enough");
    shortName.SetNameForLanguage(3, u"AB");
    EXPECT_EQ(ClubLines(shortName), std::vector<std::string>{T(u"DatabaseProblemTool.InvalidClubLocale")});

    TClub& national = *Land().GetClubByIndex(0);
    ASSERT_TRUE(IsNationalTeamId(national.GetId()));
    for (int language = 0; language < 6; ++language) national.SetTownForLanguage(language, u"");
    EXPECT_EQ(Count(ClubLines(national), T(u"DatabaseProblemTool.InvalidTown")), 0);

    TClub& noTown = NewClub(u"Townless");
    noTown.SetTownForLanguage(5, u"");
    EXPECT_EQ(ClubLines(noTown), std::vector<std::string>{T(u"DatabaseProblemTool.InvalidTown")});

    TClub& cyrillic = NewClub(u"Cyrillic");
    cyrillic.SetTownForLanguage(1, u"\u0416ytomyr");
    cyrillic.SetTownForLanguage(2, u"\u0416ytomyr");
    int severity = 0;
    EXPECT_EQ(ClubLines(cyrillic, &severity), std::vector<std::string>{T(u"DatabaseProblemTool.UnsupportedCharClub")});
    EXPECT_EQ(severity, ReportType::Warning);
}

TEST_F(ProblemCheckerTest, PlaceholderNamesArePrefixesCaseSensitive)
{
    const struct {
        const char16_t* last;
        const char16_t* first;
        bool placeholder;
    } cases[] = {{u"Lastname", u"Firstname", true}, {u"Apellido", u"Pr\u00e9nom", true}, {u"Nachname", u"Vorname", true},
                 {u"lastname", u"Firstname", false}, {u"Lastname", u"Jan", false}, {u"Smith", u"Nome", false}};
    TClub& club = NewClub(u"Names");
    for (const auto& c : cases) {
        TPerson& person = NewPlayer(club, c.last);
        person.SetFirstName(c.first);
        EXPECT_EQ(Count(PlayerLines(club, person), T(u"DatabaseProblemTool.DefaultPlayerName")), c.placeholder ? 1 : 0)
            << Narrow(c.last);
    }
}

TEST_F(ProblemCheckerTest, StaffGetOnlyTheCharacterCheck)
{
    TClub& club = NewClub(u"Staff");
    TPerson& coach = NewStaff(club, u"Lastname");
    coach.SetFirstName(u"Firstname");
    coach.SetBirthDate(TDate(1980, 1, 1));
    coach.SetTransferState(5);
    EXPECT_TRUE(PlayerLines(club, coach).empty());
    coach.SetNickname(u"\u0416enya");
    int severity = 0;
    EXPECT_EQ(PlayerLines(club, coach, &severity), std::vector<std::string>{T(u"DatabaseProblemTool.UnsupportedCharPlayer")});
    EXPECT_EQ(severity, ReportType::Error);

    TPerson& player = NewPlayer(club, u"Born");
    player.SetBirthDate(TDate(1980, 1, 1));
    EXPECT_EQ(PlayerLines(club, player), std::vector<std::string>{T(u"DatabaseProblemTool.InvalidPlayerBirth")});
}

TEST_F(ProblemCheckerTest, TransferClubsMustExist)
{
    TClub& club = NewClub(u"Home");
    TClub& other = NewClub(u"Away");
    const struct {
        int state;
        TTeamId transferClub;
        std::vector<std::string> lines;
    } cases[] = {
        {4, 0x00150999, {T(u"DatabaseProblemTool.InvalidLoanClub")}},
        {6, 0x00000001, {T(u"DatabaseProblemTool.InvalidLoanClub")}},
        {5, 0x00150999, {T(u"DatabaseProblemTool.InvalidSellClub")}},
        {6, other.GetId(), {}},
        {3, 0x00150999, {}},
    };
    for (const auto& c : cases) {
        TPerson& person = NewPlayer(club, u"Moving");
        person.SetTransferState(c.state);
        person.SetTransferClub(c.transferClub);
        EXPECT_EQ(PlayerLines(club, person), c.lines) << "state " << c.state;
    }
}

THistoryEntry Station(std::uint32_t club, TDate start, TDate end, bool running = false)
{
    THistoryEntry entry;
    entry.clubId = club;
    entry.start = start;
    entry.end = end;
    entry.entryFlags = running ? THistoryEntry::RunningFlag : 0;
    return entry;
}

TEST_F(ProblemCheckerTest, HistoryRules)
{
    TClub& club = NewClub(u"Home");
    TClub& other = NewClub(u"Away");
    const std::string unknown = T(u"DatabaseProblemTool.InvalidHistoryClub"), date = T(u"DatabaseProblemTool.InvalidHistoryDate"),
                      notSame = T(u"DatabaseProblemTool.HistoryNotSameClub");
    const std::uint32_t home = club.GetId(), away = other.GetId();
    const struct {
        const char* name;
        std::vector<THistoryEntry> history;
        std::uint16_t joined;
        std::vector<std::string> lines;
    } cases[] = {
        {"two unknown clubs", {Station(0x00150999, {2000, 7, 1}, {2001, 6, 30}), Station(0x00150998, {2001, 7, 1}, {2002, 6, 30}),
                               Station(home, {2002, 7, 1}, {2008, 6, 30})}, 2002, {unknown}},
        {"latest by end date", {Station(home, {2006, 7, 1}, {2009, 6, 30}), Station(away, {2001, 7, 1}, {2003, 6, 30})}, 2006, {}},
        {"ties keep the earlier", {Station(home, {2006, 7, 1}, {2009, 6, 30}), Station(away, {2001, 7, 1}, {2009, 6, 30})}, 2006, {}},
        {"ties the other way", {Station(away, {2001, 7, 1}, {2009, 6, 30}), Station(home, {2006, 7, 1}, {2009, 6, 30})}, 2006, {notSame}},
        {"ended early", {Station(home, {2004, 7, 1}, {2007, 6, 29})}, 2004, {date}},
        {"ended on the day", {Station(home, {2004, 7, 1}, {2007, 6, 30})}, 2004, {}},
        {"running", {Station(home, {2004, 7, 1}, {2005, 6, 30}, true)}, 2004, {}},
        {"joined 2007", {Station(away, {2004, 7, 1}, {2008, 6, 30})}, 2007, {}},
        {"reserve team", {Station(home | ReserveTeamBit, {2004, 7, 1}, {2008, 6, 30})}, 2004, {}},
        {"warning and date", {Station(away, {2004, 7, 1}, {2006, 6, 30})}, 2004, {date, notSame}},
    };
    for (const auto& c : cases) {
        TPerson& person = NewPlayer(club, u"History");
        for (const THistoryEntry& entry : c.history) person.AddHistoryEntry(entry);
        person.SetYearJoined(c.joined);
        EXPECT_EQ(PlayerLines(club, person), c.lines) << c.name;
    }
}

TEST_F(ProblemCheckerTest, AWarningAndAnErrorMakeOneErrorEntry)
{
    TClub& club = NewClub(u"Home");
    TPerson& person = NewPlayer(club, u"Both");
    person.SetBirthDate(TDate(1980, 1, 1));
    person.SetFirstName(u"\u0416enya");
    int severity = 0;
    EXPECT_EQ(PlayerLines(club, person, &severity),
              (std::vector<std::string>{T(u"DatabaseProblemTool.InvalidPlayerBirth"), T(u"DatabaseProblemTool.UnsupportedCharPlayer")}));
    EXPECT_EQ(severity, ReportType::Error);
    CDatabaseProblemTool(*world_).Run(report_);
    bool found = false;
    for (const tool_testing::TReported& entry : tool_testing::Entries(report_)) {
        if (entry.path.find("Both, ") == std::string::npos) continue;
        found = true;
        EXPECT_EQ(entry.type, ReportType::Error);
        EXPECT_NE(entry.description.find("\r\n"), std::string::npos);
    }
    EXPECT_TRUE(found);
}

TEST_F(ProblemCheckerTest, LeagueCalendarBitsBySeason)
{
    const std::string fixture = T(u"Dialog.Calendar.ErrorFixturelist");
    const struct {
        std::uint32_t season0, season1;
        std::vector<std::string> lines;
    } cases[] = {
        {0x20000, 0x20000, {"Liga (2007/2008): " + fixture, "Liga (2008/2009): " + fixture}},
        {0x10000 | 0x40000 | 0x80000, 0x10000 | 0x40000 | 0x80000,
         {"Liga: " + fixture + " ", "Liga: " + T(u"Dialog.Calendar.ErrorNotEnoughTeams") + " ",
          "Liga: " + T(u"Dialog.Calendar.ErrorReserveTeamsInLeague") + " "}},
        {0, 0x100000, {"Liga (2008/2009): " + T(u"Dialog.Calendar.ErrorInternationalClash")}},
        {0, 0, {}},
    };
    for (const auto& c : cases) {
        world_->GetCompetitions().EraseCountry(21);
        AddLeague(3, c.season0, c.season1);
        EXPECT_EQ(CountryLines(), c.lines) << std::hex << c.season0 << " " << c.season1;
    }
}

TEST_F(ProblemCheckerTest, EmptyAppearanceSetsGiveOneLine)
{
    const std::uint32_t none[4] = {0, 0, 0, 0};
    const std::string line = T(u"DatabaseProblemTool.NoYouthplayer");
    EXPECT_TRUE(CountryLines().empty());
    Land().SetFaceMask(none);
    EXPECT_EQ(CountryLines(), std::vector<std::string>{line});
    Land().SetHairstyleMask(none);
    Land().SetFacialHairMask(0);
    Land().SetHairColourMask(0);
    EXPECT_EQ(CountryLines(), std::vector<std::string>{line});
    const std::uint32_t some[4] = {1, 0, 0, 0};
    Land().SetFaceMask(some);
    Land().SetHairstyleMask(some);
    Land().SetFacialHairMask(1);
    EXPECT_EQ(CountryLines(), std::vector<std::string>{line});
}

TEST_F(ProblemCheckerTest, CompetitionNamesTheGameCannotShow)
{
    world_->GetCompetitions().EraseCountry(21);
    CFakeLeague& league = AddLeague(0, 0, 0, u"Premier");
    league.SetName(4, u"\u0416 Liga");
    auto cup = std::make_unique<CDBCup>(MakeCompetitionId(21, TypeFaCup, 2), 0, world_->GetCompetitions());
    cup->SetName(0, u"Cup");
    cup->SetName(5, u"\u0416 Cup");
    ASSERT_TRUE(world_->GetCompetitions().Register(std::move(cup)));
    EXPECT_EQ(CountryLines(), (std::vector<std::string>{"The name of Premier holds characters the game cannot show.",
                                                        "The name of Cup holds characters the game cannot show."}));
}

// Each finding alone: its one line and the severity of the entry it makes.
TEST_F(ProblemCheckerTest, EveryFindingHasItsTextAndSeverity)
{
    struct TFinding {
        std::string name;
        std::function<std::vector<std::string>(int&)> check;
        std::string line;
        int severity;
    };
    const auto club = [this](const std::function<void(TClub&)>& setUp) {
        return [this, setUp](int& severity) {
            TClub& checked = NewClub(u"Checked");
            setUp(checked);
            return ClubLines(checked, &severity);
        };
    };
    const auto player = [this](const std::function<void(TPerson&)>& setUp) {
        return [this, setUp](int& severity) {
            TClub& home = NewClub(u"Home");
            TPerson& person = NewPlayer(home, u"Checked");
            setUp(person);
            return PlayerLines(home, person, &severity);
        };
    };
    const auto country = [this](const std::function<void()>& setUp) {
        return [this, setUp](int& severity) {
            world_->GetCompetitions().EraseCountry(21);
            const std::uint32_t faces[4] = {1, 0, 0, 0};
            Land().SetFaceMask(faces);
            setUp();
            ProblemEntry entry;
            CDatabaseProblemTool(*world_).CheckCountryCompetitions(Land(), entry);
            severity = entry.severity;
            return Lines(Narrow(entry.text));
        };
    };
    const auto league = [&](std::uint32_t season0, std::uint32_t season1) {
        return country([=, this] { AddLeague(0, season0, season1); });
    };
    const auto squad = [this](std::vector<int> positions) {
        return [this, positions](TClub& checked) {
            for (int position : positions) NewPlayer(checked, u"Player", position);
        };
    };
    const std::uint32_t nowhere = 0x00150999;
    const std::uint32_t noFaces[4] = {0, 0, 0, 0};
    const std::string fixture = T(u"Dialog.Calendar.ErrorFixturelist");
    const TFinding findings[] = {
        {"ClubLess14", club(squad({0, 0, 2})), T(u"DatabaseProblemTool.ClubLess14"), ReportType::Warning},
        {"LessTwoGoalie", club(squad({0, 2, 2, 2, 2, 2, 9, 9, 9, 9, 13, 13, 13, 13})),
         T(u"DatabaseProblemTool.LessTwoGoalie"), ReportType::Warning},
        {"LessThreeDefender", club(squad({0, 0, 2, 2, 9, 9, 9, 9, 9, 13, 13, 13, 13, 13})),
         T(u"DatabaseProblemTool.LessThreeDefender"), ReportType::Warning},
        {"LessThreeMidfield", club(squad({0, 0, 2, 2, 2, 2, 2, 9, 9, 13, 13, 13, 13, 13})),
         T(u"DatabaseProblemTool.LessThreeMidfield"), ReportType::Warning},
        {"LessThreeAttacker", club(squad({0, 0, 2, 2, 2, 2, 2, 9, 9, 9, 9, 9, 13, 13})),
         T(u"DatabaseProblemTool.LessThreeAttacker"), ReportType::Warning},
        {"SameAppearance", club([this](TClub& c) {
             NewPlayer(c, u"One").SetFaceId(7);
             NewPlayer(c, u"Two").SetFaceId(7);
         }),
         "One, J. and Two, J. look the same.", ReportType::Warning},
        {"InvalidRival", club([=](TClub& c) { c.SetRival(2, nowhere); }), T(u"DatabaseProblemTool.InvalidRival"),
         ReportType::Warning},
        {"InvalidFriendship", club([=](TClub& c) { c.SetPartnerClub(nowhere); }),
         T(u"DatabaseProblemTool.InvalidFriendship"), ReportType::Warning},
        {"InvalidClubLocale", club([](TClub& c) { c.SetNameForLanguage(3, u"AB"); }),
         T(u"DatabaseProblemTool.InvalidClubLocale"), ReportType::Error},
        {"InvalidTown", club([](TClub& c) { c.SetTownForLanguage(5, u"T"); }), T(u"DatabaseProblemTool.InvalidTown"),
         ReportType::Error},
        {"UnsupportedCharClub", club([](TClub& c) { c.SetTownForLanguage(2, u"\u0416ytomyr"); }),
         T(u"DatabaseProblemTool.UnsupportedCharClub"), ReportType::Warning},
        {"InvalidLoanClub", player([=](TPerson& p) {
             p.SetTransferState(6);
             p.SetTransferClub(nowhere);
         }),
         T(u"DatabaseProblemTool.InvalidLoanClub"), ReportType::Error},
        {"InvalidSellClub", player([=](TPerson& p) {
             p.SetTransferState(5);
             p.SetTransferClub(nowhere);
         }),
         T(u"DatabaseProblemTool.InvalidSellClub"), ReportType::Error},
        {"InvalidHistoryClub", player([=](TPerson& p) {
             p.AddHistoryEntry(Station(nowhere, {2000, 7, 1}, {2001, 6, 30}));
             p.AddHistoryEntry(Station(0, {2001, 7, 1}, {2008, 6, 30}, true));
             p.SetYearJoined(2007);
         }),
         T(u"DatabaseProblemTool.InvalidHistoryClub"), ReportType::Warning},
        {"InvalidHistoryDate", player([](TPerson& p) {
             p.AddHistoryEntry(Station(0, {2004, 7, 1}, {2007, 6, 29}));
             p.SetYearJoined(2007);
         }),
         T(u"DatabaseProblemTool.InvalidHistoryDate"), ReportType::Warning},
        {"HistoryNotSameClub", player([](TPerson& p) {
             p.AddHistoryEntry(Station(0, {2004, 7, 1}, {2008, 6, 30}));
             p.SetYearJoined(2004);
         }),
         T(u"DatabaseProblemTool.HistoryNotSameClub"), ReportType::Warning},
        {"InvalidPlayerBirth", player([](TPerson& p) { p.SetBirthDate(TDate(1980, 1, 1)); }),
         T(u"DatabaseProblemTool.InvalidPlayerBirth"), ReportType::Warning},
        {"DefaultPlayerName", player([](TPerson& p) {
             p.SetLastName(u"Lastname");
             p.SetFirstName(u"Firstname");
         }),
         T(u"DatabaseProblemTool.DefaultPlayerName"), ReportType::Warning},
        {"UnsupportedCharPlayer", player([](TPerson& p) { p.SetPseudonym(u"\u0416enya"); }),
         T(u"DatabaseProblemTool.UnsupportedCharPlayer"), ReportType::Error},
        {"fixture list", league(0x10000, 0), "Liga: " + fixture + " ", ReportType::Error},
        {"match days", league(0, 0x20000), "Liga (2008/2009): " + fixture, ReportType::Error},
        {"not enough teams", league(0x40000, 0), "Liga: " + T(u"Dialog.Calendar.ErrorNotEnoughTeams") + " ",
         ReportType::Error},
        {"reserve teams", league(0x80000, 0), "Liga: " + T(u"Dialog.Calendar.ErrorReserveTeamsInLeague") + " ",
         ReportType::Error},
        {"international clash", league(0x100000, 0), "Liga (2007/2008): " + T(u"Dialog.Calendar.ErrorInternationalClash"),
         ReportType::Error},
        {"NoYouthplayer", country([&] { Land().SetFaceMask(noFaces); }), T(u"DatabaseProblemTool.NoYouthplayer"),
         ReportType::Error},
        {"UnsupportedCharCompetition", country([this] { AddLeague(0, 0, 0, u"Premier").SetName(4, u"\u0416 Liga"); }),
         "The name of Premier holds characters the game cannot show.", ReportType::Warning},
    };
    for (const TFinding& finding : findings) {
        int severity = 0;
        EXPECT_EQ(finding.check(severity), std::vector<std::string>{finding.line}) << finding.name;
        EXPECT_EQ(severity, finding.severity) << finding.name;
    }
}

TEST_F(ProblemCheckerTest, ACloseRequestEndsTheRunAfterTheCountry)
{
    NewClub(u"Club").SetTownForLanguage(3, u"");
    report_.RequestClose();
    CDatabaseProblemTool(*world_).Run(report_);
    EXPECT_EQ(report_.Progress().position, 1);
    EXPECT_EQ(report_.Size(), 0u);
}

// A league whose check closes the report, as a user closing the window while
// its country is being examined.
class CClosingLeague : public CDBLeague {
public:
    CClosingLeague(std::uint32_t id, TCompetitionRegistry& registry, CReportModel& report)
        : CDBLeague(id, 0, registry), report_(report)
    {
    }
    std::uint32_t CheckConsistency(int, int) const override
    {
        report_.RequestClose();
        return 0;
    }

private:
    CReportModel& report_;
};

TEST_F(ProblemCheckerTest, ACloseDuringTheFifthCountryStopsThereWithoutTheCleanUp)
{
    const std::uint32_t noFaces[4] = {0, 0, 0, 0};
    const char16_t* names[] = {u"Echo", u"Delta", u"Charlie", u"Bravo", u"Alpha", u"Zulu"};
    for (int id = 1; id <= 6; ++id) {
        ASSERT_NE(world_->GetCountry(id), nullptr);
        world_->GetCompetitions().EraseCountry(id);
        for (int language = 0; language < 6; ++language) Land(id).SetNameInLanguage(language, names[id - 1]);
        Land(id).SetFaceMask(noFaces);
    }
    const std::uint32_t closing = MakeCompetitionId(5, TypeLeague, 0);
    ASSERT_TRUE(world_->GetCompetitions().Register(
        std::make_unique<CClosingLeague>(closing, world_->GetCompetitions(), report_)));

    CDatabaseProblemTool(*world_).Run(report_);

    EXPECT_EQ(report_.Progress().position, 5);
    const std::string country = T(u"Common.Country");
    EXPECT_EQ(tool_testing::Categories(report_), std::vector<std::string>{country});
    std::vector<std::string> paths;
    for (const auto& entry : tool_testing::Entries(report_)) paths.push_back(entry.path);
    EXPECT_EQ(paths, (std::vector<std::string>{country + "/Echo", country + "/Delta", country + "/Charlie",
                                               country + "/Bravo"}));
}

class ProblemCheckerSampleTest : public database_testing::SampleWorldTest {};

TEST_F(ProblemCheckerSampleTest, TopLeagueBesideAnInternationalDayClashes)
{
    ASSERT_TRUE(CTextManager::Instance()->LoadFile(
        testing_support::SourcePath(u"data\\trdata\\DatabaseEditor.txt").c_str()));
    ASSERT_TRUE(world_->LoadWorld(u"Database"));
    TCountry& country = *world_->GetCountry(21);
    TSeasonDayCodes days{};
    country.GetSeasonCalendar(1, days);
    int international = -1;
    for (int d = 1; d < 364 && international < 0; ++d) {
        if (days[static_cast<std::size_t>(d)] != 0 && days[static_cast<std::size_t>(d)] != 30) international = d;
    }
    ASSERT_GT(international, 0);
    const std::uint32_t id = MakeCompetitionId(21, TypeLeague, 31);
    ASSERT_TRUE(world_->GetCompetitions().Register(std::make_unique<CFakeLeague>(id, world_->GetCompetitions(), 0, 0)));
    auto& league = dynamic_cast<CFakeLeague&>(*world_->GetCompetitions().Get(id));
    for (int language = 0; language < 6; ++language) league.SetName(language, u"Clash League");
    league.SetLevel(0);
    league.SetCalendarEntry(1, international - 1, 1);
    const std::string line = "Clash League (2008/2009): " + T(u"Dialog.Calendar.ErrorInternationalClash");
    const auto lines = [&] {
        ProblemEntry entry;
        CDatabaseProblemTool(*world_).CheckCountryCompetitions(country, entry);
        return Lines(Narrow(entry.text));
    };
    std::vector<std::string> found = lines();
    EXPECT_EQ(std::count(found.begin(), found.end(), line), 1);
    league.SetLevel(1);
    found = lines();
    EXPECT_EQ(std::count(found.begin(), found.end(), line), 0);
}

TEST_F(ProblemCheckerSampleTest, SampleDatabaseEndsSortedWithoutEmptyCategories)
{
    ASSERT_TRUE(CTextManager::Instance()->LoadFile(
        testing_support::SourcePath(u"data\\trdata\\DatabaseEditor.txt").c_str()));
    ASSERT_TRUE(world_->LoadWorld(u"Database"));
    // The sample checks clean: a country without faces for its youth, a club
    // naming a rival no file holds and a player born on the default day give
    // each walk an entry.
    TCountry& country = *world_->GetCountry(21);
    const std::uint32_t noFaces[4] = {0, 0, 0, 0};
    country.SetFaceMask(noFaces);
    TClub& club = *country.GetClubByIndex(1);
    club.SetRival(0, (21u << 16) | 0x7FFEu);
    TPerson* player = club.GetSquadPerson(0);
    ASSERT_TRUE(player != nullptr && player->IsPlayer());
    player->SetBirthDate(TDate(1980, 1, 1));
    CReportModel report;
    report.Open();
    CDatabaseProblemTool(*world_).Run(report);
    ASSERT_GT(report.Size(), 0u);
    std::vector<ReportEntryHandle> pending = report.Children(0);
    while (!pending.empty()) {
        const ReportEntryHandle parent = pending.back();
        pending.pop_back();
        const std::vector<ReportEntryHandle> children = report.Children(parent);
        if (report.Entry(parent).type == ReportType::Category) {
            EXPECT_FALSE(children.empty());
        }
        pending.insert(pending.end(), children.begin(), children.end());
    }
    const std::vector<ReportEntryHandle> roots = report.Children(0);
    EXPECT_EQ(roots.size(), 3u);
    report.SortAlphabetically();
    EXPECT_EQ(report.Children(0), roots);
}

// What a new user sees who opens the sample and runs the check: not a
// single finding, neither an error nor a warning, in data the project ships.
TEST_F(ProblemCheckerSampleTest, TheSampleHoldsNoWarningAndNoError)
{
    ASSERT_TRUE(CTextManager::Instance()->LoadFile(
        testing_support::SourcePath(u"data\\trdata\\DatabaseEditor.txt").c_str()));
    ASSERT_TRUE(world_->LoadWorld(u"Database"));
    CReportModel report;
    report.Open();
    CDatabaseProblemTool(*world_).Run(report);
    const std::vector<tool_testing::TReported> entries = tool_testing::Entries(report);
    std::string firstFindings;
    for (std::size_t i = 0; i < std::min<std::size_t>(entries.size(), 10); ++i) {
        firstFindings += entries[i].path + ": " + entries[i].description + "\n";
    }
    EXPECT_EQ(entries.size(), 0u) << firstFindings;
    EXPECT_EQ(report.Progress().position, 618) << "every country was walked";
}

}  // namespace
