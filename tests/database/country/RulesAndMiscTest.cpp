#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/database/DatabaseTestSupport.h"
#include "core/AppMessage.h"
#include "database/country/RulesAndMisc.h"
#include "platform/Platform.h"

namespace {

// The sample's Rules.sav with another version, another last value and,
// when asked, without its three fairness lines.
std::string SampleRules(const char* version, bool withFairness, const char* lastValue)
{
    std::vector<std::string> lines;
    const std::string text = database_testing::FileText(testing_support::SourcePath(u"data\\Database\\Rules.sav"));
    for (std::size_t at = 0, next; (next = text.find("\r\n", at)) != std::string::npos; at = next + 2) {
        lines.push_back(text.substr(at, next - at));
    }
    const std::size_t end = lines.size() - 1;
    lines[2] = version;
    lines[end - 4] = lastValue;
    if (!withFairness) lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(end - 3), lines.begin() + static_cast<std::ptrdiff_t>(end));
    std::string out;
    for (const std::string& line : lines) out += line + "\r\n";
    return out;
}

}  // namespace

TEST(RulesAndMisc, VersionGatesAndChecks)
{
    database_testing::ScratchBase base;
    const std::u16string path = base.DatabasePath(u"Rules.sav");
    TRulesAndMisc rules;
    rules.SetFairnessClub(0, 77);
    base.WriteDatabaseFile(u"Rules.sav", SampleRules("537329678", false, "12"));
    rules.LoadRules(path);
    EXPECT_EQ(rules.GetFairnessClub(0), 77u) << "2007-14 has no fairness lines";
    EXPECT_EQ(rules.GetFurtherValue(5), 12);
    base.WriteDatabaseFile(u"Rules.sav", SampleRules("537329689", true, "-3"));
    rules.LoadRules(path);
    EXPECT_EQ(std::u16string(rules.GetCupTitle(1, 0, 5)), u"Champions Cup South America") << "2007-25 copies English";
    EXPECT_EQ(rules.GetFairnessClub(2), 917508u);
    auto world = base.BuildWorld();
    rules.CheckRules(*world);
    EXPECT_EQ(rules.GetFurtherValue(5), 0);
    EXPECT_EQ(rules.GetFairnessClub(2), 0u) << "unknown clubs are cleared";
    EXPECT_EQ(rules.GetCupDefender(0, 0), 0u);
    rules.SetFurtherValue(5, 12);
    rules.CheckRules(*world);
    EXPECT_EQ(rules.GetFurtherValue(5), 7);
    rules.SetCupTitle(0, 0, 0, std::u16string(40, u'x').c_str());
    EXPECT_EQ(std::u16string(rules.GetCupTitle(0, 0, 0)), std::u16string(29, u'x'));
}

TEST(RulesAndMisc, AMissingFileIsReportedAndChangesNothing)
{
    database_testing::ScratchBase base;
    testing_support::MessageCapture messages;
    TRulesAndMisc rules;
    rules.SetCupDefender(0, 1, 5);
    rules.LoadRules(base.DatabasePath(u"Rules.sav"));
    EXPECT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(rules.GetCupDefender(0, 1), 5u);
}

// A file of a newer program fails as every other database file does: the
// message and nothing read.
TEST(RulesAndMisc, AFileOfANewerProgramIsRefused)
{
    database_testing::ScratchBase base;
    const std::u16string path = base.DatabasePath(u"Rules.sav");
    TRulesAndMisc rules;
    rules.SetFurtherValue(5, 4);
    rules.SetFairnessClub(0, 77);
    base.WriteDatabaseFile(u"Rules.sav", SampleRules("537329694", true, "2"));
    testing_support::MessageCapture messages;
    rules.LoadRules(path);
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_NE(messages.Messages()[0].find(u"Rules.sav"), std::u16string::npos) << "the file is named";
    EXPECT_NE(messages.Messages()[0].find(u"2007-30"), std::u16string::npos) << "with its version";
    EXPECT_TRUE(rules.IsFileRefused());
    EXPECT_EQ(rules.GetFurtherValue(5), 4) << "nothing read";
    EXPECT_EQ(rules.GetFairnessClub(0), 77u);
    EXPECT_EQ(std::u16string(rules.GetCupTitle(0, 0, 0)), u"");

    base.WriteDatabaseFile(u"Rules.sav", SampleRules("537329693", true, "2"));
    rules.LoadRules(path);
    EXPECT_EQ(messages.Messages().size(), 1u) << "2007-29 is still read";
    EXPECT_FALSE(rules.IsFileRefused());
    EXPECT_EQ(rules.GetFurtherValue(5), 2);
}

class NewerRules : public database_testing::SampleWorldTest {};

// Nothing is read from a Rules.sav of a newer program, so nothing can
// replace it: a save never offers it with the damaged files and never
// writes it, whatever the answers, and says that it kept it.
TEST_F(NewerRules, ARefusedFileIsNeverOfferedNorWrittenAndTheSaveSaysSo)
{
    const std::string newer = SampleRules("537329694", true, "2");
    base_.WriteDatabaseFile(u"Rules.sav", newer);
    std::string country = database_testing::FileText(base_.DatabasePath(u"Country14.sav"));
    const std::string teams = "%INDEX%TEAMS\r\ne0001,";
    ASSERT_NE(country.find(teams), std::string::npos);
    country.replace(country.find(teams), teams.size(), "%INDEX%TEAMS\r\ne0063,");
    base_.WriteDatabaseFile(u"Country14.sav", country);
    {
        testing_support::MessageCapture messages;
        ASSERT_TRUE(world_->LoadWorld(u"Database"));
        EXPECT_EQ(messages.Messages().size(), 2u) << "the refused rules and the damaged country";
    }
    const TCompleteWorld::SaveResult kept = world_->SaveWorld({}, TCompleteWorld::DamagedFiles::Keep);
    EXPECT_TRUE(kept.saved);
    EXPECT_TRUE(kept.keptRefusedRules);
    EXPECT_EQ(database_testing::FileText(base_.DatabasePath(u"Rules.sav")), newer);

    for (int save = 0; save < 2; ++save) {
        testing_support::MessageCapture yes(AppMessage::IdYes);
        const TCompleteWorld::SaveResult result = world_->SaveWorld();
        EXPECT_TRUE(result.saved);
        EXPECT_TRUE(result.keptRefusedRules);
        EXPECT_TRUE(world_->GetRulesAndMisc().IsFileRefused());
        EXPECT_EQ(database_testing::FileText(base_.DatabasePath(u"Rules.sav")), newer) << "every byte kept";
        const std::vector<std::u16string>& messages = yes.Messages();
        ASSERT_EQ(messages.size(), save == 0 ? 2u : 1u) << "the damaged country is asked about once";
        if (save == 0) {
            EXPECT_NE(messages[0].find(u"Country14.sav"), std::u16string::npos);
            EXPECT_EQ(messages[0].find(u"Rules.sav"), std::u16string::npos) << "not offered for replacement";
        }
        EXPECT_EQ(testing_support::Narrow(messages.back()),
                  "The file " + testing_support::Narrow(platform::MakeAbsolute(base_.DatabasePath(u"Rules.sav"))) +
                      " was written by a newer version of the program, so nothing could be read from it. It was not "
                      "saved and stays as it is.");
    }
    EXPECT_NE(database_testing::FileText(base_.DatabasePath(u"Country14.sav")), country) << "the damaged country replaced";
}
