#include "core/files/TabbedConfig.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <tuple>

#include "core/text/WorldLanguageHook.h"
#include "platform/Platform.h"
#include "platform/TextCodec.h"
#include "tests/common/TestSupport.h"

using testing_support::Bytes;

namespace {

std::vector<std::uint8_t> Utf8File(std::string_view body) { return Bytes("\xEF\xBB\xBF" + std::string(body)); }

std::u16string Text(const char16_t* text) { return text != nullptr ? text : u"(null)"; }

std::string SavedText(const CTabbedConfig& table)
{
    const std::vector<std::uint8_t> bytes = table.SaveToBytes();
    return std::string(bytes.begin(), bytes.end());
}

// Contrast ratio of two colours as the accessibility guidelines define it.
double Luminance(std::int32_t colour)
{
    double channels[3];
    for (int i = 0; i < 3; ++i) {
        const double value = ((colour >> (16 - 8 * i)) & 0xFF) / 255.0;
        channels[i] = value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    }
    return 0.2126 * channels[0] + 0.7152 * channels[1] + 0.0722 * channels[2];
}

double Contrast(std::int32_t a, std::int32_t b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

constexpr char AllHeadings[] = "Index\t[English]\t[French]\t[German]\t[Italian]\t[Spanish]\t[Polish]";

}  // namespace

TEST(TabbedConfigTest, HeadingsMapToDatabaseLanguagesInAnyOrderAndCase)
{
    CTabbedConfig table;
    ASSERT_TRUE(table.LoadFromBytes(Utf8File("Id\t[polish]\t[SPANISH]\tColour\t[Italian]\t[german]\t[French]\t[English]\r\n"
                                             "3\tpl\tes\t#00FF00\tit\tde\tfr\ten\r\n")));
    ASSERT_EQ(table.GetRecordCount(), 1);
    const TTabbedConfigRecord* row = table.GetRecordAt(0);
    EXPECT_EQ(row->GetId(), 3);
    const char16_t* expected[] = {u"de", u"en", u"fr", u"es", u"it", u"pl"};
    for (int language = 0; language < 6; ++language) EXPECT_EQ(Text(row->GetText(language)), expected[language]);
    EXPECT_EQ(Text(table.GetColumnName(0)), u"Colour");
    EXPECT_EQ(table.CountColumnNames(), 1);
    EXPECT_EQ(row->GetColumnInt(0, 16), 65280);
    EXPECT_EQ(row->CountColumns(), 1);
}

TEST(TabbedConfigTest, SkipsRowsOfAnotherWidthAndRepeatedIds)
{
    CTabbedConfig table;
    ASSERT_TRUE(table.LoadFromBytes(Utf8File("Index\t[German]\tValue\n"
                                             "1\tone\n"
                                             "2\ttwo\tx\textra\n"
                                             "7\tfirst\ta\n"
                                             "; a comment line\n"
                                             "7\tsecond\tb\n"
                                             "  +8\teight\tc\n"
                                             "abc\tzero\td\n")));
    ASSERT_EQ(table.GetRecordCount(), 3);
    EXPECT_EQ(table.FindById(1), nullptr);
    EXPECT_EQ(Text(table.FindById(7)->GetText(0)), u"first");
    EXPECT_EQ(Text(table.FindById(8)->GetColumn(0)), u"c");
    EXPECT_EQ(Text(table.FindById(0)->GetText(0)), u"zero");
    EXPECT_EQ(table.GetRecordAt(-1), table.GetRecordAt(0));
    EXPECT_EQ(table.GetRecordAt(table.GetRecordCount()), table.GetRecordAt(0));
    EXPECT_EQ(table.GetRecordAt(2)->GetId(), 0);
}

TEST(TabbedConfigTest, KeepsSixteenOfTwentyExtraColumns)
{
    std::string header = "Index\t[English]";
    std::string row = "5\tfive";
    for (int i = 0; i < 20; ++i) {
        header += "\tC" + std::to_string(i);
        row += "\tv" + std::to_string(i);
    }
    CTabbedConfig table;
    ASSERT_TRUE(table.LoadFromBytes(Utf8File(header + "\n" + row + "\n")));
    EXPECT_EQ(table.CountColumnNames(), 16);
    EXPECT_EQ(Text(table.GetColumnName(15)), u"C15");
    EXPECT_EQ(table.GetColumnName(16), nullptr);
    const TTabbedConfigRecord* record = table.FindById(5);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->CountColumns(), 16);
    EXPECT_EQ(Text(record->GetColumn(15)), u"v15");
    EXPECT_EQ(record->GetColumn(16), nullptr);
    EXPECT_EQ(record->GetColumn(-1), nullptr);
}

