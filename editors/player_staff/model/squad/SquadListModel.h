#pragma once
// What a squad list page shows and does to the club's squad, apart from
// its window: the players of one team part in one of four orders, the row
// and info texts, and the squad changes of the list's menu once the user
// has answered.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class TClub;
class TCompleteWorld;
class TPerson;

class SquadListModel {
public:
    enum TeamPart { FirstTeam = 0, SecondTeam = 1, YouthTeam = 2 };
    enum SortMode { ByName = 0, ByPosition = 1, ByNationality = 2, ByLevel = 3 };
    static constexpr int MaxSquadEntriesForNew = 70;
    // The youth list's new player is born on this day.
    static constexpr int YouthBirthYear = 1991;

    // The players (type 0) of the team part in slot order; none without a club.
    static std::vector<TPerson*> CollectTeamPart(const TClub* club, int teamPart);
    static void Sort(std::vector<TPerson*>& players, int sortMode);
    // Short name, position, nationality abbreviation and level, TAB-separated.
    static std::u16string RowText(const TPerson& person);
    // "InfoFormat" with its three tokens replaced; at most 255 characters.
    static std::u16string InfoText(const TClub& club, int teamPart, int rowCount);

    struct THeightWeight {
        int height = 0;
        int weight = 0;
    };
    // A new player's height and weight about the country's averages, from
    // the runtime's rand.
    static THeightWeight DrawHeightWeight(int averageHeight, int averageWeight);

    // A new person of the world for the club's squad, not yet in it; null
    // when the squad has 70 entries or the world has no room.
    static TPerson* CreateForSquad(TClub& club);
    // Gives the person the team part's flags; one who changes between the
    // first and the reserve team gets a number of the team he joins.
    static void PlaceInTeamPart(const TClub& club, TPerson& person, int teamPart);
    // A generated person joins the team part, as a youth player when he is
    // younger than 16; false when the squad refuses him.
    static bool AddGenerated(TClub& club, TPerson& person, int teamPart);
    // The team part a person moved to the chosen club joins: the youth team
    // for a youth player, else the second team when the chosen id carries
    // the reserve bit.
    static int TransferTeamPart(const TPerson& person, std::uint32_t chosenId);
    // Moves the person from wherever he is into the club's team part.
    static bool TakeOver(TClub& club, TPerson& person, int teamPart);
    // Moves a second-team player to the first team and a first-team player
    // to the second team, with a free number when his of that team is worn.
    static void SwapTeam(const TClub& club, TPerson& person);
    // Marks or unmarks exactly the listed players as real persons.
    static void MarkRealPersons(const TClub* club, int teamPart, bool real);
    // Takes the person out of the squad; joinFreeAgents places him among
    // the players without club and tells whether it could; only if it
    // could not is he deleted from the world.
    using FreeAgentJoin = std::function<bool(TPerson&)>;
    // Joins the world's players without club.
    static FreeAgentJoin JoinFreeAgents(TCompleteWorld& world);
    // False when he was not in the squad.
    static bool ReleasePerson(TClub& club, TPerson& person, const FreeAgentJoin& joinFreeAgents);
    // Releases exactly the listed players of the team part.
    static void ReleaseTeamPart(TClub& club, int teamPart, const FreeAgentJoin& joinFreeAgents);
    static constexpr int YouthAge = 16;
};
