#pragma once
// Services the main window and start-up share with the tools: the country
// a user of a language sees first, and the restore of the database from
// its backup snapshot.

class TCountry;

// The country id for a Windows primary language id; 1 for any other.
int DefaultCountryIdForLanguage(int primaryLanguage);
// The current world's country for the user's default language; null
// without a world.
TCountry* GetDefaultCountryForUserLanguage();
// Asks, and on Yes restores "trdata\Restore.big" of the base folder. True
// only when the database was restored; then the program restarts at exit.
bool PromptRestoreFromBackup();
