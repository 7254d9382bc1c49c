#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/database/DatabaseTestSupport.h"
#include "core/text/TextManager.h"
#include "platform/Platform.h"

using database_testing::SampleWorldTest;
using testing_support::MessageCapture;

namespace {

class FreeAgentList : public database_testing::CurrentWorldTest {
protected:
    std::vector<std::uint32_t> Ids() const
    {
        std::vector<std::uint32_t> ids;
        const TPlayersWithoutClub& list = world_->GetFreeAgents();
        for (int index = 0; index < list.GetCount(); ++index) ids.push_back(list.GetPlayer(index)->GetId());
        return ids;
    }
    void AddPersons(std::vector<std::uint32_t> ids)
    {
        for (std::uint32_t id : ids) EXPECT_EQ(world_->GetFreeAgents().Add(world_->CreatePerson(id, false)), 1);
    }
};

TEST_F(FreeAgentList, KeepsTheOrderOfInsertionAndNeverANullEntry)
{
    TPlayersWithoutClub& list = world_->GetFreeAgents();
    EXPECT_EQ(list.Add(nullptr), 0);
    AddPersons({5, 3, 9});
    EXPECT_EQ(list.GetPlayer(-1), nullptr);
    EXPECT_EQ(list.GetPlayer(3), nullptr);
    EXPECT_EQ(list.Remove(4), 0);
    EXPECT_EQ(Ids(), (std::vector<std::uint32_t>{5, 3, 9}));
    EXPECT_EQ(list.Remove(3), 1);
    EXPECT_EQ(Ids(), (std::vector<std::uint32_t>{5, 9}));
    EXPECT_EQ(list.RemoveAt(2), 0);
    EXPECT_EQ(list.RemoveAt(-1), 0);
    EXPECT_EQ(list.RemoveAt(0), 1);
    EXPECT_EQ(Ids(), (std::vector<std::uint32_t>{9}));
    list.Clear();
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_NE(world_->GetPerson(9), nullptr) << "the persons stay in the world";
}

TEST_F(FreeAgentList, ADeletedPersonLeavesTheList)
{
    AddPersons({1, 2, 3});
    world_->DeletePerson(world_->GetPerson(2));
    EXPECT_EQ(Ids(), (std::vector<std::uint32_t>{1, 3}));
}

TEST_F(FreeAgentList, AnEmptyListIsSavedWithTheCountZeroAndLoadsBackEmpty)
{
    ASSERT_TRUE(world_->GetFreeAgents().SavePlayersWithoutClub());
    const std::u16string path = world_->GetFreeAgents().GetFilePath();
    EXPECT_EQ(database_testing::FileText(path), "\xEF\xBB\xBF%INDEX%WITHOUT\r\n0\r\n%INDEXEND%WITHOUT\r\n");
    MessageCapture messages;
    world_->GetFreeAgents().LoadPlayersWithoutClub();
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ(world_->GetFreeAgents().GetCount(), 0);
}

TEST_F(FreeAgentList, APlayerIsWrittenAsItsPlayerSectionAndReadUnderTheNextFreeId)
{
    AddPersons({40});
    TPerson* player = world_->GetPerson(40);
    player->SetLastName(u"Berg");
    player->SetDislikedClub(0);
    ASSERT_TRUE(world_->GetFreeAgents().SavePlayersWithoutClub());
    const std::string text = database_testing::FileText(world_->GetFreeAgents().GetFilePath());
    const std::string section = database_testing::WrittenText([&](CIndexTextFile& file) { return player->WritePlayer(file); });
    EXPECT_EQ(text, "\xEF\xBB\xBF%INDEX%WITHOUT\r\n1\r\n" + section + "%INDEXEND%WITHOUT\r\n");

    world_->GetFreeAgents().Clear();
    world_->GetFreeAgents().LoadPlayersWithoutClub();
    ASSERT_EQ(world_->GetFreeAgents().GetCount(), 1);
    const TPerson* read = world_->GetFreeAgents().GetPlayer(0);
    EXPECT_EQ(read->GetId(), 1u) << "the first free id";
    EXPECT_EQ(world_->GetPerson(read->GetId()), read);
    EXPECT_EQ(std::u16string(read->GetLastName()), u"Berg");
}

TEST_F(FreeAgentList, AMissingFileIsReportedAndLoadsNobody)
{
    MessageCapture messages;
    world_->GetFreeAgents().LoadPlayersWithoutClub();
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_NE(messages.Messages()[0].find(u"Without.sav"), std::u16string::npos);
    EXPECT_EQ(world_->GetFreeAgents().GetCount(), 0);
    EXPECT_EQ(world_->GetPersonCount(), 0);
}

TEST_F(FreeAgentList, ASaveThatCannotReplaceTheFileFails)
{
    ASSERT_TRUE(platform::CreateFolders(world_->GetFreeAgents().GetFilePath()));
    EXPECT_FALSE(world_->GetFreeAgents().SavePlayersWithoutClub());
}

// The shipped Without.sav with its count line replaced, or cut.
class DamagedWithout : public SampleWorldTest {
protected:
    std::string Shipped() const
    {
        return database_testing::FileText(testing_support::SourcePath(u"data\\Database\\Without.sav"));
    }
    void Write(const std::string& text) const { base_.WriteDatabaseFile(u"Without.sav", text); }
    std::string WithCount(const std::string& count) const
    {
        std::string text = Shipped();
        const std::size_t line = text.find("\r\n") + 2;
        return text.replace(line, text.find("\r\n", line) - line, count);
    }
    int Loaded()
    {
        messages_.Clear();
        EXPECT_TRUE(world_->LoadWorld(u"Database"));
        return world_->GetFreeAgents().GetCount();
    }
    MessageCapture messages_;
};

TEST_F(DamagedWithout, TheShippedFileHoldsTwentyPlayersAndLoadsWithoutAMessage)
{
    EXPECT_EQ(Loaded(), 20);
    EXPECT_TRUE(messages_.Messages().empty());
    EXPECT_FALSE(world_->GetFreeAgents().IsDamaged());
}

std::string DoubledHistoryDate(std::string text)
{
    const std::size_t date = text.find("%INDEX%DATE\r\n", text.find("%INDEX%HIST\r\n"));
    return text.insert(date, "%INDEX%DATE\r\n");
}

TEST_F(DamagedWithout, EveryPlayerPresentIsKeptAndTheDamageReported)
{
    struct Case {
        std::string text;
        int players;
        const char* why;
    };
    const std::string shipped = Shipped();
    const std::size_t lastPlayer = shipped.rfind("%INDEX%PLAYER");
    const Case cases[] = {
        {WithCount("22"), 20, "a count above the sections: no phantom players"},
        {WithCount("18"), 20, "sections the count left out"},
        {WithCount("x"), 20, "a count that is no number"},
        {shipped.substr(0, lastPlayer + 200), 19, "cut inside the last player"},
        {shipped.substr(0, lastPlayer), 19, "cut before the last player"},
        {DoubledHistoryDate(shipped), 20, "a history date's begin line doubled"},
    };
    for (const Case& c : cases) {
        NewWorld();
        Write(c.text);
        EXPECT_EQ(Loaded(), c.players) << c.why;
        ASSERT_EQ(messages_.Messages().size(), 1u) << c.why;
        const std::u16string& message = messages_.Messages()[0];
        EXPECT_NE(message.find(u"Without.sav"), std::u16string::npos) << c.why;
        EXPECT_NE(message.find(world_->GetFreeAgents().GetFileDamage().GetDescription()), std::u16string::npos);
        EXPECT_TRUE(world_->GetFreeAgents().IsDamaged()) << c.why;
    }
}

TEST_F(DamagedWithout, ADamagedFileIsKeptUnlessTheUserAgreesToReplaceIt)
{
    const std::string shortFile = WithCount("25");
    Write(shortFile);
    EXPECT_EQ(Loaded(), 20);
    const TCompleteWorld::SaveResult kept = world_->SaveWorld({}, TCompleteWorld::DamagedFiles::Keep);
    EXPECT_TRUE(kept.saved);
    EXPECT_TRUE(kept.keptDamagedFreeAgents);
    EXPECT_EQ(database_testing::FileText(base_.DatabasePath(u"Without.sav")), shortFile);

    MessageCapture yes(AppMessage::IdYes);
    const TCompleteWorld::SaveResult replaced = world_->SaveWorld();
    ASSERT_EQ(yes.Messages().size(), 1u);
    EXPECT_NE(yes.Messages()[0].find(u"Without.sav"), std::u16string::npos);
    EXPECT_FALSE(replaced.keptDamagedFreeAgents);
    EXPECT_EQ(database_testing::FileText(base_.DatabasePath(u"Without.sav")), Shipped());
    EXPECT_FALSE(world_->GetFreeAgents().IsDamaged());
}

}  // namespace
