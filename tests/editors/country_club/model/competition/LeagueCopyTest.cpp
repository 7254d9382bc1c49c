#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DatabaseTestSupport.h"
#include "competition/League.h"
#include "database/club/Club.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/world/WorldList.h"
#include "editors/country_club/model/competition/LeagueCopy.h"
#include "tests/common/TestSupport.h"
#include "tools/report/ReportModel.h"

namespace {

constexpr int SampleCountry = 21;
constexpr int OtherCountry = 45;

TLeagueCopyTexts Texts()
{
    return {u"Copied _CLUB_NAME", u"Skipped _CLUB_NAME", u"Other clubs", u"Missing _FILE_NAME",
            u"Damaged _FILE_NAME: _MESSAGE", u"No world"};
}

struct TEntry {
    int type;
    std::u16string title;
    bool operator==(const TEntry&) const = default;
};

void PrintTo(const TEntry& entry, std::ostream* out) { *out << entry.type << " " << testing_support::Narrow(entry.title); }

class LeagueCopyTest : public database_testing::SampleWorldTest {
protected:
    void SetUp() override
    {
        SampleWorldTest::SetUp();
        ASSERT_TRUE(world_->LoadWorld(u"Database"));
        country_ = world_->GetCountry(SampleCountry);
        league_ = dynamic_cast<CDBLeagueBase*>(world_->GetCompetitions().Get(country_->GetLeagueId(0)));
        ASSERT_NE(league_, nullptr);
        report_.Open();
    }
    std::u16string Save(int country)
    {
        const std::u16string path = base_.DatabasePath(u"Saved.sav");
        database_testing::SaveCountry(*world_->GetCountry(country), path);
        return path;
    }
    TClub& Club(int slot) { return *country_->GetClubByUniqueId(league_->GetTeamSlot(slot)); }
    void Copy(const std::u16string& path) { CopyLeagueFromFile(*league_, *world_, path, GetWorldList(), report_, Texts()); }
    std::vector<TEntry> Entries() const
    {
        std::vector<TEntry> entries;
        for (ReportEntryHandle handle : report_.Children(0)) entries.push_back({report_.Entry(handle).type, report_.Entry(handle).title});
        return entries;
    }
    // Names of the league's clubs.
    std::vector<std::u16string> Names()
    {
        std::vector<std::u16string> names;
        for (int slot = 0; slot < league_->GetAssignedTeamCount(); ++slot) names.emplace_back(Club(slot).GetName());
        return names;
    }
    void Rename(int slots)
    {
        for (int slot = 0; slot < slots; ++slot) Club(slot).SetNameForAllLanguages(u"Changed");
    }
    void ExpectNothingCopied(const std::vector<std::u16string>& names)
    {
        EXPECT_EQ(Names(), names);
        EXPECT_EQ(GetWorldList().GetCount(), 1);
        EXPECT_EQ(GetWorld(), world_);
    }

