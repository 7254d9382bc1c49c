#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/common/TestSupport.h"
#include "editors/country_club/model/continent/TownEditor.h"
#include "platform/Platform.h"

namespace {

using testing_support::ReadBytes;
using testing_support::SourcePath;
using testing_support::TempFolder;

class TownEditorTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(editor_.Load(SourcePath(u"tests\\editors\\country_club\\model\\Towns.txt")));
        editor_.SetCountry(5);
    }

    int Find(const char16_t* name) const
    {
        for (int index = 0; index < editor_.List().GetTownCount(editor_.GetCountry()); ++index) {
            if (std::u16string(editor_.List().GetTown(editor_.GetCountry(), index).Name) == name) return index;
        }
        return -1;
    }

    TownControls Shown(const char16_t* name)
    {
        editor_.SelectTown(Find(name));
        return TownEditor::ToControls(editor_.GetCurrent());
    }

    std::string Text(const std::u16string& path)
    {
        const std::vector<std::uint8_t> bytes = ReadBytes(path);
        return std::string(bytes.begin(), bytes.end());
    }

    TownEditor editor_;
    TempFolder folder_;
};

TEST_F(TownEditorTest, TheEdgeLinesOfTheFileAreSkippedOrKept)
{
    // The duplicate pair, country 0, the nine-field line; 207 is never editable.
    EXPECT_EQ(editor_.List().GetTownCount(5), 2);
    EXPECT_EQ(editor_.List().GetTownCount(6), 1);
    EXPECT_EQ(editor_.List().GetTownCount(207), 0);
    EXPECT_EQ(editor_.GetCurrentTown(), -1);
}

TEST_F(TownEditorTest, AnArticleDigitBeyondTheLanguagesCountShowsArticleZero)
{
    const TTown& town = editor_.List().GetTown(5, Find(u"Bergheim"));
    const struct {
        int language;
        int count;
        int index;
    } cases[] = {{0, 4, 0}, {1, 2, 0}, {0, 10, 9}, {4, 8, 0}, {6, 8, 0}, {-1, 8, 0}};
    for (const auto& c : cases) EXPECT_EQ(TownEditor::ArticleIndex(town, c.language, c.count), c.index) << c.language;
    EXPECT_EQ(TownEditor::PhraseIndex(town, 0, 4), 1);
    EXPECT_EQ(TownEditor::PhraseIndex(town, 1, 4), 0) << "digit 9";
    EXPECT_EQ(TownEditor::ArticleIndex(town, 1, 10), 8);
}

TEST_F(TownEditorTest, ArticlesAndPhrasesAdvanceAndWrap)
{
    editor_.SelectTown(Find(u"Bergheim"));
    editor_.AdvanceArticle(0, 4);  // digit 9 counts as 0
    EXPECT_EQ(editor_.GetCurrent().Digits1[0], 1);
    editor_.AdvancePhrase(0, 2);
    EXPECT_EQ(editor_.GetCurrent().Digits2[0], 0);
    EXPECT_TRUE(editor_.HasChanges());
}

TEST_F(TownEditorTest, LatitudeZeroWithALongitudeKeepsItsPositionThroughAStore)
{
    const TownControls shown = Shown(u"Bergheim");
    EXPECT_TRUE(shown.hasPosition);
    EXPECT_EQ(shown.latitudeDegrees, 30);
    EXPECT_EQ(shown.longitudeDegrees, 0);
    EXPECT_FALSE(shown.west);
    EXPECT_EQ(editor_.Store(shown), TownEditor::StoreResult::Stored);
    EXPECT_EQ(editor_.GetCurrent().Value1, 0);
    EXPECT_EQ(editor_.GetCurrent().Value2, 1800);
    EXPECT_FALSE(editor_.HasChanges());
}

TEST_F(TownEditorTest, PositionsAreSignedMinutes)
{
    const struct {
        bool south;
        int degrees;
        int minutes;
        bool west;
        int longitudeDegrees;
        std::int32_t latitude;
        std::int32_t longitude;
    } cases[] = {
        {true, 0, 30, false, 1, -30, 60},
        {false, 90, 30, true, 180, 5400, -10800},
        {false, 120, 0, true, 200, 5400, -10800},
        {true, 12, 59, true, 0, -779, 0},
    };
    for (const auto& c : cases) {
        TownControls controls = Shown(u"Talstadt");
        controls.hasPosition = true;
        controls.south = c.south;
        controls.latitudeDegrees = c.degrees;
        controls.latitudeMinutes = c.minutes;
        controls.west = c.west;
        controls.longitudeDegrees = c.longitudeDegrees;
        controls.longitudeMinutes = 0;
        ASSERT_EQ(editor_.Store(controls), TownEditor::StoreResult::Stored);
        EXPECT_EQ(editor_.GetCurrent().Value2, c.latitude) << c.degrees;
        EXPECT_EQ(editor_.GetCurrent().Value1, c.longitude) << c.degrees;
        const TownControls again = TownEditor::ToControls(editor_.GetCurrent());
        EXPECT_EQ(again.south, c.latitude < 0);
        EXPECT_EQ(again.west, c.longitude < 0);
    }
}

