// Every database tool over a sample world damaged at random: no crash, no
// person lost or doubled, no history grown past its limit or given an unset
// or wrapped date, and a second transfer run changes nothing.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

#include "archive/BadgeLookup.h"
#include "core/text/TextManager.h"
#include "database/world/CompleteWorld.h"
#include "tests/common/TestSupport.h"
#include "tests/database/DatabaseTestSupport.h"
#include "tools/DatabaseProblemTool.h"
#include "tools/GlobalTools.h"
#include "tools/ProcessTransfer.h"

namespace {

struct TPersonState {
    int squads = 0;
    std::vector<THistoryEntry> history;
    std::uint8_t stateBits = 0;
};

bool SameEntry(const THistoryEntry& a, const THistoryEntry& b)
{
    return a.clubId == b.clubId && a.start == b.start && a.end == b.end && a.entryFlags == b.entryFlags && a.fee == b.fee;
}

class ToolsPropertyTest : public database_testing::SampleWorldTest {
protected:
    void SetUp() override
    {
        SampleWorldTest::SetUp();
        ASSERT_TRUE(CTextManager::Instance()->LoadFile(
            testing_support::SourcePath(u"data\\trdata\\DatabaseEditor.txt").c_str()));
        ASSERT_TRUE(world_->LoadWorld(u"Database"));
        for (int id = 1; id <= 206; ++id) {
            const TCountry* country = world_->GetCountry(id);
            for (int index = 0; index < country->GetClubCount(); ++index) {
                TClub* club = country->GetClubByIndex(index);
                if (club != nullptr && !IsNationalTeamId(club->GetId())) clubs_.push_back(club);
            }
        }
    }

    std::map<std::uint32_t, TPersonState> Snapshot() const
    {
        std::map<std::uint32_t, TPersonState> persons;
        for (const TClub* club : clubs_) {
            for (int slot = 0; slot < club->GetSquadCount(); ++slot) {
                const TPerson* person = club->GetSquadPerson(slot);
                if (person == nullptr) continue;
                TPersonState& state = persons[person->GetId()];
                ++state.squads;
                state.history.clear();
                for (int index = 0; index < person->GetHistoryCount(); ++index) state.history.push_back(person->GetHistoryEntry(index));
                state.stateBits = person->GetStateBits();
            }
        }
        return persons;
    }

    std::uint32_t SomeClubId()
    {
        switch (random_() % 5) {
        case 0: return 0;
        case 1: return 0x00CF0000 | (random_() % 4);          // country 207
        case 2: return random_() % 0x10000;                   // country byte 0
        case 3: return 0x00150000 | (0x0F00 + random_() % 16);  // no such club
        default: return clubs_[random_() % clubs_.size()]->GetId() | (random_() % 2 ? ReserveTeamBit : 0);
        }
    }
    TDate SomeDate()
    {
        if (random_() % 8 == 0) return TDate();
        return TDate(2005 + static_cast<int>(random_() % 5), 1 + static_cast<int>(random_() % 12), 1 + static_cast<int>(random_() % 28));
    }
    THistoryEntry SomeEntry()
    {
        THistoryEntry entry;
        entry.clubId = SomeClubId();
        entry.start = SomeDate();
        entry.end = random_() % 4 == 0 ? TDate(2007, 6, 30) : SomeDate();
        entry.entryFlags = static_cast<std::uint8_t>(random_() % 4);
        return entry;
    }

