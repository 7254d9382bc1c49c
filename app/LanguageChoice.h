#pragma once
// How the program picks its two languages: from "locale.ini" in the working
// folder, else from the user's interface language, or from a command-line
// switch. Languages are Windows primary language ids here (German 7,
// English 9, Spanish 10, French 12, Italian 16, Polish 21).

#include <string>
#include <string_view>

class CCommandLine;

namespace language_choice {

inline constexpr int German = 7;
inline constexpr int English = 9;
inline constexpr int Spanish = 10;
inline constexpr int French = 12;
inline constexpr int Italian = 16;
inline constexpr int Polish = 21;

// Database order German, English, French, Spanish, Italian, Polish; text
// order English, French, German, Italian, Spanish, Polish.
struct LanguagePair {
    int database;
    int text;
};

// The primary part of the user's default interface language.
int UserPrimaryLanguage();
// "TEXT_LANGUAGE" of section "OPTIONS" of "locale.ini" in folder, read with
// at most capacity characters; "N/A" when it is not there.
std::u16string ReadLocaleIni(const std::u16string& folder, unsigned capacity);
// The language an ini value names ("ENG", "FRE", "GER", "ITA", "SPA" and,
// with withPolish, "POL", any case), else fallback.
int LanguageFromIniValue(std::u16string_view value, int fallback, bool withPolish);
LanguagePair MapLanguage(int primaryLanguage);
// The database language the switches "-de" .. "-pl" give (the last of that
// fixed order wins), or -1 when none is given.
int DatabaseLanguageFromSwitches(const CCommandLine& commandLine);
int TextLanguageForDatabaseLanguage(int databaseLanguage);
// The edition whose registry key holds the agreement: by the ini value.
const char16_t* EditionName(std::u16string_view iniValue);

}  // namespace language_choice
