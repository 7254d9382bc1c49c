#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/common/TestSupport.h"
#include "platform/Platform.h"
#include "tools/hotfix/HotfixFile.h"

namespace {

using testing_support::TempFolder;

// A text as UTF-16LE bytes; the header itself is checked against iconv's
// output in the golden file.
std::string Utf16(std::u16string_view text)
{
    std::string bytes;
    for (char16_t c : text) {
        bytes.push_back(static_cast<char>(c & 0xFF));
        bytes.push_back(static_cast<char>(c >> 8));
    }
    return bytes;
}

std::vector<std::uint8_t> Golden(std::u16string_view name)
{
    return testing_support::ReadBytes(platform::JoinPath(testing_support::SourcePath(u"tests\\tools\\golden"), name));
}

bool HeaderAccepted(TempFolder& folder, std::u16string_view text, std::u16string_view name = u"Fix Amateur rule",
                    std::uint32_t version = 3)
{
    const std::u16string path = folder.File(u"header.txt");
    testing_support::WriteBytes(path, Utf16(text));
    CHotfixFile file;
    EXPECT_TRUE(file.OpenRead(path));
    return file.ReadHeader(name, version);
}

}  // namespace

TEST(HotfixFile, TheAmateurRuleHeaderIsUtf16WithoutAByteOrderMark)
{
    TempFolder folder;
    CHotfixFile file;
    ASSERT_TRUE(file.OpenWrite(folder.File(u"amateur.txt")));
    EXPECT_TRUE(file.IsWriting());
    EXPECT_TRUE(file.WriteHeader(u"Fix Amateur rule", 3));
    ASSERT_TRUE(file.Close());
    const std::vector<std::uint8_t> bytes = testing_support::ReadBytes(folder.File(u"amateur.txt"));
    ASSERT_EQ(bytes.size(), 122u);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 8),
              (std::vector<std::uint8_t>{0x48, 0x00, 0x6F, 0x00, 0x74, 0x00, 0x66, 0x00}));
    EXPECT_EQ(bytes, Golden(u"hotfix_header_amateur_rule.bin"));

    CHotfixFile in;
    ASSERT_TRUE(in.OpenRead(folder.File(u"amateur.txt")));
    EXPECT_TRUE(in.ReadHeader(u"Fix Amateur rule", 3));
    EXPECT_EQ(in.GetRemainingBytes(), 0u);
}

TEST(HotfixFile, HeaderLinesAreCheckedAsTheFormatSays)
{
    TempFolder folder;
    struct Case {
        std::u16string_view text;
        bool accepted;
    };
    const Case cases[] = {
        {u"HotfixManagerVersion: 2\r\nName: Fix Amateur rule\r\nVersion: 3\r\n", true},
        // The two characters after the key are not examined.
        {u"HotfixManagerVersion: 2\r\nName= Fix Amateur rule\r\nVersion: 3\r\n", true},
        {u"HotfixManagerVersion: 2\r\nName: Fix Amateur rule\r\nVersion: 3", true},
        {u"HotfixManagerVersion: 2\nName: Fix Amateur rule\nVersion: 3\n", true},
        {u"HotfixManagerVersion: 2\r\nName: Fix Amateur rule and more\r\nVersion: 3\r\n", false},
        {u"HotfixManagerVersion: 2\r\nName: Fix Amateur rule\r\nVersion: 2\r\n", false},
        {u"HotfixManagerVersion: 2\r\nName: Fix Amateur rule\r\nVersion: 30\r\n", false},
        {u"HotfixManagerVersion: 1\r\nName: Fix Amateur rule\r\nVersion: 3\r\n", false},
        {u"HotfixManagerVersion: 2\r\nname: Fix Amateur rule\r\nVersion: 3\r\n", false},
        {u"HotfixManagerVersion: 2\r\nName: fix amateur rule\r\nVersion: 3\r\n", false},
        // Lines too short for key, separator and value.
        {u"HotfixManagerVersion: 2\r\nName\r\nVersion: 3\r\n", false},
        {u"HotfixManagerVersion: 2\r\nName: Fix Amateur rule\r\nVersion", false},
        {u"HotfixManagerVersion: 2\r\nName: Fix Amateur rule\r\n", false},
        {u"", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HeaderAccepted(folder, c.text), c.accepted) << testing_support::Narrow(c.text);
    }
}

