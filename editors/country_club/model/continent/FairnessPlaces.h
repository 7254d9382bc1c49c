#pragma once
// The three clubs entered into European competition through the fairness
// ranking: no two places may hold clubs of one country.

#include <string>

#include "database/club/Club.h"

class TCompleteWorld;
class TRulesAndMisc;

class FairnessPlaces {
public:
    static constexpr int Places = 3;

    explicit FairnessPlaces(TRulesAndMisc& rules) : rules_(rules) {}

    TTeamId Get(int place) const;
    // Stores the club unless another place holds a club of its country;
    // false when nothing changed. Clearing a place (country 0) is always
    // allowed, even while another place is empty.
    bool Choose(int place, TTeamId club);
    // The club's name, "-" for an empty place or a club the world lacks.
    static std::u16string Name(const TCompleteWorld& world, TTeamId club);

private:
    TRulesAndMisc& rules_;
};
