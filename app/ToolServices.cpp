#include "app/ToolServices.h"

#include <windows.h>

#include "app/LedraApp.h"
#include "core/AppMessage.h"
#include "core/text/TextManager.h"
#include "database/world/DatabaseSnapshot.h"
#include "database/world/WorldList.h"

int DefaultCountryIdForLanguage(int primaryLanguage)
{
    struct LanguageCountry {
        int language;
        int country;
    };
    static constexpr LanguageCountry table[] = {
        {2, 9},    {4, 155},  {5, 12},   {6, 13},   {7, 21},   {8, 22},   {9, 14},   {10, 45},  {11, 17},
        {12, 18},  {14, 23},  {15, 24},  {16, 27},  {17, 163}, {18, 167}, {19, 34},  {20, 36},  {21, 37},
        {22, 38},  {24, 39},  {25, 40},  {26, 10},  {27, 43},  {28, 1},   {29, 46},  {30, 188}, {31, 48},
        {33, 160}, {34, 49},  {35, 6},   {36, 44},  {37, 15},  {38, 28},  {39, 30},  {42, 192}, {43, 3},
        {44, 5},   {55, 20},  {56, 16},  {62, 173}, {64, 169}, {65, 142}, {67, 191}, {80, 175}, {90, 186},
        {96, 165}, {97, 177},
    };
    for (const LanguageCountry& entry : table) {
        if (entry.language == primaryLanguage) return entry.country;
    }
    return 1;
}

TCountry* GetDefaultCountryForUserLanguage()
{
    TCompleteWorld* world = GetWorld();
    if (world == nullptr) return nullptr;
    return world->GetCountry(DefaultCountryIdForLanguage(::GetUserDefaultLangID() & 0x3FF));
}

bool PromptRestoreFromBackup()
{
    CLedraApp& app = GetEditorApp();
    const char16_t* question = CTextManager::Instance()->GetText(u"Assistant.DatabaseSnapshot.RestorePrompt"_tk);
    if (app.ShowMessageBox(question, AppMessage::YesNo | AppMessage::IconQuestion) != AppMessage::IdYes)
        return false;
    CDatabaseSnapshot snapshot;
    snapshot.Restore(app.GetBaseFolder() + u"\\trdata\\Restore.big");
    if (!snapshot.HasSucceeded()) return false;
    app.SetRestartOnExit(true);
    return true;
}
