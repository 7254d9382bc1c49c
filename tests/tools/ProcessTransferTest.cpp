// Transfer processing with exact dates over small worlds built here.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "database/world/CompleteWorld.h"
#include "tests/common/TestSupport.h"
#include "tests/tools/ToolWorldSupport.h"
#include "tools/ProcessTransfer.h"

namespace {

using testing_support::Narrow;
using tool_testing::TReported;

std::string DateText(TDate date)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.GetYear(), date.GetMonth(), date.GetDay());
    return text;
}

THistoryEntry Station(std::uint32_t club, TDate start, TDate end, bool loan = false, bool running = false)
{
    THistoryEntry entry;
    entry.clubId = club;
    entry.start = start;
    entry.end = end;
    entry.entryFlags = static_cast<std::uint8_t>((loan ? THistoryEntry::LoanFlag : 0) | (running ? THistoryEntry::RunningFlag : 0));
    return entry;
}

class ProcessTransferTest : public tool_testing::ToolWorldTest {
protected:
    void SetUp() override
    {
        ToolWorldTest::SetUp();
        a_ = &NewClub(u"A");
        b_ = &NewClub(u"B");
        c_ = &NewClub(u"C");
    }
    // "A 2005-07-01..2007-01-14 | loan B 2007-01-15..2007-06-30 fee 500 | A 2007-07-01..2007-07-01 open"
    std::string History(const TPerson& person) const
    {
        std::string text;
        for (int index = 0; index < person.GetHistoryCount(); ++index) {
            const THistoryEntry& entry = person.GetHistoryEntry(index);
            if (!text.empty()) text += " | ";
            if (entry.IsLoan()) text += "loan ";
            text += Narrow(world_->GetClubName(entry.clubId)) + " " + DateText(entry.start) + ".." + DateText(entry.end);
            if (entry.fee != 0) text += " fee " + std::to_string(entry.fee);
            if (entry.IsRunning()) text += " open";
        }
        return text;
    }
    TPerson& Pending(TClub& club, int state, TClub* other, TDate start, TDate end)
    {
        TPerson& person = NewPlayer(club, u"Mover");
        person.SetTransferState(state);
        person.SetTransferClub(other != nullptr ? other->GetId() : 0x00150999);
        person.SetTransferStartDate(start);
        person.SetTransferEndDate(end);
        return person;
    }
    // The player's one report entry, or an empty one.
    TReported Process(TPerson& person, TClub& club)
    {
        CReportModel report;
        report.Open();
        CProcessTransfer(*world_).ProcessPlayer(person, club, 0, report);
        const std::vector<TReported> entries = tool_testing::Entries(report);
        EXPECT_LE(entries.size(), 1u);
        return entries.empty() ? TReported{} : entries[0];
    }

    TClub* a_ = nullptr;
    TClub* b_ = nullptr;
    TClub* c_ = nullptr;
};

TEST_F(ProcessTransferTest, LoanOutEndedBeforeTheSeason)
{
    TPerson& person = Pending(*a_, 6, b_, {2007, 1, 15}, {2007, 6, 30});
    person.AddHistoryEntry(Station(a_->GetId(), {2005, 7, 1}, {2007, 6, 30}, false, true));
    person.SetCallOption(500);
    const TReported entry = Process(person, *a_);
    EXPECT_EQ(History(person), "A 2005-07-01..2007-01-14 | loan B 2007-01-15..2007-06-30 fee 500 | A 2007-07-01..2007-07-01 open");
    EXPECT_EQ(person.GetTransferState(), 0);
    EXPECT_NE(a_->FindPlayer(person.GetId()), nullptr);
    EXPECT_EQ(entry.path, "Mover, J.");
    EXPECT_EQ(entry.type, ReportType::Success);
    EXPECT_EQ(entry.description, "Player was loaned to B and is now back at A.\r\n");
}