    TCountry* country_ = nullptr;
    CDBLeagueBase* league_ = nullptr;
    CReportModel report_;
};

TEST_F(LeagueCopyTest, ChangedClubsTakeTheSavedRecordsOneSuccessEachAndReservesAreSkipped)
{
    const std::vector<std::u16string> saved = Names();
    const std::uint32_t reserveOf = league_->GetTeamSlot(3) | ReserveTeamBit;
    ASSERT_TRUE(league_->RemoveTeam(league_->GetTeamSlot(15)));
    ASSERT_TRUE(league_->AddTeam(reserveOf));
    const std::u16string path = Save(SampleCountry);
    const std::u16string reserveName = country_->GetTeamNameByUniqueId(reserveOf);
    Rename(3);
    const std::uint32_t capacity = Club(5).GetStadiumCapacity();
    Club(5).SetStadiumCapacity(capacity + 1);
    Copy(path);
    std::vector<TEntry> expected;
    for (int slot = 0; slot < 15; ++slot) {
        expected.push_back({ReportType::Success, u"Copied " + (slot < 3 ? std::u16string(u"Changed") : saved[static_cast<std::size_t>(slot)])});
    }
    expected.push_back({ReportType::Info, u"Skipped " + reserveName});
    EXPECT_EQ(Entries(), expected);
    std::vector<std::u16string> names = Names();
    names.pop_back();
    EXPECT_EQ(names, std::vector<std::u16string>(saved.begin(), saved.begin() + 15));
    EXPECT_EQ(Club(5).GetStadiumCapacity(), capacity);
    EXPECT_EQ(GetWorld(), world_) << "the current world stays the same object";
    EXPECT_EQ(GetWorldList().GetCount(), 1) << "the saved file's world is removed";
}

TEST_F(LeagueCopyTest, AnotherEnteredCountGivesOneErrorAndCopiesNothing)
{
    const std::u16string path = Save(SampleCountry);
    ASSERT_TRUE(league_->RemoveTeam(league_->GetTeamSlot(15)));
    Rename(2);
    const std::vector<std::u16string> names = Names();
    Copy(path);
    EXPECT_EQ(Entries(), (std::vector<TEntry>{{ReportType::Error, u"Other clubs"}}));
    ExpectNothingCopied(names);
}

TEST_F(LeagueCopyTest, AnotherCountrysFileCopiesNothing)
{
    const std::u16string path = Save(OtherCountry);
    Rename(2);
    const std::vector<std::u16string> names = Names();
    Copy(path);
    EXPECT_EQ(Entries(), (std::vector<TEntry>{{ReportType::Error, u"Other clubs"}}));
    ExpectNothingCopied(names);
}

TEST_F(LeagueCopyTest, OtherNumberingCopiesNothing)
{
    const std::u16string path = Save(SampleCountry);
    Club(4).SetUniqueId(Club(4).GetUniqueId() + 1000);
    Rename(2);
    const std::vector<std::u16string> names = Names();
    Copy(path);
    EXPECT_EQ(Entries(), (std::vector<TEntry>{{ReportType::Error, u"Other clubs"}}));
    EXPECT_EQ(report_.Entry(report_.Children(0)[0]).description, Club(4).GetName());
    ExpectNothingCopied(names);
}

TEST_F(LeagueCopyTest, ACutShortFileIsReportedAsDamaged)
{
    const std::u16string path = Save(SampleCountry);
    std::vector<std::uint8_t> bytes = testing_support::ReadBytes(path);
    bytes.resize(bytes.size() / 2);
    testing_support::WriteBytes(path, bytes);
    Rename(2);
    const std::vector<std::u16string> names = Names();
    Copy(path);
    const std::vector<TEntry> entries = Entries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].type, ReportType::Error);
    EXPECT_TRUE(entries[0].title.starts_with(u"Damaged " + path + u": ")) << testing_support::Narrow(entries[0].title);
    ExpectNothingCopied(names);
}

TEST_F(LeagueCopyTest, AMissingFileIsReported)
{
    const std::u16string path = base_.DatabasePath(u"Nothing.sav");
    const std::vector<std::u16string> names = Names();
    Copy(path);
    EXPECT_EQ(Entries(), (std::vector<TEntry>{{ReportType::Error, u"Missing " + path}}));
    ExpectNothingCopied(names);
}

TEST_F(LeagueCopyTest, SixWorldsInUseGiveOneError)
{
    const std::u16string path = Save(SampleCountry);
    Rename(1);
    const std::vector<std::u16string> names = Names();
    std::vector<TCompleteWorld*> others;
    while (GetWorldList().GetCount() < TWorldList::MaxWorlds) others.push_back(GetWorldList().AddCompleteWorld());
    Copy(path);
    EXPECT_EQ(Entries(), (std::vector<TEntry>{{ReportType::Error, u"No world"}}));
    EXPECT_EQ(Names(), names);
    EXPECT_EQ(GetWorldList().GetCount(), TWorldList::MaxWorlds);
    for (TCompleteWorld* world : others) GetWorldList().RemoveWorld(world);
    EXPECT_EQ(GetWorld(), world_);
}

}  // namespace
