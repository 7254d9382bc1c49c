#include <gtest/gtest.h>

#include "core/text/Format.h"
#include "core/files/TabbedConfig.h"
#include "core/files/ToolFiles.h"
#include "database/club/ReferenceLists.h"
#include "tests/tools/hotfix/HotfixTestSupport.h"
#include "tools/hotfix/FixOrginalKitNames.h"

namespace {

using tool_testing::Entries;
using tool_testing::TReported;

// UTF-16LE bytes of ASCII text back to text.
std::string Narrow16(const std::vector<std::uint8_t>& bytes)
{
    std::string text;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) text.push_back(static_cast<char>(bytes[i]));
    return text;
}

class KitNamesTest : public tool_testing::HotfixTest {
protected:
    void SetUp() override
    {
        HotfixTest::SetUp();
        CToolFiles::SetFolder(u'C', folder_.Path());
        testing_support::WriteBytes(folder_.File(u"ClubIDs.txt"),
                                    std::string_view("\xEF\xBB\xBF" "3\r\nKIT A\r\n1\r\nKIT B\r\n2\r\nKIT C\r\n3\r\n"));
        GetClubIdList().Load(folder_.File(u"ClubIDs.txt"));
        alpha_ = &NewClub(u"Alpha");
        beta_ = &NewClub(u"Beta");
        gamma_ = &NewClub(u"Gamma", 5);
    }
    void TearDown() override
    {
        CToolFiles::SetFolder(u'C', u"");
        HotfixTest::TearDown();
    }

    TPerson& Player(TClub& club, const char16_t* last, std::uint32_t face)
    {
        TPerson& person = NewPlayer(club, last);
        person.SetFaceId(face);
        return person;
    }

    void WriteStarHeads()
    {
        CTabbedConfig config;
        const std::pair<int, const char16_t*> records[] = {{10, u"Adam, Jan"}, {20, u"dorn, jan"}, {30, u"Nobody, X"}};
        for (const auto& [id, name] : records) {
            TTabbedConfigRecord* record = config.AddRecord(id);
            for (int language = 0; language < 6; ++language) record->SetText(language, name);
        }
        ASSERT_TRUE(config.Save(folder_.File(u"Fix-Starheads.txt").c_str()));
    }

    void WriteKitPairs(const std::string& lines) { testing_support::WriteBytes(folder_.File(u"Fix-Qaro2Team.txt"), Utf16(lines)); }

    std::string Output(std::u16string_view name) { return Narrow16(testing_support::ReadBytes(folder_.File(name))); }
    std::string Hex(const TClub& club) { return testing_support::Narrow(Format(u"%X", club.GetId())); }

    std::vector<TReported> Under(const std::string& category)
    {
        std::vector<TReported> found;
        for (const TReported& entry : Entries(report_)) {
            if (entry.path.starts_with(category + "/")) found.push_back(entry);
        }
        return found;
    }

    TClub* alpha_ = nullptr;
    TClub* beta_ = nullptr;
    TClub* gamma_ = nullptr;
    CFixOrginalKitNames fix_{manager_};
};

TEST_F(KitNamesTest, StarHeadsAreResetThenGivenToTheFirstPlayerOfTheirName)
{
    TPerson& adam = Player(*alpha_, u"Adam", 500);
    TPerson& bart = Player(*alpha_, u"Bart", 500);
    TPerson& cole = Player(*alpha_, u"Cole", 700);
    TPerson& dorn = Player(*alpha_, u"Dorn", 0);
    TPerson& secondAdam = Player(*beta_, u"Adam", 0);
    WriteStarHeads();
    fix_.Apply(world_, nullptr, report_);

    EXPECT_EQ(adam.GetFaceId(), 10u);
    EXPECT_EQ(bart.GetFaceId(), 0u);
    EXPECT_EQ(cole.GetFaceId(), 0u);
    EXPECT_EQ(dorn.GetFaceId(), 20u);
    EXPECT_EQ(secondAdam.GetFaceId(), 0u);

    const std::vector<TReported> reset = Under("Star Heads/Current database starheads (will be reseted)");
    ASSERT_EQ(reset.size(), 1u);
    EXPECT_EQ(reset[0].type, ReportType::Error);
    EXPECT_EQ(reset[0].description, "The starhead with the ID: 500 was used twice. The first player is named \"Jan Adam\". "
                                    "Skipping \"Jan Bart\" (Alpha)");
    const std::vector<TReported> assigned = Under("Star Heads/New player heads");
    ASSERT_EQ(assigned.size(), 3u);
    EXPECT_EQ(assigned[0].type, ReportType::Warning);
    EXPECT_EQ(assigned[0].description, "The starhead with the ID: 10 can be used twice. The first player is named \"Jan "
                                       "Adam\". The current player \"Jan Adam\" (Beta) will be skipped!");
    EXPECT_EQ(assigned[1].description, "The starhead with the ID: 10 will be assigned to Jan Adam");
    EXPECT_EQ(assigned[2].description, "The starhead with the ID: 20 will be assigned to Jan Dorn");
    const std::vector<TReported> unused = Under("Star Heads/Unused star heads");
    ASSERT_EQ(unused.size(), 3u);
    EXPECT_EQ(unused[0].path, "Star Heads/Unused star heads/Unused star head ID: 30");
    EXPECT_EQ(unused[1].description, "The player Jan Bart has no longer a starhead, before fixing he had the ID: 500");
    EXPECT_EQ(unused[2].path, "Star Heads/Unused star heads/Starhead removed from Jan Cole");

    EXPECT_EQ(Output(u"Output - Starheads.txt"), "3\r\nAdam, Jan\r\n10\r\ndorn, jan\r\n20\r\nNobody, X\r\n30\r\n");
    EXPECT_EQ(Output(u"Output - Playerlist.txt"),
              "[StarHead-ID]\t[Player]\t[Club]\r\n10\tJan Adam\tAlpha\r\n0\tJan Bart\tAlpha\r\n0\tJan Cole\tAlpha\r\n"
              "20\tJan Dorn\tAlpha\r\n0\tJan Adam\tBeta\r\n");
}

