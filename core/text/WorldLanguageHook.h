#pragma once
// The core's view of the loaded world's database language. The core must not
// depend on the world, so the world installs a hook that answers for it.

// Returns the loaded world's database language 0..5, or -1 when no world is
// loaded.
using WorldLanguageHook = int (*)();

// Installs a hook (null removes it) and returns the previous one.
WorldLanguageHook SetWorldLanguageHook(WorldLanguageHook hook);
// The database language of the loaded world; -1 without a hook or a world.
int GetWorldDatabaseLanguage();
