#pragma once
// Round-robin fixture tables by the circle method: team 0 stays in slot 0,
// the others rotate a place a day; an odd count gives every day a bye in
// the last slot; later rounds mirror the one before.

#include <cstdint>
#include <string_view>
#include <vector>

class CFixtureCreator {
public:
    // False for fewer than 3 teams or no round (nothing built), or when a
    // self-check fails.
    bool Create(int teams, int rounds);
    // -1 outside the table; -1 is also the bye.
    int GetHome(int day, int slot) const;
    int GetAway(int day, int slot) const;
    void SetHome(int day, int slot, int team);
    void SetAway(int day, int slot, int team);
    int GetDays() const { return days_; }
    int GetMatchesPerDay() const { return matchesPerDay_; }
    // The first round as text, a block per day with a line per match
    // ("home : away", -1 for the bye); a file that cannot be written is
    // reported and gives false.
    bool Dump(std::u16string_view path) const;

private:
    struct Pair {
        int home = 0;
        int away = 0;
    };
    Pair* At(int day, int slot);
    const Pair* At(int day, int slot) const;
    bool EachPairMeetsOnce() const;
    bool StreaksAtMostThree() const;

    std::vector<Pair> cells_;
    int teams_ = 0;
    int rounds_ = 0;
    int days_ = 0;
    int matchesPerDay_ = 0;
};