TEST(TabbedConfigTest, CutsLongLinesAndTexts)
{
    const std::string longText(3000, 'a');
    CTabbedConfig table;
    ASSERT_TRUE(table.LoadFromBytes(Utf8File("Index\t[English]\n1\t" + longText + "\n2\t" + longText.substr(0, 1500) + "\n")));
    EXPECT_EQ(std::u16string(table.FindById(1)->GetText(1)).size(), TTabbedConfigRecord::MaxTextLength);
    TTabbedConfigRecord record(9);
    record.SetText(2, std::u16string(2000, u'b').c_str());
    EXPECT_EQ(std::u16string(record.GetText(2)).size(), TTabbedConfigRecord::MaxTextLength);
}

TEST(TabbedConfigTest, RecordTextsFallBackToLanguageZero)
{
    TTabbedConfigRecord record(1);
    EXPECT_EQ(record.GetText(3), nullptr);
    record.SetText(0, u"Rot");
    record.SetText(2, u"");
    record.SetText(2, nullptr);
    record.SetText(7, u"ignored");
    EXPECT_EQ(Text(record.GetText(3)), u"Rot");
    EXPECT_EQ(Text(record.GetText(2)), u"");
    EXPECT_EQ(Text(record.GetText(-1)), u"Rot");
    record.SetColumn(16, u"ignored");
    record.SetColumn(1, u"x");
    EXPECT_EQ(record.CountColumns(), 0);
    EXPECT_EQ(record.GetColumnInt(0, 10), 0);
    EXPECT_EQ(record.GetColumnFloat(0), 0.0);
}

TEST(TabbedConfigTest, ColumnNumbersReadAsTheWindowsRuntimeDoes)
{
    TTabbedConfigRecord record(1);
    const std::tuple<const char16_t*, int, std::int32_t> intCases[] = {
        {u"#00FF00", 16, 65280},      {u"#FFFFFFFF", 16, 0x7FFFFFFF}, {u"FF", 16, 255},  {u"0x1f", 16, 31},
        {u"#-10", 16, -16},           {u"-FFFFFFFFF", 16, INT32_MIN}, {u"", 16, 0},      {u"#", 16, 0},
        {u"  #12", 16, 0},            {u"12zz", 16, 18},              {u"  -42abc", 10, -42},
        {u"99999999999", 10, INT32_MAX}, {u"-2147483648", 10, INT32_MIN}, {u"017", 0, 15}, {u"017", 1, 0},
    };
    for (const auto& [text, base, expected] : intCases) {
        record.SetColumn(0, text);
        EXPECT_EQ(record.GetColumnInt(0, base), expected) << testing_support::Narrow(text) << " base " << base;
    }
    const std::pair<const char16_t*, double> floatCases[] = {{u" 1.25x", 1.25}, {u"1,5", 1.0}, {u"abc", 0.0}};
    for (const auto& [text, expected] : floatCases) {
        record.SetColumn(0, text);
        EXPECT_EQ(record.GetColumnFloat(0), expected) << testing_support::Narrow(text);
    }
}

TEST(TabbedConfigTest, WorldTextAsksTheInstalledHook)
{
    TTabbedConfigRecord record(1);
    record.SetText(0, u"Rot");
    record.SetText(5, u"Czerwony");
    const WorldLanguageHook previous = SetWorldLanguageHook(nullptr);
    EXPECT_EQ(record.GetWorldText(), nullptr);
    SetWorldLanguageHook([] { return 5; });
    EXPECT_EQ(Text(record.GetWorldText()), u"Czerwony");
    SetWorldLanguageHook([] { return 3; });
    EXPECT_EQ(Text(record.GetWorldText()), u"Rot");
    SetWorldLanguageHook([] { return -1; });
    EXPECT_EQ(record.GetWorldText(), nullptr);
    SetWorldLanguageHook(previous);
}

TEST(TabbedConfigTest, SavesEveryHeadingAndTheHeaderWidth)
{
    CTabbedConfig table;
    TTabbedConfigRecord* german = table.AddRecord(4);
    german->SetText(0, u"Nur\tdeutsch\r\n");
    EXPECT_EQ(table.AddRecord(4), nullptr);
    TTabbedConfigRecord* wide = table.AddRecord(-2);
    wide->SetColumn(2, u"#ABCDEF");
    table.SetColumnName(0, u"Foreground");
    EXPECT_EQ(SavedText(table), std::string("\xEF\xBB\xBF") + AllHeadings + "\tForeground\t\t\r\n" +
                                    "4\tNur deutsch  \tNur deutsch  \tNur deutsch  \tNur deutsch  \t"
                                    "Nur deutsch  \tNur deutsch  \t\t\t\r\n"
                                    "-2\t\t\t\t\t\t\t\t\t#ABCDEF\r\n");
    CTabbedConfig empty;
    EXPECT_EQ(SavedText(empty), std::string("\xEF\xBB\xBF") + AllHeadings + "\r\n");
}

