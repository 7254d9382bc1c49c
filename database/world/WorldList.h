#pragma once
// The loaded worlds (at most six) and the current one, which every part of
// the program reaches through GetWorld.

#include <memory>
#include <vector>

#include "database/world/CompleteWorld.h"

class TWorldList {
public:
    static constexpr int MaxWorlds = 6;

    // A new world built from Countries.sav, made current; null when six
    // worlds are held already. The caller then runs LoadWorld.
    TCompleteWorld* CreateCompleteWorld();
    // The same, but the current world stays current: for a world that is
    // only read and compared, then removed.
    TCompleteWorld* AddCompleteWorld();
    void SetCurrentWorld(TCompleteWorld* world);
    TCompleteWorld* GetCurrentWorld() const { return current_; }
    // False for null or an unknown world; else destroys it, and when it was
    // current the first remaining world becomes current.
    bool RemoveWorld(TCompleteWorld* world);
    void Clear();
    int GetCount() const { return static_cast<int>(worlds_.size()); }

private:
    std::vector<std::unique_ptr<TCompleteWorld>> worlds_;
    TCompleteWorld* current_ = nullptr;
};

TWorldList& GetWorldList();
// The current world; null when none.
TCompleteWorld* GetWorld();
