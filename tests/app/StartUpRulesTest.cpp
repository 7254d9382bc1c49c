// The rules start-up follows, one table each: the command-line split, the
// language switches and locale.ini values, the edition of the agreement,
// the dump name, the default country and the path check.
#include <gtest/gtest.h>

#include <string>

#include "app/CommandLine.h"
#include "app/CrashDump.h"
#include "app/DlgEula.h"
#include "app/LanguageChoice.h"
#include "app/LedraApp.h"
#include "app/ToolServices.h"
#include "platform/Platform.h"
#include "tests/app/AppTestSupport.h"
#include "win/Registry.h"

namespace lc = language_choice;

namespace {

TEST(CommandLine, SplitsAtBlanksKeepsQuotedWordsAndCutsLongOnes)
{
    const std::u16string hundred(100, u'x');
    struct Case {
        std::u16string line;
        std::vector<std::u16string> words;
    } cases[] = {
        {u"editor.exe -en -de", {u"editor.exe", u"-en", u"-de"}},
        {u"\"C:\\Program Files\\Trellan\\editor.exe\"   -external",
         {u"C:\\Program Files\\Trellan\\editor.exe", u"-external"}},
        {u"editor.exe \"a b\"c", {u"editor.exe", u"a b", u"c"}},
        {u"editor.exe \"no end", {u"editor.exe", u"no end"}},
        {u"editor.exe \"\" -x", {u"editor.exe", u"-x"}},
        {u"e " + hundred + u" z", {u"e", hundred.substr(0, 63), u"z"}},
        {u"", {}},
    };
    for (const Case& c : cases) {
        CCommandLine line;
        line.Split(c.line);
        ASSERT_EQ(line.GetCount(), static_cast<int>(c.words.size())) << testing_support::Narrow(c.line);
        for (std::size_t i = 0; i < c.words.size(); ++i) EXPECT_EQ(line.GetArgument(static_cast<int>(i)), c.words[i]);
        EXPECT_STREQ(reinterpret_cast<const char*>(line.GetArgument(64)), "");
        EXPECT_STREQ(reinterpret_cast<const char*>(line.GetArgument(-1)), "");
    }
    std::u16string many;
    for (int i = 0; i < 70; ++i) many += u"w" + std::u16string(1, static_cast<char16_t>(u'A' + i % 26)) + u" ";
    CCommandLine full;
    full.Split(many);
    EXPECT_EQ(full.GetCount(), CCommandLine::MaxWords);
}

TEST(CommandLine, LanguageSwitchesFollowTheirFixedOrderAndMatchExactly)
{
    struct Case {
        const char16_t* line;
        int databaseLanguage;
    } cases[] = {
        {u"e -en -de", 1}, {u"e -de -en", 1}, {u"e -DE", -1}, {u"e -pl -fr", 5}, {u"e -es -it", 3},
        {u"e -it", 4},     {u"e -fr", 2},     {u"e -de", 0},  {u"e -english", -1}, {u"e", -1},
    };
    for (const Case& c : cases) {
        CCommandLine line;
        line.Split(c.line);
        EXPECT_EQ(lc::DatabaseLanguageFromSwitches(line), c.databaseLanguage) << testing_support::Narrow(c.line);
    }
    // Database language 0..5 shows texts in German, English, French, Spanish, Italian, Polish.
    const int textLanguages[] = {2, 0, 1, 4, 3, 5};
    for (int language = 0; language < 6; ++language)
        EXPECT_EQ(lc::TextLanguageForDatabaseLanguage(language), textLanguages[language]);
}

TEST(CommandLine, ArgumentsBehindTheProgramForTheRestart)
{
    EXPECT_EQ(CCommandLine::ArgumentsBehindProgram(u"\"C:\\a b\\e.exe\" -de -external"), u"-de -external");
    EXPECT_EQ(CCommandLine::ArgumentsBehindProgram(u"e.exe -de"), u"-de");
    EXPECT_EQ(CCommandLine::ArgumentsBehindProgram(u"e.exe"), u"");
    EXPECT_EQ(CCommandLine::ArgumentsBehindProgram(u"\"e.exe\""), u"");
}

TEST(LanguageChoice, LocaleIniValuesAndTheLanguagePairs)
{
    struct Case {
        const char16_t* value;
        bool withPolish;
        int language;
    } cases[] = {
        {u"ger", true, lc::German},   {u"GER", true, lc::German}, {u"Fre", true, lc::French},
        {u"ita", true, lc::Italian},  {u"SPA", true, lc::Spanish}, {u"eng", true, lc::English},
        {u"pol", true, lc::Polish},   {u"pol", false, 99},         {u"N/A", true, 99},
        {u"GERMAN", true, 99},
    };
    for (const Case& c : cases)
        EXPECT_EQ(lc::LanguageFromIniValue(c.value, 99, c.withPolish), c.language) << testing_support::Narrow(c.value);

    struct Pair {
        int language, database, text;
    } pairs[] = {{lc::German, 0, 2}, {lc::Spanish, 3, 4}, {lc::French, 2, 1}, {lc::Italian, 4, 3},
                 {lc::Polish, 5, 5}, {lc::English, 1, 0}, {17, 1, 0}};
    for (const Pair& p : pairs) {
        EXPECT_EQ(lc::MapLanguage(p.language).database, p.database) << p.language;
        EXPECT_EQ(lc::MapLanguage(p.language).text, p.text) << p.language;
    }
}

TEST(LanguageChoice, ReadsLocaleIniOfTheFolderAndNamesTheEdition)
{
    app_test::WorkingFolder folder(u"ini", false, false);
    EXPECT_EQ(lc::ReadLocaleIni(folder.Path(), 256), u"N/A");
    folder.WriteLocaleIni("ger");
    EXPECT_EQ(lc::ReadLocaleIni(folder.Path() + u"\\", 256), u"ger");
    folder.WriteLocaleIni("ABCDEFGHIJ");
    EXPECT_EQ(lc::ReadLocaleIni(folder.Path(), 5), u"ABCD");
    const std::string damaged("\xFF\xFE[\0\x01TEXT_LANGUAGE\n=\n\x80", 19);
    testing_support::WriteBytes(folder.Path() + u"\\locale.ini", damaged);
    EXPECT_EQ(lc::LanguageFromIniValue(lc::ReadLocaleIni(folder.Path(), 256), lc::Italian, true), lc::Italian);

    EXPECT_EQ(std::u16string(lc::EditionName(u"ger")), u"TR 08");
    EXPECT_EQ(std::u16string(lc::EditionName(u"SPA")), u"Bravik 08");
    EXPECT_EQ(std::u16string(lc::EditionName(u"fre")), u"Corvel 08");
    EXPECT_EQ(std::u16string(lc::EditionName(u"ITA")), u"Trellan 08");
    EXPECT_EQ(std::u16string(lc::EditionName(u"POL")), u"Trellan 08");
}

TEST(CrashDump, DumpNameIsTheProgramNameUpToItsFirstDot)
{
    EXPECT_EQ(DumpNameFromModulePath(u"C:\\Games\\Trellan\\TrellanEditor.exe"), u"TrellanEditor");
    EXPECT_EQ(DumpNameFromModulePath(u"C:\\a.b\\Editor.v2.exe"), u"Editor");
    EXPECT_EQ(DumpNameFromModulePath(u"C:/x/we*ird?.exe"), u"we_ird_");
    EXPECT_EQ(DumpNameFromModulePath(std::u16string(300, u'n')).size(), 254u);
}

TEST(ToolServices, DefaultCountryForTheUserLanguage)
{
    const std::pair<int, int> cases[] = {{7, 21}, {9, 14}, {10, 45}, {21, 37}, {97, 177}, {3, 1}, {0, 1}, {1000, 1}};
    for (const auto& [language, country] : cases) EXPECT_EQ(DefaultCountryIdForLanguage(language), country) << language;
}

TEST(PathCheck, RefusesWhatTheSystemCodePageCannotHold)
{
    // Greek and CJK letters have no byte in the Western code pages; plain
    // letters and the Latin-1 letters of code page 1252 have one.
    EXPECT_TRUE(CLedraApp::HasInvalidPathCharacters(u"C:\\Spiele\\\u4E16\u754C", u"C:\\Docs"));
    EXPECT_TRUE(CLedraApp::HasInvalidPathCharacters(u"C:\\Games", u"C:\\Users\\\u03A9mega"));
    EXPECT_FALSE(CLedraApp::HasInvalidPathCharacters(u"C:\\Games\\Trellan", u"C:\\Users\\me\\Documents"));
    if (platform::SystemCodePage() == 1252) {
        EXPECT_FALSE(CLedraApp::HasInvalidPathCharacters(u"C:\\Jeux\\\u00C9diteur", u"C:\\Docs"));
    }
}

}  // namespace

namespace {

TEST(Agreement, OnlyTheDwordOneUnderTheEditionKeyCountsAsAccepted)
{
    app_test::WorkingFolder folder(u"edition", false, false);
    folder.WriteLocaleIni("ger");
    EXPECT_EQ(CDlgEula::GetEditionRegistryPath(), u"Software\\Mirelo\\TR 08");
    win::CRegistryKey key;
    ASSERT_TRUE(key.Create(HKEY_CURRENT_USER, CDlgEula::GetEditionRegistryPath().c_str()));
    key.WriteString(u"EditorEula", u"1");
    EXPECT_FALSE(CDlgEula::IsAcceptanceStored());
    key.WriteDword(u"EditorEula", 2);
    EXPECT_FALSE(CDlgEula::IsAcceptanceStored());
    key.WriteDword(u"EditorEula", 1);
    EXPECT_TRUE(CDlgEula::IsAcceptanceStored());
    folder.WriteLocaleIni("ITA");
    EXPECT_EQ(CDlgEula::GetEditionRegistryPath(), u"Software\\Mirelo\\Trellan 08");
    key.DeleteValue(u"EditorEula");
}

}  // namespace