TEST(TabbedConfigTest, SavedTableLoadsBackUnchanged)
{
    CTabbedConfig table;
    ASSERT_TRUE(table.LoadFromBytes(Utf8File("Index\t[German]\tA\tB\n1\tEins\t\xC3\xA9\t\n2\t" +
                                             std::string(1000, 'x') + "\t" + std::string(1000, 'y') + "\tz\n")));
    const std::vector<std::uint8_t> first = table.SaveToBytes();
    CTabbedConfig reloaded;
    ASSERT_TRUE(reloaded.LoadFromBytes(first));
    EXPECT_EQ(reloaded.SaveToBytes(), first);
    ASSERT_EQ(reloaded.GetRecordCount(), 2);
    EXPECT_EQ(Text(reloaded.FindById(1)->GetText(4)), u"Eins");
    EXPECT_EQ(Text(reloaded.FindById(1)->GetColumn(0)), u"é");
    // The long row was shortened to fit one line instead of being dropped.
    EXPECT_EQ(Text(reloaded.FindById(2)->GetColumn(1)), u"");
    for (std::size_t start = 0, end; (end = std::string(first.begin(), first.end()).find("\r\n", start)) !=
                                     std::string::npos;
         start = end + 2)
        EXPECT_LE(end - start, CTabbedConfig::MaxLineLength + 3);
}

TEST(TabbedConfigTest, LoadAndSaveThroughFiles)
{
    testing_support::TempFolder folder;
    const std::u16string path = folder.File(u"Table.txt");
    CTabbedConfig table;
    EXPECT_FALSE(table.Load(path.c_str()));
    EXPECT_FALSE(table.Load(nullptr));
    EXPECT_FALSE(table.Load(u""));
    EXPECT_FALSE(table.Save(nullptr));
    table.AddRecord(1)->SetText(1, u"One");
    ASSERT_TRUE(table.Save(path.c_str()));
    CTabbedConfig reloaded;
    ASSERT_TRUE(reloaded.Load(path.c_str()));
    EXPECT_EQ(Text(reloaded.FindById(1)->GetText(1)), u"One");
    EXPECT_EQ(Text(reloaded.FindById(1)->GetText(0)), u"");

    const std::vector<std::uint8_t> before = testing_support::ReadBytes(path);
    table.AddRecord(2);
    platform::FailWritesAfter(1);
    EXPECT_FALSE(table.Save(path.c_str()));
    platform::FailWritesAfter(0);
    EXPECT_EQ(testing_support::ReadBytes(path), before);
    EXPECT_EQ(platform::ListFolder(folder.Path()).size(), 1u);

    testing_support::WriteBytes(path, "\xEF\xBB\xBF");
    EXPECT_FALSE(reloaded.Load(path.c_str()));
    EXPECT_EQ(reloaded.GetRecordCount(), 0);
    EXPECT_EQ(reloaded.GetRecordAt(0), nullptr);
}

TEST(TabbedConfigTest, ShippedColoursLoadAndSaveBackByteForByte)
{
    const std::u16string path = testing_support::SourcePath(u"data\\trdata\\GUIColors.txt");
    CTabbedConfig table;
    ASSERT_TRUE(table.Load(path.c_str()));
    ASSERT_EQ(table.GetRecordCount(), 64);
    EXPECT_EQ(table.SaveToBytes(), testing_support::ReadBytes(path));
    const char16_t* names[] = {u"Foreground", u"Background", u"TextPrimary", u"TextAlternate", u"EditorPreview"};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(Text(table.GetColumnName(i)), names[i]);
    for (int language = 0; language < 6; ++language) {
        std::set<std::u16string> seen;
        for (int id = 0; id < 64; ++id) {
            const TTabbedConfigRecord* row = table.FindById(id);
            ASSERT_NE(row, nullptr);
            EXPECT_EQ(row->CountColumns(), 5);
            const std::u16string name = Text(row->GetText(language));
            EXPECT_FALSE(name.empty());
            EXPECT_TRUE(seen.insert(name).second) << testing_support::Narrow(name);
            for (int column = 0; column < 5; ++column) {
                const std::u16string value = row->GetColumn(column);
                EXPECT_EQ(value.size(), 7u);
                EXPECT_EQ(value.find_first_not_of(u"#0123456789ABCDEF", 1), std::u16string::npos);
            }
            EXPECT_GE(Contrast(row->GetColumnInt(0, 16), row->GetColumnInt(2, 16)), 4.5) << id;
            EXPECT_GE(Contrast(row->GetColumnInt(0, 16), row->GetColumnInt(3, 16)), 3.0) << id;
        }
    }
}
