#include "database/world/WorldList.h"

#include <algorithm>

#include "core/text/WorldLanguageHook.h"

namespace {

int CurrentWorldLanguage()
{
    const TCompleteWorld* world = GetWorld();
    return world ? world->GetDatabaseLanguage() : -1;
}

}  // namespace

TWorldList& GetWorldList()
{
    static TWorldList list;
    static const bool hooked = (SetWorldLanguageHook(CurrentWorldLanguage), true);
    (void)hooked;
    return list;
}

TCompleteWorld* GetWorld()
{
    return GetWorldList().GetCurrentWorld();
}

TCompleteWorld* TWorldList::CreateCompleteWorld()
{
    TCompleteWorld* world = AddCompleteWorld();
    if (world != nullptr) current_ = world;
    return world;
}

TCompleteWorld* TWorldList::AddCompleteWorld()
{
    if (GetCount() >= MaxWorlds) return nullptr;
    worlds_.push_back(std::make_unique<TCompleteWorld>());
    TCompleteWorld* world = worlds_.back().get();
    world->LoadCountriesFile();
    return world;
}

void TWorldList::SetCurrentWorld(TCompleteWorld* world)
{
    current_ = world;
}

bool TWorldList::RemoveWorld(TCompleteWorld* world)
{
    const auto found = std::find_if(worlds_.begin(), worlds_.end(),
                                    [world](const auto& held) { return world != nullptr && held.get() == world; });
    if (found == worlds_.end()) return false;
    worlds_.erase(found);
    if (current_ == world) current_ = worlds_.empty() ? nullptr : worlds_.front().get();
    return true;
}

void TWorldList::Clear()
{
    current_ = nullptr;
    worlds_.clear();
}
