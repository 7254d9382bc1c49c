#pragma once
// The player search without its windows: the criteria as folded,
// upper-cased keys, the match of one person, the walk over every club and
// the players without club, and the orders of the result list.

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

class TClub;
class TCompleteWorld;
class TPerson;

// The three texts of the search dialog, kept for the whole run.
std::u16string& GetSearchFirstName();
std::u16string& GetSearchLastName();
std::u16string& GetSearchPseudonym();

class PlayerSearch {
public:
    static constexpr std::size_t MaxHits = 10000;
    static constexpr std::size_t CriterionCapacity = 64;
    static constexpr std::size_t FieldCapacity = 128;
    static constexpr int SortTypeCount = 7;

    // Empty = not used.
    struct TCriteria {
        std::u16string firstName;
        std::u16string lastName;
        std::u16string pseudonym;
        bool IsEmpty() const { return firstName.empty() && lastName.empty() && pseudonym.empty(); }
    };
    static TCriteria MakeCriteria(const std::u16string& firstName, const std::u16string& lastName,
                                  const std::u16string& pseudonym);
    // The text folded (accents gone) and upper-cased, at most capacity - 1 units.
    static std::u16string SearchKey(const char16_t* text, std::size_t capacity);
    // Every used criterion matches its whole field; the pseudonym
    // criterion is met by the pseudonym or the nickname.
    static bool Matches(const TPerson* person, const TCriteria& criteria);

    struct THit {
        TPerson* person = nullptr;
        // 0 for a player without club.
        std::uint32_t clubId = 0;
    };
    // Every club of countries 1..206 (national teams too), then the players
    // without club; hits beyond the 10,000th are dropped. A stop request is
    // looked at after each club and ends the walk.
    static std::vector<THit> Run(const TCompleteWorld& world, const std::vector<TPerson*>& freeAgents,
                                 const TCriteria& criteria, const std::atomic<bool>& stopRequest);

    // Moves the hit's person into the club's team part; on success the hit
    // names that club.
    static bool MoveHit(THit& hit, TClub* club, int teamPart);
    // The club registering a hit: the youth team for a youth player, else
    // the first team.
    static int RegisterTeamPart(const TPerson& person);
    // Takes the hit's person out of his club and makes him a player without
    // club (deleted only if that list refuses him); a hit without a club,
    // or whose club no longer holds him, is left alone.
    static bool ReleaseHit(TCompleteWorld& world, THit& hit);

    // The result list's sort types, a before b when negative.
    static int Compare(const TCompleteWorld& world, int sortType, const THit& a, const THit& b);
};
