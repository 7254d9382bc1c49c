#include "core/files/TextFilePrefetcher.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "core/files/IndexTextFile.h"
#include "tests/common/TestSupport.h"

namespace {

using testing_support::TempFolder;
using testing_support::WriteBytes;

struct TOpened {
    std::u16string name;
    std::vector<std::u16string> lines;
    std::u16string fileForm;
};

bool operator==(const TOpened& a, const TOpened& b)
{
    return a.name == b.name && a.lines == b.lines && a.fileForm == b.fileForm;
}

// What a reader can see of an opened file: its name, its lines and the
// lines' file form, which a save writes back.
TOpened Describe(CIndexTextFile& file)
{
    TOpened opened{file.GetFileName(), {}, {}};
    while (file.NextLine()) opened.lines.emplace_back(file.GetCurrentLineView());
    std::string form;
    file.CopyLinesInFileForm(0, file.GetLinePosition(), form);
    opened.fileForm.assign(form.begin(), form.end());
    return opened;
}

TOpened OpenedDirectly(const std::u16string& path)
{
    CIndexTextFile file;
    EXPECT_TRUE(file.OpenRead(path));
    return Describe(file);
}

// Files of every kind a database folder may hold, more of them than are
// opened ahead, with missing ones between.
class TextFilePrefetcherTest : public testing::Test {
protected:
    void SetUp() override
    {
        const std::string kinds[] = {
            "\xEF\xBB\xBF%INDEX%A\r\n5\r\n;comment\r\n%INDEXEND%A\r\n",
            "\xEF\xBB\xBFZo\xC3\xAB\r\nbroken \xC3\r\nlast line without a break",
            std::string("\xFF\xFE" "5\0\r\0\n\0", 8),
            "Zo\xEB\rold\nlines\r\n",
            "",
        };
        for (int index = 0; index < 20; ++index) {
            const std::u16string path = folder_.File(u"Country" + std::u16string(1, u'A' + index) + u".sav");
            paths_.push_back(path);
            if (index % 7 != 3) WriteBytes(path, kinds[index % std::size(kinds)] + std::string(index, '7'));
        }
    }

    TempFolder folder_;
    std::vector<std::u16string> paths_;
};

TEST_F(TextFilePrefetcherTest, EveryFileReadsAsWhenOpenedDirectlyAndMissingOnesAreNull)
{
    CTextFilePrefetcher files(paths_);
    for (std::size_t index = 0; index < paths_.size(); ++index) {
        const std::unique_ptr<CIndexTextFile> file = files.TakeNext();
        if (index % 7 == 3) {
            EXPECT_EQ(file, nullptr) << index;
            continue;
        }
        ASSERT_NE(file, nullptr) << index;
        EXPECT_EQ(Describe(*file), OpenedDirectly(paths_[index])) << index;
    }
    EXPECT_EQ(files.TakeNext(), nullptr);
}

// The preparation counts a file's lines and leaves the position at the end,
// stores an error in every fourth file and throws in every fifth.
TEST_F(TextFilePrefetcherTest, APreparedFileCarriesItsResultsAndOnlyASoundPreparationCounts)
{
    std::vector<std::size_t> counted(paths_.size(), 0);
    CTextFilePrefetcher files(paths_, [&counted](std::size_t index, CIndexTextFile& file) {
        std::size_t lines = 0;
        while (file.NextLine()) ++lines;
        counted[index] = lines + 1;
        if (index % 4 == 1) file.SetError(u"prepared badly");
        if (index % 5 == 2) throw std::runtime_error("prepared badly");
    });
    std::size_t prepared = 0;
    for (std::size_t index = 0; index < paths_.size(); ++index) {
        // Time for the workers to come to the file first.
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        bool wasPrepared = true;
        const std::unique_ptr<CIndexTextFile> file = files.TakeNext(&wasPrepared);
        if (index % 7 == 3) {
            EXPECT_EQ(file, nullptr) << index;
            EXPECT_FALSE(wasPrepared) << index;
            continue;
        }
        ASSERT_NE(file, nullptr) << index;
        EXPECT_EQ(file->GetLinePosition(), 0u) << index;
        EXPECT_EQ(file->GetError(), nullptr) << index;
        const bool sound = index % 4 != 1 && index % 5 != 2;
        EXPECT_TRUE(sound || !wasPrepared) << index;
        if (wasPrepared) {
            ++prepared;
            std::size_t lines = 0;
            while (file->NextLine()) ++lines;
            EXPECT_EQ(counted[index], lines + 1) << index;
            file->SetLinePosition(0);
        }
        EXPECT_EQ(Describe(*file), OpenedDirectly(paths_[index])) << index;
    }
    EXPECT_GT(prepared, 0u);
}

// Files large enough that their buffers are handed on from one file to the
// next, largest first, so that a smaller file gets a buffer that still
// holds a larger one's text: each reads as when opened on its own.
TEST(TextFilePrefetcher, FilesReadIntoHandedOnBuffersReadAsWhenOpenedDirectly)
{
    TempFolder folder;
    std::vector<std::u16string> paths;
    for (int index = 0; index < 16; ++index) {
        const std::u16string path = folder.File(u"Large" + std::u16string(1, u'A' + index) + u".sav");
        const std::string lineBreak = index % 5 == 4 ? "\n" : "\r\n";
        std::string text = index % 6 == 5 ? "" : "\xEF\xBB\xBF";
        const int lines = 40000 - 2000 * index;
        for (int line = 0; line < lines; ++line) {
            text += line % 9 == 0 ? std::string(index % 6 == 5 ? "Zo\xEB" : "Zo\xC3\xAB") : std::to_string(line * (index + 1));
            text += lineBreak;
        }
        WriteBytes(path, text);
        paths.push_back(path);
    }
    CTextFilePrefetcher files(paths);
    for (const std::u16string& path : paths) {
        const std::unique_ptr<CIndexTextFile> file = files.TakeNext();
        ASSERT_NE(file, nullptr);
        EXPECT_EQ(Describe(*file), OpenedDirectly(path));
    }
}

TEST_F(TextFilePrefetcherTest, StopsWhereverTheReaderGivesUp)
{
    for (std::size_t taken = 0; taken <= paths_.size(); taken += 3) {
        CTextFilePrefetcher files(paths_);
        for (std::size_t index = 0; index < taken; ++index) files.TakeNext();
    }
}

TEST(TextFilePrefetcher, AnEmptyListGivesNothing)
{
    CTextFilePrefetcher files({});
    EXPECT_EQ(files.TakeNext(), nullptr);
}

}  // namespace
