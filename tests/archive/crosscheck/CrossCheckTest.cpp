// Our archives against a Python BIG reader written from the public layout:
// it must list and extract our archives, and we must read the foreign
// archives it writes.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "archive/MireloBig.h"
#include "archive/PackedData.h"
#include "database/DatabaseSnapshot.h"
#include "tests/archive/ArchiveTestSupport.h"

namespace {

using namespace archive_test;
using testing_support::ReadBytes;
using testing_support::TempFolder;
using testing_support::WriteBytes;

std::string Native(std::u16string_view corePath)
{
    std::string path = testing_support::Narrow(corePath);
    for (auto& c : path) if (c == '\\') c = '/';
    return path;
}

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

void RunCommand(const std::string& command)
{
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
}

// A block as extracted: packed blocks are unpacked by our decoder, which
// the packed-data tests hold to the public npm codec's streams.
Bytes Extracted(const std::u16string& path)
{
    Bytes block = ReadBytes(path);
    if (IsPacked(block)) {
        EXPECT_TRUE(Unpack(block));
    }
    return block;
}

std::string PythonTool(const std::string& arguments)
{
    return Quoted(TR_PYTHON) + " " + Quoted(std::string(TR_ARCHIVE_TEST_DIR) + "/big_tool.py") + " " + arguments;
}

// ---------------------------------------------------------------- archives

struct Listed {
    std::string name;
    std::uint32_t offset;
    std::uint32_t size;
};

std::vector<Listed> ListWithPython(const std::u16string& archive, const std::u16string& folder)
{
    const std::u16string listing = platform::JoinPath(folder, u"listing.txt");
    RunCommand(PythonTool("list " + Quoted(Native(archive)) + " > " + Quoted(Native(listing))));
    std::vector<Listed> entries;
    std::istringstream lines(std::string(reinterpret_cast<const char*>(ReadBytes(listing).data()),
                                         ReadBytes(listing).size()));
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        Listed e;
        std::getline(fields, e.name, '\t');
        fields >> e.offset >> e.size;
        entries.push_back(e);
    }
    return entries;
}

TEST(CrossCheck, PythonReaderListsAndExtractsOurArchives)
{
    LoadTexts();
    testing_support::MessageCapture messages;
    TempFolder folder;
    CorpusMaker make;
    const std::vector<std::pair<std::u16string, Bytes>> sources = {
        {u"database\\Country1.sav", make.Text(70000)}, {u"database\\Master.dat", make.Noise(3000)},
        {u"script\\cupAlloc.txt", make.Text(1)},       {u"empty.txt", Bytes{}},
        {u"zeros.bin", Bytes(5000, 0)},                {u"runs.bin", make.Runs(40000)}};
    const std::u16string archive = folder.File(u"ours.big");
    CMireloBig big;
    ASSERT_TRUE(big.Create(archive));
    for (std::size_t k = 0; k < sources.size(); ++k) {
        ASSERT_TRUE(big.ImportData(sources[k].first, sources[k].second, k % 2 == 0 && !sources[k].second.empty()));
    }
    ASSERT_TRUE(big.Close());
    ASSERT_TRUE(big.Open(archive, true));
    const auto listed = ListWithPython(archive, folder.Path());
    ASSERT_EQ(listed.size(), sources.size());
    const std::u16string blocks = folder.File(u"blocks");
    ASSERT_TRUE(platform::CreateFolders(blocks));
    RunCommand(PythonTool("extract " + Quoted(Native(archive)) + " " + Quoted(Native(blocks))));
    for (std::size_t k = 0; k < sources.size(); ++k) {
        EXPECT_EQ(listed[k].name, big.GetEntry(static_cast<int>(k)).name);
        EXPECT_EQ(listed[k].offset, big.GetEntry(static_cast<int>(k)).offset);
        EXPECT_EQ(listed[k].size, big.GetEntry(static_cast<int>(k)).size);
    }
    big.Close();
    for (std::size_t k = 0; k < sources.size(); ++k) {
        const std::u16string block = platform::JoinPath(blocks, std::u16string(1, u'0' + k) + u".bin");
        EXPECT_TRUE(Extracted(block) == sources[k].second) << k;
    }
    EXPECT_TRUE(messages.Messages().empty());
}

