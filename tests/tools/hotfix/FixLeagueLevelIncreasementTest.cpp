#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/common/TestSupport.h"
#include "tests/database/DatabaseTestSupport.h"
#include "core/AppMessage.h"
#include "database/country/Country.h"
#include "platform/Platform.h"
#include "tools/hotfix/FixLeagueLevelIncreasement.h"
#include "tools/hotfix/HotfixFile.h"
#include "tools/hotfix/HotfixManager.h"

namespace {

std::u16string Answer(const AppFileChoice&, void* context)
{
    return *static_cast<std::u16string*>(context);
}

class FixAmateurRuleTest : public database_testing::CurrentWorldTest {
protected:
    void SetUp() override
    {
        CurrentWorldTest::SetUp();
        previous_ = SetAppFileChooser({Answer, &path_});
        manager_.BuildMenu(true);
    }
    void TearDown() override
    {
        SetAppFileChooser(previous_);
        CurrentWorldTest::TearDown();
    }

    // The fix run from the menu, in create mode or not, on the file.
    void RunFromMenu(bool create, std::u16string_view file)
    {
        path_ = folder_.File(file);
        manager_.SetCreateMode(create);
        manager_.OnCommand(CHotfixManager::FirstCommandId);
    }

    std::vector<std::uint8_t> Bytes(std::u16string_view file) const
    {
        return testing_support::ReadBytes(folder_.File(file));
    }

    void SetRules(int (*rule)(int))
    {
        for (int id = 1; id <= CFixLeagueLevelIncreasement::LastCountryId; ++id) {
            world_->GetCountry(id)->SetAmateurRule(static_cast<std::uint8_t>(rule(id)));
        }
    }

    testing_support::TempFolder folder_;
    CHotfixManager manager_;
    CFixLeagueLevelIncreasement fix_{manager_};
    std::u16string path_;
    AppFileChooserSink previous_{};
};

std::vector<std::uint8_t> GoldenHeader()
{
    return testing_support::ReadBytes(
        platform::JoinPath(testing_support::SourcePath(u"tests\\tools\\golden"), u"hotfix_header_amateur_rule.bin"));
}

}  // namespace

TEST_F(FixAmateurRuleTest, CreateWritesTheHeaderAndOneRulePerCountry)
{
    ASSERT_EQ(manager_.GetMenu().front().text, u"Fix Amateur rule");
    SetRules([](int id) { return id % 4; });
    RunFromMenu(true, u"rules.txt");
    const std::vector<std::uint8_t> bytes = Bytes(u"rules.txt");
    ASSERT_EQ(bytes.size(), 328u);
    std::vector<std::uint8_t> expected = GoldenHeader();
    for (int id = 1; id <= 206; ++id) expected.push_back(static_cast<std::uint8_t>(id % 4));
    EXPECT_EQ(bytes, expected);

    SetRules([](int) { return 0; });
    RunFromMenu(false, u"rules.txt");
    EXPECT_EQ(world_->GetCountry(1)->GetAmateurRule(), 1);
    EXPECT_EQ(world_->GetCountry(206)->GetAmateurRule(), 206 % 4);
    RunFromMenu(true, u"again.txt");
    EXPECT_EQ(Bytes(u"again.txt"), bytes) << "create, apply, create gives the same file";
}

TEST_F(FixAmateurRuleTest, AHeaderOnlyFileSetsEveryRuleToZero)
{
    SetRules([](int) { return 2; });
    testing_support::WriteBytes(folder_.File(u"header.txt"), GoldenHeader());
    RunFromMenu(false, u"header.txt");
    for (int id = 1; id <= 206; ++id) EXPECT_EQ(world_->GetCountry(id)->GetAmateurRule(), 0) << id;
}

TEST_F(FixAmateurRuleTest, UnknownRulesAreKeptAndReported)
{
    SetRules([](int) { return 1; });
    std::vector<std::uint8_t> bytes = GoldenHeader();
    bytes.push_back(3);
    bytes.push_back(4);
    bytes.push_back(0xFF);
    bytes.push_back(2);
    testing_support::WriteBytes(folder_.File(u"odd.txt"), bytes);
    CHotfixFile file;
    ASSERT_TRUE(file.OpenRead(folder_.File(u"odd.txt")));
    ASSERT_TRUE(file.ReadHeader(fix_.GetName(), fix_.GetVersion()));
    CReportModel report;
    report.Open();
    fix_.Apply(world_, &file, report);
    EXPECT_EQ(world_->GetCountry(1)->GetAmateurRule(), 3);
    EXPECT_EQ(world_->GetCountry(2)->GetAmateurRule(), 1);
    EXPECT_EQ(world_->GetCountry(3)->GetAmateurRule(), 1);
    EXPECT_EQ(world_->GetCountry(4)->GetAmateurRule(), 2);
    EXPECT_EQ(world_->GetCountry(5)->GetAmateurRule(), 0);
    const std::vector<ReportEntryHandle> entries = report.Children(0);
    ASSERT_EQ(entries.size(), 2u);
    for (ReportEntryHandle entry : entries) EXPECT_EQ(report.Entry(entry).type, ReportType::Warning);

    CReportModel noFile;
    noFile.Open();
    fix_.Apply(world_, nullptr, noFile);
    ASSERT_EQ(noFile.Children(0).size(), 1u);
    EXPECT_EQ(noFile.Entry(noFile.Children(0)[0]).type, ReportType::Error);
}
