// Our codec and archives against code that is not ours: the public npm
// codec qfs-compression 0.2.3 must pack every input to exactly our bytes and
// each decoder must accept the other's streams; a Python BIG reader written
// from the public layout must list and extract our archives, and we must
// read the foreign archives it writes.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <random>
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

void RunNodeCodec(const char* command, const std::u16string& folder, const char* from, const char* to)
{
    RunCommand(Quoted(TR_NODE) + " " + Quoted(std::string(TR_ARCHIVE_TEST_DIR) + "/qfs_tool.mjs") + " " +
        Quoted(TR_QFS_MODULES) + " " + command + " " + Quoted(Native(folder)) + " " + from + " " + to);
}

std::string PythonTool(const std::string& arguments)
{
    return Quoted(TR_PYTHON) + " " + Quoted(std::string(TR_ARCHIVE_TEST_DIR) + "/big_tool.py") + " " + arguments;
}

// ----------------------------------------------------------------- corpus

class CorpusMaker {
public:
    Bytes Text(std::size_t size)
    {
        static const char* const words[] = {"%INDEX%CLUB", "Name=", "Stadium", "1.FC", "Country", "\r\n",
                                            "Capital=250000", "%INDEXEND%CLUB", "Trellan", "0", "17", "=-1"};
        std::string out;
        while (out.size() < size) {
            out += words[random_() % 12];
            if (random_() % 7 == 0) out += std::to_string(random_() % 100000);
            out += random_() % 3 == 0 ? "\r\n" : " ";
        }
        out.resize(size);
        return Bytes(out.begin(), out.end());
    }

    Bytes Noise(std::size_t size)
    {
        Bytes out(size);
        for (auto& b : out) b = static_cast<std::uint8_t>(random_());
        return out;
    }

    Bytes Runs(std::size_t size)
    {
        Bytes out;
        while (out.size() < size) out.insert(out.end(), 1 + random_() % 2000, static_cast<std::uint8_t>(random_()));
        out.resize(size);
        return out;
    }

    Bytes ZeroTail(std::size_t size)
    {
        Bytes out = Text(size - std::min<std::size_t>(size / 3, 3000));
        out.resize(size, 0);
        return out;
    }

    Bytes Mixed(std::size_t size)
    {
        Bytes out = Text(size);
        for (std::size_t k = 0; k < size / 50; ++k) out[random_() % size] = static_cast<std::uint8_t>(random_());
        return out;
    }

private:
    std::mt19937 random_{20070703};
};

std::vector<Bytes> MakeCorpus()
{
    CorpusMaker make;
    std::vector<Bytes> corpus;
    for (std::size_t size = 1; size <= 12; ++size) corpus.push_back(make.Text(size));
    for (std::size_t size : {20u, 100u, 1000u, 4095u, 65536u, 100000u, 1000000u, 9123456u, 15728640u})
        corpus.push_back(make.Text(size));
    for (std::size_t size : {1u, 3u, 5u, 100u, 300u, 4096u, 65537u, 1048576u, 4194304u}) corpus.push_back(make.Noise(size));
    for (std::size_t size : {2u, 10u, 1000u, 100000u, 2000000u, 15728640u}) corpus.push_back(make.Runs(size));
    for (std::size_t size : {4u, 50u, 5000u, 200000u, 3000000u}) corpus.push_back(make.ZeroTail(size));
    for (std::size_t size : {100u, 5000u, 1000000u}) corpus.push_back(Bytes(size, 0));
    for (std::size_t k = 0; corpus.size() < 70; ++k) corpus.push_back(make.Mixed(7 + k * k * 1500));
    for (Bytes& input : corpus) {
        if (IsPacked(input)) input[0] = 0;
    }
    return corpus;
}

std::u16string Name(std::size_t index, const char16_t* suffix)
{
    const char16_t digits[] = {static_cast<char16_t>(u'0' + index / 10), static_cast<char16_t>(u'0' + index % 10), 0};
    return u"in" + std::u16string(digits) + suffix;
}

TEST(CrossCheck, NpmCodecPacksEveryInputToOurBytesAndBothDecodersAgree)
{
    TempFolder folder;
    const std::vector<Bytes> corpus = MakeCorpus();
    ASSERT_EQ(corpus.size(), 70u);
    std::vector<Bytes> ours(corpus.size());
    for (std::size_t k = 0; k < corpus.size(); ++k) {
        ASSERT_TRUE(Pack(corpus[k], ours[k])) << k;
        WriteBytes(folder.File(Name(k, u".raw")), corpus[k]);
        WriteBytes(folder.File(Name(k, u".ours")), ours[k]);
    }
    RunNodeCodec("pack", folder.Path(), ".raw", ".npm");
    RunNodeCodec("unpack", folder.Path(), ".ours", ".back");
    for (std::size_t k = 0; k < corpus.size(); ++k) {
        SCOPED_TRACE("input " + std::to_string(k) + " of " + std::to_string(corpus[k].size()) + " bytes");
        const Bytes theirs = ReadBytes(folder.File(Name(k, u".npm")));
        EXPECT_TRUE(theirs == ours[k]) << "packed sizes " << theirs.size() << " and " << ours[k].size();
        EXPECT_TRUE(ReadBytes(folder.File(Name(k, u".back"))) == corpus[k]);
        Bytes unpacked;
        ASSERT_TRUE(Unpack(theirs, unpacked));
        EXPECT_TRUE(unpacked == corpus[k]);
    }
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
    for (const auto& name : platform::ListFolder(blocks)) {
        const std::u16string path = platform::JoinPath(blocks, name);
        if (IsPacked(ReadBytes(path))) platform::RenameOver(path, path + u".packed");
    }
    RunNodeCodec("unpack", blocks, ".bin.packed", ".bin");
    for (std::size_t k = 0; k < sources.size(); ++k) {
        const std::u16string block = platform::JoinPath(blocks, std::u16string(1, u'0' + k) + u".bin");
        EXPECT_TRUE(ReadBytes(block) == sources[k].second) << k;
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
    for (const auto& name : platform::ListFolder(blocks)) {
        const std::u16string path = platform::JoinPath(blocks, name);
        if (IsPacked(ReadBytes(path))) platform::RenameOver(path, path + u".packed");
    }
    RunNodeCodec("unpack", blocks, ".bin.packed", ".bin");
    for (std::size_t k = 0; k < list.size(); ++k) {
        EXPECT_EQ(listed[k].name, testing_support::Narrow(list[k]));
        const std::u16string block =
            platform::JoinPath(blocks, platform::SystemCodePageToUtf16(std::to_string(k)) + u".bin");
        EXPECT_TRUE(ReadBytes(block) == contents[k]) << k;
    }
    EXPECT_TRUE(messages.Messages().empty());
}

}  // namespace
