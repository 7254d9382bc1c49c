#include <gtest/gtest.h>

#include "competition/CompetitionId.h"
#include "core/text/Format.h"
#include "database/world/CompleteWorld.h"
#include "tests/tools/hotfix/HotfixTestSupport.h"
#include "tools/hotfix/FixEmpics.h"
#include "tools/hotfix/FixForLegal.h"
#include "tools/hotfix/FixLegalIssues.h"
#include "tools/hotfix/FixShowContractPlayers.h"

namespace {

using tool_testing::Entries;
using tool_testing::TReported;

std::string Text(const std::vector<std::uint8_t>& utf16)
{
    std::string text;
    for (std::size_t i = 0; i + 1 < utf16.size(); i += 2) text.push_back(static_cast<char>(utf16[i]));
    return text;
}

// ---------------------------------------------------------------- legal clean-up

class LegalIssuesTest : public tool_testing::HotfixTest {
protected:
    CFixLegalIssues fix_{manager_};
};

TEST_F(LegalIssuesTest, EmptiesPoolRefereesClubTextsAndNicknamesAndNothingElse)
{
    TClub& club = NewClub(u"Alpha");
    club.SetFansites(u"www.alpha.example");
    TPerson& player = NewPlayer(club, u"Nowak");
    player.SetNickname(u"Nowi");
    player.SetRealPerson(false);
    player.SetNotes(u"kept");
    Land().ResizePoolToDefault();
    Land().GetPoolPlayer(0)->SetFirstName(u"Pool");
    Land().GetPoolPlayer(0)->SetLastName(u"Entry");
    TReferee referee;
    referee.SetNames(u"Ref", u"Eree");
    ASSERT_NE(Land().GetReferees().Add(referee), 0);
    ASSERT_NE(Land(207).GetReferees().Add(referee), 0);
    const int poolSize = Land().GetPoolPlayerCount();

    fix_.Apply(world_, nullptr, report_);

    EXPECT_EQ(std::u16string(club.GetFansites()), u"");
    EXPECT_EQ(std::u16string(player.GetNickname()), u"");
    EXPECT_TRUE(player.IsRealPerson());
    EXPECT_EQ(Land().GetReferees().GetCount(), 0);
    EXPECT_FALSE(Land().GetPoolPlayer(0)->IsUsed());
    EXPECT_EQ(Land().GetPoolPlayerCount(), poolSize);
    // What the legal review does not touch.
    EXPECT_EQ(std::u16string(player.GetLastName()), u"Nowak");
    EXPECT_EQ(player.GetNotes(), u"kept");
    EXPECT_EQ(std::u16string(club.GetName()), u"Alpha");
    EXPECT_EQ(Land(207).GetReferees().GetCount(), 1) << "country 207 is not one of the fix's";
    EXPECT_EQ(report_.Progress().position, 206);
    EXPECT_EQ(report_.Size(), 0u);
}

// ---------------------------------------------------------------- empics

class EmpicsTest : public tool_testing::HotfixTest {
protected:
    void SetUp() override
    {
        HotfixTest::SetUp();
        TClub& club = NewClub(u"Alpha");
        for (const char16_t* name : {u"Adam", u"Bart", u"Cole", u"Dorn"}) players_.push_back(&NewPlayer(club, name));
        players_[0]->SetFaceId(11);
        players_[0]->SetEmpicsId(1);
        players_[1]->SetFaceId(12);
        players_[1]->SetEmpicsId(500);
        players_[2]->SetFaceId(13);
        players_[2]->SetEmpicsId(7);
        players_[3]->SetFaceId(0);
        players_[3]->SetEmpicsId(9);
    }

    std::vector<std::uint32_t> Pictures() const
    {
        std::vector<std::uint32_t> ids;
        for (const TPerson* p : players_) ids.push_back(p->GetEmpicsId());
        return ids;
    }

    // Face 11 is listed twice (the first counts), 12 as it is, 0 never
    // matches, a line without a bar is skipped, 13 is not listed.
    void ApplyList(int answer)
    {
        testing_support::MessageCapture messages(answer);
        ApplyBytes(fix_, Utf16("Face|Empics\r\n11|100\r\n11|200\r\n12|500\r\nno bar\r\n0|300\r\n99|4\r\n"));
        ASSERT_EQ(messages.Messages().size(), 1u);
        EXPECT_EQ(testing_support::Narrow(messages.Messages()[0]),
                  "Do you want to apply empic modifications to players? (Else they only will be reported)");
    }

    std::vector<TPerson*> players_;
    CFixEmpics fix_{manager_};
};

// The same entries whatever the answer.
void ExpectEmpicsEntries(const CReportModel& report)
{
    const auto entries = Entries(report);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].path, "Adam, J.");
    EXPECT_EQ(entries[0].type, ReportType::Success);
    EXPECT_EQ(entries[0].description, "Current empics id: 1, found empics id: 100");
    EXPECT_EQ(entries[1].path, "Bart, J.");
    EXPECT_EQ(entries[1].type, ReportType::Info);
    EXPECT_EQ(entries[1].description, "Already set");
}

TEST_F(EmpicsTest, YesSetsTheListedPicturesAndReportsEachPlayer)
{
    ApplyList(AppMessage::IdYes);
    EXPECT_EQ(Pictures(), (std::vector<std::uint32_t>{100, 500, 7, 9}));
    ExpectEmpicsEntries(report_);
}

TEST_F(EmpicsTest, NoChangesNothingAndReportsTheSame)
{
    ApplyList(AppMessage::IdNo);
    EXPECT_EQ(Pictures(), (std::vector<std::uint32_t>{1, 500, 7, 9}));
    ExpectEmpicsEntries(report_);
}