TEST_F(TownEditorTest, AValueBeyondTheRangesIsKeptUnlessThePositionIsEdited)
{
    editor_.SetCountry(6);
    editor_.SelectTown(0);
    TownControls shown = TownEditor::ToControls(editor_.GetCurrent());
    EXPECT_EQ(shown.latitudeDegrees, 90);
    EXPECT_TRUE(shown.south);
    EXPECT_EQ(shown.longitudeDegrees, 180);
    shown.clubName = u"Hafen 05";
    ASSERT_EQ(editor_.Store(shown), TownEditor::StoreResult::Stored);
    EXPECT_EQ(editor_.GetCurrent().Value1, 12000);
    EXPECT_EQ(editor_.GetCurrent().Value2, -20000);
    shown.hasPosition = false;
    ASSERT_EQ(editor_.Store(shown), TownEditor::StoreResult::Stored);
    EXPECT_EQ(editor_.GetCurrent().Value1, 0);
    EXPECT_EQ(editor_.GetCurrent().Value2, 0);
}

TEST_F(TownEditorTest, TextsAreCutToTheirFieldsAndAColourWithoutSelectionIsKept)
{
    TownControls controls = Shown(u"Talstadt");
    controls.townName = std::u16string(40, u'T');
    controls.shortName = u"ABCDEFGHIJKL";
    controls.abbreviation = u"ABCDEF";
    controls.colour.reset();
    ASSERT_EQ(editor_.Store(controls), TownEditor::StoreResult::Stored);
    EXPECT_EQ(std::u16string(editor_.GetCurrent().Name), std::u16string(29, u'T'));
    EXPECT_EQ(std::u16string(editor_.GetCurrent().Text1), u"ABCDEFGHIJK");
    EXPECT_EQ(std::u16string(editor_.GetCurrent().Text2), u"ABCDE");
    EXPECT_EQ(editor_.GetCurrent().Number, 7);
}

TEST_F(TownEditorTest, AnotherTownsNamePairIsRefused)
{
    TownControls controls = Shown(u"Talstadt");
    controls.townName = u"Bergheim";
    controls.clubName = u"FC Bergheim";
    EXPECT_EQ(editor_.Store(controls), TownEditor::StoreResult::Duplicate);
    EXPECT_EQ(std::u16string(editor_.GetCurrent().Name), u"Talstadt");
    EXPECT_FALSE(editor_.HasChanges());
    editor_.SelectTown(-1);
    EXPECT_EQ(editor_.Store(controls), TownEditor::StoreResult::NoTown);
}

TEST_F(TownEditorTest, NewAndDeletedTowns)
{
    const int added = editor_.AddTown();
    EXPECT_EQ(added, 2);
    EXPECT_EQ(editor_.GetCurrentTown(), 2);
    EXPECT_EQ(editor_.AddTown(), -1) << "a second empty town has the same names";
    editor_.SelectTown(added);
    EXPECT_TRUE(editor_.RemoveCurrentTown());
    EXPECT_EQ(editor_.GetCurrentTown(), -1);
    EXPECT_FALSE(editor_.RemoveCurrentTown());
    EXPECT_EQ(editor_.List().GetTownCount(5), 2);
}

TEST_F(TownEditorTest, AFailedLoadOrMergeKeepsTheList)
{
    TownControls controls = Shown(u"Talstadt");
    controls.clubName = u"Changed";
    ASSERT_EQ(editor_.Store(controls), TownEditor::StoreResult::Stored);
    EXPECT_FALSE(editor_.Load(folder_.File(u"missing.txt")));
    EXPECT_FALSE(editor_.Merge(folder_.File(u"missing.txt")));
    EXPECT_EQ(editor_.List().GetTownCount(5), 2);
    EXPECT_EQ(std::u16string(editor_.List().GetTown(5, Find(u"Talstadt")).SecondName), u"Changed");
    EXPECT_TRUE(editor_.HasChanges());
}

