#pragma once
// The enumeration scripts of "Various Lists/Fixes", one callback each.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "database/person/PlayerPortrait.h"

#include "tools/hotfix/FixVariousDataEnum.h"

namespace enum_scripts {

// The database languages of the legal lists with their labels, in their order.
struct TLanguageLabel {
    int language;
    const char16_t* label;
};
inline constexpr TLanguageLabel LegalLanguages[] = {{1, u"English"}, {2, u"French"}, {0, u"German"},
                                                   {4, u"Italian"}, {3, u"Spanish"}, {5, u"Polish"}};
inline constexpr int EnglishLanguage = 1;
inline constexpr int PolishLanguage = 5;

// The club's league name in a language, else the fallback.
std::u16string LeagueName(const TEnumScriptContext& context, int language, std::u16string_view fallback);
// A developer's text file: UTF-16 or UTF-8 by its mark, else Windows-1252.
std::u16string DecodeToolText(const std::vector<std::uint8_t>& bytes);
// At most maxParts parts; the last takes the rest.
std::vector<std::u16string> Split(std::u16string_view text, char16_t separator, std::size_t maxParts);
// Equal without regard to letter case.
bool SameText(std::u16string_view a, std::u16string_view b);


void CreateAnywhereClubs(TEnumScriptContext& context);
void RenameAiFiles(TEnumScriptContext& context);
void MapQaroTeams(TEnumScriptContext& context);
void ListBigFiles(TEnumScriptContext& context);
void ListClubs(TEnumScriptContext& context);
void ListPlayerImages(TEnumScriptContext& context);
void ReportUnusedImages(TEnumScriptContext& context);
void ReportFaceUsage(TEnumScriptContext& context);
void ListSerbianPlayers(TEnumScriptContext& context);
void RenameNationalStadiums(TEnumScriptContext& context);
void ListMobilePlayers(TEnumScriptContext& context);
void ListMobileClubs(TEnumScriptContext& context);
void CheckInvalidNames(TEnumScriptContext& context);
void CheckImages(TEnumScriptContext& context);
void ListLegalClubs(TEnumScriptContext& context);
void ListLegalCompetitions(TEnumScriptContext& context);
void ListLegalCountries(TEnumScriptContext& context);
void FinalCheck(TEnumScriptContext& context);
void FixPolishClubs(TEnumScriptContext& context);
void FixPolishCompetitions(TEnumScriptContext& context);
void FixPolishNationalStadiums(TEnumScriptContext& context);

}  // namespace enum_scripts
