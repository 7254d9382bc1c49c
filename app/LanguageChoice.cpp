#include "app/LanguageChoice.h"

#include <windows.h>

#include <iterator>

#include "app/CommandLine.h"
#include "win/SystemPaths.h"

namespace language_choice {
namespace {

bool EqualsIgnoringCase(std::u16string_view a, std::u16string_view b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

struct IniLanguage {
    const char16_t* value;
    int language;
};
constexpr IniLanguage iniLanguages[] = {
    {u"ENG", English}, {u"FRE", French}, {u"GER", German}, {u"ITA", Italian}, {u"SPA", Spanish}, {u"POL", Polish},
};

}  // namespace

int UserPrimaryLanguage() { return ::GetUserDefaultUILanguage() & 0x3FF; }

std::u16string ReadLocaleIni(const std::u16string& folder, unsigned capacity)
{
    std::u16string path = folder;
    if (!path.empty() && path.back() != u'\\') path += u'\\';
    path += u"locale.ini";
    return win::ReadProfileString(path, u"OPTIONS", u"TEXT_LANGUAGE", u"N/A", capacity);
}

int LanguageFromIniValue(std::u16string_view value, int fallback, bool withPolish)
{
    for (const IniLanguage& entry : iniLanguages) {
        if (entry.language == Polish && !withPolish) continue;
        if (EqualsIgnoringCase(value, entry.value)) return entry.language;
    }
    return fallback;
}

LanguagePair MapLanguage(int primaryLanguage)
{
    switch (primaryLanguage) {
    case German: return {0, 2};
    case Spanish: return {3, 4};
    case French: return {2, 1};
    case Italian: return {4, 3};
    case Polish: return {5, 5};
    default: return {1, 0};
    }
}

int DatabaseLanguageFromSwitches(const CCommandLine& commandLine)
{
    struct Switch {
        const char16_t* name;
        int databaseLanguage;
    };
    static constexpr Switch switches[] = {{u"-de", 0}, {u"-en", 1}, {u"-fr", 2}, {u"-it", 4}, {u"-es", 3}, {u"-pl", 5}};
    int chosen = -1;
    for (const Switch& entry : switches) {
        if (commandLine.HasSwitch(entry.name)) chosen = entry.databaseLanguage;
    }
    return chosen;
}

int TextLanguageForDatabaseLanguage(int databaseLanguage)
{
    static constexpr int textLanguages[] = {2, 0, 1, 4, 3, 5};
    return databaseLanguage >= 0 && databaseLanguage < static_cast<int>(std::size(textLanguages))
               ? textLanguages[databaseLanguage]
               : 0;
}

const char16_t* EditionName(std::u16string_view iniValue)
{
    switch (LanguageFromIniValue(iniValue, English, false)) {
    case German: return u"TR 08";
    case Spanish: return u"Bravik 08";
    case French: return u"Corvel 08";
    default: return u"Trellan 08";
    }
}

}  // namespace language_choice
