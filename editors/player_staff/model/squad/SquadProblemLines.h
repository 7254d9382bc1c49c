#pragma once
// The text keys of the problems the squad window's OK finds, one line per
// problem, in the order the user reads them.

#include <vector>

#include "core/text/TextKey.h"

class SquadProblemLines {
public:
    // squadBits from TClub::CheckSquad, staffBits from
    // TClub::CountSquadByPersonType; each key at most once.
    static std::vector<TextKey> Keys(int squadBits, int staffBits);
};
