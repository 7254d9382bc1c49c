#pragma once
// The generator dialogs the squad list's menu runs, installed by the
// program's start. A command whose generator is not installed is grayed.

#include <functional>

#include <windows.h>

class TClub;
class TPerson;

struct TSquadGenerators {
    // Proposes a random player for the club and writes him into the
    // person on OK; true on OK.
    std::function<bool(HWND owner, TClub& club, TPerson& person)> player;
    // Generates the club's first team (firstTeam) or second team; true on OK.
    std::function<bool(HWND owner, TClub& club, bool firstTeam)> team;
};

TSquadGenerators& GetSquadGenerators();