TEST_F(TownEditorTest, MergeAddsOnlyUnknownTowns)
{
    TownEditor other;
    other.SetCountry(5);
    other.AddTown();
    TownControls controls;
    controls.townName = u"Neudorf";
    controls.clubName = u"TSV Neudorf";
    ASSERT_EQ(other.Store(controls), TownEditor::StoreResult::Stored);
    other.AddTown();
    controls = TownEditor::ToControls(editor_.List().GetTown(5, 0));
    controls.shortName = u"Changed";
    ASSERT_EQ(other.Store(controls), TownEditor::StoreResult::Stored);
    ASSERT_TRUE(other.List().SaveAs(folder_.File(u"other.txt")));
    ASSERT_TRUE(editor_.Merge(folder_.File(u"other.txt")));
    EXPECT_EQ(editor_.List().GetTownCount(5), 3);
    EXPECT_NE(std::u16string(editor_.List().GetTown(5, 0).Text1), u"Changed");
    EXPECT_TRUE(editor_.HasChanges());
}

TEST_F(TownEditorTest, SaveAsLoadSaveAsGivesTheSameBytes)
{
    TownControls controls = Shown(u"Talstadt");
    controls.clubName = u"SV|Tal";
    ASSERT_EQ(editor_.Store(controls), TownEditor::StoreResult::Stored);
    ASSERT_TRUE(editor_.List().SaveAs(folder_.File(u"first.txt")));
    ASSERT_TRUE(editor_.Load(folder_.File(u"first.txt")));
    ASSERT_TRUE(editor_.List().SaveAs(folder_.File(u"second.txt")));
    const std::string first = Text(folder_.File(u"first.txt"));
    EXPECT_EQ(first, Text(folder_.File(u"second.txt")));
    EXPECT_NE(first.find("|SV/Tal|"), std::string::npos);
    std::size_t start = 3;
    int lines = 0;
    for (std::size_t end; (end = first.find('\n', start)) != std::string::npos; start = end + 1, ++lines) {
        const std::string line = first.substr(start, end - start);
        EXPECT_EQ(std::count(line.begin(), line.end(), '|'), 9) << line;
    }
    EXPECT_EQ(lines, 3);
}

TEST_F(TownEditorTest, UnsavedChangesAreSettledByTheAnswer)
{
    EXPECT_EQ(editor_.Settle(TownEditor::Answer::Cancel), TownEditor::Settled::Proceed) << "nothing to ask";
    ASSERT_TRUE(editor_.List().SaveAs(folder_.File(u"towns.txt")));
    editor_.SelectTown(0);
    editor_.AdvanceArticle(2, 5);
    EXPECT_EQ(editor_.Settle(TownEditor::Answer::Cancel), TownEditor::Settled::Stay);
    EXPECT_EQ(editor_.Settle(TownEditor::Answer::No), TownEditor::Settled::Proceed);
    EXPECT_TRUE(editor_.HasChanges());
    EXPECT_EQ(editor_.Settle(TownEditor::Answer::Yes), TownEditor::Settled::Proceed);
    EXPECT_FALSE(editor_.HasChanges());
}

TEST_F(TownEditorTest, AFailedSaveKeepsTheChangesAndTheFile)
{
    const std::u16string sub = folder_.File(u"sub");
    ASSERT_TRUE(platform::CreateFolders(sub));
    const std::u16string path = platform::JoinPath(sub, u"towns.txt");
    ASSERT_TRUE(editor_.List().SaveAs(path));
    ASSERT_TRUE(editor_.Load(path));
    editor_.SetCountry(5);
    editor_.SelectTown(0);
    editor_.AdvanceArticle(2, 5);
    // The file's folder is gone: the save cannot be written.
    ASSERT_TRUE(platform::RemoveTree(sub));
    EXPECT_EQ(editor_.Settle(TownEditor::Answer::Yes), TownEditor::Settled::WriteFailed);
    EXPECT_TRUE(editor_.HasChanges());
    EXPECT_EQ(editor_.List().GetPath(), path);
    EXPECT_EQ(editor_.GetCurrent().Digits1[2], 1);
}

TEST(TownEditorDefaultFile, AMissingDefaultFileGivesAnEmptyListThatSaveCreates)
{
    TempFolder folder;
    const std::u16string path = folder.File(u"TownDataUniques.txt");
    TownEditor editor;
    editor.Open(path);
    EXPECT_EQ(editor.List().GetTownCount(5), 0);
    editor.SetCountry(5);
    ASSERT_EQ(editor.AddTown(), 0);
    EXPECT_EQ(editor.Settle(TownEditor::Answer::Yes), TownEditor::Settled::Proceed);
    TownEditor again;
    again.Open(path);
    EXPECT_EQ(again.List().GetTownCount(5), 1);
    EXPECT_EQ(again.List().GetPath(), path);
}

}  // namespace
