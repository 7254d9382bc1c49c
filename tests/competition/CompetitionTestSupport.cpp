#include "CompetitionTestSupport.h"

#include <gtest/gtest.h>

#include "competition/CompetitionFactory.h"
#include "core/text/TextManager.h"

namespace competition_testing {

namespace {

const bool installed = (InstallCompetitionFactory(), true);

// Cup names and round names come from the editor's texts.
[[maybe_unused]] const bool editorTexts = (testing_support::UseEditorTextsInEnglish(), true);

}  // namespace

std::vector<std::uint8_t> BlockBytes(const std::function<void(CMasterWriter&)>& write)
{
    testing_support::TempFolder folder;
    const std::u16string path = folder.File(u"Master.dat");
    CMasterWriter writer;
    write(writer);
    EXPECT_TRUE(writer.Open(path));
    write(writer);
    EXPECT_TRUE(writer.Flush() && writer.Close());
    std::vector<std::uint8_t> bytes = testing_support::ReadBytes(path);
    bytes.erase(bytes.begin(), bytes.begin() + CMasterWriter::HeaderSize);
    return bytes;
}

std::string WrittenText(const std::function<bool(CIndexTextFile&)>& write)
{
    testing_support::TempFolder folder;
    const std::u16string path = folder.File(u"out.txt");
    CIndexTextFile file;
    EXPECT_TRUE(file.OpenWrite(path) && write(file) && file.Close());
    const std::vector<std::uint8_t> bytes = testing_support::ReadBytes(path);
    return std::string(bytes.begin() + 3, bytes.end());
}

std::string Lines(std::initializer_list<const char*> lines)
{
    std::string text;
    for (const char* line : lines) text += std::string(line) + "\r\n";
    return text;
}

void OpenText(CIndexTextFile& file, const std::string& text)
{
    const std::vector<std::uint8_t> bytes(text.begin(), text.end());
    ASSERT_TRUE(file.OpenFromBytes(bytes, u"test.txt"));
}

}  // namespace competition_testing