TEST_F(ProcessTransferTest, RunningLoanMovesThePlayerOnce)
{
    TPerson& person = Pending(*a_, 6, b_, {2007, 1, 15}, {2008, 6, 30});
    person.AddHistoryEntry(Station(a_->GetId(), {2005, 7, 1}, {2007, 6, 30}, false, true));
    const TReported entry = Process(person, *a_);
    EXPECT_EQ(History(person), "A 2005-07-01..2007-01-14 | loan B 2007-01-15..2007-06-30 open");
    EXPECT_EQ(person.GetTransferState(), 4);
    EXPECT_EQ(person.GetTransferClub(), a_->GetId());
    EXPECT_EQ(person.GetTransferStartDate(), TDate(2007, 1, 15));
    EXPECT_EQ(person.GetTransferEndDate(), TDate(2008, 6, 30));
    EXPECT_EQ(a_->FindPlayer(person.GetId()), nullptr);
    EXPECT_NE(b_->FindPlayer(person.GetId()), nullptr);
    EXPECT_EQ(entry.description, "Player is loaned to B and has a 'loaned (present)' state now.\r\n");

    const std::string before = History(person);
    CReportModel second;
    second.Open();
    CProcessTransfer(*world_).Run(second);
    EXPECT_EQ(History(person), before);
    EXPECT_EQ(person.GetTransferState(), 4);
    EXPECT_TRUE(tool_testing::Entries(second).empty());
}

TEST_F(ProcessTransferTest, TwoLoanedPlayersOfOneSquadBothMove)
{
    NewPlayer(*a_, u"Stays");
    TPerson& first = Pending(*a_, 6, b_, {2007, 1, 15}, {2008, 6, 30});
    TPerson& second = Pending(*a_, 6, c_, {2007, 2, 1}, {2008, 6, 30});
    CProcessTransfer(*world_).Run(report_);
    EXPECT_EQ(a_->GetSquadCount(), 1);
    EXPECT_NE(b_->FindPlayer(first.GetId()), nullptr);
    EXPECT_NE(c_->FindPlayer(second.GetId()), nullptr);
    EXPECT_EQ(tool_testing::Entries(report_).size(), 2u);
    EXPECT_EQ(tool_testing::Categories(report_), (std::vector<std::string>{"Land 21", "Land 21/A"}));
}

TEST_F(ProcessTransferTest, CasesLeftAloneOrOnlyReported)
{
    TPerson& later = Pending(*a_, 6, b_, {2007, 7, 1}, {2008, 6, 30});
    EXPECT_TRUE(Process(later, *a_).path.empty());
    EXPECT_EQ(later.GetHistoryCount(), 0);
    EXPECT_EQ(later.GetTransferState(), 6);

    TPerson& retiring = Pending(*a_, 3, b_, {2007, 1, 1}, {2008, 6, 30});
    const TReported retired = Process(retiring, *a_);
    EXPECT_EQ(retired.type, ReportType::Info);
    EXPECT_EQ(retired.description, "Retirement flag set. Delete the player manually.\r\n");
    EXPECT_EQ(retiring.GetTransferState(), 3);

    for (int state : {4, 5, 6}) {
        TPerson& orphan = Pending(*a_, state, nullptr, {2007, 1, 1}, {2007, 5, 1});
        EXPECT_TRUE(Process(orphan, *a_).path.empty()) << state;
        EXPECT_EQ(orphan.GetTransferState(), state);
    }
}

TEST_F(ProcessTransferTest, UnsetDatesAreInvalid)
{
    for (int state : {5, 6}) {
        TPerson& person = Pending(*a_, state, b_, TDate(), {2007, 5, 1});
        const TReported entry = Process(person, *a_);
        EXPECT_EQ(entry.type, ReportType::Error) << state;
        EXPECT_EQ(entry.description, "Player has an invalid history entry and cannot be transferred.\r\n");
        EXPECT_EQ(person.GetHistoryCount(), 0);
        EXPECT_EQ(person.GetTransferState(), state);
    }
    TPerson& loanedIn = Pending(*a_, 4, b_, {2006, 7, 1}, TDate());
    loanedIn.AddHistoryEntry(Station(a_->GetId(), {2006, 7, 1}, {2007, 6, 30}, true, true));
    EXPECT_EQ(Process(loanedIn, *a_).type, ReportType::Error);
    EXPECT_NE(a_->FindPlayer(loanedIn.GetId()), nullptr);
}

