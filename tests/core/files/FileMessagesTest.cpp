#include "core/files/FileMessages.h"

#include <gtest/gtest.h>

#include "core/files/IndexTextFile.h"
#include "core/text/TextManager.h"
#include "platform/Platform.h"
#include "tests/common/TestSupport.h"

namespace {

class FileMessagesTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CTextManager::Instance()->LoadFile(
            testing_support::SourcePath(u"data\\trdata\\DatabaseEditor.txt").c_str()));
    }
    void TearDown() override { CTextManager::Instance()->Clear(); }
    testing_support::MessageCapture capture;
};

}  // namespace

TEST_F(FileMessagesTest, FileNotFoundShowsTheAbsolutePath)
{
    const std::u16string absolute = platform::MakeAbsolute(u"Database/Country1.sav");
    EXPECT_EQ(absolute.find(u'/'), std::u16string::npos);
    EXPECT_EQ(ShowFileNotFound(u"Database/Country1.sav"), AppMessage::IdOk);
    ShowFileNotFound(nullptr);
    ASSERT_EQ(capture.Messages().size(), 2u);
    EXPECT_EQ(capture.Messages()[0], u"The file " + absolute + u" could not be found.");
    EXPECT_EQ(capture.Messages()[1], u"The file  could not be found.");
    EXPECT_EQ(capture.Flags()[0], AppMessage::Ok);
}

TEST_F(FileMessagesTest, LongPathsAreCut)
{
    ShowFileNotFound(std::u16string(400, u'x').c_str());
    ASSERT_EQ(capture.Messages().size(), 1u);
    EXPECT_EQ(capture.Messages()[0].size(), 255u);
}

TEST_F(FileMessagesTest, FormatErrorNamesTheFileAndTheStoredError)
{
    CIndexTextFile file;
    const std::uint8_t bytes[] = {'1'};
    ASSERT_TRUE(file.OpenFromBytes(bytes, u"C:\\Trellan\\Database\\Rules.sav"));
    ShowFileFormatError(file);
    file.SetError(u"version 3 is too old");
    CTextManager::Instance()->SetLanguage(CTextManager::German);
    ShowFileFormatError(file);
    CTextManager::Instance()->SetLanguage(CTextManager::English);
    ASSERT_EQ(capture.Messages().size(), 2u);
    EXPECT_EQ(capture.Messages()[0], u"The file C:\\Trellan\\Database\\Rules.sav has an invalid format: ");
    EXPECT_EQ(capture.Messages()[1],
              u"Die Datei C:\\Trellan\\Database\\Rules.sav hat ein ungültiges Format: version 3 is too old");
}
