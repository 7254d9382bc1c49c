#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "database/person/NameList.h"
#include "database/person/NamePool.h"
#include "core/Random.h"
#include "platform/Platform.h"
#include "tests/database/DatabaseTestSupport.h"
#include "tests/common/TestSupport.h"

using testing_support::Bytes;

namespace {

std::vector<std::uint8_t> FileBytes(std::string_view text)
{
    return Bytes(std::string(text));
}

// A fresh set of lists, reset as at the start of an export.
class NameListTest : public testing::Test {
protected:
    void SetUp() override { lists_.Reset(); }
    const CNameList::TList& List(int key, int kind) const { return *lists_.GetList(key, kind); }
    std::u16string Text(int key, int kind, int index) const
    {
        const CNameList::TEntry& entry = List(key, kind).GetEntry(index);
        return std::u16string(entry.text, entry.length);
    }

    CNameList lists_;
};

}  // namespace

TEST(NameListHash, KnownValues)
{
    const std::pair<std::u16string_view, std::uint32_t> cases[] = {
        {u"", 0u}, {u" ", 0x20u}, {u"Anna", 0x06D3C560u}, {u"Berg", 0x30F00B98u}, {u"Smith", 0x09322783u}};
    for (const auto& [text, hash] : cases) EXPECT_EQ(CNameList::Hash(text), hash) << std::string(text.begin(), text.end());
}

TEST_F(NameListTest, ResetLeavesTheBlankInLanguageListsOnly)
{
    for (int kind = 0; kind < CNameList::KindCount; ++kind) {
        ASSERT_EQ(List(0, kind).GetCount(), 1);
        EXPECT_EQ(Text(0, kind, 0), u" ");
        EXPECT_EQ(List(62, kind).GetEntry(0).count, 1u);
        EXPECT_EQ(lists_.GetList(63, kind), nullptr);
        EXPECT_EQ(lists_.GetListByNumber(CNameList::ListNumber(63, kind))->GetCount(), 0);
    }
    EXPECT_EQ(lists_.GetList(0, 5), nullptr);
    EXPECT_EQ(lists_.GetList(-1, 0), nullptr);
    EXPECT_EQ(lists_.GetListByNumber(CNameList::ListCount), nullptr);
}

TEST_F(NameListTest, AddNameCountsRepeatedNames)
{
    EXPECT_EQ(lists_.AddName(0, NameKindMale, u"Anna", true), 1);
    EXPECT_EQ(lists_.AddName(0, NameKindMale, u"Anna", true), 1);
    EXPECT_EQ(List(0, NameKindMale).GetEntry(1).count, 2u);
    EXPECT_EQ(lists_.AddName(0, NameKindMale, u"Anna", false), 1);
    EXPECT_EQ(List(0, NameKindMale).GetEntry(1).count, 2u);
    EXPECT_EQ(lists_.AddName(0, NameKindMale, u"Berg", true), 2);
    EXPECT_FALSE(List(0, NameKindMale).IsSorted());
}

TEST_F(NameListTest, EmptyTextsAndRefusedKeysGiveTheBlank)
{
    EXPECT_EQ(lists_.AddName(0, NameKindMale, u"", true), 0);
    EXPECT_EQ(lists_.AddName(0, NameKindMale, static_cast<const char16_t*>(nullptr), true), 0);
    EXPECT_EQ(lists_.AddName(63, NameKindMale, u"Anna", true), 0);
    EXPECT_EQ(lists_.AddName(0, 5, u"Anna", true), 0);
    EXPECT_EQ(List(0, NameKindMale).GetCount(), 1);
    EXPECT_EQ(List(0, NameKindMale).GetEntry(0).count, 1u);
}

TEST_F(NameListTest, LongTextsAreCutTo31Units)
{
    const std::u16string longName(40, u'x');
    EXPECT_EQ(lists_.AddName(1, NameKindSurname, longName, true), 1);
    EXPECT_EQ(Text(1, NameKindSurname, 1), std::u16string(31, u'x'));
    EXPECT_EQ(lists_.AddName(1, NameKindSurname, std::u16string(31, u'x'), true), 1);
    // A pair is never split.
    const std::u16string pair = std::u16string(30, u'y') + u"\U0001F600";
    lists_.AddName(1, NameKindSurname, pair, true);
    EXPECT_EQ(Text(1, NameKindSurname, 2), std::u16string(30, u'y'));
}

