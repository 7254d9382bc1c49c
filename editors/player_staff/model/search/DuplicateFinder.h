#pragma once
// Persons entered twice: equal last and first names among the club
// persons of every country (national teams left out) and the players
// without club, listed as pairs.

#include <cstddef>
#include <vector>

class TClub;
class TCompleteWorld;
class TCountry;
class TPerson;

class DuplicateFinder {
public:
    struct TCandidate {
        TCountry* country = nullptr;
        TClub* club = nullptr;
        TPerson* person = nullptr;
    };
    enum Filter { AllPairs = 0, CountryPairs = 1, ClubPairs = 2 };
    static constexpr int SortTypeCount = 7;

    // The candidates of every pair, the two of a pair one after the other:
    // three equal persons A, B, C give (A, B), (B, C). A club person comes
    // before a player without club.
    static std::vector<TCandidate> FindPairs(const TCompleteWorld& world, const std::vector<TPerson*>& freeAgents);
    // The same over a given candidate list, which it sorts.
    static std::vector<TCandidate> PairUp(std::vector<TCandidate>& candidates);

    struct TFilter {
        bool sameBirthDate = false;
        int mode = AllPairs;
        const TCountry* country = nullptr;
        const TClub* club = nullptr;
    };
    // Whether the pair starting at first passes the filter.
    static bool IsShown(const TCandidate& first, const TCandidate& second, const TFilter& filter);

    // Sort types of the list; pairs given by the index of their first
    // candidate. Types 2, 4 and 6 compare the second persons.
    static int Compare(const std::vector<TCandidate>& pairs, int sortType, std::size_t a, std::size_t b);
};
