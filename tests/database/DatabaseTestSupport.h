#pragma once
// Scratch databases for the database tests: a base folder with a
// "Database" folder, a Countries.sav and country files.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "../common/TestSupport.h"
#include "core/files/IndexTextFile.h"
#include "database/world/CompleteWorld.h"

class CMasterWriter;

namespace database_testing {

// Runs a block writer as the export does: the lists reset, a sizing pass,
// weights and order, then the writing pass into a file of the counted size
// (whose Flush fails when the passes disagree). Gives the written block.
std::vector<std::uint8_t> ExportBlock(const std::function<void(CMasterWriter&)>& write);
// The two shirt-number bytes of the person's player block in the game
// database: the first team's and the reserve team's.
std::pair<int, int> ExportedShirtNumbers(TPerson& person);

// The lines of a Countries.sav of the given version: country n is named
// "Land n" in German, "Country n" in the other languages.
std::string CountriesSav(int version);

// A file's bytes as text.
std::string FileText(std::u16string_view path);

// The text a writer wrote into an index text file, after its byte-order mark.
template <typename Write>
std::string WrittenText(Write write)
{
    testing_support::TempFolder folder;
    CIndexTextFile file;
    EXPECT_TRUE(file.OpenWrite(folder.File(u"written.txt")));
    EXPECT_TRUE(write(file));
    EXPECT_TRUE(file.Close());
    const std::string text = FileText(folder.File(u"written.txt"));
    EXPECT_TRUE(text.starts_with("\xEF\xBB\xBF"));
    return text.substr(3);
}

// The country written as path with fresh game ids, as the file's text.
std::string SaveCountry(TCountry& country, std::u16string_view path);

// A temporary base folder, made the program's base folder while alive.
class ScratchBase {
public:
    ScratchBase();
    ~ScratchBase();
    const std::u16string& Path() const { return folder_.Path(); }
    std::u16string DatabasePath(std::u16string_view name) const;
    void WriteDatabaseFile(std::u16string_view name, std::string_view bytes) const;
    // A world built from the folder's Countries.sav.
    std::unique_ptr<TCompleteWorld> BuildWorld() const;

private:
    testing_support::TempFolder folder_;
    std::u16string previousBase_;
};

// A test with a current world (GetWorld) built over a scratch base.
class CurrentWorldTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // A fresh world over the same base.
    void Restart()
    {
        TearDown();
        SetUp();
    }

    ScratchBase base_;
    TCompleteWorld* world_ = nullptr;
};

// A test with a current world over a scratch copy of the shipped sample
// database, not yet loaded.
class SampleWorldTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Replaces the current world by a fresh one.
    void NewWorld();

    ScratchBase base_;
    TCompleteWorld* world_ = nullptr;
};

// Copies every file of a folder into another.
void CopyFolder(std::u16string_view from, std::u16string_view to);
// Copies every file of the shipped sample database into folder.
void CopySampleDatabase(std::u16string_view folder);

}  // namespace database_testing