TEST_F(ProcessTransferTest, AnEntryThatWouldEndBeforeItStartsIsInvalid)
{
    TPerson& loaned = Pending(*a_, 6, b_, {2007, 1, 15}, {2007, 6, 30});
    loaned.AddHistoryEntry(Station(a_->GetId(), {2007, 1, 15}, {2007, 6, 30}, false, true));
    TPerson& sold = Pending(*a_, 5, b_, {2007, 3, 1}, {2008, 6, 30});
    sold.AddHistoryEntry(Station(c_->GetId(), {2006, 7, 1}, {2007, 4, 30}));
    TPerson& returning = Pending(*b_, 4, a_, {2007, 1, 1}, {2007, 5, 31});
    returning.AddHistoryEntry(Station(b_->GetId(), {2007, 6, 1}, {2007, 6, 30}, true, true));
    for (auto [person, club] : {std::pair{&loaned, a_}, std::pair{&sold, a_}, std::pair{&returning, b_}}) {
        const std::string before = History(*person);
        const int state = person->GetTransferState();
        const TReported entry = Process(*person, *club);
        EXPECT_EQ(entry.type, ReportType::Error) << state;
        EXPECT_EQ(entry.description, "Player has an invalid history entry and cannot be transferred.\r\n") << state;
        EXPECT_EQ(History(*person), before) << state;
        EXPECT_EQ(person->GetTransferState(), state);
        EXPECT_NE(club->FindPlayer(person->GetId()), nullptr) << state;
    }
}

TEST_F(ProcessTransferTest, MissingHistoryGetsTheEarlierSeason)
{
    TPerson& person = Pending(*a_, 6, b_, {2007, 1, 15}, {2007, 6, 30});
    const TReported entry = Process(person, *a_);
    EXPECT_EQ(History(person), "A 2006-07-01..2007-01-14 | loan B 2007-01-15..2007-06-30 | A 2007-07-01..2007-07-01 open");
    EXPECT_EQ(entry.description,
              "History entry for club A was missing and has been added.\r\nPlayer was loaned to B and is now back at A.\r\n");
}

TEST_F(ProcessTransferTest, SaleMovesThePlayerToTheBuyer)
{
    TPerson& person = Pending(*a_, 5, b_, {2007, 3, 1}, {2008, 6, 30});
    person.AddHistoryEntry(Station(a_->GetId(), {2004, 7, 1}, {2008, 6, 30}, false, true));
    person.SetTransferFee(250000);
    person.SetYearJoined(2004);
    const TReported entry = Process(person, *a_);
    EXPECT_EQ(History(person), "A 2004-07-01..2007-02-28 | B 2007-03-01..2007-06-30 fee 250000 open");
    EXPECT_EQ(person.GetTransferState(), 0);
    EXPECT_EQ(person.GetYearJoined(), 2007);
    EXPECT_NE(b_->FindPlayer(person.GetId()), nullptr);
    EXPECT_EQ(a_->FindPlayer(person.GetId()), nullptr);
    EXPECT_EQ(entry.description, "Player was sold from A to B.\r\n");

    TPerson& unrecorded = Pending(*a_, 5, c_, {2007, 3, 1}, {2008, 6, 30});
    unrecorded.AddHistoryEntry(Station(b_->GetId(), {2003, 7, 1}, {2005, 6, 30}));
    Process(unrecorded, *a_);
    EXPECT_EQ(History(unrecorded), "B 2003-07-01..2005-06-30 | A 2005-07-01..2007-02-28 | C 2007-03-01..2007-06-30 open");
}

