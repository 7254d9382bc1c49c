#include "core/text/WorldLanguageHook.h"

#include <atomic>

namespace {
std::atomic<WorldLanguageHook> installedHook{nullptr};
}

WorldLanguageHook SetWorldLanguageHook(WorldLanguageHook hook)
{
    return installedHook.exchange(hook);
}

int GetWorldDatabaseLanguage()
{
    const WorldLanguageHook hook = installedHook.load();
    if (hook == nullptr) return -1;
    const int language = hook();
    return language >= 0 && language < 6 ? language : -1;
}