TEST_F(NameListTest, TextsOfEqualHashStayApart)
{
    // 65473 * 0x1003F + 3969 is 2^32: the hash wraps onto the same value.
    const std::u16string a{char16_t(65500), char16_t(4034)};
    const std::u16string b{char16_t(27), char16_t(65)};
    ASSERT_EQ(CNameList::Hash(a), CNameList::Hash(b));
    EXPECT_EQ(lists_.AddName(2, NameKindNickname, a, true), 1);
    EXPECT_EQ(lists_.AddName(2, NameKindNickname, b, true), 2);
    EXPECT_EQ(lists_.AddName(2, NameKindNickname, a, true), 1);
}

TEST_F(NameListTest, NormaliseAllWeighsFileNames)
{
    lists_.LoadBytes(NameKindMale, FileBytes("Anna\r\nBerg\r\nCarl\r\n"));
    lists_.AddName(0, NameKindMale, u"Carl", true);
    lists_.AddName(0, NameKindMale, u"Dora", true);
    lists_.AddName(0, NameKindMale, u"Dora", true);
    ASSERT_EQ(List(0, NameKindMale).GetFileEntryCount(), 4);
    lists_.NormaliseAll();
    const std::uint32_t expected[] = {1, 3307, 3307, 6614, 1};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(List(0, NameKindMale).GetEntry(i).count, expected[i]) << i;
}

TEST_F(NameListTest, TheBlankKeepsItsCountWithoutFileNames)
{
    lists_.AddName(0, NameKindMale, u" ", true);
    lists_.AddName(0, NameKindMale, u"Anna", true);
    lists_.AddName(0, NameKindMale, u"Anna", true);
    lists_.NormaliseAll();
    EXPECT_EQ(List(0, NameKindMale).GetEntry(0).count, 2u);
    EXPECT_EQ(List(0, NameKindMale).GetEntry(1).count, 1u);
}

TEST_F(NameListTest, NormaliseAllGivesEveryFileNameAtLeastOne)
{
    std::string file;
    for (int i = 0; i < 20000; ++i) file += "N" + std::to_string(i) + "\n";
    lists_.LoadBytes(NameKindSurname, FileBytes(file));
    for (int i = 0; i < 1000; ++i) lists_.AddName(0, NameKindSurname, u"N7", true);
    lists_.NormaliseAll();
    const CNameList::TList& list = List(0, NameKindSurname);
    for (int i = 1; i < list.GetCount(); ++i) ASSERT_GE(list.GetEntry(i).count, 1u);
}

TEST_F(NameListTest, SortAllOrdersByHashThenTextAndLookupsFollow)
{
    for (const char16_t* name : {u"Smith", u"Berg", u"Anna", u"Zed"}) lists_.AddName(5, NameKindSurname, name, true);
    lists_.SortAll();
    const CNameList::TList& list = List(5, NameKindSurname);
    EXPECT_TRUE(list.IsSorted());
    EXPECT_EQ(Text(5, NameKindSurname, 0), u" ");
    for (int i = 1; i < list.GetCount(); ++i) EXPECT_LT(list.GetEntry(i - 1).key, list.GetEntry(i).key);
    for (int i = 0; i < list.GetCount(); ++i) {
        EXPECT_EQ(lists_.AddName(5, NameKindSurname, Text(5, NameKindSurname, i), true), i);
    }
}

TEST_F(NameListTest, SerialisedLists)
{
    EXPECT_EQ(lists_.Serialise(CNameList::ListNumber(63, 0)), std::vector<std::uint8_t>(12, 0));
    EXPECT_EQ(lists_.Serialise(CNameList::ListNumber(0, 0)),
              FileBytes(std::string("\x01\0\0\0\0\0\0\0\0\0\0\0 \0\x01\0\0\0", 18)));
    lists_.LoadBytes(NameKindMale, FileBytes("\xC9mile\n"));
    lists_.AddName(0, NameKindMale, u"Bo", true);
    const std::vector<std::uint8_t> bytes = lists_.Serialise(CNameList::ListNumber(0, NameKindMale));
    EXPECT_EQ(bytes, FileBytes(std::string("\x03\0\0\0\x02\0\0\0\0\0\0\0"
                                           " \0\x01\0\0\0"
                                           "\xC9mile\0\x01\0\0\0"
                                           "Bo\0\x01\0\0\0",
                                           12 + 6 + 10 + 7)));
    EXPECT_EQ(lists_.GetSerialisedSize(CNameList::ListNumber(0, NameKindMale)), bytes.size());
    std::uint8_t small[10];
    EXPECT_FALSE(lists_.Serialise(CNameList::ListNumber(0, NameKindMale), small, sizeof small));
}