// ---------------------------------------------------------------- loans

class ContractPlayersTest : public tool_testing::HotfixTest {
protected:
    CFixShowContractPlayers fix_{manager_};
};

// A member is listed when the other club of his transfer state exists, or
// when his loan ends on 2 July 2007 or later: then a club the world lacks
// reads "[invalid]".
TEST_F(ContractPlayersTest, ListsMembersWithAnExistingOtherClubOrALoanRunningIntoTheSeason)
{
    TClub& home = NewClub(u"Home");
    TClub& lender = NewClub(u"Lender", 5);
    const TDate none;
    struct TCase {
        const char16_t* name;
        int state;
        std::uint32_t other;
        TDate end;
        const char* loanedFrom;  // null: not listed
    };
    const TCase cases[] = {
        {u"LoanedHere", 4, lender.GetId(), TDate(2008, 6, 30), "Lender"},
        {u"Sold", 5, lender.GetId(), none, "Lender"},
        {u"NoClubLongLoan", 6, 0x00050123, TDate(2008, 6, 30), "[invalid]"},
        {u"NoCountry", 4, 0x00000001, TDate(2007, 7, 2), "[invalid]"},
        {u"EndedBefore", 4, 0x00050123, TDate(2007, 7, 1), nullptr},
        {u"NoState", 0, 0, none, nullptr},
    };
    for (const TCase& c : cases) {
        TPerson& p = NewPlayer(home, c.name);
        p.SetTransferState(c.state);
        p.SetTransferClub(c.other);
        p.SetTransferStartDate(TDate(2007, 7, 1));
        p.SetTransferEndDate(c.end);
    }
    fix_.Apply(world_, nullptr, report_);
    std::vector<std::string> expected;
    for (const TCase& c : cases) {
        if (c.loanedFrom == nullptr) continue;
        const std::string name = testing_support::Narrow(c.name);
        const std::string end = c.end.IsSet() ? testing_support::Narrow(Format(u"%04d-%02d-%02d", c.end.GetYear(),
                                                                              c.end.GetMonth(), c.end.GetDay()))
                                              : "";
        expected.push_back("Land 21/Home/" + name + ", J.|Player Name: Jan " + name +
                           "\r\nStart of loan: 2007-07-01\r\nEnd of loan: " + end + "\r\nLoaned from: " + c.loanedFrom +
                           "\r\n");
    }
    std::vector<std::string> entries;
    for (const auto& entry : Entries(report_)) {
        EXPECT_EQ(entry.type, ReportType::Info);
        entries.push_back(entry.path + "|" + entry.description);
    }
    EXPECT_EQ(entries, expected);
    EXPECT_EQ(tool_testing::Categories(report_), (std::vector<std::string>{"Land 21", "Land 21/Home"}));
}

// ---------------------------------------------------------------- legal list

class LegalListTest : public tool_testing::HotfixTest {
protected:
    CFixForLegal fix_{manager_};
};

TEST_F(LegalListTest, WritesTheTitleLineThenCompetitionsAndFiveRowsPerClub)
{
    TClub& club = NewClub(u"Alpha", 3);
    for (int language = 0; language < 6; ++language) {
        club.SetNameForLanguage(language, Format(u"Name%d", language).c_str());
        club.SetShortNameForLanguage(language, Format(u"Sh%d", language).c_str());
        club.SetAbbreviationForLanguage(language, Format(u"A%d", language).c_str());
        club.SetTownForLanguage(language, Format(u"Town%d", language).c_str());
        club.SetStadiumNameForLanguage(language, Format(u"Arena%d", language).c_str());
    }
    const std::vector<std::uint8_t> bytes = CreateFile(fix_, u"legal.txt");
    const std::vector<std::string> lines = tool_testing::Lines(Text(bytes));
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], "[00000000-0000]\t[Information]\t[English]\t[French]\t[German]\t[Italian]\t[Spanish]");
    const std::string id = testing_support::Narrow(Format(u"%08X", club.GetId()));
    std::vector<std::string> clubRows;
    int clubRowsOfOthers = 0;
    for (const std::string& line : lines) {
        if (line.starts_with("[" + id)) clubRows.push_back(line);
        else if (line.find("-0002]") != std::string::npos) ++clubRowsOfOthers;
        if (line.find("-0001]") == std::string::npos) continue;
        const auto competition = static_cast<std::uint32_t>(std::stoul(line.substr(1, 8), nullptr, 16));
        EXPECT_NE(world_->GetCompetitions().Get(competition), nullptr) << line;
        const std::uint32_t type = TypeOfId(competition);
        EXPECT_TRUE(type == TypeLeague || type == TypeFaCup || type == TypeLeagueCup || type == TypeSuperCup ||
                    type == TypeRelegation)
            << line;
    }
    EXPECT_EQ(clubRows, (std::vector<std::string>{
                            "[" + id + "-0002]\tFull Name (29 chars)\tName1\tName2\tName0\tName4\tName3",
                            "[" + id + "-0003]\tShort Form (10 chars)\tSh1\tSh2\tSh0\tSh4\tSh3",
                            "[" + id + "-0004]\tAbbreviation (4 chars)\tA1\tA2\tA0\tA4\tA3",
                            "[" + id + "-0005]\tTown (29 chars)\tTown1\tTown2\tTown0\tTown4\tTown3",
                            "[" + id + "-0006]\tStadium (29 chars)\tArena1\tArena2\tArena0\tArena4\tArena3",
                        }));
    EXPECT_EQ(clubRowsOfOthers, 0) << "national teams are left out";
    EXPECT_EQ(bytes.size() % 2, 0u);
    EXPECT_NE(bytes[0], 0xFF) << "no byte-order mark";
}

}  // namespace