TEST(CrossCheck, ForeignArchivesWrittenByPythonOpen)
{
    LoadTexts();
    testing_support::MessageCapture messages;
    TempFolder folder;
    CorpusMaker make;
    const Bytes first = make.Text(333), second = make.Noise(17), third = make.Text(1);
    WriteBytes(folder.File(u"1.src"), first);
    WriteBytes(folder.File(u"2.src"), second);
    WriteBytes(folder.File(u"3.src"), third);
    const std::string files = " 'Badges\\a.tga=" + Native(folder.File(u"1.src")) + "' b=" +
                              Quoted(Native(folder.File(u"2.src"))) + " C=" + Quoted(Native(folder.File(u"3.src")));
    const char* const variants[] = {"", "--big-endian-size", "--zero-offsets", "--zero-offsets --big-endian-size",
                                    "--gap 13", "--gap 5 --big-endian-size"};
    for (const char* options : variants) {
        SCOPED_TRACE(options);
        const std::u16string archive = folder.File(u"foreign.big");
        RunCommand(PythonTool("write " + Quoted(Native(archive)) + " " + options + files));
        CMireloBig big;
        ASSERT_TRUE(big.Open(archive, false));
        Bytes data;
        ASSERT_TRUE(big.Read(u"badges\\A.TGA", data, true));
        EXPECT_TRUE(data == first);
        ASSERT_TRUE(big.Read(u"B", data, true));
        EXPECT_TRUE(data == second);
        ASSERT_TRUE(big.Read(u"c", data, true));
        EXPECT_TRUE(data == third);
        // An edit writes it back in our own layout, which Python still reads.
        ASSERT_TRUE(big.ImportData(u"b", make.Text(100), true));
        ASSERT_TRUE(big.Close());
        EXPECT_EQ(ListWithPython(archive, folder.Path()).size(), 3u);
        CheckLayout(ReadBytes(archive));
    }
    EXPECT_TRUE(messages.Messages().empty());
}

TEST(CrossCheck, PythonReaderListsAndExtractsASnapshot)
{
    LoadTexts();
    testing_support::MessageCapture messages;
    TempFolder base;
    CorpusMaker make;
    const auto& list = CDatabaseSnapshot::GetFileList();
    std::vector<Bytes> contents;
    for (std::size_t k = 0; k < list.size(); ++k) {
        contents.push_back(k % 50 == 7 ? Bytes{} : make.Text(1 + k * 37));
        std::u16string disk = list[k];
        disk[0] = disk[0] == u'd' ? u'D' : u'S';
        ASSERT_TRUE(platform::CreateFolders(platform::FolderOf(platform::JoinPath(base.Path(), disk))));
        WriteBytes(platform::JoinPath(base.Path(), disk), contents.back());
    }
    const std::u16string previous = platform::GetBaseFolder();
    platform::SetBaseFolder(base.Path());
    const std::u16string archive = base.File(u"snapshot.dbs");
    CDatabaseSnapshot snapshot(nullptr, {});
    snapshot.Create(archive);
    platform::SetBaseFolder(previous);
    ASSERT_TRUE(snapshot.HasSucceeded());

    const auto listed = ListWithPython(archive, base.Path());
    ASSERT_EQ(listed.size(), list.size());
    const std::u16string blocks = base.File(u"blocks");
    ASSERT_TRUE(platform::CreateFolders(blocks));
    RunCommand(PythonTool("extract " + Quoted(Native(archive)) + " " + Quoted(Native(blocks))));
    for (std::size_t k = 0; k < list.size(); ++k) {
        EXPECT_EQ(listed[k].name, testing_support::Narrow(list[k]));
        const std::u16string block =
            platform::JoinPath(blocks, platform::SystemCodePageToUtf16(std::to_string(k)) + u".bin");
        EXPECT_TRUE(Extracted(block) == contents[k]) << k;
    }
    EXPECT_TRUE(messages.Messages().empty());
}

}  // namespace
