// The registry, named-mutex, path and profile wrappers against the system.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>

#include "win/NamedMutex.h"
#include "win/Registry.h"
#include "win/SystemPaths.h"
#include "win/WideText.h"

namespace {

constexpr char16_t testKey[] = u"Software\\TrellanTests\\Wrappers";

TEST(Registry, DwordsRoundTripAndOtherTypesAreNoDword)
{
    win::CRegistryKey key;
    ASSERT_TRUE(key.Create(HKEY_CURRENT_USER, testKey));
    DWORD value = 0;
    EXPECT_TRUE(key.WriteDword(u"Number", 0xDEADBEEF));
    EXPECT_TRUE(key.ReadDword(u"Number", value));
    EXPECT_EQ(value, 0xDEADBEEFu);
    EXPECT_TRUE(key.WriteString(u"Text", u"1"));
    value = 7;
    EXPECT_FALSE(key.ReadDword(u"Text", value));
    EXPECT_EQ(value, 7u);
    EXPECT_TRUE(key.DeleteValue(u"Number"));
    EXPECT_FALSE(key.ReadDword(u"Number", value));

    win::CRegistryKey reader;
    EXPECT_TRUE(reader.Open(HKEY_CURRENT_USER, testKey));
    EXPECT_FALSE(reader.WriteDword(u"Number", 1));
    EXPECT_FALSE(reader.Open(HKEY_CURRENT_USER, u"Software\\TrellanTests\\Missing"));
    ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\TrellanTests");
}

TEST(NamedMutex, TheFirstCreatorOwnsItUntilItCloses)
{
    const char16_t* name = u"TRELLAN_TEST_WRAPPER_MUTEX";
    win::CNamedMutex first;
    win::CNamedMutex second;
    EXPECT_EQ(first.Create(name), win::CNamedMutex::Result::Created);
    EXPECT_EQ(second.Create(name), win::CNamedMutex::Result::Existed);
    EXPECT_TRUE(second.IsOpen());
    first.Close();
    second.Close();
    EXPECT_FALSE(first.IsOpen());
    EXPECT_EQ(first.Create(name), win::CNamedMutex::Result::Created);
}

TEST(SystemPaths, ModuleFoldersAndProfiles)
{
    const std::u16string module = win::GetModulePath();
    ASSERT_GT(module.size(), 4u);
    EXPECT_EQ(module.substr(module.size() - 4), u".exe");
    EXPECT_NE(::GetFileAttributesW(win::W(win::GetSystemFolder() + u"\\dbghelp.dll")), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(win::GetCurrentFolder().empty());

    const std::u16string ini = win::GetCurrentFolder() + u"\\wrappers-test.ini";
    std::ofstream(reinterpret_cast<const wchar_t*>(ini.c_str())) << "[OPTIONS]\nTEXT_LANGUAGE=GER\n";
    EXPECT_EQ(win::ReadProfileString(ini, u"OPTIONS", u"TEXT_LANGUAGE", u"N/A", 256), u"GER");
    EXPECT_EQ(win::ReadProfileString(ini, u"OPTIONS", u"TEXT_LANGUAGE", u"N/A", 3), u"GE");
    EXPECT_EQ(win::ReadProfileString(ini, u"OPTIONS", u"OTHER", u"N/A", 256), u"N/A");
    EXPECT_EQ(win::ReadProfileString(ini + u".missing", u"OPTIONS", u"TEXT_LANGUAGE", u"N/A", 256), u"N/A");
    ::DeleteFileW(win::W(ini));
}

}  // namespace
