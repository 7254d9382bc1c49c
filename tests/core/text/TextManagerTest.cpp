#include "core/text/TextManager.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "tests/common/TestSupport.h"

using testing_support::Bytes;

namespace {

std::vector<std::uint8_t> Utf8File(std::string_view body) { return Bytes("\xEF\xBB\xBF" + std::string(body)); }

std::vector<std::uint8_t> Utf16LeFile(std::u16string_view body)
{
    std::vector<std::uint8_t> bytes = {0xFF, 0xFE};
    for (char16_t unit : body) {
        bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    return bytes;
}

constexpr char SixLanguages[] = "Greeting|Hello|Bonjour|Hallo|Ciao|Hola|Czesc\n";

}  // namespace

TEST(TextKeyTest, HashesKnownKeys)
{
    static_assert(HashKey(u"A") == 65);
    static_assert(u"AB"_tk.hash == 0x00411041);
    EXPECT_EQ(u"Dialog.FileNotFound"_tk.hash, 0x7F14F1D1u);
    EXPECT_EQ(u"Database.MessageBoxCaption"_tk.hash, 0x7F16068Fu);
    EXPECT_EQ(u"TimeFormat"_tk.hash, 0x2535E244u);
    EXPECT_EQ(u"Internal.Number.Thousand"_tk.hash, 0xE58BBDB2u);
    EXPECT_EQ(u"Competition.CupMode.FAGermany"_tk.hash, 0x006D15BCu);
    EXPECT_EQ(CTextManager::HashKey(nullptr), 0u);
    EXPECT_EQ(CTextManager::HashKey(u""), 0u);
    EXPECT_EQ(HashKey(u"bbb."), 0x003FF0CCu);
    EXPECT_EQ(HashKey(u"AaAm"), 0x003FF0CCu);
}

TEST(TextManagerTest, LooksUpEachLanguageAndYieldsTheKeyPointerWhenMissing)
{
    CTextManager store;
    ASSERT_TRUE(store.LoadFromBytes(Utf8File(std::string("# comment\n\n") + SixLanguages + "OnlyEnglish|Yes\n")));
    EXPECT_EQ(std::u16string(store.GetText(u"Greeting"_tk)), u"Hello");
    for (int language = 0; language < 6; ++language) {
        const char16_t* expected[] = {u"Hello", u"Bonjour", u"Hallo", u"Ciao", u"Hola", u"Czesc"};
        EXPECT_EQ(std::u16string(store.GetTextInLanguage(u"Greeting"_tk, language)), expected[language]);
    }
    store.SetLanguage(CTextManager::French);
    EXPECT_EQ(std::u16string(store.GetText(u"Greeting")), u"Bonjour");
    const TextKey english = u"OnlyEnglish"_tk;
    EXPECT_EQ(store.GetText(english), english.key);
    const char16_t* missing = u"No.Such.Key";
    EXPECT_EQ(store.GetText(missing), missing);
    EXPECT_EQ(store.GetTextByHash(HashKey(missing)), nullptr);
    EXPECT_EQ(std::u16string(store.GetTextByHash(HashKey(u"Greeting"))), u"Bonjour");
    EXPECT_EQ(store.GetText(u"# comment"_tk), std::u16string_view(u"# comment"));
}

TEST(TextManagerTest, TellsItsTextsOfTheCurrentLanguageFromOtherTexts)
{
    CTextManager store;
    ASSERT_TRUE(store.LoadFromBytes(Utf8File(std::string(SixLanguages) + "OnlyEnglish|Yes\n")));
    EXPECT_TRUE(store.IsTextOfLanguage(u"Hello"));
    EXPECT_TRUE(store.IsTextOfLanguage(u"Yes"));
    EXPECT_FALSE(store.IsTextOfLanguage(u"Hell"));
    EXPECT_FALSE(store.IsTextOfLanguage(u"Greeting"));
    store.SetLanguage(CTextManager::French);
    EXPECT_TRUE(store.IsTextOfLanguage(u"Bonjour"));
    EXPECT_FALSE(store.IsTextOfLanguage(u"Hello"));
    EXPECT_FALSE(store.IsTextOfLanguage(u"Yes"));
}

TEST(TextManagerTest, LongestTextModeTakesTheLongestTextOfAnyLanguage)
{
    CTextManager store;
    ASSERT_TRUE(store.LoadFromBytes(Utf8File("OnlyEnglish|Yes\nTie|ab|cd|efg|hij\n")));
    store.SetLanguage(CTextManager::French);
    store.SetLongestTextMode(true);
    EXPECT_EQ(std::u16string(store.GetText(u"OnlyEnglish"_tk)), u"Yes");
    EXPECT_EQ(std::u16string(store.GetTextInLanguage(u"Tie"_tk, 0)), u"efg");
    store.SetLongestTextMode(false);
    EXPECT_EQ(std::u16string(store.GetText(u"Tie"_tk)), u"cd");
}

TEST(TextManagerTest, EmptyFieldsGiveEmptyTextsAndMissingFieldsGiveTheKey)
{
    CTextManager store;
    ASSERT_TRUE(store.LoadFromBytes(Utf8File("Gap|Text||Text\nKeyOnly\nEight|a|b|c|d|e|f|g|ignored|more\n")));
    EXPECT_EQ(std::u16string(store.GetTextInLanguage(u"Gap"_tk, 1)), u"");
    const TextKey gap = u"Gap"_tk;
    EXPECT_EQ(store.GetTextInLanguage(gap, 3), gap.key);
    const TextKey keyOnly = u"KeyOnly"_tk;
    EXPECT_EQ(store.GetText(keyOnly), keyOnly.key);
    EXPECT_EQ(std::u16string(store.GetTextInLanguage(u"Eight"_tk, 5)), u"f");
}

TEST(TextManagerTest, FirstLineWinsPerLanguageForRepeatedKeysAndHashes)
{
    CTextManager store;
    ASSERT_TRUE(store.LoadFromBytes(Utf8File("Key|one\nKey|two|deux\nbbb.|first\nAaAm|second|seconde\n")));
    EXPECT_EQ(std::u16string(store.GetText(u"Key"_tk)), u"one");
    EXPECT_EQ(std::u16string(store.GetTextInLanguage(u"Key"_tk, 1)), u"deux");
    EXPECT_EQ(std::u16string(store.GetText(u"AaAm"_tk)), u"first");
    EXPECT_EQ(std::u16string(store.GetText(u"bbb."_tk)), u"first");
}

TEST(TextManagerTest, EncodingsAndLineEndsGiveTheSameTexts)
{
    const std::string body = std::string(SixLanguages) + "Accent|\xC3\xA9t\xC3\xA9|\xE2\x82\xAC\n";
    CTextManager lf, crlf, utf16, unmarked;
    ASSERT_TRUE(lf.LoadFromBytes(Utf8File(body)));
    std::string withCr;
    for (char c : body) withCr += c == '\n' ? std::string("\r\n") : std::string(1, c);
    ASSERT_TRUE(crlf.LoadFromBytes(Utf8File(withCr)));
    ASSERT_TRUE(utf16.LoadFromBytes(Utf16LeFile(u"Greeting|Hello|Bonjour|Hallo|Ciao|Hola|Czesc\r\nAccent|été|€")));
    ASSERT_TRUE(unmarked.LoadFromBytes(Bytes(body)));
    for (const CTextManager* other : {&crlf, &utf16, &unmarked}) {
        for (int language = 0; language < 6; ++language) {
            EXPECT_EQ(std::u16string(lf.GetTextInLanguage(u"Greeting"_tk, language)),
                      other->GetTextInLanguage(u"Greeting"_tk, language));
            EXPECT_EQ(std::u16string(lf.GetTextInLanguage(u"Accent"_tk, language)),
                      other->GetTextInLanguage(u"Accent"_tk, language));
        }
    }
    EXPECT_EQ(std::u16string(utf16.GetText(u"Accent"_tk)), u"été");
}

TEST(TextManagerTest, BrokenBytesDecodeWithoutLosingTheRest)
{
    CTextManager store;
    ASSERT_TRUE(store.LoadFromBytes(Utf8File("Bad|a\xFF" "b\nNext|ok\n")));
    EXPECT_EQ(std::u16string(store.GetText(u"Bad"_tk)), u"a\uFFFDb");
    EXPECT_EQ(std::u16string(store.GetText(u"Next"_tk)), u"ok");

    ASSERT_TRUE(store.LoadFromBytes(Utf8File(std::string("Before|x\n", 9) + std::string(1, '\0') + "After|y\n")));
    EXPECT_EQ(std::u16string(store.GetText(u"Before"_tk)), u"x");
    const TextKey after = u"After"_tk;
    EXPECT_EQ(store.GetText(after), after.key);

    std::vector<std::uint8_t> odd = Utf16LeFile(u"K|v");
    odd.push_back('Z');
    ASSERT_TRUE(store.LoadFromBytes(odd));
    EXPECT_EQ(std::u16string(store.GetText(u"K"_tk)), u"v");
}

TEST(TextManagerTest, RefusalsLeaveAnEmptyStore)
{
    CTextManager store;
    ASSERT_TRUE(store.LoadFromBytes(Utf8File(SixLanguages)));
    const TextKey greeting = u"Greeting"_tk;
    const std::vector<std::vector<std::uint8_t>> refused = {
        {},
        Bytes("Greeting|Hello \xE9t\xE9\n"),  // 8-bit text without a mark
        Utf8File("# only a comment\n\n"),
        Utf8File(""),
    };
    for (const auto& bytes : refused) {
        ASSERT_TRUE(store.LoadFromBytes(Utf8File(SixLanguages)));
        EXPECT_FALSE(store.LoadFromBytes(bytes));
        EXPECT_EQ(store.GetText(greeting), greeting.key);
        EXPECT_EQ(std::u16string(store.GetLocaleName()), u"");
    }
    EXPECT_FALSE(store.LoadFile(nullptr));
    EXPECT_FALSE(store.LoadFile(u""));
    testing_support::TempFolder folder;
    EXPECT_FALSE(store.LoadFile(folder.File(u"missing.txt").c_str()));
    EXPECT_EQ(store.GetText(greeting), greeting.key);
}

TEST(TextManagerTest, SizeLimitIsSixteenMebibytes)
{
    testing_support::TempFolder folder;
    std::string body = "\xEF\xBB\xBF" "Big|yes\n#";
    body.resize(0xFFFFFF, 'x');
    const std::u16string path = folder.File(u"big.txt");
    testing_support::WriteBytes(path, body);
    CTextManager store;
    EXPECT_TRUE(store.LoadFile(path.c_str()));
    EXPECT_EQ(std::u16string(store.GetText(u"Big"_tk)), u"yes");
    body += 'x';
    testing_support::WriteBytes(path, body);
    EXPECT_FALSE(store.LoadFile(path.c_str()));
}

TEST(TextManagerTest, LinesBeyondTheLimitStayInTheLastLine)
{
    std::string body;
    for (int i = 0; i < 65535; ++i) body += "#\n";
    body += "Last|a\nBeyond|b\n";
    CTextManager store;
    ASSERT_TRUE(store.LoadFromBytes(Utf8File(body)));
    EXPECT_EQ(std::u16string(store.GetText(u"Last"_tk)), u"a\nBeyond");
    EXPECT_EQ(std::u16string(store.GetTextInLanguage(u"Last"_tk, 1)), u"b\n");
    const TextKey beyond = u"Beyond"_tk;
    EXPECT_EQ(store.GetText(beyond), beyond.key);
}

TEST(TextManagerTest, TextsHandedOutBeforeAReloadStayValid)
{
    CTextManager store;
    ASSERT_TRUE(store.LoadFromBytes(Utf8File(SixLanguages)));
    const char16_t* before = store.GetText(u"Greeting"_tk);
    ASSERT_TRUE(store.LoadFromBytes(Utf8File("Greeting|Changed\n")));
    EXPECT_EQ(std::u16string(before), u"Hello");
    EXPECT_EQ(std::u16string(store.GetText(u"Greeting"_tk)), u"Changed");
}

TEST(TextManagerTest, LanguagesOutsideTheSixAreIgnored)
{
    CTextManager store;
    ASSERT_TRUE(store.LoadFromBytes(Utf8File(SixLanguages)));
    store.SetLanguage(CTextManager::Polish);
    store.SetLanguage(6);
    store.SetLanguage(-1);
    EXPECT_EQ(store.GetLanguage(), CTextManager::Polish);
    const TextKey greeting = u"Greeting"_tk;
    EXPECT_EQ(store.GetTextInLanguage(greeting, 6), greeting.key);
    EXPECT_EQ(store.GetTextInLanguage(greeting, -1), greeting.key);
}

TEST(TextManagerTest, ThreadsFormatIndependently)
{
    CTextManager store;
    ASSERT_TRUE(store.LoadFromBytes(
        Utf8File("Internal.Number.Thousand|,\nInternal.Number.Decimal|.\nInternal.Number.Negative|-\n")));
    std::vector<std::u16string> expected;
    for (int i = 0; i < 10000; ++i) expected.emplace_back(store.FormatInt(i * 7919 - 30000000));
    auto work = [&](int* failures) {
        for (int i = 0; i < 10000; ++i) {
            const int value = i * 7919 - 30000000;
            const char16_t* text = store.FormatInt(value);
            const char16_t* fraction = store.FormatFloat(value / 4.0, 2);
            if (expected[i] != text || store.ParseInt(text) != value || store.ParseFloat(fraction) != value / 4.0)
                ++*failures;
        }
    };
    int failuresA = 0, failuresB = 0;
    std::thread a(work, &failuresA), b(work, &failuresB);
    a.join();
    b.join();
    EXPECT_EQ(failuresA, 0);
    EXPECT_EQ(failuresB, 0);
}

TEST(TextManagerTest, ShippedFileLoadsThroughTheSingleStore)
{
    CTextManager* store = CTextManager::Instance();
    EXPECT_EQ(store, CTextManager::Instance());
    ASSERT_TRUE(store->LoadFile(testing_support::SourcePath(u"data\\trdata\\DatabaseEditor.txt").c_str()));
    EXPECT_EQ(std::u16string(store->GetTextInLanguage(u"Database.Folder"_tk, CTextManager::German)), u"ger");
    store->Clear();
}