TEST(HotfixFile, AllThreeHeaderLinesAreReadBeforeTheVerdict)
{
    TempFolder folder;
    const std::u16string path = folder.File(u"header.txt");
    testing_support::WriteBytes(path, Utf16(u"HotfixManagerVersion: 9\r\nName: X\r\nVersion: 1\r\nDATA"));
    CHotfixFile file;
    ASSERT_TRUE(file.OpenRead(path));
    EXPECT_FALSE(file.ReadHeader(u"X", 1));
    std::u16string line;
    ASSERT_TRUE(file.ReadLine(line));
    EXPECT_EQ(line, u"DATA");
}

TEST(HotfixFile, LinesStopAfterTheLineFeedOrAtTheLimit)
{
    TempFolder folder;
    const std::u16string path = folder.File(u"lines.txt");
    std::u16string text = u"first\r\n" + std::u16string(300, u'x') + u"\n";
    std::string bytes = Utf16(text);
    bytes.push_back('\x41');  // a last odd byte is no character
    testing_support::WriteBytes(path, bytes);
    CHotfixFile file;
    ASSERT_TRUE(file.OpenRead(path));
    std::u16string line;
    ASSERT_TRUE(file.ReadLine(line));
    EXPECT_EQ(line, u"first\r\n");
    ASSERT_TRUE(file.ReadLine(line));
    EXPECT_EQ(line, std::u16string(CHotfixFile::MaxLineLength, u'x'));
    ASSERT_TRUE(file.ReadLine(line));
    EXPECT_EQ(line, std::u16string(300 - CHotfixFile::MaxLineLength, u'x') + u"\n");
    EXPECT_FALSE(file.ReadLine(line));
    EXPECT_EQ(file.GetRemainingBytes(), 1u);
    std::uint8_t two[2];
    EXPECT_FALSE(file.ReadBytes(two, 2));
    ASSERT_TRUE(file.ReadBytes(two, 1));
    EXPECT_EQ(two[0], 0x41);
}

TEST(HotfixFile, DataFollowsTheHeaderAndTravelsBack)
{
    TempFolder folder;
    const std::u16string path = folder.File(u"data.txt");
    const std::uint8_t data[4] = {0, 3, 0xFF, 1};
    CHotfixFile out;
    ASSERT_TRUE(out.OpenWrite(path));
    out.WriteHeader(u"Fix average rating buffer overflow", 2);
    out.WriteBytes(data, sizeof data);
    out.WriteText(u"Ärger\r\n");
    ASSERT_TRUE(out.Close());
    CHotfixFile in;
    ASSERT_TRUE(in.OpenRead(path));
    ASSERT_TRUE(in.ReadHeader(u"Fix average rating buffer overflow", 2));
    std::uint8_t read[4] = {};
    ASSERT_TRUE(in.ReadBytes(read, sizeof read));
    EXPECT_EQ(std::vector<std::uint8_t>(read, read + 4), std::vector<std::uint8_t>(data, data + 4));
    std::u16string line;
    ASSERT_TRUE(in.ReadLine(line));
    EXPECT_EQ(line, u"Ärger\r\n");
}

TEST(HotfixFile, AFileThatCannotBeWrittenKeepsTheOldOne)
{
    TempFolder folder;
    CHotfixFile missingFolder;
    EXPECT_FALSE(missingFolder.OpenWrite(folder.File(u"no\\such\\folder.txt")));
    EXPECT_FALSE(missingFolder.WriteText(u"x"));
    CHotfixFile unread;
    EXPECT_FALSE(unread.OpenRead(folder.File(u"missing.txt")));
    std::u16string line;
    EXPECT_FALSE(unread.ReadLine(line));

    const std::u16string path = folder.File(u"kept.txt");
    testing_support::WriteBytes(path, std::string("old"));
    {
        CHotfixFile abandoned;
        ASSERT_TRUE(abandoned.OpenWrite(path));
        abandoned.WriteText(u"new");
    }
    EXPECT_EQ(testing_support::ReadBytes(path), testing_support::Bytes("old"));
}