TEST_F(NameListTest, AllListsWithoutNameFilesTake14690BytesInTheExport)
{
    std::size_t total = 0;
    for (int number = 0; number < CNameList::ListCount; ++number) total += 8 + lists_.GetSerialisedSize(number);
    EXPECT_EQ(total, 14690u);
}

TEST_F(NameListTest, AListThatRunsFullMarksTheOverflow)
{
    for (int i = 1; i < 65536; ++i) {
        ASSERT_EQ(lists_.AddName(3, NameKindSurname, u"n" + std::u16string(1, static_cast<char16_t>(i)), true), i);
    }
    EXPECT_FALSE(lists_.HasIndexOverflow());
    EXPECT_EQ(lists_.AddName(3, NameKindSurname, u"one more", true), 0);
    EXPECT_TRUE(lists_.HasIndexOverflow());
    EXPECT_EQ(lists_.GetOverflowList(), CNameList::ListNumber(3, NameKindSurname));
    EXPECT_EQ(List(3, NameKindSurname).GetCount(), 65536);
    lists_.Reset();
    EXPECT_FALSE(lists_.HasIndexOverflow());
}

TEST_F(NameListTest, NameFilesByKeyWithBadLinesDropped)
{
    using namespace std::string_literals;
    lists_.LoadBytes(NameKindSurname, FileBytes("Alpha\r\n%3\r\nBeta\r\n  Gamma   Delta \r\n\r\n"
                                                "%99\r\nLost\r\n%x\r\nLost too\r\n%4\r\nNul\0x\r\n"
                                                "Un\x81\r\nBeta\r\n"s +
                                                std::string(40, 'z')));
    EXPECT_EQ(List(0, NameKindSurname).GetCount(), 2);
    ASSERT_EQ(List(3, NameKindSurname).GetCount(), 3);
    EXPECT_EQ(Text(3, NameKindSurname, 2), u"Gamma Delta");
    ASSERT_EQ(List(4, NameKindSurname).GetCount(), 3);
    EXPECT_EQ(Text(4, NameKindSurname, 2), std::u16string(31, u'z'));
    EXPECT_EQ(List(4, NameKindSurname).GetFileEntryCount(), 3);
    EXPECT_EQ(List(0, NameKindMale).GetCount(), 1);
}

TEST_F(NameListTest, AMissingNameFileLeavesTheBlank)
{
    lists_.LoadFile(NameKindMale, u"");
    lists_.LoadFile(NameKindMale, u"no such folder\\MaleNames.txt");
    EXPECT_EQ(List(0, NameKindMale).GetCount(), 1);
}

TEST(NameListKey, ClampsToTheCountryLanguageThenZero)
{
    const int cases[][3] = {{5, 7, 5}, {62, 7, 62}, {63, 7, 7}, {200, 12, 12}, {200, 63, 0}, {-1, 200, 0}};
    for (const auto& c : cases) EXPECT_EQ(ClampNameListKey(c[0], c[1]), c[2]) << c[0] << ' ' << c[1];
}

TEST(NamePool, PicksByKeyFallingBackToKeyZero)
{
    CNamePool pool;
    pool.LoadBytes(NamePoolMale, FileBytes("Zero\n%2\nAnna\nBerg\nCarl\n%5\n"));
    EXPECT_EQ(pool.GetCount(NamePoolMale, 2), 3);
    CrtSrand(1);
    // rand 41 * 3 / 32767 is 0; 18467 * 3 / 32767 is 1.
    EXPECT_EQ(pool.PickRandomName(NamePoolMale, 2), u"Anna");
    EXPECT_EQ(pool.PickRandomName(NamePoolMale, 2), u"Berg");
    EXPECT_EQ(pool.PickRandomName(NamePoolMale, 7), u"Zero");
    EXPECT_EQ(pool.PickRandomName(NamePoolSurname, 2), u"");
    EXPECT_EQ(pool.PickRandomName(3, 0), u"");
}