    void Damage(int mutations)
    {
        for (int m = 0; m < mutations; ++m) {
            TClub& club = *clubs_[random_() % clubs_.size()];
            if (club.GetSquadCount() == 0) continue;
            TPerson* person = club.GetSquadPerson(static_cast<int>(random_() % static_cast<unsigned>(club.GetSquadCount())));
            if (person == nullptr) continue;
            switch (random_() % 10) {
            case 9:
                person->SetTransferState(4 + static_cast<int>(random_() % 3));
                person->SetTransferClub(clubs_[random_() % clubs_.size()]->GetId());
                person->SetTransferStartDate(TDate(2006, 8, 1) + static_cast<std::int32_t>(random_() % 300));
                person->SetTransferEndDate(TDate(2007, 1, 1) + static_cast<std::int32_t>(random_() % 600));
                break;
            case 0: person->SetStateBits(static_cast<std::uint8_t>(random_() % 64)); break;
            case 1: person->SetTransferState(3 + static_cast<int>(random_() % 4)); break;
            case 2: person->SetTransferClub(SomeClubId()); break;
            case 3: person->SetTransferStartDate(SomeDate()); person->SetTransferEndDate(SomeDate()); break;
            case 4: for (int k = random_() % 40; k > 0; --k) person->AddHistoryEntry(SomeEntry()); break;
            case 5: person->SetType(static_cast<std::uint8_t>(random_() % 25)); break;
            case 6: person->SetLastName(random_() % 2 ? u"" : u"\u0416"); person->SetFirstName(u""); break;
            case 7: club.SetRival(static_cast<int>(random_() % 4), SomeClubId()); club.SetPartnerClub(SomeClubId()); break;
            default: person->SetYearJoined(static_cast<std::uint16_t>(1975 + random_() % 40)); break;
            }
        }
    }

    std::vector<TClub*> clubs_;
    std::mt19937 random_{20070701};
};

TEST_F(ToolsPropertyTest, DamagedWorldsKeepEveryPlayerAndHistory)
{
    std::size_t persons = 0;
    for (const TClub* club : clubs_) persons += static_cast<std::size_t>(club->GetSquadCount());
    ASSERT_GT(persons, 500u) << clubs_.size() << " clubs";
    for (int round = 0; round < 3; ++round) {
        Damage(1500);
        const std::map<std::uint32_t, TPersonState> before = Snapshot();
        testing_support::TempFolder empty;
        const CBadgeSources sources(empty.File(u"Badges"), nullptr, CBadgeSources::LooseFiles::Listed);
        const auto run = [](ICommonReportHandler&& tool) {
            CReportModel report;
            report.Open();
            tool.Run(report);
            return report.Size();
        };
        run(CDatabaseProblemTool(*world_));
        run(CGlobalToolsContractStartProcessor(*world_, true));
        run(CGlobalToolsCheckBadgesProcessor(*world_, sources));
        run(CGlobalToolsCountryProcessor(*world_));
        EXPECT_GT(run(CProcessTransfer(*world_)), 50u);
        const std::map<std::uint32_t, TPersonState> after = Snapshot();
        ASSERT_EQ(after.size(), before.size()) << "round " << round;
        int moved = 0;
        for (const auto& [id, state] : after) moved += state.stateBits != before.at(id).stateBits ? 1 : 0;
        EXPECT_GT(moved, 5) << "round " << round;
        for (const auto& [id, state] : after) {
            const TPersonState& old = before.at(id);
            EXPECT_EQ(state.squads, old.squads) << id;
            EXPECT_LE(state.history.size(), 30u) << id;
            for (std::size_t k = 0; k < state.history.size(); ++k) {
                if (k < old.history.size() && SameEntry(state.history[k], old.history[k])) continue;
                const THistoryEntry& entry = state.history[k];
                EXPECT_TRUE(entry.start.IsSet() && entry.end.IsSet() && entry.end >= entry.start &&
                            entry.end.GetYear() < 2100)
                    << "person " << id << " entry " << k << " of " << state.history.size() << ": " << entry.start.GetDayNumber()
                    << ".." << entry.end.GetDayNumber() << " was " << (k < old.history.size() ? old.history[k].start.GetDayNumber() : 0)
                    << ".." << (k < old.history.size() ? old.history[k].end.GetDayNumber() : 0) << " today " << TDate(2007, 7, 1).GetDayNumber();
            }
        }
        run(CProcessTransfer(*world_));
        const std::map<std::uint32_t, TPersonState> again = Snapshot();
        for (const auto& [id, state] : again) {
            const TPersonState& first = after.at(id);
            EXPECT_EQ(state.squads, first.squads) << id;
            EXPECT_EQ(state.stateBits, first.stateBits) << id;
            ASSERT_EQ(state.history.size(), first.history.size()) << id;
            for (std::size_t k = 0; k < state.history.size(); ++k) EXPECT_TRUE(SameEntry(state.history[k], first.history[k])) << id;
        }
    }
}

}  // namespace