TEST_F(KitNamesTest, KitPairsAreAssignedInFileOrderAndEveryOtherCaseIsReported)
{
    alpha_->GetKit()->SetQaroKitId(1);
    beta_->GetKit()->SetQaroKitId(1);
    gamma_->GetKit()->SetQaroKitId(3);
    WriteKitPairs("2\t" + Hex(*alpha_) + "\r\n3\t" + Hex(*alpha_) + "\r\n9\t" + Hex(*beta_) +
                  "\r\nno tab here\r\n1\t00FF0001\r\n");
    fix_.Apply(world_, nullptr, report_);

    EXPECT_EQ(alpha_->GetKit()->GetQaroKitId(), 2u);
    EXPECT_EQ(beta_->GetKit()->GetQaroKitId(), 0u);
    EXPECT_EQ(gamma_->GetKit()->GetQaroKitId(), 0u);
    const std::vector<TReported> current = Under("Orginal Kits/Current kit state");
    ASSERT_EQ(current.size(), 1u);
    EXPECT_EQ(current[0].path, "Orginal Kits/Current kit state/Qaro kit ID: 1 was used twice. First at Alpha, now at Beta");
    std::vector<std::string> assigned;
    for (const TReported& entry : Under("Orginal Kits/New kit state")) assigned.push_back(entry.path.substr(27));
    EXPECT_EQ(assigned, (std::vector<std::string>{
                            "Assigned kit with ID 2 to Alpha",
                            "Club Alpha has already kit ID: 2 - Skipping kit ID: 3",
                            "Kit for club Beta not found, even it has Qaro ID: 9",
                            "Club with ID 00FF0001 (Qaro ID: 1) not found",
                        }));
    std::vector<std::string> unused;
    for (const TReported& entry : Under("Orginal Kits/Unused kits")) unused.push_back(entry.path.substr(25));
    EXPECT_EQ(unused, (std::vector<std::string>{"Kit with Qaro ID: 1 is unused. The config string is KIT A",
                                                "Kit with Qaro ID: 3 is unused. The config string is KIT C"}));
    std::vector<std::string> removed;
    for (const TReported& entry : Under("Orginal Kits/Removed kits")) removed.push_back(entry.path.substr(26));
    // Countries in id order: Gamma's 5 before Alpha's and Beta's 21.
    EXPECT_EQ(removed, (std::vector<std::string>{"Club Gamma has no kit anymore. It had the kit with the ID: 3",
                                                 "Club Beta has no kit anymore. It had the kit with the ID: 1"}));
    for (int language = 0; language < 6; ++language) {
        EXPECT_EQ(Output(Format(u"Output - Kits %d.txt", language)),
                  "1\r\n" + testing_support::Narrow(alpha_->GetNameForLanguage(language)) + "\r\n2\r\n");
    }
}

TEST_F(KitNamesTest, MissingListsSkipTheirStepsAndThePlayerListIsStillWritten)
{
    Player(*alpha_, u"Adam", 44);
    alpha_->GetKit()->SetQaroKitId(2);
    fix_.Apply(world_, nullptr, report_);
    const std::vector<TReported> entries = Entries(report_);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].path, "Star Heads/FILE NOT FOUND: " + testing_support::Narrow(folder_.File(u"Fix-Starheads.txt")));
    EXPECT_EQ(entries[0].description, "Error opening the config file - skipping star heads.");
    EXPECT_EQ(entries[1].path, "Orginal Kits/Error!");
    EXPECT_EQ(alpha_->GetKit()->GetQaroKitId(), 2u);
    EXPECT_EQ(alpha_->GetSquadPerson(0)->GetFaceId(), 44u);
    EXPECT_EQ(Output(u"Output - Playerlist.txt"), "[StarHead-ID]\t[Player]\t[Club]\r\n44\tJan Adam\tAlpha\r\n");
}

TEST_F(KitNamesTest, WithoutAFolderForDriveCNothingIsTouched)
{
    CToolFiles::SetFolder(u'C', u"");
    if (!CToolFiles::Resolve(u"C:\\x").empty()) GTEST_SKIP() << "drive C has a folder here";
    Player(*alpha_, u"Adam", 44);
    fix_.Apply(world_, nullptr, report_);
    ASSERT_EQ(Entries(report_).size(), 1u);
    EXPECT_EQ(Entries(report_)[0].type, ReportType::Error);
    EXPECT_EQ(alpha_->GetSquadPerson(0)->GetFaceId(), 44u);
}

}  // namespace