TEST_F(ProcessTransferTest, EndedLoanInGoesBackToTheOwner)
{
    const struct {
        const char* name;
        std::vector<THistoryEntry> history;
        std::int32_t fee;
        std::string after;
        std::string message;
        int type;
    } cases[] = {
        {"recorded", {Station(0x00150000 | 1, {2003, 7, 1}, {2006, 6, 30}), Station(0, {2006, 7, 1}, {2007, 6, 30}, true, true)}, 0,
         "A 2003-07-01..2006-06-30 | loan B 2006-07-01..2007-05-31 | A 2007-06-01..2007-06-30 open",
         "Player was loaned from A and was moved back.\r\n", ReportType::Success},
        {"owner last", {Station(0x00150000 | 1, {2003, 7, 1}, {2006, 6, 30})}, 1000,
         "A 2003-07-01..2006-06-30 | loan B 2006-07-01..2007-05-31 | A 2007-06-01..2007-06-30 open",
         "History entry for club B was missing and has been added.\r\nPlayer was loaned from A and was moved back.\r\n"
         "The deal included a buy option.\r\n",
         ReportType::Success},
        {"third club", {Station(0x00150000 | 3, {2003, 7, 1}, {2006, 6, 30}), Station(0, {2006, 7, 1}, {2007, 6, 30}, true, true)}, 0,
         "C 2003-07-01..2006-06-30 | loan B 2006-07-01..2007-06-30 open",
         "Player has an invalid history entry and cannot be transferred.\r\n", ReportType::Error},
    };
    for (const auto& c : cases) {
        TPerson& person = Pending(*b_, 4, a_, {2006, 7, 1}, {2007, 5, 31});
        person.SetTransferFee(c.fee);
        for (THistoryEntry entry : c.history) {
            if (entry.clubId == 0) entry.clubId = b_->GetId();
            person.AddHistoryEntry(entry);
        }
        const TReported entry = Process(person, *b_);
        EXPECT_EQ(History(person), c.after) << c.name;
        EXPECT_EQ(entry.description, c.message) << c.name;
        EXPECT_EQ(entry.type, c.type) << c.name;
        const bool moved = c.type == ReportType::Success;
        EXPECT_EQ(a_->FindPlayer(person.GetId()) != nullptr, moved) << c.name;
        EXPECT_EQ(person.GetTransferState(), moved ? 0 : 4) << c.name;
    }
}

TEST_F(ProcessTransferTest, NoRoomChangesNothing)
{
    FillSquad(*b_, TClub::SquadCapacity);
    TPerson& squadFull = Pending(*a_, 5, b_, {2007, 3, 1}, {2008, 6, 30});
    squadFull.AddHistoryEntry(Station(a_->GetId(), {2004, 7, 1}, {2008, 6, 30}, false, true));
    const std::string before = History(squadFull);
    const TReported full = Process(squadFull, *a_);
    EXPECT_EQ(full.type, ReportType::Error);
    EXPECT_EQ(full.description, "Player cannot be transferred: the squad of B is full.\r\n");
    EXPECT_EQ(History(squadFull), before);
    EXPECT_EQ(squadFull.GetTransferState(), 5);
    EXPECT_NE(a_->FindPlayer(squadFull.GetId()), nullptr);

    TPerson& long_ = Pending(*a_, 6, c_, {2007, 1, 15}, {2007, 6, 30});
    for (int year = 1977; year < 2006; ++year) long_.AddHistoryEntry(Station(c_->GetId(), {year, 7, 1}, {year + 1, 6, 30}));
    long_.AddHistoryEntry(Station(a_->GetId(), {2006, 7, 1}, {2007, 6, 30}, false, true));
    ASSERT_EQ(long_.GetHistoryCount(), 30);
    const std::string longBefore = History(long_);
    const TReported noRoom = Process(long_, *a_);
    EXPECT_EQ(noRoom.type, ReportType::Error);
    EXPECT_EQ(noRoom.description, "Player cannot be transferred: his history is full.\r\n");
    EXPECT_EQ(History(long_), longBefore);
    EXPECT_EQ(long_.GetTransferState(), 6);
}

TEST_F(ProcessTransferTest, ACloseRequestStopsTheWalk)
{
    TPerson& person = Pending(*a_, 6, b_, {2007, 1, 15}, {2008, 6, 30});
    report_.RequestClose();
    CProcessTransfer(*world_).Run(report_);
    EXPECT_EQ(person.GetTransferState(), 6);
    EXPECT_NE(a_->FindPlayer(person.GetId()), nullptr);
}

}  // namespace