// A key that comes back later in the file adds its names behind the
// earlier ones.
TEST(NamePool, AKeyOfSeveralGroupsKeepsTheFileOrder)
{
    CNamePool pool;
    pool.LoadBytes(NamePoolMale, FileBytes("%2\nAnna\n%5\nXaver\n%2\nBerg\nCarl\n"));
    EXPECT_EQ(pool.GetCount(NamePoolMale, 2), 3);
    EXPECT_EQ(pool.GetCount(NamePoolMale, 5), 1);
    CrtSrand(1);
    // Draws 41, 18467, 6334 and 26500 give indices 0, 1, 0 and 2 of three.
    for (const char16_t* expected : {u"Anna", u"Berg", u"Anna", u"Carl"}) {
        EXPECT_EQ(pool.PickRandomName(NamePoolMale, 2), expected);
    }
}

TEST(NamePool, TheTopDrawTakesTheLastName)
{
    CNamePool pool;
    pool.LoadBytes(NamePoolFemale, FileBytes("%1\nA\nB\n"));
    // Draws of 32767 give the count itself, taken as the last index.
    for (unsigned seed = 0; seed < 200; ++seed) {
        CrtSrand(seed);
        EXPECT_FALSE(pool.PickRandomName(NamePoolFemale, 1).empty());
    }
}

TEST(NamePool, LongLinesAreDropped)
{
    CNamePool pool;
    pool.LoadBytes(NamePoolSurname, FileBytes(std::string(255, 'a') + "\n" + std::string(254, 'b') + "\n"));
    EXPECT_EQ(pool.GetCount(NamePoolSurname, 0), 1);
}

// Every name line of the shipped files reaches a list, and the pool draws
// from the same files.
TEST(NameFiles, ShippedFilesLoadWhole)
{
    const std::pair<const char16_t*, int> files[] = {
        {u"MaleNames.txt", NameKindMale}, {u"FemaleNames.txt", NameKindFemale}, {u"Surnames.txt", NameKindSurname}};
    for (const auto& [name, kind] : files) {
        const std::u16string path = platform::JoinPath(testing_support::SourcePath(u"data\\Database"), name);
        const std::vector<std::uint8_t> bytes = testing_support::ReadBytes(path);
        const std::string text(bytes.begin(), bytes.end());
        int names = 0;
        for (std::size_t start = 0; start < text.size(); start = text.find("\r\n", start) + 2) {
            names += text[start] != '%';
        }
        CNameList lists;
        lists.Reset();
        lists.LoadFile(kind, path);
        int listed = 0;
        for (int key = 0; key < CNameList::LanguageKeyCount; ++key) listed += lists.GetList(key, kind)->GetCount() - 1;
        EXPECT_EQ(listed, names);
        EXPECT_FALSE(lists.HasIndexOverflow());
        EXPECT_GE(lists.GetList(0, kind)->GetFileEntryCount(), 31);
    }
}

// The pool reads the database folder below the base folder; a missing file
// is reported once and leaves only its pool empty.
TEST(NamePool, LoadReportsEachMissingFileOnce)
{
    database_testing::ScratchBase base;
    base.WriteDatabaseFile(u"MaleNames.txt", "%3\r\nJan\r\n");
    platform::RemoveFile(base.DatabasePath(u"FemaleNames.txt"));
    platform::RemoveFile(base.DatabasePath(u"Surnames.txt"));
    testing_support::MessageCapture messages;
    CNamePool pool;
    EXPECT_FALSE(pool.Load());
    ASSERT_EQ(messages.Messages().size(), 2u);
    EXPECT_NE(messages.Messages()[0].find(u"FemaleNames.txt"), std::u16string::npos);
    EXPECT_NE(messages.Messages()[1].find(u"Surnames.txt"), std::u16string::npos);
    EXPECT_EQ(pool.PickRandomName(NamePoolMale, 3), u"Jan");
    base.WriteDatabaseFile(u"FemaleNames.txt", "Eva\r\n");
    base.WriteDatabaseFile(u"Surnames.txt", "Berg\r\n");
    messages.Clear();
    EXPECT_TRUE(pool.Load());
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ(pool.PickRandomName(NamePoolSurname, 9), u"Berg");
}
